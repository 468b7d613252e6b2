// Row and column structure edits and the cells-changed notification. The
// data code builds sorting, filtering, grouping and footers on these; the
// structure edits here keep the hidden rows' real indexes in step and never
// leave removed cells behind to reappear.

#include <algorithm>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/SysUtils.h"

void TExtStringGrid::InsertRows(int ARow, int RCount) {
  if (RCount <= 0 || ARow < 0 || ARow > RowCount()) return;
  insertRowsBefore(std::vector<int>(RCount, ARow));
}

void TExtStringGrid::RemoveRows(int ARow, int RCount) {
  RCount = std::min(RCount, RowCount() - ARow);
  if (RCount <= 0 || ARow < 0) return;
  std::vector<int> rows(RCount);
  for (int k = 0; k < RCount; ++k) rows[k] = ARow + k;
  // The store drops the rows whole: nothing of them comes back later.
  removeDisplayedRows(rows);
}

void TExtStringGrid::RemoveRowsEx(int ARow, int RCount) { RemoveRows(ARow, RCount); }

void TExtStringGrid::InsertCols(int ARealCol, int CCount) {
  if (CCount <= 0 || ARealCol < 0) return;
  int d = std::min(RealToDisplColumn(ARealCol), ColCount());
  for (int i = 0; i < CCount; ++i) {
    SetColCount(ColCount() + 1);
    if (FColumnOrder.Count() > 0) FColumnOrder.Add(FColumnOrder.Count());
    ClearColumnCells(RealColIndex(ColCount() - 1));
    MoveColumn(ColCount() - 1, d);
  }
}

// The column goes to the real end, past the hidden columns, which move one
// place down with their kept cells and saved widths and stay hidden; then
// the count drops it.
void TExtStringGrid::RemoveCols(int ARealCol, int CCount) {
  for (int i = 0; i < CCount && ColCount() > 1; ++i) {
    if (IsHiddenColumn(ARealCol) || ARealCol < 0 || ARealCol >= AllColCount()) return;
    HideInplaceEdit();
    const int d = RealToDisplColumn(ARealCol), last = AllColCount() - 1;
    ClearColumnCells(ARealCol);
    for (int k = d; k < ColCount() - 1; ++k) SetColWidths(k, ColWidths(k + 1));
    Store().MoveColumn(ARealCol, last);
    for (auto& item : FHiddenRows)
      if (item.Items()->Count() > ARealCol) item.Items()->Delete(ARealCol);
    for (int& h : FHiddenCols)
      if (h > ARealCol) --h;
    if (ARealCol < static_cast<int>(FAllColWidths.size())) FAllColWidths.erase(FAllColWidths.begin() + ARealCol);
    for (int k = FControlList.Count() - 1; k >= 0; --k) {
      TControlItem* c = FControlList.GetControl(k);
      if (c->X == ARealCol)
        FControlList.RemoveControl(k);
      else if (c->X > ARealCol)
        --c->X;
    }
    if (ARealCol < FColumnOrder.Count()) FColumnOrder.Delete(ARealCol);
    if (FSortSettings.Column() == ARealCol)
      FSortSettings.SetColumn(-1);
    else if (FSortSettings.Column() > ARealCol)
      FSortSettings.SetColumn(FSortSettings.Column() - 1);
    SetColCount(ColCount() - 1);
  }
}

void TExtStringGrid::CellsChanged(const TRect& R) {
  if (OnCellsChanged) OnCellsChanged(this, R);
  // A copy, so that a notifier may unregister itself while it is told.
  std::vector<TGridChangeNotifier*> told;
  for (int i = 0; i < FNotifiers.Count(); ++i) told.push_back(static_cast<TGridChangeNotifier*>(FNotifiers[i]));
  for (TGridChangeNotifier* n : told)
    if (FNotifiers.IndexOf(n) >= 0) n->CellsChanged(R);
  AllFootersChanged();
}

