// Row and column selection beside the rectangular Selection: disjunct row
// and column flags, modified and disabled rows, moving the cursor by
// program, and the repaint helpers of cells, rows, columns and rectangles.

#include <algorithm>

#include "grid/core/ExtGrid.h"

namespace {
// A flag of a list that grows on demand; past its end it reads as 0.
bool flagAt(const std::vector<uint8_t>& Flags, int Index) {
  return Index >= 0 && Index < static_cast<int>(Flags.size()) && Flags[static_cast<size_t>(Index)] != 0;
}

void setFlag(std::vector<uint8_t>& Flags, int Index, bool Value) {
  if (static_cast<int>(Flags.size()) <= Index) Flags.resize(static_cast<size_t>(Index) + 1, 0);
  Flags[static_cast<size_t>(Index)] = Value ? 1 : 0;
}
}  // namespace

void TExtStringGrid::checkRowIndex(int ARow) const {
  if (ARow < 0 || ARow >= RowCount() + NumHiddenRows())
    throw EExtGridError("Invalid row " + std::to_string(ARow) + " accessed");
}

// ---- disjunct rows ----

bool TExtStringGrid::RowSelect(int ARow) {
  if (!MouseActions()->RowSelectPersistent()) checkRowIndex(ARow);
  if (MouseActions()->DisjunctRowSelect()) return flagAt(FRowSelectFlags, ARow);
  TGridRect s = NormalizedGridRect(Selection());
  return ARow >= s.Top && ARow <= s.Bottom;
}

void TExtStringGrid::SetRowSelect(int ARow, bool Value) {
  if (ARow < 0 || (RowCount() > TCustomGrid::FixedRows() && ARow >= RowCount() + NumHiddenRows()))
    throw EExtGridError("Invalid row accessed");
  bool allow = true;
  bool known = ARow < static_cast<int>(FRowSelectFlags.size());
  if ((!known || flagAt(FRowSelectFlags, ARow) != Value) && OnRowDisjunctSelect)
    OnRowDisjunctSelect(this, ARow, Value, allow);
  if (!allow) return;
  if (flagAt(FRowSelectFlags, ARow) != Value) RepaintRow(ARow);
  setFlag(FRowSelectFlags, ARow, Value);
  auto listed = std::find(FPickedRows.begin(), FPickedRows.end(), ARow);
  if (Value && listed == FPickedRows.end() && ARow >= TCustomGrid::FixedRows()) FPickedRows.push_back(ARow);
  if (!Value && listed != FPickedRows.end()) FPickedRows.erase(listed);
  if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, ARow);
}

int TExtStringGrid::RowSelectCount() {
  if (!MouseActions()->DisjunctRowSelect()) return std::abs(Selection().Bottom - Selection().Top) + 1;
  int n = std::min(RowCount() + NumHiddenRows(), static_cast<int>(FRowSelectFlags.size()));
  return static_cast<int>(std::count_if(FRowSelectFlags.begin(), FRowSelectFlags.begin() + n,
                                        [](uint8_t f) { return f != 0; }));
}

