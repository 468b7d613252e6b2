// Tab advance and row appending. One Tab makes at most one pass over the
// normal cells: a grid in which no cell can take the cursor leaves it where
// it is instead of searching again and again.

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/ScopeGuard.h"

bool TExtStringGrid::IsLastEditRow() {
  return Row() + 1 == RowCount() - FFixedFooters || (Row() + 2 == RowCount() && FloatingFooter()->Visible());
}

// Whether the Tab advance may stop on a cell: a selectable base cell, and an
// editable one in a grid that edits.
bool TExtStringGrid::tabStop(int ADisplCol, int ARow) {
  if (!IsBaseCell(RealColIndex(ADisplCol), ARow) || !CanSelectCell(ADisplCol, ARow)) return false;
  return !Options().Contains(goEditing) || IsEditable(RealColIndex(ADisplCol), ARow);
}

// The next (previous) stop after the cursor in reading order (column order
// for the other directions), within the normal cells; Wrapped tells whether
// the search passed the last (first) normal cell.
bool TExtStringGrid::nextTabStop(bool Backward, TGridCoord& Cell, bool& Wrapped) {
  int firstCol = FixedColsWithNodes(), endCol = ColCount() - VisibleFixedRightCols();
  int firstRow = TCustomGrid::FixedRows(), endRow = lastNormalRow() + 1;
  int cols = endCol - firstCol, rows = endRow - firstRow;
  if (cols <= 0 || rows <= 0) return false;
  bool byRow = Navigation()->TabAdvanceDirection() == adLeftRight;
  auto indexOf = [&](int c, int r) {
    c = std::clamp(c, firstCol, endCol - 1);
    r = std::clamp(r, firstRow, endRow - 1);
    return byRow ? (r - firstRow) * cols + (c - firstCol) : (c - firstCol) * rows + (r - firstRow);
  };
  long long total = static_cast<long long>(cols) * rows;
  long long start = indexOf(Col(), Row());
  // A merged cell is left past its last column (row).
  if (!Backward) {
    TPoint span = CellSpan(RealColIndex(Col()), Row());
    start = indexOf(Col() + (byRow ? std::max(span.X, 0) : 0), Row() + (byRow ? 0 : std::max(span.Y, 0)));
  }
  Wrapped = false;
  for (long long step = 1; step <= total; ++step) {
    long long i = Backward ? start - step : start + step;
    if (i < 0 || i >= total) Wrapped = true;
    i = ((i % total) + total) % total;
    int c = static_cast<int>(byRow ? i % cols : i / rows) + firstCol;
    int r = static_cast<int>(byRow ? i / cols : i % rows) + firstRow;
    if (tabStop(c, r)) {
      Cell = {c, r};
      return true;
    }
  }
  return false;
}

bool TExtStringGrid::TabAdvance(bool Backward) {
  if (OnKeyDown) {
    uint16_t key = VK_TAB;
    OnKeyDown(this, key, Backward ? TShiftState{ssShift} : TShiftState{});
    if (key != VK_TAB) return true;
  }
  if (Col() == FLastTabCol && Row() == FLastTabRow) return true;
  FLastTabCol = Col();
  FLastTabRow = Row();
  auto reset = MakeScopeGuard([this] {
    FLastTabCol = -1;
    FLastTabRow = -1;
  });
  bool result = true;
  TGridCoord to{Col(), Row()};
  bool wrapped = false;
  if (!nextTabStop(Backward, to, wrapped)) return true;  // nothing can take the cursor
  if (wrapped && !Backward) {
    if (Navigation()->AdvanceInsert() && !Navigation()->TabToNextAtEnd() && appendRowByTab()) {
      int c = FirstSelectableCol(Row());
      if (c >= 0) SetCol(c);
      to = {Col(), Row()};
    } else {
      moveTabCursor(to);
      result = !handOffTab();
    }
  } else {
    moveTabCursor(to);
  }
  if (Navigation()->AdvanceAutoEdit() && !HasClickableControl(RealColIndex(Col()), Row())) ClickCell(Col(), Row());
  if (Navigation()->AlwaysEdit() && CanFocus()) SetFocus();
  return result;
}

void TExtStringGrid::moveTabCursor(TGridCoord To) {
  if (To.Y != Row()) MoveColRow(To.X, To.Y, true, true);
  else if (To.X != Col()) SetCol(To.X);
}

// A row appended past the last one; false when OnCanAddRow refused.
bool TExtStringGrid::appendRowByTab() {
  bool can = true;
  DoCanAddRow(can);
  if (!can) return false;
  if (FloatingFooter()->Visible()) {
    InsertRows(RowCount() - 1, 1);
    SetRow(RowCount() - 2);
  } else {
    AppendOneRow();
    SetRow(RowCount() - 1);
  }
  if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
  return true;
}

// Tab past the last cell hands the focus on to the next control.
bool TExtStringGrid::handOffTab() {
  if (!Navigation()->TabToNextAtEnd() || !Parent()) return false;
  PostMessage(Parent()->Handle(), WM_KEYDOWN, VK_TAB, 0);
  return true;
}

void TExtStringGrid::AutoAddRow() {
  bool can = true;
  DoCanAddRow(can);
  if (!can) return;
  bool footer = FloatingFooter()->Visible();
  int all = ColCount() + FNumHidden;
  std::vector<std::string> footerTexts;
  if (footer)
    for (int c = 0; c < all; ++c) footerTexts.push_back(GetGridCell(c, RowCount() - 1));
  AppendOneRow();
  int cleared = footer ? RowCount() - 2 : RowCount() - 1;
  for (int c = 0; c < all; ++c) {
    SetGridCell(c, cleared, "");
    FreeCellProperties(c, cleared);
  }
  if (footer)
    for (int c = 0; c < all; ++c) SetGridCell(c, RowCount() - 1, footerTexts[static_cast<size_t>(c)]);
  if (footer || FFixedFooters > 0) SetRow(Row() + 1);
  if (footer) CalcFooter(-1);
  if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
}

void TExtStringGrid::ClickCell(int ADisplCol, int ARow) {
  TRect r = CellRect(ADisplCol, ARow);
  if (r.Width() <= 0 || r.Height() <= 0) return;
  auto down = std::move(OnMouseDown);
  auto up = std::move(OnMouseUp);
  OnMouseDown = nullptr;
  OnMouseUp = nullptr;
  auto restore = MakeScopeGuard([&] {
    OnMouseDown = std::move(down);
    OnMouseUp = std::move(up);
  });
  TBaseGrid::MouseDown(mbLeft, {}, r.Left + 2, r.Top + 2);
  TBaseGrid::MouseUp(mbLeft, {}, r.Left + 2, r.Top + 2);
}
