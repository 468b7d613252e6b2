// Frame starts of GIF data, read from the bytes as they are kept: what a
// picture needs to count, time and place its frames.
#include "grid/foundation/PictureContainer.h"

namespace {

int Word16(const uint8_t* p) { return p[0] | (p[1] << 8); }

}  // namespace

std::vector<TGifFrameInfo> ScanGifFrames(const uint8_t* data, size_t size) {
  std::vector<TGifFrameInfo> frames;
  // 17 bytes: the extension (8) and the four descriptor words read below.
  for (size_t p = 0; p + 17 <= size; ++p) {
    if (data[p] != 0x21 || data[p + 1] != 0xF9 || data[p + 2] != 0x04 || data[p + 8] != 0x2C) continue;
    TGifFrameInfo f;
    f.Delay = Word16(data + p + 4);
    f.Left = Word16(data + p + 9);
    f.Top = Word16(data + p + 11);
    f.Width = Word16(data + p + 13);
    f.Height = Word16(data + p + 15);
    frames.push_back(f);
  }
  return frames;
}
