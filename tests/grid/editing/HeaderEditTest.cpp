// Editing header cells: the click that opens the editor, the editor kind
// and list the application chooses, validation keeping the edit open, and
// the text written when the editor is left.

#include <string>
#include <vector>

#include "grid/editing/GridTransEdit.h"
#include "tests/grid/core/InputFixture.h"

namespace {

class HeaderEditTest : public InputTest {
protected:
  void SetUp() override {
    InputTest::SetUp();
    for (int c = 0; c < 5; ++c) grid->SetCells(c, 0, "H" + std::to_string(c));
    grid->SetCells(0, 3, "R3");
  }
  // Leaving the header editor: a press on a normal cell.
  void Leave() { ClickCell(3, 5); }
};

TEST_F(HeaderEditTest, DoubleClickEditsAHeaderCellAndLeavingWritesIt) {
  grid->MouseActions()->SetFixedRowsEdit(fceDblClick);
  std::vector<std::string> changes;
  grid->OnEditChange = [&](TObject*, int c, int r, const std::string& v) {
    changes.push_back(std::to_string(c) + "," + std::to_string(r) + " " + v);
  };
  TRect r = grid->CellRect(2, 0);
  Driver.DoubleClick(grid, r.Left + 20, r.Top + 10);
  TGridTransEdit* e = grid->HeaderEdit();
  ASSERT_TRUE(e->Visible());
  EXPECT_TRUE(grid->HeaderEditing());
  EXPECT_EQ(e->Text(), "H2");
  EXPECT_EQ(e->Left(), r.Left + 1);
  EXPECT_EQ(e->Width(), r.Width() - 2);
  e->SelectAll();
  Driver.Type("Name");
  Driver.PressKey(VK_RETURN);  // Enter does not end it
  EXPECT_TRUE(e->Visible());
  Leave();
  EXPECT_FALSE(e->Visible());
  EXPECT_EQ(grid->Cells(2, 0), "Name");
  ASSERT_FALSE(changes.empty());
  EXPECT_EQ(changes.back(), "2,0 Name");
}

TEST_F(HeaderEditTest, RefusedTextKeepsTheEditorOnItsCell) {
  grid->MouseActions()->SetFixedRowsEdit(fceDblClick);
  bool accept = false;
  grid->OnCellValidate = [&](TObject*, int, int, std::string& v, bool& Valid) {
    Valid = accept;
    v += "!";
  };
  TRect r = grid->CellRect(2, 0);
  Driver.DoubleClick(grid, r.Left + 20, r.Top + 10);
  TGridTransEdit* e = grid->HeaderEdit();
  e->SetText("bad");
  Leave();
  EXPECT_TRUE(e->Visible());
  EXPECT_TRUE(e->Focused());
  EXPECT_EQ(grid->Cells(2, 0), "H2");
  TRect other = grid->CellRect(3, 0);
  Driver.DoubleClick(grid, other.Left + 20, other.Top + 10);  // refused again: no second edit
  EXPECT_EQ(e->Col(), 2);
  accept = true;
  Leave();
  EXPECT_FALSE(e->Visible());
  EXPECT_EQ(grid->Cells(2, 0), "bad!");
}

TEST_F(HeaderEditTest, ApplicationChoosesAComboAndItsList) {
  grid->MouseActions()->SetFixedRowsEdit(fceLeftClick);
  grid->MouseActions()->FixedComboValues()->Add("Alpha");
  grid->OnFixedEdit = [](TObject*, int, int, TGridFixedCellEditor& kind, TStrings* values) {
    kind = fceComboList;
    values->Add("Beta");
  };
  ClickCell(2, 0, {}, 20, 10);
  TGridTransCombo* c = grid->HeaderCombo();
  ASSERT_TRUE(c->Visible());
  EXPECT_FALSE(grid->HeaderEdit()->Visible());
  EXPECT_EQ(c->Style(), csDropDownList);
  ASSERT_EQ(c->Items()->Count(), 2);
  EXPECT_EQ(c->Items()->Strings(1), "Beta");
  c->SetItemIndex(1);
  Leave();
  EXPECT_EQ(grid->Cells(2, 0), "Beta");
}

TEST_F(HeaderEditTest, ClicksThatDoNotOpenTheEditor) {
  // A left press near a sizable border is the sizing's; a refused cell never opens.
  grid->MouseActions()->SetFixedRowsEdit(fceLeftClick);
  Options({goColSizing});
  ClickCell(2, 0, {}, 2, 10);
  EXPECT_FALSE(grid->HeaderEditing());
  grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
  ClickCell(2, 0, {}, 20, 10);
  EXPECT_FALSE(grid->HeaderEditing());
}

TEST_F(HeaderEditTest, ColumnZeroAloneTakesTheFixedColumnsEditor) {
  grid->SetFixedCols(2);
  grid->MouseActions()->SetFixedColsEdit(fceRightClick);
  grid->MouseActions()->SetFixedColsEditor(fceComboEdit);
  grid->MouseActions()->SetFixedRowsEditor(fceEdit);
  TRect r0 = grid->CellRect(0, 3);
  Driver.RightClick(grid, r0.Left + 20, r0.Top + 10);
  EXPECT_TRUE(grid->HeaderCombo()->Visible());
  EXPECT_EQ(grid->HeaderCombo()->Text(), "R3");
  TRect r1 = grid->CellRect(1, 3);
  Driver.RightClick(grid, r1.Left + 20, r1.Top + 10);
  EXPECT_FALSE(grid->HeaderCombo()->Visible());
  EXPECT_TRUE(grid->HeaderEdit()->Visible());
}

}  // namespace
