// TCellGraphic: setters by kind, ownership, copying and the picture size;
// TCellNode's settings.

#include "grid/core/CellGraphic.h"

#include <cmath>

#include "toolkit/forms/Controls.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Icon.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/rtl/Exceptions.h"

TCellGraphic::~TCellGraphic() { ReleaseObjects(); }

// Objects handed to the Add operations stay the caller's; what the grid made
// (CellCreated) and the lists it always makes itself go with the graphic.
bool TCellGraphic::OwnsBitmap() const {
  if (!CellBitmap) return false;
  switch (CellType) {
    case ctBitmap:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton: return CellCreated;
    case ctImages:
    case ctBalloon: return true;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton: return CellAngle == 1;  // an attached balloon
    default: return false;
  }
}

bool TCellGraphic::OwnsIcon() const { return CellIcon && CellType == ctIcon && CellCreated; }

void TCellGraphic::ReleaseObjects() {
  if (OwnsBitmap()) delete CellBitmap;
  if (OwnsIcon()) delete CellIcon;
  CellBitmap = nullptr;
  CellIcon = nullptr;
  CellCreated = false;
}

// A copy of an object a graphic may own, of the same class; nullptr for a
// class the graphic never makes.
TObject* TCellGraphic::copyOf(const TObject* Source) {
  auto copyInto = [](auto* target, const TPersistent* from) {
    std::unique_ptr<std::remove_pointer_t<decltype(target)>> keep(target);
    keep->Assign(from);
    return static_cast<TObject*>(keep.release());
  };
  if (auto* l = dynamic_cast<const TIntList*>(Source)) {
    auto* copy = new TIntList(0, 0);
    for (int i = 0; i < l->Count(); ++i) copy->Insert(i, l->GetInteger(i));
    return copy;
  }
  if (auto* s = dynamic_cast<const TStrings*>(Source)) return copyInto(new TStringList, s);
  if (auto* b = dynamic_cast<const TBitmap*>(Source)) return copyInto(new TBitmap, b);
  if (auto* i = dynamic_cast<const TIcon*>(Source)) return copyInto(new TIcon, i);
  if (auto* p = dynamic_cast<const TPicture*>(Source)) return copyInto(new TPicture, p);
  if (auto* f = dynamic_cast<const TFilePicture*>(Source)) return copyInto(new TFilePicture, f);
  return nullptr;
}

void TCellGraphic::Assign(const TPersistent* Source) {
  auto* src = dynamic_cast<const TCellGraphic*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  if (src == this) return;
  ReleaseObjects();
  CellType = src->CellType;
  CellVAlign = src->CellVAlign;
  CellHAlign = src->CellHAlign;
  CellIndex = src->CellIndex;
  CellTransparent = src->CellTransparent;
  CellValue = src->CellValue;
  CellAngle = src->CellAngle;
  CellBoolean = src->CellBoolean;
  CellErrFrom = src->CellErrFrom;
  CellErrLen = src->CellErrLen;
  CellText = src->CellText;
  CellBitmapColor = src->CellBitmapColor;
  CellIconColor = src->CellIconColor;
  // The flag travels only with an owned copy, so two graphics never free one object.
  CellBitmap = src->OwnsBitmap() ? copyOf(src->CellBitmap) : src->CellBitmap;
  CellIcon = src->OwnsIcon() ? copyOf(src->CellIcon) : src->CellIcon;
  CellCreated = src->CellCreated && ((src->OwnsBitmap() && CellBitmap) || (src->OwnsIcon() && CellIcon));
}

void TCellGraphic::SetInterfacedCell(TInterfacedPersistent* AObject) {
  CellType = ctInterface;
  CellBitmap = AObject;
}

void TCellGraphic::SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val) {
  CellType = ctBitmap;
  CellBitmap = ABmp;
  CellTransparent = Transparent;
  setAligns(hal, val);
}

void TCellGraphic::SetButton(int bw, int bh, const std::string& caption, TCellHAlign hal, TCellVAlign val) {
  CellType = ctButton;
  setAligns(hal, val);
  CellIndex = static_cast<int>((static_cast<uint32_t>(bh) << 16) | (static_cast<uint32_t>(bw) & 0xFFFF));
  CellBoolean = false;
  CellText = caption;
}

void TCellGraphic::SetBitButton(int bw, int bh, const std::string& caption, TBitmap* Glyph, TCellHAlign hal,
                                TCellVAlign val) {
  SetButton(bw, bh, caption, hal, val);
  CellType = ctBitButton;
  CellBitmap = Glyph;
}

void TCellGraphic::SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                              TCellHAlign hal, TCellVAlign val) {
  CellType = ctPicture;
  CellBitmap = APicture;
  CellTransparent = Transparent;
  CellAngle = StretchMode;
  CellIndex = padding;
  setAligns(hal, val);
}

