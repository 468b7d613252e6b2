#pragma once
// Pixel counting for painting tests.

#include "toolkit/graphics/Canvas.h"

// Dark pixels (text and glyph ink) of a canvas inside r.
inline int DarkPixels(TCanvas* Canvas, const TRect& r) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      const TColor c = ColorToRGB(Canvas->Pixels(x, y));
      n += (c & 0xFF) < 0x80 && ((c >> 8) & 0xFF) < 0x80 && ((c >> 16) & 0xFF) < 0x80;
    }
  return n;
}
