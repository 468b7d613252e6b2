#include "editors/UDefineJ1939Map.h"

#include "base/UComon.h"
#include "toolkit/rtl/SysUtils.h"

TFDefineRecJ1939* FDefineRecJ1939 = nullptr;
TFDefineTransJ1939* FDefineTransJ1939 = nullptr;

namespace {

constexpr int Max_Register = 65535;

TMapField Byte_Field(std::string Attribute, int Label) {
  return {std::move(Attribute), Label, Label + 1, false, true, {}, {}};
}

// The texts of both dialogs follow each other from First in the same order.
TMapLayout Register_Layout(int First) {
  TMapLayout l;
  l.Ref_Attribute = "Num_Frame";
  l.Ref_Base = 0;
  l.Client_Height = 496;
  l.Caption = First, l.Desc = First + 1, l.Frame_Desc1 = First + 2, l.Frame_Desc2 = First + 3;
  l.Item_Desc1 = First + 4, l.Item_Desc2 = First + 5, l.Field_Desc = First + 6;
  l.Texts = {{"Mod_Index", First + 7, 0, false}};
  l.Choices = {Byte_Field("Byte_HiPart", First + 8), Byte_Field("Byte_LoPart", First + 10)};
  return l;
}

}  // namespace

TMapLayout Define_Rec_J1939_Layout() {
  TMapLayout l = Register_Layout(114);
  l.Root = "DefineRecJ1939";
  l.Path = &Path_Define_J1939_Rec;
  l.Frame_Path = &Path_J1939_Receive;
  l.Frame_Needs = {{"DataPage", "PGN", "SourceAddress", "TransportProtocol"}, true};
  l.First_Button = 126, l.Btn_OK = 131, l.Btn_Cancel = 132, l.None_Text = 135, l.Byte_Text = 136;
  return l;
}

TMapLayout Define_Trans_J1939_Layout() {
  TMapLayout l = Register_Layout(137);
  l.Root = "DefineTransJ1939";
  l.Path = &Path_Define_J1939_Tra;
  l.Frame_Path = &Path_J1939_Transmit;
  l.Frame_Needs = {{"Priority", "DataPage", "PGN", "SourceAddress"}, false};
  l.Priority_Shown = true;
  l.Tab_Width = 31;
  l.Choices.push_back({"Send_on_Write", 149, 0, false, false, {150, 151}, {}});
  l.First_Button = 152, l.Btn_OK = 157, l.Btn_Cancel = 158, l.None_Text = 161, l.Byte_Text = 162;
  return l;
}

TFRegisterMap::TFRegisterMap(TComponent* AOwner, const TMapLayout& Layout, int First_Message)
    : TFFrameMapEditor(AOwner, Layout), first_message_(First_Message) {
  LB_Modbus_Regs = LB_Items;
  E_Index_Modbus = Edits[rtInd_Mod];
  CB_Byte_High_Part = Lists[rcHiPart];
  CB_Byte_Low_Part = Lists[rcLoPart];
}

// The register number is the integer value of the index as typed, unique
// over every frame of the dialog.
int TFRegisterMap::Check_Item(const TMapItem& Item, int Frame, int Pos) const {
  int index = StrToIntDef(Item.Texts[rtInd_Mod], -1);
  if (index < 0 || index > Max_Register) return first_message_;
  auto same = [index](const TMapItem& other) { return StrToIntDef(other.Texts[rtInd_Mod], -1) == index; };
  return In_Use(same, Frame, Pos) ? first_message_ + 1 : 0;
}

// "100; Byte 2; None;"
std::string TFRegisterMap::Item_Line(const TMapItem& Item) const {
  return Item.Texts[rtInd_Mod] + "; " + Byte_Choice_Text(Item.Choices[rcHiPart]) + "; " +
         Byte_Choice_Text(Item.Choices[rcLoPart]) + ";";
}

TFDefineRecJ1939::TFDefineRecJ1939(TComponent* AOwner) : TFRegisterMap(AOwner, Define_Rec_J1939_Layout(), 133) {
  FDefineRecJ1939 = this;
}

// The instance name must not outlive the window.
TFDefineRecJ1939::~TFDefineRecJ1939() {
  if (FDefineRecJ1939 == this) FDefineRecJ1939 = nullptr;
}

TFDefineTransJ1939::TFDefineTransJ1939(TComponent* AOwner) : TFRegisterMap(AOwner, Define_Trans_J1939_Layout(), 159) {
  CB_SendJ1939_OnModWrite = Lists[rcWrite];
  FDefineTransJ1939 = this;
}

TFDefineTransJ1939::~TFDefineTransJ1939() {
  if (FDefineTransJ1939 == this) FDefineTransJ1939 = nullptr;
}
