// TWinControl: children, the window handle and showing, styles, tab order and focus.

#include <algorithm>

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/WindowManager.h"
#include "toolkit/forms/WindowState.h"
#include "toolkit/graphics/GraphicsObjects.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/ScopeGuard.h"

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
  UpdateClientArea();
}

TWinControl::~TWinControl() {
  // A windowed control takes its children with it, whoever owns them.
  while (!controls_.empty()) {
    TControl* c = controls_.back();
    RemoveControl(c);
    delete c;
  }
  // Leave the parent while this is still a windowed control, so that the
  // parent's tab order and its form's focus forget it properly.
  if (parent_) parent_->RemoveControl(this);
  DestroyHandle();
}

// ---- children ----

TControl* TWinControl::Controls(int Index) const {
  if (Index < 0 || Index >= ControlCount())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return controls_[Index];
}

void TWinControl::InsertControl(TControl* AControl) {
  if (!AControl || AControl->parent_ == this) return;
  if (AControl->parent_) AControl->parent_->RemoveControl(AControl);
  auto* win = dynamic_cast<TWinControl*>(AControl);
  // A window made while the control had no parent is a top-level one; it is
  // made again below as a child of this control.
  if (win && win->HandleAllocated()) {
    win->showing_ = false;
    win->DestroyHandle();
  }
  Perform(CM_CONTROLLISTCHANGING, reinterpret_cast<WPARAM>(AControl), 1);
  controls_.push_back(AControl);
  AControl->parent_ = this;
  AControl->anchorBounds_ = AControl->BoundsRect();
  AControl->anchorParentSize_ = {ClientWidth(), ClientHeight()};
  if (win) tabList_.push_back(win);
  AControl->Perform(CM_PARENTCOLORCHANGED);
  AControl->Perform(CM_PARENTFONTCHANGED);
  AControl->Perform(CM_PARENTSHOWHINTCHANGED);
  if (win) {
    if (HandleAllocated()) win->HandleNeeded();
    win->UpdateClientArea();
    if (showing_) win->ShowingChanged();
  }
  if (AControl->Align() != alNone) Realign();
  AControl->Invalidate();
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
}

void TWinControl::RemoveControl(TControl* AControl) {
  auto it = std::find(controls_.begin(), controls_.end(), AControl);
  if (it == controls_.end()) return;
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
  auto* win = dynamic_cast<TWinControl*>(AControl);
  if (win) {
    if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(win, true);
    if (win->HandleAllocated()) {
      win->showing_ = false;
      win->DestroyHandle();
    }
  }
  std::erase_if(tabList_, [AControl](TWinControl* w) { return static_cast<TControl*>(w) == AControl; });
  AControl->InvalidateControl(AControl->Visible(), false);
  controls_.erase(std::find(controls_.begin(), controls_.end(), AControl));
  AControl->parent_ = nullptr;
  if (AControl->Align() != alNone) Realign();
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
}

