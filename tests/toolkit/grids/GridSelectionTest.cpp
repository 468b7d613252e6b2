// The cursor, the selection, SelectCell refusal, row selection and the keyboard.

#include "GridFixture.h"

namespace {

TEST_F(GridTest, RefusedSelectCellKeepsColAndRow) {
  grid->OnSelectCell = [](TObject*, int c, int r, bool& can) { can = !(c == 3 && r == 2); };
  grid->SetCol(3);
  EXPECT_EQ(grid->Col(), 3);
  grid->SetRow(2);
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_EQ(grid->Selection(), (TGridRect{3, 1, 3, 1}));
}

TEST_F(GridTest, MoveCurrentOutOfRangeRaises) {
  EXPECT_THROW(grid->MoveColRow(5, 1, true, true), EInvalidGridOperation);
  EXPECT_THROW(grid->MoveColRow(1, -1, true, true), EInvalidGridOperation);
}

TEST_F(GridTest, RowSelectKeepsColAtFixedColsAndSpansTheRow) {
  grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
  grid->SetCol(3);
  EXPECT_EQ(grid->Col(), 1);
  grid->SetRow(3);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 3, 4, 3}));
  FocusGrid();
  Key(VK_RIGHT);
  EXPECT_EQ(grid->Row(), 4);
  EXPECT_EQ(grid->Col(), 1);
  Key(VK_LEFT);
  EXPECT_EQ(grid->Row(), 3);
}

TEST_F(GridTest, SelectionWriteSetsAnchorAndCursorAsGiven) {
  grid->SetCol(3);
  grid->SetRow(2);
  int selects = 0;
  grid->OnSelectCell = [&](TObject*, int, int, bool&) { ++selects; };
  grid->SetSelection({3, 2, 1, 2});
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 3, 2}));
  EXPECT_EQ(selects, 0);
  EXPECT_EQ(grid->Clicks, 2);  // the two writes before, not the selection
}

TEST_F(GridTest, MoveColRowDoesNotClick) {
  grid->MoveColRow(2, 2, true, true);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Clicks, 0);
}

TEST_F(GridTest, RangeSelectionNeedsGoRangeSelect) {
  FocusGrid();
  Key(VK_RIGHT, {ssShift});
  Key(VK_DOWN, {ssShift});
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 2}));
  grid->SetOptions(grid->Options() - TGridOptions{goRangeSelect});
  Key(VK_RIGHT, {ssShift});
  EXPECT_EQ(grid->Selection(), (TGridRect{3, 2, 3, 2}));
}

// ---- every cursor move ends in Click ----

struct MoveCase {
  const char* Name;
  std::function<void(GridTest&, TProbeGrid*)> Act;
  int Col, Row;
};

