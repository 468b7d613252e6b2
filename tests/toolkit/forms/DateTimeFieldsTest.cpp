#include "toolkit/forms/models/DateTimeFields.h"

#include <gtest/gtest.h>

namespace {

double At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  TDateTimeParts p;
  p.Year = y; p.Month = mo; p.Day = d; p.Hour = h; p.Minute = mi; p.Second = s;
  return JoinDateTime(p);
}

TEST(DateTimeFields, CalendarConversionRoundTrips) {
  EXPECT_DOUBLE_EQ(At(1899, 12, 30), 0.0);
  EXPECT_DOUBLE_EQ(At(1900, 1, 1), 2.0);
  EXPECT_DOUBLE_EQ(At(2024, 2, 29, 12), 45351.5);
  TDateTimeParts p = SplitDateTime(At(2026, 12, 10, 23, 59, 58));
  EXPECT_EQ(p.Year, 2026);
  EXPECT_EQ(p.Month, 12);
  EXPECT_EQ(p.Day, 10);
  EXPECT_EQ(p.Hour, 23);
  EXPECT_EQ(p.Minute, 59);
  EXPECT_EQ(p.Second, 58);
  EXPECT_EQ(DaysInMonthOf(2023, 2), 28);
  EXPECT_EQ(DaysInMonthOf(2000, 2), 29);
}

TEST(DateTimeFields, FormatsEachLetter) {
  struct { const char* format; const char* text; } cases[] = {
      {"dd/MM/yyyy", "05/03/2026"}, {"d/M/yy", "5/3/26"},        {"dddd d MMMM", "Thursday 5 March"},
      {"ddd MMM", "Thu Mar"},       {"HH:mm:ss", "14:07:09"},     {"h:mm tt", "2:07 PM"},
      {"hh 't'", "02 t"},           {"H:m:s t", "14:7:9 P"},
  };
  for (auto c : cases) {
    TDateTimeFields f(c.format);
    f.SetDateTime(At(2026, 3, 5, 14, 7, 9));
    EXPECT_EQ(f.Text(), c.text) << c.format;
  }
}

TEST(DateTimeFields, LocaleFormatsTranslate) {
  EXPECT_EQ(PickerFormatFromLocale("dd/mm/yyyy"), "dd/MM/yyyy");
  EXPECT_EQ(PickerFormatFromLocale("hh:nn:ss"), "HH:mm:ss");
  EXPECT_EQ(PickerFormatFromLocale("h:nn am/pm"), "h:mm tt");
}

TEST(DateTimeFields, TypingDigitsFillsTheCurrentField) {
  TDateTimeFields f("dd/MM/yyyy");
  f.SetDateTime(At(2026, 1, 1));
  EXPECT_TRUE(f.TypeChar('2'));
  EXPECT_TRUE(f.TypeChar('4'));
  f.NextField();
  EXPECT_TRUE(f.TypeChar('1'));
  EXPECT_TRUE(f.TypeChar('2'));
  f.NextField();
  for (char c : std::string("1999")) EXPECT_TRUE(f.TypeChar(c));
  EXPECT_EQ(f.Text(), "24/12/1999");
  EXPECT_FALSE(f.TypeChar('x'));
}

TEST(DateTimeFields, ATooBigNumberStartsAgainWithTheNewDigit) {
  TDateTimeFields f("dd/MM/yyyy");
  f.SetDateTime(At(2026, 1, 1));
  f.TypeChar('4');
  f.TypeChar('5');  // 45 is no day: 5
  EXPECT_EQ(f.Text(), "05/01/2026");
}

TEST(DateTimeFields, TwoDigitYearsLandNearNow) {
  TDateTimeFields f("dd/MM/yyyy");
  f.SetDateTime(At(2026, 1, 1));
  f.SetCurrentField(4);
  f.TypeChar('3');
  f.TypeChar('1');
  f.PrevField();
  EXPECT_EQ(f.Text(), "01/01/2031");
}

TEST(DateTimeFields, ArrowsStepAndWrapWithinTheField) {
  TDateTimeFields f("dd/MM/yyyy HH:mm");
  f.SetDateTime(At(2026, 1, 31, 23, 59));
  f.NextField();          // month
  f.Step(1);              // February: the day shrinks to fit
  EXPECT_EQ(f.Text(), "28/02/2026 23:59");
  f.Step(-2);
  EXPECT_EQ(f.Text(), "28/12/2026 23:59");
  f.NextField();
  f.NextField();          // hour
  f.Step(1);
  EXPECT_EQ(f.Text(), "28/12/2026 00:59");
  f.NextField();
  f.NextField();          // stays on the last field
  EXPECT_EQ(f.CurrentField(), 8);
}

TEST(DateTimeFields, AmPmFieldTakesLetters) {
  TDateTimeFields f("hh:mm tt");
  f.SetDateTime(At(2026, 1, 1, 9, 30));
  f.SetCurrentField(4);
  EXPECT_TRUE(f.TypeChar('p'));
  EXPECT_EQ(f.Text(), "09:30 PM");
  EXPECT_FALSE(f.TypeChar('x'));
}

TEST(DateTimeFields, MinAndMaxDateClamp) {
  TDateTimeFields f("dd/MM/yyyy");
  f.SetMinDate(At(2020, 1, 1));
  f.SetMaxDate(At(2020, 12, 31));
  f.SetDateTime(At(2019, 6, 1));
  EXPECT_EQ(f.Text(), "01/01/2020");
  f.SetCurrentField(4);
  f.Step(5);
  EXPECT_EQ(f.Text(), "31/12/2020");
}

TEST(DateTimeFields, FieldPositionsInTheText) {
  TDateTimeFields f("dd/MM/yyyy");
  f.SetDateTime(At(2026, 3, 5));
  EXPECT_EQ(f.FieldStart(2), 3);
  EXPECT_EQ(f.FieldAtChar(4), 2);
  EXPECT_EQ(f.FieldAtChar(0), 0);
  EXPECT_EQ(f.FieldAtChar(9), 4);
}

}  // namespace
