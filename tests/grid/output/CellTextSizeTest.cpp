// The size of a cell's text as drawn, and auto-sizing through it.

#include "grid/core/GridCoreFixture.h"
#include "toolkit/graphics/Canvas.h"

namespace {

class CellTextSize : public ExtGridTest {
protected:
  void SetUp() override {
    ExtGridTest::SetUp();
    grid->SetColCount(4);
    grid->SetRowCount(4);
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
  }
  TPoint Size(const std::string& Text, bool WrapToCell = false, bool ButtonRoom = false) {
    grid->SetCells(1, 1, Text);
    TPoint size;
    grid->GetCellTextSize(1, 1, WrapToCell, ButtonRoom, size);
    return size;
  }
  int Width(const std::string& Text) {
    grid->Canvas()->Font()->Assign(grid->Font());
    return grid->Canvas()->TextWidth(Text);
  }
  int LineHeight() {
    grid->Canvas()->Font()->Assign(grid->Font());
    return grid->Canvas()->TextHeight("gh");
  }
};

// Lines break at CR and LF only with Multilinecells; otherwise the text is one line.
TEST_F(CellTextSize, LinesBreakOnlyWithMultilinecells) {
  grid->SetMultilinecells(true);
  EXPECT_EQ(Size("a\r\nbb"), (TPoint{Width("bb"), 2 * LineHeight()}));
  EXPECT_EQ(Size("ccc\nd\re"), (TPoint{Width("ccc"), 3 * LineHeight()}));
  grid->SetMultilinecells(false);
  EXPECT_EQ(Size("a\r\nbb"), (TPoint{Width("a\r\nbb"), LineHeight()}));
  EXPECT_EQ(Size(""), (TPoint{0, LineHeight()}));
}

// HTML is measured as the engine lays it out, not as its markup.
TEST_F(CellTextSize, HTMLIsMeasuredByTheEngine) {
  grid->SetEnableHTML(true);
  const TPoint plain = Size("abc");
  const TPoint html = Size("<B></B>abc");
  EXPECT_LT(html.X, Width("<B></B>abc"));
  EXPECT_NEAR(html.X, plain.X, 3);
  EXPECT_GT(Size("a<BR>b").Y, html.Y);
}

// Wrapped to the cell, a long text grows downwards; room for a button makes
// the cell narrower still.
TEST_F(CellTextSize, WrappingFollowsTheCellWidth) {
  grid->SetColWidths(1, 60);
  const std::string text = "one two three four five six";
  const TPoint wrapped = Size(text, true);
  EXPECT_GT(wrapped.Y, LineHeight());
  EXPECT_LE(wrapped.X, 60);
  EXPECT_GE(Size(text, true, true).Y, wrapped.Y);
}

// Auto-sizing uses the same measurement: a multi-line cell sets the width of
// its widest line.
TEST_F(CellTextSize, AutoSizingUsesTheMeasurement) {
  grid->SetMultilinecells(true);
  grid->SetCells(2, 2, "x\r\nwide line");
  grid->AutoSizeCol(2, 0);
  const int margins = grid->ColWidths(2) - Width("wide line");
  grid->SetMultilinecells(false);
  grid->AutoSizeCol(2, 0);
  EXPECT_EQ(grid->ColWidths(2) - margins, Width("x\r\nwide line"));
}

}  // namespace
