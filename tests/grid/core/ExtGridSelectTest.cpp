#include "grid/core/ExtGridTypes.h"
#include "tests/grid/core/InputFixture.h"

TEST_F(InputTest, RowSelectWithoutDisjunctModeFollowsTheRectangle) {
  grid->SetSelection({1, 6, 3, 3});
  for (int r = 0; r < 8; ++r) EXPECT_EQ(grid->RowSelect(r), r >= 3 && r <= 6) << r;
  EXPECT_EQ(grid->RowSelectCount(), 4);
  EXPECT_EQ(grid->ColSelectCount(), 3);
}

TEST_F(InputTest, RowSelectIndexesAreChecked) {
  EXPECT_THROW(grid->RowSelect(8), EExtGridError);
  EXPECT_THROW(grid->RowSelect(-1), EExtGridError);
  try {
    grid->RowSelect(8);
  } catch (const EExtGridError& e) {
    EXPECT_EQ(e.Message(), "Invalid row 8 accessed");
  }
  grid->MouseActions()->SetRowSelectPersistent(true);
  EXPECT_FALSE(grid->RowSelect(8));
  EXPECT_THROW(grid->SetRowSelect(8, true), EExtGridError);
  EXPECT_THROW(grid->ColSelect(5), EExtGridError);
  EXPECT_THROW(grid->SetColSelect(-1, true), EExtGridError);
}

TEST_F(InputTest, DisjunctRowsKeepTheirPickOrderAndEvents) {
  grid->MouseActions()->SetDisjunctRowSelect(true);
  int asked = 0, told = 0;
  grid->OnRowDisjunctSelect = [&](TObject*, int, bool, bool&) { ++asked; };
  grid->OnRowDisjunctSelected = [&](TObject*, int) { ++told; };
  grid->SetRowSelect(5, true);
  grid->SetRowSelect(2, true);
  grid->SetRowSelect(5, true);  // already selected: not asked, still told
  grid->SetRowSelect(0, true);  // a fixed row: flagged, not listed
  EXPECT_EQ(grid->SelectedRows(), (std::vector<int>{5, 2}));
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(told, 4);
  EXPECT_EQ(grid->RowSelectCount(), 3);
  grid->OnRowDisjunctSelect = [](TObject*, int, bool, bool& Allow) { Allow = false; };
  grid->SetRowSelect(5, false);
  EXPECT_TRUE(grid->RowSelect(5));
  grid->OnRowDisjunctSelect = nullptr;
  grid->ClearRowSelect();
  EXPECT_TRUE(grid->SelectedRows().empty());
  EXPECT_EQ(grid->RowSelectCount(), 0);
}

TEST_F(InputTest, SelectRowsIsCutAtTheLastRow) {
  grid->MouseActions()->SetDisjunctRowSelect(true);
  grid->SelectRows(5, 100);
  EXPECT_EQ(grid->SelectedRows(), (std::vector<int>{5, 6, 7}));
  grid->UnSelectRows(6, 1);
  EXPECT_EQ(grid->SelectedRows(), (std::vector<int>{5, 7}));
}

TEST_F(InputTest, SelectionToRowSelectStopsAboveTheFooters) {
  grid->MouseActions()->SetDisjunctRowSelect(true);
  grid->SetFixedFooters(1);
  grid->SetSelection({1, 5, 2, 7});
  grid->SelectionToRowSelect(false);
  EXPECT_TRUE(grid->RowSelect(5));
  EXPECT_TRUE(grid->RowSelect(6));
  EXPECT_FALSE(grid->RowSelect(7));
}

TEST_F(InputTest, ModifiedAndDisabledRowsCheckTheirIndex) {
  EXPECT_FALSE(grid->RowModified(3));
  EXPECT_TRUE(grid->RowEnabled(3));
  grid->SetRowModified(3, true);
  EXPECT_TRUE(grid->RowModified(3));
  EXPECT_EQ(grid->ModifiedRowCount(), 1);
  EXPECT_THROW(grid->SetRowModified(-1, true), EExtGridError);
  EXPECT_THROW(grid->SetRowModified(99, true), EExtGridError);
  EXPECT_THROW(grid->SetRowEnabled(-1, false), EExtGridError);
  EXPECT_THROW(grid->SetRowEnabled(99, false), EExtGridError);
  EXPECT_FALSE(grid->RowModified(99));
}

