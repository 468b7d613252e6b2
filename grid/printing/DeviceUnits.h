#pragma once
// A stretch of drawing in the canvas's own pixels amid the print engine's
// metric layout: for the routines that work in pixels (HTML text, cell
// graphics, custom cell drawing). The rectangle is converted to device units,
// the text mapping mode is set and the font keeps its size on paper in
// pixels; all of it is undone at the end of the scope.

#include <algorithm>
#include <cmath>

#include "toolkit/graphics/Canvas.h"

class TDeviceUnits {
public:
  TDeviceUnits(TCanvas* Canvas, const TRect& Layout) : canvas_(Canvas) {
    TPoint p[2] = {Layout.TopLeft(), Layout.BottomRight()};
    canvas_->LPtoDP(p, 2);
    rect_ = TRect(std::min(p[0].X, p[1].X), std::min(p[0].Y, p[1].Y), std::max(p[0].X, p[1].X),
                  std::max(p[0].Y, p[1].Y));
    const double scale = canvas_->LogicalScaleY();
    mapMode_ = canvas_->SetMapMode(MM_TEXT);
    height_ = canvas_->Font()->Height();
    dpi_ = canvas_->GetDeviceCaps(LOGPIXELSY);
    const int pixels = std::max(1, int(std::lround(std::abs(height_) * scale)));
    canvas_->Font()->SetHeight(height_ < 0 ? -pixels : pixels);
  }
  ~TDeviceUnits() {
    canvas_->SetMapMode(mapMode_);
    canvas_->Font()->SetHeight(height_);
  }
  TDeviceUnits(const TDeviceUnits&) = delete;
  TDeviceUnits& operator=(const TDeviceUnits&) = delete;

  // The layout rectangle in device pixels, top above bottom.
  const TRect& Rect() const { return rect_; }
  // Device pixels back to layout units (0.1 mm).
  int ToLayout(int Pixels) const { return dpi_ > 0 ? int(std::lround(Pixels * 254.0 / dpi_)) : Pixels; }

private:
  TCanvas* canvas_;
  TRect rect_;
  int mapMode_;
  int height_;
  int dpi_;
};
