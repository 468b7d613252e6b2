#include "editors/UReceiveJ1939_P63.h"

#include "editors/UJ1939_Frame_Tables.h"
#include "toolkit/rtl/SysUtils.h"

TFReceive_J1939_P63* FReceive_J1939_P63 = nullptr;

namespace {

constexpr int Frame_Bytes = 8;

// The part of a single frame: empty cells mean all of it (from byte 0, 8 bytes).
int Single_Frame_Rule(const TTableCells& Cells, int Row) {
  int start = StrToIntDef(Cells.Cell(lrStartByte, Row), 0);
  if (!In_Range(start, 0, Frame_Bytes - 1)) return 326;
  int count = StrToIntDef(Cells.Cell(lrNumBytes, Row), Frame_Bytes);
  if (count < 1 || start + count > Frame_Bytes) return 327;
  return 0;
}

}  // namespace

TTableLayout Receive_J1939_P63_Layout() { return Line_Receive_Layout(Col_Green, Col_Pink); }

TTableCheck Receive_J1939_P63_Check(const TTableCells& Cells) {
  auto rule = [](const TTableCells& c, int r) {
    if (int msg = Line_Receive_Identity_Rule(c, r)) return msg;
    // Byte 0 is accepted here, although the message says the range starts at 1.
    if (c.Cell(lrTransportProtocol, r) == "Y") return Long_Message_Rule(c, lrStartByte, lrNumBytes, r, 0, 91, 92);
    return Single_Frame_Rule(c, r);
  };
  return Check_Table(Receive_J1939_P63_Layout(), Cells, rule);
}

TFReceive_J1939_P63::TFReceive_J1939_P63(TComponent* AOwner)
    : TTableEditorWindow(AOwner, Receive_J1939_P63_Layout(), Receive_J1939_P63_Check, FReceive_J1939_P63) {}
