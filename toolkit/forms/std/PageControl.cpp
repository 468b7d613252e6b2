#include "toolkit/forms/std/PageControl.h"

#include <algorithm>

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/ControlPaint.h"
#include "toolkit/graphics/Canvas.h"

// ---- TTabSheet ----

TTabSheet::TTabSheet(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csParentBackground});
  SetVisible(false);
  SetColor(clBtnFace);
}

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::SetPageControl(TPageControl* v) {
  if (v == pageControl_) return;
  if (pageControl_ != nullptr) pageControl_->removePage(this);
  pageControl_ = v;
  if (v != nullptr) {
    SetParent(v);
    v->insertPage(this);
  }
}

int TTabSheet::PageIndex() const {
  if (pageControl_ == nullptr) return -1;
  auto& p = pageControl_->pages_;
  return static_cast<int>(std::find(p.begin(), p.end(), this) - p.begin());
}

void TTabSheet::SetPageIndex(int v) {
  if (pageControl_ == nullptr) return;
  auto& p = pageControl_->pages_;
  p.erase(p.begin() + PageIndex());
  p.insert(p.begin() + std::clamp(v, 0, static_cast<int>(p.size())), this);
  pageControl_->Invalidate();
}

int TTabSheet::TabIndex() const {
  if (pageControl_ == nullptr || !tabVisible_) return -1;
  int n = 0;
  for (TTabSheet* s : pageControl_->pages_) {
    if (s == this) return n;
    if (s->tabVisible_) ++n;
  }
  return -1;
}

void TTabSheet::SetTabVisible(bool v) {
  tabVisible_ = v;
  if (pageControl_ == nullptr) return;
  if (!v && pageControl_->active_ == this) pageControl_->SetActivePage(pageControl_->FindNextPage(this, true, true));
  pageControl_->Invalidate();
}

void TTabSheet::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_TEXTCHANGED && pageControl_ != nullptr) pageControl_->Invalidate();
  TCustomControl::Dispatch(Message);
}

void TTabSheet::Paint() {
  Canvas()->Brush()->SetStyle(bsSolid);
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
}

// ---- TPageControl ----

TPageControl::TPageControl(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({csDoubleClicks, csCaptureMouse});
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
  SetColor(clBtnFace);
}

TPageControl::~TPageControl() {
  for (TTabSheet* p : pages_) p->pageControl_ = nullptr;
}

void TPageControl::insertPage(TTabSheet* p) {
  pages_.push_back(p);
  layoutPages();
  if (active_ == nullptr) SetActivePage(p);
  Invalidate();
}

void TPageControl::removePage(TTabSheet* p) {
  TTabSheet* next = active_ == p ? FindNextPage(p, true, true) : active_;
  pages_.erase(std::remove(pages_.begin(), pages_.end(), p), pages_.end());
  if (active_ == p) {
    active_ = nullptr;
    SetActivePage(next == p ? nullptr : next);
  }
  Invalidate();
}

int TPageControl::tabHeight() {
  Canvas()->Font()->Assign(Font());
  return Canvas()->TextHeight("Wg") + 8;
}

TRect TPageControl::PageRect() const {
  TRect r = ClientRect();
  int th = const_cast<TPageControl*>(this)->tabHeight();
  return Rect(r.Left + 4, r.Top + th + 4, r.Right - 4, r.Bottom - 4);
}

