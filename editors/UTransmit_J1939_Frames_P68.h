#pragma once
// The Transmit J1939 step: the J1939 frames the converter sends with data
// from the PROFIBUS master, kept in J1939_Transmit.xml.

#include "editors/UTableCheck.h"
#include "editors/UTableData.h"

// Columns of the transmit table (real indexes); txNumByte is hidden.
enum TTransmitCol {
  txNumber, txPriority, txDataPage, txPGN, txSourceAddress, txNumByte, txOnRequest, txDataChange, txOnTimer,
  txOnTimer_Time, txMnemonic
};

const TTableSpec& Transmit_J1939_Spec();
TTableCheck Transmit_J1939_Check(const TTableCells& Cells);
