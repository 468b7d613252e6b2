// The column grid's filter drop-down: a column with Filter entries
// ("name=condition") offers their names instead of the column's values, and
// a choice applies the entry's condition with the column's case rule.

#include "grid/core/ExtCGrid.h"
#include "grid/foundation/ExtUtil.h"

bool TExtColumnGrid::GetColumnFilterValues(int ARealCol) {
  bool any = TExtStringGrid::GetColumnFilterValues(ARealCol);
  TGridColumnItem* item = columnOf(ARealCol);
  if (!item || item->Filter()->Count() == 0) return any;
  TStringList* list = FilterList();
  list->SetSorted(false);
  list->Clear();
  std::string name, condition;
  for (int i = 0; i < item->Filter()->Count(); ++i) {
    SplitFilterEntry(item->Filter()->Strings(i), name, condition);
    list->Add(name);
  }
  return true;
}

void TExtColumnGrid::FilterSelect(int ARealCol, int ItemIndex) {
  TGridColumnItem* item = columnOf(ARealCol);
  // A column without entries of its own offers its values: the grid's choice.
  if (!item || item->Filter()->Count() == 0) return TExtStringGrid::FilterSelect(ARealCol, ItemIndex);
  if (CanFocus()) SetFocus();
  if (ARealCol < AllColCount() && ItemIndex >= 0 && ItemIndex < item->Filter()->Count()) {
    std::string name, condition;
    SplitFilterEntry(item->Filter()->Strings(ItemIndex), name, condition);
    if (AutoFilterUpdate()) SetFilterActive(false);
    if (AutoFilterDisplay()) item->SetHeader(name);
    if (OnFilterSelect) OnFilterSelect(this, ARealCol, ItemIndex, name, condition);
    Filter()->RemoveColumnFilter(ARealCol);
    if (!condition.empty()) {
      Filter()->ColumnFilter(ARealCol)->SetCondition(condition);
      Filter()->ColumnFilter(ARealCol)->SetCaseSensitive(item->FilterCaseSensitive());
    }
    if (AutoFilterUpdate()) {
      SetFilterActive(true);
      const bool onlyFixed = RowCount() <= FixedRows() || (RowCount() == 1 && FixedRowAlways());
      if (!onlyFixed) SetRow(FixedRows());
      DoFilterDone();
    }
  }
  HideFilterDropDown();
}
