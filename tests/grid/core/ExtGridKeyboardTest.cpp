#include <functional>

#include "tests/grid/core/InputFixture.h"

namespace {
struct Press {
  uint16_t Key;
  TShiftState Shift;
};

struct KeyCase {
  const char* Name;
  std::function<void(TInputGrid*)> Setup;
  TGridCoord Start;
  std::vector<Press> Keys;
  TGridCoord Want;
  TGridRect WantSel{-1, -1, -1, -1};  // -1: the single cursor cell
};
}  // namespace

// Cursor (and selection) after key sequences, in a 5 x 8 grid with one fixed
// row and column: normal cells (1..4, 1..7).
TEST_F(InputTest, KeySequencesMoveTheCursor) {
  auto none = [](TInputGrid*) {};
  auto homeEnd = [](THomeEndAction a) { return [a](TInputGrid* g) { g->Navigation()->SetHomeEndKey(a); }; };
  auto advance = [](TCursorAdvance a) { return [a](TInputGrid* g) { g->Navigation()->SetCursorAdvance(a); }; };
  auto tabs = [](TInputGrid* g) {
    TGridOptions o = g->Options();
    o.Include(goTabs);
    g->SetOptions(o);
  };
  const KeyCase cases[] = {
      {"End goes to the last column", none, {2, 3}, {{VK_END, {}}}, {4, 3}},
      {"Home goes to the first selectable column", none, {3, 3}, {{VK_HOME, {}}}, {1, 3}},
      {"Ctrl+Home goes to the first cell", none, {3, 5}, {{VK_HOME, {ssCtrl}}}, {1, 1}},
      {"Shift+End selects to the last normal column", none, {2, 3}, {{VK_END, {ssShift}}}, {4, 3}, {2, 3, 4, 3}},
      {"Shift+Home selects to the first column", none, {3, 3}, {{VK_HOME, {ssShift}}}, {1, 3}, {1, 3, 3, 3}},
      {"cell mode: End is the last cell", homeEnd(heFirstLastCell), {2, 3}, {{VK_END, {}}}, {4, 7}},
      {"cell mode: Home is the first cell", homeEnd(heFirstLastCell), {3, 6}, {{VK_HOME, {}}}, {1, 1}},
      {"row mode: End is the last row", homeEnd(heFirstLastRow), {2, 3}, {{VK_END, {}}}, {2, 7}},
      {"row mode: Home is the first row", homeEnd(heFirstLastRow), {2, 6}, {{VK_HOME, {}}}, {2, 1}},
      {"arrows stop at the edges", none, {4, 7}, {{VK_RIGHT, {}}, {VK_DOWN, {}}}, {4, 7}},
      {"loop: Right at the end wraps in the row", advance(caLoop), {4, 3}, {{VK_RIGHT, {}}}, {1, 3}},
      {"loop: Left at the start wraps in the row", advance(caLoop), {1, 3}, {{VK_LEFT, {}}}, {4, 3}},
      {"snake: Right at the end goes on in the next row", advance(caSnake), {4, 3}, {{VK_RIGHT, {}}}, {1, 4}},
      {"snake: Down at the bottom goes on in the next column", advance(caSnake), {2, 7}, {{VK_DOWN, {}}}, {3, 1}},
      {"loop: Up at the top wraps in the column", advance(caLoop), {2, 1}, {{VK_UP, {}}}, {2, 7}},
      {"Tab moves along the row", tabs, {1, 1}, {{VK_TAB, {}}}, {2, 1}},
      {"Tab at the row's end goes to the next row", tabs, {4, 1}, {{VK_TAB, {}}}, {1, 2}},
      {"Tab in the last cell wraps to the first", tabs, {4, 7}, {{VK_TAB, {}}}, {1, 1}},
      {"Shift+Tab in the first cell wraps to the last", tabs, {1, 1}, {{VK_TAB, {ssShift}}}, {4, 7}},
      {"Shift+Tab moves back", tabs, {3, 2}, {{VK_TAB, {ssShift}}, {VK_TAB, {ssShift}}}, {1, 2}},
      {"Tab down the column", [&](TInputGrid* g) { tabs(g); g->Navigation()->SetTabAdvanceDirection(adTopBottom); },
       {2, 7}, {{VK_TAB, {}}}, {3, 1}},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.Name);
    SetUp();
    c.Setup(grid);
    Go(c.Start.X, c.Start.Y);
    for (const Press& p : c.Keys) Key(p.Key, p.Shift);
    EXPECT_EQ(Cursor(), c.Want);
    TGridRect want = c.WantSel.Left < 0 ? TGridRect{c.Want.X, c.Want.Y, c.Want.X, c.Want.Y} : c.WantSel;
    EXPECT_EQ(NormalizedGridRect(grid->Selection()), want);
  }
}

