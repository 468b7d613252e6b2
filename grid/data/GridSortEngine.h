#pragma once
// The sort engine of the string grid, independent of the grid: each cell of
// the sort columns is read and classified once into a key, and the rows are
// ordered as a permutation over those keys. The grid then moves its row
// pointers once.
//
// The comparison is a strict weak order whatever the cells hold: where the
// style is decided per cell (automatic detection, alphanumeric), two cells of
// the same kind compare by value and cells of different kinds by kind, so
// that a number, a date and a word never form a cycle. Styles decided by the
// application's own compare events cannot promise that; they are sorted by a
// merge sort that stays in bounds and terminates for any answers.

#include <cstdint>
#include <string>
#include <vector>

#include "grid/data/ExtGridDataTypes.h"
#include "grid/foundation/ExtObj.h"

// What the engine reads of the grid.
class TSortCellSource {
public:
  virtual ~TSortCellSource() = default;
  // The text the sort compares (displayed or stored, as the settings say).
  virtual std::string SortCellText(int ACol, int ARow) = 0;
  // The column's sort style, prefix and suffix (the grid's format hook).
  virtual void SortCellFormat(int ACol, TSortStyle& AStyle, std::string& APrefix, std::string& ASuffix) {
    (void)ACol; (void)AStyle; (void)APrefix; (void)ASuffix;
  }
  virtual bool SortCellIsCheckBox(int ACol, int ARow) { (void)ACol; (void)ARow; return false; }
  virtual bool SortCellChecked(int ACol, int ARow) { (void)ACol; (void)ARow; return false; }
  virtual int SortCellImageKey(int ACol, int ARow) { (void)ACol; (void)ARow; return 0; }
  virtual std::string SortCellStrippedText(int ACol, int ARow) { return SortCellText(ACol, ARow); }
  // ssCustom and ssRaw: the application's answers (0 when it has no handler).
  virtual int SortCustomCompare(const std::string& S1, const std::string& S2) { (void)S1; (void)S2; return 0; }
  virtual int SortRawCompare(int ACol, int ARow1, int ARow2) { (void)ACol; (void)ARow1; (void)ARow2; return 0; }
};

struct TSortKeyColumn {
  int Column = 0;
  bool Descending = false;
};

struct TSortRequest {
  // Primary column first; later ones only break ties.
  std::vector<TSortKeyColumn> Keys;
  bool AutoFormat = true;
  bool IgnoreCase = false;
  bool IgnoreBlanks = false;
  TSortBlankPosition BlankPos = blFirst;
  // Columns that never decide an order.
  std::vector<int> IgnoredColumns;
};

// One cell read for sorting. Kinds of one column rank in this order when a
// column mixes them.
enum class TSortKeyKind : uint8_t { Blank, Check, Number, Date, Time, Text, AnsiText, AnsiTextNoCase, Event };

struct TSortKey {
  TSortKeyKind Kind = TSortKeyKind::Blank;
  bool Empty = false;  // the cell text is empty (for the blank placement)
  double Value = 0;
  std::string Text;
};

// The key of one text under a style; the source supplies what the style
// needs besides the text (check state, image key, stripped text).
TSortKey MakeSortKey(TSortCellSource& Source, int ACol, int ARow, const std::string& Text, TSortStyle Style,
                     const std::string& Prefix, const std::string& Suffix, bool IgnoreCase);
// -1, 0 or 1 in ascending order.
int CompareSortKeys(const TSortKey& A, const TSortKey& B);
// The number of a numeric-style text: prefix and suffix dropped, thousand
// separators dropped when Financial, the locale's decimal separator read.
bool SortTextToNumber(std::string Text, const std::string& Prefix, const std::string& Suffix, bool Financial,
                      double& Value);

// The rows FromRow..ToRow in sorted order: entry p is the row that goes to
// position FromRow + p. Equal rows keep their order.
std::vector<int> SortRowOrder(TSortCellSource& Source, const TSortRequest& Request, int FromRow, int ToRow);

// Rows Row1 and Row2 by the request's keys: -1, 0 or 1, each key's
// direction applied; blanks stay where BlankPos puts them.
int CompareSortRows(TSortCellSource& Source, const TSortRequest& Request, int Row1, int Row2);

// A stable merge sort of Items that stays in bounds and terminates for any
// Less, consistent or not.
void SafeMergeSort(std::vector<int>& Items, const std::function<bool(int, int)>& Less);
