#include <gtest/gtest.h>

#include "grid/core/ExtGridScrollMath.h"
#include "toolkit/forms/Messages.h"

TEST(ExtentTotals, SumsRangesFromOneBuild) {
  TExtentTotals t;
  int calls = 0;
  t.Rebuild(5, [&](int i) { ++calls; return 10 * (i + 1); });
  EXPECT_EQ(calls, 5);
  EXPECT_EQ(t.Sum(0, 5), 150);
  EXPECT_EQ(t.Sum(1, 3), 50);
  EXPECT_EQ(t.Sum(3, 3), 0);
  EXPECT_EQ(t.Sum(4, 99), 50);  // clamped to what is known
  EXPECT_EQ(t.Sum(-3, 1), 10);
  EXPECT_EQ(calls, 5);
  t.Invalidate();
  EXPECT_FALSE(t.Valid());
}

TEST(ProportionalThumb, GuardsEmptyAndFullyVisibleContent) {
  EXPECT_FALSE(HorzProportionalThumb(20, 0, 0, 300, 0).Apply);      // no normal columns
  EXPECT_FALSE(HorzProportionalThumb(20, 200, 0, 300, 0).Apply);    // all visible (e >= 0.9999)
  EXPECT_FALSE(HorzProportionalThumb(0, 302, 0, 300, 0).Apply);     // less than 5 pixels hidden
  EXPECT_FALSE(VertProportionalThumb(25, 0, 0, 200).Apply);
  EXPECT_FALSE(VertProportionalThumb(25, 100, 0, 200).Apply);
}

TEST(ProportionalThumb, PageFollowsTheVisibleShareAndPosTheScrolledPart) {
  // Half the rows visible: Max = (0.5 + 127) / 0.5 = 255, Page = 129.
  TProportionalThumb t = VertProportionalThumb(0, 400, 0, 200);
  ASSERT_TRUE(t.Apply);
  EXPECT_EQ(t.Max, 255);
  EXPECT_EQ(t.Page, 129);
  EXPECT_EQ(t.Pos, 0);
  // Scrolled by 100 of the 200 that can scroll: Pos = 64.
  EXPECT_EQ(VertProportionalThumb(0, 400, 100, 200).Pos, 64);
  // Never past the last position, whatever the sums say.
  TProportionalThumb past = VertProportionalThumb(0, 400, 1000, 200);
  EXPECT_LE(past.Pos, past.Max - past.Page + 1);
  // A control taller than its fixed rows and smaller content still gives a page of at least 1.
  TProportionalThumb neg = HorzProportionalThumb(500, 400, 0, 300, 7);
  EXPECT_TRUE(neg.Apply);
  EXPECT_GE(neg.Page, 1);
}

TEST(ThumbPosToCell, MapsTheTrackOntoTheScrollableCells) {
  // 1 fixed and 100 normal rows, 10 visible.
  EXPECT_EQ(ThumbPosToCell(127, 101, 10, 1), 91);
  EXPECT_EQ(ThumbPosToCell(0, 101, 10, 1), 1);
  // Everything visible: the first normal cell, never a negative range.
  EXPECT_EQ(ThumbPosToCell(127, 5, 10, 1), 1);
}

TEST(FlatThumbToGridPos, GuardsAnEmptyGrid) {
  EXPECT_EQ(FlatThumbToGridPos(40, 0, 0), 40);
  EXPECT_EQ(FlatThumbToGridPos(40, 10, 10), 40);  // all visible: v = 128
  EXPECT_EQ(FlatThumbToGridPos(32, 5, 10), 64);   // half visible: 32 * 127 / 64
}

TEST(ScrollCellPosition, StepsStayWithinTheRange) {
  struct Case { int code, pos, trackPos, want; };
  const Case cases[] = {
      {SB_LINEUP, 5, 0, 0},      {SB_LINEUP, 50, 0, 40},      {SB_LINEDOWN, 195, 0, 200},
      {SB_PAGEUP, 50, 0, 0},     {SB_PAGEDOWN, 150, 0, 200},  {SB_PAGEDOWN, 20, 0, 120},
      {SB_THUMBTRACK, 0, 77, 77}, {SB_THUMBTRACK, 0, 999, 200}, {SB_ENDSCROLL, 33, 0, 33},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ScrollCellPosition(c.code, c.pos, 0, 200, c.trackPos), c.want) << c.code << " from " << c.pos;
}
