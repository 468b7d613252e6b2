#include "grid/foundation/ExtObjCheckBox.h"

#include "grid/foundation/ExtXPVS.h"
#include "platform/theme/ThemeParts.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

TExtCheckBox::TExtCheckBox(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(Left(), Top(), 98, 20);
  SetColor(clWindow);
  SetParentColor(true);
  SetTabStop(true);
  TControlStyle style = ControlStyle();
  style.Exclude(csClickEvents);  // the control fires its click itself
  SetControlStyle(style);
  SetCaption("TExtCheckBox");
}

TExtCheckBox::~TExtCheckBox() = default;

bool TExtCheckBox::Themed() const { return ThemedLookActive(); }

void TExtCheckBox::Toggle() {
  if (!FReadOnly) SetChecked(!Checked());
}

void TExtCheckBox::SetChecked(bool v) {
  SetState(v ? cbChecked : cbUnchecked);
  Invalidate();
}

void TExtCheckBox::SetState(TCheckBoxState v) {
  if (v == FState) return;
  FState = v;
  if (!HandleAllocated()) return;
  TRect r = ClientRect();
  if (FAlignment == taLeftJustify)
    r.Right = 20;
  else
    r.Left = r.Right - 20;
  InvalidateRect(r);
}

void TExtCheckBox::SetButtonVertAlign(TTextLayout v) {
  if (v == FButtonVertAlign) return;
  FButtonVertAlign = v;
  Invalidate();
}

void TExtCheckBox::SetAlignment(TLeftRight v) {
  if (v == FAlignment) return;
  FAlignment = v;
  Invalidate();
}

void TExtCheckBox::SetEllipsis(bool v) {
  if (v == FEllipsis) return;
  FEllipsis = v;
  Invalidate();
}

void TExtCheckBox::SetTransparent(bool v) {
  if (v != FTransparent) {
    FTransparent = v;
    FBackgroundCached = false;
  }
  Invalidate();
}

void TExtCheckBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FTransparent) {
    FBackgroundCached = false;
    Invalidate();
  }
}

TRect TExtCheckBox::BoxRect() const {
  const TRect c = ClientRect();
  if (Themed()) {
    const int top = FButtonVertAlign == tlTop ? 4 : FButtonVertAlign == tlCenter ? c.Height() / 2 - 6 : c.Bottom - 14;
    const int left = FAlignment == taRightJustify ? c.Right - 15 : 0;
    return TRect(left, top, left + 14, top + 14);
  }
  const int left = FAlignment == taRightJustify ? c.Right - 13 : 0;
  const int top = FButtonVertAlign == tlTop ? 4 : FButtonVertAlign == tlCenter ? c.Height() / 2 - 6 : c.Bottom - 17;
  return TRect(left, top, left + 13, top + 13);
}

// The parent's colour stands for its background: the headless display keeps
// no separate picture of the parent to copy from.
void TExtCheckBox::PaintParentBackground(TCanvas* canvas) {
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Parent() ? Parent()->Color() : Color());
  canvas->FillRect(TRect(0, 0, Width(), Height()));
}

