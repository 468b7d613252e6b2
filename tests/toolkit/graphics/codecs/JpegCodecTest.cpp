#include <gtest/gtest.h>

#include "toolkit/graphics/codecs/CodecTestUtil.h"
#include "toolkit/graphics/codecs/JpegCodec.h"
#include "toolkit/rtl/Exceptions.h"

using namespace codectest;

TEST(JpegCodec, RoundTripStaysWithinTolerance) {
  const TPixelImage src = Gradient(32, 24);
  const auto file = EncodeJpeg(src, 95);
  ASSERT_TRUE(IsJpegData(file.data(), file.size()));
  const TPixelImage back = DecodeJpeg(file.data(), file.size());
  ASSERT_EQ(back.Width, 32);
  ASSERT_EQ(back.Height, 24);
  int worst = 0;
  for (size_t i = 0; i < src.Pixels.size(); ++i) worst = std::max(worst, MaxChannelDiff(src.Pixels[i], back.Pixels[i]));
  EXPECT_LE(worst, 12);
  for (uint32_t p : back.Pixels) EXPECT_EQ(p >> 24, 0xFFu);
}

TEST(JpegCodec, LowerQualityGivesSmallerFiles) {
  const TPixelImage src = Pattern(64, 64);
  EXPECT_LT(EncodeJpeg(src, 10).size(), EncodeJpeg(src, 95).size());
  // Out-of-range qualities are clamped rather than refused.
  EXPECT_EQ(EncodeJpeg(src, -5), EncodeJpeg(src, 1));
  EXPECT_EQ(EncodeJpeg(src, 400), EncodeJpeg(src, 100));
}

TEST(JpegCodec, TruncationsAreRejected) {
  const auto file = EncodeJpeg(Gradient(16, 16), 80);
  EXPECT_EQ(PrefixesAccepted(file, [](const uint8_t* d, size_t n) { DecodeJpeg(d, n); }, 3), 0);
}

TEST(JpegCodec, LyingFrameSizeIsRejected) {
  auto file = EncodeJpeg(Gradient(16, 16), 80);
  // The start-of-frame segment: FF C0, length, precision, height, width.
  size_t sof = 0;
  for (size_t i = 2; i + 1 < file.size(); ++i)
    if (file[i] == 0xFF && file[i + 1] == 0xC0) { sof = i; break; }
  ASSERT_GT(sof, 0u);
  auto tall = file;
  tall[sof + 5] = 0xFF;  // height 0xFF10: far more rows than the data holds
  EXPECT_THROW(DecodeJpeg(tall.data(), tall.size()), EInvalidGraphic);
  auto empty = file;
  empty[sof + 5] = 0;
  empty[sof + 6] = 0;
  EXPECT_THROW(DecodeJpeg(empty.data(), empty.size()), EInvalidGraphic);
}

TEST(JpegCodec, GarbageAfterTheSignatureIsRejected) {
  std::vector<uint8_t> junk = {0xFF, 0xD8, 0xFF, 0x01, 0x02, 0x03, 0x04, 0x05};
  EXPECT_THROW(DecodeJpeg(junk.data(), junk.size()), EInvalidGraphic);
  EXPECT_THROW(DecodeJpeg(junk.data(), 2), EInvalidGraphic);
}
