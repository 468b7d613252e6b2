// Workbooks in memory: sheets, names, cells written in place, parts kept.

#include <gtest/gtest.h>

#include "platform/office/XlsxWorkbook.h"
#include "tests/platform/support/WorkbookParts.h"

namespace {

using namespace platform::office;

TEST(XlsxWorkbookTest, TextsWrittenAroundExistingRowsKeepTheirOrderAndReadBack) {
  XlsxWorkbook wb = XlsxWorkbook::New();
  wb.SetTexts(0, {3, 2}, {{"c3", "d3"}});
  wb.SetTexts(0, {1, 28}, {{"ab1"}});
  wb.SetTexts(0, {3, 1}, {{"a3"}});
  XlsxWorkbook back = XlsxWorkbook::FromBytes(wb.ToBytes());
  EXPECT_EQ(back.Value(0, {3, 1}).text, "a3");
  EXPECT_EQ(back.Value(0, {3, 3}).text, "d3");
  EXPECT_EQ(back.Value(0, {1, 28}).text, "ab1");
  auto used = back.UsedRange(0);
  ASSERT_TRUE(used);
  EXPECT_EQ(CellRefText(used->first), "A1");
  EXPECT_EQ(CellRefText(used->second), "AB3");
  // An empty text empties the cell.
  back.SetTexts(0, {1, 28}, {{""}});
  EXPECT_EQ(back.Value(0, {1, 28}).kind, SheetValue::Empty);
}

TEST(XlsxWorkbookTest, SheetNamesFollowTheWorkbookRules) {
  XlsxWorkbook wb = XlsxWorkbook::New();
  EXPECT_EQ(wb.SheetName(wb.AddSheet()), "Sheet2");
  wb.RenameSheet(1, "Data");
  for (std::string bad : std::vector<std::string>{"", "a/b", "x[1]", "'q'", std::string(32, 'n'), "sheet1"})
    EXPECT_THROW(wb.RenameSheet(1, bad), OfficeFileError) << bad;
  XlsxWorkbook back = XlsxWorkbook::FromBytes(wb.ToBytes());
  ASSERT_EQ(back.SheetCount(), 2);
  EXPECT_EQ(back.SheetName(1), "Data");
}

TEST(XlsxWorkbookTest, PartsTheWorkbookDoesNotKnowAreKept) {
  XlsxWorkbook wb = XlsxWorkbook::New();
  ZipPackage p = ZipPackage::FromBytes(wb.ToBytes());
  p.SetPart("docProps/custom.xml", "<custom/>");
  XlsxWorkbook again = XlsxWorkbook::FromBytes(p.ToBytes());
  again.SetTexts(0, {1, 1}, {{"x"}});
  EXPECT_EQ(ZipPackage::FromBytes(again.ToBytes()).Part("docProps/custom.xml"), "<custom/>");
}

const std::string kSheetHead = "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
const std::string kSheetTail = "</sheetData></worksheet>";

// A workbook of Sheets.size() sheets, sheet i's part holding Sheets[i].
std::string BookOf(const std::vector<std::string>& Sheets, const std::string& SharedStrings = "") {
  XlsxWorkbook wb = XlsxWorkbook::New();
  for (size_t i = 1; i < Sheets.size(); ++i) wb.AddSheet();
  ZipPackage p = ZipPackage::FromBytes(wb.ToBytes());
  for (size_t i = 0; i < Sheets.size(); ++i) p.SetPart("xl/worksheets/sheet" + std::to_string(i + 1) + ".xml", Sheets[i]);
  if (!SharedStrings.empty()) PutSharedStrings(p, SharedStrings);
  return p.ToBytes();
}

// A bomb scaled down: sheets of many one-character cells, which the archive
// squeezes to almost nothing. Only the sheet asked for is read: the others
// end damaged and would raise if they were.
TEST(XlsxWorkbookTest, OnlyTheSheetAskedForIsRead) {
  std::string cells;
  for (int r = 1; r <= 20; ++r) {
    cells += "<row>";
    for (int c = 0; c < 5000; ++c) cells += "<c><v>1</v></c>";
    cells += "</row>";
  }
  const std::string bomb = kSheetHead + cells + kSheetTail;
  const std::string bytes = BookOf({bomb + "<", bomb + "<", bomb, bomb + "<"});
  EXPECT_LT(bytes.size(), 60'000u);
  XlsxWorkbook wb = XlsxWorkbook::FromBytes(bytes);
  ASSERT_EQ(wb.SheetCount(), 4);
  EXPECT_EQ(wb.SheetName(3), "Sheet4");
  EXPECT_EQ(wb.Cells(2).size(), 100'000u);
  EXPECT_EQ(wb.Value(2, {20, 5000}).number, 1.0);
  EXPECT_THROW(wb.Cells(1), OfficeFileError);
}

TEST(XlsxWorkbookTest, FarApartCellsAreHeldAsTwoCells) {
  XlsxWorkbook wb = XlsxWorkbook::FromBytes(BookOf({kSheetHead + "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>a</t></is></c></row>"
                                                    "<row r=\"1048576\"><c r=\"O1048576\"><v>2</v></c></row>" + kSheetTail}));
  EXPECT_EQ(wb.Cells(0).size(), 2u);
  auto used = wb.UsedRange(0);
  ASSERT_TRUE(used);
  EXPECT_EQ(CellRefText(used->first) + ":" + CellRefText(used->second), "A1:O1048576");
  EXPECT_EQ(wb.Value(0, {1, 1}).text, "a");
  EXPECT_EQ(wb.Value(0, {1048576, 15}).number, 2.0);
  EXPECT_EQ(wb.Value(0, {500, 3}).kind, SheetValue::Empty);
}

TEST(XlsxWorkbookTest, CellsWrittenOutOfOrderReadSortedAndTheLastOfACellWins) {
  XlsxWorkbook wb = XlsxWorkbook::FromBytes(BookOf({kSheetHead + "<row r=\"3\"><c r=\"B3\"><v>1</v></c></row>"
                                                    "<row r=\"1\"><c r=\"C1\"><v>2</v></c><c r=\"A1\"><v>3</v></c></row>"
                                                    "<row r=\"3\"><c r=\"B3\"><v>4</v></c></row>" + kSheetTail}));
  const auto& cells = wb.Cells(0);
  ASSERT_EQ(cells.size(), 3u);
  EXPECT_EQ(CellRefText({cells[0].row, cells[0].col}), "A1");
  EXPECT_EQ(CellRefText({cells[2].row, cells[2].col}), "B3");
  EXPECT_EQ(cells[2].value.number, 4.0);
}

TEST(XlsxWorkbookTest, SharedStringsBeyondTheBudgetAreRefused) {
  std::string strings = "<sst>";
  for (size_t i = 0; i <= XlsxWorkbook::kMaxReadCells; ++i) strings += "<si/>";
  strings += "</sst>";
  XlsxWorkbook wb = XlsxWorkbook::FromBytes(BookOf({kSheetHead + kSheetTail}, strings));
  try {
    wb.Cells(0);
    FAIL() << "no refusal";
  } catch (const OfficeFileError& e) {
    EXPECT_NE(std::string(e.what()).find("more shared strings"), std::string::npos) << e.what();
  }
}

TEST(XlsxWorkbookTest, SharedAndInlineStringsJoinTheirRunsWithoutPhoneticHints) {
  XlsxWorkbook wb = XlsxWorkbook::FromBytes(
      BookOf({kSheetHead + "<row><c t=\"s\"><v>1</v></c><c t=\"inlineStr\"><is><r><t>x</t></r><r><t>&lt;y</t></r></is></c></row>" + kSheetTail},
             "<sst><si><t>zero</t></si><si><r><t>o</t></r><r><rPr/><t xml:space=\"preserve\">ne </t></r><rPh><t>hint</t></rPh></si></sst>"));
  EXPECT_EQ(wb.Value(0, {1, 1}).text, "one ");
  EXPECT_EQ(wb.Value(0, {1, 2}).text, "x<y");
}

TEST(XlsxWorkbookTest, ArchivesThatAreNotWorkbooksRaise) {
  std::string good = XlsxWorkbook::New().ToBytes();
  ZipPackage noBook;
  noBook.SetPart("[Content_Types].xml", "<Types/>");
  for (const std::string& bytes : {std::string(), std::string("PK\x05\x06", 4) + std::string(18, '\0') + "x",
                                   good.substr(0, good.size() / 2), noBook.ToBytes()})
    EXPECT_THROW(XlsxWorkbook::FromBytes(bytes), OfficeFileError);
}

}  // namespace
