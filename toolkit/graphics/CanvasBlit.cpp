// Copies between canvases: raster-operation blits, colour-keyed and alpha
// blends, DIB bits, gradients, and drawing graphics.

#include <cairo.h>

#include <cmath>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/CanvasInternal.h"

using namespace canvas_detail;

namespace {

enum TBlitMode { bmRop, bmKey, bmAlpha };

TRect Normalized(const TRect& r) {
  return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right), std::max(r.Top, r.Bottom)};
}

// The two corners of a logical rectangle in surface pixels, in their order:
// a rectangle whose extent changes sign between source and destination
// mirrors. A negative extent keeps its start pixel, as device contexts do:
// (x, w) = (9, -10) covers pixels 9 down to 0.
TRect SurfaceCorners(const TCanvas* c, int x, int y, int w, int h) {
  TPoint a = c->LogicalToSurface(TPoint{x, y});
  TPoint b = c->LogicalToSurface(TPoint{x + w, y + h});
  if (b.X < a.X) { ++a.X; ++b.X; }
  if (b.Y < a.Y) { ++a.Y; ++b.Y; }
  return {a.X, a.Y, b.X, b.Y};
}

// The source scaled to the destination size (nearest pixel), as raw ARGB32,
// mirrored as asked.
cairo_surface_t* ScaledSource(cairo_surface_t* src, const TRect& s, int w, int h, bool flipX, bool flipY) {
  cairo_surface_t* tmp = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  if (!src) return tmp;
  cairo_t* cr = cairo_create(tmp);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_translate(cr, flipX ? w : 0, flipY ? h : 0);
  cairo_scale(cr, (flipX ? -1.0 : 1.0) * w / s.Width(), (flipY ? -1.0 : 1.0) * h / s.Height());
  cairo_set_source_surface(cr, src, -s.Left, -s.Top);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(tmp);
  return tmp;
}

template <typename F>
void ForEachPixel(cairo_surface_t* s, F&& f) {
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  for (int y = 0; y < h; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < w; ++x) f(row[x]);
  }
  cairo_surface_mark_dirty(s);
}

bool RopUsesSource(int32_t rop) {
  const unsigned t = (uint32_t(rop) >> 16) & 0xFF;
  return ((t >> 2) & 0x33) != (t & 0x33);
}

}  // namespace

