#include "outputs/UProfibus_GSD.h"

#include <algorithm>

#include "base/UComon.h"
#include "base/UFixedTexts.h"
#include "outputs/UOutputFileName.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/SysUtils.h"

const char* const GSD_Maker_Lines[7] = {
    "Vendor:   Quelix",
    "          1 Example Street",
    "          00000 Example Town",
    "          Example Country",
    "Tel.:     +00 000 000 0000",
    "Fax:      +00 000 000 0001",
    "E-mail:   info@quelix.example",
};

namespace {

constexpr int Module_Bytes = 64;

class TGSDLines {
public:
  void Line(const std::string& s = "") { text_ += s + "\r\n"; }
  void Empty(int n) { for (int i = 0; i < n; ++i) Line(); }
  void Lines(std::initializer_list<const char*> lines) { for (const char* s : lines) Line(s); }
  void Banner(const std::string& s) { Line(";* " + s + std::string(81 - std::min<size_t>(81, s.size()), ' ') + "*"); }
  void Empty_Banner() { Line(";*" + std::string(82, ' ') + "*"); }
  void Rule() { Line(";* " + std::string(80, '=') + " *"); }
  void Header(int width, const std::string& title) {
    std::string first = std::string(1, ';').append(static_cast<size_t>(width - 1), '=');
    std::string middle = ";==== " + title + " ";
    Line(first);
    Line(middle + std::string(static_cast<size_t>(std::max(0, width - static_cast<int>(middle.size()))), '='));
    Line(first);
  }
  std::string Take() { return std::move(text_); }

private:
  std::string text_;
};

std::string Hex2(int64_t v) { return IntToHex(static_cast<uint64_t>(v), 2); }

struct TModule {
  bool Input;
  int64_t Size;
  int Row;  // receive row of a per-frame input module, else 0
};

void Write_Banner(TGSDLines& g) {
  g.Line(";");
  g.Line(";*********************** J1939 / PROFIBUS Slave - Converter *************************");
  g.Rule();
  g.Empty_Banner();
  for (const char* line : GSD_Maker_Lines) g.Banner(line);
  g.Empty_Banner();
  g.Rule();
  g.Empty_Banner();
  g.Banner("Function:       J1939 / PROFIBUS Slave - Converter");
  g.Empty_Banner(), g.Empty_Banner();
  g.Banner("Order Number : GW21070-A1");
  g.Empty_Banner(), g.Empty_Banner();
  g.Line(";" + std::string(84, '*'));
  g.Empty(2);
  g.Line("#Profibus_DP");
  g.Empty(2);
}

void Write_Prm_Texts(TGSDLines& g) {
  g.Header(85, "Prm-Text-Def-List");
  g.Empty(1);
  g.Lines({"PrmText=1", "Text(0)=\"disable\"", "Text(1)=\"enable\"", "EndPrmText"});
  g.Empty(1);
  g.Lines({"PrmText  = 2", "Text(0)  = \"clock up\"", "Text(1)  = \"clock down\"", "EndPrmText"});
  g.Empty(1);
  g.Lines({"PrmText  = 3", "Text(1)  = \"10\"", "Text(2)  = \"20\"", "Text(3)  = \"30\"", "Text(4)  = \"40\"",
           "Text(5)  = \"50\"", "EndPrmText"});
  g.Empty(2);
  g.Header(86, "Ext-User-Prm-Data-Def-List");
  g.Empty(1);
  g.Lines({"ExtUserPrmData=1 \"[SlotNumber]\"", "Unsigned8 0 0-32", "EndExtUserPrmData"});
  g.Empty(1);
  g.Lines({"ExtUserPrmData=2 \"Diagnostic Alarm\"", "Bit(0) 0 0-1", "Prm_Text_Ref=1", "EndExtUserPrmData"});
  g.Empty(1);
  g.Lines({"ExtUserPrmData=3 \"Process Alarm\"", "Bit(1) 0 0-1", "Prm_Text_Ref=1", "EndExtUserPrmData"});
  g.Empty(1);
  g.Lines({"ExtUserPrmData=4 \"Counter mode\"", "Unsigned8 0 0-1", "Prm_Text_Ref=2", "EndExtUserPrmData"});
  g.Empty(1);
  g.Lines({"ExtUserPrmData=5 \"Counter timebase (ms)\"", "Unsigned8 1 1-5", "Prm_Text_Ref=3", "EndExtUserPrmData"});
  g.Empty(1);
  g.Lines({"ExtUserPrmData=6 \"Counter high-limit\"", "Unsigned16 65535 0-65535", "EndExtUserPrmData"});
  g.Empty(1);
  g.Lines({"ExtUserPrmData=7 \"Counter low-limit\"", "Unsigned16 0 0-65535", "EndExtUserPrmData"});
  g.Empty(2);
}

void Write_General(TGSDLines& g) {
  g.Header(86, "General DP Keywords");
  g.Empty(1);
  g.Lines({"GSD_Revision = 5", "Vendor_Name = \"Quelix\"", "Model_Name = \"GW21070\"", "Revision = \"1.00\""});
  g.Line("Ident_Number = 0x" + IntToHex(GSD_Ident_Number, 4));
  g.Lines({"Protocol_Ident = 0", "Station_Type = 0", "FMS_supp = 0", "Hardware_Release = \"V1.00\"",
           "Software_Release = \"V1.00\"", "Redundancy = 0", "Repeater_Ctrl_Sig = 2", "24V_Pins = 0"});
  g.Empty(2);
  g.Header(79, "Supported baudrates");
  g.Empty(1);
  g.Lines({"9.6_supp = 1", "19.2_supp = 1", "45.45_supp = 1", "93.75_supp = 1", "187.5_supp = 1", "500_supp = 1",
           "1.5M_supp = 1", "3M_supp = 1", "6M_supp = 1", "12M_supp = 1"});
  g.Empty(1);
  g.Lines({"MaxTsdr_9.6=15", "MaxTsdr_19.2=15", "MaxTsdr_45.45=15", "MaxTsdr_93.75=15", "MaxTsdr_187.5=15",
           "MaxTsdr_500=15", "MaxTsdr_1.5M=20", "MaxTsdr_3M=35", "MaxTsdr_6M=50", "MaxTsdr_12M=95"});
  g.Empty(2);
}

void Write_Slave_Values(TGSDLines& g, const TGSD_Data& d, size_t modules) {
  bool both = d.Module_Flag && d.Send_Flag;
  int64_t bitmap = both ? d.Bitmap_Len : 0;
  g.Header(79, "Slave specific values");
  g.Empty(1);
  g.Lines({"OrderNumber=\"GW21070\"", "Slave_Family = 9@Quelix@GW21070", "Implementation_Type = \"VPC3+\"",
           "Info_Text=\"Quelix: J1939 / PROFIBUS Slave - Converter\"", "Bitmap_Device = \"DPV0_1N\"",
           "Bitmap_SF=\"DPV0_1S\""});
  g.Empty(1);
  g.Lines({"Freeze_Mode_supp=1", "Sync_Mode_supp=1", "Fail_Safe=1", "Auto_Baud_supp=1", "Set_Slave_Add_supp=0"});
  g.Empty(1);
  g.Line("Min_Slave_Intervall=6");
  g.Empty(1);
  g.Line("Modular_Station=1");
  g.Line("Max_Module=" + IntToStr(modules));
  g.Line("Modul_Offset=1");
  g.Line("Max_Input_Len=" + IntToStr(d.Input_Len + bitmap));
  g.Line("Max_Output_Len=" + IntToStr(d.Output_Len + bitmap));
  g.Line("Max_Data_Len=" + IntToStr(d.Input_Len + d.Output_Len + 2 * bitmap));
  g.Line("Max_Diag_Data_Len=18");
  g.Empty(1);
  g.Lines({"WD_Base_1ms_supp = 1", "Publisher_supp = 1"});
  g.Empty(1);
  g.Header(79, "User-Prm-Data");
  g.Empty(1);
  g.Lines({"Max_User_Prm_Data_Len = 12", "Ext_User_Prm_Data_Const(0)= 0x00,0x00,0x00"});
  g.Empty(1);
  g.Header(79, "Modulstatus");
  g.Empty(1);
  for (int slot = 1; slot <= 2; ++slot) {
    std::string s = IntToStr(slot);
    g.Line("Unit_Diag_Area = " + IntToStr(22 + 2 * slot) + " - " + IntToStr(23 + 2 * slot));
    g.Line("Value(1)= \"Slot " + s + ": Module error\"");
    g.Line("Value(2)= \"Slot " + s + ": Wrong module\"");
    g.Line("Value(3)= \"Slot " + s + ": No module\"");
    g.Line("Unit_Diag_Area_End");
  }
  g.Empty(2);
  g.Header(79, "Module-Definition-List");
  g.Empty(1);
}

// Modules of 64 bytes and one with the rest.
void Add_Chunked(std::vector<TModule>& list, bool input, int64_t length, int64_t count) {
  if (length <= 0) return;
  for (int64_t i = 0; i < count - 1; ++i) list.push_back({input, Module_Bytes, 0});
  list.push_back({input, length - Module_Bytes * (count - 1), 0});
}

std::vector<TModule> Module_List(const TGSD_Data& d) {
  std::vector<TModule> list;
  if (!d.Module_Flag) {
    Add_Chunked(list, true, d.Input_Len, d.Input_Modules);
    Add_Chunked(list, false, d.Output_Len, d.Output_Modules);
    return list;
  }
  // A bitmap of no bytes (no transmitted frame) is no module at all.
  bool bitmap = d.Send_Flag && d.Bitmap_Len > 0;
  for (size_t i = 0; i < d.Frame_Sizes.size(); ++i) list.push_back({true, d.Frame_Sizes[i], static_cast<int>(i) + 1});
  if (bitmap) list.push_back({true, d.Bitmap_Len, 0});
  for (int64_t i = 0; i < d.Tx_Rows; ++i) list.push_back({false, 8, 0});
  if (bitmap) list.push_back({false, d.Bitmap_Len, 0});
  return list;
}

void Write_Module(TGSDLines& g, const TModule& m, size_t number) {
  std::string n = IntToStr(number);
  g.Line(std::string(m.Input ? "Module=\"DI  (PORT" : "Module=\"DO  (PORT") + n +
         (m.Input ? ")    \" 0x42,0x" : ")    \" 0x82,0x") + Hex2(m.Size - 1) + ",0x00,0x" + Hex2(number));
  g.Line(n);
  g.Line("EndModule");
}

void Write_Slots(TGSDLines& g, int64_t slots) {
  g.Empty(3);
  g.Line("SlotDefinition");
  for (int64_t k = 1; k <= slots; ++k) {
    std::string s = IntToStr(k);
    g.Line("Slot(" + s + ") = \"Slot " + s + "\" " + s + " " + s);
  }
  g.Line("EndSlotDefinition");
  g.Empty(4);
}

}  // namespace

