#include <algorithm>

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/ResizeSubscriptions.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/WindowManager.h"
#include "toolkit/graphics/GraphicsObjects.h"
#include "toolkit/rtl/Exceptions.h"

std::function<bool(TPopupMenu*, TControl*, int, int)> PopupMenuHook;

TShiftState KeysToShiftState(WPARAM Keys) {
  TShiftState s;
  if (Keys & MK_SHIFT) s.Include(ssShift);
  if (Keys & MK_CONTROL) s.Include(ssCtrl);
  if (Keys & MK_LBUTTON) s.Include(ssLeft);
  if (Keys & MK_RBUTTON) s.Include(ssRight);
  if (Keys & MK_MBUTTON) s.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  return s;
}

TShiftState KeyDataToShiftState(int32_t KeyData) {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
  if (KeyData & (1 << 29)) s.Include(ssAlt);
  return s;
}

TShiftState GetShiftState() {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  if (GetKeyState(VK_LBUTTON) < 0) s.Include(ssLeft);
  if (GetKeyState(VK_RBUTTON) < 0) s.Include(ssRight);
  if (GetKeyState(VK_MBUTTON) < 0) s.Include(ssMiddle);
  return s;
}

void TSizeConstraints::Apply(int& w, int& h) const {
  if (maxW_ > 0 && w > maxW_) w = maxW_;
  if (maxH_ > 0 && h > maxH_) h = maxH_;
  if (minW_ > 0 && w < minW_) w = minW_;
  if (minH_ > 0 && h < minH_) h = minH_;
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), font_(std::make_unique<TFont>()) {
  font_->OnChange = [this](TObject*) { fontChanged(); };
  constraints_.OnChange = [this](TObject*) { SetBounds(left_, top_, width_, height_); };
}

TControl::~TControl() {
  ForgetResizeSubscribers(this);
  wm::ControlDestroying(this);
  if (Application) Application->ControlDestroyed(this);
  if (parent_) parent_->RemoveControl(this);
}

// ---- placement ----

void TControl::SetParent(TWinControl* AParent) {
  if (parent_ == AParent) return;
  if (AParent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (AParent) AParent->InsertControl(this);
}

bool TControl::CanResize(int&, int&) { return true; }

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  constraints_.Apply(AWidth, AHeight);
  if (AWidth < 0) AWidth = 0;
  if (AHeight < 0) AHeight = 0;
  if ((AWidth != width_ || AHeight != height_) && !CanResize(AWidth, AHeight)) {
    AWidth = width_;
    AHeight = height_;
  }
  if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_) return;
  bool resized = AWidth != width_ || AHeight != height_;
  InvalidateControl(visible_, controlStyle_.Contains(csOpaque));
  left_ = ALeft;
  top_ = ATop;
  width_ = AWidth;
  height_ = AHeight;
  if (parent_ && !parent_->ControlState().Contains(csAligning)) {
    anchorBounds_ = BoundsRect();
    anchorParentSize_ = {parent_->ClientWidth(), parent_->ClientHeight()};
  }
  BoundsChanged();
  Invalidate();
  TWindowPos wp{nullptr, nullptr, left_, top_, width_, height_, 0};
  Perform(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
  RequestAlign();
  if (resized && !ComponentState().Contains(csLoading)) Resize();
}

TRect TControl::ClientRect() const { return Bounds(0, 0, width_, height_); }

void TControl::SetClientWidth(int v) { SetClientSize(v, ClientHeight()); }
void TControl::SetClientHeight(int v) { SetClientSize(ClientWidth(), v); }
void TControl::SetClientSize(int w, int h) {
  TRect r = ClientRect();
  SetBounds(left_, top_, width_ - r.Width() + w, height_ - r.Height() + h);
}

TPoint TControl::ClientOrigin() const {
  if (!parent_) return {left_, top_};
  TPoint p = parent_->ClientOrigin();
  return {p.X + left_, p.Y + top_};
}

TPoint TControl::ClientToScreen(TPoint p) const {
  TPoint o = ClientOrigin();
  return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
  TPoint o = ClientOrigin();
  return {p.X - o.X, p.Y - o.Y};
}

TPoint TControl::ClientToParent(TPoint p, TWinControl* AParent) const {
  if (!AParent) AParent = parent_;
  if (!AParent) throw EInvalidOperation("Control has no parent window");
  return AParent->ScreenToClient(ClientToScreen(p));
}

