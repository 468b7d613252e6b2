// Sorting the string grid: the sort engine orders the normal rows over keys
// read once, and the grid moves its rows once into that order. Nothing is
// changed before the order is known, so an exception from an application's
// compare event leaves the grid as it was.

#include <algorithm>
#include <numeric>

#include "grid/core/ExtGrid.h"
#include "grid/data/GridSortEngine.h"
#include "toolkit/rtl/Exceptions.h"

// What the sort engine reads of the grid.
class TGridSortSource : public TSortCellSource {
public:
  explicit TGridSortSource(TExtStringGrid& Grid) : FGrid(Grid), FDisplayed(Grid.SortSettings()->SortOnVirtualCells()) {}

  std::string SortCellText(int ACol, int ARow) override {
    return FDisplayed ? FGrid.Cells(ACol, ARow) : FGrid.GetGridCell(ACol, ARow);
  }
  void SortCellFormat(int ACol, TSortStyle& AStyle, std::string& APrefix, std::string& ASuffix) override {
    FGrid.GetCellFormat(ACol, AStyle, APrefix, ASuffix);
  }
  bool SortCellIsCheckBox(int ACol, int ARow) override {
    TCellType t = FGrid.GetCellType(ACol, ARow);
    return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox;
  }
  bool SortCellChecked(int ACol, int ARow) override { return FGrid.CheckStateForData(ACol, ARow); }
  std::string SortCellStrippedText(int ACol, int ARow) override { return FGrid.StrippedCells(ACol, ARow); }
  int SortCustomCompare(const std::string& S1, const std::string& S2) override {
    int res = 0;
    if (FGrid.OnCustomCompare) FGrid.OnCustomCompare(&FGrid, S1, S2, res);
    return res;
  }
  int SortRawCompare(int ACol, int ARow1, int ARow2) override {
    int res = 0;
    if (FGrid.OnRawCompare) FGrid.OnRawCompare(&FGrid, ACol, ARow1, ARow2, res);
    return res;
  }

private:
  TExtStringGrid& FGrid;
  bool FDisplayed;
};

TSortRequest TExtStringGrid::SortRequest(const std::vector<TSortKeyColumn>& Keys) const {
  TSortRequest r;
  r.Keys = Keys;
  r.AutoFormat = FSortSettings.AutoFormat();
  r.IgnoreCase = FSortSettings.IgnoreCase();
  r.IgnoreBlanks = FSortSettings.IgnoreBlanks();
  r.BlankPos = FSortSettings.BlankPos();
  for (int i = 0; i < FIgnoreColumns.Count(); ++i) r.IgnoredColumns.push_back(FIgnoreColumns.GetInteger(i));
  return r;
}

// The sort column, and with Full every column after it to break ties.
std::vector<TSortKeyColumn> TExtStringGrid::ColumnSortKeys(int ACol) const {
  const bool descending = FSortSettings.Direction() == sdDescending;
  std::vector<TSortKeyColumn> keys{{ACol, descending}};
  if (FSortSettings.Full())
    for (int c = ACol + 1; c < AllColCount(); ++c) keys.push_back({c, descending});
  return keys;
}

std::vector<TSortKeyColumn> TExtStringGrid::IndexSortKeys() const {
  std::vector<TSortKeyColumn> keys;
  const int n = FSortSettings.Full() ? FSortIndexes.Count() : std::min(1, FSortIndexes.Count());
  for (int i = 0; i < n; ++i)
    keys.push_back({FSortIndexes.GetSortColumns(i), !FSortIndexes.GetSortDirections(i)});
  return keys;
}

void TExtStringGrid::InitSortXRef() {
  FSortRowXRef.Clear();
  for (int r = 0; r < RowCount(); ++r) FSortRowXRef.Add(r);
}

void TExtStringGrid::SortRows(const std::vector<TSortKeyColumn>& Keys, int FromRow, int ToRow) {
  if (ToRow <= FromRow) return;
  TGridSortSource source(*this);
  std::vector<int> order = SortRowOrder(source, SortRequest(Keys), FromRow, ToRow);
  ApplyRowOrder(FromRow, order);
}

void TExtStringGrid::sortNormalRows(const std::vector<TSortKeyColumn>& Keys, bool Indexed) {
  if (FSortRowXRef.Count() != RowCount()) InitSortXRef();
  if (Indexed && FSortIndexes.Count() == 0) throw EExtGridError("No indexes specified for indexed sort");
  TGridUpdateLock lock(*this);
  const int topRow = TopRow();
  SortRows(Keys, FixedRows(), RowCount() - FixedFooters() - 1);
  if (FNavigation.KeepScrollOnSort()) SetTopRow(std::min(topRow, RowCount() - 1));
}

void TExtStringGrid::QSort() {
  if (FSortSettings.Column() < 0) return;
  FSortIndexes.Clear();
  sortNormalRows(ColumnSortKeys(FSortSettings.Column()), false);
}

void TExtStringGrid::QSortIndexed() {
  if (FSortRowXRef.Count() != RowCount()) InitSortXRef();
  if (FSortIndexes.Count() == 0) throw EExtGridError("No indexes specified for indexed sort");
  sortNormalRows(IndexSortKeys(), true);
}

void TExtStringGrid::QUnSort() {
  if (FSortRowXRef.Count() != RowCount()) return;
  std::vector<int> order(RowCount());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [this](int a, int b) { return FSortRowXRef.GetInteger(a) < FSortRowXRef.GetInteger(b); });
  TGridUpdateLock lock(*this);
  ApplyRowOrder(0, order);
}

void TExtStringGrid::Sort(int ACol, TSortDirection Direction) {
  FSortSettings.SetColumn(ACol);
  FSortSettings.SetDirection(Direction);
  QSort();
}

void TExtStringGrid::SortByColumn(int ACol) {
  if (RowCount() <= 1) return;
  FSortSettings.SetColumn(ACol);
  QSort();
}

void TExtStringGrid::QuickSort(int ACol, int Left, int Right) { SortRows(ColumnSortKeys(ACol), Left, Right); }

void TExtStringGrid::QuickSortIndexed(int Left, int Right) {
  if (FSortIndexes.Count() == 0) throw EExtGridError("No indexes specified for indexed sort");
  SortRows(IndexSortKeys(), Left, Right);
}

int TExtStringGrid::SortedRowIndex(int ARow) const {
  int r = ARow >= 0 && ARow < FSortRowXRef.Count() ? FSortRowXRef.GetInteger(ARow) : ARow;
  return DisplToRealRow(r);
}

int TExtStringGrid::UnSortedRowIndex(int ARow) const {
  if (FSortRowXRef.Count() == 0) return ARow;
  for (int p = 0; p < FSortRowXRef.Count(); ++p)
    if (FSortRowXRef.GetInteger(p) == ARow) return p;
  return FSortRowXRef.Count();
}

std::string TExtStringGrid::UnSortedCells(int ACol, int ARow) const {
  int r = ARow;
  if (ARow < FSortRowXRef.Count())
    for (int p = 0; p < FSortRowXRef.Count(); ++p)
      if (FSortRowXRef.GetInteger(p) == ARow) {
        r = p;
        break;
      }
  return Cells(ACol, r);
}
