#pragma once
// The small buttons inside the in-place editors: their drawing, where they
// stand in the edit, where the text stops before them, and the least height
// of an edit that holds one.

#include "controls/ButtonColors.h"
#include "toolkit/graphics/Canvas.h"

class TFont;

// A flat face in Face with a black arrow pointing in Direction.
void PaintColouredArrowButton(TCanvas* Canvas, const TRect& R, TColor Face, TButtonDirection Direction);
// The themed spin arrow; false when the theme has no "spin" class (themes off).
bool PaintThemedSpinArrow(TCanvas* Canvas, const TRect& R, TButtonDirection Direction, bool Down, bool Hot,
                          bool Enabled);
// The button along the right edge of an edit's client area, inside its border.
TRect InnerButtonRect(const TRect& Client, int ButtonWidth, bool SingleBorder);
// The text's rectangle: inside the border, RightReserve pixels kept free on the right.
TRect InnerTextRect(const TRect& Client, int RightReserve, bool SingleBorder);
// The font's character height plus a quarter of the smaller of it and the
// default font's height, plus 2; with a single border also four border widths.
int EditMinHeight(const TFont* Font, bool SingleBorder);
// The shortest interval a repeating button asks for: shorter ones would
// flood the queue with clicks.
constexpr uint32_t kMinimumRepeatInterval = 10;
// A repeat interval, never below that minimum.
uint32_t RepeatInterval(uint32_t Ms);
