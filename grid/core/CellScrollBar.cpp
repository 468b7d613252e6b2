#include "grid/core/CellScrollBar.h"

#include "toolkit/forms/std/RangeControls.h"

TWinControl* NewCellScrollBar(TWinControl* Grid, std::function<void(int Code, int& Pos)> OnScroll) {
  auto* bar = new TScrollBar(Grid);
  bar->SetKind(sbVertical);
  bar->SetTabStop(false);
  bar->SetVisible(false);
  bar->SetParent(Grid);
  // The bar's codes are in the order of the scroll message's.
  bar->OnScroll = [OnScroll](TObject*, TScrollCode Code, int& Pos) { OnScroll(static_cast<int>(Code), Pos); };
  return bar;
}

void SetCellScrollBarRange(TWinControl* Bar, int Pos, int Min, int Max, int PageSize) {
  auto* bar = static_cast<TScrollBar*>(Bar);
  bar->SetParams(Pos, Min, Max);
  bar->SetPageSize(PageSize);
}

void PlaceCellScrollBar(TWinControl* Bar, const TRect& Cell, int LineWidth) {
  const int width = 17;
  Bar->SetBounds(Cell.Right - width - LineWidth, Cell.Top + LineWidth, width, Cell.Height() - 2 * LineWidth);
}
