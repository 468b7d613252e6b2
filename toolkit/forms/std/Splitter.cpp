#include "toolkit/forms/std/Splitter.h"

#include <algorithm>

#include "toolkit/graphics/Canvas.h"

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetAlign(alLeft);
  SetWidth(3);
  SetCursor(crHSplit);
  SetParentColor(true);
}

TControl* TSplitter::ResizedControl() const {
  TWinControl* parent = Parent();
  if (!parent) return nullptr;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (c == this || !c->Visible() || c->Align() != Align()) continue;
    const bool touches = Align() == alLeft    ? c->Left() + c->Width() == Left()
                         : Align() == alRight ? c->Left() == Left() + Width()
                         : Align() == alTop   ? c->Top() + c->Height() == Top()
                         : Align() == alBottom && c->Top() == Top() + Height();
    if (touches) return c;
  }
  return nullptr;
}

int TSplitter::largestSize() const {
  TWinControl* parent = Parent();
  int room = horizontal() ? parent->ClientWidth() : parent->ClientHeight();
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (c == dragged_ || !c->Visible()) continue;
    const bool alongAxis =
        horizontal() ? c->Align() == alLeft || c->Align() == alRight : c->Align() == alTop || c->Align() == alBottom;
    if (alongAxis) room -= sizeOf(c);
  }
  return room - minSize_;
}

int TSplitter::axisPos(int X, int Y) const {
  const TPoint p = ClientToScreen(TPoint{X, Y});
  return horizontal() ? p.X : p.Y;
}

void TSplitter::Paint() {
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  dragged_ = ResizedControl();
  if (!dragged_) return;
  downPos_ = axisPos(X, Y);
  downSize_ = sizeOf(dragged_);
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!dragged_) return;
  int delta = axisPos(X, Y) - downPos_;
  if (Align() == alRight || Align() == alBottom) delta = -delta;
  const int size = std::max(minSize_, std::min(downSize_ + delta, largestSize()));
  if (size == sizeOf(dragged_)) return;
  if (horizontal()) dragged_->SetWidth(size);
  else dragged_->SetHeight(size);
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft || !dragged_) return;
  dragged_ = nullptr;
  if (OnMoved) OnMoved(this);
}