class EveryMoveClicks : public GridTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(EveryMoveClicks, OnceAtTheEnd) {
  FocusGrid();
  grid->Clicks = 0;
  GetParam().Act(*this, grid);
  EXPECT_EQ(grid->Col(), GetParam().Col);
  EXPECT_EQ(grid->Row(), GetParam().Row);
  EXPECT_EQ(grid->Clicks, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Dispatch, EveryMoveClicks,
    ::testing::Values(MoveCase{"SetCol", [](GridTest&, TProbeGrid* g) { g->SetCol(2); }, 2, 1},
                      MoveCase{"SetRow", [](GridTest&, TProbeGrid* g) { g->SetRow(3); }, 1, 3},
                      MoveCase{"FocusCell", [](GridTest&, TProbeGrid* g) { g->FocusCell(3, 2, true); }, 3, 2},
                      MoveCase{"KeyRight", [](GridTest& t, TProbeGrid*) { t.Driver.PressKey(VK_RIGHT); }, 2, 1},
                      MoveCase{"KeyEnd", [](GridTest& t, TProbeGrid*) { t.Driver.PressKey(VK_END); }, 4, 1},
                      MoveCase{"MouseClick", [](GridTest& t, TProbeGrid* g) {
                                 TRect r = g->CellRect(2, 3);
                                 t.Driver.Click(g, r.Left + 5, r.Top + 5);
                               }, 2, 3}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---- keys ----

struct KeyCase {
  const char* Name;
  TGridOptions Extra;
  int StartCol, StartRow;
  uint16_t Key;
  TShiftState Shift;
  int Col, Row;
};

class GridKeyTest : public GridTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(GridKeyTest, MovesTheCursor) {
  const KeyCase& c = GetParam();
  grid->SetRowCount(30);
  grid->SetColCount(8);
  grid->SetOptions(grid->Options() + c.Extra);
  grid->FocusCell(c.StartCol, c.StartRow, true);
  FocusGrid();
  Key(c.Key, c.Shift);
  EXPECT_EQ(grid->Col(), c.Col);
  EXPECT_EQ(grid->Row(), c.Row);
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, GridKeyTest,
    ::testing::Values(KeyCase{"Down", {}, 2, 2, VK_DOWN, {}, 2, 3}, KeyCase{"UpStopsAtFixed", {}, 2, 1, VK_UP, {}, 2, 1},
                      KeyCase{"Left", {}, 2, 2, VK_LEFT, {}, 1, 2}, KeyCase{"Right", {}, 2, 2, VK_RIGHT, {}, 3, 2},
                      KeyCase{"RightStopsAtLast", {}, 7, 2, VK_RIGHT, {}, 7, 2},
                      KeyCase{"Home", {}, 4, 5, VK_HOME, {}, 1, 5}, KeyCase{"End", {}, 2, 5, VK_END, {}, 7, 5},
                      KeyCase{"HomeRowSelect", {goRowSelect}, 1, 9, VK_HOME, {}, 1, 1},
                      KeyCase{"EndRowSelect", {goRowSelect}, 1, 9, VK_END, {}, 1, 29},
                      KeyCase{"CtrlHome", {}, 4, 9, VK_HOME, {ssCtrl}, 1, 1},
                      KeyCase{"CtrlEnd", {}, 2, 2, VK_END, {ssCtrl}, 7, 29},
                      KeyCase{"PageDown", {}, 2, 1, VK_NEXT, {}, 2, 4},
                      KeyCase{"CtrlPageDown", {}, 2, 1, VK_NEXT, {ssCtrl}, 2, 3},
                      KeyCase{"CtrlRightPagesSideways", {}, 1, 2, VK_RIGHT, {ssCtrl}, 3, 2},
                      KeyCase{"CtrlRightNotInRowSelect", {goRowSelect}, 1, 2, VK_RIGHT, {ssCtrl}, 1, 2},
                      KeyCase{"CtrlUpScrollsOnly", {}, 2, 5, VK_UP, {ssCtrl}, 2, 5},
                      KeyCase{"ShiftDownExtends", {}, 2, 2, VK_DOWN, {ssShift}, 2, 3},
                      KeyCase{"TabWithoutGoTabsStays", {}, 2, 2, VK_TAB, {}, 2, 2},
                      KeyCase{"Tab", {goTabs}, 2, 2, VK_TAB, {}, 3, 2},
                      KeyCase{"TabWrapsRow", {goTabs}, 7, 2, VK_TAB, {}, 1, 3},
                      KeyCase{"ShiftTabWrapsBack", {goTabs}, 1, 3, VK_TAB, {ssShift}, 7, 2}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(GridTest, ZeroKeyInOnKeyDownStopsNavigation) {
  std::vector<int> seenAt;
  grid->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) {
    seenAt.push_back(grid->Row());
    if (key == VK_DOWN) key = 0;
  };
  FocusGrid();
  Key(VK_DOWN);
  EXPECT_EQ(grid->Row(), 1);
  Key(VK_RIGHT);
  EXPECT_EQ(grid->Col(), 2);
  // The event saw the cursor before the move.
  EXPECT_EQ(seenAt, (std::vector<int>{1, 1}));
}

TEST_F(GridTest, CtrlUpAndDownScrollWithoutMovingTheCursor) {
  grid->SetRowCount(30);
  FocusGrid();
  Key(VK_DOWN, {ssCtrl});
  Key(VK_DOWN, {ssCtrl});
  EXPECT_EQ(grid->TopRow(), 3);
  EXPECT_EQ(grid->Row(), 1);
  Key(VK_UP, {ssCtrl});
  EXPECT_EQ(grid->TopRow(), 2);
  EXPECT_EQ(grid->Clicks, 0);
}

TEST_F(GridTest, PageDownScrollsWithTheCursor) {
  grid->SetRowCount(30);
  FocusGrid();
  Key(VK_NEXT);
  EXPECT_EQ(grid->TopRow(), 4);
  EXPECT_EQ(grid->Row(), 4);
  Key(VK_DOWN, {ssCtrl});
  EXPECT_EQ(grid->TopRow(), 5);
  EXPECT_EQ(grid->Row(), 4);
}

TEST_F(GridTest, MovingDownPastTheLastFullRowScrollsIt) {
  grid->SetRowCount(30);
  FocusGrid();
  for (int i = 0; i < 3; ++i) Key(VK_DOWN);
  EXPECT_EQ(grid->Row(), 4);
  EXPECT_EQ(grid->TopRow(), 2);
  TRect r = grid->CellRect(4, 4);
  EXPECT_LE(r.Bottom, grid->ClientHeight());
}

}  // namespace
