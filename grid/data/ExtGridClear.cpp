// Range operations that change cell contents without changing the grid's
// structure: clearing (texts, and unless ClearTextOnly the cell properties
// with their cell graphics), trimming, colouring, merging runs of equal
// cells and splitting them, numbering a column or a row, and two lookups.

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "toolkit/rtl/ScopeGuard.h"
#include "toolkit/rtl/SysUtils.h"

namespace {
// Every cell of a rectangle, rows clipped to the grid, columns mapped by
// MapCol (displayed to real with SaveHiddenCells) and skipped outside it.
template <typename MapCol, typename Fn>
void forRectCells(int ACol1, int ARow1, int ACol2, int ARow2, int RowCount, int AllColCount, MapCol Map, Fn Do) {
  for (int r = std::max(ARow1, 0); r <= std::min(ARow2, RowCount - 1); ++r)
    for (int i = std::max(ACol1, 0); i <= ACol2; ++i) {
      const int a = Map(i);
      if (a >= 0 && a < AllColCount) Do(a, r);
    }
}
}  // namespace

void TExtStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  if (ACol1 > ACol2 || ARow1 > ARow2) return;
  TGridUpdateLock lock(*this);
  auto map = [this](int i) { return clearColumn(i); };
  forRectCells(ACol1, ARow1, ACol2, ARow2, RowCount(), AllColCount(), map, [this](int a, int r) {
    if (!FClearTextOnly && GetGridObject(a, r)) {
      if (FNilObjects)
        SetGridObject(a, r, nullptr);  // the records live on elsewhere
      else
        FreeCellProperties(a, r);
    }
    if (!FDestroyingGrid && !GetGridCell(a, r).empty()) SetGridCell(a, r, "");
  });
  if (ACol1 <= 0 && ARow1 <= 0 && ACol2 >= ColCount() - 1 && ARow2 >= RowCount() - 1 && !FClearTextOnly)
    FHasCellProps = false;
  if (!FDestroyingGrid && !FBlockCellChange)
    CellsChanged(TRect{clearColumn(ACol1), std::max(ARow1, 0), clearColumn(ACol2), std::min(ARow2, RowCount() - 1)});
}

void TExtStringGrid::ClearRows(int RowIndex, int RCount) {
  if (RowCount() > 0 && ColCount() > 0 && RCount > 0)
    ClearRect(0, RowIndex, ColCount() + NumHiddenColumns() - 1, RowIndex + RCount - 1);
}

void TExtStringGrid::ClearCols(int ColIndex, int CCount) {
  if (RowCount() > 0 && ColCount() > 0 && CCount > 0) ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TExtStringGrid::ClearNormalRows(int RowIndex, int RCount) {
  if (RowCount() > 0 && ColCount() > 0 && RCount > 0)
    ClearRect(FixedCols(), RowIndex, ColCount() + NumHiddenColumns() - FixedRightCols() - 1, RowIndex + RCount - 1);
}

void TExtStringGrid::ClearNormalCols(int ColIndex, int CCount) {
  if (RowCount() > 0 && ColCount() > 0 && CCount > 0)
    ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FixedFooters() - 1);
}

void TExtStringGrid::ClearNormalCells() {
  if (FixedCols() == 0 && FNumNodes > 0) RemoveAllNodes();
  if (RowCount() > 0 && ColCount() > 0)
    ClearRect(FixedCols(), FixedRows(), ColCount() + NumHiddenColumns() - FixedRightCols() - 1,
              RowCount() - FixedFooters() - 1);
}

// Hidden columns are cleared too, whatever SaveHiddenCells says: the whole
// grid is meant.
void TExtStringGrid::Clear() {
  if (!FDestroyingGrid && FNumNodes > 0) RemoveAllNodes();
  if (ColCount() > 0 && RowCount() > 0) {
    const bool save = FSaveHiddenCells;
    FSaveHiddenCells = false;
    auto restore = MakeScopeGuard([&] { FSaveHiddenCells = save; });
    ClearRect(0, 0, AllColCount() - 1, RowCount() - 1);
  }
  FSearchInc.clear();
  if (NumHiddenColumns() > 0) Invalidate();
}

void TExtStringGrid::ClearAll() {
  Clear();
  for (auto& item : FHiddenRows) {
    TStrings* s = item.Items();
    for (int c = 0; c < s->Count(); ++c) s->Put(c, "");
  }
}

void TExtStringGrid::ClearSelection() {
  TGridUpdateLock lock(*this);
  if (FMouseActions.DisjunctRowSelect()) {
    for (int r = FixedRows(); r < RowCount(); ++r)
      if (RowSelect(r)) ClearRows(r, 1);
  } else if (FMouseActions.DisjunctColSelect()) {
    for (int c = FixedCols(); c < ColCount(); ++c)
      if (ColSelect(c)) ClearCols(c, 1);
  } else {
    TGridRect s = Selection();
    ClearRect(s.Left, s.Top, s.Right, s.Bottom);
  }
}

