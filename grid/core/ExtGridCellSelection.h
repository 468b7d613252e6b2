#pragma once
// The disjunct cell selection of the string grid: cells picked one by one,
// kept as (column, row) pairs in the order they were picked. A pair is not a
// packed integer, so columns and rows of any size fit.

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "toolkit/grids/Grids.h"

class TSelectedCellList {
public:
  int Count() const { return static_cast<int>(cells_.size()); }
  bool Empty() const { return cells_.empty(); }
  // Raises EListError for an index outside the list.
  TGridCoord Items(int Index) const;
  const std::vector<TGridCoord>& Cells() const { return cells_; }

  bool Contains(int ACol, int ARow) const { return counts_.count(key(ACol, ARow)) != 0; }
  // Appends the cell; a cell already listed is listed once more (Shift+click
  // adds without looking).
  void Add(int ACol, int ARow);
  // Appends the cell when it is not listed yet; true when it was appended.
  bool AddUnique(int ACol, int ARow);
  // Removes the first entry of the cell; true when there was one.
  bool Remove(int ACol, int ARow);
  // Appends a missing cell or removes a listed one; true when it is now listed.
  bool Toggle(int ACol, int ARow);
  void Clear();

private:
  static uint64_t key(int ACol, int ARow) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(ACol)) << 32) | static_cast<uint32_t>(ARow);
  }
  std::vector<TGridCoord> cells_;
  std::unordered_map<uint64_t, int> counts_;  // entries per cell
};
