#include "controls/EsgSpin.h"

#include <gtest/gtest.h>

#include "tests/controls/ShotProbes.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/std/Edit.h"
#include "toolkit/rtl/DateUtils.h"
#include "toolkit/testing/TestDriver.h"

namespace {

class EsgSpinTest : public FormsTest {
protected:
  void SetUp() override {
    ResetFormatSettings();
    form = new TForm(Application);
    form->SetBounds(0, 0, 300, 160);
    spin = new TEsgSpinEdit(form);
    spin->SetParent(form);
    spin->SetBounds(20, 20, 120, 24);
    other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(20, 80, 80, 24);
    form->Show();
    Driver.Focus(spin);
  }
  void TearDown() override { ResetFormatSettings(); }
  // Puts the caret at a text position without selecting.
  void Caret(int Pos) {
    spin->SetSelStart(Pos);
    spin->SetSelLength(0);
  }
  TForm* form = nullptr;
  TEsgSpinEdit* spin = nullptr;
  TEdit* other = nullptr;
};

TEST_F(EsgSpinTest, ANewEditorShowsZeroAndClampsWhenLeft) {
  EXPECT_EQ(spin->Text(), "0");
  EXPECT_EQ(spin->MaxValue(), 100);
  spin->SelectAll();
  Driver.Type("150");
  EXPECT_EQ(spin->Text(), "150");
  Driver.Focus(other);
  EXPECT_EQ(spin->Text(), "100");
  spin->SetMaxValue(0);
  spin->SetText("150");
  Driver.Focus(spin);
  Driver.Focus(other);
  EXPECT_EQ(spin->Text(), "150");
}

TEST_F(EsgSpinTest, RefusedCharactersBeep) {
  spin->SetText("");
  int beeps = Driver.Beeps();
  Driver.Type("-1a2-");
  EXPECT_EQ(spin->Text(), "-12");
  EXPECT_EQ(Driver.Beeps(), beeps + 2);
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(Driver.Beeps(), beeps + 3);
}

TEST_F(EsgSpinTest, ReturnIsTabPostsATab) {
  spin->SetReturnIsTab(true);
  Driver.PressKey(VK_RETURN);
  EXPECT_TRUE(other->Focused());
}

TEST_F(EsgSpinTest, ArrowsAndPageKeysStep) {
  spin->SetIncrement(5);
  spin->SetValue(10);
  Driver.PressKey(VK_UP);
  EXPECT_EQ(spin->Value(), 15);
  Driver.PressKey(VK_NEXT);
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(spin->Value(), 5);
  spin->SetValue(98);
  Driver.PressKey(VK_UP);
  EXPECT_EQ(spin->Value(), 100);
}

TEST_F(EsgSpinTest, ReadOnlyStepsBeepAndChangeNothing) {
  spin->SetValue(10);
  spin->SetReadOnly(true);
  int beeps = Driver.Beeps();
  Driver.PressKey(VK_UP);
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(spin->Value(), 10);
  EXPECT_EQ(Driver.Beeps(), beeps + 2);
}

TEST_F(EsgSpinTest, FloatKindKeepsItsPrecision) {
  spin->SetSpinType(sptFloat);
  spin->SetPrecision(2);
  spin->SetFloatValue(2.5);
  EXPECT_EQ(spin->Text(), "2.50");
  spin->SetText("1.23");
  Caret(4);
  Driver.Type("4");
  EXPECT_EQ(spin->Text(), "1.23");
  spin->SelectAll();
  Driver.Type("4");
  EXPECT_EQ(spin->Text(), "4");
  Driver.Type("..5");
  EXPECT_EQ(spin->Text(), "4.5");
  spin->SetIncrementFloat(0.25);
  Driver.PressKey(VK_UP);
  EXPECT_EQ(spin->Text(), "4.75");
  Driver.PressKey(VK_PRIOR);
  EXPECT_EQ(spin->Text(), "5.75");
}

// A float text that is no number reads as the float bound, not the integer one.
TEST_F(EsgSpinTest, AFloatThatIsNoNumberReadsAsTheFloatMinimum) {
  spin->SetSpinType(sptFloat);
  spin->SetMinValue(7);
  spin->SetMinFloatValue(1.5);
  spin->SetText("abc");
  EXPECT_EQ(spin->FloatValue(), 1.5);
}

TEST_F(EsgSpinTest, TheKeypadDecimalKeyTypesTheLocaleSeparator) {
  FormatSettings.DecimalSeparator = ',';
  FormatSettings.ThousandSeparator = '.';
  spin->SetSpinType(sptFloat);
  spin->SetExcelStyleDecimalSeparator(true);
  spin->SetText("1");
  Caret(1);
  spin->Perform(WM_KEYDOWN, VK_DECIMAL, 0);
  spin->Perform(WM_CHAR, '.', 0);
  EXPECT_EQ(spin->Text(), "1,");
  spin->SetText("1");
  Caret(1);
  spin->Perform(WM_KEYDOWN, VK_OEM_PERIOD, 0);
  spin->Perform(WM_CHAR, '.', 0);
  EXPECT_EQ(spin->Text(), "1");  // "." is no separator in a comma locale
}

TEST_F(EsgSpinTest, DatesStepThePartUnderTheCaret) {
  spin->SetSpinType(sptDate);
  spin->SetDateValue(EncodeDate(2025, 1, 31));
  EXPECT_EQ(spin->Text(), "31/01/2025");
  Caret(4);
  Driver.PressKey(VK_UP);
  EXPECT_EQ(spin->Text(), "28/02/2025");
  Caret(0);
  Driver.PressKey(VK_UP);
  EXPECT_EQ(spin->Text(), "01/03/2025");
  Caret(8);
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(spin->Text(), "01/03/2024");
  FormatSettings.ShortDateFormat = "mm/dd/yyyy";
  spin->SetDateValue(EncodeDate(2025, 1, 31));
  EXPECT_EQ(spin->Text(), "01/31/2025");
  Caret(0);
  Driver.PressKey(VK_UP);
  EXPECT_TRUE(spin->UsDates());
  EXPECT_EQ(spin->Text(), "02/28/2025");
}

TEST_F(EsgSpinTest, TimeWithoutSecondsWrapsBackOverMidnight) {
  spin->SetShowSeconds(false);
  spin->SetSpinType(sptTime);
  spin->SetTimeValue(EncodeTime(0, 10, 0, 0));
  EXPECT_EQ(spin->Text(), "0:10");
  Caret(0);
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(spin->Text(), "23:10");
}

TEST_F(EsgSpinTest, EditorDisabledRefusesTypingButSteps) {
  spin->SetEditorEnabled(false);
  spin->SetValue(3);
  Driver.Type("7");
  EXPECT_EQ(spin->Text(), "3");
  Driver.PressKey(VK_UP);
  EXPECT_EQ(spin->Text(), "4");
  EXPECT_EQ(spin->SelLength(), 1);
}

// A held arrow clicks at press, after 400 ms and then every 100 ms, until released.
TEST_F(EsgSpinTest, AHeldArrowRepeatsOnTheClock) {
  spin->SetValue(0);
  TExtTimerSpeedButton* up = spin->Button()->UpButton();
  Driver.MouseDown(up, 3, 3);
  EXPECT_EQ(spin->Value(), 0);
  Driver.Advance(399);
  EXPECT_EQ(spin->Value(), 0);
  Driver.Advance(1);
  EXPECT_EQ(spin->Value(), 1);
  Driver.Advance(600);
  EXPECT_EQ(spin->Value(), 7);
  Driver.MouseUp(up, 3, 3);
  EXPECT_EQ(spin->Value(), 8);  // the release is the toolkit's own click
  Driver.Advance(1000);
  EXPECT_EQ(spin->Value(), 8);
  ASSERT_NE(up->RepeatTimer(), nullptr);
  EXPECT_FALSE(up->RepeatTimer()->Enabled());
}

// Ticks that find the arrow released by a move outside click nothing; the timer runs on.
TEST_F(EsgSpinTest, RepeatTicksNeedThePressedState) {
  spin->SetValue(0);
  TExtTimerSpeedButton* down = spin->Button()->DownButton();
  spin->SetValue(50);
  Driver.MouseDown(down, 3, 3);
  Driver.MouseMove(down, 60, 60);
  Driver.Advance(1000);
  EXPECT_EQ(spin->Value(), 50);
  EXPECT_TRUE(down->RepeatTimer()->Enabled());
  Driver.MouseMove(down, 3, 3);
  Driver.Advance(100);
  EXPECT_EQ(spin->Value(), 49);
  Driver.MouseUp(down, 3, 3);
}

TEST_F(EsgSpinTest, OwnerColouredArrowsAreBlack) {
  TEsgSpinButton* b = spin->Button();
  b->SetButtonColor(clYellow);
  b->SetButtonTextColor(clRed);
  TExtTimerSpeedButton* up = b->UpButton();
  up->Invalidate();
  EXPECT_EQ(Driver.PixelAt(up, 1, 1), clYellow);
  EXPECT_EQ(Driver.PixelAt(up, 6, 3), clBlack);
}

TEST_F(EsgSpinTest, Screenshot) {
  spin->SetValue(42);
  auto* date = new TEsgSpinEdit(form);
  date->SetParent(form);
  date->SetBounds(150, 20, 120, 24);
  date->SetSpinType(sptDate);
  date->SetDateValue(EncodeDate(2025, 3, 10));
  const TPixelImage shown = Shot(Driver, form, "esg_spin_edit.png");
  spin->SetText("");
  date->SetText("");
  EXPECT_GT(InkOf(shown), InkOf(Shot(Driver, form, "esg_spin_edit-empty.png")) + 20) << "the number and the date are drawn";
}

}  // namespace
