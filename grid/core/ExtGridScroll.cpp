// Scrolling of the string grid: the wheel (moving the cursor or the view,
// Ctrl+wheel zoom), proportional thumbs from running totals of the column
// widths and row heights, the scroll hint of a dragged thumb, scroll-bar
// cells, and the clean-ups after every change of the top-left cell.

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/core/ExtGridScrollMath.h"
#include "grid/output/HTMLHintWindow.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/ScopeGuard.h"
#include "toolkit/rtl/Math.h"

// ---- the wheel ----

void TExtStringGrid::WMMouseWheel(TWMMouseWheel& Message) {
  if (Parent() && Parent()->Perform(CM_MOUSEWHEEL, Message.Source->WParam, Message.Source->LParam) != 0)
    return TBaseGrid::WMMouseWheel(Message);
  bool towardUser = Message.WheelDelta < 0;
  if (GetKeyState(VK_CONTROL) < 0 && IntelliZoom()) {
    Zoom(towardUser ? FWheelScrl : -FWheelScrl);
    AutoSizeCells(true, 4, 4);
    return;
  }
  if (!EnableWheel() || (FixedRowAlways() && RowCount() == 1)) return;
  TGridRect before = Selection();
  int moved = wheelStep(towardUser);
  bool handled = true;
  WheelRowsMoved(moved, handled);
  if ((MouseActions()->WheelIncrement() > 0 || MouseActions()->DisjunctRowSelect()) && handled) {
    Message.Result = 1;
    bool h = false;
    TShiftState shift = KeysToShiftState(Message.Keys);
    if (towardUser && OnMouseWheelDown) OnMouseWheelDown(this, shift, Message.Pos(), h);
    if (!towardUser && OnMouseWheelUp) OnMouseWheelUp(this, shift, Message.Pos(), h);
  }
  if (!(Selection() == before)) {
    TGridRect s = Selection();
    SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
  }
  ScrollLastRowAboveSearchFooter();
}

// One notch: the cursor (or with waScroll the view) moves by the step;
// returns the rows the cursor moved.
int TExtStringGrid::wheelStep(bool Down) {
  int fr = TCustomGrid::FixedRows(), fc = TCustomGrid::FixedCols();
  int s = MouseActions()->WheelIncrement() > 0 ? MouseActions()->WheelIncrement() : FWheelScrl;
  bool scroll = MouseActions()->WheelAction() == waScroll;
  if (scroll) {
    int lastTop = std::max(fr, RowCount() - VisibleRowCount());
    int top = Down ? std::min(TopRow() + s, lastTop) : std::max(TopRow() - s, fr);
    if (top != TopRow()) SetTopRow(top);
    return 0;
  }
  int last = lastNormalRow();
  if (last < fr) return 0;
  int t = std::clamp(Down ? Row() + s : Row() - s, fr, last);
  if (Col() >= ColCount()) SetCol(ColCount() - 1);
  else if (Col() < fc && fc < ColCount()) SetCol(fc);
  int oldLeft = LeftCol(), from = Row();
  StartUpdate();
  auto reset = MakeScopeGuard([this] { ResetUpdate(); });
  if (MouseActions()->DisjunctRowSelect()) ClearRowSelect();
  SetRow(t);
  if (Row() != t && t != from) {
    // The target refused the cursor: half way, rounded.
    int half = from + static_cast<int>(Round((t - from) / 2.0));
    if (half != from) SetRow(half);
  }
  if (Options().Contains(goRowSelect) && Navigation()->KeepHorizScroll()) SetLeftCol(oldLeft);
  return Row() - from;
}

