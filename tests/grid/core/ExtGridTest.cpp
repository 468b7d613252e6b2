// The string grid's construction, dimensions and cell access.

#include "tests/grid/core/GridCoreFixture.h"
#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/ScopeGuard.h"

TEST_F(ExtGridTest, NewGridHasItsDefaults) {
  EXPECT_EQ(grid->RowCount(), 10);
  EXPECT_EQ(grid->ColCount(), 5);
  EXPECT_EQ(grid->FixedRows(), 1);
  EXPECT_EQ(grid->FixedCols(), 1);
  EXPECT_EQ(grid->DefaultRowHeight(), 22);
  EXPECT_EQ(grid->FixedRowHeight(), 22);
  EXPECT_EQ(grid->Width(), 400);
  EXPECT_EQ(grid->Height(), 250);
  EXPECT_EQ(grid->CheckTrue(), "Y");
  EXPECT_EQ(grid->CheckFalse(), "N");
  EXPECT_EQ(grid->FloatFormat(), "%.2f");
  EXPECT_EQ(grid->PasswordChar(), '*');
  EXPECT_EQ(grid->Look(), glXP);
  EXPECT_EQ(grid->ScrollWidth(), GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(grid->SelectionColorMixerFactor(), 50);
  EXPECT_EQ(grid->FilterDropDownClear(), "(All)");
  EXPECT_STREQ(grid->FixedFont()->Name().c_str(), "Tahoma");
  EXPECT_TRUE(grid->FixedFont()->Style().Contains(fsBold));
  EXPECT_TRUE(grid->ActiveCellFont()->Style().Contains(fsBold));
  for (int r = 0; r < grid->RowCount(); ++r)
    for (int c = 0; c < grid->ColCount(); ++c) EXPECT_EQ(grid->Cells(c, r), "");
}

TEST_F(ExtGridTest, FixedRowAlwaysKeepsTheAskedForFixedRows) {
  grid->SetFixedRowAlways(true);
  grid->SetRowCount(1);
  EXPECT_EQ(grid->TCustomGrid::FixedRows(), 0);
  EXPECT_EQ(grid->FixedRows(), 1);
  grid->SetRowCount(5);
  EXPECT_EQ(grid->TCustomGrid::FixedRows(), 1);

  grid->SetRowCount(2);
  grid->SetFixedRows(3);
  EXPECT_EQ(grid->TCustomGrid::FixedRows(), 1);
  grid->SetRowCount(6);
  EXPECT_EQ(grid->TCustomGrid::FixedRows(), 3);
}

TEST_F(ExtGridTest, LargestCountsAreKept) {
  grid->SetRowCount(50);
  grid->SetRowCount(10);
  grid->SetColCount(9);
  grid->SetColCount(3);
  EXPECT_EQ(grid->MaxRowCount(), 50);
  EXPECT_EQ(grid->MaxColCount(), 9);
}

TEST_F(ExtGridTest, FixedColWidthEqualToTheDefaultChangesNothing) {
  grid->SetColWidths(0, 30);
  grid->SetFixedColWidth(grid->DefaultColWidth());
  EXPECT_EQ(grid->ColWidths(0), 30);
  grid->SetFixedColWidth(40);
  EXPECT_EQ(grid->FixedColWidth(), 40);
}

TEST_F(ExtGridTest, IntegralHeightFillsWithWholeRows) {
  grid->SetBorderStyle(bsSingle);
  grid->SetIntegralHeight(true);
  grid->SetBounds(0, 0, 300, 100);
  EXPECT_EQ(grid->Height(), 92);
  // A height below one row's border never turns the remainder negative.
  grid->SetBounds(0, 0, 300, 1);
  EXPECT_GE(grid->Height(), 1);
}

TEST_F(ExtGridTest, CellsAreWrittenAndReadByRealColumn) {
  grid->SetCells(2, 3, "two");
  grid->SetCells(3, 3, "three");
  grid->HideColumn(2);
  EXPECT_EQ(grid->ColCount(), 4);
  EXPECT_EQ(grid->AllColCount(), 5);
  EXPECT_EQ(grid->Cells(2, 3), "two");
  EXPECT_EQ(grid->Cells(3, 3), "three");
  EXPECT_EQ(DisplayedRow(3), (std::vector<std::string>{"", "", "three", ""}));
  grid->SetCells(3, 4, "new");
  EXPECT_EQ(grid->Cells(grid->RealColIndex(2), 4), "new");
}

TEST_F(ExtGridTest, PerCellPropertiesHaveDefaultsUntilWritten) {
  EXPECT_EQ(grid->Colors(1, 1), clNone);
  EXPECT_EQ(grid->Alignments(1, 1), taLeftJustify);
  EXPECT_EQ(grid->FontSizes(1, 1), 0);
  EXPECT_FALSE(grid->ReadOnly(1, 1));
  grid->SetColors(1, 1, clRed);
  grid->SetReadOnly(1, 1, true);
  grid->SetAlignments(1, 1, taRightJustify);
  EXPECT_EQ(grid->Colors(1, 1), clRed);
  EXPECT_TRUE(grid->ReadOnly(1, 1));
  EXPECT_EQ(grid->Alignments(1, 1), taRightJustify);
}

TEST_F(ExtGridTest, RowColorNoneClearsOnlyTheColour) {
  grid->SetColors(2, 3, clRed);
  grid->SetReadOnly(2, 3, true);
  grid->SetObjectEx(2, 3, 42);
  grid->SetRowColor(3, clNone);
  EXPECT_EQ(grid->Colors(2, 3), clNone);
  EXPECT_TRUE(grid->ReadOnly(2, 3));
  EXPECT_EQ(grid->GetObjectEx(2, 3), 42u);
  grid->SetRowColorTo(3, clNone);
  grid->SetRowFontColor(3, clNone);
  EXPECT_TRUE(grid->ReadOnly(2, 3));
}

TEST_F(ExtGridTest, CellFontIsOneBufferHoldingTheLastRead) {
  grid->SetFontSizes(1, 1, 14);
  grid->SetFontSizes(2, 2, 20);
  TFont* a = grid->GetCellFont(1, 1);
  TFont* b = grid->GetCellFont(2, 2);
  EXPECT_EQ(a, b);
  EXPECT_EQ(b->Size(), 20);
}

TEST_F(ExtGridTest, AllColWidthsGrowWithTheGrid) {
  grid->SetColCount(700);
  grid->SetAllColWidths(600, 33);
  EXPECT_EQ(grid->AllColWidths(600), 33);
  grid->HideColumn(600);
  EXPECT_EQ(grid->AllColWidths(600), 33);
  EXPECT_TRUE(grid->IsHiddenColumn(600));
  EXPECT_EQ(grid->AllColWidths(-1), 0);
  EXPECT_THROW(grid->SetAllColWidths(-1, 10), EExtGridError);
}

TEST_F(ExtGridTest, ChecksFallBackToTheGridTexts) {
  std::string v;
  grid->GetCheckTrue(1, 1, v);
  EXPECT_EQ(v, "Y");
  grid->GetCheckFalse(1, 1, v);
  EXPECT_EQ(v, "N");
  grid->OnGetCheckTrue = [](TObject*, int, int, std::string& s) { s = "X"; };
  grid->GetCheckTrue(1, 1, v);
  EXPECT_EQ(v, "X");
}

TEST_F(ExtGridTest, CanEditCellIsFalseBeyondTheColumns) {
  bool fired = false;
  grid->OnCanEditCell = [&](TObject*, int, int, bool&) { fired = true; };
  bool can = true;
  grid->CanEditCell(grid->AllColCount() + 3, 1, can);
  EXPECT_FALSE(can);
  EXPECT_FALSE(fired);
  can = true;
  grid->CanEditCell(1, 1, can);
  EXPECT_TRUE(fired);
}

TEST_F(ExtGridTest, FixedRowAlwaysMakesTheOnlyRowFixed) {
  grid->SetFixedRowAlways(true);
  grid->SetRowCount(1);
  bool fixed = false;
  grid->IsFixedCell(2, 0, fixed);
  EXPECT_TRUE(fixed);
}

TEST_F(ExtGridTest, ActiveCellShowColoursTheHeadersOfTheCurrentCell) {
  grid->SetActiveCellShow(true);
  grid->SetCol(3);
  grid->SetRow(5);
  TBrush brush;
  TFont font;
  auto colourOf = [&](int c, int r) {
    brush.SetColor(clWhite);
    grid->GetCellColor(c, r, {}, &brush, &font);
    return brush.Color();
  };
  EXPECT_EQ(colourOf(0, 5), grid->ActiveCellColor());
  EXPECT_EQ(colourOf(3, 0), grid->ActiveCellColor());
  EXPECT_EQ(colourOf(0, 4), clWhite);
}

// Moving the cursor repaints the header cells of the old and the new cell,
// so the coloured headers follow it on screen.
TEST_F(ExtGridTest, ActiveCellHeadersFollowTheCursorOnScreen) {
  grid->SetActiveCellShow(true);
  grid->SetActiveCellColor(clRed);
  grid->SetActiveCellColorTo(clRed);
  grid->SetFocus();
  Driver.Pump();
  auto red = [&](int c, int r) {
    const TRect cr = grid->CellRect(c, r);
    return ColorToRGB(Driver.PixelAt(grid, cr.Left + 3, cr.Top + 3)) == 0x0000FF;
  };
  EXPECT_TRUE(red(1, 0));
  Driver.KeyDown(VK_RIGHT);
  Driver.KeyDown(VK_DOWN);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_FALSE(red(1, 0));
  EXPECT_TRUE(red(2, 0));
  EXPECT_FALSE(red(0, 1));
  EXPECT_TRUE(red(0, 2));
}

TEST_F(ExtGridTest, HasComboOnlyWithEventOrAlwaysVisibleDropDowns) {
  grid->SetDefaultEditor(edComboList);
  EXPECT_FALSE(grid->HasCombo(1, 1));
  grid->ControlLook()->SetDropDownAlwaysVisible(true);
  EXPECT_TRUE(grid->HasCombo(1, 1));
}

TEST_F(ExtGridTest, FillsCoverTheNormalCellsOrAll) {
  grid->LinearFill(false);
  EXPECT_EQ(grid->Cells(1, 1), "1:1");
  EXPECT_EQ(grid->Cells(0, 1), "");
  EXPECT_EQ(grid->Cells(1, 0), "");
  grid->FormatFill(true, "%d/%d");
  EXPECT_EQ(grid->Cells(0, 0), "0/0");
  EXPECT_EQ(grid->Cells(2, 1), "2/1");
  EXPECT_THROW(grid->FormatFill(true, "%s"), EExtGridError);
  EXPECT_EQ(grid->Cells(2, 1), "2/1");
  grid->RandomFill(false, 0);
  EXPECT_EQ(grid->Cells(2, 2), "0");
  grid->SetFixedFooters(1);
  grid->TextFill(false, "t");
  EXPECT_EQ(grid->Cells(1, grid->RowCount() - 1), "0");
  EXPECT_EQ(grid->Cells(1, grid->RowCount() - 2), "t");
}

// Dates and times are the cell text in the current formats; day 0 is
// written only while ShowNullDates is on; a text that is no date or time
// raises the conversion error.
TEST_F(ExtGridTest, DatesAndTimesAreCellTextInTheCurrentFormats) {
  ResetFormatSettings();
  auto restore = MakeScopeGuard([] { ResetFormatSettings(); });
  grid->SetDates(1, 1, EncodeDate(2024, 3, 5));
  EXPECT_EQ(grid->Cells(1, 1), "05/03/2024");
  EXPECT_EQ(grid->Dates(1, 1), EncodeDate(2024, 3, 5));
  grid->SetDates(1, 2, 0);
  EXPECT_EQ(grid->Cells(1, 2), "30/12/1899");
  grid->SetShowNullDates(false);
  grid->SetDates(1, 2, 0);
  EXPECT_EQ(grid->Cells(1, 2), "");
  EXPECT_THROW(grid->Dates(1, 2), EConvertError);
  grid->SetTimes(2, 1, 0.75);
  EXPECT_EQ(grid->Cells(2, 1), "18:00:00");
  EXPECT_DOUBLE_EQ(grid->Times(2, 1), 0.75);
  grid->SetCells(2, 2, "noon");
  EXPECT_THROW(grid->Times(2, 2), EConvertError);
}

TEST_F(ExtGridTest, LookupItemsAreCopiedAndNoListKeepsThem) {
  TStringList items;
  items.Add("alpha");
  items.Add("beta");
  grid->SetLookupItems(&items);
  items.Clear();
  EXPECT_EQ(grid->LookupItems()->Count(), 2);
  grid->SetLookupItems(nullptr);
  EXPECT_EQ(grid->LookupItems()->Strings(1), "beta");
}

TEST_F(ExtGridTest, ColumnHeadersGoIntoTheFixedRow) {
  TStringList h;
  h.Add("A");
  h.Add("B\\nC");
  h.Add("D");
  grid->SetColCount(2);
  grid->SetColumnHeaders(&h);
  EXPECT_EQ(grid->Cells(0, 0), "A");
  EXPECT_EQ(grid->Cells(1, 0), "B\rC");
  EXPECT_EQ(grid->Cells(2, 0), "");
}

TEST_F(ExtGridTest, SpreadSheetOffDoesNotApplyThePreset) {
  grid->SetSpreadSheet(false);
  EXPECT_FALSE(grid->SelectionRectangle());
  EXPECT_FALSE(grid->Options().Contains(goEditing));
  grid->SetSpreadSheet(true);
  EXPECT_TRUE(grid->SelectionRectangle());
  EXPECT_TRUE(grid->Options().Contains(goEditing));
}

TEST_F(ExtGridTest, SelectionMixerFactorIsClamped) {
  grid->SetSelectionColorMixerFactor(150);
  EXPECT_EQ(grid->SelectionColorMixerFactor(), 100);
  grid->SetSelectionColorMixerFactor(-5);
  EXPECT_EQ(grid->SelectionColorMixerFactor(), 0);
}
