// TGridCombo: keys that end a combo edit, validation before the cursor
// leaves, walking out of an editable combo at the ends of its text, look-up
// completion, wheel steps and the grid's combo events.

#include "grid/editing/GridCombo.h"

#include "grid/core/ExtGrid.h"
#include "grid/editing/GridWrapperSupport.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

TExtStringGrid* gridOf(TComponent* AOwner) {
  auto* grid = dynamic_cast<TExtStringGrid*>(AOwner);
  if (!grid) throw EInvalidOperation("A grid combo belongs to a string grid");
  return grid;
}

}  // namespace

TGridCombo::TGridCombo(TComponent* AOwner) : TEsgComboBox(AOwner), FGrid(gridOf(AOwner)) {
  SetButtonWidth(16);
}

void TGridCombo::CMWantSpecialKey(TCMWantSpecialKey& Message) {
  TEsgComboBox::CMWantSpecialKey(Message);
  uint32_t key = Message.CharCode;
  if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FGrid->TabValidates())) Message.Result = 1;
}

void TGridCombo::WMSetFocus(TWMSetFocus& Message) {
  TEsgComboBox::WMSetFocus(Message);
  if (!FGrid->Navigation()->EditSelectAll() && Style() == csDropDown) {
    SetSelStart(static_cast<int>(Text().size()));
    SetSelLength(0);
  }
}

void TGridCombo::DoExit() {
  if (FGrid->LookupHistory() && !Text().empty() && Items()->IndexOf(Text()) < 0) Items()->Add(Text());
  FGrid->HideInplaceEdit();
  TEsgComboBox::DoExit();
}

