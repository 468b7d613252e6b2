// What the string grid shows while the mouse sizes, hovers, presses and
// scrolls: the sizing hint and dotted sizing line, links underlined on
// hover, the bar of a scroll-bar cell, the drop-down menu of a fixed cell,
// the filter list of the filter row, the pan marker, cell controls after a
// scroll, and the flat window scroll bars.

#include "grid/data/FilterDropList.h"
#include "grid/output/HTMLHintWindow.h"
#include "tests/grid/core/InputFixture.h"
#include "toolkit/forms/std/Containers.h"
#include "toolkit/forms/std/FlatScrollBars.h"
#include "toolkit/forms/std/Menus.h"
#include "toolkit/testing/MenuSteps.h"

namespace {

// The number in a sizing hint "cw=<b>90</b>".
int HintNumber(const std::string& Text) {
  const size_t a = Text.find("<b>"), b = Text.find("</b>");
  if (a == std::string::npos || b == std::string::npos) return -1;
  return std::stoi(Text.substr(a + 3, b - a - 3));
}

// Dark pixels of what the window shows inside r (client coordinates of C).
int DarkShown(TTestDriver& Driver, TControl* C, const TRect& r) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      const TColor c = ColorToRGB(Driver.PixelAt(C, x, y));
      n += (c & 0xFF) < 0x80 && ((c >> 8) & 0xFF) < 0x80 && ((c >> 16) & 0xFF) < 0x80;
    }
  return n;
}

}  // namespace

TEST_F(InputTest, SizingAFixedColumnShowsItsWidthAndADottedLine) {
  grid->MouseActions()->SetSizeFixedCol(true);
  grid->SetHintShowSizing(true);
  Driver.MouseMove(grid, 64, 30);
  Driver.MouseDown(grid, 64, 30);
  Driver.MouseMove(grid, 90, 30);
  ASSERT_NE(grid->ScrollHintWindow(), nullptr);
  EXPECT_EQ(grid->ScrollHintWindow()->Caption(), "cw=<b>90</b>");
  EXPECT_TRUE(grid->ScrollHintWindow()->Visible());
  // The line crosses the rows at the pointer.
  EXPECT_GT(DarkShown(Driver, grid, TRect{90, 30, 91, 30 + 40}), 10);
  Driver.Screenshot(form, "grid-fixed-sizing-line.png");
  Driver.MouseUp(grid, 90, 30);
  EXPECT_EQ(grid->ScrollHintWindow(), nullptr);
  EXPECT_EQ(grid->ColWidths(0), 90);
}

TEST_F(InputTest, SizingANormalColumnHintsTheWidthItWillGet) {
  Options({goColSizing});
  grid->SetHintShowSizing(true);
  // Column 2 ends at 192; the press lies 2 pixels right of its border.
  Driver.MouseMove(grid, 194, 10);
  Driver.MouseDown(grid, 194, 10);
  Driver.MouseMove(grid, 214, 10);
  ASSERT_NE(grid->ScrollHintWindow(), nullptr);
  const std::string hint = grid->ScrollHintWindow()->Caption();
  EXPECT_EQ(hint.substr(0, 6), "cw=<b>");
  Driver.MouseUp(grid, 214, 10);
  EXPECT_EQ(HintNumber(hint), grid->ColWidths(2));
  EXPECT_EQ(grid->ColWidths(2), 84);
}

TEST_F(InputTest, WithoutHintShowSizingNoSizingHintShows) {
  grid->MouseActions()->SetSizeFixedCol(true);
  Driver.MouseMove(grid, 64, 30);
  Driver.MouseDown(grid, 64, 30);
  Driver.MouseMove(grid, 90, 30);
  EXPECT_EQ(grid->ScrollHintWindow(), nullptr);
  Driver.MouseUp(grid, 90, 30);
}

