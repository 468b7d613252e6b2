#include <gtest/gtest.h>

#include "toolkit/graphics/codecs/BmpCodec.h"
#include "toolkit/graphics/codecs/ByteReader.h"
#include "toolkit/graphics/codecs/CodecTestUtil.h"
#include "toolkit/rtl/Exceptions.h"

using namespace codectest;

namespace {

TPixelImage Decode(const std::vector<uint8_t>& b, TBmpInfo* info = nullptr) {
  return DecodeBmp(b.data(), b.size(), info);
}

const std::vector<uint32_t> kPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};  // stored B,G,R,0
constexpr uint32_t kBlack = 0xFF000000, kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

}  // namespace

TEST(BmpCodec, RoundTripsAtBothDepths) {
  for (int bpp : {24, 32}) {
    const TPixelImage src = Pattern(5, 3, bpp == 32);
    TBmpInfo info;
    const TPixelImage back = Decode(EncodeBmp(src, bpp), &info);
    EXPECT_EQ(info.BitCount, bpp);
    EXPECT_FALSE(info.TopDown);
    ASSERT_EQ(back.Width, 5);
    ASSERT_EQ(back.Height, 3);
    EXPECT_EQ(back.Pixels, src.Pixels) << bpp;
  }
}

TEST(BmpCodec, TwentyFourBitsDropAlpha) {
  TPixelImage src(1, 1, 0x10203040);
  EXPECT_EQ(Decode(EncodeBmp(src, 24)).At(0, 0), 0xFF203040u);
}

TEST(BmpCodec, ThirtyTwoBitsWithAllAlphaZeroAreOpaque) {
  // Many writers leave the fourth byte zero; such a picture is not invisible.
  auto file = BmpFile(1, 1, 32, 0, {}, {0x30, 0x20, 0x10, 0x00});
  EXPECT_EQ(Decode(file).At(0, 0), 0xFF102030u);
}

