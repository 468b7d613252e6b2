// The editors beyond the text editor and the combo: the check-box and
// button editors, and the kinds whose control is not part of the grid yet,
// which are edited as text meanwhile.

#include <string>
#include <vector>

#include "grid/editing/GridEditorControls.h"
#include "tests/grid/editing/GridEditFixture.h"

namespace {

bool shown(TControl* c) { return c && c->Visible(); }

TEST_F(GridEditTest, CheckBoxEditorShowsTheCellTextAndWritesNothing) {
  grid->Columns()->Items(TextCol)->SetEditor(edCheckBox);
  GoTo(TextCol, 2);
  Driver.PressKey(VK_F2);
  TGridCheckBox* box = grid->EditCheck;
  ASSERT_TRUE(shown(box));
  EXPECT_EQ(box->Caption(), "row2");
  EXPECT_FALSE(box->Checked());
  EXPECT_FALSE(TextEditorShown());
  Driver.PressKey(VK_SPACE);
  EXPECT_TRUE(box->Checked());
  TPoint p{box->Width() / 2, box->Height() / 2};
  Driver.Click(box, p.X, p.Y);
  EXPECT_FALSE(box->Checked());  // one click, one toggle
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(shown(box));
  EXPECT_FALSE(box->Enabled());
  EXPECT_EQ(grid->Cells(TextCol, 2), "row2");
  EXPECT_FALSE(grid->EditMode);
}

TEST_F(GridEditTest, CheckBoxEditorArrowEndsTheEditAndMoves) {
  grid->Columns()->Items(TextCol)->SetEditor(edCheckBox);
  GoTo(TextCol, 2);
  Driver.PressKey(VK_F2);
  Driver.PressKey(VK_DOWN);
  EXPECT_FALSE(shown(grid->EditCheck));
  EXPECT_EQ(grid->Row(), 3);
}

TEST_F(GridEditTest, ButtonEditorClickGoesThroughTheEllipsisRelay) {
  grid->Columns()->Items(ListCol)->SetEditor(edButton);
  grid->HideColumn(TextCol);  // the relay reports the real column, the click the displayed one
  std::vector<std::string> calls;
  grid->OnEllipsClick = [&](TObject*, int c, int r, std::string& s) {
    calls.push_back("ellips " + std::to_string(c) + "," + std::to_string(r) + " " + s);
    s = "picked";
  };
  grid->OnButtonClick = [&](TObject*, int c, int r) {
    calls.push_back("button " + std::to_string(c) + "," + std::to_string(r));
  };
  int displ = grid->DisplColIndex(ListCol);
  GoTo(displ, 2);
  Driver.PressKey(VK_F2);
  TGridButton* b = grid->GridButton;
  ASSERT_TRUE(shown(b));
  EXPECT_EQ(b->Caption(), "Word");
  TRect cell = grid->CellRect(displ, 2);
  EXPECT_EQ(b->Left(), cell.Left - 1);
  EXPECT_EQ(b->Width(), cell.Width() + 1);
  Driver.Click(b, 5, 5);
  EXPECT_EQ(b->Caption(), "picked");
  EXPECT_EQ(grid->Cells(ListCol, 2), "picked");
  EXPECT_EQ(calls, (std::vector<std::string>{"ellips 2,2 Word", "button 1,2"}));
}

TEST_F(GridEditTest, ButtonEditorEscapeRestoresAndClosesArrowMoves) {
  grid->Columns()->Items(TextCol)->SetEditor(edButton);
  grid->OnEllipsClick = [](TObject*, int, int, std::string& s) { s = "changed"; };
  GoTo(TextCol, 2);
  Driver.PressKey(VK_F2);
  Driver.Click(grid->GridButton, 5, 5);
  ASSERT_EQ(grid->Cells(TextCol, 2), "changed");
  EXPECT_EQ(grid->OriginalCellValue(), "row2");
  EXPECT_TRUE(grid->GridButton->Focused());
  Driver.PressKey(VK_ESCAPE);
  EXPECT_EQ(grid->Cells(TextCol, 2), "row2");
  EXPECT_FALSE(shown(grid->GridButton));
  Driver.PressKey(VK_F2);
  ASSERT_TRUE(shown(grid->GridButton));
  Driver.PressKey(VK_DOWN);
  EXPECT_FALSE(shown(grid->GridButton));
  EXPECT_EQ(grid->Row(), 3);
}

}  // namespace

TEST_F(GridEditTest, MaxEditLengthReachesAnOpenEditor) {
  GoTo(TextCol, 2);
  Driver.PressKey(VK_F2);
  ASSERT_NE(grid->NormalEdit(), nullptr);
  grid->SetMaxEditLength(4);
  grid->NormalEdit()->SelectAll();
  Driver.Type("abcdefg");
  EXPECT_EQ(grid->NormalEdit()->Text(), "abcd");
  Driver.PressKey(VK_ESCAPE);
}
