// In-place editing of the string grid: the framework grid's editor hooks
// and the grid's own editing entries. The editing code builds the editor
// dispatch on these.

#include "grid/core/ExtGrid.h"

bool TExtStringGrid::CanEditShow() { return TBaseGrid::CanEditShow(); }

TInplaceEdit* TExtStringGrid::CreateEditor() { return TBaseGrid::CreateEditor(); }

std::string TExtStringGrid::GetEditText(int ACol, int ARow) { return Cells(RealColIndex(ACol), ARow); }

void TExtStringGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
  SetEditTextCell(RealColIndex(ACol), ARow, Value);
}

std::string TExtStringGrid::GetEditMask(int ACol, int ARow) {
  std::string mask = TBaseGrid::GetEditMask(ACol, ARow);
  return mask.empty() ? FEditMask : mask;
}

int TExtStringGrid::GetEditLimit() { return FMaxEditLength; }

bool TExtStringGrid::SelectCell(int ACol, int ARow) { return TBaseGrid::SelectCell(ACol, ARow); }

void TExtStringGrid::SetEditTextCell(int ARealCol, int ARow, const std::string& Value) {
  SetCells(ARealCol, ARow, Value);
}

void TExtStringGrid::PasteInCell(int ARealCol, int ARow, const std::string& Value) {
  SetCells(ARealCol, ARow, Value);
}

// Editable: the can-edit hook says so for the cell, fixed cells never.
bool TExtStringGrid::IsEditable(int ARealCol, int ARow) {
  if (IsFixed(RealToDisplColumn(ARealCol), ARow)) return false;
  bool can = true;
  CanEditCell(ARealCol, ARow, can);
  return can;
}
