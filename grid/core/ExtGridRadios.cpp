// Radio buttons (one per cell, exclusive within a column when clicked) and
// radio groups (several options in one cell, advanced by the Space key).

#include "grid/core/ExtGrid.h"
#include "toolkit/rtl/Exceptions.h"

void TExtStringGrid::AddRadioButton(int ARealCol, int ARow, bool State) {
  checkAddIndexes(ARealCol, ARow);
  CreateCellGraphic(ARealCol, ARow)->SetRadioButton(State, true, haBeforeText, ControlVAlign());
}

void TExtStringGrid::RemoveRadioButton(int ARealCol, int ARow) {
  RemoveCellGraphicOfType(ARealCol, ARow, ctRadioButton);
}

bool TExtStringGrid::HasRadioButton(int ARealCol, int ARow) {
  return IsCellTypeInSet(ARealCol, ARow, {ctRadioButton});
}

bool TExtStringGrid::IsRadioButtonChecked(int ARealCol, int ARow) {
  TCellGraphic* g = baseGraphicOf(ARealCol, ARow, ctRadioButton);
  return g && g->CellBoolean;
}

bool TExtStringGrid::SetRadioButtonState(int ARealCol, int ARow, bool State) {
  TCellGraphic* g = baseGraphicOf(ARealCol, ARow, ctRadioButton);
  if (!g) return false;
  if (g->CellBoolean != State) {
    g->CellBoolean = State;
    RepaintCell(DisplColIndex(ARealCol), ARow);
  }
  return true;
}

void TExtStringGrid::AddRadioButtonColumn(int ARealCol) {
  for (int r = FixedRows(); r < RowCount(); ++r) AddRadioButton(ARealCol, r, false);
}

void TExtStringGrid::RemoveRadioButtonColumn(int ARealCol) {
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (HasRadioButton(ARealCol, r)) RemoveRadioButton(ARealCol, r);
}

void TExtStringGrid::SetRadioButtonColumnIndex(int ARealCol, int Index) {
  for (int r = FixedRows(); r < RowCount(); ++r) SetRadioButtonState(ARealCol, r, r == Index);
}

int TExtStringGrid::GetRadioButtonColumnIndex(int ARealCol) {
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (IsRadioButtonChecked(ARealCol, r)) return r;
  return -1;
}

bool TExtStringGrid::ClickRadioButton(int ARealCol, int ARow, bool AskCanEdit) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  if (!g || g->CellType != ctRadioButton) return false;
  if (AskCanEdit && !FControlLook.CheckAlwaysActive()) {
    bool canEdit = true;
    CanEditCell(ARealCol, ARow, canEdit);
    if (!canEdit) return false;
  }
  if (g->CellBoolean) return true;
  g->CellBoolean = true;
  RepaintCell(DisplColIndex(ARealCol), ARow);
  for (int r = 0; r < RowCount(); ++r) {
    if (r == ARow) continue;
    TCellGraphic* other = OwnCellGraphic(ARealCol, r);
    if (other && other->CellType == ctRadioButton && other->CellBoolean) {
      other->CellBoolean = false;
      RepaintCell(DisplColIndex(ARealCol), r);
    }
  }
  return true;
}

void TExtStringGrid::ToggleRadio(int ARealCol, int ARow) {
  if (!ClickRadioButton(ARealCol, ARow, true)) AdvanceRadioGroup(ARealCol, ARow, true);
}

// ---- radio groups ----

void TExtStringGrid::AddRadio(int ARealCol, int ARow, int DirRadio, int IdxRadio, TStrings* sl) {
  TCellGraphic* g = CreateCellGraphic(ARealCol, ARow);
  g->CellType = ctRadio;
  g->CellAngle = sl ? sl->Count() : 0;
  g->CellBoolean = DirRadio != 0;
  g->CellIndex = IdxRadio;
  g->CellBitmap = sl;
}

TStrings* TExtStringGrid::CreateRadio(int ARealCol, int ARow, int DirRadio, int IdxRadio) {
  auto* sl = new TStringList;
  AddRadio(ARealCol, ARow, DirRadio, IdxRadio, nullptr);
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  g->CellBitmap = sl;
  g->CellCreated = true;
  return sl;
}

bool TExtStringGrid::GetRadioIdx(int ARealCol, int ARow, int& IdxRadio) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  if (!g || g->CellType != ctRadio) return false;
  IdxRadio = g->CellIndex;
  return true;
}

// Only a radio group's own graphic takes the index.
bool TExtStringGrid::SetRadioIdx(int ARealCol, int ARow, int IdxRadio) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  if (!g || g->CellType != ctRadio) return false;
  g->CellIndex = IdxRadio;
  if (IdxRadio == -1) SetCells(ARealCol, ARow, "");
  RepaintCell(DisplColIndex(ARealCol), ARow);
  return true;
}

TStrings* TExtStringGrid::GetRadioStrings(int ARealCol, int ARow) {
  TCellGraphic* g = baseGraphicOf(ARealCol, ARow, ctRadio);
  return g ? g->Strings() : nullptr;
}

bool TExtStringGrid::IsRadio(int ARealCol, int ARow) { return IsCellTypeInSet(ARealCol, ARow, {ctRadio}); }
void TExtStringGrid::RemoveRadio(int ARealCol, int ARow) { RemoveCellGraphicOfType(ARealCol, ARow, ctRadio); }

void TExtStringGrid::AdvanceRadioGroup(int ARealCol, int ARow, bool AskCanEdit) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  if (!g || g->CellType != ctRadio) return;
  TStrings* options = g->Strings();
  int count = options ? options->Count() : 0;
  if (count == 0) return;  // nothing to choose from
  if (AskCanEdit && !FControlLook.RadioAlwaysActive()) {
    bool canEdit = true;
    CanEditCell(ARealCol, ARow, canEdit);
    if (!canEdit) return;
  }
  int next = g->CellIndex >= 0 ? g->CellIndex + 1 : options->IndexOf(Cells(ARealCol, ARow)) + 1;
  if (next >= count) next = 0;
  if (g->CellIndex >= -1) g->CellIndex = next;
  g->CellVar = next;
  SetCells(ARealCol, ARow, options->Strings(next));
}
