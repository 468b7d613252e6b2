#pragma once
// Text on a canvas through Pango: the font a TFont stands for at a given
// scale, measuring and drawing one line. Internal to the canvas files.

#include <string>
#include <string_view>

#include "toolkit/graphics/CanvasTypes.h"
#include "toolkit/graphics/GraphicsObjects.h"

typedef struct _cairo cairo_t;

// A TFont realised in device pixels.
struct TFontSpec {
  std::string Family;       // installed family that the font's name maps to
  double EmPixels = 11;     // em height in device pixels
  bool Bold = false, Italic = false, Underline = false, StrikeOut = false;
  bool Fixed = false;       // fixed-text-metrics mode
  int FixedLine = 0;        // device pixels, fixed mode
  int FixedCell = 0;
  double Rotation = 0;      // degrees, counter-clockwise
  // The face's number in this thread's font table (family, size, weight,
  // slant and fixed cell): metrics, widths and Pango descriptions are kept
  // under it, so no key is built per draw.
  int Id = -1;
};

// The installed family for a face name: the face itself where fontconfig
// has it ("Tahoma"), Tahoma for the desktop's other sans faces ("Verdana"),
// else the DejaVu family of its kind ("Courier New" -> "DejaVu Sans Mono").
std::string MapFontFamily(const std::string& name, TFontPitch pitch);

TFontSpec MakeFontSpec(const TFont& font, double scale);
// The family of the face Pango actually loads for a font description: where it differs
// from fontSpec.Family, text falls back to another font.
std::string ResolvedFontFamily(const TFontSpec& fontSpec);

// Metrics in device pixels.
TTextMetric FontMetrics(const TFontSpec& fontSpec);
// Advance width of a line of text in device pixels.
int MeasureLine(const TFontSpec& fontSpec, std::string_view text);
// Draws one line with the top of its cell at (x, y) surface pixels, rotated
// about that point by fontSpec.Rotation.
void DrawLine(cairo_t* cr, const TFontSpec& fontSpec, std::string_view text, double x, double y, uint32_t rgb, bool rtl);

// The canvas's last realised font: a canvas draws cell after cell in the
// same font, so the font description and its metrics are made again only when the font,
// the scale or the metrics mode changes.
struct TCanvasText {
  const TFontSpec& Spec(const TFont& font, double scale);
  const TTextMetric& Metrics(const TFont& font, double scale) {
    Spec(font, scale);
    return metric_;
  }

private:
  bool valid_ = false;
  TFontName name_;
  int height_ = 0;
  TFontStyles style_;
  TFontPitch pitch_ = fpDefault;
  int orientation_ = 0;
  double scale_ = 1;
  bool fixed_ = false;
  TFontSpec spec_;
  TTextMetric metric_;
};
