#pragma once
// GIF through giflib: every frame with its place on the logical screen, its
// delay, disposal and transparency; frame N is composited on demand.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "toolkit/graphics/codecs/PixelImage.h"

enum TGifDisposal {
  gdUnspecified = 0,
  gdLeave = 1,       // the frame stays for the next one to draw over
  gdBackground = 2,  // the frame's area is cleared (to transparent) afterwards
  gdPrevious = 3,    // the screen goes back to what it was before the frame
};

struct TGifFrame {
  int Left = 0;
  int Top = 0;
  TPixelImage Image;   // the frame's own pixels; transparent index = alpha 0
  int DelayMs = 0;     // from hundredths of a second
  TGifDisposal Disposal = gdUnspecified;
  int TransparentIndex = -1;
};

struct TGifAnimation {
  int Width = 0;   // logical screen
  int Height = 0;
  int LoopCount = 0;  // 0 = forever (the usual loop extension) or no extension
  std::vector<TGifFrame> Frames;
};

bool IsGifData(const uint8_t* data, size_t size);
TGifAnimation DecodeGif(const uint8_t* data, size_t size);

// The logical screen after drawing frames 0..index with their disposals.
TPixelImage CompositeGifFrame(const TGifAnimation& gif, int index);

// One full-screen frame per entry, each cleared after its delay, so that
// CompositeGifFrame of the decoded result gives the frames back. Colours
// beyond 255 per frame are reduced to a fixed 3-3-2 palette.
struct TGifFrameSource {
  TPixelImage Image;  // alpha below 128 becomes the transparent index
  int DelayMs = 0;
};
std::vector<uint8_t> EncodeGif(const std::vector<TGifFrameSource>& frames, int loopCount = 0);
