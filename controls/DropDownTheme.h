#pragma once
// The drop-down controls' use of the theme library: whether visual styles
// are on, and one themed part drawn on a canvas.

#include "toolkit/forms/Controls.h"

// The library is bound on first use; false without it or with styles off.
bool DropDownThemed();
void DrawDropDownThemePart(TCanvas* Canvas, HWND Window, const char* ThemeClass, int Part, int State,
                           const TRect& Rect);
