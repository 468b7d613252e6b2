// Integer reading, limits, character classes and number text.

#include "grid/foundation/ExtUtil.h"

#include <cstdint>

#include "grid/foundation/ExtUtilPrivate.h"

bool TryReadInt(std::string_view Text, int& Value) {
  size_t i = 0;
  while (i < Text.size() && Text[i] == ' ') ++i;
  bool negative = false;
  if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) negative = Text[i++] == '-';
  int base = 10;
  if (i < Text.size() && Text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < Text.size() && Text[i] == '0' && (Text[i + 1] == 'x' || Text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= Text.size()) return false;
  int64_t v = 0;
  for (; i < Text.size(); ++i) {
    char c = Text[i];
    int d = c >= '0' && c <= '9' ? c - '0'
          : base == 16 && c >= 'a' && c <= 'f' ? c - 'a' + 10
          : base == 16 && c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (d < 0) return false;
    v = v * base + d;
    if (v > (int64_t{1} << 32)) return false;
  }
  if (negative) v = -v;
  // Hexadecimal text may spell the bit pattern of a negative number.
  if (base == 16 && !negative && v <= UINT32_MAX) v = static_cast<int32_t>(static_cast<uint32_t>(v));
  if (v < INT32_MIN || v > INT32_MAX) return false;
  Value = static_cast<int>(v);
  return true;
}

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
  std::string_view t = TrimText(Text);
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
