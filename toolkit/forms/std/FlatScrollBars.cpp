#include "toolkit/forms/std/FlatScrollBars.h"

#include <algorithm>

#include "toolkit/forms/WindowManager.h"

namespace {

void frameChanged(TWindowRecord* Rec) {
  if (Rec->Control) Rec->Control->FrameChanged();
  Rec->FrameDirty = true;
}

}  // namespace

bool InitializeFlatSB(HWND h) {
  TWindowRecord* rec = wm::Find(h);
  if (!rec) return false;
  rec->FlatScroll = true;
  return true;
}

void UninitializeFlatSB(HWND h) {
  TWindowRecord* rec = wm::Find(h);
  if (!rec || !rec->FlatScroll) return;
  rec->FlatScroll = false;
  for (int b = 0; b < 2; ++b) {
    rec->ScrollMode[b] = FSB_REGULAR_MODE;
    rec->ScrollBack[b] = clNone;
    rec->ScrollSize[b] = 0;
  }
  frameChanged(rec);
}

bool FlatSB_SetScrollProp(HWND h, UINT Index, intptr_t Value, bool Redraw) {
  TWindowRecord* rec = wm::Find(h);
  if (!rec || !rec->FlatScroll) return false;
  const int v = static_cast<int>(Value);
  switch (Index) {
    case WSB_PROP_CXVSCROLL: rec->ScrollSize[SB_VERT] = std::max(v, 0); break;
    case WSB_PROP_CYHSCROLL: rec->ScrollSize[SB_HORZ] = std::max(v, 0); break;
    case WSB_PROP_VBKGCOLOR: rec->ScrollBack[SB_VERT] = static_cast<TColor>(v); break;
    case WSB_PROP_HBKGCOLOR: rec->ScrollBack[SB_HORZ] = static_cast<TColor>(v); break;
    case WSB_PROP_VSTYLE: rec->ScrollMode[SB_VERT] = v; break;
    case WSB_PROP_HSTYLE: rec->ScrollMode[SB_HORZ] = v; break;
    default: return false;
  }
  if (Index == WSB_PROP_CXVSCROLL || Index == WSB_PROP_CYHSCROLL) frameChanged(rec);
  else if (Redraw) rec->FrameDirty = true;
  return true;
}

bool FlatSB_GetScrollProp(HWND h, UINT Index, intptr_t& Value) {
  TWindowRecord* rec = wm::Find(h);
  if (!rec || !rec->FlatScroll) return false;
  switch (Index) {
    case WSB_PROP_CXVSCROLL: Value = rec->ScrollSize[SB_VERT]; return true;
    case WSB_PROP_CYHSCROLL: Value = rec->ScrollSize[SB_HORZ]; return true;
    case WSB_PROP_VBKGCOLOR: Value = rec->ScrollBack[SB_VERT]; return true;
    case WSB_PROP_HBKGCOLOR: Value = rec->ScrollBack[SB_HORZ]; return true;
    case WSB_PROP_VSTYLE: Value = rec->ScrollMode[SB_VERT]; return true;
    case WSB_PROP_HSTYLE: Value = rec->ScrollMode[SB_HORZ]; return true;
    default: return false;
  }
}
