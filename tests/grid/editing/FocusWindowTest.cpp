// The focus frame around the edited cell: its size and hole, its glow, its
// place when windows move, and its end with the edit.

#include "grid/foundation/ExtGridStartup.h"
#include "grid/foundation/ExtObjIndicators.h"
#include "tests/grid/editing/GridEditFixture.h"

namespace {

class FocusWindowTest : public GridEditTest {
protected:
  // The library's start installs the thread hook that keeps the frame on the cell.
  void SetUp() override {
    GridEditTest::SetUp();
    StartGridLibrary();
    grid->FocusHelper()->SetEnabled(true);
  }
  void TearDown() override {
    EndGridLibrary();
    GridEditTest::TearDown();
  }
  bool FrameShown() { return grid->FocusWindow() && grid->FocusWindow()->Visible(); }
  void ExpectFrameAround(int ADisplCol, int ARow) {
    TRect cell = grid->CellRect(ADisplCol, ARow);
    TPoint at = grid->ClientToScreen({cell.Left - 4, cell.Top - 4});
    TGridFocusWindow* f = grid->FocusWindow();
    EXPECT_EQ(f->Left(), at.X);
    EXPECT_EQ(f->Top(), at.Y);
    EXPECT_EQ(f->Width(), cell.Width() + 9);
    EXPECT_EQ(f->Height(), cell.Height() + 9);
  }
};

TEST_F(FocusWindowTest, FramesTheEditedCellWithAHoleOverIt) {
  GoTo(TextCol, 2);
  Driver.PressKey(VK_F2);
  ASSERT_TRUE(FrameShown());
  EXPECT_EQ(FocusWindowGrid, grid);
  ExpectFrameAround(TextCol, 2);
  TGridFocusWindow* f = grid->FocusWindow();
  TRect cell = grid->CellRect(TextCol, 2);
  // The region covers the frame only: no rectangle reaches into the cell's hole.
  TRect hole(4, 4, 4 + cell.Width(), 4 + cell.Height());
  ASSERT_FALSE(f->WindowRgn().empty());
  for (const TRect& r : f->WindowRgn()) {
    TRect overlap;
    EXPECT_FALSE(IntersectRect(overlap, r, hole)) << r.Left << "," << r.Top;
  }
  // The glow: strong on the outline, nothing over the middle of the cell.
  TGridAlphaMask img;
  img.SetPixelFormat(pf32bit);
  img.SetSize(f->Image().Width(), f->Image().Height());
  img.Assign(&f->Image());
  ASSERT_EQ(img.Width(), f->Width());
  ASSERT_EQ(img.Height(), f->Height());
  EXPECT_GT(img.ScanLine(5)[img.Width() / 2 * 4 + 3], 100);
  EXPECT_EQ(img.ScanLine(img.Height() / 2)[img.Width() / 2 * 4 + 3], 0);
  EXPECT_EQ(img.Opacity, 230);
  Driver.Screenshot(form, "focus_frame.png");
}

TEST_F(FocusWindowTest, HidesWhenTheEditEndsAcceptedOrCancelled) {
  GoTo(TextCol, 2);
  Driver.PressKey(VK_F2);
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(FrameShown());
  EXPECT_EQ(FocusWindowGrid, nullptr);
  Driver.Type("x");
  ASSERT_TRUE(FrameShown());
  Driver.PressKey(VK_RETURN);
  EXPECT_FALSE(FrameShown());
  GoTo(ListCol, 3);
  Driver.PressKey(VK_F2);
  ASSERT_TRUE(FrameShown());
  ExpectFrameAround(ListCol, 3);
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(FrameShown());
}

TEST_F(FocusWindowTest, FollowsTheCellWhenTheFormMoves) {
  GoTo(TextCol, 2);
  Driver.PressKey(VK_F2);
  form->SetBounds(form->Left() + 40, form->Top() + 25, form->Width(), form->Height());
  Driver.Pump();
  ExpectFrameAround(TextCol, 2);
  Driver.PressKey(VK_ESCAPE);
}

TEST_F(FocusWindowTest, TallCellGetsAFrameOfItsOwnSize) {
  grid->SetRowHeights(4, 60);
  GoTo(TextCol, 4);
  Driver.PressKey(VK_F2);
  ExpectFrameAround(TextCol, 4);
  EXPECT_EQ(grid->FocusWindow()->Image().Height(), 60 + 9);
  Driver.PressKey(VK_ESCAPE);
}

TEST_F(FocusWindowTest, NoFrameWithoutTheFocusHelper) {
  grid->FocusHelper()->SetEnabled(false);
  GoTo(TextCol, 2);
  Driver.PressKey(VK_F2);
  EXPECT_FALSE(FrameShown());
  EXPECT_EQ(FocusWindowGrid, nullptr);
  Driver.PressKey(VK_ESCAPE);
}

TEST_F(FocusWindowTest, AFreedGridIsForgotten) {
  GoTo(TextCol, 2);
  Driver.PressKey(VK_F2);
  ASSERT_EQ(FocusWindowGrid, grid);
  delete grid;
  grid = nullptr;
  EXPECT_EQ(FocusWindowGrid, nullptr);
  form->SetBounds(form->Left() + 5, form->Top(), form->Width(), form->Height());  // the hook reaches no grid
  Driver.Pump();
}

}  // namespace
