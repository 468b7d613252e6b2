// TCustomGrid geometry: where cells lie, which cell is under a point, how far
// the grid can scroll, and its window scroll bars on a 0..127 scale.

#include <algorithm>

#include "toolkit/forms/WinApi.h"
#include "toolkit/grids/Grids.h"

namespace {
constexpr int kScrollMax = 127;

int mulDivRound(int a, int b, int c) {
  if (c == 0) return 0;
  long long p = static_cast<long long>(a) * b;
  return static_cast<int>((p + c / 2) / c);
}
}  // namespace

void TCustomGrid::calcAxis(TGridAxisDrawInfo& A, bool Horz) const {
  TRect client = ClientRect();
  A.GridExtent = Horz ? client.Width() : client.Height();
  bool fixedLine = FOptions.Contains(Horz ? goFixedVertLine : goFixedHorzLine);
  bool normalLine = FOptions.Contains(Horz ? goVertLine : goHorzLine);
  A.FixedLineWidth = fixedLine ? FGridLineWidth : 0;
  A.EffectiveLineWidth = normalLine ? FGridLineWidth : 0;
  A.FixedCellCount = Horz ? FFixedCols : FFixedRows;
  A.FirstGridCell = Horz ? FTopLeft.X : FTopLeft.Y;
  A.GridCellCount = Horz ? FColCount : FRowCount;
  if (Horz) A.GetExtent = [this](int i) { return ColWidths(i); };
  else A.GetExtent = [this](int i) { return RowHeights(i); };

  int pos = 0;
  for (int i = 0; i < A.FixedCellCount; ++i) pos += A.GetExtent(i) + A.FixedLineWidth;
  A.FixedBoundary = pos;
  A.LastFullVisibleCell = A.FirstGridCell - 1;
  A.FullVisBoundary = std::min(pos, A.GridExtent);
  for (int i = A.FirstGridCell; i < A.GridCellCount && pos < A.GridExtent; ++i) {
    int end = pos + A.GetExtent(i);
    if (end <= A.GridExtent) {
      A.LastFullVisibleCell = i;
      A.FullVisBoundary = std::min(end + A.EffectiveLineWidth, A.GridExtent);
    }
    pos = end + A.EffectiveLineWidth;
  }
  A.GridBoundary = std::min(pos, A.GridExtent);
}

void TCustomGrid::CalcDrawInfo(TGridDrawInfo& DrawInfo) const {
  calcAxis(DrawInfo.Horz, true);
  calcAxis(DrawInfo.Vert, false);
}

// Start and end of a cell along one axis; false when it is out of view.
bool TCustomGrid::axisSpan(const TGridAxisDrawInfo& A, int Index, int& Start, int& End) const {
  if (Index < 0 || Index >= A.GridCellCount) return false;
  int start = 0;
  if (Index < A.FixedCellCount) {
    for (int i = 0; i < Index; ++i) start += A.GetExtent(i) + A.FixedLineWidth;
  } else {
    if (Index < A.FirstGridCell) return false;
    start = A.FixedBoundary;
    for (int i = A.FirstGridCell; i < Index && start < A.GridExtent; ++i)
      start += A.GetExtent(i) + A.EffectiveLineWidth;
    if (start >= A.GridExtent) return false;
  }
  Start = start;
  End = start + A.GetExtent(Index);
  return true;
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  int l = 0, r = 0, t = 0, b = 0;
  if (!axisSpan(info.Horz, ACol, l, r) || !axisSpan(info.Vert, ARow, t, b)) return {};
  return {l, t, r, b};
}

