#pragma once
// Dates and times as the framework keeps them: a TDateTime is the number of
// days since 1899-12-30, the fraction being the time of day. Text forms follow
// FormatSettings (SysUtils.h).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "toolkit/rtl/SysUtils.h"

using TDateTime = double;

constexpr double HoursPerDay = 24;
constexpr double MinsPerDay = 24 * 60;
constexpr double SecsPerDay = 24 * 60 * 60;
constexpr double MSecsPerDay = 24 * 60 * 60 * 1000.0;

bool IsLeapYear(int Year);
int DaysInAMonth(int Year, int Month);  // 0 for a month out of 1..12

// Years 1..9999. EncodeDate/EncodeTime raise EConvertError on impossible values.
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date);
TDateTime EncodeDate(int Year, int Month, int Day);
bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time);
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);
TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec);

// Times are rounded to the millisecond; 23:59:59.9996 is the next day.
void DecodeDate(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day);
void DecodeTime(TDateTime Time, uint16_t& Hour, uint16_t& Min, uint16_t& Sec, uint16_t& MSec);
void DecodeDateTime(TDateTime DateTime, uint16_t& Year, uint16_t& Month, uint16_t& Day, uint16_t& Hour,
                    uint16_t& Min, uint16_t& Sec, uint16_t& MSec);
int YearOf(TDateTime D);
int MonthOf(TDateTime D);
int DayOf(TDateTime D);
int HourOf(TDateTime D);
int MinuteOf(TDateTime D);
int SecondOf(TDateTime D);
int MilliSecondOf(TDateTime D);
TDateTime DateOf(TDateTime D);  // midnight of the day
TDateTime TimeOf(TDateTime D);  // the time of day alone
int DayOfWeek(TDateTime D);     // 1 = Sunday .. 7 = Saturday

// The local date and time. Tests may install a source of their own
// (nullptr restores the real clock).
TDateTime Now();
TDateTime Date();
TDateTime Time();
void SetNowSource(std::function<TDateTime()> Source);

// Adds months keeping the day where the month has it, else its last day.
TDateTime IncMonth(TDateTime D, int NumberOfMonths = 1);
TDateTime IncYear(TDateTime D, int NumberOfYears = 1);
TDateTime IncDay(TDateTime D, int NumberOfDays = 1);
TDateTime IncHour(TDateTime D, int64_t NumberOfHours = 1);
TDateTime IncMinute(TDateTime D, int64_t NumberOfMinutes = 1);
TDateTime IncSecond(TDateTime D, int64_t NumberOfSeconds = 1);

// Format elements: c d dd ddd dddd ddddd dddddd m mm mmm mmmm (minutes after
// an hour) yy yyyy h hh n nn s ss z zzz t tt am/pm a/p ampm / : and text in
// quotes; any other character stands for itself.
std::string FormatDateTime(std::string_view Format, TDateTime D, const TFormatSettings& FS = FormatSettings);
std::string DateToStr(TDateTime D, const TFormatSettings& FS = FormatSettings);      // ShortDateFormat
std::string TimeToStr(TDateTime D, const TFormatSettings& FS = FormatSettings);      // LongTimeFormat
std::string DateTimeToStr(TDateTime D, const TFormatSettings& FS = FormatSettings);  // no time at midnight

// Dates are numbers separated by DateSeparator in the order of
// ShortDateFormat; a missing year is this year, a two-digit year falls in the
// window of TwoDigitYearCenturyWindow. Times are h[:n[:s[.z]]] with an
// optional AM/PM suffix. The plain forms raise EConvertError.
// A year typed with one or two digits, placed in the sliding window that
// starts TwoDigitYearCenturyWindow years before this year.
int ExpandTwoDigitYear(int Year, const TFormatSettings& FS = FormatSettings);
bool TryStrToDate(std::string_view S, TDateTime& Value, const TFormatSettings& FS = FormatSettings);
bool TryStrToTime(std::string_view S, TDateTime& Value, const TFormatSettings& FS = FormatSettings);
bool TryStrToDateTime(std::string_view S, TDateTime& Value, const TFormatSettings& FS = FormatSettings);
TDateTime StrToDate(std::string_view S, const TFormatSettings& FS = FormatSettings);
TDateTime StrToTime(std::string_view S, const TFormatSettings& FS = FormatSettings);
TDateTime StrToDateTime(std::string_view S, const TFormatSettings& FS = FormatSettings);
TDateTime StrToDateDef(std::string_view S, TDateTime Default, const TFormatSettings& FS = FormatSettings);
TDateTime StrToDateTimeDef(std::string_view S, TDateTime Default, const TFormatSettings& FS = FormatSettings);
