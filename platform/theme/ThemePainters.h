#pragma once
// One painter per theme class; each answers false for a part or state it
// does not have (and then draws nothing).

#include "platform/theme/Theme.h"

bool PaintButtonClass(cairo_t* cr, int part, int state, const TThemeRect& r);
bool PaintComboBoxClass(cairo_t* cr, int part, int state, const TThemeRect& r);
bool PaintSpinClass(cairo_t* cr, int part, int state, const TThemeRect& r);
bool PaintHeaderClass(cairo_t* cr, int part, int state, const TThemeRect& r);
bool PaintProgressClass(cairo_t* cr, int part, int state, const TThemeRect& r);
bool PaintScrollBarClass(cairo_t* cr, int part, int state, const TThemeRect& r);
bool PaintEditClass(cairo_t* cr, int part, int state, const TThemeRect& r);
bool PaintTabClass(cairo_t* cr, int part, int state, const TThemeRect& r);
