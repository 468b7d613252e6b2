// The time picker drop-down: its text, the field keys, and the watch popup.

#include "controls/ExtTimePickerDropDown.h"

#include "tests/controls/DropDownFixture.h"
#include "tests/controls/ShotProbes.h"
#include "toolkit/forms/std/Containers.h"
#include "toolkit/forms/std/DateTimePicker.h"
#include "toolkit/rtl/DateUtils.h"

namespace {

TDateTime at(int H, int M, int S = 0) { return EncodeTime(H, M, S, 0); }

class TimePicker : public DropDownFixture<TExtTimePickerDropDown> {
protected:
  void SetUp() override {
    DropDownFixture::SetUp();
    dd->OnTimeChange = [this](TObject*) { ++timeChanges; };
  }
  int timeChanges = 0;
};

TEST_F(TimePicker, ANewPickerShowsMidnightAndSecondsCanGo) {
  EXPECT_EQ(dd->Text(), "00:00:00");
  EXPECT_DOUBLE_EQ(dd->Time(), 0);
  EXPECT_FALSE(dd->EditorEnabled());
  EXPECT_FALSE(dd->DropDownHeader()->Visible());
  dd->SetTime(at(9, 5, 30));
  dd->SetShowSeconds(false);
  EXPECT_EQ(dd->Text(), "09:05");
  EXPECT_DOUBLE_EQ(dd->Time(), at(9, 5, 30));
  dd->SetShowSeconds(true);
  EXPECT_EQ(dd->Text(), "09:05:30");
}

TEST_F(TimePicker, TheTimeWriterRewritesTheTextAndFiresNothing) {
  int changes = 0;
  dd->OnChange = [&](TObject*) { ++changes; };
  dd->SetTime(at(9, 5, 30));
  EXPECT_EQ(dd->Text(), "09:05:30");
  const int after = changes;
  dd->SetTime(at(9, 5, 30));
  EXPECT_EQ(changes, after);
  EXPECT_EQ(timeChanges, 0);
}

TEST_F(TimePicker, TheTimeSeparatorComesFromTheLocale) {
  FormatSettings.TimeSeparator = '.';
  TExtTimePickerDropDown other(form);
  other.SetTime(at(7, 8, 9));
  EXPECT_EQ(other.Text(), "07.08.09");
}

TEST_F(TimePicker, TypedTextIsReadWhenComplete) {
  struct Case {
    bool seconds;
    std::string text;
    TDateTime time;
    std::string shown;
  };
  const Case cases[] = {
      {false, "12:34", at(12, 34), "12:34"},
      {false, "1 :00", at(10, 0), "10:00"},      // a blank counts as 0; a full hour is written out
      {true, "12:34:56", at(12, 34, 56), "12:34:56"},
      {false, "25:00", at(12, 34, 56), "25:00"},  // hours past 23: the time stays
      {false, "12:61", at(12, 34, 56), "12:61"},
      {true, "23:59:60", at(12, 34, 56), "23:59:60"},
      {false, "12:3", at(12, 34, 56), "12:3"},   // incomplete
      {false, "1a:30", at(12, 34, 56), "1a:30"},
  };
  dd->SetEditMask("");
  for (const Case& c : cases) {
    if (c.seconds != dd->ShowSeconds()) {
      dd->SetShowSeconds(c.seconds);
      dd->SetEditMask("");
    }
    if (c.time == at(12, 34, 56)) dd->SetTime(at(12, 34, 56));
    EXPECT_NO_THROW(dd->SetText(c.text)) << c.text;
    EXPECT_DOUBLE_EQ(dd->Time(), c.time) << c.text;
    EXPECT_EQ(dd->Text(), c.shown) << c.text;
  }
  EXPECT_EQ(timeChanges, 0);
}

TEST_F(TimePicker, UpAndDownStepTheFieldUnderTheCaret) {
  struct Case {
    bool seconds;
    TDateTime from;
    int caret;
    uint16_t key;
    TDateTime to;
  };
  const Case cases[] = {
      {true, at(0, 0, 0), 0, VK_UP, at(23, 0, 0)},     {true, at(23, 0, 0), 1, VK_DOWN, at(0, 0, 0)},
      {true, at(5, 0, 0), 2, VK_DOWN, at(6, 0, 0)},    {true, at(5, 0, 0), 3, VK_DOWN, at(5, 1, 0)},
      {true, at(5, 0, 0), 4, VK_UP, at(5, 59, 0)},
      {true, at(5, 0, 59), 6, VK_DOWN, at(5, 0, 0)},   {true, at(5, 0, 10), 8, VK_UP, at(5, 0, 9)},
      {false, at(5, 10, 0), 3, VK_DOWN, at(5, 11, 0)}, {false, at(5, 10, 0), 5, VK_UP, at(5, 9, 0)},
  };
  dd->SetEditorEnabled(true);
  for (const Case& c : cases) {
    dd->SetShowSeconds(c.seconds);
    dd->SetTime(c.from);
    dd->SetSelStart(c.caret);
    dd->SetSelLength(0);
    const int before = timeChanges;
    Driver.PressKey(c.key);
    EXPECT_DOUBLE_EQ(dd->Time(), c.to) << "caret " << c.caret;
    EXPECT_EQ(timeChanges, before + 1);
    EXPECT_EQ(dd->SelStart(), c.caret);
  }
}

TEST_F(TimePicker, WithoutTheEditorKeysAndTypingChangeNothing) {
  dd->SetTime(at(5, 0, 0));
  Driver.PressKey(VK_UP);
  Driver.Type("12");
  EXPECT_DOUBLE_EQ(dd->Time(), at(5, 0, 0));
  EXPECT_EQ(dd->Text(), "05:00:00");
  EXPECT_EQ(timeChanges, 0);
}

TEST_F(TimePicker, ThePopupHoldsTheWatchAtTheTime) {
  dd->SetTime(at(9, 30));
  dd->SetAnimation(false);
  dd->ShowDropDown();
  Driver.Pump();
  ASSERT_NE(dd->Watch(), nullptr);
  EXPECT_TRUE(popup()->Visible());
  EXPECT_EQ(dd->Panel()->Height(), 170);
  EXPECT_DOUBLE_EQ(dd->Watch()->Time(), at(9, 30));
  EXPECT_FALSE(dd->Watch()->Animation());
  // Every change on the watch reaches the time and the edit at once.
  dd->Watch()->WatchKeyDown(VK_RIGHT);
  EXPECT_DOUBLE_EQ(dd->Time(), at(9, 31));
  EXPECT_EQ(dd->Text(), "09:31:00");
}

TEST_F(TimePicker, KeysInThePopupGoToTheWatch) {
  dd->SetTime(at(9, 30));
  dd->SetAnimation(false);
  dd->ShowDropDown();
  Driver.Pump();
  Driver.PressKey(VK_PRIOR);
  EXPECT_DOUBLE_EQ(dd->Time(), at(10, 30));
  Driver.PressKey(VK_LEFT);
  EXPECT_DOUBLE_EQ(dd->Time(), at(10, 29));
  Driver.PressKey(VK_RETURN);
  EXPECT_FALSE(popup()->Visible());
  EXPECT_DOUBLE_EQ(dd->Time(), at(10, 29));
}

TEST_F(TimePicker, EscapeReturnsToTheLastWrittenText) {
  dd->SetText("08:15:00");
  EXPECT_DOUBLE_EQ(dd->Time(), at(8, 15));
  dd->SetAnimation(false);
  dd->ShowDropDown();
  Driver.Pump();
  Driver.PressKey(VK_PRIOR);
  EXPECT_DOUBLE_EQ(dd->Time(), at(9, 15));
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(popup()->Visible());
  EXPECT_DOUBLE_EQ(dd->Time(), at(8, 15));
  EXPECT_DOUBLE_EQ(dd->Watch()->Time(), at(8, 15));
}

TEST_F(TimePicker, ClickingElsewhereKeepsTheWatchTime) {
  dd->SetAnimation(false);
  dd->ShowDropDown();
  Driver.Pump();
  dd->Watch()->WatchKeyDown(VK_HOME);
  Driver.Click(other, 5, 5);
  EXPECT_FALSE(popup()->Visible());
  EXPECT_DOUBLE_EQ(dd->Time(), at(12, 0));
}

TEST_F(TimePicker, TheSpinnerSitsBelowTheWatchAndMovesIt) {
  dd->SetShowTimePicker(true);
  dd->SetAnimation(false);
  dd->SetTime(at(6, 40, 0));
  dd->ShowDropDown();
  Driver.Pump();
  ASSERT_NE(dd->TimePicker(), nullptr);
  EXPECT_EQ(dd->Panel()->Height(), dd->TimePicker()->Height() + 170);
  EXPECT_NEAR(dd->TimePicker()->Time(), at(6, 40), 1e-6);
  dd->TimePicker()->SetTime(at(7, 45));
  if (dd->TimePicker()->OnChange) dd->TimePicker()->OnChange(dd->TimePicker());
  EXPECT_NEAR(dd->Watch()->Time(), at(7, 45), 1e-6);
  EXPECT_NEAR(dd->Time(), at(7, 45), 1e-6);
  dd->HideDropDown(false);
  dd->SetShowTimePicker(false);
  dd->ShowDropDown();
  EXPECT_FALSE(dd->TimePicker()->Visible());
}

TEST_F(TimePicker, TheComponentStyleColoursTheWatch) {
  dd->SetComponentStyle(tsWindows7);
  EXPECT_EQ(dd->WatchAppearance()->BackgroundColor(), TColor(0xFDFBFA));
  EXPECT_EQ(dd->WatchAppearance()->BackgroundColorTo(), TColor(0xFDF3EB));
  // The style the picker starts with reached the watch look too.
  TExtTimePickerDropDown fresh(form);
  EXPECT_EQ(fresh.WatchAppearance()->SecondPointer(), TColor(0x723708));
}

TEST_F(TimePicker, Screenshot) {
  dd->SetTime(at(10, 9, 30));
  dd->SetShowTimePicker(true);
  dd->ShowDropDown();
  const TPixelImage shown = Shot(Driver, popup(), "dropdown-timepicker.png");
  dd->SetTime(at(14, 45, 0));
  Driver.Pump();
  EXPECT_TRUE(Shot(Driver, popup(), "dropdown-timepicker-14-45.png").Pixels != shown.Pixels) << "the time is shown";
}

}  // namespace
