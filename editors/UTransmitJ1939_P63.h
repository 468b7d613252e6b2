#pragma once
// The transmit J1939 table of variant P63: each frame has its own data
// length and is sent on request, on a data change and/or on a timer.

#include "editors/UJ1939_Line_Tables.h"
#include "editors/UTableCheck.h"
#include "editors/UTableEditor.h"

// Columns of the table (real indexes).
enum TTransmitP63Col {
  tpNumber, tpPriority, tpDataPage, tpPGN, tpSourceAddress, tpNumByte, tpRequest, tpDataChange, tpOnTimer,
  tpSendTimer, tpMnemonic
};

TTableLayout Transmit_J1939_P63_Layout();
TTableCheck Transmit_J1939_P63_Check(const TTableCells& Cells);

class TFTransmit_J1939_P63 : public TTableEditorWindow<TFTransmit_J1939_P63> {
public:
  explicit TFTransmit_J1939_P63(TComponent* AOwner);
  std::string ClassName() const override { return "TFTransmit_J1939_P63"; }
};

extern TFTransmit_J1939_P63* FTransmit_J1939_P63;
