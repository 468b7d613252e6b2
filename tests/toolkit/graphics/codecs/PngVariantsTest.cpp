// Every colour type, bit depth and interlace of PNG, written by libpng's own
// encoder (the same files seed the PNG fuzz target), must decode to the
// picture it carries.
#include <gtest/gtest.h>

#include <cstdlib>

#include "toolkit/graphics/codecs/PngCodec.h"
#include "toolkit/testing/PngVariants.h"

using namespace pngvariants;

namespace {

class PngVariants : public testing::TestWithParam<TPngVariant> {};

int Difference(uint8_t a, uint8_t b) { return std::abs(int(a) - int(b)); }

TEST_P(PngVariants, DecodeToThePictureTheyCarry) {
  const TPngVariant& v = GetParam();
  const std::vector<uint8_t> file = WritePngVariant(v);
  ASSERT_FALSE(file.empty());
  const TPixelImage img = DecodePng(file.data(), file.size());
  ASSERT_EQ(img.Width, kWidth);
  ASSERT_EQ(img.Height, kHeight);
  // 16-bit samples are rounded to 8 bits; linear ones are gamma-encoded, so only alpha is comparable.
  const int tolerance = v.BitDepth == 16 ? 1 : 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const uint32_t want = ExpectedPixel(v, x, y), got = img.At(x, y);
      SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y << " want " << std::hex << want << " got " << got);
      ASSERT_LE(Difference(ArgbA(got), ArgbA(want)), tolerance);
      if (!v.Srgb || ArgbA(want) == 0) continue;
      ASSERT_LE(Difference(ArgbR(got), ArgbR(want)), tolerance);
      ASSERT_LE(Difference(ArgbG(got), ArgbG(want)), tolerance);
      ASSERT_LE(Difference(ArgbB(got), ArgbB(want)), tolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, PngVariants, testing::ValuesIn(AllPngVariants()),
                         [](const testing::TestParamInfo<TPngVariant>& info) { return info.param.Name(); });

TEST(PngVariantList, CoversEveryColourTypeDepthAndInterlace) {
  const std::vector<TPngVariant> all = AllPngVariants();
  EXPECT_EQ(all.size(), 2u * (5 + 2 + 4 + 2 + 2) + 2u * (5 + 2 + 4) + 2u * 4);
}

}  // namespace
