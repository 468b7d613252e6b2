#include "toolkit/graphics/codecs/GifCodec.h"

#include <gif_lib.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "toolkit/graphics/codecs/ByteReader.h"

namespace {

constexpr const char* kFormat = "GIF";
constexpr size_t kMaxFrames = 4096;
// One LZW code of at least 9 bits stands for at most 4096 pixels, so a frame
// cannot hold more than 4096 pixels per byte of the file; a header claiming
// more is a lie that would only cost memory.
constexpr int64_t kMaxPixelsPerByte = 4096;

[[noreturn]] void FailGif(int code) {
  const char* text = GifErrorString(code);
  RaiseInvalidGraphic(kFormat, text ? text : "decoding failed");
}

struct TGifSource {
  const uint8_t* Data;
  size_t Size;
  size_t Pos = 0;
};

int ReadBytes(GifFileType* gif, GifByteType* buffer, int length) {
  auto* src = static_cast<TGifSource*>(gif->UserData);
  const size_t n = std::min(size_t(length < 0 ? 0 : length), src->Size - src->Pos);
  std::memcpy(buffer, src->Data + src->Pos, n);
  src->Pos += n;
  return int(n);
}

struct TGifCloser {
  void operator()(GifFileType* gif) const {
    int err = 0;
    DGifCloseFile(gif, &err);
  }
};
using TGifHandle = std::unique_ptr<GifFileType, TGifCloser>;

void ReadRaster(GifFileType* gif, int width, int height, bool interlaced, std::vector<GifPixelType>& raster) {
  raster.assign(size_t(width) * size_t(height), 0);
  static const int kStart[4] = {0, 4, 2, 1};
  static const int kStep[4] = {8, 8, 4, 2};
  const int passes = interlaced ? 4 : 1;
  for (int pass = 0; pass < passes; ++pass) {
    const int start = interlaced ? kStart[pass] : 0;
    const int step = interlaced ? kStep[pass] : 1;
    for (int y = start; y < height; y += step)
      if (DGifGetLine(gif, &raster[size_t(y) * width], width) == GIF_ERROR) FailGif(gif->Error);
  }
}

TPixelImage ToPixels(const std::vector<GifPixelType>& raster, int width, int height,
                     const ColorMapObject* map, int transparent) {
  TPixelImage img(width, height);
  for (size_t i = 0; i < raster.size(); ++i) {
    const int index = raster[i];
    if (index == transparent) {
      img.Pixels[i] = 0;
    } else if (index < map->ColorCount) {
      const GifColorType& c = map->Colors[index];
      img.Pixels[i] = MakeArgb(0xFF, c.Red, c.Green, c.Blue);
    } else {
      img.Pixels[i] = 0xFF000000u;
    }
  }
  return img;
}

struct TDecodeState {
  size_t FileSize = 0;
  GraphicsControlBlock Control{};
  int64_t TotalPixels = 0;
  void ResetControl() {
    Control = GraphicsControlBlock{};
    Control.DisposalMode = DISPOSAL_UNSPECIFIED;
    Control.TransparentColor = NO_TRANSPARENT_COLOR;
  }
};

void ReadFrame(GifFileType* gif, TDecodeState& state, TGifAnimation& out) {
  if (DGifGetImageDesc(gif) == GIF_ERROR) FailGif(gif->Error);
  const GifImageDesc& desc = gif->Image;
  CheckImageSize(desc.Width, desc.Height, kFormat);
  if (int64_t(desc.Width) * desc.Height > kMaxPixelsPerByte * int64_t(state.FileSize))
    RaiseInvalidGraphic(kFormat, "frame larger than its data");
  state.TotalPixels += int64_t(desc.Width) * desc.Height;
  if (state.TotalPixels > kMaxImagePixels || out.Frames.size() >= kMaxFrames)
    RaiseInvalidGraphic(kFormat, "too many frames");
  const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
  if (!map) RaiseInvalidGraphic(kFormat, "frame without colour table");
  std::vector<GifPixelType> raster;
  ReadRaster(gif, desc.Width, desc.Height, desc.Interlace, raster);
  TGifFrame frame;
  frame.Left = desc.Left;
  frame.Top = desc.Top;
  frame.DelayMs = state.Control.DelayTime * 10;
  const int disposal = state.Control.DisposalMode;
  frame.Disposal = disposal >= 0 && disposal <= 3 ? TGifDisposal(disposal) : gdUnspecified;
  frame.TransparentIndex = state.Control.TransparentColor;
  frame.Image = ToPixels(raster, desc.Width, desc.Height, map, frame.TransparentIndex);
  out.Frames.push_back(std::move(frame));
  state.ResetControl();
}

void ReadExtension(GifFileType* gif, TDecodeState& state, TGifAnimation& out) {
  int code = 0;
  GifByteType* ext = nullptr;
  if (DGifGetExtension(gif, &code, &ext) == GIF_ERROR) FailGif(gif->Error);
  if (ext && code == GRAPHICS_EXT_FUNC_CODE) {
    GraphicsControlBlock gcb;
    if (DGifExtensionToGCB(ext[0], ext + 1, &gcb) == GIF_OK) state.Control = gcb;
  }
  const bool loop = ext && code == APPLICATION_EXT_FUNC_CODE && ext[0] == 11 &&
                    std::memcmp(ext + 1, "NETSCAPE2.0", 11) == 0;
  while (ext) {
    if (DGifGetExtensionNext(gif, &ext) == GIF_ERROR) FailGif(gif->Error);
    if (loop && ext && ext[0] >= 3 && ext[1] == 1) out.LoopCount = ext[2] | (ext[3] << 8);
  }
}

// Colour tables for the encoder: the exact colours when they fit, else a
// fixed 6-7-6 cube. The transparent slot, when needed, is the last used index.
struct TGifPalette {
  std::vector<GifColorType> Colors;
  std::map<uint32_t, int> Exact;
  bool Cube = false;
  int Transparent = -1;