TEST_F(InputTest, ThumbHintShowsInAWindowUntilTheScrollEnds) {
  grid->SetRowCount(101);
  grid->SetScrollHints(shVertical);
  grid->Perform(WM_VSCROLL, SB_THUMBTRACK | (0 << 16), 0);
  ASSERT_NE(grid->ScrollHintWindow(), nullptr);
  EXPECT_EQ(grid->ScrollHintWindow()->Caption(), "Row : 1");
  grid->Perform(WM_VSCROLL, SB_ENDSCROLL, 0);
  EXPECT_EQ(grid->ScrollHintWindow(), nullptr);
  grid->SetColCount(40);
  grid->Perform(WM_HSCROLL, SB_THUMBTRACK | (5 << 16), 0);
  EXPECT_EQ(grid->ScrollHintWindow(), nullptr) << "only the vertical thumb hints";
}

TEST_F(InputTest, LinksAreUnderlinedOnlyWhileHovered) {
  grid->SetURLUnderlineOnHover(true);
  grid->SetCells(2, 2, "see <A href=\"one\">one</A> or <A href=\"two\">two</A>");
  grid->SetColWidths(2, 200);
  const TRect r = grid->CellRect(2, 2);
  auto inkUnderTheText = [&] { return DarkShown(Driver, grid, TRect{r.Left, r.Top + 2, r.Right, r.Bottom - 2}); };
  const int plain = inkUnderTheText();
  bool over = false;
  for (int x = r.Left + 2; x < r.Right && !over; ++x) {
    Driver.MouseMove(grid, x, r.Top + 12);
    over = grid->HoverLink() >= 0;
  }
  ASSERT_TRUE(over) << "some point of the cell lies on a link";
  EXPECT_EQ(grid->HoverCell(), (TPoint{2, 2}));
  EXPECT_GE(grid->HoverLink(), 0);
  Driver.MouseMove(grid, 10, 100);
  EXPECT_EQ(grid->HoverCell(), (TPoint{-1, -1}));
  EXPECT_EQ(grid->HoverLink(), -1);
  EXPECT_EQ(inkUnderTheText(), plain);
}

class ScrollCellTest : public InputTest {
protected:
  void SetUp() override {
    InputTest::SetUp();
    grid->SetRowHeights(2, 80);
    grid->AddScrollBar(2, 2, false);
    grid->SetScrollProp(2, 2, TScrollProp{10, 100});
    grid->OnScrollCell = [this](TObject*, int ACol, int ARow, int Pos, int Min, int Max) {
      told.push_back({ACol, ARow, Pos, Min, Max});
    };
  }
  struct TTold {
    int Col, Row, Pos, Min, Max;
    bool operator==(const TTold& o) const {
      return Col == o.Col && Row == o.Row && Pos == o.Pos && Min == o.Min && Max == o.Max;
    }
  };
  std::vector<TTold> told;
};

TEST_F(ScrollCellTest, HoveringShowsTheBarAlongTheCellsRightEdge) {
  const TRect r = grid->CellRect(2, 2);
  Driver.MouseMove(grid, r.Left + 5, r.Top + 5);
  TWinControl* bar = grid->CellScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->Visible());
  const int line = grid->GridLineWidth();
  EXPECT_EQ(bar->BoundsRect(), (TRect{r.Right - 17 - line, r.Top + line, r.Right - line, r.Bottom - line}));
  Driver.MouseMove(grid, 10, 100);
  EXPECT_FALSE(bar->Visible());
  grid->SetScrollProp(2, 2, TScrollProp{100, 100});  // everything fits
  Driver.MouseMove(grid, r.Left + 5, r.Top + 5);
  EXPECT_FALSE(bar->Visible());
}

TEST_F(ScrollCellTest, TheBarStaysOnItsCellWhenTheGridScrollsOrSizes) {
  const TRect r = grid->CellRect(2, 2);
  Driver.MouseMove(grid, r.Left + 5, r.Top + 5);
  TWinControl* bar = grid->CellScrollBar();
  ASSERT_NE(bar, nullptr);
  const int line = grid->GridLineWidth();
  grid->SetColWidths(1, 100);
  TRect moved = grid->CellRect(2, 2);
  EXPECT_EQ(bar->BoundsRect(), (TRect{moved.Right - 17 - line, moved.Top + line, moved.Right - line, moved.Bottom - line}));
  grid->SetTopRow(3);
  EXPECT_EQ(bar->Height(), 0) << "its cell is out of view";
  grid->SetTopRow(1);
  moved = grid->CellRect(2, 2);
  EXPECT_EQ(bar->BoundsRect(), (TRect{moved.Right - 17 - line, moved.Top + line, moved.Right - line, moved.Bottom - line}));
}

