#include "outputs/UProfibus_GSD.h"

#include <gtest/gtest.h>

#include "tests/outputs/SectionFixtures.h"

namespace {

std::vector<std::string> Split_CrLf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  EXPECT_EQ(start, text.size()) << "the last line must end with CR LF too";
  return lines;
}

std::string Banner(const std::string& s) { return ";* " + s + std::string(81 - s.size(), ' ') + "*"; }
const std::string Empty_Banner = ";*" + std::string(82, ' ') + "*";

std::vector<std::string> Header(int width, const std::string& title) {
  std::string rule = ";" + std::string(width - 1, '=');
  std::string middle = ";==== " + title + " ";
  return {rule, middle + std::string(width - middle.size(), '='), rule};
}

// The fixed part of every file, lines 1 to 189, in order.
std::vector<std::string> Template_Lines() {
  std::vector<std::string> t = {";", ";*********************** J1939 / PROFIBUS Slave - Converter *************************",
                                ";* " + std::string(80, '=') + " *", Empty_Banner};
  for (const char* maker : GSD_Maker_Lines) t.push_back(Banner(maker));
  std::vector<std::string> rest = {
      Empty_Banner, ";* " + std::string(80, '=') + " *", Empty_Banner,
      Banner("Function:       J1939 / PROFIBUS Slave - Converter"), Empty_Banner, Empty_Banner,
      Banner("Order Number : GW21070-A1"), Empty_Banner, Empty_Banner, ";" + std::string(84, '*'), "", "",
      "#Profibus_DP", "", ""};
  t.insert(t.end(), rest.begin(), rest.end());
  auto add = [&](std::vector<std::string> lines) { t.insert(t.end(), lines.begin(), lines.end()); };
  add(Header(85, "Prm-Text-Def-List"));
  add({"", "PrmText=1", "Text(0)=\"disable\"", "Text(1)=\"enable\"", "EndPrmText", "",
       "PrmText  = 2", "Text(0)  = \"clock up\"", "Text(1)  = \"clock down\"", "EndPrmText", "",
       "PrmText  = 3", "Text(1)  = \"10\"", "Text(2)  = \"20\"", "Text(3)  = \"30\"", "Text(4)  = \"40\"",
       "Text(5)  = \"50\"", "EndPrmText", "", ""});
  add(Header(86, "Ext-User-Prm-Data-Def-List"));
  add({"", "ExtUserPrmData=1 \"[SlotNumber]\"", "Unsigned8 0 0-32", "EndExtUserPrmData", "",
       "ExtUserPrmData=2 \"Diagnostic Alarm\"", "Bit(0) 0 0-1", "Prm_Text_Ref=1", "EndExtUserPrmData", "",
       "ExtUserPrmData=3 \"Process Alarm\"", "Bit(1) 0 0-1", "Prm_Text_Ref=1", "EndExtUserPrmData", "",
       "ExtUserPrmData=4 \"Counter mode\"", "Unsigned8 0 0-1", "Prm_Text_Ref=2", "EndExtUserPrmData", "",
       "ExtUserPrmData=5 \"Counter timebase (ms)\"", "Unsigned8 1 1-5", "Prm_Text_Ref=3", "EndExtUserPrmData", "",
       "ExtUserPrmData=6 \"Counter high-limit\"", "Unsigned16 65535 0-65535", "EndExtUserPrmData", "",
       "ExtUserPrmData=7 \"Counter low-limit\"", "Unsigned16 0 0-65535", "EndExtUserPrmData", "", ""});
  add(Header(86, "General DP Keywords"));
  add({"", "GSD_Revision = 5", "Vendor_Name = \"Quelix\"", "Model_Name = \"GW21070\"", "Revision = \"1.00\"",
       "Ident_Number = 0x2107", "Protocol_Ident = 0", "Station_Type = 0", "FMS_supp = 0",
       "Hardware_Release = \"V1.00\"", "Software_Release = \"V1.00\"", "Redundancy = 0", "Repeater_Ctrl_Sig = 2",
       "24V_Pins = 0", "", ""});
  add(Header(79, "Supported baudrates"));
  add({"", "9.6_supp = 1", "19.2_supp = 1", "45.45_supp = 1", "93.75_supp = 1", "187.5_supp = 1", "500_supp = 1",
       "1.5M_supp = 1", "3M_supp = 1", "6M_supp = 1", "12M_supp = 1", "", "MaxTsdr_9.6=15", "MaxTsdr_19.2=15",
       "MaxTsdr_45.45=15", "MaxTsdr_93.75=15", "MaxTsdr_187.5=15", "MaxTsdr_500=15", "MaxTsdr_1.5M=20",
       "MaxTsdr_3M=35", "MaxTsdr_6M=50", "MaxTsdr_12M=95", "", ""});
  add(Header(79, "Slave specific values"));
  add({"", "OrderNumber=\"GW21070\"", "Slave_Family = 9@Quelix@GW21070", "Implementation_Type = \"VPC3+\"",
       "Info_Text=\"Quelix: J1939 / PROFIBUS Slave - Converter\"", "Bitmap_Device = \"DPV0_1N\"",
       "Bitmap_SF=\"DPV0_1S\"", "", "Freeze_Mode_supp=1", "Sync_Mode_supp=1", "Fail_Safe=1", "Auto_Baud_supp=1",
       "Set_Slave_Add_supp=0", "", "Min_Slave_Intervall=6", "", "Modular_Station=1", "Max_Module=?",
       "Modul_Offset=1", "Max_Input_Len=?", "Max_Output_Len=?", "Max_Data_Len=?", "Max_Diag_Data_Len=18", "",
       "WD_Base_1ms_supp = 1", "Publisher_supp = 1", ""});
  add(Header(79, "User-Prm-Data"));
  add({"", "Max_User_Prm_Data_Len = 12", "Ext_User_Prm_Data_Const(0)= 0x00,0x00,0x00", ""});
  add(Header(79, "Modulstatus"));
  add({"", "Unit_Diag_Area = 24 - 25", "Value(1)= \"Slot 1: Module error\"", "Value(2)= \"Slot 1: Wrong module\"",
       "Value(3)= \"Slot 1: No module\"", "Unit_Diag_Area_End", "Unit_Diag_Area = 26 - 27",
       "Value(1)= \"Slot 2: Module error\"", "Value(2)= \"Slot 2: Wrong module\"", "Value(3)= \"Slot 2: No module\"",
       "Unit_Diag_Area_End", "", ""});
  add(Header(79, "Module-Definition-List"));
  t.push_back("");
  return t;
}

