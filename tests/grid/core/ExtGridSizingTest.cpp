#include <numeric>

#include "tests/grid/core/InputFixture.h"

class SizingTest : public InputTest {
protected:
  void SetUp() override {
    InputTest::SetUp();
    grid->Font()->SetHeight(-16);  // lines of 16, characters of 8 pixels
    grid->FixedFont()->SetHeight(-16);
  }
};

TEST_F(SizingTest, StretchFillsTheClientWidth) {
  grid->SetColCount(3);
  grid->SetBounds(0, 0, 300, 200);
  grid->ColumnSize()->SetStretch(true);
  grid->StretchColumnToFit(-1);
  EXPECT_EQ(grid->ColWidths(2), 300 - 128 - 1);
  grid->SetColWidths(0, 84);  // every width change fits the stretched column again
  EXPECT_EQ(grid->ColWidths(2), 151);
  grid->SetColCount(1);
  grid->StretchColumnToFit(-1);
  EXPECT_EQ(grid->ColWidths(0), 300);
}

TEST_F(SizingTest, StretchIndexesOutOfRange) {
  grid->ColumnSize()->SetStretch(true);
  EXPECT_THROW(grid->StretchColumnToFit(5), Exception);
  EXPECT_NO_THROW(grid->StretchColumnToFit(-2));
  // A stale stretch column only raises on an explicit call.
  grid->ColumnSize()->SetStretchColumn(4);
  grid->SetColCount(3);
  EXPECT_NO_THROW(grid->SetColWidths(1, 70));
}

TEST_F(SizingTest, AutoSizeColumnsMeasuresTheWidestCell) {
  grid->SetCells(2, 1, "12345");       // 40 pixels
  grid->SetCells(2, 4, "1234567890");  // 80 pixels
  grid->AutoSizeColumns(false, 10);
  // 80 + margins 2 * 2 + lines 2 * 1 + 2, plus the padding.
  EXPECT_EQ(grid->ColWidths(2), 88 + 10);
  EXPECT_EQ(grid->ColWidths(0), 64);  // fixed columns stay
}

// The same text is measured once per font: a row drawn in a larger font
// still widens the column, however often the text stands in other rows.
TEST_F(SizingTest, AutoSizeMeasuresASharedTextInEachFontItIsDrawnIn) {
  grid->SetRowCount(200);
  for (int r = 1; r < 200; ++r) grid->SetCells(2, r, "12345");
  grid->OnGetCellColor = [](TObject*, int ARow, int, TGridDrawState, TBrush*, TFont* AFont) {
    if (ARow == 150) AFont->SetHeight(-32);
  };
  grid->AutoSizeCol(2, 0);
  EXPECT_EQ(grid->ColWidths(2), 80 + 8);  // 5 characters of 16 pixels in row 150
  grid->OnGetCellColor = nullptr;
  grid->SetCells(2, 7, "1234567");
  grid->AutoSizeCol(2, 0);
  EXPECT_EQ(grid->ColWidths(2), 56 + 8);  // nothing kept from the last auto-size
}

// ColumnSize.Rows chooses the rows a column's auto-size measures: a header
// (row 0) of 12 characters, a normal cell of 5 and a footer of 9.
TEST_F(SizingTest, AutoSizeColMeasuresTheRowsColumnSizeNames) {
  grid->SetCells(2, 0, "123456789012");
  grid->SetCells(2, 3, "12345");
  grid->SetCells(2, 7, "123456789");
  grid->SetFixedFooters(1);
  const struct {
    TAutoSizeRows rows;
    int width;
  } cases[] = {{arAll, 96 + 8}, {arNormal, 40 + 8}, {arFixed, 96 + 8}};
  for (const auto& c : cases) {
    grid->ColumnSize()->SetRows(c.rows);
    grid->AutoSizeCol(2, 0);
    EXPECT_EQ(grid->ColWidths(2), c.width) << "rows " << c.rows;
  }
  grid->SetCells(2, 0, "1");
  grid->ColumnSize()->SetRows(arFixed);
  grid->AutoSizeCol(2, 0);
  EXPECT_EQ(grid->ColWidths(2), 8 + 8) << "the footer is no fixed row";
}

// The header of the sorted column keeps room for its sort indicator.
TEST_F(SizingTest, AutoSizeLeavesRoomForTheSortIndicator) {
  grid->SortSettings()->SetShow(true);
  grid->SetCells(2, 0, "12345");
  grid->AutoSizeCol(2, 0);
  EXPECT_EQ(grid->ColWidths(2), 40 + 8);
  grid->SortSettings()->SetColumn(2);
  grid->AutoSizeCol(2, 0);
  EXPECT_EQ(grid->ColWidths(2), 40 + 8 + 10);
}

