#pragma once
// PNG through libpng's memory interface: any bit depth, palette, grey and
// alpha are read into straight 8-bit ARGB; written as RGB or RGBA.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "toolkit/graphics/codecs/PixelImage.h"

bool IsPngData(const uint8_t* data, size_t size);
TPixelImage DecodePng(const uint8_t* data, size_t size);
// Opaque images are written without an alpha channel.
std::vector<uint8_t> EncodePng(const TPixelImage& image);
