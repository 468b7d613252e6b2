// The floating footer: the footer row's calculations, hidden rows, the
// template of the custom preview and what showing the footer does to the grid.

#include <cmath>

#include "grid/core/GridCoreFixture.h"
#include "grid/data/FooterPanel.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/Streams.h"

namespace {

class ExtGridFooter : public ExtGridTest {
protected:
  TFooterPanel* panel() {
    for (int i = 0; i < grid->ControlCount(); ++i)
      if (auto* p = dynamic_cast<TFooterPanel*>(grid->Controls(i))) return p;
    return nullptr;
  }
  void SetUp() override {
    ExtGridTest::SetUp();
    grid->SetColCount(3);
    grid->SetRowCount(12);  // 1 fixed, 10 data rows, the footer row
    grid->SetFixedRows(1);
    grid->SetFixedCols(1);
    for (int r = 1; r <= 10; ++r) {
      grid->SetCells(1, r, std::to_string(r));
      grid->SetCells(2, r, r % 2 ? "odd" : "Even");
    }
    grid->FloatingFooter()->SetVisible(true);
    Driver.Pump();
  }
};

TEST_F(ExtGridFooter, ShowingTheFooterMakesTheLastRowAFixedFooter) {
  EXPECT_EQ(grid->FixedFooters(), 1);
  EXPECT_TRUE(grid->HideLastRow());
  grid->FloatingFooter()->SetFooterStyle(fsColumnPreview);
  EXPECT_EQ(grid->FixedFooters(), 0);
  EXPECT_FALSE(grid->HideLastRow());
  grid->FloatingFooter()->SetFooterStyle(fsFixedLastRow);
  grid->FloatingFooter()->SetVisible(false);
  EXPECT_EQ(grid->FixedFooters(), 0);
}

TEST_F(ExtGridFooter, CalculationsOfTheFooterRow) {
  struct Case {
    int Col;
    TColumnCalcType Calc;
    double Expected;
  };
  grid->SetCells(1, 4, "n/a");  // not a number: out of the sum, in the average's divisor
  const std::vector<Case> cases = {
      {1, acSUM, 51}, {1, acAVG, 51.0 / 10}, {1, acMIN, 1}, {1, acMAX, 10}, {2, acDISTINCT, 2}, {1, acCOUNT, 10},
  };
  for (const Case& c : cases) {
    grid->SetColumnCalc(c.Col, c.Calc);
    EXPECT_EQ(grid->ColumnCalc(c.Col), c.Calc);
    EXPECT_NEAR(grid->Floats(c.Col, 11), c.Expected, 0.01) << c.Calc;
  }
}

// 1, abc, 2.5 and an empty cell: the sum 3.5 over four rows.
TEST_F(ExtGridFooter, ColumnCalculationsOverTextAndEmptyCells) {
  grid->SetCells(1, 1, "1");
  grid->SetCells(1, 2, "abc");
  grid->SetCells(1, 3, "2.5");
  grid->SetCells(1, 4, "");
  EXPECT_DOUBLE_EQ(grid->ColumnSum(1, 1, 4), 3.5);
  EXPECT_DOUBLE_EQ(grid->ColumnAvg(1, 1, 4), 0.875);
  EXPECT_DOUBLE_EQ(grid->ColumnAvg(1, 4, 3), 0);
  EXPECT_DOUBLE_EQ(grid->ColumnMin(1, 3, 5), 2.5);
  EXPECT_DOUBLE_EQ(grid->ColumnMax(1, 4, 6), 6);
  // The extremes start from the first row: an empty one reads 0.
  EXPECT_DOUBLE_EQ(grid->ColumnMin(1, 4, 6), 0);
  EXPECT_DOUBLE_EQ(grid->ColumnMax(1, 1, 3), 2.5);
  // Deviation over every row of the range: 1, 2.5, 0 around 7/6.
  grid->SetCells(1, 2, "");
  const double avg = 3.5 / 3;
  const double expected = std::sqrt((std::pow(1 - avg, 2) + std::pow(2.5 - avg, 2) + std::pow(0 - avg, 2)) / 3);
  EXPECT_NEAR(grid->ColumnStdDev(1, 1, 3), expected, 1e-12);
}

// The extremes start from the first row's number: a first cell that is no
// number raises, later ones are passed over.
TEST_F(ExtGridFooter, ExtremesRaiseOnlyForAFirstCellThatIsNoNumber) {
  grid->SetCells(1, 3, "1.2.3");
  EXPECT_THROW(grid->ColumnMin(1, 3, 5), EExtGridError);
  EXPECT_THROW(grid->ColumnMax(1, 3, 5), EExtGridError);
  EXPECT_DOUBLE_EQ(grid->ColumnMin(1, 2, 5), 2);
  EXPECT_DOUBLE_EQ(grid->ColumnMax(1, 2, 5), 5);
  EXPECT_THROW(grid->ColumnStdDev(1, 2, 5), EExtGridError);
}

// A range past the shown rows counts by real rows, hidden ones included.
TEST_F(ExtGridFooter, ARangePastTheShownRowsTakesHiddenRows) {
  grid->FloatingFooter()->SetVisible(false);
  grid->HideRows(2, 3);  // values 2 and 3 leave; 9 rows shown incl. the last
  EXPECT_DOUBLE_EQ(grid->ColumnSum(1, 1, 10), 55);
  EXPECT_DOUBLE_EQ(grid->ColumnSum(1, 1, 8), 50);
  EXPECT_DOUBLE_EQ(grid->ColumnMax(1, 1, 10), 10);
  EXPECT_DOUBLE_EQ(grid->ColumnAvg(1, 1, 10), 5.5);
  EXPECT_EQ(grid->ColumnDistinct(2, 1, 10), 2);
  grid->SetAllCells(1, 2, "1.2.3");
  EXPECT_THROW(grid->ColumnStdDev(1, 1, 10), EExtGridError);
}

TEST_F(ExtGridFooter, OutlineRowsCountUnlessTheGridIsGrouped) {
  grid->AddNode(1, 3);  // row 1 (value 1) becomes a node row
  EXPECT_DOUBLE_EQ(grid->ColumnSum(1, 1, 3), 6);
  EXPECT_DOUBLE_EQ(grid->ColumnMax(1, 1, 3), 3);
}

// An exporter hears of each row a calculation reads.
TEST_F(ExtGridFooter, CalculationsNotifyTheRowsTheyRead) {
  struct TNotifyingGrid : TExtStringGrid {
    using TExtStringGrid::TExtStringGrid;
    void ExportNotification(int AState, int ARow) override { Log.push_back({AState, ARow}); }
    std::vector<std::pair<int, int>> Log;
  };
  auto* g = new TNotifyingGrid(form);
  g->SetRowCount(4);
  g->ColumnSum(1, 1, 2);
  const std::vector<std::pair<int, int>> expected = {
      {esExportStart, 1}, {esExportNextRow, 1}, {esExportNextRow, 2}, {esExportDone, -1}};
  EXPECT_EQ(g->Log, expected);
  g->Log.clear();
  g->ColumnDistinct(1, 0, 1);
  EXPECT_EQ(g->Log.size(), 4u);
}

TEST_F(ExtGridFooter, TheGridHearsWhenItsFooterPanelIsCreated) {
  auto* g = new TExtStringGrid(form);
  int created = 0;
  g->OnCreatedFloatingFooter = [&](TObject* Sender) {
    EXPECT_EQ(Sender, g);
    ++created;
  };
  g->SetParent(form);
  g->FloatingFooter()->SetVisible(true);
  Driver.Pump();
  EXPECT_EQ(created, 1);
}

TEST_F(ExtGridFooter, HiddenRowsCountOnlyWhenAsked) {
  grid->SetColumnCalc(2, acCOUNT);
  grid->SetColumnCalc(1, acSUM);
  grid->HideRows(2, 3);
  grid->CalcFooter(-1);
  const int foot = grid->RowCount() - 1;
  EXPECT_EQ(grid->Ints(2, foot), 10);
  EXPECT_EQ(grid->Floats(1, foot), 55.0);
  grid->SetColumnCalc(1, acAVG);
  EXPECT_EQ(grid->Floats(1, foot), 5.5);
  grid->FloatingFooter()->SetCalculateHiddenRows(false);
  grid->CalcFooter(-1);
  EXPECT_EQ(grid->Ints(2, foot), 8);
  EXPECT_EQ(grid->Floats(1, foot), 50.0 / 8);
}

TEST_F(ExtGridFooter, ACellWithoutPropertiesHasNoCalculation) { EXPECT_EQ(grid->ColumnCalc(2), acNONE); }

TEST_F(ExtGridFooter, CustomCalculationAsksTheEvent) {
  grid->OnFooterCalc = [](TObject*, int ACol, int, std::string& Value) { Value = "c" + std::to_string(ACol); };
  grid->SetColumnCalc(2, acCUSTOM);
  EXPECT_EQ(grid->Cells(2, 11), "c2");
}

TEST_F(ExtGridFooter, TemplateFieldsTakeTheCurrentRow) {
  grid->SetRow(3);
  struct Case {
    std::string Template, Expected;
  };
  const std::vector<Case> cases = {
      {"plain text", "plain text"},
      {"n=<#1>, <#2>!", "n=3, odd!"},
      {"<#x>gone", "gone"},
      {"<#9>", ""},
      {"open <#1", "open <#1"},
  };
  for (const Case& c : cases) EXPECT_EQ(grid->ExpandFooterTemplate(c.Template), c.Expected) << c.Template;
}

TEST_F(ExtGridFooter, TheFooterPanelShowsTheSums) {
  grid->SetColumnCalc(1, acSUM);
  grid->SetAlign(alClient);
  Driver.Pump();
  Driver.Screenshot(form, "floating_footer.png");
  EXPECT_EQ(grid->Floats(1, 11), 55.0);
}

// The custom preview's template is markup: a red font shows red, no tag
// shows as text.
TEST_F(ExtGridFooter, TheCustomTemplateIsDrawnAsHTML) {
  grid->SetAlign(alClient);
  grid->FloatingFooter()->SetFooterStyle(fsCustomPreview);
  grid->FloatingFooter()->SetCustomTemplate("<font color=\"clRed\">WWWWWW</font>");
  Driver.Pump();
  TFooterPanel* p = panel();
  ASSERT_NE(p, nullptr);
  Driver.Screenshot(form, "footer_html_template.png");
  int red = 0, dark = 0;
  for (int y = 0; y < p->ClientHeight(); ++y)
    for (int x = 0; x < 120; ++x) {
      const TColor c = ColorToRGB(Driver.PixelAt(p, x, y));
      red += (c & 0xFF) > 0xA0 && ((c >> 8) & 0xFF) < 0x60 && ((c >> 16) & 0xFF) < 0x60;
      dark += (c & 0xFF) < 0x60 && ((c >> 8) & 0xFF) < 0x60 && ((c >> 16) & 0xFF) < 0x60;
    }
  EXPECT_GT(red, 10);
  EXPECT_EQ(dark, 0);
}

// Over the footer the grid's hint event names the footer row and the column.
TEST_F(ExtGridFooter, TheFooterAsksTheGridForItsHints) {
  grid->SetAlign(alClient);
  std::vector<std::pair<int, int>> asked;
  grid->OnGridHint = [&](TObject*, int ARow, int ACol, std::string& Hint) {
    asked.push_back({ARow, ACol});
    Hint = "total of " + std::to_string(ACol);
  };
  grid->SetHint("totals");
  grid->FloatingFooter()->SetShowHint(true);
  Driver.Pump();
  TFooterPanel* p = panel();
  ASSERT_NE(p, nullptr);
  EXPECT_TRUE(p->ShowHint());
  const int x = grid->ColWidths(0) + grid->ColWidths(1) + 5;  // over column 2
  Driver.MouseMove(p, x, 5);
  Driver.Advance(Application->HintPause() + 10);
  ASSERT_FALSE(asked.empty());
  EXPECT_EQ(asked.back(), std::make_pair(grid->RowCount() - 1, 2));
  ASSERT_NE(Application->HintWindow(), nullptr);
  EXPECT_EQ(Application->HintWindow()->Caption(), "total of 2");
}

}  // namespace

