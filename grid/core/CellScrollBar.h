#pragma once
// The one bar a string grid shows over its hovered scroll-bar cell: a
// framework scroll bar kept apart from the grid's header (whose names it
// would clash with), driven through these few calls.

#include <functional>

#include "toolkit/rtl/Types.h"

class TWinControl;

// A hidden vertical bar owned and parented by Grid; OnScroll gets the
// scroll code (SB_LINEUP ...) and the proposed position, and may change it.
TWinControl* NewCellScrollBar(TWinControl* Grid, std::function<void(int Code, int& Pos)> OnScroll);
void SetCellScrollBarRange(TWinControl* Bar, int Pos, int Min, int Max, int PageSize);
// The bar along the right edge of Cell, inside the grid lines (LineWidth).
void PlaceCellScrollBar(TWinControl* Bar, const TRect& Cell, int LineWidth);
