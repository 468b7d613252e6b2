// The string grid's painting: the colour decision per cell state, check
// boxes in Y/N columns, text placement with fixed metrics, and a picture of
// a configurator-like table to look at.

#include <gtest/gtest.h>

#include "grid/core/ExtCGrid.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/testing/TestDriver.h"
#include "grid/PixelProbes.h"

namespace {

class GridPaint : public FormsTest {
protected:
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(10, 10, 600, 400);
    form->Show();
    grid = new TExtColumnGrid(form);
    grid->SetParent(form);
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
    grid->SetBounds(10, 10, 400, 240);
    Driver.Pump();
  }
  void Columns(int n) {
    for (int i = 0; i < n; ++i) grid->Columns()->Add();
    grid->SetColCount(n);
    grid->SetRowCount(6);
    for (int c = 0; c < n; ++c) grid->SetColWidths(c, 64);
    for (int r = 0; r < 6; ++r) grid->SetRowHeights(r, 24);
  }
  // The colour decision of a cell, as the paint frame asks for it.
  struct TDecision {
    TColor Brush, ColorTo, Font;
    TGridDrawState State;
  };
  TDecision Decide(int c, int r, TGridDrawState state = {}) {
    TBrush brush;
    TFont font;
    TColor to = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = true;
    TCellGradientDirection gd = GradientVertical;
    grid->GetVisualProperties(c, r, state, false, true, true, &brush, to, mirror, mirrorTo, &font, ha, va, ww, gd);
    return {brush.Color(), to, font.Color(), state};
  }
  void Snap() {
    bmp.SetSize(grid->Width(), grid->Height());
    grid->PaintTo(bmp.Canvas(), 0, 0);
  }
  TColor Pixel(int x, int y) { return ColorToRGB(bmp.Canvas()->Pixels(x, y)); }
  int Ink(const TRect& r) { return DarkPixels(bmp.Canvas(), r); }
  // Left-most and right-most column holding dark pixels inside r; -1 when none.
  std::pair<int, int> InkSpan(const TRect& r) {
    int lo = -1, hi = -1;
    for (int x = r.Left; x < r.Right; ++x)
      if (Ink(TRect(x, r.Top, x + 1, r.Bottom)) > 0) {
        if (lo < 0) lo = x;
        hi = x;
      }
    return {lo, hi};
  }
  TForm* form = nullptr;
  TExtColumnGrid* grid = nullptr;
  TBitmap bmp;
};

struct TColourCase {
  const char* What;
  std::function<void(TExtColumnGrid*)> Setup;
  int Col, Row;
  TGridDrawState State;
  TColor Brush;
  bool Fixed;
};

