#include "controls/ExtDateTimePicker.h"

#include <gtest/gtest.h>

#include "tests/controls/ShotProbes.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/DateUtils.h"
#include "toolkit/testing/TestDriver.h"

namespace {

class ExtDateTimePickerTest : public FormsTest {
protected:
  void SetUp() override {
    ResetFormatSettings();
    form = new TForm(Application);
    form->SetBounds(0, 0, 360, 200);
    picker = new TExtDateTimePicker(form);
    picker->SetParent(form);
    picker->SetBounds(80, 20, 220, 24);
    picker->SetLabelCaption("Start");
    form->Show();
    Driver.Pump();
  }
  void TearDown() override { ResetFormatSettings(); }
  TForm* form = nullptr;
  TExtDateTimePicker* picker = nullptr;
};

TEST_F(ExtDateTimePickerTest, BothKindsEmbedATimePicker) {
  EXPECT_EQ(picker->Kind(), dkDateTime);
  ASSERT_NE(picker->TimePicker(), nullptr);
  EXPECT_TRUE(picker->TimePicker()->Visible());
  EXPECT_EQ(picker->TimePicker()->TDateTimePicker::Kind(), dtkTime);
  EXPECT_GT(picker->TimePicker()->Left(), picker->Width() / 3);
  picker->SetKind(dkDate);
  EXPECT_EQ(picker->TimePicker(), nullptr);
  picker->SetKind(dkTime);
  EXPECT_EQ(picker->TDateTimePicker::Kind(), dtkTime);
}

TEST_F(ExtDateTimePickerTest, ValuesDropMillisecondsAndDatesKeepTheTime) {
  picker->SetDateTime(EncodeDateTime(2025, 3, 10, 14, 25, 30, 600));
  EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDateTime(2025, 3, 10, 14, 25, 30, 0));
  EXPECT_DOUBLE_EQ(picker->TimePicker()->TDateTimePicker::DateTime(), EncodeDateTime(2025, 3, 10, 14, 25, 30, 0));
  picker->SetDate(EncodeDate(2024, 12, 1));
  EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDateTime(2024, 12, 1, 14, 25, 30, 0));
  EXPECT_NEAR(picker->Time(), EncodeTime(14, 25, 30, 0), 1e-9);
}

TEST_F(ExtDateTimePickerTest, TheCheckBoxEnablesTheTimePart) {
  picker->SetShowCheckbox(true);
  picker->SetChecked(false);
  EXPECT_FALSE(picker->TimePicker()->Enabled());
  picker->SetChecked(true);
  EXPECT_TRUE(picker->TimePicker()->Enabled());
}

// With the check box shown the drop-down and close-up still reach their events.
TEST_F(ExtDateTimePickerTest, TheCheckBoxKeepsEveryNotification) {
  picker->SetShowCheckbox(true);
  int drops = 0, closes = 0;
  picker->OnDropDown = [&](TObject*) { ++drops; };
  picker->OnCloseUp = [&](TObject*) { ++closes; };
  picker->SetDroppedDown(true);
  picker->SetDroppedDown(false);
  EXPECT_EQ(drops, 1);
  EXPECT_EQ(closes, 1);
}

TEST_F(ExtDateTimePickerTest, VersionsReadFixed) {
  EXPECT_EQ(picker->Version(), "1.2.0.0");
  picker->SetVersion("9.9.9.9");
  EXPECT_EQ(picker->Version(), "1.2.0.0");
  TEsgDateTimePicker plain(nullptr);
  EXPECT_EQ(plain.Version(), "1.0.0.0");
}

TEST_F(ExtDateTimePickerTest, TheLabelStandsLeftAndFollowsTheControl) {
  TLabel* l = picker->PickerLabel();
  ASSERT_NE(l, nullptr);
  EXPECT_EQ(l->Parent(), form);
  EXPECT_EQ(l->Top(), picker->Top());
  EXPECT_EQ(l->Left() + l->Canvas()->TextWidth("Start") + picker->LabelMargin(), picker->Left());
  picker->SetLabelPosition(lpTopLeft);
  EXPECT_EQ(l->Left(), picker->Left());
  picker->SetEnabled(false);
  EXPECT_FALSE(l->Enabled());
  picker->SetVisible(false);
  EXPECT_FALSE(l->Visible());
}

