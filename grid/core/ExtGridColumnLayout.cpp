// Column layouts kept between runs: the state string and the ColumnSize
// store (an INI file or a registry key).
//
// A stored order is applied from the columns' initial order, whatever order
// they show now, so applying the same layout twice gives the same columns;
// widths are set while every column shows, so hidden columns keep theirs.

#include "grid/core/ColumnLayout.h"
#include "grid/core/ExtGrid.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/rtl/IniFiles.h"
#include "toolkit/rtl/Registry.h"

#include <memory>

namespace {

// The store ColumnSize names; none without a key and a section, or while designing.
std::unique_ptr<TCustomIniFile> OpenColumnStore(const TColumnSize& S, bool Designing) {
  if (S.Key().empty() || S.Section().empty() || Designing) return nullptr;
  if (S.Location() == clIniFile) return std::make_unique<TIniFile>(S.Key());
  return std::make_unique<TRegistryIniFile>(S.Key());
}

template <typename Load>
void reportingStoreErrors(TExtStringGrid* Grid, Load L) {
  try {
    L();
  } catch (const Exception&) {
    if (Application) Application->HandleException(Grid);
  }
}

}  // namespace

std::string TExtStringGrid::ColumnStatesToString() {
  TColumnStates s;
  s.Count = ColCount() + NumHiddenColumns();
  for (int c = 0; c < s.Count; ++c) {
    const bool hidden = IsHiddenColumn(c);
    s.Visible.push_back(!hidden);
    s.Widths.push_back(hidden ? (c < static_cast<int>(FAllColWidths.size()) ? FAllColWidths[c] : 0)
                              : ColWidths(RealToDisplColumn(c)));
  }
  std::vector<int> order;
  for (int i = 0; i < FColumnOrder.Count(); ++i) order.push_back(FColumnOrder.GetInteger(i));
  // Inserted and removed columns leave gaps in the initial indexes: written as ranks they stay a permutation.
  if (static_cast<int>(order.size()) == s.Count) s.Order = Ranks(order);
  else
    for (int c = 0; c < s.Count; ++c) s.Order.push_back(c);
  return FormatColumnStates(s);
}

// From the initial order, shows the columns so that position k holds the
// column of initial index Order[k]; FColumnOrder then describes it.
void TExtStringGrid::arrangeColumns(const std::vector<int>& Order) {
  const std::vector<int> inverse = InversePermutation(Order);
  FColumnOrder.Clear();
  for (int v : inverse) FColumnOrder.Add(v);
  ResetColumnOrder();
  FColumnOrder.Clear();
  for (int v : Order) FColumnOrder.Add(v);
}

void TExtStringGrid::StringToColumnStates(const std::string& Value) {
  TColumnStates s;
  if (!ParseColumnStates(Value, s)) return;
  if (s.Count <= FixedCols())
    throw EConvertError("Column layout: " + std::to_string(s.Count) + " columns leave none beside the fixed ones");

  TGridUpdateLock lock(*this);
  const bool stretch = FColumnSize.Stretch();
  if (stretch) FColumnSize.SetStretch(false);
  ResetColumnOrder();
  FColumnOrder.Clear();
  SetColCount(s.Count);
  if (!s.Order.empty()) arrangeColumns(s.Order);
  for (int c = 0; c < s.Count; ++c) SetColWidths(c, s.Widths[static_cast<size_t>(c)]);
  for (int c = s.Count - 1; c >= 0; --c)
    if (!s.Visible[static_cast<size_t>(c)]) HideColumn(c);
  if (stretch) FColumnSize.SetStretch(true);
}

void TExtStringGrid::SaveColSizes() {
  auto store = OpenColumnStore(FColumnSize, ComponentState().Contains(csDesigning));
  if (!store) return;
  for (int c = 0; c < ColCount(); ++c) store->WriteInteger(FColumnSize.Section(), "Col" + std::to_string(c), ColWidths(c));
  store->UpdateFile();
}

void TExtStringGrid::LoadColSizes() {
  auto store = OpenColumnStore(FColumnSize, ComponentState().Contains(csDesigning));
  if (!store) return;
  std::vector<int> widths;
  for (int c = 0; c < ColCount(); ++c) {
    const int w = store->ReadInteger(FColumnSize.Section(), "Col" + std::to_string(c), ColWidths(c));
    if (w < 0) throw EConvertError("Column layout: the stored width of column " + std::to_string(c) + " is negative");
    widths.push_back(w);
  }
  for (int c = 0; c < ColCount(); ++c)
    if (ColWidths(c) != widths[static_cast<size_t>(c)]) SetColWidths(c, widths[static_cast<size_t>(c)]);
}

// A store that cannot be read is reported, and the grid shows with the
// layout it has: the window is made all the same.
void TExtStringGrid::restoreSavedColSizes() {
  if (!FColumnSize.Save()) return;
  reportingStoreErrors(this, [this] { LoadColSizes(); });
}

// The order first: the widths were stored by display position, so they land
// on the columns that stood there.
void TExtStringGrid::restoreSavedColLayout() {
  if (!FColumnSize.Save()) return;
  reportingStoreErrors(this, [this] { LoadColPositions(); });
  reportingStoreErrors(this, [this] { LoadColSizes(); });
}

// Nothing may escape a destructor: a store that cannot be written keeps
// what it had.
void TExtStringGrid::storeColSizesOnDestroy() noexcept {
  if (!FColumnSize.Save()) return;
  try {
    SaveColSizes();
  } catch (...) {
  }
}

void TExtStringGrid::SaveColPositions() {
  auto store = OpenColumnStore(FColumnSize, ComponentState().Contains(csDesigning));
  if (!store) return;
  for (int i = 0; i < FColumnOrder.Count(); ++i)
    store->WriteInteger(FColumnSize.Section(), "Pos" + std::to_string(i), FColumnOrder.GetInteger(i));
  store->UpdateFile();
}

void TExtStringGrid::LoadColPositions() {
  auto store = OpenColumnStore(FColumnSize, ComponentState().Contains(csDesigning));
  if (!store) return;
  const std::string& section = FColumnSize.Section();
  if (store->ReadInteger(section, "Pos0", -1) == -1) return;
  const int n = AllColCount();
  std::vector<int> order;
  for (int i = 0; i < n; ++i) {
    const int v = store->ReadInteger(section, "Pos" + std::to_string(i), -1);
    if (v != -1) order.push_back(v);
  }
  if (!IsPermutation(order))
    throw EConvertError("Column layout: the stored order in " + FColumnSize.Key() + " does not name every column once");
  // Columns the store does not know (added since) keep their places after the stored ones.
  for (int c = static_cast<int>(order.size()); c < n; ++c) order.push_back(c);

  TGridUpdateLock lock(*this);
  std::vector<int> hidden;
  for (int c = 0; c < n; ++c)
    if (IsHiddenColumn(c)) hidden.push_back(c);
  ResetColumnOrder();
  arrangeColumns(order);
  for (auto it = hidden.rbegin(); it != hidden.rend(); ++it) HideColumn(*it);
}
