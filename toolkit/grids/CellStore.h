#pragma once
// The string grid's cells: a text and a non-owned object pointer per
// (column, row). Rows are kept as an array of row pointers, each row an
// array of cells by column, so moving, sorting, hiding or removing rows
// moves pointers and never copies cells; an empty row costs one null
// pointer. The store knows nothing of the grid's counts: cells beyond them
// stay and come back when the counts grow.

#include <memory>
#include <string>
#include <vector>

class TObject;

class TCellStore {
public:
  const std::string& TextRef(int ACol, int ARow) const;
  std::string Text(int ACol, int ARow) const { return TextRef(ACol, ARow); }
  void SetText(int ACol, int ARow, const std::string& Value);
  TObject* Object(int ACol, int ARow) const;
  void SetObject(int ACol, int ARow, TObject* Value);

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
  void Clear() { rows_.clear(); }
  // Cells holding a text or an object.
  size_t FilledCount() const;

private:
  struct Cell {
    std::string Text;
    TObject* Object = nullptr;
    bool Empty() const { return Text.empty() && Object == nullptr; }
  };
  // The cells of one row by column; never longer than its last filled cell.
  using RowCells = std::vector<Cell>;
  const Cell* find(int ACol, int ARow) const;
  Cell& slot(int ACol, int ARow);
  void trim(int ARow);

  std::vector<std::unique_ptr<RowCells>> rows_;
};
