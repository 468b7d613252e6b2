// The multi-column drop-down: completion while typing, keys on the edit and
// the type-ahead search in the popup.

#include <algorithm>

#include "controls/DropDownCompletion.h"
#include "controls/ExtMultiColumnDropDown.h"
#include "toolkit/forms/WinApi.h"

void TExtMultiColumnDropDown::EditChanged() {
  FCompletion.Changed = false;
  TExtCustomDropDown::EditChanged();
  if (ComponentState().Contains(csDesigning) || !workmode) return;
  if (EditorEnabled() && !ReadOnly() && !ComponentState().Contains(csLoading)) SetIsModified(!Text().empty());
  CompleteItems(
      Model(), FLookupItems->Count(), [this](int i) { return FLookupItems->Strings(i); }, FMatchCase,
      [this](const std::string& T) { SetText(T); }, FItemIndex, FCompletion);
}

void TExtMultiColumnDropDown::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (FLookupColumn < 0 || FItems->Count() == 0) {
    TExtCustomDropDown::KeyDown(Key, Shift);
    return;
  }
  LookupKeyDown(Key, workmode, *FLookupItems, Text(), [this](int i, const std::string& Entry) {
    SetText(Entry);
    SetItemIndex(i);
    EditChanged();
  });
  const uint16_t key = Key;
  TExtCustomDropDown::KeyDown(Key, Shift);
  if (key == VK_ESCAPE) SetItemIndex(FLookupItems->IndexOf(Text()));
}

void TExtMultiColumnDropDown::KeyUp(uint16_t& Key, TShiftState Shift) {
  TExtCustomDropDown::KeyUp(Key, Shift);
  if (!FCompletion.Changed) return;
  SetItemIndex(FCompletion.Index);
  SelectRestAfter(Model(), FCompletion.Typed);
  FCompletion.Changed = false;
}

void TExtMultiColumnDropDown::WMKeyDown(TWMKey& Message) {
  // The edit's handling may consume the key code.
  const uint16_t key = uint16_t(Message.CharCode);
  TExtCustomDropDown::WMKeyDown(Message);
  if (!Enabled() || GetKeyState(VK_MENU) < 0) return;
  switch (key) {
    case VK_PRIOR: selectPageUp(); break;
    case VK_NEXT: selectPageDown(); break;
    case VK_UP: selectPrevious(); break;
    case VK_DOWN: selectNext(); break;
    case VK_HOME: if (!EditorEnabled()) selectFirst(); break;
    case VK_END: if (!EditorEnabled()) selectLast(); break;
    default: break;
  }
}

void TExtMultiColumnDropDown::ControlKeyDown(uint16_t& Key, TShiftState Shift) {
  const bool moves = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
  if (moves && !Shift.Contains(ssAlt)) return;
  TExtCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExtMultiColumnDropDown::ControlKeyUp(uint16_t& Key, TShiftState Shift) {
  const bool moves = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
  if (moves && !Shift.Contains(ssAlt)) return;
  TExtCustomDropDown::ControlKeyUp(Key, Shift);
}

int TExtMultiColumnDropDown::typeAheadSearch(const std::string& Key) const {
  for (int i = 0; i < FItems->Count(); ++i)
    if (FItems->Items(i)->HasText(FLookupColumn) && StartsWithKey(lookupText(i), Key, FCaseSensitive)) return i;
  return -1;
}

// Characters typed in the open popup search the lookup column; the edit shows
// what they found with the untyped rest selected.
void TExtMultiColumnDropDown::ControlKeyPress(char& Key) {
  if ((Key == 13 || Key == 27) && GetKeyState(VK_MENU) >= 0) {
    FLookupEntry.clear();
    return;
  }
  if (Key == 8) {
    // The next character extends what the edit now shows.
    BackspaceSearch(Model(), FLookupEntry, [this](const std::string& T) { SetText(T); });
    return;
  }
  if (Key != 9) FLookupEntry += Key;
  int found = typeAheadSearch(FLookupEntry);
  if (found < 0 && Key != 9) {
    found = typeAheadSearch(std::string(1, Key));
    if (found >= 0) FLookupEntry = std::string(1, Key);
  }
  if (found < 0) {
    FLookupEntry.clear();
    return;
  }
  // The grid moves first: its row change writes the item's text, and the
  // search then selects the part not typed.
  if (TExtColGrid* g = FExtColGrid) {
    const int row = found + g->FixedRows();
    if (row < g->TopRow() || row >= g->TopRow() + g->VisibleRowCount()) g->SetTopRow(row);
    g->SetRow(row);
    g->SetCol(0);
  }
  FItemIndex = found;
  SetText(lookupText(found));
  SelectRestAfter(Model(), int(FLookupEntry.size()));
}
