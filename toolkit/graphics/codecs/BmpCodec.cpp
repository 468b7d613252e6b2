#include "toolkit/graphics/codecs/BmpCodec.h"

#include <bit>

#include "toolkit/graphics/codecs/ByteReader.h"

namespace {

constexpr const char* kFormat = "BMP";
constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiAlphaBitfields = 6;
constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

struct TDibHeader {
  int64_t Width = 0;
  int64_t Height = 0;
  bool TopDown = false;
  int BitCount = 0;
  uint32_t Compression = kBiRgb;
  uint32_t ColorsUsed = 0;
  uint32_t Masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  bool Core = false;                 // old 12-byte header: 3-byte palette entries
};

void ReadMasks(TByteReader& r, TDibHeader& h, int count) {
  for (int i = 0; i < count; ++i) h.Masks[i] = r.U32LE();
}

TDibHeader ReadHeader(TByteReader& r) {
  TDibHeader h;
  const size_t start = r.Position();
  const uint32_t size = r.U32LE();
  if (size == 12) {
    h.Core = true;
    h.Width = r.U16LE();
    h.Height = r.U16LE();
    r.U16LE();  // planes
    h.BitCount = r.U16LE();
  } else if (size >= kInfoHeaderSize && size <= 4096) {
    h.Width = r.I32LE();
    h.Height = r.I32LE();
    r.U16LE();  // planes
    h.BitCount = r.U16LE();
    h.Compression = r.U32LE();
    r.Skip(12);  // image size, resolution
    h.ColorsUsed = r.U32LE();
    r.U32LE();  // colours important
    if (size >= 52) ReadMasks(r, h, size >= 56 ? 4 : 3);
    r.Seek(start);
    r.Skip(size);
    if (size == kInfoHeaderSize && h.Compression == kBiBitfields) ReadMasks(r, h, 3);
    if (size == kInfoHeaderSize && h.Compression == kBiAlphaBitfields) ReadMasks(r, h, 4);
  } else {
    r.Fail("unsupported header size");
  }
  if (h.Height < 0) {
    h.TopDown = true;
    h.Height = -h.Height;
  }
  return h;
}

void ValidateHeader(const TByteReader& r, TDibHeader& h) {
  switch (h.BitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: r.Fail("unsupported bit count");
  }
  const uint32_t c = h.Compression;
  const bool ok = c == kBiRgb || (c == kBiRle8 && h.BitCount == 8) ||
                  (c == kBiRle4 && h.BitCount == 4) ||
                  ((c == kBiBitfields || c == kBiAlphaBitfields) &&
                   (h.BitCount == 16 || h.BitCount == 32));
  if (!ok) r.Fail("unsupported compression");
  if (c == kBiRgb && h.BitCount == 16) {
    h.Masks[0] = 0x7C00; h.Masks[1] = 0x03E0; h.Masks[2] = 0x001F;
  }
  if (h.ColorsUsed > 256 && h.BitCount <= 8) r.Fail("palette too large");
  CheckImageSize(h.Width, h.Height, kFormat);
}

std::vector<uint32_t> ReadPalette(TByteReader& r, const TDibHeader& h) {
  std::vector<uint32_t> palette;
  uint32_t count = h.ColorsUsed;
  if (h.BitCount <= 8 && count == 0) count = 1u << h.BitCount;
  if (count > 4096) r.Fail("palette too large");
  const size_t entry = h.Core ? 3 : 4;
  const uint8_t* p = r.Take(count * entry);
  if (h.BitCount > 8) return palette;  // an optional hint table; pixels carry colours
  palette.reserve(count);
  for (uint32_t i = 0; i < count; ++i, p += entry) palette.push_back(MakeArgb(0xFF, p[2], p[1], p[0]));
  return palette;
}

uint32_t PaletteColor(const std::vector<uint32_t>& palette, unsigned index) {
  return index < palette.size() ? palette[index] : 0xFF000000u;
}

// Scales the bits selected by a mask to 0..255.
uint8_t Channel(uint32_t pixel, uint32_t mask, uint8_t ifNoMask) {
  if (mask == 0) return ifNoMask;
  const int shift = std::countr_zero(mask);
  const uint32_t max = mask >> shift;
  const uint32_t v = (pixel & mask) >> shift;
  return uint8_t((uint64_t(v) * 255 + max / 2) / max);
}

int DestRow(const TDibHeader& h, int64_t fileRow) {
  return int(h.TopDown ? fileRow : h.Height - 1 - fileRow);
}

void DecodeRow(const uint8_t* row, const TDibHeader& h, const std::vector<uint32_t>& palette,
               uint32_t* out) {
  const int w = int(h.Width);
  const bool masked = h.Compression == kBiBitfields || h.Compression == kBiAlphaBitfields ||
                      h.BitCount == 16;
  for (int x = 0; x < w; ++x) {
    switch (h.BitCount) {
      case 1: out[x] = PaletteColor(palette, (row[x >> 3] >> (7 - (x & 7))) & 1); break;
      case 4: out[x] = PaletteColor(palette, (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15); break;
      case 8: out[x] = PaletteColor(palette, row[x]); break;
      case 24: out[x] = MakeArgb(0xFF, row[3 * x + 2], row[3 * x + 1], row[3 * x]); break;
      default: {
        const uint8_t* p = row + (h.BitCount / 8) * x;
        const uint32_t v = h.BitCount == 16 ? uint32_t(p[0] | (p[1] << 8))
                                            : uint32_t(p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24));
        if (masked)
          out[x] = MakeArgb(Channel(v, h.Masks[3], 0xFF), Channel(v, h.Masks[0], 0),
                            Channel(v, h.Masks[1], 0), Channel(v, h.Masks[2], 0));
        else
          out[x] = MakeArgb(p[3], p[2], p[1], p[0]);
      }
    }
  }
}

size_t RowStride(int64_t width, int bitCount) {
  return size_t(((width * bitCount + 31) / 32) * 4);
}

void DecodeUncompressed(TByteReader& r, const TDibHeader& h, const std::vector<uint32_t>& palette,
                        TPixelImage& img) {
  const size_t stride = RowStride(h.Width, h.BitCount);
  if (uint64_t(stride) * uint64_t(h.Height) > r.Remaining()) r.Fail("pixel data truncated");
  for (int64_t y = 0; y < h.Height; ++y)
    DecodeRow(r.Take(stride), h, palette, &img.At(0, DestRow(h, y)));
  // 32-bit bitmaps without bit fields often leave the fourth byte zero: opaque then.
  if (h.BitCount == 32 && h.Compression == kBiRgb) {
    bool anyAlpha = false;
    for (uint32_t p : img.Pixels) anyAlpha |= (p >> 24) != 0;
    if (!anyAlpha)
      for (uint32_t& p : img.Pixels) p |= 0xFF000000u;
  }
}

// Run-length data: pairs of (count, index) with escapes for end of line, end
// of bitmap, a jump and literal runs. Writes outside the image are dropped.
void DecodeRle(TByteReader& r, const TDibHeader& h, const std::vector<uint32_t>& palette,
               TPixelImage& img) {
  const bool rle4 = h.Compression == kBiRle4;
  const uint32_t background = PaletteColor(palette, 0);
  std::fill(img.Pixels.begin(), img.Pixels.end(), background);
  int64_t x = 0, y = 0;
  auto put = [&](unsigned index) {
    if (x < h.Width && y < h.Height) img.At(int(x), DestRow(h, y)) = PaletteColor(palette, index);
    ++x;
  };
  while (y < h.Height) {
    const uint8_t count = r.U8();
    const uint8_t value = r.U8();
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(rle4 ? ((i & 1) ? value & 15 : value >> 4) : value);
    } else if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      x += r.U8();
      y += r.U8();
    } else {
      const size_t bytes = rle4 ? (value + 1) / 2 : value;
      const uint8_t* p = r.Take(bytes);
      for (int i = 0; i < value; ++i) put(rle4 ? ((i & 1) ? p[i / 2] & 15 : p[i / 2] >> 4) : p[i]);
      if (bytes & 1) r.Skip(1);
    }
  }
}

