// Draws the program's glyph bitmaps and its cursors with Cairo and writes
// them under resources/ (glyphs as PNG, cursors as .cur), and the flag
// pictures of the language files under language/ (48 x 48 BMP, the size of
// a slot of the options dialog). They are this program's own drawings; run
// it again after changing one.
//
// Build and run from the repository root:
//   g++ -std=c++20 -I. tools/glyphgen.cpp platform/theme/*.cpp
//     toolkit/graphics/codecs/{ByteReader,BmpCodec,PngCodec,IcoCodec}.cpp
//     $(pkg-config --cflags --libs pangocairo libpng) -o /tmp/glyphgen
//   /tmp/glyphgen resources language
//
// Glyphs that are drawn with a colour key (their bottom-left pixel's colour
// is transparent) get a magenta background, and their anti-aliased edges are
// blended over white, the colour of the cells they are drawn on.

#include <cairo.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "platform/theme/Theme.h"
#include "toolkit/graphics/codecs/BmpCodec.h"
#include "toolkit/graphics/codecs/IcoCodec.h"
#include "toolkit/graphics/codecs/PngCodec.h"

namespace {

namespace fs = std::filesystem;
using TDraw = std::function<void(cairo_t*)>;

constexpr uint32_t kKey = 0xFFFF00FF;
constexpr double kPi = 3.14159265358979;

struct TRgb { double R, G, B; };
constexpr TRgb Hex(uint32_t v) { return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0}; }

const TRgb kInk = Hex(0x303030), kGrey = Hex(0xA8A8A8), kBlue = Hex(0x1F5FAF), kGreen = Hex(0x1E8C3A),
           kRed = Hex(0xD0312D), kYellow = Hex(0xF6D32D), kWhite = Hex(0xFFFFFF);

void Color(cairo_t* cr, TRgb c) { cairo_set_source_rgb(cr, c.R, c.G, c.B); }

// Renders a drawing on a transparent surface and returns straight-alpha pixels.
TPixelImage Render(int w, int h, const TDraw& draw) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(s);
  draw(cr);
  cairo_destroy(cr);
  cairo_surface_flush(s);
  TPixelImage img(w, h);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t p = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s) + y * stride)[x];
      const uint32_t a = p >> 24;
      auto un = [&](int shift) { return a ? uint8_t(std::min<uint32_t>(255, ((p >> shift) & 255) * 255 / a)) : 0; };
      img.At(x, y) = MakeArgb(uint8_t(a), un(16), un(8), un(0));
    }
  cairo_surface_destroy(s);
  return img;
}

// Key-coloured form: clear pixels become the key, the rest is blended over white.
TPixelImage Keyed(TPixelImage img) {
  for (uint32_t& p : img.Pixels) {
    const uint32_t a = ArgbA(p);
    if (a == 0) { p = kKey; continue; }
    auto over = [&](uint8_t c) { return uint8_t((c * a + 255 * (255 - a)) / 255); };
    p = MakeArgb(0xFF, over(ArgbR(p)), over(ArgbG(p)), over(ArgbB(p)));
  }
  return img;
}

void Save(const fs::path& path, const std::vector<uint8_t>& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
  std::cout << path.string() << "\n";
}

void Glyph(const fs::path& dir, const std::string& name, int w, int h, const TDraw& draw) {
  Save(dir / "glyphs" / (name + ".png"), EncodePng(Keyed(Render(w, h, draw))));
}

// ---- drawings ----

void ThemePart(cairo_t* cr, const char* cls, int part, int state, TThemeRect r) {
  const HTHEME t = OpenThemeData(nullptr, cls);
  DrawThemeBackground(t, cr, part, state, &r, nullptr);
  CloseThemeData(t);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

void Stroke(cairo_t* cr, TRgb c, double width) {
  Color(cr, c);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void TickPath(cairo_t* cr, double x, double y, double s) {
  cairo_move_to(cr, x + 0.15 * s, y + 0.55 * s);
  cairo_line_to(cr, x + 0.4 * s, y + 0.8 * s);
  cairo_line_to(cr, x + 0.85 * s, y + 0.2 * s);
}

void CrossPath(cairo_t* cr, double x, double y, double s) {
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + s, y + s);
  cairo_move_to(cr, x + s, y);
  cairo_line_to(cr, x, y + s);
}

// The rounded, gradient-filled look of the grid's own check boxes and radios.
void SoftBox(cairo_t* cr, double x, double y, double s, bool round, bool enabled) {
  if (round) cairo_arc(cr, x + s / 2, y + s / 2, s / 2 - 0.5, 0, 2 * kPi);
  else RoundRect(cr, x + 0.5, y + 0.5, s - 1, s - 1, 3);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + s);
  cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 1);
  const TRgb bottom = enabled ? Hex(0xD5E2F2) : Hex(0xEEEEEE);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.R, bottom.G, bottom.B);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  Stroke(cr, enabled ? Hex(0x6F8DBF) : Hex(0xBDBDBD), 1);
}

