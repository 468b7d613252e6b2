#pragma once
// The device-context calls in the shape the framework's code uses them:
// free functions taking a canvas handle (HDC is the TCanvas itself). Each one
// forwards to the TCanvas member of the same name.

#include <string>

#include "toolkit/graphics/Canvas.h"

// A brush handle is just the colour to paint with.
struct HBRUSH {
  TColor Color = clWhite;
};
inline HBRUSH CreateSolidBrush(TColor c) { return {c}; }
inline HBRUSH GetSysColorBrush(int index) { return {SystemColor(index)}; }

// ---- text
// count -1 takes the whole text; otherwise its first count bytes.
int DrawText(HDC dc, const std::string& text, int count, TRect& r, uint32_t format);
int DrawTextEx(HDC dc, const std::string& text, int count, TRect& r, uint32_t format, TDrawTextParams* params);
bool TextOut(HDC dc, int x, int y, const std::string& text, int count = -1);
// ETO_OPAQUE fills r with the background colour, ETO_CLIPPED clips to r.
bool ExtTextOut(HDC dc, int x, int y, int options, const TRect* r, const std::string& text, int count = -1);
bool GetTextExtentPoint32(HDC dc, const std::string& text, int count, TSize& size);
inline bool GetTextMetrics(HDC dc, TTextMetric& tm) { return dc && dc->GetTextMetrics(tm); }
inline int SetBkMode(HDC dc, int mode) { return dc ? dc->SetBkMode(mode) : 0; }
inline int GetBkMode(HDC dc) { return dc ? dc->GetBkMode() : 0; }
inline TColor SetBkColor(HDC dc, TColor c) { return dc ? dc->SetBkColor(c) : CLR_INVALID; }
inline TColor GetBkColor(HDC dc) { return dc ? dc->GetBkColor() : CLR_INVALID; }
inline TColor SetTextColor(HDC dc, TColor c) { return dc ? dc->SetTextColor(c) : CLR_INVALID; }
inline TColor GetTextColor(HDC dc) { return dc ? dc->GetTextColor() : CLR_INVALID; }
inline int SetTextAlign(HDC dc, int align) { return dc ? dc->SetTextAlign(align) : 0; }
inline int GetTextAlign(HDC dc) { return dc ? dc->GetTextAlign() : 0; }

// ---- state
inline int SaveDC(HDC dc) { return dc ? dc->SaveDC() : 0; }
inline bool RestoreDC(HDC dc, int n) { return dc && dc->RestoreDC(n); }
inline int IntersectClipRect(HDC dc, int l, int t, int r, int b) { return dc ? dc->IntersectClipRect(l, t, r, b) : RGN_ERROR; }
inline int ExcludeClipRect(HDC dc, int l, int t, int r, int b) { return dc ? dc->ExcludeClipRect(l, t, r, b) : RGN_ERROR; }
inline int SelectClipRgn(HDC dc, const TRegion* rgn) { return dc ? dc->SelectClipRgn(rgn) : RGN_ERROR; }
inline int ExtSelectClipRgn(HDC dc, const TRegion* rgn, int mode) { return dc ? dc->ExtSelectClipRgn(rgn, mode) : RGN_ERROR; }
inline int GetClipRgn(HDC dc, TRegion& rgn) { return dc ? dc->GetClipRgn(rgn) : -1; }
inline int GetClipBox(HDC dc, TRect& r) { return dc ? dc->GetClipBox(r) : RGN_ERROR; }
inline bool RectVisible(HDC dc, const TRect& r) { return dc && dc->RectVisible(r); }
inline bool PtVisible(HDC dc, int x, int y) { return dc && dc->PtVisible(x, y); }
inline bool SetWindowOrgEx(HDC dc, int x, int y, TPoint* old) { return dc && dc->SetWindowOrgEx(x, y, old); }
inline bool SetViewportOrgEx(HDC dc, int x, int y, TPoint* old) { return dc && dc->SetViewportOrgEx(x, y, old); }
inline bool OffsetWindowOrgEx(HDC dc, int dx, int dy, TPoint* old) { return dc && dc->OffsetWindowOrgEx(dx, dy, old); }
inline bool OffsetViewportOrgEx(HDC dc, int dx, int dy, TPoint* old) { return dc && dc->OffsetViewportOrgEx(dx, dy, old); }
inline bool GetWindowOrgEx(HDC dc, TPoint* p) { if (!dc || !p) return false; *p = dc->WindowOrg(); return true; }
inline bool GetViewportOrgEx(HDC dc, TPoint* p) { if (!dc || !p) return false; *p = dc->ViewportOrg(); return true; }
inline bool SetWindowExtEx(HDC dc, int x, int y, TSize* old) { return dc && dc->SetWindowExtEx(x, y, old); }
inline bool SetViewportExtEx(HDC dc, int x, int y, TSize* old) { return dc && dc->SetViewportExtEx(x, y, old); }
inline int SetMapMode(HDC dc, int mode) { return dc ? dc->SetMapMode(mode) : 0; }
inline int GetMapMode(HDC dc) { return dc ? dc->GetMapMode() : 0; }
inline bool LPtoDP(HDC dc, TPoint* pts, int n) { return dc && dc->LPtoDP(pts, n); }
inline bool DPtoLP(HDC dc, TPoint* pts, int n) { return dc && dc->DPtoLP(pts, n); }
inline int GetDeviceCaps(HDC dc, int index) { return dc ? dc->GetDeviceCaps(index) : 0; }
// R2_ codes: the pen modes under their device-context numbers.
constexpr int R2_BLACK = 1, R2_NOTMERGEPEN = 2, R2_MASKNOTPEN = 3, R2_NOTCOPYPEN = 4, R2_MASKPENNOT = 5, R2_NOT = 6,
              R2_XORPEN = 7, R2_NOTMASKPEN = 8, R2_MASKPEN = 9, R2_NOTXORPEN = 10, R2_NOP = 11, R2_MERGENOTPEN = 12,
              R2_COPYPEN = 13, R2_MERGEPENNOT = 14, R2_MERGEPEN = 15, R2_WHITE = 16;
