// A custom editor link edits cells with a control of the application's:
// shown over the cell with its text, ended by the exit keys with the grid's
// validation and advance, hooked while it edits, forgotten when freed.

#include <memory>
#include <string>
#include <vector>

#include "grid/editing/EditLink.h"
#include "tests/grid/editing/GridEditFixture.h"
#include "toolkit/forms/std/Edit.h"
#include "toolkit/forms/WinApi.h"

namespace {

// A link around a plain edit, as an application would write one.
class TEditBoxLink : public TEditLink {
public:
  using TEditLink::TEditLink;
  TWinControl* GetEditControl() override { return FEdit; }
  void CreateEditor(TWinControl* AParent) override {
    ++Creates;
    if (!FEdit) {
      FEdit = new TEdit(this);
      FEdit->OnKeyDown = [this](TObject* Sender, uint16_t& Key, TShiftState Shift) { EditKeyDown(Sender, Key, Shift); };
    }
    FEdit->SetParent(AParent);
  }
  void DestroyEditor() override {
    delete FEdit;
    FEdit = nullptr;
  }
  std::string GetEditorValue() override { return FEdit ? FEdit->Text() : ""; }
  void SetEditorValue(const std::string& S) override {
    if (FEdit) FEdit->SetText(S);
  }
  TEdit* FEdit = nullptr;
  int Creates = 0;
};

class EditLinkTest : public GridEditTest {
protected:
  void SetUp() override {
    GridEditTest::SetUp();
    link = new TEditBoxLink(form);
    grid->Columns()->Items(TextCol)->SetEditor(edCustom);
    grid->Columns()->Items(TextCol)->SetEditLink(link);
  }
  bool LinkShown() { return link->FEdit && link->FEdit->Visible(); }
  void Open(int ARow) {
    GoTo(TextCol, ARow);
    Driver.PressKey(VK_F2);
  }
  TEditBoxLink* link = nullptr;
};

TEST_F(EditLinkTest, ShowsTheCellTextAndStoresTheValueOnEnter) {
  std::vector<std::string> done;
  grid->OnEditCellDone = [&](TObject*, int c, int r) { done.push_back(std::to_string(c) + "," + std::to_string(r)); };
  Open(2);
  ASSERT_TRUE(LinkShown());
  EXPECT_EQ(link->FEdit->Text(), "row2");
  EXPECT_EQ(grid->EditCtrl, link->FEdit);
  EXPECT_EQ(link->Grid(), grid);
  EXPECT_EQ(link->EditCell(), (TPoint{TextCol, 2}));
  TRect cell = grid->CellRect(TextCol, 2);
  EXPECT_EQ(link->FEdit->Left(), cell.Left);
  EXPECT_EQ(link->FEdit->Width(), cell.Width() - grid->GridLineWidth());
  link->FEdit->SelectAll();
  Driver.Type("abc");
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Cells(TextCol, 2), "abc");
  EXPECT_FALSE(LinkShown());
  EXPECT_FALSE(grid->EditMode);
  EXPECT_EQ(done, (std::vector<std::string>{"1,2"}));
}

TEST_F(EditLinkTest, EscapePutsTheStartTextBack) {
  Open(3);
  link->FEdit->SelectAll();
  Driver.Type("zzz");
  Driver.PressKey(VK_ESCAPE);
  EXPECT_EQ(grid->Cells(TextCol, 3), "row3");
  EXPECT_FALSE(LinkShown());
}

