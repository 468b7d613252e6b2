#pragma once
// The Receive J1939 step: the J1939 frames the converter takes from the bus
// and passes to the PROFIBUS master, kept in J1939_Receive.xml.

#include "editors/UTableCheck.h"
#include "editors/UTableData.h"
#include "editors/UTableEditor.h"

// Columns of the receive table (real indexes).
enum TReceiveCol {
  rcNumber, rcDataPage, rcPGN, rcSourceAddress, rcTransportProtocol, rcStartByte, rcNumBytes,
  rcCancelData, rcOnRequest, rcOnReq_Time, rcMnemonic
};

TTableLayout Receive_J1939_Layout();
// The rules of every row up to the end of the table, with the byte total.
TTableCheck Receive_J1939_Check(const TTableCells& Cells);

class TFReceive_J1939_Frame_P68 : public TFTableEditor {
public:
  explicit TFReceive_J1939_Frame_P68(TComponent* AOwner);
  ~TFReceive_J1939_Frame_P68() override;
  std::string ClassName() const override { return "TFReceive_J1939_Frame_P68"; }
};

extern TFReceive_J1939_Frame_P68* FReceive_J1939_Frame_P68;
