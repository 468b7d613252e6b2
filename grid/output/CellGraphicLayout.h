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

// The box of a W x H graphic in the cell area R by the graphic's own
// alignment; TextHA and TextWidth (the drawn text's width plus 2, 0 without
// text) place the graphics that go before or after the text.
TRect PlaceGraphicBox(const TRect& R, int W, int H, TCellHAlign HA, TCellVAlign VA, TAlignment TextHA,
                      int TextWidth);
// The left edge of a check box or radio button: by the text alignment, with
// room for the text beside it (WithText) when the text is drawn.
int PlaceCheckLeft(const TRect& R, int W, TAlignment TextHA, int TextWidth, bool WithText);

// The share of a level progress cell's range its value has reached, in
// percent, kept within 0..100 (a value outside the range shows an empty or
// a full bar); an empty range (maximum equal to minimum) shows an empty bar.
int LevelProgressPercent(int Value, int Min, int Max);