void TGridCombo::Change() {
  TEsgComboBox::Change();
  if (FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridCombo::fireItemChange(bool EditChange) {
  int rc = FGrid->RealColIndex(FGrid->Col()), row = FGrid->Row();
  int i = ItemIndex();
  if (EditChange && FGrid->OnEditChange) FGrid->OnEditChange(FGrid, rc, row, Text());
  if (FGrid->OnComboChange) FGrid->OnComboChange(FGrid, rc, row, i, Text());
  if (FGrid->OnComboObjectChange)
    FGrid->OnComboObjectChange(FGrid, rc, row, i, Text(), i >= 0 ? Items()->Objects(i) : nullptr);
}

// A wheel step selects the neighbour item; past either end the selection stays.
bool TGridCombo::DoMouseWheel(TShiftState, int WheelDelta, TPoint) {
  int count = Items()->Count();
  if (WheelDelta < 0) {
    if (ItemIndex() + 1 < count) SetItemIndex(ItemIndex() + 1);
  } else if (ItemIndex() > 0) {
    SetItemIndex(ItemIndex() - 1);
  }
  fireItemChange(true);
  return true;
}

void TGridCombo::SizeDropDownWidth() {
  int w = Width();
  bool scrolls = Items()->Count() > DropDownCount();
  TCanvas* c = FGrid->Canvas();
  c->Font()->Assign(Font());
  for (int i = 0; i < Items()->Count(); ++i) {
    int tw = c->TextWidth(Items()->Strings(i));
    if (scrolls && tw > w - 25) w = tw + 25;
    if (!scrolls && tw > w - 5) w = tw + 8;
  }
  SetDroppedWidth(w);
}

void TGridCombo::DoChange() {
  if (!WorkMode || !FGrid->Lookup() || Style() != csDropDown) return;
  bool caseSensitive = FGrid->LookupCaseSensitive();
  int caret = SelStart(), index = -1;
  std::string done;
  // The combo's own items first; the grid's look-up list completes without choosing an item.
  bool own = CompleteFromItems(Items(), Text(), caret, caseSensitive, done, index);
  if (!own && !CompleteFromItems(FGrid->LookupItems(), Text(), caret, caseSensitive, done, index)) return;
  SetText(done);
  if (own) SetItemIndex(index);
  SetSelStart(caret);
  SetSelLength(static_cast<int>(done.size()) - caret);
}

void TGridCombo::KeyPress(char& Key) {
  int before = ItemIndex();
  if (FGrid->OnKeyPress) FGrid->OnKeyPress(this, Key);
  if (Key == 27) Key = 0;
  if (Key == '\r' && OnReturnKey) OnReturnKey(this);
  if (Key == '\r' || Key == '\t') Key = 0;
  TEsgComboBox::KeyPress(Key);
  if (ItemIndex() != before) fireItemChange(false);
}

// The text goes into the current cell and is validated there; a refused
// text stays in the combo for the user to correct.
bool TGridCombo::validateText(bool SelectAllOnRefusal) {
  FGrid->SetCurrentCell(Text());
  if (FGrid->ValidateCell(Text())) return true;
  SetText(FGrid->FNewCellText);
  if (Style() == csDropDown) {
    if (SelectAllOnRefusal) SelectAll();
    else SetSelStart(static_cast<int>(Text().size()));
  }
  Invalidate();
  return false;
}

void TGridCombo::KeyDown(uint16_t& Key, TShiftState Shift) {
  bool list = isList();
  bool handled = list ? (Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_LEFT || Key == VK_RIGHT)
                      : (Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR ||
                         Key == VK_NEXT || Key == VK_END || Key == VK_UP || Key == VK_DOWN);
  if (Key != VK_BACK && Key != VK_DELETE) WorkMode = true;
  const TNavigation* nav = FGrid->Navigation();
  if ((Key == VK_UP || Key == VK_DOWN) && !nav->ComboGetUpDown() && !DroppedDown() && !Shift.Contains(ssAlt)) {
    FGrid->HideInplaceEdit();
    bool always = nav->AlwaysEdit();
    FGrid->Navigation()->SetAlwaysEdit(false);
    FGrid->SetFocus();
    FGrid->Navigation()->SetAlwaysEdit(always);
    FGrid->KeyDown(Key, Shift);
    Key = 0;  // the combo's text never follows the cursor into the next cell
    return;
  }
  if (Key == VK_DOWN && Shift.Contains(ssAlt)) handled = false;
  if (!handled) {
    TEsgComboBox::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_ESCAPE) {
    if (DroppedDown()) {
      SetDroppedDown(false);
      Key = 0;
      return;
    }
    std::string cell = FGrid->GetCurrentCell();
    SetText(cell);
    if (int i = Items()->IndexOf(cell); i >= 0) SetItemIndex(i);
    FGrid->HideInplaceEdit();
    FGrid->SetFocus();
    Key = 0;
    return;
  }
  if (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
    if (DroppedDown() && Key == VK_RETURN) {
      // Enter on the open list takes the highlighted item first.
      TEsgComboBox::KeyDown(Key, Shift);
      Key = VK_RETURN;
    }
    if (!validateText(true)) {
      Key = 0;
      FGrid->FNoAutoAdvance = true;
      return;
    }
    if (Style() == csDropDownList) {
      if (int i = Items()->IndexOf(FGrid->GetCurrentCell()); i >= 0) SetItemIndex(i);
    } else {
      SetText(FGrid->GetCurrentCell());
    }
  }
  if (Key == VK_TAB && FGrid->TabValidates()) {
    if (!validateText(false)) {
      Key = 0;
      return;
    }
    if (Style() == csDropDownList) SetItemIndex(Items()->IndexOf(FGrid->GetCurrentCell()));
    else SetText(FGrid->GetCurrentCell());
    if (FGrid->Options().Contains(goTabs)) {
      FGrid->HideInplaceEdit();
      FGrid->SetFocus();
      FGrid->tabOn();
      Key = 0;
      return;
    }
    FGrid->tabOn();
  }
  if (isList()) {
    bool directClose = FGrid->MouseActions()->DirectComboClose();
    FGrid->MouseActions()->SetDirectComboClose(false);
    FGrid->HideInplaceEdit();
    FGrid->MouseActions()->SetDirectComboClose(directClose);
    if (Key == VK_LEFT || Key == VK_RIGHT) {
      uint16_t k = Key;
      FGrid->SetFocus();
      FGrid->KeyDown(k, Shift);
      Key = 0;
      return;
    }
    if (Key == VK_PRIOR || Key == VK_NEXT || (Key >= VK_LEFT && Key <= VK_DOWN)) Key = 0;
  } else if (Key == VK_END) {
    TEsgComboBox::KeyDown(Key, Shift);
    return;
  }
  FGrid->DoneInplaceEdit(Key, Shift);
  if (nav->AdvanceOnEnter() && nav->AdvanceAutoEdit()) FGrid->ShowInplaceEdit();
  Key = 0;
}

void TGridCombo::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (Style() == csDropDown && SelLength() == 0)
    WalkOutOfEditor(FGrid, Text(), Key, Shift, SelStart() == 0, SelStart() == static_cast<int>(Text().size()));
  FGrid->FNoAutoAdvance = false;
  if (Key != VK_RETURN) TEsgComboBox::KeyUp(Key, Shift);
  DoChange();
}