TPoint TControl::ParentToClient(TPoint p, TWinControl* AParent) const {
  if (!AParent) AParent = parent_;
  if (!AParent) throw EInvalidOperation("Control has no parent window");
  return ScreenToClient(AParent->ClientToScreen(p));
}

void TControl::SetAlign(TAlign v) {
  if (align_ == v) return;
  TAlign old = align_;
  align_ = v;
  anchors_ = v == alNone || v == alCustom ? anchors_ : TAnchors{akLeft, akTop};
  if (old != alNone || v != alNone) RequestAlign();
}

void TControl::SetAnchors(TAnchors v) {
  anchors_ = v;
  if (parent_) {
    anchorBounds_ = BoundsRect();
    anchorParentSize_ = {parent_->ClientWidth(), parent_->ClientHeight()};
  }
}

void TControl::RequestAlign() {
  if (parent_ && (align_ != alNone || parent_->ControlState().Contains(csAligning) == false)) {
    if (align_ != alNone) parent_->Realign();
  }
}

// ---- state and look ----

void TControl::SetVisible(bool v) {
  if (visible_ == v) {
    // A parentless window is visible from birth without being shown; showing it now counts.
    if (v && !parent_)
      if (auto* w = dynamic_cast<TWinControl*>(this)) w->ShowingChanged();
    return;
  }
  VisibleChanging();
  visible_ = v;
  Perform(CM_VISIBLECHANGED, v ? 1 : 0);
  if (align_ != alNone) RequestAlign();
}

void TControl::Show() {
  if (parent_) parent_->Show();
  SetVisible(true);
}

void TControl::Hide() { SetVisible(false); }

void TControl::SetEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  Perform(CM_ENABLEDCHANGED);
}

bool TControl::IsControlVisible() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void TControl::SetFont(const TFont* v) { font_->Assign(v); }

void TControl::fontChanged() {
  if (updatingFont_) return;
  parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool v) {
  if (parentFont_ == v) return;
  parentFont_ = v;
  if (v && parent_) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetColor(TColor v) {
  if (color_ == v) {
    parentColor_ = false;
    return;
  }
  color_ = v;
  parentColor_ = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool v) {
  if (parentColor_ == v) return;
  parentColor_ = v;
  if (v && parent_) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetText(const std::string& v) {
  if (GetText() == v) return;
  RealSetText(v);
  Perform(CM_TEXTCHANGED);
}

void TControl::SetShowHint(bool v) {
  parentShowHint_ = false;
  if (showHint_ == v) return;
  showHint_ = v;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool v) {
  if (parentShowHint_ == v) return;
  parentShowHint_ = v;
  if (v && parent_) Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetCursor(TCursor v) {
  if (cursor_ == v) return;
  cursor_ = v;
  Perform(CM_CURSORCHANGED);
}

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool v) {
  if (MouseCapture() == v) return;
  if (v)
    SetCaptureControl(this);
  else
    SetCaptureControl(nullptr);
}

void TControl::Loaded() {
  TComponent::Loaded();
  RequestAlign();
}

void TControl::ChangeScale(int M, int D) {
  if (M == D || D == 0) return;
  SetBounds(left_ * M / D, top_ * M / D, width_ * M / D, height_ * M / D);
  if (!parentFont_) font_->SetHeight(font_->Height() * M / D);
}

// ---- painting ----

void TControl::InvalidateControl(bool IsVisible, bool IsOpaque) {
  if (!IsVisible || !parent_ || !parent_->HandleAllocated()) return;
  TRect r = BoundsRect();
  ::InvalidateRect(parent_->Handle(), &r, !IsOpaque);
}

void TControl::InvalidateRect(const TRect& r) {
  // A windowed control's client area starts inside its border, so its own window
  // takes the rectangle; offsetting by the bounds alone would miss the border width.
  if (auto* self = dynamic_cast<TWinControl*>(this); self && self->HandleAllocated()) {
    if (visible_) ::InvalidateRect(self->Handle(), &r, !controlStyle_.Contains(csOpaque));
    return;
  }
  if (!visible_ || !parent_ || !parent_->HandleAllocated()) return;
  TRect pr = r;
  OffsetRect(pr, left_, top_);
  TRect clipped;
  if (IntersectRect(clipped, pr, BoundsRect())) ::InvalidateRect(parent_->Handle(), &clipped, !controlStyle_.Contains(csOpaque));
}

void TControl::Invalidate() { InvalidateControl(visible_, controlStyle_.Contains(csOpaque)); }

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::Repaint() {
  if (!visible_ || !parent_) return;
  Invalidate();
  Update();
}

void TControl::BringToFront() {
  if (!parent_) {
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated()) {
      SetWindowPos(w->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    }
    return;
  }
  auto& list = parent_->controls_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  list.push_back(this);
  Invalidate();
}

void TControl::SendToBack() {
  if (!parent_) return;
  auto& list = parent_->controls_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  list.insert(list.begin(), this);
  parent_->Invalidate();
}

// ---- messages ----

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage m{Msg, WParam, LParam, 0};
  if (windowProc_) windowProc_(m);
  else WndProc(m);
  return m.Result;
}

TControl::TWndMethod TControl::WindowProc() {
  if (windowProc_) return windowProc_;
  return [this](TMessage& Message) { WndProc(Message); };
}

void TControl::WndProc(TMessage& Message) {
  if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST) {
    if (!controlStyle_.Contains(csDoubleClicks)) {
      switch (Message.Msg) {
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK: Message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN; break;
        default: break;
      }
    }
    switch (Message.Msg) {
      case WM_MOUSEMOVE:
        if (Application) Application->HintMouseMessage(this, Message);
        break;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK: controlState_.Include(csLButtonDown); break;
      case WM_LBUTTONUP: controlState_.Exclude(csLButtonDown); break;
      default: break;
    }
    if (Application && Message.Msg != WM_MOUSEMOVE && Message.Msg != WM_MOUSEWHEEL) Application->CancelHint();
  }
  Dispatch(Message);
}

