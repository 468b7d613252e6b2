// The filter drop-down's lists.

#include "grid/data/FilterDropList.h"

void TDropList::choose() {
  SetVisible(false);
  if (OnSelect) OnSelect(this, ItemIndex());
}

void TDropList::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_RETURN) {
    Key = 0;
    choose();
    return;
  }
  if (Key == VK_ESCAPE) {
    Key = 0;
    SetVisible(false);
    if (OnCancel) OnCancel();
    return;
  }
  TListBox::KeyDown(Key, Shift);
}

void TDropList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TListBox::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft && PtInRect(ClientRect(), TPoint{X, Y})) choose();
}

void TDropList::WMKillFocus(TWMKillFocus& Message) {
  TListBox::WMKillFocus(Message);
  if (Visible()) {
    SetVisible(false);
    if (OnCancel) OnCancel();
  }
}

TDropCheckList::TDropCheckList(TComponent* AOwner) : TCheckListBox(AOwner) {
  OnClickCheck = [this](TObject*) {
    if (OnSelect) OnSelect(this, -1);
  };
}

void TDropCheckList::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_ESCAPE || Key == VK_RETURN) {
    Key = 0;
    SetVisible(false);
    if (OnCancel) OnCancel();
    return;
  }
  TCheckListBox::KeyDown(Key, Shift);
}

void TDropCheckList::WMKillFocus(TWMKillFocus& Message) {
  TCheckListBox::WMKillFocus(Message);
  if (Visible()) {
    SetVisible(false);
    if (OnCancel) OnCancel();
  }
}
