#pragma once
// The plain CAN frames a converter receives, with a time-out each, kept in
// CAN_Define_Receive.xml.

#include "editors/UCAN_Frame_Tables.h"
#include "editors/UTableCheck.h"
#include "editors/UTableEditor.h"

enum TReceiveCANCol { crTimeOut = cfByte8 + 1, crMnemonic };

TTableLayout Receive_CAN_Layout();
TTableCheck Receive_CAN_Check(const TTableCells& Cells);

class TFReceive_CAN_Frames : public TTableEditorWindow<TFReceive_CAN_Frames> {
public:
  explicit TFReceive_CAN_Frames(TComponent* AOwner);
  std::string ClassName() const override { return "TFReceive_CAN_Frames"; }
};

extern TFReceive_CAN_Frames* FReceive_CAN_Frames;
