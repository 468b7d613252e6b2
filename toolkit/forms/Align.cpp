// Alignment (alTop, alBottom, alLeft, alRight, alClient, in that order) and
// anchors (a control anchored right or bottom keeps its distance to that edge
// when the parent's client area changes size).

#include <algorithm>

#include "toolkit/forms/Controls.h"
#include "toolkit/rtl/ScopeGuard.h"

void TWinControl::DisableAlign() { ++alignLevel_; }

void TWinControl::EnableAlign() {
  if (alignLevel_ > 0) --alignLevel_;
  if (alignLevel_ == 0 && alignPending_) Realign();
}

void TWinControl::Realign() {
  if (alignLevel_ > 0 || controlState_.Contains(csAligning)) {
    alignPending_ = true;
    return;
  }
  alignPending_ = false;
  TRect rect = ClientRect();
  {
    controlState_.Include(csAligning);
    auto aligned = MakeScopeGuard([&] { controlState_.Exclude(csAligning); });
    AlignControls(nullptr, rect);
  }
  if (alignPending_) {
    alignPending_ = false;
    Realign();
  }
}

void TWinControl::AlignControls(TControl*, TRect& Rect) {
  for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient}) alignList(a, Rect);
  anchorControls();
}

namespace {

int sortKey(TControl* c, TAlign a) {
  switch (a) {
    case alTop: return c->Top();
    case alBottom: return -(c->Top() + c->Height());
    case alLeft: return c->Left();
    case alRight: return -(c->Left() + c->Width());
    default: return 0;
  }
}

}  // namespace

void TWinControl::alignList(TAlign a, TRect& rect) {
  std::vector<TControl*> list;
  for (TControl* c : controls_)
    if (c->Align() == a && c->Visible()) list.push_back(c);
  std::stable_sort(list.begin(), list.end(),
                   [a](TControl* x, TControl* y) { return sortKey(x, a) < sortKey(y, a); });
  for (TControl* c : list) {
    int w = c->Width(), h = c->Height();
    switch (a) {
      case alTop:
        c->SetBounds(rect.Left, rect.Top, rect.Width(), h);
        rect.Top += c->Height();
        break;
      case alBottom:
        c->SetBounds(rect.Left, rect.Bottom - h, rect.Width(), h);
        rect.Bottom -= c->Height();
        break;
      case alLeft:
        c->SetBounds(rect.Left, rect.Top, w, rect.Height());
        rect.Left += c->Width();
        break;
      case alRight:
        c->SetBounds(rect.Right - w, rect.Top, w, rect.Height());
        rect.Right -= c->Width();
        break;
      case alClient:
        c->SetBounds(rect.Left, rect.Top, std::max(rect.Width(), 0), std::max(rect.Height(), 0));
        break;
      default: break;
    }
  }
}

void TWinControl::anchorControls() {
  int pw = ClientWidth(), ph = ClientHeight();
  for (TControl* c : controls_) {
    if (c->Align() != alNone) continue;
    const TAnchors& an = c->Anchors();
    if (an == TAnchors{akLeft, akTop}) continue;
    TSize base = c->anchorParentSize_;
    if (base.cx == 0 && base.cy == 0) continue;
    TRect b = c->anchorBounds_;
    int dx = pw - base.cx, dy = ph - base.cy;
    int l = b.Left, w = b.Width(), t = b.Top, h = b.Height();
    if (an.Contains(akRight)) {
      if (an.Contains(akLeft)) w += dx;
      else l += dx;
    } else if (!an.Contains(akLeft)) {
      l += dx / 2;
    }
    if (an.Contains(akBottom)) {
      if (an.Contains(akTop)) h += dy;
      else t += dy;
    } else if (!an.Contains(akTop)) {
      t += dy / 2;
    }
    c->SetBounds(l, t, w, h);
  }
}
