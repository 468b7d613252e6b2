#pragma once
// Drawing shared by the standard controls: each piece uses the theme painter
// while themes are active and the classic 3-D look otherwise.

#include <string>

#include "platform/theme/ThemeParts.h"
#include "toolkit/graphics/Canvas.h"

enum TButtonPaintState { bpsNormal, bpsHot, bpsPressed, bpsDisabled, bpsDefault };
enum TCheckPaintState { cpsUnchecked, cpsChecked, cpsMixed };
enum TArrowGlyphDirection { adUp, adDown, adLeft, adRight };

// True when the named theme class drew the part (themes on, known part).
bool DrawThemed(TCanvas* Canvas, const char* ThemeClass, int Part, int State, const TRect& R);

// The sunken white field of edits, list boxes and combo boxes; R shrinks to the inside.
void DrawFieldFrame(TCanvas* Canvas, TRect& R, bool Enabled, bool Focused, bool ReadOnly = false);
void DrawPushButtonFace(TCanvas* Canvas, const TRect& R, TButtonPaintState State, bool Focused);
void DrawCheckGlyph(TCanvas* Canvas, const TRect& R, TCheckPaintState Check, bool Radio, bool Pressed, bool Enabled);
void DrawComboButton(TCanvas* Canvas, const TRect& R, bool Pressed, bool Enabled);
void DrawScrollArrow(TCanvas* Canvas, const TRect& R, TArrowGlyphDirection Dir, bool Pressed, bool Enabled);
// A small filled triangle pointing in Dir, centred in R.
void DrawArrowGlyph(TCanvas* Canvas, const TRect& R, TArrowGlyphDirection Dir, TColor Color);
// A caption with "&" prefixes; disabled text is embossed in the classic way.
void DrawCaption(TCanvas* Canvas, const std::string& Text, TRect R, uint32_t Flags, bool Enabled);
void DrawFocusFrame(TCanvas* Canvas, const TRect& R);
