#include "toolkit/graphics/Bitmap.h"

#include <cairo.h>

#include <cstring>

#include "toolkit/graphics/codecs/PixelImage.h"
#include "toolkit/rtl/Exceptions.h"

namespace {

constexpr int kMaxSide = 1 << 15;
constexpr int64_t kMaxPixels = int64_t(1) << 26;  // 256 MB of pixels

int Stride24(int w) { return (w * 3 + 3) & ~3; }

uint32_t Premultiply(uint32_t p) {
  const uint32_t a = p >> 24;
  if (a == 255) return p;
  auto ch = [&](int shift) { return ((((p >> shift) & 0xFF) * a + 127) / 255) << shift; };
  return (a << 24) | ch(16) | ch(8) | ch(0);
}

uint32_t Unpremultiply(uint32_t p) {
  const uint32_t a = p >> 24;
  if (a == 255) return p;
  if (a == 0) return 0;
  auto ch = [&](int shift) { return std::min<uint32_t>(255, (((p >> shift) & 0xFF) * 255 + a / 2) / a) << shift; };
  return (a << 24) | ch(16) | ch(8) | ch(0);
}

}  // namespace

// The bitmap's canvas applies pending scan-line writes before it touches the
// surface and tells the bitmap when its picture changed.
class TBitmap::TBitmapCanvas : public TCanvas {
public:
  explicit TBitmapCanvas(TBitmap* owner) : owner_(owner) {}

protected:
  void BeforeSurfaceAccess() override { owner_->SyncScanLinesToSurface(); }
  void Changed() override {
    TCanvas::Changed();
    owner_->CanvasChanged();
  }

private:
  TBitmap* owner_;
};

TBitmap::TBitmap() : canvas_(std::make_unique<TBitmapCanvas>(this)) { NewSurface(0, 0, format_, false); }

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

TBitmap::~TBitmap() {
  canvas_->SetSurface(nullptr);
  if (surface_) cairo_surface_destroy(surface_);
}

void TBitmap::NewSurface(int w, int h, TPixelFormat f, bool keepPixels) {
  w = std::max(0, w);
  h = std::max(0, h);
  if (w > kMaxSide || h > kMaxSide || int64_t(w) * h > kMaxPixels)
    throw EOutOfResources("Bitmap of " + std::to_string(w) + " x " + std::to_string(h) + " pixels is too large");
  SyncScanLinesToSurface();
  const bool to32 = f == pf32bit;
  cairo_surface_t* s = cairo_image_surface_create(to32 ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, w, h);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    throw EOutOfResources("Cannot create a bitmap of " + std::to_string(w) + " x " + std::to_string(h));
  }
  unsigned char* dst = cairo_image_surface_get_data(s);
  const int dstStride = cairo_image_surface_get_stride(s);
  if (dst) std::memset(dst, to32 ? 0 : 0xFF, size_t(dstStride) * h);
  if (keepPixels && surface_) {
    cairo_surface_flush(surface_);
    const unsigned char* src = cairo_image_surface_get_data(surface_);
    const int srcStride = cairo_image_surface_get_stride(surface_);
    const bool from32 = Is32();
    const int cw = std::min(w, width_), ch = std::min(h, height_);
    for (int y = 0; y < ch; ++y) {
      const uint32_t* sr = reinterpret_cast<const uint32_t*>(src + size_t(y) * srcStride);
      uint32_t* dr = reinterpret_cast<uint32_t*>(dst + size_t(y) * dstStride);
      for (int x = 0; x < cw; ++x) dr[x] = (to32 && !from32) ? (sr[x] | 0xFF000000u) : sr[x];
    }
  }
  if (dst) cairo_surface_mark_dirty(s);
  canvas_->SetSurface(s);
  if (surface_) cairo_surface_destroy(surface_);
  surface_ = s;
  width_ = w;
  height_ = h;
  format_ = f;
  packed_.clear();
  scanDirty_ = false;
}

void TBitmap::SetSize(int w, int h) {
  if (w == width_ && h == height_) return;
  NewSurface(w, h, format_, true);
  Changed();
}

TCanvas* TBitmap::Canvas() { return canvas_.get(); }

void TBitmap::SetPixelFormat(TPixelFormat f) {
  if (f == format_) return;
  NewSurface(width_, height_, f, true);
  Changed();
}

void TBitmap::SetAlphaFormat(TAlphaFormat f) {
  if (f == alphaFormat_) return;
  // Switching between straight and premultiplied keeps the colours the pixels mean.
  if (Is32() && ((f == afPremultiplied) != (alphaFormat_ == afPremultiplied)) && f != afIgnored &&
      alphaFormat_ != afIgnored) {
    SyncScanLinesToSurface();
    cairo_surface_flush(surface_);
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < height_; ++y) {
      uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
      for (int x = 0; x < width_; ++x) row[x] = f == afPremultiplied ? Premultiply(row[x]) : Unpremultiply(row[x]);
    }
    cairo_surface_mark_dirty(surface_);
  }
  alphaFormat_ = f;
  Changed();
}

int TBitmap::ScanLineStride() const {
  return Is32() ? cairo_image_surface_get_stride(surface_) : Stride24(width_);
}

uint8_t* TBitmap::ScanLine(int y) {
  if (y < 0 || y >= height_) throw EInvalidGraphicOperation("Scan line index out of range");
  unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  if (Is32()) {
    if (!scanDirty_) cairo_surface_flush(surface_);
    scanDirty_ = true;
    return data + size_t(y) * stride;
  }
  if (!scanDirty_) {
    cairo_surface_flush(surface_);
    const int ps = Stride24(width_);
    packed_.assign(size_t(ps) * height_, 0);
    for (int yy = 0; yy < height_; ++yy) {
      const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(yy) * stride);
      uint8_t* out = packed_.data() + size_t(yy) * ps;
      for (int x = 0; x < width_; ++x) {
        out[x * 3] = uint8_t(row[x]);
        out[x * 3 + 1] = uint8_t(row[x] >> 8);
        out[x * 3 + 2] = uint8_t(row[x] >> 16);
      }
    }
    scanDirty_ = true;
  }
  return packed_.data() + size_t(y) * Stride24(width_);
}