void TExtStringGrid::RegisterNotifier(TGridChangeNotifier* ANotifier) {
  if (!ANotifier || FNotifiers.IndexOf(ANotifier) >= 0) return;
  FNotifiers.Add(ANotifier);
  ANotifier->FreeNotification(this);
}

void TExtStringGrid::UnRegisterNotifier(TGridChangeNotifier* ANotifier) {
  if (FNotifiers.Remove(ANotifier) >= 0) ANotifier->RemoveFreeNotification(this);
}

void TExtStringGrid::SelectionChanged(int ALeft, int ATop, int ARight, int ABottom) {
  if (OnSelectionChanged) OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TExtStringGrid::GotoFirstNormalRow() {
  if (RowCount() > FixedRows()) SetRow(FixedRows());
}

// ---- typed values and cell objects ----

// A number cell may be shown in a format the program picks per cell; the
// stored text stays as it is, and a format that fails shows the text.
std::string TExtStringGrid::GetFormattedCell(int ARealCol, int ARow) {
  std::string text = Cells(ARealCol, ARow);
  if (!OnGetFloatFormat) return text;
  const int kind = GetNumberTextKind(text);
  if (kind != 0 && kind != 1 && kind != 5) return text;
  bool isFloat = true;
  std::string format = FFloatFormat;
  OnGetFloatFormat(this, ARealCol, ARow, isFloat, format);
  if (!isFloat || format.empty()) return text;
  try {
    if (format.find('d') != std::string::npos) return Format(format, Ints(ARealCol, ARow));
    return Format(format, Floats(ARealCol, ARow));
  } catch (const std::exception&) {
    return text;
  }
}

void TExtStringGrid::GetFloatFormat(int ARealCol, int ARow, bool& IsFloat, std::string& FloatFormat) {
  FloatFormat = FFloatFormat;
  if (OnGetFloatFormat) OnGetFloatFormat(this, ARealCol, ARow, IsFloat, FloatFormat);
}

TCellType TExtStringGrid::GetCellType(int ARealCol, int ARow) {
  if (ARealCol < 0 || ARow < 0) return ctEmpty;
  if (ARealCol == 0 && FMouseActions.HotmailRowSelect()) return ctRowCheckBox;
  // The stored graphic only: the column grid hands out a shared one for
  // cells that have none.
  auto* g = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ARealCol, ARow));
  return g ? g->CellType : ctEmpty;
}

TCellGraphic* TExtStringGrid::GetCellGraphic(int ARealCol, int ARow) {
  if (ARealCol < 0 || ARow < 0) return nullptr;
  if (ARealCol == 0 && FMouseActions.HotmailRowSelect()) return rowCheckGraphic(ARow);
  return dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ARealCol, ARow));
}

// The shared row check box, set up for one row: the header's shows whether
// all, some or none of the normal rows are selected.
TCellGraphic* TExtStringGrid::rowCheckGraphic(int ARow) {
  if (ARow >= RowCount()) return nullptr;
  TCellGraphic& g = FSharedCellGraphic;
  g.CellType = ctRowCheckBox;
  g.CellTransparent = FControlLook.ControlStyle() == csFlat;
  g.CellAngle = 0;
  if (ARow == 0) {
    int normal = RowCount() - FixedRows(), selected = 0;
    for (int r = FixedRows(); r < RowCount(); ++r) selected += RowSelect(RealRowIndex(r)) ? 1 : 0;
    g.CellAngle = selected > 0 && selected < normal ? 1 : 0;
    g.CellBoolean = normal > 0 && selected == normal;
  } else {
    g.CellBoolean = RowSelect(RealRowIndex(ARow));
  }
  return &g;
}

TPoint TExtStringGrid::GetCellGraphicSize(int ARealCol, int ARow) { return CalcCellGraphicSize(ARealCol, ARow, 0); }

TPoint TExtStringGrid::CalcCellGraphicPrintSize(int ARealCol, int ARow) {
  return CalcCellGraphicSize(ARealCol, ARow, 0);
}
