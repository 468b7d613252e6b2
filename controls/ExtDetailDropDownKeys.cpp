// The detail list drop-down: completion while typing, keys and wheel.

#include "controls/DropDownCompletion.h"
#include "controls/ExtDetailDropDown.h"
#include "toolkit/forms/WinApi.h"

void TExtDetailDropDown::EditChanged() {
  FCompletion.Changed = false;
  TExtSelectorDropDown::EditChanged();
  if (ComponentState().Contains(csDesigning) || !FWorkMode) return;
  if (EditorEnabled() && !ReadOnly() && !ComponentState().Contains(csLoading)) SetIsModified(!Text().empty());
  CompleteItems(
      Model(), FItems->Count(), [this](int i) { return FItems->Items(i)->Caption(); }, false,
      [this](const std::string& T) { SetText(T); }, FItemIndex, FCompletion);
}

void TExtDetailDropDown::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (FItems->Count() == 0) {
    TExtSelectorDropDown::KeyDown(Key, Shift);
    return;
  }
  LookupKeyDown(
      Key, FWorkMode, [this] { return FItems->IndexOf(Text()); },
      [this](int i) {
        SetText(FItems->Items(i)->Caption());
        SetItemIndex(i);
        EditChanged();
      });
  const uint16_t key = Key;
  TExtSelectorDropDown::KeyDown(Key, Shift);
  if (key != VK_ESCAPE) return;
  const int i = FItems->IndexOf(Text());
  if (i >= 0) SetItemIndex(i);
}

void TExtDetailDropDown::KeyUp(uint16_t& Key, TShiftState Shift) {
  TExtSelectorDropDown::KeyUp(Key, Shift);
  FCompletion.Changed = false;
}

void TExtDetailDropDown::WMKeyDown(TWMKey& Message) {
  const uint16_t key = uint16_t(Message.CharCode);
  if (Enabled() && GetKeyState(VK_MENU) >= 0) {
    const TSelectorPopup::TClosedMoves closed{[this] { SelectFirst(); }, [this] { SelectLast(); },
                                              [this] { SelectPrevious(); }, [this] { SelectNext(); }, true};
    auto refill = [this] {
      if (ItemSelector() != nullptr && ItemSelector()->Items()->Count() != FItems->Count()) synchronise();
    };
    FPopup.HandleKey(key, DroppedDown(), EditorEnabled(), 1, closed, refill);
    if (key == VK_UP || key == VK_DOWN) Invalidate();
  }
  const bool consumed = key == VK_PRIOR || key == VK_NEXT || key == VK_LEFT || key == VK_UP || key == VK_RIGHT ||
                        key == VK_DOWN;
  if (DroppedDown() && consumed) {
    Message.CharCode = 0;
    Message.Result = 1;
    return;
  }
  TExtSelectorDropDown::WMKeyDown(Message);
}

void TExtDetailDropDown::wheel(bool Down) {
  if (!DroppedDown() || ItemSelector() == nullptr) {
    Down ? SelectNext() : SelectPrevious();
  } else {
    FPopup.Step(Down ? 1 : -1);
  }
  Invalidate();
}

void TExtDetailDropDown::DoMouseWheelDown() {
  TExtSelectorDropDown::DoMouseWheelDown();
  wheel(true);
}

void TExtDetailDropDown::DoMouseWheelUp() {
  TExtSelectorDropDown::DoMouseWheelUp();
  wheel(false);
}