// AutoTab: a digit that completes the day or month moves on; the year's digit
// (the format's last field) gives the focus to the time part.
TEST_F(ExtDateTimePickerTest, AutoTabMovesFieldByField) {
  picker->SetAutoTab(true);
  picker->SetFormat("dd/MM/yyyy");
  picker->SetDateTime(EncodeDateTime(2025, 3, 10, 8, 0, 0, 0));
  Driver.Focus(picker);
  int start = picker->CurrentField();
  Driver.Type("1");
  int afterDay = picker->CurrentField();
  EXPECT_NE(afterDay, start);
  Driver.Type("2");
  EXPECT_NE(picker->CurrentField(), afterDay);
  Driver.Type("2024");
  EXPECT_TRUE(picker->TimePicker()->Focused());
}

// With no format of its own the last field comes from the short date format.
TEST_F(ExtDateTimePickerTest, AutoTabWithoutFormatTakesTheShortDateFormat) {
  FormatSettings.ShortDateFormat = "yyyy/mm/dd";
  auto* p = new TExtDateTimePicker(form);
  p->SetParent(form);
  p->SetBounds(80, 120, 220, 24);
  p->SetAutoTab(true);
  p->SetDateTime(EncodeDateTime(2025, 3, 10, 8, 0, 0, 0));
  Driver.Focus(p);
  Driver.PressKey(VK_RIGHT);
  Driver.PressKey(VK_RIGHT);
  Driver.Type("5");
  ASSERT_NE(p->TimePicker(), nullptr);
  EXPECT_TRUE(p->TimePicker()->Focused());
}

// The metro look redraws the drop button: a face in the button colour with
// its border line and a small arrow in the text colour, in place of the
// toolkit's own button; without metro the toolkit's button stays.
TEST_F(ExtDateTimePickerTest, MetroDropButtonInCustomColours) {
  auto* p = new TEsgDateTimePicker(form);
  p->SetParent(form);
  p->SetBounds(80, 80, 140, 24);
  p->SetColor(clWhite);
  p->SetButtonColor(clRed);
  p->SetButtonBorderColor(clLime);
  p->SetButtonTextColor(clBlue);
  Driver.Pump();
  TBitmap bmp;
  auto px = [&](int x, int y) {
    bmp.SetSize(p->Width(), p->Height());
    p->PaintTo(bmp.Canvas(), 0, 0);
    return ColorToRGB(bmp.Canvas()->Pixels(x, y));
  };
  const int frame = (p->Width() - p->ClientWidth()) / 2;
  const int left = p->ClientWidth() - (GetSystemMetrics(SM_CXVSCROLL) + 2) + 3 + frame, top = 1 + frame;
  EXPECT_NE(px(left + 4, top + 3), ColorToRGB(clRed));
  p->SetMetroStyle(true);
  EXPECT_EQ(px(left + 4, top + 3), ColorToRGB(clRed));
  EXPECT_EQ(px(left + 4, top + 14), ColorToRGB(clRed));
  EXPECT_EQ(px(left, top + 5), ColorToRGB(clLime));
  EXPECT_EQ(px(left + 8, top + 8), ColorToRGB(clBlue));   // the arrow's middle
  EXPECT_EQ(px(left + 8, top + 12), ColorToRGB(clRed));  // below its tip
  EXPECT_EQ(px(left - 3, top + 5), ColorToRGB(clWhite));   // the toolkit's button is gone
  p->SetKind(dtkTime);
  EXPECT_NE(px(left + 4, top + 3), ColorToRGB(clRed));
}

TEST_F(ExtDateTimePickerTest, Screenshot) {
  picker->SetDateTime(EncodeDateTime(2025, 3, 10, 14, 25, 30, 0));
  auto* flat = new TEsgDateTimePicker(form);
  flat->SetParent(form);
  flat->SetBounds(80, 80, 140, 24);
  flat->SetDate(EncodeDate(2025, 3, 10));
  flat->SetMetroStyle(true);
  flat->SetButtonColor(clSkyBlue);
  flat->SetBorderColor(clNavy);
  const TPixelImage shown = Shot(Driver, form, "ext_date_time_picker.png");
  EXPECT_GT(PixelsOf(shown, clSkyBlue), 20) << "the flat picker's button";
  EXPECT_GT(PixelsOf(shown, clNavy), 20) << "the flat picker's border";
}

}  // namespace
