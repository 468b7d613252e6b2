// TEsgCustomCombo: properties, focus and hover state, the attached label and
// the custom border and button drawing.

#include "controls/EsgCombo.h"

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/Canvas.h"

namespace {
constexpr TColor DisabledThemedFrame = 0xB99D7F;
}

TEsgCustomCombo::TEsgCustomCombo(TComponent* AOwner)
    : TCustomComboBox(AOwner), FButtonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2), FLabel(this) {
  FLabel.Font()->OnChange = [this](TObject*) {
    placeLabel();
    if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading)) SetParentFont(false);
  };
}

TEsgCustomCombo::~TEsgCustomCombo() { FLabel.Font()->OnChange = nullptr; }

void TEsgCustomCombo::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomComboBox::Notification(AComponent, Operation);
  if (Operation == opRemove) FLabel.Removed(AComponent);
}

void TEsgCustomCombo::SetBorderColor(TColor v) {
  if (v == FBorderColor) return;
  FBorderColor = v;
  Invalidate();
}

void TEsgCustomCombo::SetButtonWidth(int v) {
  if (v < 14 || v > 32) return;
  FButtonWidth = v;
  BoundsChanged();  // the field and the edit inside it follow the button
  Invalidate();
}

void TEsgCustomCombo::SetFlat(bool v) {
  if (v == FFlat) return;
  FFlat = v;
  SetCtl3D(!v);
  if (FFlatParentColor && FFlat) {
    if (Parent()) TCustomComboBox::SetColor(Parent()->Color());  // the parent paints its background in its colour
  } else {
    TCustomComboBox::SetColor(FLoadedColor);
  }
  Invalidate();
}

void TEsgCustomCombo::SetColor(TColor v) {
  if (ComponentState().Contains(csLoading)) FLoadedColor = v;
  TCustomComboBox::SetColor(v);
}

void TEsgCustomCombo::SetEtched(bool v) {
  if (v == FEtched) return;
  FEtched = v;
  Invalidate();
}

void TEsgCustomCombo::SetDropWidth(int v) {
  FDropWidth = v;
  if (v > 0) SetDroppedWidth(v);
}

void TEsgCustomCombo::Loaded() {
  TCustomComboBox::Loaded();
  if (FDropWidth > 0) SetDroppedWidth(FDropWidth);
  FOldColor = FLoadedColor;
  if (!FFlatParentColor || FFlat) TCustomComboBox::SetColor(FLoadedColor);
  FLabel.ControlEnabledChanged(Enabled());
  placeLabel();
  Init();
}

void TEsgCustomCombo::SelectItem(const std::string& AString) {
  int i = Items()->IndexOf(AString);
  if (i >= 0) SetItemIndex(i);
}

// ---- label ----

void TEsgCustomCombo::SetLabelFont(const TFont* v) {
  if (ParentFont()) return;
  FLabel.Font()->Assign(v);
  placeLabel();
}

// With the parent's font the label shows the combo's own.
void TEsgCustomCombo::placeLabel() {
  FLabel.UseControlFont = ParentFont();
  FLabel.Place();
}

void TEsgCustomCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!ComponentState().Contains(csDestroying)) placeLabel();
}

void TEsgCustomCombo::CMVisibleChanged(TMessage& Message) {
  TCustomComboBox::CMVisibleChanged(Message);
  FLabel.ControlVisibleChanged(Visible());
}

void TEsgCustomCombo::SetEnabled(bool v) {
  bool changed = v != Enabled();
  TCustomComboBox::SetEnabled(v);
  if (!changed || ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning)) return;
  FLabel.ControlEnabledChanged(v);
  placeLabel();
}

void TEsgCustomCombo::CMParentFontChanged(TMessage& Message) {
  TCustomComboBox::CMParentFontChanged(Message);
  placeLabel();
}

void TEsgCustomCombo::setLabelBold(bool Bold) {
  if (FFocusLabel) FLabel.SetBold(Bold);
}

// ---- focus, hover, enabled ----

void TEsgCustomCombo::CMEnter(TMessage& Message) {
  TCustomComboBox::CMEnter(Message);
  if (ComponentState().Contains(csDesigning)) return;
  FHasFocus = true;
  if (FNormalColor == 0) FNormalColor = Color();
  if (FFocusColor != clNone) SetColor(FFocusColor);
  setLabelBold(true);
  Invalidate();
}

void TEsgCustomCombo::CMExit(TMessage& Message) {
  TCustomComboBox::CMExit(Message);
  if (ComponentState().Contains(csDesigning)) return;
  FHasFocus = false;
  if (FFocusColor != clNone && FNormalColor != 0) SetColor(FNormalColor);
  setLabelBold(false);
  Invalidate();
}

