// Row and column structure edits and the cells-changed notification. The
// data code builds sorting, filtering, grouping and footers on these; the
// structure edits here keep the hidden rows' real indexes in step and never
// leave removed cells behind to reappear.

#include <algorithm>

#include "grid/core/ExtGrid.h"

void TExtStringGrid::InsertRows(int ARow, int RCount) {
  if (RCount <= 0 || ARow < 0 || ARow > RowCount()) return;
  int firstReal = ARow < RowCount() ? RealRowIndex(ARow) : AllRowCount();
  InsertGridRows(ARow, RCount);
  FNormalRowCount = RowCount();
  for (auto& item : FHiddenRows)
    if (item->Idx() >= firstReal) item->SetIdx(item->Idx() + RCount);
  CellsChanged(TRect{0, ARow, AllColCount() - 1, ARow + RCount - 1});
}

void TExtStringGrid::RemoveRows(int ARow, int RCount) {
  RCount = std::min(RCount, RowCount() - ARow);
  if (RCount <= 0 || ARow < 0) return;
  std::vector<int> displ, real;
  for (int r = ARow; r < ARow + RCount; ++r) {
    displ.push_back(r);
    real.push_back(RealRowIndex(r));
  }
  // The store drops the rows whole: nothing of them comes back later.
  DeleteGridRows(displ);
  FNormalRowCount = RowCount();
  for (auto& item : FHiddenRows)
    item->SetIdx(item->Idx() -
                 static_cast<int>(std::lower_bound(real.begin(), real.end(), item->Idx()) - real.begin()));
  CellsChanged(TRect{0, ARow, AllColCount() - 1, ARow});
}

void TExtStringGrid::RemoveRowsEx(int ARow, int RCount) { RemoveRows(ARow, RCount); }

void TExtStringGrid::InsertCols(int ARealCol, int CCount) {
  if (CCount <= 0 || ARealCol < 0) return;
  int d = std::min(RealToDisplColumn(ARealCol), ColCount());
  for (int i = 0; i < CCount; ++i) {
    SetColCount(ColCount() + 1);
    ClearColumnCells(RealColIndex(ColCount() - 1));
    MoveColumn(ColCount() - 1, d);
  }
}

void TExtStringGrid::RemoveCols(int ARealCol, int CCount) {
  for (int i = 0; i < CCount && ColCount() > 1; ++i) {
    if (IsHiddenColumn(ARealCol) || ARealCol >= AllColCount()) return;
    int d = RealToDisplColumn(ARealCol);
    ClearColumnCells(ARealCol);
    MoveColumn(d, ColCount() - 1);
    SetColCount(ColCount() - 1);
  }
}

// Exchanges the two rows' cells, records and heights.
void TExtStringGrid::SortSwapRows(int ARow1, int ARow2) {
  if (ARow1 == ARow2) return;
  int lo = std::min(ARow1, ARow2), hi = std::max(ARow1, ARow2);
  MoveRow(lo, hi);
  MoveRow(hi - 1, lo);
}

void TExtStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  TGridUpdateLock lock(*this);
  for (int r = ARow1; r <= ARow2; ++r)
    for (int c = ACol1; c <= ACol2; ++c) {
      if (!FClearTextOnly) FreeCellProperties(c, r);
      SetGridCell(c, r, "");
    }
}

void TExtStringGrid::CellsChanged(const TRect& R) {
  if (OnCellsChanged) OnCellsChanged(this, R);
  RecalcFooters();
}

void TExtStringGrid::SelectionChanged(int ALeft, int ATop, int ARight, int ABottom) {
  if (OnSelectionChanged) OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TExtStringGrid::GotoFirstNormalRow() {
  if (RowCount() > FixedRows()) SetRow(FixedRows());
}

// ---- typed values and cell objects ----

std::string TExtStringGrid::GetFormattedCell(int ARealCol, int ARow) { return Cells(ARealCol, ARow); }

void TExtStringGrid::GetFloatFormat(int ARealCol, int ARow, bool& IsFloat, std::string& FloatFormat) {
  FloatFormat = FFloatFormat;
  if (OnGetFloatFormat) OnGetFloatFormat(this, ARealCol, ARow, IsFloat, FloatFormat);
}

TCellType TExtStringGrid::GetCellType(int ARealCol, int ARow) {
  if (ARealCol < 0 || ARow < 0) return ctEmpty;
  if (ARealCol == 0 && FMouseActions.HotmailRowSelect()) return ctRowCheckBox;
  // The stored graphic only: the column grid hands out a shared one for
  // cells that have none.
  auto* g = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ARealCol, ARow));
  return g ? g->CellType : ctEmpty;
}

TCellGraphic* TExtStringGrid::GetCellGraphic(int ARealCol, int ARow) {
  if (ARealCol < 0 || ARow < 0) return nullptr;
  return dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ARealCol, ARow));
}

TPoint TExtStringGrid::GetCellGraphicSize(int ARealCol, int ARow) { return CalcCellGraphicSize(ARealCol, ARow); }

TPoint TExtStringGrid::CalcCellGraphicSize(int ARealCol, int ARow) {
  (void)ARealCol;
  (void)ARow;
  return TPoint{0, 0};
}

TPoint TExtStringGrid::CalcCellGraphicPrintSize(int ARealCol, int ARow) {
  return CalcCellGraphicSize(ARealCol, ARow);
}
