#include "editors/UReceive_J1939_Frames_P68.h"

#include "app/UComon.h"
#include "outputs/UModuleChecks.h"
#include "outputs/USectionFiles.h"

namespace {

TTableSpec Make_Spec() {
  TTableSpec s;
  s.Root = "ReceiveNMEA2000";
  s.Key_Col = rcPGN;
  s.Capacity = Max_Frame_Rows;
  s.Client_Width = 876;
  s.Client_Height = 337;
  s.Caption = 522, s.Desc = 523, s.Btn_OK = 524, s.Btn_Cancel = 525, s.Btn_DelRow = 526, s.Btn_InsRow = 527;
  s.Row_Prefix = 539;
  s.Delete_Question = 547;
  s.Path = &Path_J1939_Receive;
  s.File_Name = "J1939_Receive.xml";
  s.Columns = {
      Column("", 528, 40, clWindow),
      Column("DataPage", 529, 65, Col_Blue, tcList, {"0", "1"}),
      Column("PGN", 530, 65, Col_Blue),
      Column("SourceAddress", 531, 95, Col_Blue),
      Column("TransportProtocol", 532, 115, Col_Yellow, tcCheck),
      Column("StartByte", 533, 65, Col_Yellow),
      Column("NumBytes", 534, 71, Col_Yellow),
      Column("CancelData", 535, 75, Col_Pink, tcCheck),
      Column("OnRequest", 536, 75, Col_Green, tcCheck),
      Column("OnReq_Time", 537, 65, Col_Green),
      Column("Mnemonic", 538, 119, Col_White),
  };
  s.Columns[rcOnRequest].Default = "N";
  s.Columns[rcOnReq_Time].Default = "1000";
  return s;
}

// The bytes of a transport-protocol frame; 0 with Message set when they are out of range.
int Long_Message_Bytes(const TTableCells& Cells, int Row, int& Message) {
  int start = Cell_Int(Cells, rcStartByte, Row);
  if (!In_Range(start, 0, Max_Long_Message)) return Message = 543, 0;
  int count = Cell_Int(Cells, rcNumBytes, Row);
  if (count < 1 || start + count > Max_Long_Message) return Message = 544, 0;
  return count;
}

}  // namespace

const TTableSpec& Receive_J1939_Spec() {
  static const TTableSpec spec = Make_Spec();
  return spec;
}

TTableCheck Receive_J1939_Check(const TTableCells& Cells) {
  int total = 0;
  auto rule = [&total](const TTableCells& c, int r) {
    if (!Data_Page_Ok(c.Cell(rcDataPage, r))) return 540;
    if (!In_Range(Cell_Int(c, rcPGN, r), 0, 0xFFFF)) return 541;
    if (!In_Range(Cell_Int(c, rcSourceAddress, r), 0, 239)) return 542;
    int bytes = 8;
    // The image reads the flag through the same reader, so both count alike.
    if (Flag_Y(c.Cell(rcTransportProtocol, r))) {
      int msg = 0;
      bytes = Long_Message_Bytes(c, r, msg);
      if (msg) return msg;
    }
    total += bytes;
    if (total > Max_Data_Bytes) return Msg_Byte_Total;
    if (Flag_Y(c.Cell(rcOnRequest, r)) && !In_Range(Cell_Int(c, rcOnReq_Time, r), 2, 10000000)) return 546;
    return 0;
  };
  return Check_Table(Receive_J1939_Spec(), Cells, rule);
}
