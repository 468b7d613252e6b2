#include "tests/grid/core/InputFixture.h"

TEST_F(InputTest, AClickSelectsTheCellAndReportsIt) {
  std::vector<TGridCoord> clicked;
  grid->OnClickCell = [&](TObject*, int ARow, int ACol) { clicked.push_back({ACol, ARow}); };
  ClickCell(3, 4);
  EXPECT_EQ(Cursor(), (TGridCoord{3, 4}));
  EXPECT_EQ(clicked, (std::vector<TGridCoord>{{3, 4}}));
}

TEST_F(InputTest, ARefusedPressChangesNothing) {
  int clicks = 0;
  grid->OnClickCell = [&](TObject*, int, int) { ++clicks; };
  grid->OnCanClickCell = [](TObject*, int, int, bool& Allow) { Allow = false; };
  Go(1, 1);
  ClickCell(3, 4);
  EXPECT_EQ(Cursor(), (TGridCoord{1, 1}));
  EXPECT_EQ(clicks, 0);
}

TEST_F(InputTest, ShiftClickExtendsTheRange) {
  ClickCell(1, 2);
  ClickCell(3, 4, {ssShift});
  EXPECT_EQ(NormalizedGridRect(grid->Selection()), (TGridRect{1, 2, 3, 4}));
}

TEST_F(InputTest, ADragSelectsARangeAndNotifiesOnce) {
  std::vector<TGridRect> seen;
  grid->OnSelectionChanged = [&](TObject*, int L, int T, int R, int B) { seen.push_back({L, T, R, B}); };
  TRect a = grid->CellRect(1, 1), b = grid->CellRect(3, 3);
  Driver.MouseDown(grid, a.Left + 5, a.Top + 5);
  Driver.MouseMove(grid, b.Left + 5, b.Top + 5);
  Driver.MouseUp(grid, b.Left + 5, b.Top + 5);
  EXPECT_EQ(NormalizedGridRect(grid->Selection()), (TGridRect{1, 1, 3, 3}));
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(NormalizedGridRect(seen.back()), (TGridRect{1, 1, 3, 3}));
}

TEST_F(InputTest, DisjunctCellsArePickedAndDroppedByCtrlClick) {
  grid->MouseActions()->SetDisjunctCellSelect(true);
  ClickCell(2, 3);
  ClickCell(4, 5, {ssCtrl});
  EXPECT_TRUE(grid->IsSelected(2, 3));
  EXPECT_TRUE(grid->IsSelected(4, 5));
  ClickCell(2, 3, {ssCtrl});
  EXPECT_FALSE(grid->IsSelected(2, 3));
  EXPECT_EQ(grid->SelectedCellsCount(), 1);
  EXPECT_EQ(grid->SelectedCell(0), (TGridCoord{4, 5}));
  ClickCell(1, 1);  // a plain click starts again
  EXPECT_EQ(grid->SelectedCellsCount(), 1);
  EXPECT_EQ(grid->SelectedCell(0), (TGridCoord{1, 1}));
}

TEST_F(InputTest, DirectEditOpensTheEditorOnThePress) {
  Options({goEditing});
  grid->MouseActions()->SetDirectEdit(true);
  ClickCell(2, 3);
  EXPECT_EQ(Cursor(), (TGridCoord{2, 3}));
  EXPECT_TRUE(grid->EditorMode());
}

TEST_F(InputTest, APressNearAColumnBorderDoesNotOpenTheEditor) {
  Options({goEditing});
  grid->MouseActions()->SetDirectEdit(true);
  ClickCell(2, 3, {}, 2, 10);
  EXPECT_FALSE(grid->EditorMode());
}