TEST(BmpCodec, ReadsPalettedDepthsBottomUpAndTopDown) {
  // 2 x 2 pictures: top row red, green; bottom row blue, black.
  struct Case { uint16_t bpp; std::vector<uint8_t> bottomUp; };
  const std::vector<Case> cases = {
      {8, {3, 0, 0, 0, 1, 2, 0, 0}},
      {4, {0x30, 0, 0, 0, 0x12, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const TPixelImage img = Decode(BmpFile(2, 2, c.bpp, 0, kPalette, c.bottomUp));
    EXPECT_EQ(img.Pixels, (std::vector<uint32_t>{kRed, kGreen, kBlue, kBlack})) << c.bpp;
    std::vector<uint8_t> topDown(c.bottomUp.begin() + 4, c.bottomUp.end());
    topDown.insert(topDown.end(), c.bottomUp.begin(), c.bottomUp.begin() + 4);
    TBmpInfo info;
    EXPECT_EQ(Decode(BmpFile(2, -2, c.bpp, 0, kPalette, topDown), &info).Pixels,
              (std::vector<uint32_t>{kRed, kGreen, kBlue, kBlack}));
    EXPECT_TRUE(info.TopDown);
  }
}

TEST(BmpCodec, ReadsOneBitRows) {
  // 10 pixels wide: bits span two bytes of the row.
  const TPixelImage img = Decode(BmpFile(10, 1, 1, 0, {0x000000, 0xFFFFFF}, {0xA0, 0x40, 0, 0}));
  ASSERT_EQ(img.Width, 10);
  EXPECT_EQ(img.At(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(img.At(1, 0), kBlack);
  EXPECT_EQ(img.At(2, 0), 0xFFFFFFFFu);
  EXPECT_EQ(img.At(9, 0), 0xFFFFFFFFu);
  EXPECT_EQ(img.At(8, 0), kBlack);
}

TEST(BmpCodec, ReadsSixteenBitFiveFiveFive) {
  const TPixelImage img = Decode(BmpFile(2, 1, 16, 0, {}, {0x00, 0x7C, 0x1F, 0x00}));
  EXPECT_EQ(img.At(0, 0), kRed);
  EXPECT_EQ(img.At(1, 0), kBlue);
}

TEST(BmpCodec, IndexBeyondThePaletteIsBlackNotAnOverRead) {
  const TPixelImage img = Decode(BmpFile(1, 1, 8, 0, {0xFFFFFF}, {200, 0, 0, 0}));
  EXPECT_EQ(img.At(0, 0), kBlack);
}

TEST(BmpCodec, DecodesRle8WithEscapes) {
  // Bottom row: 2 x index 1, then end of line; top row: literal run of 3 (1, 2, 3),
  // padded to a word, then end of bitmap.
  const std::vector<uint8_t> rle = {2, 1, 0, 0, 0, 3, 1, 2, 3, 0, 0, 1};
  const TPixelImage img = Decode(BmpFile(3, 2, 8, 1, kPalette, rle));
  EXPECT_EQ(img.Pixels, (std::vector<uint32_t>{kRed, kGreen, kBlue, kRed, kRed, kBlack}));
}

TEST(BmpCodec, DecodesRle4AndDelta) {
  // Bottom row: 3 pixels alternating 1, 2; delta (0, 1) moves up to the top row at
  // x = 3; there a run of 2 x index 3, the second past the edge; end of bitmap.
  // Untouched pixels keep index 0.
  const std::vector<uint8_t> rle = {3, 0x12, 0, 2, 0, 1, 2, 0x33, 0, 1};
  const TPixelImage img = Decode(BmpFile(4, 2, 4, 2, kPalette, rle));
  EXPECT_EQ(img.Pixels, (std::vector<uint32_t>{kBlack, kBlack, kBlack, kBlue, kRed, kGreen, kRed, kBlack}));
}

TEST(BmpCodec, RleRunsPastTheEdgeAreClipped) {
  const std::vector<uint8_t> rle = {255, 1, 0, 2, 200, 200, 0, 1};
  const TPixelImage img = Decode(BmpFile(2, 1, 8, 1, kPalette, rle));
  EXPECT_EQ(img.Pixels, (std::vector<uint32_t>{kRed, kRed}));
}

TEST(BmpCodec, EveryTruncationIsRejected) {
  for (int bpp : {24, 32}) {
    const auto file = EncodeBmp(Pattern(), bpp);
    EXPECT_EQ(PrefixesAccepted(file, [](const uint8_t* d, size_t n) { DecodeBmp(d, n); }), 0);
  }
  const std::vector<uint8_t> rle = {2, 1, 0, 0, 0, 3, 1, 2, 3, 0, 0, 1};
  EXPECT_EQ(PrefixesAccepted(BmpFile(3, 2, 8, 1, kPalette, rle),
                             [](const uint8_t* d, size_t n) { DecodeBmp(d, n); }), 0);
}

TEST(BmpCodec, LyingHeadersAreRejected) {
  struct Case { const char* what; TBytes file; };
  const std::vector<uint8_t> px = {1, 2, 3, 0};
  std::vector<Case> cases = {
      {"huge width", BmpFile(1 << 30, 1, 24, 0, {}, px)},
      {"huge height", BmpFile(1, -(1 << 30), 24, 0, {}, px)},
      {"rows beyond data", BmpFile(1, 2, 24, 0, {}, px)},
      {"zero width", BmpFile(0, 1, 24, 0, {}, px)},
      {"odd bit count", BmpFile(1, 1, 7, 0, {}, px)},
      {"unknown compression", BmpFile(1, 1, 24, 9, {}, px)},
      {"rle on 24 bits", BmpFile(1, 1, 24, 1, {}, px)},
      {"no end of rle", BmpFile(4, 4, 8, 1, kPalette, {2, 1, 0, 0})},
  };
  TBytes offset = BmpFile(1, 1, 24, 0, {}, px);
  offset[10] = 0xF0;  // pixel data offset beyond the end
  cases.push_back({"pixel offset", offset});
  TBytes palette = BmpFile(1, 1, 8, 0, {}, px);
  palette[46] = 0x00;  // colours used = 0x10000
  palette[48] = 0x01;
  cases.push_back({"palette count", palette});
  TBytes header = BmpFile(1, 1, 24, 0, {}, px);
  header[14] = 0xFF;  // info header size
  header[15] = 0xFF;
  cases.push_back({"header size", header});
  for (const Case& c : cases) EXPECT_THROW(Decode(c.file), EInvalidGraphic) << c.what;
}

TEST(BmpCodec, NonBmpDataIsRejected) {
  const std::vector<uint8_t> text = {'h', 'e', 'l', 'l', 'o'};
  EXPECT_THROW(Decode(text), EInvalidGraphic);
  EXPECT_FALSE(IsBmpData(text.data(), text.size()));
}

TEST(ByteReader, RefusesReadsPastTheEnd) {
  const uint8_t data[3] = {1, 2, 3};
  TByteReader r(data, 3, "test");
  EXPECT_EQ(r.U16LE(), 0x0201);
  EXPECT_THROW(r.U16LE(), EInvalidGraphic);
  EXPECT_EQ(r.U8(), 3);
  EXPECT_THROW(r.Skip(1), EInvalidGraphic);
  EXPECT_THROW(r.Seek(4), EInvalidGraphic);
  EXPECT_THROW(r.Slice(2, 2), EInvalidGraphic);
  EXPECT_THROW(r.Slice(size_t(-1), 2), EInvalidGraphic);
}

TEST(BmpCodec, TinyRunLengthDataCannotClaimAHugePicture) {
  const std::vector<uint8_t> rle = {0, 1};  // end of bitmap at once
  EXPECT_THROW(Decode(BmpFile(8000, 8000, 8, 1, kPalette, rle)), EInvalidGraphic);
  EXPECT_EQ(Decode(BmpFile(300, 200, 8, 1, kPalette, rle)).Width, 300);
}
