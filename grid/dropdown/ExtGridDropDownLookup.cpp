// The grid drop-down: completion while typing, the incremental search of the
// lookup column in the edit and in the popup, and the lookup list.

#include <algorithm>

#include "controls/DropDownCompletion.h"
#include "grid/dropdown/ExtCustomGridDropDown.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/SysUtils.h"

std::string TCustomExtGridDropDown::lookupCellOf(int Index) const {
  return FItems->Items(Index)->TextOf(F.LookupColumn);
}

void TCustomExtGridDropDown::rebuildLookup() {
  if (F.LookupColumn < 0 || FItems->Count() == 0) return;
  FLookupItems->Clear();
  for (int i = 0; i < FItems->Count(); ++i) FLookupItems->Add(lookupCellOf(i));
}

bool TCustomExtGridDropDown::FindLookupText(const std::string& S, std::string& Found, int& Row) const {
  Row = -1;
  Found.clear();
  if (F.UseItems) {
    for (int i = 0; i < FItems->Count(); ++i) {
      // An item without a text in the lookup column is no match.
      if (!FItems->Items(i)->HasText(F.LookupColumn)) continue;
      const std::string entry = lookupCellOf(i);
      if (StartsWithKey(entry, S, F.CaseSensitive)) {
        Found = entry;
        Row = i;
        return true;
      }
    }
    return false;
  }
  if (FExtColGrid == nullptr) return false;
  for (int r = FExtColGrid->FixedRows(); r < FExtColGrid->RowCount(); ++r) {
    const std::string cell = FExtColGrid->Cells(F.LookupColumn, r);
    if (StartsWithKey(cell, S, F.CaseSensitive)) {
      Found = cell;
      Row = r;
      return true;
    }
  }
  return false;
}

int TCustomExtGridDropDown::FindLookupRow(const std::string& S) const {
  std::string found;
  int row = -1;
  return FindLookupText(S, found, row) ? row : -1;
}

// The search's find: the item (or row) stored without the writer, its text
// shown, and in a drop-down edit the untyped rest selected.
void TCustomExtGridDropDown::selectEntry(int Index, const std::string& Found) {
  FItemIndex = Index;
  SetText(Found);
  if (FStyle == dsDropDown) {
    SelectRestAfter(Model(), int(FLookupEntry.size()));
  }
}

int TCustomExtGridDropDown::incrementalSearch(char C) {
  if (F.LookupMethod == lmNone) return -1;
  if (C != 8 && C != 9) FLookupEntry += C;
  if (C == 8) {
    BackspaceSearch(Model(), FLookupEntry, [this](const std::string& T) { SetText(T); });
    return -1;
  }
  const std::string S = Trim(FLookupEntry);
  if (F.LookupMethod == lmNarrowDown) {
    if (FExtColGrid == nullptr) return -1;
    if (S.empty()) {
      FExtColGrid->RemoveAllFilters();
    } else {
      FExtColGrid->SetFixedRowAlways(true);
      FExtColGrid->NarrowDown(S, F.LookupColumn);
      const int first = FExtColGrid->FixedRows();
      if (FStyle == dsDropDown && first < FExtColGrid->RowCount())
        selectEntry(FItemIndex, FExtColGrid->Cells(F.LookupColumn, first));
    }
    return FExtColGrid->FixedRows();
  }
  std::string found;
  int row = -1;
  if (FindLookupText(S, found, row)) {
    selectEntry(row, found);
    return row;
  }
  if (FStyle == dsDropDown) return -1;
  if (FindLookupText(std::string(1, C), found, row)) {
    FLookupEntry = std::string(1, C);
    selectEntry(row, found);
    return row;
  }
  FLookupEntry.clear();
  return -1;
}

void TCustomExtGridDropDown::WMChar(TWMKey& Message) {
  const char c = char(Message.CharCode);
  TExtCustomDropDown::WMChar(Message);
  incrementalSearch(c);
  if (F.AutoShowDropDown && !DroppedDown()) ShowDropDown();
}

