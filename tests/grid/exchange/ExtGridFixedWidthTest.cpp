// ASCII layout and fixed-width files of the grid.

#include "grid/exchange/ExchangeFixture.h"
#include "toolkit/rtl/Encoding.h"

namespace {

using ExtGridFixedWidthTest = ExchangeTest;

class ExtGridASCIITest : public ExchangeTest {
protected:
  void SetUp() override {
    ExchangeTest::SetUp();
    grid->OnGetAlignment = [](TObject*, int, int ACol, TAlignment& HA, TVAlignment&) {
      if (ACol == 1) HA = taRightJustify;
    };
  }
};

TEST_F(ExtGridASCIITest, ColumnsAreAsWideAsTheirLongestTextAndAligned) {
  Fill(2, 2, {{0, 0, "abc"}, {1, 0, "5"}, {0, 1, "de"}, {1, 1, "120"}});
  grid->SaveToASCII(Path("a.txt"));
  EXPECT_EQ(Read("a.txt"), "abc   5 \r\nde  120 \r\n");
}

// The layout aligns as the grid draws: numbers to the right with
// AutoNumAlign, a cell's own alignment over that.
TEST_F(ExchangeTest, TheASCIILayoutAlignsAsTheGridDraws) {
  Fill(2, 3, {{0, 0, "abc"}, {1, 0, "word"}, {0, 1, "7"}, {1, 1, "12.5"}, {0, 2, "1"}, {1, 2, "x"}});
  grid->SetAutoNumAlign(true);
  grid->SetAlignments(0, 2, taLeftJustify);
  grid->SaveToASCII(Path("a.txt"));
  EXPECT_EQ(Read("a.txt"), "abc word \r\n  7 12.5 \r\n1   x    \r\n");
}

TEST_F(ExtGridASCIITest, MultiLineCellsContinueUnderTheirColumn) {
  grid->OnGetAlignment = nullptr;
  Fill(2, 1, {{0, 0, "abc"}, {1, 0, "x\r\nyy"}});
  grid->SetMultilinecells(true);
  grid->SaveToASCII(Path("a.txt"));
  EXPECT_EQ(Read("a.txt"), "abc x  \r\n    yy\r\n");

  grid->SetMultilinecells(false);
  grid->SaveToASCII(Path("a.txt"));
  EXPECT_EQ(Read("a.txt"), "abc x \r\n") << "only first lines written and measured";
}

TEST_F(ExtGridASCIITest, LoneLineBreaksBecomeBlanksAndCharactersAreCounted) {
  grid->OnGetAlignment = nullptr;
  grid->SetMultilinecells(false);
  Fill(2, 2, {{0, 0, "caf\xC3\xA9"}, {1, 0, "a\nb"}, {0, 1, "x"}, {1, 1, "y"}});
  grid->SaveToASCII(Path("a.txt"), true);
  const std::string bytes = Read("a.txt");
  ASSERT_EQ(bytes.substr(0, 2), "\xFF\xFE") << "UTF-16LE with byte-order mark";
  EXPECT_EQ(DecodeText(bytes), "caf\xC3\xA9 a b \r\nx    y   \r\n");
}

TEST_F(ExtGridASCIITest, AppendKeepsTheLinesOfTheFile) {
  grid->OnGetAlignment = nullptr;
  Write("a.txt", "title\r\n");
  Fill(1, 1, {{0, 0, "x"}});
  grid->AppendToASCII(Path("a.txt"));
  EXPECT_EQ(Read("a.txt"), "title\r\nx \r\n");
  grid->AppendToASCII(Path("new.txt"));
  EXPECT_EQ(Read("new.txt"), "x \r\n") << "a missing file is simply created";
}

TEST_F(ExtGridFixedWidthTest, MissingWidthsAreComputedAndGivenToTheCaller) {
  Fill(2, 2, {{0, 0, "abcd"}, {0, 1, "x"}, {1, 0, "12"}, {1, 1, "3"}});
  TIntList positions(0, 0);
  positions.Add(2);
  grid->SaveToFixed(Path("f.txt"), &positions);
  ASSERT_EQ(positions.Count(), 2);
  EXPECT_EQ(positions.GetInteger(1), 3);
  EXPECT_EQ(Read("f.txt"), "ab12 \r\nx 3  \r\n") << "the first field cut to its given width";

  TIntList computed(0, 0);
  grid->SaveToFixed(Path("f.txt"), &computed);
  EXPECT_EQ(computed.GetInteger(0), 5);
  EXPECT_EQ(Read("f.txt"), "abcd 12 \r\nx    3  \r\n");
}

TEST_F(ExtGridFixedWidthTest, LineBreaksAreWrittenAsBlanksSoRecordsStayOnOneLine) {
  Fill(2, 1, {{0, 0, "a\r\nb"}, {1, 0, "c\nd"}});
  TIntList positions(0, 0);
  grid->SaveToFixed(Path("f.txt"), &positions);
  EXPECT_EQ(Read("f.txt"), "a b c d \r\n");
}

TEST_F(ExtGridFixedWidthTest, ReadsFieldsBetweenPositions) {
  Write("f.txt", "abc12345\r\nxy  7   \r\n");
  TIntList positions(0, 0);
  for (int p : {9, 1, 4}) positions.Add(p);
  grid->LoadFromFixed(Path("f.txt"), &positions, false, -1);
  EXPECT_EQ(positions.GetInteger(0), 1) << "the caller's list is sorted";
  EXPECT_EQ(grid->ColCount(), 2);
  EXPECT_EQ(grid->Cells(0, 0), "abc");
  EXPECT_EQ(grid->Cells(1, 0), "12345");
  EXPECT_EQ(grid->Cells(0, 1), "xy ");
  EXPECT_EQ(grid->Cells(1, 1), " 7   ");

  grid->LoadFromFixed(Path("f.txt"), &positions, true, -1);
  EXPECT_EQ(grid->Cells(0, 1), "xy");
  EXPECT_EQ(grid->Cells(1, 1), "7");
}

TEST_F(ExtGridFixedWidthTest, MaxRowsLimitsTheLinesRead) {
  Write("f.txt", "a\r\nb\r\nc\r\n");
  TIntList positions(0, 0);
  positions.Add(1);
  positions.Add(2);
  struct {
    int maxRows;
    int rows;
  } cases[] = {{0, 1}, {1, 1}, {2, 2}, {-1, 3}};
  for (auto& c : cases) {
    Fill(1, 1, {{0, 0, ""}});
    grid->LoadFromFixed(Path("f.txt"), &positions, true, c.maxRows);
    EXPECT_EQ(grid->RowCount(), c.rows) << c.maxRows;
    EXPECT_EQ(grid->Cells(0, c.rows - 1), std::string(1, static_cast<char>('a' + c.rows - 1))) << c.maxRows;
  }
}

TEST_F(ExtGridFixedWidthTest, FieldsCountCharactersNotBytes) {
  Write("f.txt", "\xC3\xA9t\xC3\xA9" "abc\r\n");
  TIntList positions(0, 0);
  for (int p : {1, 4, 7}) positions.Add(p);
  grid->LoadFromFixed(Path("f.txt"), &positions, true, -1);
  EXPECT_EQ(grid->Cells(0, 0), "\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(grid->Cells(1, 0), "abc");
}

TEST_F(ExtGridFixedWidthTest, BadPositionsOrAMissingFileRaiseAndLeaveTheGrid) {
  Write("f.txt", "abc\r\n");
  Fill(2, 2, {{0, 0, "keep"}});
  TIntList one(0, 0);
  one.Add(1);
  EXPECT_THROW(grid->LoadFromFixed(Path("f.txt"), &one, true, -1), EExtGridError);
  TIntList zero(0, 0);
  zero.Add(0);
  zero.Add(3);
  EXPECT_THROW(grid->LoadFromFixed(Path("f.txt"), &zero, true, -1), EExtGridError);
  TIntList good(0, 0);
  good.Add(1);
  good.Add(3);
  try {
    grid->LoadFromFixed(Path("missing.txt"), &good, true, -1);
    ADD_FAILURE() << "no error";
  } catch (const EExtGridError& e) {
    EXPECT_EQ(e.Message(), "File " + Path("missing.txt") + " not found");
  }
  EXPECT_EQ(grid->Cells(0, 0), "keep");
  EXPECT_EQ(grid->ColCount(), 2);
}

}  // namespace
