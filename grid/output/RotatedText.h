#pragma once
// Where rotated cell text starts so that its bounding box sits in the cell by
// the cell's alignment. The angle is in degrees, counter-clockwise; it is not
// normalised (negative angles count as the first quadrant, angles above 360
// as the fourth).

#include "grid/foundation/ExtObj.h"
#include "toolkit/rtl/Types.h"

// The four projections of an unrotated text extent (X wide, Y high):
// D = |X cos a|, C = |Y sin a|, B = |X sin a|, A = |Y cos a|, each truncated.
struct TRotatedExtent {
  int D = 0, C = 0, B = 0, A = 0;
};
TRotatedExtent RotatedExtent(int X, int Y, int Angle);

// Moves R.Left and R.Top to the text origin; R.Right and R.Bottom stay.
void LayoutRotatedText(TRect& R, TAlignment HAlign, TVAlignment VAlign, int Angle, const TRotatedExtent& E);

// The size the rotated text needs in a cell: its bounding box plus 12 in
// each direction (the same sums the layout places it with).
TPoint RotatedTextSize(int X, int Y, int Angle);
