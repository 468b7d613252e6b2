#pragma once
// Flat scroll bars: the framework's code may ask for them by these names;
// here they are the window's ordinary scroll bars, drawn in the one look.

#include "toolkit/forms/WinApi.h"

inline bool InitializeFlatSB(HWND) { return true; }
inline void UninitializeFlatSB(HWND) {}
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
// Look properties (colours, widths, flat or encarta style) have one look here.
inline bool FlatSB_SetScrollProp(HWND, UINT, intptr_t, bool) { return true; }
