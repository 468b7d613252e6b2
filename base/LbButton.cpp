// TLbButton: construction, properties and input. Painting lives in
// LbButtonPaint.cpp.
#include "base/LbButton.h"

#include "base/LbButtons.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

struct TKindInfo {
  const char* Resource;
  const char* Caption;
  TModalResult Result;
};

// Indexed by TLbButtonKind; bkCustom has no entry of its own.
const TKindInfo Kind_Info[] = {
    {"", "", mrNone},
    {"LBOK", "OK", mrOk},
    {"LBCANCEL", "Abbrechen", mrCancel},
    {"LBHELP", "Hilfe", mrNone},
    {"LBYES", "Ja", mrYes},
    {"LBNO", "Nein", mrNo},
    {"LBCLOSE", "Schlie\xC3\x9F" "en", mrNone},
    {"LBABORT", "Abbrechen", mrAbort},
    {"LBRETRY", "Wiederholen", mrRetry},
    {"LBIGNORE", "Ignorieren", mrIgnore},
    {"LBALL", "Alle", mrAll},
};

bool Is_Press_Key(uint16_t Key) { return Key == VK_RETURN || Key == VK_SPACE; }

// The first form on the owner chain: the one whose active control decides
// who answers Enter.
TCustomForm* Owner_Form(const TComponent* C) {
  for (TComponent* o = C->Owner(); o != nullptr; o = o->Owner())
    if (auto* form = dynamic_cast<TCustomForm*>(o)) return form;
  return nullptr;
}

// A focused push button answers Enter itself; radio buttons do not.
bool Is_Button_Class(const TWinControl* Control) {
  std::string name = UpperCase(Control->ClassName());
  return name.find("BUTTON") != std::string::npos && name.find("RADIOBUTTON") == std::string::npos;
}

}  // namespace

TLbButton::TLbButton(TComponent* AOwner) : TCustomControl(AOwner) {
  FGlyph = std::make_unique<TBitmap>();
  FHTFont = std::make_unique<TFont>();
  if (auto* form = dynamic_cast<TCustomForm*>(AOwner)) FHTFont->Assign(form->Font());
  SetControlStyle({csCaptureMouse, csSetCaption});
  SetBounds(0, 0, 100, 23);
  SetColor(clBtnFace);
  SetTabStop(true);
}

TLbButton::~TLbButton() {
  bDestroying = true;
  StopThread();
}

void TLbButton::SetCaption(const std::string& v) {
  SetText(v);
  Invalidate();
}

void TLbButton::SetColorStyle(TLbColorStyle v) {
  if (v == lcsCustom) return;
  TLbColorPreset p = GetColorStyleColors(v);
  SetColor(p.Color);
  FLightColor = p.LightColor;
  FShadowColor = p.ShadowColor;
  FColorWhenDown = p.ColorWhenDown;
  FHotTrackColor = p.HotTrackColor;
  Font()->SetColor(p.FontColor);
  FFlat = p.Flat;
  FStyle = p.Style;  // the window's transparency stays as it was
  Invalidate();
}

void TLbButton::SetEnabled(bool v) {
  TCustomControl::SetEnabled(v);
  FEnabled = v;
  bDown = false;
  Invalidate();
}

void TLbButton::SetGlyph(const TBitmap* v) {
  if (v == nullptr || v->Height() == 0) {
    FGlyph->SetSize(0, 0);
    FNumGlyphs = 0;
  } else {
    FGlyph->Assign(v);
    FNumGlyphs = v->Width() / v->Height();
  }
  FKind = bkCustom;
  Invalidate();
}

void TLbButton::SetKind(TLbButtonKind v) {
  if (v != bkCustom) {
    const TKindInfo& info = Kind_Info[v];
    FNumGlyphs = 2;
    FModalResult = info.Result;
    FGlyph->LoadFromResourceName(info.Resource);
    SetCaption(info.Caption);
  }
  FKind = v;
  Invalidate();
}

void TLbButton::SetSlowDecease(bool v) {
  FSlowDecease = v;
  if (v) {
    if (!FThread) FThread = std::make_unique<TLbButtonThread>([this] { FadeStep(); });
    return;
  }
  if (FThread) {
    FHotTrackStep = 0;
    StopThread();
  }
  Invalidate();
}

void TLbButton::SetStyle(TLbButtonStyle v) {
  FStyle = v;
  bool transparent = v == bsModern || v == bsShape || v == bsQuicken;
  SetExStyle(transparent ? (ExStyle() | WS_EX_TRANSPARENT) : (ExStyle() & ~WS_EX_TRANSPARENT));
  Invalidate();
}