std::string TGSD_Error::Text() const { return GSD_Module_Size_Text(Row, Size); }

TGSD_Data Compute_GSD_Data(const TParGenFile& ParGen, const TSectionTable& Receive, const TSectionTable& Transmit) {
  TGSD_Data d;
  TProfiChoices choices = Read_Profi_Choices(ParGen);
  d.Module_Flag = choices.Profi_Module;
  d.Send_Flag = choices.Profi_Send_J1939;
  d.Rx_Rows = static_cast<int64_t>(Receive.Rows.size());
  for (const TSectionRow& row : Receive.Rows) {
    d.Frame_Sizes.push_back(Receive_Frame_Size(row));
    d.Input_Len += d.Frame_Sizes.back();
  }
  d.Tx_Rows = static_cast<int64_t>(Transmit.Rows.size());
  d.Output_Len = 8 * d.Tx_Rows;
  d.Bitmap_Len = d.Send_Flag ? Bitmap_Bytes(d.Tx_Rows) : 0;
  if (!d.Module_Flag) {
    d.Input_Len += d.Bitmap_Len;
    d.Output_Len += d.Bitmap_Len;
    d.Input_Modules = (d.Input_Len + Module_Bytes - 1) / Module_Bytes;
    d.Output_Modules = (d.Output_Len + Module_Bytes - 1) / Module_Bytes;
  } else {
    d.Input_Modules = d.Rx_Rows;
    d.Output_Modules = d.Tx_Rows;
  }
  return d;
}

