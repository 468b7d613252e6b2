#pragma once
// The popup panels of the colour picker's cube and spectrum styles: a
// honeycomb of 127 hexagonal colour cells, and a spectrum picture sampled
// under the mouse. Both report a choice through OnSelect and size themselves.

#include <array>
#include <string>

#include "toolkit/forms/Controls.h"

class TImage;

class TExtCustomColorSelectorPanel : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  std::string ClassName() const override { return "TExtCustomColorSelectorPanel"; }
  // Fired when a mouse button is released over the panel; nothing in the
  // picker assigns it.
  TNotifyEvent FOnShouldHide;

protected:
  void shouldHide() {
    if (FOnShouldHide) FOnShouldHide(this);
  }
};

class TExtColorCubePanel : public TExtCustomColorSelectorPanel {
public:
  static constexpr int CellCount = 127;
  struct TCubeCell {
    TPoint Center;
    TColor Color;
  };

  explicit TExtColorCubePanel(TComponent* AOwner);
  std::string ClassName() const override { return "TExtColorCubePanel"; }

  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value);
  bool ShowRGBHint() const { return FShowRGBHint; }
  void SetShowRGBHint(bool Value);
  TNotifyEvent OnSelect;

  // Rebuilt by the picker before every drop-down.
  void SetColorArray();
  // No hot cell, and the honeycomb's own size.
  void ResetCube();
  // The cell (1..127) whose centre lies within half a cell width of (X, Y), or -1.
  int HitTest(int X, int Y) const;
  const TCubeCell& Cell(int Index) const { return FCubeCells[Index - 1]; }
  int SelectedIndex() const { return FSelectedIndex; }
  int HotIndex() const { return FHotIndex; }

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  void drawCell(int Index);
  std::array<TCubeCell, CellCount> FCubeCells{};
  TPoint FCubeSize{6, 3};
  TColor FSelectedColor = clNone;
  int FSelectedIndex = -1;
  int FHotIndex = -1;
  bool FShowRGBHint = true;
};

class TExtColorSpectrumPanel : public TExtCustomColorSelectorPanel {
public:
  explicit TExtColorSpectrumPanel(TComponent* AOwner);
  std::string ClassName() const override { return "TExtColorSpectrumPanel"; }

  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value) { FSelectedColor = Value; }
  TColor HotColor() const { return FHotColor; }
  TImage* SpectrumImage() const { return FSpectrumImage; }
  TRect SelectedRect() const { return FSelectedRect; }
  TRect HotRect() const { return FHotRect; }
  TNotifyEvent OnSelect;

  // The panel's size, the picture's place and the two swatches under it.
  void SetComponentsPosition();

protected:
  void Paint() override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  void drawSwatch(const TRect& R, TColor C);
  void imageMouseMove(int X, int Y);
  void imageMouseDown();
  TImage* FSpectrumImage = nullptr;
  TColor FHotColor = clNone;
  TColor FSelectedColor = TColor(0xFFFFFF);
  TRect FHotRect;
  TRect FSelectedRect;
};