void QgsCheck(cairo_t* cr, bool checked, bool enabled) {
  SoftBox(cr, 2, 2, 16, false, enabled);
  if (!checked) return;
  TickPath(cr, 4, 4, 12);
  Stroke(cr, enabled ? Hex(0x1F3A93) : kGrey, 2.2);
}

void QgsRadio(cairo_t* cr, bool on, bool enabled) {
  SoftBox(cr, 1, 1, 14, true, enabled);
  if (!on) return;
  cairo_arc(cr, 8, 8, 3, 0, 2 * kPi);
  Color(cr, enabled ? Hex(0x1F3A93) : kGrey);
  cairo_fill(cr);
}

// The flat look that colour tones give check boxes and radios: a thin
// square or ring, filled dark with a white tick, or with a dark dot.
void MetroBox(cairo_t* cr, bool round, bool on) {
  const TRgb ink = Hex(0x404040);
  if (round) cairo_arc(cr, 8, 8, 6.5, 0, 2 * kPi);
  else cairo_rectangle(cr, 1.5, 1.5, 13, 13);
  Color(cr, on && !round ? ink : kWhite);
  cairo_fill_preserve(cr);
  Stroke(cr, ink, 1);
  if (!on) return;
  if (round) {
    cairo_arc(cr, 8, 8, 3.5, 0, 2 * kPi);
    Color(cr, ink);
    cairo_fill(cr);
    return;
  }
  TickPath(cr, 3, 3, 10);
  Stroke(cr, kWhite, 2);
}

void Funnel(cairo_t* cr, TRgb fill, TRgb line) {
  cairo_move_to(cr, 2.5, 2.5);
  cairo_line_to(cr, 13.5, 2.5);
  cairo_line_to(cr, 9.5, 7.5);
  cairo_line_to(cr, 9.5, 12.5);
  cairo_line_to(cr, 6.5, 14.5);
  cairo_line_to(cr, 6.5, 7.5);
  cairo_close_path(cr);
  Color(cr, fill);
  cairo_fill_preserve(cr);
  Stroke(cr, line, 1);
}

void CloseGlyph(cairo_t* cr, int size, TRgb back, TRgb cross) {
  if (back.R >= 0) {
    RoundRect(cr, 0, 0, size, size, 4);  // round enough to leave the key corner clear
    Color(cr, back);
    cairo_fill(cr);
  }
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  CrossPath(cr, 3.5, 3.5, size - 7);
  Stroke(cr, cross, 2);
}

// Triangles on whole pixels: rows of 1, 3, 5, 7 pixels.
void PixelTriangle(cairo_t* cr, int left, int top, int rows, bool up, TRgb c) {
  Color(cr, c);
  for (int i = 0; i < rows; ++i) {
    const int width = 2 * (up ? i : rows - 1 - i) + 1;
    cairo_rectangle(cr, left + rows - 1 - (width - 1) / 2, top + i, width, 1);
  }
  cairo_fill(cr);
}

void NodeBox(cairo_t* cr, bool plus) {
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  Color(cr, Hex(0x919191));
  cairo_rectangle(cr, 1, 0, 7, 1);
  cairo_rectangle(cr, 1, 8, 7, 1);
  cairo_rectangle(cr, 0, 1, 1, 7);
  cairo_rectangle(cr, 8, 1, 1, 7);
  cairo_fill(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 1, 0, 8);
  cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.88, 0.88, 0.88);
  cairo_set_source(cr, p);
  cairo_rectangle(cr, 1, 1, 7, 7);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  Color(cr, kInk);
  cairo_rectangle(cr, 2, 4, 5, 1);
  if (plus) cairo_rectangle(cr, 4, 2, 1, 5);
  cairo_fill(cr);
}

