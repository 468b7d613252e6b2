#include "grid/data/GridSortEngine.h"

#include <gtest/gtest.h>

#include <map>

#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

// A table of texts; column styles and check boxes as a test sets them.
class TTableSource : public TSortCellSource {
public:
  std::vector<std::vector<std::string>> Rows;
  std::map<int, TSortStyle> Styles;
  std::map<int, std::string> Prefixes;
  int CustomCalls = 0;

  std::string SortCellText(int ACol, int ARow) override { return Rows[ARow][ACol]; }
  void SortCellFormat(int ACol, TSortStyle& AStyle, std::string& APrefix, std::string&) override {
    if (Styles.count(ACol)) AStyle = Styles[ACol];
    if (Prefixes.count(ACol)) APrefix = Prefixes[ACol];
  }
  // Deliberately inconsistent: every pair says "less".
  int SortCustomCompare(const std::string&, const std::string&) override { ++CustomCalls; return -1; }
};

std::vector<std::string> Column(TTableSource& t, const std::vector<int>& order, int col) {
  std::vector<std::string> out;
  for (int r : order) out.push_back(t.Rows[r][col]);
  return out;
}

TTableSource OneColumn(const std::vector<std::string>& texts) {
  TTableSource t;
  for (const auto& s : texts) t.Rows.push_back({s});
  return t;
}

TSortRequest ByColumn(int col, bool descending = false) {
  TSortRequest r;
  r.Keys.push_back({col, descending});
  return r;
}

// The last two digits of this year plus Delta.
std::string Yy(int Delta) {
  int y = (YearOf(Now()) + Delta) % 100;
  return (y < 10 ? "0" : "") + std::to_string(y);
}

class GridSortEngine : public ::testing::Test {
protected:
  void SetUp() override { ResetFormatSettings(); }
  void TearDown() override { ResetFormatSettings(); }
};

TEST_F(GridSortEngine, AutomaticOrderTable) {
  struct Case {
    std::vector<std::string> In;
    bool Descending;
    std::vector<std::string> Out;
  } cases[] = {
      {{"10", "3.5", "-2"}, false, {"-2", "3.5", "10"}},
      // Numbers before dates before words, blanks first, whatever came first.
      {{"abc", "12", "", "01/02/2020", "9"}, false, {"", "9", "12", "01/02/2020", "abc"}},
      {{"03/04/2020", "01/02/2020"}, false, {"01/02/2020", "03/04/2020"}},
      // The separator at position 5 is no date: compared as words.
      {{"2020/01/02", "1999/12/31"}, false, {"1999/12/31", "2020/01/02"}},
      {{"12:30", "9:15"}, false, {"9:15", "12:30"}},
      // Two-digit years: the one 60 years back lies in the next century.
      {{"01/02/" + Yy(-60), "01/02/" + Yy(-10)}, false, {"01/02/" + Yy(-10), "01/02/" + Yy(-60)}},
      {{"b", "a", "c"}, true, {"c", "b", "a"}},
      {{"1,234.50", "999.99"}, false, {"999.99", "1,234.50"}},
  };
  for (const auto& c : cases) {
    TTableSource t = OneColumn(c.In);
    auto order = SortRowOrder(t, ByColumn(0, c.Descending), 0, static_cast<int>(c.In.size()) - 1);
    EXPECT_EQ(Column(t, order, 0), c.Out) << c.In.front();
  }
}

// Texts that mix kinds: the comparator must be a strict weak order.
TEST_F(GridSortEngine, ComparatorIsAntisymmetricAndTransitiveOverMixedTexts) {
  const std::vector<std::string> texts = {"10", "9", "1a", "", "abc", "ABC", "01/02/2020", "12:30", "-1",
                                          "1e3", "nan", "inf", "3.5", "2020/01/02", " 7", "7", "1,000"};
  for (TSortStyle style : {ssAutomatic, ssAlphaNumeric, ssAlphaNumericNoCase, ssNumeric, ssFinancial,
                           ssAlphaNoCase, ssDate, ssAnsiAlphaNoCase}) {
    TTableSource t = OneColumn({"x"});
    std::vector<TSortKey> keys;
    for (const auto& s : texts) keys.push_back(MakeSortKey(t, 0, 0, s, style, "", "", false));
    const size_t n = keys.size();
    for (size_t a = 0; a < n; ++a)
      for (size_t b = 0; b < n; ++b) {
        int ab = CompareSortKeys(keys[a], keys[b]);
        ASSERT_EQ(ab, -CompareSortKeys(keys[b], keys[a])) << style << ": " << texts[a] << " vs " << texts[b];
        for (size_t c = 0; c < n; ++c) {
          if (ab < 0 && CompareSortKeys(keys[b], keys[c]) < 0) {
            ASSERT_LT(CompareSortKeys(keys[a], keys[c]), 0)
                << style << ": " << texts[a] << " < " << texts[b] << " < " << texts[c];
          }
        }
      }
  }
}

