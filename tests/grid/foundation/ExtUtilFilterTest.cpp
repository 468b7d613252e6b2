#include "grid/foundation/ExtUtil.h"

#include <gtest/gtest.h>

#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

struct TFilterCase {
  const char* Condition;
  const char* Value;
  bool CaseSensitive;
  bool Result;
};

// "." decimal, "," thousands, "/" dates in month/day/year order, ":" time.
class GridFilter : public ::testing::Test {
protected:
  void SetUp() override {
    ResetFormatSettings();
    FormatSettings.ShortDateFormat = "M/d/yyyy";
  }
  void TearDown() override { ResetFormatSettings(); }
};

TEST_F(GridFilter, ConditionTable) {
  const TFilterCase cases[] = {
      {"=5", "5", true, true},
      {"5", "5", true, true},
      {"5", "6", true, false},
      {"  >  5  ", "6", true, true},
      {">5", "6", true, true},
      {">5", "5", true, false},
      {">=5", "5", true, true},
      {"<=5", "5", true, true},
      {"<5", "4.5", true, true},
      {">=10&<20", "15", true, true},
      {">=10&<20", "20", true, false},
      {">=10&<20", "9", true, false},
      {">9", "10", true, true},   // numbers, not texts
      {">1,000", "1,500", true, true},
      {"A*|B*", "Apple", true, true},
      {"A*|B*", "Banana", true, true},
      {"A*|B*", "Cherry", true, false},
      {"A*|B*", "apple", false, true},
      {"A*|B*", "apple", true, false},
      {"(A*|B*)&*E", "APPLE", true, true},
      {"(A*|B*)&*E", "BANANA", true, false},
      {"A*|B*&*E", "BANANA", true, false},  // left to right: (A or B) and E
      {"!*X*", "abc", true, true},
      {"!*X*", "aXc", true, false},
      {"!*X*", "", true, true},
      {"?", "a", true, true},
      {"?", "", true, false},
      {"?", "ab", true, false},
      {"*", "", true, true},
      {"*", "anything", true, true},
      {"a**b", "ab", true, true},
      {"a*b*c", "aXbYc", true, true},
      {"a*b*c", "aXbYd", true, false},
      {"", "", true, true},
      {"", "x", true, false},
      {">b", "c", true, true},
      {">b", "a", true, false},
      {">\"b\"", "c", true, true},      // the quotes are left out
      {">\"a b\"", "a c", true, true},  // a quoted blank belongs to the text
      {"\"a;b\"", "a;b", true, true},   // no split inside quotes
      {">9/1/2010", "10/1/2010", true, true},
      {"<9/1/2010", "10/1/2010", true, false},
      {"<5", "<5", true, true},          // a failed comparison falls to the pattern
      {"5;6", "6", true, true},
      {"5^6", "6", true, true},
      {"(5", "5", true, true},          // an unclosed group takes the rest
      {"((5|6", "6", true, true},
      {"(", "", true, true},
      {"(5)x", "5", true, true},       // text after a group has no effect
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MatchFilterCondition(c.Condition, c.Value, c.CaseSensitive), c.Result)
        << c.Condition << " on " << c.Value;
    EXPECT_EQ(TFilterCondition(c.Condition, c.CaseSensitive).Match(c.Value), c.Result)
        << "prepared: " << c.Condition << " on " << c.Value;
  }
}

// The prepared plain pattern answers as the general matcher does.
TEST_F(GridFilter, PreparedPatternsAgreeWithTheMatcher) {
  const char* patterns[] = {"*ta*", "a*", "*a", "a?c", "*", "**", "?", "a*b*c", "*a*a*", "abc", "ABC", "=*ta*",
                            "  *t a*  ", "\xC3\xA9*", "*\xC3\x89"};
  const char* values[] = {"", "a", "delta", "DELTA", "abc", "aXbYc", "aaa", "ab", "cab", "t a", "ta",
                          "\xC3\xA9t\xC3\xA9", "x\xC3\x89", "a b c"};
  for (const char* p : patterns)
    for (const char* v : values)
      for (bool cs : {true, false})
        EXPECT_EQ(TFilterCondition(p, cs).Match(v), MatchFilterCondition(p, v, cs)) << p << " on " << v << " " << cs;
}

TEST_F(GridFilter, ManyStarsStayFast) {
  // Without remembered results this pattern takes exponential time.
  std::string pattern;
  for (int i = 0; i < 30; ++i) pattern += "*a";
  pattern += "*b";
  std::string value(200, 'a');
  EXPECT_FALSE(MatchFilterPattern(pattern, value));
  EXPECT_TRUE(MatchFilterPattern(pattern, value + "b"));
}

