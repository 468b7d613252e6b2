// Auto-scroll while something is dragged over the string grid: the pointer
// within a margin of an edge scrolls toward it, first after InitialDelay,
// then every RepeatDelay, never past the first or last normal row or column.

#include <algorithm>

#include "grid/core/ExtGrid.h"

void TExtStringGrid::DragOver(int X, int Y, TDragState State) {
  const TDragScrollOptions& o = *DragScrollOptions();
  const TDragScrollMargins& m = *o.Margins();
  if (!o.Active() || State == dsDragLeave) {
    stopDragScroll();
    return;
  }
  TDragScrollDirections dirs;
  if (Y < m.TopMargin()) dirs.Include(dsdUp);
  else if (Y > Height() - m.BottomMargin()) dirs.Include(dsdDown);
  if (X < m.LeftMargin()) dirs.Include(dsdLeft);
  else if (X > Width() - m.RightMargin()) dirs.Include(dsdRight);
  if (dirs.Empty()) {
    stopDragScroll();
    return;
  }
  if (!FDragTmr) {
    FDragTmr = std::make_unique<TTimer>(nullptr);
    FDragTmr->SetEnabled(false);
    FDragTmr->SetOnTimer([this](TObject* Sender) { dragScrollTick(Sender); });
  }
  // A timer that stood still starts over with the first delay.
  if (!FDragTmr->Enabled()) {
    FDragTmr->SetInterval(static_cast<uint32_t>(std::max(1, o.Delays()->InitialDelay())));
    FDragTmr->SetEnabled(true);
  }
  FDragScrollDirection = dirs;
}

void TExtStringGrid::stopDragScroll() {
  FDragTmr.reset();
  FDragScrollDirection = {};
}

// A tick that finds the option switched off only stops the timer: it is
// freed by the next drag or with the grid, never inside its own event.
void TExtStringGrid::dragScrollTick(TObject*) {
  if (!DragScrollOptions()->Active()) {
    FDragTmr->SetEnabled(false);
    FDragScrollDirection = {};
    return;
  }
  FDragTmr->SetInterval(static_cast<uint32_t>(std::max(1, DragScrollOptions()->Delays()->RepeatDelay())));
  TDragScrollDirections dirs = FDragScrollDirection;
  bool canScroll = true;
  if (OnDragScroll) OnDragScroll(this, TopRow(), LeftCol(), dirs, canScroll);
  if (!canScroll) return;
  int fc = TCustomGrid::FixedCols(), fr = TCustomGrid::FixedRows();
  if (dirs.Contains(dsdUp) && TopRow() > fr) SetTopRow(TopRow() - 1);
  if (dirs.Contains(dsdDown) && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
  if (dirs.Contains(dsdLeft) && LeftCol() > fc) SetLeftCol(LeftCol() - 1);
  if (dirs.Contains(dsdRight) && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
}
