// TControlEdit and TControlCombo: the keys that end the edit of a form
// control in a cell and step to the next one.

#include "grid/editing/CellControlEditors.h"

#include "grid/core/ExtGrid.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/Exceptions.h"

namespace {
TExtStringGrid* gridOf(TComponent* AOwner) {
  auto* grid = dynamic_cast<TExtStringGrid*>(AOwner);
  if (!grid) throw EInvalidOperation("A cell control editor belongs to a string grid");
  return grid;
}
}  // namespace

void EndCellControlKey(TExtStringGrid* Grid, TWinControl* Editor, char& Key) {
  bool tab = Key == '\t';
  Key = 0;
  std::string id = Grid->CellControlID();
  Grid->EndCellControlEdit(Editor);
  if (Grid->CanFocus()) Grid->SetFocus();
  if (!tab) return;
  if (Grid->Navigation()->AdvanceAuto()) Grid->AdvanceToNextCell(Grid->Col(), Grid->Row(), true, false, true, false, true);
  else Grid->ActivateCellControl(Grid->Col(), Grid->Row(), id);
}

TControlEdit::TControlEdit(TComponent* AOwner) : TMaskEdit(AOwner), FGrid(gridOf(AOwner)) {}

// Tab and Enter end the edit here, never move the focus among the form's controls.
void TControlEdit::CMWantSpecialKey(TCMWantSpecialKey& Message) {
  if (Message.CharCode == VK_TAB || Message.CharCode == VK_RETURN) {
    Message.Result = 1;
    return;
  }
  TMaskEdit::CMWantSpecialKey(Message);
}

void TControlEdit::KeyPress(char& Key) {
  if (Key == '\r' || Key == '\t') EndCellControlKey(FGrid, this, Key);
  else TMaskEdit::KeyPress(Key);
}

TControlCombo::TControlCombo(TComponent* AOwner) : TEsgComboBox(AOwner), FGrid(gridOf(AOwner)) {}

void TControlCombo::CMWantSpecialKey(TCMWantSpecialKey& Message) {
  if (Message.CharCode == VK_TAB || Message.CharCode == VK_RETURN) {
    Message.Result = 1;
    return;
  }
  TEsgComboBox::CMWantSpecialKey(Message);
}

void TControlCombo::KeyPress(char& Key) {
  if (Key == '\r' || Key == '\t') EndCellControlKey(FGrid, this, Key);
  else TEsgComboBox::KeyPress(Key);
}
