// The sort indicator of header cells: an arrow or the sort settings' glyphs
// for the sorted column, numbered marks for columns of a multi-column sort.

#include "grid/output/CellPaint.h"
#include "grid/foundation/ExtUtilGlyphs.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

namespace {

bool HasGlyph(const TBitmap* b) { return b && !b->Empty(); }

}  // namespace

bool TExtStringGrid::IsSortIndicatorCell(int ACol, int ARow) {
  if (!FSortSettings.Show() || RowCount() - FixedRows() - FixedFooters() <= 1) return false;
  const TPoint span = CellSpan(RealColIndex(ACol), ARow);
  return ARow + std::max(0, span.Y) == FSortSettings.Row() || ARow == FSortSettings.Row();
}

bool TExtStringGrid::ShowsSortIndicator(int ARealCol, int ARow, int ADisplCol) {
  if (FixedRows() < 1 || !IsSortIndicatorCell(ADisplCol, ARow)) return false;
  if (ADisplCol < FixedCols() && !FSortSettings.FixedCols()) return false;
  const int position = FSortIndexes.FindIndex(ARealCol);
  if (ARealCol != FSortSettings.Column() && position < 0) return false;
  return position < 1 || FSortSettings.IndexShow();
}

int TExtStringGrid::SortIndicatorY(const TRect& T, TVAlignment VA) {
  if (VA == vtaCenter) return T.Top + T.Height() / 2;
  if (VA == vtaBottom) return T.Bottom - 8;
  return T.Top + 8;
}

void TExtStringGrid::DrawSortIndicator(TCanvas* ACanvas, int ACol, int X, int Y) {
  TCanvas* c = ACanvas;
  TSortSettings& s = FSortSettings;
  const int position = FSortIndexes.FindIndex(ACol);
  if (s.IndexShow() && position >= 0) {
    const bool ascending = FSortIndexes.GetSortDirections(position);
    c->Brush()->SetColor(s.IndexColor());
    c->Pen()->SetColor(s.IndexColor());
    const bool glyphs = HasGlyph(s.IndexUpGlyph()) && HasGlyph(s.IndexDownGlyph());
    if (!ascending) {
      if (glyphs) DrawBitmapTransparent(c, s.IndexUpGlyph(), X - 7, Y - 7);
      else c->Polygon({TPoint{X - 7, Y - 5}, TPoint{X + 7, Y - 5}, TPoint{X, Y + 8}});
    } else {
      if (glyphs) DrawBitmapTransparent(c, s.IndexDownGlyph(), X - 7, Y - 7);
      else c->Polygon({TPoint{X - 6, Y + 8}, TPoint{X + 6, Y + 8}, TPoint{X, Y - 4}});
    }
    TFont saved;
    saved.Assign(c->Font());
    c->Font()->SetColor(clBlack);
    c->Font()->SetSize(6);
    c->Brush()->SetStyle(bsClear);
    c->TextOut(X - 2, ascending ? Y - 2 : Y - 4, std::to_string(position + 1));
    c->Brush()->SetStyle(bsSolid);
    c->Font()->Assign(&saved);
    return;
  }
  const bool glyphs = HasGlyph(s.UpGlyph()) && HasGlyph(s.DownGlyph());
  const TColor shadow = TColor(0x808080);
  c->Pen()->SetWidth(1);
  if (s.Direction() == sdDescending) {
    if (glyphs) {
      DrawBitmapTransparent(c, s.DownGlyph(), X - 4, Y - 4);
    } else {
      c->Pen()->SetColor(clWhite);
      c->MoveTo(X + 4, Y - 4);
      c->LineTo(X, Y + 4);
      c->Pen()->SetColor(shadow);
      c->LineTo(X - 4, Y - 4);
      c->LineTo(X + 4, Y - 4);
    }
  } else if (glyphs) {
    DrawBitmapTransparent(c, s.UpGlyph(), X - 4, Y - 4);
  } else {
    c->Pen()->SetColor(clWhite);
    c->MoveTo(X - 4, Y + 4);
    c->LineTo(X + 4, Y + 4);
    c->LineTo(X, Y - 4);
    c->Pen()->SetColor(shadow);
    c->LineTo(X - 4, Y + 4);
  }
  c->Pen()->SetColor(clBlack);
}
