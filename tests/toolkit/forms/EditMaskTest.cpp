#include "toolkit/forms/models/EditMask.h"

#include <gtest/gtest.h>

namespace {

TEST(EditMask, ParsesFieldsAndDirectives) {
  TEditMask m("!99/99/0000;1;_");
  EXPECT_TRUE(m.IsMasked());
  EXPECT_EQ(m.Length(), 10);
  EXPECT_TRUE(m.SaveLiterals());
  EXPECT_TRUE(m.Reverse());
  EXPECT_EQ(m.Blank(), '_');
  EXPECT_EQ(m.EmptyEditText(), "__/__/____");
  TEditMask noSave("000;0;*");
  EXPECT_FALSE(noSave.SaveLiterals());
  EXPECT_EQ(noSave.EmptyEditText(), "***");
  EXPECT_FALSE(TEditMask("").IsMasked());
}

TEST(EditMask, SeparatorsAndEscapes) {
  TEditMask m("00:00/\\L\\;;1; ", '.', '-');
  EXPECT_EQ(m.EmptyEditText(), "  -  .L;");
}

TEST(EditMask, AcceptanceByKind) {
  TEditMask m("LlAaCc09#>L<l");
  struct { int pos; char c; bool ok; char out; } cases[] = {
      {0, 'x', true, 'x'}, {0, '1', false, 0},   {2, '5', true, '5'}, {2, '-', false, 0},
      {4, '%', true, '%'}, {6, '7', true, '7'},  {6, 'a', false, 0},  {8, '+', true, '+'},
      {8, '-', true, '-'}, {9, 'q', true, 'Q'},  {10, 'Q', true, 'q'},
  };
  for (auto c : cases) {
    char out = 0;
    EXPECT_EQ(m.Accepts(c.pos, c.c, out), c.ok) << c.pos << c.c;
    if (c.ok) {
      EXPECT_EQ(out, c.out) << c.pos;
    }
  }
}

TEST(EditMask, TextWithAndWithoutLiterals) {
  TEditMask keep("(000) 000;1;_");
  EXPECT_EQ(keep.TextFromEditText("(12_) 3__"), "(12 ) 3  ");
  TEditMask drop("(000) 000;0;_");
  EXPECT_EQ(drop.TextFromEditText("(12_) 3__"), "12 3");
  EXPECT_EQ(drop.TextFromEditText(drop.EmptyEditText()), "");
  EXPECT_EQ(drop.EditTextFromText("123456"), "(123) 456");
  EXPECT_EQ(keep.EditTextFromText("(123) 456"), "(123) 456");
}

TEST(EditMask, ReverseAlignsShortTextRight) {
  TEditMask time("!90:00:00;1; ");
  EXPECT_EQ(time.EditTextFromText("5:30:00"), " 5:30:00");
  EXPECT_EQ(time.TextFromEditText(" 5:30:00"), " 5:30:00");
}

TEST(EditMask, TypingSkipsLiteralsAndRefusesWrongCharacters) {
  TEditMask m("00/00;1;_");
  std::string et = m.EmptyEditText();
  int start = 0, len = 0;
  EXPECT_TRUE(m.TypeChar(et, start, len, '1'));
  EXPECT_TRUE(m.TypeChar(et, start, len, '2'));
  EXPECT_EQ(start, 3);  // over the literal
  EXPECT_FALSE(m.TypeChar(et, start, len, 'x'));
  EXPECT_TRUE(m.TypeChar(et, start, len, '3'));
  EXPECT_EQ(et, "12/3_");
  EXPECT_TRUE(m.Backspace(et, start, len));
  EXPECT_TRUE(m.Backspace(et, start, len));  // steps back over "/"
  EXPECT_EQ(et, "1_/__");
  EXPECT_EQ(start, 1);
}

TEST(EditMask, TypingTheSeparatorJumpsToTheNextField) {
  TEditMask m("99/99;1;_");
  std::string et = m.EmptyEditText();
  int start = 0, len = 0;
  m.TypeChar(et, start, len, '5');
  EXPECT_TRUE(m.TypeChar(et, start, len, '/'));
  EXPECT_EQ(start, 3);
}

TEST(EditMask, SelectionIsClearedByTyping) {
  TEditMask m("000;1;_");
  std::string et = "123";
  int start = 0, len = 3;
  EXPECT_TRUE(m.TypeChar(et, start, len, '9'));
  EXPECT_EQ(et, "9__");
}

TEST(EditMask, ValidateReportsTheFirstMissingRequiredPosition) {
  TEditMask m("99-000;1;_");
  EXPECT_NO_THROW(m.Validate("__-123"));
  try {
    m.Validate("12-1_3");
    FAIL();
  } catch (const EDBEditError& e) {
    EXPECT_EQ(e.Position(), 4);
    EXPECT_EQ(e.Message(), SMaskEditErr);
  }
}

TEST(EditMask, PasteTypesEachCharacter) {
  TEditMask m(">LL-00;1;_");
  std::string et = m.EmptyEditText();
  int start = 0, len = 0;
  EXPECT_TRUE(m.Paste(et, start, len, "ab-12"));
  EXPECT_EQ(et, "AB-12");
}

}  // namespace
