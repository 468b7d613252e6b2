// Sizing and moving by mouse, selecting by dragging, the auto-scroll timer
// and the drawing loop.

#include "GridFixture.h"

namespace {

TEST_F(GridTest, DraggingALineInTheFixedRowSizesTheColumn) {
  grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
  // Column 1 ends at x = 129; press 2 px left of its line.
  Driver.MouseDown(grid, 127, 10);
  EXPECT_EQ(grid->FGridState, gsColSizing);
  Driver.MouseMove(grid, 107, 10);
  Driver.MouseUp(grid, 107, 10);
  EXPECT_EQ(grid->FGridState, gsNormal);
  EXPECT_EQ(grid->ColWidths(1), 44);
}

TEST_F(GridTest, SizingStateNeedsTheOptionAndTheFixedArea) {
  struct Case {
    TGridOptions Options;
    int X, Y;
    TGridState State;
    int Index;
  };
  const Case cases[] = {
      {{goColSizing}, 129, 10, gsColSizing, 1}, {{goColSizing}, 132, 10, gsColSizing, 1},
      {{goColSizing}, 134, 10, gsNormal, -1},   {{goColSizing}, 129, 40, gsNormal, -1},
      {{}, 129, 10, gsNormal, -1},              {{goRowSizing}, 10, 49, gsRowSizing, 1},
      {{goRowSizing}, 80, 49, gsNormal, -1},    {{goColSizing}, 64, 10, gsNormal, -1},  // fixed column line
  };
  for (const Case& c : cases) {
    grid->SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine} + c.Options);
    TGridState state = gsNormal;
    int index = -1, pos = 0, ofs = 0;
    TGridDrawInfo info;
    grid->CalcSizingState(c.X, c.Y, state, index, pos, ofs, info);
    EXPECT_EQ(state, c.State) << c.X << "," << c.Y;
    EXPECT_EQ(index, c.Index) << c.X << "," << c.Y;
  }
}

TEST_F(GridTest, SizingLinesShowTheSplitCursor) {
  grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
  Driver.MouseMove(grid, 129, 10);
  ASSERT_FALSE(Driver.CursorsSet().empty());
  std::string split = Driver.CursorsSet().back();
  Driver.MouseMove(grid, 100, 40);
  EXPECT_NE(Driver.CursorsSet().back(), split);
}

TEST_F(GridTest, DraggingAFixedCellMovesTheColumn) {
  grid->SetOptions(grid->Options() + TGridOptions{goColMoving});
  grid->SetCells(1, 2, "moving");
  Driver.MouseDown(grid, 90, 10);
  EXPECT_EQ(grid->FGridState, gsColMoving);
  Driver.MouseMove(grid, 150, 10);
  Driver.MouseUp(grid, 150, 10);
  ASSERT_EQ(grid->Moved.size(), 1u);
  EXPECT_EQ(grid->Moved[0], std::make_pair(1, 2));
  EXPECT_EQ(grid->Cells(2, 2), "moving");
  // A press and release in place moves nothing.
  Driver.Click(grid, 90, 10);
  EXPECT_EQ(grid->Moved.size(), 1u);
}

TEST_F(GridTest, DraggingRowsSizesAndMovesThem) {
  grid->SetOptions(grid->Options() + TGridOptions{goRowSizing, goRowMoving});
  grid->SetCells(2, 1, "first");
  // Row 1 ends at y = 49: drag its line down by 10.
  Driver.MouseDown(grid, 10, 49);
  EXPECT_EQ(grid->FGridState, gsRowSizing);
  Driver.MouseMove(grid, 10, 59);
  Driver.MouseUp(grid, 10, 59);
  EXPECT_EQ(grid->RowHeights(1), 34);
  // Drag the fixed cell of row 1 onto row 2.
  TPoint from = Centre(0, 1), to = Centre(0, 2);
  Driver.MouseDown(grid, from.X, from.Y);
  EXPECT_EQ(grid->FGridState, gsRowMoving);
  Driver.MouseMove(grid, to.X, to.Y);
  Driver.MouseUp(grid, to.X, to.Y);
  ASSERT_EQ(grid->Moved.size(), 1u);
  EXPECT_EQ(grid->Moved[0], std::make_pair(1, 2));
  EXPECT_EQ(grid->Cells(2, 2), "first");
  EXPECT_EQ(grid->RowHeights(2), 34);
}

TEST_F(GridTest, TimerOneScrollsWhileMovingAColumn) {
  grid->SetColCount(12);
  grid->SetOptions(grid->Options() + TGridOptions{goColMoving});
  Driver.MouseDown(grid, 90, 10);
  Driver.MouseMove(grid, 199, 10);  // over the partial column at the right edge
  Driver.Advance(60);
  EXPECT_EQ(grid->LeftCol(), 2);
  Driver.MouseUp(grid, 199, 10);
  ASSERT_EQ(grid->Moved.size(), 1u);
  EXPECT_EQ(grid->Moved[0].first, 1);
  EXPECT_GE(grid->Moved[0].second, 3);
}

TEST_F(GridTest, DraggingOverCellsSelectsARange) {
  Driver.MouseDown(grid, 80, 30);
  Driver.MouseMove(grid, 150, 60);
  Driver.MouseUp(grid, 150, 60);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 2}));
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(grid->Clicks, 1);
}

