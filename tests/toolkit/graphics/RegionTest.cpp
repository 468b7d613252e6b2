#include "toolkit/graphics/Region.h"

namespace {

int Area(const TRegion& r) {
  int a = 0;
  for (const TRect& x : r.Rects()) a += x.Width() * x.Height();
  return a;
}

}  // namespace

TEST(Region, CombineTable) {
  const TRegion a = CreateRectRgn(0, 0, 10, 10);
  const TRegion b = CreateRectRgn(5, 5, 15, 15);
  struct Case { int mode; int area; int complexity; TRect box; };
  const Case cases[] = {
      {RGN_AND, 25, SIMPLEREGION, {5, 5, 10, 10}},
      {RGN_OR, 175, COMPLEXREGION, {0, 0, 15, 15}},
      {RGN_DIFF, 75, COMPLEXREGION, {0, 0, 10, 10}},
      {RGN_XOR, 150, COMPLEXREGION, {0, 0, 15, 15}},
      {RGN_COPY, 100, SIMPLEREGION, {0, 0, 10, 10}},
  };
  for (const Case& c : cases) {
    TRegion dest;
    EXPECT_EQ(CombineRgn(dest, a, b, c.mode), c.complexity) << c.mode;
    EXPECT_EQ(Area(dest), c.area) << c.mode;
    TRect box;
    GetRgnBox(dest, box);
    EXPECT_EQ(box, c.box) << c.mode;
  }
  TRegion dest;
  EXPECT_EQ(CombineRgn(dest, a, b, 99), RGN_ERROR);
}

TEST(Region, DisjointAndEmpty) {
  TRegion dest;
  EXPECT_EQ(CombineRgn(dest, CreateRectRgn(0, 0, 5, 5), CreateRectRgn(5, 0, 10, 5), RGN_AND), NULLREGION);
  EXPECT_TRUE(dest.IsEmpty());
  TRect box{1, 2, 3, 4};
  EXPECT_EQ(GetRgnBox(dest, box), NULLREGION);
  EXPECT_EQ(box, TRect{});
  // Touching rectangles merge into one.
  EXPECT_EQ(CombineRgn(dest, CreateRectRgn(0, 0, 5, 5), CreateRectRgn(5, 0, 10, 5), RGN_OR), SIMPLEREGION);
}

TEST(Region, PointsExcludeRightAndBottomEdges) {
  const TRegion r = CreateRectRgn(2, 3, 6, 8);
  EXPECT_TRUE(PtInRegion(r, 2, 3));
  EXPECT_TRUE(PtInRegion(r, 5, 7));
  EXPECT_FALSE(PtInRegion(r, 6, 7));
  EXPECT_FALSE(PtInRegion(r, 5, 8));
  // Corners given in any order describe the same rectangle.
  EXPECT_TRUE(EqualRgn(CreateRectRgn(6, 8, 2, 3), r));
}

TEST(Region, OffsetAndEquality) {
  TRegion r = CreateRectRgn(0, 0, 4, 4);
  EXPECT_EQ(OffsetRgn(r, 10, 20), SIMPLEREGION);
  EXPECT_TRUE(EqualRgn(r, CreateRectRgn(10, 20, 14, 24)));
  EXPECT_FALSE(EqualRgn(r, CreateRectRgn(10, 20, 14, 25)));
  EXPECT_TRUE(RectInRegion(r, Rect(13, 23, 30, 30)));
  EXPECT_FALSE(RectInRegion(r, Rect(14, 24, 30, 30)));
}

TEST(Region, EllipseStaysInsideItsBox) {
  const TRegion e = CreateEllipticRgn(0, 0, 20, 10);
  TRect box;
  EXPECT_EQ(GetRgnBox(e, box), COMPLEXREGION);
  EXPECT_EQ(box, Rect(0, 0, 20, 10));
  EXPECT_TRUE(PtInRegion(e, 10, 5));
  EXPECT_FALSE(PtInRegion(e, 0, 0));
  EXPECT_FALSE(PtInRegion(e, 19, 9));
  EXPECT_LT(Area(e), 200);
  EXPECT_GT(Area(e), 140);  // about pi/4 of the box
}

TEST(Region, RoundRectCutsOnlyTheCorners) {
  const TRegion r = CreateRoundRectRgn(0, 0, 20, 20, 8, 8);
  EXPECT_FALSE(PtInRegion(r, 0, 0));
  EXPECT_TRUE(PtInRegion(r, 10, 0));
  EXPECT_TRUE(PtInRegion(r, 0, 10));
  EXPECT_FALSE(PtInRegion(r, 19, 19));
  EXPECT_TRUE(EqualRgn(CreateRoundRectRgn(0, 0, 20, 20, 0, 0), CreateRectRgn(0, 0, 20, 20)));
}

TEST(Region, PolygonFillModes) {
  const TPoint square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  EXPECT_TRUE(EqualRgn(CreatePolygonRgn(square, 4, ALTERNATE), CreateRectRgn(0, 0, 10, 10)));
  // A path around the square twice: even-odd leaves it empty, winding fills it.
  const TPoint twice[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {10, 0}, {10, 10}, {0, 10}};
  EXPECT_TRUE(CreatePolygonRgn(twice, 8, ALTERNATE).IsEmpty());
  EXPECT_TRUE(EqualRgn(CreatePolygonRgn(twice, 8, WINDING), CreateRectRgn(0, 0, 10, 10)));
  EXPECT_TRUE(CreatePolygonRgn(square, 2, WINDING).IsEmpty());
  EXPECT_TRUE(CreatePolygonRgn(nullptr, 4, WINDING).IsEmpty());
}

TEST(Region, ValueSemantics) {
  TRegion a = CreateRectRgn(0, 0, 5, 5);
  TRegion b = a;
  b.Offset(1, 1);
  EXPECT_FALSE(EqualRgn(a, b));
  TRegion c = std::move(b);
  EXPECT_TRUE(EqualRgn(c, CreateRectRgn(1, 1, 6, 6)));
  a = c;
  EXPECT_TRUE(EqualRgn(a, c));
}
