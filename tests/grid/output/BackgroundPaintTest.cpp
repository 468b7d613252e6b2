// The background picture or gradient behind the cells and in the empty area
// after the last column and row, probed pixel by pixel.

#include <gtest/gtest.h>

#include "grid/core/ExtGrid.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/testing/TestDriver.h"

namespace {

constexpr TColor kInk = static_cast<TColor>(0x2040C0);

class BackgroundPaint : public FormsTest {
protected:
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(10, 10, 500, 400);
    form->Show();
    grid = new TExtStringGrid(form);
    grid->SetParent(form);
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
    grid->SetBounds(0, 0, 400, 300);
    grid->SetColCount(4);
    grid->SetRowCount(20);
    for (int c = 0; c < 4; ++c) grid->SetColWidths(c, 64);
    for (int r = 0; r < 20; ++r) grid->SetRowHeights(r, 24);
    Driver.Pump();
  }
  void Snap() {
    bmp.SetSize(grid->Width(), grid->Height());
    grid->PaintTo(bmp.Canvas(), 0, 0);
  }
  TColor Pixel(int x, int y) { return ColorToRGB(bmp.Canvas()->Pixels(x, y)); }
  // A bitmap of w x h in one colour, or in two for a pattern that shows where it starts.
  void Picture(int w, int h, bool Pattern) {
    TBitmap b;
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        b.Canvas()->SetPixels(x, y, !Pattern || (x * 7 + y * 3) % 5 ? kInk : clYellow);
    grid->BackGround()->SetBitmap(&b);
  }
  // The pixels of a cell's inside, away from its text and lines.
  std::vector<TColor> CellPixels(int c, int r) {
    const TRect cell = grid->CellRect(c, r);
    std::vector<TColor> v;
    for (int y = cell.Top + 14; y < cell.Bottom - 2; ++y)
      for (int x = cell.Left + 30; x < cell.Right - 2; ++x) v.push_back(Pixel(x, y));
    return v;
  }
  TForm* form = nullptr;
  TExtStringGrid* grid = nullptr;
  TBitmap bmp;
};

TEST_F(BackgroundPaint, DefaultsDrawNothing) {
  EXPECT_EQ(grid->BackGround()->Display(), bdTile);
  EXPECT_EQ(grid->BackGround()->ColorTo(), clBtnFace);
  Snap();
  EXPECT_EQ(Pixel(380, 100), ColorToRGB(grid->Color()));  // the empty area right of the last column
  EXPECT_EQ(Pixel(150, 100), ColorToRGB(grid->Color()));  // a normal cell
}

TEST_F(BackgroundPaint, FixedPictureShowsOnlyWhereCellsOverlapIt) {
  grid->BackGround()->SetDisplay(bdFixed);
  grid->BackGround()->SetLeft(100);
  grid->BackGround()->SetTop(50);
  Picture(40, 30, false);
  Snap();
  EXPECT_EQ(Pixel(120, 62), ColorToRGB(kInk));   // inside the picture, in cell (1, 2)
  EXPECT_NE(Pixel(95, 62), ColorToRGB(kInk));    // left of it
  EXPECT_NE(Pixel(150, 62), ColorToRGB(kInk));   // right of it
  EXPECT_NE(Pixel(20, 62), ColorToRGB(kInk));    // fixed column: normal cells only
}

TEST_F(BackgroundPaint, TilesStayWithTheCellsWhenScrolling) {
  grid->SetBounds(0, 0, 260, 200);
  Picture(13, 11, true);
  Driver.Pump();
  Snap();
  const std::vector<TColor> before = CellPixels(2, 4);
  EXPECT_NE(std::count(before.begin(), before.end(), ColorToRGB(kInk)), 0);
  grid->SetTopRow(3);
  Driver.Pump();
  Snap();
  EXPECT_EQ(CellPixels(2, 4), before);
}

TEST_F(BackgroundPaint, HorizontalGradientRunsAcrossTheGrid) {
  grid->BackGround()->SetDisplay(bdGradientHorz);
  grid->BackGround()->SetColor(clWhite);
  grid->BackGround()->SetColorTo(static_cast<TColor>(0x000080));
  grid->BackGround()->SetCells(bcAll);
  grid->SetColWidths(3, 140);
  Snap();
  const TColor left = Pixel(40, 100), right = Pixel(grid->CellRect(3, 4).Right - 4, 100);
  EXPECT_GT(left & 0xFF, 0xE0u);
  EXPECT_GT((left >> 8) & 0xFF, 0xE0u);
  EXPECT_LT((right >> 8) & 0xFF, 0x40u);    // close to $000080: little green
  EXPECT_GT(right & 0xFF, 0x70u);
  const TColor empty = Pixel(390, 100);      // the empty area continues the gradient
  EXPECT_LT((empty >> 8) & 0xFF, 0x20u);
}

TEST_F(BackgroundPaint, OwnCellColourHidesThePicture) {
  grid->BackGround()->SetDisplay(bdFixed);
  Picture(400, 300, false);
  grid->SetColors(1, 2, clLime);
  Snap();
  EXPECT_EQ(Pixel(100, 62), ColorToRGB(clLime));
  EXPECT_EQ(Pixel(170, 62), ColorToRGB(kInk));
}

}  // namespace
