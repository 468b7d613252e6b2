#pragma once
// The pictures on the program's buttons, drawn in code so that they need no
// files: one cell each, on a background whose colour (the bottom-left pixel)
// does not paint.

#include "toolkit/graphics/Bitmap.h"

enum TAppGlyph {
  agNone, agNew, agOpen, agParams, agReceive, agTransmit, agGSD, agUpdate, agInfo, agOptions, agClose, agOK,
  agCancel, agPrev, agNext, agCheck,
  // the table editors: rows out and in, group boxes folded and unfolded
  agDelRow, agInsRow, agCollapse, agExpand
};

// Size: 24 for step and dialog buttons, 40 for the main window's icon buttons.
void Draw_App_Glyph(TBitmap& Bitmap, TAppGlyph Glyph, int Size);
