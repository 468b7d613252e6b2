// The undo list played back on a real base grid: in-place edits registered
// the way the string grid registers them, sequences, MaxLevel, and the link
// between the two components in both directions of their removal.

#include "BaseGridFixture.h"

namespace {

// Registers one change per in-place edit of a cell, as the string grid does:
// the editor writes back on every keystroke, and the keystrokes of one visit
// to a cell make one change.
class TEditingGrid : public TBaseGrid {
public:
  explicit TEditingGrid(TComponent* AOwner) : TBaseGrid(AOwner) {}
  void SetEditText(int ACol, int ARow, const std::string& Value) override {
    std::string old = Cells(ACol, ARow);
    TBaseGrid::SetEditText(ACol, ARow, Value);
    DIreViziDidiVura* u = UndoRedo();
    if (!u || old == Value) return;
    if (open_ && u->Level() == u->Items().Count()) {
      u->Items().Items(u->Level() - 1).Value = Value;
      return;
    }
    u->RegisterChange(ACol, ARow, old, Value);
    open_ = true;
  }

protected:
  bool SelectCell(int ACol, int ARow) override {
    open_ = false;
    return TBaseGrid::SelectCell(ACol, ARow);
  }

private:
  bool open_ = false;
};

class BaseGridUndo : public BaseGridTestOf<TEditingGrid> {
protected:
  void SetUp() override {
    BaseGridTestOf<TEditingGrid>::SetUp();
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    undo = new DIreViziDidiVura(form);
    grid->SetUndoRedo(undo);
  }
  // Edits a cell by code, registering it as an in-place edit would.
  void Edit(int c, int r, const std::string& text) {
    std::string old = grid->Cells(c, r);
    grid->SetCells(c, r, text);
    undo->RegisterChange(c, r, old, text);
  }
  // Types into the cell through the in-place editor.
  void Type(int c, int r, const std::string& text) {
    Driver.Focus(grid);
    grid->SetCol(c);
    grid->SetRow(r);
    Driver.Type(text + "\n");
  }
  std::string Row1() {
    std::string s;
    for (int c = 1; c <= 4; ++c) s += grid->Cells(c, 1).empty() ? "." : grid->Cells(c, 1);
    return s;
  }

