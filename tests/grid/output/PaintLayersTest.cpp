// The later layers of a cell's painting: the focus rectangle, the outline's
// tree lines, scroll-bar cells, the list-view header face and the frame of
// right fixed columns.

#include <gtest/gtest.h>

#include "grid/foundation/ExtXPVS.h"
#include "platform/theme/Theme.h"
#include "tests/grid/output/CellPaintFixture.h"
#include "toolkit/rtl/ScopeGuard.h"

namespace {

class PaintLayers : public GraphicPaint {
protected:
  // Client coordinates: the snapshot holds the grid's frame too.
  TColor Pixel(int x, int y) {
    const int frame = (grid->Width() - grid->ClientWidth()) / 2;
    return ColorToRGB(bmp.Canvas()->Pixels(x + frame, y + frame));
  }
  TRect Shot(TRect r) {
    const int frame = (grid->Width() - grid->ClientWidth()) / 2;
    OffsetRect(r, frame, frame);
    return r;
  }
  // Dark pixels per row of r, top to bottom.
  std::vector<int> InkRows(const TRect& r) {
    std::vector<int> rows;
    for (int y = r.Top; y < r.Bottom; ++y) rows.push_back(DarkPixels(bmp.Canvas(), TRect(r.Left, y, r.Right, y + 1)));
    return rows;
  }
};

// The dotted frame shows round the current cell of a focused grid, unless it
// is hidden or whole rows are selected.
TEST_F(PaintLayers, FocusRectangleFollowsHideFocusRectAndRowSelect) {
  struct Case {
    bool Hide, RowSelect, Shown;
  };
  const Case cases[] = {{false, false, true}, {true, false, false}, {false, true, false}, {true, true, false}};
  for (const Case& k : cases) {
    SCOPED_TRACE(::testing::Message() << "hide " << k.Hide << ", row select " << k.RowSelect);
    SetUp();
    TGridOptions o = grid->Options();
    if (k.RowSelect) o.Include(goRowSelect);
    grid->SetOptions(o);
    grid->SetHideFocusRect(k.Hide);
    Driver.Focus(grid);
    grid->MoveColRow(2, 3, true, true);
    Snap();
    const TRect cell = grid->CellRect(2, 3);
    int dots = 0;
    for (int x = cell.Left + 4; x < cell.Right - 4; ++x) dots += Pixel(x, cell.Top) == ColorToRGB(clBlack);
    if (k.Shown) EXPECT_GT(dots, 40);
    else EXPECT_EQ(dots, 0);
  }
}

// Child rows of a node show the vertical line down the outline and the
// branch to their text; the last child's line stops at its middle.
TEST_F(PaintLayers, TreeLinesOfAnOutline) {
  for (int r = 1; r < 12; ++r) grid->SetCells(1, r, "row " + std::to_string(r));
  grid->AddNode(1, 4);  // rows 2 to 4 are its children
  grid->CellNode()->SetTreeColor(clRed);
  grid->CellNode()->SetShowTreeFull(false);
  Snap();
  const int x = grid->CellNode()->NodeIndent() / 2 + 2;  // the branch of level 1
  auto red = [&](int px, int py) { return Pixel(px, py) == ColorToRGB(clRed); };
  // Red pixels down the column px inside the row's cell.
  auto down = [&](int px, int r) {
    const TRect cell = grid->CellRect(0, r);
    int n = 0;
    for (int y = cell.Top + 2; y < cell.Bottom - 2; ++y) n += red(px, y);
    return n;
  };
  for (int r : {2, 3, 4}) {
    SCOPED_TRACE(r);
    const TRect cell = grid->CellRect(0, r);
    EXPECT_TRUE(red(x, cell.Top + 2));
    EXPECT_EQ(down(x + 4, r), 1);                      // the branch ...
    EXPECT_EQ(down(grid->GetRowIndent(r) + 8, r), 0);  // ... ends before the text
    EXPECT_EQ(red(x, cell.Bottom - 3), r != 4);
  }
  EXPECT_FALSE(red(x, grid->CellRect(0, 6).Top + 10));
  grid->CellNode()->SetShowTreeFull(true);
  Snap();
  EXPECT_EQ(down(grid->CellRect(0, 3).Right - 3, 3), 1);
  grid->CellNode()->SetShowTree(false);
  Snap();
  EXPECT_FALSE(red(x, grid->CellRect(0, 3).Top + 2));
}

// A scroll-bar cell shows its bar only while there is more than a page; an
// auto-range cell's text moves up with the position, cut at the cell.
TEST_F(PaintLayers, ScrollBarCellsShowTheirBarAndScrollTheirText) {
  const TRect cell = grid->CellRect(2, 3);
  const TRect strip = Shot(TRect(cell.Right - 17, cell.Top, cell.Right, cell.Bottom));
  Snap();
  const int plain = Count(strip, clWindow);
  grid->AddScrollBar(2, 3, false);
  grid->SetScrollProp(2, 3, {30, 30});
  Snap();
  EXPECT_EQ(Count(strip, clWindow), plain);
  grid->SetScrollProp(2, 3, {30, 100});
  grid->RepaintCell(2, 3);
  Snap();
  EXPECT_GT(plain - Count(strip, clWindow), 200);

  grid->SetWordWrap(true);
  grid->SetCells(1, 5, "one\ntwo\nthree\nfour\nfive");
  grid->AddScrollBar(1, 5, true);
  const TRect text = grid->CellRect(1, 5);
  const TRect ink = Shot(TRect(text.Left, text.Top, text.Right - 17, text.Bottom));
  Snap();
  const std::vector<int> still = InkRows(ink);
  grid->SetScrollPosition(1, 5, 6);
  Snap();
  const std::vector<int> moved = InkRows(ink);
  for (size_t y = 0; y + 6 < still.size(); ++y) EXPECT_EQ(moved[y], still[y + 6]) << y;
  const TRect above = Shot(grid->CellRect(1, 4));
  EXPECT_EQ(DarkPixels(bmp.Canvas(), TRect(above.Left, above.Top, above.Right, above.Bottom - 1)), 0);
}

// The list-view look: plain raised faces without themes; with themes the
// header item, hot under the mouse.
TEST_F(PaintLayers, ListViewHeaderFace) {
  BindThemeLibrary();
  auto restore = MakeScopeGuard([] {
    ReleaseThemeLibrary();
    SetThemeActive(true);
  });
  grid->SetLook(glListView);
  const TRect head = grid->CellRect(2, 0);
  SetThemeActive(false);
  grid->Invalidate();
  Snap();
  EXPECT_EQ(Pixel(head.Left + 10, head.Top), ColorToRGB(clWhite));
  EXPECT_EQ(Pixel(head.Left + 10, head.Top + 10), ColorToRGB(clBtnFace));
  SetThemeActive(true);
  grid->Invalidate();
  Snap();
  EXPECT_EQ(Pixel(head.Left + 10, head.Top), ColorToRGB(clWhite));
  const TColor normal = Pixel(head.Left + 10, head.Top + 10);
  EXPECT_NE(normal, ColorToRGB(clBtnFace));
  Driver.MouseMove(grid, head.Left + 20, head.Top + 10);
  Snap();
  const TColor hot = Pixel(head.Left + 10, head.Top + 10);
  EXPECT_NE(hot, normal);
  EXPECT_EQ(Pixel(grid->CellRect(1, 0).Left + 10, head.Top + 10), normal);  // only the cell under the mouse
}

// A flat grid frames its right fixed columns in grey.
TEST_F(PaintLayers, RightFixedColumnsOfAFlatGridAreFramed) {
  grid->SetFixedRightCols(1);
  const TRect cell = grid->CellRect(3, 4);
  const TRect edge = Shot(TRect(cell.Left - 2, cell.Top + 5, cell.Left + 1, cell.Bottom - 5));
  Snap();
  const int plain = Count(edge, TColor(0x808080));
  grid->SetFlat(true);
  Snap();
  EXPECT_GT(Count(edge, TColor(0x808080)), plain);
}

TEST_F(PaintLayers, PictureOfTheLayers) {
  grid->SetLook(glListView);
  grid->SetFixedRightCols(1);
  for (int r = 1; r < 12; ++r) {
    grid->SetCells(1, r, "row " + std::to_string(r));
    grid->SetCells(3, r, std::to_string(r * 10));
  }
  grid->AddNode(1, 5);
  grid->AddNode(3, 2);
  grid->SetCells(2, 8, "first line\nsecond line\nthird line\nfourth line");
  grid->SetWordWrap(true);
  grid->AddScrollBar(2, 8, true);
  grid->SetScrollPosition(2, 8, 8);
  Driver.Focus(grid);
  grid->MoveColRow(2, 5, true, true);
  Driver.Screenshot(form, "grid_paint_layers.png");
}

}  // namespace
