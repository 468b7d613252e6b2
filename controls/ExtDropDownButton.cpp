#include "controls/ExtDropDownButton.h"

#include "controls/DropDownTheme.h"
#include "controls/ExtDropDown.h"
#include "controls/ExtDropDownUtil.h"
#include "toolkit/graphics/Canvas.h"

namespace {

constexpr TColor BtnShadowGray = TColor(0x808080);

TExtCustomDropDown* DropDownOf(const TControl* Button) {
  auto* host = dynamic_cast<TDropDownEditButton*>(Button->Parent());
  return host ? dynamic_cast<TExtCustomDropDown*>(host->FocusControl()) : nullptr;
}

void DrawArrow(TCanvas* c, TColor Color) {
  c->Pen()->SetColor(Color);
  c->Pen()->SetWidth(1);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color);
  c->Polygon({{5, 7}, {11, 7}, {8, 10}});
}

}  // namespace

TExtDropDownSpeedButton::TExtDropDownSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

void TExtDropDownSpeedButton::SetButtonStyle(TButtonStyle Value) {
  FButtonStyle = Value;
  Invalidate();
}

void TExtDropDownSpeedButton::SetEtched(bool Value) {
  if (Value == FEtched) return;
  FEtched = Value;
  Invalidate();
}

void TExtDropDownSpeedButton::SetFocused(bool Value) {
  if (Value == FFocused) return;
  FFocused = Value;
  Invalidate();
}

void TExtDropDownSpeedButton::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) {
    FHot = Message.Msg == CM_MOUSEENTER;
    Invalidate();
  }
  TSpeedButton::Dispatch(Message);
}

bool TExtDropDownSpeedButton::pressed() const {
  return (State() == bsDown || State() == bsExclusive) && !FUp;
}

int TExtDropDownSpeedButton::themeState(bool enabled) const {
  if (!enabled) return 4;
  if (pressed()) return 3;
  return FHot ? 2 : 1;
}

void TExtDropDownSpeedButton::Paint() {
  if (FButtonStyle == bsDropDown) paintDropDown();
  else paintButton();
}

void TExtDropDownSpeedButton::paintDropDown() {
  TCanvas* c = Canvas();
  auto* host = dynamic_cast<TDropDownEditButton*>(Parent());
  TExtCustomDropDown* dd = DropDownOf(this);
  const TRect r = ClientRect();
  if (host && host->ButtonColor != clNone) {
    TColor face = FHot ? host->ButtonColorHot : pressed() ? host->ButtonColorDown : host->ButtonColor;
    if (pressed()) face = host->ButtonColorDown;
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(face);
    c->Pen()->SetColor(face);
    c->Rectangle(r);
    c->Pen()->SetColor(dd ? dd->BorderColor() : clNone);
    c->MoveTo(r.Left, r.Top);
    c->LineTo(r.Left, r.Bottom);
    TColor arrow = pressed() ? host->ButtonTextColorDown : FHot ? host->ButtonTextColorHot : host->ButtonTextColor;
    DrawArrow(c, arrow == clNone ? clBlack : arrow);
    return;
  }
  if (!Glyph()->Empty()) {
    c->Pen()->SetColor(BtnShadowGray);
    c->Brush()->SetColor(clBtnFace);
    c->Rectangle(r);
    Glyph()->SetTransparent(true);
    c->Draw(0, 0, Glyph());
    return;
  }
  const bool enabled = dd ? dd->Enabled() && !dd->ReadOnly() : Enabled();
  if (FIsWinXP && DropDownThemed()) {
    TRect t = r;
    t.Left += 1;
    DrawDropDownThemePart(c, Parent() ? Parent()->Handle() : nullptr, "combobox", 1, themeState(enabled), t);
    return;
  }
  TSpeedButton::Paint();
  c->Pen()->SetColor(clBtnFace);
  c->MoveTo(Width() - 2, 0);
  c->LineTo(0, 0);
  c->LineTo(0, Height() - 1);
  c->Pen()->SetColor(clWhite);
  c->MoveTo(Width() - 3, 1);
  c->LineTo(1, 1);
  c->LineTo(1, Height() - 2);
  DrawArrow(c, clBlack);
}

