// The search footer: typing searches, the edit box turns red without a
// match, Enter and Ctrl+Enter find the next and previous match, the close
// button hides the footer.

#include "grid/core/GridCoreFixture.h"
#include "grid/data/SearchPanel.h"
#include "grid/foundation/ExtObjCheckBox.h"
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

// With the highlight button down the typed text is marked in every normal
// cell that holds it; the button up takes the marks away.
TEST_F(ExtGridSearchFooter, TheHighlightButtonMarksTheFoundTextInTheCells) {
  grid->SetCells(1, 0, "alpha");  // a fixed cell keeps its text
  panel->HiliteButton->SetDown(true);
  Driver.Focus(panel->EditControl);
  Driver.Type("al");
  EXPECT_EQ(grid->Cells(1, 1), "<hi>al</hi>pha");
  EXPECT_EQ(grid->Cells(1, 4), "<hi>al</hi>pine");
  EXPECT_EQ(grid->Cells(1, 5), "delta");
  EXPECT_EQ(grid->Cells(1, 0), "alpha");
  Driver.Type("p");
  EXPECT_EQ(grid->Cells(1, 1), "<hi>alp</hi>ha");
  panel->HiliteButton->SetDown(false);
  grid->SearchFooterHighlight();
  EXPECT_EQ(grid->Cells(1, 1), "alpha");
  grid->SearchFooter()->SetSearchColumn(2);
  grid->SetCells(2, 2, "pale");
  panel->EditControl->SetText("al");
  panel->HiliteButton->SetDown(true);
  grid->SearchFooterHighlight();  // only the search column
  EXPECT_EQ(grid->Cells(1, 1), "alpha");
  EXPECT_EQ(grid->Cells(2, 2), "p<hi>al</hi>e");
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

// The footer's settings land on the panel: the buttons take the grid's
// control look, hidden parts keep no height, the panel is 32 pixels high.
TEST_F(ExtGridSearchFooter, ButtonsFollowTheGridsControlLook) {
  struct TCase {
    TCellControlStyle Style;
    bool AutoThemeAdapt;
    bool Flat, AutoXP, ThemeAdapt;
  };
  const TCase cases[] = {
      {csFlat, false, true, false, false},    {csClassic, false, false, false, false},
      {csWinXP, false, false, true, false},   {csTheme, false, false, true, false},
      {csTheme, true, true, false, true},     {csFlat, true, true, false, true},
  };
  for (const TCase& c : cases) {
    // A fresh grid each time: a look only ever switches a button's flags on.
    auto* g = new TExtStringGrid(form);
    g->SetParent(form);
    g->ControlLook()->SetControlStyle(c.Style);
    g->SetAutoThemeAdapt(c.AutoThemeAdapt);
    g->SearchFooter()->SetVisible(true);
    for (TExtGridButton* b : {g->GetSearchPanel()->BackwardButton, g->GetSearchPanel()->ForwardButton,
                              g->GetSearchPanel()->HiliteButton}) {
      SCOPED_TRACE(std::to_string(c.Style) + (c.AutoThemeAdapt ? " adapting" : ""));
      EXPECT_EQ(b->Flat(), c.Flat);
      EXPECT_EQ(b->AutoXPStyle(), c.AutoXP);
      EXPECT_EQ(b->AutoThemeAdapt(), c.ThemeAdapt);
    }
    delete g;
  }
}

TEST_F(ExtGridSearchFooter, HiddenPartsKeepNoHeightAndThePanelIs32High) {
  EXPECT_EQ(panel->Height(), 32);
  EXPECT_EQ(panel->Top(), grid->ClientHeight() - 32);
  EXPECT_EQ(panel->ForwardButton->Height(), 23);
  EXPECT_EQ(panel->MatchCase->Height(), 18);
  EXPECT_EQ(panel->MatchCase->Left(), 425);
  EXPECT_TRUE(panel->MatchCase->Transparent());
  grid->SearchFooter()->SetShowHighLight(false);
  grid->SearchFooter()->SetShowFindPrev(false);
  grid->SearchFooter()->SetShowMatchCase(false);
  EXPECT_EQ(panel->MatchCase->Left(), 330);
  EXPECT_EQ(panel->HiliteButton->Height(), 0);
  EXPECT_EQ(panel->BackwardButton->Height(), 0);
  EXPECT_EQ(panel->MatchCase->Height(), 0);
  EXPECT_EQ(panel->ForwardButton->Height(), 23);
}

TEST_F(ExtGridSearchFooter, TextsHintsAndFontComeFromTheFooter) {
  TSearchFooter* f = grid->SearchFooter();
  f->SetFindNextCaption("Weiter");
  f->SetHintFindNext("");
  f->SetHintFindPrev("");
  f->SetHintClose("");
  f->SetHintHighlight("");
  f->Font()->SetName("DejaVu Serif");
  f->SetColor(clSkyBlue);
  EXPECT_EQ(panel->ForwardButton->Caption(), "Weiter");
  for (TControl* b : {static_cast<TControl*>(panel->ForwardButton), static_cast<TControl*>(panel->BackwardButton),
                      static_cast<TControl*>(panel->HiliteButton), static_cast<TControl*>(panel->ExitButton)})
    EXPECT_FALSE(b->ShowHint()) << "no hint without a text";
  f->SetHintClose("Close the search");
  EXPECT_TRUE(panel->ExitButton->ShowHint());
  EXPECT_EQ(panel->Font()->Name(), "DejaVu Serif");
  EXPECT_EQ(panel->Color(), clSkyBlue);
  Driver.Pump();
  Driver.Screenshot(form, "search_footer_applied.png");
}

TEST_F(ExtGridSearchFooter, TheLastRowEndsAboveThePanel) {
  grid->SearchFooter()->SetVisible(false);
  grid->SetRowCount(40);
  grid->SetTopRow(grid->RowCount() - grid->VisibleRowCount());
  grid->SearchFooter()->SetVisible(true);
  const TRect last = grid->CellRect(1, grid->RowCount() - 1);
  ASSERT_FALSE(last.IsEmpty());
  EXPECT_LE(last.Bottom, panel->Top());
}

class THighlightGrid : public TExtStringGrid {
public:
  explicit THighlightGrid(TComponent* AOwner) : TExtStringGrid(AOwner) {}
  int Removed = 0;

protected:
  void RemoveSearchHighlight(int) override { ++Removed; }
};

using SearchFooterHighlight = GridCoreTestOf<THighlightGrid>;

TEST_F(SearchFooterHighlight, HidingTheFooterOrAlwaysHighlightingClearsTheMarks) {
  grid->SearchFooter()->SetVisible(true);
  TSearchPanel* p = grid->GetSearchPanel();
  p->HiliteButton->SetDown(true);
  grid->Removed = 0;
  grid->SearchFooter()->SetVisible(false);
  EXPECT_EQ(grid->Removed, 1);
  grid->SearchFooter()->SetVisible(true);
  p->HiliteButton->SetDown(false);
  grid->Removed = 0;
  grid->SearchFooter()->SetColor(clWhite);
  EXPECT_EQ(grid->Removed, 0);
  grid->SearchFooter()->SetAlwaysHighLight(true);
  grid->SearchFooter()->SetColor(clSilver);
  EXPECT_GE(grid->Removed, 1);
}

}  // namespace
