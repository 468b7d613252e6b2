// Moving the string grid's rows into a new order at once: the rows' cells
// and heights move as pointers in the store, and every per-row list the
// grid keeps (sort cross-reference, modified and enabled rows) follows.

#include <algorithm>

#include "grid/core/ExtGrid.h"

namespace {
// Entries From.. of List follow the rows, when the list covers them.
void PermuteEntries(TIntList& List, int From, const std::vector<int>& Order) {
  const int n = static_cast<int>(Order.size());
  if (List.Count() < From + n) return;
  std::vector<int> moved(n);
  for (int p = 0; p < n; ++p) moved[p] = List.GetInteger(Order[p]);
  for (int p = 0; p < n; ++p) List.SetInteger(From + p, moved[p]);
}

// Per-row flags are kept only as far as a row was ever flagged: rows past
// the end read as unflagged, so the list grows to cover the permuted range.
void PermuteFlags(std::vector<uint8_t>& Flags, int From, const std::vector<int>& Order) {
  if (Flags.empty()) return;
  const int n = static_cast<int>(Order.size());
  if (static_cast<int>(Flags.size()) < From + n) Flags.resize(From + n, 0);
  std::vector<uint8_t> moved(n);
  for (int p = 0; p < n; ++p) moved[p] = Flags[Order[p]];
  std::copy(moved.begin(), moved.end(), Flags.begin() + From);
}

// The stored texts and cell objects of one column over a block of rows.
struct TColumnCells {
  std::vector<std::string> Texts;
  std::vector<TCellProperties*> Objects;
};

TColumnCells ReadColumnCells(const TExtStringGrid& Grid, int ACol, int From, int Count) {
  TColumnCells cells;
  cells.Texts.reserve(Count);
  cells.Objects.reserve(Count);
  for (int r = From; r < From + Count; ++r) {
    cells.Texts.push_back(Grid.GetGridCell(ACol, r));
    cells.Objects.push_back(Grid.GetGridObject(ACol, r));
  }
  return cells;
}

}  // namespace

void TExtStringGrid::applySortOrder(int From, const std::vector<int>& Order, int SortCol) {
  if (Order.empty()) return;
  const int n = static_cast<int>(Order.size());
  // Row From + p of the column takes entry Order[p] - From of Cells.
  auto write = [this, From](int ACol, const TColumnCells& Cells, const std::vector<int>& Order) {
    for (size_t p = 0; p < Order.size(); ++p) {
      const int r = From + static_cast<int>(p), k = Order[p] - From;
      SetGridCell(ACol, r, Cells.Texts[k]);
      SetGridObject(ACol, r, Cells.Objects[k]);
    }
  };
  if (FSortSettings.SingleColumn()) {
    // The other columns stay; the cross-reference still tells where each
    // sort cell came from.
    if (SortCol < 0 || SortCol >= AllColCount()) return;
    write(SortCol, ReadColumnCells(*this, SortCol, From, n), Order);
    PermuteEntries(FSortRowXRef, From, Order);
    Invalidate();
    return;
  }
  if (!FSortSettings.NormalCellsOnly() || FixedCols() == 0) {
    ApplyRowOrder(From, Order);
    return;
  }
  // Column 0 (a row number, say) keeps its cells while the rows move.
  const TColumnCells first = ReadColumnCells(*this, 0, From, n);
  ApplyRowOrder(From, Order);
  std::vector<int> unmoved(n);
  for (int p = 0; p < n; ++p) unmoved[p] = From + p;
  write(0, first, unmoved);
}

void TExtStringGrid::ApplyRowOrder(int From, const std::vector<int>& Order) {
  if (Order.empty()) return;
  const int oldRow = Row();
  PermuteGridRows(From, Order);
  PermuteEntries(FSortRowXRef, From, Order);
  PermuteFlags(FModifiedFlags, From, Order);
  PermuteFlags(FDisabledFlags, From, Order);
  PermuteFlags(FRowSelectFlags, From, Order);
  const int last = From + static_cast<int>(Order.size()) - 1;
  if (FNavigation.MoveRowOnSort() && oldRow >= From && oldRow <= last) {
    for (int p = 0; p <= last - From; ++p)
      if (Order[p] == oldRow) {
        SetRow(From + p);
        break;
      }
  }
  Invalidate();
}
