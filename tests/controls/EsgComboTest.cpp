#include "controls/EsgCombo.h"

#include <gtest/gtest.h>

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/std/Edit.h"
#include "toolkit/testing/TestDriver.h"

namespace {

class EsgComboTest : public FormsTest {
protected:
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(0, 0, 300, 200);
    combo = new TEsgComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(100, 40, 120, 24);
    for (const char* s : {"Alpha", "Beta", "Gamma"}) combo->Items()->Add(s);
    other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 100, 80, 24);
    form->Show();
    Driver.Pump();
  }
  TForm* form = nullptr;
  TEsgComboBox* combo = nullptr;
  TEdit* other = nullptr;
};

TEST_F(EsgComboTest, ButtonWidthAcceptsOnly14To32) {
  EXPECT_EQ(combo->ButtonWidth(), 19);
  for (int bad : {13, 33}) {
    combo->SetButtonWidth(bad);
    EXPECT_EQ(combo->ButtonWidth(), 19) << bad;
  }
  for (int good : {14, 32}) {
    combo->SetButtonWidth(good);
    EXPECT_EQ(combo->ButtonWidth(), good);
  }
}

TEST_F(EsgComboTest, SelectItemKeepsTheIndexForAnUnknownText) {
  combo->SelectItem("Beta");
  EXPECT_EQ(combo->ItemIndex(), 1);
  combo->SelectItem("Delta");
  EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(EsgComboTest, ClosingTheListFiresOnDropUpOnce) {
  int drops = 0;
  combo->OnDropUp = [&](TObject* Sender) {
    EXPECT_EQ(Sender, combo);
    ++drops;
  };
  combo->SetStyle(csDropDownList);
  Driver.Click(combo, 60, 10);
  EXPECT_TRUE(combo->DroppedDown());
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(drops, 1);
}

TEST_F(EsgComboTest, FocusColourComesAndGoes) {
  combo->SetColor(clWindow);
  combo->Init();
  combo->SetFocusColor(clYellow);
  Driver.Focus(other);
  Driver.Focus(combo);
  EXPECT_EQ(combo->Color(), clYellow);
  Driver.Focus(other);
  EXPECT_EQ(combo->Color(), clWindow);
}

TEST_F(EsgComboTest, LabelStandsBesideTheComboAndFollowsIt) {
  combo->SetLabelCaption("Kind");
  TLabel* label = combo->ComboLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Parent(), form);
  EXPECT_EQ(label->Top(), combo->Top());
  EXPECT_LT(label->Left() + label->Width(), combo->Left());  // lpLeftTop: left of the combo, margin between
  combo->SetLabelPosition(lpTopLeft);
  EXPECT_EQ(label->Left(), combo->Left());
  EXPECT_EQ(label->Top(), combo->Top() - label->Height() - combo->LabelMargin());
  combo->SetBounds(150, 80, 120, 24);
  EXPECT_EQ(label->Left(), 150);
  combo->SetVisible(false);
  EXPECT_FALSE(label->Visible());
  combo->SetFocusLabel(true);
  combo->SetVisible(true);
  Driver.Focus(other);
  Driver.Focus(combo);
  EXPECT_TRUE(label->Font()->Style().Contains(fsBold));
}

TEST_F(EsgComboTest, DropWidthWidensTheList) {
  combo->SetDropWidth(0);
  EXPECT_EQ(combo->DroppedWidth(), 0);
  combo->SetDropWidth(250);
  EXPECT_EQ(combo->DroppedWidth(), 250);
}

TEST_F(EsgComboTest, FlatComboShowsItsParentColourWhileDisabled) {
  form->SetColor(clBtnFace);
  combo->SetFlatParentColor(false);
  combo->SetColor(clWindow);
  combo->SetFlat(true);
  combo->SetEnabled(false);
  EXPECT_EQ(combo->Color(), clBtnFace);
  combo->SetEnabled(true);
  EXPECT_EQ(combo->Color(), clWindow);
}

// The colour written while loading is the one the combo comes back to:
// Loaded writes it (unless a plain combo takes its parent's colour), and
// switching Flat restores it, whatever colour was written since.
TEST_F(EsgComboTest, TheLoadedColourIsWhatLoadedAndFlatComeBackTo) {
  form->SetColor(clBtnFace);
  struct {
    const char* name;
    bool flatParentColor, flat;
    TColor afterLoaded;
  } cases[] = {
      {"plain combo, parent colour", true, false, clAqua},  // Loaded leaves the colour alone
      {"plain combo, own colour", false, false, clYellow},
      {"flat combo, parent colour", true, true, clYellow},
  };
  for (const auto& c : cases) {
    auto* box = new TEsgComboBox(form);
    box->SetParent(form);
    box->BeginLoading();
    box->SetFlatParentColor(c.flatParentColor);
    box->SetFlat(c.flat);
    box->SetColor(clYellow);
    static_cast<TControl*>(box)->SetColor(clAqua);  // a write past the combo's own, as a parent colour is
    box->Loaded();
    EXPECT_EQ(box->LoadedColor(), clYellow) << c.name;
    EXPECT_EQ(box->Color(), c.afterLoaded) << c.name;
    box->SetColor(clWhite);
    EXPECT_EQ(box->LoadedColor(), clYellow) << c.name << ": written after loading, not remembered";
  }
  auto* box = new TEsgComboBox(form);
  box->SetParent(form);
  box->BeginLoading();
  box->SetColor(clYellow);
  box->Loaded();
  EXPECT_EQ(box->Color(), clYellow);
  box->SetColor(clAqua);
  box->SetFlatParentColor(false);
  box->SetFlat(true);
  EXPECT_EQ(box->Color(), clYellow) << "flat restores the loaded colour, not the one written since";
  box->SetFlatParentColor(true);
  box->SetFlat(false);
  box->SetFlat(true);
  EXPECT_EQ(box->Color(), clBtnFace) << "flat with the parent's colour";
}

}  // namespace

namespace {

TEST_F(EsgComboTest, ALabelFreedElsewhereIsForgottenAndMadeAgain) {
  combo->SetLabelCaption("Kind");
  delete combo->ComboLabel();
  EXPECT_EQ(combo->ComboLabel(), nullptr);
  EXPECT_EQ(combo->LabelCaption(), "");
  combo->SetBounds(160, 80, 120, 24);  // places no freed label
  combo->SetVisible(false);
  combo->SetLabelCaption("Again");
  ASSERT_NE(combo->ComboLabel(), nullptr);
  EXPECT_EQ(combo->ComboLabel()->Caption(), "Again");
}

TEST_F(EsgComboTest, TheFocusBoldLeavesTheLabelFontAsSet) {
  combo->SetLabelCaption("Kind");
  combo->SetFocusLabel(true);
  Driver.Focus(other);
  Driver.Focus(combo);
  EXPECT_TRUE(combo->ComboLabel()->Font()->Style().Contains(fsBold));
  EXPECT_FALSE(combo->LabelFont()->Style().Contains(fsBold));
  Driver.Focus(other);
  EXPECT_FALSE(combo->ComboLabel()->Font()->Style().Contains(fsBold));
}

}  // namespace
