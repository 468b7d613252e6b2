#include "controls/AttachedLabel.h"

#include "toolkit/graphics/Canvas.h"

TAttachedLabel::TAttachedLabel(TWinControl* Control) : FControl(Control), FFont(std::make_unique<TFont>()) {}

// The control hears of it (Removed) while this object still stands.
TAttachedLabel::~TAttachedLabel() { delete FLabel; }

std::string TAttachedLabel::Caption() const { return FLabel ? FLabel->Caption() : std::string(); }

void TAttachedLabel::SetCaption(const std::string& Value) {
  if (!FLabel) {
    FLabel = new TLabel(FControl);
    FLabel->SetFocusControl(FControl);
    FLabel->FreeNotification(FControl);
    FLabel->OnClick = [this](TObject*) {
      if (OnClick) OnClick(FControl);
    };
    FLabel->OnDblClick = [this](TObject*) {
      if (OnDblClick) OnDblClick(FControl);
    };
  }
  FLabel->SetCaption(Value);
  Place();
}

void TAttachedLabel::SetAlwaysEnabled(bool Value) {
  FAlwaysEnabled = Value;
  if (FLabel && Value) FLabel->SetEnabled(true);
  if (FLabel) FLabel->Invalidate();
}

void TAttachedLabel::Place() {
  if (!FLabel) return;
  if (FLabel->Parent() != FControl->Parent()) FLabel->SetParent(FControl->Parent());
  FLabel->SetTransparent(FTransparent);
  FLabel->Font()->Assign(UseControlFont ? FControl->Font() : FFont.get());
  if (FBold) FLabel->Font()->SetStyle(FLabel->Font()->Style() + TFontStyles{fsBold});
  FLabel->Canvas()->Font()->Assign(FLabel->Font());
  TRect calc{0, 0, 1000, 255};
  FLabel->Canvas()->DrawText(FLabel->Caption(), calc, DT_CALCRECT | DT_HIDEPREFIX);
  TPoint at = LabelOrigin(FPosition, FControl->BoundsRect(), calc.Right, {FLabel->Width(), FLabel->Height()}, FMargin);
  FLabel->SetLeft(at.X);
  FLabel->SetTop(at.Y);
  FLabel->SetVisible(FControl->Visible());
}

void TAttachedLabel::ControlEnabledChanged(bool Enabled) {
  if (FLabel && !FAlwaysEnabled) FLabel->SetEnabled(Enabled);
}

void TAttachedLabel::ControlVisibleChanged(bool Visible) {
  if (FLabel) FLabel->SetVisible(Visible);
}

void TAttachedLabel::SetBold(bool Bold) {
  FBold = Bold;
  Place();
}
