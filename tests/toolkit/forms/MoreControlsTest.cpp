#include "toolkit/forms/std/ComboBox.h"
#include "toolkit/forms/std/Containers.h"
#include "toolkit/forms/std/DateTimePicker.h"
#include "toolkit/forms/std/Label.h"
#include "toolkit/forms/std/ListBox.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

#include "ControlFixture.h"

namespace {

class MoreControlsTest : public ControlFixture {};

TEST_F(MoreControlsTest, RadioGroupClickAndArrowKeys) {
  TRadioGroup* g = Make<TRadioGroup>(10, 10, 200, 120);
  for (const char* s : {"One", "Two", "Three"}) g->Items()->Add(s);
  int clicks = 0;
  g->OnClick = [&](TObject*) { ++clicks; };
  TRadioButton* two = g->Buttons(1);
  Click(two, 5, 5);
  EXPECT_EQ(g->ItemIndex(), 1);
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(g->ItemIndex(), 2);
  EXPECT_TRUE(g->Buttons(2)->Focused());
  g->SetItemIndex(7);
  EXPECT_EQ(g->ItemIndex(), -1);
  EXPECT_FALSE(g->Buttons(2)->Checked());
  EXPECT_EQ(clicks, 2);
}

TEST_F(MoreControlsTest, LabelSizesToItsCaption) {
  TLabel* l = Make<TLabel>(10, 10);
  l->SetCaption("Short");
  int shortWidth = l->Width();
  l->SetCaption("A much longer caption");
  EXPECT_GT(l->Width(), shortWidth);
  int oneLine = l->Height();
  l->SetWidth(50);
  l->SetWordWrap(true);
  EXPECT_GT(l->Height(), oneLine);
  EXPECT_EQ(l->Width(), 50);
  // A right-aligned label keeps its right edge.
  TLabel* r = Make<TLabel>(100, 40, 80);
  r->SetAutoSize(false);
  r->SetWidth(80);
  r->SetAlignment(taRightJustify);
  r->SetAutoSize(true);
  r->SetCaption("x");
  EXPECT_EQ(r->Left() + r->Width(), 180);
}

TEST_F(MoreControlsTest, OwnerDrawListAndCombo) {
  TListBox* l = Make<TListBox>(10, 10, 120, 80);
  l->SetStyle(lbOwnerDrawFixed);
  l->SetItemHeight(20);
  for (const char* s : {"a", "b", "c"}) l->Items()->Add(s);
  l->SetItemIndex(1);
  std::vector<int> drawn;
  bool selectedSeen = false;
  l->OnDrawItem = [&](TWinControl*, int i, TRect r, TOwnerDrawState st) {
    drawn.push_back(i);
    EXPECT_EQ(r.Height(), 20);
    if (st.Contains(odSelected)) selectedSeen = i == 1;
  };
  l->Repaint();
  EXPECT_EQ(drawn.size(), 3u);
  EXPECT_TRUE(selectedSeen);
  EXPECT_EQ(l->ItemRect(2).Top - l->ItemRect(1).Top, 20);

  TComboBox* c = Make<TComboBox>(150, 10, 120);
  c->SetStyle(csOwnerDrawFixed);
  for (const char* s : {"x", "y"}) c->Items()->Add(s);
  c->SetItemIndex(1);
  bool editDrawn = false;
  c->OnDrawItem = [&](TWinControl*, int i, TRect, TOwnerDrawState st) {
    if (st.Contains(odComboBoxEdit) && i == 1) editDrawn = true;
  };
  c->Repaint();
  EXPECT_TRUE(editDrawn);
}

TEST_F(MoreControlsTest, ListTabWidthPlacesColumns) {
  TListBox* l = Make<TListBox>(10, 10, 200, 40);
  l->SetTabWidth(40);  // ten average characters
  l->Items()->Add("a\tb");
  TBitmap bmp;
  bmp.SetSize(l->Width(), l->Height());
  l->PaintTo(bmp.Canvas(), 0, 0);
  TRect row = l->ItemRect(0);
  int charWidth = l->Canvas()->TextWidth("x");
  auto inkIn = [&](int from, int to) {
    for (int x = from; x < to; ++x)
      for (int y = row.Top; y < row.Bottom; ++y)
        if ((ColorToRGB(bmp.Canvas()->Pixels(x, y)) & 0xFF) < 0x60) return true;
    return false;
  };
  int column = row.Left + 2 + 10 * charWidth;
  EXPECT_TRUE(inkIn(row.Left + 2, row.Left + 2 + charWidth));
  EXPECT_FALSE(inkIn(row.Left + 2 + charWidth + 1, column - 1));
  EXPECT_TRUE(inkIn(column, column + charWidth));
}

TEST_F(MoreControlsTest, SimpleComboShowsItsListAndChoosesFromIt) {
  TComboBox* c = Make<TComboBox>(10, 10, 150, 120);
  c->SetStyle(csSimple);
  for (const char* s : {"red", "green", "blue"}) c->Items()->Add(s);
  ASSERT_NE(c->ListControl(), nullptr);
  TCustomListBox* list = c->ListControl();
  TRect r = list->ItemRect(2);
  Click(list, r.Left + 3, r.Top + 2);
  EXPECT_EQ(c->ItemIndex(), 2);
  EXPECT_EQ(c->Text(), "blue");
  Driver.Focus(c);
  Driver.PressKey(VK_UP);
  EXPECT_EQ(c->Text(), "green");
  EXPECT_FALSE(c->DroppedDown());
}

TEST_F(MoreControlsTest, PickerUpDownModeAndCheckBox) {
  TDateTimePicker* p = Make<TDateTimePicker>(10, 10, 150);
  TDateTimeParts parts;
  parts.Year = 2026; parts.Month = 6; parts.Day = 15; parts.Hour = 10;
  p->SetKind(dtkTime);
  p->SetFormat("HH:mm");
  p->SetDateTime(JoinDateTime(parts));
  p->SetShowCheckbox(true);
  EXPECT_EQ(p->DisplayText(), "10:00");
  Click(p, p->Width() - 6, 4);  // the upper spin button steps the hour
  EXPECT_EQ(p->DisplayText(), "11:00");
  Click(p, 8, p->Height() / 2);  // the check box
  EXPECT_FALSE(p->Checked());
  TSystemTime st;
  EXPECT_EQ(SendMessage(p->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)), GDT_NONE);
  Driver.PressKey(VK_F4);  // time pickers have no calendar
  EXPECT_FALSE(p->DroppedDown());
}

}  // namespace
