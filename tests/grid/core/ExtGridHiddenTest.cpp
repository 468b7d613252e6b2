// Hidden columns and rows and the mapping between real and displayed indexes.

#include "tests/grid/core/GridCoreFixture.h"
#include "toolkit/forms/std/Edit.h"

namespace {
void fillRealRows(TExtStringGrid* g) {
  for (int r = 0; r < g->RowCount(); ++r) g->SetCells(1, r, "r" + std::to_string(r));
}
}  // namespace

TEST_F(ExtGridTest, MappingIsTheIdentityWithoutHiddenIndexes) {
  for (int i : {-3, -1, 0, 1, 4, 9, 1000}) {
    EXPECT_EQ(grid->RealColIndex(i), i);
    EXPECT_EQ(grid->DisplColIndex(i), i);
    EXPECT_EQ(grid->RealRowIndex(i), i);
    EXPECT_EQ(grid->DisplRowIndex(i), i);
  }
}

TEST_F(ExtGridTest, HidingAColumnClosesUpTheLayout) {
  for (int c = 0; c < 5; ++c) grid->SetColWidths(c, 20 + c);
  grid->SetCells(2, 1, "hidden");
  grid->HideColumn(2);
  EXPECT_EQ(grid->ColCount(), 4);
  EXPECT_EQ(grid->NumHiddenColumns(), 1);
  struct Case {
    int Displ, Real, Width;
  };
  for (Case c : {Case{0, 0, 20}, Case{1, 1, 21}, Case{2, 3, 23}, Case{3, 4, 24}}) {
    EXPECT_EQ(grid->RealColIndex(c.Displ), c.Real);
    EXPECT_EQ(grid->DisplColIndex(c.Real), c.Displ);
    EXPECT_EQ(grid->ColWidths(c.Displ), c.Width);
  }
  // A hidden column maps to the next one shown.
  EXPECT_EQ(grid->DisplColIndex(2), 2);
  EXPECT_EQ(grid->Cells(2, 1), "hidden");
  grid->UnHideColumn(2);
  EXPECT_EQ(grid->ColCount(), 5);
  EXPECT_EQ(grid->ColWidths(2), 22);
  EXPECT_EQ(grid->ColWidths(3), 23);
}

TEST_F(ExtGridTest, HidingSkipsHiddenColumnsAndKeepsTheLastOne) {
  grid->SetColCount(2);
  grid->HideColumns(0, 1);
  EXPECT_EQ(grid->ColCount(), 1);
  EXPECT_EQ(grid->NumHiddenColumns(), 1);
  grid->HideColumn(0);
  EXPECT_EQ(grid->NumHiddenColumns(), 1);
  EXPECT_FALSE(grid->IsHiddenColumn(512));
  grid->UnHideColumnsAll();
  EXPECT_EQ(grid->ColCount(), 2);
}

TEST_F(ExtGridTest, ManyHiddenColumnsMapBothWays) {
  grid->SetColCount(300);
  for (int c = 10; c < 210; c += 2) grid->HideColumn(c);
  EXPECT_EQ(grid->NumHiddenColumns(), 100);
  EXPECT_EQ(grid->ColCount(), 200);
  for (int d = 0; d < grid->ColCount(); ++d) {
    int r = grid->RealColIndex(d);
    EXPECT_FALSE(grid->IsHiddenColumn(r));
    EXPECT_EQ(grid->DisplColIndex(r), d);
  }
}

TEST_F(ExtGridTest, HiddenRowsComeBackInPlace) {
  fillRealRows(grid);
  grid->SetRowHeights(4, 30);
  grid->HideRows(3, 5);
  EXPECT_EQ(grid->RowCount(), 7);
  EXPECT_EQ(grid->NumHiddenRows(), 3);
  EXPECT_EQ(grid->AllRowCount(), 10);
  EXPECT_EQ(grid->Cells(1, 3), "r6");
  EXPECT_EQ(grid->AllCells(1, 4), "r4");
  EXPECT_EQ(grid->RealRowIndex(3), 6);
  EXPECT_EQ(grid->DisplRowIndex(6), 3);
  grid->UnHideRow(4);
  EXPECT_EQ(grid->Cells(1, 3), "r4");
  EXPECT_EQ(grid->Cells(1, 2), "r2");
  EXPECT_EQ(grid->Cells(1, 4), "r6");
  EXPECT_EQ(grid->RealRowIndex(3), 4);
  EXPECT_EQ(grid->RowHeights(3), 30);
  grid->UnHideRowsAll();
  for (int r = 0; r < 10; ++r) EXPECT_EQ(grid->Cells(1, r), "r" + std::to_string(r));
}