TGSD_Data Read_GSD_Data() {
  return Compute_GSD_Data(Load_Par_Gen_File(Path_ParGen),
                          Load_Section_Table(Path_J1939_Receive, Receive_Number_Fields),
                          Load_Section_Table(Path_J1939_Transmit, Transmit_Number_Fields));
}

bool Build_GSD_Text(const TGSD_Data& Data, std::string& Text, TGSD_Error* Error) {
  std::vector<TModule> modules = Module_List(Data);
  for (const TModule& m : modules)
    if (m.Size < 1 || m.Size > Module_Bytes) {
      if (Error) *Error = {m.Row, m.Size};
      return false;
    }
  // A frame of no bytes (or fewer) has no place in the data either.
  for (size_t i = 0; i < Data.Frame_Sizes.size(); ++i)
    if (Data.Frame_Sizes[i] < 1) {
      if (Error) *Error = {static_cast<int>(i) + 1, Data.Frame_Sizes[i]};
      return false;
    }
  TGSDLines g;
  Write_Banner(g);
  Write_Prm_Texts(g);
  Write_General(g);
  Write_Slave_Values(g, Data, modules.size());
  for (size_t i = 0; i < modules.size(); ++i) Write_Module(g, modules[i], i + 1);
  Write_Slots(g, Data.Input_Modules + Data.Output_Modules);
  Text = g.Take();
  return true;
}

int Check_GSD_Preconditions() {
  return (!Path_ParGen.empty() && FileExists(Path_ParGen)) ? 0 : Msg_GSD_No_ParGen;
}

std::string GSD_File_Name(const std::string& Chosen) { return Output_File_Name(Chosen, ".gsd"); }

bool Write_GSD_File(const std::string& FileName, std::string* Error) {
  try {
    std::string text;
    TGSD_Error module_error;
    if (!Build_GSD_Text(Read_GSD_Data(), text, &module_error)) {
      if (Error) *Error = module_error.Text();
      return false;
    }
    WriteFileAtomic(FileName, text);
    return true;
  } catch (const Exception& e) {
    if (Error) *Error = e.Message();
    return false;
  }
}
