#include "grid/foundation/ExtObjAlphaMask.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "grid/foundation/ExtObjIndicators.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/codecs/PixelImage.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/testing/TestDriver.h"

namespace {

TEST(GridBlur, KernelIsTrimmedAndNormalised) {
  TBlurKernel k;
  BuildGaussianKernel(k, 3, 255, 1);
  EXPECT_LT(k.Size, 10);
  EXPECT_GE(k.Size, 1);
  double sum = 0;
  for (int j = -k.Size; j <= k.Size; ++j) sum += k.W(j);
  EXPECT_NEAR(sum, 1.0, 1e-5);
  EXPECT_FLOAT_EQ(k.W(-2), k.W(2));
  EXPECT_EQ(ClampInt(0, 9, -3), 0);
  EXPECT_EQ(ClampInt(0, 9, 12), 9);
  EXPECT_EQ(ClampToByte(0, 255, 254.9), 254);
  EXPECT_EQ(ClampToByte(0, 255, 300.0), 255);
}

TEST(GridBlur, WhiteStaysWhiteAndTheMiddleCopiesRowAndColumn15) {
  TBitmap white(60, 60);
  white.SetPixelFormat(pf24bit);
  white.Canvas()->Brush()->SetColor(clWhite);
  white.Canvas()->FillRect(TRect(0, 0, 60, 60));
  BlurBitmap24(&white, 3);
  EXPECT_EQ(white.Canvas()->Pixels(30, 30), clWhite);
  EXPECT_EQ(white.Canvas()->Pixels(0, 0), clWhite);

  TBitmap mask;
  DrawRoundRectMask(&mask, 100, 100, 4, 5, 3);
  for (int y = 21; y < 80; y += 13)
    EXPECT_EQ(std::memcmp(mask.ScanLine(y), mask.ScanLine(15), 300), 0) << y;
  // The outline is soft: a grey value somewhere between black and white on row 3.
  bool grey = false;
  for (int x = 0; x < 100; ++x) {
    const int r = GetRValue(mask.Canvas()->Pixels(x, 3));
    grey = grey || (r > 0 && r < 255);
  }
  EXPECT_TRUE(grey);
}

TEST(GridBlur, NoRadiusNoBlurAndOnly24Bit) {
  TBitmap mask;
  DrawRoundRectMask(&mask, 40, 40, 0, 5, 0);
  const TColor before = mask.Canvas()->Pixels(2, 10);
  BlurBitmap24(&mask, 0);
  BlurBitmap24(&mask, -1);  // would divide by zero: leaves it as it is
  EXPECT_EQ(mask.Canvas()->Pixels(2, 10), before);
  TBitmap wide(10, 10);
  wide.SetPixelFormat(pf32bit);
  EXPECT_THROW(BlurBitmap24(&wide, 3), EInvalidGraphicOperation);
}

TEST(GridAlphaMask, MergeAndAssignWorkOnTheSharedSize) {
  TBitmap colour(8, 6);
  colour.SetPixelFormat(pf24bit);
  colour.Canvas()->Brush()->SetColor(RGB(200, 100, 50));
  colour.Canvas()->FillRect(TRect(0, 0, 8, 6));
  TBitmap mask(4, 6);  // smaller than the colour bitmap
  mask.SetPixelFormat(pf24bit);
  mask.Canvas()->Brush()->SetColor(RGB(128, 0, 0));
  mask.Canvas()->FillRect(TRect(0, 0, 4, 6));

  TGridAlphaMask alpha;
  alpha.MergeMask(&mask, &colour, clNone);
  ASSERT_EQ(alpha.Width(), 8);
  const uint8_t* row = alpha.ScanLine(2);
  EXPECT_EQ(row[3], 128);
  EXPECT_EQ(row[2], uint8_t(std::lround(200 * 128 / 255.0)));
  EXPECT_EQ(row[0], uint8_t(std::lround(50 * 128 / 255.0)));
  EXPECT_EQ(row[6 * 4 + 3], 0);  // beyond the mask: transparent

  TBitmap wide(8, 6);
  wide.SetPixelFormat(pf32bit);
  TGridAlphaMask untouched;
  untouched.MergeMask(&mask, &wide, clNone);
  EXPECT_EQ(untouched.Width(), 0);

  TGridAlphaMask bigger;
  bigger.SetSize(20, 20);
  alpha.Opacity = 77;
  bigger.Assign(&alpha);  // reads only the 8 x 6 the source has
  EXPECT_EQ(bigger.Opacity, 77);
  EXPECT_EQ(bigger.ScanLine(2)[3], 128);
}

class GridIndicators : public FormsTest {};

TEST_F(GridIndicators, ArrowWindowIsALimeArrow) {
  TForm* form = new TForm(Application);
  form->Show();
  auto* arrow = new TArrowWindow(form, arrLeft);
  EXPECT_FALSE(arrow->Visible());
  EXPECT_EQ(arrow->Color(), RGB(0, 255, 0));
  arrow->SetBounds(20, 20, 9, 11);
  arrow->Show();
  Driver.Pump();
  EXPECT_EQ(arrow->Arrow()[4], TPoint(8, 5));  // the tip points right
  EXPECT_FALSE(arrow->WindowRgn().empty());
  auto* glow = new TGridFocusWindow(form);
  EXPECT_EQ(glow->Width(), 0);
  EXPECT_EQ(glow->Color(), RGB(255, 0, 0));
}

}  // namespace
