// The item selector's cells and the colours of its hot and selected cells.

#include "controls/ExtItemSelector.h"

TSelectorItem::TSelectorItem(TCollection* Collection)
    : TCollectionItem(Collection), FImage(std::make_unique<TPicture>()) {}

void TSelectorItem::notifyCollection() {
  if (auto* items = dynamic_cast<TSelectorItems*>(Collection()); items && items->OnChange) items->OnChange(items);
}

void TSelectorItem::SetCaption(const std::string& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  notifyCollection();
}

void TSelectorItem::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  notifyCollection();
}

void TSelectorItem::SetImageIndex(int Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  notifyCollection();
}

void TSelectorItem::Assign(const TPersistent* Source) {
  auto* src = dynamic_cast<const TSelectorItem*>(Source);
  if (src == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetCaption(src->FCaption);
  SetColor(src->FColor);
  SetImageIndex(src->FImageIndex);
  FImage->Assign(src->FImage.get());
  FEnabled = src->FEnabled;
  FHint = src->FHint;
}

namespace {

// The twelve face colours of a preset scheme, named as in the appearance.
struct TFacePreset {
  TColor ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo, BorderColorTop, BorderColorBottom, BorderColor,
      EdgeColor, ColorSelected, ColorSelectedTo, ColorMirrorSelected, ColorMirrorSelectedTo;
};

constexpr TFacePreset kOffice2007{TColor(0xD7FFFD), TColor(0x58D4FC), TColor(0x58D4FC), TColor(0xB3F1FC),
                                  TColor(0xF4FEFF), TColor(0xCAF8FF), TColor(0x8DD7D3), TColor(0xC3D9DF),
                                  TColor(0xA6FFFB), TColor(0x04B9F4), TColor(0x15C1FB), TColor(0x68E3F9)};
constexpr TFacePreset kWindowsVista{TColor(0xFDF8F1), TColor(0xFCEFD5), clNone, clNone,
                                    TColor(0xFDFBF6), TColor(0xFDF5E7), TColor(0xFDDE99), TColor(0xFCEDCB),
                                    TColor(0xFAEEDE), TColor(0xFAE3B4), clNone, clNone};
constexpr TFacePreset kWindows7{TColor(0xFCEBDC), TColor(0xFCDBC1), clNone, clNone,
                                TColor(0xFDF4EB), TColor(0xFDEADB), TColor(0xCEA27D), TColor(0xE0C5AE),
                                TColor(0xF9D8B9), TColor(0xFBCAA2), clNone, clNone};

// Copies the twelve face colours (a preset's or another appearance's).
template <class From, class To>
void copyFace(const From& f, To& t) {
  t.ColorHot = f.ColorHot, t.ColorHotTo = f.ColorHotTo;
  t.ColorMirrorHot = f.ColorMirrorHot, t.ColorMirrorHotTo = f.ColorMirrorHotTo;
  t.BorderColorTop = f.BorderColorTop, t.BorderColorBottom = f.BorderColorBottom;
  t.BorderColor = f.BorderColor, t.EdgeColor = f.EdgeColor;
  t.ColorSelected = f.ColorSelected, t.ColorSelectedTo = f.ColorSelectedTo;
  t.ColorMirrorSelected = f.ColorMirrorSelected, t.ColorMirrorSelectedTo = f.ColorMirrorSelectedTo;
}

}  // namespace

TItemAppearance::TItemAppearance(TPersistent* AOwner) : FOwner(AOwner), FFont(std::make_unique<TFont>()) {
  FFont->SetName("Tahoma");
  SetColorStyle(scOffice2007);
}

void TItemAppearance::SetColorStyle(TSelectionColorStyle Value) {
  if (Value == FColorStyle) return;
  FColorStyle = Value;
  switch (Value) {
    case scOffice2007: copyFace(kOffice2007, *this); break;
    case scWindowsVista: copyFace(kWindowsVista, *this); break;
    case scWindows7: copyFace(kWindows7, *this); break;
    case scCustom: break;
  }
}

void TItemAppearance::Assign(const TPersistent* Source) {
  auto* src = dynamic_cast<const TItemAppearance*>(Source);
  if (src == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  copyFace(*src, *this);
  FFont->Assign(src->FFont.get());
  // A different style lays its preset over the copied colours.
  SetColorStyle(src->FColorStyle);
  ColorSelectedText = src->ColorSelectedText;
  ColorHotText = src->ColorHotText;
  BorderColorHot = src->BorderColorHot;
  BorderColorSelected = src->BorderColorSelected;
}
