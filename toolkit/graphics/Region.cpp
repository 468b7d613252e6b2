#include "toolkit/graphics/Region.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

#include "toolkit/graphics/CanvasInternal.h"

namespace {

cairo_rectangle_int_t ToCairo(const TRect& r) {
  return {r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height())};
}

TRect FromCairo(const cairo_rectangle_int_t& r) {
  return {r.x, r.y, r.x + r.width, r.y + r.height};
}

TRect Normalized(int l, int t, int r, int b) {
  return {std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
}

// Shapes other than rectangles are rasterised without anti-aliasing (a pixel
// belongs to the shape when its centre does) and read back as row spans.
constexpr int kMaxRasterSide = 16384;

TRegion Rasterize(const TRect& bounds, const std::function<void(cairo_t*)>& path, cairo_fill_rule_t rule) {
  TRegion result;
  TRect box = bounds;
  if (box.IsEmpty()) return result;
  box.Right = std::min(box.Right, box.Left + kMaxRasterSide);
  box.Bottom = std::min(box.Bottom, box.Top + kMaxRasterSide);
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, box.Width(), box.Height());
  cairo_t* cr = cairo_create(mask);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_fill_rule(cr, rule);
  cairo_translate(cr, -box.Left, -box.Top);
  path(cr);
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_flush(mask);
  const unsigned char* data = cairo_image_surface_get_data(mask);
  const int stride = cairo_image_surface_get_stride(mask);
  for (int y = 0; y < box.Height(); ++y) {
    const unsigned char* row = data + size_t(y) * stride;
    int x = 0;
    while (x < box.Width()) {
      while (x < box.Width() && row[x] == 0) ++x;
      const int start = x;
      while (x < box.Width() && row[x] != 0) ++x;
      if (x > start) result.UnionRect({box.Left + start, box.Top + y, box.Left + x, box.Top + y + 1});
    }
  }
  cairo_surface_destroy(mask);
  return result;
}

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
  if (rx <= 0 || ry <= 0) return;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

}  // namespace

TRegion::TRegion() : region_(cairo_region_create()) {}
TRegion::TRegion(const TRect& r) : region_(nullptr) {
  const cairo_rectangle_int_t c = ToCairo(r);
  region_ = r.IsEmpty() ? cairo_region_create() : cairo_region_create_rectangle(&c);
}
TRegion::TRegion(const TRegion& o) : region_(cairo_region_copy(o.region_)) {}
TRegion::TRegion(TRegion&& o) noexcept : region_(std::exchange(o.region_, cairo_region_create())) {}
TRegion& TRegion::operator=(const TRegion& o) {
  if (this != &o) {
    cairo_region_t* copy = cairo_region_copy(o.region_);
    cairo_region_destroy(region_);
    region_ = copy;
  }
  return *this;
}
TRegion& TRegion::operator=(TRegion&& o) noexcept {
  std::swap(region_, o.region_);
  return *this;
}
TRegion::~TRegion() { cairo_region_destroy(region_); }

bool TRegion::IsEmpty() const { return cairo_region_is_empty(region_); }
int TRegion::Complexity() const {
  const int n = cairo_region_num_rectangles(region_);
  return n == 0 ? NULLREGION : n == 1 ? SIMPLEREGION : COMPLEXREGION;
}
TRect TRegion::Box() const {
  if (IsEmpty()) return {};
  cairo_rectangle_int_t r;
  cairo_region_get_extents(region_, &r);
  return FromCairo(r);
}
bool TRegion::Contains(TPoint p) const { return cairo_region_contains_point(region_, p.X, p.Y); }
bool TRegion::Overlaps(const TRect& r) const {
  if (r.IsEmpty()) return false;
  const cairo_rectangle_int_t c = ToCairo(r);
  return cairo_region_contains_rectangle(region_, &c) != CAIRO_REGION_OVERLAP_OUT;
}
int TRegion::RectCount() const { return cairo_region_num_rectangles(region_); }
TRect TRegion::RectAt(int i) const {
  cairo_rectangle_int_t r;
  cairo_region_get_rectangle(region_, i, &r);
  return FromCairo(r);
}
std::vector<TRect> TRegion::Rects() const {
  std::vector<TRect> out(static_cast<size_t>(RectCount()));
  for (int i = 0; i < RectCount(); ++i) out[size_t(i)] = RectAt(i);
  return out;
}

