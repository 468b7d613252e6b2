// Block insertion and removal of rows: one pass over the row heights and the
// store for any number of rows, so that hiding or restoring thousands of rows
// costs no more than moving them once.

#include <algorithm>

#include "toolkit/grids/Grids.h"
#include "toolkit/grids/RowRenumber.h"

namespace {
std::vector<int> rangeOf(int Index, int Count) {
  std::vector<int> v;
  for (int i = 0; i < Count; ++i) v.push_back(Index + i);
  return v;
}

}  // namespace

void TCustomGrid::InsertGridRows(int Index, int Count) {
  if (Count > 0) InsertGridRows(rangeOf(Index, Count));
}

void TCustomGrid::DeleteGridRows(int Index, int Count) {
  if (Count > 0) DeleteGridRows(rangeOf(Index, std::min(Count, FRowCount - Index)));
}

void TCustomGrid::InsertGridRows(const std::vector<int>& NewRows) {
  if (NewRows.empty()) return;
  HideEdit();
  int newCount = FRowCount + static_cast<int>(NewRows.size());
  if (!rowHeights_.empty()) {
    std::vector<int> heights(newCount, -1);
    size_t k = 0;
    int src = 0;
    for (int r = 0; r < newCount; ++r) {
      if (k < NewRows.size() && NewRows[k] == r) {
        ++k;
        continue;
      }
      heights[r] = src < static_cast<int>(rowHeights_.size()) ? rowHeights_[src] : -1;
      ++src;
    }
    rowHeights_ = std::move(heights);
  }
  InsertStoredRows(NewRows);
  FCurrent.Y = RowAfterInsert(FCurrent.Y, NewRows);
  FAnchor.Y = RowAfterInsert(FAnchor.Y, NewRows);
  changeSize(FColCount, newCount);
}

void TCustomGrid::DeleteGridRows(const std::vector<int>& Rows) {
  std::vector<int> rows;
  for (int r : Rows)
    if (r >= 0 && r < FRowCount) rows.push_back(r);
  // The grid keeps one row.
  if (static_cast<int>(rows.size()) >= FRowCount) rows.resize(FRowCount - 1);
  if (rows.empty()) return;
  HideEdit();
  if (!rowHeights_.empty()) {
    std::vector<int> heights;
    heights.reserve(rowHeights_.size());
    size_t k = 0;
    for (int r = 0; r < static_cast<int>(rowHeights_.size()); ++r) {
      if (k < rows.size() && rows[k] == r) {
        ++k;
        continue;
      }
      heights.push_back(rowHeights_[r]);
    }
    rowHeights_ = std::move(heights);
  }
  DeleteStoredRows(rows);
  int newCount = FRowCount - static_cast<int>(rows.size());
  if (newCount <= FFixedRows) FFixedRows = newCount - 1;
  FCurrent.Y = std::max(FFixedRows, std::min(RowAfterDelete(FCurrent.Y, rows), newCount - 1));
  FAnchor.Y = std::max(FFixedRows, std::min(RowAfterDelete(FAnchor.Y, rows), newCount - 1));
  FTopLeft.Y = std::max(FFixedRows, std::min(RowAfterDelete(FTopLeft.Y, rows), newCount - 1));
  changeSize(FColCount, newCount);
}