TEST_F(InputTest, ScrollOnlyModeMovesTheViewNotTheCursor) {
  grid->SetRowCount(40);
  grid->Navigation()->SetMoveScrollOnly(true);
  int fired = 0;
  grid->OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { ++fired; };
  Go(2, 3);
  Key(VK_DOWN);
  EXPECT_EQ(grid->TopRow(), 2);
  Key(VK_END);
  int lastTop = grid->TopRow();
  EXPECT_EQ(lastTop, 40 - grid->VisibleRowCount());
  Key(VK_DOWN);  // at the end: nothing more
  EXPECT_EQ(grid->TopRow(), lastTop);
  Key(VK_HOME);
  EXPECT_EQ(grid->TopRow(), 1);
  EXPECT_EQ(Cursor(), (TGridCoord{2, 3}));
  EXPECT_EQ(fired, 0);
}

TEST_F(InputTest, ScrollOnlyEndInAGridTallerThanItsRowsStaysOffTheFixedRows) {
  grid->SetRowCount(3);
  grid->Navigation()->SetMoveScrollOnly(true);
  Key(VK_END);
  EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(InputTest, HomeWithNoSelectableColumnLeavesTheCursor) {
  Go(3, 2);
  grid->OnSelectCell = [](TObject*, int, int, bool& Can) { Can = false; };
  Key(VK_HOME);
  EXPECT_EQ(Cursor(), (TGridCoord{3, 2}));
  Key(VK_HOME, {ssCtrl});
  EXPECT_EQ(Cursor(), (TGridCoord{3, 2}));
}

TEST_F(InputTest, TabWithNothingSelectableStaysPut) {
  Options({goTabs});
  Go(2, 2);
  grid->OnSelectCell = [](TObject*, int, int, bool& Can) { Can = false; };
  Key(VK_TAB);
  EXPECT_EQ(Cursor(), (TGridCoord{2, 2}));
  Key(VK_TAB, {ssShift});
  EXPECT_EQ(Cursor(), (TGridCoord{2, 2}));
}

TEST_F(InputTest, TabSkipsCellsThatCannotBeSelected) {
  Options({goTabs});
  grid->OnSelectCell = [](TObject*, int ACol, int ARow, bool& Can) { Can = !(ACol == 2 && ARow == 1); };
  Go(1, 1);
  Key(VK_TAB);
  EXPECT_EQ(Cursor(), (TGridCoord{3, 1}));
}

TEST_F(InputTest, TabChangedByOnKeyDownStopsTheAdvance) {
  Options({goTabs});
  Go(1, 1);
  grid->OnKeyDown = [](TObject*, uint16_t& Key, TShiftState) {
    if (Key == VK_TAB) Key = 0;
  };
  Key(VK_TAB);
  EXPECT_EQ(Cursor(), (TGridCoord{1, 1}));
}

TEST_F(InputTest, TabPastTheEndAppendsARowWhenAllowed) {
  Options({goTabs});
  grid->Navigation()->SetAdvanceInsert(true);
  int added = -1;
  grid->OnAutoAddRow = [&](TObject*, int ARow) { added = ARow; };
  Go(4, 7);
  Key(VK_TAB);
  EXPECT_EQ(grid->RowCount(), 9);
  EXPECT_EQ(Cursor(), (TGridCoord{1, 8}));
  EXPECT_EQ(added, 8);
  // Refused: the cursor wraps to the first normal row instead.
  grid->OnCanAddRow = [](TObject*, bool& Can) { Can = false; };
  Go(4, 8);
  Key(VK_TAB);
  EXPECT_EQ(grid->RowCount(), 9);
  EXPECT_EQ(Cursor(), (TGridCoord{1, 1}));
}

TEST_F(InputTest, AppendOnArrowDownAddsExactlyOneRow) {
  grid->Navigation()->SetAppendOnArrowDown(true);
  grid->SetCells(2, 7, "last");
  Go(2, 7);
  Key(VK_DOWN);
  EXPECT_EQ(grid->RowCount(), 9);
  EXPECT_EQ(Cursor(), (TGridCoord{2, 8}));
  EXPECT_EQ(grid->Cells(2, 8), "");
  EXPECT_EQ(grid->Cells(2, 7), "last");
}

TEST_F(InputTest, SkipFixedCellsWalksOverCellsThatReportThemselvesFixed) {
  grid->OnIsFixedCell = [](TObject*, int ARow, int ACol, bool& IsFixed) { IsFixed = ACol == 2 || ARow == 3; };
  Go(1, 2);
  Key(VK_RIGHT);
  EXPECT_EQ(Cursor(), (TGridCoord{3, 2}));
  Key(VK_DOWN);
  EXPECT_EQ(Cursor(), (TGridCoord{3, 4}));
  Key(VK_LEFT);  // column 2 fixed in this row too; column 1 takes it
  EXPECT_EQ(Cursor(), (TGridCoord{1, 4}));
}

TEST_F(InputTest, CtrlASelectsTheNormalCells) {
  Go(2, 2);
  Key('A', {ssCtrl});
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 4, 7}));
  // Without range or row selection nothing is selected.
  SetUp();
  TGridOptions o = grid->Options();
  o.Exclude(goRangeSelect);
  grid->SetOptions(o);
  Go(2, 2);
  Key('A', {ssCtrl});
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 2, 2, 2}));
}

