// Editing of fixed (header) cells: the click that opens it, the editor kind
// and list the application may choose, and the editor placed over the cell.

#include "grid/core/ExtGrid.h"
#include "grid/editing/GridEditorControls.h"
#include "grid/editing/GridTransEdit.h"

bool TExtStringGrid::HeaderEditing() const {
  return (EditTrans && EditTrans->Visible()) || (ComboTrans && ComboTrans->Visible());
}

void TExtStringGrid::FixedCellEditChange(TObject* Sender) {
  auto* editor = dynamic_cast<TWinControl*>(Sender);
  if (editor && OnEditChange) OnEditChange(this, FFixedColEdit, FFixedRowEdit, editor->Text());
}

// ACol is displayed. A running header edit ends first; when its text is
// refused, that edit goes on and no other starts.
void TExtStringGrid::StartEditOnClick(int ACol, int ARow) {
  if (EditTrans && EditTrans->Visible() && !EditTrans->StopEdit()) return;
  if (ComboTrans && ComboTrans->Visible() && !ComboTrans->StopEdit()) return;
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
  bool canEdit = true;
  DoCanEditCell(ACol, ARow, canEdit);
  if (!canEdit) return;
  FFixedColEdit = ACol;
  FFixedRowEdit = ARow;
  // Column 0 alone takes the fixed columns' editor.
  TGridFixedCellEditor kind = ACol == 0 ? MouseActions()->FixedColsEditor() : MouseActions()->FixedRowsEditor();
  TGridTransCombo* combo = HeaderCombo();
  combo->Items()->Assign(MouseActions()->FixedComboValues());
  DoFixedEdit(ACol, ARow, kind, combo->Items());
  TRect r = CellRect(ACol, ARow);
  InflateRect(r, -1, -1);
  int realCol = RealColIndex(ACol);
  std::string text = GetCellEx(realCol, ARow);
  TWinControl* editor = nullptr;
  if (kind == fceEdit) {
    TGridTransEdit* e = HeaderEdit();
    e->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    e->SetText(text);
    e->SetCol(realCol);
    e->SetRow(ARow);
    editor = e;
  } else {
    combo->SetBounds(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height());
    combo->SetStyle(kind == fceComboEdit ? csDropDown : csDropDownList);
    combo->SetItemIndex(combo->Items()->IndexOf(text));
    if (kind == fceComboEdit) combo->SetText(text);
    combo->SetCol(realCol);
    combo->SetRow(ARow);
    editor = combo;
  }
  editor->SetEnabled(true);
  editor->SetVisible(true);
  editor->BringToFront();
  if (editor->CanFocus()) editor->SetFocus();
}

// A left (right) press on a fixed cell whose edit opens by that click; a
// left press near a sizable border is left to the sizing.
bool TExtStringGrid::editHeaderByPress(TMouseButton Button, int X, int Y, int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return false;
  bool inRow = ARow < TCustomGrid::FixedRows(), inCol = ACol < TCustomGrid::FixedCols();
  TGridFixedCellEdit want = Button == mbLeft ? fceLeftClick : Button == mbRight ? fceRightClick : fceNone;
  if (want == fceNone) return false;
  bool byRow = inRow && MouseActions()->FixedRowsEdit() == want;
  bool byCol = !byRow && inCol && MouseActions()->FixedColsEdit() == want;
  if (!byRow && !byCol) return false;
  if (want == fceLeftClick && Options().Contains(byRow ? goColSizing : goRowSizing)) {
    TRect inner = CellRect(ACol, ARow);
    InflateRect(inner, -4, -4);
    if (!inner.Contains(TPoint{X, Y})) return false;
  }
  StartEditOnClick(ACol, ARow);
  return true;
}
