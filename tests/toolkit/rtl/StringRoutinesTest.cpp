#include <gtest/gtest.h>

#include "toolkit/rtl/SysUtils.h"

TEST(StringRoutines, PosCopyDeleteInsert) {
  EXPECT_EQ(Pos("lo", "hello lo"), 4);
  EXPECT_EQ(Pos("x", "hello"), 0);
  EXPECT_EQ(Pos("", "hello"), 0);
  EXPECT_EQ(PosEx("lo", "hello lo", 5), 7);
  EXPECT_EQ(PosEx("lo", "hello", 0), 0);
  EXPECT_EQ(PosEx("lo", "hello", 9), 0);
  EXPECT_EQ(Copy("hello", 2, 3), "ell");
  EXPECT_EQ(Copy("hello", 0, 2), "he");
  EXPECT_EQ(Copy("hello", 4, 100), "lo");
  EXPECT_EQ(Copy("hello", 6, 1), "");
  EXPECT_EQ(Copy("hello", 2, -1), "");
  std::string s = "hello";
  Delete(s, 2, 2);
  EXPECT_EQ(s, "hlo");
  Delete(s, 0, 1);  // ignored
  Delete(s, 3, 10);
  EXPECT_EQ(s, "hl");
  Insert("XY", s, 2);
  EXPECT_EQ(s, "hXYl");
  Insert("!", s, 99);
  EXPECT_EQ(s, "hXYl!");
  Insert("<", s, -3);
  EXPECT_EQ(s, "<hXYl!");
}

TEST(StringRoutines, TrimRemovesControlCharactersToo) {
  EXPECT_EQ(Trim(" \t\r\n a b \x01"), "a b");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a \n"), "  a");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("\xC3\xA9 "), "\xC3\xA9");  // UTF-8 bytes are not blanks
}

TEST(StringRoutines, CaseMapping) {
  EXPECT_EQ(UpperCase("abc\xC3\xA9z"), "ABC\xC3\xA9Z");  // ASCII only
  EXPECT_EQ(LowerCase("ABC"), "abc");
  EXPECT_EQ(AnsiUpperCase("\xC3\xA9t\xC3\xA9 \xC3\xBF \xC5\x82 \xCE\xB1 \xD0\xB4"),
            "\xC3\x89T\xC3\x89 \xC5\xB8 \xC5\x81 \xCE\x91 \xD0\x94");
  EXPECT_EQ(AnsiLowerCase("\xC3\x89T\xC3\x89 \xC5\xB8 \xC5\x81 \xCE\x91 \xD0\x94"),
            "\xC3\xA9t\xC3\xA9 \xC3\xBF \xC5\x82 \xCE\xB1 \xD0\xB4");
  EXPECT_EQ(AnsiUpperCase("a\xFF" "b"), "A\xFF" "B");  // bytes that are not UTF-8 stay
}

TEST(StringRoutines, Comparisons) {
  EXPECT_EQ(CompareText("abc", "ABC"), 0);
  EXPECT_LT(CompareText("abc", "ABD"), 0);
  EXPECT_GT(CompareText("abcd", "ABC"), 0);
  EXPECT_LT(CompareStr("ABC", "abc"), 0);
  EXPECT_TRUE(SameText("Hello", "hELLO"));
  EXPECT_FALSE(SameText("\xC3\xA9", "\xC3\x89"));  // not ASCII
  EXPECT_TRUE(AnsiSameText("\xC3\xA9", "\xC3\x89"));
  EXPECT_EQ(AnsiCompareText("apple", "Banana"), -1);
  EXPECT_EQ(AnsiCompareStr("a", "A"), -1);  // lower case first among equals
  EXPECT_EQ(AnsiCompareStr("A", "b"), -1);  // but letters decide first
  EXPECT_EQ(AnsiCompareStr("same", "same"), 0);
  EXPECT_TRUE(StartsText("HEL", "hello"));
  EXPECT_TRUE(EndsText("LO", "hello"));
}

struct ReplaceCase {
  const char* s;
  const char* from;
  const char* to;
  TReplaceFlags flags;
  const char* expected;
};

class StringReplaceTable : public testing::TestWithParam<ReplaceCase> {};

TEST_P(StringReplaceTable, Replaces) {
  const auto& c = GetParam();
  EXPECT_EQ(StringReplace(c.s, c.from, c.to, c.flags), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StringReplaceTable,
    testing::Values(ReplaceCase{"aXbXc", "X", "-", {}, "a-bXc"},
                    ReplaceCase{"aXbXc", "X", "-", {rfReplaceAll}, "a-b-c"},
                    ReplaceCase{"axbXc", "X", "--", {rfReplaceAll, rfIgnoreCase}, "a--b--c"},
                    ReplaceCase{"aaa", "aa", "b", {rfReplaceAll}, "ba"},
                    ReplaceCase{"abc", "", "x", {rfReplaceAll}, "abc"},
                    ReplaceCase{"\xC3\xA9t\xC3\xA9", "\xC3\x89", "e", {rfReplaceAll, rfIgnoreCase}, "ete"}));

TEST(StringRoutines, Quoting) {
  EXPECT_EQ(QuotedStr("it's"), "'it''s'");
  EXPECT_EQ(AnsiQuotedStr("a\"b", '"'), "\"a\"\"b\"");
  EXPECT_EQ(AnsiDequotedStr("'it''s'", '\''), "it's");
  EXPECT_EQ(AnsiDequotedStr("plain", '\''), "plain");
  EXPECT_EQ(AnsiDequotedStr("''", '\''), "");
  EXPECT_EQ(AnsiDequotedStr("'open", '\''), "open");
  size_t pos = 2;
  EXPECT_EQ(AnsiExtractQuotedStr("x=\"a b\",c", pos, '"'), "a b");
  EXPECT_EQ(pos, 7u);
  EXPECT_EQ(StringOfChar('-', 3), "---");
  EXPECT_EQ(StringOfChar('-', -1), "");
}