TEST_F(ExtGridTest, HidingARangeHidesOnlyTheShownRows) {
  fillRealRows(grid);
  grid->HideRow(4);
  grid->HideRows(3, 6);
  EXPECT_EQ(grid->NumHiddenRows(), 4);
  EXPECT_EQ(grid->AllCells(1, 4), "r4");
  EXPECT_EQ(grid->AllCells(1, 6), "r6");
  grid->HideRows(3, 6);
  EXPECT_EQ(grid->NumHiddenRows(), 4);
  grid->UnHideRows(2, 5);
  EXPECT_EQ(DisplayedRow(3)[1], "r3");
  EXPECT_EQ(grid->NumHiddenRows(), 1);
}

TEST_F(ExtGridTest, HiddenRowCellsAreReachedByRealRow) {
  fillRealRows(grid);
  grid->HideRow(5);
  grid->SetAllCells(7, 5, "far");
  EXPECT_EQ(grid->AllCells(7, 5), "far");
  EXPECT_EQ(grid->AllCells(5, 5), "");
  EXPECT_EQ(grid->HiddenRowStrings(5)->Count(), 8);
  grid->UnHideRow(5);
  EXPECT_EQ(grid->Cells(1, 5), "r5");
}

TEST_F(ExtGridTest, FilterLevelsRestoreOnlyTheirOwnRows) {
  fillRealRows(grid);
  grid->HideNodeRows(8, 8);
  TIntList level0(0, 0);
  level0.Add(2);
  level0.Add(3);
  grid->HideRowList(&level0);
  TIntList level1(0, 0);
  level1.Add(1);
  grid->HideRowList(&level1);
  EXPECT_EQ(grid->NumHiddenRows(), 4);
  EXPECT_EQ(grid->FilterLevel(), 2);
  grid->UnHideRowList();
  EXPECT_EQ(grid->NumHiddenRows(), 3);
  EXPECT_EQ(grid->Cells(1, 1), "r1");
  grid->SetFilterLevel(1);
  grid->UnHideRowList();
  // The node's row stays hidden: only the filter's rows come back.
  EXPECT_EQ(grid->NumHiddenRows(), 1);
  EXPECT_TRUE(grid->IsHiddenRow(8));
  for (int r = 0; r < 8; ++r) EXPECT_EQ(grid->Cells(1, r), "r" + std::to_string(r));
  grid->UnHideNodeRows(0, 9);
  EXPECT_EQ(grid->Cells(1, 8), "r8");
}

TEST_F(ExtGridTest, RemovedRowsLeaveNothingBehind) {
  fillRealRows(grid);
  grid->SetColors(1, 9, clRed);
  grid->RemoveRows(8, 2);
  EXPECT_EQ(grid->RowCount(), 8);
  grid->SetRowCount(10);
  EXPECT_EQ(grid->Cells(1, 8), "");
  EXPECT_EQ(grid->Cells(1, 9), "");
  EXPECT_EQ(grid->Colors(1, 9), clNone);
}

TEST_F(ExtGridTest, StructureEditsKeepHiddenIndexesInStep) {
  fillRealRows(grid);
  grid->HideRow(6);
  grid->InsertRows(2, 2);
  EXPECT_TRUE(grid->IsHiddenRow(8));
  EXPECT_EQ(grid->AllCells(1, 8), "r6");
  grid->RemoveRows(1, 3);
  EXPECT_TRUE(grid->IsHiddenRow(5));
  grid->UnHideRowsAll();
  EXPECT_EQ(grid->Cells(1, 5), "r6");
  EXPECT_EQ(grid->Cells(1, 4), "r5");
}

TEST_F(ExtGridTest, SelectionHidesAndComesBack) {
  grid->SetSelection(TGridRect{2, 3, 2, 3});
  grid->HideSelection();
  EXPECT_TRUE(grid->SelectionHidden());
  grid->UnHideSelection();
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 2, 3}));
}

TEST_F(ExtGridTest, ExportRangeFollowsTheSwitches) {
  grid->SetSaveFixedCells(false);
  grid->SetFixedFooters(2);
  EXPECT_EQ(grid->SaveEndRow(), 7);
  EXPECT_EQ(grid->SaveStartRow(), 1);
  EXPECT_EQ(grid->SaveRowCount(), 7);
  grid->SetSaveFixedRows(true);
  EXPECT_EQ(grid->SaveEndRow(), 9);
  EXPECT_EQ(grid->SaveStartRow(), 0);
}

TEST_F(ExtGridTest, UsedCellsOfAnEmptyGridIsTheOrigin) {
  EXPECT_EQ(grid->GetUsedCells(), (TRect{0, 0, 0, 0}));
  grid->SetCells(2, 3, "x");
  grid->SetCells(3, 5, "y");
  EXPECT_EQ(grid->GetUsedCells(), (TRect{2, 3, 3, 5}));
}


