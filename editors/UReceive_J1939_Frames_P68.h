#pragma once
// The Receive J1939 step: the J1939 frames the converter takes from the bus
// and passes to the PROFIBUS master, kept in J1939_Receive.xml.

#include "editors/UTableCheck.h"
#include "editors/UTableData.h"

// Columns of the receive table (real indexes).
enum TReceiveCol {
  rcNumber, rcDataPage, rcPGN, rcSourceAddress, rcTransportProtocol, rcStartByte, rcNumBytes,
  rcCancelData, rcOnRequest, rcOnReq_Time, rcMnemonic
};

inline constexpr int Max_Long_Message = 1785;  // bytes of a transport-protocol message

const TTableSpec& Receive_J1939_Spec();
// The rules of every row up to the end of the table, with the byte total.
TTableCheck Receive_J1939_Check(const TTableCells& Cells);
