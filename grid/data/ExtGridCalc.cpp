// Column and row calculations. A cell counts when it is the base cell of its
// range and holds a number; node and summary rows never count for the
// average, extremes and deviation, and for the sum only while grouped.

#include "grid/core/ExtGrid.h"
#include "grid/data/GridCalc.h"
#include "toolkit/rtl/SysUtils.h"

bool TExtStringGrid::CalcCellNumber(int ACol, int ARow, double& Value) {
  if (IsMergedNonBaseCell(ACol, ARow)) return false;
  const std::string text = Trim(StrippedCells(ACol, ARow));
  return !text.empty() && TryStrToFloat(text, Value);
}

void TExtStringGrid::CalcRange(int& FromRow, int& ToRow) const {
  if (FromRow == -1 || ToRow == -1) {
    FromRow = FixedRows();
    ToRow = RowCount() - FixedFooters() - 1;
  }
  FromRow = std::max(FromRow, 0);
  ToRow = std::min(ToRow, RowCount() - 1);
}

TCalcAggregate TExtStringGrid::ColumnAggregate(int ACol, int FromRow, int ToRow, bool SkipOutline) {
  CalcRange(FromRow, ToRow);
  const bool grouped = FGroupColumn != -1;
  TCalcAggregate a;
  for (int r = FromRow; r <= ToRow; ++r) {
    if ((SkipOutline || grouped) && (IsNode(r) || IsSummary(r))) continue;
    double v = 0;
    if (CalcCellNumber(ACol, r, v)) a.Add(v);
  }
  return a;
}

double TExtStringGrid::ColumnSum(int ACol, int FromRow, int ToRow) {
  return ColumnAggregate(ACol, FromRow, ToRow, false).Sum();
}
double TExtStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow) {
  return ColumnAggregate(ACol, FromRow, ToRow, true).Avg();
}
double TExtStringGrid::ColumnMin(int ACol, int FromRow, int ToRow) {
  return ColumnAggregate(ACol, FromRow, ToRow, true).Min();
}
double TExtStringGrid::ColumnMax(int ACol, int FromRow, int ToRow) {
  return ColumnAggregate(ACol, FromRow, ToRow, true).Max();
}
double TExtStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow) {
  return ColumnAggregate(ACol, FromRow, ToRow, true).StdDev();
}

double TExtStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow) {
  CalcRange(FromRow, ToRow);
  TDistinctTexts d;
  for (int r = FromRow; r <= ToRow; ++r) d.Add(Cells(ACol, r));
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
double TExtStringGrid::RowAvg(int ARow, int FromCol, int ToCol) { return RowAggregate(ARow, FromCol, ToCol).Avg(); }
double TExtStringGrid::RowMin(int ARow, int FromCol, int ToCol) { return RowAggregate(ARow, FromCol, ToCol).Min(); }
double TExtStringGrid::RowMax(int ARow, int FromCol, int ToCol) { return RowAggregate(ARow, FromCol, ToCol).Max(); }
