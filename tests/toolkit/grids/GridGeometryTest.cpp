// CellRect and MouseToCell round trips, visible counts, scrolling limits and
// the 0..127 scroll-bar scale. The grid's client is 200 x 100: columns start
// at 0, 65, 130, 195 (partial); rows at 0, 25, 50, 75.

#include "GridFixture.h"

namespace {

struct RectCase {
  int Left, Top;  // LeftCol, TopRow before asking
  int Col, Row;
  TRect Expected;
};

class CellRectTest : public GridTest, public ::testing::WithParamInterface<RectCase> {};

TEST_P(CellRectTest, IsUnclippedForPartialCellsAndEmptyOutOfView) {
  const RectCase& c = GetParam();
  grid->SetLeftCol(c.Left);
  grid->SetTopRow(c.Top);
  EXPECT_EQ(grid->CellRect(c.Col, c.Row), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Geometry, CellRectTest,
    ::testing::Values(RectCase{1, 1, 0, 0, {0, 0, 64, 24}}, RectCase{1, 1, 1, 1, {65, 25, 129, 49}},
                      RectCase{1, 1, 3, 3, {195, 75, 259, 99}},  // partial column, last full row
                      RectCase{1, 1, 4, 1, {}},                  // starts past the client
                      RectCase{1, 1, 1, 4, {}}, RectCase{1, 1, 5, 1, {}}, RectCase{1, 1, -1, 0, {}},
                      RectCase{3, 2, 1, 2, {}},                  // scrolled out on the left
                      RectCase{3, 2, 3, 2, {65, 25, 129, 49}},   // first scrolled cell
                      RectCase{3, 2, 0, 2, {0, 25, 64, 49}},     // fixed column stays
                      RectCase{3, 2, 4, 0, {130, 0, 194, 24}}));  // fixed row over scrolled column

struct PointCase {
  int Left, Top;
  int X, Y;
  int Col, Row;
};

class MouseToCellTest : public GridTest, public ::testing::WithParamInterface<PointCase> {};

TEST_P(MouseToCellTest, CountsLinesWithTheirCellAndScrolledCellsFromTopLeft) {
  const PointCase& c = GetParam();
  grid->SetLeftCol(c.Left);
  grid->SetTopRow(c.Top);
  int col = -2, row = -2;
  grid->MouseToCell(c.X, c.Y, col, row);
  EXPECT_EQ(col, c.Col);
  EXPECT_EQ(row, c.Row);
  // A point inside a cell found goes back into the cell's rectangle or its line.
  if (col >= 0 && row >= 0) {
    TRect r = grid->CellRect(col, row);
    EXPECT_GE(c.X, r.Left);
    EXPECT_LE(c.X, r.Right);
    EXPECT_GE(c.Y, r.Top);
    EXPECT_LE(c.Y, r.Bottom);
  }
}

INSTANTIATE_TEST_SUITE_P(Geometry, MouseToCellTest,
                         ::testing::Values(PointCase{1, 1, 0, 0, 0, 0}, PointCase{1, 1, 63, 23, 0, 0},
                                           PointCase{1, 1, 64, 24, 0, 0},   // the line pixels
                                           PointCase{1, 1, 65, 25, 1, 1}, PointCase{1, 1, 199, 99, 3, 3},  // partial
                                           PointCase{1, 1, 200, 50, -1, 2}, PointCase{1, 1, 50, 100, 0, -1},
                                           PointCase{1, 1, -1, -1, -1, -1}, PointCase{2, 3, 70, 30, 2, 3},
                                           PointCase{2, 3, 10, 30, 0, 3}, PointCase{2, 3, 140, 60, 3, 4},
                                           PointCase{2, 3, 140, 80, 3, -1}));  // past the last row

TEST_F(GridTest, VisibleCountsAreFullyVisibleNormalLines) {
  EXPECT_EQ(grid->VisibleColCount(), 2);
  EXPECT_EQ(grid->VisibleRowCount(), 3);
  grid->SetBounds(10, 10, 60, 20);
  EXPECT_EQ(grid->VisibleColCount(), 0);
  EXPECT_EQ(grid->VisibleRowCount(), 0);
}

TEST_F(GridTest, TopRowWritesClampWithoutRaising) {
  grid->SetRowCount(20);
  grid->SetTopRow(100);
  EXPECT_EQ(grid->TopRow(), 19);
  grid->SetTopRow(-4);
  EXPECT_EQ(grid->TopRow(), 1);
  grid->SetLeftCol(99);
  EXPECT_EQ(grid->LeftCol(), 4);
  EXPECT_EQ(grid->TopLeftChanges, 3);
}

TEST_F(GridTest, MaxTopLeftFillsTheClient) {
  grid->SetRowCount(20);
  grid->SetColCount(10);
  // Three rows (75 px) fit below the fixed row; two full columns beside the fixed one.
  EXPECT_EQ(grid->CalcMaxTopLeft().Y, 17);
  EXPECT_EQ(grid->CalcMaxTopLeft().X, 8);
}

TEST_F(GridTest, ScrollBarsUseTheScaleTo127) {
  grid->SetScrollBars(ssBoth);
  grid->SetRowCount(101);
  Driver.Pump();
  ASSERT_TRUE(grid->Style() & WS_VSCROLL);
  int maxTop = grid->CalcMaxTopLeft().Y;
  grid->SetTopRow(maxTop);
  EXPECT_EQ(GetScrollPos(grid->Handle(), SB_VERT), 127);
  int mid = 1 + (maxTop - 1) / 2;
  grid->SetTopRow(mid);
  EXPECT_EQ(GetScrollPos(grid->Handle(), SB_VERT), (mid - 1) * 127 / (maxTop - 1));
  // The thumb maps back onto the rows; tracking only with goThumbTracking.
  grid->Perform(WM_VSCROLL, MakeWParam(SB_THUMBTRACK, 0));
  EXPECT_EQ(grid->TopRow(), mid);
  grid->Perform(WM_VSCROLL, MakeWParam(SB_THUMBPOSITION, 0));
  EXPECT_EQ(grid->TopRow(), 1);
  grid->SetOptions(grid->Options() + TGridOptions{goThumbTracking});
  grid->Perform(WM_VSCROLL, MakeWParam(SB_THUMBTRACK, 127));
  EXPECT_EQ(grid->TopRow(), maxTop);
  grid->Perform(WM_VSCROLL, MakeWParam(SB_LINEDOWN, 0));
  EXPECT_EQ(grid->TopRow(), maxTop);
  grid->Perform(WM_VSCROLL, MakeWParam(SB_PAGEUP, 0));
  EXPECT_EQ(grid->TopRow(), maxTop - grid->VisibleRowCount());
}

TEST_F(GridTest, ScrollBarsShowOnlyWhenTheGridCanScroll) {
  grid->SetRowCount(4);  // rows 1..3 and columns 1..2 fit the client
  grid->SetColCount(3);
  grid->SetScrollBars(ssBoth);
  Driver.Pump();
  EXPECT_FALSE(grid->Style() & WS_VSCROLL);
  grid->SetRowCount(30);
  EXPECT_TRUE(grid->Style() & WS_VSCROLL);
  grid->SetScrollBars(ssHorizontal);
  EXPECT_FALSE(grid->Style() & WS_VSCROLL);
}

}  // namespace