void TBitmap::SyncScanLinesToSurface() {
  if (!scanDirty_ || !surface_) return;
  scanDirty_ = false;
  if (!Is32()) {
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const int ps = Stride24(width_);
    for (int y = 0; y < height_; ++y) {
      uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
      const uint8_t* in = packed_.data() + size_t(y) * ps;
      for (int x = 0; x < width_; ++x)
        row[x] = 0xFF000000u | (uint32_t(in[x * 3 + 2]) << 16) | (uint32_t(in[x * 3 + 1]) << 8) | in[x * 3];
    }
    packed_.clear();
  }
  cairo_surface_mark_dirty(surface_);
}

cairo_surface_t* TBitmap::Surface() {
  SyncScanLinesToSurface();
  return surface_;
}

void TBitmap::CanvasChanged() { Changed(); }

void TBitmap::Assign(const TPersistent* Source) {
  if (!Source) {
    NewSurface(0, 0, format_, false);
    return;
  }
  const TBitmap* src = dynamic_cast<const TBitmap*>(Source);
  if (!src) {
    TGraphic::Assign(Source);
    return;
  }
  if (src == this) return;
  TBitmap* s = const_cast<TBitmap*>(src);
  cairo_surface_t* ss = s->Surface();
  NewSurface(s->width_, s->height_, s->format_, false);
  cairo_surface_flush(ss);
  const unsigned char* from = cairo_image_surface_get_data(ss);
  unsigned char* to = cairo_image_surface_get_data(surface_);
  if (from && to) std::memcpy(to, from, size_t(cairo_image_surface_get_stride(ss)) * height_);
  cairo_surface_mark_dirty(surface_);
  alphaFormat_ = s->alphaFormat_;
  transparentColor_ = s->transparentColor_;
  transparentMode_ = s->transparentMode_;
  SetTransparentQuietly(s->Transparent());
}

void TBitmap::SetTransparent(bool v) { TGraphic::SetTransparent(v); }

TColor TBitmap::TransparentColor() {
  if (transparentMode_ == tmFixed && transparentColor_ != clDefault) return transparentColor_;
  if (width_ == 0 || height_ == 0) return clDefault;
  cairo_surface_t* s = Surface();
  cairo_surface_flush(s);
  const unsigned char* data = cairo_image_surface_get_data(s);
  const uint32_t p = reinterpret_cast<const uint32_t*>(data + size_t(height_ - 1) * cairo_image_surface_get_stride(s))[0];
  return RGB(uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p));
}

void TBitmap::SetTransparentColor(TColor c) {
  transparentColor_ = c;
  transparentMode_ = c == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode m) {
  if (m == transparentMode_) return;
  transparentMode_ = m;
  if (m == tmAuto) transparentColor_ = clDefault;
  Changed();
}

void TBitmap::Draw(TCanvas* canvas, const TRect& r) {
  if (!canvas || Empty()) return;
  if (Transparent()) {
    canvas->TransparentBlt(r.Left, r.Top, r.Width(), r.Height(), Canvas(), 0, 0, width_, height_, TransparentColor());
  } else if (Is32() && alphaFormat_ != afIgnored) {
    DrawTransparent(canvas, r, 255);
  } else {
    canvas->StretchBlt(r.Left, r.Top, r.Width(), r.Height(), Canvas(), 0, 0, width_, height_, canvas->CopyMode());
  }
}

void TBitmap::DrawTransparent(TCanvas* canvas, const TRect& r, uint8_t opacity) {
  if (!canvas || Empty()) return;
  TBlendFunction blend;
  blend.SourceConstantAlpha = opacity;
  blend.AlphaFormat = (Is32() && alphaFormat_ != afIgnored) ? AC_SRC_ALPHA : 0;
  if (blend.AlphaFormat && alphaFormat_ == afDefined) {
    // Straight alpha: blend from a premultiplied copy.
    TBitmap copy;
    copy.Assign(this);
    copy.SetAlphaFormat(afPremultiplied);
    canvas->AlphaBlend(r.Left, r.Top, r.Width(), r.Height(), copy.Canvas(), 0, 0, width_, height_, blend);
    return;
  }
  canvas->AlphaBlend(r.Left, r.Top, r.Width(), r.Height(), Canvas(), 0, 0, width_, height_, blend);
}

void TBitmap::SetPixelImage(const TPixelImage& image) {
  const bool alpha = image.HasAlpha();
  NewSurface(image.Width, image.Height, alpha ? pf32bit : pf24bit, false);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  for (int y = 0; y < height_; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < width_; ++x) row[x] = alpha ? Premultiply(image.At(x, y)) : (image.At(x, y) | 0xFF000000u);
  }
  cairo_surface_mark_dirty(surface_);
  alphaFormat_ = alpha ? afPremultiplied : afIgnored;
  Changed();
}

TPixelImage TBitmap::GetPixelImage() {
  TPixelImage image(width_, height_);
  cairo_surface_t* s = Surface();
  cairo_surface_flush(s);
  const unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < height_; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < width_; ++x) {
      uint32_t p = row[x];
      if (!Is32()) p |= 0xFF000000u;
      else if (alphaFormat_ == afPremultiplied) p = Unpremultiply(p);
      image.At(x, y) = p;
    }
  }
  return image;
}
