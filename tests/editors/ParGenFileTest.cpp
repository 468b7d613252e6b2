// ParGen.xml read into the dialog's values and written from them, and the
// limits checked on OK.
#include <gtest/gtest.h>

#include "base/ULanguage.h"
#include "editors/UParGenFile.h"
#include "editors/UTableCheck.h"
#include "tests/base/TempFolder.h"

namespace {

TParGenFile File_With(std::map<std::string, std::string> Values) {
  TParGenFile f;
  f.Exists = true;
  f.Values = std::move(Values);
  return f;
}

TEST(ParGenFile, MissingElementsTakeTheirDefaults) {
  TParGenValues v = Read_Par_Gen_Values(TParGenFile{});
  EXPECT_EQ(v.Can_Baud, 5);
  EXPECT_EQ(v.Can_TimeOut, "0");
  EXPECT_EQ(v.TimeOut_FECA, "0");
  EXPECT_EQ(v.J1939_Device_ID, "1");
  EXPECT_EQ(v.Profi_ID, "10");
  EXPECT_FALSE(v.Can_Peer || v.Filter_FECA || v.Profi_Module || v.Profi_Send_J1939);
}

TEST(ParGenFile, BitRateOutsideTheListIs250K) {
  struct {
    const char* Text;
    int Item;
  } cases[] = {{"0", 0}, {"8", 8}, {"3", 3}, {"9", 5}, {"12", 5}, {"-1", 5}, {"x", 5}, {"", 5}, {"0x7", 7}};
  for (auto& c : cases) EXPECT_EQ(Read_Par_Gen_Values(File_With({{"Can_Baud", c.Text}})).Can_Baud, c.Item) << c.Text;
}

TEST(ParGenFile, FlagsAreOnOnlyForOne) {
  for (const char* text : {"1", "0", "Y", "true", " 1"}) {
    bool on = std::string(text) == "1";
    TParGenValues v = Read_Par_Gen_Values(File_With(
        {{"Can_Peer", text}, {"Filter_FECA", text}, {"Profi_Module", text}, {"Profi_Send_J1939", text}}));
    EXPECT_EQ(v.Can_Peer, on) << text;
    EXPECT_EQ(v.Filter_FECA, on) << text;
    EXPECT_EQ(v.Profi_Module, on) << text;
    EXPECT_EQ(v.Profi_Send_J1939, on) << text;
  }
}

TEST(ParGenFile, WrittenFileReadsBackAsTyped) {
  TTempFolder dir;
  TParGenValues v;
  v.Can_Baud = 8;
  v.Can_TimeOut = "0x10";
  v.Can_Peer = true;
  v.TimeOut_FECA = "999999";
  v.J1939_Device_ID = " 7";
  v.Profi_ID = "125";
  v.Profi_Send_J1939 = true;
  Save_Par_Gen_File(v, dir.Sub("ParGen.xml"));
  EXPECT_EQ(dir.Read("ParGen.xml"),
            "<Par_Gen>\n  <Can_Baud>8</Can_Baud>\n  <Can_TimeOut>0x10</Can_TimeOut>\n  <Can_Peer>1</Can_Peer>\n"
            "  <Filter_FECA>0</Filter_FECA>\n  <TimeOut_FECA>999999</TimeOut_FECA>\n"
            "  <J1939_Device_ID> 7</J1939_Device_ID>\n  <Profi_ID>125</Profi_ID>\n  <Profi_Baud>0</Profi_Baud>\n"
            "  <Profi_Module>0</Profi_Module>\n  <Profi_Send_J1939>1</Profi_Send_J1939>\n</Par_Gen>\n"
            "<!--SW_VERSION = 1.000-->\n");
  TParGenValues back = Read_Par_Gen_Values(Load_Par_Gen_File(dir.Sub("ParGen.xml")));
  EXPECT_EQ(back.Can_Baud, 8);
  EXPECT_EQ(back.Can_TimeOut, "0x10");
  EXPECT_EQ(back.J1939_Device_ID, " 7");
  EXPECT_TRUE(back.Can_Peer && back.Profi_Send_J1939);
  EXPECT_FALSE(back.Filter_FECA || back.Profi_Module);
}

TEST(ParGenFile, LimitsInTheirOrder) {
  Load_Default_Lang();
  struct TCase {
    const char* Name;
    void (*Change)(TParGenValues&);
    int Message;
  } cases[] = {
      {"defaults", [](TParGenValues&) {}, 0},
      {"time-out 100000", [](TParGenValues& v) { v.Can_TimeOut = "100000"; }, 0},
      {"time-out 100001", [](TParGenValues& v) { v.Can_TimeOut = "100001"; }, 58},
      {"time-out hexadecimal", [](TParGenValues& v) { v.Can_TimeOut = "0x10"; }, 0},
      {"time-out empty", [](TParGenValues& v) { v.Can_TimeOut = ""; }, 58},
      {"time-out trailing blank", [](TParGenValues& v) { v.Can_TimeOut = "5 "; }, 58},
      {"FECA time ignored while off", [](TParGenValues& v) { v.TimeOut_FECA = "999999"; }, 0},
      {"FECA time 100001 when on",
       [](TParGenValues& v) {
         v.Filter_FECA = true;
         v.TimeOut_FECA = "100001";
       },
       715},
      {"device 239", [](TParGenValues& v) { v.J1939_Device_ID = "239"; }, 0},
      {"device 240", [](TParGenValues& v) { v.J1939_Device_ID = "240"; }, 370},
      {"station 0", [](TParGenValues& v) { v.Profi_ID = "0"; }, 716},
      {"station 1", [](TParGenValues& v) { v.Profi_ID = "1"; }, 0},
      {"station 125", [](TParGenValues& v) { v.Profi_ID = "125"; }, 0},
      {"station 126", [](TParGenValues& v) { v.Profi_ID = "126"; }, 716},
      {"first failing rule wins",
       [](TParGenValues& v) {
         v.Can_TimeOut = "-1";
         v.Profi_ID = "0";
       },
       58},
      {"a control character in the FECA time",
       [](TParGenValues& v) { v.TimeOut_FECA = "1\x07"; }, Msg_Unsavable_Char},
  };
  for (const TCase& c : cases) {
    TParGenValues v;
    c.Change(v);
    EXPECT_EQ(Check_Par_Gen(v).Message, c.Message) << c.Name;
  }
  TParGenValues v;
  v.Profi_ID = "200";
  EXPECT_EQ(Check_Par_Gen(v).Text, "Error PROFIBUS Slave!! ID Device must be between 1 and 125");
  v.Profi_ID = "1";
  v.TimeOut_FECA = "\x01";
  EXPECT_EQ(Check_Par_Gen(v).Text, "Error!! Filter FECA (ms) holds character U+0001, which cannot be saved");
  Lang_Strings.clear();
}

}  // namespace
