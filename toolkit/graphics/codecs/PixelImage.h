#pragma once
// The plain pixel buffer every codec decodes to and encodes from, so that the
// codecs need nothing but bytes and can be fuzzed on their own.

#include <cstdint>
#include <vector>

// Pixels are 0xAARRGGBB with straight (not premultiplied) alpha, rows top-down.
struct TPixelImage {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Pixels;

  TPixelImage() = default;
  TPixelImage(int w, int h, uint32_t fill = 0xFF000000u)
      : Width(w), Height(h), Pixels(static_cast<size_t>(w) * static_cast<size_t>(h), fill) {}

  bool Empty() const { return Width <= 0 || Height <= 0; }
  uint32_t& At(int x, int y) { return Pixels[static_cast<size_t>(y) * Width + x]; }
  uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
  // True when some pixel is not fully opaque.
  bool HasAlpha() const {
    for (uint32_t p : Pixels)
      if ((p >> 24) != 0xFF) return true;
    return false;
  }
};

constexpr uint32_t MakeArgb(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
  return (uint32_t(a) << 24) | (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
}
constexpr uint8_t ArgbA(uint32_t p) { return uint8_t(p >> 24); }
constexpr uint8_t ArgbR(uint32_t p) { return uint8_t(p >> 16); }
constexpr uint8_t ArgbG(uint32_t p) { return uint8_t(p >> 8); }
constexpr uint8_t ArgbB(uint32_t p) { return uint8_t(p); }

// Images larger than this are refused by every decoder: a header may claim
// any size, and allocation must stay bounded whatever the file says.
constexpr int64_t kMaxImagePixels = int64_t(1) << 26;  // 64 Mpixel, 256 MB
constexpr int kMaxImageSide = 1 << 15;

// Raises EInvalidGraphic when the size is not a sane positive image size.
void CheckImageSize(int64_t width, int64_t height, const char* format);
