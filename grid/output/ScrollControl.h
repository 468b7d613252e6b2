#pragma once
// The thin scroll indicator a grid draws instead of system scroll bars: a
// flat thumb on a see-through track along the grid's right edge (vertical)
// or bottom edge (horizontal). It reads the grid's scroll state, pages on a
// click beside the thumb and scrolls while the thumb is dragged. Without a
// string grid as its parent it does nothing.

#include "toolkit/forms/Controls.h"

class TExtStringGrid;

enum TScrollDirection { sdVertical, sdHorizontal };

class TScrollControl : public TCustomControl {
public:
  explicit TScrollControl(TComponent* AOwner);
  std::string ClassName() const override { return "TScrollControl"; }

  // The thumb's colour (pen and fill).
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  int ScrollWidth() const { return FScrollWidth; }
  void SetScrollWidth(int Value) { FScrollWidth = Value; }
  TScrollDirection Direction() const { return FDirection; }
  void SetDirection(TScrollDirection Value) { FDirection = Value; }

  // Where the thumb lies along the track (start and length in pixels) and
  // whether it shows: only while not every scrollable line is in view.
  struct TThumb {
    int Start = 0, Size = 0;
    bool Shown = false;
  };
  TThumb Thumb() const;

protected:
  void Paint() override;
  void WMEraseBkgnd(TWMEraseBkgnd& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  // The grid's scroll state along this control's direction.
  struct TLines {
    int Count = 0, Fixed = 0, Visible = 0, First = 0;
    int FixedExtent = 0, FooterExtent = 0, FirstLineExtent = 0;
  };
  TExtStringGrid* grid() const;
  TLines lines() const;
  int length() const { return FDirection == sdVertical ? Height() : Width(); }
  void scrollTo(int First);

  TColor FColor = static_cast<TColor>(0xC0C0C0);
  int FScrollWidth = 4;
  TScrollDirection FDirection = sdVertical;
  bool FPressed = false;
  int FPressPos = 0, FPressFirst = 0;
};
