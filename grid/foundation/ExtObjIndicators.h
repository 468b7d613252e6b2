#pragma once
// Indicator windows of the string grid: the lime arrow that marks the drop
// position while columns or rows move, and the popup that carries the glow
// around the focused cell.

#include <array>

#include "grid/foundation/ExtObj.h"
#include "grid/foundation/ExtObjAlphaMask.h"
#include "toolkit/forms/Controls.h"

class TArrowWindow : public TCustomControl {
public:
  // AOwner is the windowed control the arrow is shown over; the window starts hidden.
  TArrowWindow(TWinControl* AOwner, TArrowDirection Direction);
  std::string ClassName() const override { return "TArrowWindow"; }
  TArrowDirection Dir() const { return FDir; }
  const std::array<TPoint, 7>& Arrow() const { return FArrow; }
  // The outline of the arrow for a direction.
  static std::array<TPoint, 7> ArrowPoints(TArrowDirection Direction);

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Paint() override;

private:
  TArrowDirection FDir;
  std::array<TPoint, 7> FArrow{};
};

class TGridFocusWindow : public TCustomControl {
public:
  explicit TGridFocusWindow(TComponent* AOwner);
  std::string ClassName() const override { return "TGridFocusWindow"; }
  // The glow: a premultiplied image, drawn over the window's colour.
  void SetImage(const TGridAlphaMask& Image);
  const TGridAlphaMask& Image() const { return FImage; }

protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;

private:
  TGridAlphaMask FImage;
};
