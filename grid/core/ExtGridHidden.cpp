// Hidden columns and rows and the mapping between real and displayed
// indexes.
//
// A hidden column keeps its cells in the store at its real index; only the
// layout closes up. A hidden row's cells leave the store as one row pointer
// for an item that keeps them with the row's height, real index and what
// hid it. Both are kept as sorted lists,
// so each mapping is a binary search: a real index r is displayed at
// r - (hidden indexes below r), and a displayed index d is real d + k where k
// counts the hidden h[i] with h[i] - i <= d (h[i] - i never decreases).

#include <algorithm>

#include "grid/core/ExtGrid.h"

namespace {
// k for DisplToReal over a sorted list of hidden indexes given by IndexAt.
template <typename IndexAt>
int hiddenAtOrBefore(int Count, int ADispl, IndexAt At) {
  int lo = 0, hi = Count;
  while (lo < hi) {
    int mid = lo + (hi - lo) / 2;
    if (At(mid) - mid <= ADispl)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo;
}
}  // namespace

// ---- columns ----

bool TExtStringGrid::IsHiddenColumn(int ARealCol) const {
  return std::binary_search(FHiddenCols.begin(), FHiddenCols.end(), ARealCol);
}

int TExtStringGrid::RealToDisplColumn(int ARealCol) const {
  if (FHiddenCols.empty() || ARealCol < 0) return ARealCol;
  return ARealCol - static_cast<int>(std::lower_bound(FHiddenCols.begin(), FHiddenCols.end(), ARealCol) -
                                     FHiddenCols.begin());
}

int TExtStringGrid::DisplToRealColumn(int ADisplCol) const {
  if (FHiddenCols.empty() || ADisplCol < 0) return ADisplCol;
  return ADisplCol + hiddenAtOrBefore(static_cast<int>(FHiddenCols.size()), ADisplCol,
                                      [this](int i) { return FHiddenCols[i]; });
}

void TExtStringGrid::ensureColumnMaps(int ARealCol) {
  if (ARealCol >= static_cast<int>(FAllColWidths.size())) FAllColWidths.resize(ARealCol + 1, 0);
}

void TExtStringGrid::HideColumns(int FromRealCol, int ToRealCol) {
  HideInplaceEdit();
  for (int c = std::max(FromRealCol, 0); c <= ToRealCol; ++c) {
    if (IsHiddenColumn(c) || c >= AllColCount() || ColCount() < 2) continue;
    int d = RealToDisplColumn(c);
    ensureColumnMaps(c);
    FAllColWidths[c] = ColWidths(d);
    for (int k = d; k < ColCount() - 1; ++k) SetColWidths(k, ColWidths(k + 1));
    FHiddenCols.insert(std::lower_bound(FHiddenCols.begin(), FHiddenCols.end(), c), c);
    ++FNumHidden;
    if (Col() == ColCount() - 1 && Col() > 0) baseSetCol(Col() - 1);
    SetColCount(ColCount() - 1);
  }
  Invalidate();
}

void TExtStringGrid::UnHideColumns(int FromRealCol, int ToRealCol) {
  HideInplaceEdit();
  for (int c = std::max(FromRealCol, 0); c <= ToRealCol; ++c) {
    auto it = std::lower_bound(FHiddenCols.begin(), FHiddenCols.end(), c);
    if (it == FHiddenCols.end() || *it != c) continue;
    FHiddenCols.erase(it);
    --FNumHidden;
    SetColCount(ColCount() + 1);
    int b = RealToDisplColumn(c + 1);
    for (int k = ColCount() - 1; k >= b && k > 0; --k) SetColWidths(k, ColWidths(k - 1));
    SetColWidths(RealToDisplColumn(c), FAllColWidths[c]);
  }
  Invalidate();
}

void TExtStringGrid::UnHideColumnsAll() {
  if (!FHiddenCols.empty()) UnHideColumns(0, FHiddenCols.back());
}

bool TExtStringGrid::IsIgnoredColumn(int ARealCol) const { return FIgnoreColumns.HasValue(ARealCol); }

// ---- rows: mapping ----

int TExtStringGrid::hiddenRowsBefore(int ARealRow) const {
  auto it = std::lower_bound(FHiddenRows.begin(), FHiddenRows.end(), ARealRow,
                             [](const TGridItem& g, int r) { return g.Idx() < r; });
  return static_cast<int>(it - FHiddenRows.begin());
}

TGridItem* TExtStringGrid::HiddenRowItem(int ARealRow) const {
  int i = hiddenRowsBefore(ARealRow);
  if (i < NumHiddenRows() && FHiddenRows[i].Idx() == ARealRow) return const_cast<TGridItem*>(&FHiddenRows[i]);
  return nullptr;
}

TStrings* TExtStringGrid::HiddenRowStrings(int ARealRow) const {
  TGridItem* item = HiddenRowItem(ARealRow);
  return item ? item->Items() : nullptr;
}

bool TExtStringGrid::IsHiddenRow(int ARealRow) const { return HiddenRowItem(ARealRow) != nullptr; }

int TExtStringGrid::RealToDisplRow(int ARealRow) const {
  if (FHiddenRows.empty() || ARealRow < 0) return ARealRow;
  return ARealRow - hiddenRowsBefore(ARealRow);
}

int TExtStringGrid::DisplToRealRow(int ARow) const {
  if (FHiddenRows.empty() || ARow < 0) return ARow;
  return ARow + hiddenAtOrBefore(NumHiddenRows(), ARow, [this](int i) { return FHiddenRows[i].Idx(); });
}

// ---- rows: hiding ----

// Moves the given real rows (those shown) out of the grid into items, and
// removes them from the grid in one pass.
void TExtStringGrid::hideRealRows(std::vector<int> RealRows, THiddenRowKind Kind, int Level) {
  if (!std::is_sorted(RealRows.begin(), RealRows.end())) std::sort(RealRows.begin(), RealRows.end());
  RealRows.erase(std::unique(RealRows.begin(), RealRows.end()), RealRows.end());
  std::vector<int> displ;
  std::vector<TGridItem> items;
  displ.reserve(RealRows.size());
  items.reserve(RealRows.size());
  for (int r : RealRows) {
    if (r < 0 || IsHiddenRow(r)) continue;
    int d = RealToDisplRow(r);
    if (d >= RowCount()) continue;
    TGridItem& item = items.emplace_back();
    item.SetIdx(r);
    item.SetHeight(RowHeights(d));
    item.SetKind(Kind);
    item.SetLevel(Level);
    // The row's cells and objects leave the store whole, left behind as an
    // empty row that the block removal drops.
    item.SetRow(Store().TakeRow(d), AllColCount());
    displ.push_back(d);
  }
  if (items.empty()) return;
  HideInplaceEdit();
  DeleteGridRows(displ);
  FNormalRowCount = RowCount();
  if (FHiddenRows.empty()) {
    FHiddenRows = std::move(items);
  } else {
    std::vector<TGridItem> merged;
    merged.reserve(FHiddenRows.size() + items.size());
    std::merge(std::make_move_iterator(FHiddenRows.begin()), std::make_move_iterator(FHiddenRows.end()),
               std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()),
               std::back_inserter(merged),
               [](const TGridItem& a, const TGridItem& b) { return a.Idx() < b.Idx(); });
    FHiddenRows = std::move(merged);
  }
  repaintUnlessUpdating();
}