TEST_F(SizingTest, AutoSizeColNeverNarrowsWhenGrowOnly) {
  grid->SetColWidths(2, 200);
  grid->SetCells(2, 1, "ab");
  grid->SetSizeGrowOnly(true);
  grid->AutoSizeCol(2, 0);
  EXPECT_EQ(grid->ColWidths(2), 200);
  grid->SetSizeGrowOnly(false);
  grid->SetMinColWidth(40);
  grid->AutoSizeCol(2, 0);
  EXPECT_EQ(grid->ColWidths(2), 40);  // 16 + 8 would be narrower than the minimum
}

TEST_F(SizingTest, AutoSizeRowsByLines) {
  grid->SetMultilinecells(true);
  grid->SetWordWrap(false);
  grid->SetCells(2, 3, "one\r\ntwo\r\nthree");
  grid->AutoSizeRows(false, 4);
  EXPECT_EQ(grid->RowHeights(3), 4 + 3 * (16 + 2));
  EXPECT_EQ(grid->RowHeights(2), 4 + 16 + 2);
}

TEST_F(SizingTest, AutoFitColumnsFillsTheWidth) {
  grid->SetBounds(0, 0, 400, 200);
  grid->AutoFitColumns(true);
  int sum = 0;
  for (int c = 0; c < grid->ColCount(); ++c) sum += grid->ColWidths(c);
  EXPECT_EQ(sum, 400);
  grid->AutoFitColumns(true);  // already filling: unchanged
  int again = 0;
  for (int c = 0; c < grid->ColCount(); ++c) again += grid->ColWidths(c);
  EXPECT_EQ(again, 400);
}

TEST_F(SizingTest, AutoFitColumnsWithoutWidthDoesNothing) {
  for (int c = 0; c < grid->ColCount(); ++c) grid->SetColWidths(c, 0);
  EXPECT_NO_THROW(grid->AutoFitColumns(true));
  grid->SetColCount(0);
  EXPECT_NO_THROW(grid->AutoFitColumns(false));
}

TEST_F(SizingTest, SizeToCellsKeepsTheScrollBars) {
  grid->SetScrollBars(ssVertical);
  grid->SizeToCells();
  EXPECT_EQ(grid->ScrollBars(), ssVertical);
  EXPECT_EQ(grid->ClientWidth(), 5 * 64);
}

TEST_F(SizingTest, ResizingOneColumnScalesTheOthersWithAllColumnSize) {
  Options({goColSizing});
  grid->MouseActions()->SetAllColumnSize(true);
  grid->SetColWidths(3, 50);
  TRect h = grid->CellRect(2, 0);
  Driver.MouseMove(grid, h.Right - 1, h.Top + 5);
  Driver.MouseDown(grid, h.Right - 1, h.Top + 5);
  Driver.MouseMove(grid, h.Right + 31, h.Top + 5);
  Driver.MouseUp(grid, h.Right + 31, h.Top + 5);
  EXPECT_EQ(grid->ColWidths(2), 96);
  EXPECT_EQ(grid->ColWidths(1), 96);
  EXPECT_EQ(grid->ColWidths(3), 75);
  EXPECT_EQ(grid->ColWidths(0), 64);
}

TEST_F(SizingTest, OnColumnSizeMayForbidAMouseResize) {
  Options({goColSizing});
  grid->OnColumnSize = [](TObject*, int, bool& Allow) { Allow = false; };
  TRect h = grid->CellRect(2, 0);
  Driver.MouseDown(grid, h.Right - 1, h.Top + 5);
  Driver.MouseMove(grid, h.Right + 31, h.Top + 5);
  Driver.MouseUp(grid, h.Right + 31, h.Top + 5);
  EXPECT_EQ(grid->ColWidths(2), 64);
}

