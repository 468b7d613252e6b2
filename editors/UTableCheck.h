#pragma once
// The row validation every table editor shares: the rows up to the first
// empty key cell are checked in order by the editor's own rule, then no row
// from there on may hold data (it would be lost), and no cell may hold a
// character the file cannot carry.

#include <functional>
#include <string>

#include "editors/UTableData.h"

// Messages that are not string-table entries.
inline constexpr int Msg_Byte_Total = -1;      // the receive table's 244-byte limit
inline constexpr int Msg_Row_Without_Key = -2;  // data in a row whose key is empty
inline constexpr int Msg_Row_After_End = -3;    // data after the row that ends the table
inline constexpr int Msg_Unsavable_Char = -4;   // a character the file cannot carry
// A rule's result code shown alone, in a box without icon: Msg_Bare_Code(2)
// shows "2".
inline constexpr int Msg_Bare_Code_Base = -100;
inline constexpr int Msg_Bare_Code(int Code) { return Msg_Bare_Code_Base - Code; }

struct TTableCheck {
  int Row = 0;      // the failing row (from 1); 0 when every row passes
  int Message = 0;  // string index of the rule, or one of the Msg_ values above
  std::string Text;  // the text of the error box
  bool Bare = false;  // a box without icon (a bare result code)
  bool Passed() const { return Row == 0; }
};

// The editor's rules for one row: 0 when the row passes, else the message
// (a string index, Msg_Byte_Total or a Msg_Bare_Code). It is called for rows
// 1, 2, ... in order, so it may keep a running total. A table that skips
// empty rows has every row with a key checked, and a row holding data
// without a key reported.
using TRowRule = std::function<int(const TTableCells& Cells, int Row)>;

TTableCheck Check_Table(const TTableLayout& Layout, const TTableCells& Cells, const TRowRule& Rule);

// The cell's number, the fallback -1 when the text does not convert.
int Cell_Int(const TTableCells& Cells, int Col, int Row);
inline bool In_Range(int Value, int Low, int High) { return Value >= Low && Value <= High; }
// A J1939 data page is one bit: only "0" and "1" are read back as such.
inline bool Data_Page_Ok(const std::string& Text) { return Text == "0" || Text == "1"; }
