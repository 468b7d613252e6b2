// Filtering the string grid: the rows that fail the conditions leave the
// view as one filter level; levels stack and come back one at a time.

#include "grid/core/ExtGrid.h"
#include "grid/data/GridFilter.h"

std::string TExtStringGrid::FilterText(const TFilterData& Data, int ARow) {
  switch (Data.Data()) {
    case fcNormal: return GetGridCell(Data.Column(), ARow);
    case fcStripHTML: return StrippedCells(Data.Column(), ARow);
    case fcCalculated: return CalculatedCellText(Data.Column(), ARow);
    case fcRow: {
      std::string all;
      for (int c = 0; c < AllColCount(); ++c) all += GetGridCell(c, ARow) + "\n";
      return all;
    }
    default: return Cells(Data.Column(), ARow);
  }
}

bool TExtStringGrid::RowMatchesFilter(int ARow) {
  bool accept = FFilter.Accepts([this, ARow](const TFilterData& d) { return FilterText(d, ARow); });
  if (OnCustomFilter) OnCustomFilter(this, ARow, accept);
  return accept;
}

bool TExtStringGrid::DoFilterRow(int ARow) { return RowMatchesFilter(ARow); }

void TExtStringGrid::FilterRow(int ARow) {
  if (ARow >= 0 && ARow < RowCount() && !DoFilterRow(ARow)) HideRow(RealRowIndex(ARow));
}

void TExtStringGrid::ApplyFilter() {
  FFilterFixedRows = FixedRows();
  const int first = FixedRows(), last = RowCount() - FixedFooters() - 1;
  const int total = last - first + 1;
  TIntList failing(0, 0);
  int lastPercent = -1;
  for (int r = first; r <= last; ++r) {
    const bool keep = FFilterNormalCellsOnly && (IsNode(r) || IsSummary(r));
    if (!keep && !DoFilterRow(r)) failing.Add(r);
    int percent = total > 0 ? static_cast<int>((r - first + 1) * 100LL / total) : 100;
    if (OnFilterProgress && percent != lastPercent) OnFilterProgress(this, 0, percent);
    lastPercent = percent;
  }
  HideRowList(&failing);
}

bool TExtStringGrid::RemoveLastFilter() {
  if (FilterLevel() <= 0) return false;
  UnHideRowList();
  RehideContractedNodes();
  SetFixedRows(FFilterFixedRows);
  if (SelectionHidden()) UnHideSelection();
  CalcFooter(-1);
  return FilterLevel() > 1 ? (SetFilterLevel(FilterLevel() - 1), true) : (SetFilterLevel(0), false);
}

void TExtStringGrid::RemoveAllFilters() {
  if (FilterLevel() <= 0) {
    FFilter.Clear();
    return;
  }
  while (FilterLevel() > 0) RemoveLastFilter();
}

void TExtStringGrid::SetFilterActive(bool Value) {
  if (Value != FFilterActive) {
    FFilterActive = Value;
    if (Value) {
      if (Row() >= RowCount() || Col() >= ColCount()) FocusCell(FixedCols(), FixedRows(), true);
      TGridUpdateLock lock(*this);
      ApplyFilter();
    } else if (FilterLevel() > 0) {
      // Switching off takes the level away as well, so the next switch-on
      // stacks where this one stood.
      RemoveLastFilter();
    }
    if (FixedRows() < RowCount()) SetTopRow(FixedRows());
  }
  CalcFooter(-1);
}

// Typed text is searched as written: "*", "?" or "<" are plain characters.
void TExtStringGrid::NarrowDown(const std::string& ACondition, int AColumn) {
  SetFixedRowAlways(true);
  auto apply = [&] {
    FFilter.Clear();
    TFilterData* d = FFilter.Add();
    d->SetColumn(AColumn);
    d->SetCondition(ACondition);
    d->SetCaseSensitive(false);
    d->SetData(AColumn == -1 ? fcRow : fcNormal);
    d->SetMethod(fmContains);
    TGridUpdateLock lock(*this);
    ApplyFilter();
  };
  const bool oneMore = ACondition.size() == FLastFilter.size() + 1 && ACondition.compare(0, FLastFilter.size(), FLastFilter) == 0;
  const bool oneLess = !ACondition.empty() && ACondition.size() + 1 == FLastFilter.size() &&
                       FLastFilter.compare(0, ACondition.size(), ACondition) == 0;
  if (oneMore && FilterLevel() >= static_cast<int>(FLastFilter.size()))
    apply();
  else if (oneLess && FilterLevel() > 0) {
    TGridUpdateLock lock(*this);
    RemoveLastFilter();
  } else {
    TGridUpdateLock lock(*this);
    RemoveAllFilters();
    if (!ACondition.empty()) apply();
  }
  FLastFilter = ACondition;
}