TEST_F(GridPaint, ColourDecisionPerState) {
  Columns(4);
  const TColor cellColour = RGB(200, 220, 240);
  const std::vector<TColourCase> cases = {
      {"normal", [](TExtColumnGrid*) {}, 2, 2, {}, clWindow, false},
      {"fixed row, glXP face", [](TExtColumnGrid*) {}, 2, 0, {}, RGB(255, 255, 255), true},
      {"fixed column, classic look", [](TExtColumnGrid* g) { g->SetLook(glClassic); }, 0, 2, {}, clBtnFace, true},
      {"selected", [](TExtColumnGrid*) {}, 2, 2, {gdSelected}, TColor(0xEACAB6), false},
      {"banded primary",
       [](TExtColumnGrid* g) {
         g->Columns()->Items(2)->SetShowBands(true);
         g->Bands()->SetActive(true);
         g->Bands()->SetPrimaryColor(clYellow);
       },
       2, 1, {}, clYellow, false},
      {"banded secondary",
       [](TExtColumnGrid* g) {
         g->Columns()->Items(2)->SetShowBands(true);
         g->Bands()->SetActive(true);
         g->Bands()->SetSecondaryColor(clAqua);
       },
       2, 2, {}, clAqua, false},
      {"cell colour survives bands",
       [cellColour](TExtColumnGrid* g) {
         g->Bands()->SetActive(true);
         g->GetCellProperties(2, 1)->SetBrushColor(cellColour);
       },
       2, 1, {}, cellColour, false},
      {"explicitly coloured fixed cell", [cellColour](TExtColumnGrid* g) { g->GetCellProperties(2, 0)->SetBrushColor(cellColour); },
       2, 0, {}, cellColour, false},
      {"mixer 50 over a coloured cell",
       [](TExtColumnGrid* g) {
         g->SetSelectionColorMixer(true);
         g->SetSelectionColor(RGB(0, 0, 0));
         g->GetCellProperties(2, 2)->SetBrushColor(RGB(200, 100, 50));
       },
       2, 2, {gdSelected}, RGB(100, 50, 25), false},
      {"mixer 0 keeps the cell colour",
       [](TExtColumnGrid* g) {
         g->SetSelectionColorMixer(true);
         g->SetSelectionColorMixerFactor(0);
         g->GetCellProperties(2, 2)->SetBrushColor(RGB(200, 100, 50));
       },
       2, 2, {gdSelected}, RGB(200, 100, 50), false},
      {"selection hidden", [](TExtColumnGrid* g) { g->SetShowSelection(false); }, 2, 2, {gdSelected}, clWindow,
       false},
  };
  for (const TColourCase& k : cases) {
    TearDown();
    SetUp();
    Columns(4);
    k.Setup(grid);
    TDecision d = Decide(k.Col, k.Row, k.State);
    EXPECT_EQ(ColorToRGB(d.Brush), ColorToRGB(k.Brush)) << k.What;
    EXPECT_EQ(d.State.Contains(gdFixed), k.Fixed) << k.What;
  }
}

TEST_F(GridPaint, DisabledGridUsesTheDisabledFontColour) {
  Columns(3);
  grid->SetEnabled(false);
  EXPECT_EQ(Decide(1, 2).Font, grid->DisabledFontColor());
  grid->UseDisabledFont = false;
  EXPECT_NE(Decide(1, 2).Font, grid->DisabledFontColor());
}

TEST_F(GridPaint, YNColumnsShowCheckBoxesCheckedOnlyForTheirTrueText) {
  Columns(3);
  grid->ControlLook()->SetControlStyle(csWinXP);
  grid->Columns()->Items(1)->SetEditor(edDataCheckBox);
  grid->Columns()->Items(1)->SetAlignment(taCenter);
  grid->Columns()->Items(2)->SetEditor(edDataCheckBox);
  grid->Columns()->Items(2)->SetCheckTrue("1");
  const char* texts[] = {"Y", "N", "y", ""};
  for (int r = 1; r <= 4; ++r) grid->SetCells(1, r, texts[r - 1]);
  grid->SetCells(2, 1, "1");
  grid->SetCells(2, 2, "Y");
  Snap();
  // Row 1 ("Y") and row 2 ("N") differ; "y" and "" look like "N".
  auto cellPixels = [&](int c, int r) {
    std::vector<TColor> v;
    for (int y = r * 24 + 2; y < r * 24 + 22; ++y)
      for (int x = c * 64 + 2; x < c * 64 + 62; ++x) v.push_back(Pixel(x, y));
    return v;
  };
  EXPECT_NE(cellPixels(1, 1), cellPixels(1, 2));
  EXPECT_EQ(cellPixels(1, 2), cellPixels(1, 3));
  EXPECT_EQ(cellPixels(1, 2), cellPixels(1, 4));
  EXPECT_EQ(Ink(TRect(64 + 2, 24 + 2, 64 + 20, 48 - 2)), 0);  // centred: nothing at the left
  // A column whose true text is "1" is checked for "1" only.
  auto col2 = [&](int r) {
    std::vector<TColor> v;
    for (int y = r * 24 + 2; y < r * 24 + 22; ++y)
      for (int x = 128 + 2; x < 128 + 30; ++x) v.push_back(Pixel(x, y));
    return v;
  };
  EXPECT_NE(col2(1), col2(2));
}

