#pragma once
// TSplitter: a thin bar, aligned like the control beside it, that the user
// drags to resize that control; the controls aligned with the rest of the
// parent (alClient) take what it gives up.

#include "toolkit/forms/Controls.h"

class TSplitter : public TGraphicControl {
public:
  explicit TSplitter(TComponent* AOwner);
  std::string ClassName() const override { return "TSplitter"; }

  // Neither the resized control nor the rest of the parent is made smaller than this.
  int MinSize() const { return minSize_; }
  void SetMinSize(int v) { minSize_ = v > 0 ? v : 1; }
  // The sibling the bar resizes: aligned the same way and touching the bar on
  // the side of the parent's edge; null when there is none.
  TControl* ResizedControl() const;

  // After a drag changed the size.
  TNotifyEvent OnMoved;

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  bool horizontal() const { return Align() == alLeft || Align() == alRight; }
  int sizeOf(const TControl* C) const { return horizontal() ? C->Width() : C->Height(); }
  // The largest size the resized control may take: the parent's room less the
  // other controls aligned along the same axis and MinSize for the rest.
  int largestSize() const;
  // The pointer's position along the dragging axis on the screen, which the
  // bar moving under the pointer does not change.
  int axisPos(int X, int Y) const;

  int minSize_ = 30;
  TControl* dragged_ = nullptr;
  int downPos_ = 0;
  int downSize_ = 0;
};
