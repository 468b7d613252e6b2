#include "controls/ExtDropDownAppearance.h"

#include "toolkit/rtl/Exceptions.h"

// ---- buttons

void TStripButton::notifyCollection() {
  TCollection* c = Collection();
  if (auto* h = dynamic_cast<THeaderButtons*>(c); h && h->OnChange) h->OnChange(h);
  if (auto* f = dynamic_cast<TFooterButtons*>(c); f && f->OnChange) f->OnChange(f);
}

void TStripButton::SetCaption(const std::string& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  notifyCollection();
}

void TStripButton::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  notifyCollection();
}

void TStripButton::SetWidth(int Value) {
  if (FWidth == Value) return;
  FWidth = Value;
  notifyCollection();
}

void TStripButton::AssignButton(const TStripButton& Source) {
  SetCaption(Source.FCaption);
  FImageIndex = Source.FImageIndex;
  SetEnabled(Source.FEnabled);
  SetWidth(Source.FWidth);
  FHeight = Source.FHeight;
}

void THeaderButton::Assign(const TPersistent* Source) {
  if (auto* b = dynamic_cast<const THeaderButton*>(Source)) return AssignButton(*b);
  TCollectionItem::Assign(Source);
}

void TFooterButton::Assign(const TPersistent* Source) {
  if (auto* b = dynamic_cast<const TFooterButton*>(Source)) {
    FModalResult = b->FModalResult;
    return AssignButton(*b);
  }
  TCollectionItem::Assign(Source);
}

// ---- strips

template <class TButtons>
TStripAppearance<TButtons>::TStripAppearance(TComponent* AOwner)
    : FOwnerComponent(AOwner), FButtons(std::make_unique<TButtons>(AOwner)) {
  FButtons->OnChange = [this](TObject*) {
    if (OnButtonsChanged) OnButtonsChanged(this);
  };
}

template <class TButtons>
TPersistent* TStripAppearance<TButtons>::GetOwner() const {
  return FOwnerComponent;
}

template <class TButtons>
void TStripAppearance<TButtons>::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  if (OnChange) OnChange(this);
}

template <class TButtons>
void TStripAppearance<TButtons>::AssignStripColors(const TStripAppearance& Source) {
  FColorTo = Source.FColorTo;
  FColor = Source.FColor;
  FBorderColor = Source.FBorderColor;
  FFont->Assign(Source.FFont.get());
  FGradientDirection = Source.FGradientDirection;
}

// Everything but SizeGrip; Visible through its setter so OnChange fires.
template <class A>
void AssignStrip(A& Target, const A& Source) {
  Target.AssignStripColors(Source);
  Target.FCaption = Source.FCaption;
  Target.FImageIndex = Source.FImageIndex;
  Target.FBorderWidth = Source.FBorderWidth;
  Target.FHeight = Source.FHeight;
  Target.SetVisible(Source.FVisible);
  Target.FButtonAlignment = Source.FButtonAlignment;
  Target.FButtons->Assign(Source.FButtons.get());
}

template class TStripAppearance<THeaderButtons>;
template class TStripAppearance<TFooterButtons>;

THeaderAppearance::THeaderAppearance(TComponent* AOwner) : TStripAppearance(AOwner) { Font()->SetName("Tahoma"); }

void THeaderAppearance::Assign(const TPersistent* Source) {
  if (auto* s = dynamic_cast<const THeaderAppearance*>(Source))
    AssignStrip<TStripAppearance<THeaderButtons>>(*this, *s);
}

void THeaderAppearance::AssignColors(const TPersistent* Source) {
  if (auto* s = dynamic_cast<const THeaderAppearance*>(Source)) AssignStripColors(*s);
}

TFooterAppearance::TFooterAppearance(TComponent* AOwner) : TStripAppearance(AOwner) {}

void TFooterAppearance::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TFooterAppearance*>(Source);
  if (!s) return;
  FSizeGrip = s->FSizeGrip;
  AssignStrip<TStripAppearance<TFooterButtons>>(*this, *s);
}

void TFooterAppearance::AssignColors(const TPersistent* Source) {
  if (auto* s = dynamic_cast<const TFooterAppearance*>(Source)) AssignStripColors(*s);
}

// ---- button colours

TExtButtonAppearance::TExtButtonAppearance() {
  FFont->SetName("Tahoma");
  F.ColorChecked = ScaleColorChannels(TColor(0xF5F0E1), -10, -10, 0);
  F.ColorCheckedTo = ScaleColorChannels(TColor(0xF9D2B2), -10, -10, 0);
}

void TExtButtonAppearance::change(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  if (OnChange) OnChange(this);
}

void TExtButtonAppearance::SetGradient(TGradientDirection Value) {
  if (FGradient == Value) return;
  FGradient = Value;
  if (OnChange) OnChange(this);
}

void TExtButtonAppearance::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TExtButtonAppearance*>(Source);
  if (!s) return TPersistent::Assign(Source);
  SetColor(s->F.Color);
  SetColorTo(s->F.ColorTo);
  SetColorHot(s->F.ColorHot);
  SetColorHotTo(s->F.ColorHotTo);
  SetColorDown(s->F.ColorDown);
  SetColorDownTo(s->F.ColorDownTo);
  SetColorChecked(s->F.ColorChecked);
  SetColorCheckedTo(s->F.ColorCheckedTo);
  SetColorDisabled(s->F.ColorDisabled);
  SetColorDisabledTo(s->F.ColorDisabledTo);
  SetBorderColor(s->F.BorderColor);
  SetBorderColorHot(s->F.BorderColorHot);
  SetBorderColorDown(s->F.BorderColorDown);
  SetBorderColorChecked(s->F.BorderColorChecked);
  SetBorderColorDisabled(s->F.BorderColorDisabled);
  SetGradient(s->FGradient);
}
