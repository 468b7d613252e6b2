// The transmit and receive PDO dialogs: the J1939 frames they offer, a file
// loaded and saved again with its frame references, and the references,
// load errors and overfull files that make OK ask before replacing the file.
#include <gtest/gtest.h>

#include "base/UFixedTexts.h"
#include "editors/UDefine_RPDO.h"
#include "editors/UDefine_TPDO.h"
#include "tests/editors/CANopenFixture.h"
#include "tests/editors/TableCells.h"

namespace {

std::string Pdo_File(const std::string& Root, const std::string& Rows) {
  return "<" + Root + ">" + Rows + "</" + Root + "><!--SW_VERSION = 1.000-->";
}

class PDODialog : public CANopenFixture {
protected:
  TFDefine_TPDO* tp() { return FDefine_TPDO; }
  TFDefine_RPDO* rp() { return FDefine_RPDO; }
  std::vector<std::string> Offered(TFDefine_PDO* F) {
    std::vector<std::string> items;
    TStrings* s = F->sga->Columns()->Items(pcFrame_J1939)->ComboItems();
    for (int i = 0; i < s->Count(); ++i) items.push_back(s->Strings(i));
    return items;
  }
};

TEST_F(PDODialog, OffersTheFramesOfTheJ1939File) {
  Receive_Frames(Rx_Frame("256") + Rx_Frame("0xFEF1") + Rx_Frame("7"));
  Transmit_Frames(Tx_Frame("512"));
  Show(tp(), [&] {
    EXPECT_EQ(Offered(tp()), (std::vector<std::string>{"1;256;3;", "2;0xFEF1;3;", "3;7;3;"}));
    EXPECT_EQ(tp()->SL, Offered(tp()));
    EXPECT_EQ(tp()->Caption(), "Define Transmit PDO");
    EXPECT_EQ(tp()->sga->RowCount(), 11);
    EXPECT_EQ(tp()->sga->Cells(6, 0), "On CAN");
    EXPECT_EQ(tp()->ClientWidth(), 700);
    Driver.Screenshot(tp(), "tpdo.png");
    Click(tp()->Btn_Cancel);
  });
  Show(rp(), [&] {
    EXPECT_EQ(Offered(rp()), std::vector<std::string>{"1;512;2;"});
    EXPECT_EQ(rp()->Caption(), "Define Receive PDO");
    EXPECT_EQ(rp()->L_SW_Desc->Caption(), "Define Receive PDO");
    EXPECT_EQ(rp()->sga->Cells(5, 0), "Mnemonic");
    Click(rp()->Btn_Cancel);
  });
}

// References by position come back as the entries they name and are saved
// as positions; a row without a frame has no attribute, and a file without
// OnCAN loads with an empty column.
TEST_F(PDODialog, FileRoundTrip) {
  Receive_Frames(Rx_Frame("256") + Rx_Frame("257") + Rx_Frame("258"));
  const std::string rows =
      "<row COB-ID=\"0x181\" Dimension=\"2\" Offset=\"1\" Frame_J1939=\"2\" DataChange=\"Y\" OnTimer=\"Y\" "
      "SendTimer=\"100\" Mnemonic=\"a\"/>"
      "<row COB-ID=\"$182\" Dimension=\"8\" Offset=\"1\" DataChange=\"\" OnTimer=\"N\" SendTimer=\"x\" Mnemonic=\"\"/>";
  Write_Project_File("CANopen_TPDO.xml", Pdo_File("Define_TPDO", rows));
  Show(tp(), [&] {
    TTableCells c = tp()->Grid_Cells();
    EXPECT_EQ(Row_Texts(c, 1), (TRowTexts{"0x181", "2", "1", "2;257;3;", "Y", "", "Y", "100", "a"}));
    EXPECT_EQ(Row_Texts(c, 2), (TRowTexts{"$182", "8", "1", "", "", "", "N", "x", ""}));
    Click(tp()->Btn_OK);
  });
  EXPECT_EQ(Project_File("CANopen_TPDO.xml"),
            "<Define_TPDO>\n"
            "  <row COB-ID=\"0x181\" Dimension=\"2\" Offset=\"1\" Frame_J1939=\"2\" DataChange=\"Y\" OnCAN=\"\" "
            "OnTimer=\"Y\" SendTimer=\"100\" Mnemonic=\"a\"/>\n"
            "  <row COB-ID=\"$182\" Dimension=\"8\" Offset=\"1\" DataChange=\"\" OnCAN=\"\" OnTimer=\"N\" "
            "SendTimer=\"x\" Mnemonic=\"\"/>\n"
            "</Define_TPDO>\n"
            "<!--SW_VERSION = 1.000-->\n");
}

TEST_F(PDODialog, ReceivePdoPicksATransmitFrame) {
  Transmit_Frames(Tx_Frame("512") + Tx_Frame("513"));
  Show(rp(), [&] {
    for (auto [c, t] : std::vector<std::pair<int, std::string>>{{1, "0x201"}, {2, "2"}, {3, "7"}, {5, "r"}})
      rp()->sga->SetCells(c, 1, t);
    rp()->sga->SetCells(pcFrame_J1939, 1, "2;513;2;");
    Click(rp()->Btn_OK);
  });
  EXPECT_EQ(Project_File("CANopen_RPDO.xml"),
            "<Define_RPDO>\n"
            "  <row COB-ID=\"0x201\" Dimension=\"2\" Offset=\"7\" Frame_J1939=\"2\" Mnemonic=\"r\"/>\n"
            "</Define_RPDO>\n"
            "<!--SW_VERSION = 1.000-->\n");
}

// What would be lost by OK is reported at the show, and OK asks first.
TEST_F(PDODialog, IncompleteLoadsAskBeforeReplacing) {
  struct Case {
    const char* Name;
    std::string Frames;
    std::string Rows;
    std::string Error_Part;
  };
  const std::string row = "<row COB-ID=\"1\" Dimension=\"1\" Offset=\"1\" Frame_J1939=\"5\" Mnemonic=\"\"/>";
  std::string eleven;
  for (int i = 0; i < 11; ++i) eleven += "<row COB-ID=\"1\" Dimension=\"1\" Offset=\"1\" Mnemonic=\"\"/>";
  for (const Case& c : std::vector<Case>{
           {"dangling", Tx_Frame("1") + Tx_Frame("2") + Tx_Frame("3") + Tx_Frame("4"), row, "names no frame"},
           {"not_a_number", Tx_Frame("1"), "<row COB-ID=\"1\" Dimension=\"1\" Offset=\"1\" Frame_J1939=\"x\" Mnemonic=\"\"/>",
            "names no frame"},
           {"frame_without_pgn", "<row DataPage=\"0\" SourceAddress=\"1\"/>", row, "PGN"},
           {"eleven_rows", Tx_Frame("1"), eleven, "more than 10 rows"},
           {"missing_mnemonic", Tx_Frame("1"), "<row COB-ID=\"1\" Dimension=\"1\" Offset=\"1\"/>", "Mnemonic"},
       }) {
    SCOPED_TRACE(c.Name);
    Transmit_Frames(c.Frames);
    const std::string file = Pdo_File("Define_RPDO", c.Rows);
    Write_Project_File("CANopen_RPDO.xml", file);
    for (TModalResult answer : {mrNo, mrYes}) {
      Driver.ExpectMessage("", mrOk);
      Driver.InModal([&] {
        Driver.ExpectMessage(Incomplete_File_Question("CANopen_RPDO.xml"), answer);
        Click(rp()->Btn_OK);
        if (answer == mrNo) Click(rp()->Btn_Cancel);
      });
      rp()->ShowModal();
      ASSERT_GE(Driver.MessageBoxes().size(), 2u);
      EXPECT_NE(Driver.MessageBoxes()[Driver.MessageBoxes().size() - 2].Text.find(c.Error_Part), std::string::npos)
          << Driver.MessageBoxes()[Driver.MessageBoxes().size() - 2].Text;
      if (answer == mrNo) EXPECT_EQ(Project_File("CANopen_RPDO.xml"), file);
      else EXPECT_NE(Project_File("CANopen_RPDO.xml"), file);
      Write_Project_File("CANopen_RPDO.xml", file);
    }
  }
}

TEST_F(PDODialog, WithoutJ1939FileNothingIsOffered) {
  Write_Project_File("CANopen_TPDO.xml",
                     Pdo_File("Define_TPDO", "<row COB-ID=\"1\" Dimension=\"1\" Offset=\"1\" DataChange=\"N\" "
                                             "OnTimer=\"N\" SendTimer=\"\" Mnemonic=\"\"/>"));
  Show(tp(), [&] {
    EXPECT_TRUE(Offered(tp()).empty());
    EXPECT_EQ(tp()->sga->Cells(pcCOB_ID, 1), "1");
    Click(tp()->Btn_Cancel);
  });
}

}  // namespace
