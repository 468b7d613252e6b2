// Decoding and encoding of the file-format graphics: PNG, JPEG, icon, GIF.

#include <algorithm>

#include "toolkit/graphics/GifImage.h"
#include "toolkit/graphics/Icon.h"
#include "toolkit/graphics/JpegImage.h"
#include "toolkit/graphics/PngImage.h"
#include "toolkit/graphics/Resources.h"
#include "toolkit/graphics/codecs/JpegCodec.h"
#include "toolkit/graphics/codecs/PngCodec.h"
#include "toolkit/rtl/Exceptions.h"

// ---- PNG ----

TPixelImage TPngImage::Decode(const std::vector<uint8_t>& bytes) { return DecodePng(bytes.data(), bytes.size()); }

std::vector<uint8_t> TPngImage::Encode(const TPixelImage& image) { return EncodePng(image); }

// ---- JPEG ----

void TJPEGImage::SetCompressionQuality(int v) { quality_ = std::clamp(v, 1, 100); }

TPixelImage TJPEGImage::Decode(const std::vector<uint8_t>& bytes) { return DecodeJpeg(bytes.data(), bytes.size()); }

std::vector<uint8_t> TJPEGImage::Encode(const TPixelImage& image) { return EncodeJpeg(image, quality_); }

void TJPEGImage::AssignDetails(const TRasterGraphic& source) {
  quality_ = static_cast<const TJPEGImage&>(source).quality_;
}

// ---- icon ----

TPixelImage TIcon::Decode(const std::vector<uint8_t>& bytes) {
  TIcoFile file = DecodeIco(bytes.data(), bytes.size());
  if (file.Entries.empty()) throw EInvalidGraphic("ICO image: no images");
  TPixelImage shown = file.Entries[size_t(file.BestIndex())].Image;
  file_ = std::move(file);
  return shown;
}

std::vector<uint8_t> TIcon::Encode(const TPixelImage& image) {
  // An icon drawn on since loading is saved as that one picture.
  if (file_.Entries.empty() || file_.Entries[size_t(file_.BestIndex())].Image.Pixels != image.Pixels) {
    TIcoFile single;
    single.Cursor = file_.Cursor;
    single.Entries.push_back({image, 32, 0, 0});
    return EncodeIco(single);
  }
  return EncodeIco(file_);
}

void TIcon::AssignDetails(const TRasterGraphic& source) { file_ = static_cast<const TIcon&>(source).file_; }

void TIcon::LoadFromResourceName(const std::string& name) {
  const EmbeddedResource* r = FindResourceOrNull(name, rkIcon);
  if (!r) r = &FindResource(name, rkCursor);
  SetPixels(Decode(std::vector<uint8_t>(r->Data, r->Data + r->Size)));
}

// ---- GIF ----

void TGIFImage::CheckIndex(int index) const {
  if (index < 0 || index >= FrameCount())
    throw EInvalidGraphicOperation("Frame index out of range (" + std::to_string(index) + ")");
}

int TGIFImage::FrameDelay(int index) const {
  CheckIndex(index);
  return gif_.Frames[size_t(index)].DelayMs;
}

void TGIFImage::SetCurrentFrame(int index) {
  CheckIndex(index);
  current_ = index;
  SetPixels(CompositeGifFrame(gif_, index));
}

void TGIFImage::GetFrame(int index, TBitmap& into) const {
  CheckIndex(index);
  into.SetPixelImage(CompositeGifFrame(gif_, index));
}

void TGIFImage::AddFrame(TBitmap& frame, int delayMs) {
  TGifFrame f;
  f.Image = frame.GetPixelImage();
  if (gif_.Frames.empty()) {
    gif_.Width = f.Image.Width;
    gif_.Height = f.Image.Height;
  } else if (f.Image.Width != gif_.Width || f.Image.Height != gif_.Height) {
    throw EInvalidGraphicOperation("A GIF frame must have the picture's size");
  }
  f.DelayMs = std::max(0, delayMs);
  f.Disposal = gdBackground;
  gif_.Frames.push_back(std::move(f));
  if (gif_.Frames.size() == 1) SetCurrentFrame(0);
}

TPixelImage TGIFImage::Decode(const std::vector<uint8_t>& bytes) {
  TGifAnimation gif = DecodeGif(bytes.data(), bytes.size());
  TPixelImage first = CompositeGifFrame(gif, 0);
  gif_ = std::move(gif);
  current_ = 0;
  return first;
}

std::vector<uint8_t> TGIFImage::Encode(const TPixelImage& image) {
  if (gif_.Frames.empty()) return EncodeGif({{image, 0}});
  std::vector<TGifFrameSource> frames;
  for (int i = 0; i < FrameCount(); ++i)
    frames.push_back({i == current_ ? image : CompositeGifFrame(gif_, i), gif_.Frames[size_t(i)].DelayMs});
  return EncodeGif(frames, gif_.LoopCount);
}

void TGIFImage::AssignDetails(const TRasterGraphic& source) {
  const auto& s = static_cast<const TGIFImage&>(source);
  gif_ = s.gif_;
  current_ = s.current_;
}
