// The grid's window border of the modern looks, the design-time panel and
// the progress appearance's change notification.

#include <gtest/gtest.h>

#include "grid/core/ExtGrid.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/forms/WindowManager.h"
#include "toolkit/testing/MenuSteps.h"
#include "toolkit/testing/TestDriver.h"

namespace {

// A grid in a form designer.
class TDesignGrid : public TExtStringGrid {
public:
  using TExtStringGrid::TExtStringGrid;
  using TComponent::SetDesigning;
};

class WindowExtras : public FormsTest {
protected:
  int GridPaints() {
    int n = 0;
    for (const TPaintRecord& p : Driver.Paints()) n += p.Control == grid && p.Msg == WM_PAINT;
    return n;
  }
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(10, 10, 500, 400);
    form->Show();
    grid = new TDesignGrid(form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 300, 200);
    grid->SetBorderColor(clRed);
    Driver.Pump();
  }
  // The border as DrawNCBorder leaves it on a white canvas.
  TBitmap& Border() {
    bmp.SetSize(grid->Width(), grid->Height());
    bmp.Canvas()->Brush()->SetColor(clWhite);
    bmp.Canvas()->FillRect(TRect(0, 0, grid->Width(), grid->Height()));
    grid->DrawNCBorder(bmp.Canvas());
    return bmp;
  }
  TColor At(int x, int y) { return ColorToRGB(bmp.Canvas()->Pixels(x, y)); }
  TForm* form = nullptr;
  TDesignGrid* grid = nullptr;
  TBitmap bmp;
};

TEST_F(WindowExtras, BorderOnlyForModernLooksWithASingleUnflatBorder) {
  struct {
    const char* What;
    std::function<void()> Setup;
    bool Drawn;
  } cases[] = {
      {"xp look, single border", [] {}, true},
      {"standard look", [this] { grid->SetLook(glStandard); }, false},
      {"no border style", [this] { grid->SetBorderStyle(bsNone); }, false},
      {"flat grid", [this] { grid->SetFlat(true); }, false},
      {"no colour", [this] { grid->SetBorderColor(clNone); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    grid->SetLook(glXP);
    grid->SetBorderStyle(bsSingle);
    grid->SetFlat(false);
    grid->SetBorderColor(clRed);
    c.Setup();
    Border();
    EXPECT_EQ(At(0, 0) == ColorToRGB(clRed), c.Drawn);
    EXPECT_EQ(At(grid->Width() - 1, grid->Height() - 1) == ColorToRGB(clRed), c.Drawn);
    EXPECT_EQ(At(5, 5), ColorToRGB(clWhite));
  }
}

TEST_F(WindowExtras, FittedCellsDrawTheBorderOneIn) {
  form->SetColor(clLime);
  grid->FitCellsInGrid = true;
  grid->SetLook(glXP);
  grid->SetBorderColor(clRed);  // the look sets its own border colour
  Border();
  EXPECT_EQ(At(1, 1), ColorToRGB(clRed));
  EXPECT_EQ(At(0, 0), ColorToRGB(clLime));  // framed in the parent's colour
}

TEST_F(WindowExtras, DesignPanelOnlyAtDesignTime) {
  EXPECT_EQ(grid->DesignHelperHitTest(grid->ClientWidth() - 8, grid->ClientHeight() - 60), 4);
  grid->SetDesigning(true);
  const int cw = grid->ClientWidth(), cb = grid->ClientHeight();
  // Find the rows of the panel's items by probing down its left side.
  int editY = -1, numbersY = -1, lookY = -1;
  for (int y = cb - 80; y < cb; ++y) {
    const int hit = grid->DesignHelperHitTest(cw - 140, y);
    if (hit == 1 && editY < 0) editY = y;
    if (hit == 2 && numbersY < 0) numbersY = y;
    if (hit == 3 && lookY < 0) lookY = y;
  }
  ASSERT_GT(editY, 0);
  ASSERT_GT(numbersY, editY);
  ASSERT_GT(lookY, numbersY);
  EXPECT_FALSE(grid->Options().Contains(goEditing));
  Driver.Click(grid, cw - 140, editY + 1);
  EXPECT_TRUE(grid->Options().Contains(goEditing));
  Driver.Click(grid, cw - 140, numbersY + 1);
  EXPECT_TRUE(grid->ShowColumnNumbers());
  ChooseMenuItem(Driver, "Windows 7");
  Driver.Click(grid, cw - 140, lookY + 1);
  EXPECT_EQ(grid->Look(), glWin7);
  Driver.Screenshot(form, "grid_design_panel.png");
  // The close glyph stands on the panel's own background.
  const int panelTop = cb - 4 * grid->Canvas()->TextHeight("gh") - 18;
  EXPECT_EQ(ColorToRGB(Driver.PixelAt(grid, cw - 16, panelTop + 2)), ColorToRGB(clInfoBk));
  Driver.Click(grid, cw - 8, cb - 60);
  EXPECT_FALSE(grid->ShowDesignHelper());
}

TEST_F(WindowExtras, ProgressAppearanceRepaintsOnlyOnAChange) {
  TGridProgressAppearance* look = grid->ProgressAppearance();
  EXPECT_EQ(look->Level1Perc(), 70);
  EXPECT_EQ(look->CompleteColor(), clRed);
  EXPECT_EQ(look->UnCompleteColor(), clNone);
  Driver.Pump();
  Driver.ClearPaints();
  look->SetSteps(look->Steps());
  Driver.Pump();
  EXPECT_EQ(GridPaints(), 0);
  look->SetSteps(20);
  Driver.Pump();
  EXPECT_GT(GridPaints(), 0);
  int told = 0;
  TGridProgressAppearance other;
  other.SetLevel2Perc(95);
  other.OnChange = [&](TObject*) { ++told; };
  const auto keep = look->OnChange;
  look->OnChange = [&](TObject*) { ++told; };
  look->Assign(&other);
  EXPECT_EQ(told, 1);
  EXPECT_EQ(look->Level2Perc(), 95);
  look->OnChange = keep;
}

}  // namespace
