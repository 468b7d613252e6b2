// Merged ranges of the base grid: merging and splitting, the queries the
// string grid paints, edits, sorts and exports with, and the navigation
// that steps over a range as one cell and keeps the cursor on base cells.

#include <algorithm>

#include "grid/foundation/BaseGrid.h"
#include "toolkit/forms/WinApi.h"

void TBaseGrid::repaintRange(int FromCol, int FromRow, int ToCol, int ToRow) {
  for (int c = FromCol; c <= ToCol; ++c)
    for (int r = FromRow; r <= ToRow; ++r) RepaintCell(c, r);
}

void TBaseGrid::MergeCells(int ACol, int ARow, int SpanX, int SpanY) {
  if (SpanX < 1 || SpanY < 1) return;
  // Clip to the grid: the base is the first cell of the range inside it.
  int c0 = std::max(ACol, 0), r0 = std::max(ARow, 0);
  int c1 = std::min(ACol + SpanX - 1, TotalColCount() - 1), r1 = std::min(ARow + SpanY - 1, RowCount() - 1);
  if (c0 > c1 || r0 > r1) return;
  // A cell belongs to one range only.
  for (int i = c0; i <= c1; ++i)
    for (int j = r0; j <= r1; ++j) {
      TCellProperties* p = propsAt(i, j);
      if (p && (p->CellSpanX != -1 || p->CellSpanY != -1)) SplitCells(i, j);
    }
  for (int i = c0; i <= c1; ++i)
    for (int j = r0; j <= r1; ++j) {
      TCellProperties* p = GetCellProperties(i, j);
      p->IsBaseCell = i == c0 && j == r0;
      p->CellSpanX = p->IsBaseCell ? c1 - c0 : i - c0;
      p->CellSpanY = p->IsBaseCell ? r1 - r0 : j - r0;
    }
  if (c1 > c0 || r1 > r0) ++FMergeCount;
  repaintRange(c0, r0, c1, r1);
}

void TBaseGrid::SplitCells(int ACol, int ARow) {
  TCellProperties* p = insideGrid(ACol, ARow) ? propsAt(ACol, ARow) : nullptr;
  if (!p || (p->CellSpanX == -1 && p->CellSpanY == -1)) return;
  TGridRect full = FullCell(ACol, ARow);
  // Repaint while the range still covers its whole rectangle.
  repaintRange(full.Left, full.Top, full.Right, full.Bottom);
  for (int c = full.Left; c <= full.Right; ++c)
    for (int r = full.Top; r <= full.Bottom; ++r) {
      TCellProperties* q = insideGrid(c, r) ? propsAt(c, r) : nullptr;
      if (!q) continue;
      q->IsBaseCell = true;
      q->CellSpanX = -1;
      q->CellSpanY = -1;
    }
  if (full.Right > full.Left || full.Bottom > full.Top) --FMergeCount;
  repaintRange(full.Left, full.Top, full.Right, full.Bottom);
}

// ---- queries ----

TPoint TBaseGrid::BaseCell(int ACol, int ARow) const {
  TCellProperties* p = insideGrid(ACol, ARow) ? propsAt(ACol, ARow) : nullptr;
  return p ? p->GetBaseCell(ACol, ARow) : TPoint{ACol, ARow};
}

bool TBaseGrid::ResolveBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const {
  TPoint b = BaseCell(ACol, ARow);
  BaseCol = b.X;
  BaseRow = b.Y;
  return b.X == ACol && b.Y == ARow;
}

bool TBaseGrid::IsBaseCell(int ACol, int ARow) const {
  TCellProperties* p = insideGrid(ACol, ARow) ? propsAt(ACol, ARow) : nullptr;
  return !p || p->IsBaseCell;
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) const {
  TCellProperties* p = insideGrid(ACol, ARow) ? propsAt(ACol, ARow) : nullptr;
  return p && (p->CellSpanX > 0 || p->CellSpanY > 0);
}

bool TBaseGrid::IsMergedNonBaseCell(int ACol, int ARow) const {
  return IsMergedCell(ACol, ARow) && !IsBaseCell(ACol, ARow);
}

TPoint TBaseGrid::CellSpan(int ACol, int ARow) const {
  TCellProperties* p = insideGrid(ACol, ARow) ? propsAt(ACol, ARow) : nullptr;
  if (!p || p->CellSpanX == -1 || p->CellSpanY == -1) return {0, 0};
  TPoint b = p->GetBaseCell(ACol, ARow);
  TCellProperties* base = insideGrid(b.X, b.Y) ? propsAt(b.X, b.Y) : nullptr;
  if (!base || base->CellSpanX < 0 || base->CellSpanY < 0) return {0, 0};
  return {base->CellSpanX, base->CellSpanY};
}

bool TBaseGrid::IsXMergedCell(int ACol, int ARow) const { return CellSpan(ACol, ARow).X > 0; }
bool TBaseGrid::IsYMergedCell(int ACol, int ARow) const { return CellSpan(ACol, ARow).Y > 0; }

TPoint TBaseGrid::CellExt(int ACol, int ARow) const {
  TCellProperties* p = insideGrid(ACol, ARow) ? propsAt(ACol, ARow) : nullptr;
  if (!p || p->CellSpanX == -1 || p->CellSpanY == -1) return {0, 0};
  TPoint b = p->GetBaseCell(ACol, ARow);
  TPoint span = CellSpan(ACol, ARow);
  return {b.X + span.X - ACol, b.Y + span.Y - ARow};
}

