#include "editors/UJ1939_Frame_Tables.h"

#include "editors/UTableCheck.h"
#include "outputs/UModuleChecks.h"
#include "outputs/USectionFiles.h"

namespace {
constexpr int Max_Time_Ms = 10000000;
constexpr int Max_Source_Address = 239;  // 240..253 are reserved, 254 null, 255 global
}  // namespace

TTableLayout J1939_Frame_Layout(TFrame_Table_Texts Texts, int Key_Col, int Client_Width, std::string* Path,
                                std::vector<TTableColumn> Columns) {
  TTableLayout l;
  l.Root = "ReceiveNMEA2000";
  l.Key_Col = Key_Col;
  l.Capacity = Max_Frame_Rows;
  l.Client_Width = Client_Width;
  l.Client_Height = 337;
  int t = Texts.First_Text;
  l.Caption = t, l.Desc = t + 1, l.Btn_OK = t + 2, l.Btn_Cancel = t + 3, l.Btn_DelRow = t + 4, l.Btn_InsRow = t + 5;
  l.Row_Prefix = Texts.Row_Prefix;
  l.Delete_Question = Texts.Delete_Question;
  l.Path = Path;
  l.Columns = std::move(Columns);
  return l;
}

TTableColumn Data_Page_Column(int Header) { return Column("DataPage", Header, 65, Col_Blue, tcList, {"0", "1"}); }

TTableColumn Source_Address_Column(int Header) { return Column("SourceAddress", Header, 95, Col_Blue); }

TTableColumn Optional_Flag_Column(std::string Attribute, int Header, int Width, TColor Color) {
  TTableColumn c = Column(std::move(Attribute), Header, Width, Color, tcCheck);
  c.Default.emplace(1, 'N');
  return c;
}

TTableColumn Flag_Time_Column(std::string Attribute, int Header, int Width, TColor Color) {
  TTableColumn c = Column(std::move(Attribute), Header, Width, Color);
  c.Default = "1000";
  return c;
}

int Source_Address_Rule(const TTableCells& Cells, int Col, int Row, int Message) {
  return In_Range(Cell_Int(Cells, Col, Row), 0, Max_Source_Address) ? 0 : Message;
}

int Flag_Time_Rule(const TTableCells& Cells, int Flag_Col, int Time_Col, int Row, int Low, int Message) {
  // The image reads the flag through the same reader, so both agree on what is set.
  if (!Flag_Y(Cells.Cell(Flag_Col, Row))) return 0;
  return In_Range(Cell_Int(Cells, Time_Col, Row), Low, Max_Time_Ms) ? 0 : Message;
}

int Frame_Identity_Rule(const TTableCells& Cells, int First_Col, int Row, int First_Message) {
  if (!In_Range(Cell_Int(Cells, First_Col, Row), 0, 7)) return First_Message;
  if (!Data_Page_Ok(Cells.Cell(First_Col + 1, Row))) return First_Message + 1;
  if (!In_Range(Cell_Int(Cells, First_Col + 2, Row), 0, 0xFFFF)) return First_Message + 2;
  return Source_Address_Rule(Cells, First_Col + 3, Row, First_Message + 3);
}

int Long_Message_Rule(const TTableCells& Cells, int Start_Col, int Count_Col, int Row, int Min_Start,
                      int Start_Message, int Sum_Message) {
  int start = Cell_Int(Cells, Start_Col, Row);
  if (!In_Range(start, Min_Start, Max_Long_Message)) return Start_Message;
  int count = Cell_Int(Cells, Count_Col, Row);
  if (count < 1 || start + count > Max_Long_Message) return Sum_Message;
  return 0;
}
