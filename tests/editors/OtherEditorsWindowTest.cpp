// The table editors of other products and variants, which no step of the
// main window shows: each is created at start-up, takes its texts from the
// string table (and again after a language change, where it follows one),
// and a table entered in it comes back from its file as it was entered.
#include <gtest/gtest.h>

#include <functional>

#include "editors/UModbusReadRequest.h"
#include "editors/UModbusWriteRequest.h"
#include "editors/UModbus_P61_Requests.h"
#include "editors/UReceiveJ1939.h"
#include "editors/UReceiveJ1939_P63.h"
#include "editors/UReceive_CAN_Frames.h"
#include "editors/UTableFile.h"
#include "editors/UTransmitJ1939.h"
#include "editors/UTransmitJ1939_P63.h"
#include "editors/UTransmit_CAN_Frames.h"
#include "editors/UTransmit_J1939_Frame_Atmel_P75.h"
#include "tests/editors/TableCells.h"
#include "tests/editors/TableEditorFixture.h"
#include "tests/editors/TableUser.h"
#include "toolkit/rtl/FileUtils.h"

namespace {

struct TEditorCase {
  const char* Name;
  std::function<TFTableEditor*()> Form;
  std::vector<TRowTexts> Rows;  // a table that passes the editor's rules
};

void PrintTo(const TEditorCase& c, std::ostream* os) { *os << c.Name; }

std::vector<TEditorCase> Editor_Cases() {
  return {
      {"ReceiveJ1939",
       [] { return static_cast<TFTableEditor*>(FReceiveJ1939); },
       {{"0", "0xFEF1", "0", "Y", "1", "20", "Y", "Engine"}, {"1", "61444", "3", "N", "", "", "N", "Öl & \"x\""}}},
      {"TransmitJ1939",
       [] { return static_cast<TFTableEditor*>(FTransmitJ1939); },
       {{"3", "1", "65535", "5", "On Timer", "100", "Cmd"}, {"6", "0", "256", "2", "On Data Change", "", ""}}},
      {"Receive_J1939_P63",
       [] { return static_cast<TFTableEditor*>(FReceive_J1939_P63); },
       {{"0", "65262", "0", "N", "2", "4", "N", "Temp"}, {"1", "0x1F", "239", "Y", "0", "1785", "Y", ""}}},
      {"Transmit_J1939_P63",
       [] { return static_cast<TFTableEditor*>(FTransmit_J1939_P63); },
       {{"3", "1", "65535", "5", "12", "Y", "N", "Y", "100", "Cmd"}, {"0", "0", "1", "0", "8", "N", "Y", "N", "", ""}}},
      {"Transmit_J1939_Frame_Atmel_P75",
       [] { return static_cast<TFTableEditor*>(FTransmit_J1939_Frame_Atmel_P75); },
       {{"7", "0", "65535", "239", "Last"}, {"0", "1", "0", "0", ""}}},
      {"Receive_CAN_Frames",
       [] { return static_cast<TFTableEditor*>(FReceive_CAN_Frames); },
       {{"0x7FF", "2.0A (11bits)", "2", "0", "1999", "", "", "", "", "", "", "0", "Speed"},
        {"536870911", "2.0B (29bits)", "8", "1", "2", "3", "4", "5", "6", "7", "8", "100000000", ""}}},
      {"Transmit_CAN_Frames",
       [] { return static_cast<TFTableEditor*>(FTransmit_CAN_Frames); },
       {{"256", "2.0A (11bits)", "1", "7", "", "", "", "", "", "", "", "Y", "Y", "250", "Cmd"},
        {"257", "2.0B (29bits)", "1", "8", "", "", "", "", "", "", "", "N", "N", "", ""}}},
      // Row 2 left empty: the third request is written and comes back in row 2.
      {"ModbusWriteRequest",
       [] { return static_cast<TFTableEditor*>(FModbusWriteRequest); },
       {{"192.168.1.125", "502", "1", "Coil Status", "0", "1968", "0", "Y", "3", "5", "7", "Y", "Pumps"},
        {},
        {"10.0.0.1", "1", "247", "Holding Register", "65535", "1", "100", "N", "0", "0", "", "N", ""}}},
      {"ModbusReadRequest",
       [] { return static_cast<TFTableEditor*>(FModbusReadRequest); },
       {{"192.168.1.125", "502", "1", "Input Status", "0", "2000", "1", "3", "6", "0", "N", "Levels"},
        {"10.0.0.1", "1", "247", "Input Register", "65535", "125", "100", "0", "0", "", "Y", ""}}},
      {"ModbusWriteReq_P61",
       [] { return static_cast<TFTableEditor*>(FModbusWriteReq_P61); },
       {{"1", "Coil Status", "0", "2", "0", "Y", "3", "[5,8][0,1]", "Valves"},
        {},
        {"247", "Holding Register", "65535", "1", "100", "N", "0", "[1,2]", ""}}},
      {"ModbusReadReq_P61",
       [] { return static_cast<TFTableEditor*>(FModbusReadReq_P61); },
       {{"1", "Input Status", "0", "1", "1", "3", "[2000,8]", "Levels"},
        {"247", "Input Register", "65535", "1", "100", "0", "[0,0]", ""}}},
  };
}

class OtherEditorsWindow : public TableEditorFixture, public ::testing::WithParamInterface<TEditorCase> {
protected:
  TFTableEditor* F() { return GetParam().Form(); }
  // Shows the editor modally, as its own step would, and runs Steps in it.
  void Show(std::function<void()> Steps) {
    Driver.InModal(std::move(Steps));
    F()->ShowModal();
    EXPECT_TRUE(Driver.ScriptDone());
  }
  // The texts Set_Lang takes from the string table, as they stand in the window.
  std::vector<std::string> Texts() {
    std::vector<std::string> t = {F()->Caption(), F()->L_SW_Desc->Caption(), F()->Btn_OK->Caption(),
                                  F()->Btn_Cancel->Caption(), F()->Btn_DelRow->Caption()};
    if (F()->Btn_InsRow) t.push_back(F()->Btn_InsRow->Caption());
    for (int c = 0; c < F()->sga->Columns()->Count(); ++c) t.push_back(F()->sga->Cells(c, 0));
    return t;
  }
  // The same texts as the layout names them, in the string table now in force.
  std::vector<std::string> Layout_Texts() {
    const TTableLayout& l = F()->Layout();
    std::vector<std::string> t = {Lang_Text(l.Caption), Lang_Text(l.Desc), Lang_Text(l.Btn_OK),
                                  Lang_Text(l.Btn_Cancel), Lang_Text(l.Btn_DelRow)};
    if (l.Has_Insert) t.push_back(Lang_Text(l.Btn_InsRow));
    for (const TTableColumn& c : l.Columns) t.push_back(Lang_Text(c.Header));
    return t;
  }
};

TEST_P(OtherEditorsWindow, CreatedAtStartUpAndRelabelledOnALanguageChange) {
  ASSERT_NE(F(), nullptr);
  EXPECT_EQ(F()->L_SW_Code->Caption(), SW_Code);
  EXPECT_EQ(Texts(), Layout_Texts());
  for (const std::string& t : Texts()) EXPECT_FALSE(t.empty());
  std::vector<std::string> start_up = Texts();
  // Another language: every text of the table replaced.
  for (size_t i = 0; i < Lang_Strings.size(); ++i) Lang_Strings[i] = "L" + std::to_string(i);
  main->Change_Language();
  EXPECT_EQ(Texts(), F()->Layout().Relabel ? Layout_Texts() : start_up);
  // The language file that comes with the program.
  Load_Default_Lang();
  ASSERT_TRUE(Read_Lang_File((Shipped_Language_Folder() / "English.lng").string()));
  main->Change_Language();
  EXPECT_EQ(Texts(), F()->Layout().Relabel ? Layout_Texts() : start_up);
}

TEST_P(OtherEditorsWindow, EnteredTableComesBackFromItsFile) {
  const std::vector<TRowTexts>& rows = GetParam().Rows;
  Show([&] {
    EXPECT_EQ(F()->sga->RowCount(), F()->Layout().Capacity + 1);
    TTableUser(Driver, F()).Enter_Rows(rows);
    Click(F()->Btn_OK);
  });
  const TTableLayout& layout = F()->Layout();
  std::string file = Project_File(ExtractFileName(*layout.Path));
  EXPECT_EQ(file.rfind("<" + layout.Root + ">", 0), 0u) << file;
  std::vector<TRowTexts> filled;
  for (const TRowTexts& r : rows)
    if (!r.empty() || !layout.Skip_Empty_Rows) filled.push_back(r);
  TTableCells typed = Make_Cells(layout, filled);
  Show([&] {
    TTableCells shown = F()->Grid_Cells();
    for (int r = 1; r <= shown.Rows(); ++r) EXPECT_EQ(Row_Texts(shown, r), Row_Texts(typed, r)) << "row " << r;
    Click(F()->Btn_Cancel);
  });
}

INSTANTIATE_TEST_SUITE_P(Editors, OtherEditorsWindow, ::testing::ValuesIn(Editor_Cases()),
                         [](const auto& Info) { return std::string(Info.param.Name); });

}  // namespace

