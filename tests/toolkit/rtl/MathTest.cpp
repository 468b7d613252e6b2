#include "toolkit/rtl/Math.h"

#include <gtest/gtest.h>

#include <climits>

TEST(Math, RoundGoesToTheEvenNeighbourOnATie) {
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(3.5), 4);
  EXPECT_EQ(Round(-2.5), -2);
  EXPECT_EQ(Round(2.51), 3);
  EXPECT_EQ(Round(20 * 2.6458), 53);
  EXPECT_EQ(Trunc(-2.7), -2);
  EXPECT_DOUBLE_EQ(Frac(-2.75), -0.75);
  EXPECT_EQ(Ceil(1.1), 2);
  EXPECT_EQ(Floor(-1.1), -2);
}

TEST(Math, MulDivRoundsAndReportsFailure) {
  EXPECT_EQ(MulDiv(127, 90, 127), 90);
  EXPECT_EQ(MulDiv(0, 90, 127), 0);
  EXPECT_EQ(MulDiv(10, 1, 4), 3);    // 2.5 rounds away from zero
  EXPECT_EQ(MulDiv(-10, 1, 4), -3);
  EXPECT_EQ(MulDiv(10, -1, -4), 3);
  EXPECT_EQ(MulDiv(1, 2, 0), -1);
  EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, 1), -1);
  EXPECT_EQ(MulDiv(INT_MAX, 2, 2), INT_MAX);  // no overflow in the middle
}

TEST(Math, Ranges) {
  EXPECT_TRUE(InRange(5, 1, 5));
  EXPECT_FALSE(InRange(6, 1, 5));
  EXPECT_EQ(EnsureRange(9, 1, 5), 5);
  EXPECT_EQ(EnsureRange(-9, 1, 5), 1);
  EXPECT_EQ(Sign(-3.0), -1);
  EXPECT_TRUE(SameValue(0.1 + 0.2, 0.3));
  EXPECT_FALSE(SameValue(1.0, 1.001));
  EXPECT_TRUE(IsZero(1e-15));
}

#include "toolkit/rtl/Exceptions.h"

TEST(Exceptions, AbortAndAssert) {
  EXPECT_THROW(Abort(), EAbort);
  EXPECT_NO_THROW(Assert(true, "fine"));
  try {
    Assert(false, "broken rule");
    FAIL();
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(e.Message(), "broken rule");
  }
}
