#pragma once
// The string grid's cells: a text and a non-owned object pointer per
// (column, row). Rows are kept as an array of row pointers, each row an
// array of cells by column, so moving, sorting, hiding or removing rows
// moves pointers and never copies cells; an empty row costs one null
// pointer. The store knows nothing of the grid's counts: cells beyond them
// stay and come back when the counts grow.

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

class TObject;

// One row of cells by column. Taken out of the store whole (a hidden row),
// it keeps its cells and objects without a copy until it is put back.
class TCellRow {
public:
  const std::string& Text(int ACol) const;
  void SetText(int ACol, const std::string& Value);
  TObject* Object(int ACol) const;
  void SetObject(int ACol, TObject* Value);
  // Cells up to the last filled one.
  int Count() const { return static_cast<int>(std::max(texts_.size(), objects_.size())); }
  bool Empty() const { return texts_.empty() && objects_.empty(); }
  // Moves a cell to a new column; the ones between shift by one.
  void MoveCell(int FromIndex, int ToIndex);
  // Room for texts up to column Cols - 1, taken at once.
  void Reserve(int Cols) { texts_.reserve(static_cast<size_t>(std::max(Cols, 0))); }

private:
  // Texts and objects apart: most rows hold texts only and pay nothing for
  // objects. Empty entries at the end are dropped.
  void trim();
  std::vector<std::string> texts_;
  std::vector<TObject*> objects_;
};

class TCellStore {
public:
  const std::string& TextRef(int ACol, int ARow) const;
  std::string Text(int ACol, int ARow) const { return TextRef(ACol, ARow); }
  void SetText(int ACol, int ARow, const std::string& Value);
  TObject* Object(int ACol, int ARow) const;
  void SetObject(int ACol, int ARow, TObject* Value);
  // Room for Cols texts in a row about to be filled column by column, so
  // that filling it allocates once; kept for the row until it is made when
  // it does not exist yet.
  void ReserveRow(int ARow, int Cols);

  // Moves a row (column) to a new index; the ones between shift by one.
  void MoveRow(int FromIndex, int ToIndex);
  void MoveColumn(int FromIndex, int ToIndex);
  // Empty rows standing at the given indexes afterwards; removal of rows.
  // Both lists ascending, without repeats; the rows after them shift.
  void InsertRows(const std::vector<int>& NewRows);
  void DeleteRows(const std::vector<int>& Rows);
  // Rows From .. From + Order.size() - 1 are rearranged so that the row at
  // From + i is the one that was at From + Order[i] (a permutation of
  // 0 .. Order.size() - 1).
  void PermuteRows(int From, const std::vector<int>& Order);
  // Takes a row's cells out whole, leaving the row empty (none for an empty
  // row); PutRow stands a taken row at an index, replacing what is there.
  std::unique_ptr<TCellRow> TakeRow(int ARow);
  void PutRow(int ARow, std::unique_ptr<TCellRow> Row);
  void Clear() { rows_.clear(); }
  // Cells holding a text or an object.
  size_t FilledCount() const;

private:
  const TCellRow* row(int ARow) const;
  TCellRow& rowSlot(int ARow);
  // An emptied row goes whole, and so do empty rows at the end.
  void dropIfEmpty(int ARow);
  void trimEnd();

  std::vector<std::unique_ptr<TCellRow>> rows_;
  int reservedRow_ = -1;
  int reservedCols_ = 0;
};
