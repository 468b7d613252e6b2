// TCanvas shapes with device-context edge rules: lines leave their end point
// out, boxes cover left..right-1 and top..bottom-1, nothing is anti-aliased.

#include <cairo.h>

#include <cmath>
#include <deque>
#include <functional>
#include <set>
#include <utility>

#include "toolkit/graphics/CanvasInternal.h"

using namespace canvas_detail;

namespace {

// Cuts the segment a-b to box (Liang-Barsky), so that a line running far
// outside the surface costs no more than one crossing it. False when nothing is left.
bool ClipSegment(TPoint& a, TPoint& b, const TRect& box) {
  const double x0 = a.X, y0 = a.Y, dx = double(b.X) - a.X, dy = double(b.Y) - a.Y;
  double t0 = 0, t1 = 1;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {x0 - box.Left, box.Right - 1 - x0, y0 - box.Top, box.Bottom - 1 - y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  const TPoint na{int(std::lround(x0 + t0 * dx)), int(std::lround(y0 + t0 * dy))};
  const TPoint nb{int(std::lround(x0 + t1 * dx)), int(std::lround(y0 + t1 * dy))};
  a = na;
  b = nb;
  return true;
}

// Coordinates up to this size are drawn exactly, pixel by pixel.
constexpr int kExactLineRange = 1 << 15;

bool FarOut(TPoint p) { return std::abs(p.X) > kExactLineRange || std::abs(p.Y) > kExactLineRange; }

// On and off lengths of the styled cosmetic pens, in pixels.
std::vector<int> DashPattern(TPenStyle style) {
  switch (style) {
    case psDash: return {18, 6};
    case psDot: return {3, 3};
    case psDashDot: return {9, 6, 3, 6};
    case psDashDotDot: return {9, 3, 3, 3, 3, 3};
    case psAlternate: return {1, 1};
    default: return {};
  }
}

enum TBoxKind { bkRect, bkEllipse, bkRoundRect };

void BoxPath(cairo_t* cr, const TRect& b, int kind, double rx, double ry) {
  if (b.IsEmpty()) return;
  if (kind == bkRect || (kind == bkRoundRect && (rx <= 0 || ry <= 0))) {
    cairo_rectangle(cr, b.Left, b.Top, b.Width(), b.Height());
    return;
  }
  if (kind == bkEllipse) {
    rx = b.Width() / 2.0;
    ry = b.Height() / 2.0;
  }
  canvas_detail::RoundRectPath(cr, b, std::min(rx, b.Width() / 2.0), std::min(ry, b.Height() / 2.0));
}

}  // namespace

void canvas_detail::RoundRectPath(cairo_t* cr, const TRect& b, double rx, double ry) {
  auto corner = [&](double cx, double cy, double a0) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, a0, a0 + M_PI / 2);
    cairo_restore(cr);
  };
  cairo_new_sub_path(cr);
  corner(b.Right - rx, b.Top + ry, -M_PI / 2);
  corner(b.Right - rx, b.Bottom - ry, 0);
  corner(b.Left + rx, b.Bottom - ry, M_PI / 2);
  corner(b.Left + rx, b.Top + ry, M_PI);
  cairo_close_path(cr);
}

TPoint TCanvas::PenPos() const { return state_.penPos; }

void TCanvas::MoveTo(int x, int y) { state_.penPos = {x, y}; }

void TCanvas::LineTo(int x, int y) {
  Changing();
  StyledLine({ToDevice(state_.penPos), ToDevice(TPoint{x, y})}, false, false);
  state_.penPos = {x, y};
  Changed();
}

void TCanvas::Polyline(const TPoint* points, int count) {
  if (!points || count < 2) return;
  Changing();
  std::vector<TPoint> pts(points, points + count);
  for (TPoint& p : pts) p = ToDevice(p);
  StyledLine(std::move(pts), false, false);
  Changed();
}

void TCanvas::Polygon(const TPoint* points, int count) {
  if (!points || count < 2) return;
  Changing();
  std::vector<TPoint> pts(points, points + count);
  for (TPoint& p : pts) {
    p = ToDevice(p);
    p.X += deviceOrigin_.X;
    p.Y += deviceOrigin_.Y;
  }
  if (brush_.Style() != bsClear && count > 2) {
    // Through pixel centres, so the area covers what the outline encloses.
    FillPath([&](cairo_t* cr) {
      cairo_move_to(cr, pts[0].X + 0.5, pts[0].Y + 0.5);
      for (size_t i = 1; i < pts.size(); ++i) cairo_line_to(cr, pts[i].X + 0.5, pts[i].Y + 0.5);
      cairo_close_path(cr);
    }, state_.polyFillMode == ALTERNATE, BrushInk(), pen_.Mode());
  }
  for (TPoint& p : pts) {
    p.X -= deviceOrigin_.X;
    p.Y -= deviceOrigin_.Y;
  }
  StyledLine(std::move(pts), true, false);
  Changed();
}

