// The background picture or gradient of the grid: inside the cells it
// covers (drawn under the cell text) and in the empty client area right of
// the last column and below the last row. Tiles start at the first cell the
// background covers, so scrolling keeps the pattern in place under the cells.

#include "grid/data/FooterPanel.h"
#include "grid/output/CellPaint.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/graphics/Canvas.h"

namespace {

constexpr int kGradientSteps = 128;

// Copies the bitmap in tiles from (R.Left - 1, R.Top - 1) on, each cut at
// R.Right and R.Bottom; the first row and column of tiles start at the
// source offset (SX, SY), later ones at 0.
void Tile(TCanvas* C, TBitmap* B, const TRect& R, int SX, int SY) {
  const int bw = B->Width(), bh = B->Height();
  if (bw <= 0 || bh <= 0) return;
  for (int y = R.Top - 1, sy = SY; y < R.Bottom; sy = 0) {
    const int h = std::min(bh - sy, R.Bottom - y);
    for (int x = R.Left - 1, sx = SX; x < R.Right; sx = 0) {
      const int w = std::min(bw - sx, R.Right - x);
      C->CopyRect(TRect(x, y, x + w, y + h), B->Canvas(), TRect(sx, sy, sx + w, sy + h));
      x += w;
    }
    y += h;
  }
}

}  // namespace

bool TExtStringGrid::BackgroundCovers(bool Fixed) const {
  switch (FBackGround.Cells()) {
    case bcNormal: return !Fixed;
    case bcFixed: return Fixed;
    default: return true;
  }
}

// The part of the bitmap at (Left, Top) that falls in R.
void TExtStringGrid::DrawBackgroundPictureAt(TCanvas* ACanvas, const TRect& R) {
  TBitmap* b = FBackGround.Bitmap();
  if (b->Empty()) return;
  const TRect at(FBackGround.Left(), FBackGround.Top(), FBackGround.Left() + b->Width(),
                 FBackGround.Top() + b->Height());
  TRect part;
  if (!IntersectRect(part, R, at)) return;
  TRect src = part;
  OffsetRect(src, -at.Left, -at.Top);
  ACanvas->CopyRect(part, b->Canvas(), src);
}

void TExtStringGrid::DrawBackgroundPictureTiled(TCanvas* ACanvas, const TRect& R) {
  Tile(ACanvas, FBackGround.Bitmap(), R, 0, 0);
}

void TExtStringGrid::DrawCellBackgroundAt(TCanvas* ACanvas, const TRect& R) { DrawBackgroundPictureAt(ACanvas, R); }

// Tiles aligned to the first covered cell: the cell's offset from it picks
// where in the bitmap the cell's first tile starts.
void TExtStringGrid::DrawCellBackgroundTiled(TCanvas* ACanvas, const TRect& R, int ADisplCol, int ARow) {
  TBitmap* b = FBackGround.Bitmap();
  if (b->Empty() || b->Width() <= 0 || b->Height() <= 0) return;
  const bool normalOnly = FBackGround.Cells() == bcNormal;
  int ox = 0, oy = 0;
  for (int c = normalOnly ? FixedCols() : 0; c < ADisplCol; ++c) ox += ColWidths(c);
  for (int r = normalOnly ? FixedRows() : 0; r < ARow; ++r) oy += RowHeights(r);
  Tile(ACanvas, b, R, std::max(0, ox) % b->Width(), std::max(0, oy) % b->Height());
}

// The slice of the grid-wide gradient that falls in R.
void TExtStringGrid::DrawCellBackgroundGradient(TCanvas* ACanvas, const TRect& R) {
  const bool horz = FBackGround.Display() == bdGradientHorz;
  const int extent = horz ? Width() : Height();
  const TColor from = FBackGround.Color(), to = FBackGround.ColorTo();
  const TColor start = InterpolateColor(from, to, 0, extent, horz ? R.Left : R.Top);
  const TColor end = InterpolateColor(from, to, 0, extent, horz ? R.Right : R.Bottom);
  ACanvas->Brush()->SetColor(end);
  ACanvas->Pen()->SetColor(end);
  GradientFillRect(ACanvas, start, end, kGradientSteps, R, horz);
}

