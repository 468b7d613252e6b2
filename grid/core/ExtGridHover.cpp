// Mouse movement over the string grid: the hover row, what a press would
// start (row, column or select-all picks over the fixed cells), the sizing
// zones of fixed columns and rows with their size line, drags over the fixed
// cells that extend a row or column pick, the link cursor, sizing events and
// the selection-changed notification.

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"

void TExtStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
  if (oleDragCheck(Shift, X, Y)) return;
  TGridRect entry = Selection();
  if (MouseActions()->RangeSelectAndEdit() && FMouseDownMove && Options().Contains(goEditing) && !EditActive() &&
      FGridState == gsSelecting)
    removeOption(goEditing);
  int acol = -1, arow = -1;
  MouseToCell(X, Y, acol, arow);
  bool valid = acol >= 0 && arow >= 0;
  if (valid) hoverRow(arow);
  if (!ComponentState().Contains(csDesigning)) scrollCellHover(valid ? acol : -1, arow);
  hoverCellButton(X, Y, acol, arow);
  trackHoverFixedCell(acol, arow);
  if (valid && FMouseSelectStart != -1) dragFixedPick(acol, arow, Y);
  trackFixedBorders(X, Y, valid);
  if (FGridState == gsColSizing) ColSized = true;
  if (FGridState == gsRowSizing) Rowsized = true;
  if (FGridState == gsColMoving || FGridState == gsRowMoving) moveFeedback(X, Y, acol, arow);
  bool claimed = armPressMode(X, Y, acol, arow);
  bool onAnchor = trackAnchor(X, Y, acol, arow);
  bool onLink = onAnchor;
  if (!onLink && valid && URLShow()) {
    std::string text = GetCellEx(RealColIndex(acol), arow);
    onLink = GetTextKind(text, EnableHTML()) != 1 && IsURL(text);
  }
  if (!claimed && onLink) {
    if (TBaseGrid::Cursor() != crHandPoint) {
      FLinkCursorShown = true;
      TBaseGrid::SetCursor(crHandPoint);
    }
    claimed = true;
  }
  if (!claimed && FLinkCursorShown) {
    FLinkCursorShown = false;
    TBaseGrid::SetCursor(FOldCursor);
  }
  cancelCellHint(acol, arow);
  if (FGridState == gsSelecting && SelectionRectangle() && !(Selection() == FMoveSelection)) {
    InvalidateGridRect(Selection());
    FMoveSelection = Selection();
  }
  TBaseGrid::MouseMove(Shift, X, Y);
  if (Navigation()->KeepHorizScroll() && FMouseKeepDown && FGridState != gsColMoving &&
      Options().Contains(goRowSelect) && LeftCol() != FOldKeepLeftCol) {
    StartUpdate();
    SetLeftCol(FOldKeepLeftCol);
    ResetUpdate();
  }
  fireSizing(X, Y);
  if (ComponentState().Contains(csDesigning) || HintShowSizing()) sizingHint(X, Y);
  if (!(Selection() == entry)) {
    TGridRect s = Selection();
    SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
  }
}

void TExtStringGrid::hoverRow(int ARow) {
  if (!HoverRow() || ARow == FHoverRowIdx) return;
  int old = FHoverRowIdx;
  FHoverRowIdx = ARow;
  RepaintRow(ARow);
  if (old >= 0) RepaintRow(old);
}

