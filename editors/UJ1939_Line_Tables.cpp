#include "editors/UJ1939_Line_Tables.h"

#include "base/UComon.h"
#include "editors/UJ1939_Frame_Tables.h"
#include "editors/UTableCheck.h"

TTableLayout Line_Receive_Layout(TColor Byte_Color, TColor Cancel_Color) {
  TTableTexts texts;
  texts.Caption = 72, texts.Desc = 73, texts.Btn_OK = 83, texts.Btn_Cancel = 84, texts.Btn_DelRow = 85;
  texts.Row_Prefix = 87, texts.Delete_Question = 86;
  return Table_Layout("ReceiveJ1939", &Path_J1939_Receive, lrPGN, Line_Table_Rows, texts, 774,
                      {
                          Column("", 74, 40, clWindow),
                          Data_Page_Column(75),
                          Column("PGN", 76, 75, Col_Blue),
                          Source_Address_Column(77),
                          Column("TransportProtocol", 78, 115, Col_Yellow, tcCheck),
                          Column("StartByte", 79, 65, Byte_Color),
                          Column("NumBytes", 80, 70, Byte_Color),
                          Column("CancelData", 81, 75, Cancel_Color, tcCheck),
                          Column("Mnemonic", 82, 140, Col_White),
                      });
}

int Line_Receive_Identity_Rule(const TTableCells& Cells, int Row) {
  if (!Data_Page_Ok(Cells.Cell(lrDataPage, Row))) return 88;
  if (!In_Range(Cell_Int(Cells, lrPGN, Row), 0, 0xFFFF)) return 89;
  return Source_Address_Rule(Cells, lrSourceAddress, Row, 90);
}

TTableLayout Line_Transmit_Layout(std::vector<TTableColumn> Columns) {
  TTableTexts texts;
  texts.Caption = 93, texts.Desc = 94, texts.Btn_OK = 103, texts.Btn_Cancel = 104, texts.Btn_DelRow = 105;
  texts.Row_Prefix = 107, texts.Delete_Question = 106;
  return Table_Layout("TransmitJ1939", &Path_J1939_Transmit, 3, Line_Table_Rows, texts, 774, std::move(Columns));
}

int Line_Transmit_Identity_Rule(const TTableCells& Cells, int Row) { return Frame_Identity_Rule(Cells, 1, Row, 108); }
