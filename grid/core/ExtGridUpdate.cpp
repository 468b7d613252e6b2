// The update lock and the window messages that are neither keys nor mouse:
// the grid's timer and resizing.

#include <cmath>

#include "grid/core/ExtGrid.h"
#include "grid/data/SearchPanel.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"

namespace {
// The cursor follows the mouse only in an active form and never away from
// an open editor.
bool hoverMayFollow(TExtStringGrid* Grid) {
  if (Grid->EditorMode() || Grid->CellControlEditing() || Grid->HeaderEditing()) return false;
  TCustomForm* form = GetParentForm(Grid);
  return form && form->Active();
}
}  // namespace

// Counts whether the grid shows or not, so every EndUpdate has its
// BeginUpdate; drawing is switched off while any lock is held.
void TExtStringGrid::BeginUpdate() {
  if (FUpdateCount++ == 0 && HandleAllocated()) Perform(WM_SETREDRAW, 0, 0);
}

void TExtStringGrid::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  if (FOwnUpdates > FUpdateCount) FOwnUpdates = FUpdateCount;
  if (FUpdateCount > 0 || FDestroyingGrid) return;
  FSelChange = false;
  FUpdatePending = false;
  // What was invalidated under the lock is still due: it paints now.
  if (HandleAllocated()) Perform(WM_SETREDRAW, 1, 0);
  Invalidate();
}

void TExtStringGrid::StartUpdate() {
  ++FUpdateCount;
  ++FOwnUpdates;
}

void TExtStringGrid::ResetUpdate() {
  FUpdateCount -= FOwnUpdates;
  if (FUpdateCount < 0) FUpdateCount = 0;
  FOwnUpdates = 0;
}

void TExtStringGrid::repaintUnlessUpdating() {
  if (FUpdateCount > 0)
    FUpdatePending = true;
  else
    Invalidate();
}

bool TExtStringGrid::IsHoverFixedCell(int ADisplCol, int ARow) const {
  bool cols = FHoverFixedCells == hfAll || FHoverFixedCells == hfFixedColumns;
  bool rows = FHoverFixedCells == hfAll || FHoverFixedCells == hfFixedRows;
  return (ADisplCol < FixedCols() && cols) || (ARow < FixedRows() && rows);
}

void TExtStringGrid::WndProc(TMessage& Message) {
  if (PaintingMessage(Message)) return;
  if (HandleEditingMessage(Message)) return;
  if (wheelPanMessage(Message)) return;
  TBaseGrid::WndProc(Message);
}

// ---- the grid's timer ----

void TExtStringGrid::WMTimer(TWMTimer& Message) {
  if (FGridTimerID == 0 || Message.TimerID != FGridTimerID) {
    TBaseGrid::WMTimer(Message);
    return;
  }
  ++FTimerTicks;
  if (FNavigation.AutoGotoIncremental() && ++FSearchTics >= 4) {
    FSearchInc.clear();
    FSearchTics = 0;
  }
  if (FHovering && !ComponentState().Contains(csDesigning) && hoverMayFollow(this)) {
    TPoint p;
    if (GetCursorPos(p) && WindowFromPoint(p) == Handle()) {
      TPoint c = ScreenToClient(p);
      if (c.X >= 0 && c.Y >= 0 && c.X < ClientWidth() && c.Y < ClientHeight()) {
        int col = 0, row = 0;
        MouseToCell(c.X, c.Y, col, row);
        if (col >= TCustomGrid::FixedCols() && col < ColCount() && row >= TCustomGrid::FixedRows() &&
            row < RowCount()) {
          SetFocus();
          SetRow(row);
          SetCol(col);
        }
      }
    }
  }
  if (FEnableBlink) {
    FGridBlink = !FGridBlink;
    auto blink = [this](int d, int r) {
      int c = RealColIndex(d);
      if (PosInUpperCase("<BLI", GetCellEx(c, r)) > 0) RepaintCell(c, r);
    };
    int lastRow = std::min(RowCount(), TopRow() + VisibleRowCount());
    int lastCol = std::min(ColCount(), LeftCol() + VisibleColCount());
    for (int r = TopRow(); r < lastRow; ++r)
      for (int d = LeftCol(); d < lastCol; ++d) blink(d, r);
    for (int r = 0; r < TCustomGrid::FixedRows(); ++r)
      for (int d = LeftCol(); d < lastCol; ++d) blink(d, r);
    for (int d = 0; d < TCustomGrid::FixedCols(); ++d)
      for (int r = TopRow(); r < lastRow; ++r) blink(d, r);
  }
}