namespace {

// A descendant that keeps its own footer figures hears when all of them are due.
class TFooterHookGrid : public TExtStringGrid {
public:
  explicit TFooterHookGrid(TComponent* AOwner) : TExtStringGrid(AOwner) {}
  int AllChanged = 0;
  void AllFootersChanged() override {
    ++AllChanged;
    TExtStringGrid::AllFootersChanged();
  }
};

using FooterHookTest = GridCoreTestOf<TFooterHookGrid>;

TEST_F(FooterHookTest, LoadingCellsRecalculatesEveryFooter) {
  grid->SetColCount(3);
  grid->SetRowCount(5);  // the header, three rows and the footer row
  grid->FloatingFooter()->SetVisible(true);
  grid->SetColumnCalc(1, acSUM);
  grid->AllChanged = 0;
  TStringStream csv("name,value,tag\r\na,1,x\r\nb,2,y\r\nc,4,z\r\n");
  grid->SetDelimiter(',');
  grid->LoadFromCSVStream(&csv, 0);
  EXPECT_GE(grid->AllChanged, 1);
  EXPECT_NEAR(grid->Floats(1, grid->RowCount() - 1), 7, 0.01);
}


// The calculation belongs to the footer row, wherever that row goes when the
// grid grows or shrinks, as the footer's texts do.
TEST_F(ExtGridFooter, CalculationsFollowTheFooterRowWhenTheCountChanges) {
  grid->SetColumnCalc(1, acSUM);
  grid->SetColumnCalc(2, acCOUNT);
  for (int rows : {20, 8, 12}) {
    grid->SetRowCount(rows);
    EXPECT_EQ(grid->ColumnCalc(1), acSUM) << rows;
    EXPECT_EQ(grid->ColumnCalc(2), acCOUNT) << rows;
  }
  grid->SetRowCount(20);
  const TCellProperties* old = grid->GetGridObject(1, 11);
  EXPECT_TRUE(!old || old->CalcType == acNONE) << "the old footer row keeps no calculation";
}

TEST_F(FooterHookTest, LoadingMoreRowsThanTheGridHasKeepsTheFooterCalculation) {
  grid->SetColCount(3);
  grid->SetRowCount(3);  // the header, one row and the footer row
  grid->FloatingFooter()->SetVisible(true);
  grid->SetColumnCalc(1, acSUM);
  std::string text = "name,value\r\n";
  for (int r = 1; r <= 1500; ++r) text += "n," + std::to_string(r) + "\r\n";
  TStringStream csv(text);
  grid->SetDelimiter(',');
  grid->LoadFromCSVStream(&csv, 0);
  ASSERT_EQ(grid->RowCount(), 1502);
  EXPECT_EQ(grid->ColumnCalc(1), acSUM);
  EXPECT_NEAR(grid->Floats(1, grid->RowCount() - 1), 1500.0 * 1501 / 2, 0.01);
}

}  // namespace
