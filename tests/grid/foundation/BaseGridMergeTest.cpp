// Merged ranges: merging, splitting, the queries on ranges, and the cursor
// keys stepping over a range as one cell.

#include "BaseGridFixture.h"

namespace {

class BaseGridMerge : public BaseGridTest {};

struct SpanCase {
  int Col, Row;
  TPoint Spans;  // the record's own spans
  bool Base;
  TPoint BaseCell;
  TPoint Ext;
  TPoint Span;
};

TEST_F(BaseGridMerge, A3x2RangeStoresSpansAndOffsets) {
  grid->MergeCells(1, 1, 3, 2);
  const std::vector<SpanCase> cases = {
      {1, 1, {2, 1}, true, {1, 1}, {2, 1}, {2, 1}},
      {2, 1, {1, 0}, false, {1, 1}, {1, 1}, {2, 1}},
      {3, 2, {2, 1}, false, {1, 1}, {0, 0}, {2, 1}},
      {1, 2, {0, 1}, false, {1, 1}, {2, 0}, {2, 1}},
  };
  for (const SpanCase& k : cases) {
    TCellProperties* p = grid->GetGridObject(k.Col, k.Row);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ((TPoint{p->CellSpanX, p->CellSpanY}), k.Spans) << k.Col << "," << k.Row;
    EXPECT_EQ(grid->IsBaseCell(k.Col, k.Row), k.Base);
    EXPECT_EQ(grid->BaseCell(k.Col, k.Row), k.BaseCell);
    EXPECT_EQ(grid->CellExt(k.Col, k.Row), k.Ext) << k.Col << "," << k.Row;
    EXPECT_EQ(grid->CellSpan(k.Col, k.Row), k.Span);
    EXPECT_TRUE(grid->IsMergedCell(k.Col, k.Row));
    EXPECT_EQ(grid->IsMergedNonBaseCell(k.Col, k.Row), !k.Base);
    EXPECT_TRUE(grid->IsXMergedCell(k.Col, k.Row));
    EXPECT_TRUE(grid->IsYMergedCell(k.Col, k.Row));
    EXPECT_EQ(grid->FullCell(k.Col, k.Row), (TGridRect{1, 1, 3, 2}));
  }
  int bc = 0, br = 0;
  EXPECT_FALSE(grid->ResolveBaseCell(3, 2, bc, br));
  EXPECT_EQ((TPoint{bc, br}), (TPoint{1, 1}));
  EXPECT_TRUE(grid->ResolveBaseCell(4, 4, bc, br));
  EXPECT_EQ((TPoint{bc, br}), (TPoint{4, 4}));
  EXPECT_EQ(grid->FullCell(4, 4), (TGridRect{4, 4, 4, 4}));
  EXPECT_EQ(grid->MinRowSpan(1), 1);
  EXPECT_EQ(grid->MaxRowSpan(1), 1);
  EXPECT_EQ(grid->MinRowSpan(4), grid->RowCount());
  EXPECT_EQ(grid->MaxRowSpan(4), 0);
}

TEST_F(BaseGridMerge, AOneByOneMergeIsNoMergedCellButTakesTheRangePath) {
  grid->MergeCells(2, 2, 1, 1);
  EXPECT_FALSE(grid->IsMergedCell(2, 2));
  EXPECT_EQ(grid->GetGridObject(2, 2)->CellSpanX, 0);
  EXPECT_EQ(grid->CellRect(2, 2), (TRect{128, 48, 192, 72}));
  EXPECT_EQ(grid->FMergeCount, 0);
}

TEST_F(BaseGridMerge, SplittingANonBaseCellSplitsTheWholeRange) {
  grid->MergeCells(1, 1, 3, 2);
  EXPECT_EQ(grid->FMergeCount, 1);
  grid->SplitCells(3, 2);
  EXPECT_EQ(grid->FMergeCount, 0);
  for (int c = 1; c <= 3; ++c)
    for (int r = 1; r <= 2; ++r) {
      EXPECT_FALSE(grid->IsMergedCell(c, r));
      EXPECT_TRUE(grid->IsBaseCell(c, r));
      EXPECT_EQ(grid->BaseCell(c, r), (TPoint{c, r}));
    }
}

TEST_F(BaseGridMerge, TheMergeCountCountsRealMergesAndSplitsOnly) {
  grid->MergeCells(1, 1, 0, 3);  // span below 1: nothing
  grid->MergeCells(1, 1, 2, -1);
  EXPECT_EQ(grid->FMergeCount, 0);
  EXPECT_FALSE(grid->HasCellProperties(1, 1));
  grid->SplitCells(4, 4);  // not merged: nothing, no record made
  EXPECT_EQ(grid->FMergeCount, 0);
  EXPECT_FALSE(grid->HasCellProperties(4, 4));
  grid->MergeCells(1, 1, 2, 2);
  grid->MergeCells(3, 3, 2, 2);
  EXPECT_EQ(grid->FMergeCount, 2);
}

TEST_F(BaseGridMerge, AMergeOverlappingRangesSplitsThemFirst) {
  grid->MergeCells(1, 1, 2, 2);  // (1..2, 1..2)
  grid->MergeCells(2, 2, 3, 3);  // (2..4, 2..4) overlaps at (2, 2)
  EXPECT_EQ(grid->FMergeCount, 1);
  EXPECT_FALSE(grid->IsMergedCell(1, 1));
  EXPECT_FALSE(grid->IsMergedCell(2, 1));
  EXPECT_EQ(grid->BaseCell(4, 4), (TPoint{2, 2}));
  EXPECT_EQ(grid->CellSpan(3, 3), (TPoint{2, 2}));
}

TEST_F(BaseGridMerge, AMergePastTheGridIsClipped) {
  grid->MergeCells(4, 6, 5, 5);  // 6 x 8 grid: columns 4..5, rows 6..7
  EXPECT_EQ(grid->CellSpan(4, 6), (TPoint{1, 1}));
  EXPECT_EQ(grid->BaseCell(5, 7), (TPoint{4, 6}));
  EXPECT_FALSE(grid->HasCellProperties(6, 6));
  grid->MergeCells(-1, -1, 3, 2);  // the part inside: columns 0..1, row 0
  EXPECT_EQ(grid->CellSpan(0, 0), (TPoint{1, 0}));
  EXPECT_EQ(grid->BaseCell(1, 0), (TPoint{0, 0}));
}

TEST_F(BaseGridMerge, SpanIdentityOfRowsAndColumns) {
  bool found = false;
  grid->MergeCells(1, 2, 2, 1);  // columns 1 and 2 merged in row 2 only
  EXPECT_TRUE(grid->ColSpanIdentical(1, 2, found));
  EXPECT_TRUE(found);
  EXPECT_FALSE(grid->ColSpanIdentical(3, 4, found) && found);
  EXPECT_FALSE(found);
  grid->MergeCells(4, 1, 1, 3);  // rows 1..3 in column 4
  EXPECT_TRUE(grid->RowSpanIdentical(1, 3, found));
  EXPECT_TRUE(found);
  EXPECT_TRUE(grid->RowSpanIdentical(2, 5, found));
  EXPECT_FALSE(found);
  grid->MergeCells(1, 4, 1, 2);  // column 1: rows 4..5, then rows 6..7
  grid->MergeCells(1, 6, 1, 2);
  EXPECT_FALSE(grid->RowSpanIdentical(5, 6, found));
  EXPECT_TRUE(found);
}

// ---- navigation ----

class BaseGridKeys : public BaseGridTest {
protected:
  void SetUp() override {
    BaseGridTest::SetUp();
    FocusGrid();
  }
  TPoint Cursor() const { return {grid->Col(), grid->Row()}; }
};

struct KeyCase {
  const char* Name;
  TGridRect Range;  // merged before the key: Left, Top, Right, Bottom
  TPoint From;
  uint16_t Key;
  TPoint To;
};

class BaseGridKeyTable : public BaseGridKeys, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(BaseGridKeyTable, CursorKeysStepOverARangeAsOneCell) {
  const KeyCase& k = GetParam();
  const TGridRect& g = k.Range;
  grid->MergeCells(g.Left, g.Top, g.Right - g.Left + 1, g.Bottom - g.Top + 1);
  grid->SetCol(k.From.X);
  grid->SetRow(k.From.Y);
  ASSERT_EQ(Cursor(), k.From);
  Key(k.Key);
  EXPECT_EQ(Cursor(), k.To) << k.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, BaseGridKeyTable,
    ::testing::Values(
        KeyCase{"right from the base of columns 2..4", {2, 2, 4, 2}, {2, 2}, VK_RIGHT, {5, 2}},
        KeyCase{"down from the base of rows 3..5", {1, 3, 1, 5}, {1, 3}, VK_DOWN, {1, 6}},
        KeyCase{"right into a range lands on its base", {3, 1, 4, 2}, {2, 2}, VK_RIGHT, {3, 1}},
        KeyCase{"left from a non-base cell leaves the range", {2, 1, 4, 1}, {4, 1}, VK_LEFT, {1, 1}},
        KeyCase{"left from the base", {2, 1, 4, 1}, {2, 1}, VK_LEFT, {1, 1}},
        KeyCase{"left from a range at the fixed column stays", {1, 1, 3, 1}, {3, 1}, VK_LEFT, {3, 1}},
        KeyCase{"up from a non-base cell leaves the range", {1, 2, 1, 4}, {1, 4}, VK_UP, {1, 1}},
        KeyCase{"up from a range at the fixed row stays", {1, 1, 1, 3}, {1, 3}, VK_UP, {1, 3}},
        KeyCase{"right from a non-base cell", {1, 1, 3, 2}, {2, 2}, VK_RIGHT, {4, 2}},
        KeyCase{"down from a non-base cell", {1, 1, 3, 2}, {2, 1}, VK_DOWN, {2, 3}}));

TEST_F(BaseGridKeys, LeftIntoAnotherRangeEndsOnItsBase) {
  grid->MergeCells(1, 1, 2, 3);  // columns 1..2, rows 1..3
  grid->MergeCells(3, 2, 2, 1);  // columns 3..4, row 2
  grid->SetCol(4);
  grid->SetRow(2);
  Key(VK_LEFT);
  EXPECT_EQ(Cursor(), (TPoint{1, 1}));
}

TEST_F(BaseGridKeys, TheKeyStillReachesOnKeyDown) {
  int keys = 0;
  grid->OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { ++keys; };
  grid->MergeCells(2, 1, 3, 1);
  grid->SetCol(4);
  Key(VK_LEFT);
  EXPECT_EQ(keys, 1);
}

TEST_F(BaseGridKeys, TheWheelEndsOnABaseCell) {
  grid->MergeCells(1, 2, 2, 2);
  grid->SetCol(2);
  Driver.Wheel(grid, -120, 5, 5);
  EXPECT_EQ(Cursor(), (TPoint{1, 2}));
}

}  // namespace
