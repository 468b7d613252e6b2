// The colour cube, the spectrum panel and the discrete colour selector.

#include <gtest/gtest.h>

#include "controls/CustomColorSelector.h"
#include "controls/ExtColorPanels.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/std/GraphicControls.h"
#include "toolkit/testing/TestDriver.h"

namespace {

template <class P>
class PanelTest : public FormsTest {
protected:
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(0, 0, 300, 250);
    panel = new P(form);
    panel->SetParent(form);
    form->Show();
    Driver.Pump();
  }
  TForm* form = nullptr;
  P* panel = nullptr;
};

using ColorCube = PanelTest<TExtColorCubePanel>;

TEST_F(ColorCube, CellCentresFollowTheHoneycombRows) {
  struct Case {
    int Cell, X, Y;
  } cases[] = {{1, 55, 20}, {7, 127, 20}, {8, 49, 30}, {58, 19, 80}, {64, 91, 80}, {70, 163, 80},
               {71, 25, 90}, {121, 55, 140}, {127, 127, 140}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Cell);
    EXPECT_EQ(panel->Cell(c.Cell).Center.X, c.X);
    EXPECT_EQ(panel->Cell(c.Cell).Center.Y, c.Y);
  }
  EXPECT_EQ(panel->Cell(1).Color, TColor(0x663300));
  EXPECT_EQ(panel->Cell(64).Color, clWhite);
  EXPECT_EQ(panel->Cell(127).Color, RGB(0xA5, 0x00, 0x21));
}

TEST_F(ColorCube, HitTestTakesTheFirstCellWithinHalfACellWidth) {
  struct Case {
    int X, Y, Cell;
  } cases[] = {{55, 20, 1},  {61, 20, 1},  {62, 20, 2},   {55, 27, -1}, {49, 30, 8},
               {0, 0, -1},   {91, 80, 64}, {91, 86, 64},  {91, 87, -1}, {127, 140, 127}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.X << "," << c.Y);
    EXPECT_EQ(panel->HitTest(c.X, c.Y), c.Cell);
  }
}

TEST_F(ColorCube, ClickSelectsTheCellAndFiresOnSelect) {
  panel->ResetCube();
  int selects = 0;
  panel->OnSelect = [&](TObject*) { ++selects; };
  Driver.Click(panel, 55, 20);
  EXPECT_EQ(panel->SelectedIndex(), 1);
  EXPECT_EQ(panel->SelectedColor(), TColor(0x663300));
  EXPECT_EQ(selects, 1);
  Driver.Click(panel, 55, 27);
  EXPECT_EQ(panel->SelectedIndex(), 1);
  EXPECT_EQ(selects, 1);
}

TEST_F(ColorCube, SelectedColorFindsItsCell) {
  panel->SetSelectedColor(clWhite);
  EXPECT_EQ(panel->SelectedIndex(), 64);
  panel->SetSelectedColor(TColor(0x123456));
  EXPECT_EQ(panel->SelectedIndex(), -1);
}

TEST_F(ColorCube, HoverShowsTheCellsRgbInTheHint) {
  panel->ResetCube();
  EXPECT_EQ(panel->Width(), 182);
  EXPECT_EQ(panel->Height(), 160);
  Driver.MouseMove(panel, 91, 80);
  EXPECT_EQ(panel->HotIndex(), 64);
  EXPECT_EQ(panel->Hint(), "Red: 255,  Green: 255,  Blue: 255");
  Driver.MouseMove(panel, 1, 1);
  EXPECT_EQ(panel->Hint(), "");
  EXPECT_EQ(panel->HotIndex(), 64);
}

using ColorSpectrum = PanelTest<TExtColorSpectrumPanel>;

TEST_F(ColorSpectrum, LayoutPlacesThePictureAndTheSwatches) {
  panel->SetComponentsPosition();
  EXPECT_EQ(panel->Width(), 150);
  EXPECT_EQ(panel->Height(), 174);
  EXPECT_EQ(panel->SpectrumImage()->Left(), 11);
  EXPECT_EQ(panel->SpectrumImage()->Top(), 10);
  EXPECT_EQ(panel->SelectedRect(), TRect(10, 146, 73, 166));
  EXPECT_EQ(panel->HotRect(), TRect(77, 146, 140, 166));
}

TEST_F(ColorSpectrum, ThePixelUnderTheMouseIsTakenOnClick) {
  panel->SetComponentsPosition();
  Driver.Pump();
  int selects = 0;
  panel->OnSelect = [&](TObject*) { ++selects; };
  TImage* im = panel->SpectrumImage();
  // The top row is white, the bottom black (lightness runs down the picture).
  Driver.MouseMove(im, 64, 0);
  EXPECT_EQ(ColorToRGB(panel->HotColor()) & 0xFFFFFF, 0xFFFFFF);
  Driver.MouseMove(im, 0, 64);
  const TColor mid = panel->HotColor();
  EXPECT_GT(GetRValue(mid), 200);
  EXPECT_LT(GetGValue(mid), 60);
  Driver.Click(im, 0, 64);
  EXPECT_EQ(panel->SelectedColor(), mid);
  EXPECT_EQ(selects, 1);
}