TEST_F(InputTest, InsertAndDeleteRowsByKey) {
  grid->Navigation()->SetAllowInsertRow(true);
  grid->Navigation()->SetAllowDeleteRow(true);
  for (int r = 1; r < 8; ++r) grid->SetCells(1, r, "r" + std::to_string(r));
  Go(1, 3);
  Key(VK_INSERT);  // before: the cursor stays on the new empty row
  EXPECT_EQ(grid->RowCount(), 9);
  EXPECT_EQ(grid->Cells(1, 3), "");
  EXPECT_EQ(grid->Cells(1, 4), "r3");
  EXPECT_EQ(Cursor(), (TGridCoord{1, 3}));
  EXPECT_TRUE(grid->GridModified());
  grid->Navigation()->SetInsertPosition(pInsertAfter);
  Go(1, 8);
  Key(VK_INSERT);  // after the last normal row: the cursor enters the new row
  EXPECT_EQ(grid->RowCount(), 10);
  EXPECT_EQ(Cursor(), (TGridCoord{1, 9}));
  // Delete, refused and then allowed.
  bool allow = false;
  grid->OnCanDeleteRow = [&](TObject*, int, bool& Can) { Can = allow; };
  Go(1, 4);
  Key(VK_DELETE);
  EXPECT_EQ(grid->RowCount(), 10);
  allow = true;
  Key(VK_DELETE);
  EXPECT_EQ(grid->RowCount(), 9);
  EXPECT_EQ(grid->Cells(1, 4), "r4");
}

TEST_F(InputTest, InsertWithAltOrCtrlDoesNothing) {
  grid->Navigation()->SetAllowInsertRow(true);
  Go(1, 3);
  Key(VK_INSERT, {ssCtrl});
  Key(VK_INSERT, {ssAlt});
  EXPECT_EQ(grid->RowCount(), 8);
}

// Inside an outline the keys insert and remove child rows, so the node's
// span follows; each key tells its event once, with the real row.
TEST_F(InputTest, InsertAndDeleteByKeyKeepTheOutline) {
  grid->Navigation()->SetAllowInsertRow(true);
  grid->Navigation()->SetAllowDeleteRow(true);
  for (int r = 1; r < 8; ++r) grid->SetCells(1, r, "r" + std::to_string(r));
  grid->AddNode(2, 3);  // rows 3 and 4 are its children
  std::vector<std::string> told;
  grid->OnAutoInsertRow = [&](TObject*, int ARow) { told.push_back("ins " + std::to_string(ARow)); };
  grid->OnAutoDeleteRow = [&](TObject*, int ARow) { told.push_back("del " + std::to_string(ARow)); };
  Go(1, 3);
  Key(VK_INSERT);
  EXPECT_EQ(grid->GetNodeSpan(2), 4);
  EXPECT_EQ(grid->Cells(1, 4), "r3");
  Key(VK_DELETE);
  EXPECT_EQ(grid->GetNodeSpan(2), 3);
  EXPECT_EQ(grid->Cells(1, 3), "r3");
  Go(1, 6);
  Key(VK_DELETE);  // a row outside the node
  EXPECT_EQ(grid->GetNodeSpan(2), 3);
  EXPECT_EQ(grid->Cells(1, 6), "r7");
  EXPECT_EQ(told, (std::vector<std::string>{"ins 3", "del 3", "del 6"}));
}

// With a hidden row above the cursor the new row still lands at the cursor.
TEST_F(InputTest, InsertAndDeleteByKeyBelowAHiddenRow) {
  grid->Navigation()->SetAllowInsertRow(true);
  grid->Navigation()->SetAllowDeleteRow(true);
  for (int r = 1; r < 8; ++r) grid->SetCells(1, r, "r" + std::to_string(r));
  grid->HideRow(2);
  Go(1, 3);  // r4
  Key(VK_INSERT);
  EXPECT_EQ(grid->Cells(1, 3), "");
  EXPECT_EQ(grid->Cells(1, 4), "r4");
  Go(1, 4);
  Key(VK_DELETE);
  EXPECT_EQ(grid->Cells(1, 4), "r5");
  grid->UnHideRowsAll();
  std::string shown;
  for (int r = 1; r < grid->RowCount(); ++r) shown += grid->Cells(1, r) + ",";
  EXPECT_EQ(shown, "r1,r2,r3,,r5,r6,r7,");
}

