// Text cells edited in place as a user does it: F2 or typing starts an edit,
// Enter, Tab and the arrows end it, Esc cancels, OnCellValidate decides.

#include <string>
#include <vector>

#include "tests/grid/editing/GridEditFixture.h"

namespace {

TEST_F(GridEditTest, F2OpensTheEditorAndEnterWritesBack) {
  std::vector<std::string> log;
  grid->OnCellValidate = [&](TObject*, int c, int r, std::string& v, bool&) {
    log.push_back("validate " + std::to_string(c) + "," + std::to_string(r) + " " + v);
  };
  grid->OnEditingDone = [&](TObject*) { log.push_back("editing done"); };
  grid->OnEditCellDone = [&](TObject*, int c, int r) {
    log.push_back("cell done " + std::to_string(c) + "," + std::to_string(r));
  };
  GoTo(TextCol, 2);
  Driver.PressKey(VK_F2);
  ASSERT_TRUE(TextEditorShown());
  EXPECT_EQ(grid->NormalEdit()->Text(), "row2");
  Driver.PressKey(VK_END);
  Driver.Type("x");
  Driver.PressKey(VK_RETURN);
  EXPECT_FALSE(TextEditorShown());
  EXPECT_EQ(grid->Cells(TextCol, 2), "row2x");
  EXPECT_EQ(log, (std::vector<std::string>{"validate 1,2 row2x", "editing done", "cell done 1,2"}));
}

TEST_F(GridEditTest, TypingStartsTheEditAndReplacesTheText) {
  GoTo(TextCol, 3);
  Driver.Type("abc");
  ASSERT_TRUE(TextEditorShown());
  EXPECT_EQ(grid->NormalEdit()->Text(), "abc");
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Cells(TextCol, 3), "abc");
}

TEST_F(GridEditTest, EscRestoresTheTextTheEditStartedWith) {
  GoTo(TextCol, 1);
  Driver.Type("changed");
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(TextEditorShown());
  EXPECT_EQ(grid->Cells(TextCol, 1), "row1");
}

TEST_F(GridEditTest, RefusedValueGoesBackAndTheEditorStaysOpen) {
  int calls = 0;
  grid->OnCellValidate = [&](TObject*, int, int, std::string& v, bool& valid) {
    ++calls;
    valid = v != "bad";
  };
  GoTo(TextCol, 2);
  Driver.Type("bad");
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(calls, 1);  // once per Enter
  EXPECT_EQ(grid->Cells(TextCol, 2), "row2");
  ASSERT_TRUE(TextEditorShown());
  EXPECT_EQ(grid->NormalEdit()->Text(), "bad");  // the refused text, all selected, to be corrected
  EXPECT_EQ(grid->NormalEdit()->SelLength(), 3);
  EXPECT_EQ(grid->Col(), TextCol);
  EXPECT_EQ(grid->Row(), 2);
  Driver.Type("good");
  Driver.PressKey(VK_RETURN);
  EXPECT_FALSE(TextEditorShown());
  EXPECT_EQ(grid->Cells(TextCol, 2), "good");
}

TEST_F(GridEditTest, HandlerReplacementIsStored) {
  grid->OnCellValidate = [&](TObject*, int, int, std::string& v, bool&) { v = "[" + v + "]"; };
  GoTo(TextCol, 4);
  Driver.Type("v");
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Cells(TextCol, 4), "[v]");
}

TEST_F(GridEditTest, ArrowDownValidatesAndMovesOn) {
  int validated = 0;
  grid->OnCellValidate = [&](TObject*, int, int, std::string&, bool&) { ++validated; };
  GoTo(TextCol, 1);
  Driver.Type("new");
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(validated, 1);
  EXPECT_EQ(grid->Cells(TextCol, 1), "new");
  EXPECT_EQ(grid->Row(), 2);
}

TEST_F(GridEditTest, UnchangedValueIsNotValidated) {
  int validated = 0;
  grid->OnCellValidate = [&](TObject*, int, int, std::string&, bool&) { ++validated; };
  GoTo(TextCol, 1);
  Driver.PressKey(VK_F2);
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(validated, 0);
  grid->SetAlwaysValidate(true);
  Driver.PressKey(VK_F2);
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(validated, 1);
}

TEST_F(GridEditTest, TabEndsTheEditAndMovesToTheNextCell) {
  TGridOptions o = grid->Options();
  o.Include(goTabs);
  grid->SetOptions(o);
  GoTo(TextCol, 2);
  Driver.Type("t");
  Driver.PressKey(VK_TAB);
  EXPECT_EQ(grid->Cells(TextCol, 2), "t");
  EXPECT_EQ(grid->Col(), ListCol);
  EXPECT_FALSE(TextEditorShown());
}

TEST_F(GridEditTest, CellBeyondAHiddenColumnIsWrittenAtItsRealColumn) {
  grid->HideColumn(TextCol);
  // Displayed column 1 is now the list column, displayed 2 the check column.
  grid->Columns()->Items(ListCol)->SetEditor(edNormal);
  GoTo(1, 3);
  Driver.Type("Quad");
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Cells(ListCol, 3), "Quad");
  EXPECT_EQ(grid->Cells(TextCol, 3), "row3");
}

TEST_F(GridEditTest, ReadOnlyColumnOpensNoEditor) {
  grid->Columns()->Items(TextCol)->SetReadOnly(true);
  GoTo(TextCol, 2);
  Driver.Type("z");
  Driver.PressKey(VK_F2);
  EXPECT_FALSE(TextEditorShown());
  EXPECT_EQ(grid->Cells(TextCol, 2), "row2");
}

TEST_F(GridEditTest, NumericColumnFiltersTypedCharacters) {
  grid->Columns()->Items(TextCol)->SetEditor(edNumeric);
  GoTo(TextCol, 1);
  int beeps = Driver.Beeps();
  Driver.Type("-12a3");
  EXPECT_EQ(grid->NormalEdit()->Text(), "-123");
  EXPECT_EQ(Driver.Beeps(), beeps + 1);
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Cells(TextCol, 1), "-123");
}

}  // namespace
