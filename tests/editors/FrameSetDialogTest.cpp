// The SDO client dialog and the node guarding editor with their fixed sets
// of five J1939 frames: defaults, frames loaded each in its own guard, the
// checks with their messages, and the files written; the device table of
// the node guarding editor with its rules.
#include <gtest/gtest.h>

#include "base/UFixedTexts.h"
#include "editors/UDefine_Client_SDO.h"
#include "editors/UDefine_NodeGuard.h"
#include "tests/editors/CANopenFixture.h"
#include "tests/editors/TableCells.h"

namespace {

std::string Frame_Row(const std::string& Pri, const std::string& DP, const std::string& PGN, const std::string& SA,
                      const std::string& M = "") {
  return "<row Priority=\"" + Pri + "\" DataPage=\"" + DP + "\" PGN=\"" + PGN + "\" SA=\"" + SA + "\" Mnemonic=\"" + M +
         "\"/>";
}

std::string Frames_File(const std::string& Root, const std::string& Rows) {
  return "<" + Root + ">" + Rows + "</" + Root + "><!--SW_VERSION = 1.000-->";
}

class FrameSetDialog : public CANopenFixture {
protected:
  TJ1939FrameSet& Client() { return *FDefine_Client_SDO->Frames; }
  std::string Frame_Texts(TJ1939FrameSet& S, int k) {
    size_t i = size_t(k);
    return (S.Pri[i] ? std::to_string(S.Pri[i]->ItemIndex()) : "-") + "|" + std::to_string(S.DP[i]->ItemIndex()) +
           "|" + S.PGN[i]->Text() + "|" + S.SA[i]->Text() + "|" + S.Mnemonic[i]->Text();
  }
};

TEST_F(FrameSetDialog, ClientDefaultsAreWrittenUnchanged) {
  Show(FDefine_Client_SDO, [&] {
    EXPECT_EQ(Frame_Texts(Client(), 0), "-|0|0x0001|0x01|");
    EXPECT_EQ(Frame_Texts(Client(), 4), "0|0|0x0005|0x05|");
    EXPECT_EQ(Client().DP[0]->Items()->Count(), 2);
    EXPECT_EQ(Client().Pri[1]->Items()->Count(), 8);
    EXPECT_EQ(FDefine_Client_SDO->ClientWidth(), 784);
    Driver.Screenshot(FDefine_Client_SDO, "client-sdo.png");
    Click(FDefine_Client_SDO->Btn_OK);
  });
  std::string rows;
  for (int k = 1; k <= 5; ++k)
    rows += "  <row Priority=\"0\" DataPage=\"0\" PGN=\"0x000" + std::to_string(k) + "\" SA=\"0x0" + std::to_string(k) +
            "\" Mnemonic=\"\"/>\n";
  EXPECT_EQ(Project_File("CANopen_Define_Client_SDO.xml"),
            "<J1939_Frames_SDOClient>\n" + rows + "</J1939_Frames_SDOClient>\n<!--SW_VERSION = 1.000-->\n");
}

// Each frame loads in its own guard; a priority the list does not offer is
// no choice, which OK writes as the default 0.
TEST_F(FrameSetDialog, ClientFramesLoadEachInItsGuard) {
  Write_Project_File("CANopen_Define_Client_SDO.xml",
                     Frames_File("J1939_Frames_SDOClient",
                                 Frame_Row("3", "1", "256", "1", "a") + "<row Priority=\"2\" DataPage=\"1\" PGN=\"9\"/>" +
                                     Frame_Row("0", "x", "258", "3") + Frame_Row("0", "1", "259", "4", "d") +
                                     Frame_Row("9", "1", "260", "5", "e")));
  Show(FDefine_Client_SDO, [&] {
    EXPECT_EQ(Frame_Texts(Client(), 0), "-|1|256|1|a");
    EXPECT_EQ(Frame_Texts(Client(), 1), "0|0|0x0002|0x02|");
    EXPECT_EQ(Frame_Texts(Client(), 2), "-|0|0x0003|0x03|");
    EXPECT_EQ(Frame_Texts(Client(), 3), "-|1|259|4|d");
    EXPECT_EQ(Frame_Texts(Client(), 4), "-1|1|260|5|e");
    // Frames 2 and 3 would be replaced by their defaults: OK asks first.
    Driver.ExpectMessage(Incomplete_File_Question("CANopen_Define_Client_SDO.xml"), mrYes);
    Click(FDefine_Client_SDO->Btn_OK);
  });
  EXPECT_NE(Project_File("CANopen_Define_Client_SDO.xml").find("<row Priority=\"0\" DataPage=\"1\" PGN=\"260\""),
            std::string::npos);
  // Another root name: all defaults.
  Write_Project_File("CANopen_Define_Client_SDO.xml", Frames_File("Other", Frame_Row("0", "1", "256", "1")));
  Show(FDefine_Client_SDO, [&] {
    EXPECT_EQ(Frame_Texts(Client(), 0), "-|0|0x0001|0x01|");
    Client().Pri[4]->SetItemIndex(6);
    Client().Pri[1]->SetItemIndex(5);
    Driver.ExpectMessage(Incomplete_File_Question("CANopen_Define_Client_SDO.xml"), mrNo);
    Click(FDefine_Client_SDO->Btn_OK);
    EXPECT_NE(Project_File("CANopen_Define_Client_SDO.xml").find("Other"), std::string::npos);
    Driver.ExpectMessage(Incomplete_File_Question("CANopen_Define_Client_SDO.xml"), mrYes);
    Click(FDefine_Client_SDO->Btn_OK);
  });
  Show(FDefine_Client_SDO, [&] {
    EXPECT_EQ(Client().Pri[4]->ItemIndex(), 6);
    EXPECT_EQ(Client().Pri[1]->ItemIndex(), 5);
    Click(FDefine_Client_SDO->Btn_Cancel);
  });
}

TEST_F(FrameSetDialog, ClientChecksEachFrame) {
  for (int k = 0; k < 5; ++k) {
    struct Case {
      std::string PGN, SA;
      int Message;  // 0: passes
    };
    for (const Case& c : std::vector<Case>{{"0xFFFF", "253", 0},
                                           {"0x10000", "1", 393 + 2 * k},
                                           {"-1", "1", 393 + 2 * k},
                                           {"1", "254", 394 + 2 * k},
                                           {"1", "", 394 + 2 * k}}) {
      SCOPED_TRACE(std::to_string(k) + " " + c.PGN + " " + c.SA);
      std::filesystem::remove(dir.Sub("PROJECTS/P/CANopen_Define_Client_SDO.xml"));
      Show(FDefine_Client_SDO, [&] {
        Client().PGN[size_t(k)]->SetText(c.PGN);
        Client().SA[size_t(k)]->SetText(c.SA);
        if (c.Message) Driver.ExpectMessage(Lang_Text(c.Message), mrOk);
        Click(FDefine_Client_SDO->Btn_OK);
        if (c.Message) Click(FDefine_Client_SDO->Btn_Cancel);
      });
      EXPECT_EQ(Project_Has("CANopen_Define_Client_SDO.xml"), c.Message == 0);
    }
  }
}

// ---- node guarding ----

struct TDeviceCase {
  const char* Name;
  TRowTexts Row;
  int Message;
};

void PrintTo(const TDeviceCase& c, std::ostream* os) { *os << c.Name; }

class NodeGuardRules : public ::testing::TestWithParam<TDeviceCase> {
protected:
  void SetUp() override { Load_Default_Lang(); }
  void TearDown() override { Lang_Strings.clear(); }
};

TEST_P(NodeGuardRules, FirstFailure) {
  TTableCheck t = NodeGuard_Check(Make_Cells(NodeGuard_Layout(), {GetParam().Row}));
  EXPECT_EQ(t.Message, GetParam().Message);
}

INSTANTIATE_TEST_SUITE_P(Cases, NodeGuardRules,
                         ::testing::Values(TDeviceCase{"max", {"127", "65535", "255", "m"}, 0},
                                           TDeviceCase{"min", {"1", "1", "1", ""}, 0},
                                           TDeviceCase{"node_128", {"128", "1", "1", ""}, 420},
                                           TDeviceCase{"node_0", {"0", "1", "1", ""}, 420},
                                           TDeviceCase{"node_blank", {" ", "1", "1", ""}, 420},
                                           TDeviceCase{"guard_65536", {"1", "65536", "1", ""}, 421},
                                           TDeviceCase{"guard_0", {"1", "0", "1", ""}, 421},
                                           TDeviceCase{"life_256", {"1", "1", "256", ""}, 422},
                                           TDeviceCase{"life_0", {"1", "1", "0", ""}, 422},
                                           TDeviceCase{"bell", {"1", "1", "1", "a\a"}, Msg_Unsavable_Char}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FrameSetDialog, NodeGuardRoundTripAndFrames) {
  auto* F = FDefine_NodeGuard;
  std::string devices;
  for (int i = 1; i <= 32; ++i)
    devices += "<row NodeID=\"" + std::to_string(i) + "\" GuardTime=\"100\" LifeTimeFactor=\"3\" Mnemonic=\"d\"/>";
  Write_Project_File("CANopen_Define_NodeGuard.xml", Frames_File("Node_Guarding", devices));
  Write_Project_File("CANopen_Define_NG_J1939_Frames.xml",
                     Frames_File("NG_J1939_Frames", Frame_Row("3", "7", "256", "1", "s")));
  Show(F, [&] {
    EXPECT_EQ(F->sga->RowCount(), 33);
    EXPECT_EQ(F->Btn_DelRow, nullptr);
    EXPECT_EQ(F->Btn_InsRow, nullptr);
    EXPECT_EQ(F->sga->Cells(ngNodeID, 32), "32");
    EXPECT_EQ(Frame_Texts(*F->Frames, 0), "3|7|256|1|s");
    EXPECT_EQ(Frame_Texts(*F->Frames, 1), "0|0|0x0002|0x02|");
    EXPECT_EQ(F->Frames->DP[0]->Items()->Count(), 8);
    Driver.Screenshot(F, "node-guard.png");
    // Frames 2 to 5 are not in the file: OK asks before writing their defaults.
    Driver.ExpectMessage(Incomplete_File_Question("CANopen_Define_NG_J1939_Frames.xml"), mrYes);
    Click(F->Btn_OK);
  });
  EXPECT_EQ(Project_File("CANopen_Define_NodeGuard.xml"),
            "<Node_Guarding>\n" +
                [&] {
                  std::string s;
                  for (int i = 1; i <= 32; ++i)
                    s += "  <row NodeID=\"" + std::to_string(i) +
                         "\" GuardTime=\"100\" LifeTimeFactor=\"3\" Mnemonic=\"d\"/>\n";
                  return s;
                }() +
                "</Node_Guarding>\n<!--SW_VERSION = 1.000-->\n");
  EXPECT_NE(Project_File("CANopen_Define_NG_J1939_Frames.xml")
                .find("<row Priority=\"3\" DataPage=\"7\" PGN=\"256\" SA=\"1\" Mnemonic=\"s\"/>"),
            std::string::npos);
  // Without the frames file the frames shown last time are not kept.
  std::filesystem::remove(dir.Sub("PROJECTS/P/CANopen_Define_NG_J1939_Frames.xml"));
  Show(F, [&] {
    EXPECT_EQ(Frame_Texts(*F->Frames, 0), "0|0|0x0001|0x01|");
    Click(F->Btn_Cancel);
  });
}

TEST_F(FrameSetDialog, NodeGuardFilesThatAreNotWholeAskFirst) {
  auto* F = FDefine_NodeGuard;
  // A devices file without its root has no rows; the frames load all the same.
  Write_Project_File("CANopen_Define_NodeGuard.xml", Frames_File("Other", "<row NodeID=\"1\"/>"));
  Write_Project_File("CANopen_Define_NG_J1939_Frames.xml",
                     Frames_File("NG_J1939_Frames", Frame_Row("1", "1", "300", "1")));
  Show(F, [&] {
    EXPECT_EQ(F->sga->Cells(ngNodeID, 1), "");
    EXPECT_EQ(F->Frames->PGN[0]->Text(), "300");
    Click(F->Btn_Cancel);
  });
  // 33 devices: the show says so and OK asks before dropping the last one.
  std::string devices;
  for (int i = 1; i <= 33; ++i)
    devices += "<row NodeID=\"1\" GuardTime=\"1\" LifeTimeFactor=\"1\" Mnemonic=\"\"/>";
  const std::string file = Frames_File("Node_Guarding", devices);
  Write_Project_File("CANopen_Define_NodeGuard.xml", file);
  Driver.ExpectMessage(Too_Many_Rows_Text("CANopen_Define_NodeGuard.xml", 32), mrOk);
  Show(F, [&] {
    EXPECT_EQ(F->Frames->PGN[0]->Text(), "300");
    Driver.ExpectMessage(Incomplete_File_Question("CANopen_Define_NG_J1939_Frames.xml"), mrYes);
    Driver.ExpectMessage(Incomplete_File_Question("CANopen_Define_NodeGuard.xml"), mrNo);
    Click(F->Btn_OK);
    Click(F->Btn_Cancel);
  });
  EXPECT_EQ(Project_File("CANopen_Define_NodeGuard.xml"), file);
}

TEST_F(FrameSetDialog, NodeGuardChecksTheFramesAfterTheDevices) {
  auto* F = FDefine_NodeGuard;
  Show(F, [&] {
    F->sga->SetCells(ngNodeID, 1, "128");
    F->Frames->PGN[2]->SetText("0x10000");
    Driver.ExpectMessage("Error in row 1" + Lang_Text(420), mrOk);
    Click(F->Btn_OK);
    F->sga->SetCells(ngNodeID, 1, "");
    Driver.ExpectMessage(Lang_Text(427), mrOk);
    Click(F->Btn_OK);
    F->Frames->PGN[2]->SetText("1");
    F->Frames->SA[4]->SetText("254");
    Driver.ExpectMessage(Lang_Text(432), mrOk);
    Click(F->Btn_OK);
    F->Frames->SA[4]->SetText("1");
    F->Frames->Mnemonic[1]->SetText("tab\x01");
    Driver.ExpectMessage(Unsavable_Field_Text("Mnemonic 2", "character U+0001"), mrOk);
    Click(F->Btn_OK);
    Click(F->Btn_Cancel);
  });
  EXPECT_FALSE(Project_Has("CANopen_Define_NodeGuard.xml"));
  EXPECT_FALSE(Project_Has("CANopen_Define_NG_J1939_Frames.xml"));
}

// The window is sizeable: the table and every mnemonic take the width it
// gains, the table the height; the other fields stay where they are.
TEST_F(FrameSetDialog, NodeGuardWindowResizesWithItsMnemonics) {
  auto* F = FDefine_NodeGuard;
  Show(F, [&] {
    EXPECT_EQ(F->BorderStyle(), bsSizeable);
    std::vector<int> mnemonic, pgnLeft;
    for (size_t k = 0; k < F->Frames->Mnemonic.size(); ++k) {
      mnemonic.push_back(F->Frames->Mnemonic[k]->Width());
      pgnLeft.push_back(F->Frames->PGN[k]->Left());
    }
    const int gridWidth = F->sga->Width(), gridHeight = F->sga->Height();
    F->SetBounds(F->Left(), F->Top(), F->Width() + 120, F->Height() + 80);
    Driver.Pump();
    for (size_t k = 0; k < F->Frames->Mnemonic.size(); ++k) {
      EXPECT_EQ(F->Frames->Mnemonic[k]->Width(), mnemonic[k] + 120) << k;
      EXPECT_EQ(F->Frames->PGN[k]->Left(), pgnLeft[k]) << k;
    }
    EXPECT_EQ(F->sga->Width(), gridWidth + 120);
    EXPECT_EQ(F->sga->Height(), gridHeight + 80);
    Driver.Screenshot(F, "editors-nodeguard-wider.png");
    F->SetBounds(F->Left(), F->Top(), F->Width() - 120, F->Height() - 80);
    Click(F->Btn_Cancel);
  });
}

}  // namespace
