#include "controls/ESGEdit.h"

#include <gtest/gtest.h>

#include "tests/controls/ShotProbes.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/std/Clipboard.h"
#include "toolkit/testing/MenuSteps.h"
#include "toolkit/testing/TestDriver.h"

namespace {

class ESGEditTest : public FormsTest {
protected:
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(0, 0, 320, 160);
    edit = new TEsgEditBtn(form);
    edit->SetParent(form);
    edit->SetBounds(20, 20, 140, 24);
    edit->SetButtonCaption("...");
    edit->OnClickBtn = [this](TObject* Sender) { clicks.push_back(Sender); };
    units = new TEsgUnitEditBtn(form);
    units->SetParent(form);
    units->SetBounds(20, 70, 140, 24);
    for (const char* u : {"m", "mm", "kg"}) units->Units()->Add(u);
    form->Show();
    Driver.Focus(edit);
  }
  TForm* form = nullptr;
  TEsgEditBtn* edit = nullptr;
  TEsgUnitEditBtn* units = nullptr;
  std::vector<TObject*> clicks;
};

TEST_F(ESGEditTest, TheButtonAndF4Click) {
  TExtSpeedButton* b = edit->Button()->Button();
  Driver.Click(b, 3, 3);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0], edit->Button());
  Driver.PressKey(VK_F4);
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[1], edit);
  Driver.PressKey(VK_F4, TShiftState{ssCtrl});
  Driver.PressKey(VK_F4, TShiftState{ssAlt});
  Driver.SetRightHandModifiers(TShiftState{ssAlt});
  Driver.PressKey(VK_F4, TShiftState{ssAlt});
  EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(ESGEditTest, WithoutEditorEnabledNothingIsTypedButTheButtonWorks) {
  edit->SetText("abc");
  edit->SetEditorEnabled(false);
  edit->SetSelStart(3);
  Driver.Type("xy");
  Driver.PressKey(VK_BACK);
  SetClipboardText("pasted");
  edit->Perform(WM_PASTE, 0, 0);
  edit->SelectAll();
  edit->Perform(WM_CUT, 0, 0);
  EXPECT_EQ(edit->Text(), "abc");
  Driver.PressKey(VK_F4);
  Driver.Click(edit->Button()->Button(), 3, 3);
  EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(ESGEditTest, TextAndUnitSplitsAtAListedUnitAtTheEnd) {
  struct Case {
    const char* Value;
    const char* Text;
    const char* Unit;
  } cases[] = {
      {"5mm", "5", "mm"},    // "m" first occurs at position 2, not at the end: "mm" wins
      {"12 kg", "12 ", "kg"},
      {"3m", "3", "m"},
      {"7 lb", "3", "m"},    // no listed unit: nothing changes
  };
  for (const Case& c : cases) {
    units->SetTextAndUnit(c.Value);
    EXPECT_EQ(units->Text(), c.Text) << c.Value;
    EXPECT_EQ(units->UnitID(), c.Unit) << c.Value;
  }
  EXPECT_EQ(units->TextAndUnit(), "3m");
  units->Units()->Clear();
  units->SetTextAndUnit("4mm");
  EXPECT_EQ(units->TextAndUnit(), "3m");
}

TEST_F(ESGEditTest, TheUnitMenuChoosesAUnit) {
  std::vector<std::string> changes;
  units->OnUnitChanged = [&](TObject*, const std::string& u) { changes.push_back(u); };
  units->SetUnitID("m");
  ChooseMenuItem(Driver, "kg");
  Driver.Click(units->Button()->Button(), 3, 3);
  EXPECT_EQ(units->UnitID(), "kg");
  ChooseMenuItem(Driver, "kg");
  Driver.Click(units->Button()->Button(), 3, 3);
  EXPECT_EQ(changes, std::vector<std::string>{"kg"});
}

// A command identifier outside 1..count is no unit.
TEST_F(ESGEditTest, ACommandOutsideTheUnitsIsIgnored) {
  units->SetUnitID("m");
  for (int id : {0, 4, 100}) {
    units->Perform(WM_COMMAND, MakeWParam(id, 0), 0);
    EXPECT_EQ(units->UnitID(), "m") << id;
  }
  units->Perform(WM_COMMAND, MakeWParam(2, 0), 0);
  EXPECT_EQ(units->UnitID(), "mm");
}

TEST_F(ESGEditTest, AButtonColouredOnceStaysFlat) {
  TExtSpeedButton* b = edit->Button()->Button();
  EXPECT_FALSE(b->Flat());
  edit->Button()->SetButtonColor(clYellow);
  EXPECT_EQ(Driver.PixelAt(b, 2, 2), clYellow);
  EXPECT_TRUE(b->Flat());
  edit->Button()->SetButtonColor(clNone);
  Driver.Pump();
  EXPECT_TRUE(b->Flat());
}

TEST_F(ESGEditTest, Screenshot) {
  const int empty_ink = InkOf(Shot(Driver, form, "esg_edit_btn-empty.png"));
  edit->SetText("value");
  units->SetTextAndUnit("12kg");
  EXPECT_GT(InkOf(Shot(Driver, form, "esg_edit_btn.png")), empty_ink + 40) << "the text and the unit are drawn";
}

}  // namespace
