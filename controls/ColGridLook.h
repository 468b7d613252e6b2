#pragma once
// The header and line look of a drop-down's popup grid, shared by the
// multi-column list's grid and the grid drop-down's grid (which stay types of
// their own): line colours, the header's colours, height and font, taken
// from the drop-down before each drop-down.

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
  // The drop-down's look settings, by the same names.
  template <class DropDown>
  void TakeLook(const DropDown& D) {
    FLineColor = D.LineColor();
    FFixedLineColor = D.FixedLineColor();
    FHeaderColor = D.HeaderColor();
    FHeaderColorTo = D.HeaderColorTo();
    FHeaderHeight = D.HeaderHeight();
    FHeaderFont->Assign(D.HeaderFont());
  }

  TColor FLineColor = TColor(0x808080);
  TColor FFixedLineColor = TColor(0);
  TColor FHeaderColor = TColor(0xFFFFFF);
  TColor FHeaderColorTo = TColor(0x808080);
  int FHeaderHeight = 25;
  std::unique_ptr<TFont> FHeaderFont;
};