// ---- resizing ----

// The search panel, the recorded column widths, the stretch; a stretch that
// took the resize fires OnGridResize instead of the base grid's handling
// (whose scroll range still follows the new height).
void TExtStringGrid::WMSize(TWMSize& Message) {
  realignSearchPanel();
  scaleColumnsWithGrid(Message.Width);
  bool stretched = stretchOnSize();
  if (stretched && FScrollBarAlways == saNone) {
    UpdateScrollRange();
    if (OnGridResize) OnGridResize(this);
    return;
  }
  TBaseGrid::WMSize(Message);
  if (FScrollProportional) {
    UpdateHScrollProportional();
    UpdateVScrollProportional();
  }
  if (!stretched) showScrollBarsOnSize();
}

// Set to another height and back, the bottom-aligned panel follows the new
// bottom edge.
void TExtStringGrid::realignSearchPanel() {
  if (!SearchPanel || !SearchPanel->Visible()) return;
  SearchPanel->SetHeight(33);
  SearchPanel->SetHeight(32);
  SearchPanel->SetAlign(alBottom);
}

void TExtStringGrid::scaleColumnsWithGrid(int ClientWidth) {
  if (FOldGridWidth <= 0 || !FColumnSize.SynchWithGrid()) return;
  HideInplaceEdit();
  double f = BorderStyle() == bsSingle ? (ClientWidth + 2.0) / FOldGridWidth : double(ClientWidth) / FOldGridWidth;
  int from = FColumnSize.SynchNormalCellsOnly() ? TCustomGrid::FixedCols() : 0;
  int to = FColumnSize.SynchNormalCellsOnly() ? ColCount() - FFixedRightCols - 1 : ColCount() - 1;
  for (int i = from; i <= to && i < FOrigColSizes.Count(); ++i)
    SetColWidths(i, static_cast<int>(std::trunc(FOrigColSizes.GetInteger(i) * f)));
}

bool TExtStringGrid::stretchOnSize() {
  if (!FColumnSize.Stretch() || (FScrollBarAlways != saNone && FScrollBarAlways != saVert)) return false;
  int c = FColumnSize.StretchColumn() == -1 ? ColCount() - 1 : FColumnSize.StretchColumn();
  if (c < 0 || c >= ColCount()) return false;
  int others = 0;
  for (int i = 0; i < ColCount(); ++i)
    if (i != c) others += ColWidths(i);
  bool stretched = others < Width();
  if (stretched) stretchQuietly();
  if (FScrollBarAlways != saNone || !HandleAllocated()) return stretched;
  TScrollStyle bars = ScrollBars();
  if (bars == ssHorizontal || bars == ssBoth) ShowScrollBar(Handle(), SB_HORZ, others + ColWidths(c) > ClientWidth());
  if (bars == ssVertical || bars == ssBoth)
    ShowScrollBar(Handle(), SB_VERT, RowCount() - TCustomGrid::FixedRows() > VisibleRowCount());
  return stretched;
}

// The flat bars follow what now fits; a bar the grid was not asked for stays
// hidden whatever the base grid did.
void TExtStringGrid::showScrollBarsOnSize() {
  if (FDisableSize || !HandleAllocated()) return;
  FDisableSize = true;
  SyncFlatVertScrollInfo();
  SyncFlatHorzScrollInfo();
  FlatShowScrollBar(SB_HORZ, VisibleColCount() + TCustomGrid::FixedCols() < ColCount());
  FlatShowScrollBar(SB_VERT, VisibleRowCount() + TCustomGrid::FixedRows() < RowCount());
  TScrollStyle bars = ScrollBars();
  if (bars != ssHorizontal && bars != ssBoth) ShowScrollBar(Handle(), SB_HORZ, false);
  if (bars != ssVertical && bars != ssBoth) ShowScrollBar(Handle(), SB_VERT, false);
  FDisableSize = false;
}

void TExtStringGrid::ResetFixedCellHighlight() {
  FSizeFixed = false;
  FSizeFixedR = false;
  FNoMouseLeave = false;
  if (FHoverFixedCells != hfNone) trackHoverFixedCell(-1, -1);
}
