// The in-place editor: opening by the second click, Enter, F2 and typing;
// write-back on hide and on every change; focus staying with the grid.

#include "GridFixture.h"

namespace {

class GridEditorTest : public GridTest {
protected:
  void SetUp() override {
    GridTest::SetUp();
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->SetCells(1, 1, "alpha");
    grid->SetCells(2, 2, "beta");
  }
  bool EditorShown() { return grid->InplaceEditor() && grid->InplaceEditor()->Visible(); }
};

TEST_F(GridEditorTest, FirstClickMovesTheSecondOpens) {
  FocusGrid();
  ClickCell(2, 2);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_FALSE(EditorShown());
  Wait();
  ClickCell(2, 2);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(grid->InplaceEditor()->Text(), "beta");
  EXPECT_EQ(grid->InplaceEditor()->BoundsRect(), grid->CellRect(2, 2));
  EXPECT_TRUE(grid->EditorMode());
}

TEST_F(GridEditorTest, AQuickClickOnTheOpenedEditorIsADoubleClick) {
  int dbl = 0;
  grid->OnDblClick = [&](TObject*) { ++dbl; };
  FocusGrid();
  Wait();
  ClickCell(1, 1);
  ASSERT_TRUE(EditorShown());
  TPoint p = Centre(1, 1);
  TInplaceEdit* e = grid->InplaceEditor();
  Driver.Click(e, p.X - e->Left(), p.Y - e->Top());
  EXPECT_EQ(dbl, 1);
}

TEST_F(GridEditorTest, UnchangedTextIsNotWrittenButTheEventStillFires) {
  int events = 0;
  grid->OnSetEditText = [&](TObject*, int, int, const std::string&) { ++events; };
  int invalidatedBefore = static_cast<int>(grid->Store().FilledCount());
  FocusGrid();
  grid->ShowEditor();
  grid->HideEditor();
  EXPECT_EQ(events, 1);
  EXPECT_EQ(grid->Cells(1, 1), "alpha");
  EXPECT_EQ(static_cast<int>(grid->Store().FilledCount()), invalidatedBefore);
}

TEST_F(GridEditorTest, HideEditorWritesBackExactlyOnce) {
  FocusGrid();
  grid->ShowEditor();
  ASSERT_TRUE(EditorShown());
  grid->SetEditTextCalls = 0;
  grid->InplaceEditor()->SetText("gamma");  // set by code: no live write-back
  EXPECT_EQ(grid->SetEditTextCalls, 0);
  grid->HideEditor();
  EXPECT_EQ(grid->SetEditTextCalls, 1);
  EXPECT_EQ(grid->Cells(1, 1), "gamma");
  EXPECT_FALSE(EditorShown());
  grid->HideEditor();
  EXPECT_EQ(grid->SetEditTextCalls, 1);
}

TEST_F(GridEditorTest, TypingReplacesTheTextAndWritesBackAsItGoes) {
  std::vector<std::string> written;
  grid->OnSetEditText = [&](TObject*, int, int, const std::string& v) { written.push_back(v); };
  FocusGrid();
  Driver.Type("xy");
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(grid->InplaceEditor()->Text(), "xy");
  EXPECT_EQ(grid->Cells(1, 1), "xy");
  EXPECT_EQ(written, (std::vector<std::string>{"x", "xy"}));
  // The grid stays the form's active control while the editor has the keyboard.
  EXPECT_TRUE(grid->InplaceEditor()->Focused());
  EXPECT_EQ(form->ActiveControl(), grid);
}

TEST_F(GridEditorTest, EnterTogglesTheEditorAndDownMovesOnWithWriteBack) {
  FocusGrid();
  Key(VK_RETURN);
  ASSERT_TRUE(EditorShown());
  Driver.Type("Z");
  Key(VK_DOWN);
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(grid->Cells(1, 1), "Z");
  EXPECT_EQ(grid->Row(), 2);
  Key(VK_RETURN);
  EXPECT_TRUE(EditorShown());
  Key(VK_RETURN);
  EXPECT_FALSE(EditorShown());
  EXPECT_TRUE(grid->Focused());
}

TEST_F(GridEditorTest, F2OpensWithTheCaretAtTheEnd) {
  FocusGrid();
  Key(VK_F2);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(grid->InplaceEditor()->SelLength(), 0);
  EXPECT_EQ(grid->InplaceEditor()->SelStart(), 5);
  Driver.Type("!");
  EXPECT_EQ(grid->Cells(1, 1), "alpha!");
}

TEST_F(GridEditorTest, RightAtTheEndOfTheTextMovesToTheNextCell) {
  FocusGrid();
  Key(VK_F2);
  Key(VK_LEFT);  // inside the text: the editor keeps it
  EXPECT_EQ(grid->Col(), 1);
  Key(VK_RIGHT);
  Key(VK_RIGHT);  // at the end: the grid moves
  EXPECT_EQ(grid->Col(), 2);
}

TEST_F(GridEditorTest, ACharacterTheEditorCannotTakeGoesToKeyPress) {
  std::string pressed;
  grid->OnKeyPress = [&](TObject*, char& k) { pressed += k; };
  grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
  FocusGrid();
  Driver.Type("m");
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(pressed, "m");
}

TEST_F(GridEditorTest, NoEditorWithoutGoEditingOrWithRowSelect) {
  grid->SetOptions(grid->Options() - TGridOptions{goEditing});
  FocusGrid();
  Driver.Type("q");
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(grid->Cells(1, 1), "alpha");
  grid->SetOptions(grid->Options() + TGridOptions{goEditing, goRowSelect});
  grid->ShowEditor();
  EXPECT_FALSE(EditorShown());
}

TEST_F(GridEditorTest, EnterAndExitFireOnlyForOtherControls) {
  auto* other = new TEdit(form);
  other->SetParent(form);
  other->SetBounds(10, 200, 100, 20);
  int enters = 0, exits = 0;
  grid->OnEnter = [&](TObject*) { ++enters; };
  grid->OnExit = [&](TObject*) { ++exits; };
  FocusGrid();
  Key(VK_F2);
  Key(VK_ESCAPE);
  Key(VK_F2);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(exits, 0);
  Driver.Type("k");
  Driver.Focus(other);
  EXPECT_EQ(exits, 1);
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cells(1, 1), "alphak");
}

TEST_F(GridEditorTest, AlwaysShowEditorFollowsTheCursor) {
  FocusGrid();
  grid->SetOptions(grid->Options() + TGridOptions{goAlwaysShowEditor});
  ASSERT_TRUE(EditorShown());
  grid->SetCol(2);
  grid->SetRow(2);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(grid->InplaceEditor()->Text(), "beta");
  EXPECT_EQ(grid->InplaceEditor()->BoundsRect(), grid->CellRect(2, 2));
}

TEST_F(GridEditorTest, WritingTheEditedCellReloadsTheEditor) {
  FocusGrid();
  grid->ShowEditor();
  grid->SetCells(1, 1, "fresh");
  EXPECT_EQ(grid->InplaceEditor()->Text(), "fresh");
}

TEST_F(GridEditorTest, EditStylesRecreateTheWindow) {
  FocusGrid();
  grid->ShowEditor();
  TInplaceEdit* e = grid->InplaceEditor();
  e->SetEditStyle(ES_RIGHT | ES_PASSWORD);
  EXPECT_EQ(e->Alignment(), taRightJustify);
  EXPECT_EQ(e->PasswordChar(), '*');
  EXPECT_TRUE(e->Style() & ES_RIGHT);
  EXPECT_EQ(e->Text(), "alpha");
}

}  // namespace
