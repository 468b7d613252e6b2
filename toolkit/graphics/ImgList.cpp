#include "toolkit/graphics/ImgList.h"

#include <algorithm>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/rtl/Exceptions.h"

namespace {

uint32_t ToArgb(TColor c) {
  const uint32_t rgb = ColorToPixelRGB(c);  // 0x00BBGGRR
  return MakeArgb(0xFF, uint8_t(rgb), uint8_t(rgb >> 8), uint8_t(rgb >> 16));
}

// The cell at column `cell` of width w, padded with transparent pixels.
TPixelImage Cut(const TPixelImage& src, int cell, int w, int h) {
  TPixelImage out(w, h, 0);
  const int left = cell * w;
  for (int y = 0; y < std::min(h, src.Height); ++y)
    for (int x = 0; x < w && left + x < src.Width; ++x) out.At(x, y) = src.At(left + x, y);
  return out;
}

}  // namespace

TPixelImage DisabledImage(const TPixelImage& image) {
  TPixelImage out = image;
  for (uint32_t& p : out.Pixels) {
    const uint8_t g = uint8_t((ArgbR(p) + ArgbG(p) + ArgbB(p)) / 3 / 2 + 96);
    p = MakeArgb(ArgbA(p), g, g, g);
  }
  return out;
}

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner) {}

TImageList::TImageList(TComponent* AOwner, int width, int height)
    : TComponent(AOwner), width_(std::max(1, width)), height_(std::max(1, height)) {}

void TImageList::SetWidth(int v) {
  v = std::max(1, v);
  if (v == width_) return;
  width_ = v;
  Clear();
}

void TImageList::SetHeight(int v) {
  v = std::max(1, v);
  if (v == height_) return;
  height_ = v;
  Clear();
}

void TImageList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EInvalidOperation("Invalid ImageList Index");
}

void TImageList::Changed() {
  if (OnChange) OnChange(this);
}

std::vector<TPixelImage> TImageList::Cells(TBitmap* image, TBitmap* mask, TColor maskColor) const {
  if (!image || image->Empty()) throw EInvalidOperation("Cannot add an empty image to an image list");
  TPixelImage src = image->GetPixelImage();
  if (mask && !mask->Empty()) {
    const TPixelImage m = mask->GetPixelImage();
    for (int y = 0; y < std::min(src.Height, m.Height); ++y)
      for (int x = 0; x < std::min(src.Width, m.Width); ++x)
        if (m.At(x, y) & 0xFFFFFFu) src.At(x, y) &= 0x00FFFFFFu;
  } else if (maskColor != clNone) {
    const uint32_t key = maskColor == clDefault ? (src.At(0, src.Height - 1) | 0xFF000000u) : ToArgb(maskColor);
    for (uint32_t& p : src.Pixels)
      if ((p | 0xFF000000u) == key) p &= 0x00FFFFFFu;
  }
  std::vector<TPixelImage> cells;
  const int count = std::max(1, src.Width / width_);
  for (int i = 0; i < count; ++i) cells.push_back(Cut(src, i, width_, height_));
  return cells;
}

int TImageList::Add(TBitmap* image, TBitmap* mask) {
  const std::vector<TPixelImage> cells = Cells(image, mask, clNone);
  const int first = Count();
  images_.insert(images_.end(), cells.begin(), cells.end());
  Changed();
  return first;
}

int TImageList::AddMasked(TBitmap* image, TColor maskColor) {
  const std::vector<TPixelImage> cells = Cells(image, nullptr, maskColor);
  const int first = Count();
  images_.insert(images_.end(), cells.begin(), cells.end());
  Changed();
  return first;
}

void TImageList::Replace(int index, TBitmap* image, TBitmap* mask) {
  CheckIndex(index);
  images_[size_t(index)] = Cells(image, mask, clNone).front();
  Changed();
}

void TImageList::Delete(int index) {
  CheckIndex(index);
  images_.erase(images_.begin() + index);
  Changed();
}

void TImageList::Clear() {
  if (images_.empty()) return;
  images_.clear();
  Changed();
}

const TPixelImage& TImageList::Image(int index) const {
  CheckIndex(index);
  return images_[size_t(index)];
}

void TImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) {
  if (!canvas || index < 0 || index >= Count()) return;
  TBitmap picture;
  picture.SetPixelImage(enabled ? images_[size_t(index)] : DisabledImage(images_[size_t(index)]));
  picture.Draw(canvas, Bounds(x, y, width_, height_));
}

bool TImageList::GetBitmap(int index, TBitmap* image) {
  if (!image || index < 0 || index >= Count()) return false;
  image->SetPixelImage(images_[size_t(index)]);
  return true;
}
