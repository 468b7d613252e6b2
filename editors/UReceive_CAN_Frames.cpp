#include "editors/UReceive_CAN_Frames.h"

#include "base/UComon.h"

TFReceive_CAN_Frames* FReceive_CAN_Frames = nullptr;

TTableLayout Receive_CAN_Layout() {
  return CAN_Frame_Layout("Receive_CAN", &Path_CAN_Define_Receive, {595, 601, 615, 629}, 800,
                          {Column("TimeOut", 613, 64, Col_Green), Column("Mnemonic", 614, 124, Col_White)});
}

TTableCheck Receive_CAN_Check(const TTableCells& Cells) {
  auto rule = [](const TTableCells& c, int r) {
    if (int msg = CAN_Frame_Rule(c, r, 616)) return msg;
    return CAN_Time_Ok(c, crTimeOut, r) ? 0 : 628;
  };
  return Check_Table(Receive_CAN_Layout(), Cells, rule);
}

TFReceive_CAN_Frames::TFReceive_CAN_Frames(TComponent* AOwner)
    : TTableEditorWindow(AOwner, Receive_CAN_Layout(), Receive_CAN_Check, FReceive_CAN_Frames) {}