TEST_F(InputTest, HeaderReleaseSortsOnlyOnARealHeaderClick) {
  ClickCell(2, 0, {}, 20, 10);
  EXPECT_EQ(grid->Sorts, (std::vector<int>{2}));
  // Pressed on a normal row, released on the header: no sort.
  TRect n = grid->CellRect(2, 3), h = grid->CellRect(2, 0);
  Driver.MouseDown(grid, n.Left + 20, n.Top + 5);
  Driver.MouseUp(grid, h.Left + 20, h.Top + 5);
  EXPECT_EQ(grid->Sorts.size(), 1u);
  // On a border with column sizing: no sort.
  Options({goColSizing});
  ClickCell(2, 0, {}, 62, 10);
  EXPECT_EQ(grid->Sorts.size(), 1u);
  ClickCell(2, 0, {}, 30, 10);
  EXPECT_EQ(grid->Sorts.size(), 2u);
  // A grid of two rows never sorts.
  grid->SetRowCount(2);
  ClickCell(3, 0, {}, 30, 10);
  EXPECT_EQ(grid->Sorts.size(), 2u);
}

TEST_F(InputTest, DoubleClickOnAHeaderBorderAutoSizesTheColumnWithoutSorting) {
  Options({goColSizing});
  grid->Font()->SetHeight(-16);  // 8 pixels per character
  grid->FixedFont()->SetHeight(-16);
  grid->SetCells(2, 0, "Head");
  grid->SetCells(2, 3, "A longer text");  // 13 characters: 104 pixels
  int ended = -1;
  grid->OnEndColumnSize = [&](TObject*, int ACol) { ended = ACol; };
  TRect h = grid->CellRect(2, 0);
  Driver.DoubleClick(grid, h.Right - 1, h.Top + 5);
  // 104 + margins 2 * 2 + lines 2 * 1 + 2.
  EXPECT_EQ(grid->ColWidths(2), 112);
  EXPECT_EQ(ended, 2);
  EXPECT_TRUE(grid->Sorts.empty());
}

TEST_F(InputTest, ADoubleClickOutsideTheCellsOnlyReportsIt) {
  grid->SetColCount(3);
  std::vector<TGridCoord> cells;
  grid->OnDblClickCell = [&](TObject*, int ARow, int ACol) { cells.push_back({ACol, ARow}); };
  Driver.DoubleClick(grid, 300, 100);
  EXPECT_EQ(cells, (std::vector<TGridCoord>{{-1, 4}}));
  EXPECT_EQ(grid->ColWidths(2), 64);
  EXPECT_EQ(Cursor(), (TGridCoord{1, 1}));
}

TEST_F(InputTest, ADoubleClickJustRightOfTheLastColumnAutoSizesIt) {
  Options({goColSizing});
  grid->SetColCount(3);
  grid->Font()->SetHeight(-16);
  grid->SetCells(2, 1, "abc");  // 24 pixels
  Driver.DoubleClick(grid, 3 * 64 + 1, 100);
  EXPECT_EQ(grid->ColWidths(2), 24 + 8);
}

TEST_F(InputTest, FixedColumnSizingByTheMouseIsClampedAndReported) {
  grid->MouseActions()->SetSizeFixedCol(true);
  int ended = -1;
  grid->OnEndColumnSize = [&](TObject*, int ACol) { ended = ACol; };
  Driver.MouseMove(grid, 64, 30);
  Driver.MouseDown(grid, 64, 30);
  Driver.MouseMove(grid, 90, 30);
  Driver.MouseUp(grid, 90, 30);
  EXPECT_EQ(grid->ColWidths(0), 90);
  EXPECT_EQ(ended, 0);
  // Released left of the grid: the width stops at 0.
  Driver.Advance(1000);
  Driver.MouseMove(grid, 90, 30);
  Driver.MouseDown(grid, 90, 30);
  Driver.MouseUp(grid, -20, 30);
  EXPECT_EQ(grid->ColWidths(0), 0);
}

TEST_F(InputTest, AHandlerMayChangeTheSizeOfAFixedColumn) {
  grid->MouseActions()->SetSizeFixedCol(true);
  grid->OnUpdateColumnSize = [](TObject*, int, int& W) { W = 50; };
  Driver.MouseMove(grid, 64, 30);
  Driver.MouseDown(grid, 64, 30);
  Driver.MouseUp(grid, 90, 30);
  EXPECT_EQ(grid->ColWidths(0), 50);
}

