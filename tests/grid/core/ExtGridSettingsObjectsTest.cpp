// The grid's small settings objects: their defaults, what Assign carries
// over, and the display text they change.

#include "grid/core/GridCoreFixture.h"

namespace {

TEST(GridSettingsObjects, DefaultsOfGroupingModifiedMarkAndDragScroll) {
  TGrouping g;
  EXPECT_EQ(g.HeaderLineColor(), clBlue);
  EXPECT_EQ(g.SummaryLineColor(), clBlue);
  EXPECT_EQ(g.HeaderLineWidth(), 2);
  EXPECT_EQ(g.GroupCountFormat(), "");
  EXPECT_EQ(g.HeaderColor(), clNone);
  TShowModified m;
  EXPECT_FALSE(m.Enabled());
  EXPECT_EQ(m.Color(), clYellow);
  TDragScrollOptions d;
  EXPECT_FALSE(d.Active());
  EXPECT_EQ(d.Delays()->InitialDelay(), 1000);
  EXPECT_EQ(d.Delays()->RepeatDelay(), 250);
  const TDragScrollMargins* m2 = d.Margins();
  EXPECT_EQ(m2->TopMargin() + m2->BottomMargin() + m2->LeftMargin() + m2->RightMargin(), 200);
}

// Assign carries the delays and margins, each through its own Assign, and Active.
TEST(GridSettingsObjects, DragScrollAssignCarriesDelaysMarginsAndActive) {
  TDragScrollOptions from, to;
  from.SetActive(true);
  from.Delays()->SetInitialDelay(400);
  from.Delays()->SetRepeatDelay(40);
  from.Margins()->SetTopMargin(1);
  from.Margins()->SetRightMargin(4);
  to.Assign(&from);
  EXPECT_TRUE(to.Active());
  EXPECT_EQ(to.Delays()->InitialDelay(), 400);
  EXPECT_EQ(to.Delays()->RepeatDelay(), 40);
  EXPECT_EQ(to.Margins()->TopMargin(), 1);
  EXPECT_EQ(to.Margins()->BottomMargin(), 50);
  EXPECT_EQ(to.Margins()->RightMargin(), 4);
  TDragScrollMargins margins;
  EXPECT_THROW(margins.Assign(&from), EConvertError);
}

TEST(GridSettingsObjects, GroupingAssignKeepsTheReceiversLinesAndSummary) {
  TGrouping from, to;
  from.SetSummary(true);
  from.SetHeaderLineColor(clRed);
  from.SetHeaderLineWidth(5);
  from.SetSummaryLineColor(clGreen);
  from.SetSummaryLineWidth(7);
  from.SetGroupCountFormat(" %d");
  from.SetHeaderColor(clAqua);
  from.SetAutoCheckGroup(true);
  from.SetSummaryLine(true);
  to.Assign(&from);
  EXPECT_FALSE(to.Summary());
  EXPECT_EQ(to.HeaderLineColor(), clBlue);
  EXPECT_EQ(to.HeaderLineWidth(), 2);
  EXPECT_EQ(to.SummaryLineColor(), clBlue);
  EXPECT_EQ(to.SummaryLineWidth(), 2);
  EXPECT_EQ(to.GroupCountFormat(), " %d");
  EXPECT_EQ(to.HeaderColor(), clAqua);
  EXPECT_TRUE(to.AutoCheckGroup());
  EXPECT_TRUE(to.SummaryLine());
}

using ExtGridDisplayText = ExtGridTest;

TEST_F(ExtGridDisplayText, URLsInsideTextsBecomeAnchorsOnlyWhenAskedFor) {
  grid->SetColCount(3);
  grid->SetRowCount(3);
  grid->SetCells(1, 1, "see www.example.org <now>");
  EXPECT_EQ(grid->Cells(1, 1), "see www.example.org <now>");
  grid->SetURLShowInText(true);
  EXPECT_EQ(grid->Cells(1, 1), "see <a href=\"www.example.org\">www.example.org</a> &lt;now&gt;");
  EXPECT_EQ(grid->GetGridCell(1, 1), "see www.example.org <now>");  // the stored text is unchanged
  grid->SetCells(1, 2, "plain text");
  EXPECT_EQ(grid->Cells(1, 2), "plain text");
}

}  // namespace
