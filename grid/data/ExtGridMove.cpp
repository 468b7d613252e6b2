// Moving and swapping the string grid's rows and columns, and the column
// order list. The store moves row and column pointers; what the grid keeps
// beside the store (per-row flags, the sort cross-reference, the cells of
// hidden rows, the hidden columns' places and widths, embedded cell
// controls) is moved along, so that nothing stays behind at the old index.

#include <algorithm>
#include <numeric>

#include "grid/core/ExtGrid.h"

namespace {
// Where an index ends up when the entry at From is moved to To.
int followMove(int Index, int From, int To) {
  if (Index == From) return To;
  if (From < To && Index > From && Index <= To) return Index - 1;
  if (From > To && Index >= To && Index < From) return Index + 1;
  return Index;
}

// Flags are kept only as far as a row was ever flagged.
void moveFlag(std::vector<uint8_t>& Flags, int From, int To) {
  if (Flags.empty()) return;
  const int need = std::max(From, To) + 1;
  if (static_cast<int>(Flags.size()) < need) Flags.resize(need, 0);
  uint8_t v = Flags[From];
  Flags.erase(Flags.begin() + From);
  Flags.insert(Flags.begin() + To, v);
}

}  // namespace

// ---- cell controls ----

// Controls sit at real rows; rows move by displayed index, and a hidden row
// keeps its place, so only the shown rows' controls are remapped.
void TExtStringGrid::moveControls(bool Cols, int From, int To) {
  for (int i = 0; i < FControlList.Count(); ++i) {
    TControlItem* c = FControlList.GetControl(i);
    if (Cols) {
      c->X = followMove(c->X, From, To);
    } else if (!IsHiddenRow(c->Y)) {
      c->Y = RealRowIndex(followMove(DisplRowIndex(c->Y), From, To));
    }
  }
}

void TExtStringGrid::swapControls(bool Cols, int A, int B) {
  for (int i = 0; i < FControlList.Count(); ++i) {
    TControlItem* c = FControlList.GetControl(i);
    int& v = Cols ? c->X : c->Y;
    if (v == A)
      v = B;
    else if (v == B)
      v = A;
  }
}

// ---- hidden rows' cells follow the columns ----

// The kept cells of every hidden row, long enough to reach column Need - 1.
static void eachHiddenRowCells(const std::vector<TGridItem>& Rows, int Need,
                               const std::function<void(TStrings*)>& Fn) {
  for (auto& item : Rows) {
    TStrings* s = item.Items();
    while (s->Count() < Need) s->Add("");
    Fn(s);
  }
}

void TExtStringGrid::moveHiddenRowCells(int FromRealCol, int ToRealCol) {
  eachHiddenRowCells(FHiddenRows, std::max(FromRealCol, ToRealCol) + 1,
                     [&](TStrings* s) { s->Move(FromRealCol, ToRealCol); });
}

void TExtStringGrid::swapHiddenRowCells(int ARealCol1, int ARealCol2) {
  eachHiddenRowCells(FHiddenRows, std::max(ARealCol1, ARealCol2) + 1,
                     [&](TStrings* s) { s->Exchange(ARealCol1, ARealCol2); });
}

// The framework moves displayed columns; the store holds real ones. The
// column goes to the real place of the target, and the hidden columns it
// passes shift by one with their cells, so that each stays hidden.
void TExtStringGrid::MoveStoredColumn(int FromIndex, int ToIndex) {
  const int from = RealColIndex(FromIndex), to = RealColIndex(ToIndex);
  FMovedRealFrom = from;
  FMovedRealTo = to;
  TBaseGrid::MoveStoredColumn(from, to);
  for (int& h : FHiddenCols) h = followMove(h, from, to);
  if (!FAllColWidths.empty()) {
    ensureColumnMaps(std::max(from, to));
    int w = FAllColWidths[from];
    FAllColWidths.erase(FAllColWidths.begin() + from);
    FAllColWidths.insert(FAllColWidths.begin() + to, w);
  }
  moveHiddenRowCells(from, to);
  moveControls(true, from, to);
}

void TExtStringGrid::MoveColumn(int FromIndex, int ToIndex) {
  if (FColumnOrder.Count() == 0) SetColumnOrder();
  TBaseGrid::MoveColumn(FromIndex, ToIndex);
}

void TExtStringGrid::MoveRow(int FromIndex, int ToIndex) {
  if (FromIndex == ToIndex) return;
  moveControls(false, FromIndex, ToIndex);
  TBaseGrid::MoveRow(FromIndex, ToIndex);
  for (auto* flags : {&FModifiedFlags, &FDisabledFlags, &FRowSelectFlags}) moveFlag(*flags, FromIndex, ToIndex);
  if (FromIndex < FSortRowXRef.Count() && ToIndex < FSortRowXRef.Count()) FSortRowXRef.Move(FromIndex, ToIndex);
}

void TExtStringGrid::MoveRows(int FromIndex, int ToIndex, int Count) {
  Count = std::min(Count, RowCount() - FromIndex);
  if (FromIndex == ToIndex || Count <= 0 || FromIndex < 0 || ToIndex < 0) return;
  if (FromIndex + Count <= ToIndex) ToIndex -= Count;
  ToIndex = std::min(ToIndex, RowCount() - Count);
  if (ToIndex == FromIndex) return;
  // The rows between the block's old and new places, as one permutation:
  // the block keeps its order, the rows it passes close up.
  const int lo = std::min(FromIndex, ToIndex), hi = std::max(FromIndex, ToIndex) + Count;
  std::vector<int> rest, order;
  for (int r = lo; r < hi; ++r)
    if (r < FromIndex || r >= FromIndex + Count) rest.push_back(r);
  order.reserve(hi - lo);
  auto it = rest.begin();
  while (static_cast<int>(order.size()) < ToIndex - lo) order.push_back(*it++);
  for (int k = 0; k < Count; ++k) order.push_back(FromIndex + k);
  order.insert(order.end(), it, rest.end());
  std::vector<int> newPlace(hi - lo);
  for (int p = 0; p < hi - lo; ++p) newPlace[order[p] - lo] = lo + p;
  for (int i = 0; i < FControlList.Count(); ++i) {
    TControlItem* c = FControlList.GetControl(i);
    if (IsHiddenRow(c->Y)) continue;
    int d = DisplRowIndex(c->Y);
    if (d >= lo && d < hi) c->Y = RealRowIndex(newPlace[d - lo]);
  }
  TGridUpdateLock lock(*this);
  ApplyRowOrder(lo, order);
}

