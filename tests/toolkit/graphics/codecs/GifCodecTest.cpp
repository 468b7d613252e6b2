#include <gtest/gtest.h>

#include "toolkit/graphics/codecs/CodecTestUtil.h"
#include "toolkit/graphics/codecs/GifCodec.h"
#include "toolkit/rtl/Exceptions.h"

using namespace codectest;

namespace {

std::vector<TGifFrameSource> ThreeFrames() {
  std::vector<TGifFrameSource> frames;
  for (int i = 0; i < 3; ++i) {
    TPixelImage img(4, 3, 0xFFFFFFFF);
    img.At(i, 0) = 0xFFFF0000;
    img.At(i, 2) = 0x00000000;  // a transparent pixel in every frame
    frames.push_back({img, 100 * (i + 1)});
  }
  return frames;
}

TGifFrame Solid(int left, int top, int w, int h, uint32_t color, TGifDisposal disposal) {
  TGifFrame f;
  f.Left = left;
  f.Top = top;
  f.Image = TPixelImage(w, h, color);
  f.Disposal = disposal;
  return f;
}

constexpr uint32_t kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kClear = 0;

}  // namespace

TEST(GifCodec, FramesDelaysAndTransparencyRoundTrip) {
  const auto frames = ThreeFrames();
  const auto bytes = EncodeGif(frames, 0);
  ASSERT_TRUE(IsGifData(bytes.data(), bytes.size()));
  const TGifAnimation gif = DecodeGif(bytes.data(), bytes.size());
  ASSERT_EQ(gif.Frames.size(), 3u);
  EXPECT_EQ(gif.Width, 4);
  EXPECT_EQ(gif.Height, 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(gif.Frames[size_t(i)].DelayMs, 100 * (i + 1));
    EXPECT_GE(gif.Frames[size_t(i)].TransparentIndex, 0);
    EXPECT_EQ(CompositeGifFrame(gif, i).Pixels, frames[size_t(i)].Image.Pixels) << i;
  }
}

TEST(GifCodec, LoopCountIsKept) {
  const auto bytes = EncodeGif(ThreeFrames(), 7);
  EXPECT_EQ(DecodeGif(bytes.data(), bytes.size()).LoopCount, 7);
}

TEST(GifCodec, ManyColoursAreReducedNotRefused) {
  TPixelImage img(32, 32);
  for (int i = 0; i < 32 * 32; ++i) img.Pixels[size_t(i)] = 0xFF000000u | uint32_t(i * 16411);
  const auto bytes = EncodeGif({{img, 0}});
  const TPixelImage back = CompositeGifFrame(DecodeGif(bytes.data(), bytes.size()), 0);
  for (size_t i = 0; i < img.Pixels.size(); ++i) EXPECT_LE(MaxChannelDiff(img.Pixels[i], back.Pixels[i]), 51);
}

TEST(GifCodec, CompositingFollowsTheDisposalOfEachFrame) {
  TGifAnimation gif;
  gif.Width = 3;
  gif.Height = 1;
  gif.Frames = {Solid(0, 0, 3, 1, kRed, gdLeave), Solid(1, 0, 1, 1, kBlue, gdPrevious),
                Solid(2, 0, 1, 1, kBlue, gdBackground), Solid(0, 0, 1, 1, kBlue, gdLeave)};
  EXPECT_EQ(CompositeGifFrame(gif, 0).Pixels, (std::vector<uint32_t>{kRed, kRed, kRed}));
  EXPECT_EQ(CompositeGifFrame(gif, 1).Pixels, (std::vector<uint32_t>{kRed, kBlue, kRed}));
  // Frame 1 restored what was there before it; frame 2 is drawn over frame 0.
  EXPECT_EQ(CompositeGifFrame(gif, 2).Pixels, (std::vector<uint32_t>{kRed, kRed, kBlue}));
  // Frame 2's area went back to the (transparent) background.
  EXPECT_EQ(CompositeGifFrame(gif, 3).Pixels, (std::vector<uint32_t>{kBlue, kRed, kClear}));
}

TEST(GifCodec, FramesOutsideTheScreenAreClipped) {
  TGifAnimation gif;
  gif.Width = 2;
  gif.Height = 2;
  gif.Frames = {Solid(1, 1, 50, 50, kRed, gdLeave)};
  EXPECT_EQ(CompositeGifFrame(gif, 0).Pixels, (std::vector<uint32_t>{kClear, kClear, kClear, kRed}));
  EXPECT_THROW(CompositeGifFrame(gif, 1), EInvalidGraphic);
  EXPECT_THROW(CompositeGifFrame(gif, -1), EInvalidGraphic);
}

TEST(GifCodec, EveryTruncationIsRejected) {
  const auto bytes = EncodeGif(ThreeFrames());
  EXPECT_EQ(PrefixesAccepted(bytes, [](const uint8_t* d, size_t n) { DecodeGif(d, n); }), 0);
}

TEST(GifCodec, LyingSizesAreRejected) {
  const auto good = EncodeGif(ThreeFrames());
  auto zero = good;
  zero[6] = 0;  // logical screen width 0
  zero[7] = 0;
  EXPECT_THROW(DecodeGif(zero.data(), zero.size()), EInvalidGraphic);
  auto huge = good;  // a 16384 x 2048 screen in a file of a few hundred bytes
  huge[7] = 0x40;
  huge[9] = 0x08;
  EXPECT_THROW(DecodeGif(huge.data(), huge.size()), EInvalidGraphic);
  // A frame claiming more rows than its data holds.
  auto tall = good;
  size_t desc = 0;
  for (size_t i = 13; i < tall.size(); ++i)
    if (tall[i] == 0x2C) { desc = i; break; }
  ASSERT_GT(desc, 0u);
  tall[desc + 7] = 0x40;  // height 64 instead of 3
  EXPECT_THROW(DecodeGif(tall.data(), tall.size()), EInvalidGraphic);
  auto wide = good;  // 0x7F04 x 64: far more pixels than a short file can hold
  wide[desc + 6] = 0x7F;
  wide[desc + 7] = 0x40;
  EXPECT_THROW(DecodeGif(wide.data(), wide.size()), EInvalidGraphic);
}

TEST(GifCodec, EncodingNeedsFramesOfOneSize) {
  EXPECT_THROW(EncodeGif({}), EInvalidGraphic);
  EXPECT_THROW(EncodeGif({{TPixelImage(2, 2), 0}, {TPixelImage(3, 2), 0}}), EInvalidGraphic);
}