void TPageControl::layoutPages() {
  TRect r = PageRect();
  for (TTabSheet* p : pages_) p->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

void TPageControl::BoundsChanged() {
  TCustomControl::BoundsChanged();
  layoutPages();
}

int TPageControl::ActivePageIndex() const { return active_ != nullptr ? active_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int v) {
  SetActivePage(v >= 0 && v < PageCount() ? pages_[v] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* v) {
  if (v != nullptr && v->pageControl_ != this) return;
  if (v == active_) return;
  TCustomForm* form = GetParentForm(this);
  // The focus does not stay on a page that goes away.
  if (form != nullptr && active_ != nullptr && form->ActiveControl() != nullptr &&
      active_->ContainsControl(form->ActiveControl()))
    if (CanFocus()) SetFocus();
  if (v != nullptr) v->SetVisible(true);
  if (active_ != nullptr) active_->SetVisible(false);
  active_ = v;
  Invalidate();
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* Current, bool GoForward, bool CheckTabVisible) const {
  int n = PageCount();
  if (n == 0) return nullptr;
  auto it = std::find(pages_.begin(), pages_.end(), Current);
  int start = it == pages_.end() ? (GoForward ? n - 1 : 0) : static_cast<int>(it - pages_.begin());
  for (int k = 1; k <= n; ++k) {
    int i = ((start + (GoForward ? k : -k)) % n + n) % n;
    if (!CheckTabVisible || pages_[i]->tabVisible_) return pages_[i];
  }
  return nullptr;
}

void TPageControl::userSelect(TTabSheet* p) {
  if (p == nullptr || p == active_) return;
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  if (!allow) return;
  SetActivePage(p);
  if (OnChange) OnChange(this);
}

void TPageControl::SelectNextPage(bool GoForward) { userSelect(FindNextPage(active_, GoForward, true)); }

TRect TPageControl::TabRect(int PageIndex) {
  if (PageIndex < 0 || PageIndex >= PageCount() || !pages_[PageIndex]->tabVisible_) return {};
  Canvas()->Font()->Assign(Font());
  int x = 2, h = tabHeight();
  for (int i = 0; i < PageCount(); ++i) {
    if (!pages_[i]->tabVisible_) continue;
    int w = Canvas()->TextWidth(StripHotkey(pages_[i]->Caption())) + 16;
    if (i == PageIndex) return Rect(x, 2, x + w, h);
    x += w;
  }
  return {};
}

TTabSheet* TPageControl::PageAt(TPoint p) {
  for (int i = 0; i < PageCount(); ++i)
    if (PtInRect(TabRect(i), p)) return pages_[i];
  return nullptr;
}

void TPageControl::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  int h = tabHeight();
  TRect pane = Rect(0, h, r.Right, r.Bottom);
  if (!DrawThemed(c, "tab", TABP_PANE, 0, pane)) c->DrawEdge(pane, EDGE_RAISED, BF_RECT);
  c->Font()->Assign(Font());
  for (int i = 0; i < PageCount(); ++i) {
    TRect t = TabRect(i);
    if (t.IsEmpty()) continue;
    bool sel = pages_[i] == active_;
    if (sel) {
      InflateRect(t, 2, 2);
      t.Bottom -= 1;
    }
    if (!DrawThemed(c, "tab", TABP_TOPTABITEM, sel ? TIS_SELECTED : TIS_NORMAL, t)) {
      c->Brush()->SetColor(clBtnFace);
      c->FillRect(t);
      TRect e = t;
      c->DrawEdge(e, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT | BF_SOFT);
    }
    if (sel) {
      c->Brush()->SetColor(Color());
      c->FillRect(Rect(t.Left + 1, t.Bottom - 1, t.Right - 1, t.Bottom + 2));
    }
    DrawCaption(c, pages_[i]->Caption(), t, DT_SINGLELINE | DT_CENTER | DT_VCENTER, Enabled() && pages_[i]->Enabled());
    if (sel && focused_) {
      TRect f = t;
      InflateRect(f, -3, -3);
      DrawFocusFrame(c, f);
    }
  }
}

void TPageControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  TTabSheet* p = PageAt({X, Y});
  if (p == nullptr) return;
  if (CanFocus()) SetFocus();
  userSelect(p);
}

void TPageControl::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == VK_RIGHT || Key == VK_DOWN) { SelectNextPage(true); Key = 0; }
  else if (Key == VK_LEFT || Key == VK_UP) { SelectNextPage(false); Key = 0; }
}

void TPageControl::WMGetDlgCode(TWMGetDlgCode& Message) {
  TCustomControl::WMGetDlgCode(Message);
  Message.Result |= DLGC_WANTARROWS;
}

void TPageControl::WMSetFocus(TWMSetFocus& Message) {
  focused_ = true;
  TCustomControl::WMSetFocus(Message);
  Invalidate();
}

void TPageControl::WMKillFocus(TWMKillFocus& Message) {
  focused_ = false;
  TCustomControl::WMKillFocus(Message);
  Invalidate();
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the pages from anywhere on the form.
void TPageControl::CMDialogKey(TCMDialogKey& Message) {
  if (Message.CharCode == VK_TAB && GetKeyState(VK_CONTROL) < 0 && IsControlVisible() && Enabled()) {
    SelectNextPage(GetKeyState(VK_SHIFT) >= 0);
    Message.Result = 1;
    return;
  }
  TCustomControl::CMDialogKey(Message);
}

void TPageControl::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR) {
    TCMDialogChar m(Message);
    for (TTabSheet* p : pages_) {
      if (p->tabVisible_ && IsAccel(m.CharCode, p->Caption()) && Enabled()) {
        userSelect(p);
        Message.Result = 1;
        return;
      }
    }
  }
  if (Message.Msg == CM_FONTCHANGED) {
    TCustomControl::Dispatch(Message);
    layoutPages();
    Invalidate();
    return;
  }
  TCustomControl::Dispatch(Message);
}
