#include "toolkit/forms/std/Button.h"
#include "toolkit/forms/std/Edit.h"
#include "toolkit/forms/std/PageControl.h"

#include "ControlFixture.h"

namespace {

class PageTest : public ControlFixture {
protected:
  TTabSheet* Sheet(TPageControl* pc, const std::string& caption) {
    auto* s = new TTabSheet(form_);
    s->SetPageControl(pc);
    s->SetCaption(caption);
    return s;
  }
};

TEST_F(PageTest, TabsAreChosenByMouseKeysAndCtrlTab) {
  TPageControl* pc = Make<TPageControl>(10, 10, 300, 200);
  TTabSheet* a = Sheet(pc, "&General");
  TTabSheet* b = Sheet(pc, "&Bus");
  TTabSheet* c = Sheet(pc, "&Log");
  EXPECT_EQ(pc->ActivePage(), a);
  EXPECT_TRUE(a->Visible());
  EXPECT_FALSE(b->Visible());
  int changes = 0;
  pc->OnChange = [&](TObject*) { ++changes; };
  TRect tab = pc->TabRect(1);
  Click(pc, tab.Left + 4, tab.Top + 4);
  EXPECT_EQ(pc->ActivePage(), b);
  Key(pc, VK_RIGHT);
  EXPECT_EQ(pc->ActivePage(), c);
  auto* e = new TEdit(form_);
  e->SetParent(a);
  Driver.Focus(pc);
  Driver.PressKey(VK_TAB, {ssCtrl});
  EXPECT_EQ(pc->ActivePageIndex(), 0);  // wraps round
  EXPECT_EQ(changes, 3);
  pc->SetActivePageIndex(2);  // programmatic: no OnChange
  EXPECT_EQ(changes, 3);
}

TEST_F(PageTest, ChangingCanRefuseAndHiddenTabsAreSkipped) {
  TPageControl* pc = Make<TPageControl>(10, 10, 300, 200);
  Sheet(pc, "One");
  TTabSheet* two = Sheet(pc, "Two");
  TTabSheet* three = Sheet(pc, "Three");
  two->SetTabVisible(false);
  pc->SelectNextPage(true);
  EXPECT_EQ(pc->ActivePage(), three);
  EXPECT_EQ(two->TabIndex(), -1);
  pc->OnChanging = [](TObject*, bool& allow) { allow = false; };
  pc->SelectNextPage(true);
  EXPECT_EQ(pc->ActivePage(), three);
  delete three;  // the next page takes over
  EXPECT_NE(pc->ActivePage(), nullptr);
  EXPECT_EQ(pc->PageCount(), 2);
}

TEST_F(PageTest, ScrollBoxScrollsItsChildren) {
  TScrollBox* box = Make<TScrollBox>(10, 10, 200, 150);
  auto* far = new TButton(form_);
  far->SetParent(box);
  far->SetBounds(20, 400, 75, 25);
  box->UpdateScrollBars();
  EXPECT_TRUE(box->VertScrollBar()->IsScrollBarVisible());
  EXPECT_FALSE(box->HorzScrollBar()->IsScrollBarVisible());
  EXPECT_EQ(box->VertScrollBar()->Range(), 425);
  SendMessage(box->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  int pos = box->VertScrollBar()->Position();
  EXPECT_GT(pos, 0);
  EXPECT_EQ(far->Top(), 400 - pos);
  box->ScrollInView(far);
  EXPECT_LE(far->Top() + far->Height(), box->ViewRect().Bottom);
  box->VertScrollBar()->SetPosition(0);
  EXPECT_EQ(far->Top(), 400);
  Driver.Focus(far);
  Driver.Wheel(box, -120, 5, 5);
  EXPECT_GT(box->VertScrollBar()->Position(), 0);
}

}  // namespace