// dest and srcCorners may run right-to-left or bottom-to-top; where their
// directions differ the picture is mirrored.
bool TCanvas::BlitFrom(const TRect& destCorners, cairo_surface_t* srcSurface, const TRect& srcCorners, int32_t rop,
                       int mode, TColor key, TBlendFunction blend) {
  const TRect dest = Normalized(destCorners), srcRect = Normalized(srcCorners);
  if (dest.IsEmpty() || (srcSurface && srcRect.IsEmpty())) return false;
  const bool flipX = srcSurface && (destCorners.Right < destCorners.Left) != (srcCorners.Right < srcCorners.Left);
  const bool flipY = srcSurface && (destCorners.Bottom < destCorners.Top) != (srcCorners.Bottom < srcCorners.Top);
  cairo_t* cr = CairoContext();
  if (!cr) return false;
  Changing();
  cairo_surface_t* tmp = ScaledSource(srcSurface, srcRect, dest.Width(), dest.Height(), flipX, flipY);
  if (mode == bmRop || mode == bmKey) {
    // Raster operations and keys look at colours only.
    const uint32_t k = ToPixel(key);
    ForEachPixel(tmp, [&](uint32_t& p) {
      if (mode == bmKey && (p & 0xFFFFFF) == k) p = 0;
      else p |= 0xFF000000u;
    });
  }
  const bool simple = mode != bmRop || rop == SRCCOPY || rop == NOTSRCCOPY || rop == BLACKNESS || rop == WHITENESS ||
                      rop == PATCOPY || !IsImageSurface();
  if (simple) {
    if (mode == bmRop && rop != SRCCOPY) {
      ForEachPixel(tmp, [&](uint32_t& p) {
        uint32_t v = p & 0xFFFFFF;
        if (rop == NOTSRCCOPY) v = ~v & 0xFFFFFF;
        else if (rop == BLACKNESS) v = 0;
        else if (rop == WHITENESS) v = 0xFFFFFF;
        else if (rop == PATCOPY) v = ToPixel(brush_.Color());
        p = 0xFF000000u | v;
      });
    }
    cairo_save(cr);
    cairo_set_operator(cr, mode == bmRop ? CAIRO_OPERATOR_SOURCE : CAIRO_OPERATOR_OVER);
    cairo_set_source_surface(cr, tmp, dest.Left, dest.Top);
    cairo_rectangle(cr, dest.Left, dest.Top, dest.Width(), dest.Height());
    if (mode == bmAlpha) {
      cairo_clip(cr);
      if (!(blend.AlphaFormat & AC_SRC_ALPHA)) ForEachPixel(tmp, [](uint32_t& p) { p |= 0xFF000000u; });
      cairo_paint_with_alpha(cr, blend.SourceConstantAlpha / 255.0);
    } else {
      cairo_fill(cr);
    }
    cairo_restore(cr);
  } else {
    // A general ROP3 on the pixels inside the clip.
    cairo_surface_flush(surface_);
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const unsigned char* sdata = cairo_image_surface_get_data(tmp);
    const int sstride = cairo_image_surface_get_stride(tmp);
    const uint32_t pattern = ToPixel(brush_.Color());
    for (const TRect& c : EffectiveClip().Rects()) {
      TRect r;
      if (!IntersectRect(r, c, dest)) continue;
      for (int y = r.Top; y < r.Bottom; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
        const uint32_t* srow = reinterpret_cast<const uint32_t*>(sdata + size_t(y - dest.Top) * sstride);
        for (int x = r.Left; x < r.Right; ++x)
          row[x] = 0xFF000000u | Rop3(rop, pattern, srow[x - dest.Left] & 0xFFFFFF, row[x] & 0xFFFFFF);
      }
    }
    cairo_surface_mark_dirty(surface_);
  }
  cairo_surface_destroy(tmp);
  Changed();
  return true;
}

bool TCanvas::BitBlt(int x, int y, int w, int h, TCanvas* src, int sx, int sy, int32_t rop) {
  return StretchBlt(x, y, w, h, src, sx, sy, w, h, rop);
}

bool TCanvas::StretchBlt(int x, int y, int w, int h, TCanvas* src, int sx, int sy, int sw, int sh, int32_t rop) {
  const TRect dest = SurfaceCorners(this, x, y, w, h);
  if (!src || !src->CairoContext()) {
    if (RopUsesSource(rop)) return false;
    return BlitFrom(dest, nullptr, {}, rop, bmRop, 0, {});
  }
  return BlitFrom(dest, src->Surface(), SurfaceCorners(src, sx, sy, sw, sh), rop, bmRop, 0, {});
}

bool TCanvas::TransparentBlt(int x, int y, int w, int h, TCanvas* src, int sx, int sy, int sw, int sh, TColor key) {
  if (!src || !src->CairoContext()) return false;
  return BlitFrom(SurfaceCorners(this, x, y, w, h), src->Surface(), SurfaceCorners(src, sx, sy, sw, sh), SRCCOPY,
                  bmKey, key, {});
}

bool TCanvas::AlphaBlend(int x, int y, int w, int h, TCanvas* src, int sx, int sy, int sw, int sh,
                         TBlendFunction blend) {
  if (!src || !src->CairoContext()) return false;
  return BlitFrom(SurfaceCorners(this, x, y, w, h), src->Surface(), SurfaceCorners(src, sx, sy, sw, sh), SRCCOPY,
                  bmAlpha, 0, blend);
}