void TLbButton::StopThread() {
  if (!FThread) return;
  FThread->Terminate();
  FThread.reset();
}

void TLbButton::FadeStep() {
  if (bDestroying) return;
  --FHotTrackStep;
  if (FHotTrackStep <= 0) {
    if (FThread && !FThread->Suspended()) FThread->Suspend();
    FHotTrackStep = 0;
  }
  Invalidate();
}

bool TLbButton::ParentShowing() const { return Parent() != nullptr && Parent()->Showing(); }

void TLbButton::Click() {
  bDown = true;
  if (!Visible() || !Enabled() || !bDown) return;
  bDown = false;
  if (OnClick) OnClick(this);
  if (FModalResult != mrNone)
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  if (PopupMenu() != nullptr && PopupMenuHook) {
    TPoint p = ClientToScreen({0, Height()});
    PopupMenuHook(PopupMenu(), this, p.X, p.Y);
  }
}

void TLbButton::Dispatch(TMessage& Message) {
  if (Message.Msg == BM_CLICK) {
    Click();
    return;
  }
  TCustomControl::Dispatch(Message);
}

// ---- mouse ----

void TLbButton::CMMouseEnter(TCMControlMsg& Message) {
  if (Message.Control != nullptr) {
    TCustomControl::CMMouseEnter(Message);
    return;
  }
  if (Enabled() && Visible() && ParentShowing()) {
    bCursorOnButton = true;
    FHotTrackStep = 8;
    Invalidate();
    if (OnMouseEnter) OnMouseEnter(this);
  }
  if (Parent()) Parent()->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(this));
}

void TLbButton::CMMouseLeave(TCMControlMsg& Message) {
  if (Message.Control != nullptr) {
    TCustomControl::CMMouseLeave(Message);
    return;
  }
  bCursorOnButton = false;
  if (FSlowDecease && FThread) {
    if (FThread->Suspended()) FThread->Resume();
  } else {
    FHotTrackStep = 0;
    Invalidate();
  }
  if (Enabled() && Visible() && ParentShowing() && OnMouseExit) OnMouseExit(this);
  if (Parent()) Parent()->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
}

void TLbButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  bDown = true;
  if (CanFocus() && !Focused()) SetFocus();
  Invalidate();
}

// A press that began on the button clicks it wherever the mouse is released.
void TLbButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (bDown) Click();
  bDown = false;
  Invalidate();
}

// ---- keyboard ----

void TLbButton::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Enabled() && Is_Press_Key(Key)) {
    bDown = true;
    FKeyPressed = Key;
    Invalidate();
  }
}

// Only the release of a key pressed on this button clicks it: the release of
// the Enter that closed a dialog reaches the button focused beneath it and
// must not click that one too.
void TLbButton::KeyUp(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyUp(Key, Shift);
  if (Is_Press_Key(Key) && FKeyPressed == Key) {
    FKeyPressed = 0;
    Click();
  }
  Invalidate();
}

void TLbButton::CMDialogKey(TCMDialogKey& Message) {
  TShiftState held = GetShiftState() * TShiftState{ssShift, ssCtrl, ssAlt};
  bool enter = Message.CharCode == VK_RETURN && FDefault;
  bool escape = Message.CharCode == VK_ESCAPE && FCancel && held.Empty() && IsControlVisible() && Enabled();
  if (enter || escape) {
    TCustomForm* form = Owner_Form(this);
    TWinControl* active = form ? form->ActiveControl() : nullptr;
    if (active == nullptr || !Is_Button_Class(active)) {
      bDown = true;
      Click();
      Message.Result = 1;
      return;
    }
  }
  TCustomControl::CMDialogKey(Message);
}

void TLbButton::CMDialogChar(TCMDialogChar& Message) {
  if (IsAccel(Message.CharCode, Caption()) && IsControlVisible() && Enabled() && ParentShowing()) {
    bDown = true;
    Click();
    Message.Result = 1;
    return;
  }
  TCustomControl::CMDialogChar(Message);
}

void TLbButton::WMSetFocus(TWMSetFocus& Message) {
  bFocused = true;
  TCustomControl::WMSetFocus(Message);
  Invalidate();
}

void TLbButton::WMKillFocus(TWMKillFocus& Message) {
  bFocused = false;
  FKeyPressed = 0;
  TCustomControl::WMKillFocus(Message);
  Invalidate();
}
