// Expandable cells: a ctExpand graphic switches its row between two
// heights. CellVar holds the state (true: expanded), CellAngle the expanded
// height and CellIndex the contracted one. A merged cell answers through
// its base cell.

#include <variant>

#include "grid/core/ExtGrid.h"

namespace {
bool stateOf(const TCellGraphic* G) {
  if (const int* i = std::get_if<int>(&G->CellVar)) return *i != 0;
  return false;
}
}  // namespace

bool TExtStringGrid::HasExpand(int ARealCol, int ARow) {
  TPoint b = BaseCell(ARealCol, ARow);
  return GetCellType(b.X, b.Y) == ctExpand;
}

void TExtStringGrid::AddExpand(int ARealCol, int ARow, int ExpandedHeight) {
  if (ARow < 0 || ARow >= RowCount()) return;
  TCellGraphic* g = CreateCellGraphic(ARealCol, ARow);
  g->CellType = ctExpand;
  g->CellAngle = ExpandedHeight;
  g->CellVar = 0;
  g->CellIndex = RowHeights(ARow);
}

void TExtStringGrid::RemoveExpand(int ARealCol, int ARow) { RemoveCellGraphicOfType(ARealCol, ARow, ctExpand); }

bool TExtStringGrid::ToggleExpand(int ARealCol, int ARow) {
  TPoint b = BaseCell(ARealCol, ARow);
  TCellGraphic* g = GetCellGraphic(b.X, b.Y);
  if (!g || g->CellType != ctExpand) return false;
  g->CellVar = stateOf(g) ? 0 : 1;
  return stateOf(g);
}

bool TExtStringGrid::GetExpandState(int ARealCol, int ARow) {
  TPoint b = BaseCell(ARealCol, ARow);
  TCellGraphic* g = GetCellGraphic(b.X, b.Y);
  return g && g->CellType == ctExpand && stateOf(g);
}

int TExtStringGrid::GetExpandHeight(int ARealCol, int ARow, bool Expanded) {
  TPoint b = BaseCell(ARealCol, ARow);
  TCellGraphic* g = GetCellGraphic(b.X, b.Y);
  if (!g || g->CellType != ctExpand) return DefaultRowHeight();
  return Expanded ? g->CellAngle : g->CellIndex;
}
