#include "platform/theme/ThemeShapes.h"

#include <cairo.h>

#include <algorithm>

namespace themedraw {

TPalette ButtonPalette(TLook look) {
  switch (look) {
    case lkHot: return {Hex(0x0067C0), Hex(0xEAF3FC), Hex(0xD8E9F9), Hex(0x1B1B1B)};
    case lkPressed: return {Hex(0x004E92), Hex(0xC4DDF5), Hex(0xCFE3F6), Hex(0x1B1B1B)};
    case lkDisabled: return {Hex(0xCCCCCC), Hex(0xF5F5F5), Hex(0xF5F5F5), Hex(0xA0A0A0)};
    case lkNormal: break;
  }
  return {Hex(0x8A8A8A), Hex(0xFDFDFD), Hex(0xEDEDED), Hex(0x1B1B1B)};
}

TThemeRect Inflate(TThemeRect r, int dx, int dy) {
  return {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy};
}

namespace {

void SetColor(cairo_t* cr, TRgb c) { cairo_set_source_rgb(cr, c.R, c.G, c.B); }

bool Empty(const TThemeRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

}  // namespace

void Fill(cairo_t* cr, const TThemeRect& r, TRgb c) {
  if (Empty(r)) return;
  SetColor(cr, c);
  cairo_rectangle(cr, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
  cairo_fill(cr);
}

void Frame(cairo_t* cr, const TThemeRect& r, TRgb c) {
  if (Empty(r)) return;
  Fill(cr, {r.Left, r.Top, r.Right, r.Top + 1}, c);
  Fill(cr, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, c);
  Fill(cr, {r.Left, r.Top, r.Left + 1, r.Bottom}, c);
  Fill(cr, {r.Right - 1, r.Top, r.Right, r.Bottom}, c);
}

void Gradient(cairo_t* cr, const TThemeRect& r, TRgb top, TRgb bottom, bool vertical) {
  if (Empty(r)) return;
  cairo_pattern_t* p = vertical ? cairo_pattern_create_linear(0, r.Top, 0, r.Bottom)
                                : cairo_pattern_create_linear(r.Left, 0, r.Right, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, top.R, top.G, top.B);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.R, bottom.G, bottom.B);
  cairo_set_source(cr, p);
  cairo_rectangle(cr, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void Face(cairo_t* cr, const TThemeRect& r, const TPalette& p) {
  Gradient(cr, Inflate(r, -1, -1), p.FaceTop, p.FaceBottom);
  Frame(cr, r, p.Border);
}

void Arrow(cairo_t* cr, const TThemeRect& r, TDirection d, int size, TRgb c) {
  if (Empty(r) || size <= 0) return;
  const double cx = (r.Left + r.Right) / 2.0, cy = (r.Top + r.Bottom) / 2.0;
  const double s = size, h = size / 2.0 + 0.5;
  cairo_save(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  SetColor(cr, c);
  switch (d) {
    case dirUp: cairo_move_to(cr, cx - s, cy + h); cairo_line_to(cr, cx + s, cy + h); cairo_line_to(cr, cx, cy - h); break;
    case dirDown: cairo_move_to(cr, cx - s, cy - h); cairo_line_to(cr, cx + s, cy - h); cairo_line_to(cr, cx, cy + h); break;
    case dirLeft: cairo_move_to(cr, cx + h, cy - s); cairo_line_to(cr, cx + h, cy + s); cairo_line_to(cr, cx - h, cy); break;
    case dirRight: cairo_move_to(cr, cx - h, cy - s); cairo_line_to(cr, cx - h, cy + s); cairo_line_to(cr, cx + h, cy); break;
  }
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_restore(cr);
}

void Tick(cairo_t* cr, const TThemeRect& r, TRgb c) {
  const double w = r.Right - r.Left, h = r.Bottom - r.Top;
  if (w <= 0 || h <= 0) return;
  cairo_save(cr);
  SetColor(cr, c);
  cairo_set_line_width(cr, std::max(1.5, w / 8.0));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  cairo_move_to(cr, r.Left + w * 0.22, r.Top + h * 0.52);
  cairo_line_to(cr, r.Left + w * 0.42, r.Top + h * 0.72);
  cairo_line_to(cr, r.Left + w * 0.78, r.Top + h * 0.30);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void Disc(cairo_t* cr, const TThemeRect& r, TRgb c) {
  const double w = r.Right - r.Left, h = r.Bottom - r.Top;
  if (w <= 0 || h <= 0) return;
  SetColor(cr, c);
  cairo_arc(cr, r.Left + w / 2, r.Top + h / 2, std::min(w, h) / 2, 0, 6.283185307179586);
  cairo_fill(cr);
}

}  // namespace themedraw
