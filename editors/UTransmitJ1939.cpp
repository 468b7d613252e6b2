#include "editors/UTransmitJ1939.h"

#include "editors/UJ1939_Frame_Tables.h"
#include "toolkit/rtl/SysUtils.h"

TFTransmitJ1939* FTransmitJ1939 = nullptr;

TTableLayout TransmitJ1939_Layout() {
  // The two ways of sending are fixed English texts, the same in every language.
  return Line_Transmit_Layout({
      Column("", 95, 40, clWindow),
      Column("Priority", 96, 65, Col_Blue),
      Data_Page_Column(97),
      Column("PGN", 98, 75, Col_Blue),
      Source_Address_Column(99),
      Column("TransmitionType", 100, 110, Col_Yellow, tcList, {"On Data Change", "On Timer"}),
      Column("SendTimer", 101, 75, Col_Yellow),
      Column("Mnemonic", 102, 220, Col_White),
  });
}

TTableCheck TransmitJ1939_Check(const TTableCells& Cells) {
  auto rule = [](const TTableCells& c, int r) {
    if (int msg = Line_Transmit_Identity_Rule(c, r)) return msg;
    std::string type = UpperCase(Trim(c.Cell(ttTransmitionType, r)));
    if (type != "ON DATA CHANGE" && type != "ON TIMER") return 112;
    if (type == "ON TIMER" && !In_Range(Cell_Int(c, ttSendTimer, r), 1, 65535)) return 113;
    return 0;
  };
  return Check_Table(TransmitJ1939_Layout(), Cells, rule);
}

TFTransmitJ1939::TFTransmitJ1939(TComponent* AOwner)
    : TTableEditorWindow(AOwner, TransmitJ1939_Layout(), TransmitJ1939_Check, FTransmitJ1939) {}