TEST_F(GridPaint, TextIsPlacedByAlignmentWithFixedMetrics) {
  Columns(3);
  grid->Columns()->Items(0)->SetAlignment(taLeftJustify);
  grid->Columns()->Items(1)->SetAlignment(taRightJustify);
  grid->Columns()->Items(2)->SetAlignment(taCenter);
  for (int c = 0; c < 3; ++c) grid->SetCells(c, 2, "abcd");
  grid->SetFixedCols(0);
  Snap();
  const int cw = FixedCharWidth(grid->Font()->Height());
  auto [l0, r0] = InkSpan(TRect(0, 48, 64, 72));
  auto [l1, r1] = InkSpan(TRect(64, 48, 128, 72));
  auto [l2, r2] = InkSpan(TRect(128, 48, 192, 72));
  ASSERT_GE(l0, 0);
  EXPECT_LE(l0, 1 + 2 + cw);                 // left: after the 2-pixel offset
  EXPECT_GE(r1, 128 - 1 - 2 - cw);           // right: before the right offset and the line
  EXPECT_NEAR((l2 + r2) / 2.0, 128 + 32, cw);  // centred
}

TEST_F(GridPaint, HoveredHeaderShowsItsFaceAndDropDownButton) {
  Columns(4);
  grid->SetHoverFixedCells(hfAll);
  grid->ControlLook()->SetFixedDropDownButton(true);
  grid->ControlLook()->SetFixedGradientHoverFrom(clYellow);
  grid->ControlLook()->SetFixedGradientHoverTo(clYellow);
  grid->ControlLook()->SetFixedGradientHoverBorder(clRed);
  Snap();
  const TRect header(2 * 64, 0, 3 * 64, 24);
  auto yellow = [&] {
    int n = 0;
    for (int y = header.Top; y < header.Bottom; ++y)
      for (int x = header.Left; x < header.Right; ++x) n += Pixel(x, y) == ColorToRGB(clYellow);
    return n;
  };
  EXPECT_EQ(yellow(), 0);
  Driver.MouseMove(grid, 2 * 64 + 20, 10);
  Snap();
  EXPECT_GT(yellow(), 0);
  EXPECT_GT(Ink(TRect(header.Right - 14, 4, header.Right - 2, 14)), 0);  // the drop-down arrow
  bool asked = false;
  // Held down on the face, the face is pressed; on the button, the button.
  grid->ControlLook()->SetFixedGradientDownFrom(clLime);
  grid->ControlLook()->SetFixedGradientDownTo(clLime);
  auto lime = [&](int left, int right) {
    int n = 0;
    for (int y = header.Top + 2; y < header.Bottom - 2; ++y)
      for (int x = left; x < right; ++x) n += Pixel(x, y) == ColorToRGB(clLime);
    return n;
  };
  Driver.MouseDown(grid, 2 * 64 + 20, 10);
  Snap();
  EXPECT_GT(lime(header.Left + 2, header.Right - 18), 0);
  EXPECT_EQ(lime(header.Right - 15, header.Right - 1), 0);
  Driver.MouseUp(grid, 2 * 64 + 20, 10);
  Driver.MouseDown(grid, header.Right - 8, 10);
  Snap();
  Driver.Screenshot(form, "grid_header_dropdown_pressed.png");
  EXPECT_EQ(lime(header.Left + 2, header.Right - 18), 0);
  EXPECT_GT(lime(header.Right - 15, header.Right - 1), 0);
  Driver.MouseUp(grid, header.Right - 8, 10);
  grid->OnCanShowFixedDropDown = [&](TObject*, int, bool& can) {
    asked = true;
    can = false;
  };
  grid->Invalidate();
  Snap();
  EXPECT_TRUE(asked);
  EXPECT_EQ(Ink(TRect(header.Right - 14, 4, header.Right - 2, 14)), 0);
  Driver.MouseMove(grid, 2 * 64 + 20, 3 * 24 + 10);  // into the normal cells: the face goes
  Snap();
  EXPECT_EQ(yellow(), 0);
}

