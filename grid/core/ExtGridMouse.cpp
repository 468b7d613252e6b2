// The string grid's left button: the press decides what a click means (a
// fixed border to size, a select-all, row or column pick in the fixed cells,
// a link, a disjunct pick, or an ordinary cell click that may start an
// edit), and the release finishes it (sizing, picks, header sorting).

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/data/FilterDropList.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/Menus.h"
#include "toolkit/rtl/ScopeGuard.h"

namespace {
bool down(int VirtKey) { return GetKeyState(VirtKey) < 0; }

// One modifier only, Alt before Shift before Ctrl.
TShiftState pressShift() {
  if (down(VK_MENU)) return {ssAlt};
  if (down(VK_SHIFT)) return {ssShift};
  if (down(VK_CONTROL)) return {ssCtrl};
  return {};
}
}  // namespace

void TExtStringGrid::WMLButtonDown(TWMMouse& Message) {
  int x = Message.XPos, y = Message.YPos;
  FDoOnClick = FMouseDownMove = FMouseKeepDown = true;
  FMouseDownSelection = Selection();
  int acol = -1, arow = -1;
  MouseToCell(x, y, acol, arow);
  TGridRect sel0 = Selection();
  int fc = TCustomGrid::FixedCols(), fr = TCustomGrid::FixedRows();
  if (onSelectionResizer(x, y)) {
    startSelectionResize(x, y);
    Message.Result = 1;
    return;
  }

  if (Options().Contains(goEditing) && MouseActions()->RangeSelectAndEdit() && !sel0.Contains(acol, arow))
    removeOption(goEditing);
  bool allow = true;
  if (OnCanClickCell) OnCanClickCell(this, arow, acol, allow);
  if (!allow) return;
  if (FMouseSelectMode == msResize) return startSelectionResize(x, y);
  TShiftState shift = pressShift();
  bool valid = acol >= 0 && arow >= 0;
  if (MouseActions()->DisjunctCellSelect() && !shift.Contains(ssCtrl) && valid && !IsFixed(acol, arow)) {
    FPickedCells.Clear();
    Invalidate();
  }
  SetSearchInc("");
  FSelectionClick = false;
  FOldTopRow = TopRow();
  FOldKeepLeftCol = LeftCol();
  rememberPressBorders(x, y, acol, arow);
  if (!valid) {
    HideInplaceEdit();
    if (!FixedRowAlways()) TBaseGrid::WMLButtonDown(Message);
    return;
  }
  if (startFixedSizing(x, y)) return;
  TPoint b = BaseCell(RealColIndex(acol), arow);
  int pcol = acol, prow = arow;
  acol = DisplColIndex(b.X);
  arow = b.Y;
  bool fixedArea = arow < fr || acol < fc;
  if (fixedArea || IsFixed(acol, arow)) HideInplaceEdit();
  bool customFixed = IsFixed(acol, arow) && !fixedArea;
  pressFixedAsButton(x, acol, arow, fixedArea || customFixed);
  if (pressCellObject(x, y, acol, arow)) return;

  if (MouseActions()->DisjunctRowSelect() && arow >= fr && (acol != 0 || !MouseActions()->HotmailRowSelect())) {
    if (shift.Contains(ssShift)) {
      TBaseGrid::WMLButtonDown(Message);
      SetSelection({acol, arow, sel0.Left, sel0.Top});
      return;
    }
    if (shift.Contains(ssCtrl) || MouseActions()->DisjunctRowSelectNoCtrl()) {
      int idx = MouseActions()->RowSelectPersistent() ? RealRowIndex(arow) : arow;
      if (RowSelect(idx)) FDeselectState = true;
    } else {
      FMouseDown = true;
      if (!down(VK_MENU)) ClearRowSelect();
    }
  }
  if (MouseActions()->DisjunctColSelect() && acol >= fc) {
    if (shift.Contains(ssCtrl) && ColSelect(acol)) {
      FDeselectState = true;
    } else {
      FMouseDown = true;
      ClearColSelect();
    }
  }
  if (clickLink(x, y, acol, arow, prow, pcol)) return;
  selectByFixedCells(acol, arow, shift);

  bool canEdit = Options().Contains(goEditing) || MouseActions()->RangeSelectAndEdit();
  CanEditCell(RealColIndex(acol), arow, canEdit);
  bool normal = acol >= fc && arow >= fr;
  bool comboHit = normal && ControlLook()->DropDownAlwaysVisible() && HasCombo(RealColIndex(acol), arow);
  bool direct = MouseActions()->DirectEdit() || (ControlLook()->DropDownAlwaysVisible() && comboHit);
  if (normal && (canEdit || (MouseActions()->EditOnDblClickOnly() && comboHit)) && direct) {
    HideInplaceEdit();
    if (CanFocus()) SetFocus();
  }
  TRect cellR = CellRect(acol, arow);
  TGridRect single{acol, arow, acol, arow};
  bool onSelected = cellR.Contains(TPoint{x, y}) && Selection() == single;
  bool removeEdit = false;
  if (!onSelected && MouseActions()->RangeSelectAndEdit() && !IsFixed(acol, arow) && !canEdit) {
    removeEdit = true;
    removeOption(goEditing);
  }
  if (customFixed) {
    if (OnClickCell) OnClickCell(this, arow, acol);
    return;
  }
  ordinaryPress(Message, arow);
  bool nearBorder = x - cellR.Left < 4 || cellR.Right - x < 4;
  if (!(arow < fr && Options().Contains(goColSizing) && nearBorder) && OnClickCell) OnClickCell(this, arow, acol);
  if (OnCellValidate) {
    FEntered = false;
    RememberCurrentCell(Col(), Row());
  }
  if (!nearBorder && normal && (canEdit || (MouseActions()->EditOnDblClickOnly() && comboHit)) && direct &&
      !HasClickableControl(RealColIndex(acol), arow))
    directEdit(acol, arow, comboHit);
  if (removeEdit) FGridState = gsSelecting;
}

