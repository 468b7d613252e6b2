#pragma once
// What every Modbus request table shares, whatever the product: the write
// and read directions with their object types, point limits and texts, and
// the rules on the slave, the object and the polling of a request.

#include <string>
#include <vector>

#include "editors/UTableData.h"

inline constexpr int Modbus_Table_Rows = 480;

// What differs between the tables of write and of read requests.
struct TModbusDirection {
  bool Read;
  std::vector<std::string> Types;      // the items of the Type column
  std::vector<std::string> Bit_Types;  // those whose points are status bits, upper-case
  int Bit_Points, Register_Points;     // the most points of one request (the protocol's limits)
  int Min_Poll_Time;
  // Slave ID, Type, Address, NPoint, Poll Time and Max Error, from this index on.
  int First_Message;
  // Caption, description, OK, Cancel, Delete Row and the row-message prefix.
  TTableTexts Texts;
};

const TModbusDirection& Modbus_Write();
const TModbusDirection& Modbus_Read();

// The type's points are status bits: the cell, trimmed and upper-cased, names a bit type.
bool Modbus_Bit_Type(const TModbusDirection& Direction, const std::string& Type);
// The most points a request of Type may have.
int Modbus_Points_Limit(const TModbusDirection& Direction, const std::string& Type);

// Where a table keeps a request's slave, object and polling.
struct TModbusCols {
  int SlaveID, Type, Address, NPoint, PollTime, MaxError;
};
// The message of the first of them that is wrong, else 0.
int Modbus_Request_Rule(const TModbusDirection& Direction, const TModbusCols& Cols, const TTableCells& Cells, int Row);

// A request table: rows without a slave are skipped, every other row is
// checked and written.
TTableLayout Modbus_Layout(const TModbusDirection& Direction, const std::string& Root, std::string* Path,
                           int Key_Col, int Client_Width, std::vector<TTableColumn> Columns);