void TCellGraphic::SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                                  TCellHAlign hal, TCellVAlign val) {
  CellType = ctFilePicture;
  CellBitmap = APicture;
  CellTransparent = Transparent;
  CellAngle = StretchMode;
  CellIndex = padding;
  setAligns(hal, val);
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val) {
  CellType = Data ? ctDataCheckBox : ctCheckBox;
  CellAngle = 0;
  CellBoolean = Value;
  CellTransparent = Flat;
  setAligns(hal, val);
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
  CellType = ctTriStateCheckBox;
  CellCheckBoxState = Value;
  CellBoolean = false;
  CellTransparent = Flat;
  setAligns(hal, val);
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
  CellType = ctRadioButton;
  CellAngle = 0;
  CellBoolean = Value;
  CellTransparent = Flat;
  setAligns(hal, val);
}

void TCellGraphic::SetIcon(TIcon* aicon, TCellHAlign hal, TCellVAlign val) {
  CellType = ctIcon;
  CellIcon = aicon;
  setAligns(hal, val);
}

void TCellGraphic::SetDataImage(int idx, TCellHAlign hal, TCellVAlign val) {
  CellType = ctDataImage;
  CellIndex = idx;
  setAligns(hal, val);
}

void TCellGraphic::SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val) {
  CellType = ctImageList;
  CellIndex = idx;
  setAligns(hal, val);
}

void TCellGraphic::SetMultiImage(int Col, int Row, int Dir, TCellHAlign hal, TCellVAlign val,
                                 TImageChangeEvent Notifier) {
  ReleaseObjects();
  CellType = ctImages;
  setAligns(hal, val);
  CellBoolean = Dir == 0;
  auto* list = new TIntList(Col, Row);
  list->OnChange = std::move(Notifier);
  CellBitmap = list;
  CellCreated = true;
}

void TCellGraphic::SetAngle(int16_t AAngle) {
  int a = AAngle;
  while (a < 0) a += 360;
  while (a > 360) a -= 360;
  CellType = ctRotated;
  CellAngle = a;
}

TPoint TCellGraphic::GetPictureSize(int cw, int rh, bool HasText) const {
  (void)HasText;
  int w = 0, h = 0;
  if (CellType == ctPicture && Picture()) {
    w = Picture()->Width();
    h = Picture()->Height();
  } else if (CellType == ctFilePicture && FilePicture()) {
    w = FilePicture()->Width();
    h = FilePicture()->Height();
  } else {
    return {0, 0};
  }
  cw -= CellIndex;
  rh -= CellIndex;
  auto fit = [&](double rx, double ry) -> TPoint {
    if (rx >= ry) return {static_cast<int>(std::nearbyint(w * ry)), rh};
    return {cw, static_cast<int>(std::nearbyint(h * rx))};
  };
  double rx = w > 0 ? static_cast<double>(cw) / w : 1.0;
  double ry = h > 0 ? static_cast<double>(rh) / h : 1.0;
  bool tooLarge = w > cw || h > rh;
  switch (CellAngle) {
    case Stretch: return {cw, rh};
    case Shrink: return tooLarge ? TPoint{cw, rh} : TPoint{w, h};
    case StretchWithAspectRatio: return fit(rx, ry);
    case ShrinkWithAspectRatio:
      if (!tooLarge) return {w, h};
      return fit(std::min(rx, 1.0), std::min(ry, 1.0));
    default: return {w, h};
  }
}

TBitmap* TCellGraphic::Bitmap() const { return dynamic_cast<TBitmap*>(CellBitmap); }
TIcon* TCellGraphic::Icon() const { return dynamic_cast<TIcon*>(CellIcon); }
TPicture* TCellGraphic::Picture() const { return dynamic_cast<TPicture*>(CellBitmap); }
TFilePicture* TCellGraphic::FilePicture() const { return dynamic_cast<TFilePicture*>(CellBitmap); }
TStrings* TCellGraphic::Strings() const { return dynamic_cast<TStrings*>(CellBitmap); }
TIntList* TCellGraphic::IntList() const { return dynamic_cast<TIntList*>(CellBitmap); }

// ---- TCellNode ----

TCellNode::TCellNode(TControl* AOwner)
    : FOwner(AOwner), FExpandGlyph(std::make_unique<TBitmap>()), FContractGlyph(std::make_unique<TBitmap>()) {}

TCellNode::~TCellNode() = default;

void TCellNode::Assign(const TPersistent* Source) {
  auto* src = dynamic_cast<const TCellNode*>(Source);
  if (!src || src == this) return;
  FColor = src->FColor;
  FExpandOne = src->FExpandOne;
  FNodeType = src->FNodeType;
  FNodeColor = src->FNodeColor;
  FNodeIndent = src->FNodeIndent;
  FExpandGlyph->Assign(src->FExpandGlyph.get());
  FContractGlyph->Assign(src->FContractGlyph.get());
  FShowTree = src->FShowTree;
  FShowTreeFull = src->FShowTreeFull;
  FTreeColor = src->FTreeColor;
}

void TCellNode::SetExpandGlyph(const TBitmap* v) { FExpandGlyph->Assign(v); }
void TCellNode::SetContractGlyph(const TBitmap* v) { FContractGlyph->Assign(v); }

void TCellNode::repaintOwner() {
  if (FOwner) FOwner->Invalidate();
}