void TCanvas::PolyBezier(const TPoint* points, int count) {
  if (!points || count < 4 || (count - 1) % 3 != 0 || pen_.Style() == psClear) return;
  Changing();
  std::vector<TPoint> pts(points, points + count);
  for (TPoint& p : pts) p = LogicalToSurface(p);
  StrokePath([&](cairo_t* cr) {
    cairo_move_to(cr, pts[0].X + 0.5, pts[0].Y + 0.5);
    for (size_t i = 1; i + 2 < pts.size(); i += 3)
      cairo_curve_to(cr, pts[i].X + 0.5, pts[i].Y + 0.5, pts[i + 1].X + 0.5, pts[i + 1].Y + 0.5,
                     pts[i + 2].X + 0.5, pts[i + 2].Y + 0.5);
  }, DevicePenWidth(), PenInk(), pen_.Mode());
  Changed();
}

// Draws a polyline given in device coordinates with the pen: 1-pixel pens
// pixel by pixel (with their dash pattern, gaps in the background colour when
// opaque), wider pens as round-capped strokes.
void TCanvas::StyledLine(std::vector<TPoint> pts, bool closed, bool includeLast) {
  if (pen_.Style() == psClear || pts.size() < 2) return;
  for (TPoint& p : pts) {
    p.X += deviceOrigin_.X;
    p.Y += deviceOrigin_.Y;
  }
  if (DevicePenWidth() > 1) {
    WideLine(pts, closed);
    return;
  }
  const std::vector<int> pattern = DashPattern(pen_.Style());
  int period = 0;
  for (int v : pattern) period += v;
  TRunCollector on, off;
  int step = 0;
  auto plot = [&](int x, int y) {
    bool draw = true;
    if (period > 0) {
      int pos = step % period;
      size_t seg = 0;
      while (pos >= pattern[seg]) pos -= pattern[seg++];
      draw = seg % 2 == 0;
    }
    ++step;
    (draw ? on : off).Add(x, y);
  };
  TRect box = EffectiveClip().Box();
  InflateRect(box, 2, 2);
  auto segment = [&](TPoint a, TPoint b, bool includeEnd) {
    // Far-away ends are cut to the visible area first; the dash phase may shift there.
    if ((FarOut(a) || FarOut(b)) && !ClipSegment(a, b, box)) return;
    LinePixels(a, b, includeEnd, plot);
  };
  for (size_t i = 0; i + 1 < pts.size(); ++i) segment(pts[i], pts[i + 1], false);
  if (closed) segment(pts.back(), pts.front(), false);
  else if (includeLast) plot(pts.back().X, pts.back().Y);
  if (period > 0 && EffectiveBkOpaque()) FillRects(off.Rects(), SolidInk(EffectiveBkColor()), pen_.Mode());
  FillRects(on.Rects(), PenInk(), pen_.Mode());
}

void TCanvas::WideLine(const std::vector<TPoint>& pts, bool closed) {
  StrokePath([&](cairo_t* cr) {
    cairo_move_to(cr, pts[0].X + 0.5, pts[0].Y + 0.5);
    for (size_t i = 1; i < pts.size(); ++i) cairo_line_to(cr, pts[i].X + 0.5, pts[i].Y + 0.5);
    if (closed) cairo_close_path(cr);
  }, DevicePenWidth(), PenInk(), pen_.Mode());
}

void TCanvas::StyledStroke(const std::function<void(cairo_t*)>& path) {
  const int pw = DevicePenWidth();
  const std::vector<int> pattern = pw == 1 ? DashPattern(pen_.Style()) : std::vector<int>{};
  if (pattern.empty()) {
    StrokePath(path, pw, PenInk(), pen_.Mode());
    return;
  }
  const std::vector<double> dashes(pattern.begin(), pattern.end());
  if (EffectiveBkOpaque()) StrokePath(path, 1, SolidInk(EffectiveBkColor()), pen_.Mode());
  StrokePath([&](cairo_t* cr) {
    cairo_set_dash(cr, dashes.data(), int(dashes.size()), 0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);  // round ends would lengthen every dash
    path(cr);
  }, 1, PenInk(), pen_.Mode());
}

// ---------------------------------------------------------------- boxes