using ColorSelector = PanelTest<TCustomColorSelector>;

TEST_F(ColorSelector, AnEmptySelectorIs100By50) {
  panel->UpdateItems();
  EXPECT_EQ(panel->Width(), 100);
  EXPECT_EQ(panel->Height(), 50);
}

TEST_F(ColorSelector, ThemePaletteLaysOutAs165By84) {
  panel->FillThemePalette();
  panel->UpdateItems();
  EXPECT_EQ(panel->Width(), 165);
  EXPECT_EQ(panel->Height(), 84);
  const int xs[] = {4, 20, 36, 52, 68, 84, 100, 116, 132, 148};
  const int ys[] = {4, 20, 32, 44, 56, 68};
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 10; ++c) {
      SCOPED_TRACE(testing::Message() << "row " << r << " column " << c);
      EXPECT_EQ(panel->Items()->Items(r * 10 + c)->Rect(), TRect(xs[c], ys[r], xs[c] + 12, ys[r] + 12));
    }
  struct Hit {
    int X, Y, Box;
  } hits[] = {{4, 4, 0}, {15, 15, 0}, {16, 4, -1}, {20, 4, 1}, {4, 16, -1}, {4, 20, 10}, {4, 32, 20}, {159, 79, 59}};
  for (const Hit& h : hits) EXPECT_EQ(panel->ItemAtPos({h.X, h.Y}), h.Box) << h.X << "," << h.Y;
}

TEST_F(ColorSelector, SelectedColorSelectsTheFirstMatchingBox) {
  panel->FillThemePalette();
  panel->UpdateItems();
  int selects = 0;
  panel->OnItemSelect = [&](TObject*) { ++selects; };
  panel->SetSelectedColor(TColor(0xBD814F));
  EXPECT_EQ(panel->ItemIndex(), 4);
  EXPECT_EQ(selects, 1);
  panel->SetSelectedColor(TColor(0x123456));
  EXPECT_EQ(panel->ItemIndex(), -1);
  EXPECT_EQ(panel->SelectedColor(), TColor(0x123456));
}

TEST_F(ColorSelector, AnIndexBeyondTheBoxesKeepsTheSelection) {
  panel->FillThemePalette();
  panel->SetItemIndex(7);
  EXPECT_NO_THROW(panel->SetItemIndex(60));
  EXPECT_EQ(panel->ItemIndex(), 7);
  panel->SetItemIndex(-5);
  EXPECT_EQ(panel->ItemIndex(), -1);
}

TEST_F(ColorSelector, KeysMoveByRowsWhenOpenAndByBoxesWhenClosed) {
  panel->FillThemePalette();
  struct Case {
    int From;
    uint16_t Key;
    bool EditorEnabled, DroppedDown;
    int To;
  } cases[] = {{13, VK_UP, false, true, 3},     {13, VK_DOWN, false, true, 23},  {-1, VK_UP, false, true, 0},
               {-1, VK_DOWN, false, true, 0},   {13, VK_UP, false, false, 12},   {13, VK_DOWN, false, false, 14},
               {5, VK_LEFT, true, false, 5},    {5, VK_RIGHT, true, false, 5},   {5, VK_LEFT, false, false, 4},
               {5, VK_RIGHT, true, true, 6},    {5, VK_HOME, false, false, 0},   {5, VK_NEXT, false, false, 59},
               {55, VK_DOWN, false, true, 55},  {-1, VK_LEFT, false, false, -1}, {5, VK_RETURN, false, true, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.From << " key " << c.Key);
    panel->SetItemIndex(-1);
    panel->SetItemIndex(c.From);
    panel->HandleKey(c.Key, c.EditorEnabled, c.DroppedDown);
    EXPECT_EQ(panel->ItemIndex(), c.To);
  }
}

TEST_F(ColorSelector, ClickAndHoverFollowTheBoxes) {
  panel->FillThemePalette();
  panel->UpdateItems();
  Driver.Pump();
  Driver.MouseMove(panel, 21, 5);
  EXPECT_EQ(panel->ItemHot(), 1);
  Driver.MouseMove(panel, 17, 5);
  EXPECT_EQ(panel->ItemHot(), -1);
  Driver.Click(panel, 37, 21);
  EXPECT_EQ(panel->ItemIndex(), 12);
  EXPECT_EQ(panel->SelectedColor(), RGB(0xDD, 0xD9, 0xC3));
}

}  // namespace
