#pragma once
// JPEG through libjpeg: baseline and progressive, grey, YCbCr and CMYK are
// read into opaque ARGB; written as YCbCr with a quality of 1..100.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "toolkit/graphics/codecs/PixelImage.h"

bool IsJpegData(const uint8_t* data, size_t size);
// Corrupt or truncated data is an error, not a warning: the picture would be
// partly made up.
TPixelImage DecodeJpeg(const uint8_t* data, size_t size);
// Alpha is dropped; quality is clamped to 1..100.
std::vector<uint8_t> EncodeJpeg(const TPixelImage& image, int quality = 90);
