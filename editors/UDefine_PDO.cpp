#include "editors/UDefine_PDO.h"

#include "base/UComon.h"
#include "base/UFixedTexts.h"
#include "editors/UTableCheck.h"
#include "outputs/USectionFiles.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

constexpr int Max_COB_ID = 0x7FF;
constexpr int Max_Send_Timer = 1000000;

// Where a PDO table's texts stand in the string table.
struct TPDO_Texts {
  int Caption, Desc, First_Button, Row_Prefix, First_Rule, Delete_Question;
};

TTableLayout PDO_Layout(TPDO_Texts Texts, std::string* Path, const std::string& Root, int First_Header,
                        std::vector<TTableColumn> Tail) {
  TTableLayout l;
  l.Root = Root;
  l.Key_Col = pcCOB_ID;
  l.Capacity = PDO_Rows;
  l.Client_Width = 700;
  l.Client_Height = 337;
  l.Caption = Texts.Caption, l.Desc = Texts.Desc;
  int b = Texts.First_Button;
  l.Btn_OK = b, l.Btn_Cancel = b + 1, l.Btn_DelRow = b + 2, l.Btn_InsRow = b + 3;
  l.Row_Prefix = Texts.Row_Prefix;
  l.Delete_Question = Texts.Delete_Question;
  l.Path = Path;
  int h = First_Header;
  TTableColumn frame = Column("Frame_J1939", h + 4, 130, Col_Yellow, tcList);
  // A row without a frame has no attribute; the entry text stands for a position.
  frame.Default = "";
  frame.Omit_Empty = true;
  l.Columns = {Column("", h, 40, clWindow), Column("COB-ID", h + 1, 70, Col_Blue),
               Column("Dimension", h + 2, 70, Col_Blue), Column("Offset", h + 3, 70, Col_Yellow), frame};
  l.Columns.insert(l.Columns.end(), Tail.begin(), Tail.end());
  return l;
}

// Rules 1 to 4 of both tables; their messages follow each other from First.
int PDO_Rule(const TTableCells& c, int r, int First) {
  if (!In_Range(Cell_Int(c, pcCOB_ID, r), 0, Max_COB_ID)) return First;
  int dim = Cell_Int(c, pcDimension, r);
  if (!In_Range(dim, 1, 8)) return First + 1;
  int start = Cell_Int(c, pcOffset, r);
  if (!In_Range(start, 1, 8)) return First + 2;
  if (start + dim > 9) return First + 3;
  return 0;
}

std::string Reference_Error(int Row, const std::string& Text, size_t Frames) {
  return Bad_Frame_Reference_Text(Row, "Frame_J1939", Text, int(Frames));
}

}  // namespace

TTableLayout TPDO_Layout() {
  TTableColumn on_can = Column("OnCAN", 571, 48, Col_Green, tcCheck);
  on_can.Default = "";
  return PDO_Layout({500, 501, 511, 515, 516, 521}, &Path_CANopen_TPDO, "Define_TPDO", 502,
                    {Column("DataChange", 507, 78, Col_Green, tcCheck), on_can,
                     Column("OnTimer", 508, 70, Col_Green, tcCheck), Column("SendTimer", 509, 87, Col_Green),
                     Column("Mnemonic", 510, 98, Col_White)});
}

TTableLayout RPDO_Layout() {
  return PDO_Layout({433, 434, 441, 445, 446, 450}, &Path_CANopen_RPDO, "Define_RPDO", 435,
                    {Column("Mnemonic", 440, 288, Col_White)});
}

TTableCheck TPDO_Check(const TTableCells& Cells) {
  auto rule = [](const TTableCells& c, int r) {
    if (int msg = PDO_Rule(c, r, 516)) return msg;
    if (Flag_Y(c.Cell(tpoOnTimer, r)) && !In_Range(Cell_Int(c, tpoSendTimer, r), 1, Max_Send_Timer)) return 520;
    return 0;
  };
  return Check_Table(TPDO_Layout(), Cells, rule);
}

TTableCheck RPDO_Check(const TTableCells& Cells) {
  return Check_Table(RPDO_Layout(), Cells, [](const TTableCells& c, int r) { return PDO_Rule(c, r, 446); });
}

std::string Frame_Entry(int Position, const TJ1939_Frame_Info& Frame) {
  return IntToStr(Position) + ";" + Frame.PGN + ";" + Frame.Source_Address + ";";
}

int Entry_Position(const std::string& Entry) {
  size_t semi = Entry.find(';');
  if (semi == std::string::npos) return 0;
  return std::max(0, StrToIntDef(Entry.substr(0, semi), -1));
}

TFDefine_PDO::TFDefine_PDO(TComponent* AOwner, const TTableLayout& Layout, TTableRules Rules, std::string* Frame_Path)
    : TFTableEditor(AOwner, Layout, Rules), frame_path_(Frame_Path) {}

void TFDefine_PDO::Load_Frame_List(TTableLoad& Load) {
  SL.clear();
  TStrings* items = sga->Columns()->Items(pcFrame_J1939)->ComboItems();
  items->Clear();
  TJ1939_Frame_Read read = Read_J1939_Frames(*frame_path_, {{"PGN", "SourceAddress"}, false});
  for (size_t i = 0; i < read.Frames.size(); ++i) {
    SL.push_back(Frame_Entry(int(i) + 1, read.Frames[i]));
    items->Add(SL.back());
  }
  if (!read.Error.empty()) Load = {false, read.Error};
}

// The loaded positions become the entries they name. A position that is no
// whole number, or names no frame of the J1939 file, leaves the cell empty
// and the load incomplete, so that OK asks before the reference is lost.
void TFDefine_PDO::Show_References(TTableCells& Cells, TTableLoad& Load) const {
  for (int r = 1; r <= Cells.Rows(); ++r) {
    std::string text = Cells.Cell(pcFrame_J1939, r);
    if (text.empty()) continue;
    Cells.SetCell(pcFrame_J1939, r, "");
    int k = 0;
    if (TryStrToInt(text, k) && k >= 1 && k <= int(SL.size())) {
      Cells.SetCell(pcFrame_J1939, r, SL[size_t(k - 1)]);
    } else if (Load.Complete) {
      Load = {false, Reference_Error(r, text, SL.size())};
    }
  }
}

TTableLoad TFDefine_PDO::Load_Cells(TTableCells& Cells) {
  TTableLoad load;
  Load_Frame_List(load);
  if (!load.Complete) {
    // The references could not be resolved: the PDO file stays unread.
    Cells.Reset();
    return load;
  }
  load = TFTableEditor::Load_Cells(Cells);
  Show_References(Cells, load);
  return load;
}

void TFDefine_PDO::Save_Cells(const TTableCells& Cells) {
  TTableCells file = Cells;
  for (int r = 1; r <= file.Rows(); ++r) {
    int k = Entry_Position(file.Cell(pcFrame_J1939, r));
    file.SetCell(pcFrame_J1939, r, k > 0 ? IntToStr(k) : "");
  }
  TFTableEditor::Save_Cells(file);
}