void TExtStringGrid::Zoom(int X) {
  int z = ZoomFactor() + X;
  if (z > 10 || z < -10) return;
  FZoomFactor = z;
  {
    TGridUpdateLock lock(*this);
    for (int c = 0; c < ColCount(); ++c)
      if (ColWidths(c) > 0 && ColWidths(c) + X > 0) SetColWidths(c, ColWidths(c) + X);
    for (int r = 0; r < RowCount(); ++r)
      if (RowHeights(r) > 0 && RowHeights(r) + X > 0) SetRowHeights(r, RowHeights(r) + X);
  }
  thumbsChanged();
}

// ---- proportional thumbs ----

namespace {
UINT thumbMessage() {
  static const UINT msg = RegisterWindowMessage("GridThumbUpdate");
  return msg;
}
}  // namespace

// Width and height changes come in bulk (auto-sizing, zoom, loading): the
// thumbs are brought up to date once, when the messages posted meanwhile
// are delivered, instead of once per change.
void TExtStringGrid::thumbsChanged() {
  if (!ScrollProportional() || !HandleAllocated() || FThumbPending) return;
  FThumbPending = true;
  PostMessage(Handle(), thumbMessage(), 0, 0);
}

void TExtStringGrid::Dispatch(TMessage& Message) {
  if (Message.Msg != thumbMessage() || thumbMessage() == 0) return TBaseGrid::Dispatch(Message);
  FThumbPending = false;
  UpdateVScrollProportional();
  UpdateHScrollProportional();
}

void TExtStringGrid::ensureExtentTotals() {
  int line = GridLineWidth();
  if (!FColTotals.Valid() || FColTotals.Count() != ColCount())
    FColTotals.Rebuild(ColCount(), [this, line](int i) { return ColWidths(i) + line; });
  if (!FRowTotals.Valid() || FRowTotals.Count() != RowCount())
    FRowTotals.Rebuild(RowCount(), [this, line](int i) { return RowHeights(i) + line; });
}

void TExtStringGrid::UpdateVScrollProportional() {
  if (!ScrollProportional() || !HandleAllocated() || ComponentState().Contains(csLoading)) return;
  if (VisibleRowCount() + TCustomGrid::FixedRows() >= RowCount()) return;
  ensureExtentTotals();
  int fr = TCustomGrid::FixedRows(), line = GridLineWidth();
  int64_t fixed = line + FRowTotals.Sum(0, fr);
  int64_t total = line + FRowTotals.Sum(fr, RowCount());
  int64_t before = line + FRowTotals.Sum(fr, TopRow());
  applyThumb(SB_VERT, VertProportionalThumb(fixed, total, before, Height()));
}

void TExtStringGrid::UpdateHScrollProportional() {
  if (!ScrollProportional() || !HandleAllocated() || ComponentState().Contains(csLoading)) return;
  ensureExtentTotals();
  int fc = TCustomGrid::FixedCols(), line = GridLineWidth();
  int64_t fixed = line + FColTotals.Sum(0, fc);
  int64_t total = line + FColTotals.Sum(fc, ColCount());
  int64_t before = line + FColTotals.Sum(fc, LeftCol());
  applyThumb(SB_HORZ, HorzProportionalThumb(fixed, total, before, Width(), GetScrollPos(Handle(), SB_HORZ)));
}

void TExtStringGrid::applyThumb(int Bar, const TProportionalThumb& T) {
  if (!T.Apply) return;
  TScrollInfo info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = T.Max;
  info.nPage = static_cast<UINT>(T.Page);
  info.nPos = T.Pos;
  SetScrollInfo(Handle(), Bar, info, true);
}

// ---- scroll messages ----

void TExtStringGrid::WMVScroll(TWMScroll& Message) {
  if (Message.ScrollCode == SB_THUMBTRACK && (ScrollHints() == shVertical || ScrollHints() == shBoth))
    scrollHint(false, Message.Pos);
  if (Message.ScrollCode == SB_THUMBTRACK && ScrollSynch()) {
    SetTopRow(ThumbPosToCell(Message.Pos, RowCount(), VisibleRowCount(), TCustomGrid::FixedRows()));
    return;
  }
  if (Message.ScrollCode == SB_ENDSCROLL) hideScrollHint();
  if (searchPanelHeight() && (Message.ScrollCode == SB_LINEDOWN || Message.ScrollCode == SB_ENDSCROLL) &&
      LastRowAboveSearchFooter()) {
    Message.Result = 1;
    return;
  }
  TBaseGrid::WMVScroll(Message);
  SyncFlatVertScrollInfo();
  SyncFlatHorzScrollInfo();
}