void TExtStringGrid::SelectRows(int RowIndex, int RCount) {
  if (RowIndex + RCount > RowCount()) RCount = RowCount() - RowIndex;
  if (!MouseActions()->DisjunctRowSelect()) {
    if (RCount > 0)
      SetSelection({TCustomGrid::FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
  } else {
    for (int i = RowIndex; i < RowIndex + RCount; ++i) {
      int r = MouseActions()->RowSelectPersistent() ? RealRowIndex(i) : i;
      if (r >= 0 && r < RowCount()) SetRowSelect(r, true);
    }
  }
  if (!RowIndicator()->Empty()) RepaintCol(0);
  FSelChange = false;
}

void TExtStringGrid::UnSelectRows(int RowIndex, int RCount) {
  if (MouseActions()->DisjunctRowSelect())
    for (int i = RowIndex; i < RowIndex + RCount; ++i) {
      int r = MouseActions()->RowSelectPersistent() ? RealRowIndex(i) : i;
      if (r >= 0 && r < RowCount()) SetRowSelect(r, false);
    }
  FSelChange = false;
}

void TExtStringGrid::ClearRowSelect() {
  for (int r = 0; r < static_cast<int>(FRowSelectFlags.size()); ++r)
    if (FRowSelectFlags[static_cast<size_t>(r)]) {
      FRowSelectFlags[static_cast<size_t>(r)] = 0;
      RepaintRow(r);
    }
  if (!FRowSelectFlags.empty()) FPickedRows.clear();
}

void TExtStringGrid::SelectionToRowSelect(bool All) {
  TGridRect s = NormalizedGridRect(Selection());
  s.Bottom = std::min(s.Bottom, lastNormalRow());
  for (int r = TCustomGrid::FixedRows(); r < RowCount(); ++r) {
    bool inside = r >= s.Top && r <= s.Bottom;
    if (!inside && !All) continue;
    SetRowSelect(MouseActions()->RowSelectPersistent() ? RealRowIndex(r) : r, inside);
  }
  if (NumHiddenRows() > 0) Invalidate();
}

// ---- disjunct columns ----

void TExtStringGrid::checkColIndex(int ACol) const {
  if (ACol < 0 || ACol >= ColCount()) throw EExtGridError("Invalid column accessed");
}

bool TExtStringGrid::ColSelect(int ACol) {
  checkColIndex(ACol);
  return flagAt(FColSelectFlags, ACol);
}

void TExtStringGrid::SetColSelect(int ACol, bool Value) {
  checkColIndex(ACol);
  if (flagAt(FColSelectFlags, ACol) != Value) RepaintCol(ACol);
  setFlag(FColSelectFlags, ACol, Value);
}

int TExtStringGrid::ColSelectCount() {
  if (!MouseActions()->DisjunctColSelect()) return Selection().Right - Selection().Left + 1;
  return static_cast<int>(std::count_if(FColSelectFlags.begin(), FColSelectFlags.end(), [](uint8_t f) { return f; }));
}

void TExtStringGrid::SelectCols(int ColIndex, int CCount) {
  if (!MouseActions()->DisjunctColSelect()) {
    if (CCount > 0) SetSelection({ColIndex, TCustomGrid::FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
    return;
  }
  for (int c = std::max(ColIndex, 0); c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, true);
}

void TExtStringGrid::UnSelectCols(int ColIndex, int CCount) {
  if (!MouseActions()->DisjunctColSelect()) return;
  for (int c = std::max(ColIndex, 0); c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, false);
}

void TExtStringGrid::ClearColSelect() {
  for (int c = 0; c < static_cast<int>(FColSelectFlags.size()); ++c)
    if (FColSelectFlags[static_cast<size_t>(c)]) {
      FColSelectFlags[static_cast<size_t>(c)] = 0;
      RepaintCol(c);
    }
}

void TExtStringGrid::SelectionToColSelect(bool All) {
  TGridRect s = NormalizedGridRect(Selection());
  for (int c = TCustomGrid::FixedCols(); c < ColCount(); ++c) {
    bool inside = c >= s.Left && c <= s.Right;
    if (inside || All) SetColSelect(c, inside);
  }
}

void TExtStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow) {
  SetRow(ToRow);
  SetCol(ToCol);
  SetSelection({FromCol, FromRow, ToCol, ToRow});
}

// ---- modified and disabled rows ----

bool TExtStringGrid::RowModified(int ARow) const { return flagAt(FModifiedFlags, ARow); }

void TExtStringGrid::SetRowModified(int ARow, bool Value) {
  checkRowIndex(ARow);
  setFlag(FModifiedFlags, ARow, Value);
  RepaintCell(0, ARow);
}

int TExtStringGrid::ModifiedRowCount() const {
  return static_cast<int>(std::count_if(FModifiedFlags.begin(), FModifiedFlags.end(), [](uint8_t f) { return f; }));
}

void TExtStringGrid::ClearModifiedRows() {
  FModifiedFlags.clear();
  Invalidate();
}

bool TExtStringGrid::RowEnabled(int ARow) const { return !flagAt(FDisabledFlags, ARow); }

// Disabling the current row moves the cursor to the first enabled normal
// row; enabling a row never moves it.
void TExtStringGrid::SetRowEnabled(int ARow, bool Value) {
  checkRowIndex(ARow);
  FUseEnabledRows = true;
  setFlag(FDisabledFlags, ARow, !Value);
  if (!Value && ARow == Row()) {
    for (int r = TCustomGrid::FixedRows(); r < RowCount(); ++r)
      if (r != ARow && RowEnabled(r)) {
        SetRow(r);
        break;
      }
  }
  RepaintRow(ARow);
}

// ---- moving the cursor by program ----

void TExtStringGrid::GotoCell(int ADisplCol, int ARow) {
  SetRow(ARow);
  SetCol(ADisplCol);
}

void TExtStringGrid::EditCell(int ADisplCol, int ARow) {
  if (CanFocus()) SetFocus();
  GotoCell(ADisplCol, ARow);
  ShowInplaceEdit();
}

// ---- repainting ----

void TExtStringGrid::RepaintRect(const TRect& R) {
  if (R.Left < 0 || R.Top < 0 || R.Right < 0 || R.Bottom < 0) return;
  TRect a = TCustomGrid::CellRect(R.Left, R.Top);
  TRect b = TCustomGrid::CellRect(std::min(R.Right, VisibleColCount() + TCustomGrid::FixedCols()), R.Bottom);
  if (a.IsEmpty() || b.IsEmpty()) {
    Invalidate();
    return;
  }
  InvalidateGridRect({R.Left, R.Top, R.Right, R.Bottom});
}

void TExtStringGrid::RepaintRow(int ARow) {
  if (ARow < 0 || ARow >= RowCount()) return;
  InvalidateRow(ARow);
}

void TExtStringGrid::RepaintCol(int ACol) {
  if (ACol < 0 || ACol >= ColCount()) return;
  InvalidateCol(ACol);
}

void TExtStringGrid::RepaintHeaderCells(int OldCol, int OldRow, int NewCol, int NewRow) {
  const int fc = TCustomGrid::FixedCols(), fr = TCustomGrid::FixedRows();
  for (TPoint cell : {TPoint{OldCol, OldRow}, TPoint{NewCol, NewRow}}) {
    if (fr > 0 && cell.X >= 0 && cell.X < ColCount()) RepaintCell(RealColIndex(cell.X), fr - 1);
    if (fc > 0 && cell.Y >= 0 && cell.Y < RowCount()) RepaintCell(RealColIndex(fc - 1), cell.Y);
  }
}

// ---- the last row above the search footer ----

bool TExtStringGrid::LastRowAboveSearchFooter() {
  if (!searchPanelHeight()) return false;
  if (TopRow() + VisibleRowCount() < RowCount() - 1) return false;
  return TCustomGrid::CellRect(Col(), RowCount() - 1).Bottom < ClientHeight() - searchPanelHeight() + 2;
}

// Scrolls until the last row shows above the search panel; stops as soon as
// the top row no longer grows (a window too low to show it).
void TExtStringGrid::ScrollLastRowAboveSearchFooter() {
  int panel = searchPanelHeight();
  if (!panel || ClientHeight() <= DefaultRowHeight() + panel) return;
  while (Row() <= RowCount() - 1 && TopRow() < RowCount() - 1) {
    TRect r = TCustomGrid::CellRect(Col(), RowCount() - 1);
    if (!r.IsEmpty() && r.Bottom <= ClientHeight() - panel + 2) break;
    int top = TopRow();
    SetTopRow(top + 1);
    if (TopRow() == top) break;
  }
}