int SetROP2(HDC dc, int rop2);
int GetROP2(HDC dc);
inline int SetPolyFillMode(HDC dc, int mode) { return dc ? dc->SetPolyFillMode(mode) : 0; }
inline int SetArcDirection(HDC dc, int dir) { return dc ? dc->SetArcDirection(dir) : 0; }

// ---- shapes
inline bool MoveToEx(HDC dc, int x, int y, TPoint* old) {
  if (!dc) return false;
  if (old) *old = dc->PenPos();
  dc->MoveTo(x, y);
  return true;
}
inline bool LineTo(HDC dc, int x, int y) { if (!dc) return false; dc->LineTo(x, y); return true; }
inline bool Rectangle(HDC dc, int l, int t, int r, int b) { if (!dc) return false; dc->Rectangle(l, t, r, b); return true; }
inline bool Ellipse(HDC dc, int l, int t, int r, int b) { if (!dc) return false; dc->Ellipse(l, t, r, b); return true; }
inline bool RoundRect(HDC dc, int l, int t, int r, int b, int w, int h) { if (!dc) return false; dc->RoundRect(l, t, r, b, w, h); return true; }
inline bool Polygon(HDC dc, const TPoint* p, int n) { if (!dc) return false; dc->Polygon(p, n); return true; }
inline bool Polyline(HDC dc, const TPoint* p, int n) { if (!dc) return false; dc->Polyline(p, n); return true; }
inline bool PolyBezier(HDC dc, const TPoint* p, int n) { if (!dc) return false; dc->PolyBezier(p, n); return true; }
int FillRect(HDC dc, const TRect& r, HBRUSH brush);
int FrameRect(HDC dc, const TRect& r, HBRUSH brush);
bool FillRgn(HDC dc, const TRegion& rgn, HBRUSH brush);
inline bool DrawFocusRect(HDC dc, const TRect& r) { if (!dc) return false; dc->DrawFocusRect(r); return true; }
inline bool DrawEdge(HDC dc, TRect& r, uint32_t edge, uint32_t flags) { return dc && dc->DrawEdge(r, edge, flags); }
inline bool DrawFrameControl(HDC dc, TRect& r, uint32_t type, uint32_t state) { return dc && dc->DrawFrameControl(r, type, state); }
inline TColor GetPixel(HDC dc, int x, int y) { return dc ? dc->Pixels(x, y) : CLR_INVALID; }
inline TColor SetPixel(HDC dc, int x, int y, TColor c) { if (!dc) return CLR_INVALID; dc->SetPixels(x, y, c); return ColorToRGB(c); }

// ---- copies
inline bool BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int32_t rop) {
  return dst && dst->BitBlt(x, y, w, h, src, sx, sy, rop);
}
inline bool StretchBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, int32_t rop) {
  return dst && dst->StretchBlt(x, y, w, h, src, sx, sy, sw, sh, rop);
}
// Raster operations that use no source (PATCOPY, PATINVERT, DSTINVERT, BLACKNESS, WHITENESS).
inline bool PatBlt(HDC dc, int x, int y, int w, int h, int32_t rop) {
  return dc && dc->BitBlt(x, y, w, h, nullptr, 0, 0, rop);
}
inline bool TransparentBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, TColor key) {
  return dst && dst->TransparentBlt(x, y, w, h, src, sx, sy, sw, sh, key);
}
inline bool AlphaBlend(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, TBlendFunction bf) {
  return dst && dst->AlphaBlend(x, y, w, h, src, sx, sy, sw, sh, bf);
}
inline bool GradientFill(HDC dc, const TTriVertex* v, int nv, const TGradientRect* r, int nr, uint32_t mode) {
  return dc && dc->GradientFill(v, nv, r, nr, mode);
}
