#include "toolkit/rtl/Sets.h"
#include "toolkit/rtl/Types.h"

#include <gtest/gtest.h>

namespace {

enum TColour { cRed, cGreen, cBlue, cLast = 63 };

TEST(TSet, AlgebraFollowsPascalSets) {
  TSet<TColour> rg{cRed, cGreen};
  TSet<TColour> gb{cGreen, cBlue};
  EXPECT_EQ(rg + gb, (TSet<TColour>{cRed, cGreen, cBlue}));
  EXPECT_EQ(rg - gb, TSet<TColour>{cRed});
  EXPECT_EQ(rg * gb, TSet<TColour>{cGreen});
  EXPECT_TRUE(TSet<TColour>{cGreen} <= rg);
  EXPECT_FALSE(rg <= gb);
  EXPECT_TRUE(TSet<TColour>{cLast}.Contains(cLast));
  EXPECT_TRUE(TSet<TColour>{}.Empty());
}

TEST(TRect, IntersectAndUnionFollowDeviceContextRules) {
  TRect out;
  EXPECT_TRUE(IntersectRect(out, Rect(0, 0, 10, 10), Rect(5, 5, 20, 20)));
  EXPECT_EQ(out, Rect(5, 5, 10, 10));
  // Touching edges do not overlap: the right edge is excluded.
  EXPECT_FALSE(IntersectRect(out, Rect(0, 0, 10, 10), Rect(10, 0, 20, 10)));
  EXPECT_EQ(out, TRect{});
  EXPECT_TRUE(UnionRect(out, TRect{}, Rect(1, 2, 3, 4)));
  EXPECT_EQ(out, Rect(1, 2, 3, 4));
  EXPECT_FALSE(PtInRect(Rect(0, 0, 3, 3), Point(3, 0)));
  EXPECT_TRUE(PtInRect(Rect(0, 0, 3, 3), Point(2, 2)));
}

}  // namespace