TEST_F(GridPaint, ModifiedRowsShowTheirBar) {
  Columns(3);
  grid->ShowModified()->SetEnabled(true);
  grid->ShowModified()->SetColor(clRed);
  grid->SetRowModified(2, true);
  Snap();
  auto red = [&](int r) {
    int n = 0;
    for (int y = r * 24 + 2; y < r * 24 + 20; ++y)
      for (int x = 50; x < 64; ++x) n += Pixel(x, y) == ColorToRGB(clRed);
    return n;
  };
  EXPECT_GT(red(2), 0);
  EXPECT_EQ(red(3), 0);
}

TEST_F(GridPaint, SelectionRectangleFramesTheBlockWithItsResizeSquare) {
  Columns(5);
  TGridOptions options = grid->Options();
  options.Include(goRangeSelect);
  grid->SetOptions(options);
  grid->SetSelectionRectangleColor(clRed);
  grid->SetSelection(TGridRect{1, 1, 2, 2});
  auto red = [&](const TRect& r) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += Pixel(x, y) == ColorToRGB(clRed);
    return n;
  };
  const TRect block(64, 24, 3 * 64, 3 * 24);
  const TRect corner(block.Right - 8, block.Bottom - 8, block.Right, block.Bottom);
  Snap();
  EXPECT_EQ(red(TRect(0, 0, grid->Width(), grid->Height())), 0);  // off by default

  grid->SetSelectionRectangle(true);
  grid->SetSelectionResizer(false);
  Snap();
  const int frameOnly = red(corner);
  EXPECT_GT(red(TRect(block.Left - 2, block.Top + 4, block.Left + 3, block.Bottom - 4)), 0);     // left edge
  EXPECT_GT(red(TRect(block.Right - 4, block.Top + 4, block.Right + 1, block.Bottom - 8)), 0);   // right edge
  EXPECT_GT(red(TRect(block.Left + 4, block.Top - 2, block.Right - 8, block.Top + 3)), 0);       // top edge
  EXPECT_GT(red(TRect(block.Left + 4, block.Bottom - 4, block.Right - 8, block.Bottom + 1)), 0); // bottom edge
  EXPECT_EQ(red(TRect(block.Left + 6, block.Top + 6, block.Right - 8, block.Bottom - 8)), 0);    // inside
  EXPECT_EQ(red(TRect(3 * 64 + 4, 0, grid->Width(), grid->Height())), 0);                         // beside

  grid->SetSelectionResizer(true);
  Snap();
  EXPECT_GT(red(corner), frameOnly);  // the filled resize square
  Driver.Screenshot(form, "grid_selection_rectangle.png");
}

TEST_F(GridPaint, ConfiguratorTablePicture) {
  Columns(5);
  grid->SetBounds(10, 10, 560, 200);
  grid->ControlLook()->SetControlStyle(csWinXP);
  grid->ControlLook()->SetDropDownAlwaysVisible(true);
  const char* headers[] = {"", "PGN", "Enabled", "Kind", "Name"};
  for (int c = 0; c < 5; ++c) grid->Columns()->Items(c)->SetHeader(headers[c]);
  grid->Columns()->Items(2)->SetEditor(edDataCheckBox);
  grid->Columns()->Items(2)->SetAlignment(taCenter);
  grid->Columns()->Items(3)->SetEditor(edComboList);
  grid->Columns()->Items(1)->SetAlignment(taRightJustify);
  for (int c = 0; c < 5; ++c) grid->SetColWidths(c, c == 4 ? 200 : 80);
  for (int r = 1; r < 6; ++r) {
    grid->SetCells(0, r, std::to_string(r));
    grid->SetCells(1, r, std::to_string(61440 + r));
    grid->SetCells(2, r, r % 2 ? "Y" : "N");
    grid->SetCells(3, r, "Receive");
    grid->SetCells(4, r, "Engine speed and a long text that does not fit");
  }
  Driver.Focus(grid);
  Driver.Pump();
  Driver.Screenshot(form, "grid_configurator_table.png");
  Driver.SetThemesActive(false);
  grid->ControlLook()->SetControlStyle(csTheme);
  grid->Invalidate();
  Driver.Pump();
  Driver.Screenshot(form, "grid_configurator_table_classic.png");
}

}  // namespace