// The cell whose right (bottom) border the press is near, with its size.
void TExtStringGrid::rememberPressBorders(int X, int Y, int ACol, int ARow) {
  int c = -1, r = -1;
  if (ARow == 0) MouseToCell(X - 5, Y, c, r);
  else if (ACol == 0) MouseToCell(X, Y - 4, c, r);
  else MouseToCell(X - 5, Y - 4, c, r);
  Colclicked = c;
  Rowclicked = r;
  if (c >= 0 && r >= 0) {
    Colclickedsize = ColWidths(c);
    Rowclickedsize = RowHeights(r);
  }
  Clickposx = X;
  Clickposy = Y;
  TRect rc = c != -1 && r != -1 ? TCustomGrid::CellRect(c, r) : TRect{};
  Clickposdx = X - rc.Right;
  Clickposdy = Y - rc.Bottom;
}

// The base grid's press; a partly visible row it scrolled into view is put
// back with NoScrollOnPartialRow, ending the range selection the press began.
void TExtStringGrid::ordinaryPress(TWMMouse& Message, int ARow) {
  bool edge = ARow == TopRow() + VisibleRowCount();
  bool keep = Options().Contains(goRowSelect) && Navigation()->KeepHorizScroll();
  if (keep) BeginUpdate();
  auto restore = MakeScopeGuard([&] {
    if (!keep) return;
    SetLeftCol(FOldKeepLeftCol);
    EndUpdate();
  });
  if (!FSelHidden) {
    bool alwaysEdit = Navigation()->AlwaysEdit();
    Navigation()->SetAlwaysEdit(false);
    auto back = MakeScopeGuard([&] { Navigation()->SetAlwaysEdit(alwaysEdit); });
    TBaseGrid::WMLButtonDown(Message);
  }
  if (FGridState == gsSelecting && edge && MouseActions()->NoAutoRangeScroll()) FGridState = gsNormal;
  if (TopRow() != FOldTopRow && MouseActions()->NoScrollOnPartialRow()) {
    SetTopRow(FOldTopRow);
    endSelecting();
  }
}