// Plain backtracking over "*", "?" and literals, as a reference.
bool NaiveMatch(std::string_view p, std::string_view v) {
  if (p.empty()) return v.empty();
  if (p[0] == '*') {
    for (size_t i = v.size() + 1; i-- > 0;)
      if (NaiveMatch(p.substr(1), v.substr(i))) return true;
    return false;
  }
  if (v.empty() || (p[0] != '?' && p[0] != v[0])) return false;
  return NaiveMatch(p.substr(1), v.substr(1));
}

TEST_F(GridFilter, WildcardsAgreeWithPlainBacktracking) {
  const char patternChars[] = {'*', '?', 'a', 'b'};
  const char valueChars[] = {'a', 'b'};
  uint32_t seed = 7;
  auto next = [&seed] { seed = seed * 1103515245 + 12345; return seed >> 16; };
  for (int n = 0; n < 3000; ++n) {
    std::string p, v;
    for (int k = next() % 7; k > 0; --k) p += patternChars[next() % 4];
    for (int k = next() % 8; k > 0; --k) v += valueChars[next() % 2];
    ASSERT_EQ(MatchFilterPattern(p, v), NaiveMatch(p, v)) << p << " on " << v;
  }
}

TEST_F(GridFilter, Helpers) {
  EXPECT_EQ(RemoveUnquotedSpaces("a b \"c d\" e"), "ab\"c d\"e");
  char d = 0;
  EXPECT_EQ(FindFirstDelimiter("ab&c", d), 3);
  EXPECT_EQ(d, '&');
  EXPECT_EQ(FindFirstDelimiter("\"a|b\"|c", d), 6);
  EXPECT_EQ(d, '|');
  EXPECT_EQ(FindFirstDelimiter("abc", d), 0);
  EXPECT_EQ(FindClosingParenthesis("(a(b)c)d"), 7);
  EXPECT_EQ(FindClosingParenthesis("(a(b)c"), 0);
  EXPECT_EQ(NormalizeNumberText("1,234.5"), "1234.5");
}

TEST_F(GridFilter, DateTimeText) {
  double v = 0, day = 0;
  ASSERT_TRUE(TryEncodeDate(2010, 9, 1, day));
  ASSERT_TRUE(ParseDateTimeText("9/1/2010", v));
  EXPECT_EQ(v, day);
  ASSERT_TRUE(ParseDateTimeText("9/1/2010 10:30", v));
  EXPECT_DOUBLE_EQ(v, day + 10.5 / 24);
  ASSERT_TRUE(ParseDateTimeText("9/1/2010 10:30:15", v));
  EXPECT_DOUBLE_EQ(v, day + (10 * 3600 + 30 * 60 + 15) / 86400.0);
  EXPECT_FALSE(ParseDateTimeText("9/1/2010 24:00", v));
  EXPECT_FALSE(ParseDateTimeText("9/1/2010 10:60", v));
  EXPECT_FALSE(ParseDateTimeText("9/1/2010 1030", v));
  EXPECT_FALSE(ParseDateTimeText("13/1/2010", v));
  EXPECT_FALSE(ParseDateTimeText("2/30/2010", v));
  EXPECT_FALSE(ParseDateTimeText("9/1", v));
  ASSERT_TRUE(ParseDateTimeText("1/1/10", v));  // the year as written
  ASSERT_TRUE(TryEncodeDate(10, 1, 1, day));
  EXPECT_EQ(v, day);
}

TEST_F(GridFilter, FollowsTheLocale) {
  FormatSettings.DecimalSeparator = ',';
  FormatSettings.ThousandSeparator = '.';
  FormatSettings.DateSeparator = '.';
  FormatSettings.ShortDateFormat = "dd.mm.yyyy";
  EXPECT_TRUE(MatchFilterCondition(">1", "1,5", true));
  EXPECT_FALSE(MatchFilterCondition(">1,5", "1,25", true));
  EXPECT_TRUE(MatchFilterCondition(">1.000", "1.500", true));  // thousands
  EXPECT_TRUE(MatchFilterCondition(">1.9.2010", "2.9.2010", true));
  EXPECT_EQ(NormalizeNumberText("1.234,5"), "1234.5");
  double v = 0, day = 0;
  ASSERT_TRUE(ParseDateTimeText("13.1.2010", v));
  ASSERT_TRUE(TryEncodeDate(2010, 1, 13, day));
  EXPECT_EQ(v, day);
  FormatSettings.TimeSeparator = '.';
  ASSERT_TRUE(ParseDateTimeText("13.1.2010 10.30", v));
  EXPECT_DOUBLE_EQ(v, day + 10.5 / 24);
}

}  // namespace