bool TWinControl::ContainsControl(const TControl* Control) const {
  for (const TControl* c = Control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    bool isWin = dynamic_cast<TWinControl*>(c) != nullptr;
    if (isWin && !AllowWinControls) continue;
    if (!c->Visible() || (!AllowDisabled && !c->Enabled())) continue;
    if (!c->BoundsRect().Contains(Pos)) continue;
    TPoint local{Pos.X - c->Left(), Pos.Y - c->Top()};
    if (c->Perform(CM_HITTEST, 0, MakeLParam(local.X, local.Y)) != 0) return c;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
  for (size_t i = 0; i < controls_.size(); ++i) {
    controls_[i]->WndProc(Message);
    if (Message.Result != 0) return;
  }
}

// ---- the window ----

HWND TWinControl::Handle() {
  if (!handle_) CreateHandle();
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params.Caption = Caption();
  Params.Style = style_ | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (parent_ ? WS_CHILD : 0);
  Params.ExStyle = exStyle_;
  Params.X = Left();
  Params.Y = Top();
  Params.Width = Width();
  Params.Height = Height();
  Params.WndParent = parent_ && parent_->HandleAllocated() ? parent_->handle_ : parentWindow_;
  Params.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
  TCreateParams p;
  CreateParams(p);
  style_ = p.Style;
  exStyle_ = p.ExStyle;
  handle_ = wm::Register(this);
  UpdateClientArea();
  Perform(WM_CREATE);
}

void TWinControl::CreateHandle() {
  if (handle_) return;
  if (parent_) parent_->HandleNeeded();
  {
    controlState_.Include(csCreating);
    auto created = MakeScopeGuard([&] { controlState_.Exclude(csCreating); });
    CreateWnd();
  }
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->HandleNeeded();
  if (!windowRgn_.empty()) SetWindowRgn(windowRgn_);
}

void TWinControl::DestroyWnd() {
  Perform(WM_DESTROY);
  wm::Unregister(handle_);
  handle_ = nullptr;
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  controlState_.Include(csDestroyingHandle);
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
  DestroyWnd();
  controlState_.Exclude(csDestroyingHandle);
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  controlState_.Include(csRecreating);
  bool wasShowing = showing_;
  bool hadFocus = Focused();
  DestroyHandle();
  showing_ = false;
  HandleNeeded();
  if (wasShowing) ShowingChanged();
  controlState_.Exclude(csRecreating);
  if (hadFocus && CanFocus()) SetFocus();
}

bool TWinControl::Showing() const { return showing_; }

// Recomputes Showing for this control and its children, creating handles and
// top-level host windows on the way.
void TWinControl::ShowingChanged() {
  bool topLevelOk = dynamic_cast<TCustomForm*>(this) || parentWindow_ || (style_ & WS_POPUP);
  if (!parent_ && !topLevelOk && !handle_) {
    TCreateParams p;
    CreateParams(p);
    topLevelOk = (p.Style & WS_POPUP) != 0 || p.WndParent != nullptr;
  }
  bool s = Visible() && (parent_ ? parent_->showing_ : topLevelOk);
  if (s) HandleNeeded();
  if (s == showing_) {
    if (s)
      for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->ShowingChanged();
    return;
  }
  if (s) {
    showing_ = true;
    Perform(CM_SHOWINGCHANGED);
    for (TControl* c : controls_)
      if (auto* w = dynamic_cast<TWinControl*>(c)) w->ShowingChanged();
  } else {
    for (TControl* c : controls_)
      if (auto* w = dynamic_cast<TWinControl*>(c)) w->ShowingChanged();
    showing_ = false;
    Perform(CM_SHOWINGCHANGED);
  }
}

void TWinControl::CMShowingChanged(TMessage&) {
  if (!parent_ && HandleAllocated()) wm::ShowTopLevel(this, showing_);
  if (!showing_ && HandleAllocated() && parent_) {
    if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(this, false);
  }
}

void TWinControl::CMVisibleChanged(TMessage& Message) {
  TControl::CMVisibleChanged(Message);
  ShowingChanged();
}

// A new frame is the window system's business: it repaints without asking
// the control's Invalidate, and a changed client area realigns the children.
void TWinControl::styleChanged() {
  TSize before{clientInWindow_.Width(), clientInWindow_.Height()};
  UpdateClientArea();
  if (HandleAllocated()) {
    if (auto* rec = wm::Find(handle_)) rec->FrameDirty = true;
    ::InvalidateRect(handle_, nullptr, true);
  }
  if (!(before == TSize{clientInWindow_.Width(), clientInWindow_.Height()})) {
    if (handle_) Perform(WM_SIZE, SIZE_RESTORED, MakeLParam(clientInWindow_.Width(), clientInWindow_.Height()));
    Realign();
  }
}

void TWinControl::SetStyle(uint32_t v) {
  if (style_ == v) return;
  style_ = v;
  styleChanged();
}

void TWinControl::SetExStyle(uint32_t v) {
  if (exStyle_ == v) return;
  exStyle_ = v;
  if (HandleAllocated() && !(v & WS_EX_LAYERED)) SetLayeredWindowAttributes(handle_, 0, 255, 0);
  styleChanged();
}

void TWinControl::UpdateClientArea() {
  TNCCalcSizeParams p;
  p.rgrc[0] = Bounds(0, 0, Width(), Height());
  Perform(WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&p));
  TRect& r = p.rgrc[0];
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  clientInWindow_ = r;
}

