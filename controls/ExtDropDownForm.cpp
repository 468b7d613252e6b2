// The popup form of the drop-down editors, and the show and hide sequences
// of the drop-down that drive it.

#include "controls/ExtDropDownForm.h"

#include <algorithm>

#include "controls/ExtDropDown.h"
#include "controls/ExtDropDownPanels.h"
#include "platform/kernel/Clock.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/Canvas.h"

TDropDownForm::TDropDownForm(TComponent* AOwner) : TForm(AOwner) {
  SetBorderStyle(bsNone);
  SetDoubleBuffered(true);
}

TDropDownForm::~TDropDownForm() {
  watchClicks(false);
  if (FExtDropDown != nullptr) FExtDropDown->DropDownFormDestroyed();
}

void TDropDownForm::AlignControls(TControl* AControl, TRect& Rect) {
  if (FExtDropDown != nullptr) {
    const int b = FExtDropDown->DropDownBorderWidth();
    InflateRect(Rect, -b, -b);
  }
  TForm::AlignControls(AControl, Rect);
}

void TDropDownForm::Paint() {
  TForm::Paint();
  paintBackground();
}

// The user sizing the popup (by its grip) reaches the drop-down as it happens.
void TDropDownForm::BoundsChanged() {
  TForm::BoundsChanged();
  Invalidate();
  if (Visible() && OnSizing) OnSizing(this);
}

void TDropDownForm::paintBackground() {
  if (FExtDropDown == nullptr) return;
  TCanvas* c = Canvas();
  const TExtCustomDropDown& d = *FExtDropDown;
  const int bw = d.DropDownBorderWidth();
  TRect r = ClientRect();
  InflateRect(r, -bw, -bw);
  if (d.DropDownColor() != clNone && d.DropDownColorTo() != clNone) {
    DrawGradient(c, d.DropDownColor(), d.DropDownColorTo(), 80, r, d.DropDownGradient() == gdHorizontal);
  } else if (d.DropDownColor() != clNone) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(d.DropDownColor());
    c->FillRect(r);
  }
  if (bw > 0) {
    r = ClientRect();
    r.Left += bw / 2;
    r.Top += bw / 2;
    c->Pen()->SetWidth(bw);
    c->Pen()->SetColor(d.DropDownBorderColor());
    c->Brush()->SetStyle(bsClear);
    c->Rectangle(r);
    c->Pen()->SetWidth(1);
  }
}

void TDropDownForm::InitializeAndUpdate() {
  if (FExtDropDown == nullptr) return;
  TExtCustomDropDown* d = FExtDropDown;
  if (FHeader != nullptr) {
    FHeader->SetExtDropDown(d);
    FHeader->UpdateButtons();
    FHeader->SetVisible(d->DropDownHeader()->Visible());
  } else if (d->DropDownHeader()->Visible()) {
    FHeader = new TExtHeader(this);
    FHeader->SetParent(this);
    FHeader->SetHeight(d->DropDownHeader()->Height());
    FHeader->SetExtDropDown(d);
    FHeader->UpdateButtons();
    FHeader->SetAlign(alTop);
  }
  if (FHeader != nullptr) {
    FHeader->OnDrawBackGround = d->OnDrawHeader;
    FHeader->OnGetText = d->OnGetHeaderText;
  }
  if (FFooter != nullptr) {
    FFooter->SetExtDropDown(d);
    FFooter->UpdateButtons();
    FFooter->SetVisible(d->DropDownFooter()->Visible());
  } else if (d->DropDownFooter()->Visible()) {
    FFooter = new TExtFooter(this);
    FFooter->SetParent(this);
    FFooter->SetHeight(d->DropDownFooter()->Height());
    FFooter->SetExtDropDown(d);
    FFooter->UpdateButtons();
    FFooter->SetAlign(alBottom);
  }
  if (FFooter != nullptr) {
    FFooter->OnDrawBackGround = d->OnDrawFooter;
    FFooter->OnGetText = d->OnGetFooterText;
  }
}

