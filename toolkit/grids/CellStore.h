#pragma once
// The string grid's cells: a text and a non-owned object pointer per
// (column, row), kept sparsely so that a grid of a million rows costs memory
// only for the cells that hold something. The store knows nothing of the
// grid's counts: cells beyond them stay and come back when the counts grow.

#include <map>
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
  void Clear() { rows_.clear(); }
  // Cells holding a text or an object.
  size_t FilledCount() const;

private:
  struct Cell {
    std::string Text;
    TObject* Object = nullptr;
    bool Empty() const { return Text.empty() && Object == nullptr; }
  };
  using RowCells = std::map<int, Cell>;
  const Cell* find(int ACol, int ARow) const;
  Cell& slot(int ACol, int ARow);
  void dropIfEmpty(int ACol, int ARow);
  // The new index of Index when FromIndex moves to ToIndex.
  static int movedIndex(int Index, int FromIndex, int ToIndex);

  std::map<int, RowCells> rows_;
};
