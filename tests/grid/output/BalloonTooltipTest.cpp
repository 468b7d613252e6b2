// Cell balloons: the tooltip's life with Balloon.Enable, its delays, and the
// text, title and icon it is given for the cell under the mouse.

#include <gtest/gtest.h>

#include "grid/core/ExtGrid.h"
#include "grid/output/BalloonTooltip.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/testing/TestDriver.h"

namespace {

// A grid that a form stream would load: the test ends the loading.
class TLoadedGrid : public TExtStringGrid {
public:
  using TExtStringGrid::TExtStringGrid;
  using TExtStringGrid::Loaded;
};

class CellBalloons : public FormsTest {
protected:
  void SetUp() override {
    form = new TForm(Application);
    form->SetBounds(10, 10, 500, 400);
    form->Show();
    grid = new TLoadedGrid(form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 400, 300);
    Driver.Pump();
  }
  // The balloon's text for the cell under (x, y) of the grid.
  std::string TextAt(int x, int y) {
    Driver.MouseMove(grid, x, y);
    std::string text;
    grid->BalloonNeedText(text);
    return text;
  }
  TForm* form = nullptr;
  TLoadedGrid* grid = nullptr;
};

TEST_F(CellBalloons, EnableMakesTheTooltipOnceAndDisableRemovesIt) {
  EXPECT_EQ(grid->BalloonTooltip(), nullptr);
  grid->Balloon()->SetEnable(true);
  TBalloonTooltip* first = grid->BalloonTooltip();
  ASSERT_NE(first, nullptr);
  grid->BalloonInit();  // already made: nothing new
  EXPECT_EQ(grid->BalloonTooltip(), first);
  EXPECT_EQ(first->Title(), "ToolTipText");
  EXPECT_EQ(first->TitleIcon(), 3);
  grid->Balloon()->SetEnable(false);
  EXPECT_EQ(grid->BalloonTooltip(), nullptr);
  grid->Balloon()->SetEnable(true);
  EXPECT_NE(grid->BalloonTooltip(), nullptr);
}

TEST_F(CellBalloons, NothingIsMadeWhileLoadingUntilLoaded) {
  grid->BeginLoading();
  grid->Balloon()->SetEnable(true);
  EXPECT_EQ(grid->BalloonTooltip(), nullptr);
  grid->Loaded();
  EXPECT_NE(grid->BalloonTooltip(), nullptr);
}

TEST_F(CellBalloons, AssignCopiesEnableWithoutMakingTheTooltip) {
  TBalloonSettings on;
  on.SetEnable(true);
  on.SetTransparency(40);
  on.SetInitialDelay(250);
  grid->Balloon()->SetTransparency(7);
  grid->SetBalloon(&on);
  EXPECT_TRUE(grid->Balloon()->Enable());
  EXPECT_EQ(grid->Balloon()->InitialDelay(), 250);
  EXPECT_EQ(grid->Balloon()->Transparency(), 7);  // not copied
  EXPECT_EQ(grid->BalloonTooltip(), nullptr);
}

TEST_F(CellBalloons, UnsetDelaysKeepTheSystemsOwn) {
  grid->Balloon()->SetReshowDelay(50);
  grid->Balloon()->SetTransparency(55);
  grid->Balloon()->SetEnable(true);
  TBalloonTooltip* t = grid->BalloonTooltip();
  EXPECT_EQ(t->DelayTime(ttdInitial), TBalloonTooltip::DefaultInitialDelay);
  EXPECT_EQ(t->DelayTime(ttdAutoPop), TBalloonTooltip::DefaultAutoPopDelay);
  EXPECT_EQ(t->DelayTime(ttdReshow), 50);
  EXPECT_EQ(t->Alpha(), 200);
}

TEST_F(CellBalloons, TextRequestStripsCutsAndAsksTheCell) {
  grid->SetCells(1, 1, "<b>Bold</b> and <i>plain</i>");
  grid->SetCells(2, 1, std::string(3000, 'x'));
  grid->SetCells(3, 1, "\r\n\tTab\there");
  grid->AddBalloon(1, 2, std::string(120, 't'), "Own text", biWarning);
  EXPECT_EQ(TextAt(100, 30), "") << "balloons are off: no answer";
  grid->Balloon()->SetEnable(true);
  const TRect c11 = grid->CellRect(1, 1), c21 = grid->CellRect(2, 1), c31 = grid->CellRect(3, 1);
  EXPECT_EQ(TextAt(c11.Left + 5, c11.Top + 5), "Bold and plain");
  const std::string cut = TextAt(c21.Left + 5, c21.Top + 5);
  EXPECT_EQ(cut.size(), 2048u);
  EXPECT_EQ(cut.substr(2045), "...");
  EXPECT_EQ(TextAt(c31.Left + 5, c31.Top + 5), "Tab here");
  EXPECT_EQ(grid->BalloonTooltip()->Title(), " ");
  const TRect c12 = grid->CellRect(1, 2);
  EXPECT_EQ(TextAt(c12.Left + 5, c12.Top + 5), "Own text");
  EXPECT_EQ(grid->BalloonTooltip()->Title(), std::string(97, 't') + "...");
  EXPECT_EQ(grid->BalloonTooltip()->TitleIcon(), biWarning);
}

TEST_F(CellBalloons, HandlerDecidesAndColoursApply) {
  grid->Balloon()->SetEnable(true);
  grid->Balloon()->SetTextColor(clNavy);
  grid->Balloon()->SetBackgroundColor(clYellow);
  grid->OnCellBalloon = [](TObject*, int ACol, int ARow, std::string& Title, std::string& Text, int& Icon) {
    Title = "Cell";
    Text = std::to_string(ACol) + "," + std::to_string(ARow);
    Icon = 9;  // out of range: no icon
  };
  const TRect c = grid->CellRect(2, 3);
  EXPECT_EQ(TextAt(c.Left + 5, c.Top + 5), "2,3");
  EXPECT_EQ(grid->BalloonTooltip()->Title(), "Cell");
  EXPECT_EQ(grid->BalloonTooltip()->TitleIcon(), 0);
  EXPECT_EQ(grid->BalloonTooltip()->TipTextColor(), clNavy);
  EXPECT_EQ(grid->BalloonTooltip()->TipBkColor(), clYellow);
}

TEST_F(CellBalloons, ShowsAfterTheDelayAndGoesWhenTheMouseLeavesTheCell) {
  grid->SetCells(1, 1, "Hello");
  grid->Balloon()->SetEnable(true);
  TBalloonTooltip* t = grid->BalloonTooltip();
  const TRect c11 = grid->CellRect(1, 1);
  Driver.MouseMove(grid, c11.Left + 5, c11.Top + 5);
  Driver.Advance(100);
  EXPECT_FALSE(t->Visible());
  Driver.Advance(500);
  EXPECT_TRUE(t->Visible());
  EXPECT_EQ(t->Text(), "Hello");
  Driver.MouseMove(grid, c11.Left + 8, c11.Top + 6);  // same cell: stays
  EXPECT_TRUE(t->Visible());
  const TRect c22 = grid->CellRect(2, 2);
  Driver.MouseMove(grid, c22.Left + 5, c22.Top + 5);
  EXPECT_FALSE(t->Visible());
}

TEST_F(CellBalloons, TransparencyGoesToTheShownWindow) {
  grid->SetCells(1, 1, "Hello");
  grid->Balloon()->SetTransparency(55);
  grid->Balloon()->SetEnable(true);
  TBalloonTooltip* t = grid->BalloonTooltip();
  const TRect c11 = grid->CellRect(1, 1);
  Driver.MouseMove(grid, c11.Left + 5, c11.Top + 5);
  Driver.Advance(600);
  ASSERT_TRUE(t->Visible());
  EXPECT_EQ(GetWindowAlpha(t->Handle()), 200);
  t->SetAlpha(255);
  EXPECT_EQ(GetWindowAlpha(t->Handle()), 255);
}

}  // namespace
