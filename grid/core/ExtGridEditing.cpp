// The edit mask and limit of the text editor, and the writes of edited and
// pasted text into a cell. The editor dispatch is in grid/editing/.

#include "grid/core/ExtGrid.h"

std::string TExtStringGrid::GetEditMask(int ACol, int ARow) {
  std::string mask = TBaseGrid::GetEditMask(ACol, ARow);
  return mask.empty() ? FEditMask : mask;
}

int TExtStringGrid::GetEditLimit() { return FMaxEditLength; }

void TExtStringGrid::SetEditTextCell(int ARealCol, int ARow, const std::string& Value) {
  SetCells(ARealCol, ARow, Value);
}

void TExtStringGrid::PasteInCell(int ARealCol, int ARow, const std::string& Value) {
  SetCells(ARealCol, ARow, Value);
}
