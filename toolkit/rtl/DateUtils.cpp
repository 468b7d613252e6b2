#include "toolkit/rtl/DateUtils.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "toolkit/rtl/Exceptions.h"

namespace {

// Days from 1970-01-01 for a proleptic Gregorian date.
int64_t daysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  int64_t era = (y >= 0 ? y : y - 399) / 400;
  auto yoe = static_cast<unsigned>(y - era * 400);
  unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void civilFromDays(int64_t z, int& y, int& m, int& d) {
  z += 719468;
  int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  auto doe = static_cast<unsigned>(z - era * 146097);
  unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (m <= 2));
}

const int64_t kEpochDays = daysFromCivil(1899, 12, 30);

// A TDateTime split into whole days (trunc) and milliseconds of the day,
// rounded; the time of a negative value counts forward, as the framework's does.
struct Split {
  int64_t Days;
  int64_t Ms;
};

Split split(TDateTime dt) {
  double a = std::fabs(dt);
  auto total = static_cast<int64_t>(std::llround(a * MSecsPerDay));
  int64_t days = total / 86400000, ms = total % 86400000;
  // Negative values keep their date in the integer part and the time in the
  // fraction's magnitude; a carry from rounding moves the date away from zero.
  return {dt < 0 ? -days : days, ms};
}

std::function<TDateTime()>& nowSource() {
  static std::function<TDateTime()> source;
  return source;
}

TDateTime realNow() {
  auto now = std::chrono::system_clock::now();
  std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm tm{};
  localtime_r(&t, &tm);
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  return EncodeDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday) +
         EncodeTime(tm.tm_hour, tm.tm_min, std::min(tm.tm_sec, 59), static_cast<int>(ms));
}

}  // namespace

bool IsLeapYear(int Year) { return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0); }

int DaysInAMonth(int Year, int Month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (Month < 1 || Month > 12) return 0;
  return Month == 2 && IsLeapYear(Year) ? 29 : kDays[Month - 1];
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date) {
  if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInAMonth(Year, Month))
    return false;
  Date = static_cast<double>(daysFromCivil(Year, static_cast<unsigned>(Month), static_cast<unsigned>(Day)) - kEpochDays);
  return true;
}

TDateTime EncodeDate(int Year, int Month, int Day) {
  TDateTime d = 0;
  if (!TryEncodeDate(Year, Month, Day, d)) throw EConvertError("Invalid argument to date encode");
  return d;
}

bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time) {
  if (Hour < 0 || Hour > 23 || Min < 0 || Min > 59 || Sec < 0 || Sec > 59 || MSec < 0 || MSec > 999) return false;
  Time = (((Hour * 60.0 + Min) * 60.0 + Sec) * 1000.0 + MSec) / MSecsPerDay;
  return true;
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec) {
  TDateTime t = 0;
  if (!TryEncodeTime(Hour, Min, Sec, MSec, t)) throw EConvertError("Invalid argument to time encode");
  return t;
}

TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec) {
  TDateTime d = EncodeDate(Year, Month, Day);
  TDateTime t = EncodeTime(Hour, Min, Sec, MSec);
  return d < 0 ? d - t : d + t;
}

void DecodeDate(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day) {
  int y = 0, m = 0, d = 0;
  civilFromDays(split(Date).Days + kEpochDays, y, m, d);
  Year = static_cast<uint16_t>(y);
  Month = static_cast<uint16_t>(m);
  Day = static_cast<uint16_t>(d);
}

void DecodeTime(TDateTime Time, uint16_t& Hour, uint16_t& Min, uint16_t& Sec, uint16_t& MSec) {
  int64_t ms = split(Time).Ms;
  Hour = static_cast<uint16_t>(ms / 3600000);
  Min = static_cast<uint16_t>(ms / 60000 % 60);
  Sec = static_cast<uint16_t>(ms / 1000 % 60);
  MSec = static_cast<uint16_t>(ms % 1000);
}

void DecodeDateTime(TDateTime DateTime, uint16_t& Year, uint16_t& Month, uint16_t& Day, uint16_t& Hour,
                    uint16_t& Min, uint16_t& Sec, uint16_t& MSec) {
  DecodeDate(DateTime, Year, Month, Day);
  DecodeTime(DateTime, Hour, Min, Sec, MSec);
}

namespace {
struct Parts {
  uint16_t y, m, d, h, n, s, z;
};
Parts parts(TDateTime D) {
  Parts p{};
  DecodeDateTime(D, p.y, p.m, p.d, p.h, p.n, p.s, p.z);
  return p;
}
}  // namespace

int YearOf(TDateTime D) { return parts(D).y; }
int MonthOf(TDateTime D) { return parts(D).m; }
int DayOf(TDateTime D) { return parts(D).d; }
int HourOf(TDateTime D) { return parts(D).h; }
int MinuteOf(TDateTime D) { return parts(D).n; }
int SecondOf(TDateTime D) { return parts(D).s; }
int MilliSecondOf(TDateTime D) { return parts(D).z; }
TDateTime DateOf(TDateTime D) { return static_cast<double>(split(D).Days); }
TDateTime TimeOf(TDateTime D) { return static_cast<double>(split(D).Ms) / MSecsPerDay; }

int DayOfWeek(TDateTime D) {
  int64_t days = split(D).Days;  // day 0 was a Saturday
  return static_cast<int>(((days % 7 + 7) % 7 + 6) % 7) + 1;
}

TDateTime Now() { return nowSource() ? nowSource()() : realNow(); }
TDateTime Date() { return DateOf(Now()); }
TDateTime Time() { return TimeOf(Now()); }
void SetNowSource(std::function<TDateTime()> Source) { nowSource() = std::move(Source); }

namespace {
TDateTime withDate(TDateTime original, int y, int m, int d) {
  TDateTime date = EncodeDate(y, m, d);
  TDateTime t = TimeOf(original);
  return date < 0 ? date - t : date + t;
}
}  // namespace

TDateTime IncMonth(TDateTime D, int NumberOfMonths) {
  Parts p = parts(D);
  int64_t months = static_cast<int64_t>(p.y) * 12 + (p.m - 1) + NumberOfMonths;
  int y = static_cast<int>(months / 12), m = static_cast<int>(months % 12) + 1;
  if (months < 0) throw EConvertError("Invalid argument to date encode");
  return withDate(D, y, m, std::min<int>(p.d, DaysInAMonth(y, m)));
}

TDateTime IncYear(TDateTime D, int NumberOfYears) { return IncMonth(D, NumberOfYears * 12); }
TDateTime IncDay(TDateTime D, int NumberOfDays) { return D + NumberOfDays; }
TDateTime IncHour(TDateTime D, int64_t N) { return D + static_cast<double>(N) / HoursPerDay; }
TDateTime IncMinute(TDateTime D, int64_t N) { return D + static_cast<double>(N) / MinsPerDay; }
TDateTime IncSecond(TDateTime D, int64_t N) { return D + static_cast<double>(N) / SecsPerDay; }
