#pragma once
// The Transmit J1939 step: the J1939 frames the converter sends with data
// from the PROFIBUS master, kept in J1939_Transmit.xml.

#include "editors/UTableCheck.h"
#include "editors/UTableData.h"
#include "editors/UTableEditor.h"

// Columns of the transmit table (real indexes); txNumByte is hidden.
enum TTransmitCol {
  txNumber, txPriority, txDataPage, txPGN, txSourceAddress, txNumByte, txOnRequest, txDataChange, txOnTimer,
  txOnTimer_Time, txMnemonic
};

TTableLayout Transmit_J1939_Layout();
TTableCheck Transmit_J1939_Check(const TTableCells& Cells);

class TFTransmit_J1939_Frame_P68 : public TFTableEditor {
public:
  explicit TFTransmit_J1939_Frame_P68(TComponent* AOwner);
  ~TFTransmit_J1939_Frame_P68() override;
  std::string ClassName() const override { return "TFTransmit_J1939_Frame_P68"; }
};

extern TFTransmit_J1939_Frame_P68* FTransmit_J1939_Frame_P68;
