// The print engine's layout on the recording printer (one dot = 0.1 mm):
// column strips, pages and their order, page numbers, cell positions,
// endless-page guards, fast printing and the page range.

#include <climits>
#include <map>

#include "grid/data/ExtGridDataTypes.h"
#include "tests/grid/printing/GridPrintFixture.h"

namespace {

// Columns whose pixels on the page's row y are of colour c.
std::vector<int> ColumnsOf(TBitmap* Page, int y, TColor c) {
  std::vector<int> xs;
  for (int x = 0; x < Page->Width(); ++x)
    if (ColorToRGB(Page->Canvas()->Pixels(x, y)) == c) xs.push_back(x);
  return xs;
}

bool Near(const std::vector<int>& Xs, int X, int Tolerance = 2) {
  for (int x : Xs)
    if (std::abs(x - X) <= Tolerance) return true;
  return false;
}

}  // namespace

class GridPrintLayoutTest : public GridPrintTest {
protected:
  // Columns 96 screen pixels wide (254 units), rows 20 pixels (49 units).
  void Sized(int Cols, int Rows) {
    Fill(Cols, Rows);
    for (int c = 0; c < Cols; ++c) grid->SetColWidths(c, 96);
    grid->SetDefaultRowHeight(20);
    grid->PrintSettings()->SetNoAutoSizeRow(true);
  }
};

TEST_F(GridPrintLayoutTest, ColumnsFormStripsAndEachStripRunsItsPagesDown) {
  Sized(7, 30);
  std::map<int, std::pair<int, int>> stripOfPage;
  std::vector<int> lastRows;
  grid->OnPrintPage = [&](TObject*, TCanvas*, int PageNr, int, int) {
    stripOfPage[PageNr] = {grid->PrintColStart, grid->PrintColEnd};
  };
  grid->OnPrintPageDone = [&](TObject*, TCanvas*, int LastRow, int, int, int, int) { lastRows.push_back(LastRow); };
  std::vector<std::string> numbers;
  grid->OnPrintGetPageNum = [&](TObject*, int, int, std::string& Text) { numbers.push_back(Text); };
  grid->PrintSettings()->SetPageNr(ppBottomRight);
  grid->Print();

  // 1000 units of paper less 100 at the right hold three columns of 254 + 20.
  const int pages = recorder->PageCount();
  ASSERT_EQ(pages % 3, 0);
  const int perStrip = pages / 3;
  ASSERT_GE(perStrip, 2);
  EXPECT_EQ(grid->PrintNrOfPages, pages);
  ASSERT_EQ(int(stripOfPage.size()), pages);
  for (int p = 0; p < pages; ++p) {
    const int strip = p / perStrip;
    EXPECT_EQ(stripOfPage[p + 1], std::make_pair(3 * strip, std::min(6, 3 * strip + 2))) << "page " << p + 1;
  }
  // Each strip runs from the top row to the last one.
  ASSERT_EQ(int(lastRows.size()), pages);
  for (int s = 0; s < 3; ++s) {
    EXPECT_EQ(lastRows[size_t(s * perStrip + perStrip - 1)], 30);
    EXPECT_LT(lastRows[size_t(s * perStrip)], 30);
  }
  // Pages of several strips are numbered page-strip.
  ASSERT_EQ(int(numbers.size()), pages);
  EXPECT_EQ(numbers[0], "1-1");
  EXPECT_EQ(numbers[size_t(perStrip + 1)], "2-2");
  EXPECT_EQ(numbers.back(), std::to_string(perStrip) + "-3");
}

TEST_F(GridPrintLayoutTest, CellBordersLieAtTheirPlacesInTenthsOfAMillimetre) {
  Sized(2, 1);
  TPrintSettings* s = grid->PrintSettings();
  s->SetBorders(pbSingle);
  s->SetBorderColor(clRed);
  s->SetHeaderSize(50);
  s->SetTitleSpacing(0);
  grid->Print();
  ASSERT_EQ(recorder->PageCount(), 1);
  TBitmap* page = recorder->Page(0);
  // Columns start at LeftSize 100 and step by 254 + 20; a left border after
  // the first overlaps its neighbour's right border by the pen (3 units).
  const std::vector<int> red = ColumnsOf(page, 70, clRed);
  EXPECT_TRUE(Near(red, 100));
  EXPECT_TRUE(Near(red, 374));
  EXPECT_TRUE(Near(red, 371));
  EXPECT_TRUE(Near(red, 648));
  EXPECT_FALSE(Near(red, 240, 50));
  // The row's top edge is 50 units below the page's top (HeaderSize).
  int top = -1;
  for (int y = 0; y < 200 && top < 0; ++y)
    if (ColorToRGB(page->Canvas()->Pixels(200, y)) == clRed) top = y;
  EXPECT_NEAR(top, 50, 2);
}

