#pragma once
// Drawing helpers shared by the theme painter's classes. Rectangles are
// filled on whole pixels, so the painter's output is exact and testable.

#include <cstdint>

#include "platform/theme/Theme.h"

namespace themedraw {

struct TRgb {
  double R, G, B;
};

constexpr TRgb Hex(uint32_t rgb) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

// The four looks every state maps to.
enum TLook { lkNormal, lkHot, lkPressed, lkDisabled };

// The palette of the look: a light, flat scheme with one blue accent.
struct TPalette {
  TRgb Border, FaceTop, FaceBottom, Mark;
};
TPalette ButtonPalette(TLook look);

constexpr TRgb kAccent = Hex(0x0067C0);
constexpr TRgb kAccentDark = Hex(0x004E92);
constexpr TRgb kWhite = Hex(0xFFFFFF);
constexpr TRgb kText = Hex(0x1B1B1B);
constexpr TRgb kGrayText = Hex(0xA0A0A0);

TThemeRect Inflate(TThemeRect r, int dx, int dy);
void Fill(cairo_t* cr, const TThemeRect& r, TRgb c);
// A one-pixel frame just inside r.
void Frame(cairo_t* cr, const TThemeRect& r, TRgb c);
// Top-to-bottom gradient inside r.
void Gradient(cairo_t* cr, const TThemeRect& r, TRgb top, TRgb bottom, bool vertical = true);
// A framed face in the look's palette: frame plus gradient inside.
void Face(cairo_t* cr, const TThemeRect& r, const TPalette& p);

enum TDirection { dirUp, dirDown, dirLeft, dirRight };
// A small filled triangle centred in r, pointing the given way, size = half base.
void Arrow(cairo_t* cr, const TThemeRect& r, TDirection d, int size, TRgb c);
// A two-stroke tick mark centred in r.
void Tick(cairo_t* cr, const TThemeRect& r, TRgb c);
// A filled circle (anti-aliased) inscribed in r.
void Disc(cairo_t* cr, const TThemeRect& r, TRgb c);

}  // namespace themedraw
