// How TCanvas puts colour on the surface: cairo for copying paints, and a
// mask plus pixel operations for the raster operations cairo has no operator
// for (XOR, NOT, MASK, MERGE...).

#include <cairo.h>

#include <cmath>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/CanvasInternal.h"

using namespace canvas_detail;

namespace canvas_detail {

uint32_t Rop2(int penMode, uint32_t p, uint32_t d) {
  switch (penMode) {
    case pmBlack: return 0;
    case pmWhite: return 0xFFFFFF;
    case pmNop: return d;
    case pmNot: return ~d & 0xFFFFFF;
    case pmCopy: return p;
    case pmNotCopy: return ~p & 0xFFFFFF;
    case pmMergePenNot: return (p | ~d) & 0xFFFFFF;
    case pmMaskPenNot: return p & ~d & 0xFFFFFF;
    case pmMergeNotPen: return (~p | d) & 0xFFFFFF;
    case pmMaskNotPen: return ~p & d & 0xFFFFFF;
    case pmMerge: return (p | d) & 0xFFFFFF;
    case pmNotMerge: return ~(p | d) & 0xFFFFFF;
    case pmMask: return p & d;
    case pmNotMask: return ~(p & d) & 0xFFFFFF;
    case pmXor: return (p ^ d) & 0xFFFFFF;
    case pmNotXor: return ~(p ^ d) & 0xFFFFFF;
    default: return p;
  }
}

uint32_t Rop3(int32_t rop, uint32_t p, uint32_t s, uint32_t d) {
  const unsigned table = (uint32_t(rop) >> 16) & 0xFF;
  uint32_t result = 0;
  for (unsigned i = 0; i < 8; ++i) {
    if (!(table & (1u << i))) continue;
    result |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
  }
  return result & 0xFFFFFF;
}

bool HatchBit(int hatch, int x, int y) {
  x &= 7;
  y &= 7;
  switch (hatch) {
    case bsHorizontal: return y == 0;
    case bsVertical: return x == 0;
    case bsFDiagonal: return x == y;
    case bsBDiagonal: return x + y == 7;
    case bsCross: return x == 0 || y == 0;
    case bsDiagCross: return x == y || x + y == 7;
    default: return true;
  }
}

void SetSourcePixel(cairo_t* cr, uint32_t rgb) {
  cairo_set_source_rgb(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
}

}  // namespace canvas_detail

namespace {

// A constant-colour mode turns into a plain copy of that colour.
bool ConstantMode(int penMode) {
  return penMode == pmCopy || penMode == pmBlack || penMode == pmWhite || penMode == pmNotCopy;
}

}  // namespace

// ---------------------------------------------------------------- colours

bool TCanvas::EffectiveBkOpaque() const {
  const bool brushSame = brush_.Color() == state_.bkBrushColor && brush_.Style() == state_.bkBrushStyle;
  if (state_.bkMode != 0 && brushSame) return state_.bkMode == OPAQUE;
  return brush_.Style() == bsSolid;
}

TColor TCanvas::EffectiveBkColor() const {
  const bool brushSame = brush_.Color() == state_.bkBrushColor && brush_.Style() == state_.bkBrushStyle;
  if (state_.hasBkColor && brushSame) return state_.bkColor;
  // A hatched brush keeps the inverse colour as background so its lines stay visible.
  if (brush_.Style() != bsSolid) return TColor(~uint32_t(ColorToRGB(brush_.Color())) & 0xFFFFFF);
  return brush_.Color();
}

TColor TCanvas::EffectiveTextColor() const {
  if (state_.hasTextColor && font_.Color() == state_.textFontColor) return state_.textColor;
  return font_.Color();
}

int TCanvas::SetBkMode(int mode) {
  const int old = GetBkMode();
  if (mode != OPAQUE && mode != TRANSPARENT) return 0;
  const TColor bk = EffectiveBkColor();
  const bool keepColor = state_.hasBkColor && brush_.Color() == state_.bkBrushColor &&
                         brush_.Style() == state_.bkBrushStyle;
  state_.bkMode = mode;
  state_.hasBkColor = keepColor;
  state_.bkColor = bk;
  state_.bkBrushColor = brush_.Color();
  state_.bkBrushStyle = brush_.Style();
  return old;
}

int TCanvas::GetBkMode() const { return EffectiveBkOpaque() ? OPAQUE : TRANSPARENT; }

TColor TCanvas::SetBkColor(TColor c) {
  const TColor old = EffectiveBkColor();
  const bool brushSame = brush_.Color() == state_.bkBrushColor && brush_.Style() == state_.bkBrushStyle;
  if (!brushSame) state_.bkMode = 0;
  state_.bkColor = c;
  state_.hasBkColor = true;
  state_.bkBrushColor = brush_.Color();
  state_.bkBrushStyle = brush_.Style();
  return old;
}

TColor TCanvas::GetBkColor() const { return EffectiveBkColor(); }

TColor TCanvas::SetTextColor(TColor c) {
  const TColor old = EffectiveTextColor();
  state_.textColor = c;
  state_.hasTextColor = true;
  state_.textFontColor = font_.Color();
  return old;
}

TColor TCanvas::GetTextColor() const { return EffectiveTextColor(); }

int TCanvas::SetTextAlign(int align) {
  const int old = state_.textAlign;
  state_.textAlign = align;
  return old;
}

int TCanvas::SetPolyFillMode(int mode) {
  const int old = state_.polyFillMode;
  if (mode == ALTERNATE || mode == WINDING) state_.polyFillMode = mode;
  return old;
}

int TCanvas::SetArcDirection(int dir) {
  const int old = state_.arcDirection;
  if (dir == AD_CLOCKWISE || dir == AD_COUNTERCLOCKWISE) state_.arcDirection = dir;
  return old;
}

int TCanvas::DevicePenWidth() const {
  return std::max(1, ToDeviceLength(pen_.Width()));
}

// ---------------------------------------------------------------- inks

TCanvas::TInk TCanvas::SolidInk(TColor c) const {
  TInk ink;
  ink.Color = ToPixel(c);
  return ink;
}

TCanvas::TInk TCanvas::PenInk() const { return SolidInk(pen_.Color()); }

TCanvas::TInk TCanvas::BrushInk() const {
  TInk ink = SolidInk(brush_.Color());
  ink.Origin = {deviceOrigin_.X + state_.brushOrigin.X, deviceOrigin_.Y + state_.brushOrigin.Y};
  if (brush_.Bitmap() && !brush_.Bitmap()->Empty()) {
    ink.Pattern = brush_.Bitmap()->Surface();
  } else if (brush_.Style() >= bsHorizontal) {
    ink.Hatch = brush_.Style();
    ink.OpaqueBack = EffectiveBkOpaque();
    ink.BackColor = ToPixel(EffectiveBkColor());
  }
  return ink;
}

void TCanvas::SetInkSource(cairo_t* cr, const TInk& ink) {
  cairo_surface_t* tile = nullptr;
  if (ink.Pattern) {
    tile = cairo_surface_reference(ink.Pattern);
  } else if (ink.Hatch >= 0) {
    tile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
    unsigned char* data = cairo_image_surface_get_data(tile);
    const int stride = cairo_image_surface_get_stride(tile);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) {
        uint32_t px = 0;
        if (HatchBit(ink.Hatch, x, y)) px = 0xFF000000u | ink.Color;
        else if (ink.OpaqueBack) px = 0xFF000000u | ink.BackColor;
        *reinterpret_cast<uint32_t*>(data + y * stride + x * 4) = px;
      }
    cairo_surface_mark_dirty(tile);
  }
  if (!tile) {
    SetSourcePixel(cr, ink.Color);
    return;
  }
  cairo_pattern_t* pat = cairo_pattern_create_for_surface(tile);
  cairo_pattern_set_extend(pat, CAIRO_EXTEND_REPEAT);
  cairo_pattern_set_filter(pat, CAIRO_FILTER_NEAREST);
  cairo_matrix_t m;
  cairo_matrix_init_translate(&m, -ink.Origin.X, -ink.Origin.Y);
  cairo_pattern_set_matrix(pat, &m);
  cairo_set_source(cr, pat);
  cairo_pattern_destroy(pat);
  cairo_surface_destroy(tile);
}

