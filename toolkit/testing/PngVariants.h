#pragma once
// PNG files of every colour type, bit depth and interlace that the format
// allows, written with libpng's own encoder: the seeds of the PNG fuzz target
// and the cases of the decoder's test. Each file carries a known picture, so
// a reader can check what it decoded.

#include <cstdint>
#include <string>
#include <vector>

namespace pngvariants {

struct TPngVariant {
  int ColorType = 0;  // PNG_COLOR_TYPE_*: 0 grey, 2 RGB, 3 palette, 4 grey+alpha, 6 RGBA
  int BitDepth = 8;
  bool Interlaced = false;
  bool Transparency = false;  // a tRNS chunk (grey, RGB and palette only)
  bool Srgb = true;           // an sRGB chunk; without one, libpng takes 16-bit samples as linear
  std::string Name() const;
};

// Every allowed combination, with and without tRNS where it applies, plus
// 16-bit files without an sRGB chunk.
std::vector<TPngVariant> AllPngVariants();

constexpr int kWidth = 11;  // odd sizes leave Adam7 passes partly empty
constexpr int kHeight = 7;

// The file of a variant, kWidth x kHeight pixels.
std::vector<uint8_t> WritePngVariant(const TPngVariant& v);

// The pixel (x, y) of the variant as straight 0xAARRGGBB with 8-bit channels;
// for 16-bit files with an sRGB chunk each channel may differ by one from the
// decoder's rounding.
uint32_t ExpectedPixel(const TPngVariant& v, int x, int y);

}  // namespace pngvariants
