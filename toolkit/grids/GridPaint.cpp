// TCustomGrid drawing loop: fixed rows and columns first, then the scrolled
// cells, each through DrawCell with display indexes; only the cells that
// meet the area being painted are drawn.

#include <algorithm>

#include "toolkit/graphics/Canvas.h"
#include "toolkit/grids/Grids.h"

namespace {
// The indexes an axis shows, in order, with their start pixel.
struct TAxisCell {
  int Index;
  int Start;
  int Line;
};

std::vector<TAxisCell> shownCells(const TGridAxisDrawInfo& A) {
  std::vector<TAxisCell> cells;
  int pos = 0;
  for (int i = 0; i < A.FixedCellCount && pos < A.GridExtent; ++i) {
    cells.push_back({i, pos, A.FixedLineWidth});
    pos += A.GetExtent(i) + A.FixedLineWidth;
  }
  pos = A.FixedBoundary;
  for (int i = A.FirstGridCell; i < A.GridCellCount && pos < A.GridExtent; ++i) {
    cells.push_back({i, pos, A.EffectiveLineWidth});
    pos += A.GetExtent(i) + A.EffectiveLineWidth;
  }
  return cells;
}

bool meets(int Start, int End, int ClipStart, int ClipEnd) { return Start < ClipEnd && End > ClipStart; }
}  // namespace

void TCustomGrid::WMEraseBkgnd(TWMEraseBkgnd& Message) { Message.Result = 1; }

void TCustomGrid::Paint() {
  TCanvas* c = Canvas();
  TGridDrawInfo info;
  CalcDrawInfo(info);
  TRect clip = c->ClipRect();
  c->Font()->Assign(Font());
  std::vector<TAxisCell> cols = shownCells(info.Horz), rows = shownCells(info.Vert);
  TGridRect sel = Selection();
  bool focus = GridFocused();
  for (const TAxisCell& r : rows) {
    int h = RowHeights(r.Index);
    if (!meets(r.Start, r.Start + h + r.Line, clip.Top, clip.Bottom)) continue;
    for (const TAxisCell& col : cols) {
      int w = ColWidths(col.Index);
      if (!meets(col.Start, col.Start + w + col.Line, clip.Left, clip.Right)) continue;
      paintCell(col.Index, r.Index, TRect{col.Start, r.Start, col.Start + w, r.Start + h}, info, sel, focus);
    }
  }
  // Past the last cell: the grid's colour.
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  if (info.Horz.GridBoundary < ClientWidth())
    c->FillRect(TRect{info.Horz.GridBoundary, 0, ClientWidth(), info.Vert.GridBoundary});
  if (info.Vert.GridBoundary < ClientHeight())
    c->FillRect(TRect{0, info.Vert.GridBoundary, ClientWidth(), ClientHeight()});
  bool editorShown = FInplaceEdit && FInplaceEdit->Visible();
  if (focus && !FOptions.Contains(goRowSelect) && !editorShown && FCurrent.X >= FFixedCols &&
      FCurrent.Y >= FFixedRows) {
    TRect r = CellRect(FCurrent.X, FCurrent.Y);
    if (!r.IsEmpty()) {
      c->Brush()->SetColor(Color());
      c->DrawFocusRect(r);
    }
  }
  paintSizingLine(info);
}

void TCustomGrid::paintCell(int C, int R, const TRect& Cell, const TGridDrawInfo& Info, const TGridRect& Sel,
                            bool Focus) {
  TCanvas* c = Canvas();
  TGridDrawState state;
  bool fixed = C < FFixedCols || R < FFixedRows;
  if (fixed) {
    state.Include(gdFixed);
  } else {
    bool current = FOptions.Contains(goRowSelect) ? R == FCurrent.Y : (C == FCurrent.X && R == FCurrent.Y);
    if (Focus && current) state.Include(gdFocused);
    bool showSel = !state.Contains(gdFocused) || FOptions.Contains(goDrawFocusSelected) ||
                   FOptions.Contains(goRowSelect);
    if (Sel.Contains(C, R) && showSel) state.Include(gdSelected);
  }
  c->Brush()->SetStyle(bsSolid);
  c->Font()->SetColor(state.Contains(gdSelected) ? clHighlightText : Font()->Color());
  c->Brush()->SetColor(fixed ? FFixedColor : state.Contains(gdSelected) ? clHighlight : Color());
  if (FDefaultDrawing) c->FillRect(Cell);
  DrawCell(C, R, Cell, state);
  if (fixed && FDefaultDrawing && Ctl3D() && Cell.Width() > 1 && Cell.Height() > 1) {
    TRect edge = Cell;
    c->DrawEdge(edge, BDR_RAISEDINNER, BF_TOPLEFT | BF_BOTTOMRIGHT);
  }
  // The lines after the cell: right, then bottom (with the crossing).
  int lineV = Info.Horz.LineAfter(C), lineH = Info.Vert.LineAfter(R);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(fixed ? clBlack : clSilver);
  if (lineV > 0) c->FillRect(TRect{Cell.Right, Cell.Top, Cell.Right + lineV, Cell.Bottom + lineH});
  if (lineH > 0) c->FillRect(TRect{Cell.Left, Cell.Bottom, Cell.Right + lineV, Cell.Bottom + lineH});
}

// While sizing, an inverted line shows where the column or row edge will go
// (visible on light and selected cells alike); while moving, a double line
// shows where the column or row will land.
void TCustomGrid::paintSizingLine(const TGridDrawInfo& Info) {
  TCanvas* c = Canvas();
  auto vertical = [&](int x) { c->MoveTo(x, 0); c->LineTo(x, Info.Vert.GridBoundary); };
  auto horizontal = [&](int y) { c->MoveTo(0, y); c->LineTo(Info.Horz.GridBoundary, y); };
  TPenMode mode = c->Pen()->Mode();
  int width = c->Pen()->Width();
  c->Pen()->SetMode(pmNot);
  c->Pen()->SetWidth(1);
  if (FGridState == gsColSizing) vertical(FSizingPos);
  if (FGridState == gsRowSizing) horizontal(FSizingPos);
  if (FGridState == gsColMoving && FMovePos >= 0) {
    TRect r = CellRect(FMovePos, 0);
    int x = FMovePos > FMoveIndex ? r.Right : r.Left;
    if (!r.IsEmpty()) { vertical(x - 1); vertical(x); }
  }
  if (FGridState == gsRowMoving && FMovePos >= 0) {
    TRect r = CellRect(0, FMovePos);
    int y = FMovePos > FMoveIndex ? r.Bottom : r.Top;
    if (!r.IsEmpty()) { horizontal(y - 1); horizontal(y); }
  }
  c->Pen()->SetMode(mode);
  c->Pen()->SetWidth(width);
}

void TCustomGrid::invalidateSizingLine(const TGridDrawInfo& Info, int Pos) {
  if (FGridState == gsColSizing) invalidateClient(TRect{Pos - 1, 0, Pos + 2, Info.Vert.GridBoundary});
  else if (FGridState == gsRowSizing) invalidateClient(TRect{0, Pos - 1, Info.Horz.GridBoundary, Pos + 2});
}