// A hidden row's cells leave the store as one row and come back as the same
// row: its cell records are the very objects they were, not copies.
TEST_F(ExtGridTest, HiddenRowsKeepTheirCellsWithoutACopy) {
  fillRealRows(grid);
  grid->SetColors(2, 4, clRed);
  grid->SetReadOnly(3, 4, true);
  TCellProperties* colour = grid->GetGridObject(2, 4);
  ASSERT_NE(colour, nullptr);
  grid->HideRows(3, 5);
  EXPECT_EQ(grid->GetGridObject(2, 4), nullptr);
  EXPECT_EQ(grid->HiddenRowStrings(4)->Objects(2), colour);
  EXPECT_EQ(grid->HiddenRowStrings(4)->Count(), grid->AllColCount());
  grid->UnHideRows(3, 5);
  EXPECT_EQ(grid->GetGridObject(2, 4), colour);
  EXPECT_EQ(grid->Colors(2, 4), clRed);
  EXPECT_TRUE(grid->ReadOnly(3, 4));
  for (int r = 0; r < 10; ++r) EXPECT_EQ(grid->Cells(1, r), "r" + std::to_string(r));
}

TEST_F(ExtGridTest, AColumnMoveReachesTheHiddenRows) {
  for (int r = 0; r < grid->RowCount(); ++r)
    for (int c = 0; c < grid->ColCount(); ++c) grid->SetCells(c, r, std::to_string(c) + ":" + std::to_string(r));
  grid->HideRow(6);
  grid->MoveColumn(1, 3);
  EXPECT_EQ(grid->Cells(3, 5), "1:5");
  EXPECT_EQ(grid->AllCells(3, 6), "1:6");
  EXPECT_EQ(grid->AllCells(1, 6), "2:6");
  grid->UnHideRow(6);
  EXPECT_EQ(DisplayedRow(6), (std::vector<std::string>{"0:6", "2:6", "3:6", "1:6", "4:6"}));
}

// The list of a hidden row behaves as a list: inserting and deleting shift
// the cells after the index, and the row comes back as the list left it.
TEST_F(ExtGridTest, HiddenRowListShiftsCellsOnInsertAndDelete) {
  fillRealRows(grid);
  grid->SetCells(2, 2, "c2");
  grid->HideRow(2);
  TStrings* s = grid->HiddenRowStrings(2);
  ASSERT_NE(s, nullptr);
  const int count = s->Count();
  EXPECT_EQ(s->Strings(1), "r2");
  EXPECT_THROW(s->Strings(count), EListError);
  EXPECT_THROW(s->Insert(count + 1, "x"), EListError);
  s->Insert(0, "x");
  EXPECT_EQ(s->Count(), count + 1);
  EXPECT_EQ(s->Strings(0), "x");
  EXPECT_EQ(s->Strings(2), "r2");
  EXPECT_EQ(s->Strings(3), "c2");
  s->Delete(0);
  s->Delete(1);
  EXPECT_EQ(s->Count(), count - 1);
  EXPECT_EQ(s->Strings(1), "c2");
  s->Add("tail");
  EXPECT_EQ(grid->AllCells(s->Count() - 1, 2), "tail");
  grid->UnHideRow(2);
  EXPECT_EQ(grid->Cells(1, 2), "c2");
  EXPECT_EQ(grid->Cells(2, 2), "");
}

// Cell records are kept by real column, the layout by displayed column: a
// control in the cell after a hidden column sits on that cell's rectangle.
TEST_F(ExtGridTest, CellRectTakesDisplayedColumnsPastHiddenOnes) {
  for (int c = 0; c < 5; ++c) grid->SetColWidths(c, 40 + 10 * c);
  grid->MergeCells(3, 2, 2, 1);
  grid->HideColumn(1);
  // Displayed 2 is real 3, the merged range covers displayed 2 and 3.
  TRect merged = grid->CellRect(2, 2);
  TRect d2 = grid->UnclippedCellRect(2, 2), d3 = grid->UnclippedCellRect(3, 2);
  EXPECT_EQ(merged.Left, d2.Left);
  EXPECT_EQ(merged.Right, d3.Right);
  auto* edit = new TEdit(form);
  grid->SetCellControls(4, 5, edit);
  TRect cell = grid->UnclippedCellRect(grid->DisplColIndex(4), 5);
  EXPECT_EQ(edit->Left(), cell.Left - 1);
  EXPECT_EQ(edit->Width(), cell.Width() + 1);
}
