// The node outline: levels, contracting and expanding nested and open-ended
// nodes, parents, child rows, and node hiding kept apart from filtering.

#include "grid/core/GridCoreFixture.h"

namespace {

class ExtGridNodes : public ExtGridTest {
protected:
  void SetUp() override {
    ExtGridTest::SetUp();
    grid->SetColCount(3);
    grid->SetRowCount(11);
    grid->SetFixedRows(1);
    grid->SetFixedCols(0);
    for (int r = 1; r < 11; ++r) {
      grid->SetCells(1, r, "r" + std::to_string(r));
      grid->SetCells(2, r, std::to_string(r));
    }
  }
  // The ids of the shown normal rows.
  std::string shown() {
    std::string s;
    for (int r = 1; r < grid->RowCount(); ++r) s += grid->Cells(1, r).substr(1) + " ";
    return s;
  }
};

TEST_F(ExtGridNodes, NestedNodesRaiseTheLevelsOfTheirRows) {
  grid->AddNode(1, 3);
  EXPECT_TRUE(grid->IsNode(1));
  for (int r = 1; r <= 3; ++r) EXPECT_EQ(grid->RowNodeLevel(r), 1) << r;
  EXPECT_EQ(grid->RowNodeLevel(4), 0);
  grid->AddNode(2, 2);
  EXPECT_EQ(grid->GetNodeLevel(2), 2);
  EXPECT_EQ(grid->RowNodeLevel(3), 2);
  EXPECT_EQ(grid->GetNodeLevel(3), -1);
  EXPECT_EQ(grid->NumNodes(), 2);
  EXPECT_EQ(grid->GetNodeSpanType(1), 0);
  EXPECT_EQ(grid->GetNodeSpanType(3), 1);
  grid->CellNode()->SetNodeIndent(12);
  EXPECT_EQ(grid->GetRowIndent(3), 24);
  EXPECT_EQ(grid->GetRowIndent(5), 0);
  grid->RemoveAllNodes();
  EXPECT_EQ(grid->NumNodes(), 0);
  for (int r = 1; r <= 3; ++r) EXPECT_EQ(grid->RowNodeLevel(r), 0) << r;
}

TEST_F(ExtGridNodes, ContractingAndExpandingSequences) {
  struct Case {
    std::vector<std::string> Steps;  // c<row>/e<row>: contract/expand the node at that real row
    std::string Shown;
    bool InnerContracted;
  };
  const std::vector<Case> cases = {
      {{"c1"}, "1 4 5 6 7 8 9 10 ", false},
      {{"c1", "e1"}, "1 2 3 4 5 6 7 8 9 10 ", false},
      {{"c2"}, "1 2 4 5 6 7 8 9 10 ", true},
      {{"c2", "c1", "e1"}, "1 2 3 4 5 6 7 8 9 10 ", false},
      {{"c1", "c1", "e2"}, "1 4 5 6 7 8 9 10 ", false},
  };
  for (const Case& c : cases) {
    SetUp();
    grid->AddNode(1, 3);
    grid->AddNode(2, 2);
    for (const std::string& s : c.Steps) {
      int real = std::stoi(s.substr(1));
      if (s[0] == 'c')
        grid->ContractNode(real);
      else
        grid->ExpandNode(real);
    }
    EXPECT_EQ(shown(), c.Shown) << c.Steps.size();
    if (!grid->IsHiddenRow(2)) {
      EXPECT_EQ(grid->GetNodeState(grid->DisplRowIndex(2)), c.InnerContracted);
    }
  }
}

TEST_F(ExtGridNodes, AnOpenEndedNodeReachesTheNextNodeAndHasItsLevel) {
  grid->AddNode(2, 0);
  grid->AddNode(6, 2);
  EXPECT_EQ(grid->GetNodeLevel(2), 1);
  grid->ContractNode(2);
  EXPECT_EQ(shown(), "1 2 6 7 8 9 10 ");
  grid->SetNodeState(2, false);
  EXPECT_EQ(shown(), "1 2 3 4 5 6 7 8 9 10 ");
}

TEST_F(ExtGridNodes, ExpandOneContractsTheOtherNodes) {
  grid->CellNode()->SetExpandOne(true);
  grid->AddNode(1, 3);
  grid->AddNode(4, 3);
  grid->AddNode(7, 2);
  grid->ContractAll();
  EXPECT_EQ(shown(), "1 4 7 9 10 ");
  grid->ExpandNode(4);
  EXPECT_EQ(shown(), "1 4 5 6 7 9 10 ");
  grid->ExpandNode(1);
  EXPECT_EQ(shown(), "1 2 3 4 7 9 10 ");
}

TEST_F(ExtGridNodes, ParentRowsAcrossAContractedSibling) {
  grid->AddNode(1, 6);
  grid->AddNode(2, 3);
  grid->ContractNode(2);  // shown: 1 2 5 6 7 ...
  const int row5 = grid->DisplRowIndex(5);
  EXPECT_EQ(grid->GetParentRow(row5), 1);
  EXPECT_EQ(grid->GetParentRow(grid->DisplRowIndex(2)), 1);
  EXPECT_EQ(grid->GetParentRow(1), 1);  // a node row no node owns
  EXPECT_EQ(grid->GetParentRow(grid->DisplRowIndex(8)), -1);
}

TEST_F(ExtGridNodes, NodeHidingAndFilterLevelsStayApart) {
  grid->AddNode(1, 5);
  grid->Filter()->ColumnFilter(2)->SetCondition("!3");
  grid->ApplyFilter();
  EXPECT_EQ(shown(), "1 2 4 5 6 7 8 9 10 ");
  grid->ContractNode(1);
  EXPECT_EQ(shown(), "1 6 7 8 9 10 ");
  grid->RemoveLastFilter();
  EXPECT_EQ(shown(), "1 6 7 8 9 10 ");  // row 3 stays in its contracted node
  grid->ExpandNode(1);
  EXPECT_EQ(shown(), "1 2 3 4 5 6 7 8 9 10 ");
  EXPECT_EQ(grid->FilterLevel(), 0);
}

TEST_F(ExtGridNodes, ContractAllAndExpandAllOverNestedNodes) {
  grid->AddNode(1, 5);
  grid->AddNode(2, 2);
  grid->AddNode(7, 3);
  grid->ContractAll();
  EXPECT_EQ(shown(), "1 6 7 10 ");
  EXPECT_EQ(grid->FilterLevel(), 0);
  grid->ExpandAll();
  EXPECT_EQ(shown(), "1 2 3 4 5 6 7 8 9 10 ");
  EXPECT_FALSE(grid->GetNodeState(2));
}

TEST_F(ExtGridNodes, ChildRowsWidenTheirNodesAndTakeTheirLevel) {
  grid->AddNode(1, 4);
  grid->AddNode(2, 2);
  grid->ContractNode(1);
  grid->InsertChildRow(3, 0);  // under the inner node
  EXPECT_FALSE(grid->GetNodeState(1));
  EXPECT_EQ(grid->GetNodeSpan(1), 5);
  EXPECT_EQ(grid->GetNodeSpan(2), 3);
  EXPECT_EQ(grid->RowNodeLevel(3), 2);
  grid->RemoveChildRow(3);
  EXPECT_EQ(grid->GetNodeSpan(1), 4);
  EXPECT_EQ(grid->GetNodeSpan(2), 2);
  EXPECT_EQ(shown(), "1 2 3 4 5 6 7 8 9 10 ");
}

TEST_F(ExtGridNodes, InsertingAtANodeRowMovesItsContentsIntoTheNewRow) {
  grid->AddNode(2, 2);
  grid->InsertChildRow(2, 0);
  EXPECT_TRUE(grid->IsNode(2));
  EXPECT_EQ(grid->Cells(1, 2), "");
  EXPECT_EQ(grid->Cells(1, 3), "r2");
  EXPECT_EQ(grid->GetNodeSpan(2), 3);
}

TEST_F(ExtGridNodes, GlyphHitsByNodeTypeAndPrecision) {
  grid->AddNode(1, 3);
  grid->CellNode()->SetNodeIndent(12);
  EXPECT_TRUE(grid->IsNodeGlyphHit(1, 10));
  EXPECT_FALSE(grid->IsNodeGlyphHit(1, 40));
  grid->MouseActions()->SetPreciseNodeClick(false);
  EXPECT_TRUE(grid->IsNodeGlyphHit(1, 400));
}

TEST_F(ExtGridNodes, UserTogglesAskTheBeforeEvents) {
  grid->AddNode(1, 3);
  bool refuse = true;
  int done = 0;
  grid->OnBeforeContractNode = [&](TObject*, int, int, bool& Allow) { Allow = !refuse; };
  grid->OnContractNode = [&](TObject*, int, int) { ++done; };
  grid->ToggleNodeByUser(1);
  EXPECT_FALSE(grid->GetNodeState(1));
  refuse = false;
  grid->ToggleNodeByUser(1);
  EXPECT_TRUE(grid->GetNodeState(1));
  EXPECT_EQ(done, 1);
}

TEST_F(ExtGridNodes, ExpandableCellsSwitchTheirRowHeight) {
  EXPECT_EQ(grid->GetExpandHeight(1, 2, true), grid->DefaultRowHeight());
  grid->SetRowHeights(2, 20);
  grid->AddExpand(1, 2, 60);
  EXPECT_TRUE(grid->HasExpand(1, 2));
  EXPECT_FALSE(grid->GetExpandState(1, 2));
  EXPECT_TRUE(grid->ToggleExpand(1, 2));
  EXPECT_EQ(grid->GetExpandHeight(1, 2, true), 60);
  EXPECT_EQ(grid->GetExpandHeight(1, 2, false), 20);
  grid->RemoveExpand(1, 2);
  EXPECT_FALSE(grid->HasExpand(1, 2));
}

TEST_F(ExtGridNodes, ClearRemovesTheOutline) {
  grid->AddNode(1, 3);
  grid->ContractNode(1);
  grid->Clear();
  EXPECT_EQ(grid->NumNodes(), 0);
  EXPECT_EQ(grid->NumHiddenRows(), 0);
  EXPECT_EQ(grid->RowCount(), 11);
}

}  // namespace
