#include "editors/UConf_Regs_P61.h"

#include <algorithm>

#include "base/UComon.h"
#include "base/ULanguage.h"
#include "editors/URegs_Status_Map.h"
#include "editors/UTableEditor.h"
#include "outputs/USectionFiles.h"
#include "toolkit/forms/Dialogs.h"
#include "toolkit/rtl/SysUtils.h"

TFConf_Regs_P61* FConf_Regs_P61 = nullptr;

namespace {

const std::string None_Item = "<None>";
constexpr int Max_Bit = 8;

// The mode texts: status bits, registers.
struct TModeTexts {
  int Caption, Desc, Header0, Header1, Header2;
};
constexpr TModeTexts Status_Texts = {573, 575, 581, 584, 585};
constexpr TModeTexts Register_Texts = {572, 574, 580, 582, 583};

// A frame's data bytes as its file gives them: none for a count that is no number or below 0.
int Frame_Bytes(const std::string& Text, int Empty_Bytes) {
  std::string t = Trim(Text);
  if (t.empty()) return Empty_Bytes;
  return std::max(0, StrToIntDef(t, 0));
}

std::string Field(const std::string& Name, const std::string& Value) { return Name + ": " + Value + "; "; }

// The offered frame of file row Row: the received frames (no priority, an
// empty byte count is a single frame of 8) or the transmitted ones.
TFrame_J1939 Read_Frame(const TSectionTable& Table, size_t Row, bool Transmit) {
  TFrame_J1939 f;
  if (Transmit) f.Description = Field("PRI", Table.Required(Row, "Priority"));
  f.Description += Field("DP", Table.Required(Row, "DataPage"));
  f.Description += Field("PGN", Table.Required(Row, "PGN"));
  f.Description += Field("SA", Table.Required(Row, "SourceAddress"));
  f.NumByte = Transmit ? Frame_Bytes(Table.Required(Row, "NumByte"), 0) : Frame_Bytes(Table.Required(Row, "NumBytes"), 8);
  f.Description += "(" + IntToStr(f.NumByte) + ")";
  return f;
}

void Fill_Numbers(TStrings* Items, int Last) {
  Items->Clear();
  Items->Add(None_Item);
  for (int i = 1; i <= Last; ++i) Items->Add(IntToStr(i));
}

}  // namespace

