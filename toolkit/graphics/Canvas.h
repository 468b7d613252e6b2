#pragma once
// TCanvas: drawing with the rules of a classic device context on a cairo
// surface. Rectangles exclude their right and bottom edges, LineTo leaves its
// end point out, shapes are not anti-aliased, text goes through Pango.
//
// Coordinates pass three stages: logical (what callers use; window/viewport
// origins and the map mode apply), device (the DC's own pixels, clip regions
// are kept here) and surface pixels (device + DeviceOrigin). The window
// system binds a form's backing surface to a control's canvas with
// BindSurface(surface, controlOrigin, visibleRect): the control then draws at
// (0,0) in its own corner and can never paint outside visibleRect, whatever
// clip it selects itself.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/graphics/CanvasTypes.h"
#include "toolkit/graphics/GraphicsObjects.h"
#include "toolkit/graphics/Region.h"
#include "toolkit/graphics/TextMetrics.h"
#include "toolkit/rtl/Classes.h"
#include "toolkit/rtl/Types.h"

typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo cairo_t;

class TGraphic;
class TBitmap;
struct TCanvasText;

class TCanvas : public TPersistent {
public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  std::string ClassName() const override { return "TCanvas"; }

  // ---- binding
  // The surface is not owned; SetSurface(nullptr) unbinds. Binding keeps the
  // DC state (origins, clip, map mode) but drops the device origin and clip.
  void SetSurface(cairo_surface_t* surface);
  cairo_surface_t* Surface() const { return surface_; }
  // Surface pixel of device (0,0).
  void SetDeviceOrigin(TPoint origin);
  TPoint DeviceOrigin() const { return deviceOrigin_; }
  // The area (in surface pixels) outside which nothing is ever drawn; it is
  // not part of the DC state, SelectClipRgn(nullptr) does not lift it.
  void SetDeviceClip(const TRect& surfaceRect);
  void ClearDeviceClip();
  void BindSurface(cairo_surface_t* surface, TPoint origin, const TRect& surfaceClip);
  // Back to a fresh DC: no clip, origins 0, MM_TEXT, pen at (0,0), SaveDC stack empty.
  void ResetState();

  HDC Handle() { return this; }
  bool HandleAllocated() const { return surface_ != nullptr; }
  void Refresh() {}

  // ---- tools
  TFont* Font() { return &font_; }
  TPen* Pen() { return &pen_; }
  TBrush* Brush() { return &brush_; }
  const TFont* Font() const { return &font_; }
  const TPen* Pen() const { return &pen_; }
  const TBrush* Brush() const { return &brush_; }
  void SetFont(const TFont* f) { font_.Assign(f); }
  void SetPen(const TPen* p) { pen_.Assign(p); }
  void SetBrush(const TBrush* b) { brush_.Assign(b); }
  TPoint PenPos() const;
  void SetPenPos(TPoint p) { MoveTo(p.X, p.Y); }
  TCopyMode CopyMode() const { return copyMode_; }
  void SetCopyMode(TCopyMode m) { copyMode_ = m; }
  // ETO_OPAQUE, ETO_CLIPPED, ETO_RTLREADING for TextOut and TextRect.
  int TextFlags() const { return textFlags_; }
  void SetTextFlags(int f) { textFlags_ = f; }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

  // ---- shapes (logical coordinates)
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
  void RoundRect(const TRect& r, int cx, int cy) { RoundRect(r.Left, r.Top, r.Right, r.Bottom, cx, cy); }
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Polygon(const TPoint* points, int count);
  void Polygon(const std::vector<TPoint>& p) { Polygon(p.data(), int(p.size())); }
  void Polyline(const TPoint* points, int count);
  void Polyline(const std::vector<TPoint>& p) { Polyline(p.data(), int(p.size())); }
  // 1 + 3n points: start, then control, control, end for each segment.
  void PolyBezier(const TPoint* points, int count);
  void PolyBezier(const std::vector<TPoint>& p) { PolyBezier(p.data(), int(p.size())); }
  // fsSurface fills the area of colour; fsBorder fills up to a border of colour.
  void FloodFill(int x, int y, TColor color, TFillStyle style);
  // Inverts every second pixel of the rectangle's 1-pixel frame: drawing it
  // twice restores the picture.
  void DrawFocusRect(const TRect& r);
  TColor Pixels(int x, int y);
  void SetPixels(int x, int y, TColor c);
  bool DrawEdge(TRect& r, uint32_t edge, uint32_t flags);
  bool DrawFrameControl(TRect& r, uint32_t type, uint32_t state);
  // GDI-style mode setters for polygons and arcs.
  int SetPolyFillMode(int mode);
  int GetPolyFillMode() const { return state_.polyFillMode; }
  int SetArcDirection(int dir);
  int GetArcDirection() const { return state_.arcDirection; }
  void SetBrushOrigin(TPoint p) { state_.brushOrigin = p; }

