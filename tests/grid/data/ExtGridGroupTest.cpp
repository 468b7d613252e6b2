// Grouping by a column, sub-grouping, ungrouping, per-group calculations
// and sorting inside groups.

#include <array>

#include "grid/core/GridCoreFixture.h"

namespace {

class ExtGridGroup : public ExtGridTest {
protected:
  // Rows 1..n: name (column 1), category (column 2), value (column 3).
  void fill(const std::vector<std::array<std::string, 3>>& Rows) {
    grid->SetColCount(4);
    grid->SetRowCount(static_cast<int>(Rows.size()) + 1);
    grid->SetFixedRows(1);
    grid->SetFixedCols(1);
    grid->SetCells(1, 0, "Name");
    grid->SetCells(2, 0, "Category");
    grid->SetCells(3, 0, "Value");
    for (size_t i = 0; i < Rows.size(); ++i)
      for (int c = 0; c < 3; ++c) grid->SetCells(c + 1, static_cast<int>(i) + 1, Rows[i][c]);
  }
  void SetUp() override {
    ExtGridTest::SetUp();
    fill({{"a1", "A", "1"}, {"b1", "B", "10"}, {"a2", "A", "2"}});
  }
  // Each normal row as "H:text" (header), "S" (summary) or its name.
  std::string outline() {
    std::string s;
    for (int r = grid->FixedRows(); r < grid->RowCount(); ++r) {
      if (grid->IsNode(r))
        s += "H:" + grid->Cells(1, r) + "/" + std::to_string(grid->GetNodeSpan(r));
      else if (grid->IsSummary(r))
        s += "S";
      else
        s += grid->Cells(1, r);
      s += " ";
    }
    return s;
  }
};

TEST_F(ExtGridGroup, GroupMakesAHeaderAboveEveryValue) {
  grid->SetColWidths(2, 77);
  grid->Group(2);
  EXPECT_EQ(outline(), "H:A/3 a1 a2 H:B/2 b1 ");
  EXPECT_EQ(grid->ColCount(), 3);
  EXPECT_EQ(grid->GroupColumn(), 2);
  EXPECT_EQ(grid->Cells(2, 2), "1");  // the value column moved left
  grid->UnGroup();
  EXPECT_EQ(grid->GroupColumn(), -1);
  EXPECT_EQ(grid->ColCount(), 4);
  EXPECT_EQ(grid->ColWidths(2), 77);
  EXPECT_EQ(grid->Cells(2, 0), "Category");
  EXPECT_EQ(outline(), "a1 a2 b1 ");
  EXPECT_EQ(DisplayedRow(3), (std::vector<std::string>{"", "b1", "B", "10"}));
  EXPECT_EQ(grid->NumNodes(), 0);
}

// The count is shown, not stored: the header cell's own text stays as it was.
TEST_F(ExtGridGroup, GroupHeadersShowTheirRowCountInTheChosenFormat) {
  grid->Group(2);
  grid->Grouping()->SetShowGroupCount(true);
  EXPECT_EQ(outline(), "H:A (2)/3 a1 a2 H:B (1)/2 b1 ");
  EXPECT_EQ(grid->GetGridCell(1, 1), "A");
  struct Case {
    const char* format;
    const char* shown;
  };
  for (const Case& c : {Case{" [%d rows]", "A [2 rows]"}, Case{"%s", "A (2)"}, Case{"%d of %d", "A (2)"}}) {
    grid->Grouping()->SetGroupCountFormat(c.format);
    EXPECT_EQ(grid->Cells(1, 1), c.shown) << c.format;
  }
  grid->Grouping()->SetShowGroupCount(false);
  EXPECT_EQ(grid->Cells(1, 1), "A");
}

TEST_F(ExtGridGroup, SummaryRowsCloseEveryGroup) {
  grid->Grouping()->SetSummary(true);
  grid->Group(2);
  EXPECT_EQ(outline(), "H:A/3 a1 a2 S H:B/2 b1 S ");
  grid->GroupCount(2);  // the value column, now column 2
  EXPECT_EQ(grid->Cells(2, 4), "2");
  EXPECT_EQ(grid->Cells(2, 7), "1");
  grid->UnGroup();
  EXPECT_EQ(outline(), "a1 a2 b1 ");
}

TEST_F(ExtGridGroup, GroupingByTheFirstNormalColumnKeepsTheHeaderText) {
  grid->Group(1);
  EXPECT_EQ(outline(), "H:a1/2 A H:a2/2 A H:b1/2 B ");
}

TEST_F(ExtGridGroup, GroupCalcWritesIntoHeadersAndSkipsContractedGroups) {
  grid->Group(2);
  grid->GroupCount(2);
  EXPECT_EQ(grid->Cells(2, 1), "2");
  grid->ContractNode(grid->RealRowIndex(4));  // group B
  grid->SetCells(2, 1, "");
  grid->GroupSum(2);
  EXPECT_EQ(grid->Floats(2, 1), 3.0);
  EXPECT_EQ(grid->Cells(2, 4), "1");  // left as the count wrote it
}

TEST_F(ExtGridGroup, GroupColumnZeroDoesNothing) {
  grid->SetGroupColumn(0);
  EXPECT_EQ(grid->GroupColumn(), -1);
  EXPECT_EQ(outline(), "a1 b1 a2 ");
  grid->SetGroupColumn(2);
  EXPECT_EQ(grid->GroupColumn(), 2);
  grid->SetGroupColumn(-1);
  EXPECT_EQ(grid->GroupColumn(), -1);
}

TEST_F(ExtGridGroup, SubGroupStaysInsideEachGroupAndUnGroupRestoresBoth) {
  fill({{"x", "A", "1"}, {"x", "A", "2"}, {"y", "A", "3"}, {"x", "B", "4"}, {"y", "B", "5"}});
  grid->Group(2);
  EXPECT_EQ(outline(), "H:A/4 x x y H:B/3 x y ");
  grid->SubGroup(1);
  // sub-headers carry the value in the column after the sub-grouped one
  std::string subs;
  for (int r = 1; r < grid->RowCount(); ++r)
    if (grid->IsNode(r) && grid->GetNodeLevel(r) == 2) subs += grid->Cells(2, r) + std::to_string(grid->GetNodeSpan(r));
  EXPECT_EQ(subs, "x3y2x2y2");
  EXPECT_EQ(grid->GetNodeSpan(1), 6);
  grid->UnGroup();
  EXPECT_EQ(grid->ColCount(), 4);
  std::string rows;
  for (int r = 1; r < grid->RowCount(); ++r) rows += grid->Cells(1, r) + grid->Cells(2, r) + grid->Cells(3, r) + " ";
  EXPECT_EQ(rows, "xA1 xA2 yA3 xB4 yB5 ");
}

// A grid grouped with summaries keeps one after each group; summaries turned
// on only for the sub-grouping close the rows with one.
TEST_F(ExtGridGroup, SubGroupWithSummaryEndsInASummaryRow) {
  fill({{"x", "A", "1"}, {"y", "A", "2"}, {"x", "B", "3"}});
  grid->Grouping()->SetSummary(true);
  grid->Group(2);
  grid->SubGroup(1);
  EXPECT_EQ(outline(), "H:A/5 H:/2  H:/2  S H:B/3 H:/2  S ");
  grid->UnGroup();
  grid->Grouping()->SetSummary(false);
  grid->Group(2);
  grid->Grouping()->SetSummary(true);
  grid->Grouping()->SetMergeSummary(true);
  grid->Grouping()->SetSummaryColor(clYellow);
  grid->SubGroup(1);
  EXPECT_EQ(outline(), "H:A/5 H:/2  H:/2  H:B/3 H:/2  S ");
  EXPECT_EQ(grid->Colors(2, grid->RowCount() - 1), clYellow);  // on the sub-header column's cell
}

// Sums, extremes and averages leave header and summary rows out only while
// the grid is grouped.
TEST_F(ExtGridGroup, CalculationsSkipOutlineRowsOnlyWhileGrouped) {
  fill({{"a", "A", "1"}, {"b", "A", "2"}, {"c", "B", "4"}});
  grid->Grouping()->SetSummary(true);
  grid->Group(2);  // H:A a b S H:B c S; the value column is column 2
  for (int r = 1; r < grid->RowCount(); ++r)
    if (grid->IsNode(r) || grid->IsSummary(r)) grid->SetCells(2, r, "100");
  EXPECT_EQ(grid->ColumnMax(2, 2, 7), 4.0);
  EXPECT_EQ(grid->ColumnMin(2, 2, 7), 1.0);
  EXPECT_EQ(grid->ColumnSum(2, -1, -1), 7.0);
  EXPECT_EQ(grid->ColumnAvg(2, -1, -1), 7.0 / 7);  // every row divides
}

TEST_F(ExtGridGroup, HiddenRowsTakeTheirValueBackOnUnGroup) {
  grid->Group(2);
  grid->HideRow(grid->RealRowIndex(2));  // a1
  grid->UnGroup();
  grid->UnHideRowsAll();
  std::string rows;
  for (int r = 1; r < grid->RowCount(); ++r) rows += grid->Cells(1, r) + grid->Cells(2, r) + " ";
  EXPECT_EQ(rows, "a1A a2A b1B ");
}

TEST_F(ExtGridGroup, GroupSortOrdersEachGroupOnItsOwn) {
  fill({{"c", "A", "3"}, {"a", "A", "1"}, {"b", "B", "2"}, {"a", "B", "9"}, {"b", "A", "5"}});
  grid->Group(2);
  grid->SortSettings()->SetDirection(sdDescending);
  grid->SortSettings()->SetColumn(2);
  grid->QSortGroup();
  EXPECT_EQ(outline(), "H:A/4 b c a H:B/3 a b ");
}

TEST_F(ExtGridGroup, FooterAndSumsLeaveHeadersOut) {
  fill({{"a", "A", "1"}, {"b", "A", "2"}, {"c", "B", "4"}});
  grid->Group(2);
  grid->GroupSum(2);  // headers hold 3 and 4
  EXPECT_EQ(grid->ColumnSum(2, -1, -1), 7.0);
}

}  // namespace