// A column's width holds its text and the graphic beside it: a button
// counts its width unless it stands centred over text, a check box its box.
TEST_F(SizingTest, SizeColToContentsCountsTheGraphicBesideTheText) {
  const struct {
    const char* text;
    TCellHAlign align;
    int width;
  } cases[] = {
      {"", haLeft, 30 + 8},           // a button alone
      {"12345", haLeft, 40 + 30 + 8},  // beside its text
      {"12345", haCenter, 40 + 8},     // drawn over its text: no room of its own
  };
  for (const auto& c : cases) {
    grid->SetCells(2, 3, c.text);
    grid->AddButton(2, 3, 30, 20, "Go", c.align, vaTop);
    grid->SizeColToContents(2, false);
    EXPECT_EQ(grid->ColWidths(2), c.width) << "text '" << c.text << "' align " << c.align;
  }
  grid->RemoveButton(2, 3);
  grid->AddCheckBox(2, 3, true, false);
  grid->SizeColToContents(2, false);
  EXPECT_EQ(grid->ColWidths(2), 40 + grid->ControlLook()->CheckSize() + 8);
  grid->SetCells(2, 3, "");
  grid->SizeColToContents(2, true);  // grow only: the narrower content leaves the width
  EXPECT_EQ(grid->ColWidths(2), 40 + grid->ControlLook()->CheckSize() + 8);
}

// A full-width graphic takes what it draws in, however often the column is
// sized: a rating of five stars is 90 pixels wide; a full-width button keeps
// the column's width.
TEST_F(SizingTest, AFullWidthGraphicKeepsItsColumnSteady) {
  grid->AddRating(2, 3, 5, clYellow, clGray);
  grid->SetCells(2, 3, "4");
  for (int run = 0; run < 3; ++run) {
    grid->AutoSizeCol(2, 0);
    EXPECT_EQ(grid->ColWidths(2), 90) << "run " << run;
  }
  grid->SetColWidths(3, 120);
  grid->AddButton(3, 4, 30, 20, "", haFull, vaTop);
  grid->AutoSizeCol(3, 0);
  grid->AutoSizeCol(3, 0);
  EXPECT_EQ(grid->ColWidths(3), 120);
}

// A row's height: text and graphic; a check box counts a default row; a
// full-height graphic counts a default row beside no text and nothing beside
// text; a cell over several rows sizes none of them.
TEST_F(SizingTest, MeasureRowHeightCountsTheCellsOfTheRow) {
  const int margins = grid->CellVertMargin() + 2 * grid->GridLineWidth();
  grid->SetCells(2, 3, "x");
  grid->MeasureRowHeight(3, false, 0);
  EXPECT_EQ(grid->RowHeights(3), 16 + margins);
  grid->AddCheckBox(2, 3, true, false);
  grid->MeasureRowHeight(3, false, 0);
  EXPECT_EQ(grid->RowHeights(3), 24 + margins);
  grid->RemoveCheckBox(2, 3);
  grid->SetCells(2, 3, "");
  grid->AddButton(2, 3, 30, 40, "Go", haLeft, vaFull);
  grid->MeasureRowHeight(3, false, 0);
  EXPECT_EQ(grid->RowHeights(3), 16 + 24 + margins);
  grid->SetCells(2, 3, "x");
  grid->MeasureRowHeight(3, false, 0);
  EXPECT_EQ(grid->RowHeights(3), 16 + margins);
  grid->MeasureRowHeight(3, true, 0);  // grow only: a lower measure keeps the row
  grid->SetRowHeights(3, 60);
  grid->MeasureRowHeight(3, true, 0);
  EXPECT_EQ(grid->RowHeights(3), 60);
  grid->RemoveButton(2, 3);
  grid->SetCells(3, 5, "one\r\ntwo\r\nthree");
  grid->SetMultilinecells(true);
  grid->MergeCells(3, 5, 1, 2);
  grid->SetMinRowHeight(0);
  grid->MeasureRowHeight(5, false, 0);
  EXPECT_EQ(grid->RowHeights(5), 16 + margins);  // an empty cell still measures a line
}

// Word-wrapped rows are measured, then padded; progress goes to the export
// notification: the start with the first row, every row, the end.
TEST_F(SizingTest, AutoSizeRowsPadsWrappedRowsAndReportsProgress) {
  grid->SetWordWrap(true);
  grid->SetRowCount(4);
  grid->SetCells(2, 2, "x");
  grid->Progress.clear();
  grid->AutoSizeRows(false, 6);
  const int margins = grid->CellVertMargin() + 2 * grid->GridLineWidth();
  EXPECT_EQ(grid->RowHeights(2), 16 + margins + 6);
  const std::vector<std::pair<int, int>> told = {{0, 1}, {5, 1}, {5, 2}, {5, 3}, {2, -1}};
  EXPECT_EQ(grid->Progress, told);
}

TEST_F(SizingTest, SwitchingAutoSizeOnFitsTheColumnsAtOnce) {
  grid->SetCells(2, 1, "12345");
  grid->SetAutoSize(true);
  EXPECT_EQ(grid->ColWidths(2), 40 + 8 + 10);
  EXPECT_EQ(grid->ColWidths(0), 64);  // fixed columns stay
}