// Ends a range selection without a release: no click, no cell (0, 0).
void TExtStringGrid::endSelecting() {
  if (FGridState == gsSelecting) FGridState = gsNormal;
  if (HandleAllocated()) KillTimer(Handle(), 1);
  if (MouseCapture()) SetMouseCapture(false);
}

void TExtStringGrid::directEdit(int ACol, int ARow, bool ComboHit) {
  if (MouseActions()->EditOnDblClickOnly() && ComboHit && !Options().Contains(goEditing)) {
    addOption(goEditing);
    if (CanFocus()) SetFocus();
  }
  if (Col() != ACol || Row() != ARow) return;  // the move was refused
  SetSelection({ACol, ARow, ACol, ARow});
  RememberCurrentCell(ACol, ARow);
  ShowEditor();
}

// Select-all, row and column picks over the fixed cells, as mouse movement
// armed them; a drag from a fixed cell may then move its column or row.
void TExtStringGrid::selectByFixedCells(int ACol, int ARow, TShiftState Shift) {
  int fc = TCustomGrid::FixedCols(), fr = TCustomGrid::FixedRows();
  Movecell = -1;
  TGridRect old = Selection();
  if (ACol < fc && ARow < fr && MouseActions()->AllSelect() && Options().Contains(goRangeSelect) &&
      FMouseSelectMode == msAll) {
    if (CanFocus()) SetFocus();
    TGridRect r{fc, fr, ColCount() - 1, RowCount() - 1};
    BeforeSelectAll(r);
    SetSelection(r);
    FSelHidden = false;
    DoExit();
    if (ActiveCellShow()) RepaintHeaderCells(old.Left, old.Top, ACol, ARow);
  }
  if (ACol < fc && ARow >= fr && MouseActions()->RowSelect() && FMouseSelectMode == msRow) {
    if (EditMode && CanFocus()) SetFocus();
    if (MouseActions()->DisjunctCellSelect()) FPickedCells.Clear();
    SetSelection({fc, ARow, ColCount() - 1, Shift.Contains(ssShift) ? old.Top : ARow});
    FSelHidden = false;
    DoExit();
    FMouseSelectStart = ARow;
  }
  if (ACol >= fc && ARow < fr && MouseActions()->ColSelect() && Options().Contains(goRangeSelect) &&
      FMouseSelectMode == msColumn) {
    if (CanFocus()) SetFocus();
    if (!Shift.Contains(ssShift)) SetSelection({ACol, fr, ACol, RowCount() - 1});
    else if (ACol < old.Left) SetSelection({ACol, fr, old.Right, RowCount() - 1});
    else SetSelection({old.Left, fr, ACol, RowCount() - 1});
    FSelHidden = false;
    DoExit();
    FMouseSelectStart = ACol;
  }
  if (ACol >= fc && ARow < fr) Movecell = ACol;
  else if (ACol < fc && ARow >= fr) Movecell = ARow;
  TRect r = TCustomGrid::CellRect(ACol, ARow);
  MoveOfsX = Clickposx - r.Left;
  MoveOfsY = Clickposy - r.Top;
}

// A link in a plain cell (with URLShow) or an anchor of an HTML cell:
// OnAnchorClick may take it, else it is followed.
bool TExtStringGrid::clickLink(int X, int Y, int ACol, int ARow, int PRow, int PCol) {
  std::string text = GetCellEx(RealColIndex(ACol), ARow);
  if (GetTextKind(text, EnableHTML()) == 1) return clickAnchor(X, Y, ACol, ARow, PCol, PRow);
  if (!URLShow() || !IsURL(text)) return false;
  followLink(text, PRow, PCol);
  return true;
}