  // ---- text
  void TextOut(int x, int y, const std::string& text);
  void TextRect(const TRect& r, int x, int y, const std::string& text);
  void TextRect(const TRect& r, int x, int y, const std::string& text, const TTextStyle& style);
  // DrawText with the flags of the set; with tfCalcRect r receives the extent.
  void TextRect(TRect& r, std::string& text, TTextFormat format);
  int TextWidth(const std::string& text);
  int TextHeight(const std::string& text);
  TSize TextExtent(const std::string& text);
  bool GetTextMetrics(TTextMetric& tm);
  // Answers the height of the text; with DT_CALCRECT r gets the text's extent.
  int DrawText(const std::string& text, TRect& r, uint32_t format);
  int DrawTextEx(const std::string& text, TRect& r, uint32_t format, TDrawTextParams* params);
  int SetBkMode(int mode);
  int GetBkMode() const;
  TColor SetBkColor(TColor c);
  TColor GetBkColor() const;
  TColor SetTextColor(TColor c);
  TColor GetTextColor() const;
  int SetTextAlign(int align);
  int GetTextAlign() const { return state_.textAlign; }

  // ---- DC state
  int SaveDC();
  // Negative n counts back from the latest save.
  bool RestoreDC(int n);
  int IntersectClipRect(int l, int t, int r, int b);
  int ExcludeClipRect(int l, int t, int r, int b);
  // Device coordinates; nullptr removes the clip.
  int SelectClipRgn(const TRegion* rgn);
  int ExtSelectClipRgn(const TRegion* rgn, int mode);
  // 1 and the clip in device coordinates, or 0 when there is no clip.
  int GetClipRgn(TRegion& rgn) const;
  // Logical coordinates of the smallest rectangle around the visible area.
  int GetClipBox(TRect& r);
  TRect ClipRect() { TRect r; GetClipBox(r); return r; }
  bool RectVisible(const TRect& r);
  bool PtVisible(int x, int y);

  bool SetWindowOrgEx(int x, int y, TPoint* old = nullptr);
  bool SetViewportOrgEx(int x, int y, TPoint* old = nullptr);
  bool OffsetWindowOrgEx(int dx, int dy, TPoint* old = nullptr);
  bool OffsetViewportOrgEx(int dx, int dy, TPoint* old = nullptr);
  TPoint WindowOrg() const { return state_.windowOrg; }
  TPoint ViewportOrg() const { return state_.viewportOrg; }
  bool SetWindowExtEx(int x, int y, TSize* old = nullptr);
  bool SetViewportExtEx(int x, int y, TSize* old = nullptr);
  int SetMapMode(int mode);
  int GetMapMode() const { return state_.mapMode; }
  bool LPtoDP(TPoint* points, int count) const;
  bool DPtoLP(TPoint* points, int count) const;

  int GetDeviceCaps(int index) const;
  void SetDeviceCaps(const TDeviceCaps& caps) { caps_ = caps; }
  const TDeviceCaps& DeviceCaps() const { return caps_; }

  void Lock() { ++lockCount_; }
  void Unlock() { if (lockCount_ > 0) --lockCount_; }
  bool TryLock() { Lock(); return true; }
  int LockCount() const { return lockCount_; }

  // ---- copies
  void Draw(int x, int y, TGraphic* graphic);
  // opacity 0..255 blends the graphic over what is there.
  void Draw(int x, int y, TGraphic* graphic, uint8_t opacity);
  void StretchDraw(const TRect& r, TGraphic* graphic);
  void CopyRect(const TRect& dest, TCanvas* source, const TRect& src);
  // Copies src and replaces its pixels of colour `transparent` with the brush.
  void BrushCopy(const TRect& dest, TBitmap* source, const TRect& src, TColor transparent);
  bool BitBlt(int x, int y, int w, int h, TCanvas* src, int sx, int sy, int32_t rop);
  bool StretchBlt(int x, int y, int w, int h, TCanvas* src, int sx, int sy, int sw, int sh, int32_t rop);
  // bits: rows of srcW pixels, bottom-up, each row padded to 4 bytes; 24 (B,G,R) or 32 (B,G,R,A) bits.
  int StretchDIBits(int x, int y, int w, int h, int sx, int sy, int sw, int sh, const void* bits,
                    int srcWidth, int srcHeight, int bitCount, int32_t rop);
  // Copies every source pixel except those of colour key.
  bool TransparentBlt(int x, int y, int w, int h, TCanvas* src, int sx, int sy, int sw, int sh, TColor key);
  bool AlphaBlend(int x, int y, int w, int h, TCanvas* src, int sx, int sy, int sw, int sh, TBlendFunction blend);
  void GradientFill(const TRect& r, TColor from, TColor to, bool vertical);
  bool GradientFill(const TTriVertex* vertices, int nVertices, const TGradientRect* rects, int nRects, uint32_t mode);