// ---------------------------------------------------------------- filling

void TCanvas::FillRects(const std::vector<TRect>& rects, const TInk& ink, int penMode) {
  if (rects.empty()) return;
  FillPath([&](cairo_t* cr) {
    for (const TRect& r : rects)
      if (!r.IsEmpty()) cairo_rectangle(cr, r.Left, r.Top, r.Width(), r.Height());
  }, false, ink, penMode);
}

void TCanvas::FillPathImpl(void (*build)(cairo_t*, const void*), const void* ctx, bool evenOdd,
                           const TInk& inkIn, int penMode, double strokeWidth) {
  if (penMode == pmNop) return;
  cairo_t* cr = CairoContext();
  if (!cr) return;
  const cairo_fill_rule_t rule = evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING;
  // Stroke settings go in before the path is built, so that a builder can change them (dashes).
  auto prepare = [&](cairo_t* c) {
    if (strokeWidth <= 0) return;
    cairo_set_line_width(c, strokeWidth);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
  };
  auto paint = [&](cairo_t* c) { strokeWidth > 0 ? cairo_stroke(c) : cairo_fill(c); };

  if (ConstantMode(penMode) || !IsImageSurface()) {
    TInk ink = inkIn;
    if (penMode == pmBlack || penMode == pmWhite) {
      ink = TInk{};
      ink.Color = penMode == pmBlack ? 0 : 0xFFFFFF;
    } else if (penMode == pmNotCopy) {
      ink.Color = ~ink.Color & 0xFFFFFF;
      ink.BackColor = ~ink.BackColor & 0xFFFFFF;
    }
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_fill_rule(cr, rule);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    SetInkSource(cr, ink);
    cairo_new_path(cr);
    prepare(cr);
    build(cr, ctx);
    paint(cr);
    cairo_restore(cr);
    return;
  }

  // Raster operation: rasterise the area into a mask, then combine pixel by pixel.
  cairo_save(cr);
  cairo_new_path(cr);
  build(cr, ctx);
  double x1, y1, x2, y2;
  cairo_path_extents(cr, &x1, &y1, &x2, &y2);
  x1 -= strokeWidth; y1 -= strokeWidth; x2 += strokeWidth; y2 += strokeWidth;
  cairo_new_path(cr);
  cairo_restore(cr);
  TRect box{int(std::floor(x1)), int(std::floor(y1)), int(std::ceil(x2)), int(std::ceil(y2))};
  const TRegion& clip = EffectiveClip();
  if (!IntersectRect(box, box, clip.Box())) return;

  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, box.Width(), box.Height());
  cairo_t* mcr = cairo_create(mask);
  cairo_set_antialias(mcr, CAIRO_ANTIALIAS_NONE);
  cairo_translate(mcr, -box.Left, -box.Top);
  for (const TRect& r : clip.Rects()) cairo_rectangle(mcr, r.Left, r.Top, r.Width(), r.Height());
  cairo_clip(mcr);
  cairo_set_fill_rule(mcr, rule);
  prepare(mcr);
  build(mcr, ctx);
  paint(mcr);
  cairo_destroy(mcr);
  cairo_surface_flush(mask);
  PixelOp(box, cairo_image_surface_get_data(mask), cairo_image_surface_get_stride(mask), inkIn, penMode);
  cairo_surface_destroy(mask);
}

