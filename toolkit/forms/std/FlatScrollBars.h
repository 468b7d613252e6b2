#pragma once
// Flat scroll bars: a window's own scroll bars drawn flat ("flat" mode) or
// flat with a thin raised thumb and arrows ("encarta" mode), with their own
// background colour and thickness. InitializeFlatSB turns the service on for
// a window, UninitializeFlatSB gives it back its regular bars; the other
// entry points are those of the window's ordinary scroll bars.

#include "toolkit/forms/WinApi.h"

// Properties of FlatSB_SetScrollProp.
constexpr UINT WSB_PROP_CYVSCROLL = 0x1;
constexpr UINT WSB_PROP_CXHSCROLL = 0x2;
constexpr UINT WSB_PROP_CYHSCROLL = 0x4;
constexpr UINT WSB_PROP_CXVSCROLL = 0x8;
constexpr UINT WSB_PROP_VBKGCOLOR = 0x40;
constexpr UINT WSB_PROP_HBKGCOLOR = 0x80;
constexpr UINT WSB_PROP_VSTYLE = 0x100;
constexpr UINT WSB_PROP_HSTYLE = 0x200;
// Modes of WSB_PROP_VSTYLE and WSB_PROP_HSTYLE.
constexpr int FSB_REGULAR_MODE = 0;
constexpr int FSB_ENCARTA_MODE = 1;
constexpr int FSB_FLAT_MODE = 2;

bool InitializeFlatSB(HWND h);
void UninitializeFlatSB(HWND h);
// False when the service is not on for the window or the property is not one of the above.
bool FlatSB_SetScrollProp(HWND h, UINT Index, intptr_t Value, bool Redraw);
bool FlatSB_GetScrollProp(HWND h, UINT Index, intptr_t& Value);

inline int FlatSB_SetScrollInfo(HWND h, int Bar, const TScrollInfo& Info, bool Redraw) {
  return SetScrollInfo(h, Bar, Info, Redraw);
}
inline bool FlatSB_GetScrollInfo(HWND h, int Bar, TScrollInfo& Info) { return GetScrollInfo(h, Bar, Info); }
inline int FlatSB_SetScrollPos(HWND h, int Bar, int Pos, bool Redraw) { return SetScrollPos(h, Bar, Pos, Redraw); }
inline int FlatSB_GetScrollPos(HWND h, int Bar) { return GetScrollPos(h, Bar); }
inline bool FlatSB_SetScrollRange(HWND h, int Bar, int Min, int Max, bool Redraw) {
  return SetScrollRange(h, Bar, Min, Max, Redraw);
}
inline bool FlatSB_GetScrollRange(HWND h, int Bar, int& Min, int& Max) { return GetScrollRange(h, Bar, Min, Max); }
inline bool FlatSB_ShowScrollBar(HWND h, int Bar, bool Show) { return ShowScrollBar(h, Bar, Show); }
inline bool FlatSB_EnableScrollBar(HWND h, int Bar, UINT Arrows) { return EnableScrollBar(h, Bar, Arrows); }