TEST_F(ScrollCellTest, TheBarsArrowsMoveThePositionByTenWithinItsRange) {
  const TRect r = grid->CellRect(2, 2);
  Driver.MouseMove(grid, r.Left + 5, r.Top + 5);
  TWinControl* bar = grid->CellScrollBar();
  ASSERT_NE(bar, nullptr);
  Driver.Click(bar, 8, 3);  // up arrow at the minimum
  EXPECT_TRUE(told.empty());
  EXPECT_EQ(grid->GetScrollPosition(2, 2), 0);
  Driver.Click(bar, 8, bar->Height() - 3);  // down arrow
  EXPECT_EQ(grid->GetScrollPosition(2, 2), 10);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0], (TTold{2, 2, 10, 0, 100}));
  EXPECT_EQ(grid->TopRow(), 1) << "the grid itself does not scroll";
  Driver.Screenshot(form, "grid-scroll-bar-cell.png");
}

TEST_F(InputTest, FixedCellDropDownButtonPopsTheMenu) {
  grid->ControlLook()->SetFixedDropDownButton(true);
  grid->SetHoverFixedCells(hfAll);
  auto* menu = new TPopupMenu(form);
  std::string chosen;
  auto* item = new TMenuItem(menu);
  item->SetCaption("Hide column");
  item->OnClick = [&](TObject*) { chosen = "hide " + std::to_string(menu->Tag()); };
  menu->Items()->Add(item);
  grid->SetFixedDropDownMenu(menu);
  std::vector<std::pair<int, int>> asked;
  grid->OnFixedDropDownClick = [&](TObject*, int ACol, int ARow, TPopupMenu*& AMenu, bool& Keep) {
    asked.push_back({ACol, ARow});
    EXPECT_EQ(AMenu, menu);
    EXPECT_FALSE(Keep);
  };
  const TRect r = grid->CellRect(3, 0);
  ChooseMenuItem(Driver, "Hide column");
  Driver.MouseMove(grid, r.Right - 8, r.Top + 10);
  Driver.Click(grid, r.Right - 8, r.Top + 10);
  EXPECT_EQ(chosen, "hide 3");
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{3, 0}}));
  // Left of the button the press is an ordinary header press.
  chosen.clear();
  Driver.Advance(1000);
  Driver.Click(grid, r.Left + 10, r.Top + 10);
  EXPECT_EQ(chosen, "");
  // The handler may take the menu away: then nothing pops up.
  grid->OnFixedDropDownClick = [&](TObject*, int, int, TPopupMenu*& AMenu, bool&) { AMenu = nullptr; };
  Driver.Advance(1000);
  Driver.Click(grid, r.Right - 8, r.Top + 10);
  EXPECT_EQ(chosen, "");
  delete menu;
  EXPECT_EQ(grid->FixedDropDownMenu(), nullptr) << "a freed menu is forgotten";
}

class FlatScrollTest : public InputTest {
protected:
  void SetUp() override {
    InputTest::SetUp();
    grid->SetRowCount(60);
    grid->SetColCount(12);
    grid->SetScrollBars(ssBoth);
    Driver.Pump();
  }
};

TEST_F(FlatScrollTest, FlatBarsTakeTheirWidthAndColour) {
  const int system = grid->ScrollBarRect(SB_VERT).Width();
  grid->SetScrollWidth(10);
  grid->SetScrollColor(clRed);
  grid->SetScrollType(ssFlat);
  EXPECT_TRUE(grid->FlatScrollBarsActive());
  EXPECT_EQ(grid->ScrollBarRect(SB_VERT).Width(), 10);
  EXPECT_EQ(grid->ScrollBarRect(SB_HORZ).Height(), 10);
  intptr_t mode = -1;
  ASSERT_TRUE(FlatSB_GetScrollProp(grid->Handle(), WSB_PROP_VSTYLE, mode));
  EXPECT_EQ(mode, FSB_FLAT_MODE);
  grid->Repaint();
  Driver.Screenshot(form, "grid-scroll-flat.png");
  grid->SetScrollType(ssEncarta);
  ASSERT_TRUE(FlatSB_GetScrollProp(grid->Handle(), WSB_PROP_HSTYLE, mode));
  EXPECT_EQ(mode, FSB_ENCARTA_MODE);
  grid->Repaint();
  Driver.Screenshot(form, "grid-scroll-encarta.png");
  grid->SetScrollType(ssNormal);
  EXPECT_FALSE(grid->FlatScrollBarsActive());
  EXPECT_EQ(grid->ScrollBarRect(SB_VERT).Width(), system);
}