void LeafTriangle(cairo_t* cr, bool open) {
  if (open) {
    cairo_move_to(cr, 11.5, 3.5);
    cairo_line_to(cr, 11.5, 9.5);
    cairo_line_to(cr, 5.5, 9.5);
    cairo_close_path(cr);
    Color(cr, Hex(0x404040));
    cairo_fill_preserve(cr);
    Stroke(cr, Hex(0x404040), 1);
  } else {
    cairo_move_to(cr, 6.5, 2.5);
    cairo_line_to(cr, 10.5, 6.5);
    cairo_line_to(cr, 6.5, 10.5);
    cairo_close_path(cr);
    Color(cr, kWhite);
    cairo_fill_preserve(cr);
    Stroke(cr, Hex(0x808080), 1);
  }
}

void BigArrow(cairo_t* cr, bool up, TRgb c) {
  const double dir = up ? -1 : 1, mid = 8;
  cairo_move_to(cr, 8, mid + dir * 6);
  cairo_line_to(cr, 2.5, mid);
  cairo_line_to(cr, 6, mid);
  cairo_line_to(cr, 6, mid - dir * 6);
  cairo_line_to(cr, 10, mid - dir * 6);
  cairo_line_to(cr, 10, mid);
  cairo_line_to(cr, 13.5, mid);
  cairo_close_path(cr);
  Color(cr, c);
  cairo_fill(cr);
}

void Highlighter(cairo_t* cr, bool enabled) {
  cairo_rectangle(cr, 1, 8, 14, 5);
  Color(cr, enabled ? kYellow : Hex(0xE0E0E0));
  cairo_fill(cr);
  for (double y : {4.5, 10.5}) {
    cairo_move_to(cr, 3, y);
    cairo_line_to(cr, 13, y);
  }
  Stroke(cr, enabled ? kInk : kGrey, 1);
}

void Calendar(cairo_t* cr) {
  cairo_rectangle(cr, 1.5, 2.5, 13, 12);
  Color(cr, kWhite);
  cairo_fill_preserve(cr);
  Stroke(cr, Hex(0x707070), 1);
  cairo_rectangle(cr, 2, 3, 12, 3);
  Color(cr, kRed);
  cairo_fill(cr);
  Color(cr, Hex(0x707070));
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 4; ++col) cairo_rectangle(cr, 3 + 3 * col, 7 + 2.5 * row, 2, 1.5);
  cairo_fill(cr);
}

void Clock(cairo_t* cr) {
  cairo_arc(cr, 8, 8, 6.5, 0, 2 * kPi);
  Color(cr, kWhite);
  cairo_fill_preserve(cr);
  Stroke(cr, Hex(0x505050), 1.2);
  cairo_move_to(cr, 8, 8);
  cairo_line_to(cr, 8, 3.5);
  cairo_move_to(cr, 8, 8);
  cairo_line_to(cr, 11, 9.5);
  Stroke(cr, kInk, 1.2);
}

void Ellipsis(cairo_t* cr) {
  Color(cr, kInk);
  for (int i = 0; i < 3; ++i) cairo_rectangle(cr, 3 + 4 * i, 10, 2, 2);
  cairo_fill(cr);
}

// One 18 x 18 cell of a button glyph strip.
using TCell = std::function<void(cairo_t*, bool enabled)>;

void Strip(const fs::path& dir, const std::string& name, const TCell& cell) {
  Glyph(dir, name, 36, 18, [&](cairo_t* cr) {
    for (int i = 0; i < 2; ++i) {
      cairo_save(cr);
      cairo_translate(cr, 18 * i + 1, 1);
      cell(cr, i == 0);
      cairo_restore(cr);
    }
  });
}

TRgb Or(bool enabled, TRgb c) { return enabled ? c : kGrey; }