TEST_F(GridPrintLayoutTest, RowTallerThanAPageIsPrintedCutAndThePrintEnds) {
  Sized(1, 3);
  grid->PrintSettings()->SetNoAutoSizeRow(false);
  grid->PrintSettings()->SetUseFixedHeight(true);
  grid->PrintSettings()->SetFixedHeight(5000);
  std::vector<int> ends;
  grid->OnPrintPageDone = [&ends](TObject*, TCanvas*, int LastRow, int, int, int, int) { ends.push_back(LastRow); };
  grid->Print();
  EXPECT_EQ(recorder->PageCount(), 3);
  EXPECT_EQ(ends, (std::vector<int>{1, 2, 3}));
}

TEST_F(GridPrintLayoutTest, NewPageFromTheEventBreaksAfterThatRow) {
  Sized(1, 6);
  grid->OnPrintNewPage = [](TObject*, int ARow, bool& NewPage) { NewPage = ARow == 2; };
  std::vector<int> ends;
  grid->OnPrintPageDone = [&ends](TObject*, TCanvas*, int LastRow, int, int, int, int) { ends.push_back(LastRow); };
  grid->Print();
  EXPECT_EQ(ends, (std::vector<int>{2, 6}));
}

TEST_F(GridPrintLayoutTest, FastPrintStopsAfterTheRangesLastPageAndNumbersWithoutATotal) {
  Sized(1, 80);
  grid->PrintSettings()->SetPageNr(ppBottomRight);
  grid->Print();
  const int all = recorder->PageCount();
  ASSERT_GE(all, 4);

  std::vector<std::string> numbers;
  grid->OnPrintGetPageNum = [&](TObject*, int, int, std::string& Text) { numbers.push_back(Text); };
  grid->FastPrint = true;
  grid->Print();
  EXPECT_EQ(recorder->PageCount(), all);
  ASSERT_FALSE(numbers.empty());
  EXPECT_EQ(numbers[1], "2");

  grid->OnPrintStart = [](TObject*, int NrOfPages, int& FromPage, int& ToPage) {
    EXPECT_EQ(NrOfPages, INT_MAX);
    FromPage = 2;
    ToPage = 3;
  };
  int pagesDone = 0;
  grid->OnPrintPageDone = [&](TObject*, TCanvas*, int, int, int, int, int) { ++pagesDone; };
  grid->Print();
  EXPECT_EQ(recorder->PageCount(), 2);
  EXPECT_EQ(pagesDone, 3);
}

TEST_F(GridPrintLayoutTest, CountedPagesShowTheirTotal) {
  Sized(1, 80);
  TPrintSettings* s = grid->PrintSettings();
  s->SetPageNr(ppBottomCenter);
  s->SetPageNumberOffset(10);
  std::vector<std::string> numbers;
  grid->OnPrintGetPageNum = [&](TObject*, int, int, std::string& Text) { numbers.push_back(Text); };
  grid->Print();
  const int n = recorder->PageCount();
  ASSERT_EQ(int(numbers.size()), n);
  EXPECT_EQ(numbers[0], "11/" + std::to_string(n));

  numbers.clear();
  Sized(1, 1);
  grid->Print();
  EXPECT_EQ(numbers, (std::vector<std::string>{"11"}));
}

