// Moving a column or row of the string grid by its header: while the base
// grid moves (gsColMoving, gsRowMoving) a header button follows the pointer,
// arrows mark where the header would land, the grid scrolls at its edges and
// the pointer says whether the drop is allowed; the release moves the column
// or row, and a lost capture ends it all without moving anything.

#include "grid/core/ExtGrid.h"
#include "grid/core/HeaderDragButton.h"
#include "grid/foundation/ExtObjIndicators.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"

namespace {
bool cellInView(const TExtStringGrid& G, int ACol, int ARow) {
  return ACol >= G.LeftCol() && ACol < G.LeftCol() + G.VisibleColCount() && ARow >= G.TopRow() &&
         ARow < G.TopRow() + G.VisibleRowCount();
}
}  // namespace

bool TExtStringGrid::enhancedMoving() const {
  TCursor c = Screen->Cursor();
  return (c == crDrag || c == crNoDrop) && (FGridState == gsRowMoving || FGridState == gsColMoving) &&
         FEnhRowColMove;
}

void TExtStringGrid::SetArrowColor(TColor Value) {
  FArrowColor = Value;
  for (TArrowWindow* a : {FArwU, FArwD, FArwL, FArwR})
    if (a) a->SetColor(Value);
}

TArrowWindow* TExtStringGrid::MoveArrow(TArrowDirection Direction) const {
  switch (Direction) {
    case arrUp: return FArwU;
    case arrDown: return FArwD;
    case arrLeft: return FArwL;
    case arrRight: return FArwR;
  }
  return nullptr;
}

void TExtStringGrid::ensureMoveControls() {
  if (FMoveButton) return;
  FMoveButton = new THeaderDragButton(this);
  FArwU = new TArrowWindow(this, arrUp);
  FArwD = new TArrowWindow(this, arrDown);
  FArwL = new TArrowWindow(this, arrLeft);
  FArwR = new TArrowWindow(this, arrRight);
  SetArrowColor(FArrowColor);
}

void TExtStringGrid::hideMoveArrows() {
  for (TArrowWindow* a : {FArwU, FArwD, FArwL, FArwR})
    if (a) a->Hide();
}

// The mouse-move part of a move; (ACol, ARow) is the cell under the pointer.
void TExtStringGrid::moveFeedback(int X, int Y, int ACol, int ARow) {
  if (ComponentState().Contains(csDesigning)) return;
  bool cols = FGridState == gsColMoving;
  bool allow = true;
  if (cols && OnColumnMove) OnColumnMove(this, Movecell, allow);
  if (!cols && OnRowMove) OnRowMove(this, Movecell, allow);
  if (!allow) {
    cancelEnhancedMove();
    return;
  }
  if (!FEnhRowColMove || RowCount() <= 1 || (X == Clickposx && Y == Clickposy) || FSizingFixed || FSizingFixedR)
    return;
  DoStartBlockFocus();
  ensureMoveControls();
  int fc = TCustomGrid::FixedCols(), fr = TCustomGrid::FixedRows();
  TRect place;
  if (cols && Movecell >= fc && ARow >= 0) {
    FMoveButton->SetCaption(Cells(RealColIndex(Movecell), 0));
    place = Bounds(0, 0, ColWidths(Movecell), RowHeights(ARow));
  } else if (!cols && Movecell >= fr && ACol >= 0) {
    FMoveButton->SetCaption(Cells(RealColIndex(0), Movecell));
    place = Bounds(0, 0, ColWidths(ACol), RowHeights(Movecell));
  }
  TPoint at = ClientToScreen(TPoint{X - MoveOfsX, Y - MoveOfsY});
  if (!place.IsEmpty()) FMoveButton->SetBounds(at.X, at.Y, place.Width(), place.Height());
  if (cols) {
    placeColArrows(ACol);
    FMoveColInd = ACol;
    FMoveRowInd = 0;
    if (OnColumnMoving) OnColumnMoving(this, ACol, allow);
  } else {
    placeRowArrows(ARow);
    FMoveColInd = 0;
    FMoveRowInd = ARow;
    if (OnRowMoving) OnRowMoving(this, ARow, allow);
  }
  edgeScrollWhileMoving(X, Y);
  FMoveButton->Show();
  FMoveButton->SetEnabled(true);
  FMoveRefused = !allow;
  Screen->SetCursor(allow ? crDrag : crNoDrop);
}