void TExtStringGrid::WMHScroll(TWMScroll& Message) {
  if (Message.ScrollCode == SB_THUMBTRACK && (ScrollHints() == shHorizontal || ScrollHints() == shBoth))
    scrollHint(true, Message.Pos);
  if (Message.ScrollCode == SB_ENDSCROLL) hideScrollHint();
  int c = ThumbPosToCell(Message.Pos, ColCount(), VisibleColCount(), TCustomGrid::FixedCols());
  if (Message.ScrollCode == SB_THUMBTRACK && ScrollSynch()) {
    SetLeftCol(std::min(c, std::max(TCustomGrid::FixedCols(), ColCount() - VisibleColCount())));
    return;
  }
  if (TCustomGrid::FixedCols() == 0 && c >= Col()) HideInplaceEdit();
  TBaseGrid::WMHScroll(Message);
  SyncFlatHorzScrollInfo();
  SyncFlatVertScrollInfo();
}

// The text of the hint while a thumb is dragged ("Row : 12", "Col : 3").
void TExtStringGrid::scrollHint(bool Horz, int Pos) {
  int n = Horz ? ThumbPosToCell(Pos, ColCount(), VisibleColCount(), TCustomGrid::FixedCols())
               : ThumbPosToCell(Pos, RowCount(), VisibleRowCount(), TCustomGrid::FixedRows());
  std::string text = (Horz ? "Col : " : "Row : ") + std::to_string(n);
  if (OnScrollHint) OnScrollHint(this, n, text);
  TPoint cursor;
  GetCursorPos(cursor);
  showScrollHint(text, {cursor.X + 10, cursor.Y}, 100);
}

// One hint window serves the dragged thumb and the sizing of a column or
// row; it shows at a screen point, as wide as its text up to MaxWidth.
void TExtStringGrid::showScrollHint(const std::string& Text, TPoint ScreenPos, int MaxWidth) {
  FScrollHintText = Text;
  if (!FScrollHintWnd) FScrollHintWnd = new THTMLHintWindow(this);
  TRect r = FScrollHintWnd->CalcHintRect(MaxWidth, Text);
  FScrollHintWnd->SetColor(HintColor());
  OffsetRect(r, ScreenPos.X, ScreenPos.Y);
  FScrollHintWnd->ActivateHint(r, Text);
  FScrollHintShow = true;
}

void TExtStringGrid::hideScrollHint() {
  FScrollHintText.clear();
  if (FScrollHintWnd && FScrollHintShow) FScrollHintWnd->ReleaseHandle();
  FScrollHintShow = false;
}

void TExtStringGrid::TopLeftChanged() {
  TBaseGrid::TopLeftChanged();
  if (SelectionRectangle() && Selection().Bottom != Selection().Top) Invalidate();
  if (EditActive() && EditControl != edNormal) HideInplaceEdit();
  SyncFlatVertScrollInfo();
  SyncFlatHorzScrollInfo();
  UpdateVScrollProportional();
  UpdateHScrollProportional();
  CellControlsUpdate(false);
  TExtStringGrid* g = SyncGrid()->Grid();
  if (g && g != this) {
    if (SyncGrid()->ScrollVertical() && g->TopRow() != TopRow()) g->SetTopRow(TopRow());
    if (SyncGrid()->ScrollHorizontal() && g->LeftCol() != LeftCol()) g->SetLeftCol(LeftCol());
  }
}
