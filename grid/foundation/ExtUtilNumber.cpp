// Integer reading, limits, character classes and number text.

#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/SysUtils.h"


int ApplySizeLimits(int Value, int MinValue, int MaxValue) {
  if (MinValue == MaxValue) return Value;
  if (MaxValue > 0 && Value > MaxValue) return MaxValue;
  if (MinValue > 0 && Value < MinValue) return MinValue;
  return Value;
}

bool IsNumberChar(char Ch) { return Ch >= '0' && Ch <= '9'; }
bool IsNumberOrMinusChar(char Ch) { return IsNumberChar(Ch) || Ch == '-'; }

bool IsFloatChar(char Ch) {
  return IsNumberChar(Ch) || Ch == LocaleThousandSeparator() || Ch == LocaleDecimalSeparator() || Ch == 'e' ||
         Ch == 'E';
}

bool IsNumericTextChar(char Ch) {
  return IsNumberChar(Ch) || Ch == '.' || Ch == '-' || Ch == 'e' || Ch == 'E' || Ch == '+';
}

bool IsSignedFloatChar(char Ch) { return IsFloatChar(Ch) || Ch == '+' || Ch == '-'; }

int GetNumberTextKind(std::string_view Text) {
  if (Text.empty()) return 2;
  const char thousand = LocaleThousandSeparator();
  const char decimal = LocaleDecimalSeparator();
  const int n = static_cast<int>(Text.size());
  bool intForm = true, decForm = true, expForm = true, eSeen = false;
  int minus = 0, decimals = 0, lastThousand = 0;
  for (int i = 1; i <= n; ++i) {
    const char c = Text[i - 1];
    const bool isE = c == 'e' || c == 'E';
    if (!IsNumberOrMinusChar(c) || (c == '-' && i > 1)) intForm = false;

    if (c == '-' && i > 1) decForm = false;
    if (!IsNumberChar(c) && c != '-' && c != thousand && c != decimal) decForm = false;
    if (c == thousand) {
      // Digit groups have three digits; the first separator may stand anywhere.
      if (lastThousand > 0 && i - lastThousand <= 3) decForm = false;
      lastThousand = i;
    }

    if (!IsSignedFloatChar(c) || c == thousand) expForm = false;
    if (isE && (eSeen || i == 1)) expForm = false;
    if (i == n && (c == '+' || c == '-' || isE)) expForm = false;

    if (isE) eSeen = true;
    if (c == '-') ++minus;
    if (c == decimal) ++decimals;
  }
  if (intForm) return 0;
  int kind = !decForm || eSeen ? 2 : 1;
  if (expForm && eSeen) {
    kind = 5;
    if (minus == 2) minus = 1;  // one sign for the mantissa, one for the exponent
  }
  if (minus > 1 || decimals > 1) return 2;
  return kind;
}

std::string NormalizeFloatText(std::string_view Text) {
  const std::string trimmed = Trim(Text);
  std::string_view t = trimmed;
  if (t.empty()) return {};
  bool negative = t.front() == '(' && t.back() == ')';
  while (t.size() >= 2 && !IsFloatChar(t.front())) {
    if (t.front() == '-') negative = true;
    t.remove_prefix(1);
  }
  const char thousand = LocaleThousandSeparator();
  const char decimal = LocaleDecimalSeparator();
  std::string out;
  for (char c : t) {
    if (c == thousand) continue;
    if (c == decimal) out += '.';
    else if (IsNumericTextChar(c)) out += c;
    else break;
  }
  return negative ? "-" + out : out;
}
