#include "editors/UModbus_P61_Requests.h"

#include "base/UComon.h"
#include "base/ULanguage.h"
#include "editors/UConf_Regs_P61.h"
#include "editors/URegs_Status_Map.h"
#include "toolkit/forms/Dialogs.h"
#include "toolkit/rtl/SysUtils.h"

TFModbusWriteReq_P61* FModbusWriteReq_P61 = nullptr;
TFModbusReadReq_P61* FModbusReadReq_P61 = nullptr;

namespace {

TModbusCols Request_Cols(const TModbusDirection& D) {
  return {pwSlaveID, pwType, pwAddress, pwNPoint, pwPollTime, Modbus_P61_Col(D, pwMaxError)};
}

}  // namespace

int Modbus_P61_Col(const TModbusDirection& Direction, TModbusP61Col Col) {
  return Direction.Read && Col > pwOnChange ? Col - 1 : Col;
}

TTableLayout Modbus_P61_Layout(const TModbusDirection& D) {
  bool w = !D.Read;
  std::vector<TTableColumn> columns = {
      Column("", w ? 251 : 278, 40, clWindow),
      Column("SlaveID", w ? 252 : 279, w ? 55 : 60, Col_Blue),
      Column("Type", w ? 253 : 280, w ? 100 : 115, Col_Blue, tcList, D.Types),
      Column("Address", w ? 254 : 281, 55, Col_Blue),
      Column("NPoint", w ? 255 : 282, w ? 45 : 55, Col_Blue),
      Column("PollTime", w ? 256 : 283, w ? 58 : 60, Col_Green),
  };
  if (w) columns.push_back(Column("OnChange", 257, 66, Col_Green, tcCheck));
  columns.push_back(Column("MaxError", w ? 258 : 284, w ? 62 : 60, Col_Green));
  TTableColumn map = Column("Regs_Status_Map", w ? 709 : 710, 200, Col_Pink);
  map.Default = "";
  columns.push_back(map);
  columns.push_back(Column("Mnemonic", w ? 261 : 287, w ? 120 : 121, Col_White));
  // Both files carry the write table's root; no reader checks it.
  TTableLayout l = Modbus_Layout(D, "ModbusWriteRequest", w ? &Path_Modbus_Write_Req : &Path_Modbus_Read_Req,
                                 pwSlaveID, w ? 825 : 750, std::move(columns));
  l.Btn_InsRow = w ? 378 : 377;
  l.Has_Insert = true;
  l.Delete_Question = 291;
  l.Delete_Question_End = 292;
  return l;
}

TTableCheck Modbus_P61_Check(const TModbusDirection& D, const TTableCells& Cells) {
  int map_col = Modbus_P61_Col(D, pwMap);
  auto rule = [&](const TTableCells& c, int r) {
    if (int msg = Modbus_Request_Rule(D, Request_Cols(D), c, r)) return msg;
    bool registers = !Modbus_Bit_Type(D, c.Cell(pwType, r));
    int code = Check_Map(c.Cell(map_col, r), Cell_Int(c, pwNPoint, r), registers);
    return code == mcValid ? 0 : Msg_Bare_Code(code);
  };
  return Check_Table(Modbus_P61_Layout(D), Cells, rule);
}

TFModbusReq_P61::TFModbusReq_P61(TComponent* AOwner, const TModbusDirection& Direction, TTableRules Rules)
    : TFTableEditor(AOwner, Modbus_P61_Layout(Direction), Rules), direction_(Direction) {
  Btn_RegMap = Make_Button(this, P_Button, 488, Btn_OK->Top(), 110, 28, agParams);
  Btn_RegMap->SetCaption("Map");
  Btn_RegMap->OnClick = [this](TObject* Sender) { Btn_RegMapClick(Sender); };
  sga->OnDblClickCell = [this](TObject* Sender, int ARow, int ACol) { DblClickCell(Sender, ARow, ACol); };
}

int TFModbusReq_P61::Check_Map(const std::string& str_map, int NumPoint, bool TypePoint) const {
  return ::Check_Map(str_map, NumPoint, TypePoint);
}

bool TFModbusReq_P61::Has_Request(int Row) const {
  return Row >= 1 && Row < sga->RowCount() && !Trim(sga->Cells(pwSlaveID, Row)).empty();
}

void TFModbusReq_P61::Set_Map(int Index_Row) {
  if (!FConf_Regs_P61) return;
  sga->HideInplaceEdit();
  // The map has one row per point: a count the request may not have would
  // show a map that cannot be saved.
  int points = StrToIntDef(sga->Cells(pwNPoint, Index_Row), -1);
  if (!In_Range(points, 1, Modbus_Points_Limit(direction_, sga->Cells(pwType, Index_Row)))) {
    MessageDlg(Lang_Text(Layout().Row_Prefix) + IntToStr(Index_Row) + Lang_Text(direction_.First_Message + 3), mtError,
               {mbOK});
    return;
  }
  int map_col = Modbus_P61_Col(direction_, pwMap);
  TFConf_Regs_P61* m = FConf_Regs_P61;
  m->Show_Type = direction_.Read ? 1 : 0;
  m->STR_SlaveID = sga->Cells(pwSlaveID, Index_Row);
  m->STR_Type = sga->Cells(pwType, Index_Row);
  m->STR_Address = sga->Cells(pwAddress, Index_Row);
  m->STR_NPoint = sga->Cells(pwNPoint, Index_Row);
  m->STR_Conf_Points = sga->Cells(map_col, Index_Row);
  if (m->ShowModal() != mrOk) return;
  std::vector<TMapPair> items;
  for (int r = 1; r < m->ACG_Modbus_Regs->RowCount(); ++r)
    items.push_back({StrToIntDef(m->ACG_Modbus_Regs->Cells(1, r), 0), StrToIntDef(m->ACG_Modbus_Regs->Cells(2, r), 0)});
  sga->SetCells(map_col, Index_Row, Map_Text(items));
}

void TFModbusReq_P61::Btn_RegMapClick(TObject*) {
  if (Has_Request(sga->Row())) Set_Map(sga->Row());
}

void TFModbusReq_P61::DblClickCell(TObject*, int ARow, int ACol) {
  if (ACol == Modbus_P61_Col(direction_, pwMap) && Has_Request(ARow)) Set_Map(ARow);
}

TFModbusWriteReq_P61::TFModbusWriteReq_P61(TComponent* AOwner)
    : TFModbusReq_P61(AOwner, Modbus_Write(), [](const TTableCells& Cells) { return Modbus_P61_Check(Modbus_Write(), Cells); }) {
  FModbusWriteReq_P61 = this;
}

// The instance name must not outlive the window.
TFModbusWriteReq_P61::~TFModbusWriteReq_P61() {
  if (FModbusWriteReq_P61 == this) FModbusWriteReq_P61 = nullptr;
}

TFModbusReadReq_P61::TFModbusReadReq_P61(TComponent* AOwner)
    : TFModbusReq_P61(AOwner, Modbus_Read(), [](const TTableCells& Cells) { return Modbus_P61_Check(Modbus_Read(), Cells); }) {
  FModbusReadReq_P61 = this;
}

TFModbusReadReq_P61::~TFModbusReadReq_P61() {
  if (FModbusReadReq_P61 == this) FModbusReadReq_P61 = nullptr;
}
