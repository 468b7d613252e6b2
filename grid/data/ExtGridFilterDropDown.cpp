// The filter drop-down: the distinct values of a column, offered in a list
// under the column's filter row cell; a choice becomes that column's
// condition and re-applies the filter.

#include <map>

#include "grid/core/ExtGrid.h"
#include "grid/foundation/ExtUtil.h"
#include "grid/data/FilterDropList.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/rtl/SysUtils.h"

namespace {
struct TCaseless {
  bool operator()(const std::string& A, const std::string& B) const { return AnsiCompareText(A, B) < 0; }
};

// A value with a blank is offered as a quoted condition, so that the
// matcher keeps the blank.
std::string entryOf(const std::string& Value) {
  if (Value.find(' ') == std::string::npos) return Value;
  return Value + "=\"" + Value + "\"";
}

}  // namespace

void TFilterDropDown::Assign(const TPersistent* Source) {
  const auto* s = dynamic_cast<const TFilterDropDown*>(Source);
  if (!s) {
    TPersistent::Assign(Source);
    return;
  }
  FColor = s->FColor;
  FColumnWidth = s->FColumnWidth;
  FFont->Assign(s->FFont.get());
  FHeight = s->FHeight;
  FWidth = s->FWidth;
  FGlyph->Assign(s->FGlyph.get());
  setPicture(*FGlyphActive, s->FGlyphActive.get());
}

void TExtStringGrid::SetFilterDropDownAuto(bool Value) {
  FFilterDropDownAuto = Value;
  Invalidate();
}

void TExtStringGrid::SetFilterDropDownRow(int Value) {
  if (Value < 0 || Value >= FixedRows()) return;
  FFilterDropDownRow = Value;
  Invalidate();
}

// One ordered map over the values: duplicates (case ignored) keep their
// first form, and 100,000 rows are one pass.
bool TExtStringGrid::GetColumnFilterValues(int ACol) {
  FFilterValues.Clear();
  FFilterValues.SetSorted(false);
  if (FFilterDropDownAuto && (ACol >= FixedCols() || FFilterDropDownColumns == fdAll) && ACol < AllColCount()) {
    std::map<std::string, std::string, TCaseless> values;
    for (int r = FixedRows(); r <= RowCount() - FixedFooters() - 1; ++r) {
      std::string v = Trim(Cells(ACol, r));
      values.emplace(v, entryOf(v));
    }
    if (!FFilterIncremental)
      for (const auto& item : FHiddenRows)
        if (item.Idx() >= FixedRows() && ACol < item.Items()->Count()) {
          const std::string& v = item.Items()->Strings(ACol);
          values.emplace(v, entryOf(v));
        }
    if (!FFilterDropDownClear.empty()) FFilterValues.Add(FFilterDropDownClear);
    for (const auto& [key, entry] : values) FFilterValues.Add(entry);
  }
  if (OnGetColumnFilter) OnGetColumnFilter(this, ACol, &FFilterValues);
  return FFilterValues.Count() > 0;
}

bool TExtStringGrid::ShowFilterDropDown(int ADisplCol) {
  HideFilterDropDown();
  const int col = RealColIndex(ADisplCol);
  if (ADisplCol < 0 || ADisplCol >= ColCount() || !GetColumnFilterValues(col)) return false;
  TCustomListBox* list = nullptr;
  if (FFilterDropDownCheck) {
    if (!FDropCheckList) {
      FDropCheckList = new TDropCheckList(this);
      FDropCheckList->SetParent(this);
      FDropCheckList->OnSelect = [this](TObject*, int) { FilterCheckSelect(FFilterCol, -1); };
      FDropCheckList->OnCancel = [this] { FFilterCol = -1; };
    }
    list = FDropCheckList;
  } else {
    if (!FDropList) {
      FDropList = new TDropList(this);
      FDropList->SetParent(this);
      FDropList->OnSelect = [this](TObject*, int ItemIndex) { FilterSelect(FFilterCol, ItemIndex); };
      FDropList->OnCancel = [this] { FFilterCol = -1; };
    }
    list = FDropList;
  }
  list->Items()->Clear();
  std::string name, condition;
  for (int i = 0; i < FFilterValues.Count(); ++i) {
    SplitFilterEntry(FFilterValues.Strings(i), name, condition);
    list->Items()->Add(name);
  }
  if (FFilterDropDownCheck)
    for (int i = 0; i < FFilterValues.Count(); ++i) {
      SplitFilterEntry(FFilterValues.Strings(i), name, condition);
      for (int k = 0; k < FFilter.Count(); ++k)
        if (FFilter.Items(k)->Column() == col && FFilter.Items(k)->Condition() == condition)
          FDropCheckList->SetChecked(i, true);
    }
  // Only now is the list open: checking the current conditions above is no choice.
  FFilterCol = col;
  list->SetColor(FFilterDropDown.Color());
  list->SetFont(FFilterDropDown.Font());
  // Under the filter button: 16 pixels below the cell's top, from 16 pixels
  // left of its right edge (or across the cell with ColumnWidth).
  TRect cell = CellRect(ADisplCol, FFilterDropDownRow);
  int w = FFilterDropDown.Width(), h = FFilterDropDown.Height(), left = cell.Right - 16;
  const int top = cell.Top + 16;
  if (FFilterDropDown.AutoSize()) {
    int widest = 0;
    for (int i = 0; i < list->Items()->Count(); ++i) widest = std::max(widest, Canvas()->TextWidth(list->Items()->Strings(i)));
    w = widest + 8 + 2 * GetSystemMetrics(SM_CXEDGE);
    h = list->Items()->Count() * list->ItemHeight() + 2 * GetSystemMetrics(SM_CYEDGE);
  }
  if (FFilterDropDown.ColumnWidth()) {
    left = cell.Left;
    w = cell.Right - cell.Left;
  }
  if (left + w > Width()) left = std::max(0, CellRect(ADisplCol, 0).Right - w);
  list->SetBounds(left, top, w, std::min(h, std::max(ClientHeight() - top, list->ItemHeight() * 3)));
  list->SetVisible(true);
  list->BringToFront();
  if (list->CanFocus()) list->SetFocus();
  return true;
}

