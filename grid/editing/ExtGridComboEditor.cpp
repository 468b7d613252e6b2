// The combo kinds of the special editors: the shared combo placed over the
// cell, filled from it, preselected, focused and dropped as configured, and
// its text written back when the edit ends.

#include "grid/core/ExtGrid.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/GridEditorControls.h"
#include "grid/foundation/EsgHTMLE.h"

namespace {

bool etchedLook(TGridLook Look) {
  switch (Look) {
    case glSoft:
    case glQGS:
    case glXP:
    case glListView:
    case glVista:
    case glWin7:
    case glOffice2007: return true;
    default: return false;
  }
}

}  // namespace

TGridCombo* TExtStringGrid::Combobox() {
  if (!EditCombo) {
    EditCombo = MakeHiddenEditor<TGridCombo>(this);
    toneEditors();
  }
  return EditCombo;
}

void TExtStringGrid::showCombo(const TSpecialEditorFrame& F) {
  TGridCombo* combo = Combobox();
  bool list = EditControl == edComboList;
  combo->SetDropDownCount(FControlLook.DropDownCount());
  DoGetEditorProp(F.RealCol, F.Row, EditLink());
  combo->SetBounds(F.Rect.Left, F.Rect.Top, 0, 0);
  combo->SetDroppedDown(false);
  combo->SetEnabled(true);
  combo->SetStyle(list ? csDropDownList : csDropDown);
  combo->SetItemHeight(std::max(1, F.Height - 6));
  bool forced = false;
  if (list) {
    combo->SetItemIndex(combo->Items()->IndexOf(GetCellEx(F.RealCol, F.Row)));
    if (FComboIdx == -1 && combo->ItemIndex() < 0) {
      int i = combo->Items()->IndexOf(StripHTMLTags(GetEditText(DisplColIndex(F.RealCol), F.Row)));
      combo->SetItemIndex(i >= 0 ? i : 0);
      forced = combo->Items()->Count() > 0;
    } else if (combo->ItemIndex() < 0) {
      combo->SetItemIndex(FComboIdx);
    }
  } else {
    combo->SetText(GetEditText(DisplColIndex(F.RealCol), F.Row));
    if (FComboIdx != -1 && combo->ItemIndex() < 0) combo->SetItemIndex(FComboIdx);
    combo->SetMaxLength(FMaxComboLength);
  }
  combo->SetBounds(F.Rect.Left, F.Rect.Top, F.Width, F.Height);
  combo->SetColor(F.Color);
  combo->SetVisible(true);
  finishComboShow(combo);
  if (forced) {
    std::string first = combo->Items()->Strings(0);
    if (OnComboChange) OnComboChange(this, F.RealCol, F.Row, 0, first);
    if (OnComboObjectChange) OnComboObjectChange(this, F.RealCol, F.Row, 0, first, combo->Items()->Objects(0));
  }
  EditMode = true;
  EditCtrl = combo;
}

void TExtStringGrid::finishComboShow(TGridCombo* Combo) {
  bool etched = etchedLook(FLook);
  Combo->SetFlat(etched);
  Combo->SetEtched(etched);
  if (FNavigation.AutoComboDropSize()) Combo->SizeDropDownWidth();
  else if (Combo->DropWidth() > 0) Combo->SetDroppedWidth(Combo->DropWidth());
  Combo->SetFocus();
  Combo->SetDroppedDown(FMouseActions.DirectComboDrop() || FControlLook.DropDownAlwaysVisible());
  if (FMouseActions.DirectEdit() && FMouseActions.DirectComboDrop()) {
    TGridRect s = Selection();
    SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
  }
  postStartChar(Combo);
}

void TExtStringGrid::postStartChar(TWinControl* Control) {
  if (FStartEditChar == 0 || !Control) return;
  TWinControl* target = Control;
  if (auto* combo = dynamic_cast<TCustomComboBox*>(Control); combo && combo->EditControl()) target = combo->EditControl();
  if (target->HandleAllocated()) PostMessage(target->Handle(), WM_CHAR, static_cast<unsigned char>(FStartEditChar), 0);
}

void TExtStringGrid::finishCombo(int ARealCol, int ARow) {
  if (!EditMode || !EditCombo) return;
  EditMode = false;
  // A list left with nothing chosen has no value to give: the cell keeps its text.
  if (EditCombo->Style() != csDropDownList || EditCombo->ItemIndex() >= 0)
    StoreEditorValue(ARealCol, ARow, EditCombo->Text());
  EditCombo->SetDroppedDown(false);
  EditCombo->SetVisible(false);
  EditCombo->SetEnabled(false);
}
