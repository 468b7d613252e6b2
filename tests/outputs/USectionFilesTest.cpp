// The numbers of the section files are read once, into the range of the
// field that carries them; a value outside it stops every step that reads the
// file, with a message naming the file, the row or element and the attribute.
#include "outputs/USectionFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "outputs/UModuleChecks.h"
#include "outputs/UProfibus_GSD.h"
#include "outputs/Usavebincc.h"
#include "tests/outputs/SectionFixtures.h"

namespace {

std::string Rx(const std::string& Attributes) {
  return "<row DataPage=\"0\" PGN=\"1\" SourceAddress=\"1\" CancelData=\"N\" " + Attributes + "/>";
}
std::string Tx(const std::string& Attributes) { return "<row DataPage=\"0\" PGN=\"1\" SourceAddress=\"1\" " + Attributes + "/>"; }

struct TRangeCase {
  const char* file;  // "rx", "tx" or "par"
  std::string content;
  std::string error;  // part of the message; empty when the file is accepted
};

void Write(const TProjectFixture& p, const TRangeCase& c) {
  if (std::string(c.file) == "rx") p.Receive(Rx_Row("1") + c.content);
  else if (std::string(c.file) == "tx") p.Transmit(c.content);
  else p.Par_Gen(c.content);
}

// The message of a refused load, or "" when every reader accepts the files.
std::string Load_Error() {
  try {
    Load_Par_Gen_File(Path_ParGen);
    Load_Section_Table(Path_J1939_Receive, Receive_Number_Fields);
    Load_Section_Table(Path_J1939_Transmit, Transmit_Number_Fields);
  } catch (const ESectionFileError& e) {
    return e.Message();
  }
  return "";
}

}  // namespace

TEST(USectionFilesTest, NumbersOutsideTheirFieldAreRefused) {
  const TRangeCase cases[] = {
      {"rx", Rx("TransportProtocol=\"Y\" StartByte=\"0\" NumBytes=\"2147483647\""),
       "J1939_Receive.xml: row 2: the attribute \"NumBytes\" is 2147483647, outside 0 to 1785"},
      {"rx", Rx("TransportProtocol=\"Y\" StartByte=\"0\" NumBytes=\"100000\""), "\"NumBytes\" is 100000, outside 0 to 1785"},
      {"rx", Rx("TransportProtocol=\"y\" StartByte=\"0\" NumBytes=\"-1\""), "\"NumBytes\" is -1, outside 0 to 1785"},
      {"rx", Rx("TransportProtocol=\"Y\" StartByte=\"70000\" NumBytes=\"1\""), "\"StartByte\" is 70000, outside 0 to 1785"},
      {"rx", Rx("TransportProtocol=\"Y\" StartByte=\"0\" NumBytes=\"99999999999999999999999\""),
       "\"NumBytes\" is 99999999999999999999999, outside 0 to 1785"},
      {"rx", Rx("TransportProtocol=\"Y\" StartByte=\"0\" NumBytes=\"1785\""), ""},
      {"rx", Rx("TransportProtocol=\"Y\" StartByte=\"0\" NumBytes=\"abc\""), ""},  // no number: 0, as before
      {"rx", Rx("TransportProtocol=\"N\" StartByte=\"70000\" NumBytes=\"100000\""), ""},  // not looked at
      {"rx", "<row DataPage=\"2\" PGN=\"1\" SourceAddress=\"1\"/>", "\"DataPage\" is 2, outside 0 to 1"},
      {"rx", "<row DataPage=\"0\" PGN=\"0x40000\" SourceAddress=\"1\"/>", "\"PGN\" is 0x40000, outside 0 to 262143"},
      {"rx", "<row DataPage=\"0\" PGN=\"1\" SourceAddress=\"256\"/>", "\"SourceAddress\" is 256, outside 0 to 255"},
      {"rx", Rx("OnRequest=\"Y\" OnReq_Time=\"-5\""), "\"OnReq_Time\" is -5, outside 0 to 4294967295"},
      {"rx", Rx("OnRequest=\"Y\" OnReq_Time=\"4294967295\""), ""},
      {"rx", Rx("OnRequest=\"N\" OnReq_Time=\"-5\""), ""},
      {"tx", "<row Priority=\"8\" DataPage=\"0\" PGN=\"1\" SourceAddress=\"1\"/>",
       "J1939_Transmit.xml: row 1: the attribute \"Priority\" is 8, outside 0 to 7"},
      {"tx", Tx("Priority=\"1\" NumByte=\"9\""), "\"NumByte\" is 9, outside 0 to 8"},
      {"tx", Tx("Priority=\"1\" OnTimer=\"Y\" OnTimer_Time=\"4294967296\""), "\"OnTimer_Time\" is 4294967296, outside"},
      {"tx", Tx("Priority=\"1\" OnTimer=\"N\" OnTimer_Time=\"4294967296\""), ""},
      {"par", "<Can_TimeOut>2147483647</Can_TimeOut>",
       "ParGen.xml: the element \"Can_TimeOut\" is 2147483647, outside 0 to 4294967"},
      {"par", "<Can_TimeOut>4294967</Can_TimeOut>", ""},
      {"par", "<Can_Baud>99999999999</Can_Baud>", ""},  // any index: 250 kbit/s
      {"par", "<Profi_ID>127</Profi_ID>", "\"Profi_ID\" is 127, outside 0 to 126"},
      {"par", "<J1939_Device_ID>256</J1939_Device_ID>", "\"J1939_Device_ID\" is 256, outside 0 to 255"},
      {"par", "<Filter_FECA>1</Filter_FECA><TimeOut_FECA>-1</TimeOut_FECA>", "\"TimeOut_FECA\" is -1, outside"},
      {"par", "<Filter_FECA>0</Filter_FECA><TimeOut_FECA>-1</TimeOut_FECA>", ""},
  };
  for (const TRangeCase& c : cases) {
    TProjectFixture project;
    Write(project, c);
    std::string error = Load_Error();
    if (c.error.empty()) {
      EXPECT_EQ(error, "") << c.content;
      continue;
    }
    ASSERT_NE(error, "") << c.content;
    EXPECT_NE(error.find(c.error), std::string::npos) << error;
    // Neither output step gets past its checks with such a file.
    EXPECT_THROW(Check_Modules_Creation(), ESectionFileError) << c.content;
    std::string why;
    EXPECT_FALSE(Create_Bin(&why));
    EXPECT_EQ(why, error);
    EXPECT_TRUE(Bin_Buffer.empty());
  }
}