void TExtStringGrid::SwapRows(int ARow1, int ARow2) {
  if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return;
  const int lo = std::min(ARow1, ARow2), hi = std::max(ARow1, ARow2);
  std::vector<int> order(hi - lo + 1);
  std::iota(order.begin(), order.end(), lo);
  std::swap(order.front(), order.back());
  swapControls(false, RealRowIndex(lo), RealRowIndex(hi));
  ApplyRowOrder(lo, order);
}

// A sort exchanging two rows, as the sort settings move rows.
void TExtStringGrid::SortSwapRows(int ARow1, int ARow2) {
  if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return;
  const int lo = std::min(ARow1, ARow2), hi = std::max(ARow1, ARow2);
  std::vector<int> order(hi - lo + 1);
  std::iota(order.begin(), order.end(), lo);
  std::swap(order.front(), order.back());
  if (!FSortSettings.SingleColumn()) swapControls(false, RealRowIndex(lo), RealRowIndex(hi));
  applySortOrder(lo, order, FSortSettings.Column());
}

void TExtStringGrid::SwapCells(TGridCoord FromCell, TGridCoord ToCell) {
  auto inside = [this](TGridCoord c) { return c.X >= 0 && c.Y >= 0 && c.X < AllColCount() && c.Y < RowCount(); };
  if (!inside(FromCell) || !inside(ToCell)) return;
  const std::string text = GetGridCell(FromCell.X, FromCell.Y);
  TCellProperties* object = GetGridObject(FromCell.X, FromCell.Y);
  SetGridCell(FromCell.X, FromCell.Y, GetGridCell(ToCell.X, ToCell.Y));
  SetGridObject(FromCell.X, FromCell.Y, GetGridObject(ToCell.X, ToCell.Y));
  SetGridCell(ToCell.X, ToCell.Y, text);
  SetGridObject(ToCell.X, ToCell.Y, object);
}

void TExtStringGrid::MoveToCell(int ACol, int ARow) { FocusCell(ACol, ARow, true); }

void TExtStringGrid::SwapColumns(int ARealCol1, int ARealCol2) {
  const int n = AllColCount();
  if (ARealCol1 == ARealCol2 || ARealCol1 < 0 || ARealCol2 < 0 || ARealCol1 >= n || ARealCol2 >= n) return;
  HideInplaceEdit();
  const int lo = std::min(ARealCol1, ARealCol2), hi = std::max(ARealCol1, ARealCol2);
  Store().MoveColumn(lo, hi);
  Store().MoveColumn(hi - 1, lo);
  swapHiddenRowCells(lo, hi);
  const int w1 = AllColWidths(lo), w2 = AllColWidths(hi);
  SetAllColWidths(lo, w2);
  SetAllColWidths(hi, w1);
  if (FSortSettings.Column() == lo)
    FSortSettings.SetColumn(hi);
  else if (FSortSettings.Column() == hi)
    FSortSettings.SetColumn(lo);
  swapControls(true, lo, hi);
  Invalidate();
  CellsChanged(TRect{lo, 0, hi, RowCount() - 1});
}

// ---- column order ----

void TExtStringGrid::SetColumnOrder() {
  FColumnOrder.Clear();
  for (int c = 0; c < AllColCount(); ++c) FColumnOrder.Add(c);
}

// Each step brings the column with the smallest initial index left to the
// place it belongs; the initial indexes need not be contiguous (columns may
// have been inserted or removed since), and every move is inside the grid.
void TExtStringGrid::ResetColumnOrder() {
  UnHideColumnsAll();
  if (FColumnOrder.Count() == 0) {
    SetColumnOrder();
    return;
  }
  const int n = std::min(ColCount(), FColumnOrder.Count());
  TGridUpdateLock lock(*this);
  for (int p = 0; p < n; ++p) {
    int best = p;
    for (int q = p + 1; q < n; ++q)
      if (FColumnOrder.GetInteger(q) < FColumnOrder.GetInteger(best)) best = q;
    if (best != p) MoveColumn(best, p);
  }
}

int TExtStringGrid::ColumnPosition(int ARealCol) const {
  int pos = ARealCol;
  for (int i = 0; i < FColumnOrder.Count(); ++i)
    if (FColumnOrder.GetInteger(i) == ARealCol) {
      pos = i;
      break;
    }
  if (FGroupColumn != -1 && ARealCol >= FGroupColumn) --pos;
  return pos;
}

int TExtStringGrid::ColumnAtPosition(int APos) {
  if (FColumnOrder.Count() == 0) SetColumnOrder();
  if (APos < 0 || APos >= FColumnOrder.Count()) return APos;
  int c = FColumnOrder.GetInteger(APos);
  if (FGroupColumn != -1 && c >= FGroupColumn) ++c;
  return c;
}

int TExtStringGrid::ColumnByHeader(const std::string& AValue) const {
  for (int c = 0; c < TotalColCount(); ++c)
    if (AllCells(c, 0) == AValue) return c;
  return -1;
}
