#pragma once
// The colours an in-place editor holds for the small buttons inside it.
// While ButtonColor is none the buttons paint themed or classic; once it is
// set they paint flat in ButtonColor, ButtonColorHot and ButtonColorDown.

#include "toolkit/graphics/Colors.h"
#include "toolkit/rtl/Sets.h"

enum TTimeBtnStateItem { tbFocusRect, tbAllowTimer };
using TTimeBtnState = TSet<TTimeBtnStateItem>;
enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };

class TButtonColors {
public:
  virtual ~TButtonColors() = default;
  TColor ButtonColor() const { return FButtonColor; }
  void SetButtonColor(TColor Value) { FButtonColor = Value; ButtonColorsChanged(); }
  TColor ButtonColorHot() const { return FButtonColorHot; }
  void SetButtonColorHot(TColor Value) { FButtonColorHot = Value; ButtonColorsChanged(); }
  TColor ButtonColorDown() const { return FButtonColorDown; }
  void SetButtonColorDown(TColor Value) { FButtonColorDown = Value; ButtonColorsChanged(); }
  TColor ButtonTextColor() const { return FButtonTextColor; }
  void SetButtonTextColor(TColor Value) { FButtonTextColor = Value; }
  TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
  void SetButtonTextColorHot(TColor Value) { FButtonTextColorHot = Value; }
  TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
  void SetButtonTextColorDown(TColor Value) { FButtonTextColorDown = Value; }
  TColor ButtonBorderColor() const { return FButtonBorderColor; }
  void SetButtonBorderColor(TColor Value) { FButtonBorderColor = Value; }

  // The face of an owner-coloured button: pressed wins over hot.
  TColor ButtonFace(bool Pressed, bool Hot) const {
    if (Pressed) return FButtonColorDown;
    return Hot ? FButtonColorHot : FButtonColor;
  }

protected:
  // The buttons repaint.
  virtual void ButtonColorsChanged() {}

private:
  TColor FButtonColorDown = clNone;
  TColor FButtonBorderColor = clNone;
  TColor FButtonTextColor = clNone;
  TColor FButtonTextColorHot = clNone;
  TColor FButtonColor = clNone;
  TColor FButtonColorHot = clNone;
  TColor FButtonTextColorDown = clNone;
};
