#include "toolkit/graphics/RasterGraphic.h"

#include <typeinfo>

#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/Streams.h"

TRasterGraphic::TRasterGraphic() {
  bitmap_.OnChange = [this](TObject*) { Changed(); };
}

void TRasterGraphic::Assign(const TPersistent* Source) {
  const auto* same = dynamic_cast<const TRasterGraphic*>(Source);
  if (same && typeid(*same) == typeid(*this)) {
    if (same == this) return;
    bitmap_.Assign(&same->bitmap_);
    SetTransparent(same->Transparent());
    AssignDetails(*same);
    return;
  }
  if (const auto* bmp = dynamic_cast<const TBitmap*>(Source)) {
    bitmap_.Assign(bmp);
    return;
  }
  TGraphic::Assign(Source);
}

void TRasterGraphic::AssignTo(TPersistent* Dest) const {
  if (auto* bmp = dynamic_cast<TBitmap*>(Dest)) {
    bmp->Assign(&bitmap_);
    return;
  }
  TGraphic::AssignTo(Dest);
}

void TRasterGraphic::Draw(TCanvas* canvas, const TRect& r) { bitmap_.Draw(canvas, r); }

void TRasterGraphic::DrawTransparent(TCanvas* canvas, const TRect& r, uint8_t opacity) {
  bitmap_.DrawTransparent(canvas, r, opacity);
}

void TRasterGraphic::SetWidth(int v) {
  if (!Resizable()) throw EInvalidGraphicOperation("Cannot change the size of a " + ClassName());
  bitmap_.SetWidth(v);
}

void TRasterGraphic::SetHeight(int v) {
  if (!Resizable()) throw EInvalidGraphicOperation("Cannot change the size of a " + ClassName());
  bitmap_.SetHeight(v);
}

void TRasterGraphic::LoadFromStream(TStream& stream) {
  const std::vector<uint8_t> bytes = stream.ReadAll();
  SetPixels(Decode(bytes));
}

void TRasterGraphic::SaveToStream(TStream& stream) {
  const std::vector<uint8_t> bytes = Encode(Pixels());
  stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
}

void TRasterGraphic::SetPixels(const TPixelImage& image) { bitmap_.SetPixelImage(image); }

TPixelImage TRasterGraphic::Pixels() const { return bitmap_.GetPixelImage(); }
