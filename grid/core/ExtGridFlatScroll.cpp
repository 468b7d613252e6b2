// Flat scroll bars of the string grid (ScrollType ssFlat and ssEncarta): the
// toolkit's flat scroll-bar service draws the window's own bars in that
// look, ScrollWidth thick, on ScrollColor. Every operation but
// InitFlatScrollBars does nothing while the service is off for the window.
// Also the scroll-bar cells: a bar shown over the hovered cell moves the
// cell's position and tells OnScrollCell.

#include "grid/core/CellScrollBar.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridScrollMath.h"
#include "toolkit/forms/std/FlatScrollBars.h"

void TExtStringGrid::InitFlatScrollBars() { FIsFlat = HandleAllocated() && InitializeFlatSB(Handle()); }

void TExtStringGrid::DoneFlatScrollBars() {
  if (!FIsFlat) return;
  FIsFlat = false;
  if (HandleAllocated()) UninitializeFlatSB(Handle());
}

void TExtStringGrid::FlatSetScrollProp(int Index, int Value) {
  if (FIsFlat) FlatSB_SetScrollProp(Handle(), static_cast<UINT>(Index), Value, true);
}

void TExtStringGrid::FlatSetScrollInfo(int Bar, const TScrollInfo& Info) {
  if (FIsFlat) FlatSB_SetScrollInfo(Handle(), Bar, Info, true);
}

namespace {
bool hasBar(TScrollStyle Bars, int Bar) {
  if (Bar == SB_HORZ) return Bars == ssHorizontal || Bars == ssBoth;
  return Bars == ssVertical || Bars == ssBoth;
}
}  // namespace

void TExtStringGrid::FlatShowScrollBar(int Bar, bool Show) {
  if (FIsFlat && hasBar(ScrollBars(), Bar)) FlatSB_ShowScrollBar(Handle(), Bar, Show);
}

namespace {
// The window's bar as the flat service should show it.
TScrollInfo windowScrollInfo(HWND Handle, int Bar) {
  TScrollInfo info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  GetScrollInfo(Handle, Bar, info);
  return info;
}
}  // namespace

void TExtStringGrid::SyncFlatVertScrollInfo() {
  if (FIsFlat && hasBar(ScrollBars(), SB_VERT)) FlatSetScrollInfo(SB_VERT, windowScrollInfo(Handle(), SB_VERT));
}

void TExtStringGrid::SyncFlatHorzScrollInfo() {
  if (FIsFlat && hasBar(ScrollBars(), SB_HORZ)) FlatSetScrollInfo(SB_HORZ, windowScrollInfo(Handle(), SB_HORZ));
}

void TExtStringGrid::UpdateScrollStyle() {
  int mode;
  switch (FScrollType) {
    case ssNormal: mode = FSB_REGULAR_MODE; break;
    case ssFlat: mode = FSB_FLAT_MODE; break;
    case ssEncarta: mode = FSB_ENCARTA_MODE; break;
    default: return;
  }
  FlatSetScrollProp(WSB_PROP_VSTYLE, mode);
  FlatSetScrollProp(WSB_PROP_HSTYLE, mode);
}

void TExtStringGrid::UpdateScrollColor() {
  if (FScrollColor == clNone) return;
  FlatSetScrollProp(WSB_PROP_VBKGCOLOR, static_cast<int>(FScrollColor));
  FlatSetScrollProp(WSB_PROP_HBKGCOLOR, static_cast<int>(FScrollColor));
}

void TExtStringGrid::UpdateScrollWidth() {
  FlatSetScrollProp(WSB_PROP_CXVSCROLL, FScrollWidth);
  FlatSetScrollProp(WSB_PROP_CYHSCROLL, FScrollWidth);
}

void TExtStringGrid::UpdateFlatScrollBars() {
  if (!FIsFlat) return;
  UpdateScrollStyle();
  UpdateScrollColor();
  UpdateScrollWidth();
  const bool vert = VisibleRowCount() + TCustomGrid::FixedRows() < RowCount();
  FlatShowScrollBar(SB_VERT, vert);
  if (vert) SyncFlatVertScrollInfo();
  const bool horz = VisibleColCount() + TCustomGrid::FixedCols() < ColCount();
  FlatShowScrollBar(SB_HORZ, horz);
  if (horz) SyncFlatHorzScrollInfo();
}

// ---- scroll-bar cells ----

// Over a scroll-bar cell whose content does not fit (PageSize < Range) the
// grid's one cell bar is placed along the cell's right edge; anywhere else
// it hides.
void TExtStringGrid::scrollCellHover(int ACol, int ARow) {
  const int rc = ACol >= 0 ? RealColIndex(ACol) : -1;
  const bool scrollCell = ACol >= 0 && ARow >= 0 && HasScrollBar(rc, ARow);
  if (!scrollCell) {
    if (FScrollBar && FScrollBar->Visible()) FScrollBar->SetVisible(false);
    FScrollCol = FScrollRow = -1;
    return;
  }
  const TScrollProp prop = GetScrollProp(rc, ARow);
  if (prop.PageSize >= prop.Range) {
    if (FScrollBar) FScrollBar->SetVisible(false);
    return;
  }
  if (FScrollBar && FScrollBar->Visible() && FScrollCol == rc && FScrollRow == ARow) return;
  if (!FScrollBar) FScrollBar = NewCellScrollBar(this, [this](int Code, int& Pos) { cellScrollBarScrolled(Code, Pos); });
  FScrollCol = rc;
  FScrollRow = ARow;
  SetCellScrollBarRange(FScrollBar, GetScrollPosition(rc, ARow), 0, prop.Range, prop.PageSize);
  PlaceCellScrollBar(FScrollBar, CellRect(ACol, ARow), GridLineWidth());
  FScrollBar->SetVisible(true);
  FScrollBar->BringToFront();
}

// The bar's codes are the scroll message's (line, page, track); the
// position moves by 10 a line and 100 a page within the bar's range.
void TExtStringGrid::cellScrollBarScrolled(int Code, int& Pos) {
  if (!FScrollBar || FScrollCol < 0 || FScrollRow < 0) return;
  const int old = GetScrollPosition(FScrollCol, FScrollRow);
  const int range = GetScrollProp(FScrollCol, FScrollRow).Range;
  const int p = ScrollCellPosition(Code, old, 0, range, Pos);
  Pos = p;
  if (p == old) return;
  SetScrollPosition(FScrollCol, FScrollRow, p);
  DoScrollCell(FScrollCol, FScrollRow, p, 0, range);
}

void TExtStringGrid::DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax) {
  if (OnScrollCell) OnScrollCell(this, ACol, ARow, ScrollPosition, ScrollMin, ScrollMax);
}
