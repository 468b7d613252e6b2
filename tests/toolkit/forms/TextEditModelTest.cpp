#include "toolkit/forms/models/TextEditModel.h"

#include <gtest/gtest.h>

namespace {

TTextEditModel Typed(const std::string& s, bool multi = false) {
  TTextEditModel m;
  m.SetMultiLine(multi);
  for (char c : s) m.InsertText(std::string(1, c));
  return m;
}

TEST(TextEditModel, TypingAppendsAndMovesCaret) {
  TTextEditModel m = Typed("abc");
  EXPECT_EQ(m.Text(), "abc");
  EXPECT_EQ(m.SelStart(), 3);
  EXPECT_EQ(m.SelLength(), 0);
  EXPECT_TRUE(m.Modified());
}

TEST(TextEditModel, SelectionIsZeroBasedAndReplacedByTyping) {
  TTextEditModel m;
  m.SetText("hello world");
  m.SetSelStart(6);
  m.SetSelLength(5);
  EXPECT_EQ(m.SelText(), "world");
  m.InsertText("there");
  EXPECT_EQ(m.Text(), "hello there");
  m.SelectAll();
  EXPECT_EQ(m.SelLength(), 11);
  m.SetSel(-1, 0);
  EXPECT_EQ(m.SelLength(), 0);
}

TEST(TextEditModel, ShiftMovesExtendFromAnchor) {
  TTextEditModel m;
  m.SetText("abcdef");
  m.SetSelStart(3);
  m.MoveLeft(true, false);
  m.MoveLeft(true, false);
  EXPECT_EQ(m.SelStart(), 1);
  EXPECT_EQ(m.SelLength(), 2);
  EXPECT_EQ(m.Anchor(), 3);
  m.MoveRight(true, false);
  m.MoveRight(true, false);
  m.MoveRight(true, false);
  EXPECT_EQ(m.SelStart(), 3);
  EXPECT_EQ(m.SelText(), "d");
  m.MoveLeft(false, false);  // collapses to the left end
  EXPECT_EQ(m.Caret(), 3);
}

TEST(TextEditModel, BackspaceAndDelete) {
  TTextEditModel m;
  m.SetText("abcd");
  m.SetSelStart(2);
  EXPECT_TRUE(m.Backspace());
  EXPECT_EQ(m.Text(), "acd");
  EXPECT_TRUE(m.DeleteForward());
  EXPECT_EQ(m.Text(), "ad");
  m.SetSelStart(0);
  EXPECT_FALSE(m.Backspace());
  m.MoveEnd(false, true);
  EXPECT_FALSE(m.DeleteForward());
}

TEST(TextEditModel, WordMovesAndWordDeletes) {
  TTextEditModel m;
  m.SetText("one two  three");
  m.SetSelStart(0);
  m.MoveRight(false, true);
  EXPECT_EQ(m.Caret(), 4);
  m.MoveRight(false, true);
  EXPECT_EQ(m.Caret(), 9);
  m.MoveLeft(false, true);
  EXPECT_EQ(m.Caret(), 4);
  m.MoveEnd(false, true);
  EXPECT_TRUE(m.Backspace(true));
  EXPECT_EQ(m.Text(), "one two  ");
}

TEST(TextEditModel, UndoRestoresAndSecondUndoRedoes) {
  TTextEditModel m;
  m.SetText("abc");
  EXPECT_FALSE(m.CanUndo());
  m.MoveEnd(false, true);
  m.InsertText("x");
  m.InsertText("y");  // one typing run is one undo step
  EXPECT_EQ(m.Text(), "abcxy");
  EXPECT_TRUE(m.Undo());
  EXPECT_EQ(m.Text(), "abc");
  EXPECT_TRUE(m.Undo());
  EXPECT_EQ(m.Text(), "abcxy");
}

TEST(TextEditModel, MaxLengthLimitsTypingAndPaste) {
  TTextEditModel m;
  m.SetMaxLength(4);
  m.InsertText("abcdef");
  EXPECT_EQ(m.Text(), "abcd");
  EXPECT_FALSE(m.InsertText("e"));
  m.SetSel(0, 2);
  EXPECT_TRUE(m.InsertText("xyz"));  // the selection's room counts
  EXPECT_EQ(m.Text(), "xycd");
}

TEST(TextEditModel, MaxLengthNeverSplitsUtf8) {
  TTextEditModel m;
  m.SetMaxLength(2);
  m.InsertText("a\xC3\xA9z");
  EXPECT_EQ(m.Text(), "a\xC3\xA9");
  m.SetSelStart(2);  // inside the two-byte sequence
  EXPECT_EQ(m.Caret(), 1);
  m.MoveRight(false, false);
  EXPECT_EQ(m.Caret(), 3);
}

TEST(TextEditModel, CharCaseAndReadOnly) {
  TTextEditModel m;
  m.SetCharCase(ecUpperCase);
  m.InsertText("abC1");
  EXPECT_EQ(m.Text(), "ABC1");
  m.SetCharCase(ecLowerCase);
  EXPECT_EQ(m.Text(), "abc1");
  m.SetReadOnly(true);
  EXPECT_FALSE(m.InsertText("z"));
  EXPECT_FALSE(m.Backspace());
  m.SelectAll();
  m.SetSelText("programmatic");  // EM_REPLACESEL still works
  EXPECT_EQ(m.Text(), "programmatic");
}

TEST(TextEditModel, SingleLineDropsLineBreaks) {
  TTextEditModel m;
  m.InsertText("first\r\nsecond");
  EXPECT_EQ(m.Text(), "first");
}

TEST(TextEditModel, LinesOfMultiLineText) {
  TTextEditModel m;
  m.SetMultiLine(true);
  m.InsertText("ab\ncde\r\n\nf");
  EXPECT_EQ(m.Text(), "ab\r\ncde\r\n\r\nf");
  EXPECT_EQ(m.LineCount(), 4);
  struct { int line, index, length; } cases[] = {{0, 0, 2}, {1, 4, 3}, {2, 9, 0}, {3, 11, 1}};
  for (auto c : cases) {
    EXPECT_EQ(m.LineIndex(c.line), c.index) << c.line;
    EXPECT_EQ(m.LineLength(c.line), c.length) << c.line;
    EXPECT_EQ(m.LineFromChar(c.index), c.line) << c.line;
  }
  EXPECT_EQ(m.LineIndex(4), -1);
  EXPECT_EQ(m.LineFromChar(2), 0);   // end of line 0, before its break
  EXPECT_EQ(m.Line(1), "cde");
}

TEST(TextEditModel, MultiLineTextTakesOneKindOfBreak) {
  TTextEditModel memo;
  memo.SetMultiLine(true);
  memo.SetText("a\nb\rc\r\nd");
  EXPECT_EQ(memo.Text(), "a\r\nb\r\nc\r\nd");
  TTextEditModel rich;
  rich.SetMultiLine(true);
  rich.SetLineBreak("\r");
  rich.SetText("a\r\nb\nc");
  EXPECT_EQ(rich.Text(), "a\rb\rc");
  EXPECT_EQ(rich.LineCount(), 3);
  EXPECT_EQ(rich.LineIndex(2), 4);
  rich.MoveEnd(false, true);
  rich.InsertText("\r\n");
  EXPECT_EQ(rich.Text(), "a\rb\rc\r");
}

TEST(TextEditModel, UpDownKeepTheColumn) {
  TTextEditModel m;
  m.SetMultiLine(true);
  m.SetText("abcdef\r\nxy\r\n123456");
  m.SetSelStart(5);
  m.MoveLineDown(false);
  EXPECT_EQ(m.Caret(), 10);   // end of the short line
  m.MoveLineDown(false);
  EXPECT_EQ(m.Caret(), 17);   // column 5 again
  m.MoveLineUp(true);
  EXPECT_EQ(m.SelLength(), 7);
}

TEST(TextEditModel, CaretSkipsCrLfAsOneCharacter) {
  TTextEditModel m;
  m.SetMultiLine(true);
  m.SetText("a\r\nb");
  m.SetSelStart(1);
  m.MoveRight(false, false);
  EXPECT_EQ(m.Caret(), 3);
  EXPECT_TRUE(m.Backspace());
  EXPECT_EQ(m.Text(), "ab");
}

TEST(TextEditModel, OnChangeFiresForUserAndProgrammaticChanges) {
  TTextEditModel m;
  int changes = 0;
  m.OnChange = [&] { ++changes; };
  m.SetText("x");
  m.SetText("x");  // unchanged: no event
  m.InsertText("y");
  m.Undo();
  EXPECT_EQ(changes, 3);
}

}  // namespace
