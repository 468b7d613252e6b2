#include "toolkit/rtl/DateUtils.h"

#include <gtest/gtest.h>

#include "toolkit/rtl/Exceptions.h"

namespace {

class Dates : public testing::Test {
protected:
  void SetUp() override {
    ResetFormatSettings();
    SetNowSource([] { return EncodeDateTime(2026, 3, 15, 14, 5, 9, 250); });
  }
  void TearDown() override {
    ResetFormatSettings();
    SetNowSource(nullptr);
  }
};

struct DateCase {
  int y, m, d;
  bool ok;
};

class EncodeDateTable : public testing::TestWithParam<DateCase> {};

}  // namespace

TEST_P(EncodeDateTable, AcceptsOnlyRealDates) {
  const DateCase& c = GetParam();
  TDateTime v = -12345;
  EXPECT_EQ(TryEncodeDate(c.y, c.m, c.d, v), c.ok) << c.y << "-" << c.m << "-" << c.d;
  if (c.ok) {
    uint16_t y, m, d;
    DecodeDate(v, y, m, d);
    EXPECT_EQ(y, c.y);
    EXPECT_EQ(m, c.m);
    EXPECT_EQ(d, c.d);
  } else {
    EXPECT_EQ(v, -12345);
    EXPECT_THROW(EncodeDate(c.y, c.m, c.d), EConvertError);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, EncodeDateTable,
                         testing::Values(DateCase{2024, 2, 29, true}, DateCase{2023, 2, 29, false},
                                         DateCase{1900, 2, 29, false}, DateCase{2000, 2, 29, true},
                                         DateCase{2024, 4, 31, false}, DateCase{2024, 13, 1, false},
                                         DateCase{2024, 0, 1, false}, DateCase{2024, 1, 0, false},
                                         DateCase{1, 1, 1, true}, DateCase{9999, 12, 31, true},
                                         DateCase{0, 1, 1, false}, DateCase{10000, 1, 1, false},
                                         DateCase{1899, 12, 29, true}, DateCase{1850, 6, 15, true}));

TEST(DateUtils, SerialNumbersMatchTheFramework) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_EQ(EncodeDate(1899, 12, 29), -1);
  EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(2100));
  EXPECT_EQ(DaysInAMonth(2024, 2), 29);
  EXPECT_EQ(DaysInAMonth(2024, 13), 0);
}

TEST(DateUtils, DecodeRoundsToTheMillisecondAndHandlesNegativeDates) {
  TDateTime v = EncodeDateTime(2024, 12, 31, 23, 59, 59, 999);
  uint16_t y, m, d, h, n, s, z;
  DecodeDateTime(v, y, m, d, h, n, s, z);
  EXPECT_EQ(std::vector<int>({y, m, d, h, n, s, z}), std::vector<int>({2024, 12, 31, 23, 59, 59, 999}));
  DecodeDateTime(-1.25, y, m, d, h, n, s, z);  // the day before the epoch, 06:00
  EXPECT_EQ(std::vector<int>({y, m, d, h, n}), std::vector<int>({1899, 12, 29, 6, 0}));
  DecodeDateTime(EncodeDate(2024, 1, 1) - 0.0000000001, y, m, d, h, n, s, z);
  EXPECT_EQ(std::vector<int>({y, m, d, h}), std::vector<int>({2024, 1, 1, 0}));
}

TEST(DateUtils, DayOfWeekStartsOnSunday) {
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);  // a Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 6, 2)), 1);    // a Sunday
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 6, 5) + 0.9), 4);
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 24)), 1);
}

struct IncMonthCase {
  int y, m, d, months;
  int ey, em, ed;
};

class IncMonthTable : public testing::TestWithParam<IncMonthCase> {};

TEST_P(IncMonthTable, ClampsTheDay) {
  const auto& c = GetParam();
  TDateTime r = IncMonth(EncodeDate(c.y, c.m, c.d) + 0.5, c.months);
  EXPECT_EQ(YearOf(r), c.ey);
  EXPECT_EQ(MonthOf(r), c.em);
  EXPECT_EQ(DayOf(r), c.ed);
  EXPECT_EQ(HourOf(r), 12);  // the time stays
}

