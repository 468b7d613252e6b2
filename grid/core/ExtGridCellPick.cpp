// Disjunct cell selection: cells picked one by one by click, Ctrl+click,
// Shift+click, Space and Shift+arrows, and the queries over whatever
// selection the grid has (picked cells, disjunct rows or columns, or the
// rectangle).

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "grid/editing/ExtRichEdit.h"
#include "grid/foundation/ExtUtil.h"

void TExtStringGrid::ClearSelectedCells() {
  SetSelection({TCustomGrid::FixedCols(), TCustomGrid::FixedRows(), TCustomGrid::FixedCols(),
                TCustomGrid::FixedRows()});
  FPickedCells.Clear();
  Invalidate();
}

bool TExtStringGrid::IsSelected(int ADisplCol, int ARow) {
  if (ARow < TCustomGrid::FixedRows() || ADisplCol < TCustomGrid::FixedCols()) return false;
  if (MouseActions()->DisjunctCellSelect()) return FPickedCells.Contains(ADisplCol, ARow);
  if (MouseActions()->DisjunctRowSelect())
    return RowSelect(MouseActions()->RowSelectPersistent() ? RealRowIndex(ARow) : ARow);
  if (MouseActions()->DisjunctColSelect()) return ADisplCol < ColCount() && ColSelect(ADisplCol);
  return Selection().Contains(ADisplCol, ARow);
}

bool TExtStringGrid::SelectedCells(int ADisplCol, int ARow) const {
  if (const_cast<TExtStringGrid*>(this)->MouseActions()->DisjunctCellSelect())
    return FPickedCells.Contains(ADisplCol, ARow);
  return NormalizedGridRect(Selection()).Contains(ADisplCol, ARow);
}

void TExtStringGrid::SetSelectedCells(int ADisplCol, int ARow, bool Value) {
  bool listed = FPickedCells.Contains(ADisplCol, ARow);
  if (Value == listed) return;
  if (Value) FPickedCells.Add(ADisplCol, ARow);
  else FPickedCells.Remove(ADisplCol, ARow);
  RepaintCell(RealColIndex(ADisplCol), ARow);
}

// Outside the disjunct mode the list is rebuilt from the rectangle, so that
// SelectedCell enumerates it.
int TExtStringGrid::SelectedCellsCount() {
  if (MouseActions()->DisjunctCellSelect()) return FPickedCells.Count();
  FPickedCells.Clear();
  TGridRect s = NormalizedGridRect(Selection());
  if (s.Left == s.Right && s.Top == s.Bottom) {
    FPickedCells.Add(Col(), Row());
    return 1;
  }
  for (int c = s.Left; c <= s.Right; ++c)
    for (int r = s.Top; r <= s.Bottom; ++r) FPickedCells.Add(c, r);
  return FPickedCells.Count();
}

int TExtStringGrid::SelectedColCount() {
  if (MouseActions()->DisjunctColSelect()) return ColSelectCount();
  TGridRect s = Selection();
  int l = s.Left, r = s.Right, t = s.Top;
  if (IsMergedCell(RealColIndex(l), t)) {
    int span = CellSpan(RealColIndex(l), t).X;
    return l + span > r ? span + 1 : std::abs(l - r) + 1;
  }
  if (IsMergedCell(RealColIndex(r), t)) return std::abs(l - r) + 1 + std::max(0, CellSpan(RealColIndex(r), t).X);
  return std::abs(l - r) + 1;
}

int TExtStringGrid::SelectedRowCount() {
  if (MouseActions()->DisjunctRowSelect()) return RowSelectCount();
  TGridRect s = Selection();
  int t = s.Top, b = std::min(s.Bottom, lastNormalRow());
  int l = RealColIndex(s.Left);
  if (IsMergedCell(l, t)) {
    int span = CellSpan(l, t).Y;
    return b < t + span ? span + 1 : std::abs(t - b) + 1;
  }
  if (IsMergedCell(l, b)) return std::abs(t - b) + 1 + std::max(0, CellSpan(l, b).Y);
  return std::abs(t - b) + 1;
}

int TExtStringGrid::SelectedRow(int Index) {
  if (MouseActions()->DisjunctRowSelect())
    return Index >= 0 && Index < static_cast<int>(FPickedRows.size()) ? FPickedRows[static_cast<size_t>(Index)] : -1;
  TGridRect s = NormalizedGridRect(Selection());
  return Index >= 0 && s.Top + Index <= s.Bottom ? s.Top + Index : -1;
}

