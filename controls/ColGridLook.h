#pragma once
// The header and line look of a table drop-down's popup grid: line colours,
// the header's colours, height and font. The multi-column list and the grid
// drop-down hold it as their look settings, and their popup grids (which stay
// types of their own) take it from them before each drop-down.

#include <memory>

#include "toolkit/graphics/GraphicsObjects.h"

class TColGridLook {
public:
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor Value) { FLineColor = Value; }
  TColor FixedLineColor() const { return FFixedLineColor; }
  void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
  int HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(const TFont* Value) { FHeaderFont->Assign(Value); }

protected:
  TColGridLook() : FHeaderFont(std::make_unique<TFont>()) {}
  ~TColGridLook() = default;
  // Another look's settings, the header font copied.
  void TakeLook(const TColGridLook& Source) {
    FLineColor = Source.FLineColor;
    FFixedLineColor = Source.FFixedLineColor;
    FHeaderColor = Source.FHeaderColor;
    FHeaderColorTo = Source.FHeaderColorTo;
    FHeaderHeight = Source.FHeaderHeight;
    FHeaderFont->Assign(Source.FHeaderFont.get());
  }

  TColor FLineColor = TColor(0x808080);
  TColor FFixedLineColor = TColor(0);
  TColor FHeaderColor = TColor(0xFFFFFF);
  TColor FHeaderColorTo = TColor(0x808080);
  int FHeaderHeight = 25;
  std::unique_ptr<TFont> FHeaderFont;
};
