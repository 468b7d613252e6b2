#include "grid/output/ControlLook.h"

TControlLook::TControlLook(TComponent* AOwner, TFixedFaceColors* GridFaces)
    : FGridFaces(GridFaces),
      FCheckedGlyph(std::make_unique<TBitmap>()),
      FUnCheckedGlyph(std::make_unique<TBitmap>()),
      FRadioOnGlyph(std::make_unique<TBitmap>()),
      FRadioOffGlyph(std::make_unique<TBitmap>()) {
  Init();
  FDropDownHeader = std::make_unique<THeaderAppearance>(AOwner);
  FDropDownFooter = std::make_unique<TFooterAppearance>(AOwner);
}

TControlLook::~TControlLook() = default;

void TControlLook::Init() {
  F.Color = clBlack;
  F.CommentColor = clRed;
  F.ProgressBorderColor = TColor(0x808080);
  FFaces.From = FFaces.To = FFaces.MirrorFrom = FFaces.MirrorTo = clNone;
  SetFixedGradientHoverTo(TColor(0xFFFFFF));
  SetFixedGradientHoverFrom(TColor(0x808080));
  SetFixedGradientHoverMirrorFrom(clNone);
  SetFixedGradientHoverMirrorTo(clNone);
  SetFixedGradientHoverBorder(TColor(0xC0C0C0));
  SetFixedGradientDownTo(TColor(0xC0C0C0));
  SetFixedGradientDownFrom(TColor(0x808080));
  SetFixedGradientDownMirrorFrom(clNone);
  SetFixedGradientDownMirrorTo(clNone);
  SetFixedGradientDownBorder(TColor(0x808080));
}

void TControlLook::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TControlLook*>(Source);
  if (!s) return;
  const TValues keep = F;
  F = s->F;
  // These stay the target's own.
  F.FixedDropDownButton = keep.FixedDropDownButton;
  F.FlatButton = keep.FlatButton;
  F.NoDisabledCheckRadioLook = keep.NoDisabledCheckRadioLook;
  F.NoDisabledButtonLook = keep.NoDisabledButtonLook;
  F.ProgressXP = keep.ProgressXP;
  FCheckedGlyph->Assign(s->FCheckedGlyph.get());
  FUnCheckedGlyph->Assign(s->FUnCheckedGlyph.get());
  FRadioOnGlyph->Assign(s->FRadioOnGlyph.get());
  FRadioOffGlyph->Assign(s->FRadioOffGlyph.get());
  FFaces = s->FFaces;
  FDropDownFooter->Assign(s->FDropDownFooter.get());
  FDropDownHeader->Assign(s->FDropDownHeader.get());
}

void TControlLook::repaintGrid() {
  if (OnChange) OnChange(this);
}

void TControlLook::forwardFace(TColor TFixedFaceColors::*Field, TColor v) {
  if (!FGridFaces) return;
  FGridFaces->*Field = v == clNone ? clNone : ColorToRGB(v);
  repaintGrid();
}

void TControlLook::copyGlyph(TBitmap& Glyph, const TBitmap* Source) {
  Glyph.Assign(Source);
  repaintGrid();
}

void TControlLook::SetFixedGradientFrom(TColor v) {
  FFaces.From = v;
  if (v != clNone) forwardFace(&TFixedFaceColors::From, v);
}

void TControlLook::SetFixedGradientTo(TColor v) {
  FFaces.To = v;
  if (v != clNone) forwardFace(&TFixedFaceColors::To, v);
}

void TControlLook::SetFixedGradientMirrorFrom(TColor v) {
  FFaces.MirrorFrom = v;
  forwardFace(&TFixedFaceColors::MirrorFrom, v);
}

void TControlLook::SetFixedGradientMirrorTo(TColor v) {
  FFaces.MirrorTo = v;
  forwardFace(&TFixedFaceColors::MirrorTo, v);
}

void TControlLook::copyWhenSet(TColor TFixedFaceColors::*Field, TColor v) {
  FFaces.*Field = v;
  if (v != clNone && FGridFaces) FGridFaces->*Field = v;
}

void TControlLook::copyAlways(TColor TFixedFaceColors::*Field, TColor v) {
  FFaces.*Field = v;
  if (FGridFaces) FGridFaces->*Field = v;
}
