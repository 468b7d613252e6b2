// The update lock, the grid's timer, and what is repainted (or not) for a change.

#include "grid/foundation/ExtGridStartup.h"
#include "tests/grid/core/GridCoreFixture.h"

TEST_F(ExtGridTest, UpdateLockNestsAndPaintsOnceAtTheEnd) {
  Driver.Pump();
  Driver.ClearPaints();
  grid->BeginUpdate();
  grid->BeginUpdate();
  grid->SetCells(1, 1, "a");
  grid->EndUpdate();
  Driver.Pump();
  EXPECT_TRUE(Driver.Paints().empty());
  grid->EndUpdate();
  Driver.Pump();
  EXPECT_FALSE(Driver.Paints().empty());
  EXPECT_EQ(grid->UpdateCount(), 0);
}

TEST_F(ExtGridTest, EndUpdateCountsDownOnAHiddenGrid) {
  grid->SetVisible(false);
  grid->BeginUpdate();
  EXPECT_EQ(grid->UpdateCount(), 1);
  grid->SetVisible(true);
  grid->EndUpdate();
  EXPECT_EQ(grid->UpdateCount(), 0);
  grid->EndUpdate();
  EXPECT_EQ(grid->UpdateCount(), 0);
  grid->SetLockUpdate(true);
  EXPECT_TRUE(grid->LockUpdate());
  grid->SetLockUpdate(false);
  EXPECT_FALSE(grid->LockUpdate());
}

TEST_F(ExtGridTest, ResetUpdateKeepsTheCallersLocks) {
  grid->BeginUpdate();
  grid->StartUpdate();
  grid->StartUpdate();
  grid->ResetUpdate();
  EXPECT_EQ(grid->UpdateCount(), 1);
  grid->EndUpdate();
  EXPECT_EQ(grid->UpdateCount(), 0);
}

TEST_F(ExtGridTest, IncrementalSearchTextIsForgottenOnTheFourthTick) {
  grid->Navigation()->SetAutoGotoIncremental(true);
  grid->SetSearchInc("ab");
  for (int tick = 1; tick <= 3; ++tick) {
    Driver.Advance(500);
    EXPECT_EQ(grid->SearchInc(), "ab") << tick;
  }
  Driver.Advance(500);
  EXPECT_EQ(grid->SearchInc(), "");
}

TEST_F(ExtGridTest, HoverFixedCellsByKind) {
  grid->SetHoverFixedCells(hfFixedRows);
  EXPECT_FALSE(grid->IsHoverFixedCell(0, 3));
  EXPECT_TRUE(grid->IsHoverFixedCell(0, 0));
  EXPECT_TRUE(grid->IsHoverFixedCell(3, 0));
  grid->SetHoverFixedCells(hfNone);
  EXPECT_FALSE(grid->IsHoverFixedCell(0, 0));
}

TEST_F(ExtGridTest, OutOfViewCellsNeedNoRepaint) {
  grid->SetRowCount(100000);
  EXPECT_FALSE(grid->CellMayBeVisible(1, 50000));
  EXPECT_TRUE(grid->CellMayBeVisible(1, 2));
  EXPECT_TRUE(grid->CellMayBeVisible(0, 0));
  Driver.Pump();
  Driver.ClearPaints();
  grid->SetCells(1, 50000, "far");
  Driver.Pump();
  EXPECT_TRUE(Driver.Paints().empty());
  grid->SetCells(1, 2, "near");
  Driver.Pump();
  EXPECT_FALSE(Driver.Paints().empty());
}

TEST_F(ExtGridTest, DestroyedGridLeavesNoFocusWindowGridBehind) {
  auto* other = new TExtStringGrid(form);
  FocusWindowGrid = other;
  delete other;
  EXPECT_EQ(FocusWindowGrid, nullptr);
}