void ButtonStrips(const fs::path& dir) {
  Strip(dir, "LBOK", [](cairo_t* cr, bool e) { TickPath(cr, 1, 1, 14); Stroke(cr, Or(e, kGreen), 2.5); });
  Strip(dir, "LBYES", [](cairo_t* cr, bool e) { TickPath(cr, 1, 1, 14); Stroke(cr, Or(e, kGreen), 2.5); });
  Strip(dir, "LBCANCEL", [](cairo_t* cr, bool e) { CrossPath(cr, 3, 3, 10); Stroke(cr, Or(e, kRed), 2.5); });
  Strip(dir, "LBCLOSE", [](cairo_t* cr, bool e) {
    cairo_rectangle(cr, 2.5, 1.5, 9, 13);
    Stroke(cr, Or(e, Hex(0x8A5A2B)), 1.5);
    cairo_arc(cr, 9, 8, 1, 0, 2 * kPi);
    Color(cr, Or(e, kInk));
    cairo_fill(cr);
  });
  Strip(dir, "LBHELP", [](cairo_t* cr, bool e) {
    cairo_arc(cr, 8, 5.5, 3.5, -kPi, kPi / 2);
    cairo_line_to(cr, 8, 10.5);
    Stroke(cr, Or(e, kBlue), 2);
    cairo_arc(cr, 8, 13.5, 1.3, 0, 2 * kPi);
    Color(cr, Or(e, kBlue));
    cairo_fill(cr);
  });
  Strip(dir, "LBNO", [](cairo_t* cr, bool e) {
    cairo_arc(cr, 8, 8, 6, 0, 2 * kPi);
    cairo_move_to(cr, 3.8, 12.2);
    cairo_line_to(cr, 12.2, 3.8);
    Stroke(cr, Or(e, kRed), 2);
  });
  Strip(dir, "LBABORT", [](cairo_t* cr, bool e) {
    cairo_arc(cr, 8, 8, 7, 0, 2 * kPi);
    Color(cr, Or(e, kRed));
    cairo_fill(cr);
    cairo_rectangle(cr, 4, 7, 8, 2);
    Color(cr, kWhite);
    cairo_fill(cr);
  });
  Strip(dir, "LBRETRY", [](cairo_t* cr, bool e) {
    cairo_arc(cr, 8, 8, 5.5, -kPi / 4, 1.5 * kPi);
    Stroke(cr, Or(e, kGreen), 2);
    cairo_move_to(cr, 13, 1);
    cairo_line_to(cr, 13, 6);
    cairo_line_to(cr, 8, 6);
    cairo_close_path(cr);
    Color(cr, Or(e, kGreen));
    cairo_fill(cr);
  });
  Strip(dir, "LBIGNORE", [](cairo_t* cr, bool e) {
    cairo_move_to(cr, 2, 8);
    cairo_curve_to(cr, 6, 2, 10, 14, 14, 8);
    Stroke(cr, Or(e, kBlue), 2);
  });
  Strip(dir, "LBALL", [](cairo_t* cr, bool e) {
    TickPath(cr, -1, 1, 12);
    TickPath(cr, 4, 1, 12);
    Stroke(cr, Or(e, kGreen), 2);
  });
}

