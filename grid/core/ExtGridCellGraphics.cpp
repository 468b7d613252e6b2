// The string grid's access to cell objects: making, removing and testing the
// one graphic a cell holds. Shared graphics (the grid's row check box, the
// column grid's virtual check box) are recognised by identity and never
// freed with a cell.

#include "grid/core/ExtGrid.h"

bool TExtStringGrid::IsSharedCellGraphic(const TCellGraphic* Graphic) const {
  return Graphic == &FSharedCellGraphic || SharesCellGraphic(Graphic);
}

TCellGraphic* TExtStringGrid::OwnCellGraphic(int ARealCol, int ARow) const {
  if (ARealCol < 0 || ARow < 0) return nullptr;
  auto* g = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ARealCol, ARow));
  return g && !IsSharedCellGraphic(g) ? g : nullptr;
}

TCellGraphic* TExtStringGrid::CreateCellGraphic(int ARealCol, int ARow) {
  auto graphic = std::make_unique<TCellGraphic>();
  // A cell without storage gets it for the moment it takes the graphic.
  bool empty = GetGridCell(ARealCol, ARow).empty();
  if (empty) SetGridCell(ARealCol, ARow, " ");
  SetGraphicObjectEx(ARealCol, ARow, graphic.get(), true);  // frees the cell's own previous graphic
  if (empty) SetGridCell(ARealCol, ARow, "");
  if (NumHiddenColumns() > 0 && DisplColIndex(ARealCol) != ARealCol) RepaintCell(DisplColIndex(ARealCol), ARow);
  return graphic.release();
}

bool TExtStringGrid::RemoveCellGraphic(int ARealCol, int ARow) {
  if (!GetGraphicObjectEx(ARealCol, ARow)) return false;
  SetGraphicObjectEx(ARealCol, ARow, nullptr);
  if (!ComponentState().Contains(csDestroying)) RepaintCell(DisplColIndex(ARealCol), ARow);
  return true;
}

bool TExtStringGrid::RemoveCellGraphicOfType(int ARealCol, int ARow, TCellType AType) {
  TCellGraphic* g = OwnCellGraphic(ARealCol, ARow);
  return g && g->CellType == AType && RemoveCellGraphic(ARealCol, ARow);
}

bool TExtStringGrid::IsCellTypeInSet(int ARealCol, int ARow, TCellTypes Types) {
  if (ARealCol < 0 || ARow < 0) return false;
  TPoint base = BaseCell(ARealCol, ARow);
  return Types.Contains(GetCellType(base.X, base.Y));
}

bool TExtStringGrid::HasClickableControl(int ARealCol, int ARow) {
  return IsCellTypeInSet(ARealCol, ARow,
                         {ctCheckBox, ctDataCheckBox, ctRadio, ctButton, ctVirtCheckBox, ctRowCheckBox,
                          ctRadioButton, ctTriStateCheckBox});
}

bool TExtStringGrid::IsDataControlCell(int ARealCol, int ARow) {
  return IsCellTypeInSet(ARealCol, ARow, {ctDataCheckBox, ctDataImage, ctVirtCheckBox, ctRowCheckBox});
}
