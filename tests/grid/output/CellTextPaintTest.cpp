// What the default content of a cell shows, probed in its pixels: the filter
// button of the filter row, masked password cells of the column grid, rich
// text, and bitmaps keyed by their transparent colour.

#include <gtest/gtest.h>

#include "grid/core/ExtCGrid.h"
#include "grid/output/CellPaintFixture.h"
#include "toolkit/graphics/Picture.h"

namespace {

constexpr TColor kKey = static_cast<TColor>(0x00FF00);  // lime: the glyphs' transparent colour

// Size x Size in Back with an 8 x 8 square of Ink in the middle.
void Glyph(TBitmap& B, int Size, TColor Back, TColor Ink) {
  B.SetPixelFormat(pf24bit);
  B.SetSize(Size, Size);
  B.Canvas()->Brush()->SetColor(Back);
  B.Canvas()->FillRect(TRect(0, 0, Size, Size));
  B.Canvas()->Brush()->SetColor(Ink);
  const int at = (Size - 8) / 2;
  B.Canvas()->FillRect(TRect(at, at, at + 8, at + 8));
}

class FilterButton : public GraphicPaint {
protected:
  void SetUp() override {
    GraphicPaint::SetUp();
    for (int r = 1; r < 12; ++r) grid->SetCells(1, r, r % 2 ? "odd" : "even");
    grid->SetCells(1, 0, "Kind");
  }
  // The 16 x 16 square at the top right of the header cell of column c.
  TRect ButtonOf(int c) {
    const TRect cell = grid->CellRect(c, 0);
    const int g = grid->GridLineWidth();
    return TRect(cell.Right - g - 16, cell.Top + g, cell.Right - g, cell.Top + g + 16);
  }
};

TEST_F(FilterButton, TheFunnelShowsOnlyWhereTheColumnOffersValues) {
  Snap();
  const std::vector<TColor> plain = CellPixels(1, 0);
  grid->SetFilterDropDownAuto(true);
  const std::vector<TColor> funnel = CellPixels(1, 0);
  EXPECT_NE(funnel, plain);
  Snap();
  // The funnel lies in the button's square: left of it the header is as before.
  const TRect cell = grid->CellRect(1, 0);
  int changedOutside = 0, changedInside = 0;
  for (int y = cell.Top + 1; y < cell.Bottom - 2; ++y)
    for (int x = cell.Left + 1; x < cell.Right - 2; ++x) {
      const size_t i = size_t(y - cell.Top - 1) * size_t(cell.Width() - 3) + size_t(x - cell.Left - 1);
      const bool changed = funnel[i] != plain[i];
      (ButtonOf(1).Contains(TPoint{x, y}) ? changedInside : changedOutside) += changed;
    }
  EXPECT_GT(changedInside, 30);
  EXPECT_EQ(changedOutside, 0);
  // The fixed column offers no filter unless every column does.
  EXPECT_EQ(CellPixels(0, 0), [&] {
    grid->SetFilterDropDownAuto(false);
    return CellPixels(0, 0);
  }());
}

TEST_F(FilterButton, OwnGlyphsKeyOutTheirTransparentColourAndMarkAnActiveFilter) {
  TBitmap glyph, active;
  Glyph(glyph, 16, kKey, clRed);
  Glyph(active, 16, kKey, clBlue);
  grid->FilterDropDown()->SetGlyph(&glyph);
  grid->FilterDropDown()->SetGlyphActive(&active);
  grid->SetFilterDropDownAuto(true);
  Snap();
  EXPECT_EQ(Count(ButtonOf(1), clRed), 64);
  EXPECT_EQ(Count(ButtonOf(1), kKey), 0);
  EXPECT_EQ(Count(ButtonOf(1), clBlue), 0);
  grid->Filter()->Add()->SetColumn(1);
  grid->Invalidate();
  Snap();
  EXPECT_EQ(Count(ButtonOf(1), clBlue), 64);
  EXPECT_EQ(Count(ButtonOf(1), clRed), 0);
  EXPECT_EQ(Count(ButtonOf(2), clRed), 64);  // the other columns keep the plain glyph
}

class PasswordColumns : public GraphicPaint {
protected:
  TExtStringGrid* MakeGrid() override { return new TExtColumnGrid(form); }
  TExtColumnGrid* Columns() { return static_cast<TExtColumnGrid*>(grid); }
};

TEST_F(PasswordColumns, ThePasswordColumnShowsOneMaskCharacterPerCharacter) {
  Columns()->Columns()->Items(1)->SetPassword(true);
  for (int c : {1, 3}) Columns()->Columns()->Items(c)->SetHeader("Key");
  grid->SetCells(1, 2, "secret");
  grid->SetCells(2, 2, "******");
  grid->SetCells(3, 2, "secret");
  grid->SetCells(1, 3, "<b>bold</b> secret");  // markup hides nothing behind the mask
  grid->SetCells(2, 3, std::string(18, '*'));
  grid->SetCells(1, 4, "{\\rtf1\\ansi rich secret}");
  grid->SetCells(2, 4, std::string(24, '*'));
  EXPECT_EQ(CellPixels(1, 2), CellPixels(2, 2));
  EXPECT_NE(CellPixels(1, 2), CellPixels(3, 2));
  EXPECT_EQ(CellPixels(1, 3), CellPixels(2, 3));
  EXPECT_EQ(CellPixels(1, 4), CellPixels(2, 4));
  // The header names the column: it is not masked.
  EXPECT_EQ(CellPixels(1, 0), CellPixels(3, 0));
  grid->SetPasswordChar('#');
  grid->SetCells(2, 2, "######");
  EXPECT_EQ(CellPixels(1, 2), CellPixels(2, 2));
}

TEST_F(GraphicPaint, RichTextShowsItsOwnColoursAndTheSelectionColour) {
  const std::string red = "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}\\cf1 Red words}";
  grid->SetCells(1, 1, red);
  grid->SetCells(2, 2, red);
  grid->SetSelectionTextColor(clBlue);
  grid->SetSelection(TGridRect{2, 2, 3, 3});
  Snap();
  const TRect plain = grid->CellRect(1, 1), selected = grid->CellRect(2, 2);
  EXPECT_GT(Tinted(plain, clRed), 10);
  EXPECT_EQ(DarkPixels(bmp.Canvas(), plain), 0) << "no markup is drawn as text";
  EXPECT_GT(Tinted(selected, clBlue), 10);
  EXPECT_EQ(Tinted(selected, clRed), 0);
  grid->SetSelectionRTFKeep(true);
  grid->Invalidate();
  Snap();
  EXPECT_GT(Tinted(selected, clRed), 10);
}

TEST_F(GraphicPaint, TransparentBitmapsKeyOutTheirTransparentColour) {
  TBitmap logo;
  Glyph(logo, 20, static_cast<TColor>(0xFF00FF), clBlue);  // magenta around blue; bottom-left is magenta
  const TColor magenta = static_cast<TColor>(0xFF00FF);
  grid->AddBitmap(1, 1, &logo, true, haLeft, vaTop);
  grid->AddBitmap(1, 2, &logo, false, haLeft, vaTop);
  Snap();
  EXPECT_EQ(Count(grid->CellRect(1, 1), magenta), 0);
  EXPECT_EQ(Count(grid->CellRect(1, 1), clBlue), 64);
  EXPECT_EQ(Count(grid->CellRect(1, 2), magenta), 20 * 20 - 64);
  // A colour the user chose as the key is the one keyed out.
  TBitmap keyed;
  keyed.Assign(&logo);
  keyed.SetTransparentColor(clBlue);
  grid->AddBitmap(1, 3, &keyed, true, haLeft, vaTop);
  TPicture picture;
  picture.Assign(&logo);
  grid->AddPicture(1, 4, &picture, true, noStretch, 0, haLeft, vaTop);
  Snap();
  EXPECT_EQ(Count(grid->CellRect(1, 3), clBlue), 0);
  EXPECT_EQ(Count(grid->CellRect(1, 3), magenta), 20 * 20 - 64);
  EXPECT_EQ(Count(grid->CellRect(1, 4), magenta), 0) << "a transparent picture keys out its bitmap's colour";
  EXPECT_EQ(Count(grid->CellRect(1, 4), clBlue), 64);
}

}  // namespace
