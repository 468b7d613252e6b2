#include "editors/UReceiveJ1939.h"

#include "editors/UJ1939_Frame_Tables.h"

TFReceiveJ1939* FReceiveJ1939 = nullptr;

TTableLayout ReceiveJ1939_Layout() { return Line_Receive_Layout(Col_Yellow, Col_Green); }

TTableCheck ReceiveJ1939_Check(const TTableCells& Cells) {
  auto rule = [](const TTableCells& c, int r) {
    if (int msg = Line_Receive_Identity_Rule(c, r)) return msg;
    // This line's devices number the bytes of a long message from 1.
    if (c.Cell(lrTransportProtocol, r) == "Y") return Long_Message_Rule(c, lrStartByte, lrNumBytes, r, 1, 91, 92);
    return 0;
  };
  return Check_Table(ReceiveJ1939_Layout(), Cells, rule);
}

TFReceiveJ1939::TFReceiveJ1939(TComponent* AOwner)
    : TTableEditorWindow(AOwner, ReceiveJ1939_Layout(), ReceiveJ1939_Check, FReceiveJ1939) {}
