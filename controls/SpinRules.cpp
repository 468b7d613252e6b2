#include "controls/SpinRules.h"

#include <algorithm>

#include "controls/EsgSpin.h"
#include "toolkit/rtl/DateUtils.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int count(std::string_view s, char c) { return static_cast<int>(std::count(s.begin(), s.end(), c)); }

// 1-based positions of the first separator and of the next one after it (0: none).
void separators(std::string_view Text, char Sep, int& P1, int& P2) {
  size_t a = Text.find(Sep);
  P1 = a == std::string_view::npos ? 0 : static_cast<int>(a) + 1;
  size_t b = Text.find(Sep, a == std::string_view::npos ? 0 : a + 1);
  P2 = b == std::string_view::npos ? 0 : static_cast<int>(b) + 1;
}

bool selectionHas(const TSpinCharContext& x, char c) {
  if (x.SelLength <= 0 || x.SelStart < 0 || static_cast<size_t>(x.SelStart) >= x.Text.size()) return false;
  return x.Text.substr(x.SelStart, x.SelLength).find(c) != std::string_view::npos;
}

bool isNumberKind(TEsgSpinType k) { return k == sptNormal || k == sptFloat; }

// A separator of another kind: kept only where it doubles as a number character.
bool foreignSeparatorAllowed(char Sep, TEsgSpinType Kind, const TFormatSettings& FS) {
  bool numberChar = Sep == FS.DecimalSeparator || Sep == FS.ThousandSeparator || Sep == '-' || Sep == '+';
  return numberChar && isNumberKind(Kind);
}

bool minusAllowed(const TSpinCharContext& x, const TFormatSettings& FS) {
  if (!isNumberKind(x.Kind)) {
    // In dates and times a minus is only ever that kind's own separator.
    char own = x.Kind == sptDate ? FS.DateSeparator : FS.TimeSeparator;
    return own == '-';
  }
  if (x.SelStart != 0) return false;
  return x.Text.find('-') == std::string_view::npos || selectionHas(x, '-');
}

bool floatAllowed(const TSpinCharContext& x, char Key, const TFormatSettings& FS) {
  if (Key == 27 || Key == 13 || Key == 8) return true;
  if (Key == FS.ThousandSeparator) return false;
  size_t dot = x.Text.find(FS.DecimalSeparator);
  if (Key == FS.DecimalSeparator && dot != std::string_view::npos && !selectionHas(x, FS.DecimalSeparator))
    return false;
  // Control characters (the clipboard keys) are no digits: the precision never blocks them.
  if (x.Precision > 0 && dot != std::string_view::npos && static_cast<unsigned char>(Key) >= 32) {
    int pos = static_cast<int>(dot) + 1;
    if (x.SelStart >= pos && x.SelLength == 0 && static_cast<int>(x.Text.size()) >= pos + x.Precision) return false;
  }
  return true;
}

}  // namespace

std::string SpinFloatText(double Value, int Precision) {
  if (Precision != 0) return FloatToStrF(Value, ffFixed, 15, Precision);
  return FloatToStrF(Value, ffGeneral, 15, 0);
}

bool MonthBeforeDay(std::string_view ShortDateFormat) {
  std::string f = UpperCase(ShortDateFormat);
  size_t m = f.find('M'), d = f.find('D');
  int mp = m == std::string::npos ? 0 : static_cast<int>(m) + 1;
  int dp = d == std::string::npos ? 0 : static_cast<int>(d) + 1;
  return mp < dp;
}

TDateField DateFieldAt(std::string_view Text, int Caret, char DateSeparator, bool MonthFirst) {
  int p1 = 0, p2 = 0;
  separators(Text, DateSeparator, p1, p2);
  if (Caret < p1) return MonthFirst ? TDateField::Month : TDateField::Day;
  if (Caret < p2) return MonthFirst ? TDateField::Day : TDateField::Month;
  return TDateField::Year;
}

TTimeField TimeFieldAt(std::string_view Text, int Caret, char TimeSeparator, bool ShowSeconds) {
  int p1 = 0, p2 = 0;
  separators(Text, TimeSeparator, p1, p2);
  if (Caret < p1) return TTimeField::Hours;
  if (ShowSeconds && Caret >= p2) return TTimeField::Seconds;
  return TTimeField::Minutes;
}

bool StepDate(double Date, TDateField Field, int Sign, double& Result) {
  switch (Field) {
    case TDateField::Day: Result = Date + Sign; return true;
    case TDateField::Month: Result = IncMonth(Date, Sign); return true;
    case TDateField::Year: {
      uint16_t y = 0, m = 0, d = 0;
      DecodeDate(Date, y, m, d);
      double r = 0;
      if (!TryEncodeDate(y + Sign, m, d, r)) return false;
      Result = r;
      return true;
    }
  }
  return false;
}

bool StepTime(double Time, TTimeField Field, int Sign, const TTimeIncrements& Inc, double& Result) {
  double amount = 0;
  bool ok = false;
  switch (Field) {
    case TTimeField::Hours: ok = TryEncodeTime(Inc.Hours, 0, 0, 0, amount); break;
    case TTimeField::Minutes: ok = TryEncodeTime(0, Inc.Minutes, 0, 0, amount); break;
    case TTimeField::Seconds: ok = TryEncodeTime(0, 0, Inc.Seconds, 0, amount); break;
  }
  if (!ok) return false;
  if (Sign > 0) {
    Result = Time + amount;
  } else {
    double v = Time + 1 - amount;
    Result = v > 1 ? v - 1 : v;
  }
  return true;
}

bool SpinCharAllowed(const TSpinCharContext& x, char Key, const TFormatSettings& FS) {
  if (Key == 8) return x.EditorEnabled;
  bool ok = Key == FS.DecimalSeparator || Key == FS.ThousandSeparator || Key == FS.TimeSeparator ||
            Key == FS.DateSeparator || isDigit(Key) || Key == '-';
  if (!ok) ok = static_cast<unsigned char>(Key) < 32 && Key != 13;
  // A key that is this kind's own separator is never taken for the other kind's.
  bool ownSeparator = (x.Kind == sptDate && Key == FS.DateSeparator) || (x.Kind == sptTime && Key == FS.TimeSeparator);
  if (!ownSeparator && Key == FS.TimeSeparator && x.Kind != sptTime)
    ok = ok && foreignSeparatorAllowed(FS.TimeSeparator, x.Kind, FS);
  if (!ownSeparator && Key == FS.DateSeparator && x.Kind != sptDate)
    ok = ok && foreignSeparatorAllowed(FS.DateSeparator, x.Kind, FS);
  if (ok && Key == '-' && !ownSeparator) ok = minusAllowed(x, FS);
  if (ok && x.Kind == sptNormal) ok = isDigit(Key) || Key == '-';
  if (ok && x.Kind == sptFloat) ok = floatAllowed(x, Key, FS);
  if (ok && x.Kind == sptTime && Key == FS.TimeSeparator) ok = count(x.Text, FS.TimeSeparator) < 2;
  if (ok && !x.EditorEnabled && static_cast<unsigned char>(Key) >= 32) ok = false;
  return ok;
}
