// Bulk fills, dates and times as typed cell values, and the header lists
// shown in the fixed row and column.

#include <random>

#include "grid/core/ExtGrid.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/SysUtils.h"

namespace {
struct TFillRange {
  int FromCol, ToCol, FromRow, ToRow;
};
}  // namespace

// Rows outer, columns inner, under one update lock; the footers follow.
template <typename CellText>
static void fillCells(TExtStringGrid* G, bool DoFixed, int FixedFooters, int FixedRightCols, CellText Text) {
  TFillRange r{DoFixed ? 0 : G->FixedCols(), DoFixed ? G->ColCount() - 1 : G->ColCount() - FixedRightCols - 1,
               DoFixed ? 0 : G->FixedRows(), DoFixed ? G->RowCount() - 1 : G->RowCount() - FixedFooters - 1};
  {
    TGridUpdateLock lock(*G);
    for (int row = r.FromRow; row <= r.ToRow; ++row)
      for (int col = r.FromCol; col <= r.ToCol; ++col) G->SetCells(G->RealColIndex(col), row, Text(col, row));
  }
  G->CalcFooter(-1);
}

void TExtStringGrid::TextFill(bool DoFixed, const std::string& Txt) {
  fillCells(this, DoFixed, FFixedFooters, FFixedRightCols, [&](int, int) { return Txt; });
}

void TExtStringGrid::FormatFill(bool DoFixed, const std::string& Fmt) {
  // Checked once before any cell changes.
  try {
    (void)Format(Fmt, 0, 0);
  } catch (const EConvertError& e) {
    throw EExtGridError(std::string("Invalid fill format: ") + e.what());
  }
  fillCells(this, DoFixed, FFixedFooters, FFixedRightCols, [&](int c, int r) { return Format(Fmt, c, r); });
}

void TExtStringGrid::RandomFill(bool DoFixed, int Rnd) {
  static std::minstd_rand engine;
  fillCells(this, DoFixed, FFixedFooters, FFixedRightCols, [&](int, int) {
    if (Rnd <= 0) return std::string("0");
    return std::to_string(std::uniform_int_distribution<int>(0, Rnd - 1)(engine));
  });
}

void TExtStringGrid::LinearFill(bool DoFixed) {
  fillCells(this, DoFixed, FFixedFooters, FFixedRightCols,
            [](int c, int r) { return std::to_string(c) + ":" + std::to_string(r); });
}

// ---- dates and times ----

double TExtStringGrid::Dates(int ARealCol, int ARow) const { return StrToDate(Cells(ARealCol, ARow)); }

void TExtStringGrid::SetDates(int ARealCol, int ARow, double Value) {
  SetCells(ARealCol, ARow, Value > 0 || FShowNullDates ? DateToStr(Value) : std::string());
}

double TExtStringGrid::Times(int ARealCol, int ARow) const { return StrToTime(Cells(ARealCol, ARow)); }

void TExtStringGrid::SetTimes(int ARealCol, int ARow, double Value) { SetCells(ARealCol, ARow, TimeToStr(Value)); }

// ---- headers ----

void TExtStringGrid::SetColumnHeaders(const TStrings* Value) {
  FColumnHeaders.Assign(Value);
  if (FixedRows() > 0) ClearColumnHeaders();
  ShowColumnHeaders();
}

void TExtStringGrid::SetRowHeaders(const TStrings* Value) {
  FRowHeaders.Assign(Value);
  ShowRowHeaders();
}

void TExtStringGrid::ShowColumnHeaders() {
  if (FixedRows() <= 0) return;
  for (int i = 0; i < FColumnHeaders.Count() && i < AllColCount(); ++i)
    SetCells(i, 0, EscapedNToCR(FColumnHeaders.Strings(i)));
}

void TExtStringGrid::ClearColumnHeaders() {
  for (int c = 0; c < AllColCount(); ++c) SetCells(c, 0, "");
}

void TExtStringGrid::ShowRowHeaders() {
  if (FixedCols() <= 0) return;
  for (int i = 0; i < FRowHeaders.Count() && i < RowCount(); ++i)
    SetCells(0, i, EscapedNToCR(FRowHeaders.Strings(i)));
}

void TExtStringGrid::ClearRowHeaders() {
  for (int r = 0; r < RowCount(); ++r) SetCells(0, r, "");
}

void TExtStringGrid::DoCanAddRow(bool& CanAdd) {
  if (OnCanAddRow) OnCanAddRow(this, CanAdd);
}

void TExtStringGrid::DoCanInsertRow(int ARow, bool& CanInsert) {
  if (OnCanInsertRow) OnCanInsertRow(this, ARow, CanInsert);
}

void TExtStringGrid::AppendOneRow() { SetRowCount(RowCount() + 1); }
