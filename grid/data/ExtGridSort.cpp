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
  FSortDir = FSortSettings.Direction() == sdDescending ? -1 : 1;
  if (ToRow <= FromRow || Keys.empty()) return;
  TGridSortSource source(*this);
  std::vector<int> order = SortRowOrder(source, SortRequest(Keys), FromRow, ToRow);
  applySortOrder(FromRow, order, Keys.front().Column);
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
  const int oldRow = Row();
  sortNormalRows(ColumnSortKeys(FSortSettings.Column()), false);
  // Without MoveRowOnSort the cursor keeps its place while another row moves under it.
  if (OnRowChanged && !FNavigation.MoveRowOnSort()) OnRowChanged(this, oldRow, Row());
}

void TExtStringGrid::QSortGroup() { GroupSort(false); }

void TExtStringGrid::QSortGroupIndexed() { GroupSort(true); }

// Only the deepest nodes' rows are sorted: a node holding nodes keeps its
// own rows and its child nodes where they are, so no row changes its group.
void TExtStringGrid::GroupSort(bool Indexed) {
  if (!Indexed && FSortSettings.Column() < 0) return;
  if (FSortRowXRef.Count() != RowCount()) InitSortXRef();
  if (Indexed && FSortIndexes.Count() == 0) throw EExtGridError("No indexes specified for indexed sort");
  const std::vector<TSortKeyColumn> keys = Indexed ? IndexSortKeys() : ColumnSortKeys(FSortSettings.Column());
  const int last = RowCount() - FixedFooters() - 1;
  int deepest = -1;
  for (int r = FixedRows(); r <= last; ++r)
    if (IsNode(r)) deepest = std::max(deepest, GetNodeLevel(r));
  if (deepest < 0) return;
  TGridUpdateLock lock(*this);
  for (int r = FixedRows(); r <= last; ++r) {
    if (!IsNode(r) || GetNodeLevel(r) != deepest || GetNodeState(r)) continue;
    const int span = GetNodeSpan(r);
    if (span > 2) SortRows(keys, r + 1, std::min(r + span - 1, last));
  }
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
  applySortOrder(0, order, FSortSettings.Column());
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

int TExtStringGrid::unSortedPosition(int ARow) const {
  for (int p = 0; p < FSortRowXRef.Count(); ++p)
    if (FSortRowXRef.GetInteger(p) == ARow) return p;
  return FSortRowXRef.Count();
}

int TExtStringGrid::UnSortedRowIndex(int ARow) const {
  return FSortRowXRef.Count() == 0 ? ARow : unSortedPosition(ARow);
}

std::string TExtStringGrid::UnSortedCells(int ACol, int ARow) const {
  return Cells(ACol, ARow < FSortRowXRef.Count() ? unSortedPosition(ARow) : ARow);
}

void TExtStringGrid::SetUnSortedCells(int ACol, int ARow, const std::string& Value) {
  SetCells(ACol, ARow < FSortRowXRef.Count() ? unSortedPosition(ARow) : ARow, Value);
}

int TExtStringGrid::CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction) {
  // The engine turns a descending key's result round except for blanks;
  // turned back, only the blanks keep the direction's placement.
  const bool descending = Direction == sdDescending;
  TGridSortSource source(*this);
  const int res = CompareSortRows(source, SortRequest({{ACol, descending}}), ARow1, ARow2);
  return descending ? -res : res;
}

bool TExtStringGrid::SortLine(int ACol, int ARow1, int ARow2) {
  for (int c = ACol; c < AllColCount(); ++c) {
    const int res = CompareCells(c, ARow1, ARow2, FSortSettings.Direction());
    if (res == FSortDir && res != 0) {
      SortSwapRows(ARow1, ARow2);
      return true;
    }
    if (res != 0) return false;
  }
  return false;
}
