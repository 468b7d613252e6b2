// Removing, hiding and joining picked rows and columns, swapping two cells,
// moving the cursor, and the relays of the scroll-bar cell and the focus block.

#include "grid/core/GridCoreFixture.h"

namespace {

class ExtGridPickedRows : public ExtGridTest {
protected:
  // Seven columns (headers A..G, column 0 fixed), rows 1..6 named r1..r6.
  void SetUp() override {
    ExtGridTest::SetUp();
    grid->SetColCount(7);
    grid->SetRowCount(7);
    grid->SetFixedRows(1);
    grid->SetFixedCols(1);
    for (int c = 0; c < 7; ++c) grid->SetCells(c, 0, std::string(1, static_cast<char>('A' + c)));
    for (int r = 1; r < 7; ++r) grid->SetCells(1, r, "r" + std::to_string(r));
  }
  std::string names() {
    std::string s;
    for (int r = 1; r < grid->RowCount(); ++r) s += grid->Cells(1, r) + " ";
    return s;
  }
  std::string headers() {
    std::string s;
    for (int c = 0; c < grid->ColCount(); ++c) s += grid->Cells(c, 0);
    return s;
  }
  void pickRows(std::initializer_list<int> Rows) {
    grid->MouseActions()->SetDisjunctRowSelect(true);
    for (int r : Rows) grid->SetRowSelect(r, true);
  }
};

TEST_F(ExtGridPickedRows, RemovingPickedOrUnpickedRows) {
  pickRows({2, 5});
  grid->RemoveSelectedRows();
  EXPECT_EQ(names(), "r1 r3 r4 r6 ");
  EXPECT_EQ(grid->RowSelectCount(), 0);
  pickRows({1, 4});
  grid->RemoveUnSelectedRows();
  EXPECT_EQ(names(), "r1 r6 ");
}

TEST_F(ExtGridPickedRows, WithoutDisjunctSelectionTheSelectionPicksTheRows) {
  grid->SelectCells(1, 4, 2, 2);
  grid->RemoveSelectedRows();
  EXPECT_EQ(names(), "r1 r5 r6 ");
}

// Flags kept by displayed row or by real row pick the same rows to hide,
// picked rows apart or together.
TEST_F(ExtGridPickedRows, HidingPickedOrUnpickedRows) {
  struct Case {
    bool Persistent, Picked;
    std::initializer_list<int> Rows;
    std::string Shown;
  };
  const Case cases[] = {
      {false, true, {2, 3}, "r1 r4 r5 r6 "}, {false, true, {2, 5}, "r1 r3 r4 r6 "},
      {false, false, {2, 5}, "r2 r5 "},      {false, false, {1, 3, 6}, "r1 r3 r6 "},
      {true, true, {2, 5}, "r1 r3 r4 r6 "},  {true, false, {2, 5}, "r2 r5 "},
  };
  for (const Case& c : cases) {
    grid->UnHideRowsAll();
    grid->ClearRowSelect();
    grid->MouseActions()->SetRowSelectPersistent(c.Persistent);
    pickRows(c.Rows);
    if (c.Picked)
      grid->HideSelectedRows();
    else
      grid->HideUnSelectedRows();
    EXPECT_EQ(names(), c.Shown) << c.Persistent << c.Picked;
  }
}

TEST_F(ExtGridPickedRows, RemovingPickedOrUnpickedColumns) {
  grid->SelectCells(2, 1, 3, 1);
  grid->RemoveUnSelectedCols();
  EXPECT_EQ(headers(), "ACD");
  grid->AddColumn();
  EXPECT_EQ(grid->ColCount(), 4);
  grid->SetCells(3, 0, "X");
  grid->SelectCells(1, 1, 2, 1);
  grid->RemoveSelectedCols();
  EXPECT_EQ(headers(), "AX");
}

TEST_F(ExtGridPickedRows, RemovingColumnsByTheirFlags) {
  grid->MouseActions()->SetDisjunctColSelect(true);
  grid->SetColSelect(2, true);
  grid->SetColSelect(5, true);
  grid->RemoveSelectedCols();
  EXPECT_EQ(headers(), "ABDEG");
  grid->SetColSelect(1, true);
  grid->RemoveUnSelectedCols();
  EXPECT_EQ(headers(), "AB");
  EXPECT_EQ(grid->ColSelectCount(), 0);
}

TEST_F(ExtGridPickedRows, MergeColsJoinsTheTextsAndDropsTheSecondColumn) {
  grid->SetCells(2, 1, "x");
  grid->SetCells(1, 2, "");
  grid->MergeCols(1, 2, " ");
  EXPECT_EQ(grid->Cells(1, 1), "r1 x");
  EXPECT_EQ(grid->Cells(1, 2), "");  // trimmed
  EXPECT_EQ(headers(), "ABDEFG");  // the fixed header row is not joined
}

TEST_F(ExtGridPickedRows, SwapCellsExchangesTextAndCellObject) {
  grid->SetColors(2, 1, clRed);
  grid->SetCells(2, 1, "x");
  grid->SwapCells(TGridCoord{2, 1}, TGridCoord{3, 4});
  EXPECT_EQ(grid->Cells(3, 4), "x");
  EXPECT_EQ(grid->Cells(2, 1), "");
  EXPECT_EQ(grid->Colors(3, 4), clRed);
  grid->SwapCells(TGridCoord{2, 1}, TGridCoord{99, 1});  // outside: nothing
  EXPECT_EQ(grid->Cells(3, 4), "x");
}

TEST_F(ExtGridPickedRows, MoveToCellMovesTheCursorAndTheAnchor) {
  grid->MoveToCell(3, 5);
  EXPECT_EQ(grid->Col(), 3);
  EXPECT_EQ(grid->Row(), 5);
  EXPECT_EQ(grid->Selection().Left, 3);
  EXPECT_EQ(grid->Selection().Top, 5);
}

TEST_F(ExtGridPickedRows, RelaysFireTheirEvents) {
  std::vector<int> scroll;
  int starts = 0, ends = 0;
  grid->OnScrollCell = [&](TObject*, int ACol, int ARow, int Pos, int Min, int Max) {
    scroll = {ACol, ARow, Pos, Min, Max};
  };
  grid->OnStartBlockFocus = [&](TObject*) { ++starts; };
  grid->OnEndBlockFocus = [&](TObject*) { ++ends; };
  grid->DoScrollCell(2, 3, 40, 0, 100);
  grid->DoStartBlockFocus();
  grid->DoEndBlockFocus();
  EXPECT_EQ(scroll, (std::vector<int>{2, 3, 40, 0, 100}));
  EXPECT_EQ(starts, 1);
  EXPECT_EQ(ends, 1);
}

}  // namespace