// A trailing line belongs to its cell; past the last cell or the client: -1.
int TCustomGrid::axisCoord(const TGridAxisDrawInfo& A, int Pos) const {
  if (Pos < 0 || Pos >= A.GridExtent) return -1;
  int start = 0;
  for (int i = 0; i < A.FixedCellCount; ++i) {
    start += A.GetExtent(i) + A.FixedLineWidth;
    if (Pos < start) return i;
  }
  for (int i = A.FirstGridCell; i < A.GridCellCount && start < A.GridExtent; ++i) {
    start += A.GetExtent(i) + A.EffectiveLineWidth;
    if (Pos < start) return i;
  }
  return -1;
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TGridCoord c{axisCoord(info.Horz, X), axisCoord(info.Vert, Y)};
  return c;
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
  TGridCoord c = MouseCoord(X, Y);
  ACol = c.X;
  ARow = c.Y;
}

int TCustomGrid::CalcColFromX(int X) const { return MouseCoord(X, 0).X; }
int TCustomGrid::CalcRowFromY(int Y) const { return MouseCoord(0, Y).Y; }

int TCustomGrid::VisibleColCount() const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return std::max(0, info.Horz.LastFullVisibleCell - FTopLeft.X + 1);
}

int TCustomGrid::VisibleRowCount() const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return std::max(0, info.Vert.LastFullVisibleCell - FTopLeft.Y + 1);
}

namespace {
// The smallest first cell that still shows Last fully (as far as it fits).
int firstCellShowing(const TGridAxisDrawInfo& A, int Last) {
  int room = A.GridExtent - A.FixedBoundary;
  int first = Last;
  int used = A.GetExtent(Last);
  while (first > A.FixedCellCount) {
    int more = A.GetExtent(first - 1) + A.EffectiveLineWidth;
    if (used + more > room) break;
    used += more;
    --first;
  }
  return std::max(first, A.FixedCellCount);
}
}  // namespace

TGridCoord TCustomGrid::CalcMaxTopLeft() const {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  return {firstCellShowing(info.Horz, FColCount - 1), firstCellShowing(info.Vert, FRowCount - 1)};
}

void TCustomGrid::ClampInView(const TGridCoord& Coord) {
  if (!HandleAllocated()) return;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TGridCoord tl = FTopLeft;
  if (Coord.X >= FFixedCols) {
    if (Coord.X < tl.X) tl.X = Coord.X;
    else if (Coord.X > info.Horz.LastFullVisibleCell) tl.X = firstCellShowing(info.Horz, Coord.X);
  }
  if (Coord.Y >= FFixedRows) {
    if (Coord.Y < tl.Y) tl.Y = Coord.Y;
    else if (Coord.Y > info.Vert.LastFullVisibleCell) tl.Y = firstCellShowing(info.Vert, Coord.Y);
  }
  MoveTopLeft(tl.X, tl.Y);
}

// Writes clamp to the normal range without raising; a top row past the
// last full page is allowed (the caller asked for it).
void TCustomGrid::SetTopRow(int v) {
  v = std::clamp(v, FFixedRows, std::max(FFixedRows, FRowCount - 1));
  MoveTopLeft(FTopLeft.X, v);
}

void TCustomGrid::SetLeftCol(int v) {
  v = std::clamp(v, FFixedCols, std::max(FFixedCols, FColCount - 1));
  MoveTopLeft(v, FTopLeft.Y);
}

void TCustomGrid::MoveTopLeft(int ALeft, int ATop) {
  if (ALeft == FTopLeft.X && ATop == FTopLeft.Y) return;
  FTopLeft = {ALeft, ATop};
  Invalidate();
  UpdateScrollPos();
  UpdateEdit();
  TopLeftChanged();
}