void TEsgCustomCombo::CMMouseEnter(TCMControlMsg& Message) {
  TCustomComboBox::CMMouseEnter(Message);
  if (FMouseInControl || !Enabled()) return;
  FMouseInControl = true;
  if (FAutoFocus && !ComponentState().Contains(csDesigning)) {
    TCustomForm* form = GetParentForm(this);
    if (!form || (form->HandleAllocated() && GetActiveWindow() == form->Handle())) SetFocus();
  }
  Invalidate();
}

void TEsgCustomCombo::CMMouseLeave(TCMControlMsg& Message) {
  TCustomComboBox::CMMouseLeave(Message);
  if (!FMouseInControl || !Enabled()) return;
  FMouseInControl = false;
  FButtonHover = false;
  Invalidate();
}

void TEsgCustomCombo::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomComboBox::MouseMove(Shift, X, Y);
  bool hover = X > Width() - FButtonWidth && X < Width();
  if (hover == FButtonHover) return;
  FButtonHover = hover;
  Invalidate();
}

// A flat combo shows its parent's colour while disabled.
void TEsgCustomCombo::CMEnabledChanged(TMessage& Message) {
  if (FFlat && !ComponentState().Contains(csLoading)) {
    if (Enabled()) {
      SetParentColor(FOldParentColor);
      TCustomComboBox::SetColor(FOldColor);
    } else {
      FOldParentColor = ParentColor();
      FOldColor = Color();
      SetParentColor(true);
    }
  }
  TCustomComboBox::CMEnabledChanged(Message);
}

void TEsgCustomCombo::DropDown() {
  TCustomComboBox::DropDown();
  Invalidate();
}

void TEsgCustomCombo::CloseUp() {
  TCustomComboBox::CloseUp();
  Invalidate();
  if (OnDropUp) OnDropUp(this);
}

// ---- painting ----

bool TEsgCustomCombo::activeLook() const {
  if (ComponentState().Contains(csDesigning)) return Enabled();
  return FMouseInControl || (Screen && Screen->ActiveControl() == this) || Focused();
}

void TEsgCustomCombo::Paint() {
  TCustomComboBox::Paint();
  if (FIsVista && FButtonColor == clNone) return;
  if (FButtonColor != clNone) drawButton(Canvas());
  drawBorders(Canvas());
}

void TEsgCustomCombo::drawButton(TCanvas* C) {
  TRect r = ButtonRect();
  bool down = FButtonHover && GetAsyncKeyState(VK_LBUTTON) < 0;
  TColor face = down ? FButtonColorDown : FButtonHover ? FButtonColorHot : FButtonColor;
  if (face == clNone) face = FButtonColor;
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(face);
  C->Pen()->SetColor(face);
  C->Rectangle(r);
  C->Pen()->SetColor(FButtonBorderColor == clNone ? face : FButtonBorderColor);
  C->MoveTo(r.Left, r.Top);
  C->LineTo(r.Left, r.Bottom);
  TColor arrow = down && FButtonTextColorDown != clNone ? FButtonTextColorDown : FButtonTextColor;
  if (arrow == clNone) arrow = clBtnText;
  int cx = r.Left + (r.Width() - 7) / 2, cy = r.Top + (r.Height() - 4) / 2;
  C->Brush()->SetColor(arrow);
  C->Pen()->SetColor(arrow);
  TPoint tri[3] = {{cx, cy}, {cx + 6, cy}, {cx + 3, cy + 3}};
  C->Polygon(tri, 3);
}

void TEsgCustomCombo::drawBorders(TCanvas* C) {
  bool plain = Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone;
  if (plain || (FIsVista && FBorderColor == clNone)) return;
  TRect r = ClientRect();
  C->Brush()->SetStyle(bsSolid);
  auto frame = [&](TColor c, const TRect& at) {
    C->Brush()->SetColor(c);
    C->FrameRect(at);
  };
  if (!Enabled() && !FDisabledBorder) {
    frame(DisabledThemedFrame, r);
    return;
  }
  if (FBorderColor != clNone && !(FHasFocus && FFocusBorderColor != clNone)) {
    frame(FBorderColor, r);
  } else if (FFocusBorderColor != clNone) {
    if (FHasFocus) frame(FFocusBorderColor, r);
  } else {
    TColor outer = activeLook() && FFocusBorder ? clBtnFace : (Parent() ? Parent()->Color() : clBtnFace);
    frame(outer, r);
    InflateRect(r, -1, -1);
    frame(Color(), r);
  }
  if (FFlat && FFlatLineColor != clNone) {
    C->Pen()->SetColor(FFlatLineColor);
    C->MoveTo(0, Height() - 1);
    C->LineTo(Width() - FButtonWidth - 3, Height() - 1);
  }
}