// A press anywhere but on the popup or a window inside it deactivates it.
void TDropDownForm::watchClicks(bool On) {
  if (On && FHook == nullptr) {
    FHook = SetWindowsHookEx(WH_MOUSE, [this](int, WPARAM Msg, LPARAM Data) -> LRESULT {
      const bool press = Msg == WM_LBUTTONDOWN || Msg == WM_RBUTTONDOWN || Msg == WM_MBUTTONDOWN ||
                         Msg == WM_NCLBUTTONDOWN || Msg == WM_NCRBUTTONDOWN;
      if (press && Visible()) Deactivated(reinterpret_cast<TMouseHookStruct*>(Data)->hwnd);
      return 0;
    });
  } else if (!On && FHook != nullptr) {
    UnhookWindowsHookEx(FHook);
    FHook = nullptr;
  }
}

void TDropDownForm::Deactivated(HWND ActivatedWindow) {
  if (FBlockActivate || !Visible()) return;
  for (TControl* c = FindControl(ActivatedWindow); c != nullptr; c = c->Parent())
    if (c == this) return;
  FDeActivate = GetTickCount();
  FWasDeactivated = true;
  if (FExtDropDown != nullptr) FExtDropDown->DoHideDropDown(FCancelOnDeActivate);
  else Hide();
}

void TDropDownForm::CMShowingChanged(TMessage& Message) {
  TForm::CMShowingChanged(Message);
  watchClicks(Showing());
}

void TDropDownForm::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCHITTEST: {
      TPoint p = ScreenToClient({int16_t(Message.LParam & 0xFFFF), int16_t((Message.LParam >> 16) & 0xFFFF)});
      Message.Result = FSizeable && p.X > Width() - 10 && p.Y > Height() - 10 ? HTBOTTOMRIGHT : 0;
      return;
    }
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS; return;
    default: TForm::Dispatch(Message);
  }
}

// ---- the drop-down's part of it

void TExtCustomDropDown::CreateDropDownForm() {
  if (FDropDownForm != nullptr) return;
  FDropDownForm = new TDropDownForm(this);
  FDropDownForm->SetExtDropDown(this);
  FDropDownForm->SetVisible(false);
  FDropDownForm->SetBounds(0, 0, FDropDownWidth, FDropDownHeight);
  FDropDownForm->OnClose = [](TObject*, TCloseAction&) {};
  FDropDownForm->OnHide = [this](TObject*) { AfterHideDropDown(); };
  FDropDownForm->OnKeyPress = [this](TObject*, char& Key) { PopupKeyPress(Key); };
  FDropDownForm->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState Shift) { PopupKeyDown(Key, Shift); };
  FDropDownForm->OnKeyUp = [this](TObject*, uint16_t& Key, TShiftState Shift) { PopupKeyUp(Key, Shift); };
  FDropDownForm->OnMouseWheelDown = [this](TObject*, TShiftState Shift, TPoint P, bool& Handled) {
    PopupMouseWheelDown(Shift, P, Handled);
  };
  FDropDownForm->OnMouseWheelUp = [this](TObject*, TShiftState Shift, TPoint P, bool& Handled) {
    PopupMouseWheelUp(Shift, P, Handled);
  };
  FDropDownForm->OnSizing = [this](TObject*) { DropDownResized(); };
}

void TExtCustomDropDown::BeforeDropDown() {
  if (OnBeforeDropDown) OnBeforeDropDown(this);
}

void TExtCustomDropDown::PlaceDropDownControl() {
  if (FDropDownForm == nullptr || FControl == nullptr) return;
  FControl->SetParent(FDropDownForm);
  FControl->SetTop(FDropDownHeader->Visible() ? FDropDownHeader->Height() + 2 : FDropDownBorderWidth);
  // Aligned only once the popup has its size, so that the control's own
  // size is what sizes an automatic popup.
  if (FPlacingControl) FControl->SetAlign(alClient);
}

