#pragma once
// The J1939 tables of the general product line and of variant P63: 250
// frames, no Insert Row, the roots ReceiveJ1939 and TransmitJ1939 and the
// same window texts. Each editor adds its own columns and rules.

#include <vector>

#include "editors/UTableData.h"

// Columns of the line's receive tables (real indexes).
enum TLineReceiveCol {
  lrNumber, lrDataPage, lrPGN, lrSourceAddress, lrTransportProtocol, lrStartByte, lrNumBytes, lrCancelData, lrMnemonic
};

inline constexpr int Line_Table_Rows = 250;

// The receive table, with the colours of its two byte columns and of Cancel Data.
TTableLayout Line_Receive_Layout(TColor Byte_Color, TColor Cancel_Color);
// Data page, PGN and source address of a received frame: the message of the
// first that is wrong, else 0.
int Line_Receive_Identity_Rule(const TTableCells& Cells, int Row);
// The transmit table with the editor's columns (the PGN, column 3, is the key).
TTableLayout Line_Transmit_Layout(std::vector<TTableColumn> Columns);
// The identity of a transmitted frame, columns 1 to 4: message or 0.
int Line_Transmit_Identity_Rule(const TTableCells& Cells, int Row);
