#include "grid/foundation/ExtUtilDateCalc.h"

#include <cmath>

namespace {

// Days from 1 January of year 1 (proleptic Gregorian) to 30 December 1899.
constexpr long kEpochOffset = 693594;

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

long DaysBeforeYear(int y) {
  long p = y - 1;
  return p * 365 + p / 4 - p / 100 + p / 400;
}

}  // namespace

int GridDaysInMonth(int Year, int Month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (Month < 1 || Month > 12) return 0;
  return days[Month - 1] + (Month == 2 && IsLeapYear(Year));
}

bool GridTryEncodeDate(int Year, int Month, int Day, double& Date) {
  if (Year < 1 || Year > 9999 || Day < 1 || Day > GridDaysInMonth(Year, Month)) return false;
  long days = DaysBeforeYear(Year);
  for (int m = 1; m < Month; ++m) days += GridDaysInMonth(Year, m);
  days += Day;
  Date = static_cast<double>(days - kEpochOffset);
  return true;
}

void GridDecodeDate(double Date, int& Year, int& Month, int& Day) {
  long days = static_cast<long>(std::trunc(Date)) + kEpochOffset;  // 1 = 1 January of year 1
  if (days < 1) days = 1;
  int y = static_cast<int>(days / 366) + 1;
  while (DaysBeforeYear(y + 1) < days) ++y;
  long rest = days - DaysBeforeYear(y);
  int m = 1;
  while (rest > GridDaysInMonth(y, m)) rest -= GridDaysInMonth(y, m++);
  Year = y;
  Month = m;
  Day = static_cast<int>(rest);
}
