#include "grid/foundation/ExtUtil.h"

#include <gtest/gtest.h>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

namespace {

constexpr TColor kRed = RGB(255, 0, 0);
constexpr TColor kBlue = RGB(0, 0, 255);
constexpr TColor kWhite = RGB(255, 255, 255);
constexpr TColor kBlack = RGB(0, 0, 0);

TEST(GridColors, Arithmetic) {
  EXPECT_EQ(HalveColor(RGB(255, 101, 3)), RGB(127, 50, 1));
  TColor face = ColorToRGB(clBtnFace);
  EXPECT_EQ(HalveColor(clBtnFace), RGB(GetRValue(face) / 2, GetGValue(face) / 2, GetBValue(face) / 2));
  EXPECT_EQ(ChangeColorPercent(kWhite, 7), kWhite);
  EXPECT_EQ(ChangeColorPercent(RGB(200, 200, 200), -20), RGB(160, 160, 160));
  EXPECT_EQ(ChangeColorPercent(RGB(10, 14, 0), 25), RGB(12, 18, 0));  // 2.5 -> 2, 3.5 -> 4
  EXPECT_EQ(ChangeColorPercent(RGB(100, 0, 0), -200), RGB(0, 0, 0));
}

TEST(GridColors, Interpolation) {
  EXPECT_EQ(InterpolateColor(kBlack, kWhite, 0, 10, 5), RGB(128, 128, 128));  // 127.5 to even
  EXPECT_EQ(InterpolateColor(kBlack, kWhite, 0, 10, 0), kBlack);
  EXPECT_EQ(InterpolateColor(kBlack, kWhite, 0, 10, 10), kWhite);
  EXPECT_EQ(InterpolateColor(kWhite, kBlack, 0, 4, 1), RGB(191, 191, 191));  // 255 - 63.75
  EXPECT_EQ(InterpolateColor(clBtnFace, clNone, 0, 10, 5), clBtnFace);
  EXPECT_EQ(InterpolateColor(kRed, kBlue, 3, 3, 1), kRed);  // an empty range
}

class GridGradients : public ::testing::Test {
protected:
  GridGradients() : bmp(40, 30) { FillRectColor(bmp.Canvas(), Rect(0, 0, 40, 30), kWhite); }
  TColor Pixel(int x, int y) { return bmp.Canvas()->Pixels(x, y); }
  TCanvas* Canvas() { return bmp.Canvas(); }
  TBitmap bmp;
};

TEST_F(GridGradients, OnePixelHighBandEndsInToColor) {
  GradientFillRect(Canvas(), kRed, kBlue, 16, Rect(0, 5, 10, 6), false);
  EXPECT_EQ(Pixel(3, 5), kBlue);
  EXPECT_EQ(Pixel(3, 6), kWhite);
  EXPECT_EQ(Pixel(3, 4), kWhite);
}

TEST_F(GridGradients, NoColourEndFillsSolid) {
  GradientFillRect(Canvas(), kRed, clNone, 16, Rect(0, 0, 10, 10), true);
  EXPECT_EQ(Pixel(9, 9), kRed);
  GradientFillRect(Canvas(), clNone, kBlue, 16, Rect(10, 0, 20, 10), true);
  EXPECT_EQ(Pixel(10, 0), kBlue);
  EXPECT_EQ(Pixel(19, 9), kBlue);
  GradientFillRect(Canvas(), kRed, kBlue, 16, Rect(0, 20, 10, 20), true);  // no height: nothing
  EXPECT_EQ(Pixel(0, 20), kWhite);
}

TEST_F(GridGradients, RunsAcrossTheRectangle) {
  GradientFillRect(Canvas(), kBlack, kWhite, 4, Rect(0, 0, 33, 10), true);
  EXPECT_EQ(Pixel(0, 5), kBlack);
  EXPECT_EQ(Pixel(32, 5), kWhite);
  EXPECT_EQ(Pixel(16, 5), RGB(128, 128, 128));  // band 2 of 4
  GradientFillRect(Canvas(), kBlack, kWhite, 4, Rect(0, 20, 10, 11), false);  // top and bottom swapped
  EXPECT_EQ(Pixel(5, 11), kBlack);
  EXPECT_EQ(Pixel(5, 19), kWhite);
}

TEST_F(GridGradients, CellBackground) {
  DrawCellBackground(Canvas(), Rect(0, 0, 10, 10), kRed, clNone, clNone, clNone, true, clNone, false, true);
  EXPECT_EQ(Pixel(5, 10), kRed);  // one pixel taller
  EXPECT_EQ(Pixel(10, 5), kWhite);
  DrawCellBackground(Canvas(), Rect(20, 0, 30, 10), kRed, kRed, kBlue, kBlue, true, kBlack, false, true);
  EXPECT_EQ(Pixel(25, 2), kRed);   // upper half
  EXPECT_EQ(Pixel(25, 7), kBlue);  // lower half
  EXPECT_EQ(Pixel(20, 5), kBlack); // frame
  EXPECT_EQ(Pixel(29, 9), kBlack);
  DrawCellBackground(Canvas(), Rect(0, 15, 10, 25), kRed, clNone, clNone, clNone, true, kBlue, true, false);
  EXPECT_EQ(Pixel(0, 20), kBlue);  // side lines only, no fill
  EXPECT_EQ(Pixel(9, 20), kBlue);
  EXPECT_EQ(Pixel(5, 15), kWhite);
  EXPECT_EQ(Pixel(5, 20), kWhite);
}

TEST_F(GridGradients, RoundedFaceCorners) {
  const TColor upper = RGB(1, 1, 1), lower = RGB(2, 2, 2), border = RGB(3, 3, 3), corner = RGB(4, 4, 4),
               back = RGB(5, 5, 5), face = RGB(9, 9, 9);
  // R = (0, 0, 19, 18)
  DrawRoundedGradientFace(Canvas(), face, clNone, clNone, clNone, upper, lower, border, corner, back,
                          Rect(0, 0, 20, 20), 0);
  EXPECT_EQ(Pixel(0, 0), back);
  EXPECT_EQ(Pixel(1, 0), corner);
  EXPECT_EQ(Pixel(0, 1), corner);
  EXPECT_EQ(Pixel(18, 0), back);
  EXPECT_EQ(Pixel(17, 18), corner);
  EXPECT_EQ(Pixel(5, 0), border);
  EXPECT_EQ(Pixel(0, 5), border);   // left side line
  EXPECT_EQ(Pixel(5, 5), face);
  EXPECT_EQ(Pixel(2, 5), face);     // the inside starts after the inset

  FillRectColor(Canvas(), Rect(0, 0, 40, 30), kWhite);
  DrawRoundedGradientFace(Canvas(), face, clNone, clNone, clNone, upper, lower, border, corner, back,
                          Rect(0, 0, 20, 20), 3);
  EXPECT_EQ(Pixel(0, 0), border);   // square ends: the top line runs through
  EXPECT_EQ(Pixel(0, 5), face);     // no side line, the inside spans the full width
  EXPECT_EQ(Pixel(18, 5), face);
}

}  // namespace
