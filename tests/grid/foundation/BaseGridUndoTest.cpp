#include "grid/foundation/BaseGrid.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

// A grid stand-in: cell texts in a map, and a log of what the list asked for.
class TFakeGrid : public TUndoRedoTarget {
public:
  std::map<std::pair<int, int>, std::string> Cells;
  int Col = 0, Row = 0;
  int Invalidates = 0;
  int Repaints = 0;
  std::vector<std::pair<int, int>> Writes;

  std::string UndoCellText(int ACol, int ARow) const override {
    auto it = Cells.find({ACol, ARow});
    return it == Cells.end() ? "" : it->second;
  }
  void SetUndoCellText(int ACol, int ARow, const std::string& Value) override {
    EXPECT_GE(ACol, 0);
    EXPECT_GE(ARow, 0);
    Cells[{ACol, ARow}] = Value;
    Writes.push_back({ACol, ARow});
  }
  void UndoFocusCell(int ACol, int ARow) override { Col = ACol; Row = ARow; }
  void UndoRepaintCell(int) override { ++Repaints; }
  void UndoInvalidate() override { ++Invalidates; }
};

class UndoRedo : public ::testing::Test {
protected:
  // Edits a cell the way the grid does: write it, then register the change.
  void Edit(int col, int row, const std::string& text) {
    std::string old = grid.UndoCellText(col, row);
    grid.Cells[{col, row}] = text;
    undo.RegisterChange(col, row, old, text);
  }
  std::string Cell(int col, int row) { return grid.UndoCellText(col, row); }

  TFakeGrid grid;
  DIreViziDidiVura undo{nullptr};
  void SetUp() override { undo.SetGrid(&grid); }
};

TEST_F(UndoRedo, TwoChangesUndoneInReverseAndRedoneInOrder) {
  Edit(1, 1, "a");
  Edit(2, 3, "b");
  std::vector<std::string> log;
  undo.OnUndo = [&](TObject* Sender, TBaseGrid*, int c, int r, const std::string& orig, const std::string& now) {
    EXPECT_EQ(Sender, &undo);
    // Fired before the cell changes: orig is what the cell shows now.
    EXPECT_EQ(Cell(c, r), orig);
    log.push_back("undo " + std::to_string(c) + orig + ">" + now);
  };
  undo.OnRedo = [&](TObject*, TBaseGrid*, int c, int r, const std::string& orig, const std::string& now) {
    EXPECT_EQ(Cell(c, r), orig);
    log.push_back("redo " + std::to_string(c) + orig + ">" + now);
  };
  undo.Undo();
  undo.Undo();
  EXPECT_EQ(Cell(1, 1), "");
  EXPECT_EQ(Cell(2, 3), "");
  EXPECT_EQ(std::make_pair(grid.Col, grid.Row), std::make_pair(1, 1));  // the first changed cell
  EXPECT_FALSE(undo.CanUndo());
  undo.Redo();
  undo.Redo();
  EXPECT_EQ(Cell(1, 1), "a");
  EXPECT_EQ(Cell(2, 3), "b");
  EXPECT_EQ(log, (std::vector<std::string>{"undo 2b>", "undo 1a>", "redo 1>a", "redo 2>b"}));
  EXPECT_FALSE(undo.CanRedo());
}

TEST_F(UndoRedo, ASequenceIsOneStep) {
  Edit(1, 1, "before");
  undo.StartSequence();
  Edit(1, 2, "x");
  Edit(1, 3, "y");
  Edit(1, 4, "z");
  undo.StopSequence();
  undo.Undo();
  EXPECT_EQ(Cell(1, 2) + Cell(1, 3) + Cell(1, 4), "");
  EXPECT_EQ(Cell(1, 1), "before");
  EXPECT_EQ(grid.Invalidates, 1);
  EXPECT_EQ(undo.Level(), 1);
  undo.Redo();
  EXPECT_EQ(Cell(1, 2) + Cell(1, 3) + Cell(1, 4), "xyz");
  EXPECT_EQ(grid.Invalidates, 2);
  EXPECT_EQ(undo.Level(), 6);
}

TEST_F(UndoRedo, MaxLevelKeepsTheLastChanges) {
  undo.SetMaxLevel(3);
  for (int r = 1; r <= 5; ++r) Edit(0, r, "v" + std::to_string(r));
  ASSERT_EQ(undo.Items().Count(), 3);
  EXPECT_EQ(undo.Items().Items(0).Row, 3);
  undo.SetMaxLevel(2);  // lowering trims one step per later registration
  Edit(0, 6, "v6");
  EXPECT_EQ(undo.Items().Count(), 3);
}

TEST_F(UndoRedo, TrimmingRemovesWholeSequences) {
  undo.SetMaxLevel(4);
  undo.StartSequence();
  Edit(0, 1, "a");
  Edit(0, 2, "b");
  undo.StopSequence();
  Edit(0, 3, "c");  // the sequence is the oldest step: trimmed as a whole
  EXPECT_EQ(undo.Items().Count(), 1);
  EXPECT_FALSE(undo.Items().Items(0).IsMarker());
  undo.Undo();
  undo.Undo();  // nothing left: no run back into other cells
  EXPECT_EQ(Cell(0, 3), "");
  EXPECT_EQ(Cell(0, 1) + Cell(0, 2), "ab");
  EXPECT_EQ(undo.Level(), 0);
}

