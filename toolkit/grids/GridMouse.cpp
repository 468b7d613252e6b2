// TCustomGrid mouse: selecting, opening the editor by a second click, sizing
// columns and rows by their lines, moving them by their fixed cells, and the
// auto-scroll timer (id 1) while selecting or moving.

#include <algorithm>

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/grids/Grids.h"
#include "toolkit/rtl/ScopeGuard.h"

namespace {
constexpr uintptr_t kScrollTimer = 1;
constexpr UINT kScrollInterval = 60;
constexpr int kSizingReach = 3;  // pixels either side of a line

// Sizing hits a line of a normal cell within reach of the pointer.
void axisSizingState(const TGridAxisDrawInfo& A, int Pos, TGridState NewState, TGridState& State, int& Index,
                     int& SizingPos, int& SizingOfs) {
  int line = A.FixedBoundary;
  for (int i = A.FirstGridCell; i < A.GridCellCount; ++i) {
    line += A.GetExtent(i);
    if (line > A.GridBoundary) break;
    if (Pos >= line - kSizingReach && Pos <= line + kSizingReach) {
      State = NewState;
      SizingPos = line;
      SizingOfs = line - Pos;
      Index = i;
      return;
    }
    line += A.EffectiveLineWidth;
  }
}
}  // namespace

void TCustomGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                                  TGridDrawInfo& FixedInfo) {
  State = gsNormal;
  Index = -1;
  CalcDrawInfo(FixedInfo);
  if (X > FixedInfo.Horz.FixedBoundary && FOptions.Contains(goColSizing)) {
    if (Y >= FixedInfo.Vert.FixedBoundary) return;
    axisSizingState(FixedInfo.Horz, X, gsColSizing, State, Index, SizingPos, SizingOfs);
  } else if (Y > FixedInfo.Vert.FixedBoundary && FOptions.Contains(goRowSizing)) {
    if (X >= FixedInfo.Horz.FixedBoundary) return;
    axisSizingState(FixedInfo.Vert, Y, gsRowSizing, State, Index, SizingPos, SizingOfs);
  }
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FInplaceEdit && FInplaceEdit->Visible()) HideEdit();
  if (CanFocus() || !GetParentForm(this)) {
    if (!Focused() && CanFocus()) SetFocus();
    if (!IsActiveControl()) {
      SetMouseCapture(false);
      return;
    }
  }
  if (Button == mbLeft && Shift.Contains(ssDouble)) {
    DblClick();
  } else if (Button == mbLeft) {
    TGridDrawInfo info;
    CalcSizingState(X, Y, FGridState, FSizingIndex, FSizingPos, FSizingOfs, info);
    if (FGridState != gsNormal) {
      invalidateSizingLine(info, FSizingPos);
      TCustomControl::MouseDown(Button, Shift, X, Y);
      return;
    }
    TGridCoord hit = MouseCoord(X, Y);
    if (hit.X >= FFixedCols && hit.Y >= FFixedRows) {
      if (FOptions.Contains(goEditing)) {
        // The first click moves the cursor; a click on the current cell opens the editor.
        if (hit == FCurrent) {
          ShowEditor();
          if (FInplaceEdit) FInplaceEdit->NoteClick();
        } else {
          MoveCurrent(hit.X, hit.Y, true, true);
          UpdateEdit();
        }
        Click();
      } else {
        startSelecting(hit, Shift);
      }
    } else if (FOptions.Contains(goRowMoving) && hit.X >= 0 && hit.X < FFixedCols && hit.Y >= FFixedRows) {
      FMoveIndex = FMovePos = hit.Y;
      FGridState = gsRowMoving;
      SetTimer(Handle(), kScrollTimer, kScrollInterval);
      Invalidate();
    } else if (FOptions.Contains(goColMoving) && hit.Y >= 0 && hit.Y < FFixedRows && hit.X >= FFixedCols) {
      FMoveIndex = FMovePos = hit.X;
      FGridState = gsColMoving;
      SetTimer(Handle(), kScrollTimer, kScrollInterval);
      Invalidate();
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::startSelecting(const TGridCoord& Cell, TShiftState Shift) {
  FGridState = gsSelecting;
  SetTimer(Handle(), kScrollTimer, kScrollInterval);
  bool extend = Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect);
  MoveCurrent(Cell.X, Cell.Y, !extend, true);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  switch (FGridState) {
    case gsSelecting: {
      TGridCoord hit = MouseCoord(X, Y);
      if (hit.X >= FFixedCols && hit.Y >= FFixedRows && !(hit == FCurrent)) MoveCurrent(hit.X, hit.Y, false, true);
      break;
    }
    case gsColMoving:
    case gsRowMoving: trackMove(MouseCoord(X, Y)); break;
    case gsColSizing:
    case gsRowSizing:
      invalidateSizingLine(info, FSizingPos);
      FSizingPos = (FGridState == gsColSizing ? X : Y) + FSizingOfs;
      invalidateSizingLine(info, FSizingPos);
      break;
    default: break;
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

// The drop position follows the pointer over normal columns (rows).
void TCustomGrid::trackMove(const TGridCoord& Cell) {
  int pos = FGridState == gsColMoving ? Cell.X : Cell.Y;
  int fixed = FGridState == gsColMoving ? FFixedCols : FFixedRows;
  if (pos < fixed || pos == FMovePos) return;
  FMovePos = pos;
  Invalidate();
}

void TCustomGrid::applySizing() {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  bool cols = FGridState == gsColSizing;
  const TGridAxisDrawInfo& a = cols ? info.Horz : info.Vert;
  int start = a.FixedBoundary;
  for (int i = a.FirstGridCell; i < FSizingIndex; ++i) start += a.GetExtent(i) + a.EffectiveLineWidth;
  int size = FSizingPos - start;
  invalidateSizingLine(info, FSizingPos);
  if (size <= 1) return;
  if (cols) SetColWidths(FSizingIndex, size);
  else SetRowHeights(FSizingIndex, size);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGridState state = FGridState;
  {
    auto normal = MakeScopeGuard([&] { FGridState = gsNormal; });
    switch (state) {
      case gsSelecting:
        MouseMove(Shift, X, Y);
        if (HandleAllocated()) KillTimer(Handle(), kScrollTimer);
        UpdateEdit();
        Click();
        break;
      case gsColSizing:
      case gsRowSizing: applySizing(); break;
      case gsColMoving:
      case gsRowMoving: {
        if (HandleAllocated()) KillTimer(Handle(), kScrollTimer);
        int from = FMoveIndex, to = FMovePos;
        FGridState = gsNormal;
        Invalidate();
        if (from != to && from >= 0 && to >= 0) {
          if (state == gsColMoving) MoveColumn(from, to);
          else MoveRow(from, to);
        }
        UpdateEdit();
        break;
      }
      default: UpdateEdit(); break;
    }
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

// A lost capture ends whatever the mouse was doing.
void TCustomGrid::WMCancelMode(TMessage& Message) {
  TCustomControl::WMCancelMode(Message);
  if (FGridState == gsNormal) return;
  if (HandleAllocated()) KillTimer(Handle(), kScrollTimer);
  FGridState = gsNormal;
  Invalidate();
}

// ---- timer 1: one line toward a pointer outside the cells ----

void TCustomGrid::WMTimer(TWMTimer& Message) {
  if (Message.TimerID != kScrollTimer) {
    TCustomControl::WMTimer(Message);
    return;
  }
  if (FGridState == gsSelecting || FGridState == gsColMoving || FGridState == gsRowMoving) timerScroll();
  else if (HandleAllocated()) KillTimer(Handle(), kScrollTimer);
}

void TCustomGrid::timerScroll() {
  TPoint p;
  GetCursorPos(p);
  p = ScreenToClient(p);
  TGridDrawInfo info;
  CalcDrawInfo(info);
  int dx = 0, dy = 0;
  if (FGridState != gsRowMoving) {
    if (p.X < info.Horz.FixedBoundary) dx = -1;
    else if (p.X >= info.Horz.FullVisBoundary && info.Horz.LastFullVisibleCell < FColCount - 1) dx = 1;
  }
  if (FGridState != gsColMoving) {
    if (p.Y < info.Vert.FixedBoundary) dy = -1;
    else if (p.Y >= info.Vert.FullVisBoundary && info.Vert.LastFullVisibleCell < FRowCount - 1) dy = 1;
  }
  if (dx == 0 && dy == 0) return;
  ScrollDataInfo(dx, dy);
  CalcDrawInfo(info);
  // The selection or the drop position follows to the edge just shown.
  auto edge = [](int d, const TGridAxisDrawInfo& a, int current) {
    if (d < 0) return a.FirstGridCell;
    if (d > 0) return std::max(a.FirstGridCell, a.LastFullVisibleCell);
    return current;
  };
  if (FGridState == gsSelecting) {
    TGridCoord to{edge(dx, info.Horz, FCurrent.X), edge(dy, info.Vert, FCurrent.Y)};
    if (!(to == FCurrent)) MoveCurrent(to.X, to.Y, false, false);
  } else if (FGridState == gsColMoving && dx != 0) {
    trackMove({edge(dx, info.Horz, FMovePos), 0});
  } else if (FGridState == gsRowMoving && dy != 0) {
    trackMove({0, edge(dy, info.Vert, FMovePos)});
  }
}

// ---- the mouse pointer ----

void TCustomGrid::WMSetCursor(TWMSetCursor& Message) {
  TCursor shape = crDefault;
  if (FGridState == gsNormal && HandleAllocated() && Message.CursorWnd == Handle() && Message.HitTest == HTCLIENT) {
    TPoint p;
    GetCursorPos(p);
    p = ScreenToClient(p);
    TGridState state = gsNormal;
    int index = -1, pos = 0, ofs = 0;
    TGridDrawInfo info;
    CalcSizingState(p.X, p.Y, state, index, pos, ofs, info);
    if (state == gsColSizing) shape = crHSplit;
    else if (state == gsRowSizing) shape = crVSplit;
  }
  if (shape == crDefault) {
    TCustomControl::WMSetCursor(Message);
    return;
  }
  // The split pointer shows through the control's own cursor for this message only.
  TCursor own = Cursor();
  cursorOverride_ = true;
  TControl::SetCursor(shape);
  TCustomControl::WMSetCursor(Message);
  TControl::SetCursor(own);
  cursorOverride_ = false;
}

void TCustomGrid::CMCursorChanged(TMessage& Message) {
  if (!cursorOverride_) TCustomControl::CMCursorChanged(Message);
}
