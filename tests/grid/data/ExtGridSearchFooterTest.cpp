// The search footer: typing searches, the edit box turns red without a
// match, Enter and Ctrl+Enter find the next and previous match, the close
// button hides the footer.

#include "grid/core/GridCoreFixture.h"
#include "grid/data/SearchPanel.h"
#include "grid/foundation/ExtObjGridButton.h"

namespace {

class ExtGridSearchFooter : public ExtGridTest {
protected:
  void SetUp() override {
    ExtGridTest::SetUp();
    grid->SetAlign(alClient);
    grid->SetColCount(3);
    grid->SetRowCount(6);
    grid->SetFixedRows(1);
    grid->SetFixedCols(1);
    const char* texts[] = {"alpha", "beta", "gamma", "alpine", "delta"};
    for (int r = 1; r <= 5; ++r) grid->SetCells(1, r, texts[r - 1]);
    grid->SearchFooter()->SetVisible(true);
    Driver.Pump();
    panel = grid->GetSearchPanel();
  }
  TSearchPanel* panel = nullptr;
};

TEST_F(ExtGridSearchFooter, ShowsAndHidesWithTheSetting) {
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->Visible());
  EXPECT_GT(panel->Height(), 0);
  Driver.Screenshot(form, "search_footer.png");
  bool closed = false;
  grid->OnSearchFooterClose = [&](TObject*) { closed = true; };
  Driver.Click(panel->ExitButton, 5, 5);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(grid->SearchFooter()->Visible());
  EXPECT_FALSE(panel->Visible());
}

TEST_F(ExtGridSearchFooter, TypingSearchesAndMarksAMiss) {
  Driver.Focus(panel->EditControl);
  Driver.Type("gam");
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(panel->EditControl->Color(), clWindow);
  EXPECT_TRUE(panel->ForwardButton->Enabled());
  Driver.Type("x");
  EXPECT_EQ(panel->EditControl->Color(), clRed);
  panel->EditControl->SetText("");
  Driver.Pump();
  EXPECT_EQ(panel->EditControl->Color(), clWindow);
  EXPECT_FALSE(panel->ForwardButton->Enabled());
}

TEST_F(ExtGridSearchFooter, EnterFindsTheNextAndCtrlEnterThePreviousMatch) {
  std::vector<int> actions;
  grid->OnSearchFooterAction = [&](TObject*, const std::string&, int, int, int Action) { actions.push_back(Action); };
  Driver.Focus(panel->EditControl);
  Driver.Type("alp");
  EXPECT_EQ(grid->Row(), 1);
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(grid->Row(), 4);
  Driver.PressKey(VK_RETURN, {ssCtrl});
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_EQ(panel->EditControl->Text(), "alp");
  EXPECT_EQ(actions.front(), saFindFirst);
  EXPECT_EQ(actions.back(), saFindPrevious);
}

}  // namespace
