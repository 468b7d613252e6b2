#include "grid/foundation/ExtUtil.h"

#include <gtest/gtest.h>

#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

double Date(int y, int m, int d) {
  double v = 0;
  EXPECT_TRUE(TryEncodeDate(y, m, d, v));
  return v;
}

TEST(GridNumbers, LimitsAndRanges) {
  EXPECT_EQ(MaxOf(-3, 2), 2);
  EXPECT_EQ(MinOf(-3, 2), -3);
  EXPECT_EQ(ApplySizeLimits(50, 100, 100), 50);
  EXPECT_EQ(ApplySizeLimits(50, 0, 40), 40);
  EXPECT_EQ(ApplySizeLimits(5, 10, 0), 10);
  EXPECT_EQ(ApplySizeLimits(5, -10, -2), 5);  // limits of 0 or less are none
  TRect r{1, 2, 3, 4};
  EXPECT_TRUE(CellInGridRect(r, 1, 2));
  EXPECT_TRUE(CellInGridRect(r, 3, 4));  // edges included
  EXPECT_FALSE(CellInGridRect(r, 0, 2));
  EXPECT_FALSE(CellInGridRect(r, 2, 5));
}

TEST(GridNumbers, CharacterClasses) {
  EXPECT_TRUE(IsNumberChar('7'));
  EXPECT_FALSE(IsNumberChar('a'));
  EXPECT_TRUE(IsNumberOrMinusChar('-'));
  EXPECT_TRUE(IsFloatChar(','));
  EXPECT_TRUE(IsFloatChar('E'));
  EXPECT_FALSE(IsFloatChar('+'));
  EXPECT_TRUE(IsNumericTextChar('+'));
  EXPECT_FALSE(IsNumericTextChar(','));
  EXPECT_TRUE(IsSignedFloatChar('-'));
}

struct TKindCase {
  const char* Text;
  int Kind;
};

// The settings every other test of this file expects: "." and ",".
struct TResetLocale : ::testing::Test {
  void SetUp() override { ResetFormatSettings(); }
  void TearDown() override { ResetFormatSettings(); }
};
using GridNumberText = TResetLocale;

TEST_F(GridNumberText, KindTable) {
  const TKindCase cases[] = {
      {"", 2},       {"1234", 0},   {"-12", 0},    {"-", 0},          {"1,234.5", 1}, {"1,23,456", 2},
      {"1.5e-3", 5}, {"1e", 2},     {"1.2.3", 2},  {"12a", 2},        {"1,234,567", 1}, {"12-3", 2},
      {"-1.5e-3", 5}, {"1e5", 5},   {"e5", 2},     {"1.5e+", 2},      {"0.5", 1},     {"1e5e3", 2},
  };
  for (const auto& c : cases) EXPECT_EQ(GetNumberTextKind(c.Text), c.Kind) << c.Text;
}

struct TNormalizeCase {
  const char* Text;
  const char* Result;
};

TEST_F(GridNumberText, NormalizeTable) {
  const TNormalizeCase cases[] = {
      {"(1,234.50)", "-1234.50"}, {"USD -12", "-12"}, {"12 kg", "12"}, {"EUR 5", "E"},
      {"", ""},                   {"  3.5  ", "3.5"}, {"$", ""},      {"1e3x", "1e3"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizeFloatText(c.Text), c.Result) << c.Text;
}

TEST_F(GridNumberText, FollowsTheLocale) {
  FormatSettings.DecimalSeparator = ',';
  FormatSettings.ThousandSeparator = '.';
  EXPECT_EQ(GetNumberTextKind("1.234,5"), 1);
  EXPECT_EQ(GetNumberTextKind("1,2,3"), 2);  // two decimal separators
  EXPECT_EQ(NormalizeFloatText("(1.234,50)"), "-1234.50");
  EXPECT_TRUE(IsFloatChar(','));
}

using GridDates = TResetLocale;

TEST_F(GridDates, ShortDateReaders) {
  EXPECT_EQ(ShortDateUSToDate("12/31/99"), Date(1999, 12, 31));
  EXPECT_EQ(ShortDateUSToDate("1-2-05"), Date(2005, 1, 2));
  EXPECT_EQ(ShortDateUSToDate("1/2/2010"), Date(2010, 1, 2));  // a full year gets no century
  EXPECT_EQ(ShortDateEUToDate("31.12.99"), Date(1999, 12, 31));
  EXPECT_EQ(ShortDateEUToDate("2/1/2010"), Date(2010, 1, 2));
  EXPECT_EQ(ShortDateUSToDate("2/30/2010"), 0);  // impossible date
  EXPECT_EQ(ShortDateUSToDate("a/2/2010"), 0);
  EXPECT_EQ(ShortDateUSToDate("12 31 99"), 0);
  EXPECT_EQ(ShortDateUSToDate("1/2/3/4"), 0);
  EXPECT_EQ(ShortDateUSToDate("1/2"), 0);
}

// A two-digit year lies in the window that starts 50 years before this year.
TEST_F(GridDates, ShortYearsSlideWithTheCurrentYear) {
  const int now = YearOf(Now());
  const int soon = now + 10, long_ago = now - 60;
  EXPECT_EQ(ShortDateUSToDate("1/2/" + std::to_string(soon % 100)), Date(soon, 1, 2));
  EXPECT_EQ(ShortDateEUToDate("2/1/" + std::to_string(long_ago % 100)), Date(long_ago + 100, 1, 2));
  EXPECT_EQ(ShortDateUSToDate("1/2/" + std::to_string((now - 49) % 100)), Date(now - 49, 1, 2));
}

TEST_F(GridDates, HasTwoDateSeparators) {
  EXPECT_TRUE(HasTwoDateSeparators("1/2/3"));
  EXPECT_FALSE(HasTwoDateSeparators("1//3"));
  EXPECT_FALSE(HasTwoDateSeparators("/1/2"));
  EXPECT_FALSE(HasTwoDateSeparators("1/2"));
  FormatSettings.DateSeparator = '.';
  EXPECT_TRUE(HasTwoDateSeparators("1.2.3"));
  EXPECT_FALSE(HasTwoDateSeparators("1/2/3"));
}

TEST_F(GridDates, AddDateStep) {
  const double jan31 = Date(2010, 1, 31);
  EXPECT_EQ(AddDateStep(0, 0, 3, jan31, 99), jan31 + 3);
  EXPECT_EQ(AddDateStep(0, 1, 0, jan31, 99), Date(2010, 2, 28));  // the day is clamped
  EXPECT_EQ(AddDateStep(0, 11, 0, jan31, 99), Date(2010, 12, 31));
  EXPECT_EQ(AddDateStep(0, 12, 0, jan31, 99), Date(2011, 1, 31));
  EXPECT_EQ(AddDateStep(0, 25, 0, jan31, 99), Date(2012, 2, 29));
  EXPECT_EQ(AddDateStep(1, 0, 0, Date(2012, 2, 29), 99), Date(2013, 2, 28));
  EXPECT_EQ(AddDateStep(1, 1, 0, jan31, 2.5), jan31 + 2.5);  // mixed steps use Delta
  EXPECT_EQ(AddDateStep(0, 0, 0, jan31, 7), jan31 + 7);
  EXPECT_EQ(AddDateStep(9000, 0, 0, jan31, 7), 0);  // beyond the calendar
  EXPECT_DOUBLE_EQ(AddDateStep(0, 1, 0, jan31 + 0.25, 0), Date(2010, 2, 28) + 0.25);
}

}  // namespace
