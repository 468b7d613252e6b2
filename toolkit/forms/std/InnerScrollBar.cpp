#include "toolkit/forms/std/InnerScrollBar.h"

#include <algorithm>

#include "toolkit/forms/Messages.h"
#include "toolkit/forms/std/ControlPaint.h"

int TInnerScrollBar::MaxPosition() const {
  return page_ > 0 ? std::max(min_, max_ - page_ + 1) : max_;
}

void TInnerScrollBar::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  SetPosition(pos_);
}

void TInnerScrollBar::SetPage(int page) {
  page_ = std::clamp(page, 0, max_ - min_ + 1);
  SetPosition(pos_);
}

int TInnerScrollBar::SetPosition(int pos) {
  pos_ = std::clamp(pos, min_, MaxPosition());
  return pos_;
}

int TInnerScrollBar::arrowSize() const {
  int length = Vertical ? Bounds.Height() : Bounds.Width();
  int thick = Vertical ? Bounds.Width() : Bounds.Height();
  return std::min(thick, length / 2);
}

int TInnerScrollBar::trackStart() const { return (Vertical ? Bounds.Top : Bounds.Left) + arrowSize(); }

int TInnerScrollBar::trackLength() const {
  return std::max(0, (Vertical ? Bounds.Height() : Bounds.Width()) - 2 * arrowSize());
}

int TInnerScrollBar::thumbLength() const {
  int track = trackLength();
  int range = max_ - min_ + 1;
  int thick = Vertical ? Bounds.Width() : Bounds.Height();
  int len = page_ > 0 ? track * page_ / std::max(1, range) : thick;
  return std::min(track, std::max(8, len));
}

int TInnerScrollBar::thumbStart() const {
  int span = MaxPosition() - min_;
  int room = trackLength() - thumbLength();
  return trackStart() + (span <= 0 ? 0 : room * (pos_ - min_) / span);
}

TRect TInnerScrollBar::PartRect(TPart part) const {
  int a = arrowSize();
  int start = Vertical ? Bounds.Top : Bounds.Left;
  int end = Vertical ? Bounds.Bottom : Bounds.Right;
  int from = 0, to = 0;
  switch (part) {
    case spLineUp: from = start; to = start + a; break;
    case spLineDown: from = end - a; to = end; break;
    case spPageUp: from = trackStart(); to = thumbStart(); break;
    case spThumb: from = thumbStart(); to = thumbStart() + thumbLength(); break;
    case spPageDown: from = thumbStart() + thumbLength(); to = end - a; break;
    case spNone: return {};
  }
  return Vertical ? Rect(Bounds.Left, from, Bounds.Right, to) : Rect(from, Bounds.Top, to, Bounds.Bottom);
}

TInnerScrollBar::TPart TInnerScrollBar::HitTest(TPoint p) const {
  if (!Visible || !PtInRect(Bounds, p)) return spNone;
  for (TPart part : {spLineUp, spLineDown, spThumb, spPageUp, spPageDown})
    if (PtInRect(PartRect(part), p)) return part;
  return spNone;
}

void TInnerScrollBar::Paint(TCanvas* c) const {
  if (!Visible || Bounds.IsEmpty()) return;
  bool active = Enabled && MaxPosition() > min_;
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(Bounds);
  int trackPart = Vertical ? SBP_UPPERTRACKVERT : SBP_UPPERTRACKHORZ;
  TRect track = Vertical ? Rect(Bounds.Left, trackStart(), Bounds.Right, trackStart() + trackLength())
                         : Rect(trackStart(), Bounds.Top, trackStart() + trackLength(), Bounds.Bottom);
  DrawThemed(c, "scrollbar", trackPart, active ? SCRBS_NORMAL : SCRBS_DISABLED, track);
  DrawScrollArrow(c, PartRect(spLineUp), Vertical ? adUp : adLeft, pressed_ == spLineUp, active);
  DrawScrollArrow(c, PartRect(spLineDown), Vertical ? adDown : adRight, pressed_ == spLineDown, active);
  if (!active) return;
  TRect thumb = PartRect(spThumb);
  int thumbPart = Vertical ? SBP_THUMBBTNVERT : SBP_THUMBBTNHORZ;
  if (!DrawThemed(c, "scrollbar", thumbPart, dragging_ ? SCRBS_PRESSED : SCRBS_NORMAL, thumb)) {
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(thumb);
    c->DrawEdge(thumb, EDGE_RAISED, BF_RECT);
  }
}

bool TInnerScrollBar::MouseDown(TPoint p) {
  TPart part = HitTest(p);
  if (part == spNone || !Enabled) return part != spNone;
  pressed_ = part;
  int line = 1, page = std::max(1, page_);
  switch (part) {
    case spLineUp: if (Scroll) Scroll(SB_LINEUP, std::max(min_, pos_ - line)); break;
    case spLineDown: if (Scroll) Scroll(SB_LINEDOWN, std::min(MaxPosition(), pos_ + line)); break;
    case spPageUp: if (Scroll) Scroll(SB_PAGEUP, std::max(min_, pos_ - page)); break;
    case spPageDown: if (Scroll) Scroll(SB_PAGEDOWN, std::min(MaxPosition(), pos_ + page)); break;
    case spThumb:
      dragging_ = true;
      dragOffset_ = (Vertical ? p.Y : p.X) - thumbStart();
      break;
    case spNone: break;
  }
  return true;
}

void TInnerScrollBar::MouseMove(TPoint p) {
  if (!dragging_) return;
  int room = trackLength() - thumbLength();
  int at = (Vertical ? p.Y : p.X) - dragOffset_ - trackStart();
  int span = MaxPosition() - min_;
  int pos = room <= 0 ? min_ : min_ + (std::clamp(at, 0, room) * span + room / 2) / room;
  if (Scroll) Scroll(SB_THUMBTRACK, pos);
}

void TInnerScrollBar::MouseUp(TPoint p) {
  if (dragging_) {
    MouseMove(p);
    if (Scroll) Scroll(SB_THUMBPOSITION, pos_);
  }
  bool was = pressed_ != spNone;
  dragging_ = false;
  pressed_ = spNone;
  if (was && Scroll) Scroll(SB_ENDSCROLL, pos_);
}