// ---- trimming and colouring ----

void TExtStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  TGridUpdateLock lock(*this);
  auto map = [this](int i) { return clearColumn(i); };
  forRectCells(ACol1, ARow1, ACol2, ARow2, RowCount(), AllColCount(), map, [this](int a, int r) {
    const std::string& t = GetGridCell(a, r);
    if (t.empty()) return;
    std::string trimmed = Trim(t);
    if (trimmed.size() != t.size()) SetCells(a, r, trimmed);
  });
}

void TExtStringGrid::TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
void TExtStringGrid::TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
void TExtStringGrid::TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }

void TExtStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor) {
  TGridUpdateLock lock(*this);
  forRectCells(ACol1, ARow1, ACol2, ARow2, RowCount(), AllColCount(), [](int i) { return i; },
               [&](int c, int r) { SetColors(c, r, AColor); });
}

// ---- merging and splitting ----

void TExtStringGrid::SplitAllCells() {
  TGridUpdateLock lock(*this);
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < ColCount(); ++c)
      if (IsMergedCell(c, r)) SplitCells(c, r);
}

void TExtStringGrid::SplitColumnCells(int ColIndex) {
  TGridUpdateLock lock(*this);
  for (int r = 0; r < RowCount() - FixedFooters();) {
    if (IsYMergedCell(ColIndex, r)) {
      const int span = CellSpan(ColIndex, r).Y;
      SplitCells(ColIndex, r);
      r += std::max(span, 0) + 1;
    } else {
      ++r;
    }
  }
}

void TExtStringGrid::SplitRowCells(int RowIndex) {
  TGridUpdateLock lock(*this);
  for (int c = 0; c < ColCount() - FixedRightCols();) {
    if (IsMergedCell(c, RowIndex) && CellSpan(c, RowIndex).X >= 0) {
      const int span = CellSpan(c, RowIndex).X;
      SplitCells(c, RowIndex);
      c += span + 1;
    } else {
      ++c;
    }
  }
}

// A run grows while the texts are equal (exactly) and, unless MainMerge,
// the two rows' merged ranges agree; a single cell is never "merged".
void TExtStringGrid::MergeColumnCells(int ColIndex, bool MainMerge) {
  const int first = FixedRows(), last = RowCount() - FixedFooters() - 1;
  if (last < first) return;
  TGridUpdateLock lock(*this);
  int start = first, len = 1;
  auto close = [&] {
    if (len >= 2) MergeCells(ColIndex, start, 1, len);
  };
  for (int r = first + 1; r <= last; ++r) {
    bool found = false;
    if (GetGridCell(ColIndex, r) == GetGridCell(ColIndex, r - 1) && (MainMerge || RowSpanIdentical(r, r - 1, found))) {
      ++len;
    } else {
      close();
      start = r;
      len = 1;
    }
  }
  close();
}

void TExtStringGrid::MergeRowCells(int RowIndex, bool MainMerge) {
  const int first = FixedCols(), last = ColCount() - FixedRightCols() - 1;
  if (last < first) return;
  TGridUpdateLock lock(*this);
  int start = first, len = 1;
  auto close = [&] {
    if (len >= 2) MergeCells(start, RowIndex, len, 1);
  };
  for (int c = first + 1; c <= last; ++c) {
    bool found = false;
    if (GetGridCell(c, RowIndex) == GetGridCell(c - 1, RowIndex) && (MainMerge || ColSpanIdentical(c, c - 1, found))) {
      ++len;
    } else {
      close();
      start = c;
      len = 1;
    }
  }
  close();
}

// ---- numbering ----

void TExtStringGrid::AutoNumberCol(int ACol) {
  if (RowCount() <= 0) return;
  const int first = FixedRows(), last = RowCount() - FixedFooters() - 1;
  TGridUpdateLock lock(*this);
  for (int k = first + FAutoNumberStart; k <= last; ++k) {
    const int row = FAutoNumberDirection == sdAscending ? k : first + last - k;
    SetInts(ACol, row, k - first + 1 + FAutoNumberOffset);
  }
}

void TExtStringGrid::AutoNumberRow(int ARow) {
  if (ColCount() <= 0) return;
  const int first = FixedCols(), last = ColCount() - FixedRightCols() - 1;
  TGridUpdateLock lock(*this);
  for (int k = first + FAutoNumberStart; k <= last; ++k) {
    const int col = FAutoNumberDirection == sdAscending ? k : first + last - k;
    SetInts(col, ARow, k - first + 1 + FAutoNumberOffset);
  }
}

// ---- lookups ----

bool TExtStringGrid::IsWideCell(int ARealCol, int ARow) const { return GetGridCell(ARealCol, ARow).rfind("|\\", 0) == 0; }

bool TExtStringGrid::IsCell(const std::string& SubStr, int& ACol, int& ARow) const {
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < ColCount(); ++c)
      if (GetGridCell(c, r) == SubStr) {
        ACol = c;
        ARow = r;
        return true;
      }
  return false;
}
