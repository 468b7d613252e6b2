// TGridCheckBox and TGridButton: the keys that end their edits and the
// button's caption exchange through the grid's ellipsis relay.

#include "grid/editing/GridEditorControls.h"

#include "grid/core/ExtGrid.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/Exceptions.h"

namespace {

TExtStringGrid* gridOf(TComponent* AOwner) {
  auto* grid = dynamic_cast<TExtStringGrid*>(AOwner);
  if (!grid) throw EInvalidOperation("A grid editor belongs to a string grid");
  return grid;
}

bool isArrow(uint16_t Key) { return Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN; }

// The keys that end an edit in the check box.
bool endsCheckEdit(uint16_t Key) {
  return Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || isArrow(Key);
}

}  // namespace

// ---- check box ----

TGridCheckBox::TGridCheckBox(TComponent* AOwner) : TCheckBox(AOwner), FGrid(gridOf(AOwner)) {}

void TGridCheckBox::DoExit() {
  FGrid->HideInplaceEdit();
  TCheckBox::DoExit();
}

// The keys that end the edit reach KeyDown instead of moving the focus among controls.
void TGridCheckBox::CMWantSpecialKey(TCMWantSpecialKey& Message) {
  if (endsCheckEdit(static_cast<uint16_t>(Message.CharCode))) {
    Message.Result = 1;
    return;
  }
  TCheckBox::CMWantSpecialKey(Message);
}

void TGridCheckBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (!endsCheckEdit(Key)) {
    TCheckBox::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_ESCAPE) SetCaption(FGrid->GetCurrentCell());
  FGrid->HideInplaceEdit();
  if (FGrid->CanFocus()) FGrid->SetFocus();
  if (Key == VK_RETURN) FGrid->AdvanceToNextCell(FGrid->Col(), FGrid->Row(), false, true, true, false, true);
  if (Key == VK_UP || Key == VK_DOWN) FGrid->KeyDown(Key, Shift);
}

// ---- button ----

TGridButton::TGridButton(TComponent* AOwner) : TButton(AOwner), FGrid(gridOf(AOwner)) {}

void TGridButton::DoExit() {
  FGrid->HideInplaceEdit();
  TButton::DoExit();
}

void TGridButton::exchangeCaption() {
  std::string s = FGrid->DoEllipsClick(Caption());
  SetCaption(s);
  FGrid->SetCurrentCell(s);
}

void TGridButton::WMLButtonUp(TWMMouse& Message) {
  if (dynamic_cast<TExtStringGrid*>(Parent())) exchangeCaption();
  TButton::WMLButtonUp(Message);
}

void TGridButton::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_SPACE) {
    exchangeCaption();
    if (CanFocus()) SetFocus();
    Repaint();
  }
  TButton::KeyUp(Key, Shift);
}

void TGridButton::close() {
  SetVisible(false);
  SetEnabled(false);
  FGrid->EditMode = false;
  if (FGrid->CanFocus()) FGrid->SetFocus();
}

void TGridButton::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (isArrow(Key)) {
    uint16_t key = Key;
    FGrid->Perform(WM_KEYDOWN, key, 0);
    close();
    FGrid->Perform(WM_KEYUP, key, 0);
    Key = 0;
    return;
  }
  if (Key == VK_ESCAPE) {
    // The text the edit started with goes back before the focus move can take it as the new start.
    FGrid->RestoreEditCell();
    close();
    FGrid->Perform(WM_KEYDOWN, VK_ESCAPE, 0);
    Key = 0;
    return;
  }
  TButton::KeyDown(Key, Shift);
}

// Escape and the arrows are the button's own: they end the edit.
void TGridButton::CMWantSpecialKey(TCMWantSpecialKey& Message) {
  uint32_t key = Message.CharCode;
  if (key == VK_ESCAPE || isArrow(static_cast<uint16_t>(key))) {
    Message.Result = 1;
    return;
  }
  TButton::CMWantSpecialKey(Message);
}
