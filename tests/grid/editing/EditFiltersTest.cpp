#include "grid/editing/EditFilters.h"

#include <gtest/gtest.h>

namespace {

struct CharCase {
  TEditorType kind;
  std::string text;
  int selStart, selLength;
  uint32_t ch;
  TCharVerdict verdict;
  uint32_t result;  // for Accept
  const char* why;
};

constexpr auto A = TCharVerdict::Accept;
constexpr auto I = TCharVerdict::Ignore;
constexpr auto B = TCharVerdict::Beep;

TEST(FilterEditChar, TablePerKind) {
  const CharCase cases[] = {
      {edNormal, "abc", 3, 0, 'x', A, 'x', "normal takes all"},
      {edPassword, "", 0, 0, '#', A, '#', "password takes all"},
      {edNumeric, "", 0, 0, '-', A, '-', "minus first"},
      {edNumeric, "12", 2, 0, '-', B, 0, "minus after digits"},
      {edNumeric, "-1", 0, 0, '-', B, 0, "second minus"},
      {edNumeric, "-1", 0, 2, '-', A, '-', "minus over a selected minus"},
      {edNumeric, "1", 1, 0, 'a', B, 0, "letter"},
      {edNumeric, "1", 1, 0, 8, A, 8, "backspace"},
      {edPositiveNumeric, "", 0, 0, '-', B, 0, "no minus at all"},
      {edPositiveNumeric, "", 0, 0, '7', A, '7', "digit"},
      {edFloat, "1", 1, 0, ',', A, ',', "decimal separator once"},
      {edFloat, "1,5", 3, 0, ',', I, 0, "second decimal separator: silent"},
      {edFloat, "1,5", 0, 3, ',', A, ',', "separator over a selection holding it"},
      {edFloat, "1", 1, 0, '.', I, 0, "thousand separator: silent"},
      {edFloat, "", 0, 0, '-', A, '-', "float minus first"},
      {edFloat, "3", 1, 0, '-', B, 0, "float minus later beeps"},
      {edFloat, "3", 1, 0, 'x', I, 0, "letter: silent"},
      {edPositiveFloat, "", 0, 0, '-', B, 0, "positive float: minus beeps"},
      {edUpperCase, "", 0, 0, 'q', A, 'Q', "upper case"},
      {edCapital, "", 0, 0, 0xE9, A, 0xC9, "capital: accented letter too"},
      {edLowerCase, "", 0, 0, 'Q', A, 'q', "lower case"},
      {edValidChars, "", 0, 0, 'b', A, 'b', "a valid character"},
      {edValidChars, "", 0, 0, 'd', B, 0, "not among them"},
      {edValidChars, "a", 1, 0, 8, A, 8, "backspace"},
  };
  for (const auto& c : cases) {
    TEditCharContext x;
    x.Kind = c.kind;
    x.Text = c.text;
    x.SelStart = c.selStart;
    x.SelLength = c.selLength;
    x.DecimalSeparator = ',';
    x.ThousandSeparator = '.';
    x.ValidChars = "abc";
    TCharFilterResult r = FilterEditChar(x, c.ch);
    EXPECT_EQ(r.Verdict, c.verdict) << c.why;
    if (c.verdict == A) {
      EXPECT_EQ(r.Char, c.result) << c.why;
    }
  }
}

TEST(FilterEditChar, CtrlPassesTheFloatFilterAndTheSetServesEmptyValidChars) {
  TEditCharContext x;
  x.Kind = edFloat;
  x.Ctrl = true;
  EXPECT_EQ(FilterEditChar(x, 22).Verdict, TCharVerdict::Accept);  // Ctrl+V
  TValidCharSet set;
  set.set('x');
  set.set('y');
  TEditCharContext v;
  v.Kind = edValidChars;
  v.ValidCharSet = &set;
  EXPECT_EQ(FilterEditChar(v, 'x').Verdict, TCharVerdict::Accept);
  EXPECT_EQ(FilterEditChar(v, 'z').Verdict, TCharVerdict::Beep);
}

TEST(FilterEditChar, FullTextTakesOnlyEditingKeys) {
  TEditCharContext x;
  x.Text = "abc";
  x.SelStart = 3;
  x.LengthLimit = 3;
  EXPECT_EQ(FilterEditChar(x, 'd').Verdict, TCharVerdict::Ignore);
  for (uint32_t k : {8u, 13u, 27u}) EXPECT_EQ(FilterEditChar(x, k).Verdict, TCharVerdict::Accept) << k;
  x.SelLength = 1;  // typing over a selection
  EXPECT_EQ(FilterEditChar(x, 'd').Verdict, TCharVerdict::Accept);
}

TEST(ComposePaste, TrailingLineBreakAndSelection) {
  int start = 0, len = 0;
  EXPECT_EQ(ComposePaste("abcd", 1, 2, "XY\r\n", start, len), "aXYd");
  EXPECT_EQ(start, 1);
  EXPECT_EQ(len, 2);
  EXPECT_EQ(ComposePaste("", 0, 0, "1\r\n2\r\n", start, len), "1\r\n2\r\n");  // two lines keep both
  EXPECT_EQ(ComposePaste("ab", 9, 0, "c", start, len), "abc");                // caret past the end
}

TEST(AcceptPastedText, TablePerKind) {
  struct Case {
    TEditorType kind;
    std::string in;
    bool taken;
    std::string out;
  } cases[] = {
      {edNumeric, "-42", true, "-42"},       {edNumeric, "4-2", false, ""},
      {edPositiveNumeric, "-42", false, ""}, {edPositiveNumeric, "42", true, "42"},
      {edFloat, "-4.5", true, "-4.5"},       {edPositiveFloat, "-4.5", false, ""},
      {edFloat, "four", false, ""},          {edValidChars, "cab", true, "cab"},
      {edValidChars, "cabd", false, ""},     {edUpperCase, "abc", true, "ABC"},
      {edCapital, "abc", true, "abc"},       {edLowerCase, "ABC", true, "abc"},
      {edNormal, "any", true, "any"},
  };
  for (auto c : cases) {
    std::string text = c.in;
    EXPECT_EQ(AcceptPastedText(c.kind, text, "abc", nullptr), c.taken) << c.in;
    if (c.taken) {
      EXPECT_EQ(text, c.out) << c.in;
    }
  }
}

}  // namespace
