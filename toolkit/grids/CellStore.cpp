#include "toolkit/grids/CellStore.h"

#include <algorithm>

namespace {
const std::string kEmpty;

// Moves element From of V to To; the ones between shift by one.
template <typename V>
void rotateOne(V& Items, int FromIndex, int ToIndex) {
  auto first = Items.begin();
  if (FromIndex < ToIndex)
    std::rotate(first + FromIndex, first + FromIndex + 1, first + ToIndex + 1);
  else
    std::rotate(first + ToIndex, first + FromIndex, first + FromIndex + 1);
}
}  // namespace

// ---- one row ----

namespace {

// Entry ACol of Items, the vector grown to hold it.
template <typename V>
typename V::value_type& Slot(V& Items, int ACol) {
  if (ACol >= static_cast<int>(Items.size())) Items.resize(static_cast<size_t>(ACol) + 1);
  return Items[static_cast<size_t>(ACol)];
}

template <typename V>
void MoveEntry(V& Items, int FromIndex, int ToIndex) {
  if (static_cast<int>(Items.size()) <= std::min(FromIndex, ToIndex)) return;
  const int need = std::max(FromIndex, ToIndex) + 1;
  if (static_cast<int>(Items.size()) < need) Items.resize(static_cast<size_t>(need));
  rotateOne(Items, FromIndex, ToIndex);
}

}  // namespace

void TCellRow::trim() {
  while (!texts_.empty() && texts_.back().empty()) texts_.pop_back();
  while (!objects_.empty() && !objects_.back()) objects_.pop_back();
}

const std::string& TCellRow::Text(int ACol) const {
  return ACol >= 0 && ACol < static_cast<int>(texts_.size()) ? texts_[static_cast<size_t>(ACol)] : kEmpty;
}

void TCellRow::SetText(int ACol, const std::string& Value) {
  if (ACol < 0) return;
  if (Value.empty()) {
    if (ACol >= static_cast<int>(texts_.size())) return;
    texts_[static_cast<size_t>(ACol)].clear();
    trim();
    return;
  }
  Slot(texts_, ACol) = Value;
}

TObject* TCellRow::Object(int ACol) const {
  return ACol >= 0 && ACol < static_cast<int>(objects_.size()) ? objects_[static_cast<size_t>(ACol)] : nullptr;
}

void TCellRow::SetObject(int ACol, TObject* Value) {
  if (ACol < 0) return;
  if (!Value) {
    if (ACol >= static_cast<int>(objects_.size())) return;
    objects_[static_cast<size_t>(ACol)] = nullptr;
    trim();
    return;
  }
  Slot(objects_, ACol) = Value;
}

void TCellRow::MoveCell(int FromIndex, int ToIndex) {
  if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0) return;
  MoveEntry(texts_, FromIndex, ToIndex);
  MoveEntry(objects_, FromIndex, ToIndex);
  trim();
}

// ---- the store ----

const TCellRow* TCellStore::row(int ARow) const {
  if (ARow < 0 || ARow >= static_cast<int>(rows_.size())) return nullptr;
  return rows_[ARow].get();
}

TCellRow& TCellStore::rowSlot(int ARow) {
  if (ARow >= static_cast<int>(rows_.size())) rows_.resize(ARow + 1);
  std::unique_ptr<TCellRow>& r = rows_[ARow];
  if (!r) {
    r = std::make_unique<TCellRow>();
    if (ARow == reservedRow_) r->Reserve(reservedCols_);
  }
  return *r;
}

void TCellStore::ReserveRow(int ARow, int Cols) {
  if (ARow < 0) return;
  if (TCellRow* r = ARow < static_cast<int>(rows_.size()) ? rows_[ARow].get() : nullptr) {
    r->Reserve(Cols);
    return;
  }
  reservedRow_ = ARow;
  reservedCols_ = Cols;
}

void TCellStore::dropIfEmpty(int ARow) {
  if (rows_[ARow] && rows_[ARow]->Empty()) rows_[ARow].reset();
  trimEnd();
}

