#pragma once
// The Modbus request tables of the converters that act as a Modbus TCP
// client: each request names its slave by IP address and port, and where its
// data sits in the converter's data area. The write and read tables are
// twins; the write table has the On Change column.

#include <string>

#include "editors/UModbus_Request_Tables.h"
#include "editors/UTableCheck.h"

// Columns of the write table (real indexes); the read table has no
// mwOnChange, so its later columns stand one to the left.
enum TModbusIPCol {
  mwNumber, mwIP_Address, mwPort, mwSlaveID, mwType, mwAddress, mwNPoint, mwPollTime, mwOnChange, mwMaxError,
  mwPosition, mwStartBit, mwSwap, mwMnemonic
};
// The real index of a column in the table of Direction.
int Modbus_IP_Col(const TModbusDirection& Direction, TModbusIPCol Col);

// True when Text is not a dotted IPv4 address: four parts of 0 to 255, each
// as the number conversion reads it (leading blanks and a hexadecimal prefix
// are accepted, as the devices' own parser does).
bool Check_IP_Address(const std::string& IP_Address);

TTableLayout Modbus_IP_Layout(const TModbusDirection& Direction);
TTableCheck Modbus_IP_Check(const TModbusDirection& Direction, const TTableCells& Cells);
