// Highlight and error tags in cell texts, and cell checking through a
// checker object: which cells are reached (past hidden columns too), what
// is written and what is left as it was.

#include <string>
#include <vector>

#include "controls/esgcheck.h"
#include "tests/grid/editing/GridEditFixture.h"

namespace {

TEST_F(GridEditTest, HilightTextFollowsTheCaseSwitch) {
  struct Case {
    bool DoCase;
    const char* Text;
    const char* Search;
    const char* Want;
  } cases[] = {
      {false, "AbcAB", "ab", "<hi>Ab</hi>c<hi>AB</hi>"},
      {true, "AbcAB", "ab", "AbcAB"},
      {true, "abc", "b", "a<hi>b</hi>c"},
  };
  for (const Case& c : cases) {
    grid->SetCells(TextCol, 1, c.Text);
    grid->HilightInCell(c.DoCase, TextCol, 1, c.Search);
    EXPECT_EQ(grid->Cells(TextCol, 1), c.Want) << c.Text << " " << c.Search;
  }
}

TEST_F(GridEditTest, HilightEncodesTheHitCellAndUnHilightRestoresIt) {
  grid->SetCells(TextCol, 1, "a < b");
  grid->HilightInCell(true, TextCol, 1, "b");
  EXPECT_EQ(grid->Cells(TextCol, 1), "a &lt; <hi>b</hi>");
  grid->UnHilightInCell(TextCol, 1);
  EXPECT_EQ(grid->Cells(TextCol, 1), "a < b");
}

// Cells without a hit are not rewritten: their entities and characters stay.
TEST_F(GridEditTest, CellsWithoutAHitKeepTheirText) {
  grid->SetCells(TextCol, 2, "x & <y>");
  grid->SetCells(TextCol, 3, "&amp; literal");
  grid->HilightInGrid(false, false, "row1");
  EXPECT_EQ(grid->Cells(TextCol, 2), "x & <y>");
  grid->UnHilightInGrid(false);
  grid->UnMarkInGrid(false);
  EXPECT_EQ(grid->Cells(TextCol, 3), "&amp; literal");
  EXPECT_EQ(grid->Cells(TextCol, 1), "row1");
}

// Columns displayed after a hidden one are reached; untagging reaches the hidden one too.
TEST_F(GridEditTest, GridRangesReachColumnsPastHiddenOnes) {
  grid->SetCells(CheckCol, 2, "Word");
  grid->HideColumn(TextCol);
  grid->HilightInGrid(false, true, "Word");
  EXPECT_EQ(grid->Cells(ListCol, 2), "<hi>Word</hi>");
  EXPECT_EQ(grid->Cells(CheckCol, 2), "<hi>Word</hi>");
  grid->SetCells(TextCol, 4, "<hi>row4</hi>");  // a tag left in the hidden column
  grid->UnHilightInGrid(false);
  EXPECT_EQ(grid->Cells(ListCol, 2), "Word");
  EXPECT_EQ(grid->Cells(CheckCol, 2), "Word");
  EXPECT_EQ(grid->Cells(TextCol, 4), "row4");
  grid->MarkInRow(false, true, 3, "Word");
  EXPECT_EQ(grid->Cells(ListCol, 3), "<e>Word</e>");
  EXPECT_EQ(grid->Cells(TextCol, 3), "row3");
}

TEST_F(GridEditTest, FixedRowsAndColumnsOnlyWithDoFixed) {
  grid->SetCells(TextCol, 0, "row header");
  grid->HilightInCol(false, true, TextCol, "row");
  EXPECT_EQ(grid->Cells(TextCol, 0), "row header");
  EXPECT_EQ(grid->Cells(TextCol, 1), "<hi>row</hi>1");
  grid->MarkInCol(true, true, TextCol, "header");
  EXPECT_EQ(grid->Cells(TextCol, 0), "row <e>header</e>");
  grid->UnMarkInCol(true, TextCol);
  EXPECT_EQ(grid->Cells(TextCol, 0), "row header");
}

// A checker that marks every text holding an x and corrects "teh".
class TestChecker : public TExtStringGridCheck {
public:
  using TExtStringGridCheck::TExtStringGridCheck;
  std::string MarkError(int ACol, int ARow, const std::string& s) override {
    Visited.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
    return s.find('x') != std::string::npos ? "<e>" + s + "</e>" : s;
  }
  std::string Correct(int, int, const std::string& s) override { return s == "teh" ? "the" : s; }
  void StartCheck() override { ++Starts; }
  void StopCheck() override { ++Stops; }
  std::vector<std::string> Visited;
  int Starts = 0, Stops = 0;
};

TEST_F(GridEditTest, CheckCellsVisitsEveryCellAndComesBack) {
  TestChecker checker(form);
  checker.SetUseMarkError(true);
  checker.SetGotoCell(true);
  grid->SetCellChecker(&checker);
  grid->SetCells(ListCol, 2, "xyz");
  GoTo(TextCol, 4);
  EXPECT_FALSE(grid->CheckCells(TextCol, 1, CheckCol, 2));
  EXPECT_EQ(checker.Visited.size(), 6u);
  EXPECT_EQ(grid->Cells(ListCol, 2), "<e>xyz</e>");
  EXPECT_EQ(grid->Cells(TextCol, 1), "row1");
  EXPECT_EQ(checker.Starts, 1);
  EXPECT_EQ(checker.Stops, 1);
  EXPECT_EQ(grid->Col(), TextCol);
  EXPECT_EQ(grid->Row(), 4);
  // A second check starts from the text without the marks; a fixed text loses them.
  grid->SetCells(ListCol, 2, "<e>xyz</e>");
  EXPECT_FALSE(grid->CheckCell(ListCol, 2));
  EXPECT_EQ(grid->Cells(ListCol, 2), "<e>xyz</e>");
  grid->SetCells(ListCol, 2, "<e>fine</e>");
  EXPECT_TRUE(grid->CheckCell(ListCol, 2));
  EXPECT_EQ(grid->Cells(ListCol, 2), "fine");
}

TEST_F(GridEditTest, CheckerCorrectsAndBaseCheckerChangesNothing) {
  TestChecker checker(form);
  checker.SetUseCorrect(true);
  grid->SetCellChecker(&checker);
  grid->SetCells(TextCol, 3, "teh");
  EXPECT_FALSE(grid->CheckCol(false, TextCol));
  EXPECT_EQ(grid->Cells(TextCol, 3), "the");
  TExtStringGridCheck plain(form);
  plain.SetUseCorrect(true);
  plain.SetUseMarkError(true);
  plain.SetGotoCell(true);
  grid->SetCellChecker(&plain);
  EXPECT_TRUE(grid->CheckGrid(true));
  EXPECT_EQ(grid->Cells(TextCol, 3), "the");
  grid->SetCellChecker(nullptr);
  EXPECT_TRUE(grid->CheckRow(false, 1));
}

TEST_F(GridEditTest, CheckRowReachesColumnsPastAHiddenOne) {
  TestChecker checker(form);
  checker.SetUseMarkError(true);
  grid->SetCellChecker(&checker);
  grid->HideColumn(TextCol);
  grid->SetCells(CheckCol, 2, "x");
  EXPECT_FALSE(grid->CheckRow(false, 2));
  EXPECT_EQ(grid->Cells(CheckCol, 2), "<e>x</e>");
  EXPECT_EQ(checker.Visited, (std::vector<std::string>{"2,2", "3,2"}));
}

TEST_F(GridEditTest, FreedCheckerIsForgotten) {
  auto* checker = new TExtStringGridCheck(form);
  grid->SetCellChecker(checker);
  delete checker;
  EXPECT_EQ(grid->CellChecker(), nullptr);
}

}  // namespace
