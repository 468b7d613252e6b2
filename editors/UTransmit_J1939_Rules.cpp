#include "editors/UTransmit_J1939_Frames_P68.h"

#include "app/UComon.h"
#include "outputs/UModuleChecks.h"
#include "outputs/USectionFiles.h"

namespace {

TTableSpec Make_Spec() {
  TTableSpec s;
  s.Root = "ReceiveNMEA2000";
  s.Key_Col = txPriority;
  s.Capacity = Max_Frame_Rows;
  s.Client_Width = 784;
  s.Client_Height = 337;
  s.Caption = 548, s.Desc = 549, s.Btn_OK = 550, s.Btn_Cancel = 551, s.Btn_DelRow = 552, s.Btn_InsRow = 553;
  s.Row_Prefix = 564;
  s.Delete_Question = 570;
  s.Path = &Path_J1939_Transmit;
  s.File_Name = "J1939_Transmit.xml";
  s.Columns = {
      Column("", 554, 40, clWindow),
      Column("Priority", 555, 60, Col_Blue),
      Column("DataPage", 556, 65, Col_Blue, tcList, {"0", "1"}),
      Column("PGN", 557, 65, Col_Blue),
      Column("SourceAddress", 558, 95, Col_Blue),
      Column("NumByte", 707, 60, Col_Pink),
      Column("OnRequest", 559, 75, Col_Green, tcCheck),
      Column("DataChange", 560, 80, Col_Green, tcCheck),
      Column("OnTimer", 561, 60, Col_Green, tcCheck),
      Column("OnTimer_Time", 562, 64, Col_Green),
      Column("Mnemonic", 563, 93, Col_White),
  };
  s.Columns[txNumByte].Constant = "8";
  s.Columns[txNumByte].Hidden = true;
  s.Columns[txOnRequest].Default = "N";
  s.Columns[txDataChange].Default = "N";
  s.Columns[txOnTimer].Default = "N";
  s.Columns[txOnTimer_Time].Default = "1000";
  return s;
}

}  // namespace

const TTableSpec& Transmit_J1939_Spec() {
  static const TTableSpec spec = Make_Spec();
  return spec;
}

TTableCheck Transmit_J1939_Check(const TTableCells& Cells) {
  auto rule = [](const TTableCells& c, int r) {
    if (!In_Range(Cell_Int(c, txPriority, r), 0, 7)) return 565;
    if (!Data_Page_Ok(c.Cell(txDataPage, r))) return 566;
    int pgn = Cell_Int(c, txPGN, r);
    if (!In_Range(pgn, 0, 0x1FFFF)) return 567;
    // PGN bit 16 is the data page bit of the identifier: both set cannot be sent.
    if (pgn > 0xFFFF && c.Cell(txDataPage, r) == "1") return 567;
    if (!In_Range(Cell_Int(c, txSourceAddress, r), 0, 239)) return 568;
    if (Flag_Y(c.Cell(txOnTimer, r)) && !In_Range(Cell_Int(c, txOnTimer_Time, r), 1, 10000000)) return 569;
    return 0;
  };
  return Check_Table(Transmit_J1939_Spec(), Cells, rule);
}
