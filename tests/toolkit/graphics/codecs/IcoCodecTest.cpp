#include <gtest/gtest.h>

#include "toolkit/graphics/codecs/CodecTestUtil.h"
#include "toolkit/graphics/codecs/IcoCodec.h"
#include "toolkit/rtl/Exceptions.h"

using namespace codectest;

namespace {

TIcoFile TwoSizes() {
  TIcoFile f;
  TIcoEntry small;
  small.Image = Pattern(16, 16, true);
  TIcoEntry large;
  large.Image = Pattern(32, 32, true);
  f.Entries = {small, large};
  return f;
}

// A 4-bit 2 x 2 icon with an AND mask that hides the top-right pixel.
TBytes FourBitIcon() {
  TBytes b;
  b.u16(0).u16(1).u16(1);
  b.u8(2).u8(2).u8(16).u8(0).u16(1).u16(4).u32(40 + 16 * 4 + 8 + 8).u32(22);
  b.u32(40).u32(2).u32(4).u16(1).u16(4).u32(0).u32(0).u32(0).u32(0).u32(0).u32(0);
  for (uint32_t i = 0; i < 16; ++i) b.u32(i == 1 ? 0xFF0000 : i == 2 ? 0x00FF00 : 0);
  b.u32(0x00000021).u32(0x00000012);  // colour rows, bottom first: (2, 1) then (1, 2)
  b.u32(0x00000000).u32(0x00000040);  // mask rows, bottom first: top row's right pixel masked
  return b;
}

}  // namespace

TEST(IcoCodec, RoundTripsSeveralSizesWithAlpha) {
  const auto bytes = EncodeIco(TwoSizes());
  ASSERT_TRUE(IsIcoData(bytes.data(), bytes.size()));
  const TIcoFile back = DecodeIco(bytes.data(), bytes.size());
  ASSERT_EQ(back.Entries.size(), 2u);
  EXPECT_FALSE(back.Cursor);
  EXPECT_EQ(back.Entries[0].Image.Pixels, TwoSizes().Entries[0].Image.Pixels);
  EXPECT_EQ(back.Entries[1].Image.Pixels, TwoSizes().Entries[1].Image.Pixels);
  EXPECT_EQ(back.BestIndex(), 1);
}

TEST(IcoCodec, LargeImagesTravelAsPng) {
  TIcoFile f;
  f.Entries.push_back({Pattern(256, 256, true)});
  const auto bytes = EncodeIco(f);
  EXPECT_EQ(DecodeIco(bytes.data(), bytes.size()).Entries[0].Image.Pixels, f.Entries[0].Image.Pixels);
}

TEST(IcoCodec, CursorKeepsItsHotSpot) {
  TIcoFile f;
  f.Cursor = true;
  f.Entries.push_back({Pattern(8, 8, true), 32, 3, 5});
  const auto bytes = EncodeIco(f);
  const TIcoFile back = DecodeIco(bytes.data(), bytes.size());
  EXPECT_TRUE(back.Cursor);
  EXPECT_EQ(back.Entries[0].HotSpotX, 3);
  EXPECT_EQ(back.Entries[0].HotSpotY, 5);
}

TEST(IcoCodec, AndMaskMakesPixelsTransparent) {
  const TBytes b = FourBitIcon();
  const TIcoFile f = DecodeIco(b.data(), b.size());
  ASSERT_EQ(f.Entries.size(), 1u);
  const TPixelImage& img = f.Entries[0].Image;
  ASSERT_EQ(img.Height, 2);
  EXPECT_EQ(img.At(0, 0), 0xFFFF0000u);
  EXPECT_EQ(img.At(1, 0) >> 24, 0u);
  EXPECT_EQ(img.At(0, 1), 0xFF00FF00u);
  EXPECT_EQ(img.At(1, 1), 0xFFFF0000u);
  EXPECT_EQ(f.Entries[0].BitCount, 4);
}

TEST(IcoCodec, EveryTruncationIsRejected) {
  const auto bytes = EncodeIco(TwoSizes());
  EXPECT_EQ(PrefixesAccepted(bytes, [](const uint8_t* d, size_t n) { DecodeIco(d, n); }, 7), 0);
  EXPECT_EQ(PrefixesAccepted(FourBitIcon(), [](const uint8_t* d, size_t n) { DecodeIco(d, n); }), 0);
}

TEST(IcoCodec, LyingDirectoryIsRejected) {
  TBytes offset = FourBitIcon();
  offset[18] = 0xFF;  // image offset far beyond the file
  TBytes size = FourBitIcon();
  size[15] = 0x7F;  // image size beyond the file
  TBytes height = FourBitIcon();
  height[22 + 8] = 3;  // odd DIB height cannot hold image and mask
  TBytes count = FourBitIcon();
  count[4] = 0xFF;  // 255 directory entries that are not there
  for (const TBytes& b : {offset, size, height, count})
    EXPECT_THROW(DecodeIco(b.data(), b.size()), EInvalidGraphic);
}

TEST(IcoCodec, EncodingRefusesOversizedImages) {
  TIcoFile f;
  f.Entries.push_back({Pattern(300, 2)});
  EXPECT_THROW(EncodeIco(f), EInvalidGraphic);
  EXPECT_THROW(EncodeIco(TIcoFile()), EInvalidGraphic);
}
