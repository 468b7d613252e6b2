#include <gtest/gtest.h>

#include "toolkit/graphics/codecs/CodecTestUtil.h"
#include "toolkit/graphics/codecs/PngCodec.h"
#include "toolkit/rtl/Exceptions.h"

using namespace codectest;

namespace {

uint32_t Crc32(const uint8_t* p, size_t n) {
  uint32_t c = 0xFFFFFFFFu;
  for (size_t i = 0; i < n; ++i) {
    c ^= p[i];
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
  }
  return ~c;
}

void PutBE32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (24 - 8 * i));
}

// Rewrites the IHDR size fields and fixes the chunk's checksum, so that only the lie remains.
std::vector<uint8_t> WithSize(std::vector<uint8_t> png, uint32_t w, uint32_t h) {
  PutBE32(png, 16, w);
  PutBE32(png, 20, h);
  PutBE32(png, 29, Crc32(&png[12], 17));
  return png;
}

}  // namespace

TEST(PngCodec, RoundTripsOpaqueAndTranslucentImages) {
  for (bool alpha : {false, true}) {
    const TPixelImage src = Pattern(5, 3, alpha);
    const auto file = EncodePng(src);
    ASSERT_TRUE(IsPngData(file.data(), file.size()));
    const TPixelImage back = DecodePng(file.data(), file.size());
    ASSERT_EQ(back.Width, 5);
    ASSERT_EQ(back.Height, 3);
    EXPECT_EQ(back.Pixels, src.Pixels) << alpha;
  }
}

TEST(PngCodec, KeepsPartialAlpha) {
  TPixelImage src(2, 1);
  src.At(0, 0) = 0x00000000;
  src.At(1, 0) = 0x80FF0000;
  const auto file = EncodePng(src);
  const TPixelImage back = DecodePng(file.data(), file.size());
  EXPECT_EQ(back.At(0, 0) >> 24, 0u);
  EXPECT_EQ(back.At(1, 0), 0x80FF0000u);
}

TEST(PngCodec, EveryTruncationIsRejected) {
  const auto file = EncodePng(Pattern(7, 5, true));
  // The trailing end chunk carries nothing; a file cut inside it still holds the whole picture.
  const size_t iend = 12;
  std::vector<uint8_t> upToEnd(file.begin(), file.end() - long(iend));
  EXPECT_EQ(PrefixesAccepted(upToEnd, [](const uint8_t* d, size_t n) { DecodePng(d, n); }), 0);
}

TEST(PngCodec, LyingHeadersAreRejected) {
  const auto file = EncodePng(Pattern(4, 4));
  EXPECT_NO_THROW(DecodePng(WithSize(file, 4, 4).data(), file.size()));
  struct Case { uint32_t w, h; };
  for (Case c : {Case{0, 4}, Case{4, 0}, Case{0x7FFFFFFF, 4}, Case{100000, 100000}, Case{8000, 8000}, Case{4, 400}, Case{400, 4}}) {
    const auto lie = WithSize(file, c.w, c.h);
    EXPECT_THROW(DecodePng(lie.data(), lie.size()), EInvalidGraphic) << c.w << "x" << c.h;
  }
}

TEST(PngCodec, BadChecksumIsRejected) {
  auto file = EncodePng(Pattern(4, 4));
  file[30] ^= 0xFF;
  EXPECT_THROW(DecodePng(file.data(), file.size()), EInvalidGraphic);
}

TEST(PngCodec, EncodingAnEmptyImageIsAnError) {
  EXPECT_THROW(EncodePng(TPixelImage()), EInvalidGraphic);
}