TRect TWinControl::ClientRect() const { return Bounds(0, 0, clientInWindow_.Width(), clientInWindow_.Height()); }

TPoint TWinControl::ClientOrigin() const {
  TPoint o = wm::WindowScreenOrigin(this);
  return {o.X + clientInWindow_.Left, o.Y + clientInWindow_.Top};
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TWindowPos wp{handle_, nullptr, ALeft, ATop, AWidth, AHeight, 0};
  if (handle_) {
    // Sent, not performed: the thread's hooks see a window about to move, as on the original platform.
    SendMessage(handle_, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
    ALeft = wp.x;
    ATop = wp.y;
    AWidth = wp.cx;
    AHeight = wp.cy;
  }
  TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TWinControl::BoundsChanged() {
  TSize before{clientInWindow_.Width(), clientInWindow_.Height()};
  UpdateClientArea();
  if (!parent_ && handle_) wm::SyncHostBounds(this);
  if (handle_) {
    if (auto* rec = wm::Find(handle_)) rec->FrameDirty = true;
    Perform(WM_MOVE, 0, MakeLParam(Left(), Top()));
  }
  TSize after{clientInWindow_.Width(), clientInWindow_.Height()};
  if (!(before == after)) {
    if (handle_) Perform(WM_SIZE, SIZE_RESTORED, MakeLParam(after.cx, after.cy));
    Realign();
  }
}

void TWinControl::SetWindowRgn(const std::vector<TRect>& Rects) {
  windowRgn_ = Rects;
  Invalidate();
}

// ---- look ----

void TWinControl::SetBorderWidth(int v) {
  if (borderWidth_ == v) return;
  borderWidth_ = v;
  Perform(CM_BORDERCHANGED);
}

void TWinControl::SetCtl3D(bool v) {
  if (ctl3D_ == v) return;
  ctl3D_ = v;
  parentCtl3D_ = false;
  Perform(CM_CTL3DCHANGED);
}

void TWinControl::SetBevelKind(TBevelKind v) {
  if (bevelKind_ == v) return;
  bevelKind_ = v;
  Perform(CM_BORDERCHANGED);
}

void TWinControl::SetBevelInner(TBevelCut v) {
  if (bevelInner_ == v) return;
  bevelInner_ = v;
  Perform(CM_BORDERCHANGED);
}

void TWinControl::SetBevelOuter(TBevelCut v) {
  if (bevelOuter_ == v) return;
  bevelOuter_ = v;
  Perform(CM_BORDERCHANGED);
}

void TWinControl::SetBevelEdges(TBevelEdges v) {
  if (bevelEdges_ == v) return;
  bevelEdges_ = v;
  Perform(CM_BORDERCHANGED);
}

void TWinControl::SetBevelWidth(int v) {
  if (bevelWidth_ == v) return;
  bevelWidth_ = v;
  Perform(CM_BORDERCHANGED);
}

void TWinControl::CMBorderChanged(TMessage&) {
  TSize before{clientInWindow_.Width(), clientInWindow_.Height()};
  UpdateClientArea();
  if (handle_)
    if (auto* rec = wm::Find(handle_)) rec->FrameDirty = true;
  Invalidate();
  if (!(before == TSize{clientInWindow_.Width(), clientInWindow_.Height()})) Realign();
}

void TWinControl::CMCtl3DChanged(TMessage& Message) {
  CMBorderChanged(Message);
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c); w && w->parentCtl3D_) {
      w->ctl3D_ = ctl3D_;
      w->Perform(CM_CTL3DCHANGED);
      w->parentCtl3D_ = true;
    }
}

// ---- painting ----

