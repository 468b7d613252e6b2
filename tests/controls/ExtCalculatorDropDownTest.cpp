// The calculator drop-down: key sequences on the keypad against the
// display, the keyboard with the popup closed, and the keypad's layout.

#include "controls/ExtCalculatorDropDown.h"

#include "tests/controls/DropDownFixture.h"
#include "tests/controls/ShotProbes.h"

namespace {

using Calculator = DropDownFixture<TExtCalculatorDropdown>;

// Clicks the keypad keys named by their captions.
void Keys(TExtCalculatorDropdown* c, const std::vector<std::string>& captions) {
  TButtonItems* items = c->Keypad()->Buttons();
  for (const std::string& caption : captions) {
    int index = -1;
    for (int i = 0; i < items->Count(); ++i)
      if (items->Items(i)->Caption == caption) index = i;
    ASSERT_GE(index, 0) << caption;
    c->KeyClick(index);
  }
}

struct CalcCase {
  const char* Name;
  std::vector<std::string> Keys;
  const char* Display;
};

class CalculatorKeys : public Calculator, public ::testing::WithParamInterface<CalcCase> {};

TEST_P(CalculatorKeys, Display) {
  dd->ShowDropDown();
  Keys(dd, GetParam().Keys);
  EXPECT_EQ(dd->Text(), GetParam().Display);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, CalculatorKeys,
    ::testing::Values(CalcCase{"Add", {"1", "2", "+", "3", "="}, "15.00"},
                      CalcCase{"DivideByZero", {"7", "/", "0", "="}, "Error"},
                      CalcCase{"DigitAfterError", {"7", "/", "0", "=", "5"}, "5.00"},
                      CalcCase{"ThirdRounded", {"1", "/", "3", "="}, "0.33"},
                      CalcCase{"ShownValueCarried", {"1", "/", "3", "=", "*", "3", "="}, "0.99"},
                      CalcCase{"SignThenDigit", {"5", "+/-", "3"}, "-53.00"},
                      CalcCase{"SignThenDecimal", {"5", "+/-", ".", "5"}, "-5.50"},
                      CalcCase{"Sqrt", {"2", "sqrt"}, "1.41"},
                      CalcCase{"SqrtNegative", {"4", "+/-", "sqrt"}, "Error"},
                      CalcCase{"Percent", {"2", "0", "0", "+", "5", "0", "%"}, "100.00"},
                      CalcCase{"PercentThenEquals", {"2", "0", "0", "+", "5", "0", "%", "="}, "300.00"},
                      CalcCase{"MemoryRecall", {"9", "MS", "C", "MR"}, "9.00"},
                      CalcCase{"MemoryClear", {"9", "MS", "MC", "MR"}, "0.00"},
                      CalcCase{"TwoOperations", {"8", "+", "*", "2", "="}, "32.00"},
                      CalcCase{"Reciprocal", {"4", "1/x"}, "0.25"},
                      CalcCase{"ReciprocalOfZero", {"0", "1/x"}, "Error"},
                      CalcCase{"BackWhilePending", {"1", "2", "+", "Back"}, "12.00"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Calculator, MaxLengthIgnoresDigitsButNotOperations) {
  dd->ShowDropDown();
  dd->SetText("12.50");
  dd->SetMaxLength(5);
  Keys(dd, {"7", ".", "+/-"});
  EXPECT_EQ(dd->Text(), "12.50");
  Keys(dd, {"+", "="});
  EXPECT_EQ(dd->Text(), "25.00");
}

TEST_F(Calculator, KeyboardWithThePopupClosed) {
  dd->SetValue(4);
  EXPECT_EQ(dd->Text(), "4.00");
  Driver.Type("+6\n");
  EXPECT_EQ(dd->Text(), "10.00");
}

TEST_F(Calculator, NoNumberLeavesTheStateAlone) {
  dd->SetEditType(etString);
  dd->SetText("abc");
  dd->CalcResult();
  EXPECT_EQ(dd->Text(), "abc");
}

TEST_F(Calculator, PopupSizeAndScreenshot) {
  dd->SetText("12");
  dd->ShowDropDown();
  EXPECT_EQ(popup()->Width(), 230);
  EXPECT_EQ(popup()->Height(), 152);
  const TPixelImage twelve = Shot(Driver, popup(), "dropdown-calculator.png");
  EXPECT_GT(InkOf(twelve), 200) << "the keys' captions";
}

struct KeyPlace {
  const char* Caption;
  int Left, Top, Width, Height;
};

class KeypadLayout : public FormsTest, public ::testing::WithParamInterface<KeyPlace> {};

TEST_P(KeypadLayout, Geometry) {
  auto* panel = new TCustomButtonPanel(Application);
  panel->SetBounds(0, 0, 230, 150);
  panel->BuildButtons();
  ASSERT_EQ(panel->Buttons()->Count(), 28);
  const KeyPlace& k = GetParam();
  for (int i = 0; i < 28; ++i) {
    TButtonItem* b = panel->Buttons()->Items(i);
    if (b->Caption != k.Caption) continue;
    EXPECT_EQ(b->Left, k.Left);
    EXPECT_EQ(b->Top, k.Top);
    EXPECT_EQ(b->Width, k.Width);
    EXPECT_EQ(b->Height, k.Height);
    return;
  }
  FAIL() << k.Caption;
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, KeypadLayout,
    ::testing::Values(KeyPlace{"", 8, 8, 34, 26}, KeyPlace{"7", 46, 38, 34, 26}, KeyPlace{"4", 46, 63, 34, 26},
                      KeyPlace{"1", 46, 88, 34, 26}, KeyPlace{"0", 46, 113, 34, 26},
                      KeyPlace{"8", 79, 38, 34, 26}, KeyPlace{"9", 112, 38, 34, 26},
                      KeyPlace{"/", 150, 38, 34, 26}, KeyPlace{"sqrt", 183, 38, 34, 26},
                      KeyPlace{"Back", 46, 8, 54, 26}, KeyPlace{"CE", 104, 8, 54, 26},
                      KeyPlace{"C", 162, 8, 55, 26}),
    [](const auto& info) {
      std::string n = info.param.Caption;
      return n.empty() ? std::string("ON") : std::to_string(info.index);
    });

TEST(Keypad, ReleaseOverAnotherKeyClicksNothing) {
  TTestDriver driver;
  auto* form = new TForm(Application);
  form->SetBounds(0, 0, 300, 200);
  auto* panel = new TCustomButtonPanel(form);
  panel->SetParent(form);
  panel->SetBounds(0, 0, 230, 150);
  panel->BuildButtons();
  form->Show();
  driver.Pump();
  int clicks = 0;
  panel->OnButtonClick = [&](TObject*, int) { ++clicks; };
  driver.MouseDown(panel, 50, 40);
  driver.MouseUp(panel, 85, 40);
  EXPECT_EQ(clicks, 0);
  driver.Click(panel, 50, 40);
  EXPECT_EQ(clicks, 1);
  panel->Buttons()->Items(11)->Enabled = false;
  driver.MouseMove(panel, 50, 40);
  EXPECT_EQ(panel->HotIndex(), -1);
}

}  // namespace
