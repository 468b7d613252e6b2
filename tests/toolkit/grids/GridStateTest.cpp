// Counts, fixed counts, sizes, the cell store and the Rows/Cols views.

#include "GridFixture.h"

namespace {

struct CountCase {
  const char* Name;
  std::function<void(TStringGrid*)> Act;
  int Cols, Rows, FixedCols, FixedRows;
  bool Raises;
};

class GridCountTest : public GridTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(GridCountTest, WritesFollowTheCountRules) {
  const CountCase& c = GetParam();
  if (c.Raises) {
    EXPECT_THROW(c.Act(grid), EInvalidGridOperation);
  } else {
    c.Act(grid);
  }
  EXPECT_EQ(grid->ColCount(), c.Cols);
  EXPECT_EQ(grid->RowCount(), c.Rows);
  EXPECT_EQ(grid->FixedCols(), c.FixedCols);
  EXPECT_EQ(grid->FixedRows(), c.FixedRows);
  EXPECT_LT(grid->Col(), grid->ColCount());
  EXPECT_LT(grid->Row(), grid->RowCount());
}

INSTANTIATE_TEST_SUITE_P(
    Counts, GridCountTest,
    ::testing::Values(
        CountCase{"Defaults", [](TStringGrid*) {}, 5, 5, 1, 1, false},
        CountCase{"RowCountToFixedLowersFixed", [](TStringGrid* g) { g->SetRowCount(1); }, 5, 1, 1, 0, false},
        CountCase{"ColCountToFixedLowersFixed", [](TStringGrid* g) { g->SetColCount(1); }, 1, 5, 0, 1, false},
        CountCase{"RowCountBelowOneIsOne", [](TStringGrid* g) { g->SetRowCount(-3); }, 5, 1, 1, 0, false},
        CountCase{"RowCountEqualToFixedOfThree",
                  [](TStringGrid* g) { g->SetRowCount(10); g->SetFixedRows(3); g->SetRowCount(3); }, 5, 3, 1, 2,
                  false},
        CountCase{"FixedRowsToCountRaises", [](TStringGrid* g) { g->SetFixedRows(5); }, 5, 5, 1, 1, true},
        CountCase{"FixedColsAboveCountRaises", [](TStringGrid* g) { g->SetFixedCols(9); }, 5, 5, 1, 1, true},
        CountCase{"NegativeFixedRaises", [](TStringGrid* g) { g->SetFixedRows(-1); }, 5, 5, 1, 1, true},
        CountCase{"FixedZero", [](TStringGrid* g) { g->SetFixedCols(0); g->SetFixedRows(0); }, 5, 5, 0, 0, false},
        CountCase{"ShrinkClampsCursor", [](TStringGrid* g) { g->SetCol(4); g->SetRow(4); g->SetRowCount(3); }, 5,
                  3, 1, 1, false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(GridTest, FixedWriteResetsCursorAnchorAndTopLeft) {
  grid->SetRowCount(50);
  grid->SetCol(3);
  grid->SetRow(30);
  grid->SetFixedRows(2);
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_EQ(grid->TopRow(), 2);
  EXPECT_EQ(grid->LeftCol(), 1);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 1, 2}));
}

TEST_F(GridTest, CellsBeyondTheCountsComeBackWhenTheyGrow) {
  grid->SetCells(4, 4, "far");
  grid->SetObjects(4, 4, grid);
  grid->SetRowCount(2);
  grid->SetColCount(2);
  EXPECT_EQ(grid->Rows(1)->Count(), 2);
  grid->SetColCount(5);
  grid->SetRowCount(5);
  EXPECT_EQ(grid->Cells(4, 4), "far");
  EXPECT_EQ(grid->Objects(4, 4), grid);
}

TEST_F(GridTest, StoreKeepsOnlyFilledCells) {
  grid->SetRowCount(1000000);
  grid->SetColCount(10);
  grid->SetCells(3, 999999, "last");
  grid->SetCells(1, 5, "x");
  grid->SetCells(1, 5, "");
  EXPECT_EQ(grid->Store().FilledCount(), 1u);
  EXPECT_EQ(grid->Cells(3, 999999), "last");
  EXPECT_EQ(grid->Cells(2, 2), "");
}

TEST_F(GridTest, RowsViewCopiesTextsAndObjects) {
  TObject marker;
  grid->SetCells(0, 1, "a");
  grid->SetCells(2, 1, "c");
  grid->SetObjects(2, 1, &marker);
  grid->SetRows(3, grid->Rows(1));
  EXPECT_EQ(grid->Cells(0, 3), "a");
  EXPECT_EQ(grid->Cells(1, 3), "");
  EXPECT_EQ(grid->Cells(2, 3), "c");
  EXPECT_EQ(grid->Objects(2, 3), &marker);
  EXPECT_EQ(grid->Rows(3)->Count(), grid->ColCount());
  EXPECT_EQ(grid->Cols(2)->Count(), grid->RowCount());
  EXPECT_EQ(grid->Cols(2)->Get(3), "c");
  EXPECT_THROW(grid->Rows(1)->Delete(0), EInvalidGridOperation);
  EXPECT_THROW(grid->Rows(1)->Get(5), EListError);
}

TEST_F(GridTest, DeleteRowMovesTheRowToTheEndThenDropsIt) {
  for (int r = 0; r < 5; ++r) grid->SetCells(1, r, std::string("r").append(std::to_string(r)));
  grid->DeleteRow(1);
  EXPECT_EQ(grid->RowCount(), 4);
  EXPECT_EQ(grid->Cells(1, 1), "r2");
  EXPECT_EQ(grid->Cells(1, 3), "r4");
  // The deleted row lives on beyond the count.
  EXPECT_EQ(grid->Cells(1, 4), "r1");
}

TEST_F(GridTest, MoveColumnCarriesCellsWidthCursorAndAnchor) {
  grid->SetCells(1, 1, "one");
  grid->SetColWidths(1, 40);
  grid->SetCol(1);
  grid->MoveColumn(1, 3);
  EXPECT_EQ(grid->Cells(3, 1), "one");
  EXPECT_EQ(grid->ColWidths(3), 40);
  EXPECT_EQ(grid->ColWidths(1), 64);
  EXPECT_EQ(grid->Col(), 3);
  EXPECT_EQ(grid->Selection(), (TGridRect{3, 1, 3, 1}));
  ASSERT_EQ(grid->Moved.size(), 1u);
  EXPECT_EQ(grid->Moved[0], std::make_pair(1, 3));
}

TEST_F(GridTest, SizesBeyondTheCountAreKeptAndDefaultsResetThem) {
  grid->SetColWidths(8, 10);
  EXPECT_EQ(grid->ColWidths(8), 64);  // read beyond the count: the default
  grid->SetColCount(10);
  EXPECT_EQ(grid->ColWidths(7), 64);
  EXPECT_EQ(grid->ColWidths(8), 10);
  grid->SetRowHeights(2, 40);
  grid->SetDefaultRowHeight(30);
  EXPECT_EQ(grid->RowHeights(2), 30);
  grid->SetDefaultColWidth(20);
  EXPECT_EQ(grid->ColWidths(8), 20);
  EXPECT_THROW(grid->SetColWidths(-1, 5), EInvalidGridOperation);
}

TEST_F(GridTest, OptionsWriteDropsAlwaysShowEditorWithRowSelectAndInvalidatesOnce) {
  struct TCounting : TStringGrid {
    using TStringGrid::TStringGrid;
    int Invalidates = 0;
    void Invalidate() override { ++Invalidates; TStringGrid::Invalidate(); }
  };
  auto* g = new TCounting(form);
  g->SetParent(form);
  g->SetRowCount(40);  // with a scroll bar, whose frame must not be redrawn
  Driver.Pump();
  g->Invalidates = 0;
  g->SetOptions(g->Options() + TGridOptions{goRowSelect, goAlwaysShowEditor});
  EXPECT_TRUE(g->Options().Contains(goRowSelect));
  EXPECT_FALSE(g->Options().Contains(goAlwaysShowEditor));
  EXPECT_EQ(g->Invalidates, 1);
  EXPECT_EQ(g->Selection(), (TGridRect{1, 1, 4, 1}));
}

}  // namespace