void TControl::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETTEXTLENGTH: Message.Result = static_cast<LRESULT>(GetText().size()); break;
    case WM_SETTEXT:
      if (Message.LParam) SetText(reinterpret_cast<const char*>(Message.LParam));
      Message.Result = 1;
      break;
    default: break;
  }
}

void TControl::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN: HandleAs<TWMMouse>(m, [this](TWMMouse& v) { WMLButtonDown(v); }); break;
    case WM_LBUTTONUP: HandleAs<TWMMouse>(m, [this](TWMMouse& v) { WMLButtonUp(v); }); break;
    case WM_LBUTTONDBLCLK: HandleAs<TWMMouse>(m, [this](TWMMouse& v) { WMLButtonDblClk(v); }); break;
    case WM_RBUTTONDOWN: HandleAs<TWMMouse>(m, [this](TWMMouse& v) { WMRButtonDown(v); }); break;
    case WM_RBUTTONUP: HandleAs<TWMMouse>(m, [this](TWMMouse& v) { WMRButtonUp(v); }); break;
    case WM_RBUTTONDBLCLK: HandleAs<TWMMouse>(m, [this](TWMMouse& v) { WMRButtonDblClk(v); }); break;
    case WM_MBUTTONDOWN: HandleAs<TWMMouse>(m, [this](TWMMouse& v) { WMMButtonDown(v); }); break;
    case WM_MBUTTONUP: HandleAs<TWMMouse>(m, [this](TWMMouse& v) { WMMButtonUp(v); }); break;
    case WM_MBUTTONDBLCLK: HandleAs<TWMMouse>(m, [this](TWMMouse& v) { WMMButtonDblClk(v); }); break;
    case WM_MOUSEMOVE: HandleAs<TWMMouse>(m, [this](TWMMouse& v) { WMMouseMove(v); }); break;
    case WM_MOUSEWHEEL: HandleAs<TWMMouseWheel>(m, [this](TWMMouseWheel& v) { WMMouseWheel(v); }); break;
    case WM_CANCELMODE: WMCancelMode(m); break;
    case WM_CONTEXTMENU: HandleAs<TWMContextMenu>(m, [this](TWMContextMenu& v) { WMContextMenu(v); }); break;
    case WM_WINDOWPOSCHANGED: HandleAs<TWMWindowPosMsg>(m, [this](TWMWindowPosMsg& v) { WMWindowPosChanged(v); }); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(m); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(m); break;
    case CM_FONTCHANGED: CMFontChanged(m); break;
    case CM_COLORCHANGED: CMColorChanged(m); break;
    case CM_TEXTCHANGED: CMTextChanged(m); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(m); break;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(m); break;
    case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(m); break;
    case CM_SHOWHINTCHANGED: CMShowHintChanged(m); break;
    case CM_CURSORCHANGED: CMCursorChanged(m); break;
    case CM_MOUSEENTER: HandleAs<TCMControlMsg>(m, [this](TCMControlMsg& v) { CMMouseEnter(v); }); break;
    case CM_MOUSELEAVE: HandleAs<TCMControlMsg>(m, [this](TCMControlMsg& v) { CMMouseLeave(v); }); break;
    case CM_HITTEST: HandleAs<TCMHitTest>(m, [this](TCMHitTest& v) { CMHitTest(v); }); break;
    case CM_HINTSHOW: HandleAs<TCMHintShow>(m, [this](TCMHintShow& v) { CMHintShow(v); }); break;
    case CM_MOUSEWHEEL: HandleAs<TCMMouseWheel>(m, [this](TCMMouseWheel& v) { CMMouseWheel(v); }); break;
    case CM_SYSCOLORCHANGE: CMSysColorChange(m); break;
    default: DefaultHandler(m); break;
  }
}