// The up and down arrows stand at the border of the column the header would
// land on: its left border when it moves left, its right border otherwise.
void TExtStringGrid::placeColArrows(int ACol) {
  bool show = ACol >= TCustomGrid::FixedCols() && ACol != Movecell && cellInView(*this, ACol, TopRow());
  if (!show) {
    FArwU->Hide();
    FArwD->Hide();
    return;
  }
  TRect r = TCustomGrid::CellRect(ACol, 0);
  TPoint tl = ClientToScreen(TPoint{r.Left, r.Top}), br = ClientToScreen(TPoint{r.Right, r.Bottom});
  int x = (ACol < Movecell ? tl.X : br.X) - 5;
  FArwU->SetBounds(x, br.Y, 11, 10);
  FArwD->SetBounds(x, tl.Y - 8, 10, 9);
  FArwU->Show();
  FArwD->Show();
}

// The left and right arrows stand at the top border of the row the header
// would land on when it moves up, at its bottom border otherwise.
void TExtStringGrid::placeRowArrows(int ARow) {
  bool footerRow = FloatingFooter()->Visible() && ARow == RowCount() - 1;
  bool show = ARow >= TCustomGrid::FixedRows() && ARow != Movecell && !footerRow && cellInView(*this, LeftCol(), ARow);
  if (!show) {
    FArwL->Hide();
    FArwR->Hide();
    return;
  }
  TRect r = TCustomGrid::CellRect(0, ARow);
  TPoint tl = ClientToScreen(TPoint{r.Left, r.Top}), br = ClientToScreen(TPoint{r.Right, r.Bottom});
  int y = (ARow < Movecell ? tl.Y : br.Y) - 5;
  FArwL->SetBounds(tl.X - 10, y, 9, 11);
  FArwR->SetBounds(br.X, y, 9, 11);
  FArwL->Show();
  FArwR->Show();
}

// The pointer beyond the fixed cells or the far edge scrolls one column
// (row) toward it.
void TExtStringGrid::edgeScrollWhileMoving(int X, int Y) {
  int fc = TCustomGrid::FixedCols(), fr = TCustomGrid::FixedRows();
  if (FGridState == gsColMoving && VisibleColCount() + fc < ColCount()) {
    int fixedWidth = fixedStart(fc, true);
    if (X < fixedWidth && LeftCol() > fc) SetLeftCol(LeftCol() - 1);
    else if (X > Width() && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
  }
  if (FGridState == gsRowMoving && VisibleRowCount() + fr < RowCount()) {
    int fixedHeight = fixedStart(fr, false);
    if (Y < fixedHeight && TopRow() > fr) SetTopRow(TopRow() - 1);
    else if (Y > Height() && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
  }
}

// The release of a move: dropped on a normal column (row) other than its own
// the header moves there; refused by a moving event nothing moves and the
// header is repainted. True when a move was running.
bool TExtStringGrid::endEnhancedMove(int ACol, int ARow) {
  if (!enhancedMoving()) return false;
  if (FMoveButton) {
    FMoveButton->SetEnabled(false);
    FMoveButton->Hide();
  }
  DoEndBlockFocus();
  bool dropped = Screen->Cursor() == crDrag && !FMoveRefused;
  Screen->SetCursor(crDefault);
  TGridState state = FGridState;
  FGridState = gsNormal;
  if (HandleAllocated()) KillTimer(Handle(), 1);
  if (dropped && state == gsColMoving && Movecell >= 0 && ACol >= TCustomGrid::FixedCols() && Movecell != ACol)
    MoveColumn(Movecell, ACol);
  else if (dropped && state == gsRowMoving && Movecell >= 0 && ARow >= TCustomGrid::FixedRows() && Movecell != ARow)
    MoveRow(Movecell, ARow);
  else if (!dropped && Movecell >= 0)
    state == gsColMoving ? RepaintRow(0) : RepaintCol(0);
  Invalidate();
  return true;
}

// A refused or lost move: nothing moves, every trace of it goes.
void TExtStringGrid::cancelEnhancedMove() {
  if (FMoveButton) {
    FMoveButton->SetEnabled(false);
    FMoveButton->Hide();
  }
  hideMoveArrows();
  if (Screen->Cursor() == crDrag || Screen->Cursor() == crNoDrop) Screen->SetCursor(crDefault);
  if (HandleAllocated()) KillTimer(Handle(), 1);
  FMoveRefused = false;
  FGridState = gsNormal;
  Invalidate();
}

void TExtStringGrid::WMCancelMode(TMessage& Message) {
  if (enhancedMoving()) cancelEnhancedMove();
  else hideMoveArrows();
  TBaseGrid::WMCancelMode(Message);
}