TEST_F(GridSortEngine, ExplicitStyles) {
  struct Case {
    TSortStyle Style;
    const char* A;
    const char* B;
    int Expected;
  } cases[] = {
      {ssAlphaNoCase, "a", "A", 0},
      {ssAlphaNoCase, "\xC3\xA9", "\xC3\x89", 1},  // only a..z fold
      {ssAlphabetic, "B", "a", -1},
      {ssNumeric, "", "5", -1},  // an empty cell counts as 0
      {ssNumeric, "abc", "5", 1},  // not a number: after the numbers
      {ssFinancial, "1,234.50", "999.99", 1},
      {ssShortDateEU, "02/01/2020", "01/02/2020", -1},
      {ssShortDateUS, "02/01/2020", "01/02/2020", 1},
      {ssAlphaNumeric, "10", "9", 1},
      {ssAlphaNumeric, "a10", "a9", -1},
  };
  TTableSource t = OneColumn({"x"});
  for (const auto& c : cases) {
    auto a = MakeSortKey(t, 0, 0, c.A, c.Style, "", "", false);
    auto b = MakeSortKey(t, 0, 0, c.B, c.Style, "", "", false);
    EXPECT_EQ(CompareSortKeys(a, b), c.Expected) << c.Style << " " << c.A << " " << c.B;
  }
}

TEST_F(GridSortEngine, PrefixIsDroppedBeforeTheNumberIsRead) {
  TTableSource t = OneColumn({"$10", "$9", "$100"});
  t.Styles[0] = ssNumeric;
  t.Prefixes[0] = "$";
  auto order = SortRowOrder(t, ByColumn(0), 0, 2);
  EXPECT_EQ(Column(t, order, 0), (std::vector<std::string>{"$9", "$10", "$100"}));
}

TEST_F(GridSortEngine, DecimalCommaLocale) {
  FormatSettings.DecimalSeparator = ',';
  FormatSettings.ThousandSeparator = '.';
  TTableSource t = OneColumn({"10", "3,5", "1.000"});
  auto order = SortRowOrder(t, ByColumn(0), 0, 2);
  EXPECT_EQ(Column(t, order, 0), (std::vector<std::string>{"3,5", "10", "1.000"}));
}

TEST_F(GridSortEngine, BlanksKeepTheirPlaceInBothDirections) {
  using V = std::vector<std::string>;
  struct Case {
    bool Descending;
    TSortBlankPosition Pos;
    V Out;
  } cases[] = {
      {false, blFirst, {"", "", "a", "b", "c"}},
      {false, blLast, {"a", "b", "c", "", ""}},
      {true, blFirst, {"", "", "c", "b", "a"}},
      {true, blLast, {"c", "b", "a", "", ""}},
  };
  for (const auto& c : cases) {
    TTableSource t = OneColumn({"b", "", "a", "", "c"});
    TSortRequest r = ByColumn(0, c.Descending);
    r.IgnoreBlanks = true;
    r.BlankPos = c.Pos;
    EXPECT_EQ(Column(t, SortRowOrder(t, r, 0, 4), 0), c.Out) << c.Descending << c.Pos;
  }
}

TEST_F(GridSortEngine, TiesAreBrokenByLaterKeysAndOtherwiseKeepTheirOrder) {
  TTableSource t;
  t.Rows = {{"b", "2", "x"}, {"a", "9", "y"}, {"b", "1", "z"}, {"a", "9", "w"}};
  TSortRequest r;
  r.Keys = {{0, false}, {1, true}};
  auto order = SortRowOrder(t, r, 0, 3);
  EXPECT_EQ(Column(t, order, 2), (std::vector<std::string>{"y", "w", "x", "z"}));
  r.IgnoredColumns = {1};
  order = SortRowOrder(t, r, 0, 3);
  EXPECT_EQ(Column(t, order, 2), (std::vector<std::string>{"y", "w", "x", "z"}));
  r.Keys = {{1, false}};
  order = SortRowOrder(t, r, 0, 3);  // the only key is ignored: the order stays
  EXPECT_EQ(Column(t, order, 2), (std::vector<std::string>{"x", "y", "z", "w"}));
}

TEST_F(GridSortEngine, AnInconsistentCustomCompareStillEndsWithEveryRowOnce) {
  std::vector<std::string> texts;
  for (int i = 0; i < 200; ++i) texts.push_back(std::to_string(i % 17));
  TTableSource t = OneColumn(texts);
  t.Styles[0] = ssCustom;
  auto order = SortRowOrder(t, ByColumn(0), 0, 199);
  std::sort(order.begin(), order.end());
  for (int i = 0; i < 200; ++i) ASSERT_EQ(order[i], i);
  EXPECT_GT(t.CustomCalls, 0);
}

TEST_F(GridSortEngine, SortsOnlyTheGivenRange) {
  TTableSource t = OneColumn({"z", "c", "b", "a", "y"});
  auto order = SortRowOrder(t, ByColumn(0), 1, 3);
  EXPECT_EQ(order, (std::vector<int>{3, 2, 1}));
  EXPECT_TRUE(SortRowOrder(t, ByColumn(0), 3, 2).empty());
}

}  // namespace
