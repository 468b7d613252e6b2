// TCustomControl and TGraphicControl: controls that paint themselves on a
// Canvas bound, for the time of a paint, to the surface their window draws on.

#include "toolkit/forms/Controls.h"
#include "toolkit/forms/WindowManager.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/ScopeGuard.h"


TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), canvas_(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::Paint() {
  if (OnPaint) OnPaint(this);
}

void TCustomControl::PaintWindow(TCanvas* DC) {
  if (!DC || !DC->Surface()) return;
  wm::BindControlCanvas(canvas_.get(), DC, {0, 0}, DC->ClipRect(), this);
  canvas_->Lock();
  auto unbind = MakeScopeGuard([&] {
    canvas_->Unlock();
    canvas_->SetSurface(nullptr);
  });
  Paint();
}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), canvas_(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Paint() {
  if (OnPaint) OnPaint(this);
}

void TGraphicControl::WMPaintGraphic(TCanvas* ParentCanvas) {
  if (!ParentCanvas || !ParentCanvas->Surface()) return;
  TRect visible;
  if (!IntersectRect(visible, BoundsRect(), ParentCanvas->ClipRect())) return;
  TRect local = visible;
  OffsetRect(local, -Left(), -Top());
  wm::LogPaint(this, WM_PAINT, local);
  wm::BindControlCanvas(canvas_.get(), ParentCanvas, {Left(), Top()}, visible, this);
  auto unbind = MakeScopeGuard([&] { canvas_->SetSurface(nullptr); });
  Paint();
}
