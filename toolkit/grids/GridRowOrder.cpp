// Putting a block of rows into a new order at once (sorting): the store's
// row pointers move, and the heights follow.

#include "toolkit/grids/Grids.h"

void TCustomGrid::PermuteGridRows(int From, const std::vector<int>& Order) {
  if (Order.empty()) return;
  HideEdit();
  const int n = static_cast<int>(Order.size());
  if (From + n > static_cast<int>(rowHeights_.size()) && !rowHeights_.empty()) rowHeights_.resize(From + n, -1);
  if (!rowHeights_.empty()) {
    std::vector<int> heights(n);
    for (int p = 0; p < n; ++p) heights[p] = rowHeights_[Order[p]];
    for (int p = 0; p < n; ++p) rowHeights_[From + p] = heights[p];
  }
  std::vector<int> relative(n);
  for (int p = 0; p < n; ++p) relative[p] = Order[p] - From;
  PermuteStoredRows(From, relative);
  Invalidate();
}
