#include "toolkit/forms/std/Button.h"

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/ControlPaint.h"

TButtonControl::TButtonControl(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle({csSetCaption, csDoubleClicks, csCaptureMouse});
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TButtonControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (!Focused() && CanFocus()) SetFocus();
  tracking_ = true;
  pressed_ = true;
  Invalidate();
}

void TButtonControl::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (!tracking_) return;
  bool inside = PtInRect(ClientRect(), {X, Y});
  if (inside != pressed_) { pressed_ = inside; Invalidate(); }
}

void TButtonControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  bool click = tracking_ && Button == mbLeft && PtInRect(ClientRect(), {X, Y});
  if (Button == mbLeft) {
    tracking_ = false;
    pressed_ = false;
    Invalidate();
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (click) Activate();
}

void TButtonControl::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == VK_SPACE && Shift.Empty()) {
    spaceDown_ = true;
    pressed_ = true;
    Invalidate();
  }
}

void TButtonControl::KeyUp(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyUp(Key, Shift);
  if (Key == VK_SPACE && spaceDown_) {
    spaceDown_ = false;
    pressed_ = false;
    Invalidate();
    Activate();
  }
}

void TButtonControl::WMSetFocus(TWMSetFocus& Message) {
  focused_ = true;
  TCustomControl::WMSetFocus(Message);
  Invalidate();
}

void TButtonControl::WMKillFocus(TWMKillFocus& Message) {
  focused_ = false;
  spaceDown_ = false;
  if (!tracking_) pressed_ = false;
  TCustomControl::WMKillFocus(Message);
  Invalidate();
}

void TButtonControl::CMDialogChar(TCMDialogChar& Message) {
  if (IsAccel(Message.CharCode, Caption()) && Enabled() && IsControlVisible()) {
    if (CanFocus()) SetFocus();
    Activate();
    Message.Result = 1;
    return;
  }
  TCustomControl::CMDialogChar(Message);
}

void TButtonControl::CMTextChanged(TMessage& Message) {
  TCustomControl::CMTextChanged(Message);
  Invalidate();
}

void TButtonControl::CMEnabledChanged(TMessage& Message) {
  TCustomControl::CMEnabledChanged(Message);
  Invalidate();
}

void TButtonControl::Dispatch(TMessage& Message) {
  if (Message.Msg == BM_CLICK) {
    Activate();
    return;
  }
  TCustomControl::Dispatch(Message);
}

// ---- TButton ----

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) {
  SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool v) {
  default_ = v;
  TCustomForm* form = GetParentForm(this);
  active_ = v && (form == nullptr || dynamic_cast<TButton*>(form->ActiveControl()) == nullptr);
  Invalidate();
}

void TButton::Click() {
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && modalResult_ != mrNone) form->SetModalResult(modalResult_);
  TButtonControl::Click();
}

void TButton::Dispatch(TMessage& Message) {
  if (Message.Msg == BM_SETSTYLE) {
    Invalidate();
    return;
  }
  TButtonControl::Dispatch(Message);
}

