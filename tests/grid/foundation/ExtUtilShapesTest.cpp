#include "grid/foundation/ExtUtil.h"

#include <gtest/gtest.h>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

namespace {

constexpr TColor kWhite = RGB(255, 255, 255);
constexpr TColor kFill = RGB(200, 0, 0);
constexpr TColor kLine = RGB(0, 0, 200);

class GridShapes : public ::testing::Test {
protected:
  GridShapes() : bmp(40, 40) { Clear(); }
  void Clear() { FillRectColor(bmp.Canvas(), Rect(0, 0, 40, 40), kWhite); }
  void Draw(int x, int y, int w, int h, int shape) { DrawCellShape(bmp.Canvas(), x, y, w, h, shape, kFill, kLine); }
  TColor Pixel(int x, int y) { return bmp.Canvas()->Pixels(x, y); }
  TBitmap bmp;
};

TEST_F(GridShapes, CircleUsesTheSmallerSide) {
  Draw(0, 0, 20, 10, csCircle);
  EXPECT_EQ(Pixel(5, 5), kFill);
  EXPECT_EQ(Pixel(15, 5), kWhite);
}

TEST_F(GridShapes, RectangleKeepsAMargin) {
  Draw(0, 0, 10, 10, csRectangle);
  EXPECT_EQ(Pixel(0, 0), kWhite);
  EXPECT_EQ(Pixel(1, 1), kLine);
  EXPECT_EQ(Pixel(5, 5), kFill);
  EXPECT_EQ(Pixel(9, 9), kWhite);
  Clear();
  Draw(0, 0, 20, 10, csRoundRect);
  EXPECT_EQ(Pixel(10, 0), kLine);  // no margin
  Draw(0, 20, 10, 10, csLineVert);
  EXPECT_EQ(Pixel(5, 25), kLine);
  EXPECT_EQ(Pixel(4, 25), kWhite);
}

TEST_F(GridShapes, Star) {
  Draw(0, 0, 16, 16, csStar);
  EXPECT_EQ(Pixel(8, 0), kLine);   // the top point
  EXPECT_EQ(Pixel(8, 8), kFill);   // the centre
  EXPECT_EQ(Pixel(12, 2), kWhite); // between two points
  Clear();
  Draw(0, 0, 16, 16, csHalfStar);
  EXPECT_EQ(Pixel(5, 8), kFill);   // the left half only
  EXPECT_EQ(Pixel(12, 8), kWhite);
}

TEST_F(GridShapes, ArrowWithOddWidthDrawsAsEven) {
  TBitmap odd(20, 20), even(20, 20);
  FillRectColor(odd.Canvas(), Rect(0, 0, 20, 20), kWhite);
  FillRectColor(even.Canvas(), Rect(0, 0, 20, 20), kWhite);
  DrawCellShape(odd.Canvas(), 2, 2, 11, 12, csArrowUp, kFill, kLine);
  DrawCellShape(even.Canvas(), 2, 2, 10, 12, csArrowUp, kFill, kLine);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(odd.Canvas()->Pixels(x, y), even.Canvas()->Pixels(x, y)) << x << "," << y;
  EXPECT_EQ(odd.Canvas()->Pixels(7, 10), kFill);  // the shaft
}

TEST_F(GridShapes, UnknownShapeDrawsNothing) {
  Draw(0, 0, 10, 10, 19);
  EXPECT_EQ(Pixel(5, 5), kWhite);
  EXPECT_EQ(bmp.Canvas()->Brush()->Color(), kFill);
  EXPECT_EQ(bmp.Canvas()->Pen()->Color(), kLine);
}

}  // namespace
