// Moving columns and rows by their headers (the feedback, the drop, refusals
// and a lost capture), auto-scroll while dragging over the edges, and
// wheel-click panning.

#include "InputFixture.h"

#include "grid/core/HeaderDragButton.h"
#include "grid/foundation/ExtObjIndicators.h"

namespace {

class MoveTest : public InputTest {
protected:
  void SetUp() override {
    InputTest::SetUp();
    for (int c = 1; c < 5; ++c) grid->SetCells(c, 0, std::string(1, char('A' + c - 1)));
    for (int r = 1; r < 8; ++r) grid->SetCells(0, r, std::to_string(r));
  }
  void TearDown() override { Screen->SetCursor(crDefault); }
  std::string Headers() {
    std::string s;
    for (int c = 1; c < 5; ++c) s += grid->Cells(c, 0);
    return s;
  }
  std::string RowHeaders() {
    std::string s;
    for (int r = 1; r < 8; ++r) s += grid->Cells(0, r);
    return s;
  }
  // Presses the header of column From and drags it over column To.
  void DragColumn(int From, int To) {
    Driver.MouseDown(grid, From * 64 + 20, 10);
    Driver.MouseMove(grid, From * 64 + 30, 12);
    Driver.MouseMove(grid, To * 64 + 20, 12);
  }
  void DragRow(int From, int To) {
    Driver.MouseDown(grid, 20, From * 24 + 8);
    Driver.MouseMove(grid, 22, From * 24 + 12);
    Driver.MouseMove(grid, 22, To * 24 + 12);
  }
};

TEST_F(MoveTest, AColumnDraggedByItsHeaderMovesOnRelease) {
  Options({goColMoving});
  std::vector<int> moving;
  grid->OnColumnMoving = [&](TObject*, int ACol, bool&) { moving.push_back(ACol); };
  DragColumn(1, 3);
  EXPECT_EQ(Screen->Cursor(), crDrag);
  ASSERT_NE(grid->HeaderDragButton(), nullptr);
  EXPECT_TRUE(grid->HeaderDragButton()->Visible());
  EXPECT_EQ(grid->HeaderDragButton()->Caption(), "A");
  EXPECT_EQ(grid->HeaderDragButton()->Width(), 64);
  EXPECT_EQ(grid->MoveColInd(), 3);
  // The arrows stand at the right border of column 3 (moving right).
  TArrowWindow* up = grid->MoveArrow(arrUp);
  EXPECT_TRUE(up->Visible());
  EXPECT_EQ(up->Left(), grid->ClientToScreen(TPoint{4 * 64, 0}).X - 5);
  EXPECT_EQ(moving.back(), 3);
  Driver.MouseUp(grid, 3 * 64 + 20, 12);
  EXPECT_EQ(Headers(), "BCAD");
  EXPECT_EQ(Screen->Cursor(), crDefault);
  EXPECT_FALSE(grid->HeaderDragButton()->Visible());
  EXPECT_FALSE(up->Visible());
  EXPECT_TRUE(grid->Sorts.empty());  // a move is no header click
}

TEST_F(MoveTest, ARowDraggedByItsHeaderMovesOnRelease) {
  Options({goRowMoving});
  DragRow(5, 2);
  EXPECT_EQ(grid->MoveRowInd(), 2);
  EXPECT_EQ(grid->HeaderDragButton()->Caption(), "5");
  EXPECT_TRUE(grid->MoveArrow(arrLeft)->Visible());
  // Moving up: the arrows stand at the top border of row 2.
  EXPECT_EQ(grid->MoveArrow(arrLeft)->Top(), grid->ClientToScreen(TPoint{0, 2 * 24}).Y - 5);
  Driver.MouseUp(grid, 22, 2 * 24 + 12);
  EXPECT_EQ(RowHeaders(), "1523467");
}

TEST_F(MoveTest, ARefusedOrLostMoveMovesNothing) {
  Options({goColMoving});
  // A moving event that refuses shows the no-drop pointer and drops nothing.
  grid->OnColumnMoving = [](TObject*, int ACol, bool& Allow) { Allow = ACol != 3; };
  DragColumn(1, 3);
  EXPECT_EQ(Screen->Cursor(), crNoDrop);
  Driver.MouseUp(grid, 3 * 64 + 20, 12);
  EXPECT_EQ(Headers(), "ABCD");
  EXPECT_EQ(Screen->Cursor(), crDefault);
  // A move event that refuses ends the move at once.
  grid->OnColumnMoving = nullptr;
  grid->OnColumnMove = [](TObject*, int, bool& Allow) { Allow = false; };
  DragColumn(1, 3);
  EXPECT_NE(Screen->Cursor(), crDrag);
  Driver.MouseUp(grid, 3 * 64 + 20, 12);
  EXPECT_EQ(Headers(), "ABCD");
  // A lost capture hides the button and the arrows and drops nothing.
  grid->OnColumnMove = nullptr;
  DragColumn(1, 3);
  ASSERT_EQ(Screen->Cursor(), crDrag);
  grid->Perform(WM_CANCELMODE, 0, 0);
  EXPECT_EQ(Screen->Cursor(), crDefault);
  EXPECT_FALSE(grid->HeaderDragButton()->Visible());
  EXPECT_FALSE(grid->MoveArrow(arrUp)->Visible());
  Driver.MouseUp(grid, 3 * 64 + 20, 12);
  EXPECT_EQ(Headers(), "ABCD");
  // Dropped on its own place or on the fixed column: nothing moves.
  DragColumn(2, 0);
  Driver.MouseUp(grid, 20, 12);
  EXPECT_EQ(Headers(), "ABCD");
}

TEST_F(MoveTest, ArrowsTakeTheArrowColor) {
  Options({goColMoving});
  DragColumn(1, 2);
  grid->SetArrowColor(clRed);
  for (TArrowDirection d : {arrUp, arrDown, arrLeft, arrRight}) EXPECT_EQ(grid->MoveArrow(d)->Color(), clRed);
  EXPECT_EQ(grid->ArrowColor(), clRed);
  Driver.MouseUp(grid, 2 * 64 + 20, 12);
}

// ---- auto-scroll while dragging ----

class DragScrollTest : public InputTest {
protected:
  void SetUp() override {
    InputTest::SetUp();
    grid->SetRowCount(100);
    grid->SetColCount(30);
    grid->DragScrollOptions()->SetActive(true);
  }
};

TEST_F(DragScrollTest, APointerInAMarginScrollsAfterTheDelaysAndStopsAtTheEnds) {
  grid->SetTopRow(3);
  grid->DragOver(150, 10, dsDragEnter);  // 10 pixels from the top
  EXPECT_TRUE(grid->DragScrolling());
  Driver.Advance(999);
  EXPECT_EQ(grid->TopRow(), 3);
  Driver.Advance(1);
  EXPECT_EQ(grid->TopRow(), 2);
  Driver.Advance(249);
  EXPECT_EQ(grid->TopRow(), 2);
  Driver.Advance(1);
  EXPECT_EQ(grid->TopRow(), 1);
  Driver.Advance(1000);
  EXPECT_EQ(grid->TopRow(), 1);  // never above the first normal row
  // Leaving the margin stops it; coming back starts over with the first delay.
  grid->DragOver(150, 100, dsDragMove);
  EXPECT_FALSE(grid->DragScrolling());
  grid->DragOver(150, grid->Height() - 10, dsDragMove);
  Driver.Advance(999);
  EXPECT_EQ(grid->TopRow(), 1);
  Driver.Advance(1);
  EXPECT_EQ(grid->TopRow(), 2);
  grid->DragOver(150, grid->Height() - 10, dsDragLeave);
  EXPECT_FALSE(grid->DragScrolling());
}

TEST_F(DragScrollTest, TheEventMayRedirectOrRefuseAndTheOptionMayStopIt) {
  grid->SetTopRow(10);
  int refused = 0;
  grid->OnDragScroll = [&](TObject*, int, int, TDragScrollDirections& Dir, bool& CanScroll) {
    if (refused++ == 0) {
      CanScroll = false;
      return;
    }
    Dir = TDragScrollDirections{dsdRight};
  };
  grid->DragOver(150, 10, dsDragMove);
  Driver.Advance(1000);
  EXPECT_EQ(grid->TopRow(), 10);
  EXPECT_EQ(grid->LeftCol(), 1);
  Driver.Advance(250);
  EXPECT_EQ(grid->TopRow(), 10);
  EXPECT_EQ(grid->LeftCol(), 2);
  grid->DragScrollOptions()->SetActive(false);
  Driver.Advance(250);
  EXPECT_EQ(grid->LeftCol(), 2);
  EXPECT_FALSE(grid->DragScrolling());
}

// ---- wheel-click panning ----

TEST_F(InputTest, AMiddleClickPansUntilAnyPressOrKey) {
  grid->SetRowCount(60);
  Go(2, 3);
  Driver.MouseDown(grid, 100, 50, mbMiddle);
  Driver.MouseUp(grid, 100, 50, mbMiddle);
  ASSERT_TRUE(grid->WheelPanning());
  // Within 5 pixels of the start point nothing moves.
  Driver.MouseMove(grid, 100, 55);
  Driver.Advance(30);
  EXPECT_EQ(Cursor(), (TGridCoord{2, 3}));
  // Below it: one row per 10 ms tick, with the down cursor.
  Driver.MouseMove(grid, 100, 56);
  Driver.Advance(30);
  EXPECT_EQ(Cursor(), (TGridCoord{2, 6}));
  EXPECT_EQ(Screen->Cursor(), 8001);
  // Vertical panning ignores a sideways pointer.
  Driver.MouseMove(grid, 200, 50);
  Driver.Advance(20);
  EXPECT_EQ(Cursor(), (TGridCoord{2, 6}));
  Key(VK_ESCAPE);
  EXPECT_FALSE(grid->WheelPanning());
  Driver.MouseMove(grid, 100, 150);
  Driver.Advance(50);
  EXPECT_EQ(Cursor(), (TGridCoord{2, 6}));
  // With waScroll the view moves and the cursor stays.
  grid->MouseActions()->SetWheelAction(waScroll);
  Driver.Advance(1000);  // a press, not the second half of a double click
  Driver.MouseDown(grid, 120, 50, mbMiddle);
  Driver.MouseUp(grid, 120, 50, mbMiddle);
  ASSERT_TRUE(grid->WheelPanning());
  Driver.MouseMove(grid, 120, 80);
  Driver.Advance(40);
  EXPECT_EQ(grid->TopRow(), 5);
  EXPECT_EQ(Cursor(), (TGridCoord{2, 6}));
  ClickCell(1, 1);
  EXPECT_FALSE(grid->WheelPanning());
  EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST_F(InputTest, NoPanningWithIntelliPanNone) {
  grid->SetRowCount(60);
  grid->SetIntelliPan(ipNone);
  Driver.MouseDown(grid, 100, 50, mbMiddle);
  Driver.MouseUp(grid, 100, 50, mbMiddle);
  EXPECT_FALSE(grid->WheelPanning());
}

}  // namespace