  // ---- for the window system, the printer and the painter helpers
  // The cairo context with the clip applied, an identity matrix (surface
  // pixels) and anti-aliasing off, or null when no surface is bound. Callers
  // bracket their drawing with cairo_save/cairo_restore.
  cairo_t* CairoContext();
  TRect LogicalToSurface(const TRect& r) const;
  TPoint LogicalToSurface(TPoint p) const;
  // Device pixels per logical unit along y (1 in MM_TEXT).
  double LogicalScaleY() const;

protected:
  virtual void Changing();
  virtual void Changed();
  // Called before any access to the surface's pixels (a bitmap flushes its scan lines).
  virtual void BeforeSurfaceAccess() {}

private:
  friend struct TCanvasText;
  struct TState {
    TRegion clip;  // device coordinates
    bool hasClip = false;
    TPoint windowOrg, viewportOrg;
    TSize windowExt{1, 1}, viewportExt{1, 1};
    int mapMode = MM_TEXT;
    TPoint penPos;  // logical
    int bkMode = 0;  // 0: follows the brush
    TColor bkColor = clWhite;
    bool hasBkColor = false;
    TColor bkBrushColor = clWhite;
    TBrushStyle bkBrushStyle = bsSolid;
    TColor textColor = clBlack;
    bool hasTextColor = false;
    TColor textFontColor = clBlack;
    int textAlign = TA_LEFT | TA_TOP;
    int polyFillMode = ALTERNATE;
    int arcDirection = AD_COUNTERCLOCKWISE;
    TPoint brushOrigin;
  };

  // transforms
  TPoint ToDevice(TPoint p) const;
  TPoint FromDevice(TPoint p) const;
  TRect ToDeviceRect(const TRect& r) const;
  TRect SurfaceToLogical(const TRect& r) const;
  // Rectangle fills take their rectangle as given: one whose right or bottom
  // edge lies before its left or top edge (in device pixels) covers nothing.
  bool FillsNothing(const TRect& r) const;
  int ToDeviceLength(int len) const;
  void ClipChanged() { clipValid_ = false; }
  const TRegion& EffectiveClip();
  TRect SurfaceBounds() const;
  bool IsImageSurface() const;

  // painting helpers (CanvasPaint.cpp)
  struct TInk;
  TInk PenInk() const;
  TInk BrushInk() const;
  TInk SolidInk(TColor c) const;
  void FillRects(const std::vector<TRect>& surfaceRects, const TInk& ink, int penMode);
  template <typename PathFn> void FillPath(PathFn&& path, bool evenOdd, const TInk& ink, int penMode);
  // Strokes the path with round caps and joins, lineWidth surface pixels wide.
  template <typename PathFn> void StrokePath(PathFn&& path, double lineWidth, const TInk& ink, int penMode);
  void FillPathImpl(void (*build)(cairo_t*, const void*), const void* ctx, bool evenOdd,
                    const TInk& ink, int penMode, double strokeWidth);
  void SetInkSource(cairo_t* cr, const TInk& ink);
  bool PixelOp(const TRect& surfaceRect, const unsigned char* mask, int maskStride,
               const TInk& ink, int penMode);
  bool EffectiveBkOpaque() const;
  TColor EffectiveBkColor() const;
  TColor EffectiveTextColor() const;
  int DevicePenWidth() const;

  // line helpers (CanvasShapes.cpp)
  void StyledLine(std::vector<TPoint> devicePts, bool closed, bool includeLast);
  void WideLine(const std::vector<TPoint>& devicePts, bool closed);
  // Strokes a curved outline (surface pixels) with the pen, dashes and opaque gaps included.
  void StyledStroke(const std::function<void(cairo_t*)>& path);
  void BoxShape(int x1, int y1, int x2, int y2, int kind, int rx, int ry);
  void ArcShape(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, int kind);

  // blit helper (CanvasBlit.cpp)
  bool BlitFrom(const TRect& devDest, cairo_surface_t* srcSurface, const TRect& srcSurfaceRect,
                int32_t rop, int mode, TColor key, TBlendFunction blend);

  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  TPoint deviceOrigin_;
  bool hasDeviceClip_ = false;
  TRect deviceClip_;
  TRegion effClip_;
  bool clipValid_ = false;
  bool crClipValid_ = false;
  TState state_;
  std::vector<TState> saved_;
  TDeviceCaps caps_;
  TFont font_;
  TPen pen_;
  TBrush brush_;
  TCopyMode copyMode_ = cmSrcCopy;
  int textFlags_ = 0;
  int lockCount_ = 0;
  std::unique_ptr<TCanvasText> text_;
};
