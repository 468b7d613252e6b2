#include "toolkit/testing/PngVariants.h"

#include <png.h>

#include "toolkit/graphics/codecs/PixelImage.h"

#include <csetjmp>
#include <cstring>

namespace pngvariants {
namespace {

int Channels(int colorType) {
  switch (colorType) {
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB: return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA: return 4;
    default: return 1;
  }
}

// Sample c of pixel (x, y) in the file's own depth; for a palette file, the index.
unsigned Sample(const TPngVariant& v, int x, int y, int c) {
  const unsigned max = (1u << v.BitDepth) - 1;
  const unsigned spread = (v.BitDepth == 16) ? 4099u : v.BitDepth == 8 ? 37u : 1u;
  if (c == 3 || (c == 1 && v.ColorType == PNG_COLOR_TYPE_GRAY_ALPHA))
    return (x == 0 && y == 0) ? 0 : max - (unsigned(x * 3 + y) * spread) % (max + 1);  // alpha
  return (unsigned(x + y * kWidth) * spread + unsigned(c) * 5u * spread) % (max + 1);
}

uint8_t To8(unsigned value, int depth) {
  const unsigned max = (1u << depth) - 1;
  return uint8_t((value * 255u + max / 2) / max);
}

// Palette entries: distinct colours; with tRNS, every third entry is half transparent and entry 1 invisible.
png_color PaletteColor(int i) { return png_color{uint8_t(i * 13), uint8_t(255 - i * 7), uint8_t(i * 29)}; }
uint8_t PaletteAlpha(int i) { return i == 1 ? 0 : i % 3 == 0 ? 128 : 255; }

// The grey or RGB value that tRNS marks transparent: the sample value of pixel (1, 0).
unsigned TransparentGrey(const TPngVariant& v) { return Sample(v, 1, 0, 0); }

struct TSink {
  std::vector<uint8_t> Bytes;
};

void Append(png_structp png, png_bytep data, png_size_t size) {
  auto* sink = static_cast<TSink*>(png_get_io_ptr(png));
  sink->Bytes.insert(sink->Bytes.end(), data, data + size);
}

void Flush(png_structp) {}

// One packed row of the variant in the file's layout (big-endian 16-bit samples).
std::vector<uint8_t> Row(const TPngVariant& v, int y) {
  const int channels = Channels(v.ColorType);
  const size_t bits = size_t(kWidth) * channels * v.BitDepth;
  std::vector<uint8_t> row((bits + 7) / 8, 0);
  size_t bit = 0;
  for (int x = 0; x < kWidth; ++x)
    for (int c = 0; c < channels; ++c) {
      const int channel = (v.ColorType == PNG_COLOR_TYPE_GRAY_ALPHA && c == 1) ? 3 : c;
      const unsigned s = Sample(v, x, y, channel);
      if (v.BitDepth == 16) {
        row[bit / 8] = uint8_t(s >> 8);
        row[bit / 8 + 1] = uint8_t(s);
      } else if (v.BitDepth == 8) {
        row[bit / 8] = uint8_t(s);
      } else {
        row[bit / 8] |= uint8_t(s << (8 - v.BitDepth - bit % 8));
      }
      bit += size_t(v.BitDepth);
    }
  return row;
}

// libpng reports errors by longjmp; this frame holds nothing that needs destroying.
bool Encode(const TPngVariant& v, const std::vector<std::vector<uint8_t>>& rows, TSink& sink) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  png_bytep rowPointers[kHeight];
  png_color palette[256];
  png_byte alphas[256];
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &sink, Append, Flush);
  png_set_IHDR(png, info, kWidth, kHeight, v.BitDepth, v.ColorType,
               v.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (v.ColorType == PNG_COLOR_TYPE_PALETTE) {
    const int entries = 1 << v.BitDepth;
    for (int i = 0; i < entries; ++i) {
      palette[i] = PaletteColor(i);
      alphas[i] = PaletteAlpha(i);
    }
    png_set_PLTE(png, info, palette, entries);
    if (v.Transparency) png_set_tRNS(png, info, alphas, entries, nullptr);
  } else if (v.Transparency) {
    png_color_16 key{};
    key.gray = png_uint_16(TransparentGrey(v));
    key.red = png_uint_16(Sample(v, 1, 0, 0));
    key.green = png_uint_16(Sample(v, 1, 0, 1));
    key.blue = png_uint_16(Sample(v, 1, 0, 2));
    png_set_tRNS(png, info, nullptr, 0, &key);
  }
  if (v.Srgb) png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
  for (int y = 0; y < kHeight; ++y) rowPointers[y] = const_cast<png_bytep>(rows[size_t(y)].data());
  png_set_rows(png, info, rowPointers);
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

std::string TPngVariant::Name() const {
  static const char* const kinds[] = {"grey", "", "rgb", "palette", "greyalpha", "", "rgba"};
  return std::string(kinds[ColorType]) + std::to_string(BitDepth) + (Interlaced ? "_adam7" : "") +
         (Transparency ? "_trns" : "") + (Srgb ? "" : "_linear");
}

std::vector<TPngVariant> AllPngVariants() {
  struct TKind {
    int ColorType;
    std::vector<int> Depths;
    bool CanHaveTrns;
  };
  const TKind kinds[] = {{PNG_COLOR_TYPE_GRAY, {1, 2, 4, 8, 16}, true},
                         {PNG_COLOR_TYPE_RGB, {8, 16}, true},
                         {PNG_COLOR_TYPE_PALETTE, {1, 2, 4, 8}, true},
                         {PNG_COLOR_TYPE_GRAY_ALPHA, {8, 16}, false},
                         {PNG_COLOR_TYPE_RGB_ALPHA, {8, 16}, false}};
  std::vector<TPngVariant> all;
  for (const TKind& k : kinds)
    for (int depth : k.Depths)
      for (bool interlaced : {false, true})
        for (bool trns : {false, true}) {
          if (trns && !k.CanHaveTrns) continue;
          all.push_back({k.ColorType, depth, interlaced, trns, true});
          if (depth == 16 && !trns) all.push_back({k.ColorType, depth, interlaced, false, false});
        }
  return all;
}

std::vector<uint8_t> WritePngVariant(const TPngVariant& v) {
  std::vector<std::vector<uint8_t>> rows;
  for (int y = 0; y < kHeight; ++y) rows.push_back(Row(v, y));
  TSink sink;
  if (!Encode(v, rows, sink)) return {};
  return sink.Bytes;
}

uint32_t ExpectedPixel(const TPngVariant& v, int x, int y) {
  const int d = v.BitDepth;
  switch (v.ColorType) {
    case PNG_COLOR_TYPE_PALETTE: {
      const int i = int(Sample(v, x, y, 0));
      const png_color c = PaletteColor(i);
      return MakeArgb(v.Transparency ? PaletteAlpha(i) : 255, c.red, c.green, c.blue);
    }
    case PNG_COLOR_TYPE_GRAY:
    case PNG_COLOR_TYPE_GRAY_ALPHA: {
      const unsigned s = Sample(v, x, y, 0);
      const uint8_t g = To8(s, d);
      uint8_t a = v.ColorType == PNG_COLOR_TYPE_GRAY_ALPHA ? To8(Sample(v, x, y, 3), d) : 255;
      if (v.Transparency && s == TransparentGrey(v)) a = 0;
      return MakeArgb(a, g, g, g);
    }
    default: {
      const unsigned r = Sample(v, x, y, 0), g = Sample(v, x, y, 1), b = Sample(v, x, y, 2);
      uint8_t a = v.ColorType == PNG_COLOR_TYPE_RGB_ALPHA ? To8(Sample(v, x, y, 3), d) : 255;
      if (v.Transparency && r == Sample(v, 1, 0, 0) && g == Sample(v, 1, 0, 1) && b == Sample(v, 1, 0, 2)) a = 0;
      return MakeArgb(a, To8(r, d), To8(g, d), To8(b, d));
    }
  }
}

}  // namespace pngvariants
