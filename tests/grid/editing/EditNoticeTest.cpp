// What an edit shows beside its editor: the balloon of a refused entry and
// the column or row that grows while the text is typed.

#include <string>

#include "grid/editing/InvalidEntryBalloon.h"
#include "tests/grid/editing/GridEditFixture.h"

namespace {

class EditNoticeTest : public GridEditTest {
protected:
  void RefuseDigits() {
    grid->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) {
      valid = v.find_first_of("0123456789") == std::string::npos;
    };
  }
  bool BalloonShown() { return grid->InvalidEntryBalloon() && grid->InvalidEntryBalloon()->Visible(); }
};

TEST_F(EditNoticeTest, RefusedEntryShowsTheBalloonBelowTheEditor) {
  RefuseDigits();
  grid->SetInvalidEntryTitle("Not a name");
  grid->SetInvalidEntryText("Names hold no digits.");
  grid->SetInvalidEntryIcon(ieError);
  GoTo(TextCol, 2);
  Driver.Type("a1");
  Driver.PressKey(VK_RETURN);
  ASSERT_TRUE(BalloonShown());
  TInvalidEntryBalloon* b = grid->InvalidEntryBalloon();
  EXPECT_EQ(b->Title(), "Not a name");
  EXPECT_EQ(b->Text(), "Names hold no digits.");
  EXPECT_EQ(b->IconKind(), ieError);
  TExtInplaceEdit* ed = grid->NormalEdit();
  EXPECT_EQ(b->Left(), ed->ClientToScreen({0, 0}).X);
  EXPECT_EQ(b->Top(), ed->ClientToScreen({0, ed->Height()}).Y);
  Driver.Screenshot(form, "refused_entry_balloon.png");
  // Typing on closes it; an accepted value ends the edit without one.
  Driver.Type("x");
  EXPECT_FALSE(BalloonShown());
  grid->NormalEdit()->SelectAll();
  Driver.Type("abc");
  Driver.PressKey(VK_RETURN);
  EXPECT_FALSE(BalloonShown());
  EXPECT_EQ(grid->Cells(TextCol, 2), "abc");
}

TEST_F(EditNoticeTest, BalloonGoesAfterAWhileAndNeedsATitleOrText) {
  RefuseDigits();
  GoTo(TextCol, 2);
  Driver.Type("7");
  Driver.PressKey(VK_RETURN);
  EXPECT_FALSE(BalloonShown());  // nothing to say: no balloon
  grid->SetInvalidEntryText("No digits");
  Driver.PressKey(VK_RETURN);
  ASSERT_TRUE(BalloonShown());
  Driver.Advance(TInvalidEntryBalloon::ShowTime);
  EXPECT_FALSE(BalloonShown());
}

TEST_F(EditNoticeTest, RefusedComboEntryShowsTheBalloonOnTheCombo) {
  grid->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) { valid = v != "Long"; };
  grid->SetInvalidEntryTitle("Too long");
  GoTo(ListCol, 2);
  Driver.PressKey(VK_F2);
  ASSERT_TRUE(ComboShown());
  Driver.PressKey(VK_DOWN);
  Driver.PressKey(VK_RETURN);
  ASSERT_TRUE(BalloonShown());
  EXPECT_EQ(grid->InvalidEntryBalloon()->Top(), grid->EditCombo->ClientToScreen({0, grid->EditCombo->Height()}).Y);
}

TEST_F(EditNoticeTest, ColumnGrowsWhileTyping) {
  grid->SizeWhileTyping()->Width = true;
  int before = grid->ColWidths(TextCol);
  GoTo(TextCol, 2);
  Driver.Type("a much longer name than the column holds");
  EXPECT_GT(grid->ColWidths(TextCol), before);
  EXPECT_EQ(grid->NormalEdit()->Width(), grid->CellRect(TextCol, 2).Width());
}

TEST_F(EditNoticeTest, RowGrowsWhileTypingWithWordWrap) {
  grid->SizeWhileTyping()->Height = true;
  grid->SetWordWrap(true);
  int sized = -1;
  grid->OnEndRowSize = [&](TObject*, int r) { sized = r; };
  int before = grid->RowHeights(3);
  GoTo(TextCol, 3);
  Driver.Type("many words that wrap onto several lines of this narrow column");
  EXPECT_GT(grid->RowHeights(3), before);
  EXPECT_EQ(sized, 3);
  EXPECT_FALSE(grid->ColumnSize()->SynchWithGrid());
}

TEST_F(EditNoticeTest, NothingGrowsWithoutTheSwitches) {
  int w = grid->ColWidths(TextCol), h = grid->RowHeights(2);
  GoTo(TextCol, 2);
  Driver.Type("a much longer name than the column holds");
  EXPECT_EQ(grid->ColWidths(TextCol), w);
  EXPECT_EQ(grid->RowHeights(2), h);
}

}  // namespace