TEST_F(InputTest, RightClickSelectsWhenAsked) {
  std::vector<TGridCoord> right;
  grid->OnRightClickCell = [&](TObject*, int ARow, int ACol) { right.push_back({ACol, ARow}); };
  TRect r = grid->CellRect(3, 5);
  Driver.RightClick(grid, r.Left + 10, r.Top + 10);
  EXPECT_EQ(Cursor(), (TGridCoord{1, 1}));
  Driver.Advance(1000);  // not a double click
  grid->MouseActions()->SetSelectOnRightClick(true);
  Driver.RightClick(grid, r.Left + 10, r.Top + 10);
  EXPECT_EQ(Cursor(), (TGridCoord{3, 5}));
  EXPECT_EQ(right.size(), 2u);
}

TEST_F(InputTest, WebLinksOpenAndOtherLinksAreRefused) {
  grid->SetURLShow(true);
  grid->SetCells(2, 2, "https://example.org/help");
  grid->SetCells(3, 3, "file:///etc/passwd");
  std::string clickedAnchor;
  grid->OnAnchorClick = [&](TObject*, int, int, const std::string& Anchor, bool&) { clickedAnchor = Anchor; };
  ClickCell(2, 2);
  EXPECT_EQ(clickedAnchor, "https://example.org/help");
  EXPECT_EQ(Driver.LinksOpened(), (std::vector<std::string>{"https://example.org/help"}));
  Driver.ExpectMessage("", mrOk);
  ClickCell(3, 3);
  EXPECT_EQ(Driver.LinksOpened().size(), 1u);
}

TEST_F(InputTest, AnAnchorHandlerMayKeepTheLinkClosed) {
  grid->SetURLShow(true);
  grid->SetCells(2, 2, "https://example.org/");
  grid->OnAnchorClick = [](TObject*, int, int, const std::string&, bool& AutoHandle) { AutoHandle = false; };
  ClickCell(2, 2);
  EXPECT_TRUE(Driver.LinksOpened().empty());
}

TEST_F(InputTest, RowPickOverTheFixedColumn) {
  grid->MouseActions()->SetRowSelect(true);
  TRect r = grid->CellRect(0, 3);
  Driver.MouseMove(grid, r.Left + 10, r.Top + 10);
  EXPECT_EQ(grid->MouseSelectMode(), msRow);
  Driver.MouseDown(grid, r.Left + 10, r.Top + 10);
  TRect r5 = grid->CellRect(0, 5);
  Driver.MouseMove(grid, r5.Left + 10, r5.Top + 10);
  Driver.MouseUp(grid, r5.Left + 10, r5.Top + 10);
  EXPECT_EQ(NormalizedGridRect(grid->Selection()), (TGridRect{1, 3, 4, 5}));
  EXPECT_EQ(grid->MouseSelectMode(), msNormal);  // the release ends the pick
}

TEST_F(InputTest, HoverRowRepaintsTheRowsItLeavesAndEnters) {
  grid->SetHoverRow(true);
  TRect a = grid->CellRect(2, 3), b = grid->CellRect(2, 4);
  Driver.MouseMove(grid, a.Left + 5, a.Top + 5);
  Driver.MouseMove(grid, b.Left + 5, b.Top + 5);
  EXPECT_EQ(grid->FHoverRowIdx, 4);
}

TEST_F(InputTest, APressOnAPartlyVisibleRowNeedNotScroll) {
  grid->SetRowCount(20);
  grid->SetBounds(0, 0, 320, 180);  // row 7 shows 12 of its 24 pixels
  grid->MouseActions()->SetNoScrollOnPartialRow(true);
  std::vector<TGridCoord> clicked;
  grid->OnClickCell = [&](TObject*, int ARow, int ACol) { clicked.push_back({ACol, ARow}); };
  Driver.MouseDown(grid, 100, 175);
  EXPECT_EQ(grid->TopRow(), 1);
  EXPECT_EQ(grid->GridState(), gsNormal);  // the range selection the press began is over
  EXPECT_EQ(Cursor(), (TGridCoord{1, 7}));
  Driver.MouseUp(grid, 100, 175);
  EXPECT_EQ(clicked, (std::vector<TGridCoord>{{1, 7}}));
}
