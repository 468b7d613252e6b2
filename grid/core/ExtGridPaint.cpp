// Display text and the last-row notification of the string grid; the cell
// painting itself lives with the output code (grid/output).

#include "grid/core/ExtGrid.h"

void TExtStringGrid::GetDisplText(int ACol, int ARow, std::string& Value) const {
  TBaseGrid::GetDisplText(ACol, ARow, Value);
}

// The floating footer follows the last row; the data code repaints it.
void TExtStringGrid::LastRowChanged() {
  TBaseGrid::LastRowChanged();
  UpdateFooter();
}
