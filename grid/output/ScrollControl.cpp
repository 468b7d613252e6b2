#include "grid/output/ScrollControl.h"

#include <algorithm>
#include <cmath>

#include "grid/core/ExtGrid.h"
#include "toolkit/graphics/Canvas.h"

namespace {

int RoundEven(double V) { return static_cast<int>(std::nearbyint(V)); }

}  // namespace

TScrollControl::TScrollControl(TComponent* AOwner) : TCustomControl(AOwner) {}

void TScrollControl::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Invalidate();
}

TExtStringGrid* TScrollControl::grid() const { return dynamic_cast<TExtStringGrid*>(Parent()); }

TScrollControl::TLines TScrollControl::lines() const {
  TLines l;
  TExtStringGrid* g = grid();
  if (!g) return l;
  const bool v = FDirection == sdVertical;
  l.Count = v ? g->RowCount() : g->ColCount();
  l.Fixed = v ? g->FixedRows() : g->FixedCols();
  l.Visible = v ? g->VisibleRowCount() : g->VisibleColCount();
  l.First = v ? g->TopRow() : g->LeftCol();
  auto extent = [&](int i) { return v ? g->RowHeights(i) : g->ColWidths(i); };
  for (int i = 0; i < l.Fixed && i < l.Count; ++i) l.FixedExtent += extent(i);
  if (v)
    for (int i = std::max(0, l.Count - g->FixedFooters()); i < l.Count; ++i) l.FooterExtent += extent(i);
  l.FirstLineExtent = l.Count > 0 ? extent(0) : 0;
  return l;
}

// Along a track of the control's length less the fixed and footer lines:
// the visible share gives the size (at least 20), the first scrollable
// line in view the start. Nothing scrolls: no thumb, and no division.
TScrollControl::TThumb TScrollControl::Thumb() const {
  TThumb t;
  const TLines l = lines();
  if (l.Count <= 0 || l.Count - l.Fixed <= 0) return t;
  const int track = length() - l.FixedExtent - l.FooterExtent;
  const double visible = double(l.Visible) / l.Count;
  const double position = double(l.First - l.Fixed) / (l.Count - l.Fixed);
  t.Start = l.FixedExtent + RoundEven(track * position);
  t.Size = std::max(20, RoundEven(track * visible));
  if (t.Start + t.Size > length()) t.Start = length() - t.Size;
  t.Shown = l.Visible < l.Count - l.Fixed;
  return t;
}

// The grid shows through the track: nothing is erased.
void TScrollControl::WMEraseBkgnd(TWMEraseBkgnd& Message) { Message.Result = 1; }

void TScrollControl::Paint() {
  const TThumb t = Thumb();
  if (!t.Shown) return;
  TCanvas* c = Canvas();
  c->Pen()->SetColor(FColor);
  c->Brush()->SetColor(FColor);
  if (FDirection == sdVertical) c->Rectangle(TRect(0, t.Start, FScrollWidth, t.Start + t.Size));
  else c->Rectangle(TRect(t.Start, 0, t.Start + t.Size, FScrollWidth));
}

void TScrollControl::scrollTo(int First) {
  TExtStringGrid* g = grid();
  if (!g) return;
  if (FDirection == sdVertical) g->SetTopRow(First);
  else g->SetLeftCol(First);
  // The thumb's old place shows the grid again.
  g->Invalidate();
}

void TScrollControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (!grid()) return;
  const TLines l = lines();
  const TThumb t = Thumb();
  const int at = FDirection == sdVertical ? Y : X;
  if (at < t.Start) {
    scrollTo(std::max(l.Fixed, l.First - l.Visible));
  } else if (at > t.Start + t.Size) {
    scrollTo(std::min(l.First + l.Visible, l.Count - l.Visible));
  } else {
    FPressed = true;
    FPressPos = at;
    FPressFirst = l.First;
  }
}

void TScrollControl::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (!FPressed || !grid()) return;
  const TLines l = lines();
  const int span = length() - l.FirstLineExtent;
  if (span <= 0) return;
  const int at = FDirection == sdVertical ? Y : X;
  const int moved = RoundEven(double(at - FPressPos) / span * l.Count);
  scrollTo(std::max(l.Fixed, std::min(moved + FPressFirst, l.Count - l.Visible)));
}

void TScrollControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  FPressed = false;
}

// The metro scroll type shows the thin indicators along the right and bottom
// edges instead of the system's scroll bars; any other type removes them and
// brings both system bars back.
void TExtStringGrid::UpdateScrollControls() {
  const bool wanted = FScrollType == ssMetro && !ComponentState().Contains(csDestroying);
  if (!wanted) {
    if (!FScrollControlV && !FScrollControlH) return;
    delete FScrollControlV;
    delete FScrollControlH;
    FScrollControlV = FScrollControlH = nullptr;
    if (!ComponentState().Contains(csDestroying)) SetScrollBars(ssBoth);
    return;
  }
  SetScrollBars(ssNone);
  CreateMetroScrollControls();
}

void TExtStringGrid::CreateMetroScrollControls() {
  auto make = [this](TScrollDirection Direction) {
    auto* s = new TScrollControl(this);
    s->SetDirection(Direction);
    if (Direction == sdVertical) {
      s->SetWidth(6);
      s->SetAlign(alRight);
    } else {
      s->SetHeight(6);
      s->SetAlign(alBottom);
    }
    s->SetDoubleBuffered(true);
    s->SetVisible(true);
    s->SetParent(this);
    return s;
  };
  if (!FScrollControlV) FScrollControlV = make(sdVertical);
  if (!FScrollControlH) FScrollControlH = make(sdHorizontal);
}
