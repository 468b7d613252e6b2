#pragma once
// Device-independent bitmaps: the BMP file format and the bare DIB that icons
// and clipboard data carry. Reads 1, 4, 8, 16, 24 and 32 bits per pixel,
// uncompressed, RLE4, RLE8 and bit fields, bottom-up and top-down; writes 24
// and 32 bits per pixel.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "toolkit/graphics/codecs/PixelImage.h"

class TByteReader;

struct TBmpInfo {
  int BitCount = 0;      // bits per pixel as stored in the file
  bool TopDown = false;  // rows stored top row first
};

// True when the bytes start with the "BM" signature.
bool IsBmpData(const uint8_t* data, size_t size);

// Decodes a whole BMP file (file header, info header, palette, pixels).
TPixelImage DecodeBmp(const uint8_t* data, size_t size, TBmpInfo* info = nullptr);

// Decodes a DIB that starts at the reader's position: info header, palette
// and pixels, without a file header. With iconMask the stored height covers
// the colour image and the 1-bit AND mask below it; mask bits clear the alpha.
TPixelImage DecodeDib(TByteReader& reader, bool iconMask, TBmpInfo* info = nullptr);

// Encodes a BMP file with 24 or 32 bits per pixel, bottom-up; 32 bits keep
// the alpha in the fourth byte.
std::vector<uint8_t> EncodeBmp(const TPixelImage& image, int bitsPerPixel = 24);

// Little-endian writers shared by the encoders of this folder.
void PutU16LE(std::vector<uint8_t>& out, uint16_t v);
void PutU32LE(std::vector<uint8_t>& out, uint32_t v);
