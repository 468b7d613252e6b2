#include "editors/UCAN_Frame_Tables.h"

#include "base/UComon.h"
#include "editors/UTableCheck.h"
#include "toolkit/rtl/SysUtils.h"

namespace {
constexpr int Max_11_Bit_Id = 0x7FF;
constexpr int Max_29_Bit_Id = 0x1FFFFFFF;
constexpr int Max_Time_Ms = 100000000;
}  // namespace

TTableLayout CAN_Frame_Layout(const std::string& Root, std::string* Path, TCAN_Table_Texts Texts, int Client_Width,
                              std::vector<TTableColumn> Timing) {
  int h = Texts.First_Header;
  std::vector<TTableColumn> columns = {
      Column("", h, 40, clWindow),
      Column("Cob-ID", h + 1, 75, Col_Blue),
      Column("Type", h + 2, 85, Col_Blue, tcList, {CAN_Type_11_Bits, "2.0B (29bits)"}),
      Column("Dimension", h + 3, 65, Col_Blue),
  };
  for (int k = 1; k <= 8; ++k) columns.push_back(Column("Byte" + IntToStr(k), h + 3 + k, 40, Col_Yellow));
  for (TTableColumn& c : Timing) columns.push_back(std::move(c));
  int t = Texts.First_Text;
  TTableTexts texts;
  texts.Caption = t, texts.Desc = t + 1, texts.Btn_OK = t + 2, texts.Btn_Cancel = t + 3, texts.Btn_DelRow = t + 4;
  texts.Btn_InsRow = t + 5, texts.Row_Prefix = Texts.Row_Prefix, texts.Delete_Question = Texts.Delete_Question;
  TTableLayout l = Table_Layout(Root, Path, cfCobID, CAN_Table_Rows, texts, Client_Width, std::move(columns));
  l.Relabel = false;
  return l;
}

int CAN_Frame_Rule(const TTableCells& Cells, int Row, int First_Message) {
  std::string type = Trim(Cells.Cell(cfType, Row));
  if (type.empty()) return First_Message;
  // Any type but the 11-bit one (possible only from a file) counts as 29 bits.
  if (type == CAN_Type_11_Bits) {
    if (!In_Range(Cell_Int(Cells, cfCobID, Row), 0, Max_11_Bit_Id)) return First_Message + 1;
  } else if (!In_Range(Cell_Int(Cells, cfCobID, Row), 0, Max_29_Bit_Id)) {
    return First_Message + 2;
  }
  int length = Cell_Int(Cells, cfDimension, Row);
  if (!In_Range(length, 1, 8)) return First_Message + 3;
  for (int k = 1; k <= length; ++k)
    if (!In_Range(Cell_Int(Cells, cfByte1 + k - 1, Row), 0, Position_Count - 1)) return First_Message + 3 + k;
  return 0;
}

bool CAN_Time_Ok(const TTableCells& Cells, int Col, int Row) { return In_Range(Cell_Int(Cells, Col, Row), 0, Max_Time_Ms); }
