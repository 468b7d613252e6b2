#include "toolkit/forms/std/DateTimePicker.h"
#include "toolkit/rtl/SysUtils.h"

#include "ControlFixture.h"

namespace {

double At(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
  TDateTimeParts p;
  p.Year = y; p.Month = m; p.Day = d; p.Hour = h; p.Minute = mi; p.Second = s;
  return JoinDateTime(p);
}

class DateTimeTest : public ControlFixture {
protected:
  void SetUp() override {
    ControlFixture::SetUp();
    saved_ = FormatSettings;
    FormatSettings.ShortDateFormat = "dd/mm/yyyy";
    FormatSettings.LongTimeFormat = "hh:nn:ss";
  }
  void TearDown() override { FormatSettings = saved_; }
  TFormatSettings saved_;
};

TEST_F(DateTimeTest, DigitsFillFieldsAndArrowsMoveBetweenThem) {
  TDateTimePicker* p = Make<TDateTimePicker>();
  p->SetDateTime(At(2026, 1, 1));
  int changes = 0;
  p->OnChange = [&](TObject*) { ++changes; };
  Driver.Focus(p);
  Driver.Type("24");
  Driver.PressKey(VK_RIGHT);
  Driver.Type("12");
  Driver.PressKey(VK_RIGHT);
  Driver.Type("1999");
  EXPECT_EQ(p->DisplayText(), "24/12/1999");
  EXPECT_DOUBLE_EQ(p->Date(), At(1999, 12, 24));
  Driver.PressKey(VK_UP);
  EXPECT_EQ(p->DisplayText(), "24/12/2000");
  Driver.PressKey(VK_LEFT);
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(p->DisplayText(), "24/11/2000");
  EXPECT_GE(changes, 6);
}

TEST_F(DateTimeTest, TimeKindAndClamping) {
  TDateTimePicker* p = Make<TDateTimePicker>();
  p->SetKind(dtkTime);
  p->SetDateTime(At(2026, 5, 5, 13, 45, 10));
  EXPECT_EQ(p->DisplayText(), "13:45:10");
  Driver.Focus(p);
  Driver.Type("09");
  EXPECT_EQ(p->DisplayText(), "09:45:10");
  TDateTimePicker* q = Make<TDateTimePicker>(10, 40);
  q->SetMinDate(At(2020, 1, 1));
  q->SetMaxDate(At(2020, 12, 31));
  q->SetDateTime(At(2030, 1, 1));
  EXPECT_DOUBLE_EQ(q->Date(), At(2020, 12, 31));
}

TEST_F(DateTimeTest, CalendarDropsDownAndADayIsChosen) {
  TDateTimePicker* p = Make<TDateTimePicker>();
  p->SetDateTime(At(2026, 3, 10));
  std::string events;
  p->OnDropDown = [&](TObject*) { events += "drop "; };
  p->OnCloseUp = [&](TObject*) { events += "close "; };
  p->OnChange = [&](TObject*) { events += "change "; };
  Driver.Focus(p);
  Driver.PressKey(VK_DOWN, {ssAlt});
  ASSERT_TRUE(p->DroppedDown());
  EXPECT_NE(SendMessage(p->Handle(), DTM_GETMONTHCAL), 0);
  TMonthCalendar* cal = p->Calendar();
  TRect day = cal->DayRect(20);
  Click(cal, day.Left + 3, day.Top + 3);
  EXPECT_FALSE(p->DroppedDown());
  EXPECT_DOUBLE_EQ(p->Date(), At(2026, 3, 20));
  EXPECT_EQ(events, "drop close change ");
}

TEST_F(DateTimeTest, SystemTimeMessages) {
  TDateTimePicker* p = Make<TDateTimePicker>();
  TSystemTime st{2024, 2, 0, 29, 8, 30, 0, 0};
  EXPECT_EQ(SendMessage(p->Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st)), 1);
  EXPECT_DOUBLE_EQ(p->DateTime(), At(2024, 2, 29, 8, 30));
  TSystemTime bad{2024, 13, 0, 1, 0, 0, 0, 0};
  EXPECT_EQ(SendMessage(p->Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&bad)), 0);
  TSystemTime out;
  EXPECT_EQ(SendMessage(p->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&out)), GDT_VALID);
  EXPECT_EQ(out.wDay, 29);
}

TEST_F(DateTimeTest, MonthCalendarNavigatesAndClicks) {
  TMonthCalendar* c = Make<TMonthCalendar>();
  c->SetDate(At(2026, 1, 31));
  int clicks = 0;
  c->OnClick = [&](TObject*) { ++clicks; };
  TRect next = c->NextButtonRect();
  Click(c, next.Left + 2, next.Top + 2);
  EXPECT_EQ(c->ShownMonth(), 2);
  TRect d = c->DayRect(14);
  Click(c, d.Left + 2, d.Top + 2);
  EXPECT_DOUBLE_EQ(c->Date(), At(2026, 2, 14));
  Key(c, VK_RIGHT);
  EXPECT_DOUBLE_EQ(c->Date(), At(2026, 2, 15));
  Key(c, VK_NEXT);
  EXPECT_DOUBLE_EQ(c->Date(), At(2026, 3, 15));
  EXPECT_EQ(clicks, 3);
  TRect need;
  SendMessage(c->Handle(), MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&need));
  EXPECT_GT(need.Width(), 0);
  c->SetMinDate(At(2026, 4, 1));
  EXPECT_DOUBLE_EQ(c->Date(), At(2026, 4, 1));
}

}  // namespace
