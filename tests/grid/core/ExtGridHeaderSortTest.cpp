// Header clicks that sort: the direction cycle with and without UndoSort,
// multi-column sorting with the index key, and the clicks that must not sort.

#include "InputFixture.h"

namespace {

class HeaderSortTest : public InputTest {
protected:
  void SetUp() override {
    InputTest::SetUp();
    grid->RealSorts = true;
    grid->SortSettings()->SetShow(true);
    // Column 1 letters, column 2 two groups, column 3 the original position.
    const char* letters[] = {"d", "b", "g", "a", "f", "c", "e"};
    const char* groups[] = {"x", "y", "x", "y", "x", "y", "x"};
    for (int r = 1; r <= 7; ++r) {
      grid->SetCells(1, r, letters[r - 1]);
      grid->SetCells(2, r, groups[r - 1]);
      grid->SetCells(3, r, std::to_string(r));
    }
  }
  void ClickHeader(int c, TShiftState shift = {}) { ClickCell(c, 0, shift, 20, 10); }
  std::string Column(int c) {
    std::string s;
    for (int r = 1; r < grid->RowCount(); ++r) s += grid->Cells(c, r);
    return s;
  }
};

struct TCycleCase {
  bool UndoSort;
  TSortDirection Init;
  std::vector<std::string> Orders;  // column 1 after each click
  std::vector<int> Columns;         // SortSettings.Column after each click
};

TEST_F(HeaderSortTest, RepeatedClicksCycleTheDirection) {
  const TCycleCase cases[] = {
      {false, sdAscending, {"abcdefg", "gfedcba", "abcdefg"}, {1, 1, 1}},
      {true, sdAscending, {"abcdefg", "gfedcba", "dbgafce", "abcdefg"}, {1, 1, -1, 1}},
      {true, sdDescending, {"gfedcba", "abcdefg", "dbgafce"}, {1, 1, -1}},
  };
  for (const TCycleCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "UndoSort " << c.UndoSort << " init " << c.Init);
    grid->SortSettings()->SetColumn(-1);
    grid->SortSettings()->SetUndoSort(c.UndoSort);
    grid->SortSettings()->SetInitSortDirection(c.Init);
    int fired = -2;
    grid->OnClickSort = [&](TObject*, int ACol) { fired = ACol; };
    for (size_t i = 0; i < c.Orders.size(); ++i) {
      ClickHeader(1);
      EXPECT_EQ(Column(1), c.Orders[i]) << "click " << i + 1;
      EXPECT_EQ(grid->SortSettings()->Column(), c.Columns[i]);
      EXPECT_EQ(fired, c.Columns[i]);
    }
    // Back to the original order for the next case.
    grid->QUnSort();
    ASSERT_EQ(Column(3), "1234567");
  }
}

TEST_F(HeaderSortTest, ClickingAnotherColumnStartsInTheInitialDirection) {
  ClickHeader(1);
  ClickHeader(1);
  ASSERT_EQ(grid->SortSettings()->Direction(), sdDescending);
  ClickHeader(3);
  EXPECT_EQ(grid->SortSettings()->Column(), 3);
  EXPECT_EQ(grid->SortSettings()->Direction(), sdAscending);
  EXPECT_EQ(Column(3), "1234567");
}

struct TIndexCase {
  TIndexSortKey Key;
  TShiftState Held;
};

TEST_F(HeaderSortTest, TheIndexKeyAddsColumnsAndAPlainClickSortsByOneColumn) {
  for (TIndexCase k : {TIndexCase{ikShift, {ssShift}}, TIndexCase{ikCtrl, {ssCtrl}}}) {
    SCOPED_TRACE(k.Key == ikShift ? "Shift" : "Ctrl");
    grid->SortIndexes()->Clear();
    grid->SortSettings()->SetIndexShow(true);
    grid->SortSettings()->SetIndexSortKey(k.Key);
    ClickHeader(2, k.Held);
    ClickHeader(1, k.Held);
    EXPECT_EQ(grid->SortIndexes()->SaveToString(), "u2;u1");
    EXPECT_EQ(Column(2) + Column(1), "xxxxyyy" "defgabc");
    // Again with the key: that column turns round, the first one stays.
    ClickHeader(1, k.Held);
    EXPECT_EQ(grid->SortIndexes()->SaveToString(), "u2;d1");
    EXPECT_EQ(Column(1), "gfedcba");
    // A plain click leaves only the clicked column; a second one turns it.
    ClickHeader(1);
    EXPECT_EQ(grid->SortIndexes()->SaveToString(), "u1");
    EXPECT_EQ(Column(1), "abcdefg");
    ClickHeader(1);
    EXPECT_EQ(grid->SortIndexes()->SaveToString(), "d1");
    // The column stays a column (never negative for a descending sort).
    EXPECT_EQ(grid->SortSettings()->Column(), 1);
    EXPECT_EQ(Column(1), "gfedcba");
  }
}

TEST_F(HeaderSortTest, RefusedAndIgnoredColumnsAndHiddenSortStateDoNotSort) {
  std::vector<std::pair<int, bool>> asked;
  grid->OnCanSort = [&](TObject*, int ACol, bool& DoSort) {
    asked.push_back({ACol, DoSort});
    if (ACol == 3) DoSort = false;
  };
  grid->IgnoreColumns()->Add(2);
  ClickHeader(2);
  ClickHeader(3);
  EXPECT_EQ(Column(3), "1234567");
  EXPECT_EQ(grid->SortSettings()->Column(), -1);
  ClickHeader(1);
  EXPECT_EQ(Column(1), "abcdefg");
  EXPECT_EQ(asked, (std::vector<std::pair<int, bool>>{{2, false}, {3, true}, {1, true}}));
  grid->QUnSort();
  grid->SortSettings()->SetShow(false);
  ClickHeader(3);
  EXPECT_EQ(Column(1), "dbgafce");
  EXPECT_EQ(grid->SortSettings()->Column(), 1);
}

TEST_F(HeaderSortTest, DropDownButtonsAndOtherRowsAreNotSortClicks) {
  grid->FilterCols = {1};
  ClickCell(1, 0, {}, 64 - 10, 10);  // in the filter button
  EXPECT_EQ(Column(3), "1234567");
  ClickCell(1, 0, {}, 64 - 20, 10);
  EXPECT_EQ(Column(1), "abcdefg");
  // A click on a normal row never sorts, whatever the sort row.
  grid->QUnSort();
  ClickCell(2, 3);
  EXPECT_EQ(Column(3), "1234567");
}

TEST_F(HeaderSortTest, FixedColumnsSortOnlyWithSortSettingsFixedCols) {
  grid->SetCells(0, 0, "head");
  for (int r = 1; r <= 7; ++r) grid->SetCells(0, r, grid->Cells(1, r));
  ClickHeader(0);
  EXPECT_EQ(Column(3), "1234567");
  grid->SortSettings()->SetFixedCols(true);
  ClickHeader(0);
  EXPECT_EQ(Column(0), "abcdefg");
}

}  // namespace