  DIreViziDidiVura* undo = nullptr;
};

TEST_F(BaseGridUndo, TheLinkPointsBothWays) {
  EXPECT_EQ(undo->Grid(), static_cast<TUndoRedoTarget*>(grid));
  EXPECT_EQ(grid->UndoRedo(), undo);
}

TEST_F(BaseGridUndo, TypedEditsAreUndoneAndRedoneOnTheGrid) {
  grid->SetCells(1, 1, "old");
  Type(1, 1, "new");
  ASSERT_EQ(grid->Cells(1, 1), "new");
  Type(3, 2, "x");
  ASSERT_EQ(undo->Items().Count(), 2);
  undo->Undo();
  EXPECT_EQ(grid->Cells(3, 2), "");
  undo->Undo();
  EXPECT_EQ(grid->Cells(1, 1), "old");
  EXPECT_EQ(grid->Col(), 1);  // the changed cell becomes current
  EXPECT_EQ(grid->Row(), 1);
  undo->Redo();
  undo->Redo();
  EXPECT_EQ(grid->Cells(1, 1), "new");
  EXPECT_EQ(grid->Cells(3, 2), "x");
  EXPECT_EQ(grid->Col(), 3);
}

// Changes follow their rows: those of removed rows go, those below move up,
// and rows inserted or grown back never receive an old change.
TEST_F(BaseGridUndo, ChangesFollowTheirRowsWhenRowsGoOrCome) {
  Edit(1, 2, "gone");
  Edit(1, 4, "moved");
  grid->DeleteGridRows(2, 1);
  ASSERT_EQ(undo->Items().Count(), 1);
  EXPECT_EQ(undo->Items().Items(0).Row, 3);
  grid->InsertGridRows(1, 2);
  EXPECT_EQ(undo->Items().Items(0).Row, 5);
  undo->Undo();
  EXPECT_EQ(grid->Cells(1, 5), "");
  EXPECT_EQ(grid->Cells(1, 1), "");
  EXPECT_FALSE(undo->CanUndo());

  Edit(2, 6, "beyond");
  grid->SetRowCount(5);
  grid->SetRowCount(8);
  EXPECT_EQ(undo->Items().Count(), 0);
  EXPECT_FALSE(undo->CanUndo());
}

TEST_F(BaseGridUndo, ASequenceIsOneStepAndInvalidatesTheGridOnce) {
  undo->StartSequence();
  Edit(1, 1, "a");
  Edit(2, 1, "b");
  Edit(3, 1, "c");
  undo->StopSequence();
  Driver.Pump();
  Driver.ClearPaints();
  undo->Undo();
  EXPECT_EQ(Row1(), "....");
  Driver.Pump();
  EXPECT_EQ(Driver.PaintedNames().size(), 1u);
  undo->Redo();
  EXPECT_EQ(Row1(), "abc.");
}

TEST_F(BaseGridUndo, MaxLevelKeepsTheLatestStepsAndWholeSequences) {
  undo->SetMaxLevel(3);
  for (const char* t : {"1", "2", "3", "4", "5"}) Edit(1, 1, t);
  EXPECT_EQ(undo->Items().Count(), 3);
  while (undo->CanUndo()) undo->Undo();
  EXPECT_EQ(grid->Cells(1, 1), "2");  // the oldest change kept went from 2 to 3

  undo->Reset();
  undo->StartSequence();
  Edit(2, 1, "a");
  Edit(3, 1, "b");
  undo->StopSequence();
  Edit(4, 1, "c");  // over MaxLevel: the whole sequence goes, not its start alone
  EXPECT_EQ(undo->Items().Count(), 1);
  undo->Undo();
  EXPECT_EQ(grid->Cells(4, 1), "");
  EXPECT_EQ(grid->Cells(2, 1), "a");
  EXPECT_FALSE(undo->CanUndo());
}

TEST_F(BaseGridUndo, ANewEditAfterUndoDropsTheUndoneEdits) {
  Type(1, 1, "a");
  Type(2, 1, "b");
  Type(3, 1, "c");
  undo->Undo();
  undo->Undo();
  EXPECT_EQ(Row1(), "a...");
  Type(4, 1, "d");
  EXPECT_FALSE(undo->CanRedo());
  undo->Redo();  // nothing the user discarded comes back
  EXPECT_EQ(Row1(), "a..d");
  undo->Undo();
  undo->Undo();
  EXPECT_EQ(Row1(), "....");
  EXPECT_FALSE(undo->CanUndo());
}

TEST_F(BaseGridUndo, ResetEmptiesTheHistory) {
  Edit(1, 1, "a");
  undo->Reset();
  EXPECT_FALSE(undo->CanUndo());
  EXPECT_FALSE(undo->CanRedo());
  undo->Undo();
  EXPECT_EQ(grid->Cells(1, 1), "a");
}

TEST_F(BaseGridUndo, FreeingTheListUnlinksTheGrid) {
  delete undo;
  EXPECT_EQ(grid->UndoRedo(), nullptr);
  grid->SetCells(1, 1, "still fine");
}

TEST_F(BaseGridUndo, FreeingTheGridUnlinksTheList) {
  delete grid;
  EXPECT_EQ(undo->Grid(), nullptr);
  undo->Undo();  // nothing to play back on
}

TEST_F(BaseGridUndo, AListLinkedBeforeKeepsItsLinkUntilTheGridGoes) {
  auto* second = new DIreViziDidiVura(form);
  grid->SetUndoRedo(second);
  EXPECT_EQ(undo->Grid(), static_cast<TUndoRedoTarget*>(grid));
  delete grid;
  EXPECT_EQ(undo->Grid(), nullptr);
  EXPECT_EQ(second->Grid(), nullptr);
}

}  // namespace
