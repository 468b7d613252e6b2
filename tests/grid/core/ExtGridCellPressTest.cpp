// Presses on what cells hold, through the mouse: cell buttons and expand
// buttons pushed until the release, ratings in half stars, the options of
// radio groups, node glyphs, and the selection resizer.

#include <string>
#include <vector>

#include "grid/core/CellGraphic.h"
#include "tests/grid/core/InputFixture.h"

namespace {

class CellPressTest : public InputTest {
protected:
  TPoint Inside(const TRect& r) const { return {r.Left + r.Width() / 2, r.Top + r.Height() / 2}; }
  // Lets the double-click time pass, so that the next click is a click of its own.
  void Later() { Driver.Advance(1000); }
};

TEST_F(CellPressTest, CellButtonClicksOnlyWhenReleasedOverIt) {
  Options({goEditing});
  grid->AddButton(2, 2, 30, 16, "Go", haLeft, vaTop);
  Driver.Pump();  // the painter places the button
  std::vector<std::string> clicks;
  grid->OnButtonClick = [&](TObject*, int c, int r) { clicks.push_back(std::to_string(c) + "," + std::to_string(r)); };
  TPoint p = Inside(grid->CellButtonRect(2, 2));
  Driver.MouseDown(grid, p.X, p.Y);
  EXPECT_EQ(grid->PushedCellButton(), (TPoint{2, 2}));
  EXPECT_TRUE(grid->GetCellGraphic(2, 2)->CellBoolean);  // drawn pushed
  Driver.MouseUp(grid, p.X, p.Y);
  EXPECT_EQ(clicks, (std::vector<std::string>{"2,2"}));
  EXPECT_EQ(grid->PushedCellButton(), (TPoint{-1, -1}));
  EXPECT_FALSE(grid->GetCellGraphic(2, 2)->CellBoolean);
  EXPECT_FALSE(grid->MouseCapture());

  Driver.MouseDown(grid, p.X, p.Y);
  TRect away = grid->CellRect(3, 4);
  Driver.MouseMove(grid, away.Left + 5, away.Top + 5);
  Driver.MouseUp(grid, away.Left + 5, away.Top + 5);
  EXPECT_EQ(clicks.size(), 1u);
  EXPECT_FALSE(grid->GetCellGraphic(2, 2)->CellBoolean);  // up again, without a click
  EXPECT_FALSE(grid->MouseCapture());
}

// Fixed cells as buttons: held down they are drawn sunken, released over
// the same cell they click; released elsewhere they only come up.
TEST_F(CellPressTest, FixedCellsActAsButtonsWhenAsked) {
  std::vector<std::string> clicks;
  grid->OnButtonClick = [&](TObject*, int c, int r) { clicks.push_back(std::to_string(c) + "," + std::to_string(r)); };
  auto edgePixel = [&](int c, int r) {
    TRect rc = grid->CellRect(c, r);
    return Driver.PixelAt(grid, rc.Left, rc.Top + rc.Height() / 2);
  };
  TPoint rowHeader = Inside(grid->CellRect(0, 3));
  Driver.Click(grid, rowHeader.X, rowHeader.Y);
  EXPECT_TRUE(clicks.empty()) << "off by default";

  grid->SetFixedAsButtons(true);
  Later();
  const TColor up = edgePixel(0, 3);
  Driver.MouseDown(grid, rowHeader.X, rowHeader.Y);
  EXPECT_EQ(grid->PushedCellButton(), (TPoint{0, 3}));
  EXPECT_NE(edgePixel(0, 3), up) << "drawn pushed while held";
  Driver.MouseUp(grid, rowHeader.X + 5, rowHeader.Y + 2);
  EXPECT_EQ(clicks, (std::vector<std::string>{"0,3"}));
  EXPECT_EQ(grid->PushedCellButton(), (TPoint{-1, -1}));
  EXPECT_EQ(edgePixel(0, 3), up) << "up again";

  Later();
  TPoint colHeader = Inside(grid->CellRect(2, 0));
  TPoint other = Inside(grid->CellRect(3, 0));
  Driver.MouseDown(grid, colHeader.X, colHeader.Y);
  EXPECT_EQ(grid->PushedCellButton(), (TPoint{2, 0}));
  Driver.MouseMove(grid, other.X, other.Y);
  Driver.MouseUp(grid, other.X, other.Y);
  EXPECT_EQ(clicks.size(), 1u) << "released over another cell";
  EXPECT_EQ(grid->PushedCellButton(), (TPoint{-1, -1}));

  Later();
  TPoint normal = Inside(grid->CellRect(2, 3));
  Driver.Click(grid, normal.X, normal.Y);
  EXPECT_EQ(clicks.size(), 1u) << "normal cells are no buttons";

  TGridOptions o = grid->Options();
  o.Exclude(goFixedVertLine);
  grid->SetOptions(o);
  Later();
  Driver.Click(grid, rowHeader.X, rowHeader.Y);
  EXPECT_EQ(clicks.size(), 1u) << "without fixed lines they have no button look";
}

TEST_F(CellPressTest, ButtonOfACellThatMayNotBeEditedComesUpWithoutAClick) {
  grid->AddButton(2, 2, 30, 16, "Go", haLeft, vaTop);
  Driver.Pump();
  int clicks = 0;
  grid->OnButtonClick = [&](TObject*, int, int) { ++clicks; };
  TPoint p = Inside(grid->CellButtonRect(2, 2));
  Driver.Click(grid, p.X, p.Y);
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(grid->GetCellGraphic(2, 2)->CellBoolean);
  grid->ControlLook()->SetNoDisabledButtonLook(true);
  Later();
  Driver.Click(grid, p.X, p.Y);
  EXPECT_EQ(clicks, 1);
}

TEST_F(CellPressTest, DoubleClickOnAButtonIsTheButtonsAlone) {
  Options({goEditing});
  grid->AddButton(2, 2, 30, 16, "Go", haLeft, vaTop);
  Driver.Pump();
  int dbl = 0;
  grid->OnDblClick = [&](TObject*) { ++dbl; };
  grid->OnDblClickCell = [&](TObject*, int, int) { ++dbl; };
  TPoint p = Inside(grid->CellButtonRect(2, 2));
  Driver.DoubleClick(grid, p.X, p.Y);
  EXPECT_EQ(dbl, 0);
  EXPECT_FALSE(grid->EditorMode());
}

TEST_F(CellPressTest, ExpandButtonTogglesTheRowHeight) {
  Options({goEditing});
  grid->AddExpand(2, 2, 60);
  Driver.Pump();
  std::vector<bool> seen;
  grid->OnExpandClick = [&](TObject*, int, int, bool e) { seen.push_back(e); };
  TPoint p = Inside(grid->ExpandButtonRect(2, 2));
  Driver.Click(grid, p.X, p.Y);
  EXPECT_EQ(grid->RowHeights(2), 60);
  Later();
  Driver.Click(grid, p.X, p.Y);
  EXPECT_EQ(grid->RowHeights(2), 24);
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST_F(CellPressTest, RatingTakesHalfStarsOfNinePixels) {
  Options({goEditing});
  grid->AddRating(2, 2, 5, clYellow, clGray);
  double asked = -1;
  bool allow = true;
  grid->OnRatingChange = [&](TObject*, int, int, double& rate, bool& Allow) {
    asked = rate;
    Allow = allow;
  };
  ClickCell(2, 2, {}, 30, 10);  // trunc(30 / 9) / 2
  EXPECT_DOUBLE_EQ(asked, 1.5);
  EXPECT_DOUBLE_EQ(grid->Floats(2, 2), 1.5);
  allow = false;
  Later();
  ClickCell(2, 2, {}, 50, 10);
  EXPECT_DOUBLE_EQ(asked, 2.5);
  EXPECT_DOUBLE_EQ(grid->Floats(2, 2), 1.5);
  EXPECT_FALSE(grid->EditorMode());
}

TEST_F(CellPressTest, RadioGroupOptionUnderThePressIsChosen) {
  Options({goEditing});
  TStrings* side = grid->CreateRadio(2, 2, 1, 0);
  side->Add("A");
  side->Add("B");
  TStrings* under = grid->CreateRadio(3, 3, 0, 0);
  under->Add("X");
  under->Add("Y");
  under->Add("Z");
  grid->SetRowHeights(3, 60);  // room for three options one under another
  std::vector<std::string> clicks;
  grid->OnRadioClick = [&](TObject*, int c, int r, int i) {
    clicks.push_back(std::to_string(c) + "," + std::to_string(r) + ":" + std::to_string(i));
  };
  grid->Canvas()->Font()->Assign(grid->Font());
  TCellControlStyle style = grid->ControlLook()->ControlStyle();
  int gap = style == csClassic || style == csFlat ? grid->ControlLook()->RadioSize() : 16;
  int endA = grid->Canvas()->TextWidth("A") + gap;
  ClickCell(2, 2, {}, endA + 2, 10);
  int idx = -1;
  ASSERT_TRUE(grid->GetRadioIdx(2, 2, idx));
  EXPECT_EQ(idx, 1);
  Later();
  ClickCell(2, 2, {}, endA, 10);  // exactly on the boundary: nothing
  grid->GetRadioIdx(2, 2, idx);
  EXPECT_EQ(idx, 1);
  int line = std::max(gap, grid->Canvas()->TextHeight("gh"));
  Later();
  ClickCell(3, 3, {}, 10, 2 * line + 1);
  grid->GetRadioIdx(3, 3, idx);
  EXPECT_EQ(idx, 2);
  EXPECT_EQ(Cursor(), (TGridCoord{3, 3}));
  EXPECT_EQ(clicks, (std::vector<std::string>{"2,2:1", "3,3:2"}));
}

TEST_F(CellPressTest, NodeGlyphTogglesTheNodeWithoutMovingTheCursor) {
  grid->AddNode(2, 3);
  grid->MouseActions()->SetPreciseNodeClick(false);  // the whole outline cell is the glyph
  Go(2, 1);
  std::vector<std::string> events;
  grid->OnContractNode = [&](TObject*, int r, int) { events.push_back("contract " + std::to_string(r)); };
  grid->OnExpandNode = [&](TObject*, int r, int) { events.push_back("expand " + std::to_string(r)); };
  ClickCell(0, 2);
  EXPECT_EQ(grid->RowCount(), 6);
  EXPECT_EQ(Cursor(), (TGridCoord{2, 1}));
  grid->MouseActions()->SetMoveRowOnNodeClick(true);
  Later();
  ClickCell(0, 2);
  EXPECT_EQ(grid->RowCount(), 8);
  EXPECT_EQ(Cursor().Y, 2);
  EXPECT_EQ(events, (std::vector<std::string>{"contract 2", "expand 2"}));
}

TEST_F(CellPressTest, HoverFollowLeavesAnOpenEditorAlone) {
  grid->SetHovering(true);
  TRect a = grid->CellRect(3, 4);
  Driver.MouseMove(grid, a.Left + 5, a.Top + 5);
  Driver.Advance(600);
  EXPECT_EQ(Cursor(), (TGridCoord{3, 4}));
  Options({goEditing});
  Go(1, 1);
  Key(VK_F2);
  ASSERT_TRUE(grid->EditorMode());
  TRect b = grid->CellRect(2, 5);
  Driver.MouseMove(grid, b.Left + 5, b.Top + 5);
  Driver.Advance(600);
  EXPECT_EQ(Cursor(), (TGridCoord{1, 1}));
  EXPECT_TRUE(grid->EditorMode());
}

class SelectionResizerTest : public CellPressTest {
protected:
  void SetUp() override {
    CellPressTest::SetUp();
    Options({goRangeSelect});
    grid->SetSelectionRectangle(true);
    grid->SetSelectionResizer(true);
    grid->SetSelection({1, 1, 2, 2});
  }
};

TEST_F(SelectionResizerTest, DraggingTheCornerResizesAndFillsTheSelection) {
  std::vector<std::string> seen;
  auto note = [&](const char* what) {
    return [&, what](TObject*, const TGridRect& from, const TGridRect& to) {
      seen.push_back(std::string(what) + " " + std::to_string(from.Right) + "," + std::to_string(from.Bottom) + "->" +
                     std::to_string(to.Right) + "," + std::to_string(to.Bottom));
    };
  };
  grid->OnSelectionResize = note("resize");
  grid->OnSelectionResized = note("resized");
  TRect handle = grid->SelectionResizerRect();
  EXPECT_EQ(handle.Width(), 6);
  EXPECT_EQ(handle.Bottom, grid->CellRect(2, 2).Bottom);
  Driver.MouseMove(grid, handle.Left + 2, handle.Top + 2);
  EXPECT_EQ(grid->MouseSelectMode(), msResize);
  Driver.MouseDown(grid, handle.Left + 2, handle.Top + 2);
  TRect to = grid->CellRect(3, 4);
  Driver.MouseMove(grid, to.Left + 5, to.Top + 5);
  Driver.MouseUp(grid, to.Left + 5, to.Top + 5);
  EXPECT_EQ(NormalizedGridRect(grid->Selection()), (TGridRect{1, 1, 3, 4}));
  EXPECT_EQ(grid->Clipboard, (std::vector<std::string>{"copy", "paste"}));
  EXPECT_EQ(seen, (std::vector<std::string>{"resize 2,2->3,4", "resized 2,2->3,4"}));
  EXPECT_FALSE(grid->MouseCapture());
}

TEST_F(SelectionResizerTest, TheHandlesRightAndBottomEdgesAreOutside) {
  TRect handle = grid->SelectionResizerRect();
  Driver.MouseMove(grid, handle.Right, handle.Bottom - 1);
  Driver.Click(grid, handle.Right, handle.Bottom - 1);
  EXPECT_TRUE(grid->Clipboard.empty());
  grid->SetSelection({1, 1, 2, 2});
  handle = grid->SelectionResizerRect();
  Driver.Click(grid, handle.Left + 1, handle.Bottom);
  EXPECT_TRUE(grid->Clipboard.empty());
  grid->SetSelectionResizer(false);
  grid->SetSelection({1, 1, 2, 2});
  Driver.Click(grid, handle.Left + 1, handle.Top + 1);
  EXPECT_TRUE(grid->Clipboard.empty());
}

}  // namespace