void TCellStore::trimEnd() {
  while (!rows_.empty() && !rows_.back()) rows_.pop_back();
}

const std::string& TCellStore::TextRef(int ACol, int ARow) const {
  const TCellRow* r = row(ARow);
  return r ? r->Text(ACol) : kEmpty;
}

void TCellStore::SetText(int ACol, int ARow, const std::string& Value) {
  if (ACol < 0 || ARow < 0) return;
  if (Value.empty()) {
    if (!row(ARow)) return;
    rows_[ARow]->SetText(ACol, Value);
    dropIfEmpty(ARow);
    return;
  }
  rowSlot(ARow).SetText(ACol, Value);
}

TObject* TCellStore::Object(int ACol, int ARow) const {
  const TCellRow* r = row(ARow);
  return r ? r->Object(ACol) : nullptr;
}

void TCellStore::SetObject(int ACol, int ARow, TObject* Value) {
  if (ACol < 0 || ARow < 0) return;
  if (!Value) {
    if (!row(ARow)) return;
    rows_[ARow]->SetObject(ACol, nullptr);
    dropIfEmpty(ARow);
    return;
  }
  rowSlot(ARow).SetObject(ACol, Value);
}

void TCellStore::MoveRow(int FromIndex, int ToIndex) {
  if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0) return;
  int need = std::max(FromIndex, ToIndex) + 1;
  if (static_cast<int>(rows_.size()) < need) rows_.resize(need);
  rotateOne(rows_, FromIndex, ToIndex);
  trimEnd();
}

void TCellStore::MoveColumn(int FromIndex, int ToIndex) {
  for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
    if (!rows_[r]) continue;
    rows_[r]->MoveCell(FromIndex, ToIndex);
    if (rows_[r]->Empty()) rows_[r].reset();
  }
  trimEnd();
}

void TCellStore::InsertRows(const std::vector<int>& NewRows) {
  if (NewRows.empty()) return;
  std::vector<std::unique_ptr<TCellRow>> out;
  out.reserve(rows_.size() + NewRows.size());
  size_t k = 0;
  for (auto& r : rows_) {
    while (k < NewRows.size() && NewRows[k] == static_cast<int>(out.size())) {
      out.emplace_back();
      ++k;
    }
    out.push_back(std::move(r));
  }
  rows_ = std::move(out);
  trimEnd();
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
  trimEnd();
}

void TCellStore::PermuteRows(int From, const std::vector<int>& Order) {
  if (Order.empty() || From < 0) return;
  int need = From + static_cast<int>(Order.size());
  if (static_cast<int>(rows_.size()) < need) rows_.resize(need);
  std::vector<std::unique_ptr<TCellRow>> moved(Order.size());
  for (size_t i = 0; i < Order.size(); ++i) moved[i] = std::move(rows_[From + Order[i]]);
  for (size_t i = 0; i < Order.size(); ++i) rows_[From + i] = std::move(moved[i]);
  trimEnd();
}

std::unique_ptr<TCellRow> TCellStore::TakeRow(int ARow) {
  if (ARow < 0 || ARow >= static_cast<int>(rows_.size())) return nullptr;
  std::unique_ptr<TCellRow> taken = std::move(rows_[ARow]);
  trimEnd();
  return taken;
}

void TCellStore::PutRow(int ARow, std::unique_ptr<TCellRow> Row) {
  if (ARow < 0) return;
  if (Row && Row->Empty()) Row.reset();
  if (!Row) {
    if (ARow < static_cast<int>(rows_.size())) rows_[ARow].reset();
    trimEnd();
    return;
  }
  if (ARow >= static_cast<int>(rows_.size())) rows_.resize(ARow + 1);
  rows_[ARow] = std::move(Row);
}

size_t TCellStore::FilledCount() const {
  size_t n = 0;
  for (const auto& r : rows_)
    if (r)
      for (int c = 0; c < r->Count(); ++c) n += !r->Text(c).empty() || r->Object(c) != nullptr;
  return n;
}
