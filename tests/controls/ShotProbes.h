#pragma once
// Probes of a saved screenshot: the picture a look test writes must also show
// what the test set up, so that a control that paints nothing, or the wrong
// colours, fails the test instead of only writing a picture.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "toolkit/graphics/Colors.h"
#include "toolkit/graphics/codecs/PixelImage.h"
#include "toolkit/graphics/codecs/PngCodec.h"
#include "toolkit/testing/TestDriver.h"

// The picture of Form, saved as Name, read back.
inline TPixelImage Shot(TTestDriver& Driver, TWinControl* Form, const std::string& Name) {
  const std::string path = Driver.Screenshot(Form, Name);
  if (path.empty()) {
    ADD_FAILURE() << "no picture written for " << Name;
    return {};
  }
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return DecodePng(bytes.data(), bytes.size());
}

// Pixels of Picture that show Colour exactly.
inline int PixelsOf(const TPixelImage& Picture, TColor Colour) {
  const TColor rgb = ColorToRGB(Colour);
  const uint32_t want = MakeArgb(0xFF, rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
  int n = 0;
  for (uint32_t p : Picture.Pixels) n += (p | 0xFF000000u) == want;
  return n;
}

// Dark pixels (text and glyph ink) of Picture.
inline int InkOf(const TPixelImage& Picture) {
  int n = 0;
  for (uint32_t p : Picture.Pixels) n += ArgbR(p) < 0x80 && ArgbG(p) < 0x80 && ArgbB(p) < 0x80;
  return n;
}

// Pixels of Picture in a clear colour (a selection, a highlight, a gradient
// look), whatever the look's own colours are.
inline int ColouredOf(const TPixelImage& Picture) {
  int n = 0;
  for (uint32_t p : Picture.Pixels) {
    const int r = ArgbR(p), g = ArgbG(p), b = ArgbB(p);
    n += std::max({r, g, b}) - std::min({r, g, b}) > 60;
  }
  return n;
}
