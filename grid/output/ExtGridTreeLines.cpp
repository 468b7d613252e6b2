// The outline's tree lines in column 0: from each row's node glyph column a
// vertical line down its level, a branch to the row, and the lines of the
// enclosing levels passing by.

#include "grid/output/CellPaint.h"
#include "toolkit/graphics/Canvas.h"

namespace {
void line(TCanvas* c, int x1, int y1, int x2, int y2) {
  c->MoveTo(x1, y1);
  c->LineTo(x2, y2);
}
}  // namespace

void TExtStringGrid::paintTreeLines(TCellPaint& P) {
  if (FNumNodes == 0 || P.RCol != 0 || P.ARow < FixedRows() || !FCellNode.ShowTree()) return;
  TCanvas* c = P.Canvas;
  const TRect& R = P.R;
  c->Pen()->SetColor(FCellNode.TreeColor());
  c->Pen()->SetWidth(1);
  c->Pen()->SetStyle(psSolid);
  const int level = RowNodeLevel(P.ARow);
  const int indent = FCellNode.NodeIndent();
  const int x0 = GetRowIndent(P.ARow);
  const int branch = x0 + indent / 2 - indent + 2;
  const int mid = R.Top + R.Height() / 2;
  if (level > 0) line(c, branch, mid, FCellNode.ShowTreeFull() ? R.Right : x0 + 4, mid);
  switch (GetNodeSpanType(P.ARow)) {
    case 1: line(c, branch, R.Top, branch, mid); break;
    case 2: line(c, branch, R.Top, branch, R.Bottom + 4); break;
    default: break;
  }
  if (!HasCellProperties(0, P.ARow)) return;
  const bool nextGoesOn = P.ARow + 1 < RowCount() && RowNodeLevel(P.ARow + 1) != 0;
  for (int i = 1; i <= level; ++i) {
    const int x = branch - indent * i;
    line(c, x, R.Top, x, mid);
    if (nextGoesOn) line(c, x, mid, x, R.Bottom + 4);
    else if (i < level) line(c, x, mid, branch + indent - indent * i, mid);
  }
}