TEST_F(FlatScrollTest, TheFlatBarsTrackIsDrawnInScrollColor) {
  grid->SetScrollColor(clRed);
  grid->SetScrollType(ssFlat);
  Driver.Pump();
  const TRect bar = grid->ScrollBarRect(SB_VERT);
  const TRect client = grid->ClientAreaInWindow();
  // Low on the track, below the thumb at the top and above the down arrow (client coordinates).
  const TPoint p{bar.Left - client.Left + bar.Width() / 2, bar.Bottom - client.Top - bar.Width() - 10};
  EXPECT_EQ(ColorToRGB(Driver.PixelAt(grid, p.X, p.Y)), ColorToRGB(clRed));
}

TEST_F(InputTest, AReleaseOnAFilterButtonOpensItsListUnderTheButton) {
  grid->SetFilterDropDownAuto(true);
  grid->FilterDropDown()->SetWidth(100);  // fits right of the button
  for (int r = 1; r < 8; ++r) grid->SetCells(2, r, r % 2 ? "odd" : "even");
  const TRect cell = grid->CellRect(2, 0);
  Driver.Click(grid, cell.Right - 8, cell.Top + 10);
  ASSERT_NE(grid->FilterDropList(), nullptr);
  EXPECT_TRUE(grid->FilterDropList()->Visible());
  EXPECT_EQ(grid->FilterColumn(), 2);
  EXPECT_EQ(grid->FilterDropList()->Left(), cell.Right - 16);
  EXPECT_EQ(grid->FilterDropList()->Top(), cell.Top + 16);
  Driver.Screenshot(form, "grid-filter-list.png");
  Driver.Advance(1000);
  Driver.Click(grid, 100, 150);  // elsewhere: the list closes
  EXPECT_FALSE(grid->FilterDropList()->Visible());
  EXPECT_EQ(grid->FilterColumn(), -1);
}

TEST_F(InputTest, WheelClickPanningShowsItsMarkerWhileItLasts) {
  grid->SetRowCount(60);
  auto shown = [&](int dx, int dy) { return ColorToRGB(Driver.PixelAt(grid, 100 + dx, 60 + dy)); };
  Driver.MouseDown(grid, 100, 60, mbMiddle);
  ASSERT_TRUE(grid->WheelPanning());
  EXPECT_EQ(shown(15, 15), 0) << "the centre dot";
  EXPECT_EQ(shown(16, 4), 0) << "the up arrow of the vertical marker";
  EXPECT_EQ(shown(4, 16), ColorToRGB(clWhite)) << "no side arrows, and the marker's own background is white";
  Driver.Screenshot(form, "grid-pan-marker.png");
  Driver.MouseDown(grid, 100, 60, mbLeft);
  EXPECT_FALSE(grid->WheelPanning());
  EXPECT_NE(shown(15, 15), 0) << "the marker went with the panning";
  Driver.MouseUp(grid, 100, 60, mbLeft);
}

TEST_F(InputTest, ControlsPlacedInCellsFollowTheScroll) {
  grid->SetRowCount(40);
  auto* box = new TPanel(form);
  grid->SetCellControls(2, 3, box);
  grid->SetTopRow(10);
  EXPECT_FALSE(box->Visible()) << "its cell is out of view";
  grid->SetTopRow(2);
  ASSERT_TRUE(box->Visible());
  const TRect r = grid->CellRect(2, 3);
  EXPECT_EQ(box->BoundsRect(), (TRect{r.Left - 1, r.Top - 1, r.Right, r.Bottom}));
}
