#pragma once
// Where a row index lands when rows are removed or inserted in one block;
// the row lists are sorted ascending. Shared by everything that keeps row
// indexes beside a grid's rows.

#include <algorithm>
#include <vector>

// After rows were removed: an index inside the removed rows lands on the row
// that follows them.
inline int RowAfterDelete(int Index, const std::vector<int>& Rows) {
  return Index - static_cast<int>(std::lower_bound(Rows.begin(), Rows.end(), Index) - Rows.begin());
}

inline bool RowIsAmong(int Index, const std::vector<int>& Rows) {
  return std::binary_search(Rows.begin(), Rows.end(), Index);
}

// After new rows took their places (NewRows: their indexes afterwards).
inline int RowAfterInsert(int Index, const std::vector<int>& NewRows) {
  int k = 0;
  while (k < static_cast<int>(NewRows.size()) && NewRows[k] <= Index + k) ++k;
  return Index + k;
}
