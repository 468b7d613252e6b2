// Y/N check columns: toggled by a click on the box and by Space, never
// through an editor; the state lives in the cell text.

#include <string>
#include <vector>

#include "tests/grid/editing/GridEditFixture.h"

namespace {

TEST_F(GridEditTest, CheckColumnTogglesByClickAndSpace) {
  std::vector<std::string> clicks;
  grid->OnCheckBoxClick = [&](TObject*, int c, int r, bool s) {
    clicks.push_back(std::to_string(c) + "," + std::to_string(r) + (s ? " on" : " off"));
  };
  EXPECT_TRUE(grid->HasDataCheckBox(CheckCol, 2));
  TPoint p = Middle(CheckCol, 2);
  Driver.Click(grid, p.X, p.Y);
  EXPECT_EQ(grid->Cells(CheckCol, 2), "Y");
  EXPECT_FALSE(TextEditorShown());
  Driver.PressKey(VK_SPACE);
  EXPECT_EQ(grid->Cells(CheckCol, 2), "N");
  EXPECT_FALSE(TextEditorShown());
  EXPECT_EQ(clicks, (std::vector<std::string>{"3,2 on", "3,2 off"}));
}

TEST_F(GridEditTest, CheckCellOpensNoEditorByKeyOrTyping) {
  GoTo(CheckCol, 3);
  Driver.PressKey(VK_F2);
  Driver.Type("x");
  EXPECT_FALSE(TextEditorShown());
  EXPECT_FALSE(ComboShown());
  EXPECT_EQ(grid->Cells(CheckCol, 3), "N");
}

TEST_F(GridEditTest, ReadOnlyCheckColumnDoesNotToggle) {
  grid->Columns()->Items(CheckCol)->SetReadOnly(true);
  GoTo(CheckCol, 1);
  Driver.PressKey(VK_SPACE);
  EXPECT_EQ(grid->Cells(CheckCol, 1), "N");
}

TEST_F(GridEditTest, ColumnCheckTextsDecideTheState) {
  grid->Columns()->Items(CheckCol)->SetCheckTrue("1");
  grid->Columns()->Items(CheckCol)->SetCheckFalse("0");
  grid->SetCells(CheckCol, 4, "1");
  EXPECT_TRUE(grid->IsChecked(CheckCol, 4));
  grid->SetCells(CheckCol, 4, "y");  // exact and case-sensitive
  EXPECT_FALSE(grid->IsChecked(CheckCol, 4));
  GoTo(CheckCol, 4);
  Driver.PressKey(VK_SPACE);
  EXPECT_EQ(grid->Cells(CheckCol, 4), "1");
}

TEST_F(GridEditTest, CheckAllFiresOnlyForChangedBoxes) {
  int changes = 0;
  grid->OnCheckBoxChange = [&](TObject*, int, int, bool) { ++changes; };
  grid->SetCells(CheckCol, 1, "Y");
  grid->CheckAll(CheckCol);
  EXPECT_EQ(changes, 4);
  for (int r = 1; r < 6; ++r) EXPECT_EQ(grid->Cells(CheckCol, r), "Y") << r;
  grid->CheckAll(CheckCol);
  EXPECT_EQ(changes, 4);
  grid->UnCheckAll(CheckCol);
  EXPECT_EQ(grid->Cells(CheckCol, 5), "N");
}

}  // namespace
