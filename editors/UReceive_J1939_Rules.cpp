#include "editors/UReceive_J1939_Frames_P68.h"

#include "base/UComon.h"
#include "editors/UJ1939_Frame_Tables.h"
#include "outputs/UModuleChecks.h"
#include "outputs/USectionFiles.h"

TTableLayout Receive_J1939_Layout() {
  return J1939_Frame_Layout({522, 539, 547}, rcPGN, 876, &Path_J1939_Receive,
                            {
                                Column("", 528, 40, clWindow),
                                Data_Page_Column(529),
                                Column("PGN", 530, 65, Col_Blue),
                                Source_Address_Column(531),
                                Column("TransportProtocol", 532, 115, Col_Yellow, tcCheck),
                                Column("StartByte", 533, 65, Col_Yellow),
                                Column("NumBytes", 534, 71, Col_Yellow),
                                Column("CancelData", 535, 75, Col_Pink, tcCheck),
                                Optional_Flag_Column("OnRequest", 536, 75, Col_Green),
                                Flag_Time_Column("OnReq_Time", 537, 65, Col_Green),
                                Column("Mnemonic", 538, 119, Col_White),
                            });
}

TTableCheck Receive_J1939_Check(const TTableCells& Cells) {
  int total = 0;
  auto rule = [&total](const TTableCells& c, int r) {
    if (!Data_Page_Ok(c.Cell(rcDataPage, r))) return 540;
    if (!In_Range(Cell_Int(c, rcPGN, r), 0, 0xFFFF)) return 541;
    if (int msg = Source_Address_Rule(c, rcSourceAddress, r, 542)) return msg;
    int bytes = 8;
    // The image reads the flag through the same reader, so both count alike.
    if (Flag_Y(c.Cell(rcTransportProtocol, r))) {
      if (int msg = Long_Message_Rule(c, rcStartByte, rcNumBytes, r, 0, 543, 544)) return msg;
      bytes = Cell_Int(c, rcNumBytes, r);
    }
    total += bytes;
    if (total > Max_Data_Bytes) return Msg_Byte_Total;
    return Flag_Time_Rule(c, rcOnRequest, rcOnReq_Time, r, 2, 546);
  };
  return Check_Table(Receive_J1939_Layout(), Cells, rule);
}
