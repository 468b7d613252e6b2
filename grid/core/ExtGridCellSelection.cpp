// The disjunct cell selection list.

#include "grid/core/ExtGridCellSelection.h"

#include <algorithm>

#include "toolkit/rtl/Exceptions.h"

TGridCoord TSelectedCellList::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return cells_[static_cast<size_t>(Index)];
}

void TSelectedCellList::Add(int ACol, int ARow) {
  cells_.push_back({ACol, ARow});
  ++counts_[key(ACol, ARow)];
}

bool TSelectedCellList::AddUnique(int ACol, int ARow) {
  if (Contains(ACol, ARow)) return false;
  Add(ACol, ARow);
  return true;
}

bool TSelectedCellList::Remove(int ACol, int ARow) {
  auto c = counts_.find(key(ACol, ARow));
  if (c == counts_.end()) return false;
  if (--c->second == 0) counts_.erase(c);
  TGridCoord cell{ACol, ARow};
  cells_.erase(std::find(cells_.begin(), cells_.end(), cell));
  return true;
}

bool TSelectedCellList::Toggle(int ACol, int ARow) {
  if (Remove(ACol, ARow)) return false;
  Add(ACol, ARow);
  return true;
}

void TSelectedCellList::Clear() {
  cells_.clear();
  counts_.clear();
}
