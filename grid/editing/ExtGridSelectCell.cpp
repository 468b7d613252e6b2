// Cell selection: every move of the cursor asks SelectCell, which refuses
// cells that may not become current, switches editing on or off for the
// target cell, validates an edit still running in a special editor, fires
// the change events and repaints what depends on the current cell.

#include "grid/core/ExtGrid.h"
#include "grid/editing/ExtInplaceEdit.h"

void TExtStringGrid::CanChangeCell(int ACol, int ARow, bool& Allow) {
  if (ARow != Row() && OnRowChanging) OnRowChanging(this, Row(), ARow, Allow);
  if (ACol != Col() && OnColChanging) OnColChanging(this, Col(), ACol, Allow);
  if ((ACol != Col() || ARow != Row()) && OnCellChanging && !FDisableChange)
    OnCellChanging(this, Row(), Col(), ARow, ACol, Allow);
}

void TExtStringGrid::setEditingOption(bool On) {
  TGridOptions o = Options();
  if (On) o.Include(goEditing);
  else o.Exclude(goEditing);
  FEditChange = true;
  SetOptions(o);
}

// Switches the framework's editing on or off as the target cell allows.
void TExtStringGrid::switchEditingFor(int ADisplCol, int ARow, std::string& T) {
  int rc = RealColIndex(ADisplCol);
  bool editing = Options().Contains(goEditing);
  auto endRunningEdit = [&] {
    if (!FEditing) return;
    HideInplaceEdit();
    T = GetCellEx(rc, ARow);
  };
  if (HasClickableControl(rc, ARow)) {
    bool ce = true;
    CanEditCell(rc, ARow, ce);
    if (!FEditDisable) FEditDisable = !ce && (editing || FMouseActions.RangeSelectAndEdit());
    if (!editing && !Options().Contains(goRowSelect) && ce) setEditingOption(true);
    return;
  }
  bool ce = editing || FEditDisable;
  CanEditCell(rc, ARow, ce);
  if (ce && FMouseActions.DirectEdit()) {
    EditControl = FDefaultEditor;
    if (HasNoEditor(rc, ARow)) ce = false;
  }
  if (FMouseActions.EditOnDblClickOnly()) ce = false;
  if (ce) {
    FEditDisable = false;
    if (!editing) {
      if (!FEditing) RememberCurrentCell(ADisplCol, ARow);
      if (Options().Contains(goRowSelect) && FMouseActions.RangeSelectAndEdit()) {
        TGridOptions o = Options();
        o.Exclude(goRowSelect);
        SetOptions(o);
      }
      setEditingOption(true);
    }
    endRunningEdit();
    return;
  }
  endRunningEdit();
  if (Options().Contains(goEditing)) {
    EditMode = false;
    FEditDisable = true;
    setEditingOption(false);
    SetEditorMode(false);
  }
}

bool TExtStringGrid::SelectCell(int ACol, int ARow) {
  if (FForceSel) return true;
  if (!Parent()) return true;
  bool result = false;
  bool allow = true;
  FEditText = GetCellEx(RealColIndex(ACol), ARow);
  if (ACol < 0 || ARow < 0) return false;
  if (!Options().Contains(goRangeSelect) && IsMergedNonBaseCell(RealColIndex(ACol), ARow)) {
    TPoint b = BaseCell(RealColIndex(ACol), ARow);
    MoveColRow(DisplColIndex(b.X), b.Y, true, true);
    RepaintCell(DisplColIndex(b.X), b.Y);
    if (FMouseActions.DirectEdit() || (FControlLook.DropDownAlwaysVisible() && HasCombo(b.X, b.Y))) ShowEditor();
    return false;
  }
  int oldCol = Col(), oldRow = Row();
  std::string t = GetCellEx(RealColIndex(ACol), ARow);
  TExtInplaceEdit* ed = NormalEdit();
  bool editorFocused = ed && ed->HandleAllocated() && ed->Focused();
  switchEditingFor(ACol, ARow, t);
  if (!FEditing || editorFocused) {
    CanChangeCell(ACol, ARow, allow);
    if (IsFixed(ACol, ARow) || !allow)
      result = (allow && Options().Contains(goRowSelect)) || (FFixedRowAlways && RowCount() == FixedRows());
    else
      result = TBaseGrid::SelectCell(ACol, ARow);
  } else {
    std::string saved = FCellCache;
    result = ValidateCell(GetCurrentCell());
    CanChangeCell(ACol, ARow, allow);
    if (!allow) result = false;
    if (result) result = TBaseGrid::SelectCell(ACol, ARow);
    if (!result) t = saved;
  }
  if (FISelect && result) FISelect->CellSelected(ACol, ARow);
  if (ActiveCellShow()) {
    RepaintHeaderCells(oldCol, oldRow, ACol, ARow);
    const TGridRect sel = Selection();
    if (sel.Left != oldCol && sel.Top != oldRow) RepaintHeaderCells(sel.Left, sel.Top, sel.Left, sel.Top);
  }
  if (ActiveRowShow()) {
    InvalidateRow(ARow);
    InvalidateRow(oldRow);
  }
  if (!ComponentState().Contains(csLoading) && ARow != FOldRowSel && OnRowChanged) {
    OnRowChanged(this, FOldRowSel, ARow);
    FOldRowSel = ARow;
  }
  FCellCache = t;
  return result;
}
