// Workbooks in memory: sheets, names, cells written in place, parts kept.

#include <gtest/gtest.h>

#include "platform/office/XlsxWorkbook.h"

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

TEST(XlsxWorkbookTest, ArchivesThatAreNotWorkbooksRaise) {
  std::string good = XlsxWorkbook::New().ToBytes();
  ZipPackage noBook;
  noBook.SetPart("[Content_Types].xml", "<Types/>");
  for (const std::string& bytes : {std::string(), std::string("PK\x05\x06", 4) + std::string(18, '\0') + "x",
                                   good.substr(0, good.size() / 2), noBook.ToBytes()})
    EXPECT_THROW(XlsxWorkbook::FromBytes(bytes), OfficeFileError);
}

}  // namespace
