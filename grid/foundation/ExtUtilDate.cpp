// Short dates and date steps of auto-filled series.

#include "grid/foundation/ExtUtil.h"

#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

int CountDigits(std::string_view s) {
  int n = 0;
  for (char c : s) n += IsNumberChar(c);
  return n;
}

// Reads the three fields of a short date in the order the caller gives.
double ShortDateToDate(std::string_view Text, bool MonthFirst) {
  char sep = Text.find('/') != std::string_view::npos   ? '/'
             : Text.find('.') != std::string_view::npos ? '.'
             : Text.find('-') != std::string_view::npos ? '-' : '\0';
  if (!sep) return 0;
  size_t p1 = Text.find(sep);
  size_t p2 = Text.find(sep, p1 + 1);
  std::string_view f1 = Text.substr(0, p1);
  std::string_view f2 = p2 == std::string_view::npos ? Text.substr(p1 + 1) : Text.substr(p1 + 1, p2 - p1 - 1);
  std::string_view f3 = p2 == std::string_view::npos ? std::string_view() : Text.substr(p2 + 1);
  int a = 0, b = 0, year = 0;
  if (!TryStrToInt(f1, a) || !TryStrToInt(f2, b) || !TryStrToInt(f3, year)) return 0;
  // A short year falls in the locale's sliding century window.
  int digits = CountDigits(f3);
  if (digits >= 1 && digits <= 2) year = ExpandTwoDigitYear(year);
  double date = 0;
  if (!TryEncodeDate(year, MonthFirst ? a : b, MonthFirst ? b : a, date)) return 0;
  return date;
}

}  // namespace

double ShortDateUSToDate(std::string_view Text) { return ShortDateToDate(Text, true); }
double ShortDateEUToDate(std::string_view Text) { return ShortDateToDate(Text, false); }

bool HasTwoDateSeparators(std::string_view Text) {
  const char sep = LocaleDateSeparator();
  size_t first = Text.find(sep);
  if (first == std::string_view::npos || first == 0) return false;
  size_t second = Text.find(sep, first + 1);
  return second != std::string_view::npos && second >= first + 2;
}

double AddDateStep(uint16_t Years, uint16_t Months, uint16_t Days, double Date, double Delta) {
  const bool onlyDays = Days && !Years && !Months;
  const bool onlyYears = Years && !Months && !Days;
  const bool onlyMonths = Months && !Years && !Days;
  if (onlyDays) return Date + Days;
  if (!onlyYears && !onlyMonths) return Date + Delta;
  // The day is clamped (31 January plus a month is the last day of
  // February); a date beyond the calendar gives 0.
  try {
    return onlyYears ? IncYear(Date, Years) : IncMonth(Date, Months);
  } catch (const EConvertError&) {
    return 0;
  }
}