void GridGlyphs(const fs::path& dir) {
  // The grid's own check boxes (20 x 20) and radios (16 x 16).
  const char* chk[] = {"ESGCHK01", "ESGCHK02", "ESGCHK03", "ESGCHK04"};
  const char* rad[] = {"ESGRAD01", "ESGRAD02", "ESGRAD03", "ESGRAD04"};
  for (int i = 0; i < 4; ++i) {
    const bool on = i % 2 == 0, enabled = i < 2;
    Glyph(dir, chk[i], 20, 20, [=](cairo_t* cr) { QgsCheck(cr, on, enabled); });
    Glyph(dir, rad[i], 16, 16, [=](cairo_t* cr) { QgsRadio(cr, on, enabled); });
  }
  // The themed look, drawn by the theme painter itself: checked/unchecked x enabled/disabled.
  const int chkStates[] = {CBS_CHECKEDNORMAL, CBS_UNCHECKEDNORMAL, CBS_CHECKEDDISABLED, CBS_UNCHECKEDDISABLED};
  const int radStates[] = {RBS_CHECKEDNORMAL, RBS_UNCHECKEDNORMAL, RBS_CHECKEDDISABLED, RBS_UNCHECKEDDISABLED};
  for (int i = 0; i < 4; ++i) {
    Glyph(dir, "ESGCHK0" + std::to_string(5 + i), 16, 16,
          [=](cairo_t* cr) { ThemePart(cr, "button", BP_CHECKBOX, chkStates[i], {1, 1, 14, 14}); });
    Glyph(dir, "ESGRAD0" + std::to_string(5 + i), 16, 16,
          [=](cairo_t* cr) { ThemePart(cr, "button", BP_RADIOBUTTON, radStates[i], {1, 1, 14, 14}); });
  }
  Glyph(dir, "metrocheckon", 16, 16, [](cairo_t* cr) { MetroBox(cr, false, true); });
  Glyph(dir, "metrocheckoff", 16, 16, [](cairo_t* cr) { MetroBox(cr, false, false); });
  Glyph(dir, "metroradioon", 16, 16, [](cairo_t* cr) { MetroBox(cr, true, true); });
  Glyph(dir, "metroradiooff", 16, 16, [](cairo_t* cr) { MetroBox(cr, true, false); });
  Glyph(dir, "ESGFILT", 16, 16, [](cairo_t* cr) { Funnel(cr, Hex(0xD8DEE8), Hex(0x5A6A80)); });
  Glyph(dir, "ESGCLOSE", 14, 14, [](cairo_t* cr) { CloseGlyph(cr, 14, {-1, 0, 0}, kInk); });
  Glyph(dir, "ESGCLOSEH", 14, 14, [](cairo_t* cr) { CloseGlyph(cr, 14, Hex(0xE81123), kWhite); });
  Glyph(dir, "ESGCLOSED", 14, 14, [](cairo_t* cr) { CloseGlyph(cr, 14, Hex(0xA10E1B), kWhite); });
  Glyph(dir, "ESGLEAFCLOSE", 16, 16, [](cairo_t* cr) { LeafTriangle(cr, false); });
  Glyph(dir, "ESGLEAFOPEN", 16, 16, [](cairo_t* cr) { LeafTriangle(cr, true); });
  Glyph(dir, "XPNODEC", 9, 9, [](cairo_t* cr) { NodeBox(cr, true); });
  Glyph(dir, "XPNODEO", 9, 9, [](cairo_t* cr) { NodeBox(cr, false); });
  Glyph(dir, "EsgSpinUp", 9, 5, [](cairo_t* cr) { PixelTriangle(cr, 1, 0, 4, true, Hex(0x000000)); });
  Glyph(dir, "EsgSpinDown", 9, 5, [](cairo_t* cr) { PixelTriangle(cr, 1, 0, 4, false, Hex(0x000000)); });
  Glyph(dir, "ESGARUP", 16, 16, [](cairo_t* cr) { BigArrow(cr, true, kBlue); });
  Glyph(dir, "ESGARUPD", 16, 16, [](cairo_t* cr) { BigArrow(cr, true, kGrey); });
  Glyph(dir, "ESGARDOWN", 16, 16, [](cairo_t* cr) { BigArrow(cr, false, kBlue); });
  Glyph(dir, "ESGARDOWND", 16, 16, [](cairo_t* cr) { BigArrow(cr, false, kGrey); });
  Glyph(dir, "ESGHI", 16, 16, [](cairo_t* cr) { Highlighter(cr, true); });
  Glyph(dir, "ESGHID", 16, 16, [](cairo_t* cr) { Highlighter(cr, false); });
}

