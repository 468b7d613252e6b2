#pragma once
// The grid drop-down as a cell editor of the grid: the one place that knows
// both the grid's editing and the drop-down whose popup is a grid.

#include <string>

#include "grid/dropdown/ExtCustomGridDropDown.h"
#include "grid/editing/GridDropDowns.h"

class TGridExtGridDropDown : public TGridDropDownEditor<TCustomExtGridDropDown> {
public:
  explicit TGridExtGridDropDown(TComponent* AOwner);
  std::string ClassName() const override { return "TGridExtGridDropDown"; }
  // The drop-down's popup grid.
  TExtStringGrid* HostedGrid() const { return Grid(); }
};