// ---- fixed column and row sizing ----

bool TExtStringGrid::startFixedSizing(int X, int Y) {
  if (FSizeFixed) {
    FSizingFixed = true;
    FSizeFixedX = X;
    invalidateSizeLine(X, true);
    FSizingFixedCol = fixedBorderAt(X, true);
    SetMouseCapture(true);
    return true;
  }
  if (FSizeFixedR) {
    FSizingFixedR = true;
    FSizeFixedY = Y;
    invalidateSizeLine(Y, false);
    FSizingFixedRow = fixedBorderAt(Y, false);
    SetMouseCapture(true);
    return true;
  }
  return false;
}

// The fixed column (row) whose right (bottom) border lies within 2 pixels
// of Pos, counting GridLineWidth per preceding column (row); -1 when none.
int TExtStringGrid::fixedBorderAt(int Pos, bool Cols) const {
  int n = Cols ? TCustomGrid::FixedCols() : TCustomGrid::FixedRows();
  int edge = 0;
  for (int i = 0; i < n; ++i) {
    edge += Cols ? ColWidths(i) : RowHeights(i);
    if (std::abs(edge - Pos) < 3) return i;
    edge += GridLineWidth();
  }
  return -1;
}

int TExtStringGrid::fixedStart(int Index, bool Cols) const {
  int start = 0;
  for (int i = 0; i < Index; ++i) start += (Cols ? ColWidths(i) : RowHeights(i)) + GridLineWidth();
  return start;
}

void TExtStringGrid::endFixedSizing(int X, int Y) {
  if ((FSizingFixed || FSizingFixedR) && MouseCapture()) SetMouseCapture(false);
  if (FSizingFixed) invalidateSizeLine(FSizeFixedX, true);
  if (FSizingFixedR) invalidateSizeLine(FSizeFixedY, false);
  if (FSizingFixed) {
    FSizeFixed = FSizingFixed = false;
    int c = FSizingFixedCol;
    FSizingFixedCol = -1;
    if (c >= 0 && c < ColCount()) {
      int w = std::max(0, X - fixedStart(c, true));
      SetColWidths(c, w);
      if (OnEndColumnSize) OnEndColumnSize(this, c);
      UpdateColumnSize(c, w);
      if (ColWidths(c) != w) SetColWidths(c, std::max(0, w));
    }
  }
  if (FSizingFixedR) {
    FSizeFixedR = FSizingFixedR = false;
    int r = FSizingFixedRow;
    FSizingFixedRow = -1;
    if (r >= 0 && r < RowCount()) {
      SetRowHeights(r, std::max(0, Y - fixedStart(r, false)));
      if (OnEndRowSize) OnEndRowSize(this, r);
    }
  }
}

// ---- the release ----

