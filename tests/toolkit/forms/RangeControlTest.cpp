#include "toolkit/forms/std/CheckListBox.h"
#include "toolkit/forms/std/Edit.h"
#include "toolkit/forms/std/RangeControls.h"
#include "toolkit/rtl/Exceptions.h"

#include "ControlFixture.h"

namespace {

class RangeTest : public ControlFixture {};

TEST_F(RangeTest, ScrollBarArrowsTrackAndKeys) {
  TScrollBar* s = Make<TScrollBar>(10, 10, 200);
  s->SetParams(0, 0, 100);
  s->SetLargeChange(10);
  std::vector<TScrollCode> codes;
  s->OnScroll = [&](TObject*, TScrollCode c, int&) { codes.push_back(c); };
  int changes = 0;
  s->OnChange = [&](TObject*) { ++changes; };
  Click(s, 195, 8);   // the right arrow
  EXPECT_EQ(s->Position(), 1);
  Click(s, 150, 8);   // the track right of the thumb
  EXPECT_EQ(s->Position(), 11);
  Key(s, VK_END);
  EXPECT_EQ(s->Position(), 100);
  Key(s, VK_LEFT);
  EXPECT_EQ(s->Position(), 99);
  s->SetPosition(500);
  EXPECT_EQ(s->Position(), 100);
  EXPECT_EQ(codes.front(), scLineDown);
  EXPECT_EQ(changes, 5);
}

TEST_F(RangeTest, ScrollBarThumbDrag) {
  TScrollBar* s = Make<TScrollBar>(10, 10, 217);
  s->SetParams(0, 0, 100);
  Driver.MouseDown(s, 20, 8);   // on the thumb at the start
  Driver.MouseMove(s, 200, 8);
  Driver.MouseUp(s, 200, 8);
  EXPECT_GT(s->Position(), 80);
}

TEST_F(RangeTest, TrackBarClampsAndMovesByKeysAndMouse) {
  TTrackBar* t = Make<TTrackBar>(10, 10, 150);
  t->SetMax(10);
  t->SetPosition(20);
  EXPECT_EQ(t->Position(), 10);
  t->SetPosition(5);
  Key(t, VK_RIGHT);
  EXPECT_EQ(t->Position(), 6);
  Key(t, VK_PRIOR);
  EXPECT_EQ(t->Position(), 4);
  Click(t, 145, 15);   // right of the thumb: a page up
  EXPECT_EQ(t->Position(), 6);
  TRect thumb = t->ThumbRect();
  Driver.MouseDown(t, thumb.Left + 2, thumb.Top + 2);
  Driver.MouseMove(t, 5, thumb.Top + 2);
  Driver.MouseUp(t, 5, thumb.Top + 2);
  EXPECT_EQ(t->Position(), 0);
}

TEST_F(RangeTest, ProgressBarClampsAndSteps) {
  TProgressBar* p = Make<TProgressBar>();
  p->SetPosition(250);
  EXPECT_EQ(p->Position(), 100);
  p->SetPosition(95);
  p->StepIt();
  EXPECT_EQ(p->Position(), 0);  // wraps to Min after Max
  p->StepBy(30);
  EXPECT_EQ(p->Position(), 30);
}

TEST_F(RangeTest, UpDownStepsItsEdit) {
  TEdit* e = Make<TEdit>(10, 10, 80);
  TUpDown* u = Make<TUpDown>();
  u->SetMax(1500);
  u->SetIncrement(600);
  u->SetAssociate(e);
  EXPECT_EQ(u->Left(), e->Left() + e->Width());
  EXPECT_EQ(e->Text(), "0");
  Click(u, 5, 3);  // the upper button
  Click(u, 5, 3);
  EXPECT_EQ(e->Text(), "1,200");
  Click(u, 5, 3);
  EXPECT_EQ(u->Position(), 1500);
  Key(e, VK_DOWN);
  EXPECT_EQ(u->Position(), 900);
}

TEST_F(RangeTest, CheckListBoxTogglesBySpaceAndClick) {
  TCheckListBox* l = Make<TCheckListBox>(10, 10, 150, 80);
  for (const char* s : {"CAN", "DP", "Log"}) l->Items()->Add(s);
  int checks = 0;
  l->OnClickCheck = [&](TObject*) { ++checks; };
  TRect r = l->ItemRect(1);
  Click(l, r.Left + 5, r.Top + 3);
  EXPECT_TRUE(l->Checked(1));
  Key(l, VK_DOWN);
  Driver.Type(" ");
  EXPECT_TRUE(l->Checked(2));
  Click(l, r.Left + 60, r.Top + 3);  // on the text: selects only
  EXPECT_TRUE(l->Checked(1));
  EXPECT_EQ(checks, 2);
  l->SetItemEnabled(0, false);
  l->SetItemIndex(0);
  Driver.Type(" ");
  EXPECT_FALSE(l->Checked(0));
  EXPECT_THROW(l->State(7), EListError);
}

}  // namespace