// A value dropped because its flag is off takes the reader's fallback.
TEST(USectionFilesTest, ValuesWhoseFlagIsOffTakeTheFallback) {
  TProjectFixture project;
  project.Receive(Rx("TransportProtocol=\"N\" StartByte=\"70000\" NumBytes=\"12\" OnRequest=\"N\" OnReq_Time=\"-5\""));
  TSectionTable t = Load_Section_Table(Path_J1939_Receive, Receive_Number_Fields);
  ASSERT_EQ(t.Rows.size(), 1u);
  EXPECT_EQ(t.Rows[0].Number("StartByte"), std::nullopt);
  EXPECT_EQ(t.Rows[0].Number("NumBytes"), 12);
  EXPECT_EQ(t.Rows[0].Number("OnReq_Time"), std::nullopt);
  EXPECT_EQ(Receive_Frame_Size(t.Rows[0]), 8);
}

// Many large frames: the sums do not wrap into a length that passes the
// 244-byte check or into a negative GSD length.
TEST(USectionFilesTest, SumsDoNotWrap) {
  TProjectFixture project;
  project.Par_Gen(Profi_Choices("0", "1"));
  project.Receive(Repeat(Rx_Row("1", "Y", "1785"), 30));
  project.Transmit(Tx_Row());
  EXPECT_EQ(Check_Modules_Creation().Message, Msg_Too_Many_Bytes);
  TGSD_Data d = Read_GSD_Data();
  EXPECT_EQ(d.Input_Len, 30 * 1785 + 1);
  ASSERT_TRUE(Create_Bin());
  EXPECT_EQ(Par_Bin.Rx_Data_Len, 30u * 1785 + 1);
  EXPECT_EQ(Bin_J1939_Rx[29].Offset, 29 * 1785);
}

namespace {

// A folder or a FIFO where a section file should be is an error naming what
// stands there, not a missing file read as an empty table.
TEST(USectionFilesTest, AFolderOrAFifoAtTheFilesPathIsReportedAsSuch) {
  struct {
    const char* kind;
    std::function<void(const std::string&)> make;
    const char* says;
  } cases[] = {
      {"folder", [](const std::string& P) { std::filesystem::create_directory(P); }, "is a folder"},
      {"fifo", [](const std::string& P) { ASSERT_EQ(mkfifo(P.c_str(), 0600), 0); }, "is not a regular file"},
  };
  for (auto& c : cases) {
    TProjectFixture project;
    std::filesystem::remove(Path_J1939_Receive);
    c.make(Path_J1939_Receive);
    try {
      Load_Section_Table(Path_J1939_Receive, Receive_Number_Fields);
      ADD_FAILURE() << c.kind << " read as a table";
    } catch (const ESectionFileError& e) {
      EXPECT_NE(e.Message().find(c.says), std::string::npos) << c.kind << ": " << e.Message();
    }
    std::filesystem::remove(Path_J1939_Receive);
    EXPECT_TRUE(Load_Section_Table(Path_J1939_Receive, Receive_Number_Fields).Rows.empty()) << "missing file";
  }
}

}  // namespace
