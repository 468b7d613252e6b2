#include "toolkit/grids/CellStore.h"

#include <algorithm>

namespace {
const std::string kEmpty;
}

const TCellStore::Cell* TCellStore::find(int ACol, int ARow) const {
  if (ARow < 0 || ACol < 0 || ARow >= static_cast<int>(rows_.size())) return nullptr;
  const RowCells* row = rows_[ARow].get();
  if (!row || ACol >= static_cast<int>(row->size())) return nullptr;
  return &(*row)[ACol];
}

TCellStore::Cell& TCellStore::slot(int ACol, int ARow) {
  if (ARow >= static_cast<int>(rows_.size())) rows_.resize(ARow + 1);
  std::unique_ptr<RowCells>& row = rows_[ARow];
  if (!row) row = std::make_unique<RowCells>();
  if (ACol >= static_cast<int>(row->size())) row->resize(ACol + 1);
  return (*row)[ACol];
}

// Empty cells at the end of a row are dropped, and an empty row goes whole.
void TCellStore::trim(int ARow) {
  std::unique_ptr<RowCells>& row = rows_[ARow];
  while (!row->empty() && row->back().Empty()) row->pop_back();
  if (row->empty()) row.reset();
  while (!rows_.empty() && !rows_.back()) rows_.pop_back();
}

const std::string& TCellStore::TextRef(int ACol, int ARow) const {
  const Cell* c = find(ACol, ARow);
  return c ? c->Text : kEmpty;
}

void TCellStore::SetText(int ACol, int ARow, const std::string& Value) {
  if (ACol < 0 || ARow < 0) return;
  if (Value.empty()) {
    if (!find(ACol, ARow)) return;
    slot(ACol, ARow).Text.clear();
    trim(ARow);
    return;
  }
  slot(ACol, ARow).Text = Value;
}

TObject* TCellStore::Object(int ACol, int ARow) const {
  const Cell* c = find(ACol, ARow);
  return c ? c->Object : nullptr;
}

void TCellStore::SetObject(int ACol, int ARow, TObject* Value) {
  if (ACol < 0 || ARow < 0) return;
  if (!Value) {
    if (!find(ACol, ARow)) return;
    slot(ACol, ARow).Object = nullptr;
    trim(ARow);
    return;
  }
  slot(ACol, ARow).Object = Value;
}

void TCellStore::MoveRow(int FromIndex, int ToIndex) {
  if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0) return;
  int need = std::max(FromIndex, ToIndex) + 1;
  if (static_cast<int>(rows_.size()) < need) rows_.resize(need);
  auto first = rows_.begin();
  if (FromIndex < ToIndex)
    std::rotate(first + FromIndex, first + FromIndex + 1, first + ToIndex + 1);
  else
    std::rotate(first + ToIndex, first + FromIndex, first + FromIndex + 1);
  while (!rows_.empty() && !rows_.back()) rows_.pop_back();
}

void TCellStore::MoveColumn(int FromIndex, int ToIndex) {
  if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0) return;
  int need = std::max(FromIndex, ToIndex) + 1;
  for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
    RowCells* row = rows_[r].get();
    if (!row || static_cast<int>(row->size()) <= std::min(FromIndex, ToIndex)) continue;
    if (static_cast<int>(row->size()) < need) row->resize(need);
    auto first = row->begin();
    if (FromIndex < ToIndex)
      std::rotate(first + FromIndex, first + FromIndex + 1, first + ToIndex + 1);
    else
      std::rotate(first + ToIndex, first + FromIndex, first + FromIndex + 1);
    trim(r);
  }
}

void TCellStore::InsertRows(const std::vector<int>& NewRows) {
  if (NewRows.empty()) return;
  std::vector<std::unique_ptr<RowCells>> out;
  out.reserve(rows_.size() + NewRows.size());
  size_t k = 0;
  for (auto& row : rows_) {
    while (k < NewRows.size() && NewRows[k] == static_cast<int>(out.size())) {
      out.emplace_back();
      ++k;
    }
    out.push_back(std::move(row));
  }
  rows_ = std::move(out);
  while (!rows_.empty() && !rows_.back()) rows_.pop_back();
}

void TCellStore::DeleteRows(const std::vector<int>& Rows) {
  if (Rows.empty()) return;
  size_t k = 0, w = 0;
  for (size_t r = 0; r < rows_.size(); ++r) {
    if (k < Rows.size() && Rows[k] == static_cast<int>(r)) {
      ++k;
      continue;
    }
    rows_[w++] = std::move(rows_[r]);
  }
  rows_.resize(w);
  while (!rows_.empty() && !rows_.back()) rows_.pop_back();
}

void TCellStore::PermuteRows(int From, const std::vector<int>& Order) {
  if (Order.empty() || From < 0) return;
  int need = From + static_cast<int>(Order.size());
  if (static_cast<int>(rows_.size()) < need) rows_.resize(need);
  std::vector<std::unique_ptr<RowCells>> moved(Order.size());
  for (size_t i = 0; i < Order.size(); ++i) moved[i] = std::move(rows_[From + Order[i]]);
  for (size_t i = 0; i < Order.size(); ++i) rows_[From + i] = std::move(moved[i]);
  while (!rows_.empty() && !rows_.back()) rows_.pop_back();
}

size_t TCellStore::FilledCount() const {
  size_t n = 0;
  for (const auto& row : rows_)
    if (row)
      for (const Cell& c : *row) n += !c.Empty();
  return n;
}
