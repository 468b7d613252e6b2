#include <gtest/gtest.h>

#include "grid/core/ExtGridTypes.h"
#include "grid/exchange/DelimitedText.h"

namespace {

struct ParseCase {
  const char* name;
  std::string text;
  char delimiter;
  bool trim;
  TDelimitedRows rows;
};

TEST(DelimitedTextTest, ParsesQuotesBeforeSplitting) {
  const ParseCase cases[] = {
      {"empty text has no rows", "", '\t', false, {}},
      {"two rows, final line end starts none", "1\t2\r\n3\t4\r\n", '\t', false, {{"1", "2"}, {"3", "4"}}},
      {"single row without line end", "a\tb", '\t', false, {{"a", "b"}}},
      {"trailing empty field kept", "a\t", '\t', false, {{"a", ""}}},
      {"quoted CR LF stays in the cell", "\"x\r\ny\"\tz\r\n", '\t', false, {{"x\r\ny", "z"}}},
      {"doubled quote inside", "\"say \"\"hi\"\"\"", '\t', false, {{"say \"hi\""}}},
      {"quoted delimiter", "\"a\tb\"\tc", '\t', false, {{"a\tb", "c"}}},
      {"quote inside an unquoted field is literal", "say \"hi\"\tx", '\t', false, {{"say \"hi\"", "x"}}},
      {"unclosed quote taken literally when lenient", "\"abc\tdef", '\t', false, {{"\"abc", "def"}}},
      {"text after the closing quote kept", "\"ab\"cd,e", ',', false, {{"abcd", "e"}}},
      {"LF and CR line ends", "a\nb\rc", ',', false, {{"a"}, {"b"}, {"c"}}},
      {"leading blanks trimmed", "1, 2, \"x\"", ',', true, {{"1", "2", "x"}}},
      {"quoted leading blank kept", "\" a\",b", ',', true, {{" a", "b"}}},
      {"empty line is one empty field", "a\r\n\r\nb", ',', false, {{"a"}, {""}, {"b"}}},
  };
  for (const ParseCase& c : cases)
    EXPECT_EQ(ParseDelimitedText(c.text, TDelimitedSyntax{c.delimiter, c.trim, false}), c.rows) << c.name;
}

TEST(DelimitedTextTest, StrictQuotesRaiseOnAnUnclosedQuote) {
  EXPECT_THROW(ParseDelimitedText("a,b\r\n\"c,d\r\n", TDelimitedSyntax{',', true, true}), EExtGridError);
  EXPECT_NO_THROW(ParseDelimitedText("a,\"b\r\nc\"\r\n", TDelimitedSyntax{',', true, true}));
}

TEST(DelimitedTextTest, DetectsTheDelimiterFromTheFirstTwoLines) {
  struct {
    const char* first;
    const char* second;
    char expected;
  } cases[] = {
      {"1;2;3", "4;5;6", ';'},
      {"a,b", "", ','},
      {"a\tb\tc", "d\te\tf", '\t'},
      {"a;b,c;d", "e;f,g;h", ';'},
      {"plain", "text", '\0'},
  };
  for (auto& c : cases) EXPECT_EQ(DetectDelimiter(c.first, c.second), c.expected) << c.first;
}

TEST(DelimitedTextTest, QuoteFieldDoublesInnerQuotes) { EXPECT_EQ(QuoteField("a\"b"), "\"a\"\"b\""); }

}  // namespace