void TWinControl::Invalidate() {
  if (!handle_) return;
  if (auto* rec = wm::Find(handle_)) rec->FrameDirty = true;
  ::InvalidateRect(handle_, nullptr, !controlStyle_.Contains(csOpaque));
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

// ---- tab order and focus ----

int TWinControl::TabOrder() const {
  if (!parent_) return -1;
  auto& list = parent_->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int v) {
  if (!parent_) return;
  auto& list = parent_->tabList_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  int pos = std::clamp(v, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + pos, this);
}

void TWinControl::SetTabStop(bool v) {
  if (tabStop_ == v) return;
  tabStop_ = v;
  Perform(CM_TABSTOPCHANGED);
}

bool TWinControl::CanFocus() const {
  TCustomForm* form = GetParentForm(this);
  if (!form) return false;
  for (const TControl* c = this; c != form; c = c->Parent()) {
    if (!c || !c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this)) {
    form->FocusControl(this);
  } else if (parentWindow_) {
    ::SetFocus(Handle());
  } else {
    ValidParentForm(this);
  }
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
  for (TWinControl* c : tabList_) {
    List.push_back(c);
    c->GetTabOrderList(List);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  int n = static_cast<int>(list.size());
  auto found = std::find(list.begin(), list.end(), CurControl);
  int start = found == list.end() ? (GoForward ? n - 1 : 0) : static_cast<int>(found - list.begin());
  int i = start;
  do {
    i = GoForward ? (i + 1) % n : (i + n - 1) % n;
    TWinControl* c = list[i];
    if (c->CanFocus() && (!CheckTabStop || c->TabStop()) && (!CheckParent || c->Parent() == this)) return c;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop);
  if (next) next->SetFocus();
}

void TWinControl::SelectFirst() {
  TCustomForm* form = GetParentForm(this);
  if (!form) return;
  TWinControl* c = FindNextControl(nullptr, true, true, false);
  if (!c) c = FindNextControl(nullptr, true, false, false);
  if (c) c->SetFocus();
}

void TWinControl::SelectFirstChild() { SelectFirst(); }

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::CMEnter(TMessage&) { DoEnter(); }
void TWinControl::CMExit(TMessage&) { DoExit(); }

// ---- look notifications reach the children ----

void TWinControl::CMColorChanged(TMessage& Message) {
  TControl::CMColorChanged(Message);
  TMessage m{CM_PARENTCOLORCHANGED, 0, 0, 0};
  for (TControl* c : std::vector<TControl*>(controls_)) c->WndProc(m);
}

void TWinControl::CMFontChanged(TMessage& Message) {
  TControl::CMFontChanged(Message);
  TMessage m{CM_PARENTFONTCHANGED, 0, 0, 0};
  for (TControl* c : std::vector<TControl*>(controls_)) c->WndProc(m);
}

void TWinControl::CMSysColorChange(TMessage& Message) {
  TControl::CMSysColorChange(Message);
  for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(CM_SYSCOLORCHANGE);
  Invalidate();
}

void TWinControl::CMEnabledChanged(TMessage& Message) {
  if (!Enabled() && parent_) {
    if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(this, false);
  }
  TControl::CMEnabledChanged(Message);
  Invalidate();
}

void TWinControl::CMFocusChanged(TCMFocusChanged& Message) {
  TMessage m = *Message.Source;
  for (TControl* c : std::vector<TControl*>(controls_)) {
    m.Result = 0;
    c->WndProc(m);
  }
}

// ---- the handle table's lookups ----

TWinControl* FindControl(HWND Handle) { return wm::ControlOf(Handle); }

TControl* FindDragTarget(TPoint Pos, bool AllowDisabled) {
  TWinControl* w = FindControl(WindowFromPoint(Pos));
  if (!w) return nullptr;
  TControl* c = w->ControlAtPos(w->ScreenToClient(Pos), AllowDisabled);
  return c ? c : w;
}

TCustomForm* GetParentForm(const TControl* Control, bool TopForm) {
  const TControl* c = Control;
  TCustomForm* found = nullptr;
  while (c) {
    if (auto* f = dynamic_cast<const TCustomForm*>(c)) {
      found = const_cast<TCustomForm*>(f);
      if (!TopForm) return found;
    }
    c = c->Parent();
  }
  return found;
}

TCustomForm* ValidParentForm(const TControl* Control) {
  TCustomForm* f = GetParentForm(Control);
  if (!f) throw EInvalidOperation("Control '" + Control->Name() + "' has no parent window");
  return f;
}