namespace {
std::vector<int> realRange(int From, int To) {
  std::vector<int> v;
  for (int r = std::max(From, 0); r <= To; ++r) v.push_back(r);
  return v;
}
}  // namespace

void TExtStringGrid::HideRows(int FromRealRow, int ToRealRow) {
  hideRealRows(realRange(FromRealRow, ToRealRow), THiddenRowKind::Manual, 0);
}

void TExtStringGrid::HideRowsEx(int FromRealRow, int ToRealRow) { HideRows(FromRealRow, ToRealRow); }

void TExtStringGrid::HideNodeRows(int FromRealRow, int ToRealRow) {
  hideRealRows(realRange(FromRealRow, ToRealRow), THiddenRowKind::Node, 0);
}

void TExtStringGrid::HideRowList(const TIntList* RowList) {
  std::vector<int> real;
  for (int i = 0; i < RowList->Count(); ++i) {
    int d = RowList->GetInteger(i);
    if (d >= 0 && d < RowCount()) real.push_back(RealRowIndex(d));
  }
  hideRealRows(std::move(real), THiddenRowKind::Filter, FFilterLevel);
  ++FFilterLevel;
}

// ---- rows: restoring ----

// Puts the items' rows back where their real indexes say, counting only the
// rows that stay hidden (the items are no longer in the list), in one pass.
void TExtStringGrid::restoreRows(std::vector<TGridItem> Items) {
  if (Items.empty()) return;
  HideInplaceEdit();
  std::vector<int> positions;
  positions.reserve(Items.size());
  for (const TGridItem& item : Items) positions.push_back(RealToDisplRow(item.Idx()));
  InsertGridRows(positions);
  FNormalRowCount = RowCount();
  bool modified = FShowModified.Enabled();
  FShowModified.SetEnabled(false);
  for (size_t i = 0; i < Items.size(); ++i) {
    int d = positions[i];
    Store().PutRow(d, Items[i].TakeRow());
    // Each change of a height lays the grid out again: only real changes.
    if (RowHeights(d) != Items[i].Height()) SetRowHeights(d, Items[i].Height());
  }
  FShowModified.SetEnabled(modified);
  for (int i = 0; i < FControlList.Count(); ++i)
    for (const TGridItem& item : Items)
      if (FControlList.GetControl(i)->Y == item.Idx()) FControlList.GetControl(i)->Control->SetVisible(true);
  repaintUnlessUpdating();
}