struct TExpected {
  int max_module, max_input, max_output, max_data;
  std::vector<std::string> modules;  // the module lines, three per module
  int slots;
};

std::vector<std::string> Expected_Lines(const TExpected& e) {
  std::vector<std::string> t = Template_Lines();
  t[152] = "Max_Module=" + std::to_string(e.max_module);
  t[154] = "Max_Input_Len=" + std::to_string(e.max_input);
  t[155] = "Max_Output_Len=" + std::to_string(e.max_output);
  t[156] = "Max_Data_Len=" + std::to_string(e.max_data);
  t.insert(t.end(), e.modules.begin(), e.modules.end());
  t.insert(t.end(), {"", "", "", "SlotDefinition"});
  for (int k = 1; k <= e.slots; ++k) {
    std::string s = std::to_string(k);
    t.push_back("Slot(" + s + ") = \"Slot " + s + "\" " + s + " " + s);
  }
  t.insert(t.end(), {"EndSlotDefinition", "", "", "", ""});
  return t;
}

std::vector<std::string> Module(bool input, int number, const char* code) {
  std::string n = std::to_string(number);
  char nn[8];
  std::snprintf(nn, sizeof nn, "%02X", number);
  return {std::string(input ? "Module=\"DI  (PORT" : "Module=\"DO  (PORT") + n +
              (input ? ")    \" 0x42,0x" : ")    \" 0x82,0x") + code + ",0x00,0x" + nn,
          n, "EndModule"};
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

}  // namespace

class UProfibus_GSDTest : public testing::Test {
protected:
  std::vector<std::string> Build() {
    std::string text;
    TGSD_Error error;
    EXPECT_TRUE(Build_GSD_Text(Read_GSD_Data(), text, &error)) << error.Text();
    return Split_CrLf(text);
  }
  TProjectFixture project;
};

TEST_F(UProfibus_GSDTest, TemplateLinesHaveTheirWidths) {
  std::vector<std::string> t = Template_Lines();
  ASSERT_EQ(t.size(), 189u);
  for (int line : {2, 3, 4, 5, 11, 12, 15, 18, 21}) EXPECT_EQ(t[line - 1].size(), 85u) << line;
  EXPECT_EQ(t[26].size(), 85u);
  EXPECT_EQ(t[27], ";==== Prm-Text-Def-List " + std::string(61, '='));
  EXPECT_EQ(t[94], "Ident_Number = 0x2107");
  EXPECT_EQ(t[187], t[185]);
}

TEST_F(UProfibus_GSDTest, NoFramesAndSixtyFourByteModules) {
  project.Par_Gen(Profi_Choices("0", "0"));
  EXPECT_EQ(Build(), Expected_Lines({0, 0, 0, 0, {}, 0}));
}

TEST_F(UProfibus_GSDTest, SixtyFourByteModulesWithBitmap) {
  project.Par_Gen(Profi_Choices("0", "1"));
  project.Receive(Repeat(Rx_Row("1"), 10));
  project.Transmit(Repeat(Tx_Row(), 3));
  EXPECT_EQ(Build(),
            Expected_Lines({3, 81, 25, 106, Join({Module(true, 1, "3F"), Module(true, 2, "10"), Module(false, 3, "18")}),
                            3}));
}

TEST_F(UProfibus_GSDTest, OneModulePerFrameWithBitmap) {
  project.Par_Gen(Profi_Choices("1", "1"));
  project.Receive(Rx_Row("1") + Rx_Row("2", "Y", "20"));
  project.Transmit(Tx_Row());
  EXPECT_EQ(Build(), Expected_Lines({5, 29, 9, 38,
                                     Join({Module(true, 1, "07"), Module(true, 2, "13"), Module(true, 3, "00"),
                                           Module(false, 4, "07"), Module(false, 5, "00")}),
                                     3}));
}

