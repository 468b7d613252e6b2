#include "controls/EsgDateTimePicker.h"

#include "platform/theme/ThemeParts.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/std/ControlPaint.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

void outline(TCanvas* c, int W, int H) {
  c->MoveTo(0, H);
  c->LineTo(0, 0);
  c->LineTo(W - 1, 0);
  c->LineTo(W - 1, H - 1);
  c->LineTo(0, H - 1);
}

}  // namespace

TEsgDateTimePicker::TEsgDateTimePicker(TComponent* AOwner)
    : TDateTimePicker(AOwner), FButtonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2) {
  SetParentCtl3D(false);
  SetCtl3D(true);
}

std::string TEsgDateTimePicker::Version() const {
  uint32_t v = GetVersionNr();
  return IntToStr(v >> 24) + "." + IntToStr((v >> 16) & 0xFF) + "." + IntToStr((v >> 8) & 0xFF) + "." +
         IntToStr(v & 0xFF);
}

void TEsgDateTimePicker::SetBorderColor(TColor Value) {
  if (Value == FBorderColor) return;
  FBorderColor = Value;
  Invalidate();
}

void TEsgDateTimePicker::SetMetroStyle(bool Value) {
  if (Value == FMetroStyle) return;
  FMetroStyle = Value;
  Invalidate();
}

void TEsgDateTimePicker::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  Invalidate();
}

void TEsgDateTimePicker::CMCtl3DChanged(TMessage& Message) {
  TDateTimePicker::CMCtl3DChanged(Message);
  Invalidate();
}

TColor TEsgDateTimePicker::FrameColor() const {
  if (FBorderStyle == bsNone && Parent()) return Parent()->Color();
  return FBorderColor;
}

void TEsgDateTimePicker::MouseMove(TShiftState Shift, int X, int Y) {
  TDateTimePicker::MouseMove(Shift, X, Y);
  bool hover = X > Width() - FButtonWidth && X < Width();
  if (hover == FButtonHover) return;
  FButtonHover = hover;
  Invalidate();
}

void TEsgDateTimePicker::CMMouseEnter(TCMControlMsg& Message) {
  TDateTimePicker::CMMouseEnter(Message);
  if (Enabled() && !FMouseInControl) {
    FMouseInControl = true;
    Invalidate();
  }
}

void TEsgDateTimePicker::CMMouseLeave(TCMControlMsg& Message) {
  TDateTimePicker::CMMouseLeave(Message);
  if (Enabled() && FMouseInControl) FMouseInControl = false;
  FButtonHover = false;
  Invalidate();
}

void TEsgDateTimePicker::WMSetFocus(TWMSetFocus& Message) {
  TDateTimePicker::WMSetFocus(Message);
  FHasFocus = true;
  Invalidate();
}

void TEsgDateTimePicker::WMKillFocus(TWMKillFocus& Message) {
  TDateTimePicker::WMKillFocus(Message);
  FHasFocus = false;
  Invalidate();
}

void TEsgDateTimePicker::Paint() {
  TDateTimePicker::Paint();
  TCanvas* c = Canvas();
  if (!Ctl3D() && FBorderColor != clNone) PaintFlatFrame(c);
  if (Metro() && Kind() != dtkTime) PaintDropButton(c);
  PaintBorders(c);
}

void TEsgDateTimePicker::PaintFlatFrame(TCanvas* c) {
  c->Brush()->SetStyle(bsClear);
  c->Pen()->SetColor(FrameColor());
  outline(c, Width(), Height());
  if (Parent()) {
    c->Pen()->SetColor(Parent()->Color());
    c->MoveTo(1, Height() - 2);
    c->LineTo(1, 1);
    c->LineTo(Width() - 1, 1);
  }
}

// Only the metro look has borders of its own: focus colour while focused, else the border colour.
void TEsgDateTimePicker::PaintBorders(TCanvas* c) {
  if (!Metro()) return;
  if (Enabled() && FBorderColor == clNone && FFocusBorderColor == clNone) return;
  TColor color = !Enabled() && !FDisabledBorder ? TColor(0xB99D7F)
                 : FHasFocus && FFocusBorderColor != clNone ? FFocusBorderColor
                                                            : FBorderColor;
  if (color == clNone) return;
  c->Brush()->SetStyle(bsClear);
  c->Pen()->SetColor(color);
  outline(c, Width(), Height());
}

// The metro drop button replaces the toolkit's own, which is cleared first:
// a face in the custom colours with its small arrow, else the themed combo
// button, else the classic flat one.
void TEsgDateTimePicker::PaintDropButton(TCanvas* c) {
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(ButtonRect());
  TRect r(ClientWidth() - FButtonWidth + 2, 0, ClientWidth(), ClientHeight());
  InflateRect(r, -1, -1);
  const bool mouseDown = GetKeyState(VK_LBUTTON) < 0;
  if (ButtonColor() != clNone) return paintColouredButton(c, r, mouseDown);
  const int state = !Enabled()                                   ? CBXS_DISABLED
                    : mouseDown && DroppedDown()                 ? CBXS_PRESSED
                    : mouseDown || !FButtonHover || DroppedDown() ? CBXS_NORMAL
                                                                 : CBXS_HOT;
  if (DrawThemed(c, "combobox", CP_DROPDOWNBUTTON, state, r)) return;
  c->DrawFrameControl(r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
}

void TEsgDateTimePicker::paintColouredButton(TCanvas* c, const TRect& r, bool MouseDown) {
  TColor face = ButtonColor();
  if (FButtonHover) face = MouseDown ? ButtonColorDown() : ButtonColorHot();
  c->Brush()->SetColor(face);
  c->FillRect(TRect(r.Left + 2, r.Top, r.Right, r.Bottom));
  if (ButtonBorderColor() != clNone) {
    c->Pen()->SetColor(ButtonBorderColor());
    c->MoveTo(r.Left, r.Top);
    c->LineTo(r.Left, r.Bottom);
  }
  TColor text = MouseDown ? ButtonTextColorDown() : ButtonTextColor();
  if (text == clNone) text = clBlack;
  c->Pen()->SetColor(text);
  c->Brush()->SetColor(text);
  c->Polygon({TPoint{r.Left + 5, r.Top + 7}, TPoint{r.Left + 11, r.Top + 7}, TPoint{r.Left + 8, r.Top + 10}});
}
