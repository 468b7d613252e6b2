#pragma once
// The state one cell's drawing carries from layer to layer; shared by the
// painting files of the string grid only.

#include "grid/core/ExtGrid.h"

// What one cell's drawing carries from layer to layer.
struct TExtStringGrid::TCellPaint {
  TCanvas* Canvas = nullptr;
  int ACol = 0, RCol = 0, ARow = 0;
  TGridDrawState State;
  TRect R;
  TColor ColorTo = clNone, Mirror = clNone, MirrorTo = clNone;
  TAlignment HA = taLeftJustify;
  TVAlignment VA = vtaTop;
  bool WordWrap = true;
  TCellGradientDirection GD = GradientVertical;
  TCellGraphicLayout Layout;
  TColor BrushColor = clNone, FontColor = clNone;
  bool FixedFace = false;
  bool FilterButton = false;  // a header cell of the filter row whose column offers values
  int TextWidth = 0;
  int IndicatorShift = 0;  // the row indicator's room at the left
  int ScrollPos = 0;       // how far the text of a scroll-bar cell is scrolled up
};
