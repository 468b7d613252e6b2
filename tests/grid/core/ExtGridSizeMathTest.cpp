#include <gtest/gtest.h>

#include <numeric>

#include "grid/core/ExtGridSizeMath.h"

TEST(StretchedColumnWidth, FillsTheClientWidth) {
  // Three columns of 64 in 300 pixels: the last becomes 300 - 128 - 1.
  EXPECT_EQ(StretchedColumnWidth(3, 128, 300, true, 64), 171);
  EXPECT_EQ(StretchedColumnWidth(3, 148, 300, true, 64), 151);
  // One column fills exactly.
  EXPECT_EQ(StretchedColumnWidth(1, 0, 300, true, 64), 300);
  // Too wide already: the default width when scrolled fully left, else unchanged.
  EXPECT_EQ(StretchedColumnWidth(3, 400, 300, true, 64), 64);
  EXPECT_EQ(StretchedColumnWidth(3, 400, 300, false, 64), std::nullopt);
  EXPECT_EQ(StretchedColumnWidth(0, 0, 300, true, 64), std::nullopt);
}

TEST(FitWidths, FillsTheSpaceExactly) {
  std::vector<int> w{50, 100, 50};
  FitWidths(w, 400, 3);
  EXPECT_EQ(std::accumulate(w.begin(), w.end(), 0), 400);
  EXPECT_GT(w[1], w[0]);
}

TEST(FitWidths, LeavesExactAndEmptyRangesAlone) {
  std::vector<int> exact{100, 200};
  FitWidths(exact, 300, 2);
  EXPECT_EQ(exact, (std::vector<int>{100, 200}));
  std::vector<int> zero{0, 0};
  FitWidths(zero, 300, 2);  // nothing to scale by: no division by zero
  EXPECT_EQ(zero, (std::vector<int>{0, 0}));
  std::vector<int> none;
  FitWidths(none, 300, 0);
  EXPECT_TRUE(none.empty());
}

TEST(FitWidths, RoundingRestGoesToTheFirstWidestColumn) {
  std::vector<int> w{10, 30, 30};
  FitWidths(w, 100, 0);
  EXPECT_EQ(std::accumulate(w.begin(), w.end(), 0), 100);
  EXPECT_GE(w[1], w[2]);
}

TEST(ScaleSizesLike, ScalesTheOthersByTheResizedShare) {
  // Column 2 resized from 100 to 150: the other normal columns grow by 1.5.
  std::vector<int> w{20, 40, 150, 31};
  ScaleSizesLike(w, 1, 2, 100);
  EXPECT_EQ(w, (std::vector<int>{20, 60, 150, 46}));  // 46.5 goes to the even neighbour
  std::vector<int> same{20, 40};
  ScaleSizesLike(same, 0, 1, 0);  // no old size: nothing
  ScaleSizesLike(same, 0, 5, 10);  // no such column: nothing
  EXPECT_EQ(same, (std::vector<int>{20, 40}));
}