void TExtCustomDropDown::SetDropDownSize() {
  const bool control = FControl != nullptr && FControl->Visible();
  const int w = FDropDownWidth > 0 ? FDropDownWidth : control ? FControl->Width() : Width();
  int h = FDropDownHeight;
  if (h <= 0) {
    h = 2 * FDropDownBorderWidth;
    if (FDropDownHeader->Visible()) h += FDropDownHeader->Height();
    if (FDropDownFooter->Visible()) h += FDropDownFooter->Height();
    if (control) h += FControl->Height();
  }
  FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), w, h);
}

void TExtCustomDropDown::SetDropDownFocus() {
  if (FFocusControl != nullptr && FFocusControl->TabStop() && FFocusControl->CanFocus() &&
      !FFocusControl->Focused())
    FFocusControl->SetFocus();
}

void TExtCustomDropDown::DoShowDropDown() {
  if (ComponentState().Contains(csDesigning) || FDropDownForm == nullptr || FDropDownForm->Visible() ||
      !Enabled() || ReadOnly())
    return;
  if (FControl != nullptr) FControl->SetAlign(alNone);
  BeforeDropDown();
  FDropDownForm->SetShadow(FDropDownShadow);
  FDropDownForm->SetPopup(true, GetParentForm(this));
  FDropDownForm->InitializeAndUpdate();
  FDropDownForm->SetBounds(Left(), Top(), FDropDownForm->Width(), FDropDownForm->Height());
  SetDropDownSize();
  FPlacingControl = true;
  PlaceDropDownControl();
  FPlacingControl = false;
  FDropDownForm->Constraints()->SetMinWidth(80);
  FDropDownForm->Constraints()->SetMinHeight(50);
  if (auto* w = dynamic_cast<TWinControl*>(FControl)) {
    w->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
    w->OnKeyUp = [this](TObject*, uint16_t& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
    w->OnKeyPress = [this](TObject*, char& Key) { ControlKeyPress(Key); };
  }
  TPoint P = Parent() != nullptr ? Parent()->ClientToScreen({Left(), Top()}) : ClientOrigin();
  int w = std::max(80, FDropDownForm->Width()), h = std::max(50, FDropDownForm->Height());
  const int screenHeight = Screen != nullptr ? Screen->Height() : 0;
  const bool below = FDropPosition == dpDown || (FDropPosition == dpAuto && P.Y + h < screenHeight);
  int left = P.X, top = below ? P.Y + Height() - 1 : P.Y - h;
  bool accept = true;
  if (OnDropDown) OnDropDown(this, accept);
  if (!accept) return;
  if (FUserDropDownWidth != -1) w = FUserDropDownWidth;
  if (FUserDropDownHeight != -1) h = FUserDropDownHeight;
  // Kept inside the work area of the monitor the edit is on, on all four sides.
  if (Screen != nullptr) {
    const TRect wa = Screen->MonitorFromPoint(P)->WorkareaRect();
    left = std::max(wa.Left, std::min(left, wa.Right - w));
    top = std::max(wa.Top, std::min(top, wa.Bottom - h));
  }
  AdjustDropDownHeight(h);
  FDroppedDown = true;
  FDropDownForm->SetBounds(left, top, w, h);
  FDropDownForm->Show();
  SetDropDownFocus();
}

void TExtCustomDropDown::DoHideDropDown(bool Cancel) {
  if (ComponentState().Contains(csDesigning) || FDropDownForm == nullptr || !FDropDownForm->Visible()) return;
  if (OnBeforeDropUp) OnBeforeDropUp(this);
  FUserDropDownWidth = FDropDownForm->Width();
  FUserDropDownHeight = FDropDownForm->Height();
  FDropDownForm->Hide();
  if (Application != nullptr) Application->CancelHint();
  if (Cancel) DoSetText(FValue.OldText);
  if (OnDropUp) OnDropUp(this, Cancel);
}

void TExtCustomDropDown::AfterHideDropDown() {
  FDroppedDown = false;
  if (TabStop() && CanFocus() && !Focused() && !ComponentState().Contains(csDestroying)) SetFocus();
}
