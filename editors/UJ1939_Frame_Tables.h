#pragma once
// What the Receive J1939 and Transmit J1939 tables have in common: the file
// shape and window of a frame table, the columns that name a parameter group
// and the rules that read them. Each table adds its own columns and rules.

#include <string>
#include <vector>

#include "editors/UTableData.h"

inline constexpr int Max_Long_Message = 1785;  // bytes of a transport-protocol message

// Where a frame table's texts stand in the string table: the six window
// texts (caption, description, OK, Cancel, Delete Row, Insert Row) in a row
// from First_Text on, the row-message prefix, the delete question.
struct TFrame_Table_Texts {
  int First_Text;
  int Row_Prefix;
  int Delete_Question;
};

// A frame table: root "ReceiveNMEA2000" (the transmit file carries the
// receive file's root), 30 rows, client height 337.
TTableLayout J1939_Frame_Layout(TFrame_Table_Texts Texts, int Key_Col, int Client_Width, std::string* Path,
                                std::vector<TTableColumn> Columns);

// Columns that both tables show alike, with the table's header string.
TTableColumn Data_Page_Column(int Header);
TTableColumn Source_Address_Column(int Header);
// A Y/N flag that an older file may lack: it loads as "N".
TTableColumn Optional_Flag_Column(std::string Attribute, int Header, int Width, TColor Color);
// The time that goes with a flag; an older file without it loads "1000".
TTableColumn Flag_Time_Column(std::string Attribute, int Header, int Width, TColor Color);

// The message of the first of a frame's identity cells that is wrong, else
// 0: Priority, DataPage, PGN and SourceAddress stand in columns First_Col
// on and their messages are First_Message on. The PGN is 16 bits here.
int Frame_Identity_Rule(const TTableCells& Cells, int First_Col, int Row, int First_Message);
// The byte range of a transport-protocol message: Start_Message when its
// start byte is outside Min_Start..1785, Sum_Message when its byte count is
// below 1 or the range ends after byte 1785, else 0.
int Long_Message_Rule(const TTableCells& Cells, int Start_Col, int Count_Col, int Row, int Min_Start,
                      int Start_Message, int Sum_Message);

// The message Message when the row's source address is outside 0..239, else 0.
int Source_Address_Rule(const TTableCells& Cells, int Col, int Row, int Message);
// The message Message when the flag in Flag_Col is set and the time in
// Time_Col is outside Low..10000000 ms, else 0.
int Flag_Time_Rule(const TTableCells& Cells, int Flag_Col, int Time_Col, int Row, int Low, int Message);
