// Binding, DC state, coordinate transforms and clipping of TCanvas.

#include <cairo.h>

#include <cmath>

#include "toolkit/graphics/CanvasInternal.h"
#include "toolkit/graphics/CanvasText.h"

using namespace canvas_detail;

namespace {

// The largest area a canvas on a surface of unknown size may cover.
constexpr int kUnboundedSide = 1 << 20;

int ScaleRound(int v, int num, int den) {
  if (num == den) return v;
  return int(std::lround(double(v) * num / den));
}

}  // namespace

TCanvas::TCanvas() : text_(std::make_unique<TCanvasText>()) {}

TCanvas::~TCanvas() {
  if (cr_) cairo_destroy(cr_);
}

// ---------------------------------------------------------------- binding

void TCanvas::SetSurface(cairo_surface_t* surface) {
  if (cr_) {
    cairo_destroy(cr_);
    cr_ = nullptr;
  }
  surface_ = surface;
  deviceOrigin_ = {};
  hasDeviceClip_ = false;
  if (surface_) {
    cr_ = cairo_create(surface_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
  }
  ClipChanged();
}

void TCanvas::SetDeviceOrigin(TPoint origin) {
  deviceOrigin_ = origin;
  ClipChanged();
}

void TCanvas::SetDeviceClip(const TRect& surfaceRect) {
  hasDeviceClip_ = true;
  deviceClip_ = surfaceRect;
  ClipChanged();
}

void TCanvas::ClearDeviceClip() {
  hasDeviceClip_ = false;
  ClipChanged();
}

void TCanvas::BindSurface(cairo_surface_t* surface, TPoint origin, const TRect& surfaceClip) {
  SetSurface(surface);
  SetDeviceOrigin(origin);
  SetDeviceClip(surfaceClip);
}

void TCanvas::ResetState() {
  state_ = TState{};
  saved_.clear();
  ClipChanged();
}

bool TCanvas::IsImageSurface() const {
  return surface_ && cairo_surface_get_type(surface_) == CAIRO_SURFACE_TYPE_IMAGE;
}

TRect TCanvas::SurfaceBounds() const {
  if (IsImageSurface())
    return {0, 0, cairo_image_surface_get_width(surface_), cairo_image_surface_get_height(surface_)};
  if (caps_.HorzRes > 0 && caps_.VertRes > 0) return {0, 0, caps_.HorzRes, caps_.VertRes};
  return {0, 0, kUnboundedSide, kUnboundedSide};
}

const TRegion& TCanvas::EffectiveClip() {
  if (clipValid_) return effClip_;
  TRect base = SurfaceBounds();
  if (hasDeviceClip_) IntersectRect(base, base, deviceClip_);
  effClip_ = TRegion(base);
  if (state_.hasClip) {
    TRegion app = state_.clip;
    app.Offset(deviceOrigin_.X, deviceOrigin_.Y);
    effClip_.Intersect(app);
  }
  clipValid_ = true;
  crClipValid_ = false;
  return effClip_;
}

cairo_t* TCanvas::CairoContext() {
  if (!surface_) return nullptr;
  BeforeSurfaceAccess();
  // A context in an error state draws nothing ever again; start a fresh one.
  if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
    cairo_destroy(cr_);
    cr_ = cairo_create(surface_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    crClipValid_ = false;
  }
  const TRegion& clip = EffectiveClip();
  if (!crClipValid_) {
    cairo_reset_clip(cr_);
    cairo_new_path(cr_);
    for (const TRect& r : clip.Rects()) cairo_rectangle(cr_, r.Left, r.Top, r.Width(), r.Height());
    cairo_clip(cr_);
    crClipValid_ = true;
  }
  return cr_;
}

void TCanvas::Changing() { if (OnChanging) OnChanging(this); }
void TCanvas::Changed() { if (OnChange) OnChange(this); }

// ---------------------------------------------------------------- transforms

TPoint TCanvas::ToDevice(TPoint p) const {
  const TState& s = state_;
  return {ScaleRound(p.X - s.windowOrg.X, s.viewportExt.cx, s.windowExt.cx) + s.viewportOrg.X,
          ScaleRound(p.Y - s.windowOrg.Y, s.viewportExt.cy, s.windowExt.cy) + s.viewportOrg.Y};
}

TPoint TCanvas::FromDevice(TPoint p) const {
  const TState& s = state_;
  return {ScaleRound(p.X - s.viewportOrg.X, s.windowExt.cx, s.viewportExt.cx) + s.windowOrg.X,
          ScaleRound(p.Y - s.viewportOrg.Y, s.windowExt.cy, s.viewportExt.cy) + s.windowOrg.Y};
}

TRect TCanvas::ToDeviceRect(const TRect& r) const {
  const TPoint a = ToDevice(r.TopLeft());
  const TPoint b = ToDevice(r.BottomRight());
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

TRect TCanvas::SurfaceToLogical(const TRect& r) const {
  const TPoint a = FromDevice({r.Left - deviceOrigin_.X, r.Top - deviceOrigin_.Y});
  const TPoint b = FromDevice({r.Right - deviceOrigin_.X, r.Bottom - deviceOrigin_.Y});
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

bool TCanvas::FillsNothing(const TRect& r) const {
  const TPoint a = ToDevice(r.TopLeft());
  const TPoint b = ToDevice(r.BottomRight());
  return b.X <= a.X || b.Y <= a.Y;
}

int TCanvas::ToDeviceLength(int len) const {
  return std::abs(ScaleRound(len, state_.viewportExt.cy, state_.windowExt.cy));
}

double TCanvas::LogicalScaleY() const {
  return std::abs(double(state_.viewportExt.cy) / state_.windowExt.cy);
}

TPoint TCanvas::LogicalToSurface(TPoint p) const {
  const TPoint d = ToDevice(p);
  return {d.X + deviceOrigin_.X, d.Y + deviceOrigin_.Y};
}

TRect TCanvas::LogicalToSurface(const TRect& r) const {
  TRect d = ToDeviceRect(r);
  OffsetRect(d, deviceOrigin_.X, deviceOrigin_.Y);
  return d;
}

bool TCanvas::LPtoDP(TPoint* points, int count) const {
  if (!points || count < 0) return false;
  for (int i = 0; i < count; ++i) points[i] = ToDevice(points[i]);
  return true;
}

bool TCanvas::DPtoLP(TPoint* points, int count) const {
  if (!points || count < 0) return false;
  for (int i = 0; i < count; ++i) points[i] = FromDevice(points[i]);
  return true;
}

bool TCanvas::SetWindowOrgEx(int x, int y, TPoint* old) {
  if (old) *old = state_.windowOrg;
  state_.windowOrg = {x, y};
  return true;
}

bool TCanvas::SetViewportOrgEx(int x, int y, TPoint* old) {
  if (old) *old = state_.viewportOrg;
  state_.viewportOrg = {x, y};
  return true;
}

bool TCanvas::OffsetWindowOrgEx(int dx, int dy, TPoint* old) {
  return SetWindowOrgEx(state_.windowOrg.X + dx, state_.windowOrg.Y + dy, old);
}

bool TCanvas::OffsetViewportOrgEx(int dx, int dy, TPoint* old) {
  return SetViewportOrgEx(state_.viewportOrg.X + dx, state_.viewportOrg.Y + dy, old);
}

bool TCanvas::SetWindowExtEx(int x, int y, TSize* old) {
  if (old) *old = state_.windowExt;
  if (state_.mapMode != MM_ISOTROPIC && state_.mapMode != MM_ANISOTROPIC) return true;
  if (x == 0 || y == 0) return false;
  state_.windowExt = {x, y};
  return true;
}

bool TCanvas::SetViewportExtEx(int x, int y, TSize* old) {
  if (old) *old = state_.viewportExt;
  if (state_.mapMode != MM_ISOTROPIC && state_.mapMode != MM_ANISOTROPIC) return true;
  if (x == 0 || y == 0) return false;
  if (state_.mapMode == MM_ISOTROPIC) {
    // Equal units on both axes: the axis that would stretch more is shrunk to the other's scale.
    const TSize w = state_.windowExt;
    const double sx = std::abs(double(x) / w.cx), sy = std::abs(double(y) / w.cy);
    if (sx > sy) x = (x < 0 ? -1 : 1) * int(std::lround(sy * std::abs(w.cx)));
    else if (sy > sx) y = (y < 0 ? -1 : 1) * int(std::lround(sx * std::abs(w.cy)));
    if (x == 0 || y == 0) return false;
  }
  state_.viewportExt = {x, y};
  return true;
}

int TCanvas::SetMapMode(int mode) {
  const int old = state_.mapMode;
  // Logical units per inch of the metric and English modes; y grows upwards.
  int unitsPerInch = 0;
  switch (mode) {
    case MM_TEXT: state_.windowExt = {1, 1}; state_.viewportExt = {1, 1}; break;
    case MM_LOMETRIC: unitsPerInch = 254; break;
    case MM_HIMETRIC: unitsPerInch = 2540; break;
    case MM_LOENGLISH: unitsPerInch = 100; break;
    case MM_HIENGLISH: unitsPerInch = 1000; break;
    case MM_TWIPS: unitsPerInch = 1440; break;
    case MM_ISOTROPIC:
    case MM_ANISOTROPIC: break;
    default: return 0;
  }
  if (unitsPerInch) {
    state_.windowExt = {unitsPerInch, unitsPerInch};
    state_.viewportExt = {caps_.LogPixelsX, -caps_.LogPixelsY};
  }
  state_.mapMode = mode;
  return old;
}

// ---------------------------------------------------------------- state

int TCanvas::SaveDC() {
  saved_.push_back(state_);
  return int(saved_.size());
}

bool TCanvas::RestoreDC(int n) {
  const int count = int(saved_.size());
  const int index = n < 0 ? count + n : n - 1;
  if (index < 0 || index >= count) return false;
  state_ = saved_[size_t(index)];
  saved_.resize(size_t(index));
  ClipChanged();
  return true;
}

int TCanvas::IntersectClipRect(int l, int t, int r, int b) {
  const TRect d = ToDeviceRect({l, t, r, b});
  if (!state_.hasClip) {
    state_.clip = TRegion(d);
    state_.hasClip = true;
  } else {
    state_.clip.IntersectRect(d);
  }
  ClipChanged();
  return state_.clip.Complexity();
}

int TCanvas::ExcludeClipRect(int l, int t, int r, int b) {
  const TRect d = ToDeviceRect({l, t, r, b});
  if (!state_.hasClip) {
    TRect whole = SurfaceBounds();
    OffsetRect(whole, -deviceOrigin_.X, -deviceOrigin_.Y);
    state_.clip = TRegion(whole);
    state_.hasClip = true;
  }
  state_.clip.SubtractRect(d);
  ClipChanged();
  return state_.clip.Complexity();
}

int TCanvas::SelectClipRgn(const TRegion* rgn) {
  ClipChanged();
  if (!rgn) {
    state_.hasClip = false;
    state_.clip = TRegion();
    return SIMPLEREGION;
  }
  state_.clip = *rgn;
  state_.hasClip = true;
  return state_.clip.Complexity();
}

int TCanvas::ExtSelectClipRgn(const TRegion* rgn, int mode) {
  if (mode == RGN_COPY) return SelectClipRgn(rgn);
  if (!rgn) return RGN_ERROR;
  TRegion current;
  if (state_.hasClip) {
    current = state_.clip;
  } else {
    TRect whole = SurfaceBounds();
    OffsetRect(whole, -deviceOrigin_.X, -deviceOrigin_.Y);
    current = TRegion(whole);
  }
  TRegion result;
  if (CombineRgn(result, current, *rgn, mode) == RGN_ERROR) return RGN_ERROR;
  return SelectClipRgn(&result);
}

int TCanvas::GetClipRgn(TRegion& rgn) const {
  if (!state_.hasClip) return 0;
  rgn = state_.clip;
  return 1;
}

int TCanvas::GetClipBox(TRect& r) {
  TRegion visible = EffectiveClip();
  visible.Offset(-deviceOrigin_.X, -deviceOrigin_.Y);
  const TRect box = visible.Box();
  if (visible.IsEmpty()) {
    r = {};
    return NULLREGION;
  }
  const TPoint a = FromDevice(box.TopLeft());
  const TPoint b = FromDevice(box.BottomRight());
  r = {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
  return visible.Complexity();
}

bool TCanvas::RectVisible(const TRect& r) {
  return EffectiveClip().Overlaps(LogicalToSurface(r));
}

bool TCanvas::PtVisible(int x, int y) {
  return EffectiveClip().Contains(LogicalToSurface(TPoint{x, y}));
}

int TCanvas::GetDeviceCaps(int index) const {
  const TRect bounds = SurfaceBounds();
  const int horz = caps_.HorzRes > 0 ? caps_.HorzRes : (surface_ ? bounds.Width() : 0);
  const int vert = caps_.VertRes > 0 ? caps_.VertRes : (surface_ ? bounds.Height() : 0);
  switch (index) {
    case TECHNOLOGY: return caps_.Technology;
    case LOGPIXELSX: return caps_.LogPixelsX;
    case LOGPIXELSY: return caps_.LogPixelsY;
    case HORZRES: return horz;
    case VERTRES: return vert;
    case HORZSIZE: return int(std::lround(horz * 25.4 / caps_.LogPixelsX));
    case VERTSIZE: return int(std::lround(vert * 25.4 / caps_.LogPixelsY));
    case PHYSICALWIDTH: return caps_.PhysicalWidth > 0 ? caps_.PhysicalWidth : horz;
    case PHYSICALHEIGHT: return caps_.PhysicalHeight > 0 ? caps_.PhysicalHeight : vert;
    case PHYSICALOFFSETX: return caps_.PhysicalOffsetX;
    case PHYSICALOFFSETY: return caps_.PhysicalOffsetY;
    case BITSPIXEL: return caps_.BitsPixel;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    default: return 0;
  }
}

// ---------------------------------------------------------------- pixels

TColor TCanvas::Pixels(int x, int y) {
  const TPoint p = LogicalToSurface(TPoint{x, y});
  if (!surface_ || !IsImageSurface()) return CLR_INVALID;
  BeforeSurfaceAccess();
  if (!EffectiveClip().Contains(p)) return CLR_INVALID;
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  const uint32_t px = *reinterpret_cast<const uint32_t*>(data + size_t(p.Y) * stride + size_t(p.X) * 4);
  return FromPixel(px);
}

void TCanvas::SetPixels(int x, int y, TColor c) {
  const TPoint p = LogicalToSurface(TPoint{x, y});
  Changing();
  FillRects({{p.X, p.Y, p.X + 1, p.Y + 1}}, SolidInk(c), pmCopy);
  Changed();
}
