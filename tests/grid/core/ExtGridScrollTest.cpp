#include "grid/core/ExtGridTypes.h"
#include "tests/grid/core/InputFixture.h"

class WheelTest : public InputTest {
protected:
  void SetUp() override {
    InputTest::SetUp();
    grid->SetRowCount(40);
    grid->FWheelScrl = 3;
  }
  void WheelDown() { Driver.Wheel(grid, -120, 100, 50); }
  void WheelUp() { Driver.Wheel(grid, 120, 100, 50); }
};

TEST_F(WheelTest, MovesTheCursorByTheSystemLines) {
  Go(2, 2);
  WheelDown();
  EXPECT_EQ(Cursor(), (TGridCoord{2, 5}));
  WheelUp();
  WheelUp();
  EXPECT_EQ(Cursor(), (TGridCoord{2, 1}));
}

TEST_F(WheelTest, StopsAboveTheFooterRows) {
  grid->SetFixedFooters(2);
  Go(2, 36);
  WheelDown();
  EXPECT_EQ(grid->Row(), 37);
  WheelDown();
  EXPECT_EQ(grid->Row(), 37);
}

TEST_F(WheelTest, ScrollModeMovesTheViewOnly) {
  grid->MouseActions()->SetWheelAction(waScroll);
  Go(2, 2);
  WheelDown();
  EXPECT_EQ(grid->TopRow(), 4);
  EXPECT_EQ(Cursor(), (TGridCoord{2, 2}));
  WheelUp();
  WheelUp();
  EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(WheelTest, OffDoesNothing) {
  grid->SetEnableWheel(false);
  Go(2, 2);
  WheelDown();
  EXPECT_EQ(Cursor(), (TGridCoord{2, 2}));
  EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(WheelTest, IncrementReportsTheStep) {
  grid->MouseActions()->SetWheelIncrement(2);
  int downs = 0;
  grid->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool&) { ++downs; };
  Go(2, 2);
  WheelDown();
  EXPECT_EQ(grid->Row(), 4);
  EXPECT_EQ(downs, 1);
}

TEST_F(WheelTest, CtrlZoomsWithinItsLimits) {
  Go(2, 2);
  Driver.Wheel(grid, 120, 100, 50, {ssCtrl});
  EXPECT_EQ(grid->ZoomFactor(), -3);
  EXPECT_EQ(grid->Row(), 2);
  grid->Zoom(14);  // to 11: past the limit
  EXPECT_EQ(grid->ZoomFactor(), -3);
  grid->Zoom(13);
  EXPECT_EQ(grid->ZoomFactor(), 10);
}

TEST_F(InputTest, ZoomWidensEveryColumnAndRow) {
  grid->Zoom(4);
  EXPECT_EQ(grid->ColWidths(1), 68);
  EXPECT_EQ(grid->RowHeights(3), 28);
  grid->Zoom(11);
  EXPECT_EQ(grid->ColWidths(1), 68);
}

TEST_F(InputTest, ScrollHintNamesTheRowTheThumbReaches) {
  grid->SetRowCount(101);
  grid->SetScrollHints(shBoth);
  grid->Perform(WM_VSCROLL, SB_THUMBTRACK | (127 << 16), 0);
  int visible = grid->VisibleRowCount();
  EXPECT_EQ(grid->ScrollHintText(), "Row : " + std::to_string(101 - visible - 1 + 1));
  grid->Perform(WM_VSCROLL, SB_THUMBTRACK | (0 << 16), 0);
  EXPECT_EQ(grid->ScrollHintText(), "Row : 1");
  grid->Perform(WM_VSCROLL, SB_ENDSCROLL | (0 << 16), 0);
  EXPECT_EQ(grid->ScrollHintText(), "");
}

TEST_F(InputTest, ScrollSynchMovesWithTheThumb) {
  grid->SetRowCount(101);
  grid->SetScrollSynch(true);
  grid->Perform(WM_VSCROLL, SB_THUMBTRACK | (127 << 16), 0);
  EXPECT_EQ(grid->TopRow(), 101 - grid->VisibleRowCount());
}

TEST_F(InputTest, ProportionalThumbFollowsTheVisibleShare) {
  grid->SetScrollBars(ssVertical);
  grid->SetRowCount(100);
  grid->SetScrollProportional(true);
  grid->UpdateVScrollProportional();
  TScrollInfo info;
  info.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(grid->Handle(), SB_VERT, info));
  EXPECT_GT(info.nMax, 127);
  EXPECT_EQ(static_cast<int>(info.nPage), info.nMax - 126);
  EXPECT_EQ(info.nPos, 0);
  grid->SetTopRow(50);
  ASSERT_TRUE(GetScrollInfo(grid->Handle(), SB_VERT, info));
  EXPECT_GT(info.nPos, 0);
}
