#pragma once
// The transmit J1939 table of the general product line, kept in
// J1939_Transmit.xml under the root TransmitJ1939: each frame is sent on a
// data change or on a timer.

#include "editors/UJ1939_Line_Tables.h"
#include "editors/UTableCheck.h"
#include "editors/UTableEditor.h"

// Columns of the table (real indexes).
enum TTransmitJ1939Col {
  ttNumber, ttPriority, ttDataPage, ttPGN, ttSourceAddress, ttTransmitionType, ttSendTimer, ttMnemonic
};

TTableLayout TransmitJ1939_Layout();
TTableCheck TransmitJ1939_Check(const TTableCells& Cells);

class TFTransmitJ1939 : public TTableEditorWindow<TFTransmitJ1939> {
public:
  explicit TFTransmitJ1939(TComponent* AOwner);
  std::string ClassName() const override { return "TFTransmitJ1939"; }
};

extern TFTransmitJ1939* FTransmitJ1939;
