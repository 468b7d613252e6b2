// The grid's own text file and stream.

#include "grid/exchange/ExchangeFixture.h"
#include "toolkit/rtl/Streams.h"

namespace {

using ExtGridTextFileTest = ExchangeTest;

TEST_F(ExtGridTextFileTest, SavesSizeWidthsAndCellLines) {
  Fill(3, 2, {{0, 0, "a"}, {2, 1, "b"}});
  for (int c = 0; c < 3; ++c) grid->SetColWidths(c, 64);
  grid->SaveToFile(Path("g.txt"));
  EXPECT_EQ(Read("g.txt"), "3,2\r\ncw 0,64\r\ncw 1,64\r\ncw 2,64\r\n0,0,a\r\n2,1,b\r\n");
}

TEST_F(ExtGridTextFileTest, TextsRoundTrip) {
  const std::string texts[] = {"1,5", "x\r\ny", "plain", "caf\xC3\xA9", "\xE4\xB8\xAD\xE6\x96\x87", "\"q\", z", "tab\there\x08\x01\x02 and a\rlone CR"};
  grid->SetColCount(1);
  grid->SetRowCount(7);
  for (int r = 0; r < 7; ++r) grid->SetCells(0, r, texts[r]);
  grid->SetMultilinecells(true);
  for (bool unicode : {true, false}) {
    grid->SaveToFile(Path("g.txt"), unicode);
    grid->ClearRect(0, 0, 0, 6);
    grid->LoadFromFile(Path("g.txt"));
    for (int r = 0; r < 7; ++r) EXPECT_EQ(grid->Cells(0, r), texts[r]) << r << " unicode " << unicode;
  }
  EXPECT_NE(Read("g.txt").find("0,0,1,5"), std::string::npos);
  grid->SetMultilinecells(false);
  grid->LoadFromFile(Path("g.txt"));
  EXPECT_EQ(grid->Cells(0, 1), "x");
}

TEST_F(ExtGridTextFileTest, LatinTextIsWrittenInTheEightBitCodePage) {
  Fill(1, 1, {{0, 0, "caf\xC3\xA9"}});
  grid->SaveToFile(Path("g.txt"));
  EXPECT_EQ(Read("g.txt"), "1,1\r\ncw 0," + std::to_string(grid->ColWidths(0)) + "\r\n0,0,caf\xE9\r\n");
}

TEST_F(ExtGridTextFileTest, FixedCellsNotSavedShiftTheSize) {
  Write("g.txt", "2,3\r\n0,0,a\r\n");
  grid->SetColCount(4);
  grid->SetRowCount(4);
  grid->SetFixedCols(1);
  grid->SetFixedRows(1);
  grid->SetSaveFixedCells(false);
  grid->LoadFromFile(Path("g.txt"));
  EXPECT_EQ(grid->ColCount(), 3);
  EXPECT_EQ(grid->RowCount(), 4);
  EXPECT_EQ(grid->Cells(0, 0), "a");
}

TEST_F(ExtGridTextFileTest, MalformedLinesAreSkipped) {
  Write("g.txt", "3,3\r\n\r\nrubbish\r\n1,x,bad\r\ncw 7,50\r\ncw 1,-4\r\n5,5,outside\r\n2,2,ok\r\n");
  Fill(3, 3, {});
  const int width = grid->ColWidths(1);
  grid->LoadFromFile(Path("g.txt"));
  EXPECT_EQ(grid->Cells(0, 0), "");
  EXPECT_EQ(grid->Cells(2, 2), "ok");
  EXPECT_EQ(grid->ColWidths(1), width);
}

TEST_F(ExtGridTextFileTest, BadSizeLinesRaiseAndLeaveTheGridAsItWas) {
  const char* files[] = {"0,0\r\n", "x,y\r\n0,0,a\r\n", "3,999999999\r\n", "70000,2\r\n", "-1,4\r\n"};
  for (const char* f : files) {
    Fill(2, 2, {{0, 0, "kept"}});
    Write("g.txt", f);
    EXPECT_THROW(grid->LoadFromFile(Path("g.txt")), EExtGridError) << f;
    EXPECT_EQ(grid->ColCount(), 2) << f;
    EXPECT_EQ(grid->RowCount(), 2) << f;
    EXPECT_EQ(grid->Cells(0, 0), "kept") << f;
  }
}

TEST_F(ExtGridTextFileTest, AnEmptyFileLoadsNothing) {
  Fill(2, 2, {{0, 0, "kept"}});
  Write("g.txt", "");
  grid->LoadFromFile(Path("g.txt"));
  EXPECT_EQ(grid->ColCount(), 2);
  EXPECT_EQ(grid->Cells(0, 0), "kept");
  EXPECT_THROW(grid->LoadFromFile(Path("missing.txt")), EFOpenError);
}

TEST_F(ExtGridTextFileTest, AFailedSaveKeepsTheOldFile) {
  Fill(1, 1, {{0, 0, "new"}});
  EXPECT_ANY_THROW(grid->SaveToFile(Path("no-such-folder/g.txt")));
  EXPECT_FALSE(std::filesystem::exists(Path("no-such-folder")));
}

TEST_F(ExtGridTextFileTest, StreamCellsAreRelativeToTheExportRange) {
  Fill(3, 3, {{1, 1, "one"}, {2, 2, "x\r\ny"}});
  grid->SetFixedCols(1);
  grid->SetFixedRows(1);
  grid->SetSaveFixedCells(false);
  grid->SetMultilinecells(true);
  TMemoryStream stream;
  grid->SaveToStream(&stream);
  stream.SetPosition(0);
  auto other = new TExtStringGrid(form);
  other->SetFixedCols(1);
  other->SetFixedRows(1);
  other->SetSaveFixedCells(false);
  other->SetMultilinecells(true);
  other->LoadFromStream(&stream);
  EXPECT_EQ(other->ColCount(), 3);
  EXPECT_EQ(other->RowCount(), 3);
  EXPECT_EQ(other->Cells(1, 1), "one");
  EXPECT_EQ(other->Cells(2, 2), "x\r\ny");
}

TEST_F(ExtGridTextFileTest, StreamLoadStopsAtTheNextGrid) {
  Fill(2, 2, {{0, 0, "a"}});
  TMemoryStream stream;
  grid->SaveToStream(&stream);
  const int64_t second = stream.Position();
  Fill(5, 10, {{4, 9, "b"}});
  grid->SaveToStream(&stream);
  stream.SetPosition(0);
  auto other = new TExtStringGrid(form);
  other->SetFixedCols(0);
  other->SetFixedRows(0);
  other->LoadFromStream(&stream);
  EXPECT_EQ(stream.Position(), second);
  EXPECT_EQ(other->ColCount(), 2);
  EXPECT_EQ(other->Cells(0, 0), "a");
  other->LoadFromStream(&stream);
  EXPECT_EQ(other->ColCount(), 5);
  EXPECT_EQ(other->Cells(4, 9), "b");
}

}  // namespace
