#include "grid/output/RotatedText.h"

#include <gtest/gtest.h>

namespace {

// A text 40 wide and 10 high in a cell (0, 0, 100, 50).
struct TLayoutCase {
  int Angle;
  TAlignment H;
  TVAlignment V;
  TPoint Origin;
};

class RotatedLayout : public ::testing::TestWithParam<TLayoutCase> {};

TEST_P(RotatedLayout, OriginByQuadrantAndAlignment) {
  const TLayoutCase& c = GetParam();
  TRect r(0, 0, 100, 50);
  LayoutRotatedText(r, c.H, c.V, c.Angle, RotatedExtent(40, 10, c.Angle));
  EXPECT_EQ(TPoint(r.Left, r.Top), c.Origin) << c.Angle << " " << c.H << " " << c.V;
  EXPECT_EQ(r.Right, 100);
  EXPECT_EQ(r.Bottom, 50);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RotatedLayout,
    ::testing::Values(TLayoutCase{0, taLeftJustify, vtaTop, {0, 0}},
                      TLayoutCase{0, taRightJustify, vtaBottom, {60, 40}},
                      TLayoutCase{0, taCenter, vtaCenter, {30, 20}},
                      TLayoutCase{90, taLeftJustify, vtaBottom, {0, 50}},   // runs upwards from the corner
                      TLayoutCase{90, taLeftJustify, vtaTop, {0, 40}},
                      TLayoutCase{90, taRightJustify, vtaCenter, {90, 45}},
                      TLayoutCase{180, taRightJustify, vtaTop, {100, 10}},  // upside down, leftwards
                      TLayoutCase{180, taLeftJustify, vtaBottom, {40, 50}},
                      TLayoutCase{270, taLeftJustify, vtaTop, {10, 0}},
                      TLayoutCase{270, taCenter, vtaBottom, {55, 10}},
                      TLayoutCase{-30, taLeftJustify, vtaTop, {0, 19}},     // negative: first quadrant
                      TLayoutCase{400, taLeftJustify, vtaTop, {6, 0}}));   // above 360: fourth

TEST(RotatedLayout, ExtentsAndSize) {
  const TRotatedExtent e = RotatedExtent(40, 10, 30);
  EXPECT_EQ(e.D, 34);  // 40 cos 30 = 34.6
  EXPECT_EQ(e.C, 4);   // 10 sin 30 is a hair under 5
  EXPECT_EQ(e.B, 19);  // 40 sin 30 = 19.99..
  EXPECT_EQ(e.A, 8);   // 10 cos 30 = 8.66
  EXPECT_EQ(RotatedTextSize(40, 10, 0), TPoint(52, 22));
  EXPECT_EQ(RotatedTextSize(40, 10, 90), TPoint(22, 52));
}

}  // namespace
