// Removing many rows at once: the rows go in one block edit of the store,
// their cell properties are freed, and the hidden rows' real indexes and the
// per-row lists follow.

#include <algorithm>

#include "grid/core/ExtGrid.h"

// A check box's state: the cell text against the check-true text for a
// data check box, the cell object's own state otherwise.
bool TExtStringGrid::CheckStateForData(int ARealCol, int ARow) {
  TCellGraphic* g = GetCellGraphic(ARealCol, ARow);
  if (g && g->CellType != ctDataCheckBox) return g->CellBoolean;
  std::string checkTrue = CheckTrue();
  GetCheckTrue(ARealCol, ARow, checkTrue);
  return GetGridCell(ARealCol, ARow) == checkTrue;
}

void TExtStringGrid::RemoveRowsWhere(const std::function<bool(int ARow)>& Pred) {
  std::vector<int> displ, real;
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (Pred(r)) {
      displ.push_back(r);
      real.push_back(RealRowIndex(r));
    }
  if (displ.empty()) return;
  TGridUpdateLock lock(*this);
  if (FHasCellProps)
    for (int r : displ) FreeCellPropertiesRange(0, r, AllColCount() - 1, r);
  for (auto it = displ.rbegin(); it != displ.rend(); ++it) {
    for (auto* flags : {&FModifiedFlags, &FDisabledFlags, &FRowSelectFlags})
      if (*it < static_cast<int>(flags->size())) flags->erase(flags->begin() + *it);
  }
  DeleteGridRows(displ);
  FNormalRowCount = RowCount();
  for (auto& item : FHiddenRows)
    item->SetIdx(item->Idx() -
                 static_cast<int>(std::lower_bound(real.begin(), real.end(), item->Idx()) - real.begin()));
  CellsChanged(TRect{0, displ.front(), AllColCount() - 1, RowCount() - 1});
}

void TExtStringGrid::RemoveCheckedRows(int ARealCol, bool RemoveChecked) {
  RemoveRowsWhere([&](int r) { return CheckStateForData(ARealCol, r) == RemoveChecked; });
}