void TExtDropDownSpeedButton::paintButtonContent(TRect r, bool down) {
  TCanvas* c = Canvas();
  const bool glyph = !Glyph()->Empty();
  c->Brush()->SetStyle(bsClear);
  TRect inner = r;
  InflateRect(inner, -2, -2);
  if (glyph) {
    int x = Caption().empty() ? inner.Left + std::max(0, (inner.Width() - Glyph()->Width()) / 2) : inner.Left + 2;
    int y = inner.Top + std::max(0, (inner.Height() - Glyph()->Height()) / 2);
    if (down) ++x, ++y;
    Glyph()->SetTransparent(true);
    c->Draw(x, y, Glyph());
  }
  if (Caption().empty()) return;
  TRect t = r;
  InflateRect(t, -3, -1);
  if (glyph) t.Left = inner.Left + 2 + Glyph()->Width() + 2, t.Top -= 1;
  if (down) OffsetRect(t, 1, 1);
  c->DrawText(Caption(), t, DT_SINGLELINE | DT_VCENTER | (glyph ? DT_LEFT : DT_CENTER));
}

void TExtDropDownSpeedButton::paintButton() {
  TCanvas* c = Canvas();
  if (TExtCustomDropDown* dd = DropDownOf(this)) c->Font()->Assign(dd->Font());
  const TRect r = ClientRect();
  if (FIsWinXP && DropDownThemed()) {
    c->FillRect(r);
    DrawDropDownThemePart(c, Parent() ? Parent()->Handle() : nullptr, "button", 1, themeState(Enabled()),
                          TRect(0, 0, Width() + 1, Height() + 1));
    paintButtonContent(r, State() == bsDown);
    return;
  }
  if (Flat()) {
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(r);
    TRect e(r.Left, r.Top, r.Right + 1, r.Bottom + 1);
    c->DrawEdge(e, State() == bsDown ? BDR_SUNKENOUTER : FEtched ? EDGE_ETCHED : BDR_RAISEDINNER, BF_RECT);
    paintButtonContent(r, State() == bsDown);
    return;
  }
  TSpeedButton::Paint();
}

// ---- the host

TDropDownEditButton::TDropDownEditButton(TComponent* AOwner) : TWinControl(AOwner) {
  TControlStyle s = ControlStyle();
  s.Exclude(csAcceptsControls);
  s.Exclude(csSetCaption);
  s.Include(csOpaque);
  SetControlStyle(s);
  FButton = new TExtDropDownSpeedButton(this);
  FButton->SetParent(this);
  FButton->OnClick = [](TObject*) {};
  FButton->OnMouseUp = [this](TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
    buttonUp(Sender, Button, Shift, X, Y);
  };
  FButton->SetEnabled(Enabled());
  FButton->SetCaption("");
  FButton->SetButtonStyle(bsDropDown);
  TWinControl::SetBounds(Left(), Top(), 16, 25);
  applySize();
}

void TDropDownEditButton::buttonUp(TObject* Sender, TMouseButton Button, TShiftState, int, int) {
  if (Button == mbLeft && Sender == FButton && OnClick) OnClick(this);
}

void TDropDownEditButton::applySize() {
  if (FButton == nullptr) return;
  if (Width() != FBWidth) TWinControl::SetBounds(Left(), Top(), FBWidth, Height());
  FButton->SetBounds(0, 0, FBWidth, Height());
}

void TDropDownEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  applySize();
}

void TDropDownEditButton::Loaded() {
  TWinControl::Loaded();
  applySize();
}

void TDropDownEditButton::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TDropDownEditButton::CMEnabledChanged(TMessage& Message) {
  TWinControl::CMEnabledChanged(Message);
  if (FButton) FButton->SetEnabled(Enabled());
}
