#include "editors/UTransmit_J1939_Frames_P68.h"

#include "base/UComon.h"
#include "editors/UJ1939_Frame_Tables.h"

TTableLayout Transmit_J1939_Layout() {
  TTableLayout l = J1939_Frame_Layout({548, 564, 570}, txPriority, 784, &Path_J1939_Transmit,
                                      {
                                          Column("", 554, 40, clWindow),
                                          Column("Priority", 555, 60, Col_Blue),
                                          Data_Page_Column(556),
                                          Column("PGN", 557, 65, Col_Blue),
                                          Source_Address_Column(558),
                                          Column("NumByte", 707, 60, Col_Pink),
                                          Optional_Flag_Column("OnRequest", 559, 75, Col_Green),
                                          Optional_Flag_Column("DataChange", 560, 80, Col_Green),
                                          Optional_Flag_Column("OnTimer", 561, 60, Col_Green),
                                          Flag_Time_Column("OnTimer_Time", 562, 64, Col_Green),
                                          Column("Mnemonic", 563, 93, Col_White),
                                      });
  // Every transmitted frame carries 8 bytes: the file says so whatever the cell holds.
  l.Columns[txNumByte].Constant = std::string("8");
  l.Columns[txNumByte].Hidden = true;
  return l;
}

TTableCheck Transmit_J1939_Check(const TTableCells& Cells) {
  auto rule = [](const TTableCells& c, int r) {
    if (!In_Range(Cell_Int(c, txPriority, r), 0, 7)) return 565;
    if (!Data_Page_Ok(c.Cell(txDataPage, r))) return 566;
    int pgn = Cell_Int(c, txPGN, r);
    if (!In_Range(pgn, 0, 0x1FFFF)) return 567;
    // PGN bit 16 is the data page bit of the identifier: both set cannot be sent.
    if (pgn > 0xFFFF && c.Cell(txDataPage, r) == "1") return 567;
    if (int msg = Source_Address_Rule(c, txSourceAddress, r, 568)) return msg;
    return Flag_Time_Rule(c, txOnTimer, txOnTimer_Time, r, 1, 569);
  };
  return Check_Table(Transmit_J1939_Layout(), Cells, rule);
}
