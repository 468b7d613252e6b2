#pragma once
// Tables of cell texts for the editor tests: rows given as their data
// columns (column 1 on), everything else empty.

#include <string>
#include <vector>

#include "editors/UTableData.h"

using TRowTexts = std::vector<std::string>;

inline TTableCells Make_Cells(const TTableLayout& Layout, const std::vector<TRowTexts>& Rows) {
  TTableCells cells(Layout);
  for (size_t r = 0; r < Rows.size(); ++r)
    for (size_t c = 0; c < Rows[r].size(); ++c) cells.SetCell(int(c) + 1, int(r) + 1, Rows[r][c]);
  return cells;
}

// The data columns of Row.
inline TRowTexts Row_Texts(const TTableCells& Cells, int Row) {
  TRowTexts r;
  for (int c = 1; c < Cells.Cols(); ++c) r.push_back(Cells.Cell(c, Row));
  return r;
}

// A receive row: data page, PGN, source address, transport protocol, start,
// count, cancel data, on request, time, mnemonic.
inline TRowTexts Rx(std::string PGN = "256", std::string TP = "N", std::string Start = "", std::string Count = "") {
  return {"0", PGN, "1", TP, Start, Count, "N", "N", "1000", "m"};
}
// A transmit row: priority, data page, PGN, source address, (num byte),
// on request, data change, on timer, time, mnemonic.
inline TRowTexts Tx(std::string PGN = "256", std::string DataPage = "0") {
  return {"6", DataPage, PGN, "2", "8", "N", "N", "N", "1000", "t"};
}
