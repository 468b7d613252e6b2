#pragma once
// A string grid of 4 x 12 cells of 150 x 30 pixels on a shown form, without
// border or scroll bars, and pixel probes of what it paints.

#include <vector>

#include "grid/core/ExtGrid.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/testing/TestDriver.h"
#include "grid/PixelProbes.h"

class GraphicPaint : public FormsTest {
protected:
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(10, 10, 700, 500);
    form->Show();
    grid = MakeGrid();
    grid->SetParent(form);
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
    grid->SetBounds(0, 0, 640, 440);
    grid->SetColCount(4);
    grid->SetRowCount(12);
    for (int c = 0; c < 4; ++c) grid->SetColWidths(c, 150);
    for (int r = 0; r < 12; ++r) grid->SetRowHeights(r, 30);
    Driver.Pump();
  }
  // The grid under test; a fixture of a descendant grid makes its own.
  virtual TExtStringGrid* MakeGrid() { return new TExtStringGrid(form); }
  void Snap() {
    bmp.SetSize(grid->Width(), grid->Height());
    grid->PaintTo(bmp.Canvas(), 0, 0);
  }
  // The pixels of a cell's inside (the grid lines left out).
  std::vector<TColor> CellPixels(int c, int r) {
    Snap();
    std::vector<TColor> v;
    const TRect cell = grid->CellRect(c, r);
    for (int y = cell.Top + 1; y < cell.Bottom - 2; ++y)
      for (int x = cell.Left + 1; x < cell.Right - 2; ++x) v.push_back(ColorToRGB(bmp.Canvas()->Pixels(x, y)));
    return v;
  }
  int Count(const TRect& r, TColor colour) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += ColorToRGB(bmp.Canvas()->Pixels(x, y)) == ColorToRGB(colour);
    return n;
  }
  // Pixels near one primary colour: text ink, which is drawn smoothed.
  int Tinted(const TRect& r, TColor Primary) {
    const TColor p = ColorToRGB(Primary);
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) {
        const TColor c = ColorToRGB(bmp.Canvas()->Pixels(x, y));
        bool near = true;
        for (int shift : {0, 8, 16}) {
          const int want = (p >> shift) & 0xFF, have = (c >> shift) & 0xFF;
          near &= want ? have > 0xA0 : have < 0x60;
        }
        n += near;
      }
    return n;
  }
  TForm* form = nullptr;
  TExtStringGrid* grid = nullptr;
  TBitmap bmp;
};
