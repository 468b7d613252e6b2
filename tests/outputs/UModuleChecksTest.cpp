#include "outputs/UModuleChecks.h"

#include <gtest/gtest.h>

#include "base/ULanguage.h"
#include "tests/outputs/SectionFixtures.h"

namespace {

struct TCase {
  const char* name;
  const char* module;
  const char* send;
  std::string receive;
  std::string transmit;
  int message;
  int row;
};

}  // namespace

TEST(UModuleChecksTest, Table) {
  const std::string plain = Rx_Row("1");
  const TCase cases[] = {
      {"both off", "0", "0", Repeat(plain, 30), Repeat(Tx_Row(), 30), 0, 0},
      {"trimmed upper-cased TP over 64", "1", "0", plain + Rx_Row("2", "y ", "65"), "", 717, 2},
      {"TP of 64 passes", "1", "0", Rx_Row("2", "Y", "64"), "", 0, 0},
      {"non-TP row with big NumBytes", "1", "0", Rx_Row("2", "N", "200"), "", 0, 0},
      {"62 modules", "1", "1", Repeat(plain, 30), Repeat(Tx_Row(), 30), 718, 0},
      {"61 modules", "1", "1", Repeat(plain, 30), Repeat(Tx_Row(), 29), 0, 0},
      {"no transmit rows skip the byte total", "0", "1", Repeat(Rx_Row("2", "Y", "200"), 2), "", 0, 0},
      {"241 bytes pass", "0", "1", Repeat(plain, 30), Tx_Row(), 0, 0},
      {"249 bytes fail", "0", "1", Repeat(plain, 29) + Rx_Row("2", "Y", "16"), Tx_Row(), 719, 0},
      {"lower-case y counts its bytes", "0", "1", Repeat(plain, 29) + Rx_Row("2", "y", "16"), Tx_Row(), 719, 0},
      {"31 receive rows", "0", "0", Repeat(plain, 31), "", Msg_Too_Many_Frames, 31},
      {"31 transmit rows", "0", "0", "", Repeat(Tx_Row(), 31), Msg_Too_Many_Frames, 31},
  };
  for (const TCase& c : cases) {
    TProjectFixture project;
    project.Par_Gen(Profi_Choices(c.module, c.send));
    if (!c.receive.empty()) project.Receive(c.receive);
    if (!c.transmit.empty()) project.Transmit(c.transmit);
    TModuleCheck check = Check_Modules_Creation();
    EXPECT_EQ(check.Message, c.message) << c.name;
    EXPECT_EQ(check.Row, c.row) << c.name;
  }
}

TEST(UModuleChecksTest, MissingParameterFilePassesWithinTheRowLimit) {
  TProjectFixture project;
  project.Receive(Repeat(Rx_Row("1", "Y", "200"), 30));
  EXPECT_TRUE(Check_Modules_Creation().Passed());
}

TEST(UModuleChecksTest, MessageTexts) {
  Load_Default_Lang();
  EXPECT_EQ(Module_Check_Text({719, 0, ""}), "Error!! The Configuration use more of 244 byte");
  std::string rows = Module_Check_Text({Msg_Too_Many_Frames, 31, "J1939_Transmit.xml"});
  EXPECT_NE(rows.find("J1939_Transmit.xml"), std::string::npos) << rows;
  EXPECT_NE(rows.find("30"), std::string::npos) << rows;
  Lang_Strings.clear();
}

TEST(UModuleChecksTest, UnreadableFileRaises) {
  TProjectFixture project;
  project.dir.Write("PROJECTS/P/J1939_Receive.xml", "<ReceiveNMEA2000><row");
  EXPECT_THROW(Check_Modules_Creation(), ESectionFileError);
}
