#include "toolkit/forms/std/ComboBox.h"
#include "toolkit/forms/std/ListBox.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

#include "ControlFixture.h"

namespace {

class ListTest : public ControlFixture {
protected:
  TComboBox* MakeCombo(TComboBoxStyle style) {
    TComboBox* c = Make<TComboBox>(10, 10, 150);
    c->SetStyle(style);
    for (const char* s : {"Alpha", "Beta", "Gamma", "Delta"}) c->Items()->Add(s);
    return c;
  }
};

TEST_F(ListTest, ListBoxClickKeysAndTypeAhead) {
  TListBox* l = Make<TListBox>(10, 10, 120, 100);
  for (const char* s : {"red", "green", "blue", "black"}) l->Items()->Add(s);
  int clicks = 0;
  l->OnClick = [&](TObject*) { ++clicks; };
  TRect r = l->ItemRect(1);
  Click(l, r.Left + 3, r.Top + 2);
  EXPECT_EQ(l->ItemIndex(), 1);
  Key(l, VK_DOWN);
  EXPECT_EQ(l->ItemIndex(), 2);
  Key(l, VK_END);
  EXPECT_EQ(l->ItemIndex(), 3);
  Driver.Type("g");
  EXPECT_EQ(l->ItemIndex(), 1);
  EXPECT_EQ(clicks, 4);
  l->SetItemIndex(0);  // programmatic: no OnClick
  EXPECT_EQ(clicks, 4);
  l->SetItemIndex(10);
  EXPECT_EQ(l->ItemIndex(), -1);
  EXPECT_EQ(l->ItemAtPos({r.Left + 3, r.Top + 2}, true), 1);
  EXPECT_EQ(l->ItemAtPos({r.Left + 3, 99}, true), -1);
}

TEST_F(ListTest, ListBoxTopIndexFollowsTheSelection) {
  TListBox* l = Make<TListBox>(10, 10, 120, 60);
  for (int i = 0; i < 20; ++i) l->Items()->Add("item " + std::to_string(i));
  Driver.Focus(l);
  Driver.PressKey(VK_END);
  EXPECT_EQ(l->ItemIndex(), 19);
  EXPECT_GT(l->TopIndex(), 10);
  EXPECT_FALSE(l->ItemRect(19).IsEmpty());
  Driver.PressKey(VK_HOME);
  EXPECT_EQ(l->TopIndex(), 0);
  l->SetTopIndex(100);  // clamped to the last full page
  EXPECT_GT(l->TopIndex(), 9);
  EXPECT_LE(l->TopIndex(), 19);
  Driver.Wheel(l, 120, 5, 5);
  EXPECT_LT(l->TopIndex(), 19);
}

TEST_F(ListTest, ListBoxDoubleClickFiresOnce) {
  TListBox* l = Make<TListBox>(10, 10, 120, 100);
  for (const char* s : {"one", "two"}) l->Items()->Add(s);
  int dbl = 0;
  l->OnDblClick = [&](TObject*) { ++dbl; };
  TRect r = l->ItemRect(1);
  DoubleClick(l, r.Left + 3, r.Top + 2);
  EXPECT_EQ(dbl, 1);
  EXPECT_EQ(l->ItemIndex(), 1);
}

TEST_F(ListTest, ListBoxMultiSelectWithShiftAndCtrl) {
  TListBox* l = Make<TListBox>(10, 10, 120, 120);
  l->SetMultiSelect(true);
  for (int i = 0; i < 6; ++i) l->Items()->Add("item " + std::to_string(i));
  TRect r1 = l->ItemRect(1), r3 = l->ItemRect(3), r5 = l->ItemRect(5);
  Click(l, 3, r1.Top + 2);
  Click(l, 3, r3.Top + 2, {ssShift});
  EXPECT_EQ(l->SelCount(), 3);
  Click(l, 3, r5.Top + 2, {ssCtrl});
  EXPECT_EQ(l->SelCount(), 4);
  EXPECT_TRUE(l->Selected(5));
  EXPECT_FALSE(l->Selected(4));
}

TEST_F(ListTest, ListBoxSortedItemsAndMessages) {
  TListBox* l = Make<TListBox>();
  l->SetSorted(true);
  SendMessage(l->Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("pear"));
  SendMessage(l->Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Apple"));
  SendMessage(l->Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("fig"));
  EXPECT_EQ(l->Items()->Get(0), "Apple");
  EXPECT_EQ(SendMessage(l->Handle(), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("FIG")), 1);
  EXPECT_EQ(SendMessage(l->Handle(), LB_SETCURSEL, 2), 2);
  EXPECT_EQ(SendMessage(l->Handle(), LB_GETCURSEL), 2);
  EXPECT_EQ(SendMessage(l->Handle(), LB_GETCOUNT), 3);
}

TEST_F(ListTest, ComboDropDownOpensWithAltDownAndChoosesWithEnter) {
  TComboBox* c = MakeCombo(csDropDownList);
  std::string events;
  c->OnDropDown = [&](TObject*) { events += "drop "; };
  c->OnCloseUp = [&](TObject*) { events += "close "; };
  c->OnChange = [&](TObject*) { events += "change "; };
  Driver.Focus(c);
  Driver.PressKey(VK_DOWN, {ssAlt});
  EXPECT_TRUE(c->DroppedDown());
  Driver.PressKey(VK_DOWN);
  Driver.PressKey(VK_DOWN);
  Driver.PressKey(VK_RETURN);
  EXPECT_FALSE(c->DroppedDown());
  EXPECT_EQ(c->ItemIndex(), 1);
  EXPECT_EQ(c->Text(), "Beta");
  EXPECT_EQ(events, "drop close change ");
  Driver.PressKey(VK_F4);
  EXPECT_TRUE(c->DroppedDown());
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(c->DroppedDown());
  EXPECT_EQ(c->ItemIndex(), 1);
}

TEST_F(ListTest, ComboListIsChosenWithTheMouse) {
  TComboBox* c = MakeCombo(csDropDownList);
  int selects = 0;
  c->OnSelect = [&](TObject*) { ++selects; };
  Click(c, c->Width() - 5, 5);
  ASSERT_TRUE(c->DroppedDown());
  TCustomListBox* list = c->ListControl();
  TRect r = list->ItemRect(2);
  Click(list, r.Left + 5, r.Top + 2);
  EXPECT_FALSE(c->DroppedDown());
  EXPECT_EQ(c->Text(), "Gamma");
  EXPECT_EQ(selects, 1);
}

TEST_F(ListTest, ComboClosesWhenTheFocusLeaves) {
  TComboBox* c = MakeCombo(csDropDown);
  TEdit* other = Make<TEdit>(10, 60);
  Driver.Focus(c);
  Driver.PressKey(VK_F4);
  ASSERT_TRUE(c->DroppedDown());
  Click(other, 5, 5);
  EXPECT_FALSE(c->DroppedDown());
}

TEST_F(ListTest, ComboEditAutocompletesAndArrowsSelect) {
  TComboBox* c = MakeCombo(csDropDown);
  int changes = 0;
  c->OnChange = [&](TObject*) { ++changes; };
  Driver.Focus(c);
  Driver.Type("ga");
  EXPECT_EQ(c->Text(), "gamma");
  EXPECT_EQ(c->SelStart(), 2);
  EXPECT_EQ(c->SelLength(), 3);
  EXPECT_EQ(c->ItemIndex(), 2);
  EXPECT_EQ(changes, 2);
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(c->ItemIndex(), 3);
  EXPECT_EQ(c->Text(), "Delta");
  c->SetItemIndex(0);  // programmatic: no OnChange
  c->SetItemIndex(99);
  EXPECT_EQ(c->ItemIndex(), -1);
  EXPECT_EQ(changes, 3);
  // The child edit answers the edit messages.
  c->SetText("Beta");
  SendMessage(c->EditHandle(), EM_SETSEL, 1, 3);
  EXPECT_EQ(c->SelText(), "et");
}

TEST_F(ListTest, AComboDestroyedWhileDroppedAndFocused) {
  TComboBox* c = MakeCombo(csDropDown);
  Driver.Focus(c);
  Driver.PressKey(VK_F4);
  ASSERT_TRUE(c->DroppedDown());
  delete c;
  Pump();
  TEdit* e = Make<TEdit>();
  Driver.Focus(e);
  EXPECT_TRUE(e->Focused());
}

TEST_F(ListTest, DroppedWidthWidensTheList) {
  TComboBox* c = MakeCombo(csDropDownList);
  EXPECT_EQ(SendMessage(c->Handle(), CB_SETDROPPEDWIDTH, 300), 300);
  c->SetDroppedDown(true);
  TRect r{};
  SendMessage(c->Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r.Width(), 300);
  EXPECT_EQ(SendMessage(c->Handle(), CB_GETDROPPEDSTATE), 1);
  c->SetDroppedDown(false);
}

TEST_F(ListTest, ComboTypeAheadInAPickList) {
  TComboBox* c = MakeCombo(csDropDownList);
  Driver.Focus(c);
  Driver.Type("d");
  EXPECT_EQ(c->Text(), "Delta");
}

TEST_F(ListTest, ComboPaintsIntoASuppliedCanvas) {
  TComboBox* c = MakeCombo(csDropDownList);
  c->SetItemIndex(1);
  TBitmap bmp;
  bmp.SetSize(c->Width(), c->Height());
  SendMessage(c->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(bmp.Canvas()), 0);
  // Something other than the background was drawn (frame, button, text).
  int dark = 0;
  for (int x = 0; x < c->Width(); ++x)
    if ((ColorToRGB(bmp.Canvas()->Pixels(x, c->Height() / 2)) & 0xFF) < 0x80) ++dark;
  EXPECT_GT(dark, 3);
}

}  // namespace
