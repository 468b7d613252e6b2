// Copying cells from grid to grid through the native text stream.

#include "tests/grid/core/GridCoreFixture.h"

TEST_F(ExtGridTest, AssignCopiesCountsWidthsAndEveryCellWhole) {
  grid->SetColCount(4);
  grid->SetRowCount(6);
  grid->SetColWidths(2, 88);
  grid->SetCells(0, 0, "head");
  grid->SetCells(3, 5, "1,5");
  grid->SetCells(2, 3, "two\r\nlines");
  grid->SetCells(1, 4, "tab\there");
  auto* copy = new TExtStringGrid(form);
  copy->SetParent(form);
  ASSERT_FALSE(copy->Multilinecells());
  copy->Assign(grid);
  EXPECT_EQ(copy->ColCount(), 4);
  EXPECT_EQ(copy->RowCount(), 6);
  EXPECT_EQ(copy->ColWidths(2), 88);
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 4; ++c) EXPECT_EQ(copy->Cells(c, r), grid->Cells(c, r)) << c << "," << r;
  EXPECT_FALSE(copy->Multilinecells());
}

TEST_F(ExtGridTest, AssignCellsTakesOnlyStringGrids) {
  grid->SetCells(1, 1, "stays");
  TStringList notAGrid;
  grid->AssignCells(&notAGrid);
  grid->AssignCells(grid);
  EXPECT_EQ(grid->Cells(1, 1), "stays");
}
