// Finding, replacing and the incremental row lookup.

#include "grid/core/GridCoreFixture.h"

namespace {

class ExtGridFind : public ExtGridTest {
protected:
  void SetUp() override {
    ExtGridTest::SetUp();
    grid->SetColCount(4);
    grid->SetRowCount(5);
    grid->SetFixedRows(1);
    grid->SetFixedCols(1);
    // normal cells (1..3, 1..4)
    const char* texts[4][3] = {{"apple", "pear", "fig"},
                               {"Plum", "apple pie", ""},
                               {"kiwi", "<b>abc</b>", "grape"},
                               {"lime", "apple", "date"}};
    for (int r = 1; r <= 4; ++r)
      for (int c = 1; c <= 3; ++c) grid->SetCells(c, r, texts[r - 1][c - 1]);
    grid->SetCells(1, 0, "apple");  // a fixed cell
  }
  static std::string at(TPoint P) { return std::to_string(P.X) + "," + std::to_string(P.Y); }
};

TEST_F(ExtGridFind, OneSearchByOptions) {
  struct Case {
    std::string Text;
    TFindParams Params;
    std::string First;
  };
  const std::vector<Case> cases = {
      {"apple", {}, "1,1"},
      {"apple", {fnBackward}, "2,4"},
      {"apple", {fnDirectionLeftRight, fnBackward}, "2,4"},
      {"APPLE", {fnMatchCase}, "-1,-1"},
      {"plum", {}, "1,2"},
      {"apple", {fnMatchStart, fnMatchFull}, "1,1"},
      {"pie", {fnMatchStart}, "-1,-1"},
      {"\"\"", {}, "3,2"},
      {"abc", {fnMatchFull}, "-1,-1"},
      {"abc", {fnMatchFull, fnIgnoreHTMLTags}, "2,3"},
      {"apple", {fnIncludeFixed}, "1,0"},
      {"g*e", {fnMatchRegular}, "3,3"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(at(grid->Find({-1, -1}, c.Text, c.Params)), c.First) << c.Text;
    EXPECT_FALSE(grid->FindBusy());
  }
}

TEST_F(ExtGridFind, FindNextWalksOnceAndNeverWrapsAround) {
  std::vector<std::string> found;
  for (TPoint p = grid->FindFirst("apple", {fnDirectionLeftRight}); p.X >= 0; p = grid->FindNext())
    found.push_back(at(p));
  EXPECT_EQ(found, (std::vector<std::string>{"1,1", "2,2", "2,4"}));
  // The walk ended; asking again starts a new one from the first cell.
  EXPECT_EQ(at(grid->FindNext()), "1,1");
}

TEST_F(ExtGridFind, RestrictedToTheCurrentRowOrColumn) {
  grid->SetRow(2);
  grid->SetCol(2);
  EXPECT_EQ(at(grid->Find({-1, -1}, "p", {fnFindInCurrentRow, fnDirectionLeftRight})), "1,2");
  EXPECT_EQ(at(grid->Find({1, 2}, "p", {fnFindInCurrentRow, fnDirectionLeftRight})), "2,2");
  EXPECT_EQ(at(grid->Find({2, 2}, "p", {fnFindInCurrentRow, fnDirectionLeftRight})), "-1,-1");
  EXPECT_EQ(at(grid->Find({2, 2}, "apple", {fnFindInCurrentCol})), "2,4");
  EXPECT_EQ(at(grid->Find({2, 4}, "apple", {fnFindInCurrentCol})), "-1,-1");
}

TEST_F(ExtGridFind, HiddenColumnsAndRowsAreSearchedOnlyWhenAsked) {
  grid->HideColumn(1);
  EXPECT_EQ(at(grid->Find({-1, -1}, "kiwi", {})), "-1,-1");
  EXPECT_EQ(at(grid->Find({-1, -1}, "kiwi", {fnIncludeHiddenColumns})), "1,3");
  grid->UnHideColumnsAll();
  grid->AddNode(1, 3);
  grid->ContractNode(1);
  EXPECT_EQ(at(grid->Find({-1, -1}, "kiwi", {})), "-1,-1");
  EXPECT_EQ(at(grid->Find({-1, -1}, "kiwi", {fnIncludeHiddenRows, fnAutoGoto})), "1,3");
  EXPECT_FALSE(grid->IsHiddenRow(3));
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(grid->Col(), 1);
}

TEST_F(ExtGridFind, ReplaceHonoursTheCaseAndMakesOnePass) {
  struct Case {
    std::string Orig, New;
    TFindParams Params;
    int Changed;
    std::string Cell11, Cell22;
  };
  const std::vector<Case> cases = {
      {"apple", "apple apple", {}, 3, "apple apple", "apple apple pie"},
      {"P", "Q", {fnMatchCase}, 1, "apple", "apple pie"},
      {"p", "q", {fnMatchCase}, 5, "aqqle", "aqqle qie"},
      {"PE", "x", {}, 2, "apple", "apple pie"},
      {"zzz", "y", {}, 0, "apple", "apple pie"},
  };
  for (const Case& c : cases) {
    SetUp();
    EXPECT_EQ(grid->Replace(c.Orig, c.New, c.Params), c.Changed) << c.Orig;
    EXPECT_EQ(grid->Cells(1, 1), c.Cell11) << c.Orig;
    EXPECT_EQ(grid->Cells(2, 2), c.Cell22) << c.Orig;
  }
  SetUp();
  grid->Replace("p", "Q", {});
  EXPECT_EQ(grid->Cells(2, 1), "Qear");
  EXPECT_EQ(grid->Cells(1, 2), "Qlum");
}

TEST_F(ExtGridFind, ReplaceMarksChangedRowsModified) {
  grid->ShowModified()->SetEnabled(true);
  grid->Replace("fig", "date", {});
  EXPECT_TRUE(grid->RowModified(1));
  EXPECT_FALSE(grid->RowModified(2));
}

TEST_F(ExtGridFind, SearchLooksUpTheFirstRowByItsStart) {
  EXPECT_EQ(grid->Search("KI"), 3);
  EXPECT_EQ(grid->Search("LIME"), 4);
  EXPECT_EQ(grid->Search("ki"), -1);
  EXPECT_EQ(grid->Search("X"), -1);
  grid->SortSettings()->SetShow(true);
  grid->SortSettings()->SetColumn(3);
  EXPECT_EQ(grid->Search("GR"), 3);
}

}  // namespace
