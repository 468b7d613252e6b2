// What a cell shows for rows, columns and cells picked apart, for disabled
// rows, for HTML text that names pictures and images, for object cells that
// draw under their text, and for a hovered fixed cell of a hover row.

#include <gtest/gtest.h>

#include "grid/foundation/ExtUtil.h"
#include "grid/foundation/PictureContainer.h"
#include "toolkit/graphics/codecs/PngCodec.h"
#include "tests/grid/output/CellPaintFixture.h"
#include "toolkit/graphics/ImgList.h"

namespace {

class CellPaintSteps : public GraphicPaint {
protected:
  // The colour in the middle of an empty cell (no text, no graphic).
  TColor Middle(int c, int r) {
    const TRect cell = grid->CellRect(c, r);
    return ColorToRGB(bmp.Canvas()->Pixels((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
  }
  TColor Selection() const { return ColorToRGB(grid->SelectionColor()); }
};

TEST_F(CellPaintSteps, PickedRowsShowTheSelectionAndOthersTheirOwnColour) {
  grid->MouseActions()->SetDisjunctRowSelect(true);
  grid->SetRow(3);
  grid->SetRowSelect(3, true);
  grid->SetRowSelect(5, true);
  Driver.Pump();
  Snap();
  Driver.Screenshot(form, "grid_picked_rows.png");
  // The current row shows the selection colour itself; other picked rows a
  // lighter face, so the cursor stays visible among them.
  EXPECT_EQ(Middle(2, 3), Selection());
  EXPECT_EQ(Middle(2, 5), ColorToRGB(ChangeColorPercent(grid->SelectionColor(), 7)));
  EXPECT_EQ(Middle(2, 4), ColorToRGB(clWindow));
  EXPECT_EQ(Middle(2, 1), ColorToRGB(clWindow));

  // The current row, once it is no longer picked, shows no selection.
  grid->SetRowSelect(3, false);
  Driver.Pump();
  Snap();
  EXPECT_EQ(Middle(2, 3), ColorToRGB(clWindow));
}

TEST_F(CellPaintSteps, PickedColumnsAndCellsShowTheSelection) {
  grid->MouseActions()->SetDisjunctColSelect(true);
  grid->SetColSelect(2, true);
  Driver.Pump();
  Snap();
  EXPECT_EQ(Middle(2, 6), Selection());
  EXPECT_EQ(Middle(3, 6), ColorToRGB(clWindow));
  // The cursor's column is not picked: its cells show no selection.
  EXPECT_EQ(Middle(grid->Col(), 6), ColorToRGB(clWindow));

  grid->MouseActions()->SetDisjunctColSelect(false);
  grid->MouseActions()->SetDisjunctCellSelect(true);
  grid->SetSelectedCells(3, 4, true);
  grid->SetSelectedCells(2, 7, true);
  Driver.Pump();
  Snap();
  EXPECT_EQ(Middle(3, 4), Selection());
  EXPECT_EQ(Middle(2, 7), Selection());
  EXPECT_EQ(Middle(2, 6), ColorToRGB(clWindow));
}

TEST_F(CellPaintSteps, DisabledRowsDrawTheirTextInTheDisabledColour) {
  grid->Font()->SetColor(clBlack);
  grid->SetDisabledFontColor(RGB(255, 0, 0));
  grid->SetCells(1, 3, "WWWW");
  grid->SetCells(1, 4, "WWWW");
  grid->SetRowEnabled(4, false);
  Driver.Pump();
  Snap();
  EXPECT_TRUE(grid->UseEnabledRows());
  EXPECT_EQ(Tinted(grid->CellRect(1, 3), RGB(255, 0, 0)), 0);
  EXPECT_GT(Tinted(grid->CellRect(1, 4), RGB(255, 0, 0)), 20);
  grid->UseDisabledFont = false;
  grid->Invalidate();
  Driver.Pump();
  Snap();
  EXPECT_EQ(Tinted(grid->CellRect(1, 4), RGB(255, 0, 0)), 0);
}

// A solid 12 x 12 PNG of one colour.
std::vector<uint8_t> SolidPng(uint32_t ARGB) { return EncodePng(TPixelImage(12, 12, ARGB)); }

TEST_F(CellPaintSteps, HTMLCellsShowPicturesOfTheContainerAndImagesOfTheList) {
  TPictureContainer pictures(nullptr);
  TPictureItem* item = pictures.Items()->Add();
  item->SetName("dot");
  item->Picture()->LoadFromBytes(SolidPng(0xFF00FF00u));
  TImageList images(nullptr, 12, 12);
  TBitmap glyph(12, 12);
  glyph.Canvas()->Brush()->SetColor(RGB(255, 0, 0));
  glyph.Canvas()->FillRect(TRect(0, 0, 12, 12));
  images.Add(&glyph);
  grid->SetPictureContainer(&pictures);
  grid->SetGridImages(&images);
  grid->SetCells(1, 2, "<IMG src=\"dot\">");
  grid->SetCells(2, 2, "<IMG src=\"idx:0\">");
  Driver.Pump();
  Snap();
  EXPECT_GT(Count(grid->CellRect(1, 2), RGB(0, 255, 0)), 100);
  EXPECT_GT(Count(grid->CellRect(2, 2), RGB(255, 0, 0)), 100);

  // Measuring sees the picture as painting does.
  TPoint size;
  grid->GetCellTextSize(1, 2, false, false, size);
  EXPECT_EQ(size.X, 12 + 2);
  EXPECT_EQ(size.Y, 12 + 2);
}

TEST_F(CellPaintSteps, GridForgetsAPictureContainerAndImageListThatGo) {
  auto* pictures = new TPictureContainer(form);
  auto* images = new TImageList(form, 12, 12);
  grid->SetPictureContainer(pictures);
  grid->SetGridImages(images);
  delete pictures;
  delete images;
  EXPECT_EQ(grid->PictureContainer(), nullptr);
  EXPECT_EQ(grid->GridImages(), nullptr);
  grid->SetCells(1, 2, "<IMG src=\"dot\"><IMG src=\"idx:0\">");
  Driver.Pump();
  Snap();
}

TEST_F(CellPaintSteps, EnhTextSizeCutsHTMLTextInsteadOfWrappingIt) {
  grid->SetCells(1, 2, "<b>one two three four five six seven eight nine ten</b>");
  Driver.Pump();
  Snap();
  const TRect cell = grid->CellRect(1, 2);
  const TRect second(cell.Left, cell.Top + 18, cell.Right, cell.Bottom);
  EXPECT_GT(DarkPixels(bmp.Canvas(), second), 0);  // wrapped onto a second line
  grid->SetEnhTextSize(true);
  grid->Invalidate();
  Driver.Pump();
  Snap();
  EXPECT_EQ(DarkPixels(bmp.Canvas(), second), 0);
  EXPECT_GT(DarkPixels(bmp.Canvas(), cell), 0);
}

// An object cell filling its room with one colour; it may ask to go under
// the text.
class TSwatch : public TInterfacedPersistent, public IInterfacedCell {
public:
  explicit TSwatch(bool Before) : before_(Before) {}
  void Draw(TCanvas* Canvas, const TRect& R, int, int, bool, TObject*) override {
    Canvas->Brush()->SetColor(RGB(0, 0, 255));
    Canvas->FillRect(R);
  }
  int Width() override { return 150; }
  int Height() override { return 30; }
  bool DrawBeforeText() override { return before_; }

private:
  bool before_;
};

TEST_F(CellPaintSteps, ObjectCellsDrawUnderTheTextWhenTheyAsk) {
  grid->Font()->SetColor(clBlack);
  grid->SetCells(1, 2, "WWWW");
  grid->SetCells(2, 2, "WWWW");
  TSwatch under(true), over(false);
  grid->AddInterfacedCell(1, 2, &under);
  grid->AddInterfacedCell(2, 2, &over);
  Driver.Pump();
  Snap();
  Driver.Screenshot(form, "grid_object_cells.png");
  EXPECT_GT(DarkPixels(bmp.Canvas(), grid->CellRect(1, 2)), 20);
  EXPECT_EQ(DarkPixels(bmp.Canvas(), grid->CellRect(2, 2)), 0);
  EXPECT_GT(Count(grid->CellRect(1, 2), RGB(0, 0, 255)), 1000);
  EXPECT_GT(Count(grid->CellRect(2, 2), RGB(0, 0, 255)), 1000);
}

}  // namespace

namespace {

TEST_F(CellPaintSteps, AHoverRowThatTakesInFixedCellsColoursThemToo) {
  grid->SetHoverRow(true);
  grid->SetHoverRowColor(RGB(255, 0, 0));
  for (const bool withFixed : {false, true}) {
    THoverRowCells cells{hcNormal, hcSelected};
    if (withFixed) cells.Include(hcFixed);
    grid->SetHoverRowCells(cells);
    Driver.MouseMove(grid, 200, 3 * 30 + 10);
    grid->Invalidate();
    Driver.Pump();
    Snap();
    EXPECT_EQ(Middle(2, 3), ColorToRGB(RGB(255, 0, 0))) << withFixed;
    EXPECT_EQ(Middle(0, 3) == ColorToRGB(RGB(255, 0, 0)), withFixed) << withFixed;
    if (withFixed) Driver.Screenshot(form, "grid_hover_row_fixed.png");
  }
}

}  // namespace

namespace {

// The left-most x of red text ink in a cell; -1 when none.
int RedInkLeft(TBitmap& Bmp, const TRect& Cell) {
  for (int x = Cell.Left; x < Cell.Right; ++x)
    for (int y = Cell.Top; y < Cell.Bottom; ++y) {
      const TColor c = ColorToRGB(Bmp.Canvas()->Pixels(x, y));
      if ((c & 0xFF) > 0xA0 && ((c >> 8) & 0xFF) < 0x60 && ((c >> 16) & 0xFF) < 0x60) return x;
    }
  return -1;
}

TEST_F(CellPaintSteps, OutlineTextClearsTheNodeGlyphAndTheTreeLines) {
  grid->FixedFont()->SetColor(RGB(255, 0, 0));
  for (int r = 1; r < 12; ++r) grid->SetCells(0, r, "WW");
  Snap();
  const int plain = RedInkLeft(bmp, grid->CellRect(0, 2));
  grid->AddNode(1, 4);
  Driver.Pump();
  Snap();
  Driver.Screenshot(form, "grid_outline_text.png");
  // The node row's text starts after its glyph; a child's at its indent.
  EXPECT_GE(RedInkLeft(bmp, grid->CellRect(0, 1)), plain + 16);
  EXPECT_GE(RedInkLeft(bmp, grid->CellRect(0, 2)), plain + grid->CellNode()->NodeIndent());
  EXPECT_EQ(RedInkLeft(bmp, grid->CellRect(0, 8)), plain);
}

}  // namespace
