// Form controls inside HTML cells: an editor over the control, its value
// written back into the tag, Tab stepping to the cell's next editable
// control, and the combo's list from the application.

#include <string>
#include <vector>

#include "grid/editing/CellControlEditors.h"
#include "grid/foundation/EsgHTMLE.h"
#include "tests/grid/editing/GridEditFixture.h"

namespace {

class CellControlsTest : public GridEditTest {
protected:
  std::string Value(const std::string& ID) {
    std::string v;
    GetControlValue(grid->Cells(TextCol, 2), ID, v);
    return v;
  }
  const TRect at{20, 30, 100, 53};
};

TEST_F(CellControlsTest, EditControlWritesItsValueIntoTheTag) {
  grid->SetCells(TextCol, 2, "Name <CONTROL TYPE=\"EDIT\" ID=\"n\" VALUE=\"old\" MAXLEN=\"5\">");
  std::vector<std::string> done;
  grid->OnControlEditDone = [&](TObject*, int r, int c, const std::string& id, const std::string& type,
                                const std::string& v) {
    done.push_back(std::to_string(c) + "," + std::to_string(r) + " " + id + " " + type + " " + v + " cell:" +
                   Value("n"));
  };
  grid->ShowCellControl(grid->Cells(TextCol, 2), "EDIT", "n", "old", at, TextCol, TextCol, 2);
  TControlEdit* e = grid->CellControlEdit();
  ASSERT_TRUE(e && e->Visible());
  EXPECT_EQ(e->Text(), "old");
  EXPECT_EQ(e->Left(), at.Left + 1);
  EXPECT_EQ(e->Top(), at.Top + 8);
  EXPECT_EQ(e->Width(), at.Width() - 4);
  Driver.Type("abcdefgh");
  EXPECT_EQ(e->Text(), "abcde");  // MAXLEN
  Driver.PressKey(VK_RETURN);
  EXPECT_FALSE(e->Visible());
  EXPECT_FALSE(grid->CellControlEditing());
  EXPECT_EQ(Value("n"), "abcde");
  EXPECT_EQ(done, (std::vector<std::string>{"1,2 n EDIT abcde cell:abcde"}));
  grid->EndCellControlEdit(grid);  // nothing running: nothing happens
  EXPECT_EQ(done.size(), 1u);
}

TEST_F(CellControlsTest, PasswordMasksAndMaskTakesItsProp) {
  grid->SetCells(TextCol, 2,
                 "<CONTROL TYPE=\"PASSWORD\" ID=\"p\" VALUE=\"\"><CONTROL TYPE=\"MASK\" ID=\"m\" VALUE=\"\" "
                 "PROP=\"00-00\"><CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"\" PROP=\"00-00\">");
  std::string text = grid->Cells(TextCol, 2);
  grid->ShowCellControl(text, "PASSWORD", "p", "", at, TextCol, TextCol, 2);
  EXPECT_EQ(grid->CellControlEdit()->PasswordChar(), '*');
  EXPECT_EQ(grid->CellControlEdit()->EditMask(), "");
  grid->ShowCellControl(text, "MASK", "m", "", at, TextCol, TextCol, 2);
  EXPECT_EQ(grid->CellControlEdit()->PasswordChar(), 0);
  EXPECT_EQ(grid->CellControlEdit()->EditMask(), "00-00");
  grid->ShowCellControl(grid->Cells(TextCol, 2), "EDIT", "e", "", at, TextCol, TextCol, 2);
  EXPECT_EQ(grid->CellControlEdit()->EditMask(), "");
  grid->EndCellControlEdit(grid);
}

// A control is laid out (and so found) only with a WIDTH; the check box in
// between is skipped, as only text-like controls take an editor.
TEST_F(CellControlsTest, TabStepsToTheNextEditableControlThenToTheGrid) {
  grid->SetCells(TextCol, 2,
                 "<CONTROL TYPE=\"EDIT\" ID=\"a\" VALUE=\"1\" WIDTH=\"60\"><CONTROL TYPE=\"CHECK\" ID=\"c\" "
                 "VALUE=\"TRUE\" WIDTH=\"16\"><CONTROL TYPE=\"EDIT\" ID=\"b\" VALUE=\"2\" WIDTH=\"60\">");
  grid->SetColWidths(TextCol, 400);  // room for all three controls on one line
  GoTo(TextCol, 2);
  grid->ActivateCellControl(TextCol, 2, "");
  ASSERT_TRUE(grid->CellControlEditing());
  EXPECT_EQ(grid->CellControlID(), "a");
  Driver.PressKey(VK_TAB);
  ASSERT_TRUE(grid->CellControlEditing());
  EXPECT_EQ(grid->CellControlID(), "b");
  EXPECT_EQ(grid->CellControlEdit()->Text(), "2");
  grid->CellControlEdit()->SetText("22");
  Driver.PressKey(VK_TAB);
  EXPECT_FALSE(grid->CellControlEditing());
  EXPECT_TRUE(grid->Focused());
  EXPECT_EQ(Value("b"), "22");
  EXPECT_EQ(Value("a"), "1");
}

TEST_F(CellControlsTest, ComboTakesItsListFromTheApplication) {
  grid->SetCells(TextCol, 2, "<CONTROL TYPE=\"COMBO\" ID=\"k\" VALUE=\"Two\">");
  std::vector<std::string> picks;
  bool editable = false;
  grid->OnControlComboList = [&](TObject*, int, int, const std::string&, const std::string&, const std::string&,
                                 TStrings* values, bool& edit, int& count) {
    for (const char* s : {"One", "Two", "Three"}) values->Add(s);
    edit = editable;
    count = 3;
  };
  grid->OnControlComboSelect = [&](TObject*, int r, int c, int i, const std::string& id, const std::string& v) {
    picks.push_back(std::to_string(c) + "," + std::to_string(r) + " " + id + " " + std::to_string(i) + " " + v);
  };
  grid->ShowCellControl(grid->Cells(TextCol, 2), "COMBO", "k", "Two", at, TextCol, TextCol, 2);
  TControlCombo* c = grid->CellControlCombo();
  ASSERT_TRUE(c && c->Visible());
  EXPECT_EQ(c->Style(), csDropDownList);
  EXPECT_EQ(c->ItemIndex(), 1);
  EXPECT_EQ(c->DropDownCount(), 3);
  c->SetItemIndex(2);
  if (c->OnSelect) c->OnSelect(c);
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(Value("k"), "Three");
  EXPECT_EQ(picks, (std::vector<std::string>{"1,2 k 2 Three"}));
  editable = true;
  grid->ShowCellControl(grid->Cells(TextCol, 2), "COMBO", "k", "Three", at, TextCol, TextCol, 2);
  EXPECT_EQ(c->Style(), csDropDown);
  grid->EndCellControlEdit(grid);
}

// A cell changed meanwhile so that it lacks the control keeps its text.
TEST_F(CellControlsTest, CellWithoutTheControlAnyMoreIsLeftAlone) {
  grid->SetCells(TextCol, 2, "<CONTROL TYPE=\"EDIT\" ID=\"x\" VALUE=\"v\">");
  grid->ShowCellControl(grid->Cells(TextCol, 2), "EDIT", "x", "v", at, TextCol, TextCol, 2);
  grid->SetCells(TextCol, 2, "plain now");
  grid->EndCellControlEdit(grid);
  EXPECT_EQ(grid->Cells(TextCol, 2), "plain now");
}

}  // namespace
