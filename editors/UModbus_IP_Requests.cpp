#include "editors/UModbus_IP_Requests.h"

#include "base/UComon.h"
#include "editors/UJ1939_Frame_Tables.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

constexpr int Max_Write_Position = 4999;

// The part of Text before its first "." (empty when there is none); Text
// goes on after that "." (unchanged when there is none).
std::string Take_Part(std::string& Text) {
  size_t dot = Text.find('.');
  if (dot == std::string::npos) return "";
  std::string part = Text.substr(0, dot);
  Text.erase(0, dot + 1);
  return part;
}

bool Byte_Part(const std::string& Part) { return In_Range(StrToIntDef(Part, -1), 0, 255); }

struct TIPMessages {
  int IP, Position, StartBit;
};

TIPMessages Messages_Of(const TModbusDirection& D) { return D.Read ? TIPMessages{319, 300, 301} : TIPMessages{322, 274, 275}; }

}  // namespace

int Modbus_IP_Col(const TModbusDirection& Direction, TModbusIPCol Col) {
  return Direction.Read && Col > mwOnChange ? Col - 1 : Col;
}

bool Check_IP_Address(const std::string& IP_Address) {
  if (IP_Address.empty()) return true;
  std::string rest = IP_Address;
  for (int i = 0; i < 3; ++i)
    if (!Byte_Part(Take_Part(rest))) return true;
  return !Byte_Part(rest);
}

TTableLayout Modbus_IP_Layout(const TModbusDirection& D) {
  bool w = !D.Read;
  std::vector<TTableColumn> columns = {
      Column("", w ? 251 : 278, 40, clWindow),
      Column("IP_Address", 324, 105, Col_Blue),
      Column("Port", 325, 45, Col_Blue),
      Column("SlaveID", w ? 252 : 279, w ? 55 : 53, Col_Blue),
      Column("Type", w ? 253 : 280, w ? 100 : 115, Col_Blue, tcList, D.Types),
      Column("Address", w ? 254 : 281, w ? 55 : 53, Col_Blue),
      Column("NPoint", w ? 255 : 282, w ? 45 : 42, Col_Blue),
      Column("PollTime", w ? 256 : 283, w ? 60 : 57, Col_Green),
  };
  if (w) columns.push_back(Column("OnChange", 257, 67, Col_Green, tcCheck));
  for (TTableColumn c : {Column("MaxError", w ? 258 : 284, w ? 62 : 61, Col_Green),
                         Column("Position", w ? 259 : 285, w ? 55 : 51, Col_Pink, tcList, Number_Items(0, Position_Count - 1)),
                         Column("StartBit", w ? 260 : 286, 55, Col_Pink, tcList, Number_Items(0, 7)),
                         Optional_Flag_Column("Swap", w ? 711 : 712, 36, Col_Yellow),
                         Column("Mnemonic", w ? 261 : 287, w ? 80 : 95, Col_White)})
    columns.push_back(c);
  TTableLayout l = Modbus_Layout(D, w ? "ModbusWriteRequest" : "ModbusReadRequest",
                                 w ? &Path_Modbus_Write_Req : &Path_Modbus_Read_Req, mwIP_Address, w ? 884 : 833,
                                 std::move(columns));
  l.Delete_Question = w ? 265 : 291;
  l.Delete_Question_End = w ? 266 : 292;
  return l;
}

TTableCheck Modbus_IP_Check(const TModbusDirection& D, const TTableCells& Cells) {
  auto col = [&D](TModbusIPCol c) { return Modbus_IP_Col(D, c); };
  TModbusCols cols = {mwSlaveID, mwType, mwAddress, mwNPoint, mwPollTime, col(mwMaxError)};
  TIPMessages m = Messages_Of(D);
  int max_position = D.Read ? Position_Count - 1 : Max_Write_Position;
  auto rule = [&](const TTableCells& c, int r) {
    if (Check_IP_Address(c.Cell(mwIP_Address, r))) return m.IP;
    // Port 0 is refused, although the message names it.
    if (!In_Range(Cell_Int(c, mwPort, r), 1, 0xFFFF)) return 323;
    if (int msg = Modbus_Request_Rule(D, cols, c, r)) return msg;
    if (!In_Range(Cell_Int(c, col(mwPosition), r), 0, max_position)) return m.Position;
    if (Modbus_Bit_Type(D, c.Cell(mwType, r)) && c.Cell(col(mwStartBit), r).empty()) return m.StartBit;
    return 0;
  };
  return Check_Table(Modbus_IP_Layout(D), Cells, rule);
}
