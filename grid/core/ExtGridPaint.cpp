// Painting entries of the string grid. The painting code builds the cell
// painter, looks and visual properties on these; until then they are the
// base grid's.

#include "grid/core/ExtGrid.h"

void TExtStringGrid::Paint() { TBaseGrid::Paint(); }

void TExtStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  TBaseGrid::DrawCell(ACol, ARow, ARect, AState);
}

void TExtStringGrid::DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  TBaseGrid::DrawCellContent(ACanvas, ACol, ARow, ARect, AState);
}

void TExtStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                         bool Remap, TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                         TColor& AMirrorColorTo, TFont* AFont, TAlignment& HA, TVAlignment& VA,
                                         bool& WW, TCellGradientDirection& GD) {
  TBaseGrid::GetVisualProperties(ACol, ARow, AState, Print, Select, Remap, ABrush, AColorTo, AMirrorColor,
                                 AMirrorColorTo, AFont, HA, VA, WW, GD);
}

void TExtStringGrid::GetDisplText(int ACol, int ARow, std::string& Value) const {
  TBaseGrid::GetDisplText(ACol, ARow, Value);
}

// The floating footer follows the last row; the data code repaints it.
void TExtStringGrid::LastRowChanged() { TBaseGrid::LastRowChanged(); }
