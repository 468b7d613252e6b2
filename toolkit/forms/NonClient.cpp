// The non-client area of windows: borders, 3-D edges, bevels, BorderWidth
// and the window scroll bars (their size, hit testing, painting and clicks).
// From the outside in: frame or border, client edge, BorderWidth, bevel, scroll bars.

#include <algorithm>

#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/WindowManager.h"
#include "toolkit/graphics/Canvas.h"

namespace {

struct TScrollGeometry {
  int Arrow = 0;
  int ThumbStart = 0;  // from the start of the bar
  int ThumbLength = 0;
  int Length = 0;
};

TScrollGeometry geometryOf(const TRect& bar, bool vertical, const TScrollInfo& si) {
  TScrollGeometry g;
  g.Length = vertical ? bar.Height() : bar.Width();
  int thickness = vertical ? bar.Width() : bar.Height();
  g.Arrow = std::min(thickness, g.Length / 2);
  int track = std::max(g.Length - 2 * g.Arrow, 0);
  int range = std::max(si.nMax - si.nMin + 1, 1);
  int page = static_cast<int>(si.nPage);
  g.ThumbLength = page > 0 ? std::max(8, track * std::min(page, range) / range) : std::min(thickness, track);
  g.ThumbLength = std::min(g.ThumbLength, track);
  int travel = track - g.ThumbLength;
  int posRange = range - std::max(page, 1);
  g.ThumbStart = g.Arrow + (posRange > 0 ? (si.nPos - si.nMin) * travel / posRange : 0);
  return g;
}

// Thumb dragging: while it lasts, a mouse hook turns moves into SB_THUMBTRACK.
struct TThumbDrag {
  HWND Window = nullptr;
  int Bar = SB_VERT;
  int GrabOffset = 0;
  HHOOK Hook = nullptr;
};
TThumbDrag g_drag;

void sendScroll(HWND h, int bar, int code, int pos) {
  SendMessage(h, bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MakeWParam(code, pos), 0);
}

int thumbPosAt(TWinControl* w, int bar, TPoint screen) {
  TRect r = w->ScrollBarRect(bar);
  TScrollInfo si;
  si.fMask = SIF_ALL;
  GetScrollInfo(w->Handle(), bar, si);
  TScrollGeometry g = geometryOf(r, bar == SB_VERT, si);
  TPoint origin = wm::WindowScreenOrigin(w);
  int along = bar == SB_VERT ? screen.Y - origin.Y - r.Top : screen.X - origin.X - r.Left;
  int travel = g.Length - 2 * g.Arrow - g.ThumbLength;
  int range = std::max(si.nMax - si.nMin + 1 - std::max(static_cast<int>(si.nPage), 1), 0);
  if (travel <= 0) return si.nMin;
  int offset = std::clamp(along - g_drag.GrabOffset - g.Arrow, 0, travel);
  return si.nMin + offset * range / travel;
}

void endDrag() {
  if (g_drag.Hook) UnhookWindowsHookEx(g_drag.Hook);
  g_drag = TThumbDrag{};
}

LRESULT dragHook(int, WPARAM msg, LPARAM lParam) {
  auto* info = reinterpret_cast<TMouseHookStruct*>(lParam);
  TWinControl* w = FindControl(g_drag.Window);
  if (!w) {
    endDrag();
    return 0;
  }
  int pos = thumbPosAt(w, g_drag.Bar, info->pt);
  HWND h = g_drag.Window;
  int bar = g_drag.Bar;
  if (msg == WM_MOUSEMOVE) {
    sendScroll(h, bar, SB_THUMBTRACK, pos);
    return 1;
  }
  if (msg == WM_LBUTTONUP) {
    endDrag();
    ReleaseCapture();
    sendScroll(h, bar, SB_THUMBPOSITION, pos);
    sendScroll(h, bar, SB_ENDSCROLL, 0);
    return 1;
  }
  return 0;
}

// The look of one bar: the regular raised one, or the flat service's flat
// (flat arrows and thumb) and encarta (flat, with a thin raised thumb and
// arrows) looks on their own background.
struct TBarLook {
  int Mode = 0;  // FSB_REGULAR_MODE 0, FSB_ENCARTA_MODE 1, FSB_FLAT_MODE 2
  TColor Back = clNone;
};

TBarLook barLook(const TWindowRecord* Rec, int Bar) {
  if (!Rec || !Rec->FlatScroll) return {};
  return {Rec->ScrollMode[Bar], Rec->ScrollBack[Bar]};
}

void drawScrollBar(TCanvas* c, const TRect& bar, bool vertical, const TScrollInfo& si, bool disabled,
                   const TBarLook& look) {
  TScrollGeometry g = geometryOf(bar, vertical, si);
  const bool flat = look.Mode != 0;
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(look.Back != clNone ? look.Back : clScrollBar);
  c->FillRect(bar);
  uint32_t inactive = disabled ? DFCS_INACTIVE : 0;
  TRect a1 = vertical ? Bounds(bar.Left, bar.Top, bar.Width(), g.Arrow) : Bounds(bar.Left, bar.Top, g.Arrow, bar.Height());
  TRect a2 = vertical ? Rect(bar.Left, bar.Bottom - g.Arrow, bar.Right, bar.Bottom)
                      : Rect(bar.Right - g.Arrow, bar.Top, bar.Right, bar.Bottom);
  auto face = [&](TRect r) {
    // Flat: a face without edges; encarta: the face with a thin raised edge.
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(r);
    if (look.Mode == 1) c->DrawEdge(r, BDR_RAISEDINNER, BF_RECT);
  };
  uint32_t arrowLook = flat ? DFCS_FLAT : 0;
  c->DrawFrameControl(a1, DFC_SCROLL, (vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | inactive | arrowLook);
  c->DrawFrameControl(a2, DFC_SCROLL, (vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | inactive | arrowLook);
  if (look.Mode == 1) {
    c->DrawEdge(a1, BDR_RAISEDINNER, BF_RECT);
    c->DrawEdge(a2, BDR_RAISEDINNER, BF_RECT);
  }
  if (disabled || g.ThumbLength <= 0 || si.nMax <= si.nMin) return;
  TRect thumb = vertical ? Bounds(bar.Left, bar.Top + g.ThumbStart, bar.Width(), g.ThumbLength)
                         : Bounds(bar.Left + g.ThumbStart, bar.Top, g.ThumbLength, bar.Height());
  if (flat) {
    c->Brush()->SetColor(clBtnShadow);
    c->FillRect(thumb);
    if (look.Mode == 1) face(thumb);
    return;
  }
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(thumb);
  c->DrawEdge(thumb, EDGE_RAISED, BF_RECT);
}

uint32_t bevelFlags(TBevelCut inner, TBevelCut outer) {
  uint32_t f = 0;
  if (outer == bvRaised) f |= BDR_RAISEDOUTER;
  if (outer == bvLowered) f |= BDR_SUNKENOUTER;
  if (inner == bvRaised) f |= BDR_RAISEDINNER;
  if (inner == bvLowered) f |= BDR_SUNKENINNER;
  return f;
}

}  // namespace

namespace {
// The thickness of a bar: the flat service's own, else the system's.
int scrollBarSize(HWND Handle, int Bar) {
  const TWindowRecord* rec = Handle ? wm::Find(Handle) : nullptr;
  if (rec && rec->FlatScroll && rec->ScrollSize[Bar] > 0) return rec->ScrollSize[Bar];
  return platform::Facts().ScrollBarSize;
}
}  // namespace

TRect TWinControl::ScrollBarRect(int Bar) const {
  const TRect& c = clientInWindow_;
  int sb = scrollBarSize(handle_, Bar == SB_HORZ ? SB_HORZ : SB_VERT);
  bool left = (exStyle_ & WS_EX_LEFTSCROLLBAR) != 0;
  if (Bar == SB_VERT && (style_ & WS_VSCROLL))
    return left ? Rect(c.Left - sb, c.Top, c.Left, c.Bottom) : Rect(c.Right, c.Top, c.Right + sb, c.Bottom);
  if (Bar == SB_HORZ && (style_ & WS_HSCROLL)) return Rect(c.Left, c.Bottom, c.Right, c.Bottom + sb);
  return {};
}

void TWinControl::WMNCCalcSize(TWMNCCalcSize& Message) {
  if (!Message.CalcSize_Params) return;
  TRect& r = Message.CalcSize_Params->rgrc[0];
  const auto& f = platform::Facts();
  auto inset = [&r](int n) { InflateRect(r, -n, -n); };
  if (style_ & WS_THICKFRAME) inset(f.FrameWidth);
  else if (style_ & WS_DLGFRAME) inset(f.DialogFrameWidth);
  else if (style_ & WS_BORDER) inset(1);
  if ((style_ & WS_CAPTION) == WS_CAPTION)
    r.Top += (exStyle_ & WS_EX_TOOLWINDOW) ? f.SmallCaptionHeight : f.CaptionHeight;
  if (exStyle_ & WS_EX_CLIENTEDGE) inset(2);
  if (exStyle_ & WS_EX_STATICEDGE) inset(1);
  inset(borderWidth_);
  if (bevelKind_ != bkNone) {
    int e = (bevelInner_ != bvNone ? bevelWidth_ : 0) + (bevelOuter_ != bvNone ? bevelWidth_ : 0);
    if (bevelEdges_.Contains(beLeft)) r.Left += e;
    if (bevelEdges_.Contains(beTop)) r.Top += e;
    if (bevelEdges_.Contains(beRight)) r.Right -= e;
    if (bevelEdges_.Contains(beBottom)) r.Bottom -= e;
  }
  int sb = scrollBarSize(handle_, SB_VERT);
  if (style_ & WS_VSCROLL) ((exStyle_ & WS_EX_LEFTSCROLLBAR) ? r.Left : r.Right) += (exStyle_ & WS_EX_LEFTSCROLLBAR) ? sb : -sb;
  if (style_ & WS_HSCROLL) r.Bottom -= scrollBarSize(handle_, SB_HORZ);
}

void TWinControl::WMNCPaint(TWMNCPaint& Message) {
  TCanvas* c = Message.Canvas;
  if (!c) return;
  TRect r = Bounds(0, 0, Width(), Height());
  c->Brush()->SetStyle(bsSolid);
  if ((style_ & (WS_THICKFRAME | WS_DLGFRAME)) != 0) {
    c->DrawEdge(r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    int extra = ((style_ & WS_THICKFRAME) ? platform::Facts().FrameWidth : platform::Facts().DialogFrameWidth) - 2;
    for (int i = 0; i < extra; ++i) {
      c->Brush()->SetColor(clBtnFace);
      c->FrameRect(r);
      InflateRect(r, -1, -1);
    }
  } else if (style_ & WS_BORDER) {
    c->Brush()->SetColor(clWindowFrame);
    c->FrameRect(r);
    InflateRect(r, -1, -1);
  }
  if (exStyle_ & WS_EX_CLIENTEDGE) c->DrawEdge(r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  if (exStyle_ & WS_EX_STATICEDGE) c->DrawEdge(r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  if (borderWidth_ > 0) {
    c->Brush()->SetColor(Color());
    for (int i = 0; i < borderWidth_; ++i) {
      c->FrameRect(r);
      InflateRect(r, -1, -1);
    }
  }
  if (bevelKind_ != bkNone) {
    uint32_t edges = (bevelEdges_.Contains(beLeft) ? BF_LEFT : 0) | (bevelEdges_.Contains(beTop) ? BF_TOP : 0) |
                     (bevelEdges_.Contains(beRight) ? BF_RIGHT : 0) | (bevelEdges_.Contains(beBottom) ? BF_BOTTOM : 0);
    uint32_t kind = bevelKind_ == bkFlat ? BF_FLAT : bevelKind_ == bkSoft ? BF_SOFT : 0;
    c->DrawEdge(r, bevelFlags(bevelInner_, bevelOuter_), edges | kind);
  }
  TWindowRecord* rec = HandleAllocated() ? wm::Find(handle_) : nullptr;
  for (int bar : {SB_VERT, SB_HORZ}) {
    TRect b = ScrollBarRect(bar);
    if (b.IsEmpty()) continue;
    TScrollInfo si = rec ? rec->Scroll[bar] : TScrollInfo{};
    drawScrollBar(c, b, bar == SB_VERT, si, rec && rec->ScrollDisabled[bar], barLook(rec, bar));
  }
  if ((style_ & WS_VSCROLL) && (style_ & WS_HSCROLL)) {
    TRect v = ScrollBarRect(SB_VERT), h = ScrollBarRect(SB_HORZ);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(Rect(v.Left, h.Top, v.Right, h.Bottom));
  }
}

void TWinControl::WMNCHitTest(TWMNCHitTest& Message) {
  TPoint o = wm::WindowScreenOrigin(this);
  TPoint p{Message.XPos - o.X, Message.YPos - o.Y};
  if (clientInWindow_.Contains(p)) Message.Result = HTCLIENT;
  else if (ScrollBarRect(SB_VERT).Contains(p)) Message.Result = HTVSCROLL;
  else if (ScrollBarRect(SB_HORZ).Contains(p)) Message.Result = HTHSCROLL;
  else if (Bounds(0, 0, Width(), Height()).Contains(p)) Message.Result = HTBORDER;
  else Message.Result = HTNOWHERE;
}

void TWinControl::NCScrollBarClick(TMessage& Message) {
  int bar = Message.WParam == static_cast<WPARAM>(HTVSCROLL) ? SB_VERT
            : Message.WParam == static_cast<WPARAM>(HTHSCROLL) ? SB_HORZ : -1;
  TWindowRecord* rec = HandleAllocated() ? wm::Find(handle_) : nullptr;
  if (bar < 0 || !rec || rec->ScrollDisabled[bar]) return;
  TRect r = ScrollBarRect(bar);
  TPoint o = wm::WindowScreenOrigin(this);
  TPoint p{static_cast<int16_t>(LoWord(static_cast<uintptr_t>(Message.LParam))) - o.X,
           static_cast<int16_t>(HiWord(static_cast<uintptr_t>(Message.LParam))) - o.Y};
  bool vertical = bar == SB_VERT;
  TScrollGeometry g = geometryOf(r, vertical, rec->Scroll[bar]);
  int along = vertical ? p.Y - r.Top : p.X - r.Left;
  int code;
  if (along < g.Arrow) code = SB_LINEUP;
  else if (along >= g.Length - g.Arrow) code = SB_LINEDOWN;
  else if (along < g.ThumbStart) code = SB_PAGEUP;
  else if (along >= g.ThumbStart + g.ThumbLength) code = SB_PAGEDOWN;
  else {
    endDrag();
    g_drag.Window = handle_;
    g_drag.Bar = bar;
    g_drag.GrabOffset = along - g.ThumbStart;
    SetCapture(handle_);
    g_drag.Hook = SetWindowsHookEx(WH_MOUSE, dragHook);
    return;
  }
  sendScroll(handle_, bar, code, 0);
  sendScroll(handle_, bar, SB_ENDSCROLL, 0);
}
