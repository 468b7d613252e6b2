// Spreadsheet addresses and the import kind of a dropped file.

#include <gtest/gtest.h>

#include "grid/exchange/OfficeAddress.h"
#include "platform/office/CellAddress.h"

namespace {

TEST(OfficeAddressTest, ColumnLettersAreBijectiveBase26OfAnyLength) {
  struct {
    int col;
    const char* letters;
  } cases[] = {{1, "A"}, {26, "Z"}, {27, "AA"}, {52, "AZ"}, {53, "BA"}, {702, "ZZ"}, {703, "AAA"}, {16384, "XFD"}};
  for (auto& c : cases) {
    EXPECT_EQ(platform::office::ColumnLetters(c.col), c.letters);
    EXPECT_EQ(platform::office::ColumnNumber(c.letters), c.col);
  }
  EXPECT_EQ(platform::office::ColumnNumber("xfd"), 16384);
  EXPECT_FALSE(platform::office::ColumnNumber("XFE"));
  EXPECT_FALSE(platform::office::ColumnNumber("A1"));
  EXPECT_FALSE(platform::office::ColumnNumber(""));
}

TEST(OfficeAddressTest, WriteAddressesRunFromColumnAOfTheStartRow) {
  EXPECT_EQ(XLSWriteAddress(1, 30, 10), "A1:AD10");
  EXPECT_EQ(XLSWriteAddress(5, 2, 2), "A5:B6");
  EXPECT_EQ(XLSWriteAddress(1, 703, 1), "A1:AAA1");
}

TEST(OfficeAddressTest, UsedRangesFollowTheAddressRules) {
  struct {
    const char* address;
    int firstCol, firstRow, lastCol, lastRow;
    bool single;
  } cases[] = {
      {"$A$1:$C$2", 1, 1, 3, 2, false},
      {"$B$3:$D$5", 2, 3, 4, 5, false},
      {"$AA$1:$AAB$7", 27, 1, 704, 7, false},
      {"$2:$5", 1, 2, 256, 5, false},  // whole rows
      {"$C$4", 3, 4, 3, 4, true},
      {"A1", 1, 1, 1, 1, true},  // no "$": A1
  };
  for (auto& c : cases) {
    auto r = ParseUsedRange(c.address);
    ASSERT_TRUE(r) << c.address;
    EXPECT_EQ(r->FirstCol, c.firstCol) << c.address;
    EXPECT_EQ(r->FirstRow, c.firstRow) << c.address;
    EXPECT_EQ(r->LastCol, c.lastCol) << c.address;
    EXPECT_EQ(r->LastRow, c.lastRow) << c.address;
    EXPECT_EQ(r->SingleCell, c.single) << c.address;
  }
  for (const char* bad : {"$A:$C", "$C$5:$A$1", "$A$0:$B$2", "$A$1:$B$99999999", "$1$1", ":"}) EXPECT_FALSE(ParseUsedRange(bad)) << bad;
}

TEST(OfficeAddressTest, ADroppedFileIsDecidedByItsExtension) {
  EXPECT_EQ(DroppedFileKind("/t/data.CSV"), dfCSV);
  EXPECT_EQ(DroppedFileKind("/t/data.xls"), dfXLS);
  EXPECT_EQ(DroppedFileKind("/t/data.xlsx"), dfXLS);
  EXPECT_EQ(DroppedFileKind("/t/report.csv.xls"), dfXLS);
  EXPECT_EQ(DroppedFileKind("/t/report.xls.csv"), dfCSV);
  EXPECT_EQ(DroppedFileKind("/t/notes.txt"), dfOther);
  EXPECT_EQ(DroppedFileKind("/t/dir.xls/plain"), dfOther);
}

}  // namespace
