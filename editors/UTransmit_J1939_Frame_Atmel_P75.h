#pragma once
// The transmit J1939 table of variant P75: the frames by their identity
// only, kept in J1939_Transmit.xml under the root COBID with short names.

#include "editors/UTableCheck.h"
#include "editors/UTableEditor.h"

// Columns of the table (real indexes).
enum TTransmitP75Col { t5Number, t5Priority, t5DP, t5PGN, t5ID_DEV, t5Mnemonic };

TTableLayout Transmit_J1939_P75_Layout();
TTableCheck Transmit_J1939_P75_Check(const TTableCells& Cells);

class TFTransmit_J1939_Frame_Atmel_P75 : public TTableEditorWindow<TFTransmit_J1939_Frame_Atmel_P75> {
public:
  explicit TFTransmit_J1939_Frame_Atmel_P75(TComponent* AOwner);
  std::string ClassName() const override { return "TFTransmit_J1939_Frame_Atmel_P75"; }
};

extern TFTransmit_J1939_Frame_Atmel_P75* FTransmit_J1939_Frame_Atmel_P75;