// The background under a cell's text (T is the text rectangle before the
// inner margin): the picture where the cell has no colour of its own, the
// gradient also under check boxes, radios and buttons.
void TExtStringGrid::paintCellBackground(TCellPaint& P, const TRect& T) {
  const bool fixed = P.State.Contains(gdFixed);
  if (!BackgroundCovers(fixed)) return;
  const bool selected = P.State.Contains(gdSelected), focused = P.State.Contains(gdFocused);
  const bool ownColour = Colors(P.RCol, P.ARow) != clNone;
  if (!FBackGround.Bitmap()->Empty() && !ownColour && !(selected && FShowSelection)) {
    const TRect r(T.Left - (GridLineWidth() - 1), T.Top - (GridLineWidth() - 1), T.Right, T.Bottom);
    if (FBackGround.Display() == bdTile) DrawCellBackgroundTiled(P.Canvas, r, P.ACol, P.ARow);
    else DrawCellBackgroundAt(P.Canvas, r);
  }
  if (FBackGround.Display() != bdGradientHorz && FBackGround.Display() != bdGradientVert) return;
  const TCellType kind = P.Layout.Graphic ? P.Layout.Graphic->CellType : ctNone;
  const bool control = kind == ctCheckBox || kind == ctDataCheckBox || kind == ctRadio || kind == ctButton ||
                       kind == ctRadioButton;
  const bool shows = ((!selected || focused) && (!focused || !Options().Contains(goDrawFocusSelected))) ||
                     !FShowSelection;
  if ((!ownColour || control) && shows)
    DrawCellBackgroundGradient(P.Canvas, TRect(T.Left - 1, T.Top - GridLineWidth(), T.Right,
                                               T.Bottom + GridLineWidth() - 1));
}

// The empty client area right of the last column and below the last row,
// above the search and floating footers.
void TExtStringGrid::DrawEmptyAreaBackground(TCanvas* ACanvas) {
  const bool gradient = FBackGround.Display() == bdGradientHorz || FBackGround.Display() == bdGradientVert;
  if (gradient ? FBackGround.ColorTo() == clNone : FBackGround.Bitmap()->Empty()) return;
  const bool lastColShown = LeftCol() + VisibleColCount() >= ColCount();
  const bool lastRowShown = TopRow() + VisibleRowCount() >= RowCount();
  if (!lastColShown && !lastRowShown) return;
  int bottom = ClientHeight();
  if (FSearchFooter->Visible()) bottom -= 32;
  if (FFloatingFooter.Visible() && FooterPanel) bottom -= FooterPanel->Height();
  std::vector<TRect> areas;
  const int right = CellRect(ColCount() - 1, TopRow()).Right + GridLineWidth();
  if (lastColShown && right < ClientWidth()) areas.emplace_back(right, 0, ClientWidth(), bottom);
  const int below = CellRect(LeftCol(), RowCount() - 1).Bottom + GridLineWidth();
  if (lastRowShown && below < bottom) areas.emplace_back(0, below, ClientWidth(), bottom);
  const TRect client(0, 0, ClientWidth(), bottom);
  for (const TRect& a : areas) {
    ACanvas->SaveDC();
    ACanvas->IntersectClipRect(a.Left, a.Top, a.Right, a.Bottom);
    paintEmptyArea(ACanvas, client, gradient);
    ACanvas->RestoreDC(-1);
  }
}

void TExtStringGrid::paintEmptyArea(TCanvas* ACanvas, const TRect& Client, bool Gradient) {
  if (FBackGround.Bitmap()->Empty()) {
    if (Gradient)
      GradientFillRect(ACanvas, FBackGround.Color(), FBackGround.ColorTo(), kGradientSteps, Client,
                       FBackGround.Display() == bdGradientHorz);
    return;
  }
  if (FBackGround.Display() != bdTile) {
    DrawBackgroundPictureAt(ACanvas, Client);
    return;
  }
  if (FBackGround.Cells() == bcFixed) return;
  TRect r = Client;
  if (FBackGround.Cells() == bcNormal) {
    for (int c = 0; c < FixedCols(); ++c) r.Left += ColWidths(c);
    for (int w = 0; w < FixedRows(); ++w) r.Top += RowHeights(w);
  }
  OffsetRect(r, FXYOffset.X, FXYOffset.Y);
  DrawBackgroundPictureTiled(ACanvas, r);
}
