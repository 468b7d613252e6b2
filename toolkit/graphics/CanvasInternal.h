#pragma once
// Pieces shared by the files that implement TCanvas; not for other users.

#include <cairo.h>

#include <cstdint>
#include <cstdlib>
#include <type_traits>
#include <vector>

#include "toolkit/graphics/Canvas.h"

// What a painted area is filled with: a colour, a hatch over an optional
// background, or a tiled pattern surface. Colours are 0x00RRGGBB, the order
// of a cairo pixel.
struct TCanvas::TInk {
  uint32_t Color = 0;
  int Hatch = -1;  // a TBrushStyle hatch, or -1 for solid
  bool OpaqueBack = false;
  uint32_t BackColor = 0;
  cairo_surface_t* Pattern = nullptr;  // brush bitmap, not owned
  TPoint Origin;                       // surface pixel where hatch/pattern tiles start
};

namespace canvas_detail {

inline uint32_t ToPixel(TColor c) {
  const uint32_t rgb = ColorToPixelRGB(c);
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}
inline TColor FromPixel(uint32_t p) {
  return TColor(((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16));
}

// The binary raster operation of a pen mode on 24-bit values.
uint32_t Rop2(int penMode, uint32_t pen, uint32_t dest);
// The ternary raster operation (the ROP3 index in bits 16..23 of rop).
uint32_t Rop3(int32_t rop, uint32_t pattern, uint32_t source, uint32_t dest);
// True when the hatch pattern has a line at (x, y).
bool HatchBit(int hatch, int x, int y);

void SetSourcePixel(cairo_t* cr, uint32_t rgb);

// Adds the outline of b with elliptic corners of radii rx, ry (both > 0 and
// at most half of b's size) as a closed sub-path; regions and shapes share it.
void RoundRectPath(cairo_t* cr, const TRect& b, double rx, double ry);

// Collects pixels into as few rectangles as the run allows.
class TRunCollector {
public:
  void Add(int x, int y) {
    if (!rects_.empty()) {
      TRect& l = rects_.back();
      if (l.Height() == 1 && l.Top == y && l.Right == x) { ++l.Right; return; }
      if (l.Height() == 1 && l.Top == y && l.Left == x + 1) { --l.Left; return; }
      if (l.Width() == 1 && l.Left == x && l.Bottom == y) { ++l.Bottom; return; }
      if (l.Width() == 1 && l.Left == x && l.Top == y + 1) { --l.Top; return; }
    }
    rects_.push_back({x, y, x + 1, y + 1});
  }
  const std::vector<TRect>& Rects() const { return rects_; }

private:
  std::vector<TRect> rects_;
};

// Bresenham from a towards b; b itself only when includeEnd.
template <typename F>
void LinePixels(TPoint a, TPoint b, bool includeEnd, F&& plot) {
  int x = a.X, y = a.Y;
  const int dx = std::abs(b.X - a.X), dy = -std::abs(b.Y - a.Y);
  const int sx = a.X < b.X ? 1 : -1, sy = a.Y < b.Y ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    const bool atEnd = x == b.X && y == b.Y;
    if (atEnd) {
      if (includeEnd) plot(x, y);
      return;
    }
    plot(x, y);
    const int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x += sx; }
    if (e2 <= dx) { err += dx; y += sy; }
  }
}

}  // namespace canvas_detail

template <typename PathFn>
void TCanvas::FillPath(PathFn&& path, bool evenOdd, const TInk& ink, int penMode) {
  FillPathImpl([](cairo_t* cr, const void* ctx) { (*static_cast<const std::remove_reference_t<PathFn>*>(ctx))(cr); },
               &path, evenOdd, ink, penMode, 0);
}

template <typename PathFn>
void TCanvas::StrokePath(PathFn&& path, double lineWidth, const TInk& ink, int penMode) {
  FillPathImpl([](cairo_t* cr, const void* ctx) { (*static_cast<const std::remove_reference_t<PathFn>*>(ctx))(cr); },
               &path, false, ink, penMode, lineWidth);
}