void TCanvas::FillRect(const TRect& r) {
  if (brush_.Style() == bsClear || FillsNothing(r)) return;
  Changing();
  FillRects({LogicalToSurface(r)}, BrushInk(), pmCopy);
  Changed();
}

void TCanvas::FrameRect(const TRect& r) {
  if (brush_.Style() == bsClear || FillsNothing(r)) return;
  const TRect d = LogicalToSurface(r);
  if (d.IsEmpty()) return;
  Changing();
  FillRects({{d.Left, d.Top, d.Right, d.Top + 1},
             {d.Left, d.Bottom - 1, d.Right, d.Bottom},
             {d.Left, d.Top + 1, d.Left + 1, d.Bottom - 1},
             {d.Right - 1, d.Top + 1, d.Right, d.Bottom - 1}},
            BrushInk(), pmCopy);
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& r) {
  const TRect d = LogicalToSurface(r);
  if (FillsNothing(r)) return;
  Changing();
  std::set<std::pair<int, int>> pixels;
  auto dot = [&](int x, int y) {
    if (((x - d.Left) + (y - d.Top)) % 2 == 0) pixels.insert({x, y});
  };
  for (int x = d.Left; x < d.Right; ++x) {
    dot(x, d.Top);
    dot(x, d.Bottom - 1);
  }
  for (int y = d.Top; y < d.Bottom; ++y) {
    dot(d.Left, y);
    dot(d.Right - 1, y);
  }
  TRunCollector runs;
  for (const auto& [x, y] : pixels) runs.Add(x, y);
  FillRects(runs.Rects(), SolidInk(clWhite), pmXor);
  Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) { BoxShape(x1, y1, x2, y2, bkRect, 0, 0); }
void TCanvas::Ellipse(int x1, int y1, int x2, int y2) { BoxShape(x1, y1, x2, y2, bkEllipse, 0, 0); }
void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
  BoxShape(x1, y1, x2, y2, bkRoundRect, ToDeviceLength(std::abs(x3)), ToDeviceLength(std::abs(y3)));
}

// Rectangle, ellipse and rounded rectangle: the brush fills the inside, the
// pen covers the band between the box and the box shrunk by the pen width.
void TCanvas::BoxShape(int x1, int y1, int x2, int y2, int kind, int rx, int ry) {
  TRect d = LogicalToSurface(TRect{x1, y1, x2, y2});
  if (d.IsEmpty()) return;
  Changing();
  const bool brush = brush_.Style() != bsClear;
  const double crx = rx / 2.0, cry = ry / 2.0;
  if (pen_.Style() == psClear) {
    // Without a pen the shape is one pixel smaller on the right and bottom.
    const TRect inner{d.Left, d.Top, d.Right - 1, d.Bottom - 1};
    if (brush) FillPath([&](cairo_t* cr) { BoxPath(cr, inner, kind, crx, cry); }, false, BrushInk(), pen_.Mode());
    Changed();
    return;
  }
  const int pw = DevicePenWidth();
  TRect outer = d;
  if (pw > 1 && pen_.Style() != psInsideFrame) {
    outer = {d.Left - (pw - 1) / 2, d.Top - (pw - 1) / 2, d.Right + pw / 2, d.Bottom + pw / 2};
  }
  TRect inner{outer.Left + pw, outer.Top + pw, outer.Right - pw, outer.Bottom - pw};
  if (inner.IsEmpty()) inner = {};
  const double irx = std::max(0.0, crx - pw), iry = std::max(0.0, cry - pw);
  if (brush && !inner.IsEmpty())
    FillPath([&](cairo_t* cr) { BoxPath(cr, inner, kind, irx, iry); }, false, BrushInk(), pen_.Mode());
  const bool styled = pen_.Style() != psSolid && pen_.Style() != psInsideFrame && pw == 1;
  if (styled && kind == bkRect) {
    const TPoint o = deviceOrigin_;
    StyledLine({{d.Left - o.X, d.Top - o.Y}, {d.Right - 1 - o.X, d.Top - o.Y},
                {d.Right - 1 - o.X, d.Bottom - 1 - o.Y}, {d.Left - o.X, d.Bottom - 1 - o.Y}}, true, false);
  } else if (styled) {
    // Curved outlines: a dashed stroke through the centres of the outer pixels.
    const TRect centre{d.Left, d.Top, d.Right - 1, d.Bottom - 1};
    StyledStroke([&](cairo_t* cr) {
      cairo_save(cr);
      cairo_translate(cr, 0.5, 0.5);
      BoxPath(cr, centre, kind, crx, cry);
      cairo_restore(cr);
    });
  } else {
    FillPath([&](cairo_t* cr) {
      BoxPath(cr, outer, kind, crx, cry);
      BoxPath(cr, inner, kind, irx, iry);
    }, true, PenInk(), pen_.Mode());
  }
  Changed();
}

