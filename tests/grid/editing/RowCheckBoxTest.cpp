// Row check boxes: column 0's boxes select their rows, the header's box
// all normal rows; their state is the row selection, never the cell text.

#include <string>
#include <vector>

#include "tests/grid/editing/GridEditFixture.h"

namespace {

class RowCheckBoxTest : public GridEditTest {
protected:
  void SetUp() override {
    GridEditTest::SetUp();
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->MouseActions()->SetHotmailRowSelect(true);
  }
};

TEST_F(RowCheckBoxTest, ColumnZeroHoldsTheSharedRowBox) {
  TCellGraphic* g = grid->GetCellGraphic(0, 2);
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->CellType, ctRowCheckBox);
  EXPECT_EQ(grid->GetCellType(0, 2), ctRowCheckBox);
  EXPECT_TRUE(grid->HasCheckBox(0, 2));
  EXPECT_EQ(grid->GetCellGraphic(0, 3), g);  // one shared object
}

TEST_F(RowCheckBoxTest, ToggleSelectsTheRowAndWritesNoText) {
  std::vector<std::string> changes;
  grid->OnCheckBoxChange = [&](TObject*, int c, int r, bool s) {
    changes.push_back(std::to_string(c) + "," + std::to_string(r) + (s ? " on" : " off"));
  };
  EXPECT_TRUE(grid->ToggleCheckBox(0, 2));
  EXPECT_TRUE(grid->RowSelect(2));
  EXPECT_TRUE(grid->IsChecked(0, 2));
  EXPECT_EQ(grid->Cells(0, 2), "2");
  EXPECT_TRUE(grid->ToggleCheckBox(0, 2));
  EXPECT_FALSE(grid->RowSelect(2));
  EXPECT_EQ(grid->Cells(0, 2), "2");
  EXPECT_EQ(changes, (std::vector<std::string>{"0,2 on", "0,2 off"}));
}

TEST_F(RowCheckBoxTest, HeaderBoxShowsAndSetsAllRows) {
  TCellGraphic* header = grid->GetCellGraphic(0, 0);
  EXPECT_FALSE(header->CellBoolean);
  EXPECT_EQ(header->CellAngle, 0);
  grid->SetCheckBoxState(0, 3, true);
  header = grid->GetCellGraphic(0, 0);
  EXPECT_EQ(header->CellAngle, 1);  // some but not all
  EXPECT_FALSE(header->CellBoolean);
  grid->ToggleCheckBox(0, 0);
  for (int r = 1; r < grid->RowCount(); ++r) EXPECT_TRUE(grid->RowSelect(r)) << r;
  header = grid->GetCellGraphic(0, 0);
  EXPECT_TRUE(header->CellBoolean);
  EXPECT_EQ(header->CellAngle, 0);
  grid->ToggleCheckBox(0, 0);
  for (int r = 1; r < grid->RowCount(); ++r) EXPECT_FALSE(grid->RowSelect(r)) << r;
}

TEST_F(RowCheckBoxTest, ChangeStateFiresOnlyOnAChange) {
  int fired = 0;
  grid->OnCheckBoxChange = [&](TObject*, int, int, bool) { ++fired; };
  EXPECT_TRUE(grid->ChangeCheckBoxState(0, 4, true));
  EXPECT_TRUE(grid->ChangeCheckBoxState(0, 4, true));
  EXPECT_EQ(fired, 1);
  EXPECT_TRUE(grid->RowSelect(4));
  EXPECT_FALSE(grid->ChangeCheckBoxState(1, 4, true));  // only column 0 holds row boxes
}

TEST_F(RowCheckBoxTest, ReplacingColumnZerosGraphicNeverFreesTheShared) {
  TCellGraphic* shared = grid->GetCellGraphic(0, 2);
  grid->AddCheckBox(0, 2, true, false);
  grid->RemoveCellGraphic(0, 2);
  EXPECT_EQ(grid->GetCellGraphic(0, 2), shared);
  EXPECT_EQ(shared->CellType, ctRowCheckBox);
}

}  // namespace