// Plainly named glyphs for controls: check boxes and radios in every state and
// the small pictures of buttons and pickers.
void ControlGlyphs(const fs::path& dir) {
  const char* looks[] = {"NORMAL", "HOT", "PRESSED", "DISABLED"};
  const char* checks[] = {"OFF", "ON", "GRAYED"};
  for (int kind = 0; kind < 3; ++kind)
    for (int look = 0; look < 4; ++look) {
      const int state = 1 + 4 * kind + look;
      Glyph(dir, std::string("CHECK_") + checks[kind] + "_" + looks[look], 16, 16,
            [=](cairo_t* cr) { ThemePart(cr, "button", BP_CHECKBOX, state, {1, 1, 14, 14}); });
      if (kind < 2)
        Glyph(dir, std::string("RADIO_") + checks[kind] + "_" + looks[look], 16, 16,
              [=](cairo_t* cr) { ThemePart(cr, "button", BP_RADIOBUTTON, state, {1, 1, 14, 14}); });
    }
  Glyph(dir, "FILTER", 16, 16, [](cairo_t* cr) { Funnel(cr, Hex(0xD8DEE8), Hex(0x5A6A80)); });
  Glyph(dir, "FILTER_ACTIVE", 16, 16, [](cairo_t* cr) { Funnel(cr, Hex(0x3A7BD5), Hex(0x1F4F99)); });
  Glyph(dir, "CLOSE", 14, 14, [](cairo_t* cr) { CloseGlyph(cr, 14, {-1, 0, 0}, kInk); });
  Glyph(dir, "NODE_PLUS", 9, 9, [](cairo_t* cr) { NodeBox(cr, true); });
  Glyph(dir, "NODE_MINUS", 9, 9, [](cairo_t* cr) { NodeBox(cr, false); });
  Glyph(dir, "SORT_UP", 9, 5, [](cairo_t* cr) { PixelTriangle(cr, 1, 0, 4, true, Hex(0x6D6D6D)); });
  Glyph(dir, "SORT_DOWN", 9, 5, [](cairo_t* cr) { PixelTriangle(cr, 1, 0, 4, false, Hex(0x6D6D6D)); });
  Glyph(dir, "DROPDOWN_ARROW", 9, 5, [](cairo_t* cr) { PixelTriangle(cr, 1, 0, 4, false, Hex(0x404040)); });
  Glyph(dir, "SPIN_UP", 9, 5, [](cairo_t* cr) { PixelTriangle(cr, 1, 0, 4, true, Hex(0x000000)); });
  Glyph(dir, "SPIN_DOWN", 9, 5, [](cairo_t* cr) { PixelTriangle(cr, 1, 0, 4, false, Hex(0x000000)); });
  Glyph(dir, "ELLIPSIS", 16, 16, Ellipsis);
  Glyph(dir, "CALENDAR", 16, 16, Calendar);
  Glyph(dir, "CLOCK", 16, 16, Clock);
}

// Hue left to right around the colour circle; white at the top, the pure hue
// at mid-height, black at the bottom.
void Spectrum(const fs::path& dir) {
  TPixelImage img(128, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      const double h = x * 6.0 / 128, f = h - std::floor(h);
      double rgb[3];
      switch (int(h)) {
        case 0: rgb[0] = 1; rgb[1] = f; rgb[2] = 0; break;
        case 1: rgb[0] = 1 - f; rgb[1] = 1; rgb[2] = 0; break;
        case 2: rgb[0] = 0; rgb[1] = 1; rgb[2] = f; break;
        case 3: rgb[0] = 0; rgb[1] = 1 - f; rgb[2] = 1; break;
        case 4: rgb[0] = f; rgb[1] = 0; rgb[2] = 1; break;
        default: rgb[0] = 1; rgb[1] = 0; rgb[2] = 1 - f; break;
      }
      const double t = y / 127.0;
      uint8_t c[3];
      for (int i = 0; i < 3; ++i) {
        const double v = t < 0.5 ? 1 + (rgb[i] - 1) * (t * 2) : rgb[i] * (2 - t * 2);
        c[i] = uint8_t(std::lround(v * 255));
      }
      img.At(x, y) = MakeArgb(0xFF, c[0], c[1], c[2]);
    }
  Save(dir / "glyphs" / "QGS_SPECTRUM.png", EncodePng(img));
}

// A 32 x 32 arrow pointer with its hot spot at the tip.
void Pointer(const fs::path& dir) {
  TIcoFile cur;
  cur.Cursor = true;
  TIcoEntry e;
  e.Image = Render(32, 32, [](cairo_t* cr) {
    cairo_move_to(cr, 1.5, 1.5);
    cairo_line_to(cr, 1.5, 18.5);
    cairo_line_to(cr, 5.5, 14.5);
    cairo_line_to(cr, 8.5, 21.5);
    cairo_line_to(cr, 11, 20.5);
    cairo_line_to(cr, 8, 13.5);
    cairo_line_to(cr, 13.5, 13.5);
    cairo_close_path(cr);
    Color(cr, kWhite);
    cairo_fill_preserve(cr);
    Stroke(cr, Hex(0x000000), 1);
  });
  e.BitCount = 32;
  e.HotSpotX = 1;
  e.HotSpotY = 1;
  cur.Entries.push_back(e);
  Save(dir / "cursors" / "QGS_POINTER.cur", EncodeIco(cur));
}