TEST_F(UndoRedo, ANewEditAfterUndoDropsTheUndoneItems) {
  Edit(0, 1, "a");
  Edit(0, 2, "b");
  Edit(0, 3, "c");
  undo.Undo();
  undo.Undo();
  Edit(0, 4, "d");
  EXPECT_EQ(undo.Items().Count(), 2);
  EXPECT_FALSE(undo.CanRedo());
  undo.Redo();  // must not bring back b or c
  EXPECT_EQ(Cell(0, 2) + Cell(0, 3), "");
  undo.Undo();
  undo.Undo();
  EXPECT_EQ(Cell(0, 4) + Cell(0, 1), "");
  EXPECT_EQ(undo.Level(), 0);
}

TEST_F(UndoRedo, ResetEmptiesTheHistory) {
  Edit(0, 1, "a");
  undo.Reset();
  EXPECT_FALSE(undo.CanUndo());
  EXPECT_FALSE(undo.CanRedo());
  undo.Undo();
  EXPECT_EQ(Cell(0, 1), "a");
  EXPECT_EQ(undo.Level(), 0);
}

TEST_F(UndoRedo, MarkersAloneNeverWriteACell) {
  Edit(0, 1, "a");
  undo.StartSequence();  // left open
  undo.Undo();           // steps over the marker to the real change
  EXPECT_EQ(Cell(0, 1), "");
  EXPECT_EQ(undo.Level(), 0);
  undo.Undo();
  EXPECT_EQ(undo.Level(), 0);
  for (auto [c, r] : grid.Writes) EXPECT_TRUE(c >= 0 && r >= 0);
}

TEST_F(UndoRedo, SequenceWithoutStopIsRedoneToItsEnd) {
  undo.StartSequence();
  Edit(0, 1, "a");
  Edit(0, 2, "b");
  undo.Undo();
  undo.Undo();
  undo.Undo();
  EXPECT_EQ(Cell(0, 1) + Cell(0, 2), "");
  undo.Redo();
  EXPECT_EQ(Cell(0, 1) + Cell(0, 2), "ab");
  EXPECT_EQ(undo.Level(), 3);
}

// Random edits, sequences, undos and redos against a history of snapshots:
// after every operation the cells must equal the snapshot of the current step.
TEST_F(UndoRedo, RandomOperationsFollowTheSnapshots) {
  std::vector<std::map<std::pair<int, int>, std::string>> steps{grid.Cells};
  size_t at = 0;
  uint32_t seed = 99;
  auto next = [&seed] { seed = seed * 1103515245 + 12345; return seed >> 16; };
  auto cleaned = [](std::map<std::pair<int, int>, std::string> m) {
    std::erase_if(m, [](const auto& kv) { return kv.second.empty(); });
    return m;
  };
  for (int n = 0; n < 2000; ++n) {
    switch (next() % 5) {
      case 0:
      case 1: {  // one edit, or a sequence of up to three
        const bool sequence = next() % 2 == 0;
        if (sequence) undo.StartSequence();
        for (int k = sequence ? 1 + next() % 3 : 1; k > 0; --k)
          Edit(next() % 3, next() % 3, std::string(1, static_cast<char>('a' + next() % 26)));
        if (sequence) undo.StopSequence();
        steps.resize(at + 1);
        steps.push_back(grid.Cells);
        ++at;
        break;
      }
      case 2:
      case 3:
        undo.Undo();
        if (at > 0) --at;
        break;
      default:
        undo.Redo();
        if (at + 1 < steps.size()) ++at;
        break;
    }
    ASSERT_EQ(cleaned(grid.Cells), cleaned(steps[at])) << "operation " << n;
    ASSERT_EQ(undo.CanUndo(), at > 0);
    ASSERT_EQ(undo.CanRedo(), at + 1 < steps.size());
  }
}

TEST_F(UndoRedo, NothingHappensWithoutAGrid) {
  Edit(0, 1, "a");
  undo.SetGrid(nullptr);
  undo.Undo();
  EXPECT_EQ(undo.Level(), 1);
  EXPECT_EQ(Cell(0, 1), "a");
}

// A grid component that the list follows: when it goes, the list forgets it.
class TGridComponent : public TComponent, public TFakeGrid {
public:
  using TComponent::TComponent;
  TComponent* UndoGridComponent() override { return this; }
};

TEST(UndoRedoLink, ForgetsAGridThatIsDestroyed) {
  DIreViziDidiVura undo(nullptr);
  auto* grid = new TGridComponent(nullptr);
  undo.SetGrid(grid);
  EXPECT_EQ(undo.Grid(), grid);
  delete grid;
  EXPECT_EQ(undo.Grid(), nullptr);
  undo.Undo();  // no grid, no crash
}

}  // namespace
