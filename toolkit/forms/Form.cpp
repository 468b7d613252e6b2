// TCustomForm: frame styles, showing and placement, activation and the
// focused control (CM_EXIT/CM_ENTER), dialog keys, the close protocol and
// the modal loop.

#include <algorithm>

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/WindowManager.h"
#include "toolkit/forms/WindowState.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/ScopeGuard.h"

namespace {
int g_focusCount = 0;  // changes whenever the focused control of some form changes

// Sends a focus message; false when the handler moved the focus elsewhere.
bool sendFocusMessage(TWinControl* c, UINT msg) {
  int before = g_focusCount;
  c->Perform(msg);
  return g_focusCount == before;
}
}  // namespace

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner), canvas_(std::make_unique<TCanvas>()) {
  TControl::SetVisible(false);
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetColor(clBtnFace);
  applyFrameStyle();
  SetBounds(0, 0, 320, 240);
  if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  if (created_ && OnDestroy) {
    try {
      OnDestroy(this);
    } catch (...) {
      // A destructor never throws; the error has nowhere to go.
    }
  }
  if (Screen) Screen->RemoveForm(this);
  if (Application && Application->MainForm() == this) Application->SetMainForm(nullptr);
}

void TCustomForm::AfterConstruction() {
  if (created_) return;
  created_ = true;
  DoCreate();
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

// ---- frame ----

void TCustomForm::applyFrameStyle() {
  uint32_t keep = style_ & (WS_HSCROLL | WS_VSCROLL);
  uint32_t style = 0, ex = 0;
  if (popup_) {
    style = WS_POPUP | (borderStyle_ == bsNone ? 0 : WS_BORDER);
    ex = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  } else {
    switch (borderStyle_) {
      case bsNone: style = WS_POPUP; break;
      case bsSingle: style = WS_CAPTION; break;
      case bsSizeable: style = WS_CAPTION | WS_THICKFRAME; break;
      case bsDialog: style = WS_CAPTION; ex = WS_EX_DLGMODALFRAME; break;
      case bsToolWindow: style = WS_CAPTION; ex = WS_EX_TOOLWINDOW; break;
      case bsSizeToolWin: style = WS_CAPTION | WS_THICKFRAME; ex = WS_EX_TOOLWINDOW; break;
    }
    if (borderStyle_ != bsNone && borderIcons_.Contains(biSystemMenu)) style |= WS_SYSMENU;
    if (borderStyle_ == bsSingle || borderStyle_ == bsSizeable) {
      if (borderIcons_.Contains(biMinimize)) style |= WS_MINIMIZEBOX;
      if (borderIcons_.Contains(biMaximize)) style |= WS_MAXIMIZEBOX;
    }
    if (formStyle_ == fsStayOnTop) ex |= WS_EX_TOPMOST;
  }
  if (alphaBlend_) ex |= WS_EX_LAYERED;
  SetStyle(style | keep);
  SetExStyle(ex);
  Realign();
}

void TCustomForm::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style &= ~WS_CHILD;
  if (popupParent_ && popupParent_->HandleAllocated()) Params.WndParent = popupParent_->Handle();
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  if (alphaBlend_) SetLayeredWindowAttributes(Handle(), 0, alphaBlendValue_, LWA_ALPHA);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle v) {
  if (borderStyle_ == v) return;
  borderStyle_ = v;
  applyFrameStyle();
}

void TCustomForm::SetBorderIcons(TBorderIcons v) {
  if (borderIcons_ == v) return;
  borderIcons_ = v;
  applyFrameStyle();
}

void TCustomForm::SetFormStyle(TFormStyle v) {
  if (formStyle_ == v) return;
  formStyle_ = v;
  applyFrameStyle();
}

void TCustomForm::SetWindowState(TWindowState v) {
  if (windowState_ == v) return;
  windowState_ = v;
  if (v == wsMaximized) {
    TRect wa = Screen ? Screen->WorkAreaRect() : Bounds(0, 0, Width(), Height());
    SetBounds(wa.Left, wa.Top, wa.Width(), wa.Height());
  }
}

void TCustomForm::SetAlphaBlend(bool v) {
  if (alphaBlend_ == v) return;
  alphaBlend_ = v;
  applyFrameStyle();
  if (HandleAllocated()) SetLayeredWindowAttributes(Handle(), 0, v ? alphaBlendValue_ : 255, LWA_ALPHA);
}

void TCustomForm::SetAlphaBlendValue(uint8_t v) {
  alphaBlendValue_ = v;
  if (alphaBlend_ && HandleAllocated()) SetLayeredWindowAttributes(Handle(), 0, v, LWA_ALPHA);
}

void TCustomForm::SetPopup(bool v, TCustomForm* OwnerForm) {
  popup_ = v;
  popupParent_ = v ? OwnerForm : nullptr;
  if (popupParent_) {
    popupParent_->FreeNotification(this);
    SetParentWindow(popupParent_->Handle());
  }
  applyFrameStyle();
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == popupParent_) {
    popupParent_ = nullptr;
    SetParentWindow(nullptr);
  }
  if (AComponent == activeControl_) activeControl_ = nullptr;
  if (AComponent == focusedControl_) focusedControl_ = nullptr;
}