TEST_F(UProfibus_GSDTest, ZeroLengthBitmapIsLeftOut) {
  project.Par_Gen(Profi_Choices("1", "1"));
  project.Receive(Rx_Row("1"));
  EXPECT_EQ(Build(), Expected_Lines({1, 8, 0, 8, Module(true, 1, "07"), 1}));
}

TEST_F(UProfibus_GSDTest, InputLengthAtTheModuleBoundary) {
  project.Par_Gen(Profi_Choices("0", "0"));
  project.Receive(Repeat(Rx_Row("1"), 8));
  std::vector<std::string> lines = Build();
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 189, lines.begin() + 192), Module(true, 1, "3F"));
  EXPECT_EQ(lines[192], "");
  project.Receive(Repeat(Rx_Row("1"), 8) + Rx_Row("2", "Y", "1"));
  lines = Build();
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 189, lines.begin() + 195),
            Join({Module(true, 1, "3F"), Module(true, 2, "00")}));
}

TEST_F(UProfibus_GSDTest, FlagsUseTheSharedReaders) {
  // "01" is not the exact text "1": 64-byte modules; " y" counts as transport protocol.
  project.Par_Gen(Profi_Choices("01", "0"));
  project.Receive(Rx_Row("1", " y", "20"));
  TGSD_Data d = Read_GSD_Data();
  EXPECT_FALSE(d.Module_Flag);
  EXPECT_EQ(d.Input_Len, 20);
  EXPECT_EQ(d.Input_Modules, 1);
}

TEST_F(UProfibus_GSDTest, ModuleSizeOutsideOneToSixtyFourIsRefused) {
  struct Case { const char* module; const char* tp; const char* num; int row; int size; } cases[] = {
      {"1", "Y", "65", 2, 65}, {"1", "Y", "0", 2, 0}, {"1", "Y", "abc", 2, 0}, {"0", "Y", "0", 2, 0},
  };
  for (const Case& c : cases) {
    project.Par_Gen(Profi_Choices(c.module, "0"));
    project.Receive(Rx_Row("1") + Rx_Row("2", c.tp, c.num));
    std::string text = "untouched";
    TGSD_Error error;
    EXPECT_FALSE(Build_GSD_Text(Read_GSD_Data(), text, &error)) << c.num;
    EXPECT_EQ(text, "untouched");
    EXPECT_EQ(error.Row, c.row) << c.num;
    EXPECT_EQ(error.Size, c.size) << c.num;
    EXPECT_NE(error.Text().find("Error in row 2!!"), std::string::npos) << error.Text();
  }
}

TEST_F(UProfibus_GSDTest, FileNames) {
  EXPECT_EQ(GSD_File_Name("Plant.GSD"), "Plant.GSD");
  EXPECT_EQ(GSD_File_Name("Plant"), "Plant.gsd");
  EXPECT_EQ(GSD_File_Name("a.gsd.gsd"), "a.gsd.gsd");
  EXPECT_EQ(GSD_File_Name("gsd"), "gsd.gsd");
}

TEST_F(UProfibus_GSDTest, PreconditionNeedsParGen) {
  EXPECT_EQ(Check_GSD_Preconditions(), Msg_GSD_No_ParGen);
  project.Par_Gen("");
  EXPECT_EQ(Check_GSD_Preconditions(), 0);
}

TEST_F(UProfibus_GSDTest, WriteReplacesTheFileAndStartsFromZeroEachTime) {
  project.Par_Gen(Profi_Choices("0", "0"));
  project.Transmit(Tx_Row());
  std::string path = project.dir.Sub("out.gsd");
  std::string error;
  ASSERT_TRUE(Write_GSD_File(path, &error)) << error;
  EXPECT_NE(project.dir.Read("out.gsd").find("Max_Output_Len=8\r\n"), std::string::npos);
  std::filesystem::remove(Path_J1939_Transmit);
  ASSERT_TRUE(Write_GSD_File(path, &error)) << error;
  EXPECT_NE(project.dir.Read("out.gsd").find("Max_Output_Len=0\r\n"), std::string::npos);
}

TEST_F(UProfibus_GSDTest, WriteFailuresLeaveTheOldFile) {
  std::string path = project.dir.Write("out.gsd", "old");
  project.Par_Gen(Profi_Choices("1", "0"));
  project.Receive(Rx_Row("1", "Y", "0"));
  std::string error;
  EXPECT_FALSE(Write_GSD_File(path, &error));
  EXPECT_NE(error.find("row 1"), std::string::npos) << error;
  EXPECT_EQ(project.dir.Read("out.gsd"), "old");
  EXPECT_FALSE(Write_GSD_File(project.dir.Sub("missing/out.gsd"), &error));
  project.dir.Write("PROJECTS/P/J1939_Receive.xml", "<broken");
  EXPECT_FALSE(Write_GSD_File(path, &error));
  EXPECT_NE(error.find("J1939_Receive.xml"), std::string::npos) << error;
  EXPECT_EQ(project.dir.Read("out.gsd"), "old");
}
