#include "toolkit/grids/CellStore.h"

#include <algorithm>

namespace {
const std::string kEmpty;
}

const TCellStore::Cell* TCellStore::find(int ACol, int ARow) const {
  auto r = rows_.find(ARow);
  if (r == rows_.end()) return nullptr;
  auto c = r->second.find(ACol);
  return c == r->second.end() ? nullptr : &c->second;
}

TCellStore::Cell& TCellStore::slot(int ACol, int ARow) { return rows_[ARow][ACol]; }

// Empty cells are not kept, so the store stays as small as what it holds.
void TCellStore::dropIfEmpty(int ACol, int ARow) {
  auto r = rows_.find(ARow);
  if (r == rows_.end()) return;
  auto c = r->second.find(ACol);
  if (c != r->second.end() && c->second.Empty()) r->second.erase(c);
  if (r->second.empty()) rows_.erase(r);
}

const std::string& TCellStore::TextRef(int ACol, int ARow) const {
  const Cell* c = find(ACol, ARow);
  return c ? c->Text : kEmpty;
}

void TCellStore::SetText(int ACol, int ARow, const std::string& Value) {
  if (Value.empty() && !find(ACol, ARow)) return;
  slot(ACol, ARow).Text = Value;
  if (Value.empty()) dropIfEmpty(ACol, ARow);
}

TObject* TCellStore::Object(int ACol, int ARow) const {
  const Cell* c = find(ACol, ARow);
  return c ? c->Object : nullptr;
}

void TCellStore::SetObject(int ACol, int ARow, TObject* Value) {
  if (Value == nullptr && !find(ACol, ARow)) return;
  slot(ACol, ARow).Object = Value;
  if (Value == nullptr) dropIfEmpty(ACol, ARow);
}

int TCellStore::movedIndex(int Index, int FromIndex, int ToIndex) {
  if (Index == FromIndex) return ToIndex;
  if (FromIndex < ToIndex && Index > FromIndex && Index <= ToIndex) return Index - 1;
  if (FromIndex > ToIndex && Index >= ToIndex && Index < FromIndex) return Index + 1;
  return Index;
}

// Only the filled rows between the two indexes are touched.
void TCellStore::MoveRow(int FromIndex, int ToIndex) {
  if (FromIndex == ToIndex) return;
  int lo = std::min(FromIndex, ToIndex), hi = std::max(FromIndex, ToIndex);
  std::vector<std::pair<int, RowCells>> moved;
  for (auto it = rows_.lower_bound(lo); it != rows_.end() && it->first <= hi;) {
    moved.emplace_back(movedIndex(it->first, FromIndex, ToIndex), std::move(it->second));
    it = rows_.erase(it);
  }
  for (auto& [index, cells] : moved) rows_.emplace(index, std::move(cells));
}

void TCellStore::MoveColumn(int FromIndex, int ToIndex) {
  if (FromIndex == ToIndex) return;
  int lo = std::min(FromIndex, ToIndex), hi = std::max(FromIndex, ToIndex);
  for (auto& [row, cells] : rows_) {
    std::vector<std::pair<int, Cell>> moved;
    for (auto it = cells.lower_bound(lo); it != cells.end() && it->first <= hi;) {
      moved.emplace_back(movedIndex(it->first, FromIndex, ToIndex), std::move(it->second));
      it = cells.erase(it);
    }
    for (auto& [index, cell] : moved) cells.emplace(index, std::move(cell));
  }
}

size_t TCellStore::FilledCount() const {
  size_t n = 0;
  for (const auto& [row, cells] : rows_) n += cells.size();
  return n;
}

void TCellStore::InsertRows(const std::vector<int>& NewRows) {
  if (NewRows.empty()) return;
  std::map<int, RowCells> out;
  size_t k = 0;  // new rows standing before the current target
  for (auto& [index, cells] : rows_) {
    // The old row moves down past every new row at or before its new place.
    while (k < NewRows.size() && NewRows[k] <= index + static_cast<int>(k)) ++k;
    out.emplace(index + static_cast<int>(k), std::move(cells));
  }
  rows_ = std::move(out);
}

void TCellStore::DeleteRows(const std::vector<int>& Rows) {
  if (Rows.empty()) return;
  std::map<int, RowCells> out;
  for (auto& [index, cells] : rows_) {
    auto it = std::lower_bound(Rows.begin(), Rows.end(), index);
    if (it != Rows.end() && *it == index) continue;
    out.emplace(index - static_cast<int>(it - Rows.begin()), std::move(cells));
  }
  rows_ = std::move(out);
}