void ApplyIconMask(TByteReader& r, const TDibHeader& h, TPixelImage& img) {
  const size_t stride = RowStride(h.Width, 1);
  const bool alphaFromImage = h.BitCount == 32 && [&] {
    for (uint32_t p : img.Pixels)
      if (p >> 24) return true;
    return false;
  }();
  if (uint64_t(stride) * uint64_t(h.Height) > r.Remaining()) {
    if (alphaFromImage) return;  // the alpha channel says all; a missing mask does no harm
    r.Fail("icon mask truncated");
  }
  for (int64_t y = 0; y < h.Height; ++y) {
    const uint8_t* row = r.Take(stride);
    if (alphaFromImage) continue;
    uint32_t* out = &img.At(0, DestRow(h, y));
    for (int x = 0; x < h.Width; ++x) {
      const bool transparent = (row[x >> 3] >> (7 - (x & 7))) & 1;
      out[x] = transparent ? (out[x] & 0x00FFFFFFu) : (out[x] | 0xFF000000u);
    }
  }
}

// Run-length data can claim a huge picture in a few bytes; a real file needs at
// least a byte for every 64 Ki pixels (an end-of-line code per row of them).
constexpr int64_t kMaxRlePixelsPerByte = 65536;

TPixelImage DecodePixels(TByteReader& r, TDibHeader& h, const std::vector<uint32_t>& palette) {
  const bool rle = h.Compression == kBiRle4 || h.Compression == kBiRle8;
  if (rle && h.Width * h.Height > kMaxRlePixelsPerByte * int64_t(r.Remaining() + 1))
    r.Fail("run-length data too short for the picture size");
  TPixelImage img(int(h.Width), int(h.Height));
  if (rle)
    DecodeRle(r, h, palette, img);
  else
    DecodeUncompressed(r, h, palette, img);
  return img;
}

}  // namespace