template <typename Pred>
void TExtStringGrid::unhideRowsWhere(Pred Take) {
  size_t n = static_cast<size_t>(std::count_if(FHiddenRows.begin(), FHiddenRows.end(), Take));
  std::vector<TGridItem> taken;
  if (n == FHiddenRows.size()) {
    taken = std::move(FHiddenRows);
    FHiddenRows.clear();
  } else {
    // The rows that stay hidden close up in place.
    taken.reserve(n);
    size_t w = 0;
    for (TGridItem& item : FHiddenRows) {
      if (Take(item))
        taken.push_back(std::move(item));
      else if (&FHiddenRows[w++] != &item)
        FHiddenRows[w - 1] = std::move(item);
    }
    FHiddenRows.erase(FHiddenRows.begin() + static_cast<std::ptrdiff_t>(w), FHiddenRows.end());
  }
  restoreRows(std::move(taken));
}

void TExtStringGrid::UnHideRows(int FromRealRow, int ToRealRow) {
  unhideRowsWhere([&](const TGridItem& g) { return g.Idx() >= FromRealRow && g.Idx() <= ToRealRow; });
}

void TExtStringGrid::UnHideRowsAll() {
  unhideRowsWhere([](const TGridItem&) { return true; });
}

void TExtStringGrid::UnHideRowList() {
  if (FFilterLevel <= 0) return;
  int level = FFilterLevel - 1;
  if (Row() >= RowCount()) FocusCell(FixedCols(), FixedRows(), true);
  unhideRowsWhere([&](const TGridItem& g) { return g.Kind() == THiddenRowKind::Filter && g.Level() == level; });
}

void TExtStringGrid::UnHideNodeRows(int FromRealRow, int ToRealRow) {
  unhideRowsWhere([&](const TGridItem& g) {
    return g.Kind() == THiddenRowKind::Node && g.Idx() >= FromRealRow && g.Idx() <= ToRealRow;
  });
}

// ---- selection, view and export range ----

void TExtStringGrid::HideSelection() {
  FOldSelection = Selection();
  baseSetSelection(TGridRect{ColCount(), RowCount(), ColCount(), RowCount()});
  FSelHidden = true;
}

void TExtStringGrid::UnHideSelection() {
  FSelHidden = false;
  if (FOldSelection.Top < RowCount() && FOldSelection.Left < ColCount()) {
    SetSelection(FOldSelection);
    return;
  }
  int top = FFixedRowAlways && TCustomGrid::FixedRows() == RowCount() ? 0 : TCustomGrid::FixedRows();
  int left = FFixedColAlways && TCustomGrid::FixedCols() == ColCount() ? 0 : TCustomGrid::FixedCols();
  SetSelection(TGridRect{left, top, left, top});
}

void TExtStringGrid::UpdateEditMode() { SelectCell(Col(), Row()); }

void TExtStringGrid::ScrollInView(int ADisplCol, int ARow) {
  if (ADisplCol >= ColCount() || ARow >= RowCount()) return;
  int a = LeftCol(), b = TopRow();
  int fc = TCustomGrid::FixedCols(), fr = TCustomGrid::FixedRows();
  if (ADisplCol < LeftCol() || ADisplCol >= LeftCol() + VisibleColCount()) {
    SetCol(ADisplCol);
    a = std::max(fc, ADisplCol - VisibleColCount() / 2);
  }
  if (ARow < TopRow() || ARow >= TopRow() + VisibleRowCount()) {
    SetRow(ARow);
    b = std::max(fr, ARow - VisibleRowCount() / 2);
  }
  a = std::min(a, ColCount() - VisibleColCount() + 1);
  if (fc + VisibleColCount() < ColCount()) SetLeftCol(std::max(a, fc));
  b = std::min(b, RowCount() - VisibleRowCount() + 1);
  if (fr + VisibleRowCount() < RowCount()) SetTopRow(std::max(b, fr));
}

TRect TExtStringGrid::GetUsedCells() {
  int minC = ColCount() - 1, minR = RowCount() - 1, maxC = 0, maxR = 0;
  for (int r = 0; r < RowCount(); ++r)
    for (int d = 0; d < ColCount(); ++d) {
      if (Cells(RealColIndex(d), r).empty()) continue;
      minC = std::min(minC, d);
      minR = std::min(minR, r);
      maxC = std::max(maxC, d);
      maxR = std::max(maxR, r);
    }
  if (maxC < minC || maxR < minR) return TRect{0, 0, 0, 0};
  return TRect{minC, minR, maxC, maxR};
}

int TExtStringGrid::SaveStartCol() const { return FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols(); }
int TExtStringGrid::SaveStartRow() const { return FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows(); }
int TExtStringGrid::SaveEndCol() const {
  return FSaveFixedCells || FSaveFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
}
int TExtStringGrid::SaveEndRow() const {
  return FSaveFixedCells || FSaveFixedRows ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
}
int TExtStringGrid::SaveColCount() const {
  return FSaveFixedCells || FSaveFixedCols ? ColCount() : ColCount() - FixedCols() - FFixedRightCols;
}
int TExtStringGrid::SaveRowCount() const {
  return FSaveFixedCells || FSaveFixedRows ? RowCount() : RowCount() - FixedRows() - FFixedFooters;
}