// Which keys end the edit: the exit keys unless the link keeps them.
TEST_F(EditLinkTest, ExitKeysAndKeptKeys) {
  struct Case {
    const char* Name;
    uint16_t Key;
    TShiftState Shift;
    std::function<void(TEditLink*)> Keep;
    bool Ends;
  } cases[] = {
      {"Home", VK_HOME, {}, nullptr, false},
      {"End", VK_END, {}, nullptr, true},
      {"End kept", VK_END, {}, [](TEditLink* l) { l->SetWantKeyHomeEnd(true); }, false},
      {"PageDown", VK_NEXT, {}, nullptr, true},
      {"PageDown kept", VK_NEXT, {}, [](TEditLink* l) { l->SetWantKeyPriorNext(true); }, false},
      {"Alt+Down", VK_DOWN, {ssAlt}, nullptr, true},
      {"Alt+Down kept", VK_DOWN, {ssAlt}, [](TEditLink* l) { l->SetWantKeyUpDown(true); }, false},
      {"Left kept", VK_LEFT, {}, [](TEditLink* l) { l->SetWantKeyLeftRight(true); }, false},
      {"Enter kept", VK_RETURN, {}, [](TEditLink* l) { l->SetWantKeyReturn(true); }, false},
      {"letter", 'A', {}, nullptr, false},
  };
  for (const Case& c : cases) {
    link->SetWantKeyHomeEnd(false);
    link->SetWantKeyPriorNext(false);
    link->SetWantKeyUpDown(false);
    link->SetWantKeyLeftRight(false);
    link->SetWantKeyReturn(false);
    if (c.Keep) c.Keep(link);
    Open(2);
    ASSERT_TRUE(LinkShown()) << c.Name;
    Driver.PressKey(c.Key, c.Shift);
    EXPECT_EQ(!LinkShown(), c.Ends) << c.Name;
    if (LinkShown()) Driver.PressKey(VK_ESCAPE);
  }
}

TEST_F(EditLinkTest, ArrowAfterAnAcceptedValueMovesTheCursor) {
  Open(2);
  Driver.PressKey(VK_DOWN);
  EXPECT_FALSE(LinkShown());
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_FALSE(link->FEdit->Enabled());
}

TEST_F(EditLinkTest, EnterAdvancesAndReopensWithAdvanceSettings) {
  grid->Navigation()->SetAdvanceOnEnter(true);
  grid->Navigation()->SetAdvanceDirection(adTopBottom);
  grid->Navigation()->SetAdvanceAutoEdit(true);
  Open(2);
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_TRUE(LinkShown());
  EXPECT_EQ(link->FEdit->Text(), "row3");
}

TEST_F(EditLinkTest, TabToNextAtEndMovesOnAndReopensThereByPostedF2) {
  grid->Columns()->Items(ListCol)->SetEditor(edCustom);
  grid->Columns()->Items(ListCol)->SetEditLink(link);
  grid->Navigation()->SetTabToNextAtEnd(true);
  TGridOptions o = grid->Options();
  o.Include(goTabs);
  grid->SetOptions(o);
  Open(2);
  Driver.PressKey(VK_TAB);
  EXPECT_EQ(grid->Col(), ListCol);
  EXPECT_TRUE(LinkShown());
  EXPECT_EQ(link->FEdit->Text(), "Word");
}

TEST_F(EditLinkTest, RefusedValueReopensTheEditorOnTheCell) {
  grid->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) { valid = v != "bad"; };
  Open(2);
  link->FEdit->SelectAll();
  Driver.Type("bad");
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Cells(TextCol, 2), "row2");
  EXPECT_TRUE(LinkShown());
  EXPECT_EQ(grid->Row(), 2);
}

TEST_F(EditLinkTest, HookAnswersDialogCodesOnlyWhileEditing) {
  TGridOptions o = grid->Options();
  o.Include(goTabs);
  grid->SetOptions(o);
  Open(2);
  ASSERT_EQ(grid->HookedEditControl(), link->FEdit);
  EXPECT_EQ(link->FEdit->Perform(WM_GETDLGCODE), static_cast<LRESULT>(DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS));
  Driver.PressKey(VK_ESCAPE);
  EXPECT_EQ(grid->HookedEditControl(), nullptr);
  TEdit plain(nullptr);
  EXPECT_EQ(link->FEdit->Perform(WM_GETDLGCODE), plain.Perform(WM_GETDLGCODE));
}

