#pragma once
// Icon and cursor files: a directory of images, each a DIB with an AND mask or
// an embedded PNG. Written as 32-bit DIBs (PNG for 256-pixel images).

#include <cstddef>
#include <cstdint>
#include <vector>

#include "toolkit/graphics/codecs/PixelImage.h"

struct TIcoEntry {
  TPixelImage Image;
  int BitCount = 0;
  int HotSpotX = 0;  // cursors only
  int HotSpotY = 0;
};

struct TIcoFile {
  bool Cursor = false;
  std::vector<TIcoEntry> Entries;
  // The entry to show when no size is asked for: the largest, deepest one.
  int BestIndex() const;
};

bool IsIcoData(const uint8_t* data, size_t size);
TIcoFile DecodeIco(const uint8_t* data, size_t size);
std::vector<uint8_t> EncodeIco(const TIcoFile& file);
