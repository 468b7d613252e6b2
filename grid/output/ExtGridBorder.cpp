// The one-pixel coloured window border of the modern looks, painted over the
// non-client frame after the framework's own.

#include "grid/core/ExtGrid.h"
#include "toolkit/graphics/Canvas.h"

namespace {

void Polyline(TCanvas* C, std::initializer_list<TPoint> Points) {
  auto it = Points.begin();
  C->MoveTo(it->X, it->Y);
  for (++it; it != Points.end(); ++it) C->LineTo(it->X, it->Y);
}

}  // namespace

void TExtStringGrid::WMNCPaint(TWMNCPaint& Message) {
  TBaseGrid::WMNCPaint(Message);
  if (FUpdateCount > 0 || !Message.Canvas) return;
  DrawNCBorder(Message.Canvas);
  Message.Result = 0;
}

// Window coordinates, the non-client frame included.
void TExtStringGrid::DrawNCBorder(TCanvas* ACanvas) {
  switch (FLook) {
    case glSoft: case glQGS: case glXP: case glListView: case glVista: case glWin7: case glOffice2007: break;
    default: return;
  }
  if (BorderStyle() == bsNone || FBorderColor == clNone || FFlat) return;
  const int w = Width(), h = Height();
  ACanvas->Pen()->SetColor(FBorderColor);
  ACanvas->Pen()->SetWidth(1);
  if (FitCellsInGrid) {
    Polyline(ACanvas, {{1, h}, {1, 1}, {w - 2, 1}, {w - 2, h - 2}, {1, h - 2}});
    if (Parent()) {
      ACanvas->Pen()->SetColor(Parent()->Color());
      Polyline(ACanvas, {{0, h}, {0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
    }
  } else if (IsThemed()) {
    Polyline(ACanvas, {{0, h - 1}, {0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
  }
}
