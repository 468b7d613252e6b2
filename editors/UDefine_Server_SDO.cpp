#include "editors/UDefine_Server_SDO.h"

#include "base/UComon.h"
#include "toolkit/rtl/SysUtils.h"

TFDefine_Server_SDO_Read* FDefine_Server_SDO_Read = nullptr;
TFDefine_Server_SDO_Write* FDefine_Server_SDO_Write = nullptr;

namespace {

constexpr int Min_Index = 0x2000;
constexpr int Max_Index = 0x5FFF;

// The texts of both dialogs follow each other from First in the same order.
TMapLayout SDO_Layout(int First) {
  TMapLayout l;
  l.Ref_Attribute = "NrPdo";
  l.Ref_Base = 1;
  l.Client_Height = 572;
  l.Caption = First, l.Desc = First + 1, l.Frame_Desc1 = First + 2, l.Frame_Desc2 = First + 3;
  l.Item_Desc1 = First + 4, l.Item_Desc2 = First + 5, l.Field_Desc = First + 6;
  l.Texts = {{"Index", First + 7}, {"SubIndex", First + 8}};
  l.Choices = {{"Dimension", First + 9, 0, true, false, {}, {"4 Bytes", "2 Bytes", "1 Bytes"}}};
  for (int b = 1; b <= 4; ++b) l.Choices.push_back({"B" + IntToStr(b), First + 9 + b, 0, false, true, {}, {}});
  return l;
}

// The bytes an object of the size at Position uses.
int Bytes_Used(int Position) { return Position == 0 ? 4 : Position == 1 ? 2 : 1; }

}  // namespace

TMapLayout Server_SDO_Read_Layout() {
  TMapLayout l = SDO_Layout(451);
  l.Root = "DefineSDOServerRecJ1939";
  l.Path = &Path_CANopen_Define_Server_SDO_Read;
  l.Frame_Path = &Path_J1939_Receive;
  l.Frame_Needs = {{"DataPage", "PGN", "SourceAddress", "TransportProtocol"}, true};
  l.First_Button = 465, l.Btn_OK = 470, l.Btn_Cancel = 471;
  return l;
}

TMapLayout Server_SDO_Write_Layout() {
  TMapLayout l = SDO_Layout(475);
  l.Root = "DefineSDOServerTraJ1939";
  l.Path = &Path_CANopen_Define_Server_SDO_Write;
  l.Frame_Path = &Path_J1939_Transmit;
  l.Frame_Needs = {{"DataPage", "PGN", "SourceAddress"}, false};
  l.Choices.push_back({"Send_SDO", 489, 0, false, false, {}, {"False", "True"}});
  l.First_Button = 490, l.Btn_OK = 495, l.Btn_Cancel = 496;
  return l;
}

TFServerSDOMap::TFServerSDOMap(TComponent* AOwner, const TMapLayout& Layout, int First_Message)
    : TFFrameMapEditor(AOwner, Layout), first_message_(First_Message) {
  LB_SDOs = LB_Items;
  E_Index_SDO = Edits[stIndex];
  E_Sub_SDO = Edits[stSubIndex];
  CB_Dim_SDO = Lists[scDimension];
  CB_Byte1_SDO = Lists[scByte1];
  CB_Byte2_SDO = Lists[scByte2];
  CB_Byte3_SDO = Lists[scByte3];
  CB_Byte4_SDO = Lists[scByte4];
}

void TFServerSDOMap::Aggiorna_Byte_SDO() {
  int used = Bytes_Used(CB_Dim_SDO->ItemIndex());
  TComboBox* bytes[] = {CB_Byte1_SDO, CB_Byte2_SDO, CB_Byte3_SDO, CB_Byte4_SDO};
  for (int b = 1; b < 4; ++b) {
    bytes[b]->SetEnabled(b < used);
    if (b >= used) bytes[b]->SetItemIndex(0);
  }
}

// The (index, sub-index) pair, by value, is unique over every frame of the dialog.
int TFServerSDOMap::Check_Item(const TMapItem& Item, int Frame, int Pos) const {
  int index = StrToIntDef(Item.Texts[stIndex], -1);
  if (index < Min_Index || index > Max_Index) return first_message_;
  int sub = StrToIntDef(Item.Texts[stSubIndex], -1);
  if (sub < 0 || sub > 255) return first_message_ + 1;
  auto same = [index, sub](const TMapItem& other) {
    return StrToIntDef(other.Texts[stIndex], -1) == index && StrToIntDef(other.Texts[stSubIndex], -1) == sub;
  };
  return In_Use(same, Frame, Pos) ? first_message_ + 2 : 0;
}

// "Index : 0x2001; Sub : 3;"
std::string TFServerSDOMap::Item_Line(const TMapItem& Item) const {
  return "Index : " + Item.Texts[stIndex] + "; Sub : " + Item.Texts[stSubIndex] + ";";
}

TFDefine_Server_SDO_Read::TFDefine_Server_SDO_Read(TComponent* AOwner)
    : TFServerSDOMap(AOwner, Server_SDO_Read_Layout(), 472) {
  FDefine_Server_SDO_Read = this;
}

// The instance name must not outlive the window.
TFDefine_Server_SDO_Read::~TFDefine_Server_SDO_Read() {
  if (FDefine_Server_SDO_Read == this) FDefine_Server_SDO_Read = nullptr;
}

TFDefine_Server_SDO_Write::TFDefine_Server_SDO_Write(TComponent* AOwner)
    : TFServerSDOMap(AOwner, Server_SDO_Write_Layout(), 497) {
  CB_SDO_Send_on_Write = Lists[scSend_on_Write];
  FDefine_Server_SDO_Write = this;
}

TFDefine_Server_SDO_Write::~TFDefine_Server_SDO_Write() {
  if (FDefine_Server_SDO_Write == this) FDefine_Server_SDO_Write = nullptr;
}
