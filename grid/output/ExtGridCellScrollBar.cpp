// The scroll bar of a scroll-bar cell: drawn into the cell's right edge while
// the cell's content is taller than the page it shows; the text of an
// auto-range cell then shows from the bar's position on.

#include <algorithm>

#include "grid/output/CellPaint.h"
#include "toolkit/forms/std/InnerScrollBar.h"

void TExtStringGrid::paintCellScrollBar(TCellPaint& P) {
  const TScrollProp prop = GetScrollProp(P.RCol, P.ARow);
  const int pos = GetScrollPosition(P.RCol, P.ARow);
  if (HasAutoRangeScrollBar(P.RCol, P.ARow)) P.ScrollPos = pos;
  if (prop.PageSize >= prop.Range) return;
  TInnerScrollBar bar;
  bar.Vertical = true;
  bar.SetRange(0, prop.Range);
  bar.SetPage(prop.PageSize);
  bar.SetPosition(pos);
  const int width = std::min(TInnerScrollBar::DefaultThickness, P.R.Width());
  bar.Bounds = TRect(P.R.Right - width, P.R.Top, P.R.Right, P.R.Bottom);
  bar.Paint(P.Canvas);
  P.R.Right -= width;
}