// ---- showing ----

void TCustomForm::placeOnShow() {
  if (placed_) return;
  placed_ = true;
  TRect area = Screen ? Screen->DesktopRect() : Bounds(0, 0, 1280, 1024);
  TCustomForm* over = nullptr;
  if (position_ == poMainFormCenter && Application) over = Application->MainForm();
  if (position_ == poOwnerFormCenter) over = dynamic_cast<TCustomForm*>(Owner());
  if (over == this) over = nullptr;
  switch (position_) {
    case poScreenCenter:
    case poDesktopCenter:
      SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(), Height());
      break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
      TRect r = over ? over->BoundsRect() : area;
      SetBounds(r.Left + (r.Width() - Width()) / 2, r.Top + (r.Height() - Height()) / 2, Width(), Height());
      break;
    }
    default: break;
  }
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::ShowingChanged() { TWinControl::ShowingChanged(); }

void TCustomForm::CMShowingChanged(TMessage& Message) {
  if (Showing()) {
    AfterConstruction();
    placeOnShow();
    DoShow();
    TWinControl::CMShowingChanged(Message);
    if (!popup_ && Showing()) SetActiveWindow(Handle());
  } else {
    DoHide();
    bool wasActive = HandleAllocated() && GetActiveWindow() == Handle();
    TWinControl::CMShowingChanged(Message);
    if (wasActive) {
      // The next visible form (the one that opened this one, usually) takes over.
      TCustomForm* next = nullptr;
      if (Screen)
        for (TCustomForm* f : Screen->ZOrder())
          if (f != this && f->Showing() && !f->IsPopup() && f->Enabled()) next = f;
      SetActiveWindow(next ? next->Handle() : nullptr);
      if (!next) ::SetFocus(nullptr);
    }
  }
}

void TCustomForm::BoundsChanged() {
  TWinControl::BoundsChanged();
}

// ---- activation and focus ----

void TCustomForm::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_CLOSE: WMClose(m); return;
    case WM_ACTIVATE: HandleAs<TWMActivate>(m, [this](TWMActivate& v) { WMActivate(v); }); return;
    case CM_ACTIVATE:
      if (Screen) Screen->SetActiveForm(this);
      if (OnActivate) OnActivate(this);
      return;
    case CM_DEACTIVATE:
      if (OnDeactivate) OnDeactivate(this);
      return;
    case CM_TEXTCHANGED:
      wm::SyncHostTitle(this);
      return;
    case CM_RELEASE:
      delete this;
      return;
    case WM_NCHITTEST:
      if (wm::HostFramed(this)) {
        m.Result = HTCLIENT;
        return;
      }
      break;
    default: break;
  }
  TWinControl::Dispatch(m);
}

void TCustomForm::WMActivate(TWMActivate& Message) { Activate(Message.Active != WA_INACTIVE); }

void TCustomForm::Activate(bool Value) {
  active_ = Value;
  if (!Value) return;
  if (Screen) Screen->MoveToFront(this);
  if (!activeControl_) activeControl_ = FindNextControl(nullptr, true, true, false);
  // When SetFocus activated this form on its way to a control, that control gets the focus.
  HWND pending = wm::G().ActivatingFor;
  if (pending && ContainsControl(FindControl(pending))) return;
  HWND target = activeControl_ && activeControl_->CanFocus() ? activeControl_->Handle() : Handle();
  ::SetFocus(target);
}

void TCustomForm::SetActiveControl(TWinControl* Control) {
  if (activeControl_ == Control) return;
  if (Control && (Control == this || GetParentForm(Control) != this || !Control->CanFocus()))
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  activeControl_ = Control;
  if (active_) ::SetFocus(Control ? Control->Handle() : Handle());
}

void TCustomForm::FocusControl(TWinControl* Control) {
  bool wasActive = active_;
  SetActiveControl(Control);
  if (!wasActive) SetFocus();
}