INSTANTIATE_TEST_SUITE_P(Cases, IncMonthTable,
                         testing::Values(IncMonthCase{2024, 1, 31, 1, 2024, 2, 29},
                                         IncMonthCase{2023, 1, 31, 1, 2023, 2, 28},
                                         IncMonthCase{2024, 3, 31, -1, 2024, 2, 29},
                                         IncMonthCase{2024, 12, 15, 1, 2025, 1, 15},
                                         IncMonthCase{2024, 1, 15, -13, 2022, 12, 15},
                                         IncMonthCase{2024, 5, 31, 12, 2025, 5, 31}));

TEST_F(Dates, NowDateAndTimeFollowTheSource) {
  EXPECT_EQ(Date(), EncodeDate(2026, 3, 15));
  EXPECT_EQ(HourOf(Time()), 14);
  EXPECT_EQ(MilliSecondOf(Now()), 250);
  EXPECT_EQ(IncDay(Date(), 2), EncodeDate(2026, 3, 17));
}

TEST(DateUtils, RealNowIsPlausible) {
  SetNowSource(nullptr);
  EXPECT_GE(YearOf(Now()), 2024);
}

struct DateFormatCase {
  const char* picture;
  const char* text;
};

class FormatDateTimeTable : public testing::TestWithParam<DateFormatCase> {};

TEST_P(FormatDateTimeTable, Renders) {
  ResetFormatSettings();
  TDateTime v = EncodeDateTime(2024, 3, 5, 14, 7, 9, 45);  // a Tuesday
  EXPECT_EQ(FormatDateTime(GetParam().picture, v), GetParam().text) << GetParam().picture;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatDateTimeTable,
    testing::Values(DateFormatCase{"d/m/yy", "5/3/24"}, DateFormatCase{"dd/mm/yyyy", "05/03/2024"},
                    DateFormatCase{"ddd dddd", "Tue Tuesday"}, DateFormatCase{"mmm mmmm", "Mar March"},
                    DateFormatCase{"h:n:s", "14:7:9"}, DateFormatCase{"hh:nn:ss.zzz", "14:07:09.045"},
                    DateFormatCase{"z", "45"}, DateFormatCase{"hh:mm", "14:07"},  // m after h is minutes
                    DateFormatCase{"h am/pm", "2 pm"}, DateFormatCase{"hh AM/PM", "02 PM"},
                    DateFormatCase{"h a/p", "2 p"}, DateFormatCase{"h ampm", "2 PM"},
                    DateFormatCase{"'day' d \"of\" mmmm", "day 5 of March"}, DateFormatCase{"ddddd", "05/03/2024"},
                    DateFormatCase{"c", "05/03/2024 14:07:09"}, DateFormatCase{"t", "14:07"},
                    DateFormatCase{"tt", "14:07:09"}, DateFormatCase{"yyyy-mm-dd", "2024-03-05"}));

TEST_F(Dates, TextFormsFollowTheSettings) {
  TDateTime v = EncodeDate(2024, 3, 5);
  EXPECT_EQ(DateToStr(v), "05/03/2024");
  EXPECT_EQ(DateTimeToStr(v), "05/03/2024");  // no time at midnight
  EXPECT_EQ(TimeToStr(EncodeTime(0, 30, 0, 0)), "00:30:00");
  FormatSettings.DateSeparator = '.';
  FormatSettings.TimeSeparator = '-';
  EXPECT_EQ(DateToStr(v), "05.03.2024");
  EXPECT_EQ(FormatDateTime("hh:nn", 0.5), "12-00");
  EXPECT_EQ(FormatDateTime("h am/pm", 0), "12 am");
}

struct ParseCase {
  const char* shortFormat;
  const char* text;
  bool ok;
  int y, m, d;
};

class StrToDateTable : public testing::TestWithParam<ParseCase> {};

