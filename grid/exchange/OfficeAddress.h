#pragma once
// The A1 addresses the grid reads from and writes to a spreadsheet.

#include <optional>
#include <string>

// The cells of a used-range address such as "$B$2:$E$40" (1-based). A half
// without column letters (whole rows) spans columns 1 to 256; an address
// without ":" is one cell, and one without "$" counts as A1. nullopt when a
// row or column cannot be read.
struct TXLSRange {
  int FirstCol = 1, FirstRow = 1, LastCol = 1, LastRow = 1;
  bool SingleCell = true;
};
std::optional<TXLSRange> ParseUsedRange(const std::string& Address);

// "A" + StartRow + ":" + the letters of column Cols + the last row, e.g.
// XLSWriteAddress(1, 30, 10) is "A1:AD10".
std::string XLSWriteAddress(int StartRow, int Cols, int Rows);

// How a dropped file is imported, decided by its extension alone (a name
// such as "report.csv.xls" is a workbook, not both).
enum TDroppedFileKind { dfOther, dfCSV, dfXLS };
TDroppedFileKind DroppedFileKind(const std::string& FileName);
