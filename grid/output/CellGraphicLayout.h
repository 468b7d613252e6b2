#pragma once
// Where a cell's graphic goes and whether its text is drawn beside it.

#include "grid/core/CellGraphic.h"

struct TCellGraphicLayout {
  TCellGraphic* Graphic = nullptr;
  int Width = 0;
  int Height = 0;
  TCellHAlign HAlign = haLeft;
  TCellVAlign VAlign = vaTop;
  bool ShowText = true;
};
