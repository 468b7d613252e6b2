#pragma once
// A base grid on a shown form, without border or scroll bars, so that cell
// positions are plain sums of 64 x 24 cells (the grid draws its lines inside
// the cells).

#include <gtest/gtest.h>

#include <string>

#include "grid/foundation/BaseGrid.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/testing/TestDriver.h"

// Opens the protected fields the string grid keeps, and counts the hooks.
class TTestBaseGrid : public TBaseGrid {
public:
  explicit TTestBaseGrid(TComponent* AOwner) : TBaseGrid(AOwner) {}
  using TBaseGrid::FHideLastRow;
  using TBaseGrid::FHoverRowIdx;
  using TBaseGrid::FMergeCount;
  using TBaseGrid::FNormalRowCount;
  using TBaseGrid::FShowSel;
  int ValueChanges = 0;
  int LastRowChanges = 0;
  void CellValueChanged(int, int) override { ++ValueChanges; }
  void LastRowChanged() override { ++LastRowChanges; }
};

template <typename TGrid>
class BaseGridTestOf : public FormsTest {
protected:
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(10, 10, 500, 400);
    form->Show();
    grid = new TGrid(form);
    grid->SetParent(form);
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
    grid->SetBounds(10, 10, 320, 240);
    grid->SetColCount(6);
    grid->SetRowCount(8);
    Driver.Pump();
  }
  void Key(uint16_t vk, TShiftState shift = {}) { Driver.PressKey(vk, shift); }
  void FocusGrid() {
    Driver.Focus(grid);
    Driver.Pump();
  }
  // The grid painted into a bitmap of its size.
  void Snap() {
    bmp.SetSize(grid->Width(), grid->Height());
    grid->PaintTo(bmp.Canvas(), 0, 0);
  }
  TColor Pixel(int x, int y) { return ColorToRGB(bmp.Canvas()->Pixels(x, y)); }
  // Whether one paint of the grid since the last ClearPaints covered R.
  bool Repainted(const TRect& R) {
    for (const TPaintRecord& p : Driver.Paints())
      if (p.Control == grid && p.Msg == WM_PAINT && p.Clip.Left <= R.Left && p.Clip.Top <= R.Top &&
          p.Clip.Right >= R.Right && p.Clip.Bottom >= R.Bottom)
        return true;
    return false;
  }

  TForm* form = nullptr;
  TGrid* grid = nullptr;
  TBitmap bmp;
};

using BaseGridTest = BaseGridTestOf<TTestBaseGrid>;