// The grid's one saved procedure never lands on a control it was not taken from.
TEST_F(EditLinkTest, UnhookingAForeignControlLeavesItAlone) {
  Open(2);
  TEdit other(nullptr);
  bool reached = false;
  other.SetWindowProc([&](TMessage& m) {
    reached = true;
    other.WndProc(m);
  });
  grid->UnhookEditControl(&other);
  other.Perform(WM_NULL);
  EXPECT_TRUE(reached);
  EXPECT_EQ(grid->HookedEditControl(), link->FEdit);
  Driver.PressKey(VK_ESCAPE);
}

TEST_F(EditLinkTest, AFreedLinkIsForgottenByGridAndColumns) {
  Open(2);
  ASSERT_EQ(grid->EditLink(), link);
  delete link;
  link = nullptr;
  EXPECT_EQ(grid->EditLink(), nullptr);
  EXPECT_EQ(grid->Columns()->Items(TextCol)->EditLink(), nullptr);
  EXPECT_FALSE(grid->EditMode);
  EXPECT_EQ(grid->HookedEditControl(), nullptr);
  GoTo(TextCol, 3);
  Driver.PressKey(VK_F2);  // nothing to show, nothing to crash on
  EXPECT_EQ(grid->Cells(TextCol, 3), "row3");
}

TEST_F(EditLinkTest, LinkFreedBeforeAnyEditIsForgottenToo) {
  delete link;
  link = nullptr;
  EXPECT_EQ(grid->Columns()->Items(TextCol)->EditLink(), nullptr);
}

TEST_F(EditLinkTest, PopupLinkOpensAtTheCellAsWideAsItWithAutoPopupWidth) {
  link->SetEditStyle(esPopup);
  link->SetAutoPopupWidth(true);
  link->SetPopupHeight(60);
  Open(2);
  ASSERT_NE(link->PopupForm(), nullptr);
  TRect cell = grid->CellRect(TextCol, 2);
  TPoint at = grid->ClientToScreen({cell.Left, cell.Top});
  EXPECT_EQ(link->PopupForm()->Left(), at.X);
  EXPECT_EQ(link->PopupForm()->Top(), at.Y);
  EXPECT_EQ(link->PopupForm()->Width(), cell.Width());
  EXPECT_EQ(link->PopupForm()->Name(), "gridform");
  ASSERT_TRUE(LinkShown());
  EXPECT_EQ(link->FEdit->Parent(), link->PopupForm());
  link->FEdit->SelectAll();
  EXPECT_TRUE(link->FEdit->Focused());
  Driver.Type("pop");
  EXPECT_EQ(link->FEdit->Text(), "pop");
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Cells(TextCol, 2), "pop");
  EXPECT_EQ(link->FEdit, nullptr);  // a popup control is destroyed after its edit
  EXPECT_FALSE(link->PopupForm()->Visible());
}

}  // namespace

namespace {

// The user leaving the popup form stores the value, closes the form, and
// keeps the grid from opening an editor on that one focus change only.
TEST_F(EditLinkTest, PopupLeftByTheUserStoresAndGuardsOneFocusChange) {
  link->SetEditStyle(esPopup);
  link->SetPopupWidth(80);
  link->SetPopupHeight(40);
  Open(3);
  ASSERT_TRUE(LinkShown());
  link->FEdit->SetText("left");
  TForm* popup = link->PopupForm();
  popup->OnDeactivate(popup);
  EXPECT_EQ(grid->Cells(TextCol, 3), "left");
  EXPECT_FALSE(popup->Visible());
  EXPECT_TRUE(grid->FocusChangeGuarded());
  Driver.Pump();
  EXPECT_FALSE(grid->FocusChangeGuarded());
  popup->OnDeactivate(popup);  // a late deactivation changes nothing
  EXPECT_EQ(grid->Cells(TextCol, 3), "left");
}

}  // namespace