// ---- flags of the language files ----

constexpr int kFlag = 48;
const TRgb kFlagBlue = Hex(0x012169), kFlagRed = Hex(0xC8102E);

// A band of the given width along the line from (x0, y0) to (x1, y1), with
// square ends so that it runs off the picture's edges.
void Band(cairo_t* cr, double x0, double y0, double x1, double y1, double width, TRgb c) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  Color(cr, c);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  cairo_stroke(cr);
}

// A band clipped to one quadrant (qx, qy: 0 or 1) of the picture.
void QuadrantBand(cairo_t* cr, int qx, int qy, double x0, double y0, double x1, double y1, double width, TRgb c) {
  const double m = kFlag / 2.0;
  cairo_save(cr);
  cairo_rectangle(cr, qx * m, qy * m, m, m);
  cairo_clip(cr);
  Band(cr, x0, y0, x1, y1, width, c);
  cairo_restore(cr);
}

// The Union flag, squared to the slot: blue field, white diagonals with red
// ones set off their middle turning round the centre, and the white-edged red
// upright cross.
void EnglishFlag(cairo_t* cr) {
  const double s = kFlag, m = s / 2, d = 1.5;
  Color(cr, kFlagBlue);
  cairo_paint(cr);
  Band(cr, 0, 0, s, s, 9, kWhite);
  Band(cr, s, 0, 0, s, 9, kWhite);
  QuadrantBand(cr, 0, 0, -d, d, s - d, s + d, 3, kFlagRed);
  QuadrantBand(cr, 1, 1, d, -d, s + d, s - d, 3, kFlagRed);
  QuadrantBand(cr, 1, 0, s + d, d, d, s + d, 3, kFlagRed);
  QuadrantBand(cr, 0, 1, s - d, -d, -d, s - d, 3, kFlagRed);
  Band(cr, m, 0, m, s, 14, kWhite);
  Band(cr, 0, m, s, m, 14, kWhite);
  Band(cr, m, 0, m, s, 8, kFlagRed);
  Band(cr, 0, m, s, m, 8, kFlagRed);
}

// The flag of a language without a picture of its own: a plain pennant on a
// pole over a light field, no country's colours.
void DefaultFlag(cairo_t* cr) {
  const double s = kFlag;
  Color(cr, Hex(0xF4F4F4));
  cairo_paint(cr);
  Band(cr, 11, 5, 11, s - 5, 2, Hex(0x6A6A6A));
  cairo_move_to(cr, 12, 7);
  cairo_curve_to(cr, 20, 3, 28, 13, 40, 8);
  cairo_line_to(cr, 40, 26);
  cairo_curve_to(cr, 28, 31, 20, 21, 12, 25);
  cairo_close_path(cr);
  Color(cr, Hex(0x3C78C8));
  cairo_fill_preserve(cr);
  Stroke(cr, Hex(0x2A5490), 1);
}

void Flag(const fs::path& dir, const std::string& name, const TDraw& draw) {
  Save(dir / (name + ".bmp"), EncodeBmp(Render(kFlag, kFlag, draw)));
}

void LanguageFlags(const fs::path& dir) {
  Flag(dir, "English", EnglishFlag);
  Flag(dir, "DefaultFlag", DefaultFlag);
}

void SaveCursor(const fs::path& dir, const std::string& name, int hotX, int hotY, const TDraw& draw) {
  TIcoFile cur;
  cur.Cursor = true;
  TIcoEntry e;
  e.Image = Render(32, 32, draw);
  e.BitCount = 32;
  e.HotSpotX = hotX;
  e.HotSpotY = hotY;
  cur.Entries.push_back(e);
  Save(dir / "cursors" / (name + ".cur"), EncodeIco(cur));
}

// A closed figure, filled and outlined (white with a black line unless said).
void Outline(cairo_t* cr, std::initializer_list<std::pair<double, double>> pts, TRgb fill = kWhite,
             TRgb line = Hex(0x000000)) {
  bool first = true;
  for (auto [x, y] : pts) {
    if (first) cairo_move_to(cr, x, y);
    else cairo_line_to(cr, x, y);
    first = false;
  }
  cairo_close_path(cr);
  Color(cr, fill);
  cairo_fill_preserve(cr);
  Stroke(cr, line, 1);
}