TEST_F(InputTest, DisablingTheCurrentRowMovesTheCursorEnablingNever) {
  Go(2, 1);
  grid->SetRowEnabled(1, false);
  EXPECT_EQ(grid->Row(), 2);
  grid->SetRowEnabled(1, true);
  EXPECT_EQ(grid->Row(), 2);
  grid->SetRowEnabled(2, true);  // the current row, enabled: stays
  EXPECT_EQ(grid->Row(), 2);
}

TEST_F(InputTest, SelectedRowAndTextOfTheRectangle) {
  grid->SetSelection({1, 7, 2, 4});
  std::vector<int> rows;
  for (int i = 0; i < 5; ++i) rows.push_back(grid->SelectedRow(i));
  EXPECT_EQ(rows, (std::vector<int>{4, 5, 6, 7, -1}));
  grid->SetCells(1, 1, "a");
  grid->SetCells(2, 1, "b");
  grid->SetCells(1, 2, "c");
  grid->SetCells(2, 2, "d");
  grid->SetSelection({1, 1, 2, 2});
  EXPECT_EQ(grid->SelectedText(), "a\tb\r\nc\td");
  EXPECT_EQ(grid->SelectedCellsCount(), 4);
  EXPECT_EQ(grid->SelectedCell(0), (TGridCoord{1, 1}));
}

TEST_F(InputTest, SelectedTextSeparatesEveryPickedRow) {
  grid->MouseActions()->SetDisjunctRowSelect(true);
  grid->SetCells(1, 2, "x");
  grid->SetCells(1, 5, "y");
  grid->SetCells(1, 6, "z");
  grid->SetRowSelect(2, true);
  grid->SetRowSelect(5, true);
  grid->SetRowSelect(6, true);
  grid->SetSelection({1, 2, 1, 2});
  EXPECT_EQ(grid->SelectedText(), "x\r\ny\r\nz");
}

// A rich-text cell gives its plain text; whole rows dragged with
// OleEntireRows give every column of the row.
TEST_F(InputTest, SelectedTextGivesPlainTextAndWholeRows) {
  grid->SetCells(1, 2, "{\\rtf1\\ansi {\\b bold} word}");
  grid->SetCells(2, 2, "b");
  grid->SetCells(0, 3, "head");
  grid->SetCells(4, 3, "end");
  grid->SetSelection({1, 2, 2, 2});
  EXPECT_EQ(grid->SelectedText(), "bold word\tb");
  grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
  grid->SetSelection({1, 3, 4, 3});
  EXPECT_EQ(grid->SelectedText(), "\t\t\tend");
  grid->DragDropSettings()->SetOleEntireRows(true);
  EXPECT_EQ(grid->SelectedText(), "head\t\t\t\tend");
}

TEST_F(InputTest, IsSelectedIsFalseForFixedCellsInEveryMode) {
  grid->SetSelection({0, 0, 4, 7});
  EXPECT_FALSE(grid->IsSelected(0, 3));
  EXPECT_FALSE(grid->IsSelected(2, 0));
  EXPECT_TRUE(grid->IsSelected(2, 3));
  grid->MouseActions()->SetDisjunctCellSelect(true);
  grid->SetSelectedCells(0, 3, true);
  EXPECT_FALSE(grid->IsSelected(0, 3));
}

TEST_F(InputTest, RepaintRectIgnoresNegativeCoordinates) {
  Driver.ClearPaints();
  grid->RepaintRect(TRect{-1, 0, 2, 2});
  Driver.Pump();
  EXPECT_TRUE(Driver.Paints().empty());
}
