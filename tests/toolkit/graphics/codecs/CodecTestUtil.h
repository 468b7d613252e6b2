#pragma once
// Helpers shared by the codec tests: small test images and byte builders.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

#include "toolkit/graphics/codecs/PixelImage.h"
#include "toolkit/rtl/Exceptions.h"

namespace codectest {

// A small image whose every pixel differs, with an odd width so that rows need padding.
inline TPixelImage Pattern(int w = 5, int h = 3, bool alpha = false) {
  TPixelImage img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      img.At(x, y) = MakeArgb(alpha ? uint8_t(40 * x + 10 * y) : 0xFF, uint8_t(50 * x), uint8_t(80 * y),
                              uint8_t(7 * x + 13 * y));
  return img;
}

// A smooth picture that lossy compression keeps close.
inline TPixelImage Gradient(int w, int h) {
  TPixelImage img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      img.At(x, y) = MakeArgb(0xFF, uint8_t(x * 255 / (w - 1)), uint8_t(y * 255 / (h - 1)), 128);
  return img;
}

inline int MaxChannelDiff(uint32_t a, uint32_t b) {
  int d = 0;
  for (int s = 0; s < 32; s += 8) d = std::max(d, std::abs(int((a >> s) & 0xFF) - int((b >> s) & 0xFF)));
  return d;
}

struct TBytes : std::vector<uint8_t> {
  TBytes& u8(uint8_t v) { push_back(v); return *this; }
  TBytes& u16(uint16_t v) { return u8(uint8_t(v)).u8(uint8_t(v >> 8)); }
  TBytes& u32(uint32_t v) { return u16(uint16_t(v)).u16(uint16_t(v >> 16)); }
  TBytes& bytes(std::initializer_list<uint8_t> list) { insert(end(), list); return *this; }
};

// A BMP file from an info header (40 bytes) and the rest: the file header's
// offset points behind header and palette.
inline TBytes BmpFile(int32_t w, int32_t h, uint16_t bpp, uint32_t compression,
                      const std::vector<uint32_t>& palette, const std::vector<uint8_t>& pixels) {
  TBytes b;
  const uint32_t offset = 14 + 40 + 4 * uint32_t(palette.size());
  b.u8('B').u8('M').u32(offset + uint32_t(pixels.size())).u32(0).u32(offset);
  b.u32(40).u32(uint32_t(w)).u32(uint32_t(h)).u16(1).u16(bpp).u32(compression).u32(uint32_t(pixels.size()));
  b.u32(0).u32(0).u32(uint32_t(palette.size())).u32(0);
  for (uint32_t c : palette) b.u32(c);
  b.insert(b.end(), pixels.begin(), pixels.end());
  return b;
}

// Calls decode on every proper prefix of data and counts those that did not raise.
template <class Decode>
int PrefixesAccepted(const std::vector<uint8_t>& data, Decode decode, size_t step = 1) {
  int accepted = 0;
  for (size_t n = 0; n < data.size(); n += step) {
    std::vector<uint8_t> prefix(data.begin(), data.begin() + long(n));
    try {
      decode(prefix.data(), prefix.size());
      ++accepted;
    } catch (const EInvalidGraphic&) {
    }
  }
  return accepted;
}

}  // namespace codectest
