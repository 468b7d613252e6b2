// The GSD File and Update Device steps from the main window's buttons: the
// refusals and their boxes, the save dialog and the overwrite question, the
// image written before the CAN wizard is shown, and no wizard on a failure.
#include "outputs/UOutputSteps.h"

#include <filesystem>

#include "outputs/UBootCANForm.h"
#include "platform/serial/SerialPorts.h"
#include "tests/app/ShellFixture.h"
#include "tests/outputs/SectionFixtures.h"

namespace fs = std::filesystem;

namespace {

const std::string Msg_714 = "Error! Please set the Set Communication Parameter before to create the GSD file";
const std::string Msg_713 = "File already exists! Do you want to overwrite the file?";

class UOutputStepsTest : public TShellFixture {
protected:
  void SetUp() override {
    TShellFixture::SetUp();
    platform::SetSerialDeviceFolder(devices.Path());
    devices.Write("ttyUSB0", "");
    Start();
    New_Project("Line3");
  }
  void TearDown() override {
    platform::SetSerialDeviceFolder({});
    TShellFixture::TearDown();
  }
  std::string In_Project(const std::string& Name) const { return "PROJECTS/Line3/" + Name; }
  void Par_Gen(const std::string& Elements) const { dir.Write(In_Project("ParGen.xml"), Par_Gen_File(Elements)); }
  void Receive(const std::string& Rows) const { dir.Write(In_Project("J1939_Receive.xml"), Table_File(Rows)); }
  std::string Bank() const { return dir.Sub(In_Project("bin/bank.bin")); }
  // Expects one error box whose text contains Part.
  void Expect_Error_Containing(const std::string& Part) {
    ASSERT_EQ(Driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(Driver.MessageBoxes()[0].Type, mtError);
    EXPECT_NE(Driver.MessageBoxes()[0].Text.find(Part), std::string::npos) << Driver.MessageBoxes()[0].Text;
  }

  TTempFolder devices;
};

// ---- GSD File ----

TEST_F(UOutputStepsTest, GsdWithoutParametersIsRefusedBeforeTheDialog) {
  Driver.ExpectMessage(Msg_714, mrOk);
  Click(main->Btn_GSD_File);
  Expect_Error_Containing(Msg_714);
  EXPECT_TRUE(Driver.FileDialogs().empty());
}

TEST_F(UOutputStepsTest, GsdStopsAtAFailedModuleCheck) {
  Par_Gen(Profi_Choices("1", "0"));
  Receive(Rx_Row("65280", "y ", "65"));
  Driver.ExpectMessage("", mrOk);
  Click(main->Btn_GSD_File);
  Expect_Error_Containing("greater of 64 byte");
  EXPECT_TRUE(Driver.FileDialogs().empty());
}

TEST_F(UOutputStepsTest, GsdSavedWhereTheUserChoosesWithTheExtensionAdded) {
  Par_Gen(Profi_Choices("0", "0"));
  Driver.AnswerSaveDialog(dir.Sub("out/Plant"));
  fs::create_directories(dir.Sub("out"));
  Click(main->Btn_GSD_File);
  ASSERT_EQ(Driver.FileDialogs().size(), 1u);
  const TFileDialogRequest& asked = Driver.FileDialogs()[0];
  EXPECT_TRUE(asked.Save);
  EXPECT_EQ(asked.InitialDir, dir.Sub("PROJECTS/Line3"));
  EXPECT_EQ(asked.Filter, "Generic Station Description (*.gsd)|*.gsd");
  EXPECT_TRUE(Driver.MessageBoxes().empty());
  std::string text = dir.Read("out/Plant.gsd");
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_NE(text.find("SlotDefinition\r\nEndSlotDefinition\r\n"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir.Sub("out/Plant")));
}

TEST_F(UOutputStepsTest, GsdNameTypedWithTheExtensionIsKept) {
  Par_Gen(Profi_Choices("0", "0"));
  Driver.AnswerSaveDialog(dir.Sub("Plant.GSD"));
  Click(main->Btn_GSD_File);
  EXPECT_TRUE(fs::exists(dir.Sub("Plant.GSD")));
  EXPECT_FALSE(fs::exists(dir.Sub("Plant.GSD.gsd")));
}

TEST_F(UOutputStepsTest, GsdCancelledDialogWritesNothing) {
  Par_Gen(Profi_Choices("0", "0"));
  Driver.CancelSaveDialog();
  Click(main->Btn_GSD_File);
  EXPECT_TRUE(Driver.ScriptDone());
  EXPECT_TRUE(Driver.MessageBoxes().empty());
  for (const auto& e : fs::recursive_directory_iterator(dir.Path()))
    EXPECT_NE(e.path().extension(), ".gsd") << e.path();
}

TEST_F(UOutputStepsTest, GsdOverwriteOnlyAfterYes) {
  Par_Gen(Profi_Choices("0", "0"));
  dir.Write("Plant.gsd", "old");
  Driver.AnswerSaveDialog(dir.Sub("Plant"));
  Driver.ExpectMessage(Msg_713, mrNo);
  Click(main->Btn_GSD_File);
  ASSERT_EQ(Driver.MessageBoxes().size(), 1u);
  EXPECT_EQ(Driver.MessageBoxes()[0].Type, mtConfirmation);
  EXPECT_EQ(Driver.MessageBoxes()[0].Buttons, (std::vector<TModalResult>{mrYes, mrNo}));
  EXPECT_EQ(dir.Read("Plant.gsd"), "old");

  Driver.AnswerSaveDialog(dir.Sub("Plant.gsd"));
  Driver.ExpectMessage(Msg_713, mrCancel);  // the close box counts as No
  Click(main->Btn_GSD_File);
  EXPECT_EQ(dir.Read("Plant.gsd"), "old");

  Driver.AnswerSaveDialog(dir.Sub("Plant.gsd"));
  Driver.ExpectMessage(Msg_713, mrYes);
  Click(main->Btn_GSD_File);
  EXPECT_NE(dir.Read("Plant.gsd"), "old");
  EXPECT_EQ(Driver.MessageBoxes().size(), 3u);
}

TEST_F(UOutputStepsTest, GsdThatCannotBeWrittenNamesTheFile) {
  Par_Gen(Profi_Choices("0", "0"));
  dir.Write("plain-file", "x");
  const std::string target = dir.Sub("plain-file/Plant.gsd");
  Driver.AnswerSaveDialog(target);
  Driver.ExpectMessage("", mrOk);
  Click(main->Btn_GSD_File);
  Expect_Error_Containing(target);
}

TEST_F(UOutputStepsTest, GsdModuleOutsideItsSizeIsRefusedAndNothingReplaced) {
  // One module per frame with a transport-protocol frame of no bytes.
  Par_Gen(Profi_Choices("1", "0"));
  Receive(Rx_Row("65280", "Y", "0"));
  dir.Write("Plant.gsd", "old");
  Driver.AnswerSaveDialog(dir.Sub("Plant.gsd"));
  Driver.ExpectMessage(Msg_713, mrYes);
  Driver.ExpectMessage("", mrOk);
  Click(main->Btn_GSD_File);
  ASSERT_EQ(Driver.MessageBoxes().size(), 2u);
  EXPECT_NE(Driver.MessageBoxes()[1].Text.find(dir.Sub("Plant.gsd")), std::string::npos);
  EXPECT_NE(Driver.MessageBoxes()[1].Text.find("row 1"), std::string::npos) << Driver.MessageBoxes()[1].Text;
  EXPECT_EQ(dir.Read("Plant.gsd"), "old");
}

// Two frames of 2147483647 bytes once wrapped the sums into a GSD with a
// negative length and an image that passed the 244-byte check: both steps
// now stop at the number, before any dialog or file.
TEST_F(UOutputStepsTest, NumberOutsideItsFieldStopsBothSteps) {
  Par_Gen(Profi_Choices("0", "1"));
  dir.Write(In_Project("J1939_Transmit.xml"), Table_File(Tx_Row()));
  Receive(Repeat(Rx_Row("65280", "Y", "2147483647"), 2));
  const std::string why = "J1939_Receive.xml: row 1: the attribute \"NumBytes\" is 2147483647, outside 0 to 1785";
  for (TLbButton* step : {main->Btn_GSD_File, main->Btn_CreateBin}) {
    Driver.ExpectMessage("", mrOk);
    Click(step);
  }
  ASSERT_EQ(Driver.MessageBoxes().size(), 2u);
  for (const auto& box : Driver.MessageBoxes()) {
    EXPECT_EQ(box.Type, mtError);
    EXPECT_NE(box.Text.find(why), std::string::npos) << box.Text;
  }
  EXPECT_TRUE(Driver.FileDialogs().empty());
  EXPECT_FALSE(fs::exists(Bank()));
  EXPECT_TRUE(Driver.ProgramsStarted().empty());
}

// ---- Update Device ----

TEST_F(UOutputStepsTest, UpdateWithoutParametersIsRefused) {
  const std::string message = "Error! Please set the Communication Parameters before updating the Device";
  Driver.ExpectMessage(message, mrOk);
  Click(main->Btn_CreateBin);
  Expect_Error_Containing(message);
  EXPECT_FALSE(fs::exists(Bank()));
  EXPECT_TRUE(Driver.ProgramsStarted().empty());
}

TEST_F(UOutputStepsTest, UpdateStopsAtAFailedModuleCheck) {
  Par_Gen(Profi_Choices("0", "1"));
  dir.Write(In_Project("J1939_Transmit.xml"), Table_File(Tx_Row()));
  Receive(Repeat(Rx_Row("65280", "Y", "9"), 28));  // 252 bytes + 1 for the bitmap
  Driver.ExpectMessage("Error!! The Configuration use more of 244 byte", mrOk);
  Click(main->Btn_CreateBin);
  EXPECT_TRUE(Driver.ScriptDone());
  EXPECT_FALSE(fs::exists(Bank()));
}

TEST_F(UOutputStepsTest, UpdateStopsWhenTheImageCannotBeBuilt) {
  Par_Gen(Profi_Choices("0", "0"));
  dir.Write(In_Project("J1939_Receive.xml"), Table_File("<row PGN=\"65280\"/>"));
  Driver.ExpectMessage("", mrOk);
  Click(main->Btn_CreateBin);
  ASSERT_EQ(Driver.MessageBoxes().size(), 1u);
  EXPECT_EQ(Driver.MessageBoxes()[0].Type, mtError);
  EXPECT_FALSE(fs::exists(Bank()));
}

// A bank.bin that cannot be replaced stops the step: the updater would
// otherwise write an old image into the device.
TEST_F(UOutputStepsTest, UpdateStopsWhenTheImageCannotBeWritten) {
  Par_Gen(Profi_Choices("0", "0"));
  fs::create_directories(Bank() + "/in-the-way");
  Driver.ExpectMessage("", mrOk);
  Click(main->Btn_CreateBin);
  Expect_Error_Containing(Bank());
  EXPECT_TRUE(fs::is_directory(Bank()));
  EXPECT_TRUE(Driver.ProgramsStarted().empty());
}

TEST_F(UOutputStepsTest, UpdateWritesTheImageThenRunsTheWizard) {
  Par_Gen(Profi_Choices("0", "0"));
  fs::remove_all(dir.Sub(In_Project("bin")));  // written again with the image
  uintmax_t size_at_start = 0;
  Driver.Launcher().OnStart = [&](const platform::ProcessStart&, std::shared_ptr<platform::FakeProcess> p) {
    size_at_start = fs::file_size(Bank());
    p->Finish(0);
    return platform::StartResult{p, ""};
  };
  Driver.InModal([this] {
    ASSERT_EQ(Application->ModalForm(), FBootCAN);
    EXPECT_EQ(FBootCAN->Page(), 1);
    EXPECT_EQ(FBootCAN->CB_Com->Text(), "COM1");
    Click(FBootCAN->Btn_Next);
    Click(FBootCAN->Btn_Update);
    EXPECT_EQ(FBootCAN->Page(), 2);
    FBootCAN->Close();
  });
  Click(main->Btn_CreateBin);
  EXPECT_TRUE(Driver.ScriptDone());
  EXPECT_TRUE(Driver.MessageBoxes().empty());
  EXPECT_EQ(size_at_start, 3968u);
  ASSERT_EQ(Driver.ProgramsStarted().size(), 1u);
  EXPECT_EQ(Driver.ProgramsStarted()[0].request.program, dir.Sub("CAN_21070_Update.exe"));
  EXPECT_EQ(Driver.ProgramsStarted()[0].request.arguments.back(), Bank());
  EXPECT_FALSE(FBootCAN->Visible());
}

TEST_F(UOutputStepsTest, CancelOnTheFirstPageStartsNothing) {
  Par_Gen(Profi_Choices("0", "0"));
  Driver.InModal([this] { Click(FBootCAN->Btn_Cancel); });
  Click(main->Btn_CreateBin);
  EXPECT_EQ(FBootCAN->ModalResult(), mrCancel);
  EXPECT_TRUE(Driver.ProgramsStarted().empty());
  EXPECT_EQ(fs::file_size(Bank()), 3968u);  // the image is ready for the next run
}

// The wizard takes new texts with the other windows; the bit-rate choice
// goes back to "search".
TEST_F(UOutputStepsTest, WizardFollowsALanguageChange) {
  FBootCAN->CB_CAN_Search->SetItemIndex(5);
  ASSERT_TRUE(Apply_Lang_Line("STR163 = Aggiorna via CAN"));
  ASSERT_TRUE(Apply_Lang_Line("STR168 = Cerca"));
  main->Change_Language();
  EXPECT_EQ(FBootCAN->Caption(), "Aggiorna via CAN");
  EXPECT_EQ(FBootCAN->CB_CAN_Search->Items()->Get(0), "Cerca");
  EXPECT_EQ(FBootCAN->CB_CAN_Search->ItemIndex(), 0);
}

}  // namespace
