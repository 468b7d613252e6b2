#include <algorithm>

#include "toolkit/forms/std/ControlPaint.h"
#include "toolkit/forms/std/PageControl.h"
#include "toolkit/graphics/Canvas.h"

// The owner moves the children by the difference; it listens through PositionRequested.
void TControlScrollBar::SetPosition(int v) {
  if (PositionRequested) PositionRequested(v);
  else position_ = std::clamp(v, 0, std::max(0, range_ - view_));
}

bool TControlScrollBar::IsScrollBarVisible() const { return visible_ && range_ > view_; }

TScrollBox::TScrollBox(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
  horz_.OnChanged = [this] { UpdateScrollBars(); };
  vert_.OnChanged = [this] { UpdateScrollBars(); };
  horz_.PositionRequested = [this](int v) { scrollTo(horz_, v); };
  vert_.PositionRequested = [this](int v) { scrollTo(vert_, v); };
  hbar_.Vertical = false;
  hbar_.Scroll = [this](int code, int pos) { handleScroll(horz_, code, pos); };
  vbar_.Scroll = [this](int code, int pos) { handleScroll(vert_, code, pos); };
}

TRect TScrollBox::ViewRect() const {
  TRect r = ClientRect();
  if (borderStyle_ == bsSingle) InflateRect(r, -2, -2);
  if (vert_.IsScrollBarVisible()) r.Right -= TInnerScrollBar::DefaultThickness;
  if (horz_.IsScrollBarVisible()) r.Bottom -= TInnerScrollBar::DefaultThickness;
  return r;
}

void TScrollBox::scrollTo(TControlScrollBar& bar, int pos) {
  pos = std::clamp(pos, 0, std::max(0, bar.range_ - bar.view_));
  int delta = pos - bar.position_;
  if (delta == 0) return;
  bar.position_ = pos;
  bool horizontal = &bar == &horz_;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    c->SetBounds(c->Left() - (horizontal ? delta : 0), c->Top() - (horizontal ? 0 : delta), c->Width(), c->Height());
  }
  UpdateScrollBars();
}

void TScrollBox::UpdateScrollBars() {
  if (updating_) return;
  updating_ = true;
  if (autoScroll_) {
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* c = Controls(i);
      if (!c->Visible()) continue;
      right = std::max(right, c->Left() + c->Width() + horz_.position_);
      bottom = std::max(bottom, c->Top() + c->Height() + vert_.position_);
    }
    horz_.range_ = right > 0 ? right + horz_.margin_ : 0;
    vert_.range_ = bottom > 0 ? bottom + vert_.margin_ : 0;
  }
  // The view shrinks by the other bar when that one is shown.
  TRect all = ClientRect();
  if (borderStyle_ == bsSingle) InflateRect(all, -2, -2);
  horz_.view_ = all.Width();
  vert_.view_ = all.Height();
  for (int pass = 0; pass < 2; ++pass) {
    horz_.view_ = all.Width() - (vert_.IsScrollBarVisible() ? TInnerScrollBar::DefaultThickness : 0);
    vert_.view_ = all.Height() - (horz_.IsScrollBarVisible() ? TInnerScrollBar::DefaultThickness : 0);
  }
  TRect view = ViewRect();
  hbar_.Visible = horz_.IsScrollBarVisible();
  vbar_.Visible = vert_.IsScrollBarVisible();
  hbar_.Bounds = Rect(view.Left, view.Bottom, view.Right, view.Bottom + TInnerScrollBar::DefaultThickness);
  vbar_.Bounds = Rect(view.Right, view.Top, view.Right + TInnerScrollBar::DefaultThickness, view.Bottom);
  hbar_.SetRange(0, std::max(0, horz_.range_ - 1));
  hbar_.SetPage(std::max(1, horz_.view_));
  hbar_.SetPosition(horz_.position_);
  vbar_.SetRange(0, std::max(0, vert_.range_ - 1));
  vbar_.SetPage(std::max(1, vert_.view_));
  vbar_.SetPosition(vert_.position_);
  updating_ = false;
  int hmax = std::max(0, horz_.range_ - horz_.view_), vmax = std::max(0, vert_.range_ - vert_.view_);
  if (horz_.position_ > hmax) scrollTo(horz_, hmax);
  if (vert_.position_ > vmax) scrollTo(vert_, vmax);
  Invalidate();
}

void TScrollBox::handleScroll(TControlScrollBar& bar, int code, int pos) {
  int page = std::max(1, bar.view_ * 9 / 10);
  switch (code) {
    case SB_LINEUP: scrollTo(bar, bar.position_ - bar.increment_); break;
    case SB_LINEDOWN: scrollTo(bar, bar.position_ + bar.increment_); break;
    case SB_PAGEUP: scrollTo(bar, bar.position_ - page); break;
    case SB_PAGEDOWN: scrollTo(bar, bar.position_ + page); break;
    case SB_THUMBTRACK: if (bar.tracking_) scrollTo(bar, pos); break;
    case SB_THUMBPOSITION: scrollTo(bar, pos); break;
    case SB_TOP: scrollTo(bar, 0); break;
    case SB_BOTTOM: scrollTo(bar, bar.range_); break;
    default: break;
  }
}

void TScrollBox::ScrollInView(TControl* AControl) {
  if (AControl == nullptr) return;
  TRect view = ViewRect();
  if (AControl->Left() < view.Left) scrollTo(horz_, horz_.position_ + AControl->Left() - view.Left);
  else if (AControl->Left() + AControl->Width() > view.Right)
    scrollTo(horz_, horz_.position_ + AControl->Left() + AControl->Width() - view.Right);
  if (AControl->Top() < view.Top) scrollTo(vert_, vert_.position_ + AControl->Top() - view.Top);
  else if (AControl->Top() + AControl->Height() > view.Bottom)
    scrollTo(vert_, vert_.position_ + AControl->Top() + AControl->Height() - view.Bottom);
}

void TScrollBox::BoundsChanged() {
  TCustomControl::BoundsChanged();
  UpdateScrollBars();
}

void TScrollBox::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  if (borderStyle_ == bsSingle) c->DrawEdge(r, EDGE_SUNKEN, BF_RECT);
  hbar_.Paint(c);
  vbar_.Paint(c);
  if (hbar_.Visible && vbar_.Visible) {
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(Rect(vbar_.Bounds.Left, hbar_.Bounds.Top, vbar_.Bounds.Right, hbar_.Bounds.Bottom));
  }
}

void TScrollBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (!hbar_.MouseDown({X, Y})) vbar_.MouseDown({X, Y});
}

void TScrollBox::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  hbar_.MouseMove({X, Y});
  vbar_.MouseMove({X, Y});
}

void TScrollBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  hbar_.MouseUp({X, Y});
  vbar_.MouseUp({X, Y});
}

bool TScrollBox::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  scrollTo(vert_, vert_.position_ - WheelDelta / WHEEL_DELTA * vert_.increment_ * 3);
  return true;
}

void TScrollBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL: {
      TWMScroll s(Message);
      handleScroll(Message.Msg == WM_HSCROLL ? horz_ : vert_, s.ScrollCode, s.Pos);
      return;
    }
    case CM_CONTROLCHANGE:
    case CM_CONTROLLISTCHANGE:
      TCustomControl::Dispatch(Message);
      UpdateScrollBars();
      return;
    default: TCustomControl::Dispatch(Message);
  }
}
