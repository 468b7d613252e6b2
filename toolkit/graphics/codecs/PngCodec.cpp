#include "toolkit/graphics/codecs/PngCodec.h"

#include <png.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "toolkit/graphics/codecs/ByteReader.h"

namespace {

constexpr const char* kFormat = "PNG";

// libpng's simplified interface reports errors in the image record instead of
// jumping out, so no C++ frame is skipped.
struct TPngImageRecord {
  png_image Image;
  TPngImageRecord() {
    std::memset(&Image, 0, sizeof Image);
    Image.version = PNG_IMAGE_VERSION;
  }
  ~TPngImageRecord() { png_image_free(&Image); }
  [[noreturn]] void Fail() const { RaiseInvalidGraphic(kFormat, Image.message); }
};

// Deflate packs at most 1032 bytes into one, and a byte holds at most 8
// pixels (1 bit deep), so no file holds more than about 8256 pixels per byte.
constexpr int64_t kMaxPixelsPerByte = 16384;

// Little-endian hosts store 0xAARRGGBB as B, G, R, A.
static_assert(std::endian::native == std::endian::little);

// libpng's simplified reader shifts the pixels of an interlaced 16-bit file
// when it narrows them to 8 bits (seen with 1.6.39); its 16-bit linear output
// is right. The header is checked by png_image_begin_read before this is asked.
bool IsInterlaced16Bit(const uint8_t* data, size_t size) {
  constexpr size_t kBitDepth = 24, kInterlace = 28;  // offsets in the IHDR chunk after the signature
  return size > kInterlace && data[kBitDepth] == 16 && data[kInterlace] == 1;
}

// libpng takes sRGB as the plain power law of gamma 1/2.2 (PNG_GAMMA_sRGB_INVERSE).
uint8_t LinearToSrgb8(double linear) {
  return uint8_t(std::lround(std::pow(std::clamp(linear, 0.0, 1.0), 0.45455) * 255));
}

// Reads premultiplied linear 16-bit RGBA and encodes it as the 8-bit sRGB
// straight alpha that the direct path gives.
void ReadThroughLinear(TPngImageRecord& rec, TPixelImage& img) {
  rec.Image.format = PNG_FORMAT_LINEAR_RGB_ALPHA;
  std::vector<uint16_t> linear(img.Pixels.size() * 4);
  if (!png_image_finish_read(&rec.Image, nullptr, linear.data(), 0, nullptr)) rec.Fail();
  for (size_t i = 0; i < img.Pixels.size(); ++i) {
    const uint16_t* p = &linear[i * 4];
    if (p[3] == 0) {
      img.Pixels[i] = 0;
      continue;
    }
    const double alpha = p[3];
    img.Pixels[i] = MakeArgb(uint8_t((p[3] * 255u + 32767u) / 65535u), LinearToSrgb8(p[0] / alpha),
                             LinearToSrgb8(p[1] / alpha), LinearToSrgb8(p[2] / alpha));
  }
}

}  // namespace

bool IsPngData(const uint8_t* data, size_t size) {
  static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  return size >= 8 && std::memcmp(data, signature, 8) == 0;
}

TPixelImage DecodePng(const uint8_t* data, size_t size) {
  if (!IsPngData(data, size)) RaiseInvalidGraphic(kFormat, "missing PNG signature");
  TPngImageRecord rec;
  if (!png_image_begin_read_from_memory(&rec.Image, data, size)) rec.Fail();
  CheckImageSize(rec.Image.width, rec.Image.height, kFormat);
  if (int64_t(rec.Image.width) * rec.Image.height > kMaxPixelsPerByte * int64_t(size))
    RaiseInvalidGraphic(kFormat, "picture larger than its data");
  TPixelImage img(int(rec.Image.width), int(rec.Image.height));
  if (IsInterlaced16Bit(data, size)) {
    ReadThroughLinear(rec, img);
  } else {
    rec.Image.format = PNG_FORMAT_BGRA;
    if (!png_image_finish_read(&rec.Image, nullptr, img.Pixels.data(), 0, nullptr)) rec.Fail();
  }
  // A stream cut short is reported as a warning only; refuse it like any other bad file.
  if (rec.Image.warning_or_error & PNG_IMAGE_ERROR) rec.Fail();
  return img;
}

std::vector<uint8_t> EncodePng(const TPixelImage& image) {
  CheckImageSize(image.Width, image.Height, kFormat);
  if (image.Pixels.size() != size_t(image.Width) * size_t(image.Height))
    RaiseInvalidGraphic(kFormat, "pixel buffer does not match its size");
  const bool alpha = image.HasAlpha();
  std::vector<uint8_t> rgb;
  const void* source = image.Pixels.data();
  if (!alpha) {
    rgb.reserve(image.Pixels.size() * 3);
    for (uint32_t p : image.Pixels) {
      rgb.push_back(ArgbB(p));
      rgb.push_back(ArgbG(p));
      rgb.push_back(ArgbR(p));
    }
    source = rgb.data();
  }
  TPngImageRecord rec;
  rec.Image.width = uint32_t(image.Width);
  rec.Image.height = uint32_t(image.Height);
  rec.Image.format = alpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&rec.Image, nullptr, &size, 0, source, 0, nullptr)) rec.Fail();
  std::vector<uint8_t> out(size);
  if (!png_image_write_to_memory(&rec.Image, out.data(), &size, 0, source, 0, nullptr)) rec.Fail();
  out.resize(size);
  return out;
}