// ---------------------------------------------------------------- arcs

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  ArcShape(x1, y1, x2, y2, x3, y3, x4, y4, 0);
}
void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  ArcShape(x1, y1, x2, y2, x3, y3, x4, y4, 1);
}
void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  ArcShape(x1, y1, x2, y2, x3, y3, x4, y4, 2);
}

// kind 0: arc, 1: pie (closed through the centre), 2: chord (closed by a line).
void TCanvas::ArcShape(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, int kind) {
  const TRect d = LogicalToSurface(TRect{x1, y1, x2, y2});
  if (d.Width() < 2 || d.Height() < 2) return;
  Changing();
  // Through pixel centres of the box's outer pixels.
  const double cx = (d.Left + d.Right) / 2.0, cy = (d.Top + d.Bottom) / 2.0;
  const double rx = (d.Width() - 1) / 2.0, ry = (d.Height() - 1) / 2.0;
  const TPoint s = LogicalToSurface(TPoint{x3, y3});
  const TPoint e = LogicalToSurface(TPoint{x4, y4});
  const double a1 = std::atan2((s.Y + 0.5 - cy) / ry, (s.X + 0.5 - cx) / rx);
  const double a2 = std::atan2((e.Y + 0.5 - cy) / ry, (e.X + 0.5 - cx) / rx);
  // Counter-clockwise on screen is towards smaller angles with y pointing down.
  const bool ccw = (state_.arcDirection == AD_COUNTERCLOCKWISE) != (state_.viewportExt.cy * state_.windowExt.cy < 0);
  auto path = [&](cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    if (kind == 1) cairo_move_to(cr, 0, 0);
    if (ccw) cairo_arc_negative(cr, 0, 0, 1, a1, a1 == a2 ? a1 - 2 * M_PI : a2);
    else cairo_arc(cr, 0, 0, 1, a1, a1 == a2 ? a1 + 2 * M_PI : a2);
    if (kind != 0) cairo_close_path(cr);
    cairo_restore(cr);
  };
  if (kind != 0 && brush_.Style() != bsClear) FillPath(path, false, BrushInk(), pen_.Mode());
  if (pen_.Style() != psClear) StyledStroke(path);
  Changed();
}

// ---------------------------------------------------------------- flood fill

void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle style) {
  const TPoint start = LogicalToSurface(TPoint{x, y});
  if (!surface_ || !IsImageSurface() || brush_.Style() == bsClear) return;
  BeforeSurfaceAccess();
  const TRegion& clip = EffectiveClip();
  const TRect box = clip.Box();
  if (!clip.Contains(start)) return;
  Changing();
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  const int w = box.Width(), h = box.Height();
  // 1: inside the clip, 2: filled.
  std::vector<unsigned char> mask(size_t(w) * h, 0);
  for (const TRect& r : clip.Rects())
    for (int yy = r.Top; yy < r.Bottom; ++yy)
      std::fill_n(mask.begin() + (size_t(yy - box.Top) * w + (r.Left - box.Left)), r.Width(), 1);
  const uint32_t key = ToPixel(color);
  auto pixel = [&](int px, int py) {
    return reinterpret_cast<const uint32_t*>(data + size_t(py) * stride)[px] & 0xFFFFFF;
  };
  auto fillable = [&](int px, int py) {
    unsigned char& m = mask[size_t(py - box.Top) * w + (px - box.Left)];
    if (m != 1) return false;
    const bool same = pixel(px, py) == key;
    return style == fsSurface ? same : !same;
  };
  std::deque<TPoint> todo{start};
  while (!todo.empty()) {
    const TPoint p = todo.front();
    todo.pop_front();
    if (p.X < box.Left || p.X >= box.Right || p.Y < box.Top || p.Y >= box.Bottom || !fillable(p.X, p.Y)) continue;
    int l = p.X, r = p.X;
    while (l - 1 >= box.Left && fillable(l - 1, p.Y)) --l;
    while (r + 1 < box.Right && fillable(r + 1, p.Y)) ++r;
    for (int xx = l; xx <= r; ++xx) {
      mask[size_t(p.Y - box.Top) * w + (xx - box.Left)] = 2;
      todo.push_back({xx, p.Y - 1});
      todo.push_back({xx, p.Y + 1});
    }
  }
  for (unsigned char& m : mask) m = m == 2 ? 0xFF : 0;
  PixelOp(box, mask.data(), w, BrushInk(), pmCopy);
  Changed();
}
