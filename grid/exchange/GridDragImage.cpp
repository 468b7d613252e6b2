// The drag image of the grid's cells: the grid paints itself into a bitmap,
// the cells of the dragged rectangle that are in view are cut out and shown
// translucent in a form of their own.

#include "grid/exchange/GridDragImage.h"

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "toolkit/forms/std/GraphicControls.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Picture.h"

TNoActiveForm::TNoActiveForm(TComponent* AOwner) : TForm(AOwner) {
  SetPopup(true);
  SetBorderStyle(bsNone);
  SetFormStyle(fsStayOnTop);
  SetEnabled(false);
}

void TNoActiveForm::WndProc(TMessage& Message) {
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  TForm::WndProc(Message);
  if (Message.Msg == WM_ACTIVATE) Message.Result = 1;
}

namespace {

// The part of R that is on screen: fixed cells and the scrolled window.
TGridRect CellsInView(const TExtStringGrid& G, TGridRect R) {
  const auto clip = [](int Lo, int Hi, int FixedCount, int First, int Visible, int& A, int& B) {
    const int lastInView = First + std::max(Visible, 1) - 1;
    if (A >= FixedCount) A = std::max(A, First);
    if (B >= FixedCount) B = std::min(B, lastInView);
    A = std::clamp(A, Lo, Hi);
    B = std::clamp(B, A, Hi);
  };
  if (R.Left > R.Right) std::swap(R.Left, R.Right);
  if (R.Top > R.Bottom) std::swap(R.Top, R.Bottom);
  clip(0, G.ColCount() - 1, G.FixedCols(), G.LeftCol(), G.VisibleColCount(), R.Left, R.Right);
  clip(0, G.RowCount() - 1, G.FixedRows(), G.TopRow(), G.VisibleRowCount(), R.Top, R.Bottom);
  return R;
}

}  // namespace

std::unique_ptr<TForm> TExtStringGrid::SelectionToForm(TGridRect ARect) {
  const TGridRect r = CellsInView(*this, ARect);
  const TRect a = CellRect(r.Left, r.Top), b = CellRect(r.Right, r.Bottom);
  const int left = std::min(a.Left, b.Left), top = std::min(a.Top, b.Top);
  const int right = std::max(a.Right, b.Right), bottom = std::max(a.Bottom, b.Bottom);
  // The cells with the grid line after them; at least one pixel, so that a
  // cell out of view still gives a form.
  const int w = std::max(right - left + 1, 1), h = std::max(bottom - top + 1, 1);

  // The whole grid as shown; its client area starts inside the border.
  TPoint client = ClientToScreen(TPoint{0, 0});
  const TPoint window = Parent() ? Parent()->ClientToScreen(TPoint{Left(), Top()}) : client;
  TBitmap picture;
  picture.SetSize(std::max(Width(), 1), std::max(Height(), 1));
  PaintTo(picture.Canvas(), 0, 0);
  const int dx = client.X - window.X, dy = client.Y - window.Y;

  TBitmap cells;
  cells.SetSize(w, h);
  cells.Canvas()->CopyRect(TRect{0, 0, w, h}, picture.Canvas(), TRect{left + dx, top + dy, left + dx + w, top + dy + h});
  // The edge lines of fixed cells: the one along the left edge goes with the
  // horizontal fixed lines, the one along the top with the vertical ones.
  TCanvas* c = cells.Canvas();
  c->Pen()->SetColor(GridFixedLineColor());
  if (r.Left == 0 && FixedCols() > 0 && Options().Contains(goFixedHorzLine)) {
    c->MoveTo(0, 0);
    c->LineTo(0, h);
  }
  if (r.Top == 0 && FixedRows() > 0 && Options().Contains(goFixedVertLine)) {
    c->MoveTo(0, 0);
    c->LineTo(w, 0);
  }

  auto form = std::make_unique<TNoActiveForm>(nullptr);
  form->SetBounds(0, 0, w, h);
  auto* image = new TImage(form.get());
  image->SetParent(form.get());
  image->SetAlign(alClient);
  image->Picture()->Assign(&cells);
  form->SetAlphaBlend(true);
  form->SetAlphaBlendValue(192);
  return form;
}
