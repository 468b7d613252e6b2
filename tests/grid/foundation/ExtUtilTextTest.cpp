#include "grid/foundation/ExtUtil.h"

#include <gtest/gtest.h>

#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/StringList.h"

namespace {

TEST(GridTextPositions, FindAndCount) {
  EXPECT_EQ(CharPos('a', ""), 0);
  EXPECT_EQ(CharPos('c', "abcabc"), 3);
  int pos = 42;
  EXPECT_EQ(FindCharPos('x', "", pos), 0);
  EXPECT_EQ(pos, 42);  // untouched when absent
  EXPECT_EQ(FindCharPos('b', "abc", pos), 2);
  EXPECT_EQ(pos, 2);
  EXPECT_EQ(VarPos("zz", "abc", pos), 0);
  EXPECT_EQ(pos, 0);  // always written
  EXPECT_EQ(VarPos("bc", "abc", pos), 2);
  EXPECT_EQ(PosInUpperCase("LO", "hello"), 4);
  EXPECT_EQ(PosInUpperCase("lo", "hello"), 0);  // the needle is not converted
  EXPECT_EQ(CountChar(',', "a,b,,c"), 3);
  EXPECT_EQ(CountLines("a\rb\rc", true), 3);
  EXPECT_EQ(CountLines("a\rb\rc", false), 1);
}

TEST(GridTextCsv, QuotesAndDelimiters) {
  EXPECT_EQ(DoubleQuoteChars("a\"b"), "a\"\"b");
  EXPECT_EQ(UndoubleChar('"', "\"\""), "\"");
  EXPECT_EQ(UndoubleChar('"', "\"\"\""), "\"\"");
  EXPECT_EQ(UndoubleChar('"', "abc"), "abc");

  std::string t = "a\r\nb";
  QuoteMultiLineField(t);
  EXPECT_EQ(t, "\"a\vb\"");
  t = "a\vb";
  VTToCRLF(t);
  EXPECT_EQ(t, "a\r\nb");

  std::string src = "key=value";
  EXPECT_EQ(CutBeforeDelimiter(src, "="), "key");
  EXPECT_EQ(src, "value");
  EXPECT_EQ(CutBeforeDelimiter(src, ";"), "");
  EXPECT_EQ(src, "value");  // unchanged without the delimiter
}

struct TUnpairedCase {
  const char* Text;
  int Pos;
};

TEST(GridTextCsv, FindUnpairedCharTable) {
  const TUnpairedCase cases[] = {
      {"abc\"\",x\",y", 8},  // the single quote after x ends the field
      {"", 0},
      {"abc", 0},
      {"a\"", 2},            // a quote as the last character
      {"a\"\"", 3},          // counts do not matter at the end
      {"\"x", 1},
      {"\"\"x", 0},
  };
  for (const auto& c : cases) {
    int pos = -1;
    EXPECT_EQ(FindUnpairedChar('"', c.Text, pos), c.Pos) << c.Text;
    EXPECT_EQ(pos, c.Pos) << c.Text;
  }
  EXPECT_EQ(CountUnpairedChars('"', "a\"b\"c\"d"), 3);
  EXPECT_EQ(CountUnpairedChars('"', "abc"), 0);
}

TEST(GridTextLineBreaks, Conversions) {
  EXPECT_EQ(EscapedNToCR("a\\nb\\n"), "a\rb\r");
  EXPECT_EQ(CRToEscapedN("a\r\nb\n"), "a\\nb");
  EXPECT_EQ(RemoveCR("a\r\nb\r"), "a\nb");
  EXPECT_EQ(CRToLF("a\rb"), "a\nb");
  // The routines that change their argument in place.
  struct TInPlace {
    void (*Convert)(std::string&);
    std::string Text, Result;
  };
  const TInPlace cases[] = {
      {CRLFToLF, "a\r\nb\rc", "a\nb\rc"},
      {LineBreaksToTilde, "a\r\nb", "a~b"},
      {TildeToLineBreaks, "a~b", "a\r\nb"},
      {TildeToLineBreaks, "^", ""},
      {TildeToLineBreaks, "^^", "^^"},
  };
  for (auto c : cases) {
    c.Convert(c.Text);
    EXPECT_EQ(c.Text, c.Result);
  }
  TStringList lines;
  lines.Add("a");
  lines.Add("");
  lines.Add("bc");
  EXPECT_EQ(ConcatStrings(lines), "abc");
}

TEST(GridTextLineBreaks, CutFirstLine) {
  std::string src = "no break", line;
  CutFirstLine(src, true, line);
  EXPECT_EQ(line, "no break");
  EXPECT_EQ(src, "");  // emptied even when the rest is to be kept
  src = "one\r\ntwo\r\nthree";
  CutFirstLine(src, true, line);
  EXPECT_EQ(line, "one");
  EXPECT_EQ(src, "two\r\nthree");
  CutFirstLine(src, false, line);
  EXPECT_EQ(line, "two");
  EXPECT_EQ(src, "");
  src = "a\r\n\nb";  // only one LF goes with the CR
  CutFirstLine(src, true, line);
  EXPECT_EQ(src, "\nb");
}

TEST(GridTextFileEscaping, KnownForms) {
  EXPECT_EQ(EscapeLineBreaksForFile("only\nLF"), "only\nLF");
  EXPECT_EQ(EscapeLineBreaksForFile("plain"), "plain");
  EXPECT_EQ(EscapeLineBreaksForFile("a\r\nb"), "a\x09\x08" "b");  // the long-standing form
  EXPECT_EQ(UnescapeLineBreaksFromFile("a\x09\x08" "b", true), "a\r\nb");
  EXPECT_EQ(UnescapeLineBreaksFromFile("a\x09\x08" "b", false), "a");
  EXPECT_EQ(UnescapeLineBreaksFromFile("one\r\ntwo", false), "one");
}

TEST(GridTextFileEscaping, EveryTextReadsBackExactly) {
  using namespace std::string_literals;
  const std::string texts[] = {
      "a\rb"s,                 // a lone CR
      "tab\there\r\nnext"s,    // TAB in a multi-line text
      "x\x01y\r\nz"s,          // character 1 in a multi-line text
      "nul\0in\r\nside"s,
      "bs\x08only"s,           // character 8 without any line break
      "esc\x02\x08mark\r"s,
      "\r\n\r\n"s,
      "\x02"s, "\x09\x08\x01\x02"s, ""s, "plain"s,
  };
  for (const auto& t : texts) {
    std::string file = EscapeLineBreaksForFile(t);
    if (t.find('\r') != std::string::npos) {
      EXPECT_EQ(file.find('\r'), std::string::npos);
      EXPECT_EQ(file.find('\n'), std::string::npos);
    }
    EXPECT_EQ(UnescapeLineBreaksFromFile(file, true), t) << testing::PrintToString(t);
  }
}

TEST(GridTextFileEscaping, RandomTextsReadBackExactly) {
  // Texts built from the characters the escaping treats specially.
  const char alphabet[] = {'\r', '\n', '\0', '\x01', '\x02', '\x08', '\x09', 'a', 'A'};
  uint32_t seed = 12345;
  for (int n = 0; n < 2000; ++n) {
    std::string t;
    for (int len = n % 12; len > 0; --len) {
      seed = seed * 1103515245 + 12345;
      t += alphabet[(seed >> 16) % sizeof alphabet];
    }
    const std::string file = EscapeLineBreaksForFile(t);
    if (t.find('\r') != std::string::npos) {
      EXPECT_EQ(file.find_first_of("\r\n"), std::string::npos);
    }
    ASSERT_EQ(UnescapeLineBreaksFromFile(file, true), t) << testing::PrintToString(t);
  }
}

TEST(GridTextConversions, FillAndRCReference) {
  std::string t = "abc";
  FillStringChars(t, '*');
  EXPECT_EQ(t, "***");

  TPoint cell{-1, -1};
  EXPECT_TRUE(ParseRCReference("r12c3", cell));
  EXPECT_EQ(cell, (TPoint{3, 12}));
  cell = {-1, -1};
  EXPECT_FALSE(ParseRCReference("RC3", cell));
  EXPECT_FALSE(ParseRCReference("R1CX", cell));
  EXPECT_FALSE(ParseRCReference("X1C2", cell));
  EXPECT_FALSE(ParseRCReference("R12", cell));
  EXPECT_EQ(cell, (TPoint{-1, -1}));
}

TEST(GridTextConversions, OemCodePage) {
  std::string t = "Citt\xc3\xa0 \xc3\xa9";  // "Città é"
  StringToOem(t);
  // à is 0x85 and é 0x82 in code page 850; read as Windows-1252: "…" and "‚".
  EXPECT_EQ(t, "Citt\xe2\x80\xa6 \xe2\x80\x9a");
  OemToString(t);
  EXPECT_EQ(t, "Citt\xc3\xa0 \xc3\xa9");
  std::string all;
  for (char32_t c : {U'\u00fc', U'\u00ec', U'\u00c5', U'\u00c9', U'\u00d8', U'\u2591', U'\u00a0'}) {
    std::string one;
    AppendUtf8(one, c);
    all += one;
  }
  std::string back = all;
  StringToOem(back);
  OemToString(back);
  EXPECT_EQ(back, all);  // also through the bytes Windows-1252 leaves undefined
  std::string euro = "\xe2\x82\xac";  // not in code page 850
  StringToOem(euro);
  EXPECT_EQ(euro, "?");
}

struct TCaseCase {
  const char* In;
  const char* Out;
};

TEST(GridTextMixedCase, Table) {
  const TCaseCase cases[] = {
      {"mc", "Mc"},
      {"mcdonald", "McDonald"},
      {"o'brien", "O'Brien"},
      {"jean-paul o'neil", "Jean-Paul O'Neil"},
      {"henry iii", "Henry III"},
      {"henry iii junior", "Henry Iii Junior"},  // numerals only at the end
      {"ronald mcdonald", "Ronald McDonald"},
      {"JOHN SMITH", "John Smith"},
      {"", ""},
      {"\xc3\xa9mile zola", "\xc3\x89mile Zola"},  // émile -> Émile
  };
  for (const auto& c : cases) EXPECT_EQ(ToMixedCase(c.In), c.Out) << c.In;
}

}  // namespace