// Which modifiers let Insert and Delete change rows; the clipboard keys
// take Ctrl+Insert and Shift+Delete when their shortcuts are on.
TEST_F(InputTest, ModifiersOfTheRowKeys) {
  struct Case {
    const char* Name;
    uint16_t Key;
    TShiftState Shift;
    bool Shortcuts;
    int WantRows;
    std::vector<std::string> WantClipboard;
  };
  const Case cases[] = {
      {"Insert", VK_INSERT, {}, false, 9, {}},
      {"Shift+Insert", VK_INSERT, {ssShift}, false, 8, {}},
      {"Ctrl+Insert copies", VK_INSERT, {ssCtrl}, true, 8, {"copy"}},
      {"Delete", VK_DELETE, {}, false, 7, {}},
      {"Ctrl+Delete", VK_DELETE, {ssCtrl}, false, 7, {}},
      {"Alt+Delete", VK_DELETE, {ssAlt}, false, 8, {}},
      {"Shift+Delete cuts", VK_DELETE, {ssShift}, true, 8, {"cut"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    SetUp();
    grid->Navigation()->SetAllowInsertRow(true);
    grid->Navigation()->SetAllowDeleteRow(true);
    grid->Navigation()->SetAllowClipboardShortCuts(c.Shortcuts);
    Go(1, 3);
    Key(c.Key, c.Shift);
    EXPECT_EQ(grid->RowCount(), c.WantRows);
    EXPECT_EQ(grid->Clipboard, c.WantClipboard);
  }
}

TEST_F(InputTest, EnterOnACellThatCannotBeEditedFiresOnKeyDownWithLeftAltOnly) {
  // A read-only grid: Enter is refused and handed to OnKeyDown by the grid
  // itself. Alt comes with Ctrl (as AltGr does); alone it makes a system key.
  grid->OnCanEditCell = [](TObject*, int, int, bool& Can) { Can = false; };
  std::vector<TShiftState> seen;
  grid->OnKeyDown = [&](TObject*, uint16_t& Key, TShiftState Shift) {
    if (Key == VK_RETURN) seen.push_back(Shift);
  };
  Go(2, 2);
  Key(VK_RETURN, {ssAlt, ssCtrl});
  Driver.SetRightHandModifiers({ssAlt});
  Key(VK_RETURN, {ssAlt, ssCtrl});
  Driver.SetRightHandModifiers({});
  Key(VK_RETURN, {ssShift, ssCtrl});
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_TRUE(seen[0].Contains(ssAlt));
  EXPECT_FALSE(seen[1].Contains(ssAlt));
  EXPECT_TRUE(seen[2].Contains(ssShift));
  EXPECT_TRUE(seen[2].Contains(ssCtrl));
}

TEST_F(InputTest, DisjunctRowsFollowTheKeys) {
  grid->MouseActions()->SetDisjunctRowSelect(true);
  Go(1, 2);
  Key(VK_DOWN);
  EXPECT_TRUE(grid->RowSelect(3));
  EXPECT_FALSE(grid->RowSelect(2));
  Key(VK_DOWN, {ssShift});
  EXPECT_TRUE(grid->RowSelect(3));
  EXPECT_TRUE(grid->RowSelect(4));
  Key(VK_SPACE);
  EXPECT_FALSE(grid->RowSelect(4));
}

TEST_F(InputTest, ArrowKeysSkipDisabledRows) {
  grid->SetRowEnabled(3, false);
  grid->SetRowEnabled(4, false);
  Go(2, 2);
  Key(VK_DOWN);
  EXPECT_EQ(Cursor(), (TGridCoord{2, 5}));
  Key(VK_UP);
  EXPECT_EQ(Cursor(), (TGridCoord{2, 2}));
}

TEST_F(InputTest, KeysNotifyTheSelectionChange) {
  std::vector<TGridRect> seen;
  grid->OnSelectionChanged = [&](TObject*, int L, int T, int R, int B) { seen.push_back({L, T, R, B}); };
  Go(2, 2);
  seen.clear();
  Key(VK_RIGHT);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), (TGridRect{3, 2, 3, 2}));
}

TEST_F(InputTest, ClipboardControlCharactersAreSwallowed) {
  grid->Navigation()->SetAllowClipboardShortCuts(true);
  std::vector<char> typed;
  grid->OnKeyPress = [&](TObject*, char& Key) { typed.push_back(Key); };
  Go(2, 2);
  Key('C', {ssCtrl});
  Key('V', {ssCtrl});
  EXPECT_TRUE(typed.empty());
}
