// Ending an edit: the validation of the new value, the text exchange with
// the framework grid, hiding the editor, the editing-done notification and
// the posted "GridEditDone", the grid's Enter and the advance to the next cell.

#include "controls/esgcheck.h"
#include "grid/core/ExtGrid.h"
#include "toolkit/rtl/ScopeGuard.h"
#include "grid/editing/ExtInplaceEdit.h"
#include "grid/foundation/EsgHTMLE.h"
#include "toolkit/forms/WinApi.h"

namespace {
// Registered once per process by name: the same for every grid.
UINT GridEditDoneMessage() {
  static const UINT msg = RegisterWindowMessage("GridEditDone");
  return msg;
}
}  // namespace

bool TExtStringGrid::ValidateCell(const std::string& NewValue) {
  if (!FEditing || FValidating) return true;
  FEditing = false;
  FValidating = true;
  bool valid = true;
  int rc = RealColIndex(FOldCol), r = FOldRow;
  FNewCellText = NewValue;
  // Whatever a handler does, the validation ends and the current cell becomes the next edit's old cell.
  auto done = MakeScopeGuard([this] {
    RememberCurrentCell(Col(), Row());
    FValidating = false;
  });
  if (NewValue == FOldCellText && !FAlwaysValidate) return true;
  bool changed = NewValue != FOldCellText;
  bool advance = FNavigation.AdvanceOnEnter();
  FNavigation.SetAdvanceOnEnter(false);
  auto restoreAdvance = MakeScopeGuard([this, advance] { FNavigation.SetAdvanceOnEnter(advance); });
  std::string v = NewValue;
  if (FCellChecker && FCellChecker->AutoCorrect()) v = FCellChecker->Correct(rc, r, v);
  if (OnCellValidate) OnCellValidate(this, rc, r, v, valid);
  if (v != FOldCellText) FGridModified = true;
  if (valid) {
    CellFooterChanged(rc);
    if (FCellChecker && FCellChecker->AutoMarkError()) v = FCellChecker->MarkError(rc, r, v);
    if (UndoRedo()) UndoRedo()->RegisterChange(rc, r, FOldCellText, v);
    if (changed) CellsChanged(TRect{rc, r, rc, r});
  }
  FNewCellText = v;
  if (valid) {
    SetCellEx(rc, r, v);
  } else {
    refuseValue(rc, r, v, NewValue);
  }
  FOldCellText = GetCellEx(rc, r);
  if (valid) {
    HideFocusWindow();
    HideInvalidEntryNotice();
  }
  return valid;
}

// A refused value never stays: the handler's replacement or the old text goes
// back, and the editor opens again on the cell so the user can correct it.
void TExtStringGrid::refuseValue(int ARealCol, int ARow, const std::string& V, const std::string& NewValue) {
  FLastValidation = false;
  HideEditor();
  bool replaced = V != NewValue;
  SetCellEx(ARealCol, ARow, replaced ? V : FOldCellText);
  MoveColRow(FOldCol, ARow, true, true);
  FValidating = false;
  FEditing = true;
  ShowInplaceEdit();
  if (!replaced && Col() != FOldCol) InvalidateEditor();
  FModified = FOldModifiedValue;
  if (!FInvalidEntryTitle.empty() || !FInvalidEntryText.empty()) ShowInvalidEntryNotice();
}

bool TExtStringGrid::ValidateCellWide(const std::u16string& NewValue) {
  if (!FEditing || FValidating) return true;
  FEditing = false;
  FValidating = true;
  bool valid = true;
  int rc = RealColIndex(FOldCol), r = FOldRow;
  auto done = MakeScopeGuard([this] {
    RememberCurrentCell(Col(), Row());
    FValidating = false;
  });
  bool changed = NewValue != FOldCellTextWide;
  if (changed || FAlwaysValidate) {
    CellFooterChanged(rc);
    std::u16string v = NewValue;
    if (OnCellValidateWide) OnCellValidateWide(this, rc, r, v, valid);
    if (valid) {
      SetWideCells(rc, r, v);
    } else {
      HideEditor();
      SetWideCells(rc, r, v != NewValue ? v : FOldCellTextWide);
      MoveColRow(FOldCol, r, true, true);
      FValidating = false;
      FEditing = true;
      ShowInplaceEdit();
      FModified = FOldModifiedValue;
    }
    if (changed) FGridModified = true;
    if (valid && changed) CellsChanged(TRect{rc, r, rc, r});
  }
  FOldCellTextWide = WideCells(rc, r);
  return valid;
}

std::string TExtStringGrid::GetEditText(int ACol, int ARow) {
  FNoEditChange = true;
  int rc = RealColIndex(ACol);
  if (TExtInplaceEdit* ed = NormalEdit()) ed->SetVAlign(Alignments(rc, ARow) == taRightJustify);
  TPoint b = BaseCell(rc, ARow);
  std::string value = GetCellEx(b.X, b.Y);
  if (OnGetEditText) OnGetEditText(this, b.X, b.Y, value);
  return FEditWithTags ? value : StripHTMLTags(value);
}

void TExtStringGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
  TPoint b = BaseCell(RealColIndex(ACol), ARow);
  ++FEditUpdate;
  auto leave = MakeScopeGuard([this] { --FEditUpdate; });
  if (Value != GetCellEx(b.X, b.Y)) SetCellEx(b.X, b.Y, Value);
  TDrawGrid::SetEditText(b.X, b.Y, Value);
}

void TExtStringGrid::HideInplaceEdit() {
  HideFocusWindow();
  HideInvalidEntryNotice();
  if (!EditMode) return;
  HideEditor();
  FinishSpecialEditor(Col(), Row());
  EditMode = false;
  SelectCell(Col(), Row());
}

void TExtStringGrid::DoneInplaceEdit(uint16_t Key, TShiftState Shift) {
  FBlockFocus = true;
  FEditing = false;
  HideInplaceEdit();
  // The grid's own key handling moves the cursor (and appends a row below the last one when allowed).
  (void)Shift;
  if (Key == VK_TAB || Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN) Perform(WM_KEYDOWN, Key, 0);
  bool alwaysEdit = FNavigation.AlwaysEdit();
  FNavigation.SetAlwaysEdit(false);
  if (CanFocus()) SetFocus();
  if (Key == VK_RETURN) AdvanceToNextCell(Col(), Row(), false, true, true, false, false);
  FNavigation.SetAlwaysEdit(alwaysEdit);
  FBlockFocus = false;
}

void TExtStringGrid::EditingDone(int ARealCol, int ARow) {
  if (OnEditingDone) OnEditingDone(this);
  EditMode = false;
  if (HandleAllocated()) PostMessage(Handle(), GridEditDoneMessage(), ARealCol, ARow);
}

bool TExtStringGrid::HandleEditingMessage(TMessage& Message) {
  if (handleFocusGuardMessage(Message) || handleFocusWindowPlacement(Message)) return true;
  if (Message.Msg != GridEditDoneMessage()) return false;
  if (OnEditCellDone)
    OnEditCellDone(this, static_cast<int>(Message.WParam), static_cast<int>(Message.LParam));
  if (FMouseActions.EditOnDblClickOnly()) {
    HideInplaceEdit();
    EditMode = false;
    TGridOptions o = Options();
    o.Exclude(goEditing);
    SetOptions(o);
  }
  return true;
}
