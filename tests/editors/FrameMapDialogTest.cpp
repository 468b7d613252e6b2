// The register-mapping and server SDO dialogs on their shared frame-mapping
// frame: the rules of Create and Modify with their messages, the byte lists
// a frame offers, Copy and Paste, the files loaded and saved again, and the
// loads that make OK ask before replacing a file.
#include <gtest/gtest.h>

#include "base/UFixedTexts.h"
#include "editors/UDefineJ1939Map.h"
#include "editors/UDefine_Server_SDO.h"
#include "tests/editors/CANopenFixture.h"

namespace {

std::string Map_File(const std::string& Root, const std::string& Rows) {
  return "<" + Root + ">" + Rows + "</" + Root + "><!--SW_VERSION = 1.000-->";
}

class FrameMapDialog : public CANopenFixture {
protected:
  void Select_Frame(TFFrameMapEditor* F, int Index) { F->LB_J1939_Frames->UserSelect(Index); }
  void Select_Item(TFFrameMapEditor* F, int Index) { F->LB_Items->UserSelect(Index); }
  std::vector<std::string> Lines(TListBox* L) {
    std::vector<std::string> v;
    for (int i = 0; i < L->Items()->Count(); ++i) v.push_back(L->Items()->Strings(i));
    return v;
  }
  // Clicks Button expecting the error box of string Message (0: none).
  void Press(TLbButton* Button, int Message) {
    size_t before = Driver.MessageBoxes().size();
    if (Message) Driver.ExpectMessage(Lang_Text(Message), mrOk);
    Click(Button);
    EXPECT_EQ(Driver.MessageBoxes().size(), before + (Message ? 1 : 0));
  }
};

struct TCreateCase {
  int Frame;
  std::string Index;
  int Message;
};

TEST_F(FrameMapDialog, RegisterCreateAndModifyRules) {
  Receive_Frames(Rx_Frame("256") + Rx_Frame("257", " y ", "20"));
  auto* F = FDefineRecJ1939;
  Show(F, [&] {
    for (const TCreateCase& c : std::vector<TCreateCase>{{0, "65535", 0},
                                                         {0, "65536", 133},
                                                         {0, "-1", 133},
                                                         {0, "abc", 133},
                                                         {0, "16", 0},
                                                         {1, "0x10", 134},
                                                         {1, "$11", 0},
                                                         {1, "17", 134}}) {
      SCOPED_TRACE(c.Index);
      Select_Frame(F, c.Frame);
      F->E_Index_Modbus->SetText(c.Index);
      Press(F->Btn_Create, c.Message);
    }
    Select_Frame(F, 0);
    EXPECT_EQ(Lines(F->LB_Modbus_Regs), (std::vector<std::string>{"65535; None; None;", "16; None; None;"}));
    // Modify to its own index passes, to another frame's index does not.
    Select_Item(F, 1);
    EXPECT_EQ(F->E_Index_Modbus->Text(), "16");
    F->CB_Byte_High_Part->SetItemIndex(2);
    Press(F->Btn_Modify, 0);
    EXPECT_EQ(Lines(F->LB_Modbus_Regs)[1], "16; Byte 2; None;");
    Select_Item(F, 1);
    F->E_Index_Modbus->SetText("17");
    Press(F->Btn_Modify, 134);
    // Nothing selected: Modify, Delete and Copy do nothing.
    F->LB_Modbus_Regs->SetItemIndex(-1);
    Press(F->Btn_Modify, 0);
    Press(F->Btn_Delete, 0);
    EXPECT_EQ(Lines(F->LB_Modbus_Regs).size(), 2u);
    Select_Item(F, 0);
    Press(F->Btn_Delete, 0);
    EXPECT_EQ(Lines(F->LB_Modbus_Regs), std::vector<std::string>{"16; Byte 2; None;"});
    Driver.Screenshot(F, "define-rec-j1939.png");
    Click(F->Btn_OK);
  });
  EXPECT_EQ(Project_File("Define_J1939_Rec.xml"),
            "<DefineRecJ1939>\n"
            "  <row Num_Frame=\"0\" Mod_Index=\"16\" Byte_HiPart=\"2\" Byte_LoPart=\"0\"/>\n"
            "  <row Num_Frame=\"1\" Mod_Index=\"$11\" Byte_HiPart=\"0\" Byte_LoPart=\"0\"/>\n"
            "</DefineRecJ1939>\n"
            "<!--SW_VERSION = 1.000-->\n");
}

TEST_F(FrameMapDialog, ByteListsFollowTheFrame) {
  Receive_Frames(Rx_Frame("1") + Rx_Frame("2", " y ", "20") + Rx_Frame("3", "Y", "abc") + Rx_Frame("4", "Y", "99999"));
  auto* F = FDefineRecJ1939;
  Show(F, [&] {
    EXPECT_EQ(F->CB_Byte_High_Part->Items()->Count(), 1);  // no frame selected: "None" alone
    for (auto [frame, count] : std::vector<std::pair<int, int>>{{0, 9}, {1, 21}, {2, 1}, {3, 1786}}) {
      Select_Frame(F, frame);
      EXPECT_EQ(F->CB_Byte_High_Part->Items()->Count(), count) << frame;
      EXPECT_EQ(F->CB_Byte_Low_Part->Items()->Count(), count) << frame;
    }
    Select_Frame(F, 1);
    EXPECT_EQ(F->CB_Byte_High_Part->Items()->Strings(20), "Byte 20");
    EXPECT_EQ(F->CB_Byte_High_Part->Items()->Strings(0), "None");
    // A copied byte 20 pasted onto an eight-byte frame shows no choice and is stored as "None".
    F->E_Index_Modbus->SetText("1");
    F->CB_Byte_High_Part->SetItemIndex(20);
    Press(F->Btn_Create, 0);
    Select_Item(F, 0);
    Click(F->Btn_Copy);
    Select_Frame(F, 0);
    Click(F->Btn_Paste);
    EXPECT_EQ(F->CB_Byte_High_Part->ItemIndex(), -1);
    F->E_Index_Modbus->SetText("2");
    Press(F->Btn_Create, 0);
    EXPECT_EQ(Lines(F->LB_Modbus_Regs), std::vector<std::string>{"2; None; None;"});
    Click(F->Btn_Cancel);
  });
}

TEST_F(FrameMapDialog, TransmitRegistersRoundTripWithTheirSendChoice) {
  Transmit_Frames(Tx_Frame("512") + Tx_Frame("513"));
  const std::string file = Map_File("DefineTransJ1939",
                                    "<row Num_Frame=\"1\" Mod_Index=\"1\" Byte_HiPart=\"1\" Byte_LoPart=\"2\" Send_on_Write=\"1\"/>"
                                    "<row Num_Frame=\"1\" Mod_Index=\"0x2\" Byte_HiPart=\"0\" Byte_LoPart=\"8\" Send_on_Write=\"0\"/>");
  Write_Project_File("Define_J1939_Tra.xml", file);
  auto* F = FDefineTransJ1939;
  Show(F, [&] {
    EXPECT_EQ(Lines(F->LB_J1939_Frames), (std::vector<std::string>{"6\t1\t512\t2", "6\t1\t513\t2"}));
    EXPECT_TRUE(Lines(F->LB_Modbus_Regs).empty());
    Select_Frame(F, 1);
    EXPECT_EQ(Lines(F->LB_Modbus_Regs), (std::vector<std::string>{"1; Byte 1; Byte 2;", "0x2; None; Byte 8;"}));
    Select_Item(F, 0);
    EXPECT_EQ(F->CB_SendJ1939_OnModWrite->Text(), "True");
    Click(F->Btn_Copy);
    Select_Item(F, 1);
    EXPECT_EQ(F->CB_SendJ1939_OnModWrite->Text(), "False");
    Click(F->Btn_Paste);
    EXPECT_EQ(F->CB_SendJ1939_OnModWrite->Text(), "True");
    EXPECT_EQ(F->E_Index_Modbus->Text(), "1");
    Click(F->Btn_OK);
  });
  EXPECT_EQ(Project_File("Define_J1939_Tra.xml"),
            "<DefineTransJ1939>\n"
            "  <row Num_Frame=\"1\" Mod_Index=\"1\" Byte_HiPart=\"1\" Byte_LoPart=\"2\" Send_on_Write=\"1\"/>\n"
            "  <row Num_Frame=\"1\" Mod_Index=\"0x2\" Byte_HiPart=\"0\" Byte_LoPart=\"8\" Send_on_Write=\"0\"/>\n"
            "</DefineTransJ1939>\n"
            "<!--SW_VERSION = 1.000-->\n");
}

// A show that could not place every row reports it (or, without frames,
// says nothing), and OK asks before the file loses them.
TEST_F(FrameMapDialog, IncompleteLoadsAskBeforeReplacing) {
  struct Case {
    const char* Name;
    std::string Frames;  // empty: no frame file
    std::string Rows;
    std::string Error;  // the error box at the show; empty: none
  };
  const std::string reg = "<row Num_Frame=\"3\" Mod_Index=\"1\" Byte_HiPart=\"0\" Byte_LoPart=\"0\"/>";
  for (const Case& c : std::vector<Case>{
           {"dangling", Rx_Frame("1") + Rx_Frame("2") + Rx_Frame("3"), reg,
            Bad_Frame_Reference_Text(1, "Num_Frame", "3", 3)},
           {"no_frame_file", "", reg, ""},
           {"missing_attribute", Rx_Frame("1"), "<row Num_Frame=\"0\" Mod_Index=\"1\" Byte_HiPart=\"0\"/>", "*"},
       }) {
    SCOPED_TRACE(c.Name);
    std::filesystem::remove(dir.Sub("PROJECTS/P/J1939_Receive.xml"));
    if (!c.Frames.empty()) Receive_Frames(c.Frames);
    const std::string file = Map_File("DefineRecJ1939", c.Rows);
    Write_Project_File("Define_J1939_Rec.xml", file);
    for (TModalResult answer : {mrNo, mrYes}) {
      if (!c.Error.empty()) Driver.ExpectMessage(c.Error == "*" ? "" : c.Error, mrOk);
      Driver.InModal([&] {
        Driver.ExpectMessage(Incomplete_File_Question("Define_J1939_Rec.xml"), answer);
        Click(FDefineRecJ1939->Btn_OK);
        if (answer == mrNo) Click(FDefineRecJ1939->Btn_Cancel);
      });
      FDefineRecJ1939->ShowModal();
      EXPECT_TRUE(Driver.ScriptDone());
      if (answer == mrNo) EXPECT_EQ(Project_File("Define_J1939_Rec.xml"), file);
      else EXPECT_NE(Project_File("Define_J1939_Rec.xml"), file);
      Write_Project_File("Define_J1939_Rec.xml", file);
    }
  }
}

TEST_F(FrameMapDialog, ServerSdoCreateRules) {
  Receive_Frames(Rx_Frame("256") + Rx_Frame("257"));
  auto* F = FDefine_Server_SDO_Read;
  struct Case {
    int Frame;
    std::string Index, Sub;
    int Message;
  };
  Show(F, [&] {
    for (const Case& c : std::vector<Case>{{0, "0x2000", "1", 0},
                                           {0, "$2000", "2", 0},
                                           {0, "8192", "1", 474},
                                           {0, "0x1FFF", "1", 472},
                                           {0, "0x6000", "1", 472},
                                           {0, "0x5FFF", "256", 473},
                                           {0, "0x5FFF", "-1", 473},
                                           {0, "0x2001", "3", 0},
                                           {1, "8193", "3", 474},
                                           {1, "8193", "4", 0}}) {
      SCOPED_TRACE(c.Index + "/" + c.Sub);
      Select_Frame(F, c.Frame);
      F->E_Index_SDO->SetText(c.Index);
      F->E_Sub_SDO->SetText(c.Sub);
      Press(F->Btn_Create, c.Message);
    }
    Select_Frame(F, 0);
    EXPECT_EQ(Lines(F->LB_SDOs),
              (std::vector<std::string>{"Index : 0x2000; Sub : 1;", "Index : $2000; Sub : 2;", "Index : 0x2001; Sub : 3;"}));
    // Modify without changing the pair passes; Copy, Paste, Create collides.
    Select_Item(F, 2);
    Press(F->Btn_Modify, 0);
    Select_Item(F, 2);
    Click(F->Btn_Copy);
    Select_Frame(F, 1);
    Click(F->Btn_Paste);
    Press(F->Btn_Create, 474);
    Driver.Screenshot(F, "server-sdo-read.png");
    Click(F->Btn_Cancel);
  });
  EXPECT_FALSE(Project_Has("CANopen_Define_Server_SDO_Read.xml"));
}

TEST_F(FrameMapDialog, ServerSdoSizeEnablesItsBytes) {
  Transmit_Frames(Tx_Frame("512"));
  auto* F = FDefine_Server_SDO_Write;
  Show(F, [&] {
    Select_Frame(F, 0);
    EXPECT_EQ(F->CB_Byte1_SDO->Items()->Count(), 9);
    for (TComboBox* b : {F->CB_Byte1_SDO, F->CB_Byte2_SDO, F->CB_Byte3_SDO, F->CB_Byte4_SDO}) b->SetItemIndex(3);
    F->CB_Dim_SDO->SetItemIndex(1);
    F->Aggiorna_Byte_SDO();
    EXPECT_TRUE(F->CB_Byte2_SDO->Enabled());
    EXPECT_FALSE(F->CB_Byte3_SDO->Enabled());
    EXPECT_EQ(F->CB_Byte3_SDO->ItemIndex(), 0);
    EXPECT_EQ(F->CB_Byte4_SDO->ItemIndex(), 0);
    EXPECT_EQ(F->CB_Byte2_SDO->ItemIndex(), 3);
    F->CB_Dim_SDO->SetItemIndex(2);
    F->Aggiorna_Byte_SDO();
    EXPECT_FALSE(F->CB_Byte2_SDO->Enabled());
    EXPECT_EQ(F->CB_Byte2_SDO->ItemIndex(), 0);
    F->CB_Dim_SDO->SetItemIndex(0);
    F->Aggiorna_Byte_SDO();
    for (TComboBox* b : {F->CB_Byte2_SDO, F->CB_Byte3_SDO, F->CB_Byte4_SDO}) EXPECT_TRUE(b->Enabled());
    EXPECT_EQ(F->CB_Byte1_SDO->ItemIndex(), 3);
    Click(F->Btn_Cancel);
  });
}

TEST_F(FrameMapDialog, ServerSdoFileRoundTrip) {
  Transmit_Frames(Tx_Frame("512") + Tx_Frame("513"));
  const std::string rows =
      "  <row NrPdo=\"2\" Index=\"0x2000\" SubIndex=\"1\" Dimension=\"1\" B1=\"1\" B2=\"2\" B3=\"0\" B4=\"0\" "
      "Send_SDO=\"1\"/>\n"
      "  <row NrPdo=\"1\" Index=\"8193\" SubIndex=\" 0\" Dimension=\"0\" B1=\"8\" B2=\"7\" B3=\"6\" B4=\"5\" "
      "Send_SDO=\"0\"/>\n";
  Write_Project_File("CANopen_Define_Server_SDO_Write.xml",
                     "<DefineSDOServerTraJ1939>\n" + rows + "</DefineSDOServerTraJ1939>\n<!--SW_VERSION = 1.000-->\n");
  auto* F = FDefine_Server_SDO_Write;
  Show(F, [&] {
    Select_Frame(F, 1);
    Select_Item(F, 0);
    EXPECT_EQ(F->CB_Dim_SDO->Text(), "2 Bytes");
    EXPECT_EQ(F->CB_SDO_Send_on_Write->Text(), "True");
    EXPECT_FALSE(F->CB_Byte3_SDO->Enabled());
    Click(F->Btn_OK);
  });
  // Frames in list order, so the object of frame 1 comes first now.
  EXPECT_EQ(Project_File("CANopen_Define_Server_SDO_Write.xml"),
            "<DefineSDOServerTraJ1939>\n"
            "  <row NrPdo=\"1\" Index=\"8193\" SubIndex=\" 0\" Dimension=\"0\" B1=\"8\" B2=\"7\" B3=\"6\" B4=\"5\" "
            "Send_SDO=\"0\"/>\n"
            "  <row NrPdo=\"2\" Index=\"0x2000\" SubIndex=\"1\" Dimension=\"1\" B1=\"1\" B2=\"2\" B3=\"0\" B4=\"0\" "
            "Send_SDO=\"1\"/>\n"
            "</DefineSDOServerTraJ1939>\n"
            "<!--SW_VERSION = 1.000-->\n");
}

}  // namespace
