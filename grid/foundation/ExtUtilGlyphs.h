#pragma once
// Glyphs of grid cells: drop-down, push and spin buttons in four looks
// (themed, classic, flat, Office tones), transparent bitmaps, the red wavy
// error underline, and optional access to the layered-window calls.

#include <cstdint>
#include <string>

#include "grid/foundation/ExtStyleIF.h"
#include "toolkit/graphics/Colors.h"
#include "toolkit/rtl/Types.h"

class TCanvas;
class TBitmap;
class TWinControl;

// Kind: 0 themed, 1 classic, 2 flat, 3 Office. State: 0 normal, 1 hot, 2 down, 3 disabled.
void DrawComboButton(TCanvas* Canvas, HWND Window, const TRect& Rect, uint8_t Kind, uint8_t State,
                     const TColorTones& Tones);
void DrawPushButton(TCanvas* Canvas, HWND Window, const TRect& Rect, uint8_t Kind, uint8_t State,
                    const TColorTones& Tones);
void DrawSpinButtons(TCanvas* Canvas, HWND Window, const TRect& Rect, uint8_t Kind, uint8_t State,
                     const TColorTones& Tones);
void DrawSmallDownArrow(TCanvas* Canvas, int X, int Y, TColor Color);
// The pixels in the bitmap's own transparent colour (automatic: its
// bottom-left pixel; or the colour it was given) let the canvas show through.
void DrawBitmapTransparent(TCanvas* Canvas, TBitmap* Bitmap, int X, int Y);
// The colour of the bitmap's top-left pixel shows BackColor.
void DrawTransparentBitmap(TCanvas* Canvas, TBitmap* Bitmap, TColor BackColor, const TRect& Rect);
void DrawResourceBitmap(TCanvas* Canvas, TColor BackColor, const TRect& Rect, const std::string& ResourceName);
// From is 0-based; character positions are measured in the owner's font.
void DrawErrorUnderline(TWinControl* Owner, TCanvas* Canvas, const std::string& Text, const TRect& Rect, int Offset,
                        int From, int Length);

// False when the platform has no such function (nothing happens then).
struct TBlendFunction;
bool CallUpdateLayeredWindow(HWND hWnd, void* hdcDst, const TPoint* pptDst, const TSize* psize, void* hdcSrc,
                             const TPoint* pptSrc, TColor crKey, const TBlendFunction* pblend, uint32_t dwFlags);
bool CallSetLayeredWindowAttributes(HWND hWnd, TColor crKey, uint8_t bAlpha, uint32_t dwFlags);
