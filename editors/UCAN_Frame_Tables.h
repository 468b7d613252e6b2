#pragma once
// What the receive and transmit tables of plain CAN frames share: the
// identifier, its kind, the length and the positions of the eight data
// bytes, with their rules. Each table adds its timing columns.

#include <string>
#include <vector>

#include "editors/UTableData.h"

// The shared columns (real indexes); the timing columns follow cfByte8.
enum TCANFrameCol { cfNumber, cfCobID, cfType, cfDimension, cfByte1, cfByte8 = cfByte1 + 7 };

inline const std::string CAN_Type_11_Bits = "2.0A (11bits)";
inline constexpr int CAN_Table_Rows = 250;

// Where a table's texts stand: the six window texts from First_Text on, the
// headers of the shared columns from First_Header on, the row-message prefix
// (followed by the messages of the rules) and the delete question.
struct TCAN_Table_Texts {
  int First_Text, First_Header, Row_Prefix, Delete_Question;
};

// The table of Root in *Path with the shared columns and then Timing. Its
// texts stay those of start-up when the language changes.
TTableLayout CAN_Frame_Layout(const std::string& Root, std::string* Path, TCAN_Table_Texts Texts, int Client_Width,
                              std::vector<TTableColumn> Timing);

// Type, identifier, length and the used bytes of a frame: the message of the
// first that is wrong (counted from First_Message: type, 11-bit identifier,
// 29-bit identifier, length, Byte1 ... Byte8), else 0.
int CAN_Frame_Rule(const TTableCells& Cells, int Row, int First_Message);
// A time in milliseconds, 0 to 100000000.
bool CAN_Time_Ok(const TTableCells& Cells, int Col, int Row);
