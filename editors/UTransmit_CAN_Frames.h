#pragma once
// The plain CAN frames a converter transmits, on a data change and/or on a
// timer, kept in CAN_Define_Transmit.xml.

#include "editors/UCAN_Frame_Tables.h"
#include "editors/UTableCheck.h"
#include "editors/UTableEditor.h"

enum TTransmitCANCol { ctDataChange = cfByte8 + 1, ctTime, ctTime_ms, ctMnemonic };

TTableLayout Transmit_CAN_Layout();
TTableCheck Transmit_CAN_Check(const TTableCells& Cells);

class TFTransmit_CAN_Frames : public TTableEditorWindow<TFTransmit_CAN_Frames> {
public:
  explicit TFTransmit_CAN_Frames(TComponent* AOwner);
  std::string ClassName() const override { return "TFTransmit_CAN_Frames"; }
};

extern TFTransmit_CAN_Frames* FTransmit_CAN_Frames;