void PutU16LE(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}

void PutU32LE(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

bool IsBmpData(const uint8_t* data, size_t size) {
  return size >= 2 && data[0] == 'B' && data[1] == 'M';
}

TPixelImage DecodeDib(TByteReader& r, bool iconMask, TBmpInfo* info) {
  TDibHeader h = ReadHeader(r);
  if (iconMask) {
    if (h.Height % 2 != 0 || h.TopDown) r.Fail("bad icon image height");
    h.Height /= 2;
  }
  ValidateHeader(r, h);
  if (iconMask && (h.Compression == kBiRle4 || h.Compression == kBiRle8))
    r.Fail("compressed icon image");
  const std::vector<uint32_t> palette = ReadPalette(r, h);
  TPixelImage img = DecodePixels(r, h, palette);
  if (iconMask) ApplyIconMask(r, h, img);
  if (info) *info = {h.BitCount, h.TopDown};
  return img;
}

TPixelImage DecodeBmp(const uint8_t* data, size_t size, TBmpInfo* info) {
  TByteReader r(data, size, kFormat);
  if (!IsBmpData(data, size)) r.Fail("missing BM signature");
  r.Skip(10);
  const uint32_t pixelOffset = r.U32LE();
  TDibHeader h = ReadHeader(r);
  ValidateHeader(r, h);
  const std::vector<uint32_t> palette = ReadPalette(r, h);
  if (pixelOffset < r.Position() || pixelOffset >= size) r.Fail("bad pixel data offset");
  TByteReader pixels = r.Slice(pixelOffset, size - pixelOffset);
  TPixelImage img = DecodePixels(pixels, h, palette);
  if (info) *info = {h.BitCount, h.TopDown};
  return img;
}

std::vector<uint8_t> EncodeBmp(const TPixelImage& image, int bitsPerPixel) {
  if (bitsPerPixel != 24 && bitsPerPixel != 32) bitsPerPixel = 24;
  if (image.Width < 0 || image.Height < 0 ||
      image.Pixels.size() != size_t(image.Width) * size_t(image.Height))
    RaiseInvalidGraphic(kFormat, "pixel buffer does not match its size");
  const size_t stride = RowStride(image.Width, bitsPerPixel);
  const uint32_t pixelBytes = uint32_t(stride * size_t(image.Height));
  std::vector<uint8_t> out;
  out.reserve(kFileHeaderSize + kInfoHeaderSize + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  PutU32LE(out, kFileHeaderSize + kInfoHeaderSize + pixelBytes);
  PutU32LE(out, 0);
  PutU32LE(out, kFileHeaderSize + kInfoHeaderSize);
  PutU32LE(out, kInfoHeaderSize);
  PutU32LE(out, uint32_t(image.Width));
  PutU32LE(out, uint32_t(image.Height));
  PutU16LE(out, 1);
  PutU16LE(out, uint16_t(bitsPerPixel));
  PutU32LE(out, kBiRgb);
  PutU32LE(out, pixelBytes);
  PutU32LE(out, 3780);  // 96 dots per inch, in dots per metre
  PutU32LE(out, 3780);
  PutU32LE(out, 0);
  PutU32LE(out, 0);
  for (int y = image.Height - 1; y >= 0; --y) {
    const size_t rowStart = out.size();
    for (int x = 0; x < image.Width; ++x) {
      const uint32_t p = image.At(x, y);
      out.push_back(ArgbB(p));
      out.push_back(ArgbG(p));
      out.push_back(ArgbR(p));
      if (bitsPerPixel == 32) out.push_back(ArgbA(p));
    }
    out.resize(rowStart + stride, 0);
  }
  return out;
}