TEST_P(StrToDateTable, FollowsTheShortDateOrder) {
  ResetFormatSettings();
  SetNowSource([] { return EncodeDate(2026, 3, 15); });
  const auto& c = GetParam();
  FormatSettings.ShortDateFormat = c.shortFormat;
  TDateTime v = -1;
  EXPECT_EQ(TryStrToDate(c.text, v), c.ok) << c.text;
  if (c.ok) {
    EXPECT_EQ(v, EncodeDate(c.y, c.m, c.d)) << c.text;
  } else {
    EXPECT_THROW(StrToDate(c.text), EConvertError);
  }
  SetNowSource(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StrToDateTable,
    testing::Values(ParseCase{"dd/mm/yyyy", "05/03/2024", true, 2024, 3, 5},
                    ParseCase{"mm/dd/yyyy", "05/03/2024", true, 2024, 5, 3},
                    ParseCase{"yyyy/mm/dd", "2024/03/05", true, 2024, 3, 5},
                    ParseCase{"dd/mm/yyyy", " 5/3/2024 ", true, 2024, 3, 5},
                    ParseCase{"dd/mm/yyyy", "5/3", true, 2026, 3, 5},
                    ParseCase{"mm/dd/yyyy", "5/3", true, 2026, 5, 3},
                    ParseCase{"dd/mm/yy", "1/1/30", true, 2030, 1, 1},  // window of 50 years
                    ParseCase{"dd/mm/yy", "1/1/76", true, 1976, 1, 1},
                    ParseCase{"dd/mm/yy", "1/1/75", true, 2075, 1, 1},
                    ParseCase{"dd/mm/yyyy", "1/1/0030", true, 30, 1, 1},
                    ParseCase{"dd/mm/yyyy", "29/02/2023", false, 0, 0, 0},
                    ParseCase{"dd/mm/yyyy", "31/04/2024", false, 0, 0, 0},
                    ParseCase{"dd/mm/yyyy", "05-03-2024", false, 0, 0, 0},
                    ParseCase{"dd/mm/yyyy", "05/03/2024x", false, 0, 0, 0},
                    ParseCase{"dd/mm/yyyy", "", false, 0, 0, 0},
                    ParseCase{"dd/mm/yyyy", "5", false, 0, 0, 0}));

TEST_F(Dates, StrToTimeAndDateTime) {
  EXPECT_EQ(StrToTime("14:05"), EncodeTime(14, 5, 0, 0));
  EXPECT_EQ(StrToTime("2:05:07 PM"), EncodeTime(14, 5, 7, 0));
  EXPECT_EQ(StrToTime("12:00 am"), 0);
  EXPECT_EQ(StrToTime("1:02:03.5"), EncodeTime(1, 2, 3, 500));
  for (const char* bad : {"24:00", "13:00 PM", "12:60", "", "12:", "ab"}) {
    TDateTime v = 0;
    EXPECT_FALSE(TryStrToTime(bad, v)) << bad;
  }
  EXPECT_THROW(StrToTime("25:00"), EConvertError);
  EXPECT_EQ(StrToDateTime("05/03/2024 14:05:09"), EncodeDateTime(2024, 3, 5, 14, 5, 9, 0));
  EXPECT_EQ(StrToDateTime("05/03/2024"), EncodeDate(2024, 3, 5));
  EXPECT_EQ(StrToDateTime("14:05"), EncodeTime(14, 5, 0, 0));
  EXPECT_THROW(StrToDateTime("05/03/2024 junk"), EConvertError);
}

TEST_F(Dates, RoundTripsThroughText) {
  for (TDateTime v : {EncodeDateTime(2024, 2, 29, 23, 59, 59, 0), EncodeDateTime(1999, 12, 31, 0, 0, 1, 0),
                      EncodeDateTime(2000, 1, 1, 12, 0, 0, 0)}) {
    EXPECT_EQ(StrToDateTime(DateTimeToStr(v)), v) << DateTimeToStr(v);
  }
  FormatSettings.ShortDateFormat = "yyyy-mm-dd";
  FormatSettings.DateSeparator = '-';
  TDateTime v = EncodeDate(2031, 7, 4);
  EXPECT_EQ(DateToStr(v), "2031-07-04");
  EXPECT_EQ(StrToDate(DateToStr(v)), v);
}
