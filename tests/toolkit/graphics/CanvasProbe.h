#pragma once
// Small helpers for pixel probes on bitmaps.

#include <string>
#include <vector>

#include "toolkit/graphics/Bitmap.h"

// A white pf24bit bitmap of the given size.
inline std::unique_ptr<TBitmap> WhiteBitmap(int w, int h) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf24bit);
  b->SetSize(w, h);
  b->Canvas()->Brush()->SetColor(clWhite);
  b->Canvas()->FillRect(Rect(0, 0, w, h));
  return b;
}

// A bitmap of one colour.
inline std::unique_ptr<TBitmap> Filled(int w, int h, TColor c) {
  auto b = WhiteBitmap(w, h);
  b->Canvas()->Brush()->SetColor(c);
  b->Canvas()->FillRect(Rect(0, 0, w, h));
  return b;
}

// The picture as rows of characters: '#' for pixels of colour c, '.' for the rest.
inline std::vector<std::string> Mask(TBitmap& b, TColor c) {
  std::vector<std::string> rows;
  for (int y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int x = 0; x < b.Width(); ++x) row += b.Canvas()->Pixels(x, y) == c ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

inline int CountColor(TBitmap& b, TColor c) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) n += b.Canvas()->Pixels(x, y) == c;
  return n;
}