TEST_F(GridPrintLayoutTest, RepeatedFixedColumnsStandAtTheLeftOfLaterStripsOnly) {
  Sized(7, 2);
  grid->SetFixedCols(1);
  TPrintSettings* s = grid->PrintSettings();
  s->SetRepeatFixedCols(true);
  std::map<int, std::vector<int>> colsByPage;
  int page = 0;
  grid->OnPrintPage = [&](TObject*, TCanvas*, int PageNr, int, int) { page = PageNr; };
  grid->OnCustomCellDraw = [&](TObject*, TCanvas*, int ACol, int ARow, TGridDrawState, TRect, bool Printing) {
    EXPECT_TRUE(Printing);
    if (ARow == 0) colsByPage[page].push_back(ACol);
  };
  grid->Print();
  ASSERT_EQ(recorder->PageCount(), 3);
  EXPECT_EQ(colsByPage[1], (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(colsByPage[2], (std::vector<int>{0, 3, 4}));
  EXPECT_EQ(colsByPage[3], (std::vector<int>{0, 5, 6}));
}

TEST_F(GridPrintLayoutTest, RepeatedFixedRowsHeadEveryLaterPageButStandOnceOnTheFirst) {
  Sized(1, 60);
  grid->SetFixedRows(1);
  grid->PrintSettings()->SetRepeatFixedRows(true);
  std::map<int, std::vector<int>> rowsByPage;
  int page = 0;
  grid->OnPrintPage = [&](TObject*, TCanvas*, int PageNr, int, int) { page = PageNr; };
  grid->OnCustomCellDraw = [&](TObject*, TCanvas*, int, int ARow, TGridDrawState, TRect, bool) {
    rowsByPage[page].push_back(ARow);
  };
  grid->Print();
  ASSERT_GE(recorder->PageCount(), 2);
  EXPECT_EQ(rowsByPage[1][0], 0);
  EXPECT_EQ(rowsByPage[1][1], 1);
  for (auto& [p, rows] : rowsByPage) {
    EXPECT_EQ(std::count(rows.begin(), rows.end(), 0), 1) << "page " << p;
    if (p > 1) {
      EXPECT_EQ(rows[0], 0);
    }
  }
}

TEST_F(GridPrintLayoutTest, FitToPageScalesByItsRule) {
  struct TCase {
    TFitToPage Fit;
    int ColWidth;
    bool Scales;
  } cases[] = {{fpShrink, 40, false}, {fpGrow, 200, false}, {fpAlways, 40, true}, {fpAlways, 200, true},
               {fpShrink, 200, true}, {fpGrow, 40, true},   {fpNever, 200, false}};
  for (const TCase& c : cases) {
    Sized(3, 1);
    for (int i = 0; i < 3; ++i) grid->SetColWidths(i, c.ColWidth);
    grid->PrintSettings()->SetFitToPage(c.Fit);
    int width = -1;
    grid->OnPrintSetColumnWidth = [&](TObject*, int ACol, int& Width) {
      if (ACol == 0) width = Width;
    };
    grid->Print();
    const int unscaled = int(std::lround(c.ColWidth * 254.0 / 96));
    EXPECT_EQ(width != unscaled, c.Scales) << "fit " << c.Fit << " width " << c.ColWidth;
    if (c.Scales) {
      EXPECT_NEAR(3 * (width + 20), 800, 6) << "fit " << c.Fit;
    }
  }
}

TEST_F(GridPrintLayoutTest, SelectedRowsPrintEveryColumnOfTheSelectedRows) {
  Sized(3, 10);
  grid->MouseActions()->SetDisjunctRowSelect(true);
  grid->SetRowSelect(2, true);
  grid->SetRowSelect(5, true);
  std::vector<std::pair<int, int>> cells;
  grid->OnCustomCellDraw = [&](TObject*, TCanvas*, int ACol, int ARow, TGridDrawState, TRect, bool) {
    cells.push_back({ACol, ARow});
  };
  grid->PrintSelectedRows();
  EXPECT_EQ(cells, (std::vector<std::pair<int, int>>{{0, 2}, {1, 2}, {2, 2}, {0, 5}, {1, 5}, {2, 5}}));
}

TEST_F(GridPrintLayoutTest, PreviewDrawsTheChosenPageAlone) {
  Sized(1, 80);
  TBitmap preview(200, 160);
  preview.Canvas()->SetDeviceCaps([] {
    TDeviceCaps caps;
    caps.LogPixelsX = caps.LogPixelsY = 51;
    caps.HorzRes = caps.PhysicalWidth = 200;
    caps.VertRes = caps.PhysicalHeight = 160;
    return caps;
  }());
  int counted = 0;
  grid->OnPrintStart = [&](TObject*, int NrOfPages, int&, int&) { counted = NrOfPages; };
  std::vector<int> rows;
  grid->OnCustomCellDraw = [&](TObject*, TCanvas*, int, int ARow, TGridDrawState, TRect, bool) { rows.push_back(ARow); };
  grid->SetPreviewPage(3);
  grid->PrintPreview(preview.Canvas(), Rect(0, 0, 200, 160));
  ASSERT_GE(counted, 4);
  ASSERT_FALSE(rows.empty());
  const int perPage = int(rows.size());
  EXPECT_EQ(rows.front(), 2 * perPage);
  EXPECT_FALSE(grid->IsPrintPreview);
  EXPECT_EQ(preview.Canvas()->GetMapMode(), MM_TEXT);
}

TEST_F(GridPrintLayoutTest, MoreThanFiveHundredColumnsPrint) {
  Fill(600, 2);
  for (int c = 0; c < 600; ++c) grid->SetColWidths(c, 20);
  grid->Print();
  EXPECT_GT(recorder->PageCount(), 10);
  EXPECT_EQ(grid->PrintColEnd, 599);
}

namespace {

// Remembers the export notifications the print engine gives.
class TNotedGrid : public TExtStringGrid {
public:
  using TExtStringGrid::TExtStringGrid;
  void ExportNotification(int AState, int ARow) override { Notes.push_back({AState, ARow}); }
  std::vector<std::pair<int, int>> Notes;
};

}  // namespace

TEST_F(GridPrintLayoutTest, CancellingAtTheStartPrintsNothingLeavesNoFileAndStillSaysDone) {
  SetPrinter(std::make_unique<TPrinter>());
  Printer()->SetOutputFileName(Path("out.pdf"));
  auto* g = new TNotedGrid(form);
  g->SetParent(form);
  g->OnPrintStart = [](TObject*, int, int& FromPage, int&) { FromPage = 0; };
  g->Print();
  EXPECT_FALSE(std::filesystem::exists(Path("out.pdf")));
  ASSERT_GE(g->Notes.size(), 2u);
  EXPECT_EQ(g->Notes.front(), std::make_pair(int(esExportStart), -1));
  EXPECT_EQ(g->Notes.back(), std::make_pair(int(esExportDone), -1));
  EXPECT_FALSE(Printer()->Printing());
}

TEST_F(GridPrintLayoutTest, RichTextPrintsInItsOwnColoursAndTakesTheRoomOfItsCharacters) {
  Fill(2, 1);
  grid->PrintSettings()->SetNoAutoSize(false);
  grid->SetCells(0, 0, "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}\\cf1 Red words}");
  grid->SetCells(1, 0, "Red words");
  grid->Print();
  ASSERT_EQ(recorder->PageCount(), 1);
  TBitmap* page = recorder->Page(0);
  int red = 0, dark = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < page->Width(); ++x) {
      const TColor c = ColorToRGB(page->Canvas()->Pixels(x, y));
      const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
      red += r > 0xA0 && g < 0x60 && b < 0x60;
      dark += r < 0x60 && g < 0x60 && b < 0x60;
    }
  EXPECT_GT(red, 100) << "the rich cell keeps its colour on paper";
  EXPECT_GT(dark, 100) << "the plain cell prints black";
  // Both columns are measured from the same characters: the markup takes no room.
  int left0 = 0, left1 = 0;
  grid->OnCustomCellDraw = [&](TObject*, TCanvas*, int ACol, int, TGridDrawState, TRect R, bool) {
    (ACol == 0 ? left0 : left1) = R.Width();
  };
  grid->Print();
  EXPECT_NEAR(left0, left1, 2);
}

TEST_F(GridPrintLayoutTest, ThePrintedWidthAndOffsetOfEachColumnStayForTheCaller) {
  Sized(7, 3);
  grid->Print();
  // Strips of three columns of 254 units with 20 between them, from the left margin of 100.
  for (int c = 0; c < 7; ++c) {
    EXPECT_EQ(grid->GetPrintColWidth(c), 254) << c;
    EXPECT_EQ(grid->GetPrintColOffset(c), 100 + (c % 3) * (254 + 20)) << c;
  }
  EXPECT_EQ(grid->GetPrintColWidth(511), 0);
  for (int c : {-1, 512}) {
    try {
      grid->GetPrintColWidth(c);
      ADD_FAILURE() << c << " is no printed column";
    } catch (const EExtGridError& e) {
      EXPECT_STREQ(e.what(), "Columns is not in valid range");
    }
    EXPECT_THROW(grid->GetPrintColOffset(c), EExtGridError);
  }
}
