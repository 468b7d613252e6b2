// Sorting the grid's rows: the sort settings that keep cells in place,
// sorting inside nested nodes, one comparison step by hand, the unsorted
// view of the cells and the text form of the sort state.

#include "grid/core/GridCoreFixture.h"
#include "toolkit/rtl/Exceptions.h"

namespace {

class ExtGridSort : public ExtGridTest {
protected:
  // Row 0 headers; rows 1..n: the row number in column 0, Names in column 1,
  // the original row index in column 2.
  void fill(const std::vector<std::string>& Names) {
    grid->SetColCount(3);
    grid->SetRowCount(static_cast<int>(Names.size()) + 1);
    grid->SetFixedRows(1);
    grid->SetFixedCols(1);
    for (size_t i = 0; i < Names.size(); ++i) {
      const int r = static_cast<int>(i) + 1;
      grid->SetCells(0, r, std::to_string(r));
      grid->SetCells(1, r, Names[i]);
      grid->SetCells(2, r, "r" + std::to_string(r));
    }
  }
  void SetUp() override {
    ExtGridTest::SetUp();
    fill({"d", "b", "a", "c"});
  }
  std::string column(int ACol) {
    std::string s;
    for (int r = grid->FixedRows(); r < grid->RowCount(); ++r) s += grid->Cells(ACol, r) + " ";
    return s;
  }
};

TEST_F(ExtGridSort, NormalCellsOnlyKeepsTheRowNumbersInPlace) {
  grid->SortSettings()->SetNormalCellsOnly(true);
  grid->Sort(1, sdAscending);
  EXPECT_EQ(column(0), "1 2 3 4 ");
  EXPECT_EQ(column(1), "a b c d ");
  EXPECT_EQ(column(2), "r3 r2 r4 r1 ");
  grid->QUnSort();
  EXPECT_EQ(column(0), "1 2 3 4 ");
  EXPECT_EQ(column(1), "d b a c ");

  grid->SortSettings()->SetNormalCellsOnly(false);
  grid->Sort(1, sdAscending);
  EXPECT_EQ(column(0), "3 2 4 1 ");
}

TEST_F(ExtGridSort, SingleColumnWithNormalCellsOnlyMovesOnlyTheSortColumn) {
  grid->SortSettings()->SetSingleColumn(true);
  grid->SortSettings()->SetNormalCellsOnly(true);
  grid->Sort(1, sdDescending);
  EXPECT_EQ(column(1), "d c b a ");
  EXPECT_EQ(column(0), "1 2 3 4 ");
  EXPECT_EQ(column(2), "r1 r2 r3 r4 ");
}

// Node A (rows 1..6) holds its own rows 2 and 3 and node B (rows 4..6).
TEST_F(ExtGridSort, AGroupSortSortsOnlyTheDeepestNodesRows) {
  fill({"A", "z", "c", "B", "y", "x"});
  grid->AddNode(4, 3);
  grid->AddNode(1, 6);
  ASSERT_GT(grid->GetNodeLevel(4), grid->GetNodeLevel(1));
  grid->SortSettings()->SetColumn(1);
  grid->QSortGroup();
  EXPECT_EQ(column(1), "A z c B x y ");
  EXPECT_EQ(grid->GetNodeSpan(4), 3);
  EXPECT_EQ(grid->GetNodeSpan(1), 6);
  // A contracted deepest node keeps its rows as they are.
  grid->SortSettings()->SetDirection(sdDescending);
  grid->ContractNode(4);
  grid->QSortGroup();
  grid->ExpandNode(4);
  EXPECT_EQ(column(1), "A z c B x y ");
}

TEST_F(ExtGridSort, AnIndexedGroupSortFollowsTheIndexList) {
  fill({"G", "b", "a", "b", "H", "a", "c"});
  grid->SetCells(2, 2, "1");
  grid->SetCells(2, 3, "5");
  grid->SetCells(2, 4, "2");
  grid->AddNode(1, 4);
  grid->AddNode(5, 3);
  EXPECT_THROW(grid->QSortGroupIndexed(), EExtGridError);
  grid->SortIndexes()->LoadFromString("u1;d2");
  grid->QSortGroupIndexed();
  EXPECT_EQ(column(1), "G a b b H a c ");
  EXPECT_EQ(grid->Cells(2, 3), "2");
}

TEST_F(ExtGridSort, SortLineSwapsRowsThatCompareInTheLastSortsDirection) {
  EXPECT_EQ(grid->SortDir(), 0);
  EXPECT_FALSE(grid->SortLine(1, 1, 2));  // no sort yet: no direction to follow
  grid->Sort(2, sdAscending);             // r1 r2 r3 r4: d b a c
  EXPECT_EQ(grid->SortDir(), 1);
  EXPECT_EQ(grid->CompareCells(1, 1, 2, sdAscending), 1);
  EXPECT_TRUE(grid->SortLine(1, 1, 2));
  EXPECT_EQ(column(1), "b d a c ");
  EXPECT_FALSE(grid->SortLine(1, 1, 2));
  // A tie goes on with the next column.
  grid->SetCells(1, 3, "b");
  grid->SetCells(2, 3, "r0");
  EXPECT_TRUE(grid->SortLine(1, 1, 3));
  EXPECT_EQ(column(2), "r0 r1 r2 r4 ");
}

TEST_F(ExtGridSort, CompareCellsPlacesBlanksByTheDirection) {
  grid->SortSettings()->SetIgnoreBlanks(true);
  grid->SortSettings()->SetBlankPos(blLast);
  grid->SetCells(1, 1, "");
  EXPECT_EQ(grid->CompareCells(1, 1, 2, sdAscending), 1);
  EXPECT_EQ(grid->CompareCells(1, 1, 2, sdDescending), -1);
  EXPECT_EQ(grid->CompareCells(1, 2, 3, sdDescending), 1);  // b after a, whatever the direction
}

TEST_F(ExtGridSort, TheRowChangeIsReportedWhenTheCursorStaysPut) {
  grid->SetRow(2);
  std::vector<std::pair<int, int>> changes;
  grid->OnRowChanged = [&](TObject*, int OldRow, int NewRow) { changes.push_back({OldRow, NewRow}); };
  grid->Sort(1, sdAscending);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0], std::make_pair(2, 2));
  changes.clear();
  grid->Navigation()->SetMoveRowOnSort(true);
  grid->Sort(1, sdDescending);
  EXPECT_TRUE(changes.empty() || changes[0].first != changes[0].second);
}

TEST_F(ExtGridSort, UnSortedCellsReadAndWriteByTheRowsFormerPlace) {
  grid->Sort(1, sdAscending);  // a b c d, from rows 3 2 4 1
  EXPECT_EQ(grid->UnSortedCells(1, 1), "d");
  grid->SetUnSortedCells(1, 1, "D");
  EXPECT_EQ(grid->Cells(1, 4), "D");
  grid->SetUnSortedCell(2, 3, "x");
  EXPECT_EQ(grid->Cells(2, 1), "x");
}

TEST_F(ExtGridSort, ASortStringWithoutAColumnSetsOnlyShowAndDirection) {
  grid->SortSettings()->SetColumn(2);
  grid->SortSettings()->LoadFromString("dx");
  EXPECT_TRUE(grid->SortSettings()->Show());
  EXPECT_EQ(grid->SortSettings()->Direction(), sdDescending);
  EXPECT_EQ(grid->SortSettings()->Column(), 2);
  EXPECT_EQ(column(1), "d b a c ");
  grid->SortSettings()->LoadFromString("u1");
  EXPECT_EQ(column(1), "a b c d ");
  EXPECT_THROW(grid->SortSettings()->LoadFromString("d"), Exception);
}

}  // namespace