TFConf_Regs_P61::TFConf_Regs_P61(TComponent* AOwner) : TShellDialog(AOwner, 568, 337) {
  FConf_Regs_P61 = this;
  Create_Controls();
  Btn_OK->SetModalResult(mrOk);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

// The instance name must not outlive the window.
TFConf_Regs_P61::~TFConf_Regs_P61() {
  if (FConf_Regs_P61 == this) FConf_Regs_P61 = nullptr;
}

void TFConf_Regs_P61::Create_Controls() {
  Panel1 = new TPanel(this);
  Panel1->SetParent(this);
  Panel1->SetAlign(alTop);
  Panel1->SetHeight(36);
  Panel1->SetTop(P_Title->Height());
  Panel1->SetColor(Form_Color);
  L_Slave_ID = Make_Label(this, Panel1, 12, 11);
  L_Address = Make_Label(this, Panel1, 130, 11);
  L_Type = Make_Label(this, Panel1, 260, 11);
  L_NPoint = Make_Label(this, Panel1, 440, 11);

  P_Compile = new TPanel(this);
  P_Compile->SetParent(this);
  P_Compile->SetAlign(alRight);
  P_Compile->SetWidth(257);
  P_Compile->SetColor(Form_Color);
  L_J1939Frame = Make_Label(this, P_Compile, 8, 10);
  CB_Sel_FrameJ1939 = new TComboBox(this);
  CB_Sel_FrameJ1939->SetParent(P_Compile);
  CB_Sel_FrameJ1939->SetStyle(csDropDownList);
  CB_Sel_FrameJ1939->SetBounds(8, 28, 240, 21);
  CB_Sel_FrameJ1939->OnChange = [this](TObject* Sender) { CB_Sel_FrameJ1939Change(Sender); };
  L_SelByte = Make_Label(this, P_Compile, 8, 62);
  CB_Available_Byte = new TComboBox(this);
  CB_Available_Byte->SetParent(P_Compile);
  CB_Available_Byte->SetStyle(csDropDownList);
  CB_Available_Byte->SetBounds(8, 80, 80, 21);
  Btn_Import = Make_Button(this, P_Compile, 8, 116, 110, 28, agInsRow);
  Btn_Import->OnClick = [this](TObject* Sender) { Btn_ImportClick(Sender); };

  Splitter1 = new TSplitter(this);
  Splitter1->SetParent(this);
  Splitter1->SetAlign(alRight);
  Splitter1->SetLeft(P_Compile->Left() - 1);  // to the left of P_Compile

  ACG_Modbus_Regs = new TExtColumnGrid(this);
  ACG_Modbus_Regs->SetParent(this);
  ACG_Modbus_Regs->SetAlign(alClient);
  ACG_Modbus_Regs->SetDefaultRowHeight(21);
  TGridOptions options = ACG_Modbus_Regs->Options();
  options += TGridOptions{goEditing, goColSizing};
  ACG_Modbus_Regs->SetOptions(options);
  ACG_Modbus_Regs->SetColCount(3);
  ACG_Modbus_Regs->SetRowCount(2);
  ACG_Modbus_Regs->Columns()->Items(0)->SetWidth(80);
  for (int c = 1; c <= 2; ++c) {
    TGridColumnItem* item = ACG_Modbus_Regs->Columns()->Items(c);
    item->SetWidth(100);
    item->SetColor(RGB(224, 250, 254));
    item->SetEditor(edComboList);
  }
  ACG_Modbus_Regs->OnDblClickCell = [this](TObject* Sender, int ARow, int ACol) {
    ACG_Modbus_RegsDblClickCell(Sender, ARow, ACol);
  };
}

// The texts stay those of start-up: a language change does not reach this window.
void TFConf_Regs_P61::FormCreate(TObject*) { Prepare_Dialog(false); }

void TFConf_Regs_P61::Set_Lang() {
  SetCaption(Lang_Text(Register_Texts.Caption));
  L_SW_Desc->SetCaption(Lang_Text(Register_Texts.Desc));
  ACG_Modbus_Regs->Columns()->Items(0)->SetHeader(Lang_Text(Register_Texts.Header0));
  ACG_Modbus_Regs->Columns()->Items(1)->SetHeader(Lang_Text(Register_Texts.Header1));
  ACG_Modbus_Regs->Columns()->Items(2)->SetHeader(Lang_Text(Register_Texts.Header2));
  L_J1939Frame->SetCaption(Lang_Text(586));
  L_SelByte->SetCaption(Lang_Text(587));
  Btn_Import->SetCaption(Lang_Text(588));
  Btn_OK->SetCaption(Lang_Text(589));
  Btn_Cancel->SetCaption(Lang_Text(590));
}

void TFConf_Regs_P61::FormShow(TObject*) {
  ACG_Modbus_Regs->HideInplaceEdit();
  L_Slave_ID->SetCaption(Lang_Text(576) + " : " + STR_SlaveID);
  L_Address->SetCaption(Lang_Text(577) + " : " + STR_Address);
  L_Type->SetCaption(Lang_Text(578) + " : " + STR_Type);
  L_NPoint->SetCaption(Lang_Text(579) + " : " + STR_NPoint);
  Load_Frames();
  Show_Frames();
  Apply_Mode();
  Fill_Rows();
  Decode_String_Setting();
}

void TFConf_Regs_P61::Load_Frames() {
  Def_J1939.clear();
  Num_MAX_Byte = 0;
  if (Show_Type != 0 && Show_Type != 1) return;
  try {
    TSectionTable table = Load_Section_Table(Show_Type == 0 ? Path_J1939_Receive : Path_J1939_Transmit);
    for (size_t r = 0; r < table.Rows.size(); ++r) {
      TFrame_J1939 f = Read_Frame(table, r, Show_Type == 1);
      f.Offset_Start = Num_MAX_Byte;
      Num_MAX_Byte += f.NumByte;
      Def_J1939.push_back(f);
    }
  } catch (const ESectionFileError& e) {
    MessageDlg(e.Message(), mtError, {mbOK});
  }
}

void TFConf_Regs_P61::Show_Frames() {
  TStrings* items = CB_Sel_FrameJ1939->Items();
  items->Clear();
  for (const TFrame_J1939& f : Def_J1939) items->Add(f.Description);
  CB_Sel_FrameJ1939->SetItemIndex(Def_J1939.empty() ? -1 : 0);
  Fill_Bytes(Def_J1939.empty() ? -1 : 0);
}

void TFConf_Regs_P61::Fill_Bytes(int Frame) {
  TStrings* items = CB_Available_Byte->Items();
  items->Clear();
  int bytes = Frame >= 0 ? Def_J1939[size_t(Frame)].NumByte : 0;
  for (int b = 1; b <= bytes; ++b) items->Add(IntToStr(b));
  CB_Available_Byte->SetItemIndex(bytes > 0 ? 0 : -1);
}

void TFConf_Regs_P61::Apply_Mode() {
  std::string type = UpperCase(Trim(STR_Type));
  Type_Points = type == "COIL STATUS" || type == "INPUT STATUS" ? 0 : 1;
  const TModeTexts& t = Type_Points == 0 ? Status_Texts : Register_Texts;
  SetCaption(Lang_Text(t.Caption));
  L_SW_Desc->SetCaption(Lang_Text(t.Desc));
  TGridColumnCollection* columns = ACG_Modbus_Regs->Columns();
  columns->Items(0)->SetHeader(Lang_Text(t.Header0));
  columns->Items(1)->SetHeader(Lang_Text(t.Header1));
  columns->Items(2)->SetHeader(Lang_Text(t.Header2));
  Fill_Numbers(columns->Items(1)->ComboItems(), Map_Max_Position);
  Fill_Numbers(columns->Items(2)->ComboItems(), Type_Points == 0 ? Max_Bit : Map_Max_Position);
}

// One row per point, numbered from the request's address; no request has
// more points than the map can address, so a larger count shows that many.
void TFConf_Regs_P61::Fill_Rows() {
  NB = std::min(StrToIntDef(STR_NPoint, 0), Map_Max_Position);
  int start = StrToIntDef(STR_Address, 0);
  TExtColumnGrid* g = ACG_Modbus_Regs;
  if (NB >= 1) {
    g->SetRowCount(NB + 1);
    for (int k = 1; k <= NB; ++k) {
      g->SetCells(0, k, IntToStr(start + k - 1));
      g->SetCells(1, k, None_Item);
      g->SetCells(2, k, None_Item);
    }
  } else {
    g->SetRowCount(2);
    for (int c = 0; c < 3; ++c) g->SetCells(c, 1, "");
  }
  Colour_Row_Numbers(g, clWindow);
}

void TFConf_Regs_P61::Decode_String_Setting() {
  TMapText map = Parse_Map(STR_Conf_Points, Type_Points == 1);
  int rows = std::min(int(map.Items.size()), NB);
  for (int i = 1; i <= rows; ++i) {
    const TMapPair& item = map.Items[size_t(i - 1)];
    ACG_Modbus_Regs->SetCells(1, i, item.A == 0 ? None_Item : IntToStr(item.A));
    ACG_Modbus_Regs->SetCells(2, i, item.B == 0 ? None_Item : IntToStr(item.B));
  }
}

void TFConf_Regs_P61::CB_Sel_FrameJ1939Change(TObject*) { Fill_Bytes(CB_Sel_FrameJ1939->ItemIndex()); }

void TFConf_Regs_P61::Btn_ImportClick(TObject*) {
  int frame = CB_Sel_FrameJ1939->ItemIndex();
  int byte = CB_Available_Byte->ItemIndex();
  // Without an offered frame and byte there is no position to import.
  if (frame < 0 || frame >= int(Def_J1939.size()) || byte < 0) return;
  int position = Def_J1939[size_t(frame)].Offset_Start + byte + 1;
  TExtColumnGrid* g = ACG_Modbus_Regs;
  int col = g->Col(), row = g->Row();
  bool target = Type_Points == 1 ? col >= 1 && row >= 1 : col == 1 && row >= 1;
  if (!target) return;
  g->HideInplaceEdit();
  g->SetCells(col, row, IntToStr(position));
}

void TFConf_Regs_P61::ACG_Modbus_RegsDblClickCell(TObject*, int ARow, int ACol) {
  if (ARow < 1 || ACol < 1 || (Type_Points == 0 && ACol == 2)) return;
  std::string text = Trim(ACG_Modbus_Regs->Cells(ACol, ARow));
  if (text.empty() || text == None_Item) return;
  int p = StrToIntDef(text, -1);
  if (p < 1 || p > Num_MAX_Byte) return;
  for (size_t f = 0; f < Def_J1939.size(); ++f) {
    const TFrame_J1939& frame = Def_J1939[f];
    if (p > frame.Offset_Start && p <= frame.Offset_Start + frame.NumByte) {
      CB_Sel_FrameJ1939->SetItemIndex(int(f));
      Fill_Bytes(int(f));
      CB_Available_Byte->SetItemIndex(p - frame.Offset_Start - 1);
      return;
    }
  }
}