void TCustomForm::SetFocus() {
  if (!Showing() || !Enabled()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  if (!popup_) SetActiveWindow(Handle());
  ::SetFocus(activeControl_ && activeControl_->CanFocus() ? activeControl_->Handle() : Handle());
}

bool TCustomForm::CanFocus() const { return Showing() && Enabled(); }

bool TCustomForm::SetFocusedControl(TWinControl* Control) {
  ++g_focusCount;
  activeControl_ = Control != this ? Control : nullptr;
  if (Screen) {
    Screen->SetActiveControl(Control);
    Screen->SetActiveForm(this);
  }
  if (Control->ControlState().Contains(csFocusing)) return true;
  TControlState st = Control->ControlState();
  Control->SetControlState(st + TControlState{csFocusing});
  bool ok = true;
  auto done = MakeScopeGuard([&] { Control->SetControlState(Control->ControlState() - TControlState{csFocusing}); });
  if (Screen && Screen->FocusedForm() != this) {
    TCustomForm* old = Screen->FocusedForm();
    Screen->SetFocusedForm(nullptr);
    if (old && !sendFocusMessage(old, CM_DEACTIVATE)) ok = false;
    if (ok) {
      Screen->SetFocusedForm(this);
      if (!sendFocusMessage(this, CM_ACTIVATE)) ok = false;
    }
  }
  if (ok && !focusedControl_) focusedControl_ = this;
  if (ok && focusedControl_ != Control) {
    while (ok && focusedControl_ && !focusedControl_->ContainsControl(Control)) {
      TWinControl* leaving = focusedControl_;
      focusedControl_ = focusedControl_->Parent();
      if (!sendFocusMessage(leaving, CM_EXIT)) ok = false;
    }
    while (ok && focusedControl_ != Control) {
      TWinControl* c = Control;
      while (c->Parent() != focusedControl_) c = c->Parent();
      focusedControl_ = c;
      if (!sendFocusMessage(c, CM_ENTER)) ok = false;
    }
    if (ok) Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control));
  }
  return ok;
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing) {
  if (Removing && Control->ContainsControl(focusedControl_)) focusedControl_ = Control->Parent();
  if (Control->ContainsControl(activeControl_)) {
    activeControl_ = nullptr;
    if (Control->HandleAllocated() && GetFocus() && Control->ContainsControl(FindControl(GetFocus())) &&
        HandleAllocated())
      ::SetFocus(Handle());
  }
  if (Screen && Control->ContainsControl(Screen->ActiveControl())) Screen->SetActiveControl(nullptr);
}

// ---- keys ----

void TCustomForm::CMDialogKey(TCMDialogKey& Message) {
  if (GetKeyState(VK_MENU) >= 0) {
    switch (Message.CharCode) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
          SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
          Message.Result = 1;
          return;
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (activeControl_ && activeControl_->Parent()) {
          activeControl_->Parent()->SelectNext(activeControl_, Message.CharCode == VK_RIGHT || Message.CharCode == VK_DOWN,
                                               false);
          Message.Result = 1;
        }
        return;
      default: break;
    }
  }
  TWinControl::CMDialogKey(Message);
}

// ---- painting ----

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

void TCustomForm::PaintWindow(TCanvas* DC) {
  if (!DC || !DC->Surface() || !OnPaint) return;
  wm::BindControlCanvas(canvas_.get(), DC, {0, 0}, DC->ClipRect(), this);
  auto unbind = MakeScopeGuard([&] { canvas_->SetSurface(nullptr); });
  Paint();
}

// ---- closing ----

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action) {
  if (OnClose) OnClose(this, Action);
}

void TCustomForm::Close() {
  if (inModal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  if (action == caHide) Hide();
  else if (action == caMinimize) SetWindowState(wsMinimized);
  else if (action == caFree) Release();
}

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::Release() {
  Hide();
  // The form may be running the code that asked: it is freed from the queue.
  if (HandleAllocated()) PostMessage(Handle(), CM_RELEASE);
}

// ---- the modal loop ----

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || inModal_) throw EInvalidOperation("Cannot make a visible window modal");
  if (GetCapture()) {
    SendMessage(GetCapture(), WM_CANCELMODE);
    ReleaseCapture();
  }
  std::vector<TCustomForm*> disabled;
  if (Screen)
    for (int i = 0; i < Screen->FormCount(); ++i) {
      TCustomForm* f = Screen->Forms(i);
      if (f != this && f->Showing() && f->Enabled() && !f->IsPopup()) {
        f->SetEnabled(false);
        disabled.push_back(f);
      }
    }
  HWND activeBefore = GetActiveWindow();
  modalResult_ = mrNone;
  inModal_ = true;
  Application->ModalStarted(this);
  TCloseAction action = caHide;
  TModalResult result = mrNone;
  {
    auto finish = MakeScopeGuard([&] {
      for (TCustomForm* f : disabled)
        if (Screen && std::find(Screen->ZOrder().begin(), Screen->ZOrder().end(), f) != Screen->ZOrder().end())
          f->SetEnabled(true);
      inModal_ = false;
      Hide();
      Application->ModalFinished(this);
      if (activeBefore && IsWindow(activeBefore) && activeBefore != Handle()) SetActiveWindow(activeBefore);
    });
    Show();
    while (true) {
      Application->HandleMessage();
      if (Application->Terminated()) modalResult_ = mrCancel;
      if (modalResult_ != mrNone) {
        // The close protocol may keep the form open.
        inModal_ = false;
        TModalResult keep = modalResult_;
        if (!CloseQuery()) modalResult_ = mrNone;
        else {
          action = caHide;
          DoClose(action);
          if (action == caNone) modalResult_ = mrNone;
          else modalResult_ = keep;
        }
        inModal_ = true;
        if (Application->Terminated() && modalResult_ == mrNone) modalResult_ = mrCancel;
      }
      if (modalResult_ != mrNone) break;
    }
    result = modalResult_;
  }
  if (action == caFree) Release();
  return result;
}