// Cells joined by tabs, rows by CR LF; every emitted row but the last is
// followed by a line break, in the disjunct-row case too.
// Rich text goes as its plain text; whole rows are dragged with
// OleEntireRows, so their text spans every column.
std::string TExtStringGrid::SelectedText() {
  TGridRect s = NormalizedGridRect(Selection());
  if (Options().Contains(goRowSelect) && FDragDropSettings.OleEntireRows()) {
    s.Left = 0;
    s.Right = ColCount() - 1;
  }
  std::vector<int> rows;
  if (MouseActions()->DisjunctRowSelect()) {
    for (int r = TCustomGrid::FixedRows(); r < RowCount(); ++r)
      if (RowSelect(MouseActions()->RowSelectPersistent() ? RealRowIndex(r) : r)) rows.push_back(r);
  } else {
    for (int r = s.Top; r <= s.Bottom; ++r) rows.push_back(r);
  }
  std::string out;
  for (size_t i = 0; i < rows.size(); ++i) {
    for (int c = s.Left; c <= s.Right; ++c) {
      std::string text = GetCellEx(RealColIndex(c), rows[i]);
      if (text.find("{\\") != std::string::npos) text = richPlainText(text);
      if (ExcelClipboardFormat() && CountLines(text, true) > 1) QuoteMultiLineField(text);
      out += text;
      if (c < s.Right) out += '\t';
    }
    if (i + 1 < rows.size()) out += "\r\n";
  }
  return out;
}

std::string TExtStringGrid::richPlainText(const std::string& Rtf) {
  TExtRichEdit* rich = RichEdit();
  rich->LoadRichText(Rtf);
  return rich->Text();
}

// ---- picking by mouse and keys ----

// False when OnSelectCell refused the pick (the release then stops).
bool TExtStringGrid::pickCellsByMouse(int ADisplCol, int ARow, TShiftState Shift) {
  if (ADisplCol < 0 || ARow < 0) return true;
  TPoint bp = BaseCell(RealColIndex(ADisplCol), ARow);
  TGridCoord b{DisplColIndex(bp.X), bp.Y};
  bool fixedCell = ADisplCol < TCustomGrid::FixedCols() || ARow < TCustomGrid::FixedRows();
  if (!IsFixed(b.X, b.Y)) {
    bool can = true;
    if (OnSelectCell) OnSelectCell(this, b.X, b.Y, can);
    if (!can) return false;
    if (Shift.Contains(ssShift)) {
      FPickedCells.Add(ADisplCol, ARow);
    } else if (Shift.Contains(ssCtrl)) {
      FPickedCells.Toggle(b.X, b.Y);
    } else {
      repaintPickedCells();
      FPickedCells.Clear();
      FPickedCells.Add(b.X, b.Y);
    }
  } else if (!fixedCell && !Shift.Contains(ssCtrl)) {
    FPickedCells.Clear();
    Invalidate();
  }
  addSelectionToPicks(b);
  RepaintCell(RealColIndex(ADisplCol), ARow);
  return true;
}

void TExtStringGrid::pickCellsByKey(uint16_t Key, TShiftState Shift, const TGridRect& Before) {
  TGridRect now = NormalizedGridRect(Selection());
  if (Shift.Contains(ssShift) && Key != VK_SPACE) {
    for (int c = Before.Left; c <= Before.Right; ++c)
      for (int r = Before.Top; r <= Before.Bottom; ++r)
        while (FPickedCells.Remove(c, r)) {}
    for (int c = now.Left; c <= now.Right; ++c)
      for (int r = now.Top; r <= now.Bottom; ++r)
        if (!(c == Col() && r == Row())) FPickedCells.Add(c, r);
    repaintPickedCells();
    return;
  }
  if (Key != VK_SPACE) return;
  TPoint bp = BaseCell(RealColIndex(Col()), Row());
  TGridCoord b{DisplColIndex(bp.X), bp.Y};
  if (!IsFixed(b.X, b.Y)) {
    bool can = true;
    if (OnSelectCell) OnSelectCell(this, b.X, b.Y, can);
    if (!can) return;
    if (Shift.Contains(ssCtrl)) {
      FPickedCells.Toggle(b.X, b.Y);
    } else {
      repaintPickedCells();
      FPickedCells.Clear();
      FPickedCells.Add(b.X, b.Y);
    }
  }
  addSelectionToPicks(b);
  RepaintCell(RealColIndex(Col()), Row());
}

// A dragged (or Shift-extended) rectangle joins the picked cells.
void TExtStringGrid::addSelectionToPicks(TGridCoord Base) {
  TGridRect s = NormalizedGridRect(Selection());
  if (s.Left == s.Right && s.Top == s.Bottom) return;
  for (int c = s.Left; c <= s.Right; ++c)
    for (int r = s.Top; r <= s.Bottom; ++r)
      if (!(c == Base.X && r == Base.Y)) FPickedCells.AddUnique(c, r);
  repaintPickedCells();
}

void TExtStringGrid::repaintPickedCells() {
  for (const TGridCoord& c : FPickedCells.Cells()) RepaintCell(RealColIndex(c.X), c.Y);
}