void TExtStringGrid::HideFilterDropDown() {
  if (FDropList) FDropList->SetVisible(false);
  if (FDropCheckList) FDropCheckList->SetVisible(false);
  FFilterCol = -1;
}

// A choice in the plain list: the column's conditions give way to this one.
void TExtStringGrid::FilterSelect(int ACol, int ItemIndex) {
  if (CanFocus()) SetFocus();
  if (ACol >= 0 && ACol < AllColCount() && ItemIndex >= 0 && GetColumnFilterValues(ACol) &&
      ItemIndex < FFilterValues.Count()) {
    std::string name, condition;
    SplitFilterEntry(FFilterValues.Strings(ItemIndex), name, condition);
    if (FAutoFilterUpdate) SetFilterActive(false);
    if (condition == FFilterDropDownClear) condition.clear();
    if (OnFilterSelect) OnFilterSelect(this, ACol, ItemIndex, name, condition);
    FFilter.RemoveColumnFilter(ACol);
    // The list merged values that differ in case only, so the condition
    // takes them all: none of those rows would be reachable otherwise.
    if (!condition.empty()) {
      FFilter.ColumnFilter(ACol)->SetCondition(condition);
      FFilter.ColumnFilter(ACol)->SetCaseSensitive(false);
    }
    if (FAutoFilterUpdate) {
      SetFixedRowAlways(true);
      SetFilterActive(true);
      if (RowCount() > FixedRows()) SetRow(FixedRows());
      DoFilterDone();
    }
  }
  FFilterCol = -1;
}

// The checked values of the check list: alternatives of one column. As the
// conditions join left to right, the alternatives come first and the other
// columns' conditions follow with AND, so "column 1 in (a, b) and column 3 =
// x" holds as long as the other columns each hold one condition.
void TExtStringGrid::FilterCheckSelect(int ACol, int ItemIndex) {
  (void)ItemIndex;
  if (ACol < 0 || ACol >= AllColCount() || !FDropCheckList || !GetColumnFilterValues(ACol)) return;
  SetFilterActive(false);
  FFilter.RemoveColumnFilter(ACol);
  TFilter others(nullptr);
  others.Assign(&FFilter);
  FFilter.Clear();
  bool first = true;
  const int n = std::min(FFilterValues.Count(), FDropCheckList->Items()->Count());
  for (int i = 0; i < n; ++i) {
    if (!FDropCheckList->Checked(i)) continue;
    std::string name, condition;
    SplitFilterEntry(FFilterValues.Strings(i), name, condition);
    if (condition == FFilterDropDownClear) condition.clear();
    if (OnFilterCheck) OnFilterCheck(this, ACol, i, name, condition, FDropCheckList);
    if (condition.empty()) continue;
    TFilterData* d = FFilter.Add();
    d->SetColumn(ACol);
    d->SetCondition(condition);
    d->SetCaseSensitive(false);
    d->SetOperation(first ? foNONE : foOR);
    first = false;
  }
  for (int i = 0; i < others.Count(); ++i) {
    TFilterData* d = FFilter.Add();
    d->Assign(others.Items(i));
    if (i == 0 && FFilter.Count() > 1) d->SetOperation(foAND);
  }
  SetFilterActive(true);
  FDropCheckList->Invalidate();
}
