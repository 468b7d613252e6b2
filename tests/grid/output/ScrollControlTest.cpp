// The thin scroll indicators of the metro scroll type: thumb size and place,
// paging beside the thumb, dragging it, and a grid with nothing to scroll.

#include <gtest/gtest.h>

#include "grid/core/ExtGrid.h"
#include "grid/output/ScrollControl.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/testing/TestDriver.h"

namespace {

class ThinScroll : public FormsTest {
protected:
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(10, 10, 500, 600);
    form->Show();
    grid = new TExtStringGrid(form);
    grid->SetParent(form);
    grid->SetBorderStyle(bsNone);
    grid->SetBounds(0, 0, 300, 21 * 24);
    grid->SetDefaultRowHeight(24);
    grid->SetScrollType(ssMetro);
    Driver.Pump();
    bar = grid->ScrollControl(true);
  }
  TForm* form = nullptr;
  TExtStringGrid* grid = nullptr;
  TScrollControl* bar = nullptr;
};

TEST_F(ThinScroll, MetroScrollingShowsBothIndicatorsAndOthersRemoveThem) {
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Width(), 6);
  EXPECT_EQ(bar->Align(), alRight);
  ASSERT_NE(grid->ScrollControl(false), nullptr);
  EXPECT_EQ(grid->ScrollControl(false)->Height(), 6);
  EXPECT_EQ(bar->Color(), static_cast<TColor>(0xC0C0C0));
  EXPECT_EQ(bar->ScrollWidth(), 4);
  EXPECT_EQ(grid->ScrollBars(), ssNone);  // the system bars give way to the indicators
  grid->SetScrollType(ssNormal);
  EXPECT_EQ(grid->ScrollControl(true), nullptr);
  EXPECT_EQ(grid->ScrollBars(), ssBoth);
}

TEST_F(ThinScroll, TheIndicatorFollowsTheGridsScrolling) {
  grid->SetRowCount(200);
  Driver.Pump();
  const int before = bar->Thumb().Start;
  Driver.Focus(grid);
  Driver.PressKey(VK_NEXT);
  Driver.PressKey(VK_NEXT);
  EXPECT_GT(grid->TopRow(), 1);
  EXPECT_GT(bar->Thumb().Start, before);
  Driver.ClearPaints();
  Driver.PressKey(VK_NEXT);
  bool repainted = false;
  for (const TPaintRecord& p : Driver.Paints()) repainted |= p.Control == bar && p.Msg == WM_PAINT;
  EXPECT_TRUE(repainted) << "the indicator repaints when the grid scrolls";
}

TEST_F(ThinScroll, NoThumbWhenEveryRowFitsOrNothingScrolls) {
  grid->SetRowCount(5);
  EXPECT_FALSE(bar->Thumb().Shown);
  grid->SetRowCount(1);  // only the fixed row: nothing to divide by
  EXPECT_FALSE(bar->Thumb().Shown);
}

TEST_F(ThinScroll, ThumbOfManyRowsKeepsItsLeastSize) {
  grid->SetRowCount(1000);
  Driver.Pump();
  const TScrollControl::TThumb t = bar->Thumb();
  EXPECT_TRUE(t.Shown);
  EXPECT_GE(t.Size, 20);
  EXPECT_EQ(t.Start, 24);  // after the fixed row
}

TEST_F(ThinScroll, PagingBesideTheThumbStopsAtTheEnds) {
  grid->SetRowCount(100);
  Driver.Pump();
  const int visible = grid->VisibleRowCount();
  grid->SetTopRow(100 - visible);
  Driver.Pump();
  Driver.Click(bar, 2, bar->Height() - 1);  // below the thumb on the last page
  EXPECT_EQ(grid->TopRow(), 100 - visible);
  Driver.Click(bar, 2, 30);                  // above it: a page up
  EXPECT_EQ(grid->TopRow(), 100 - 2 * visible);
  grid->SetTopRow(2);
  Driver.Pump();
  Driver.Click(bar, 2, 25);
  EXPECT_EQ(grid->TopRow(), 1);  // not above the first scrollable row
}

TEST_F(ThinScroll, DraggingTheThumbFollowsTheMouseWithinTheRows) {
  grid->SetRowCount(100);
  grid->SetTopRow(30);
  Driver.Pump();
  const TScrollControl::TThumb t = bar->Thumb();
  const int y = t.Start + t.Size / 2;
  Driver.MouseDown(bar, 2, y);
  Driver.MouseMove(bar, 2, y + 48, {ssLeft});
  EXPECT_GT(grid->TopRow(), 30);
  Driver.MouseMove(bar, 2, -400, {ssLeft});  // far above the track
  EXPECT_EQ(grid->TopRow(), 1);
  Driver.MouseUp(bar, 2, -400);
  Driver.MouseMove(bar, 2, y + 200);
  EXPECT_EQ(grid->TopRow(), 1);  // released: moves scroll nothing
}

}  // namespace
