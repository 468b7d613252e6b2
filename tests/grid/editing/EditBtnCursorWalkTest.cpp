// The cursor walks out of a button edit at the ends of its text.

#include <gtest/gtest.h>

#include "grid/editing/GridEditBtn.h"
#include "tests/grid/editing/GridEditFixture.h"

namespace {

class EditBtnCursorWalk : public GridEditTest {
protected:
  void SetUp() override {
    GridEditTest::SetUp();
    grid->Navigation()->SetCursorWalkEditor(true);
    for (int c : {TextCol, ListCol}) grid->Columns()->Items(c)->SetEditor(edEditBtn);
    grid->SetCells(TextCol, 1, "abc");
    grid->SetCells(ListCol, 1, "xy");
  }
  // Opens the button edit of the cell with the caret at Caret.
  TGridEditBtn* open(int Col, int Caret) {
    GoTo(Col, 1);
    Driver.PressKey(VK_F2);
    TGridEditBtn* e = grid->BtnEdit();
    e->SetSelStart(Caret);
    e->SetSelLength(0);
    return e;
  }
};

TEST_F(EditBtnCursorWalk, RightAtTheEndWalksToTheNextCell) {
  open(TextCol, 3);
  Driver.PressKey(VK_RIGHT);
  EXPECT_EQ(grid->Col(), ListCol);
  EXPECT_EQ(grid->Cells(TextCol, 1), "abc");
}

TEST_F(EditBtnCursorWalk, LeftWalksOnlyFromTheStart) {
  TGridEditBtn* e = open(ListCol, 1);
  Driver.PressKey(VK_LEFT);  // from 1 to 0: stays in the text
  EXPECT_EQ(grid->Col(), ListCol);
  EXPECT_EQ(e->SelStart(), 0);
  Driver.PressKey(VK_LEFT);
  EXPECT_EQ(grid->Col(), TextCol);
}

TEST_F(EditBtnCursorWalk, NoWalkInsideTheTextWithModifiersOrWhenSwitchedOff) {
  TGridEditBtn* e = open(TextCol, 1);
  Driver.PressKey(VK_RIGHT);
  EXPECT_EQ(grid->Col(), TextCol);
  e->SetSelStart(3);
  Driver.PressKey(VK_RIGHT, {ssShift});
  EXPECT_EQ(grid->Col(), TextCol);
  grid->Navigation()->SetCursorWalkEditor(false);
  e->SetSelStart(3);
  e->SetSelLength(0);
  Driver.PressKey(VK_RIGHT);
  EXPECT_EQ(grid->Col(), TextCol);
}

}  // namespace