void TExtStringGrid::WMLButtonUp(TWMMouse& Message) {
  int x = Message.XPos, y = Message.YPos;
  ColMoveFlg = ColSizeFlg = false;
  FMouseDown = FMouseKeepDown = FMouseDownMove = false;
  FMouseSelectMode = msNormal;
  FMouseSelectStart = -1;
  hideMoveArrows();
  endFixedSizing(x, y);
  if (FCtrlDown) {
    FCtrlDown = false;
    RepaintCell(DisplColIndex(FCtrlXY.X), FCtrlXY.Y);
  }
  int acol = -1, arow = -1;
  MouseToCell(x, y, acol, arow);
  releaseCellButton(x, y, acol, arow);
  if (onCellButton(x, y, acol, arow)) {
    // The button's release alone: nothing else the press began stays open.
    if (FGridState != gsNormal) FGridState = gsNormal;
    if (MouseCapture()) SetMouseCapture(false);
    return;
  }
  int fc = TCustomGrid::FixedCols(), fr = TCustomGrid::FixedRows();
  bool valid = acol >= 0 && arow >= 0;
  if (FDoOnClick && valid && (arow < fr || acol < fc) && !onSizingLine(x, y) && OnClick) OnClick(this);
  FDoOnClick = false;
  if (FGridState == gsSelecting) {
    FGridState = gsNormal;
    Click();
  }
  bool deselected = false;
  if (FSelectionClick) {
    FSelectionClick = false;
    if (valid && acol >= fc && arow >= fr)
      SetSelection(Options().Contains(goRowSelect) ? TGridRect{fc, arow, ColCount() - 1, arow}
                                                    : TGridRect{acol, arow, acol, arow});
  }
  if (MouseActions()->DisjunctRowSelect() && acol >= 0) {
    if (acol != 0 || !MouseActions()->HotmailRowSelect()) SelectionToRowSelect(false);
    if (arow >= fr && arow < lastNormalRow() + 1 && FDeselectState) {
      SetRowSelect(MouseActions()->RowSelectPersistent() ? RealRowIndex(arow) : arow, false);
      deselected = true;
    }
    FDeselectState = false;
  }
  if (MouseActions()->DisjunctColSelect()) {
    SelectionToColSelect(false);
    if (acol >= fc && acol < ColCount() - FFixedRightCols && FDeselectState) SetColSelect(acol, false);
    FDeselectState = false;
  }
  bool moved = endEnhancedMove(acol, arow);
  TBaseGrid::WMLButtonUp(Message);
  if (deselected) FSelChange = false;
  if (FGridState == gsSelecting) FGridState = gsNormal;
  endSelectionResize();
  if (ColMoveFlg || ColSizeFlg || moved || !valid) return;
  headerRelease(x, y, acol, arow);
}

// A release over the cell pressed: check boxes and radios hear of it, and on
// the sort row it sorts by the column (the data code decides whether and
// how). Borders belong to sizing and the 16 rightmost pixels of a header
// cell to its drop-down buttons.
void TExtStringGrid::headerRelease(int X, int Y, int ACol, int ARow) {
  if (ACol < TCustomGrid::FixedCols() && !SortSettings()->FixedCols()) return;
  int realCol = RealColIndex(ACol);
  bool checked = false;
  int radio = -1;
  if (OnCheckBoxMouseUp && HasCheckBox(realCol, ARow) && GetCheckBoxState(realCol, RealRowIndex(ARow), checked))
    OnCheckBoxMouseUp(this, realCol, ARow, checked);
  if (OnRadioMouseUp && IsRadio(realCol, ARow) && GetRadioIdx(realCol, ARow, radio))
    OnRadioMouseUp(this, realCol, ARow, radio);
  if (FDblClk) {
    FDblClk = false;
    return;
  }
  TRect r = TCustomGrid::CellRect(ACol, ARow);
  if (ARow == 0 && Options().Contains(goColSizing) && (std::abs(X - r.Left) < 4 || std::abs(X - r.Right) < 4)) return;
  int pc = -1, pr = -1;
  MouseToCell(Clickposx, Clickposy, pc, pr);
  if (X > r.Right - 16 && (GetFilter(realCol) || (ControlLook()->FixedDropDownButton() && CanShowFixedDropDown(realCol))))
    return;
  int sortRow = SortSettings()->Row();
  bool sortHit = ARow == sortRow && pr == sortRow && TCustomGrid::FixedRows() > 0 &&
                 !IsInCheckBox(realCol, ARow, X, Y) && RowCount() > 2;
  if (sortHit) SortByHeader(realCol);
}

bool TExtStringGrid::onSizingLine(int X, int Y) {
  TGridState state = gsNormal;
  int index = -1, pos = 0, ofs = 0;
  TGridDrawInfo info;
  TBaseGrid::CalcSizingState(X, Y, state, index, pos, ofs, info);
  return state == gsColSizing || state == gsRowSizing;
}

// ---- the mouse methods ----

void TExtStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FOleArmed = Button == mbLeft;  // a drag of the cells may start from here
  FOlePress = {X, Y};
  int acol = -1, arow = -1;
  MouseToCell(X, Y, acol, arow);
  if (MouseActions()->RangeSelectAndEdit() && Button == mbLeft && !MouseActions()->EditOnDblClickOnly()) {
    if (acol == Col() && arow == Row() && !Options().Contains(goEditing) && acol >= 0 && arow >= 0 &&
        IsEditable(RealColIndex(acol), arow)) {
      addOption(goEditing);
      TBaseGrid::MouseDown(Button, Shift, X, Y);
      ShowInplaceEdit();
      return;
    }
    if (Shift.Contains(ssShift) && Options().Contains(goEditing) && !(acol == Col() && arow == Row())) {
      removeOption(goEditing);
      TBaseGrid::MouseDown(Button, Shift, X, Y);
      return;
    }
  }
  if (fixedDropDownPress(X, acol, arow)) return;
  FEditStart = true;
  auto done = MakeScopeGuard([this] { FEditStart = false; });
  TBaseGrid::MouseDown(Button, Shift, X, Y);
  if (editHeaderByPress(Button, X, Y, acol, arow)) return;
  followSyncGrid();
  if (Button == mbLeft) FormulaCellClick();
  // A left click on a check box or radio of the cell it made current toggles it.
  if (Button != mbLeft || Shift.Contains(ssDouble) || acol != Col() || arow != Row() || acol < 0 || arow < 0) return;
  int rc = RealColIndex(acol);
  if (HasCheckBox(rc, arow) && IsInCheckBox(rc, arow, X, Y)) {
    if (ToggleCheck(rc, arow, false)) rowModifiedByControl(arow);
  } else if (HasRadioButton(rc, arow) && IsInCheckBox(rc, arow, X, Y) && ClickRadioButton(rc, arow, true)) {
    rowModifiedByControl(arow);
    if (OnRadioButtonClick) OnRadioButtonClick(this, rc, arow);
  }
}

void TExtStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGridRect before = FMouseDownSelection;
  // The sizing hint goes with the resize (the thumb's with its end of scroll).
  if (FScrollHintShow && (FScrollHintText.rfind("cw=", 0) == 0 || FScrollHintText.rfind("rh=", 0) == 0))
    hideScrollHint();
  filterRowRelease(X, Y);
  FDropDownDown = false;
  if ((FGridState == gsColSizing && X > Width()) || (FGridState == gsRowSizing && Y > Height())) {
    FGridState = gsNormal;
    Invalidate();
    return;
  }
  if (Button == mbLeft && MouseActions()->DisjunctCellSelect()) {
    int acol = -1, arow = -1;
    MouseToCell(X, Y, acol, arow);
    if (!pickCellsByMouse(acol, arow, Shift)) return;
  }
  if (Button == mbRight && FGridState == gsColMoving) return;
  TBaseGrid::MouseUp(Button, Shift, X, Y);
  if (!(Selection() == before)) {
    TGridRect s = Selection();
    SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
  }
  FMouseDownSelection = Selection();
}