// The grid's pick cursors (black figures, white outline): rows, columns,
// select all, the cell selector.
void PickCursors(const fs::path& dir) {
  const TRgb black = Hex(0x000000);
  SaveCursor(dir, "8010", 26, 16, [&](cairo_t* cr) {  // arrow pointing right
    Outline(cr, {{4.5, 13.5}, {16.5, 13.5}, {16.5, 7.5}, {26.5, 16}, {16.5, 24.5}, {16.5, 18.5}, {4.5, 18.5}}, black, kWhite);
  });
  SaveCursor(dir, "8011", 13, 26, [&](cairo_t* cr) {  // arrow pointing down
    Outline(cr, {{10.5, 4.5}, {15.5, 4.5}, {15.5, 16.5}, {21.5, 16.5}, {13, 26.5}, {4.5, 16.5}, {10.5, 16.5}}, black, kWhite);
  });
  SaveCursor(dir, "8012", 16, 16, [&](cairo_t* cr) {  // thick plus
    Outline(cr, {{13.5, 5.5}, {18.5, 5.5}, {18.5, 13.5}, {26.5, 13.5}, {26.5, 18.5}, {18.5, 18.5}, {18.5, 26.5},
                 {13.5, 26.5}, {13.5, 18.5}, {5.5, 18.5}, {5.5, 13.5}, {13.5, 13.5}}, black, kWhite);
  });
  SaveCursor(dir, "8014", 16, 16, [&](cairo_t* cr) {  // large white plus, black outline
    Outline(cr, {{12.5, 2.5}, {19.5, 2.5}, {19.5, 12.5}, {29.5, 12.5}, {29.5, 19.5}, {19.5, 19.5}, {19.5, 29.5},
                 {12.5, 29.5}, {12.5, 19.5}, {2.5, 19.5}, {2.5, 12.5}, {12.5, 12.5}});
  });
}

// The wheel-click pan cursors: 8000 the centre mark, then an arrow with a
// dot per direction (down, left, right, up, up-right, up-left, down-right,
// down-left).
void PanCursors(const fs::path& dir) {
  SaveCursor(dir, "8000", 16, 16, [](cairo_t* cr) {
    for (int q = 0; q < 4; ++q) {
      cairo_save(cr);
      cairo_translate(cr, 16, 16);
      cairo_rotate(cr, q * kPi / 2);
      Outline(cr, {{-4, -7}, {0, -13}, {4, -7}});
      cairo_restore(cr);
    }
    cairo_arc(cr, 16, 16, 3, 0, 2 * kPi);
    Color(cr, kWhite);
    cairo_fill_preserve(cr);
    Stroke(cr, Hex(0x000000), 1);
  });
  // Angles measured clockwise from straight up.
  const std::pair<const char*, double> dirs[] = {{"8001", 180}, {"8002", 270}, {"8003", 90},  {"8004", 0},
                                                 {"8005", 45},  {"8006", 315}, {"8007", 135}, {"8008", 225}};
  for (auto [name, deg] : dirs)
    SaveCursor(dir, name, 16, 16, [deg](cairo_t* cr) {
      cairo_save(cr);
      cairo_translate(cr, 16, 16);
      cairo_rotate(cr, deg * kPi / 180);
      Outline(cr, {{-6, -6}, {0, -14}, {6, -6}, {2, -6}, {2, -3}, {-2, -3}, {-2, -6}});
      cairo_restore(cr);
      cairo_arc(cr, 16, 16, 2.5, 0, 2 * kPi);
      Color(cr, kWhite);
      cairo_fill_preserve(cr);
      Stroke(cr, Hex(0x000000), 1);
    });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: glyphgen <resources folder> <language folder>\n";
    return 2;
  }
  const fs::path dir = argv[1];
  GridGlyphs(dir);
  ControlGlyphs(dir);
  ButtonStrips(dir);
  Spectrum(dir);
  Pointer(dir);
  LanguageFlags(argv[2]);
  PickCursors(dir);
  PanCursors(dir);
  return 0;
}
