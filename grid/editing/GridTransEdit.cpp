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

// The grid is stored without a test: a header editor without one only hides.
TExtStringGrid* HeaderEditorGridOf(TComponent* AOwner) { return dynamic_cast<TExtStringGrid*>(AOwner); }

void HeaderEditorChanged(TExtStringGrid* Grid, TWinControl* Editor) {
  if (Grid) Grid->FixedCellEditChange(Editor);
}