namespace {

class OtherProductSteps : public TableEditorFixture {};

// Their buttons are hidden in this build; the main window still dispatches them.
TEST_F(OtherProductSteps, HiddenStepsShowTheirEditors) {
  for (auto [step, dialog] : std::initializer_list<std::pair<TLbButton*, TFTableEditor*>>{
           {main->Btn_Modbus_Write_Request, FModbusWriteRequest},
           {main->Btn_Modbus_Read_Request, FModbusReadRequest},
           {main->Btn_Receive_CAN, FReceive_CAN_Frames},
           {main->Btn_Transmit_CAN, FTransmit_CAN_Frames}}) {
    EXPECT_FALSE(step->Visible());
    Driver.InModal([&] {
      EXPECT_EQ(Application->ModalForm(), dialog);
      Click(dialog->Btn_Cancel);
    });
    main->Btn_Click(step);
    EXPECT_TRUE(Driver.ScriptDone());
  }
}

TEST_F(OtherProductSteps, CANDeleteQuestionAndScreenshot) {
  Driver.InModal([&] {
    TFTableEditor* f = FTransmit_CAN_Frames;
    f->sga->SetCells(cfCobID, 1, "1");
    f->sga->SetCells(cfCobID, 2, "2");
    f->sga->SetRow(1);
    Driver.Screenshot(f, "editors-transmit-can.png");
    Driver.ExpectMessage("Are you sure to delete the Row number 1", mrYes);
    Click(f->Btn_DelRow);
    EXPECT_EQ(f->sga->Cells(cfCobID, 1), "2");
    Click(f->Btn_Cancel);
  });
  FTransmit_CAN_Frames->ShowModal();
  EXPECT_TRUE(Driver.ScriptDone());
}

}  // namespace