TGridRect TBaseGrid::FullCell(int ACol, int ARow) const {
  TPoint b = BaseCell(ACol, ARow);
  TPoint span = CellSpan(ACol, ARow);
  return {b.X, b.Y, b.X + span.X, b.Y + span.Y};
}

int TBaseGrid::MinRowSpan(int ARow) const {
  int result = RowCount();
  for (int c = 0; c < ColCount(); ++c) {
    int y = CellSpan(c, ARow).Y;
    if (y > 0 && y < result) result = y;
  }
  return result;
}

int TBaseGrid::MaxRowSpan(int ARow) const {
  int result = 0;
  for (int c = 0; c < ColCount(); ++c) result = std::max(result, CellSpan(c, ARow).Y);
  return result;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2, bool& Found) const {
  Found = false;
  for (int c = 0; c < ColCount(); ++c) {
    if (CellSpan(c, ARow1).Y <= 0 || CellSpan(c, ARow2).Y <= 0) continue;
    Found = true;
    if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y) return false;
  }
  return true;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2, bool& Found) const {
  Found = false;
  for (int r = 0; r < RowCount(); ++r) {
    int x1 = CellSpan(ACol1, r).X, x2 = CellSpan(ACol2, r).X;
    if (x1 > 0 && x2 > 0) {
      Found = true;
      if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X) return false;
    } else if (x1 != x2) {
      return false;
    }
  }
  return true;
}

// ---- navigation ----

void TBaseGrid::MoveToBaseCell() {
  if (!HasCellProperties(Col(), Row())) return;
  TPoint b = BaseCell(Col(), Row());
  if (b.X >= FixedCols()) SetCol(b.X);
  if (b.Y >= FixedRows()) SetRow(b.Y);
}

// Cursor keys from a merged cell. Left and up go to the base of the cell
// before the range (when that cell is not fixed) and are handled here;
// right and down put the cursor on the range's last cell, from where the
// base control's own step leaves the range. True when the key is handled.
bool TBaseGrid::keyOverRange(uint16_t Key, TShiftState Shift) {
  if (Shift.Contains(ssCtrl) || Shift.Contains(ssAlt) || !HasCellProperties(Col(), Row())) return false;
  TPoint b = BaseCell(Col(), Row());
  TCellProperties* base = propsAt(b.X, b.Y);
  int spanX = base ? base->CellSpanX : -1, spanY = base ? base->CellSpanY : -1;
  bool moveAnchor = !Shift.Contains(ssShift);
  switch (Key) {
    case VK_LEFT:
      if (b.X >= Col()) return false;
      if (b.X - 1 >= FixedCols()) {
        TPoint t = BaseCell(b.X - 1, Row());
        FocusCell(std::max(t.X, FixedCols()), std::max(t.Y, FixedRows()), moveAnchor);
      }
      return true;
    case VK_UP:
      if (b.Y >= Row()) return false;
      if (b.Y - 1 >= FixedRows()) {
        TPoint t = BaseCell(Col(), b.Y - 1);
        FocusCell(std::max(t.X, FixedCols()), std::max(t.Y, FixedRows()), moveAnchor);
      }
      return true;
    case VK_RIGHT: {
      int e = b.X + spanX;
      if (e >= Col() && Col() < ColCount() - 1 && b.X < ColCount() - 1 && e < ColCount()) SetCol(e);
      return false;
    }
    case VK_DOWN: {
      int e = b.Y + spanY;
      if (e >= Row() && Row() < RowCount() - 1 && b.Y < RowCount() - 1) SetRow(e);
      return false;
    }
    default:
      return false;
  }
}

void TBaseGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_NEXT && FHideLastRow && RowCount() > 1 &&
      VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1)
    SetRow(RowCount() - 2);
  if (keyOverRange(Key, Shift)) {
    // The step is taken (or refused at the fixed cells, where the cursor
    // stays); the key still reaches OnKeyDown.
    TCustomControl::KeyDown(Key, Shift);
    return;
  }
  TStringGrid::KeyDown(Key, Shift);
  MoveToBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool result = TStringGrid::DoMouseWheelDown(Shift, MousePos);
  if (FHideLastRow && Row() < RowCount() - 1 && VisibleRowCount() < Row() - TopRow()) SetTopRow(TopRow() + 1);
  MoveToBaseCell();
  return result;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool result = TStringGrid::DoMouseWheelUp(Shift, MousePos);
  MoveToBaseCell();
  return result;
}

// Ranges cut by the scroll position are repainted whole.
void TBaseGrid::TopLeftChanged() {
  TStringGrid::TopLeftChanged();
  int lastRow = std::min(TopRow() + VisibleRowCount(), RowCount() - 1);
  for (int r = TopRow(); r <= lastRow; ++r)
    for (int c = 0; c < FixedCols(); ++c)
      if (IsMergedCell(c, r)) RepaintCell(c, r);
  int lastCol = std::min(LeftCol() + VisibleColCount(), ColCount() - 1);
  for (int c = LeftCol(); c <= lastCol; ++c)
    for (int r = 0; r < FixedRows(); ++r)
      if (IsMergedCell(c, r)) RepaintCell(c, r);
}

bool TBaseGrid::SelectCell(int ACol, int ARow) {
  if (UseRightToLeftAlignment()) {
    bool result = TStringGrid::SelectCell(ACol, ARow);
    Invalidate();
    return result;
  }
  RepaintCell(Col(), Row());
  bool result = TStringGrid::SelectCell(ACol, ARow);
  RepaintCell(ACol, ARow);
  return result;
}