// ---- mouse ----

void TControl::DoMouseDown(TWMMouse& Message, TMouseButton Button, TShiftState Shift) {
  if (controlStyle_.Contains(csNoStdEvents)) return;
  MouseDown(Button, KeysToShiftState(Message.Keys) + Shift, Message.XPos, Message.YPos);
}

void TControl::DoMouseUp(TWMMouse& Message, TMouseButton Button) {
  if (controlStyle_.Contains(csNoStdEvents)) return;
  MouseUp(Button, KeysToShiftState(Message.Keys), Message.XPos, Message.YPos);
}

void TControl::WMLButtonDown(TWMMouse& Message) {
  if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (controlStyle_.Contains(csClickEvents)) controlState_.Include(csClicked);
  DoMouseDown(Message, mbLeft, {});
}

void TControl::WMLButtonDblClk(TWMMouse& Message) {
  if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (controlStyle_.Contains(csClickEvents)) DblClick();
  DoMouseDown(Message, mbLeft, {ssDouble});
}

void TControl::WMLButtonUp(TWMMouse& Message) {
  if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(false);
  if (controlState_.Contains(csClicked)) {
    controlState_.Exclude(csClicked);
    if (ClientRect().Contains(Message.Pos())) Click();
  }
  DoMouseUp(Message, mbLeft);
}

void TControl::WMRButtonDown(TWMMouse& Message) { DoMouseDown(Message, mbRight, {}); }
void TControl::WMRButtonUp(TWMMouse& Message) { DoMouseUp(Message, mbRight); }
void TControl::WMRButtonDblClk(TWMMouse& Message) { DoMouseDown(Message, mbRight, {ssDouble}); }
void TControl::WMMButtonDown(TWMMouse& Message) { DoMouseDown(Message, mbMiddle, {}); }
void TControl::WMMButtonUp(TWMMouse& Message) { DoMouseUp(Message, mbMiddle); }
void TControl::WMMButtonDblClk(TWMMouse& Message) { DoMouseDown(Message, mbMiddle, {ssDouble}); }

void TControl::WMMouseMove(TWMMouse& Message) {
  if (controlStyle_.Contains(csNoStdEvents)) return;
  MouseMove(KeysToShiftState(Message.Keys), Message.XPos, Message.YPos);
}

void TControl::WMMouseWheel(TWMMouseWheel& Message) {
  TShiftState shift = KeysToShiftState(Message.Keys);
  Message.Result = 0;
  if (DoMouseWheel(shift, Message.WheelDelta, Message.Pos()))
    Message.Result = 1;
  else if (parent_)
    Message.Result = parent_->Perform(CM_MOUSEWHEEL, Message.Source->WParam, Message.Source->LParam);
}

