// The track-bar and memo drop-downs.

#include "controls/ExtMemoDropDown.h"
#include "controls/ExtTrackBarDropDown.h"

#include "tests/controls/DropDownFixture.h"
#include "tests/controls/ShotProbes.h"
#include "toolkit/forms/std/Memo.h"
#include "toolkit/forms/std/RangeControls.h"

namespace {

using TrackBar = DropDownFixture<TExtTrackBarDropDown>;

TEST_F(TrackBar, PositionFollowsTheTrackBarRange) {
  dd->SetPosition(50);
  EXPECT_EQ(dd->Position(), 10);
  dd->ShowDropDown();
  dd->TrackBar()->SetPosition(3);
  EXPECT_EQ(dd->Position(), 3);
  EXPECT_EQ(dd->Text(), "3");
}

TEST_F(TrackBar, UpAndDownStepWithinTheRange) {
  dd->SetPosition(10);
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(dd->Position(), 10);
  dd->SetPosition(0);
  Driver.PressKey(VK_UP);
  EXPECT_EQ(dd->Position(), 0);
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(dd->Position(), 1);
}

TEST_F(TrackBar, DragOverTheEditStepsByPageSize) {
  dd->SetPosition(4);
  Driver.MouseDown(dd, 20, 5);
  Driver.MouseMove(dd, 25, 5, {ssLeft});
  EXPECT_EQ(dd->Position(), 6);
  Driver.MouseMove(dd, 26, 5, {ssLeft});
  EXPECT_EQ(dd->Position(), 6);
  Driver.MouseUp(dd, 26, 5);
  dd->SetPageSize(0);
  Driver.MouseDown(dd, 20, 5);
  Driver.MouseMove(dd, 40, 5, {ssLeft});
  EXPECT_EQ(dd->Position(), 6);
  Driver.MouseUp(dd, 40, 5);
}

TEST_F(TrackBar, TextThatIsNoIntegerKeepsThePosition) {
  dd->SetPosition(5);
  dd->SetEditType(etString);
  EXPECT_NO_THROW(dd->SetText("abc"));
  EXPECT_EQ(dd->Position(), 5);
}

TEST_F(TrackBar, Screenshot) {
  dd->ShowDropDown();
  const TPixelImage at_zero = Shot(Driver, popup(), "dropdown-trackbar-0.png");
  dd->SetPosition(4);
  Driver.Pump();
  EXPECT_TRUE(Shot(Driver, popup(), "dropdown-trackbar.png").Pixels != at_zero.Pixels) << "the thumb moves";
}

using MemoDropDown = DropDownFixture<TExtMemoDropDown>;

TEST_F(MemoDropDown, NotEditableShowsTheFirstLineWithDots) {
  dd->SetEditorEnabled(false);
  TStringList lines;
  lines.Add("alpha");
  lines.Add("beta");
  dd->SetMemoText(&lines);
  EXPECT_EQ(dd->Text(), "alpha...");
}

TEST_F(MemoDropDown, TypingInTheEditReplacesTheText) {
  Driver.Type("abc");
  ASSERT_EQ(dd->MemoText()->Count(), 1);
  EXPECT_EQ(dd->MemoText()->Strings(0), "abc");
  EXPECT_EQ(dd->Text(), "abc");
}

TEST_F(MemoDropDown, EscapeDropsTheMemoEditsAndClickingElsewhereKeepsThem) {
  dd->ShowDropDown();
  ASSERT_TRUE(dd->Memo()->Focused());
  Driver.Type("one");
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->MemoText()->Count(), 0);
  dd->ShowDropDown();
  Driver.Type("two");
  Driver.Click(other, 5, 5);
  EXPECT_FALSE(dd->DroppedDown());
  ASSERT_EQ(dd->MemoText()->Count(), 1);
  EXPECT_EQ(dd->MemoText()->Strings(0), "two");
}

TEST_F(MemoDropDown, AutoDropOpensOnEntry) {
  dd->SetAutoDrop(true);
  Driver.Focus(other);
  Driver.Focus(dd);
  EXPECT_TRUE(dd->DroppedDown());
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(dd->DroppedDown());
}

TEST_F(MemoDropDown, Screenshot) {
  dd->ShowDropDown();
  const int empty_ink = InkOf(Shot(Driver, popup(), "dropdown-memo-empty.png"));
  Driver.Type("first line\nsecond line");
  EXPECT_GT(InkOf(Shot(Driver, popup(), "dropdown-memo.png")), empty_ink + 40) << "the typed lines are drawn";
}

}  // namespace
