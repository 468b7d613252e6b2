#include "toolkit/graphics/codecs/PngCodec.h"

#include <png.h>

#include <bit>
#include <cstring>
#include <memory>

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
  rec.Image.format = PNG_FORMAT_BGRA;
  TPixelImage img(int(rec.Image.width), int(rec.Image.height));
  if (!png_image_finish_read(&rec.Image, nullptr, img.Pixels.data(), 0, nullptr)) rec.Fail();
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
