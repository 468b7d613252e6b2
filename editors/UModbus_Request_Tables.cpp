#include "editors/UModbus_Request_Tables.h"

#include <algorithm>

#include "editors/UTableCheck.h"
#include "toolkit/rtl/SysUtils.h"

namespace {
constexpr int Max_Slave_ID = 247;  // 248..255 are reserved
constexpr int Max_Count = 100000000;
}  // namespace

const TModbusDirection& Modbus_Write() {
  static const TModbusDirection d = {false, {"Coil Status", "Holding Register"}, {"COIL STATUS"}, 1968, 123, 0, 268,
                                     [] {
                                       TTableTexts t;
                                       t.Caption = 249, t.Desc = 250, t.Btn_OK = 262, t.Btn_Cancel = 263;
                                       t.Btn_DelRow = 264, t.Row_Prefix = 267;
                                       return t;
                                     }()};
  return d;
}

const TModbusDirection& Modbus_Read() {
  static const TModbusDirection d = {true,
                                     {"Coil Status", "Input Status", "Holding Register", "Input Register"},
                                     {"COIL STATUS", "INPUT STATUS"},
                                     2000,
                                     125,
                                     1,
                                     294,
                                     [] {
                                       TTableTexts t;
                                       t.Caption = 276, t.Desc = 277, t.Btn_OK = 288, t.Btn_Cancel = 289;
                                       t.Btn_DelRow = 290, t.Row_Prefix = 293;
                                       return t;
                                     }()};
  return d;
}

bool Modbus_Bit_Type(const TModbusDirection& Direction, const std::string& Type) {
  std::string t = UpperCase(Trim(Type));
  return std::find(Direction.Bit_Types.begin(), Direction.Bit_Types.end(), t) != Direction.Bit_Types.end();
}

int Modbus_Points_Limit(const TModbusDirection& Direction, const std::string& Type) {
  return Modbus_Bit_Type(Direction, Type) ? Direction.Bit_Points : Direction.Register_Points;
}

int Modbus_Request_Rule(const TModbusDirection& Direction, const TModbusCols& Cols, const TTableCells& Cells, int Row) {
  int m = Direction.First_Message;
  if (!In_Range(Cell_Int(Cells, Cols.SlaveID, Row), 1, Max_Slave_ID)) return m;
  const std::string& type = Cells.Cell(Cols.Type, Row);
  if (type.empty()) return m + 1;
  if (!In_Range(Cell_Int(Cells, Cols.Address, Row), 0, 0xFFFF)) return m + 2;
  if (!In_Range(Cell_Int(Cells, Cols.NPoint, Row), 1, Modbus_Points_Limit(Direction, type))) return m + 3;
  if (!In_Range(Cell_Int(Cells, Cols.PollTime, Row), Direction.Min_Poll_Time, Max_Count)) return m + 4;
  if (!In_Range(Cell_Int(Cells, Cols.MaxError, Row), 0, Max_Count)) return m + 5;
  return 0;
}

TTableLayout Modbus_Layout(const TModbusDirection& Direction, const std::string& Root, std::string* Path,
                           int Key_Col, int Client_Width, std::vector<TTableColumn> Columns) {
  TTableLayout l = Table_Layout(Root, Path, Key_Col, Modbus_Table_Rows, Direction.Texts, Client_Width, std::move(Columns));
  l.Skip_Empty_Rows = true;
  return l;
}
