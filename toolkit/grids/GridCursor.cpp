// TCustomGrid cursor and selection: MoveCurrent and its callers, Selection,
// moving columns and rows, and repainting parts of the grid.

#include <algorithm>

#include "toolkit/forms/WinApi.h"
#include "toolkit/grids/Grids.h"

// ---- repainting parts ----

namespace {
// Pixels [Start, End) that cells Lo..Hi of an axis cover on screen, lines included.
bool axisRange(const TGridAxisDrawInfo& A, int Lo, int Hi, int& Start, int& End) {
  Lo = std::max(Lo, 0);
  Hi = std::min(Hi, A.GridCellCount - 1);
  if (Lo >= A.FixedCellCount && Lo < A.FirstGridCell) Lo = A.FirstGridCell;
  if (Lo > Hi) return false;
  int pos = 0;
  bool started = false;
  auto visit = [&](int i, int line) {
    int next = pos + A.GetExtent(i) + line;
    if (i == Lo) { Start = pos; started = true; }
    if (started && i <= Hi) End = next;
    pos = next;
  };
  for (int i = 0; i < A.FixedCellCount; ++i) visit(i, A.FixedLineWidth);
  for (int i = A.FirstGridCell; i < A.GridCellCount && pos < A.GridExtent && i <= Hi; ++i)
    visit(i, A.EffectiveLineWidth);
  if (!started) return false;
  End = std::min(End, A.GridExtent);
  return Start < End;
}
}  // namespace

void TCustomGrid::invalidateClient(const TRect& R) {
  if (HandleAllocated()) ::InvalidateRect(Handle(), &R, false);
}

void TCustomGrid::InvalidateGridRect(const TGridRect& ARect) {
  if (!HandleAllocated()) return;
  TGridRect g = NormalizedGridRect(ARect);
  // Out of view: nothing to repaint, and no layout to compute for it.
  if (!rangeMayShow(g.Left, g.Right, true) || !rangeMayShow(g.Top, g.Bottom, false)) return;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  int l = 0, r = 0, t = 0, b = 0;
  if (!axisRange(info.Horz, g.Left, g.Right, l, r) || !axisRange(info.Vert, g.Top, g.Bottom, t, b)) return;
  invalidateClient(TRect{l, t, r, b});
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) { InvalidateGridRect({ACol, ARow, ACol, ARow}); }
void TCustomGrid::InvalidateCol(int ACol) { InvalidateGridRect({ACol, 0, ACol, FRowCount - 1}); }
void TCustomGrid::InvalidateRow(int ARow) { InvalidateGridRect({0, ARow, FColCount - 1, ARow}); }

// ---- selection ----

TGridRect TCustomGrid::Selection() const {
  TGridRect r{FCurrent.X, FCurrent.Y, FAnchor.X, FAnchor.Y};
  if (FOptions.Contains(goRowSelect)) {
    r.Left = FFixedCols;
    r.Right = FColCount - 1;
  }
  return NormalizedGridRect(r);
}

// The anchor takes the top-left corner and the cursor the bottom-right one,
// as given: no SelectCell, no scrolling, the editor left alone.
void TCustomGrid::SetSelection(const TGridRect& v) {
  TGridRect old = Selection();
  FAnchor = {v.Left, v.Top};
  FCurrent = {v.Right, v.Bottom};
  selectionMoved(old);
}

// Repaints what entered or left the selection (both rectangles' union).
void TCustomGrid::selectionMoved(const TGridRect& OldSel) {
  if (!HandleAllocated()) return;
  TGridRect now = Selection();
  if (now == OldSel) return;
  InvalidateGridRect(OldSel);
  InvalidateGridRect(now);
}

// ---- moving the cursor ----

void TCustomGrid::MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show) {
  checkCoord(ACol, ARow);
  if (!SelectCell(ACol, ARow)) return;
  TGridRect oldSel = Selection();
  TGridCoord oldCur = FCurrent;
  FCurrent = {ACol, ARow};
  if (!FOptions.Contains(goAlwaysShowEditor)) HideEditor();
  if (MoveAnchor || !FOptions.Contains(goRangeSelect)) FAnchor = FCurrent;
  if (FOptions.Contains(goRowSelect)) {
    FAnchor.X = FColCount - 1;
    FCurrent.X = FFixedCols;
  }
  if (Show) ClampInView(FCurrent);
  InvalidateCell(oldCur.X, oldCur.Y);
  InvalidateCell(FCurrent.X, FCurrent.Y);
  selectionMoved(oldSel);
}

void TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show) {
  MoveCurrent(ACol, ARow, MoveAnchor, Show);
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor) {
  MoveCurrent(ACol, ARow, MoveAnchor, true);
  UpdateEdit();
  Click();
}

void TCustomGrid::SetCol(int v) {
  if (v != FCurrent.X) FocusCell(v, FCurrent.Y, true);
}

void TCustomGrid::SetRow(int v) {
  if (v != FCurrent.Y) FocusCell(FCurrent.X, v, true);
}

void TCustomGrid::Click() { TCustomControl::Click(); }
void TCustomGrid::DblClick() { TCustomControl::DblClick(); }

// ---- moving columns and rows ----

namespace {
int followMove(int Index, int FromIndex, int ToIndex) {
  if (Index == FromIndex) return ToIndex;
  if (FromIndex < ToIndex && Index > FromIndex && Index <= ToIndex) return Index - 1;
  if (FromIndex > ToIndex && Index >= ToIndex && Index < FromIndex) return Index + 1;
  return Index;
}

void moveExtent(std::vector<int>& Sizes, int FromIndex, int ToIndex) {
  int need = std::max(FromIndex, ToIndex) + 1;
  if (static_cast<int>(Sizes.size()) < need) {
    if (Sizes.empty()) return;  // every size is the default
    Sizes.resize(need, -1);
  }
  int v = Sizes[FromIndex];
  Sizes.erase(Sizes.begin() + FromIndex);
  Sizes.insert(Sizes.begin() + ToIndex, v);
}
}  // namespace

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex) {
  checkCoord(FromIndex, 0);
  checkCoord(ToIndex, 0);
  if (FromIndex == ToIndex) return;
  HideEdit();
  MoveStoredColumn(FromIndex, ToIndex);
  moveExtent(colWidths_, FromIndex, ToIndex);
  FCurrent.X = followMove(FCurrent.X, FromIndex, ToIndex);
  FAnchor.X = followMove(FAnchor.X, FromIndex, ToIndex);
  if (FOptions.Contains(goRowSelect)) {
    FCurrent.X = FFixedCols;
    FAnchor.X = FColCount - 1;
  }
  Invalidate();
  ColumnMoved(FromIndex, ToIndex);
  UpdateEdit();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex) {
  checkCoord(0, FromIndex);
  checkCoord(0, ToIndex);
  if (FromIndex == ToIndex) return;
  HideEdit();
  MoveStoredRow(FromIndex, ToIndex);
  moveExtent(rowHeights_, FromIndex, ToIndex);
  FCurrent.Y = followMove(FCurrent.Y, FromIndex, ToIndex);
  FAnchor.Y = followMove(FAnchor.Y, FromIndex, ToIndex);
  Invalidate();
  RowMoved(FromIndex, ToIndex);
  UpdateEdit();
}

// ---- the constant-time view test ----

void TCustomGrid::recalcMinExtents() {
  minColWidth_ = minRowHeight_ = 0x7fffffff;
  for (int w : colWidths_)
    if (w >= 0) minColWidth_ = std::min(minColWidth_, w);
  for (int h : rowHeights_)
    if (h >= 0) minRowHeight_ = std::min(minRowHeight_, h);
}

// Fixed cells may always show; a normal cell before the first one in view
// never does, and one so far after it that the cells between fill the
// client even at the smallest size does not either.
bool TCustomGrid::rangeMayShow(int Lo, int Hi, bool Horz) const {
  int fixed = Horz ? FFixedCols : FFixedRows;
  int first = Horz ? FTopLeft.X : FTopLeft.Y;
  if (Lo < fixed) return true;
  if (Hi < first) return false;
  int line = FOptions.Contains(Horz ? goVertLine : goHorzLine) ? FGridLineWidth : 0;
  int smallest = std::min(Horz ? minColWidth_ : minRowHeight_, Horz ? FDefaultColWidth : FDefaultRowHeight) + line;
  if (smallest <= 0) return true;
  int64_t before = static_cast<int64_t>(std::max(Lo, first) - first) * smallest;
  return before < (Horz ? ClientWidth() : ClientHeight());
}

bool TCustomGrid::CellMayBeVisible(int ACol, int ARow) const {
  return rangeMayShow(ACol, ACol, true) && rangeMayShow(ARow, ARow, false);
}
