// Printing to a real PDF file, read back with the poppler tools: pages, size
// and title of the document, and the header, footer and cell texts of its
// pages.

#include <sstream>

#include "tests/grid/printing/GridPrintFixture.h"
#include "tests/grid/printing/PdfTools.h"
#include "toolkit/rtl/DateUtils.h"

namespace {

std::string InfoLine(const std::string& Info, const std::string& Key) {
  const size_t at = Info.find(Key + ":");
  if (at == std::string::npos) return {};
  const size_t from = Info.find_first_not_of(' ', at + Key.size() + 1);
  return Info.substr(from, Info.find('\n', from) - from);
}

// True when one line of Text holds exactly these words side by side, blanks between them.
bool OnOneLine(const std::string& Text, const std::vector<std::string>& Words) {
  std::istringstream lines(Text);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    if (std::search(words.begin(), words.end(), Words.begin(), Words.end()) != words.end()) return true;
  }
  return false;
}

// The pages' texts (pdftotext separates pages by form feeds).
std::vector<std::string> Pages(const std::string& Text) {
  std::vector<std::string> pages;
  size_t start = 0;
  for (size_t ff; (ff = Text.find('\f', start)) != std::string::npos; start = ff + 1)
    pages.push_back(Text.substr(start, ff - start));
  return pages;
}

bool Has(const std::string& Text, const std::string& Part) { return Text.find(Part) != std::string::npos; }

}  // namespace

class GridPrintPdfTest : public GridPrintTest {
protected:
  void SetUp() override {
    GridPrintTest::SetUp();
    SetPrinter(std::make_unique<TPrinter>());
    Printer()->SetOutputFileName(Path("grid.pdf"));
    grid->SetFixedCols(0);
    grid->SetFixedRows(1);
    grid->SetColCount(3);
    grid->SetRowCount(121);
    grid->SetCells(0, 0, "Article");
    grid->SetCells(1, 0, "Quantity");
    grid->SetCells(2, 0, "Store");
    for (int r = 1; r < 121; ++r) {
      grid->SetCells(0, r, "Item" + std::to_string(r));
      grid->SetCells(1, r, std::to_string(r * 7));
      grid->SetCells(2, r, r % 2 ? "North" : "South");
    }
    TPrintSettings* s = grid->PrintSettings();
    s->SetNoAutoSize(false);
    s->SetCentered(true);
    s->SetLeftSize(200);
    s->SetRightSize(200);
    s->SetHeaderSize(150);
    s->SetFooterSize(150);
    s->SetJobName("Stock report");
    s->SetTitle(ppTopCenter);
    s->SetTitleText("Stock list");
    s->SetPageNr(ppBottomRight);
    s->SetPagePrefix("Page");
    s->SetDate(ppTopLeft);
    s->SetDateFormat("yyyy-mm-dd");
    s->SetRepeatFixedRows(true);
    s->Font()->SetName("DejaVu Sans");
    s->Font()->SetSize(11);
  }
};

TEST_F(GridPrintPdfTest, PdfHoldsThePagesTitleHeadersFootersAndCells) {
  grid->Print();
  const int pages = grid->PrintNrOfPages;
  ASSERT_GE(pages, 2);
  const std::string info = RunTool({"pdfinfo", Path("grid.pdf")});
  EXPECT_EQ(InfoLine(info, "Pages"), std::to_string(pages));
  EXPECT_EQ(InfoLine(info, "Title"), "Stock report");
  // A4 in whole printer dots.
  EXPECT_TRUE(Has(InfoLine(info, "Page size"), "595.2 x 841.92")) << info;

  const std::vector<std::string> text = Pages(RunTool({"pdftotext", "-layout", Path("grid.pdf"), "-"}));
  ASSERT_EQ(int(text.size()), pages);
  const std::string today = FormatDateTime("yyyy-mm-dd", Now());
  int rows = 0;
  for (int p = 0; p < pages; ++p) {
    const std::string& t = text[size_t(p)];
    EXPECT_TRUE(Has(t, "Stock list")) << "page " << p + 1;
    EXPECT_TRUE(Has(t, today)) << "page " << p + 1;
    EXPECT_TRUE(Has(t, "Page " + std::to_string(p + 1) + "/" + std::to_string(pages))) << "page " << p + 1;
    // The fixed row heads every page, once.
    EXPECT_TRUE(OnOneLine(t, {"Article", "Quantity", "Store"})) << "page " << p + 1;
    EXPECT_EQ(t.find("Article"), t.rfind("Article"));
    for (size_t at = 0; (at = t.find("Item", at)) != std::string::npos; ++at) ++rows;
  }
  EXPECT_EQ(rows, 120);
  EXPECT_TRUE(OnOneLine(text[0], {"Item1", "7", "North"}));
  EXPECT_TRUE(OnOneLine(text.back(), {"Item120", "840", "South"}));
}

TEST_F(GridPrintPdfTest, LandscapeSelectionPrintsItsCellsOnAWidePage) {
  grid->PrintSettings()->SetOrientation(poLandscape);
  grid->PrintSettings()->SetRepeatFixedRows(false);
  grid->PrintRect(TGridRect{0, 5, 1, 9});
  const std::string info = RunTool({"pdfinfo", Path("grid.pdf")});
  EXPECT_EQ(InfoLine(info, "Pages"), "1");
  EXPECT_TRUE(Has(InfoLine(info, "Page size"), "841.92 x 595.2")) << info;
  const std::string text = RunTool({"pdftotext", "-layout", Path("grid.pdf"), "-"});
  EXPECT_TRUE(OnOneLine(text, {"Item5", "35"}));
  EXPECT_TRUE(Has(text, "Item9"));
  EXPECT_FALSE(Has(text, "Item10"));
  EXPECT_FALSE(Has(text, "North"));
  EXPECT_FALSE(Has(text, "Article"));
  EXPECT_TRUE(Has(text, "Page 1"));
  EXPECT_FALSE(Has(text, "Page 1/"));
}

TEST_F(GridPrintPdfTest, AFailedPrintLeavesThePreviousFile) {
  WriteFileAtomic(Path("grid.pdf"), "old");
  grid->OnPrintPage = [](TObject*, TCanvas*, int PageNr, int, int) {
    if (PageNr == 2) throw Exception("printer jammed");
  };
  EXPECT_THROW(grid->Print(), Exception);
  EXPECT_EQ(ReadFileBytes(Path("grid.pdf")), "old");
  EXPECT_FALSE(Printer()->Printing());
}