int TCanvas::StretchDIBits(int x, int y, int w, int h, int sx, int sy, int sw, int sh, const void* bits,
                           int srcWidth, int srcHeight, int bitCount, int32_t rop) {
  if (!bits || srcWidth <= 0 || srcHeight <= 0 || (bitCount != 24 && bitCount != 32)) return 0;
  cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_RGB24, srcWidth, srcHeight);
  unsigned char* data = cairo_image_surface_get_data(img);
  const int stride = cairo_image_surface_get_stride(img);
  const int bpp = bitCount / 8;
  const size_t srcStride = (size_t(srcWidth) * bpp + 3) & ~size_t(3);
  const auto* in = static_cast<const uint8_t*>(bits);
  for (int row = 0; row < srcHeight; ++row) {
    // DIB rows run bottom-up.
    const uint8_t* s = in + size_t(srcHeight - 1 - row) * srcStride;
    uint32_t* d = reinterpret_cast<uint32_t*>(data + size_t(row) * stride);
    for (int i = 0; i < srcWidth; ++i)
      d[i] = 0xFF000000u | (uint32_t(s[i * bpp + 2]) << 16) | (uint32_t(s[i * bpp + 1]) << 8) | s[i * bpp];
  }
  cairo_surface_mark_dirty(img);
  const bool ok = BlitFrom(SurfaceCorners(this, x, y, w, h), img, TRect{sx, sy, sx + sw, sy + sh}, rop, bmRop, 0, {});
  cairo_surface_destroy(img);
  return ok ? std::abs(sh) : 0;
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& src) {
  StretchBlt(dest.Left, dest.Top, dest.Width(), dest.Height(), source, src.Left, src.Top, src.Width(), src.Height(),
             copyMode_);
}

void TCanvas::BrushCopy(const TRect& dest, TBitmap* source, const TRect& src, TColor transparent) {
  if (!source) return;
  if (brush_.Style() != bsClear) FillRect(dest);
  TransparentBlt(dest.Left, dest.Top, dest.Width(), dest.Height(), source->Canvas(), src.Left, src.Top, src.Width(),
                 src.Height(), transparent);
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  graphic->Draw(this, Bounds(x, y, graphic->Width(), graphic->Height()));
}

void TCanvas::Draw(int x, int y, TGraphic* graphic, uint8_t opacity) {
  if (!graphic || graphic->Empty()) return;
  graphic->DrawTransparent(this, Bounds(x, y, graphic->Width(), graphic->Height()), opacity);
}

void TCanvas::StretchDraw(const TRect& r, TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  graphic->Draw(this, r);
}

// ---------------------------------------------------------------- gradients

void TCanvas::GradientFill(const TRect& r, TColor from, TColor to, bool vertical) {
  const TRect d = LogicalToSurface(r);
  if (d.IsEmpty()) return;
  Changing();
  const uint32_t a = ColorToPixelRGB(from), b = ColorToPixelRGB(to);
  const int n = vertical ? d.Height() : d.Width();
  for (int i = 0; i < n; ++i) {
    // Both ends keep their exact colours.
    auto mix = [&](int shift) {
      const int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
      return uint32_t(n > 1 ? ca + (cb - ca) * i / (n - 1) : ca) << shift;
    };
    const TColor c = TColor(mix(0) | mix(8) | mix(16));
    const TRect strip = vertical ? TRect{d.Left, d.Top + i, d.Right, d.Top + i + 1}
                                 : TRect{d.Left + i, d.Top, d.Left + i + 1, d.Bottom};
    FillRects({strip}, SolidInk(c), pmCopy);
  }
  Changed();
}

bool TCanvas::GradientFill(const TTriVertex* v, int nVertices, const TGradientRect* rects, int nRects, uint32_t mode) {
  if (!v || !rects || (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V)) return false;
  for (int i = 0; i < nRects; ++i) {
    const uint32_t ul = rects[i].UpperLeft, lr = rects[i].LowerRight;
    if (ul >= uint32_t(nVertices) || lr >= uint32_t(nVertices)) return false;
    auto color = [](const TTriVertex& t) { return RGB(uint8_t(t.Red >> 8), uint8_t(t.Green >> 8), uint8_t(t.Blue >> 8)); };
    const TRect r{std::min(v[ul].x, v[lr].x), std::min(v[ul].y, v[lr].y), std::max(v[ul].x, v[lr].x),
                  std::max(v[ul].y, v[lr].y)};
    GradientFill(r, color(v[ul]), color(v[lr]), mode == GRADIENT_FILL_RECT_V);
  }
  return true;
}
