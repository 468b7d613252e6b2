// Removing, hiding and joining the rows and columns the user picked: by the
// disjunct selection flags when they are on, else by the selection.

#include "grid/core/ExtGrid.h"
#include "toolkit/rtl/SysUtils.h"

namespace {
// The flag of a row: kept by real index while the flags persist over
// hiding, else by the displayed row.
bool RowPicked(TExtStringGrid& Grid, int ARow) {
  const bool byReal = Grid.MouseActions()->DisjunctRowSelect() && Grid.MouseActions()->RowSelectPersistent();
  return Grid.RowSelect(byReal ? Grid.RealRowIndex(ARow) : ARow);
}

// The columns from Last down to First whose flag equals Picked.
std::vector<int> FlaggedCols(TExtStringGrid& Grid, int First, int Last, bool Picked) {
  std::vector<int> cols;
  for (int c = Last; c >= First; --c)
    if (Grid.ColSelect(c) == Picked) cols.push_back(c);
  return cols;
}
}  // namespace

void TExtStringGrid::AddColumn() { InsertCols(ColCount(), 1); }

void TExtStringGrid::RemoveSelectedRows() {
  TGridUpdateLock lock(*this);
  const int last = RowCount() - FixedFooters() - 1;
  if (MouseActions()->DisjunctRowSelect()) {
    RemoveRowsWhere([&](int r) { return r <= last && RowPicked(*this, r); });
    ClearRowSelect();
    return;
  }
  const TGridRect s = NormalizedGridRect(Selection());
  RemoveRowsWhere([&](int r) { return r >= s.Top && r <= s.Bottom; });
}

void TExtStringGrid::RemoveUnSelectedRows() {
  TGridUpdateLock lock(*this);
  const int last = RowCount() - FixedFooters() - 1;
  RemoveRowsWhere([&](int r) { return r <= last && !RowPicked(*this, r); });
  if (MouseActions()->RowSelectPersistent())
    SelectRows(FixedRows(), RowCount() - FixedRows());
  else
    ClearRowSelect();
}

void TExtStringGrid::RemoveSelectedCols() {
  TGridUpdateLock lock(*this);
  if (MouseActions()->DisjunctColSelect()) {
    // The picked columns all go, so no flag is left set.
    for (int c : FlaggedCols(*this, FixedCols(), ColCount() - 1, true)) RemoveCols(c, 1);
    ClearColSelect();
    return;
  }
  const TGridRect s = NormalizedGridRect(Selection());
  RemoveCols(s.Left, s.Right - s.Left + 1);
}

void TExtStringGrid::RemoveUnSelectedCols() {
  TGridUpdateLock lock(*this);
  if (MouseActions()->DisjunctColSelect()) {
    for (int c : FlaggedCols(*this, FixedCols(), ColCount() - 1, false)) RemoveCols(c, 1);
  } else {
    const TGridRect s = NormalizedGridRect(Selection());
    RemoveCols(s.Right + 1, ColCount() - 1 - s.Right);
    RemoveCols(FixedCols(), s.Left - FixedCols());
  }
  ClearColSelect();
}

// Every row's flag is read before any row goes: flags kept by displayed
// row would otherwise be read against rows that moved up.
void TExtStringGrid::hidePickedRows(bool Picked) {
  TGridUpdateLock lock(*this);
  std::vector<int> rows;
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (RowPicked(*this, r) == Picked) rows.push_back(RealRowIndex(r));
  hideRealRows(std::move(rows), THiddenRowKind::Manual, 0);
}

void TExtStringGrid::HideSelectedRows() { hidePickedRows(true); }

void TExtStringGrid::HideUnSelectedRows() { hidePickedRows(false); }

void TExtStringGrid::MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator) {
  if (ColIndex1 == ColIndex2) return;
  TGridUpdateLock lock(*this);
  for (int r = FixedRows(); r < RowCount(); ++r)
    SetCells(ColIndex1, r, Trim(Cells(ColIndex1, r) + Separator + Cells(ColIndex2, r)));
  RemoveCols(ColIndex2, 1);
}
