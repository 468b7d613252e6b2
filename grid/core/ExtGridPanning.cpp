// Wheel-click panning of the string grid: a middle press marks a point, and
// while the pointer stays more than 5 pixels away from it the grid scrolls
// (or the cursor moves) one step toward the pointer every 10 ms (timer 999).
// Any press or key ends it.

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridCursors.h"
#include "grid/foundation/ExtUtilGlyphs.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"

namespace {
constexpr uintptr_t kPanTimer = 999;
constexpr int kDeadZone = 5;

// The pan cursor for a direction: 8000 the centre, then down, left, right,
// up, up-right, up-left, down-right, down-left.
TCursor panCursor(int V, int H) {
  static const TCursor byDirection[3][3] = {
      {8006, 8004, 8005},  // up: left, none, right
      {8002, 8000, 8003},  // level
      {8008, 8001, 8007},  // down
  };
  TCursor c = byDirection[V + 1][H + 1];
  return GridResourceCursor(c, c == 8000 ? crSizeAll : crArrow);
}

int toward(int From, int To) {
  if (To < From - kDeadZone) return -1;
  if (To > From + kDeadZone) return 1;
  return 0;
}
}  // namespace

// True when the message was the pan timer's (nothing else needs it).
bool TExtStringGrid::wheelPanMessage(TMessage& Message) {
  if (FWheelMsg == 0 || FIntelliPan == ipNone) return false;
  switch (Message.Msg) {
    case WM_MBUTTONDOWN:
      if (FWheelPan) endWheelPan();
      else if (RowCount() > TCustomGrid::FixedRows())
        startWheelPan(TPoint{static_cast<int16_t>(Message.LParam & 0xFFFF),
                             static_cast<int16_t>((Message.LParam >> 16) & 0xFFFF)});
      return false;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
      if (FWheelPan) endWheelPan();
      return false;
    case WM_TIMER:
      if (!FWheelPan || Message.WParam != kPanTimer) return false;
      wheelPanTick();
      return true;
    default: return false;
  }
}

void TExtStringGrid::startWheelPan(TPoint At) {
  FPrevCursor = Screen->Cursor();
  Screen->SetCursor(panCursor(0, 0));
  FWheelPan = true;
  FWheelPanPos = At;
  SetTimer(Handle(), kPanTimer, 10);
  SetMouseCapture(true);
  InvalidatePanMarker();
}

void TExtStringGrid::endWheelPan() {
  FWheelPan = false;
  if (MouseCapture()) SetMouseCapture(false);
  if (HandleAllocated()) KillTimer(Handle(), kPanTimer);
  Screen->SetCursor(FPrevCursor);
  InvalidatePanMarker();
}

// The marker shows where panning started; it is part of the picture while
// panning lasts, so a scroll under it never leaves a copy behind.
void TExtStringGrid::DrawPanBitmap() {
  const char* name = FIntelliPan == ipVertical ? "INTLI3" : FIntelliPan == ipHorizontal ? "INTLI2" : "INTLI1";
  DrawResourceBitmap(Canvas(), clWhite, TRect(FWheelPanPos.X, FWheelPanPos.Y, FWheelPanPos.X + 32, FWheelPanPos.Y + 32),
                     name);
}

void TExtStringGrid::InvalidatePanMarker() {
  if (!HandleAllocated()) return;
  TRect r(FWheelPanPos.X, FWheelPanPos.Y, FWheelPanPos.X + 32, FWheelPanPos.Y + 32);
  InvalidateRect(r);
}

void TExtStringGrid::wheelPanTick() {
  TPoint p;
  GetCursorPos(p);
  p = ScreenToClient(p);
  int v = FIntelliPan == ipHorizontal ? 0 : toward(FWheelPanPos.Y, p.Y);
  int h = FIntelliPan == ipVertical ? 0 : toward(FWheelPanPos.X, p.X);
  int fc = TCustomGrid::FixedCols(), fr = TCustomGrid::FixedRows();
  int lastRow = RowCount() - FFixedFooters - 1, lastCol = ColCount() - FFixedRightCols - 1;
  TGridRect before = Selection();
  const int viewLeft = LeftCol(), viewTop = TopRow();
  // The cursor first comes inside the normal cells.
  int col = std::max(fc, std::min(Col(), lastCol)), row = std::max(fr, std::min(Row(), lastRow));
  if (col != Col() || row != Row()) MoveColRow(col, row, true, true);
  if (MouseActions()->WheelAction() == waScroll) {
    int left = std::max(fc, std::min(LeftCol() + h, ColCount() - VisibleColCount()));
    int top = std::max(fr, std::min(TopRow() + v, RowCount() - VisibleRowCount()));
    if (left != LeftCol() && left >= fc) SetLeftCol(left);
    if (top != TopRow() && top >= fr) SetTopRow(top);
  } else {
    if ((h < 0 && col > fc) || (h > 0 && col < lastCol)) col += h;
    if ((v < 0 && row > fr) || (v > 0 && row < lastRow)) row += v;
    if (col != Col() || row != Row()) MoveColRow(col, row, true, true);
  }
  // A view that moved under the marker paints it afresh at its place.
  if (LeftCol() != viewLeft || TopRow() != viewTop) Invalidate();
  Screen->SetCursor(panCursor(v, h));
  if (!(Selection() == before)) {
    TGridRect s = Selection();
    SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
  }
}
