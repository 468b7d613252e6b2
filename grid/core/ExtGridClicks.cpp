// Double and right clicks of the string grid: auto-sizing a column by a
// double click on its header border, the double-click cell event and
// editing on double click, the right press that may move the cursor and
// pick rows first, URL editing, and the right release during a move.

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/ScopeGuard.h"

void TExtStringGrid::WMLButtonDblClk(TWMMouse& Message) {
  int x = Message.XPos, y = Message.YPos;
  int acol = -1, arow = -1;
  MouseToCell(x, y, acol, arow);
  bool oldForce = FForceSel;
  if (MouseActions()->RangeSelectAndEdit() && !(acol >= 0 && arow >= 0 && HasClickableControl(RealColIndex(acol), arow)))
    FForceSel = true;
  auto clear = MakeScopeGuard([&] { FForceSel = oldForce; });
  bool outside = acol < 0 || arow < 0;
  if (outside && FixedRowAlways()) return TBaseGrid::WMLButtonDblClk(Message);
  // The empty area right of the last column counts as its header.
  int hcol = outside ? ColCount() - 1 : acol, hrow = outside ? 0 : arow;
  if (dblClickSize(x, hcol, hrow)) return TBaseGrid::WMLButtonDblClk(Message);
  if (outside) {
    // Only the handler and the cell event; nothing acts on a cell.
    TBaseGrid::WMLButtonDblClk(Message);
    if (OnDblClickCell) OnDblClickCell(this, arow, acol);
    return;
  }
  if (onCellButton(x, y, acol, arow)) return;  // the button's own, not even OnDblClick
  int realCol = RealColIndex(acol);
  if (HasClickableControl(realCol, arow)) return TBaseGrid::WMLButtonDblClk(Message);
  TBaseGrid::WMLButtonDblClk(Message);
  if (OnDblClickCell) OnDblClickCell(this, arow, acol);
  if (MouseActions()->EditOnDblClickOnly()) {
    bool old = MouseActions()->RangeSelectAndEdit();
    MouseActions()->SetRangeSelectAndEdit(true);
    auto back = MakeScopeGuard([&] { MouseActions()->SetRangeSelectAndEdit(old); });
    if (IsEditable(realCol, arow)) {
      addOption(goEditing);
      FOldCol = acol;
      FOldRow = arow;
      ShowInplaceEdit();
    }
  } else if (MouseActions()->RangeSelectAndEdit() && IsEditable(realCol, arow)) {
    addOption(goEditing);
    TPoint b = BaseCell(realCol, arow);
    TRect r = CellRect(DisplColIndex(b.X), b.Y);
    MouseDown(mbLeft, {}, r.Left + 4, r.Top + 4);
  }
  FForceSel = oldForce;
  if (arow < TCustomGrid::FixedRows() && MouseActions()->FixedRowsEdit() == fceDblClick)
    StartEditOnClick(acol, arow);
  else if (acol < TCustomGrid::FixedCols() && MouseActions()->FixedColsEdit() == fceDblClick)
    StartEditOnClick(acol, arow);
}

// A double click near a header border auto-sizes the column left of it;
// true when it did (the release that follows then does not sort).
bool TExtStringGrid::dblClickSize(int X, int ACol, int ARow) {
  if (ARow >= TCustomGrid::FixedRows() || !Options().Contains(goColSizing) ||
      !MouseActions()->AutoSizeColOnDblClick())
    return false;
  TRect r = TCustomGrid::CellRect(ACol, ARow);
  int c = -1;
  if (std::abs(X - r.Left) < 4 && ACol - 1 >= TCustomGrid::FixedCols()) c = ACol - 1;
  else if (std::abs(X - r.Right) < 4 && ACol >= TCustomGrid::FixedCols()) c = ACol;
  if (c < 0) return false;
  FDblClk = true;
  bool allow = true;
  if (OnColumnSize) OnColumnSize(this, c, allow);
  if (allow) {
    AutoSizeCol(c, 0);
    if (OnEndColumnSize) OnEndColumnSize(this, c);
  }
  return true;
}

void TExtStringGrid::WMRButtonDown(TWMMouse& Message) {
  TBaseGrid::WMRButtonDown(Message);
  int x = Message.XPos, y = Message.YPos;
  int acol = -1, arow = -1;
  MouseToCell(x, y, acol, arow);
  bool valid = acol >= 0 && arow >= 0;
  if (valid && MouseActions()->SelectOnRightClick() && !IsFixed(acol, arow) &&
      !(MouseActions()->DisjunctCellSelect() && IsSelected(acol, arow)))
    rightClickSelect(x, y, acol, arow);
  if (OnRightClickCell) OnRightClickCell(this, arow, acol);
  // URL editing: only an editable normal cell opens its editor on the link.
  if (valid && URLShow() && URLEdit() && acol >= TCustomGrid::FixedCols() && arow >= TCustomGrid::FixedRows() &&
      IsURL(GetCellEx(RealColIndex(acol), arow)) && IsEditable(RealColIndex(acol), arow)) {
    MoveColRow(acol, arow, true, true);
    ShowEditor();
  }
}

void TExtStringGrid::rightClickSelect(int X, int Y, int ACol, int ARow) {
  int realCol = RealColIndex(ACol);
  if (!HasClickableControl(realCol, ARow)) {
    if (OnRightClickCell) {
      FocusCell(ACol, ARow);
    } else {
      MouseDown(mbLeft, {}, X, Y);
      MouseUp(mbLeft, {}, X, Y);
    }
  }
  if (IsSelected(ACol, ARow)) {
    bool can = true;
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
  } else {
    int oldLeft = LeftCol();
    bool keep = Navigation()->KeepHorizScroll();
    if (keep) BeginUpdate();
    auto restore = MakeScopeGuard([&] {
      if (!keep) return;
      SetLeftCol(oldLeft);
      EndUpdate();
    });
    TPoint b = BaseCell(realCol, ARow);
    MoveColRow(DisplColIndex(b.X), b.Y, true, true);
  }
  if (!MouseActions()->DisjunctRowSelect()) return;
  if (GetKeyState(VK_CONTROL) < 0 || MouseActions()->DisjunctRowSelectNoCtrl()) {
    SetRowSelect(ARow, !RowSelect(ARow));
  } else if (RowSelectCount() > 1 && PopupMenu()) {
    if (!RowSelect(ARow)) {
      ClearRowSelect();
      SetRowSelect(ARow, true);
    }
  } else {
    ClearRowSelect();
    SetRowSelect(ARow, true);
  }
}

void TExtStringGrid::WMRButtonUp(TWMMouse& Message) {
  bool moving = FGridState == gsRowMoving || FGridState == gsColMoving;
  if (moving && EnhRowColMove()) {
    Message.Result = 0;
    return;
  }
  TBaseGrid::WMRButtonUp(Message);
}
