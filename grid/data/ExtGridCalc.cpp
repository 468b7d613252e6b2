// Column and row calculations. A cell counts when it is the base cell of its
// range and holds a number; node and summary rows count only while the grid
// is not grouped. Averages divide by every row (column) of the range, so an
// empty or text cell weighs as nothing in the sum but counts in the divisor.

#include <cmath>

#include "grid/core/ExtGrid.h"
#include "grid/data/GridCalc.h"
#include "toolkit/rtl/SysUtils.h"

bool TExtStringGrid::CalcCellNumber(int ACol, int ARow, double& Value) {
  if (IsMergedNonBaseCell(ACol, ARow)) return false;
  return CellTextNumber(StrippedCells(ACol, ARow), Value);
}

// A range that reaches past the shown rows is taken by real rows, hidden
// ones included; the answer says which.
bool TExtStringGrid::CalcRange(int& FromRow, int& ToRow) const {
  if (FromRow == -1 || ToRow == -1) {
    FromRow = FixedRows();
    ToRow = RowCount() - FixedFooters() - 1;
  }
  FromRow = std::max(FromRow, 0);
  const bool real = ToRow > RowCount() - 1 && NumHiddenRows() > 0;
  ToRow = std::min(ToRow, (real ? AllRowCount() : RowCount()) - 1);
  return real;
}

// Exporters learn of every row a calculation reads. A hidden row is never
// left out as an outline row: it is no header or summary while hidden.
TCalcAggregate TExtStringGrid::ColumnAggregate(int ACol, int FromRow, int ToRow, bool SkipOutline) {
  const bool real = CalcRange(FromRow, ToRow);
  TCalcAggregate a;
  ExportNotification(esExportStart, FromRow);
  for (int r = FromRow; r <= ToRow; ++r) {
    const int shown = !real ? r : IsHiddenRow(r) ? -1 : RealToDisplRow(r);
    if (SkipOutline && shown != -1 && (IsNode(shown) || IsSummary(shown))) continue;
    ExportNotification(esExportNextRow, r);
    double v = 0;
    if (shown != -1 ? CalcCellNumber(ACol, shown, v) : CellTextNumber(AllCells(ACol, r), v)) a.Add(v);
  }
  ExportNotification(esExportDone, -1);
  return a;
}

double TExtStringGrid::ColumnSum(int ACol, int FromRow, int ToRow) {
  return ColumnAggregate(ACol, FromRow, ToRow, FGroupColumn != -1).Sum();
}

double TExtStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow) {
  CalcRange(FromRow, ToRow);
  if (ToRow < FromRow) return 0;
  return ColumnSum(ACol, FromRow, ToRow) / (ToRow - FromRow + 1);
}

// The extremes start from the first row's number, whether that row counts
// or not; a first cell that is no number raises the float conversion error.
double TExtStringGrid::ColumnMin(int ACol, int FromRow, int ToRow) {
  const bool real = CalcRange(FromRow, ToRow);
  if (ToRow < FromRow) return 0;
  const double first = real ? AllFloats(ACol, FromRow) : Floats(ACol, FromRow);
  const TCalcAggregate a = ColumnAggregate(ACol, FromRow, ToRow, FGroupColumn != -1);
  return a.Count() ? std::min(first, a.Min()) : first;
}

double TExtStringGrid::ColumnMax(int ACol, int FromRow, int ToRow) {
  const bool real = CalcRange(FromRow, ToRow);
  if (ToRow < FromRow) return 0;
  const double first = real ? AllFloats(ACol, FromRow) : Floats(ACol, FromRow);
  const TCalcAggregate a = ColumnAggregate(ACol, FromRow, ToRow, FGroupColumn != -1);
  return a.Count() ? std::max(first, a.Max()) : first;
}

// Every row of the range takes part, read as a float: a text that is no
// number raises the float conversion error.
double TExtStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow) {
  const bool real = CalcRange(FromRow, ToRow);
  if (ToRow < FromRow) return 0;
  const double avg = ColumnAvg(ACol, FromRow, ToRow);
  double squares = 0;
  for (int r = FromRow; r <= ToRow; ++r) squares += std::pow((real ? AllFloats(ACol, r) : Floats(ACol, r)) - avg, 2);
  return std::sqrt(squares / (ToRow - FromRow + 1));
}

double TExtStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow) {
  const bool real = CalcRange(FromRow, ToRow);
  TDistinctTexts d;
  ExportNotification(esExportStart, FromRow);
  for (int r = FromRow; r <= ToRow; ++r) {
    ExportNotification(esExportNextRow, r);
    d.Add(real ? AllCells(ACol, r) : Cells(ACol, r));
  }
  ExportNotification(esExportDone, -1);
  return d.Count();
}

double TExtStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow) {
  double res = 0;
  if (OnColumnCalc) OnColumnCalc(this, ACol, FromRow, ToRow, res);
  return res;
}

TCalcAggregate TExtStringGrid::RowAggregate(int ARow, int FromCol, int ToCol) {
  TCalcAggregate a;
  for (int c = FromCol; c <= ToCol; ++c) {
    double v = 0;
    if (CalcCellNumber(c, ARow, v)) a.Add(v);
  }
  return a;
}

double TExtStringGrid::RowSum(int ARow, int FromCol, int ToCol) { return RowAggregate(ARow, FromCol, ToCol).Sum(); }
double TExtStringGrid::RowAvg(int ARow, int FromCol, int ToCol) {
  return ToCol < FromCol ? 0 : RowSum(ARow, FromCol, ToCol) / (ToCol - FromCol + 1);
}
double TExtStringGrid::RowMin(int ARow, int FromCol, int ToCol) { return RowAggregate(ARow, FromCol, ToCol).Min(); }
double TExtStringGrid::RowMax(int ARow, int FromCol, int ToCol) { return RowAggregate(ARow, FromCol, ToCol).Max(); }