// A press on the drop-down button of a hovered fixed cell (its 16 rightmost
// pixels, off the sizing border): the fixed drop-down menu, as
// OnFixedDropDownClick may change it, pops up under the button with the
// cell kept highlighted; true when the press was the button's.
bool TExtStringGrid::fixedDropDownPress(int X, int ACol, int ARow) {
  if (ACol < 0 || ARow < 0 || !ControlLook()->FixedDropDownButton() || !IsHoverFixedCell(ACol, ARow) ||
      !CanShowFixedDropDown(RealColIndex(ACol)))
    return false;
  const TRect r = TCustomGrid::CellRect(ACol, ARow);
  const int margin = Options().Contains(goColSizing) ? 2 : 0;
  if (!(X > r.Right - 16 && X < r.Right - margin)) return false;
  FDropDownDown = true;
  if (!FFixedDropDownMenu && !OnFixedDropDownClick) return false;
  FNoMouseLeave = true;
  TPopupMenu* menu = FFixedDropDownMenu;
  if (menu) menu->SetTag(ACol);
  bool keepHighlighted = false;
  if (OnFixedDropDownClick) OnFixedDropDownClick(this, ACol, ARow, menu, keepHighlighted);
  if (menu) {
    trackHoverFixedCell(ACol, ARow);
    const TPoint at = ClientToScreen(TPoint{r.Right - 16, r.Bottom});
    menu->Popup(at.X, at.Y);
    trackHoverFixedCell(-1, -1);
  }
  FNoMouseLeave = keepHighlighted;
  return true;
}

// A release on the filter button of a filter-row cell (its 16 rightmost
// pixels, the top 19) opens that column's list unless it is the one open;
// any other release closes the list.
void TExtStringGrid::filterRowRelease(int X, int Y) {
  int acol = -1, arow = -1;
  MouseToCell(X, Y, acol, arow);
  if (acol >= 0 && arow >= 0 && arow == FilterDropDownRow()) {
    const int realCol = RealColIndex(acol);
    const TRect r = TCustomGrid::CellRect(acol, arow);
    const bool onButton = X > r.Right - 16 && X < r.Right - 3 && Y < r.Top + 19;
    if (realCol != FilterColumn() && onButton && GetColumnFilterValues(realCol)) {
      ShowFilterDropDown(acol);
      return;
    }
  }
  if (FilterColumn() >= 0 || (FilterDropList() && FilterDropList()->Visible())) HideFilterDropDown();
}

void TExtStringGrid::SetFixedDropDownMenu(TPopupMenu* Value) {
  FFixedDropDownMenu = Value;
  if (Value) Value->FreeNotification(this);
}

void TExtStringGrid::followSyncGrid() {
  TExtStringGrid* g = SyncGrid()->Grid();
  if (!g || g == this) return;
  if (SyncGrid()->SelectionColumn() && Col() < g->ColCount()) g->SetCol(Col());
  if (SyncGrid()->SelectionRow() && Row() < g->RowCount()) g->SetRow(Row());
}

// ---- double click and moves ----

void TExtStringGrid::DblClick() { TBaseGrid::DblClick(); }

// The base grid has moved the cells, the widths and the cursor once; the
// grid keeps its column order in step and passes the move on to a
// synchronised grid (which does not pass it back).
void TExtStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
  // The real columns as they were before the move (hidden columns shift).
  int from = FMovedRealFrom, to = FMovedRealTo;
  int n = FColumnOrder.Count();
  if (from < n && to < n && from != to) FColumnOrder.Move(from, to);
  if (EnhRowColMove()) ColMoveFlg = true;
  TBaseGrid::ColumnMoved(FromIndex, ToIndex);
  TExtStringGrid* g = SyncGrid()->Grid();
  if (g && g != this && SyncGrid()->MoveColumn() && !FSyncedMove && ToIndex < g->ColCount()) {
    g->FSyncedMove = true;
    auto back = MakeScopeGuard([g] { g->FSyncedMove = false; });
    g->MoveColumn(FromIndex, ToIndex);
  }
}

void TExtStringGrid::RowMoved(int FromIndex, int ToIndex) {
  if (EnhRowColMove()) ColMoveFlg = true;
  TBaseGrid::RowMoved(FromIndex, ToIndex);
  TExtStringGrid* g = SyncGrid()->Grid();
  if (g && g != this && SyncGrid()->MoveRow() && !FSyncedMove && ToIndex < g->RowCount()) {
    g->FSyncedMove = true;
    auto back = MakeScopeGuard([g] { g->FSyncedMove = false; });
    g->MoveRow(FromIndex, ToIndex);
  }
}
