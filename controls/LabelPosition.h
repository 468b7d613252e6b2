#pragma once
// Where an editor control's attached caption label stands, and the label's
// top-left corner for a control's bounds.

#include "toolkit/rtl/Types.h"

// The last value keeps its stored name.
enum TLabelPosition {
  lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
  lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom
};

// Control is the control's bounds; TextWidth the caption's measured width,
// LabelSize the label's own size, Margin the gap. Divisions truncate.
TPoint LabelOrigin(TLabelPosition Position, const TRect& Control, int TextWidth, TPoint LabelSize, int Margin);
