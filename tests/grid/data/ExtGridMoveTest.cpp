// Moving and swapping rows and columns: what travels with a row or a
// column (cells, cell objects, heights, per-row flags, hidden cells,
// embedded controls) and the column order list.

#include "grid/core/GridCoreFixture.h"
#include "toolkit/forms/std/Button.h"

namespace {

class ExtGridMove : public ExtGridTest {
protected:
  void SetUp() override {
    ExtGridTest::SetUp();
    grid->SetColCount(5);
    grid->SetRowCount(10);
    grid->SetFixedRows(0);
    grid->SetFixedCols(0);
    for (int r = 0; r < 10; ++r) grid->SetCells(0, r, std::to_string(r));
    for (int c = 0; c < 5; ++c) grid->SetCells(c, 0, std::string(1, static_cast<char>('A' + c)));
  }
  std::vector<std::string> column0() {
    std::vector<std::string> v;
    for (int r = 0; r < grid->RowCount(); ++r) v.push_back(grid->Cells(0, r));
    return v;
  }
  std::string headers() {
    std::string s;
    for (int c = 0; c < grid->AllColCount(); ++c) s += grid->AllCells(c, 0);
    return s;
  }
  std::vector<int> order() {
    std::vector<int> v;
    for (int i = 0; i < grid->ColumnOrder()->Count(); ++i) v.push_back(grid->ColumnOrder()->GetInteger(i));
    return v;
  }
  static std::vector<std::string> rows(std::initializer_list<int> Ids) {
    std::vector<std::string> v;
    for (int i : Ids) v.push_back(i == 0 ? "A" : std::to_string(i));  // row 0 holds the headers
    return v;
  }
};

TEST_F(ExtGridMove, MoveRowsTakesTheTargetBeforeTheBlockIsTakenOut) {
  struct Case {
    int From, To, Count;
    std::vector<std::string> Expected;
  };
  const std::vector<Case> cases = {
      {2, 6, 2, rows({0, 1, 4, 5, 2, 3, 6, 7, 8, 9})},
      {2, 4, 2, rows({0, 1, 2, 3, 4, 5, 6, 7, 8, 9})},
      {6, 2, 2, rows({0, 1, 6, 7, 2, 3, 4, 5, 8, 9})},
      {0, 10, 3, rows({3, 4, 5, 6, 7, 8, 9, 0, 1, 2})},
      {8, 0, 5, rows({8, 9, 0, 1, 2, 3, 4, 5, 6, 7})},  // the count is clamped to the rows there are
      {3, 3, 2, rows({0, 1, 2, 3, 4, 5, 6, 7, 8, 9})},
  };
  for (const Case& c : cases) {
    SetUp();
    grid->MoveRows(c.From, c.To, c.Count);
    EXPECT_EQ(column0(), c.Expected) << c.From << "->" << c.To << " x" << c.Count;
  }
}

TEST_F(ExtGridMove, MovedRowsKeepTheirHeightsFlagsAndCellObjects) {
  grid->SetRowHeights(2, 40);
  grid->SetRowModified(3, true);
  grid->SetRowEnabled(2, false);
  grid->AddCheckBox(1, 3, true, false);
  grid->MoveRows(2, 6, 2);  // rows 2, 3 now at 4, 5
  EXPECT_EQ(grid->RowHeights(4), 40);
  EXPECT_EQ(grid->RowHeights(2), grid->DefaultRowHeight());
  EXPECT_TRUE(grid->RowModified(5));
  EXPECT_FALSE(grid->RowModified(3));
  EXPECT_FALSE(grid->RowEnabled(4));
  EXPECT_TRUE(grid->RowEnabled(2));
  EXPECT_TRUE(grid->HasCheckBox(1, 5));
  EXPECT_FALSE(grid->HasCheckBox(1, 3));
}

TEST_F(ExtGridMove, MoveRowCarriesItsFlagsAndControl) {
  auto* button = new TButton(form);
  grid->SetCellControls(2, 3, button);
  grid->SetRowModified(3, true);
  grid->MoveRow(3, 7);
  EXPECT_EQ(grid->Cells(0, 7), "3");
  EXPECT_TRUE(grid->RowModified(7));
  EXPECT_FALSE(grid->RowModified(3));
  EXPECT_EQ(grid->CellControlList()->GetControl(0)->Y, 7);
  EXPECT_EQ(grid->CellControls(2, 7), button);
}

TEST_F(ExtGridMove, SwapRowsExchangesHeightsControlsAndFlags) {
  auto* button = new TButton(form);
  grid->SetCellControls(2, 1, button);
  grid->SetRowHeights(1, 35);
  grid->SetRowModified(1, true);
  grid->SwapRows(1, 8);
  EXPECT_EQ(grid->Cells(0, 1), "8");
  EXPECT_EQ(grid->Cells(0, 8), "1");
  EXPECT_EQ(grid->RowHeights(8), 35);
  EXPECT_EQ(grid->RowHeights(1), grid->DefaultRowHeight());
  EXPECT_TRUE(grid->RowModified(8));
  EXPECT_EQ(grid->CellControlList()->GetControl(0)->Y, 8);
  EXPECT_EQ(column0(), rows({0, 8, 2, 3, 4, 5, 6, 7, 1, 9}));
}

// A real sort by column 1: with SingleColumn only that column's cells take
// the sorted order, the rest of each row stays; without it the rows move.
TEST_F(ExtGridMove, SortSwapWithSingleColumnChangesOnlyTheSortColumn) {
  grid->SetFixedRows(1);
  const char* values[] = {"", "d", "b", "e", "a", "c", "i", "g", "h", "f"};
  for (int r = 1; r < 10; ++r) grid->SetCells(1, r, values[r]);
  grid->SortSettings()->SetSingleColumn(true);
  grid->Sort(1, sdAscending);
  std::string sorted;
  for (int r = 1; r < 10; ++r) sorted += grid->Cells(1, r);
  EXPECT_EQ(sorted, "abcdefghi");
  EXPECT_EQ(column0(), rows({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  // The cross-reference still knows where each sort cell came from.
  EXPECT_EQ(grid->UnSortedCells(1, 4), "a");
  grid->QUnSort();
  for (int r = 1; r < 10; ++r) EXPECT_EQ(grid->Cells(1, r), values[r]) << r;

  grid->SortSettings()->SetSingleColumn(false);
  grid->Sort(1, sdDescending);
  EXPECT_EQ(grid->Cells(1, 1), "i");
  EXPECT_EQ(grid->Cells(0, 1), "6");
}

TEST_F(ExtGridMove, MovingAColumnThereAndBackRestoresTheOrder) {
  grid->SetColumnOrder();
  const std::vector<int> initial = order();
  grid->MoveColumn(1, 3);
  EXPECT_EQ(headers(), "ACDBE");
  EXPECT_EQ(order(), (std::vector<int>{0, 2, 3, 1, 4}));
  EXPECT_EQ(grid->ColumnPosition(1), 3);
  EXPECT_EQ(grid->ColumnAtPosition(3), 1);
  grid->MoveColumn(3, 1);
  EXPECT_EQ(order(), initial);
  EXPECT_EQ(headers(), "ABCDE");
}

TEST_F(ExtGridMove, ResetColumnOrderRestoresColumnsAndShowsHiddenOnes) {
  grid->MoveColumn(0, 4);
  grid->MoveColumn(2, 0);
  EXPECT_EQ(headers(), "DBCEA");
  grid->HideColumn(1);
  grid->ResetColumnOrder();
  EXPECT_EQ(grid->NumHiddenColumns(), 0);
  EXPECT_EQ(headers(), "ABCDE");
  EXPECT_EQ(order(), (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST_F(ExtGridMove, AHiddenColumnStaysHiddenWithItsCellsWhenAnotherMovesPastIt) {
  grid->SetCells(1, 4, "b4");
  grid->SetColWidths(1, 33);
  grid->HideRow(4);
  grid->HideColumn(1);  // displayed: A C D E
  grid->MoveColumn(0, 2);  // displayed: C D A E
  EXPECT_EQ(DisplayedRow(0), (std::vector<std::string>{"C", "D", "A", "E"}));
  EXPECT_TRUE(grid->IsHiddenColumn(0));
  EXPECT_EQ(grid->AllColWidths(0), 33);
  grid->UnHideRowsAll();
  grid->UnHideColumnsAll();
  EXPECT_EQ(headers(), "BCDAE");
  EXPECT_EQ(grid->Cells(0, 4), "b4");
  EXPECT_EQ(grid->Cells(3, 4), "4");
}

TEST_F(ExtGridMove, SwapColumnsExchangesCellsWidthsObjectsAndSortColumn) {
  grid->SetColWidths(1, 30);
  grid->SetColWidths(3, 70);
  grid->AddCheckBox(1, 2, true, false);
  grid->SortSettings()->SetColumn(3);
  grid->SetCells(3, 6, "d6");
  grid->HideRow(6);
  grid->SwapColumns(1, 3);
  EXPECT_EQ(headers(), "ADCBE");
  EXPECT_EQ(grid->ColWidths(1), 70);
  EXPECT_EQ(grid->ColWidths(3), 30);
  EXPECT_TRUE(grid->HasCheckBox(3, 2));
  EXPECT_FALSE(grid->HasCheckBox(1, 2));
  EXPECT_EQ(grid->SortSettings()->Column(), 1);
  grid->UnHideRowsAll();
  EXPECT_EQ(grid->Cells(1, 6), "d6");
}

TEST_F(ExtGridMove, ColumnByHeaderFindsHiddenColumnsAndAnswersMinusOne) {
  grid->HideColumn(3);
  EXPECT_EQ(grid->ColumnByHeader("D"), 3);
  EXPECT_EQ(grid->ColumnByHeader("Z"), -1);
}

TEST_F(ExtGridMove, InsertingAndRemovingColumnsKeepsTheOrderListInStep) {
  grid->SetColumnOrder();
  grid->MoveColumn(0, 2);
  grid->InsertCols(1, 1);
  EXPECT_EQ(grid->ColumnOrder()->Count(), grid->AllColCount());
  grid->RemoveCols(1, 1);
  EXPECT_EQ(grid->ColumnOrder()->Count(), grid->AllColCount());
  grid->ResetColumnOrder();
  EXPECT_EQ(headers(), "ABCDE");
}

TEST_F(ExtGridMove, InsertingAndRemovingColumnsKeepsHiddenColumnsHidden) {
  grid->SetCells(4, 3, "e3");
  grid->SetCells(2, 3, "c3");
  grid->HideRow(3);
  grid->HideColumn(4);  // E
  grid->RemoveCols(1, 1);
  grid->UnHideRowsAll();
  EXPECT_EQ(grid->AllCells(3, 3), "e3");
  EXPECT_EQ(grid->AllCells(1, 3), "c3");
  grid->HideRow(3);
  EXPECT_EQ(headers(), "ACDE");
  EXPECT_EQ(grid->NumHiddenColumns(), 1);
  EXPECT_TRUE(grid->IsHiddenColumn(3));
  grid->InsertCols(1, 1);
  EXPECT_EQ(headers(), "ACDE");  // the new column is empty
  EXPECT_EQ(grid->AllColCount(), 5);
  EXPECT_TRUE(grid->IsHiddenColumn(4));
  EXPECT_EQ(grid->AllCells(4, 0), "E");
  EXPECT_EQ(grid->AllCells(1, 0), "");
}

TEST_F(ExtGridMove, RemoveDuplicatesComparesAsDoCaseSays) {
  const char* names[] = {"x", "a", "A", "b", "a", "B", "c", "a", "x"};
  for (bool doCase : {true, false}) {
    SetUp();
    grid->SetCells(1, 0, "h");
    for (int r = 1; r < 10; ++r) grid->SetCells(1, r, names[r - 1]);
    grid->SetRowModified(6, true);  // B
    grid->RemoveDuplicates(1, doCase);
    std::string left;
    for (int r = 1; r < grid->RowCount(); ++r) left += grid->Cells(1, r);
    EXPECT_EQ(left, doCase ? "xaAbBc" : "xabc") << doCase;
    if (doCase) {
      EXPECT_TRUE(grid->RowModified(5));
    }
  }
}

}  // namespace
