#include "grid/editing/GridTransEdit.h"

#include "grid/core/ExtGrid.h"

bool StopHeaderEdit(TExtStringGrid* Grid, TWinControl* Editor, int Col, int Row) {
  if (!Grid) {
    Editor->SetVisible(false);
    return true;
  }
  bool valid = true;
  std::string text = Editor->Text();
  if (Grid->OnCellValidate) Grid->OnCellValidate(Grid, Col, Row, text, valid);
  if (!valid) {
    // The cursor can only stand on a header cell's column or row, never on the header itself.
    if (Col >= Grid->FixedCols()) Grid->SetCol(Grid->DisplColIndex(Col));
    if (Row >= Grid->FixedRows()) Grid->SetRow(Row);
    if (Editor->CanFocus()) Editor->SetFocus();
    return false;
  }
  if (Grid->OnEditingDone) Grid->OnEditingDone(Grid);
  Grid->SetCellEx(Col, Row, text);
  Editor->SetVisible(false);
  return true;
}

TGridTransEdit::TGridTransEdit(TComponent* AOwner)
    : TCustomEdit(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner)) {
  SetVisible(false);
}

void TGridTransEdit::DoExit() {
  TCustomEdit::DoExit();
  StopEdit();
}

// Enter neither beeps nor presses a default button.
void TGridTransEdit::KeyPress(char& Key) {
  if (Key == '\r') Key = 0;
  TCustomEdit::KeyPress(Key);
}

TGridTransCombo::TGridTransCombo(TComponent* AOwner)
    : TCustomComboBox(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner)) {
  SetVisible(false);
}

void TGridTransCombo::DoExit() {
  TCustomComboBox::DoExit();
  StopEdit();
}

void TGridTransCombo::KeyPress(char& Key) {
  if (Key == '\r') Key = 0;
  TCustomComboBox::KeyPress(Key);
}
