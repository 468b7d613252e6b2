// Sorting by clicking a header: the direction cycle, the undo click, the
// refusal of OnCanSort and the multi-column index built with the index key.

#include "grid/core/GridCoreFixture.h"

namespace {

class ExtGridHeaderSort : public ExtGridTest {
protected:
  void SetUp() override {
    ExtGridTest::SetUp();
    grid->SetColCount(3);
    grid->SetRowCount(5);
    grid->SetFixedRows(1);
    grid->SetFixedCols(0);
    const char* names[] = {"c", "a", "d", "b"};
    const char* kinds[] = {"x", "y", "x", "y"};
    for (int r = 1; r <= 4; ++r) {
      grid->SetCells(0, r, names[r - 1]);
      grid->SetCells(1, r, kinds[r - 1]);
    }
    grid->SortSettings()->SetShow(true);
    Driver.Pump();
  }
  std::string column(int ACol) {
    std::string s;
    for (int r = 1; r < grid->RowCount(); ++r) s += grid->Cells(ACol, r);
    return s;
  }
  // A click in the middle of the header cell of the displayed column.
  void clickHeader(int ACol, TShiftState Shift = {}) {
    TRect r = grid->CellRect(ACol, 0);
    Driver.Click(grid, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2, Shift);
  }
};

TEST_F(ExtGridHeaderSort, ClicksCycleThroughAscendingDescendingAndUnsorted) {
  grid->SortSettings()->SetUndoSort(true);
  int clicks = 0;
  grid->OnClickSort = [&](TObject*, int) { ++clicks; };
  clickHeader(0);
  EXPECT_EQ(column(0), "abcd");
  clickHeader(0);
  EXPECT_EQ(column(0), "dcba");
  clickHeader(0);
  EXPECT_EQ(column(0), "cadb");
  EXPECT_EQ(grid->SortSettings()->Column(), -1);
  EXPECT_EQ(clicks, 3);
}

// Listed columns merge their runs of equal values again in the new order.
TEST_F(ExtGridHeaderSort, MergedColumnsMergeAgainAfterAHeaderSort) {
  grid->MergedColumns()->Add(1);  // x y x y: no run to merge yet
  EXPECT_FALSE(grid->IsMergedCell(1, 1));
  grid->SortSettings()->SetAutoColumnMerge(true);
  clickHeader(0);
  EXPECT_EQ(column(1), "yyxx");
  EXPECT_EQ(grid->BaseCell(1, 2), (TPoint{1, 1}));
  EXPECT_EQ(grid->BaseCell(1, 4), (TPoint{1, 3}));
  clickHeader(0);
  EXPECT_EQ(column(1), "xxyy");
  EXPECT_EQ(grid->BaseCell(1, 2), (TPoint{1, 1}));
  EXPECT_EQ(grid->Cells(1, 3), "y");
}

TEST_F(ExtGridHeaderSort, WithoutShowOrWhenRefusedNothingIsSorted) {
  grid->SortSettings()->SetShow(false);
  grid->SortByHeader(0);
  EXPECT_EQ(column(0), "cadb");
  grid->SortSettings()->SetShow(true);
  grid->OnCanSort = [](TObject*, int ACol, bool& DoSort) { DoSort = ACol != 0; };
  grid->SortByHeader(0);
  EXPECT_EQ(column(0), "cadb");
  grid->SortByHeader(1);
  EXPECT_EQ(column(1), "xxyy");
}

TEST_F(ExtGridHeaderSort, TheIndexKeyAddsColumnsToAMultiColumnSort) {
  grid->SortSettings()->SetIndexShow(true);
  clickHeader(1);
  EXPECT_EQ(column(1), "xxyy");
  clickHeader(0, {ssShift});
  EXPECT_EQ(grid->SortIndexes()->Count(), 2);
  EXPECT_EQ(column(0), "cdab");
  clickHeader(0, {ssShift});  // turns the second key round
  EXPECT_EQ(column(0), "dcba");
  clickHeader(0);  // a plain click starts over with this column alone
  EXPECT_EQ(grid->SortIndexes()->Count(), 1);
  EXPECT_EQ(column(0), "abcd");
}

}  // namespace