void TCustomExtGridDropDown::ControlKeyPress(char& Key) {
  TExtColGrid* g = FExtColGrid;
  const bool editing = g != nullptr && g->Options().Contains(goEditing);
  if (((Key == 13 || Key == 27) && GetKeyState(VK_MENU) >= 0) || editing) {
    FLookupEntry.clear();
  } else if (g != nullptr) {
    int r = incrementalSearch(Key);
    // A narrowed grid answers with a grid row already.
    if (r >= 0 && F.UseItems && F.LookupMethod == lmLookup) r = RowOfItem(r);
    if (r < 0) {
      FLookupEntry.clear();
    } else if (r >= g->FixedRows() && r < g->RowCount()) {
      if (g->VisibleRowCount() < g->RowCount() - g->FixedRows()) g->SetTopRow(r);
      moveGridTo(r);
      g->SetCol(0);
      g->InvalidateRow(r);
    } else {
      FLookupEntry.clear();
    }
  }
  if (OnGridKeyPress) OnGridKeyPress(this, Key);
}

void TCustomExtGridDropDown::EditChanged() {
  FItemChange = false;
  TExtCustomDropDown::EditChanged();
  if (ComponentState().Contains(csDesigning) || !workmode) return;
  if (EditorEnabled() && !ReadOnly() && !ComponentState().Contains(csLoading)) SetIsModified(Text() != FOldValue);
  const TCompletion c = CompleteEditText(
      Model(), FLookupItems->Count(), [this](int i) { return FLookupItems->Strings(i); }, F.MatchCase,
      [this](const std::string& T) { SetText(T); });
  if (c.Index < 0) return;
  FItemIndex = c.Index;
  FItemIdx = c.Index;
  FItemSel = c.Typed;
  FItemChange = true;
}

void TCustomExtGridDropDown::KeyDown(uint16_t& Key, TShiftState Shift) {
  TExtColGrid* g = FExtColGrid;
  if (g != nullptr && g->Options().Contains(goEditing) && g->EditMode && Key == VK_RETURN &&
      !Shift.Contains(ssShift)) {
    g->HideInplaceEdit();
    SetText(g->Cells(F.LookupColumn, g->Row()));
    SetItemIndex(g->Row() - g->FixedRows());
    Key = 0;
    return;
  }
  if (F.LookupColumn < 0 || FItems->Count() == 0) {
    TExtCustomDropDown::KeyDown(Key, Shift);
    return;
  }
  LookupKeyDown(Key, workmode, *FLookupItems, Text(), [this](int i, const std::string& Entry) {
    SetText(Entry);
    SetItemIndex(i);
    EditChanged();
  });
  if (Key == VK_RETURN && ReturnIsTab()) {
    if (HandleAllocated()) PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
    Key = 0;
  }
  if (Key == VK_ESCAPE || (Key >= VK_PRIOR && Key <= VK_DOWN)) FLookupEntry.clear();
  TExtCustomDropDown::KeyDown(Key, Shift);
  if (Key == VK_ESCAPE) SetItemIndex(FLookupItems->IndexOf(Text()));
}

void TCustomExtGridDropDown::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (!(Key == VK_RETURN && ReturnIsTab())) TExtCustomDropDown::KeyUp(Key, Shift);
  TExtColGrid* g = FExtColGrid;
  if (g != nullptr && g->Options().Contains(goEditing) && g->EditMode && Key == VK_RETURN &&
      !Shift.Contains(ssShift)) {
    if (g->Col() == F.LookupColumn) DoHideDropDown(false);
    else g->HideInplaceEdit();
  }
  if (!FItemChange) return;
  SetItemIndex(FItemIdx);
  SelectRestAfter(Model(), FItemSel);
  FItemChange = false;
}

void TCustomExtGridDropDown::KeyPress(char& Key) {
  if (Key == 13 && ReturnIsTab()) {
    Key = 0;
    return;
  }
  TExtCustomDropDown::KeyPress(Key);
}
