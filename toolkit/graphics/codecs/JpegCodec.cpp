#include "toolkit/graphics/codecs/JpegCodec.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <jpeglib.h>

#include "toolkit/graphics/codecs/ByteReader.h"

namespace {

constexpr const char* kFormat = "JPEG";

// libjpeg reports errors through a callback that must not return; it jumps
// back to the caller's setjmp. The functions holding the setjmp keep only
// plain locals, so the jump skips no destructor.
struct TJpegError {
  jpeg_error_mgr Manager;
  std::jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnError(j_common_ptr info) {
  auto* err = reinterpret_cast<TJpegError*>(info->err);
  (*info->err->format_message)(info, err->Message);
  std::longjmp(err->Jump, 1);
}

// Warnings (premature end of data, corrupt segments) count as errors.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0) OnError(info);
}

// A progressive file may hold any number of scans, each a pass over the whole
// image; real files have a dozen, so many more means a hostile file.
constexpr int kMaxScans = 500;

void OnProgress(j_common_ptr info) {
  auto* d = reinterpret_cast<j_decompress_ptr>(info);
  if (d->input_scan_number > kMaxScans) {
    std::snprintf(reinterpret_cast<TJpegError*>(info->err)->Message, JMSG_LENGTH_MAX, "too many scans");
    std::longjmp(reinterpret_cast<TJpegError*>(info->err)->Jump, 1);
  }
}

void InitError(TJpegError& err) {
  jpeg_std_error(&err.Manager);
  err.Manager.error_exit = OnError;
  err.Manager.emit_message = OnMessage;
  err.Message[0] = 0;
}

void StoreRow(const JSAMPLE* row, int width, int components, bool adobeInverted, uint32_t* out) {
  for (int x = 0; x < width; ++x, row += components) {
    if (components == 1) {
      out[x] = MakeArgb(0xFF, row[0], row[0], row[0]);
    } else if (components == 4) {
      // CMYK as most writers store it: inverted values, so k = 255 is no ink.
      int c = row[0], m = row[1], y = row[2], k = row[3];
      if (!adobeInverted) { c = 255 - c; m = 255 - m; y = 255 - y; k = 255 - k; }
      out[x] = MakeArgb(0xFF, uint8_t(c * k / 255), uint8_t(m * k / 255), uint8_t(y * k / 255));
    } else {
      out[x] = MakeArgb(0xFF, row[0], row[1], row[2]);
    }
  }
}

// Returns false with err.Message set when libjpeg failed.
bool DecodeInto(const uint8_t* data, size_t size, TPixelImage& img, TJpegError& err) {
  jpeg_decompress_struct info;
  info.err = &err.Manager;
  jpeg_create_decompress(&info);
  jpeg_progress_mgr progress{};
  progress.progress_monitor = OnProgress;
  info.progress = &progress;
  if (setjmp(err.Jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  // libjpeg's own buffers (whole-image coefficients of progressive files) stay bounded too.
  info.mem->max_memory_to_use = 512L * 1024 * 1024;
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : (info.num_components == 1 ? JCS_GRAYSCALE : JCS_RGB);
  if (int64_t(info.image_width) * info.image_height > kMaxImagePixels ||
      info.image_width > unsigned(kMaxImageSide) || info.image_height > unsigned(kMaxImageSide)) {
    std::snprintf(err.Message, sizeof err.Message, "size too large");
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_start_decompress(&info);
  img.Width = int(info.output_width);
  img.Height = int(info.output_height);
  // Rows are added as they decode: a header may promise far more than the data holds.
  img.Pixels.clear();
  const int components = info.output_components;
  JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                             info.output_width * components, 1);
  const bool adobe = info.saw_Adobe_marker;
  while (info.output_scanline < info.output_height) {
    jpeg_read_scanlines(&info, row, 1);
    img.Pixels.resize(img.Pixels.size() + size_t(img.Width));
    StoreRow(row[0], img.Width, components, adobe, &img.Pixels[img.Pixels.size() - size_t(img.Width)]);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

struct TJpegOutput {
  unsigned char* Buffer = nullptr;
  unsigned long Size = 0;
  ~TJpegOutput() { std::free(Buffer); }
};

bool EncodeInto(const TPixelImage& img, int quality, const std::vector<JSAMPLE>& rgb,
                TJpegOutput& out, TJpegError& err) {
  jpeg_compress_struct info;
  info.err = &err.Manager;
  jpeg_create_compress(&info);
  if (setjmp(err.Jump)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_mem_dest(&info, &out.Buffer, &out.Size);
  info.image_width = JDIMENSION(img.Width);
  info.image_height = JDIMENSION(img.Height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPLE*>(&rgb[size_t(info.next_scanline) * img.Width * 3]);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

bool IsJpegData(const uint8_t* data, size_t size) {
  return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

TPixelImage DecodeJpeg(const uint8_t* data, size_t size) {
  if (!IsJpegData(data, size)) RaiseInvalidGraphic(kFormat, "missing JPEG signature");
  TJpegError err;
  InitError(err);
  TPixelImage img;
  if (!DecodeInto(data, size, img, err)) RaiseInvalidGraphic(kFormat, err.Message);
  return img;
}

std::vector<uint8_t> EncodeJpeg(const TPixelImage& image, int quality) {
  CheckImageSize(image.Width, image.Height, kFormat);
  if (image.Pixels.size() != size_t(image.Width) * size_t(image.Height))
    RaiseInvalidGraphic(kFormat, "pixel buffer does not match its size");
  quality = std::clamp(quality, 1, 100);
  std::vector<JSAMPLE> rgb;
  rgb.reserve(image.Pixels.size() * 3);
  for (uint32_t p : image.Pixels) {
    rgb.push_back(ArgbR(p));
    rgb.push_back(ArgbG(p));
    rgb.push_back(ArgbB(p));
  }
  TJpegError err;
  InitError(err);
  TJpegOutput out;
  if (!EncodeInto(image, quality, rgb, out, err)) RaiseInvalidGraphic(kFormat, err.Message);
  return std::vector<uint8_t>(out.Buffer, out.Buffer + out.Size);
}
