// The selection resizer: a 6 x 6 square at the bottom-right corner of the
// selection (bottom-left in right-to-left grids). Dragging it grows or
// shrinks the selection from its top-left cell; the release fills the new
// area from a copy of the old one.

#include "grid/core/ExtGrid.h"
#include "toolkit/rtl/ScopeGuard.h"

TRect TExtStringGrid::SelectionResizerRect() {
  TGridRect s = Selection();
  TRect r = CellRect(s.Right, s.Bottom);
  r.Top = r.Bottom - 6;
  if (BiDiMode() == bdLeftToRight) r.Left = r.Right - 6;
  else r.Right = r.Left + 6;
  return r;
}

bool TExtStringGrid::onSelectionResizer(int X, int Y) {
  return SelectionResizer() && SelectionRectangle() && SelectionResizerRect().Contains(TPoint{X, Y});
}

void TExtStringGrid::startSelectionResize(int X, int Y) {
  TGridRect sel = Selection();
  FDropSelection = sel;
  CopySelectionToClipboard();
  FMouseResize = true;
  if (CanFocus()) SetFocus();
  SetSelection(sel);  // the drag moves the corner away from the top-left cell
  FGridState = gsSelecting;
  SetMouseCapture(true);
  MouseMove({}, X, Y);
}

// The new area is filled while no editor may open over it.
void TExtStringGrid::endSelectionResize() {
  if (!FMouseResize) return;
  TGridRect now = Selection();
  if (OnSelectionResize) OnSelectionResize(this, FDropSelection, now);
  {
    FEditDisable = true;
    auto done = MakeScopeGuard([this] {
      FMouseResize = false;
      FEditDisable = false;
    });
    PasteSelectionFromClipboard();
  }
  if (OnSelectionResized) OnSelectionResized(this, FDropSelection, Selection());
}