bool TCanvas::PixelOp(const TRect& rect, const unsigned char* mask, int maskStride, const TInk& ink,
                      int penMode) {
  if (!IsImageSurface()) return false;
  cairo_surface_flush(surface_);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  const unsigned char* patData = nullptr;
  int patStride = 0, patW = 0, patH = 0;
  if (ink.Pattern) {
    cairo_surface_flush(ink.Pattern);
    patData = cairo_image_surface_get_data(ink.Pattern);
    patStride = cairo_image_surface_get_stride(ink.Pattern);
    patW = cairo_image_surface_get_width(ink.Pattern);
    patH = cairo_image_surface_get_height(ink.Pattern);
  }
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
    const unsigned char* mrow = mask ? mask + size_t(y - rect.Top) * maskStride : nullptr;
    for (int x = rect.Left; x < rect.Right; ++x) {
      if (mrow && mrow[x - rect.Left] == 0) continue;
      uint32_t p = ink.Color;
      if (patData && patW > 0 && patH > 0) {
        const int px = ((x - ink.Origin.X) % patW + patW) % patW;
        const int py = ((y - ink.Origin.Y) % patH + patH) % patH;
        p = reinterpret_cast<const uint32_t*>(patData + size_t(py) * patStride)[px] & 0xFFFFFF;
      } else if (ink.Hatch >= 0 && !HatchBit(ink.Hatch, x - ink.Origin.X, y - ink.Origin.Y)) {
        if (!ink.OpaqueBack) continue;
        p = ink.BackColor;
      }
      row[x] = 0xFF000000u | Rop2(penMode, p, row[x] & 0xFFFFFF);
    }
  }
  cairo_surface_mark_dirty_rectangle(surface_, rect.Left, rect.Top, rect.Width(), rect.Height());
  return true;
}
