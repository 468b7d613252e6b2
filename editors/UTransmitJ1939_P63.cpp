#include "editors/UTransmitJ1939_P63.h"

#include "editors/UJ1939_Frame_Tables.h"
#include "toolkit/rtl/SysUtils.h"

TFTransmit_J1939_P63* FTransmit_J1939_P63 = nullptr;

TTableLayout Transmit_J1939_P63_Layout() {
  return Line_Transmit_Layout({
      Column("", 95, 40, clWindow),
      Column("Priority", 96, 50, Col_Blue),
      Data_Page_Column(97),
      Column("PGN", 98, 65, Col_Blue),
      Source_Address_Column(99),
      Column("NumByte", 329, 65, Col_Yellow),
      Column("Request", 330, 53, Col_Green, tcCheck),
      Column("DataChange", 331, 78, Col_Green, tcCheck),
      Column("OnTimer", 332, 57, Col_Green, tcCheck),
      Column("SendTimer", 333, 70, Col_Green),
      Column("Mnemonic", 102, 110, Col_White),
  });
}

TTableCheck Transmit_J1939_P63_Check(const TTableCells& Cells) {
  auto rule = [](const TTableCells& c, int r) {
    if (int msg = Line_Transmit_Identity_Rule(c, r)) return msg;
    if (!In_Range(Cell_Int(c, tpNumByte, r), 1, Max_Long_Message)) return 328;
    if (UpperCase(c.Cell(tpOnTimer, r)) == "Y" && !In_Range(Cell_Int(c, tpSendTimer, r), 1, 65535)) return 113;
    return 0;
  };
  return Check_Table(Transmit_J1939_P63_Layout(), Cells, rule);
}

TFTransmit_J1939_P63::TFTransmit_J1939_P63(TComponent* AOwner)
    : TTableEditorWindow(AOwner, Transmit_J1939_P63_Layout(), Transmit_J1939_P63_Check, FTransmit_J1939_P63) {}
