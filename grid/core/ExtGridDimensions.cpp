// Row and column counts, fixed rows and columns and their sizes: every
// change of size keeps the grid's own state (largest counts, the fixed
// counts asked for, the floating footer row) in step.

#include "grid/core/ExtGrid.h"
#include "grid/editing/ExtInplaceEdit.h"

void TExtStringGrid::SetRowCount(int Value) {
  int oldCount = RowCount();
  if (oldCount == TCustomGrid::FixedRows() && FFixedRowAlways && FSelHidden) UnHideSelection();
  // The floating footer row travels to the new last row, with the
  // calculations its cells hold.
  std::vector<std::string> footer;
  std::vector<TColumnCalcType> calcs;
  bool moveFooter = FFloatingFooter.Visible() && Value != oldCount && oldCount > 0;
  if (moveFooter)
    for (int c = 0; c < TotalColCount(); ++c) {
      footer.push_back(GetGridCell(c, oldCount - 1));
      TCellProperties* p = GetGridObject(c, oldCount - 1);
      calcs.push_back(p ? p->CalcType : acNONE);
      if (p) p->CalcType = acNONE;
    }
  baseSetRowCount(Value);
  if (FFixedRowAlways && FFixedRowsMin < RowCount() && TCustomGrid::FixedRows() != FFixedRowsMin)
    baseSetFixedRows(FFixedRowsMin);
  if (Value > FMaxRowCount) FMaxRowCount = Value;
  FNormalRowCount = Value;
  ApplyScrollBarAlways(false);
  if (moveFooter) {
    for (int c = 0; c < static_cast<int>(footer.size()); ++c) {
      if (oldCount - 1 < RowCount()) SetGridCell(c, oldCount - 1, "");
      SetGridCell(c, RowCount() - 1, footer[c]);
      if (calcs[c] != acNONE)
        if (TCellProperties* p = GetCellProperties(c, RowCount() - 1)) p->CalcType = calcs[c];
    }
    CalcFooter(-1);
  }
}

void TExtStringGrid::SetColCount(int Value) {
  baseSetColCount(Value);
  if (FFixedColAlways && FFixedColsMin < ColCount() && TCustomGrid::FixedCols() != FFixedColsMin)
    baseSetFixedCols(FFixedColsMin);
  if (Value > FMaxColCount) FMaxColCount = Value;
  // A horizontal scroll bar may come or go; IntegralHeight takes account of it.
  SetBounds(Left(), Top(), Width(), Height());
  ApplyScrollBarAlways(false);
}

int TExtStringGrid::FixedRows() const {
  int n = TCustomGrid::FixedRows();
  return n == 0 && FFixedRowAlways ? 1 : n;
}

int TExtStringGrid::FixedCols() const {
  int n = TCustomGrid::FixedCols();
  return n == 0 && FFixedColAlways ? 1 : n;
}

void TExtStringGrid::SetFixedRows(int Value) {
  int v = Value;
  if (v >= RowCount()) v = FFixedRowAlways ? RowCount() - 1 : v;
  if (v < 0) v = 0;
  baseSetFixedRows(v);
  if (!ComponentState().Contains(csLoading)) FFixedRowsMin = Value;
}

void TExtStringGrid::SetFixedCols(int Value) {
  int v = Value;
  if (v >= ColCount()) v = FFixedColAlways ? ColCount() - 1 : v;
  if (v < 0) v = 0;
  baseSetFixedCols(v);
  if (!ComponentState().Contains(csLoading)) FFixedColsMin = Value;
}

void TExtStringGrid::SetFixedRowAlways(bool Value) {
  FFixedRowAlways = Value;
  if (Value && FFixedRowsMin < RowCount() && TCustomGrid::FixedRows() != FFixedRowsMin)
    baseSetFixedRows(FFixedRowsMin);
}

void TExtStringGrid::SetFixedColAlways(bool Value) {
  FFixedColAlways = Value;
  if (Value && FFixedColsMin < ColCount() && TCustomGrid::FixedCols() != FFixedColsMin)
    baseSetFixedCols(FFixedColsMin);
}

// The floating footer (and its panel, when shown) is one row high.
void TExtStringGrid::SetDefaultRowHeight(int Value) {
  baseSetDefaultRowHeight(Value);
  if (ComponentState().Contains(csDesigning)) FFixedRowHeight = Value;
  FFloatingFooter.SetHeight(Value);
}

void TExtStringGrid::SetFixedRowHeight(int Value) {
  FFixedRowHeight = Value;
  if (ComponentState().Contains(csLoading)) return;
  if (Value == DefaultRowHeight()) {
    SetDefaultRowHeight(Value);
    return;
  }
  for (int r = 0; r < TCustomGrid::FixedRows(); ++r) SetRowHeights(r, Value);
}

void TExtStringGrid::SetFixedColWidth(int Value) {
  if (ComponentState().Contains(csLoading) || Value == DefaultColWidth()) return;
  for (int c = 0; c < TCustomGrid::FixedCols(); ++c) SetColWidths(c, Value);
}

void TExtStringGrid::SetFixedFooters(int Value) {
  FFixedFooters = Value;
  Invalidate();
}

void TExtStringGrid::SetFixedRightCols(int Value) {
  FFixedRightCols = Value;
  Invalidate();
}

void TExtStringGrid::SetDefaultAlignment(TAlignment Value) {
  if (FDefaultAlignment == Value) return;
  FDefaultAlignment = Value;
  Invalidate();
}

void TExtStringGrid::SetWordWrap(bool Value) {
  FWordWrapEx = Value;
  TBaseGrid::SetWordWrap(Value);
  if (TExtInplaceEdit* e = NormalEdit()) e->SetWordWrap(Value);
  repaintUnlessUpdating();
}

void TExtStringGrid::SetCol(int ADisplCol) {
  baseSetCol(ADisplCol);
  if (TExtStringGrid* g = FSyncGrid.Grid(); g && FSyncGrid.SelectionColumn())
    g->SetCol(Col());
}

void TExtStringGrid::SetRow(int ARow) {
  if (Col() >= ColCount() || Col() < 0) MoveColRow(TCustomGrid::FixedCols(), ARow, true, true);
  baseSetRow(ARow);
  if (Row() != FLastReportedRow && OnRowUpdate) {
    OnRowUpdate(this, FLastReportedRow, Row());
    FLastReportedRow = Row();
  }
  if (TExtStringGrid* g = FSyncGrid.Grid(); g && FSyncGrid.SelectionRow()) g->SetRow(Row());
}

void TExtStringGrid::SetTopRow(int ARow) {
  if (ARow < TCustomGrid::FixedRows() || ARow > RowCount() - 1) return;
  baseSetTopRow(ARow);
}