void TRegion::Offset(int dx, int dy) { cairo_region_translate(region_, dx, dy); }
void TRegion::Union(const TRegion& o) { cairo_region_union(region_, o.region_); }
void TRegion::Intersect(const TRegion& o) { cairo_region_intersect(region_, o.region_); }
void TRegion::Subtract(const TRegion& o) { cairo_region_subtract(region_, o.region_); }
void TRegion::Xor(const TRegion& o) { cairo_region_xor(region_, o.region_); }
void TRegion::UnionRect(const TRect& r) {
  if (r.IsEmpty()) return;
  const cairo_rectangle_int_t c = ToCairo(r);
  cairo_region_union_rectangle(region_, &c);
}
void TRegion::IntersectRect(const TRect& r) {
  if (r.IsEmpty()) { *this = TRegion(); return; }
  const cairo_rectangle_int_t c = ToCairo(r);
  cairo_region_intersect_rectangle(region_, &c);
}
void TRegion::SubtractRect(const TRect& r) {
  if (r.IsEmpty()) return;
  const cairo_rectangle_int_t c = ToCairo(r);
  cairo_region_subtract_rectangle(region_, &c);
}
bool TRegion::operator==(const TRegion& o) const { return cairo_region_equal(region_, o.region_); }

TRegion CreateRectRgn(int left, int top, int right, int bottom) {
  return TRegion(Normalized(left, top, right, bottom));
}
TRegion CreateRectRgnIndirect(const TRect& r) { return CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom); }

TRegion CreateEllipticRgn(int left, int top, int right, int bottom) {
  const TRect b = Normalized(left, top, right, bottom);
  return Rasterize(b, [&](cairo_t* cr) {
    EllipsePath(cr, (b.Left + b.Right) / 2.0, (b.Top + b.Bottom) / 2.0, b.Width() / 2.0, b.Height() / 2.0);
  }, CAIRO_FILL_RULE_WINDING);
}
TRegion CreateEllipticRgnIndirect(const TRect& r) { return CreateEllipticRgn(r.Left, r.Top, r.Right, r.Bottom); }

TRegion CreateRoundRectRgn(int left, int top, int right, int bottom, int w, int h) {
  const TRect b = Normalized(left, top, right, bottom);
  const double rx = std::min(std::abs(w), b.Width()) / 2.0;
  const double ry = std::min(std::abs(h), b.Height()) / 2.0;
  if (rx <= 0 || ry <= 0) return TRegion(b);
  return Rasterize(b, [&](cairo_t* cr) { canvas_detail::RoundRectPath(cr, b, rx, ry); }, CAIRO_FILL_RULE_WINDING);
}

TRegion CreatePolygonRgn(const TPoint* points, int count, int fillMode) {
  if (!points || count < 3) return TRegion();
  TRect b{points[0].X, points[0].Y, points[0].X, points[0].Y};
  for (int i = 1; i < count; ++i) {
    b.Left = std::min(b.Left, points[i].X);
    b.Top = std::min(b.Top, points[i].Y);
    b.Right = std::max(b.Right, points[i].X);
    b.Bottom = std::max(b.Bottom, points[i].Y);
  }
  return Rasterize(b, [&](cairo_t* cr) {
    cairo_move_to(cr, points[0].X, points[0].Y);
    for (int i = 1; i < count; ++i) cairo_line_to(cr, points[i].X, points[i].Y);
    cairo_close_path(cr);
  }, fillMode == WINDING ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
}

int CombineRgn(TRegion& dest, const TRegion& a, const TRegion& b, int mode) {
  TRegion result = a;
  switch (mode) {
    case RGN_AND: result.Intersect(b); break;
    case RGN_OR: result.Union(b); break;
    case RGN_XOR: result.Xor(b); break;
    case RGN_DIFF: result.Subtract(b); break;
    case RGN_COPY: break;
    default: return RGN_ERROR;
  }
  dest = std::move(result);
  return dest.Complexity();
}

bool PtInRegion(const TRegion& r, int x, int y) { return r.Contains({x, y}); }
bool RectInRegion(const TRegion& r, const TRect& rect) { return r.Overlaps(rect); }
int GetRgnBox(const TRegion& r, TRect& box) {
  box = r.Box();
  return r.Complexity();
}
int OffsetRgn(TRegion& r, int dx, int dy) {
  r.Offset(dx, dy);
  return r.Complexity();
}
bool EqualRgn(const TRegion& a, const TRegion& b) { return a == b; }
void SetRectRgn(TRegion& r, int left, int top, int right, int bottom) { r = CreateRectRgn(left, top, right, bottom); }
