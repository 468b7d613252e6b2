#include "toolkit/forms/std/Clipboard.h"
#include "toolkit/forms/std/Edit.h"
#include "toolkit/forms/std/Memo.h"

#include "ControlFixture.h"

namespace {

class EditTest : public ControlFixture {};

TEST_F(EditTest, TypingFiresOnChangeThroughTheParent) {
  TEdit* e = Make<TEdit>();
  int changes = 0;
  e->OnChange = [&](TObject*) { ++changes; };
  e->SetFocus();
  Type(e, "abc");
  EXPECT_EQ(e->Text(), "abc");
  EXPECT_EQ(changes, 3);
  EXPECT_TRUE(e->Modified());
  e->SetText("x");  // programmatic writes notify too
  EXPECT_EQ(changes, 4);
}

TEST_F(EditTest, TypesCharactersBeyondAscii) {
  TEdit* e = Make<TEdit>();
  Type(e, "caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(e->Text(), "caf\xC3\xA9 \xE2\x82\xAC");
  Driver.PressKey(VK_BACK);
  Driver.PressKey(VK_BACK);
  EXPECT_EQ(e->Text(), "caf\xC3\xA9");
}

TEST_F(EditTest, MaxLengthStopsTypingAndTellsTheParent) {
  TEdit* e = Make<TEdit>();
  e->SetMaxLength(3);
  Type(e, "abcd");
  EXPECT_EQ(e->Text(), "abc");
  EXPECT_GE(Driver.Beeps(), 1);
}

TEST_F(EditTest, KeysMoveAndSelect) {
  TEdit* e = Make<TEdit>();
  e->SetText("hello world");
  e->SetFocus();
  Key(e, VK_HOME);
  Key(e, VK_RIGHT, {ssCtrl});
  EXPECT_EQ(e->SelStart(), 6);
  Key(e, VK_END, {ssShift});
  EXPECT_EQ(e->SelText(), "world");
  Char(e, 'X');
  EXPECT_EQ(e->Text(), "hello X");
  Char(e, 8);
  EXPECT_EQ(e->Text(), "hello ");
}

TEST_F(EditTest, ClipboardKeysCutCopyPasteSelectAll) {
  TEdit* a = Make<TEdit>(10, 10);
  TEdit* b = Make<TEdit>(10, 40);
  a->SetText("copy me");
  a->SetFocus();
  Char(a, 1);   // Ctrl+A
  EXPECT_EQ(a->SelLength(), 7);
  Char(a, 3);   // Ctrl+C
  b->SetFocus();
  Char(b, 22);  // Ctrl+V
  EXPECT_EQ(b->Text(), "copy me");
  Char(b, 1);
  Char(b, 24);  // Ctrl+X
  EXPECT_EQ(b->Text(), "");
  Char(b, 26);  // Ctrl+Z
  EXPECT_EQ(b->Text(), "copy me");
}

TEST_F(EditTest, PasswordTextNeverReachesTheClipboard) {
  TEdit* e = Make<TEdit>();
  SetClipboardText("");
  e->SetPasswordChar('*');
  e->SetText("secret");
  e->SelectAll();
  SendMessage(e->Handle(), WM_COPY);
  e->SetPasswordChar(0);
  e->SetSelStart(6);
  SendMessage(e->Handle(), WM_PASTE);
  EXPECT_EQ(e->Text(), "secret");
}

TEST_F(EditTest, EditMessages) {
  TEdit* e = Make<TEdit>();
  e->SetText("abcdef");
  SendMessage(e->Handle(), EM_SETSEL, 1, 4);
  uint32_t s = 0, f = 0;
  SendMessage(e->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&f));
  EXPECT_EQ(s, 1u);
  EXPECT_EQ(f, 4u);
  SendMessage(e->Handle(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("XY"));
  EXPECT_EQ(e->Text(), "aXYef");
  EXPECT_EQ(SendMessage(e->Handle(), EM_CANUNDO), 1);
  SendMessage(e->Handle(), EM_SETREADONLY, 1);
  EXPECT_TRUE(e->ReadOnly());
  e->SetFocus();
  Char(e, 'z');
  EXPECT_EQ(e->Text(), "aXYef");
  LRESULT pos = SendMessage(e->Handle(), EM_POSFROMCHAR, 3);
  LRESULT back = SendMessage(e->Handle(), EM_CHARFROMPOS, 0, pos);
  EXPECT_EQ(LoWord(back), 3);
  TRect r{};
  SendMessage(e->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_GT(r.Width(), 0);
}

TEST_F(EditTest, ClickPlacesTheCaretAndShiftClickSelects) {
  TEdit* e = Make<TEdit>(10, 10, 200);
  e->SetText("0123456789");
  Click(e, 195, 10);
  EXPECT_TRUE(e->Focused());
  EXPECT_EQ(e->SelStart(), 10);
  LRESULT p = SendMessage(e->Handle(), EM_POSFROMCHAR, 4);
  Click(e, LoWord(p), 10, {ssShift});
  EXPECT_EQ(e->SelStart(), 4);
  EXPECT_EQ(e->SelLength(), 6);
}

TEST_F(EditTest, DragAndDoubleClickSelect) {
  TEdit* e = Make<TEdit>(10, 10, 200);
  e->SetText("alpha beta gamma");
  auto xOf = [&](int i) { return static_cast<int16_t>(LoWord(SendMessage(e->Handle(), EM_POSFROMCHAR, i))); };
  Driver.MouseDown(e, xOf(6), 8);
  Driver.MouseMove(e, xOf(10), 8);
  Driver.MouseUp(e, xOf(10), 8);
  EXPECT_EQ(e->SelText(), "beta");
  Driver.DoubleClick(e, xOf(13), 8);
  EXPECT_EQ(e->SelText(), "gamma");
}

TEST_F(EditTest, MemoLinesAndReturns) {
  TMemo* m = Make<TMemo>();
  m->SetFocus();
  Type(m, "one");
  Char(m, 13);
  Type(m, "two");
  EXPECT_EQ(m->Text(), "one\r\ntwo");
  ASSERT_EQ(m->Lines()->Count(), 2);
  EXPECT_EQ(m->Lines()->Get(1), "two");
  m->Lines()->Add("three");
  EXPECT_EQ(m->Lines()->Count(), 3);
  EXPECT_EQ(SendMessage(m->Handle(), EM_LINEINDEX, 1), 5);
  EXPECT_EQ(SendMessage(m->Handle(), EM_LINEFROMCHAR, 6), 1);
  m->SetCaretPos({2, 2});
  Key(m, VK_UP, {ssShift});
  EXPECT_EQ(m->CaretPos().Y, 1);
  EXPECT_EQ(m->SelText(), "o\r\nth");
}

TEST_F(EditTest, MemoScrollBarsFollowTheText) {
  TMemo* m = Make<TMemo>(10, 10, 200, 80);
  m->SetScrollBars(ssVertical);
  std::string text;
  for (int i = 0; i < 40; ++i) text += "line " + std::to_string(i) + "\r\n";
  m->SetText(text);
  TScrollInfo si;
  si.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(m->Handle(), SB_VERT, si));
  EXPECT_EQ(si.nMax, 40);
  EXPECT_GT(si.nPage, 1u);
  SendMessage(m->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  int first = static_cast<int>(SendMessage(m->Handle(), EM_GETFIRSTVISIBLELINE));
  EXPECT_EQ(first, static_cast<int>(si.nPage));
  SendMessage(m->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  si.fMask = SIF_POS;
  GetScrollInfo(m->Handle(), SB_VERT, si);
  EXPECT_EQ(si.nPos, static_cast<int>(SendMessage(m->Handle(), EM_GETFIRSTVISIBLELINE)));
  // Typing at the end brings the caret back into view.
  Driver.Focus(m);
  Driver.PressKey(VK_HOME, {ssCtrl});
  EXPECT_EQ(SendMessage(m->Handle(), EM_GETFIRSTVISIBLELINE), 0);
}

TEST_F(EditTest, LongTextScrollsHorizontallyToKeepTheCaretVisible) {
  TEdit* e = Make<TEdit>(10, 10, 60);
  Driver.Focus(e);
  Driver.Type("a rather long text that cannot fit");
  TRect r{};
  SendMessage(e->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  LRESULT p = SendMessage(e->Handle(), EM_POSFROMCHAR, e->SelStart());
  EXPECT_GE(static_cast<int16_t>(LoWord(p)), r.Left);
  EXPECT_LE(static_cast<int16_t>(LoWord(p)), r.Right);
  Driver.PressKey(VK_HOME);
  p = SendMessage(e->Handle(), EM_POSFROMCHAR, 0);
  EXPECT_EQ(static_cast<int16_t>(LoWord(p)), r.Left);
}

TEST_F(EditTest, NarrowedFormatRectAndAlignment) {
  TEdit* e = Make<TEdit>(10, 10, 120);
  e->SetText("abc");
  e->SetAlignment(taRightJustify);
  LRESULT p = SendMessage(e->Handle(), EM_POSFROMCHAR, 3);
  TRect r{};
  SendMessage(e->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_GT(static_cast<int16_t>(LoWord(p)), r.Left + r.Width() / 2);
  TRect narrow = Rect(20, 2, 80, 18);
  SendMessage(e->Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&narrow));
  SendMessage(e->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r, narrow);
}

}  // namespace
