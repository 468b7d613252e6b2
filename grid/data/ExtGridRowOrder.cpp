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
}  // namespace

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