  static int CubeIndex(uint32_t p) {
    return (ArgbR(p) * 6 / 256) * 42 + (ArgbG(p) * 7 / 256) * 6 + ArgbB(p) * 6 / 256;
  }

  explicit TGifPalette(const TPixelImage& img) {
    bool anyTransparent = false;
    for (uint32_t p : img.Pixels) {
      if (ArgbA(p) < 128) { anyTransparent = true; continue; }
      if (Exact.size() <= 256) Exact.emplace(p & 0xFFFFFFu, 0);
    }
    const size_t room = anyTransparent ? 255 : 256;
    if (Exact.size() > room) {
      Cube = true;
      for (int i = 0; i < 252; ++i)
        Colors.push_back({uint8_t((i / 42) * 255 / 5), uint8_t((i / 6 % 7) * 255 / 6), uint8_t((i % 6) * 255 / 5)});
    } else {
      for (auto& [rgb, index] : Exact) {
        index = int(Colors.size());
        Colors.push_back({ArgbR(rgb), ArgbG(rgb), ArgbB(rgb)});
      }
    }
    if (anyTransparent) {
      Transparent = int(Colors.size());
      Colors.push_back({0, 0, 0});
    }
    while (Colors.size() < 2 || (Colors.size() & (Colors.size() - 1))) Colors.push_back({0, 0, 0});
  }

  GifPixelType IndexOf(uint32_t p) const {
    if (ArgbA(p) < 128) return GifPixelType(Transparent);
    return GifPixelType(Cube ? CubeIndex(p) : Exact.at(p & 0xFFFFFFu));
  }
};

int WriteBytes(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

struct TGifWriterCloser {
  void operator()(GifFileType* gif) const {
    int err = 0;
    EGifCloseFile(gif, &err);
  }
};

void Check(GifFileType* gif, int result) {
  if (result == GIF_ERROR) FailGif(gif->Error);
}

void PutLoopExtension(GifFileType* gif, int loopCount) {
  const GifByteType loop[3] = {1, GifByteType(loopCount & 0xFF), GifByteType((loopCount >> 8) & 0xFF)};
  Check(gif, EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE));
  Check(gif, EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0"));
  Check(gif, EGifPutExtensionBlock(gif, 3, loop));
  Check(gif, EGifPutExtensionTrailer(gif));
}

void PutFrame(GifFileType* gif, const TGifFrameSource& frame) {
  const TPixelImage& img = frame.Image;
  const TGifPalette palette(img);
  GraphicsControlBlock gcb{};
  gcb.DisposalMode = DISPOSE_BACKGROUND;
  gcb.DelayTime = frame.DelayMs / 10;
  gcb.TransparentColor = palette.Transparent;
  GifByteType ext[4];
  EGifGCBToExtension(&gcb, ext);
  Check(gif, EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext));
  std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(
      GifMakeMapObject(int(palette.Colors.size()), palette.Colors.data()), GifFreeMapObject);
  if (!map) RaiseInvalidGraphic(kFormat, "out of memory");
  Check(gif, EGifPutImageDesc(gif, 0, 0, img.Width, img.Height, false, map.get()));
  std::vector<GifPixelType> row(size_t(img.Width));
  for (int y = 0; y < img.Height; ++y) {
    for (int x = 0; x < img.Width; ++x) row[size_t(x)] = palette.IndexOf(img.At(x, y));
    Check(gif, EGifPutLine(gif, row.data(), img.Width));
  }
}

}  // namespace