void TCustomGrid::TopLeftChanged() {
  if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TCustomGrid::ScrollDataInfo(int DX, int DY) {
  TGridCoord max = CalcMaxTopLeft();
  MoveTopLeft(std::clamp(FTopLeft.X + DX, FFixedCols, std::max(FFixedCols, max.X)),
              std::clamp(FTopLeft.Y + DY, FFixedRows, std::max(FFixedRows, max.Y)));
}

int TCustomGrid::scrollPosFor(int Pos, int Fixed, int MaxPos) const {
  if (MaxPos <= Fixed) return 0;
  long long p = static_cast<long long>(Pos - Fixed) * kScrollMax / (MaxPos - Fixed);
  return static_cast<int>(std::clamp<long long>(p, 0, kScrollMax));
}

void TCustomGrid::UpdateScrollPos() {
  if (!HandleAllocated()) return;
  TGridCoord max = CalcMaxTopLeft();
  auto place = [this](int bar, int pos) {
    if (GetScrollPos(Handle(), bar) != pos) SetScrollPos(Handle(), bar, pos, true);
  };
  if (Style() & WS_HSCROLL) place(SB_HORZ, scrollPosFor(FTopLeft.X, FFixedCols, max.X));
  if (Style() & WS_VSCROLL) place(SB_VERT, scrollPosFor(FTopLeft.Y, FFixedRows, max.Y));
}

// A bar shows when the grid can scroll that way; showing one narrows the
// client area, so the need is worked out again until it settles.
void TCustomGrid::UpdateScrollRange() {
  if (!HandleAllocated() || inScrollUpdate_) return;
  inScrollUpdate_ = true;
  bool wantH = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
  bool wantV = FScrollBars == ssVertical || FScrollBars == ssBoth;
  for (int pass = 0; pass < 3; ++pass) {
    TGridCoord max = CalcMaxTopLeft();
    bool needH = wantH && max.X > FFixedCols;
    bool needV = wantV && max.Y > FFixedRows;
    bool hasH = (Style() & WS_HSCROLL) != 0, hasV = (Style() & WS_VSCROLL) != 0;
    if (needH == hasH && needV == hasV) break;
    if (needH != hasH) ShowScrollBar(Handle(), SB_HORZ, needH);
    if (needV != hasV) ShowScrollBar(Handle(), SB_VERT, needV);
  }
  // Setting a bar redraws the frame (and the control), so only changes are made.
  for (int bar : {SB_HORZ, SB_VERT}) {
    int lo = 0, hi = 0;
    if (!(Style() & (bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL))) continue;
    if (!GetScrollRange(Handle(), bar, lo, hi) || lo != 0 || hi != kScrollMax)
      SetScrollRange(Handle(), bar, 0, kScrollMax, true);
  }
  inScrollUpdate_ = false;
  // A larger client may leave room for cells before the top-left corner.
  TGridCoord max = CalcMaxTopLeft();
  MoveTopLeft(std::clamp(FTopLeft.X, FFixedCols, std::max(FFixedCols, std::min(FTopLeft.X, max.X))),
              std::clamp(FTopLeft.Y, FFixedRows, std::max(FFixedRows, std::min(FTopLeft.Y, max.Y))));
  UpdateScrollPos();
}

void TCustomGrid::scrollMessage(bool Horz, const TWMScroll& Message) {
  TGridCoord max = CalcMaxTopLeft();
  int fixed = Horz ? FFixedCols : FFixedRows;
  int maxPos = std::max(fixed, Horz ? max.X : max.Y);
  int pos = Horz ? FTopLeft.X : FTopLeft.Y;
  int page = std::max(1, Horz ? VisibleColCount() : VisibleRowCount());
  switch (Message.ScrollCode) {
    case SB_LINEUP: --pos; break;
    case SB_LINEDOWN: ++pos; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_THUMBTRACK:
      if (!FOptions.Contains(goThumbTracking)) return;
      pos = fixed + mulDivRound(Message.Pos, maxPos - fixed, kScrollMax);
      break;
    case SB_THUMBPOSITION: pos = fixed + mulDivRound(Message.Pos, maxPos - fixed, kScrollMax); break;
    case SB_TOP: pos = fixed; break;
    case SB_BOTTOM: pos = maxPos; break;
    default: return;
  }
  pos = std::clamp(pos, fixed, maxPos);
  if (Horz) MoveTopLeft(pos, FTopLeft.Y);
  else MoveTopLeft(FTopLeft.X, pos);
}

void TCustomGrid::WMHScroll(TWMScroll& Message) { scrollMessage(true, Message); }
void TCustomGrid::WMVScroll(TWMScroll& Message) { scrollMessage(false, Message); }