TEST_F(GridTest, TimerOneScrollsWhileSelectingBelowTheCells) {
  grid->SetRowCount(40);
  Driver.MouseDown(grid, 80, 30);
  Driver.MouseMove(grid, 80, 150);  // below the grid
  int top = grid->TopRow();
  Driver.Advance(60);
  EXPECT_EQ(grid->TopRow(), top + 1);
  Driver.Advance(120);
  EXPECT_EQ(grid->TopRow(), top + 3);
  EXPECT_EQ(grid->Row(), grid->TopRow() + grid->VisibleRowCount() - 1);
  Driver.MouseUp(grid, 80, 150);
  int after = grid->TopRow();
  Driver.Advance(300);
  EXPECT_EQ(grid->TopRow(), after);
}

TEST_F(GridTest, PaintDrawsOnlyCellsMeetingTheDirtyArea) {
  grid->SetCol(2);
  grid->SetRow(2);
  FocusGrid();
  grid->Drawn.clear();
  grid->Repaint();
  // A full paint: 4 columns x 4 rows, fixed first, display indexes.
  ASSERT_FALSE(grid->Drawn.empty());
  int cells = 0;
  for (const auto& d : grid->Drawn) {
    if (d.Col == 0 || d.Row == 0) {
      EXPECT_TRUE(d.State.Contains(gdFixed));
    }
    if (d.Col == 2 && d.Row == 2) {
      EXPECT_TRUE(d.State.Contains(gdFocused));
      EXPECT_EQ(d.Rect, grid->CellRect(2, 2));
    }
    ++cells;
  }
  EXPECT_EQ(cells, 16);
  grid->Drawn.clear();
  grid->InvalidateCell(3, 3);
  Driver.Pump();
  ASSERT_EQ(grid->Drawn.size(), 1u);
  EXPECT_EQ(grid->Drawn[0].Col, 3);
  EXPECT_EQ(grid->Drawn[0].Row, 3);
  grid->Drawn.clear();
  grid->Perform(WM_SETREDRAW, 0);
  grid->Invalidate();
  Driver.Pump();
  EXPECT_TRUE(grid->Drawn.empty());
  grid->Perform(WM_SETREDRAW, 1);
}

TEST_F(GridTest, InvalidationIsInClientCoordinatesInsideTheBorder) {
  grid->SetBorderStyle(bsSingle);
  Driver.Pump();
  grid->InvalidateCell(1, 1);
  TRect dirty;
  ASSERT_TRUE(GetUpdateRect(grid->Handle(), dirty));
  EXPECT_EQ(dirty, (TRect{65, 25, 130, 50}));  // the cell and its lines
}

TEST_F(GridTest, SelectedCellsDrawSelectedUnlessFocused) {
  FocusGrid();
  Key(VK_RIGHT, {ssShift});
  grid->Drawn.clear();
  grid->Repaint();
  Driver.Pump();
  for (const auto& d : grid->Drawn) {
    if (d.Row == 1 && d.Col == 1) {
      EXPECT_TRUE(d.State.Contains(gdSelected));
    }
    if (d.Row == 1 && d.Col == 2) {
      EXPECT_TRUE(d.State.Contains(gdFocused));
      EXPECT_FALSE(d.State.Contains(gdSelected));
    }
    if (d.Row == 2) {
      EXPECT_FALSE(d.State.Contains(gdSelected));
    }
  }
}

TEST_F(GridTest, ScreenshotOfASmallGridWithAnEditor) {
  grid->SetBorderStyle(bsSingle);
  grid->SetScrollBars(ssBoth);
  grid->SetBounds(10, 10, 330, 160);
  grid->SetRowCount(12);
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  for (int c = 0; c < 5; ++c) grid->SetCells(c, 0, "Head " + std::to_string(c));
  for (int r = 1; r < 12; ++r) grid->SetCells(0, r, "Row " + std::to_string(r));
  grid->SetCells(1, 1, "one");
  grid->SetCells(2, 2, "two");
  FocusGrid();
  Key(VK_DOWN);
  Key(VK_RIGHT, {ssShift});
  Key(VK_DOWN, {ssShift});
  grid->SetSelection({1, 2, 2, 3});
  grid->FocusCell(2, 2, false);
  Key(VK_F2);
  Driver.Pump();
  EXPECT_FALSE(Driver.Screenshot(form, "base_grid.png").empty());
}

TEST_F(GridTest, ScreenshotOfRowSelectWhileSizingAColumn) {
  grid->SetBounds(10, 10, 330, 160);
  grid->SetOptions(grid->Options() + TGridOptions{goRowSelect, goColSizing});
  for (int r = 1; r < 5; ++r) grid->SetCells(1, r, "item " + std::to_string(r));
  grid->SetRow(2);
  Driver.MouseDown(grid, 129, 10);
  Driver.MouseMove(grid, 160, 10);
  EXPECT_EQ(grid->FGridState, gsColSizing);
  EXPECT_FALSE(Driver.Screenshot(form, "base_grid_rowselect.png").empty());
  Driver.MouseUp(grid, 160, 10);
  EXPECT_EQ(grid->ColWidths(1), 95);
}

}  // namespace
