#include "grid/editing/GridDropDowns.h"

#include "grid/core/ExtGrid.h"
#include "toolkit/forms/WinApi.h"

namespace {

bool isVertical(uint16_t Key) { return Key == VK_UP || Key == VK_DOWN; }

}  // namespace

TGridDropDownBinding::TGridDropDownBinding(TExtCustomDropDown* Edit, TExtStringGrid* Grid, TGridDropDownRules Rules)
    : FEdit(Edit), FGrid(Grid), FRules(Rules) {}

bool TGridDropDownBinding::endsEdit(uint16_t Key, TShiftState Shift) const {
  // Alt with an arrow opens or closes the popup.
  if (Shift.Contains(ssAlt) && isVertical(Key)) return false;
  if (Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE) return true;
  if (FRules.ColourKeys && FEdit->DroppedDown()) return false;
  return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || isVertical(Key) ||
         (FRules.ColourKeys && Key == VK_HOME);
}

bool TGridDropDownBinding::validates(uint16_t Key) const {
  return Key == VK_RETURN || (!FRules.ColourKeys && isVertical(Key));
}

bool TGridDropDownBinding::settle(uint16_t& Key, const TEditorSteps& Steps, bool SelectAll) {
  const std::string text = Steps.CellText();
  FGrid->SetCurrentCell(text);
  if (FGrid->ValidateCell(text)) return true;
  Steps.Put(FGrid->FNewCellText);
  if (SelectAll) FEdit->SelectAll();
  else FEdit->SetSelStart(static_cast<int>(static_cast<TCustomEdit*>(FEdit)->Text().size()));
  FEdit->Repaint();
  Key = 0;
  return false;
}

bool TGridDropDownBinding::KeyDown(uint16_t& Key, TShiftState Shift, const TEditorSteps& Steps) {
  if (!endsEdit(Key, Shift)) return false;
  if (Key == VK_ESCAPE) {
    FGrid->CancelSpecialEdit();
    Steps.Put(FGrid->GetCurrentCell());
    FGrid->HideInplaceEdit();
    if (FGrid->CanFocus()) FGrid->SetFocus();
    Key = 0;
    return true;
  }
  if (validates(Key)) {
    if (Key == VK_RETURN) Steps.Settle();
    if (!settle(Key, Steps, true)) {
      FGrid->FNoAutoAdvance = true;
      return true;
    }
    Steps.Put(FGrid->GetCurrentCell());
  }
  if (Key == VK_TAB && FGrid->TabValidates()) {
    if (!settle(Key, Steps, false)) return true;
    if (TabOutOfEditor(FGrid, Key, Shift)) return true;
    FGrid->tabOn();
  }
  if (FEdit->DroppedDown()) {
    FGrid->HideInplaceEdit();
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE) Key = 0;
  } else if (Key == VK_END) {
    return false;
  }
  FGrid->DoneInplaceEdit(Key, Shift);
  const TNavigation* nav = FGrid->Navigation();
  if (nav->AdvanceOnEnter() && nav->AdvanceAutoEdit()) FGrid->ShowInplaceEdit();
  Key = 0;
  return true;
}

void TGridDropDownBinding::KeyPress(char& Key) {
  if (FGrid->OnKeyPress) FGrid->OnKeyPress(FEdit, Key);
  if (Key == '\r' || Key == '\t' || Key == 27) Key = 0;
}

void TGridDropDownBinding::ClaimKey(TCMWantSpecialKey& Message) {
  if (FRules.ClaimsEnterEscape) {
    ClaimEditorKey(FGrid, Message, false);
  } else if (Message.CharCode == VK_TAB && FGrid->TabValidates()) {
    Message.Result = 1;
  }
}

void TGridDropDownBinding::FocusGained() {
  if (FRules.CaretAtMouse) PlaceCaretAtMouse(FGrid, FEdit);
}

// ---- the editors ----

TGridTrackbarDropDown::TGridTrackbarDropDown(TComponent* AOwner)
    : TGridDropDownEditor(AOwner, {.FormattedText = true, .CaretAtMouse = true, .ClaimsEnterEscape = true}) {}

TGridMemoDropDown::TGridMemoDropDown(TComponent* AOwner) : TGridDropDownEditor(AOwner, {.CaretAtMouse = true}) {}

TGridCalculatorDropDown::TGridCalculatorDropDown(TComponent* AOwner)
    : TGridDropDownEditor(AOwner, {.CaretAtMouse = true}) {}

// The cell frame shows where the editor is; the edit draws no focus of its own.
TGridTimepickerDropDown::TGridTimepickerDropDown(TComponent* AOwner) : TGridDropDownEditor(AOwner, {}) {
  SetFocusDraw(false);
}

TGridDetailPickerDropDown::TGridDetailPickerDropDown(TComponent* AOwner) : TGridDropDownEditor(AOwner, {}) {}

TGridGridDropDown::TGridGridDropDown(TComponent* AOwner) : TGridDropDownEditor(AOwner, {}) {}

TGridColorDropDown::TGridColorDropDown(TComponent* AOwner)
    : TGridDropDownEditor(AOwner, {.ClaimsEnterEscape = true, .ColourKeys = true}) {}

TGridImageDropDown::TGridImageDropDown(TComponent* AOwner) : TGridDropDownEditor(AOwner, {}) {}

std::string TGridImageDropDown::CellText() {
  TExtStringGrid* g = OwnerGrid();
  const int col = g->RealColIndex(g->Col());
  if (g->GetCellType(col, g->Row()) == ctDataImage) return std::to_string(ImageIndex());
  return g->GetCurrentCell();
}