void TButton::WMGetDlgCode(TWMGetDlgCode& Message) {
  TButtonControl::WMGetDlgCode(Message);
  Message.Result |= DLGC_BUTTON | (active_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

// Enter presses the active button (the focused one, or the default one when
// no button has the focus); Esc presses a Cancel button.
void TButton::CMDialogKey(TCMDialogKey& Message) {
  bool enter = Message.CharCode == VK_RETURN && active_;
  bool escape = Message.CharCode == VK_ESCAPE && cancel_;
  if ((enter || escape) && KeyDataToShiftState(Message.KeyData).Empty() && IsControlVisible() && Enabled()) {
    Click();
    Message.Result = 1;
    return;
  }
  TButtonControl::CMDialogKey(Message);
}

void TButton::CMFocusChanged(TCMFocusChanged& Message) {
  bool was = active_;
  if (dynamic_cast<TButton*>(Message.Sender) != nullptr) active_ = Message.Sender == this;
  else active_ = default_;
  if (was != active_) Invalidate();
  TButtonControl::CMFocusChanged(Message);
}

void TButton::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  c->Brush()->SetColor(Color());
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(r);
  TButtonPaintState state = !Enabled() ? bpsDisabled : Pressed() ? bpsPressed : active_ ? bpsDefault : bpsNormal;
  DrawPushButtonFace(c, r, state, HasFocus());
  c->Font()->Assign(Font());
  TRect text = r;
  InflateRect(text, -4, -2);
  if (Pressed()) OffsetRect(text, 1, 1);
  uint32_t flags = DT_CENTER | (WordWrap() ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER);
  if (WordWrap()) {
    TRect calc = text;
    c->DrawText(Caption(), calc, flags | DT_CALCRECT);
    OffsetRect(text, 0, (text.Height() - calc.Height()) / 2);
  }
  DrawCaption(c, Caption(), text, flags, Enabled());
}

// ---- TCustomCheckBox ----

namespace {

constexpr int kGlyphSize = 13;

// The box (or circle) and the caption area of a check or radio button.
void SplitCheckRect(const TRect& client, TAlignment alignment, TRect& glyph, TRect& caption) {
  int top = (client.Height() - kGlyphSize) / 2;
  if (alignment == taLeftJustify) {
    glyph = Bounds(client.Right - kGlyphSize, top, kGlyphSize, kGlyphSize);
    caption = Rect(client.Left, client.Top, glyph.Left - 4, client.Bottom);
  } else {
    glyph = Bounds(client.Left, top, kGlyphSize, kGlyphSize);
    caption = Rect(glyph.Right + 4, client.Top, client.Right, client.Bottom);
  }
}

void PaintCheckLike(TCustomControl* self, TCanvas* c, TCheckPaintState check, bool radio, bool pressed,
                    bool focused, TAlignment alignment) {
  TRect r = self->ClientRect();
  c->Brush()->SetColor(self->Color());
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(r);
  TRect glyph, caption;
  SplitCheckRect(r, alignment, glyph, caption);
  DrawCheckGlyph(c, glyph, check, radio, pressed, self->Enabled());
  c->Font()->Assign(self->Font());
  TRect calc = caption;
  c->DrawText(self->Caption(), calc, DT_SINGLELINE | DT_CALCRECT);
  int h = calc.Height();
  TRect text = Bounds(caption.Left, (r.Height() - h) / 2, std::min(calc.Width(), caption.Width()), h);
  DrawCaption(c, self->Caption(), text, DT_SINGLELINE | DT_LEFT, self->Enabled());
  if (focused && !self->Caption().empty()) {
    TRect f = text;
    InflateRect(f, 1, 1);
    DrawFocusFrame(c, f);
  }
}

}  // namespace

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
  SetBounds(0, 0, 97, 17);
}

void TCustomCheckBox::SetState(TCheckBoxState v) {
  if (state_ == v) return;
  state_ = v;
  Invalidate();
  Click();
}

void TCustomCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked: SetState(cbChecked); break;
    case cbChecked: SetState(allowGrayed_ ? cbGrayed : cbUnchecked); break;
    case cbGrayed: SetState(cbUnchecked); break;
  }
}

void TCustomCheckBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case BM_GETCHECK: Message.Result = state_; return;
    case BM_SETCHECK: SetState(static_cast<TCheckBoxState>(std::min<WPARAM>(Message.WParam, 2))); return;
    default: TButtonControl::Dispatch(Message);
  }
}

void TCustomCheckBox::WMGetDlgCode(TWMGetDlgCode& Message) {
  TButtonControl::WMGetDlgCode(Message);
  Message.Result |= DLGC_BUTTON;
}

void TCustomCheckBox::Paint() {
  TCheckPaintState check = state_ == cbChecked ? cpsChecked : state_ == cbGrayed ? cpsMixed : cpsUnchecked;
  PaintCheckLike(this, Canvas(), check, false, Pressed(), HasFocus(), alignment_);
}

// ---- TRadioButton ----

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
  SetBounds(0, 0, 113, 17);
  SetTabStop(false);
}

void TRadioButton::SetChecked(bool v) {
  if (checked_ == v) return;
  checked_ = v;
  SetTabStop(v);
  Invalidate();
  if (!v) return;
  if (Parent() != nullptr) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
      if (sibling != nullptr && sibling != this) sibling->SetChecked(false);
    }
  }
  Click();
}

void TRadioButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case BM_GETCHECK: Message.Result = checked_ ? 1 : 0; return;
    case BM_SETCHECK: SetChecked(Message.WParam != 0); return;
    default: TButtonControl::Dispatch(Message);
  }
}

void TRadioButton::WMGetDlgCode(TWMGetDlgCode& Message) {
  TButtonControl::WMGetDlgCode(Message);
  Message.Result |= DLGC_BUTTON | DLGC_RADIOBUTTON;
}

// Arrow keys move the focus through a group; the radio button reached is chosen.
void TRadioButton::WMSetFocus(TWMSetFocus& Message) {
  TButtonControl::WMSetFocus(Message);
  if (!checked_ && GetKeyState(VK_LBUTTON) >= 0) SetChecked(true);
}

void TRadioButton::Paint() {
  PaintCheckLike(this, Canvas(), checked_ ? cpsChecked : cpsUnchecked, true, Pressed(), HasFocus(), alignment_);
}
