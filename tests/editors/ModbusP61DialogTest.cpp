// The P61 request editors with their register/status map dialog: the frames
// the dialog offers with their byte positions, Import and locating a
// position, the map shown and the map the editor stores after OK.
#include <gtest/gtest.h>

#include "editors/UConf_Regs_P61.h"
#include "editors/UModbus_P61_Requests.h"
#include "tests/editors/TableEditorFixture.h"

namespace {

class ModbusP61Dialog : public TableEditorFixture {
protected:
  TFConf_Regs_P61* M() { return FConf_Regs_P61; }
  // Shows the map dialog for a request and runs Steps in it.
  void Show_Map(const std::string& Type, const std::string& Points, const std::string& Address, const std::string& Map,
                std::function<void()> Steps, int Show_Type = 0) {
    M()->Show_Type = Show_Type;
    M()->STR_SlaveID = "1";
    M()->STR_Type = Type;
    M()->STR_NPoint = Points;
    M()->STR_Address = Address;
    M()->STR_Conf_Points = Map;
    Driver.InModal(std::move(Steps));
    M()->ShowModal();
    EXPECT_TRUE(Driver.ScriptDone());
  }
  std::vector<std::string> Row(int R) {
    return {M()->ACG_Modbus_Regs->Cells(0, R), M()->ACG_Modbus_Regs->Cells(1, R), M()->ACG_Modbus_Regs->Cells(2, R)};
  }
  void Two_Received_Frames() {
    Write_Project_File("J1939_Receive.xml",
                       "<ReceiveNMEA2000>"
                       "<row DataPage=\"0\" PGN=\"65262\" SourceAddress=\"0\" TransportProtocol=\"Y\" NumBytes=\"20\"/>"
                       "<row DataPage=\"1\" PGN=\"61444\" SourceAddress=\"3\" TransportProtocol=\"N\" NumBytes=\"\"/>"
                       "</ReceiveNMEA2000>");
  }
};

TEST_F(ModbusP61Dialog, FramesOfferTheirBytesAndImportWritesThePosition) {
  Two_Received_Frames();
  Show_Map("Holding Register", "2", "100", "", [&] {
    ASSERT_EQ(M()->Def_J1939.size(), 2u);
    EXPECT_EQ(M()->Def_J1939[0].Description, "DP: 0; PGN: 65262; SA: 0; (20)");
    EXPECT_EQ(M()->Def_J1939[1].Description, "DP: 1; PGN: 61444; SA: 3; (8)");
    EXPECT_EQ(M()->Def_J1939[1].Offset_Start, 20);
    EXPECT_EQ(M()->Num_MAX_Byte, 28);
    EXPECT_EQ(M()->CB_Available_Byte->Items()->Count(), 20);
    M()->CB_Sel_FrameJ1939->SetItemIndex(1);
    M()->CB_Sel_FrameJ1939Change(nullptr);
    EXPECT_EQ(M()->CB_Available_Byte->Items()->Count(), 8);
    M()->CB_Available_Byte->SetItemIndex(2);
    M()->ACG_Modbus_Regs->SetCol(2);
    M()->ACG_Modbus_Regs->SetRow(2);
    Click(M()->Btn_Import);
    EXPECT_EQ(Row(2), (std::vector<std::string>{"101", "<None>", "23"}));
    // Locating a position selects its frame and byte.
    M()->ACG_Modbus_Regs->SetCells(1, 1, "28");
    M()->ACG_Modbus_RegsDblClickCell(M()->ACG_Modbus_Regs, 1, 1);
    M()->CB_Sel_FrameJ1939->SetItemIndex(0);
    M()->ACG_Modbus_Regs->SetCells(1, 1, "28");
    M()->ACG_Modbus_RegsDblClickCell(M()->ACG_Modbus_Regs, 1, 1);
    EXPECT_EQ(M()->CB_Sel_FrameJ1939->ItemIndex(), 1);
    EXPECT_EQ(M()->CB_Available_Byte->ItemIndex(), 7);
    for (const char* outside : {"29", "0"}) {
      M()->CB_Sel_FrameJ1939->SetItemIndex(0);
      M()->ACG_Modbus_Regs->SetCells(1, 1, outside);
      M()->ACG_Modbus_RegsDblClickCell(M()->ACG_Modbus_Regs, 1, 1);
      EXPECT_EQ(M()->CB_Sel_FrameJ1939->ItemIndex(), 0) << outside;
    }
    Driver.Screenshot(M(), "editors-regs-map.png");
    Click(M()->Btn_OK);
  });
}

// The bar between the grid and the frame panel moves the border between them;
// neither side becomes narrower than the bar's minimum.
TEST_F(ModbusP61Dialog, TheSplitterResizesTheFramePanel) {
  Show_Map("Holding Register", "2", "100", "", [&] {
    TSplitter* bar = M()->Splitter1;
    TExtColumnGrid* grid = M()->ACG_Modbus_Regs;
    ASSERT_EQ(bar->ResizedControl(), M()->P_Compile);
    EXPECT_EQ(bar->Left() + bar->Width(), M()->P_Compile->Left());
    EXPECT_EQ(grid->Left() + grid->Width(), bar->Left());
    const int panel = M()->P_Compile->Width(), gridWidth = grid->Width();
    int moved = 0;
    bar->OnMoved = [&](TObject*) { ++moved; };
    // A drag as a user makes it: the pointer goes to a screen position and is released there.
    auto drag = [&](int By) {
      const int from = bar->ClientToScreen(TPoint{1, 50}).X;
      Driver.MouseDown(bar, 1, 50);
      Driver.MouseMove(bar, 1 + By, 50, {ssLeft});
      Driver.MouseUp(bar, bar->ScreenToClient(TPoint{from + By, 0}).X, 50);
    };
    drag(-60);
    EXPECT_EQ(M()->P_Compile->Width(), panel + 60);
    EXPECT_EQ(grid->Width(), gridWidth - 60);
    EXPECT_EQ(grid->Left() + grid->Width(), bar->Left()) << "the bar moved with the border";
    EXPECT_EQ(moved, 1);
    drag(-2000);
    EXPECT_EQ(grid->Width(), bar->MinSize());
    drag(2000);
    EXPECT_EQ(M()->P_Compile->Width(), bar->MinSize());
    Click(M()->Btn_OK);
  });
}

TEST_F(ModbusP61Dialog, MapIsShownPerPointInRegisterOrStatusMode) {
  Show_Map("Holding Register", "3", "100", "[1,2][3,0]", [&] {
    EXPECT_EQ(M()->Caption(), "Configure Registers");
    EXPECT_EQ(M()->ACG_Modbus_Regs->RowCount(), 4);
    EXPECT_EQ(Row(1), (std::vector<std::string>{"100", "1", "2"}));
    EXPECT_EQ(Row(2), (std::vector<std::string>{"101", "3", "<None>"}));
    EXPECT_EQ(Row(3), (std::vector<std::string>{"102", "<None>", "<None>"}));
    EXPECT_EQ(M()->ACG_Modbus_Regs->Columns()->Items(2)->ComboItems()->Count(), 2001);
    Click(M()->Btn_Cancel);
  });
  Show_Map(" coil status ", "3", "0", "[5,1][6,9][7,2]", [&] {
    EXPECT_EQ(M()->Caption(), "Configure Status");
    EXPECT_EQ(M()->ACG_Modbus_Regs->Cells(2, 0), "Bit");
    EXPECT_EQ(Row(1), (std::vector<std::string>{"0", "5", "1"}));
    EXPECT_EQ(Row(2), (std::vector<std::string>{"1", "<None>", "<None>"}));
    EXPECT_EQ(M()->ACG_Modbus_Regs->Columns()->Items(2)->ComboItems()->Count(), 9);
    // Without offered frames Import does nothing.
    EXPECT_TRUE(M()->Def_J1939.empty());
    M()->ACG_Modbus_Regs->SetCol(1);
    Click(M()->Btn_Import);
    EXPECT_EQ(Row(1)[1], "5");
    Click(M()->Btn_Cancel);
  });
  Show_Map("Holding Register", "x", "0", "[1,2]", [&] {
    EXPECT_EQ(M()->ACG_Modbus_Regs->RowCount(), 2);
    EXPECT_EQ(Row(1), (std::vector<std::string>{"", "", ""}));
    Click(M()->Btn_Cancel);
  });
  // A count no request may have is cut to what the map can address.
  Show_Map("Coil Status", "1000000", "0", "", [&] {
    EXPECT_EQ(M()->NB, 2000);
    EXPECT_EQ(M()->ACG_Modbus_Regs->RowCount(), 2001);
    Click(M()->Btn_Cancel);
  });
}

TEST_F(ModbusP61Dialog, MapDialogKeepsItsStartUpTexts) {
  EXPECT_EQ(M()->Btn_Import->Caption(), "Import");
  Lang_Strings[588] = "Importa";
  main->Change_Language();
  EXPECT_EQ(M()->Btn_Import->Caption(), "Import");
}

TEST_F(ModbusP61Dialog, MapButtonStoresTheMapAfterOk) {
  Two_Received_Frames();
  TFModbusWriteReq_P61* w = FModbusWriteReq_P61;
  Driver.InModal([&] {
    TExtColumnGrid* g = w->ACG_Modbus_Write();
    for (auto [c, t] : std::initializer_list<std::pair<int, const char*>>{
             {pwSlaveID, "1"}, {pwType, "Holding Register"}, {pwAddress, "40"}, {pwNPoint, "2"}, {pwPollTime, "0"},
             {pwMaxError, "0"}, {pwMap, "[1,2]"}})
      g->SetCells(c, 1, t);
    g->SetRow(1);
    // Cancel keeps the map.
    Driver.InModal([&] { Click(FConf_Regs_P61->Btn_Cancel); });
    Click(w->Btn_RegMap);
    EXPECT_EQ(g->Cells(pwMap, 1), "[1,2]");
    // OK writes one item per point, "<None>" as 0.
    Driver.InModal([&] {
      EXPECT_EQ(FConf_Regs_P61->Show_Type, 0);
      EXPECT_EQ(FConf_Regs_P61->ACG_Modbus_Regs->Cells(0, 2), "41");
      Click(FConf_Regs_P61->Btn_OK);
    });
    Click(w->Btn_RegMap);
    EXPECT_EQ(g->Cells(pwMap, 1), "[1,2][0,0]");
    // A count the type does not allow is refused before the map opens.
    g->SetCells(pwNPoint, 1, "124");
    Driver.ExpectMessage("Error row 1!! NPoint must be between 1 and ", mrOk);
    Click(w->Btn_RegMap);
    g->SetCells(pwNPoint, 1, "2");
    // The header and a row without slave open nothing.
    w->DblClickCell(g, 0, pwMap);
    w->DblClickCell(g, 2, pwMap);
    Click(w->Btn_OK);
  });
  w->ShowModal();
  EXPECT_NE(Project_File("Modbus_Write_Req.xml").find("Regs_Status_Map=\"[1,2][0,0]\""), std::string::npos);
}

}  // namespace
