#include "editors/UTransmit_CAN_Frames.h"

#include "base/UComon.h"

TFTransmit_CAN_Frames* FTransmit_CAN_Frames = nullptr;

TTableLayout Transmit_CAN_Layout() {
  return CAN_Frame_Layout("Transmit_CAN", &Path_CAN_Define_Transmit, {630, 636, 652, 666}, 913,
                          {Column("DataChange", 648, 80, Col_Green, tcCheck), Column("Time", 649, 35, Col_Green, tcCheck),
                           Column("Time_ms", 650, 64, Col_Green), Column("Mnemonic", 651, 125, Col_White)});
}

TTableCheck Transmit_CAN_Check(const TTableCells& Cells) {
  auto rule = [](const TTableCells& c, int r) {
    if (int msg = CAN_Frame_Rule(c, r, 653)) return msg;
    // Only a ticked box counts: the time of an untimed frame is not looked at.
    if (c.Cell(ctTime, r) == "Y" && !CAN_Time_Ok(c, ctTime_ms, r)) return 665;
    return 0;
  };
  return Check_Table(Transmit_CAN_Layout(), Cells, rule);
}

TFTransmit_CAN_Frames::TFTransmit_CAN_Frames(TComponent* AOwner)
    : TTableEditorWindow(AOwner, Transmit_CAN_Layout(), Transmit_CAN_Check, FTransmit_CAN_Frames) {}
