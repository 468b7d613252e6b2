// Clearing, trimming, merging and numbering cells.

#include "grid/core/GridCoreFixture.h"

namespace {

class ExtGridClear : public ExtGridTest {
protected:
  void SetUp() override {
    ExtGridTest::SetUp();
    grid->SetColCount(4);
    grid->SetRowCount(6);
    grid->SetFixedRows(1);
    grid->SetFixedCols(1);
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 4; ++c) grid->SetCells(c, r, std::to_string(c) + std::to_string(r));
  }
  int filled() {
    int n = 0;
    for (int r = 0; r < grid->RowCount(); ++r)
      for (int c = 0; c < grid->AllColCount(); ++c) n += !grid->AllCells(c, r).empty();
    return n;
  }
  std::vector<std::string> column(int ACol) {
    std::vector<std::string> v;
    for (int r = 0; r < grid->RowCount(); ++r) v.push_back(grid->Cells(ACol, r));
    return v;
  }
};

TEST_F(ExtGridClear, ClearEmptiesHiddenColumnsAndKeepsThemHidden) {
  grid->HideColumn(2);
  grid->Clear();
  EXPECT_EQ(filled(), 0);
  EXPECT_TRUE(grid->IsHiddenColumn(2));
}

TEST_F(ExtGridClear, ARectangleOfDisplayedColumnsLeavesHiddenColumnsAlone) {
  grid->HideColumn(1);  // displayed: 0, 2, 3
  grid->ClearRect(1, 1, 1, 5);
  EXPECT_EQ(grid->AllCells(1, 3), "13");
  EXPECT_EQ(grid->AllCells(2, 3), "");
  grid->SetSaveHiddenCells(false);
  grid->ClearRows(2, 1);  // every real column
  for (int c = 0; c < 4; ++c) EXPECT_EQ(grid->AllCells(c, 2), "") << c;
}

TEST_F(ExtGridClear, ClearTextOnlyKeepsColourAndCheckBox) {
  for (bool textOnly : {true, false}) {
    SetUp();
    grid->SetColors(2, 2, clRed);
    grid->AddCheckBox(2, 2, true, false);
    grid->SetClearTextOnly(textOnly);
    grid->ClearRect(2, 2, 2, 2);
    EXPECT_EQ(grid->Cells(2, 2), "");
    EXPECT_EQ(grid->HasCheckBox(2, 2), textOnly);
    EXPECT_EQ(grid->Colors(2, 2) == clRed, textOnly);
  }
}

TEST_F(ExtGridClear, ClearNormalCellsKeepsEveryFixedPart) {
  grid->SetFixedFooters(1);
  grid->SetFixedRightCols(1);
  grid->ClearNormalCells();
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 4; ++c) {
      const bool fixed = r == 0 || r == 5 || c == 0 || c == 3;
      EXPECT_EQ(grid->Cells(c, r).empty(), !fixed) << c << "," << r;
    }
}

TEST_F(ExtGridClear, AReversedRectangleOrAnEmptyCountClearsNothing) {
  grid->ClearRect(3, 1, 1, 4);
  grid->ClearRows(1, 0);
  grid->ClearCols(1, -2);
  EXPECT_EQ(filled(), 24);
}

TEST_F(ExtGridClear, MergeColumnCellsMergesRunsOfTwoOrMore) {
  const char* texts[] = {"A", "A", "B", "B", "B"};
  for (int r = 1; r <= 5; ++r) grid->SetCells(1, r, texts[r - 1]);
  grid->MergeColumnCells(1, true);
  EXPECT_EQ(grid->CellSpan(1, 1).Y, 1);
  EXPECT_EQ(grid->CellSpan(1, 3).Y, 2);
  grid->SplitColumnCells(1);
  EXPECT_FALSE(grid->IsMergedCell(1, 1));
  EXPECT_FALSE(grid->IsMergedCell(1, 4));
}

TEST_F(ExtGridClear, MergeRowCellsLeavesSingleCellsUnmerged) {
  grid->SetColCount(6);
  const char* texts[] = {"x", "y", "y", "z", "q"};
  for (int c = 1; c <= 5; ++c) grid->SetCells(c, 2, texts[c - 1]);
  grid->MergeRowCells(2, true);
  EXPECT_FALSE(grid->IsMergedCell(1, 2));
  EXPECT_EQ(grid->CellSpan(2, 2).X, 1);
  EXPECT_FALSE(grid->IsMergedCell(4, 2));
  EXPECT_FALSE(grid->IsMergedCell(5, 2));
  grid->SplitRowCells(2);
  EXPECT_FALSE(grid->IsMergedCell(2, 2));
}

TEST_F(ExtGridClear, AutoNumberColumnByStartOffsetAndDirection) {
  struct Case {
    int Start, Offset;
    TSortDirection Dir;
    std::vector<std::string> Expected;  // rows 1..5
  };
  const std::vector<Case> cases = {
      {0, 0, sdAscending, {"1", "2", "3", "4", "5"}},
      {0, 0, sdDescending, {"5", "4", "3", "2", "1"}},
      {2, 0, sdAscending, {"01", "02", "3", "4", "5"}},
      {0, 10, sdAscending, {"11", "12", "13", "14", "15"}},
      {5, 0, sdAscending, {"01", "02", "03", "04", "05"}},
  };
  for (const Case& c : cases) {
    SetUp();
    for (int r = 1; r <= 5; ++r) grid->SetCells(0, r, "0" + std::to_string(r));
    grid->SetAutoNumberStart(c.Start);
    grid->SetAutoNumberOffset(c.Offset);
    grid->SetAutoNumberDirection(c.Dir);
    grid->AutoNumberCol(0);
    std::vector<std::string> got = column(0);
    EXPECT_EQ(std::vector<std::string>(got.begin() + 1, got.end()), c.Expected) << c.Start << " " << c.Offset;
  }
}

TEST_F(ExtGridClear, TrimRemovesBlanksAndControlCharactersAtBothEnds) {
  grid->SetCells(1, 1, "  a b\t");
  grid->SetCells(2, 2, "\r\nx ");
  grid->TrimAll();
  EXPECT_EQ(grid->Cells(1, 1), "a b");
  EXPECT_EQ(grid->Cells(2, 2), "x");
}

TEST_F(ExtGridClear, IsCellFindsTheFirstShownMatchRowByRow) {
  grid->SetCells(3, 1, "x");
  grid->SetCells(1, 2, "x");
  int c = -1, r = -1;
  ASSERT_TRUE(grid->IsCell("x", c, r));
  EXPECT_EQ(c, 3);
  EXPECT_EQ(r, 1);
  grid->HideRow(1);
  ASSERT_TRUE(grid->IsCell("x", c, r));
  EXPECT_EQ(grid->RealRowIndex(r), 2);
  EXPECT_FALSE(grid->IsCell("X", c, r));
}

TEST_F(ExtGridClear, AWideCellStartsWithTheMarker) {
  grid->SetCells(1, 1, "|\\abc");
  grid->SetCells(1, 2, "a|\\bc");
  EXPECT_TRUE(grid->IsWideCell(1, 1));
  EXPECT_FALSE(grid->IsWideCell(1, 2));
}

}  // namespace