bool IsGifData(const uint8_t* data, size_t size) {
  return size >= 6 && (std::memcmp(data, "GIF87a", 6) == 0 || std::memcmp(data, "GIF89a", 6) == 0);
}

TGifAnimation DecodeGif(const uint8_t* data, size_t size) {
  if (!IsGifData(data, size)) RaiseInvalidGraphic(kFormat, "missing GIF signature");
  TGifSource source{data, size};
  int err = 0;
  TGifHandle gif(DGifOpen(&source, ReadBytes, &err));
  if (!gif) FailGif(err);
  TGifAnimation out;
  CheckImageSize(gif->SWidth, gif->SHeight, kFormat);
  // Every frame is drawn on the whole screen; a screen out of all proportion
  // to the file is refused like an oversized frame.
  if (int64_t(gif->SWidth) * gif->SHeight > kMaxPixelsPerByte * int64_t(size))
    RaiseInvalidGraphic(kFormat, "screen larger than its data");
  out.Width = gif->SWidth;
  out.Height = gif->SHeight;
  TDecodeState state;
  state.FileSize = size;
  state.ResetControl();
  GifRecordType type = UNDEFINED_RECORD_TYPE;
  do {
    if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) FailGif(gif->Error);
    if (type == IMAGE_DESC_RECORD_TYPE) ReadFrame(gif.get(), state, out);
    else if (type == EXTENSION_RECORD_TYPE) ReadExtension(gif.get(), state, out);
  } while (type != TERMINATE_RECORD_TYPE);
  if (out.Frames.empty()) RaiseInvalidGraphic(kFormat, "no frames");
  return out;
}

TPixelImage CompositeGifFrame(const TGifAnimation& gif, int index) {
  if (index < 0 || size_t(index) >= gif.Frames.size())
    RaiseInvalidGraphic(kFormat, "frame index out of range");
  TPixelImage screen(gif.Width, gif.Height, 0);
  for (int i = 0; i <= index; ++i) {
    const TGifFrame& f = gif.Frames[size_t(i)];
    const TPixelImage before = f.Disposal == gdPrevious && i < index ? screen : TPixelImage();
    const int x0 = std::max(0, f.Left), y0 = std::max(0, f.Top);
    const int x1 = std::min(gif.Width, f.Left + f.Image.Width);
    const int y1 = std::min(gif.Height, f.Top + f.Image.Height);
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) {
        const uint32_t p = f.Image.At(x - f.Left, y - f.Top);
        if (ArgbA(p)) screen.At(x, y) = p;
      }
    if (i == index) break;
    if (f.Disposal == gdBackground)
      for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) screen.At(x, y) = 0;
    else if (f.Disposal == gdPrevious)
      screen = before;
  }
  return screen;
}

std::vector<uint8_t> EncodeGif(const std::vector<TGifFrameSource>& frames, int loopCount) {
  if (frames.empty()) RaiseInvalidGraphic(kFormat, "no frames to write");
  const TPixelImage& first = frames.front().Image;
  for (const TGifFrameSource& f : frames) {
    CheckImageSize(f.Image.Width, f.Image.Height, kFormat);
    if (f.Image.Width != first.Width || f.Image.Height != first.Height ||
        f.Image.Pixels.size() != size_t(f.Image.Width) * size_t(f.Image.Height))
      RaiseInvalidGraphic(kFormat, "frames differ in size");
  }
  std::vector<uint8_t> out;
  int err = 0;
  std::unique_ptr<GifFileType, TGifWriterCloser> gif(EGifOpen(&out, WriteBytes, &err));
  if (!gif) FailGif(err);
  EGifSetGifVersion(gif.get(), true);
  Check(gif.get(), EGifPutScreenDesc(gif.get(), first.Width, first.Height, 8, 0, nullptr));
  if (frames.size() > 1) PutLoopExtension(gif.get(), loopCount);
  for (const TGifFrameSource& f : frames) PutFrame(gif.get(), f);
  int closeErr = 0;
  const int closed = EGifCloseFile(gif.release(), &closeErr);
  if (closed == GIF_ERROR) FailGif(closeErr);
  return out;
}