void TControl::CMMouseWheel(TCMMouseWheel& Message) { WMMouseWheel(Message); }

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool result = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, result);
  if (result) return true;
  wheelAccumulator_ += WheelDelta;
  while (std::abs(wheelAccumulator_) >= WHEEL_DELTA) {
    bool negative = wheelAccumulator_ < 0;
    wheelAccumulator_ = std::abs(wheelAccumulator_) - WHEEL_DELTA;
    if (negative) {
      wheelAccumulator_ = -wheelAccumulator_;
      result = DoMouseWheelDown(Shift, MousePos);
    } else {
      result = DoMouseWheelUp(Shift, MousePos);
    }
  }
  return result;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool result = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, result);
  return result;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool result = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, result);
  return result;
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
  NotifyResizeSubscribers(this);
}

void TControl::WMCancelMode(TMessage&) {
  if (MouseCapture()) {
    SetMouseCapture(false);
    if (controlState_.Contains(csLButtonDown)) {
      controlState_.Exclude(csLButtonDown);
      controlState_.Exclude(csClicked);
    }
  }
}

void TControl::DoContextPopup(TPoint MousePos, bool& Handled) {
  if (OnContextPopup) OnContextPopup(this, MousePos, Handled);
}

void TControl::WMContextMenu(TWMContextMenu& Message) {
  if (Message.Result != 0) return;
  TPoint screen = Message.Pos();
  TPoint local = screen.X == -1 && screen.Y == -1 ? TPoint{-1, -1} : ScreenToClient(screen);
  bool handled = false;
  DoContextPopup(local, handled);
  Message.Result = 1;
  if (handled) return;
  if (popupMenu_ && PopupMenuHook) {
    if (screen.X == -1 && screen.Y == -1) screen = ClientToScreen({0, 0});
    if (PopupMenuHook(popupMenu_, this, screen.X, screen.Y)) return;
  }
  Message.Result = 0;
  CallDefault(Message);
}

void TControl::WMWindowPosChanged(TWMWindowPosMsg&) {}

// ---- component messages ----

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMVisibleChanged(TMessage&) { InvalidateControl(true, controlStyle_.Contains(csOpaque) && visible_); }
void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) { Invalidate(); }
void TControl::CMTextChanged(TMessage&) {}
void TControl::CMSysColorChange(TMessage&) {}

void TControl::CMParentFontChanged(TMessage& Message) {
  if (!parentFont_) return;
  const TFont* from = Message.WParam ? reinterpret_cast<const TFont*>(Message.LParam)
                                     : (parent_ ? parent_->Font() : nullptr);
  if (!from) return;
  updatingFont_ = true;
  font_->Assign(from);
  updatingFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::CMParentColorChanged(TMessage& Message) {
  if (!parentColor_) return;
  TColor c = Message.WParam ? static_cast<TColor>(Message.LParam) : (parent_ ? parent_->Color() : color_);
  if (c != color_) {
    color_ = c;
    Perform(CM_COLORCHANGED);
  }
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (parentShowHint_ && parent_) {
    showHint_ = parent_->ShowHint();
    Perform(CM_SHOWHINTCHANGED);
  }
}

void TControl::CMShowHintChanged(TMessage&) {}

void TControl::CMCursorChanged(TMessage&) {
  // Show the new cursor at once when the mouse is over this control.
  if (wm::MouseControl() != this) return;
  TWinControl* w = dynamic_cast<TWinControl*>(this);
  if (!w) w = parent_;
  if (w && w->HandleAllocated())
    SendMessage(w->Handle(), WM_SETCURSOR, FromHWND(w->Handle()), MakeLParam(static_cast<int>(HTCLIENT), WM_MOUSEMOVE));
}

void TControl::CMMouseEnter(TCMControlMsg& Message) {
  if (Message.Control == nullptr) {
    if (OnMouseEnter) OnMouseEnter(this);
    if (parent_) parent_->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(this));
  } else if (parent_) {
    parent_->Perform(CM_MOUSEENTER, 0, Message.Source->LParam);
  }
}

void TControl::CMMouseLeave(TCMControlMsg& Message) {
  if (Message.Control == nullptr) {
    if (OnMouseLeave) OnMouseLeave(this);
    if (parent_) parent_->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
  } else if (parent_) {
    parent_->Perform(CM_MOUSELEAVE, 0, Message.Source->LParam);
  }
}

void TControl::CMHitTest(TCMHitTest& Message) { Message.Result = HTCLIENT; }
void TControl::CMHintShow(TCMHintShow&) {}