// While a press in the fixed cells picks rows (columns), the pick follows
// the pointer, scrolling at the lower edge.
void TExtStringGrid::dragFixedPick(int ACol, int ARow, int Y) {
  int fc = TCustomGrid::FixedCols(), fr = TCustomGrid::FixedRows();
  if (MouseActions()->RowSelect() && FMouseSelectMode == msRow) {
    if (ARow >= fr && ARow <= RowCount() - FFixedFooters) {
      int to = std::min(std::max(fr, ARow), RowCount() - 1);
      SetSelection({fc, FMouseSelectStart, ColCount() - 1, to});
    }
    if (Y > Height() - 4 && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    else if (fr > 0 && Y < RowHeights(0) && TopRow() > fr) SetTopRow(TopRow() - 1);
  }
  if (MouseActions()->ColSelect() && FMouseSelectMode == msColumn)
    SetSelection({FMouseSelectStart, fr, std::max(fc, ACol), RowCount() - 1});
}

// The pointer over a fixed column's (row's) border arms its sizing; a
// running sizing moves its dotted line along.
void TExtStringGrid::trackFixedBorders(int X, int Y, bool Valid) {
  if (FSizingFixed) {
    invalidateSizeLine(FSizeFixedX, true);
    FSizeFixedX = X;
    invalidateSizeLine(X, true);
  } else {
    FSizeFixed = Valid && fixedBorderAt(X, true) >= 0 && MouseActions()->SizeFixedCol();
  }
  if (FSizingFixedR) {
    invalidateSizeLine(FSizeFixedY, false);
    FSizeFixedY = Y;
    invalidateSizeLine(Y, false);
  } else {
    FSizeFixedR = Valid && fixedBorderAt(Y, false) >= 0 && MouseActions()->SizeFixedRow();
  }
}

// The extent of the sizing lines: the control, or the cells when they reach further.
TPoint TExtStringGrid::sizeLineExtent() {
  int right = Width(), bottom = Height();
  if (RowCount() > 0) bottom = std::max(bottom, CellRect(0, RowCount() - 1).Bottom);
  if (ColCount() > 0) right = std::max(right, CellRect(ColCount() - 1, 0).Right);
  return {right, bottom};
}

void TExtStringGrid::invalidateSizeLine(int Pos, bool Vertical) {
  if (!HandleAllocated()) return;
  const TPoint e = sizeLineExtent();
  TRect r = Vertical ? TRect{Pos - 1, 0, Pos + 2, e.Y} : TRect{0, Pos - 1, e.X, Pos + 2};
  InvalidateRect(r);
}

// A dotted line inverting what it crosses (a black pen in XOR mode would
// leave every pixel as it was), so that drawing it twice at the same place
// takes it away; the painting draws the line of a running fixed-border drag
// after the cells.
void TExtStringGrid::DrawColSizeLine(int X) {
  drawSizeLine(TPoint{X, 0}, TPoint{X, sizeLineExtent().Y});
}

void TExtStringGrid::DrawRowSizeLine(int Y) {
  drawSizeLine(TPoint{0, Y}, TPoint{sizeLineExtent().X, Y});
}

void TExtStringGrid::drawSizeLine(TPoint From, TPoint To) {
  TCanvas* c = Canvas();
  TPen saved;
  saved.Assign(c->Pen());
  c->Pen()->SetStyle(psDot);
  c->Pen()->SetWidth(1);
  c->Pen()->SetColor(clBlack);
  c->Pen()->SetMode(pmNot);
  c->MoveTo(From.X, From.Y);
  c->LineTo(To.X, To.Y);
  c->Pen()->Assign(&saved);
}

// The hint of a running resize: "cw=" and the width for a column, "rh=" and
// the height for a row, at the top-left corner of the cell it belongs to.
void TExtStringGrid::sizingHint(int X, int Y) {
  std::string text;
  int col = 0, row = 0;
  if (FSizingFixed || FSizingFixedR) {
    text = FSizingFixed ? "cw=<b>" + std::to_string(FSizeFixedX) + "</b>" : "rh=<b>" + std::to_string(FSizeFixedY) + "</b>";
  } else if (FGridState == gsColSizing) {
    const bool known = Colclicked >= 0;
    col = known ? Colclicked : ColCount() - 1;
    text = "cw=<b>" + std::to_string(X - TCustomGrid::CellRect(col, 0).Left - Clickposdx) + "</b>";
  } else if (FGridState == gsRowSizing) {
    const bool known = Rowclicked >= 0;
    row = known ? Rowclicked : RowCount() - 1;
    text = "rh=<b>" + std::to_string(Y - TCustomGrid::CellRect(0, row).Top - Clickposdy) + "</b>";
  } else {
    return;
  }
  const TRect anchor = TCustomGrid::CellRect(col, row);
  showScrollHint(text, ClientToScreen(TPoint{anchor.Left, anchor.Top}), 200);
}

// What a press here would start; true when it set a cursor of its own.
bool TExtStringGrid::armPressMode(int X, int Y, int ACol, int ARow) {
  FMouseSelectMode = onSelectionResizer(X, Y) ? msResize : msNormal;
  if (ACol < 0 || ARow < 0) return false;
  int fc = TCustomGrid::FixedCols(), fr = TCustomGrid::FixedRows();
  if (ARow < fr && ACol < fc && MouseActions()->AllSelect()) FMouseSelectMode = msAll;
  else if (ARow < fr && ACol >= fc && MouseActions()->ColSelect() && !IsOnSizingBorder(X, Y))
    FMouseSelectMode = msColumn;
  else if (ACol < fc && ARow >= fr && ARow <= RowCount() - (FloatingFooter()->Visible() ? 2 : 1) &&
           MouseActions()->RowSelect() && !IsOnSizingBorder(X, Y))
    FMouseSelectMode = msRow;
  return FMouseSelectMode != msNormal && FMouseSelectMode != msResize;
}

void TExtStringGrid::fireSizing(int X, int Y) {
  if (FSizingFixed && OnColumnSizing) OnColumnSizing(this, 0, FSizeFixedX);
  else if (FGridState == gsColSizing && OnColumnSizing && Colclicked >= 0)
    OnColumnSizing(this, Colclicked, X - TCustomGrid::CellRect(Colclicked, 0).Left - Clickposdx);
  if (FSizingFixedR && OnRowSizing) OnRowSizing(this, 0, FSizeFixedY);
  else if (FGridState == gsRowSizing && OnRowSizing && Rowclicked >= 0)
    OnRowSizing(this, Rowclicked, Y - TCustomGrid::CellRect(0, Rowclicked).Top - Clickposdy);
}

// Near a line of the fixed row (goColSizing) or the fixed column (goRowSizing).
bool TExtStringGrid::IsOnSizingBorder(int X, int Y) const {
  int c = -1, r = -1;
  MouseToCell(X, Y, c, r);
  if (c < 0 || r < 0) return false;
  TRect rc = TCustomGrid::CellRect(c, r);
  bool result = false;
  if (r <= TCustomGrid::FixedRows() && Options().Contains(goColSizing))
    result = std::abs(X - rc.Left) < 4 || std::abs(X - rc.Right) < 4;
  if (c <= TCustomGrid::FixedCols() && Options().Contains(goRowSizing))
    result = std::abs(Y - rc.Top) < 4 || std::abs(Y - rc.Bottom) < 4;
  return result;
}

void TExtStringGrid::ScreenToCell(TPoint Pt, int& ACol, int& ARow) const {
  TPoint p = ScreenToClient(Pt);
  MouseToCell(p.X, p.Y, ACol, ARow);
}

void TExtStringGrid::CMMouseLeave(TCMControlMsg& Message) {
  TBaseGrid::CMMouseLeave(Message);
  FMouseSelectMode = msNormal;
  FSizeFixed = FSizeFixedR = false;
  // A fixed cell whose drop-down menu asked to stay highlighted keeps its hover.
  if (!FNoMouseLeave) trackHoverFixedCell(-1, -1);
  hoverCellButton(-1, -1, -1, -1);
  trackAnchor(-1, -1, -1, -1);
  if (HoverRow() && FHoverRowIdx >= 0) {
    int old = FHoverRowIdx;
    FHoverRowIdx = -1;
    RepaintRow(old);
  }
}
