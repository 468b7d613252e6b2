#include "toolkit/forms/std/Button.h"
#include "toolkit/forms/std/Edit.h"
#include "toolkit/forms/std/Label.h"
#include "toolkit/forms/std/MaskEdit.h"

#include "ControlFixture.h"

namespace {

class ButtonTest : public ControlFixture {};

TEST_F(ButtonTest, MouseClickAndSpaceClick) {
  TButton* b = Make<TButton>();
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  Click(b, 5, 5);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(b->Focused());
  Key(b, VK_SPACE);
  EXPECT_EQ(clicks, 2);
  // A press that leaves the button before the release is no click.
  Driver.MouseDown(b, 5, 5);
  Driver.MouseMove(b, 200, 200);
  Driver.MouseUp(b, 200, 200);
  EXPECT_EQ(clicks, 2);
}

TEST_F(ButtonTest, EnterPressesTheDefaultButtonAndEscTheCancelButton) {
  TEdit* e = Make<TEdit>(10, 10);
  TButton* ok = Make<TButton>(10, 50);
  TButton* cancel = Make<TButton>(100, 50);
  ok->SetDefault(true);
  cancel->SetCancel(true);
  std::string pressed;
  ok->OnClick = [&](TObject*) { pressed += "ok "; };
  cancel->OnClick = [&](TObject*) { pressed += "cancel "; };
  Key(e, VK_RETURN);
  Key(e, VK_ESCAPE);
  EXPECT_EQ(pressed, "ok cancel ");
}

TEST_F(ButtonTest, ModalResultEndsTheModalForm) {
  TForm* dlg = new TForm(Application);
  dlg->SetBounds(50, 50, 200, 100);
  auto* yes = new TButton(dlg);
  yes->SetParent(dlg);
  yes->SetModalResult(mrYes);
  Driver.InModal([&] { Driver.Click(yes, 5, 5); });
  EXPECT_EQ(dlg->ShowModal(), mrYes);
}

TEST_F(ButtonTest, TabMovesThroughTheTabOrder) {
  TEdit* a = Make<TEdit>(10, 10);
  TButton* b = Make<TButton>(10, 40);
  TEdit* c = Make<TEdit>(10, 80);
  Driver.Focus(a);
  Driver.PressKey(VK_TAB);
  EXPECT_TRUE(b->Focused());
  Driver.PressKey(VK_TAB);
  EXPECT_TRUE(c->Focused());
  Driver.PressKey(VK_TAB, {ssShift});
  EXPECT_TRUE(b->Focused());
}

TEST_F(ButtonTest, CheckBoxCyclesAndFiresOnClickForEveryChange) {
  TCheckBox* cb = Make<TCheckBox>();
  cb->SetCaption("&Check");
  int clicks = 0;
  cb->OnClick = [&](TObject*) { ++clicks; };
  Click(cb, 5, 5);
  EXPECT_TRUE(cb->Checked());
  Key(cb, VK_SPACE);
  EXPECT_EQ(cb->State(), cbUnchecked);
  cb->SetAllowGrayed(true);
  cb->SetChecked(true);  // programmatic: OnClick too
  Key(cb, VK_SPACE);
  EXPECT_EQ(cb->State(), cbGrayed);
  EXPECT_EQ(clicks, 4);
  cb->SetState(cbGrayed);  // no change, no event
  EXPECT_EQ(clicks, 4);
  EXPECT_EQ(SendMessage(cb->Handle(), BM_GETCHECK), cbGrayed);
}

TEST_F(ButtonTest, RadioButtonsExcludeEachOther) {
  TRadioButton* a = Make<TRadioButton>(10, 10);
  TRadioButton* b = Make<TRadioButton>(10, 30);
  a->SetChecked(true);
  Click(b, 5, 5);
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
}

TEST_F(ButtonTest, LabelAcceleratorFocusesItsControl) {
  TLabel* l = Make<TLabel>(10, 10);
  TEdit* e = Make<TEdit>(10, 40);
  TButton* b = Make<TButton>(10, 80);
  l->SetCaption("&Name");
  l->SetFocusControl(e);
  Driver.Focus(b);
  // Alt+N goes the desktop's way: WM_SYSKEYDOWN, WM_SYSCHAR, CM_DIALOGCHAR.
  Driver.PressKey('N', {ssAlt});
  EXPECT_TRUE(e->Focused());
  EXPECT_GT(l->Width(), 0);  // AutoSize measured the caption
}

TEST_F(ButtonTest, MaskEditTypesIntoPositionsAndValidatesOnExit) {
  TMaskEdit* m = Make<TMaskEdit>(10, 10);
  TButton* b = Make<TButton>(10, 50);
  m->SetEditMask("!99/99/0000;1;_");
  EXPECT_EQ(m->EditText(), "__/__/____");
  Driver.Focus(m);
  m->SetSelStart(0);
  Driver.Type("12a05");  // the letter is refused
  EXPECT_EQ(m->EditText(), "12/05/____");
  EXPECT_EQ(m->Text(), "12/05/    ");
  EXPECT_GE(Driver.Beeps(), 1);
  Driver.ExpectMessage("", mrOk);  // the validation error box
  Driver.PressKey(VK_TAB);
  ASSERT_EQ(Driver.MessageBoxes().size(), 1u);
  EXPECT_EQ(Driver.MessageBoxes()[0].Text.rfind(SMaskEditErr, 0), 0u);
  EXPECT_TRUE(m->Focused());
  EXPECT_EQ(m->SelStart(), 6);
  Driver.Type("2026");
  Driver.PressKey(VK_TAB);
  EXPECT_TRUE(b->Focused());
  EXPECT_EQ(m->Text(), "12/05/2026");
}

TEST_F(ButtonTest, AnInvalidMaskEditCanBeDestroyedWhileFocused) {
  TForm* f = new TForm(Application);
  f->SetBounds(20, 20, 200, 100);
  auto* m = new TMaskEdit(f);
  m->SetParent(f);
  m->SetEditMask("000;1;_");
  f->Show();
  Driver.Focus(m);
  Driver.Type("1");
  delete f;  // no validation error box, no exception out of the destructor
  Pump();
  EXPECT_TRUE(Driver.MessageBoxes().empty());
}

}  // namespace
