#include "controls/SpinRules.h"

#include <gtest/gtest.h>

#include "controls/EsgSpin.h"
#include "toolkit/rtl/DateUtils.h"

namespace {

// The two orders of day and month the stepping and filtering rules meet.
struct Locale {
  const char* Name;
  const char* ShortDateFormat;
  char DateSeparator;
};
const Locale kDayFirst{"day-first", "dd/mm/yyyy", '/'};
const Locale kMonthFirst{"month-first", "mm/dd/yyyy", '/'};

class SpinRulesTest : public ::testing::Test {
protected:
  void SetUp() override { ResetFormatSettings(); }
  void TearDown() override { ResetFormatSettings(); }
  void Use(const Locale& L) {
    FormatSettings.ShortDateFormat = L.ShortDateFormat;
    FormatSettings.DateSeparator = L.DateSeparator;
  }
};

TEST_F(SpinRulesTest, EqualBoundsClampNothing) {
  EXPECT_EQ(ClampSpinValue(150, 0, 100), 100);
  EXPECT_EQ(ClampSpinValue(-5, 0, 100), 0);
  EXPECT_EQ(ClampSpinValue(150, 0, 0), 150);
  EXPECT_EQ(ClampSpinValue(2.5, 3.0, 3.0), 2.5);
}

// Number text rounds half away from zero on the decimal digits; pixels go through Round (ties to even).
TEST_F(SpinRulesTest, FloatTextRoundsHalfAwayFromZero) {
  struct Case {
    double Value;
    int Precision;
    const char* Text;
  } cases[] = {{0.125, 2, "0.13"}, {2.675, 2, "2.68"}, {1.0 / 3, 2, "0.33"}, {2.5, 2, "2.50"},
               {-0.125, 2, "-0.13"}, {1.0 / 3, 0, "0.333333333333333"}, {2.5, 0, "2.5"}, {100, 0, "100"}};
  for (const Case& c : cases) EXPECT_EQ(SpinFloatText(c.Value, c.Precision), c.Text) << c.Value;
  FormatSettings.DecimalSeparator = ',';
  EXPECT_EQ(SpinFloatText(2.5, 2), "2,50");
}

TEST_F(SpinRulesTest, DateStepFollowsTheCaretInBothOrders) {
  struct Case {
    const Locale* L;
    const char* Text;  // 10 March 2025 in the locale's order
    int Caret;
    TDateField Field;
  } cases[] = {
      {&kDayFirst, "10/03/2025", 0, TDateField::Day},    {&kDayFirst, "10/03/2025", 3, TDateField::Month},
      {&kDayFirst, "10/03/2025", 6, TDateField::Year},   {&kDayFirst, "10/03/2025", 10, TDateField::Year},
      {&kMonthFirst, "03/10/2025", 0, TDateField::Month}, {&kMonthFirst, "03/10/2025", 4, TDateField::Day},
      {&kMonthFirst, "03/10/2025", 7, TDateField::Year},
  };
  for (const Case& c : cases) {
    Use(*c.L);
    bool monthFirst = MonthBeforeDay(FormatSettings.ShortDateFormat);
    EXPECT_EQ(monthFirst, c.L == &kMonthFirst);
    EXPECT_EQ(DateFieldAt(c.Text, c.Caret, '/', monthFirst), c.Field) << c.L->Name << " caret " << c.Caret;
  }
}

TEST_F(SpinRulesTest, DateStepsDaysMonthsAndYears) {
  struct Case {
    TDateTime From;
    TDateField Field;
    int Sign;
    TDateTime To;
  } cases[] = {
      {EncodeDate(2025, 1, 31), TDateField::Month, 1, EncodeDate(2025, 2, 28)},
      {EncodeDate(2024, 1, 31), TDateField::Month, 1, EncodeDate(2024, 2, 29)},
      {EncodeDate(2025, 3, 1), TDateField::Day, -1, EncodeDate(2025, 2, 28)},
      {EncodeDate(2025, 12, 31), TDateField::Day, 1, EncodeDate(2026, 1, 1)},
      {EncodeDate(2025, 3, 10), TDateField::Year, -1, EncodeDate(2024, 3, 10)},
      {EncodeDate(2025, 1, 15), TDateField::Month, -1, EncodeDate(2024, 12, 15)},
  };
  for (const Case& c : cases) {
    double r = 0;
    ASSERT_TRUE(StepDate(c.From, c.Field, c.Sign, r));
    EXPECT_EQ(r, c.To);
  }
  // 29 February has no next year: the value stays.
  double r = -1;
  EXPECT_FALSE(StepDate(EncodeDate(2024, 2, 29), TDateField::Year, 1, r));
  EXPECT_EQ(r, -1);
}

TEST_F(SpinRulesTest, TimeStepsWrapAcrossMidnight) {
  EXPECT_EQ(TimeFieldAt("00:10", 0, ':', false), TTimeField::Hours);
  EXPECT_EQ(TimeFieldAt("00:10", 3, ':', false), TTimeField::Minutes);
  EXPECT_EQ(TimeFieldAt("00:10:05", 6, ':', true), TTimeField::Seconds);
  EXPECT_EQ(TimeFieldAt("00:10:05", 5, ':', true), TTimeField::Minutes);
  double r = 0;
  ASSERT_TRUE(StepTime(EncodeTime(0, 10, 0, 0), TTimeField::Hours, -1, {}, r));
  EXPECT_EQ(FormatDateTime("hh:nn", r), "23:10");
  ASSERT_TRUE(StepTime(EncodeTime(23, 30, 0, 0), TTimeField::Hours, 1, {}, r));
  EXPECT_EQ(FormatDateTime("hh:nn", r), "00:30");
  ASSERT_TRUE(StepTime(EncodeTime(10, 59, 0, 0), TTimeField::Minutes, 1, {1, 5, 1}, r));
  EXPECT_EQ(FormatDateTime("hh:nn", r), "11:04");
  // 24 hours or 60 minutes are no time of day: nothing changes.
  r = -1;
  EXPECT_FALSE(StepTime(0.5, TTimeField::Hours, 1, {24, 1, 1}, r));
  EXPECT_FALSE(StepTime(0.5, TTimeField::Minutes, -1, {1, 60, 1}, r));
  EXPECT_EQ(r, -1);
}

// Each kind's filter, as a table of (text, caret, selection, key) → accepted, under both date orders.
TEST_F(SpinRulesTest, CharacterFilterPerKind) {
  struct Case {
    TEsgSpinType Kind;
    const char* Text;
    int SelStart;
    int SelLength;
    char Key;
    bool Accepted;
    int Precision = 0;
  } cases[] = {
      // integer: digits and one leading minus; separators, letters and control characters refused
      {sptNormal, "", 0, 0, '5', true},
      {sptNormal, "", 0, 0, '-', true},
      {sptNormal, "12", 2, 0, '-', false},
      {sptNormal, "-12", 0, 0, '-', false},
      {sptNormal, "-12", 0, 1, '-', true},
      {sptNormal, "12", 2, 0, 'a', false},
      {sptNormal, "12", 2, 0, '.', false},
      {sptNormal, "12", 2, 0, '/', false},
      {sptNormal, "12", 2, 0, ':', false},
      {sptNormal, "12", 2, 0, 3, false},
      {sptNormal, "12", 2, 0, '\r', false},
      {sptNormal, "12", 2, 0, 8, true},
      // float: one decimal separator, no thousands separator, precision limit
      {sptFloat, "1", 1, 0, '.', true},
      {sptFloat, "1.5", 3, 0, '.', false},
      {sptFloat, "1.5", 0, 3, '.', true},
      {sptFloat, "1", 1, 0, ',', false},
      {sptFloat, "1.23", 4, 0, '4', false, 2},
      {sptFloat, "1.23", 0, 4, '4', true, 2},
      {sptFloat, "1.23", 0, 0, '4', true, 2},
      {sptFloat, "1.23", 4, 0, 3, true, 2},
      {sptFloat, "1.5", 3, 0, '-', false},
      {sptFloat, "", 0, 0, '-', true},
      {sptFloat, "", 0, 0, 3, true},
      {sptFloat, "1", 1, 0, 'x', false},
      // date: its separator and digits; the time separator never; a minus only as the separator
      {sptDate, "10", 2, 0, '/', true},
      {sptDate, "10", 2, 0, ':', false},
      {sptDate, "10", 2, 0, '-', false},
      {sptDate, "10/03", 5, 0, '7', true},
      // time: two separators at most
      {sptTime, "10", 2, 0, ':', true},
      {sptTime, "10:20", 5, 0, ':', true},
      {sptTime, "10:20:30", 8, 0, ':', false},
      {sptTime, "10", 2, 0, '/', false},
      {sptTime, "10", 2, 0, '-', false},
  };
  for (const Locale* L : {&kDayFirst, &kMonthFirst}) {
    Use(*L);
    for (const Case& c : cases) {
      TSpinCharContext x;
      x.Kind = c.Kind;
      x.Text = c.Text;
      x.SelStart = c.SelStart;
      x.SelLength = c.SelLength;
      x.Precision = c.Precision;
      EXPECT_EQ(SpinCharAllowed(x, c.Key, FormatSettings), c.Accepted)
          << L->Name << " kind " << c.Kind << " text \"" << c.Text << "\" key " << int(c.Key);
    }
  }
}

// A date whose separator is "-" takes the minus anywhere; the number kinds still only in front.
TEST_F(SpinRulesTest, MinusIsADateSeparatorWhereTheLocaleSaysSo) {
  FormatSettings.ShortDateFormat = "yyyy-mm-dd";
  FormatSettings.DateSeparator = '-';
  TSpinCharContext x;
  x.Kind = sptDate;
  x.Text = "2025";
  x.SelStart = 4;
  EXPECT_TRUE(SpinCharAllowed(x, '-', FormatSettings));
  x.Text = "2025-03";
  x.SelStart = 7;
  EXPECT_TRUE(SpinCharAllowed(x, '-', FormatSettings));
  x.Kind = sptNormal;
  x.Text = "12";
  x.SelStart = 2;
  EXPECT_FALSE(SpinCharAllowed(x, '-', FormatSettings));
}

TEST_F(SpinRulesTest, WithoutEditorEnabledOnlyControlCharactersPass) {
  TSpinCharContext x;
  x.Kind = sptFloat;
  x.EditorEnabled = false;
  EXPECT_FALSE(SpinCharAllowed(x, '5', FormatSettings));
  EXPECT_FALSE(SpinCharAllowed(x, 8, FormatSettings));
  EXPECT_TRUE(SpinCharAllowed(x, 3, FormatSettings));
}

}  // namespace