void TExtCheckBox::Paint() {
  TCanvas* c = Canvas();
  c->SetFont(Font());
  if (FTransparent) {
    if (!FTransparentChaching) {
      PaintParentBackground(c);
    } else {
      if (!FBackgroundCached) {
        FBackground = std::make_unique<TBitmap>(Width(), Height());
        PaintParentBackground(FBackground->Canvas());
        FBackgroundCached = true;
      }
      c->Draw(0, 0, FBackground.get());
    }
  } else {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
  }
  TRect box = BoxRect();
  if (Themed()) {
    const int base = FState == cbChecked ? CBS_CHECKEDNORMAL : FState == cbGrayed ? CBS_MIXEDNORMAL : CBS_UNCHECKEDNORMAL;
    const int cond = !Enabled() ? 3 : FDown ? 2 : FHot ? 1 : 0;
    TThemeBinding& b = ExtXPVSBinding();
    if (HTHEME theme = b.OpenThemeData(nullptr, "button")) {
      b.DrawThemeBackground(theme, c, BP_CHECKBOX, base + cond, &box, nullptr);
      b.CloseThemeData(theme);
    }
  } else {
    uint32_t state = DFCS_BUTTONCHECK;
    if (FState == cbGrayed || !Enabled()) state |= DFCS_INACTIVE;
    if (FState == cbChecked) state |= DFCS_CHECKED;
    c->DrawFrameControl(box, DFC_BUTTON, state);
  }
  TRect text = ClientRect();
  if (FAlignment == taRightJustify) {
    text.Left = 0;
    text.Right -= 9;
  } else {
    text.Left += 9;
  }
  text.Top += 4;
  text.Left += 6;
  const uint32_t format = DT_LEFT | DT_TOP | DT_NOCLIP | (FEllipsis ? DT_END_ELLIPSIS : 0);
  std::string caption = Caption();
  c->Brush()->SetStyle(bsClear);
  if (!Enabled()) {
    c->Font()->SetColor(clWhite);
    TRect shifted(text.Left + 1, text.Top + 1, text.Right + 1, text.Bottom + 1);
    c->DrawText(caption, shifted, format);
    c->Font()->SetColor(RGB(128, 128, 128));
  }
  c->DrawText(caption, text, format);
  if (FFocused) {
    const TSize ext = c->TextExtent(caption);
    c->DrawFocusRect(TRect(text.Left - 2, text.Top, text.Left - 2 + ext.cx + 1, text.Top + ext.cy + 1));
  }
}

void TExtCheckBox::InvalidateBox() { InvalidateRect(TRect(0, 0, 16, 16)); }

void TExtCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FMouseDown = true;
  if (!FFocused && CanFocus()) SetFocus();
  TCustomControl::MouseDown(Button, Shift, X, Y);
  SetMouseCapture(true);
  FDown = true;
  InvalidateBox();
}

void TExtCheckBox::MouseMove(TShiftState Shift, int X, int Y) {
  if (MouseCapture()) FDown = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
  TCustomControl::MouseMove(Shift, X, Y);
}

void TExtCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  SetMouseCapture(false);
  FDown = false;
  if (X >= 0 && X <= Width() && Y >= 0 && Y <= Height() && FFocused && FMouseDown) {
    Toggle();
    Click();
  }
  FMouseDown = false;
  TCustomControl::MouseUp(Button, Shift, X, Y);
  InvalidateBox();
}

void TExtCheckBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_RETURN && FReturnIsTab) {
    Key = VK_TAB;
    PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
  if (Key == VK_SPACE) FDown = true;
  TCustomControl::KeyDown(Key, Shift);
}

void TExtCheckBox::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_SPACE) {
    FDown = false;
    Toggle();
    Click();
  }
  TCustomControl::KeyUp(Key, Shift);
}

void TExtCheckBox::DoEnter() {
  FFocused = true;
  Invalidate();
  TCustomControl::DoEnter();
}

void TExtCheckBox::DoExit() {
  FFocused = false;
  Invalidate();
  TCustomControl::DoExit();
}

void TExtCheckBox::CMMouseEnter(TCMControlMsg& Message) {
  FHot = true;
  InvalidateBox();
  TCustomControl::CMMouseEnter(Message);
}

void TExtCheckBox::CMMouseLeave(TCMControlMsg& Message) {
  FHot = false;
  InvalidateBox();
  TCustomControl::CMMouseLeave(Message);
}

void TExtCheckBox::CMEnabledChanged(TMessage& Message) {
  TCustomControl::CMEnabledChanged(Message);
  Invalidate();
}

void TExtCheckBox::CMDialogChar(TCMDialogChar& Message) {
  if (IsAccel(Message.CharCode, Caption()) && CanFocus()) {
    Toggle();
    if (TabStop()) SetFocus();
    Message.Result = 1;
    return;
  }
  TCustomControl::CMDialogChar(Message);
}

void TExtCheckBox::WMEraseBkgnd(TWMEraseBkgnd& Message) {
  if (FTransparent) {
    Message.Result = 1;
    return;
  }
  TCustomControl::WMEraseBkgnd(Message);
}
