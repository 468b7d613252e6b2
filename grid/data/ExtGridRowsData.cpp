// Inserting and removing many rows at once: the rows go in one block edit
// of the store, removed rows free their cell properties, and the hidden
// rows' real indexes, the per-row flag lists and the embedded controls
// follow.

#include <algorithm>
#include <climits>
#include <set>

#include "grid/core/ExtGrid.h"
#include "toolkit/rtl/SysUtils.h"

// A check box's state: the cell text against the check-true text for a
// data check box, the cell object's own state otherwise.
bool TExtStringGrid::CheckStateForData(int ARealCol, int ARow) {
  TCellGraphic* g = GetCellGraphic(ARealCol, ARow);
  if (g && g->CellType != ctDataCheckBox) return g->CellBoolean;
  std::string checkTrue = CheckTrue();
  GetCheckTrue(ARealCol, ARow, checkTrue);
  return GetGridCell(ARealCol, ARow) == checkTrue;
}

namespace {
// Flags are kept only as far as a row was ever flagged; new rows are unflagged.
void insertFlags(std::vector<uint8_t>& Flags, const std::vector<int>& NewRows) {
  if (Flags.empty() || NewRows.front() >= static_cast<int>(Flags.size())) return;
  std::vector<uint8_t> out;
  out.reserve(Flags.size() + NewRows.size());
  size_t k = 0, i = 0;
  while (i < Flags.size() || k < NewRows.size()) {
    if (k < NewRows.size() && NewRows[k] == static_cast<int>(out.size())) {
      out.push_back(0);
      ++k;
    } else if (i < Flags.size()) {
      out.push_back(Flags[i++]);
    } else {
      break;
    }
  }
  Flags = std::move(out);
}

void removeFlags(std::vector<uint8_t>& Flags, const std::vector<int>& Rows) {
  if (Flags.empty()) return;
  size_t k = 0, w = 0;
  for (size_t i = 0; i < Flags.size(); ++i) {
    if (k < Rows.size() && Rows[k] == static_cast<int>(i)) {
      ++k;
      continue;
    }
    Flags[w++] = Flags[i];
  }
  Flags.resize(w);
}
}  // namespace

std::vector<int> TExtStringGrid::insertRowsBefore(const std::vector<int>& Rows) {
  if (Rows.empty()) return {};
  const int n = static_cast<int>(Rows.size());
  std::vector<int> finals(n), reals(n);
  for (int k = 0; k < n; ++k) {
    finals[k] = Rows[k] + k;
    reals[k] = Rows[k] < RowCount() ? RealRowIndex(Rows[k]) : INT_MAX;
  }
  InsertGridRows(finals);
  FNormalRowCount = RowCount();
  // A new row stands before a hidden row when the row it was inserted
  // before does; rows appended at the end come after every hidden row.
  auto newBefore = [&](int Real, bool AtOrBefore) {
    auto it = AtOrBefore ? std::upper_bound(reals.begin(), reals.end(), Real)
                         : std::lower_bound(reals.begin(), reals.end(), Real);
    return static_cast<int>(it - reals.begin());
  };
  for (auto& item : FHiddenRows) item.SetIdx(item.Idx() + newBefore(item.Idx(), false));
  for (int i = 0; i < FControlList.Count(); ++i) {
    TControlItem* c = FControlList.GetControl(i);
    c->Y += newBefore(c->Y, true);
  }
  for (auto* flags : {&FModifiedFlags, &FDisabledFlags, &FRowSelectFlags}) insertFlags(*flags, finals);
  FSortRowXRef.Clear();
  CellsChanged(TRect{0, finals.front(), AllColCount() - 1, RowCount() - 1});
  return finals;
}

void TExtStringGrid::removeDisplayedRows(const std::vector<int>& Rows) {
  if (Rows.empty()) return;
  std::vector<int> real;
  real.reserve(Rows.size());
  for (int r : Rows) real.push_back(RealRowIndex(r));
  TGridUpdateLock lock(*this);
  if (FHasCellProps)
    for (int r : Rows) FreeCellPropertiesRange(0, r, AllColCount() - 1, r);
  for (auto* flags : {&FModifiedFlags, &FDisabledFlags, &FRowSelectFlags}) removeFlags(*flags, Rows);
  DeleteGridRows(Rows);
  FNormalRowCount = RowCount();
  auto before = [&](int Real) {
    return static_cast<int>(std::lower_bound(real.begin(), real.end(), Real) - real.begin());
  };
  for (auto& item : FHiddenRows) item.SetIdx(item.Idx() - before(item.Idx()));
  for (int i = FControlList.Count() - 1; i >= 0; --i) {
    TControlItem* c = FControlList.GetControl(i);
    if (std::binary_search(real.begin(), real.end(), c->Y))
      FControlList.RemoveControl(i);
    else
      c->Y -= before(c->Y);
  }
  FSortRowXRef.Clear();
  CellsChanged(TRect{0, Rows.front(), AllColCount() - 1, RowCount() - 1});
}

void TExtStringGrid::RemoveRowsWhere(const std::function<bool(int ARow)>& Pred) {
  std::vector<int> displ;
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (Pred(r)) displ.push_back(r);
  removeDisplayedRows(displ);
}

void TExtStringGrid::RemoveCheckedRows(int ARealCol, bool RemoveChecked) {
  RemoveRowsWhere([&](int r) { return CheckStateForData(ARealCol, r) == RemoveChecked; });
}

void TExtStringGrid::RemoveDuplicates(int ADisplCol, bool DoCase) {
  const int col = RealColIndex(ADisplCol);
  const int last = RowCount() - FixedFooters() - 1;
  std::set<std::string> seen;
  RemoveRowsWhere([&](int r) {
    if (r > last) return false;
    const std::string& t = GetGridCell(col, r);
    return !seen.insert(DoCase ? t : AnsiUpperCase(t)).second;
  });
}
