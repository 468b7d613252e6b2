// CSV files of the grid.

#include "grid/exchange/ExchangeFixture.h"
#include "toolkit/rtl/Streams.h"

namespace {

using ExtGridCSVTest = ExchangeTest;

TEST_F(ExtGridCSVTest, WritesDelimiterQuotesAndEmptyCells) {
  Fill(3, 1, {{0, 0, "a"}, {1, 0, "b,c"}});
  grid->SaveToCSV(Path("g.csv"));
  EXPECT_EQ(Read("g.csv"), "a,\"b,c\",\"\"\r\n");
}

TEST_F(ExtGridCSVTest, FieldsAreWrittenAsExpected) {
  struct {
    const char* name;
    std::string text;
    std::string written;
  } cases[] = {
      {"quotes doubled and wrapped", "\"hi\"", "\"\"\"hi\"\"\""},
      {"line break as character 11", "x\r\ny", "\"x\x0By\""},
      {"leading blank quoted", " lead", "\" lead\""},
      {"plain", "plain", "plain"},
  };
  for (auto& c : cases) {
    Fill(1, 1, {{0, 0, c.text}});
    grid->SaveToCSV(Path("g.csv"));
    EXPECT_EQ(Read("g.csv"), c.written + "\r\n") << c.name;
  }
}

TEST_F(ExtGridCSVTest, AwkwardTextsRoundTrip) {
  const std::string texts[] = {"\"hi\"", "x\r\ny", " lead", "a,b", "semi;colon", "", "caf\xC3\xA9", "\xE4\xB8\xAD"};
  for (bool java : {false, true}) {
    grid->SetJavaCSV(java);
    grid->SetColCount(2);
    grid->SetRowCount(8);
    for (int r = 0; r < 8; ++r) grid->SetCells(1, r, texts[r]);
    grid->SaveToCSV(Path("g.csv"));
    grid->ClearRect(0, 0, 1, 7);
    grid->LoadFromCSV(Path("g.csv"));
    for (int r = 0; r < 8; ++r) EXPECT_EQ(grid->Cells(1, r), texts[r]) << r << " java " << java;
  }
}

TEST_F(ExtGridCSVTest, JavaFormatUsesTildeAndCaret) {
  grid->SetJavaCSV(true);
  Fill(2, 1, {{0, 0, "x\r\ny"}});
  grid->SaveToCSV(Path("g.csv"));
  EXPECT_EQ(Read("g.csv"), "x~y,^\r\n");
}

TEST_F(ExtGridCSVTest, ReadsWhatOtherProgramsWrite) {
  struct {
    const char* name;
    std::string file;
    std::vector<std::vector<std::string>> cells;
  } cases[] = {
      {"semicolons detected", "1;2;3\r\n4;5;6\r\n", {{"1", "2", "3"}, {"4", "5", "6"}}},
      {"one line, comma", "a,b\r\n", {{"a", "b"}}},
      {"blanks before fields", "1, 2, \"x\"\r\n", {{"1", "2", "x"}}},
      {"quoted line break (RFC 4180)", "\"a\nb\",c\nd,e\n", {{"a\nb", "c"}, {"d", "e"}}},
      {"UTF-8 byte-order mark", "\xEF\xBB\xBFk,v\r\n", {{"k", "v"}}},
  };
  for (auto& c : cases) {
    Fill(1, 1, {});
    Write("g.csv", c.file);
    grid->LoadFromCSV(Path("g.csv"));
    ASSERT_EQ(grid->RowCount(), static_cast<int>(c.cells.size())) << c.name;
    for (size_t r = 0; r < c.cells.size(); ++r)
      for (size_t f = 0; f < c.cells[r].size(); ++f)
        EXPECT_EQ(grid->Cells(static_cast<int>(f), static_cast<int>(r)), c.cells[r][f]) << c.name;
  }
  EXPECT_EQ(grid->Delimiter(), '\0');
}

TEST_F(ExtGridCSVTest, FirstRowAndMaxRowsLimitTheRead) {
  Write("g.csv", "head\r\n1\r\n2\r\n3\r\n");
  grid->SetLoadFirstRow(false);
  grid->LoadFromCSV(Path("g.csv"), 2);
  EXPECT_EQ(grid->RowCount(), 2);
  EXPECT_EQ(grid->Cells(0, 0), "1");
  EXPECT_EQ(grid->Cells(0, 1), "2");
}

TEST_F(ExtGridCSVTest, ManyLinesSizeTheGridExactly) {
  std::string file;
  for (int i = 0; i < 2500; ++i) file += std::to_string(i) + ",x\r\n";
  Write("g.csv", file);
  grid->SetFixedFooters(1);
  grid->LoadFromCSV(Path("g.csv"));
  EXPECT_EQ(grid->RowCount(), 2501);
  EXPECT_EQ(grid->Cells(0, 2499), "2499");
}

TEST_F(ExtGridCSVTest, AnUnclosedQuoteRaisesAndLeavesTheGrid) {
  Fill(2, 2, {{0, 0, "kept"}});
  Write("g.csv", "a,b\r\n\"c,d\r\n");
  EXPECT_THROW(grid->LoadFromCSV(Path("g.csv")), EExtGridError);
  EXPECT_EQ(grid->Cells(0, 0), "kept");
  EXPECT_EQ(grid->RowCount(), 2);
}

TEST_F(ExtGridCSVTest, EmptyInputs) {
  Fill(2, 2, {{0, 0, "kept"}});
  Write("g.csv", "");
  grid->LoadFromCSV(Path("g.csv"));
  EXPECT_EQ(grid->Cells(0, 0), "kept");
  TMemoryStream empty;
  EXPECT_THROW(grid->LoadFromCSVStream(&empty), Exception);
  EXPECT_THROW(grid->LoadFromCSV(Path("missing.csv")), EFOpenError);
  EXPECT_THROW(grid->AppendToCSV(Path("missing.csv")), EFOpenError);
}

TEST_F(ExtGridCSVTest, AppendAndInsertAddRows) {
  Fill(2, 1, {{0, 0, "a"}, {1, 0, "b"}});
  grid->SaveToCSV(Path("g.csv"));
  grid->SetCells(0, 0, "c");
  grid->AppendToCSV(Path("g.csv"));
  EXPECT_EQ(Read("g.csv"), "a,b\r\nc,b\r\n");
  grid->InsertFromCSV(Path("g.csv"));
  EXPECT_EQ(grid->RowCount(), 3);
  EXPECT_EQ(grid->Cells(0, 1), "a");
  EXPECT_EQ(grid->Cells(0, 2), "c");
}

TEST_F(ExtGridCSVTest, UnicodeWritesUtf8WithByteOrderMark) {
  Fill(1, 1, {{0, 0, "\xE4\xB8\xAD"}});
  grid->SaveToCSV(Path("g.csv"), true);
  EXPECT_EQ(Read("g.csv"), "\xEF\xBB\xBF\xE4\xB8\xAD\r\n");
}

TEST_F(ExtGridCSVTest, ProgressIsRelativeAndSentOnChange) {
  Fill(1, 5, {});
  std::vector<int> seen;
  grid->OnFileProgress = [&](TObject*, int16_t p) { seen.push_back(p); };
  grid->SaveToCSV(Path("g.csv"));
  EXPECT_EQ(seen, (std::vector<int>{0, 25, 50, 75, 100}));
}

}  // namespace
