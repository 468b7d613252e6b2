// The CAN update wizard as a user drives it: the ports found on fake serial
// devices, the two pages, the command line the updater receives for the
// choices made on screen, and the updater that ends well, fails, cannot be
// started or never ends.
#include "outputs/UBootCANForm.h"

#include <filesystem>

#include "base/UComon.h"
#include "base/ULanguage.h"
#include "platform/serial/SerialPorts.h"
#include "tests/base/TempFolder.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/TextMetrics.h"
#include "toolkit/testing/TestDriver.h"

#include <sstream>

namespace {

// The updater's arguments: the blank-separated words of Head, then the two image paths.
std::vector<std::string> With_Images(const std::string& Head) {
  std::vector<std::string> words;
  std::istringstream in(Head);
  for (std::string w; in >> w;) words.push_back(w);
  words.push_back("/opt/My Tools/cfg/MASTER/sim21070.sim");
  words.push_back("/opt/My Tools/cfg/PROJECTS/Line 3/bin/bank.bin");
  return words;
}

class UBootCANFormTest : public FormsTest {
protected:
  void SetUp() override {
    Reset_Comon();
    Load_Default_Lang();
    SW_Code = "CF21070";
    Exe_Folder = "/opt/My Tools/cfg";
    Master_Folder = "/opt/My Tools/cfg/MASTER";
    Project_Name = "Line 3";
    Project_Folder = "/opt/My Tools/cfg/PROJECTS/Line 3";
    platform::SetSerialDeviceFolder(devices.Path());
  }
  void TearDown() override {
    platform::SetSerialDeviceFolder({});
    Lang_Strings.clear();
    Reset_Comon();
  }
  // The wizard created as at start-up and shown (without a modal loop).
  TFBootCAN* Open() {
    Application->CreateForm(FBootCAN);
    wizard = FBootCAN;
    wizard->Show();
    Driver.Pump();
    return wizard;
  }
  void Click(TControl* c) { Driver.Click(c, c->Width() / 2, c->Height() / 2); }
  void Set(TCheckBox* cb, bool On) {
    if (cb->Checked() != On) Driver.Click(cb, 6, cb->Height() / 2);
    ASSERT_EQ(cb->Checked(), On);
  }
  void Plug(const std::string& Device) { devices.Write(Device, ""); }
  std::vector<std::string> Last_Arguments() const {
    auto started = Driver.ProgramsStarted();
    return started.empty() ? std::vector<std::string>() : started.back().request.arguments;
  }

  TTempFolder devices;
  TFBootCAN* wizard = nullptr;
};

TEST_F(UBootCANFormTest, CreatedWithItsTextsAndTheFirstPage) {
  Plug("ttyS0");
  Plug("ttyUSB0");
  Open();
  EXPECT_EQ(wizard->Caption(), "Update Device by CAN Bus");
  EXPECT_EQ(wizard->ClientWidth(), 350);
  EXPECT_EQ(wizard->ClientHeight(), 233);
  EXPECT_EQ(wizard->L_SW_Code->Caption(), "CF21070");
  EXPECT_EQ(wizard->L_SW_Desc->Caption(), "Update Device Using the CAN Bus");
  EXPECT_EQ(wizard->L_COM_List->Caption(), "Select the COM port of USB to CAN Converter");
  EXPECT_EQ(wizard->Btn_COM_List->Hint(), "Update COM Ports List");
  EXPECT_EQ(wizard->Btn_COM_List->Caption(), "");
  EXPECT_EQ(wizard->Btn_Next->Caption(), "Next");
  EXPECT_EQ(wizard->Btn_Cancel->Caption(), "Cancel");
  EXPECT_EQ(wizard->Btn_Update->Caption(), "Execute Update Firmware");
  ASSERT_EQ(wizard->CB_CAN_Search->Items()->Count(), 12);
  EXPECT_EQ(wizard->CB_CAN_Search->Items()->Get(0), "Search Baudrate");
  EXPECT_EQ(wizard->CB_CAN_Search->Items()->Get(11), "1000000");
  EXPECT_EQ(wizard->CB_CAN_Search->ItemIndex(), 0);
  for (TCheckBox* cb : {wizard->CB_Firmware, wizard->CB_Read_Firm, wizard->CB_Conf, wizard->CB_Read_Conf})
    EXPECT_TRUE(cb->Checked()) << cb->Caption();

  ASSERT_EQ(wizard->CB_Com->Items()->Count(), 2);
  EXPECT_EQ(wizard->CB_Com->Items()->Get(0), "COM1");
  EXPECT_EQ(wizard->CB_Com->Items()->Get(1), "COM2");
  EXPECT_EQ(wizard->CB_Com->Text(), "COM1");
  EXPECT_EQ(wizard->Page(), 1);
  EXPECT_TRUE(wizard->CB_Com->Visible());
  EXPECT_TRUE(wizard->Btn_Next->Visible());
  EXPECT_FALSE(wizard->Btn_Update->Visible());
  EXPECT_FALSE(wizard->CB_Firmware->Visible());
  EXPECT_EQ(wizard->CB_Com->Left(), 36);
  EXPECT_EQ(wizard->CB_Com->Top(), 97);
  EXPECT_EQ(wizard->CB_CAN_Search->Top(), 158);
  Driver.Screenshot(wizard, "can-wizard-page1.png");

  Click(wizard->Btn_Next);
  EXPECT_EQ(wizard->Page(), 2);
  EXPECT_FALSE(wizard->CB_Com->Visible());
  EXPECT_FALSE(wizard->Btn_Next->Visible());
  EXPECT_FALSE(wizard->Btn_Cancel->Visible());
  EXPECT_TRUE(wizard->Btn_Update->Visible());
  EXPECT_EQ(wizard->Btn_Update->Left(), 16);
  EXPECT_EQ(wizard->L_Options->Caption(), "Update Device Options");
  EXPECT_EQ(wizard->CB_Read_Conf->Caption(), "Read Configuration After Write");
  EXPECT_EQ(wizard->CB_Read_Conf->Left(), 56);
  EXPECT_EQ(wizard->CB_Read_Conf->Top(), 165);
  Driver.Screenshot(wizard, "can-wizard-page2.png");
}

TEST_F(UBootCANFormTest, NextWithoutAPortIsRefused) {
  Open();
  EXPECT_EQ(wizard->CB_Com->Items()->Count(), 0);
  Driver.ExpectMessage("Error! Select the COM port to use for the Update", mrOk);
  Click(wizard->Btn_Next);
  ASSERT_EQ(Driver.MessageBoxes().size(), 1u);
  EXPECT_EQ(Driver.MessageBoxes()[0].Type, mtError);
  EXPECT_EQ(wizard->Page(), 1);
  EXPECT_TRUE(Driver.ProgramsStarted().empty());
}

TEST_F(UBootCANFormTest, RescanFindsAPluggedConverterAndSelectsTheFirstPort) {
  Plug("ttyUSB0");
  Open();
  ASSERT_EQ(wizard->CB_Com->Items()->Count(), 1);
  Plug("ttyS0");  // the on-board port comes first: the converter becomes COM2
  Click(wizard->Btn_COM_List);
  ASSERT_EQ(wizard->CB_Com->Items()->Count(), 2);
  EXPECT_EQ(wizard->CB_Com->Text(), "COM1");
}

TEST_F(UBootCANFormTest, CommandLineForEveryOptionCombinationChosenOnScreen) {
  Plug("ttyS0");
  Plug("ttyUSB0");
  Open();
  Click(wizard->Btn_Next);
  for (int bits = 0; bits < 16; ++bits) {
    const bool fw = bits & 1, fr = bits & 2, pw = bits & 4, pr = bits & 8;
    Set(wizard->CB_Firmware, fw);
    Set(wizard->CB_Read_Firm, fr);
    Set(wizard->CB_Conf, pw);
    Set(wizard->CB_Read_Conf, pr);
    Click(wizard->Btn_Update);
    std::string codes = std::string(fw ? "FW " : "NO ") + (fr ? "FR " : "NO ") + (pw ? "PW " : "NO ") +
                        (pr ? "PR " : "NO ");
    EXPECT_EQ(Last_Arguments(), With_Images("COM1 0 " + codes)) << bits;
  }
  ASSERT_EQ(Driver.ProgramsStarted().size(), 16u);
  auto first = Driver.ProgramsStarted().front();
  EXPECT_EQ(first.request.program, "/opt/My Tools/cfg/CAN_21070_Update.exe");
  EXPECT_TRUE(first.request.showWindow);
  EXPECT_EQ(first.request.arguments, With_Images("COM1 0 NO NO NO NO"));
  // The updater ended well: no box, the wizard stays on its options page.
  EXPECT_TRUE(Driver.MessageBoxes().empty());
  EXPECT_EQ(wizard->Page(), 2);
  EXPECT_TRUE(wizard->Btn_Update->Enabled());
}

TEST_F(UBootCANFormTest, PortAndBitRateChosenWithTheKeyboard) {
  Plug("ttyS0");
  Plug("ttyUSB0");
  Open();
  Driver.Focus(wizard->CB_Com);
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(wizard->CB_Com->Text(), "COM2");
  Driver.Focus(wizard->CB_CAN_Search);
  for (int i = 0; i < 8; ++i) Driver.PressKey(VK_DOWN);
  EXPECT_EQ(wizard->CB_CAN_Search->Text(), "250000");
  Click(wizard->Btn_Next);
  Set(wizard->CB_Read_Firm, false);
  Click(wizard->Btn_Update);
  EXPECT_EQ(Last_Arguments(), With_Images("COM2 8 FW NO PW PR"));
}

struct TUpdaterEnd {
  const char* Name;
  std::function<platform::StartResult(std::shared_ptr<platform::FakeProcess>)> Start;
  std::string Message;  // the error box, empty for none
};

class UpdaterOutcomeTest : public UBootCANFormTest, public testing::WithParamInterface<TUpdaterEnd> {};

TEST_P(UpdaterOutcomeTest, EachFailureIsReportedAndTheWizardComesBack) {
  Plug("ttyUSB0");
  Open();
  Click(wizard->Btn_Next);
  bool disabled_during_run = false;
  Driver.Launcher().OnStart = [&](const platform::ProcessStart&, std::shared_ptr<platform::FakeProcess> p) {
    disabled_during_run = !wizard->Btn_Update->Enabled() && !wizard->Enabled() && wizard->Updater_Running();
    return GetParam().Start(p);
  };
  const uint32_t before = GetTickCount();
  if (!GetParam().Message.empty()) Driver.ExpectMessage(GetParam().Message, mrOk);
  Click(wizard->Btn_Update);
  EXPECT_TRUE(Driver.ScriptDone());
  EXPECT_TRUE(disabled_during_run);
  EXPECT_EQ(Driver.MessageBoxes().size(), GetParam().Message.empty() ? 0u : 1u);
  if (!Driver.MessageBoxes().empty()) {
    EXPECT_EQ(Driver.MessageBoxes()[0].Type, mtError);
  }
  EXPECT_EQ(Driver.ProgramsStarted().size(), 1u);
  EXPECT_TRUE(wizard->Enabled());
  EXPECT_EQ(wizard->Page(), 2);
  const bool timed_out = std::string(GetParam().Name) == "Never";
  EXPECT_EQ(GetTickCount() - before >= Program_Wait_Limit_ms, timed_out);
  // An updater still running keeps Update disabled (see UpdateComesBackWhenALateUpdaterEnds).
  EXPECT_EQ(wizard->Btn_Update->Enabled(), !timed_out);
  EXPECT_EQ(wizard->Updater_Running(), timed_out);
}

platform::StartResult Ends(std::shared_ptr<platform::FakeProcess> p, uint32_t Code) {
  p->Finish(Code);
  return {p, ""};
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, UpdaterOutcomeTest,
    testing::Values(
        TUpdaterEnd{"Ends", [](auto p) { return Ends(p, 0); }, ""},
        TUpdaterEnd{"Fails", [](auto p) { return Ends(p, 1); },
                    "The program /opt/My Tools/cfg/CAN_21070_Update.exe ended with the exit code 1"},
        TUpdaterEnd{"Killed",
                    [](auto p) {
                      p->Kill(9);
                      return platform::StartResult{p, ""};
                    },
                    "The program /opt/My Tools/cfg/CAN_21070_Update.exe ended by signal 9"},
        TUpdaterEnd{"NotStarted", [](auto) { return platform::StartResult{nullptr, "No such file or directory"}; },
                    "The program /opt/My Tools/cfg/CAN_21070_Update.exe could not be started: No such file or "
                    "directory"},
        TUpdaterEnd{"Never", [](auto p) { return platform::StartResult{p, ""}; },
                    "The program /opt/My Tools/cfg/CAN_21070_Update.exe is still running after 150 seconds\n"
                    "Update stays disabled until it has ended."}),
    [](const testing::TestParamInfo<TUpdaterEnd>& info) { return std::string(info.param.Name); });

// The updater that outlived the wait is watched without blocking the
// window: Update comes back once it has ended, and not before; no second
// updater can start meanwhile.
TEST_F(UBootCANFormTest, UpdateComesBackWhenALateUpdaterEnds) {
  Plug("ttyUSB0");
  Open();
  Click(wizard->Btn_Next);
  std::shared_ptr<platform::FakeProcess> updater;
  Driver.Launcher().OnStart = [&](const platform::ProcessStart&, std::shared_ptr<platform::FakeProcess> p) {
    updater = p;
    return platform::StartResult{p, ""};
  };
  Driver.ExpectMessage("", mrOk);
  Click(wizard->Btn_Update);
  ASSERT_TRUE(updater);
  EXPECT_FALSE(wizard->Btn_Update->Enabled());
  Driver.Advance(60000);
  wizard->Btn_UpdateClick(wizard->Btn_Update);  // even a click that reaches it starts nothing
  EXPECT_EQ(Driver.ProgramsStarted().size(), 1u);
  EXPECT_FALSE(wizard->Btn_Update->Enabled());
  updater->Finish(0);
  Driver.Advance(500);
  EXPECT_TRUE(wizard->Btn_Update->Enabled());
  EXPECT_FALSE(wizard->Updater_Running());
  EXPECT_TRUE(wizard->Last_Result().Ok());
  Driver.Launcher().OnStart = nullptr;  // the next updater ends at once
  Click(wizard->Btn_Update);
  EXPECT_EQ(Driver.ProgramsStarted().size(), 2u);
}

// A process that runs for a few polls; the test acts at each poll, which
// happens while the wizard waits for it.
class TPolledProcess : public platform::Process {
public:
  TPolledProcess(int EndAt, std::function<void(int)> OnPoll) : endAt_(EndAt), onPoll_(std::move(OnPoll)) {}
  uint32_t ExitCode() override {
    ++polls_;
    onPoll_(polls_);
    return polls_ >= endAt_ ? 0 : STILL_ACTIVE;
  }
  bool Wait(uint32_t Ms) override {
    Sleep(Ms);
    return false;
  }
  int TermSignal() override { return 0; }
  int Id() const override { return 7; }

private:
  int polls_ = 0;
  const int endAt_;
  std::function<void(int)> onPoll_;
};

// Clicks and keys during the run reach nobody: the wizard is disabled, so no
// second updater starts on the port; it still repaints between the polls.
TEST_F(UBootCANFormTest, InputDuringTheRunIsDroppedButTheWizardRepaints) {
  Plug("ttyUSB0");
  Open();
  Click(wizard->Btn_Next);
  bool repainted = false;
  auto poll = [&](int n) {
    if (n == 1) {
      Click(wizard->Btn_Update);
      Click(wizard->CB_Firmware);
      Driver.PressKey(VK_SPACE);
      Driver.ClearPaints();
      wizard->CB_Conf->Invalidate();
    }
    if (n == 3) repainted = !Driver.Paints().empty();
  };
  Driver.Launcher().OnStart = [&](const platform::ProcessStart&, std::shared_ptr<platform::FakeProcess>) {
    return platform::StartResult{std::make_shared<TPolledProcess>(3, poll), ""};
  };
  Click(wizard->Btn_Update);
  EXPECT_EQ(Driver.ProgramsStarted().size(), 1u);
  EXPECT_TRUE(wizard->CB_Firmware->Checked());
  EXPECT_TRUE(repainted);
  EXPECT_TRUE(Driver.MessageBoxes().empty());
}

int Text_Width(const TControl* c, const std::string& Text) {
  TBitmap bmp(1, 1);
  bmp.Canvas()->Font()->Assign(c->Font());
  return bmp.Canvas()->TextWidth(Text);
}

// With the real fonts every text of both pages fits its control and the
// window; the screenshots show the wizard as a user sees it.
TEST_F(UBootCANFormTest, TextsFitWithTheRealFonts) {
  SetFixedTextMetrics(false);
  Plug("ttyUSB0");
  Open();
  const int room = wizard->ClientWidth();
  for (TLabel* l : {wizard->L_COM_List, wizard->L_Baud, wizard->L_Options})
    EXPECT_LE(l->Left() + Text_Width(l, l->Caption()), room) << l->Caption();
  for (TCheckBox* cb : {wizard->CB_Firmware, wizard->CB_Read_Firm, wizard->CB_Conf, wizard->CB_Read_Conf}) {
    EXPECT_LE(Text_Width(cb, cb->Caption()) + 20, cb->Width()) << cb->Caption();
    EXPECT_LE(cb->BoundsRect().Right, room);
  }
  for (TComboBox* combo : {wizard->CB_Com, wizard->CB_CAN_Search})
    for (int i = 0; i < combo->Items()->Count(); ++i)
      EXPECT_LE(Text_Width(combo, combo->Items()->Get(i)) + 24, combo->Width()) << combo->Items()->Get(i);
  EXPECT_LE(Text_Width(wizard->Btn_Update, wizard->Btn_Update->Caption()) + 36, wizard->Btn_Update->Width());
  Driver.Screenshot(wizard, "can-wizard-page1-fonts.png");
  Click(wizard->Btn_Next);
  Driver.Screenshot(wizard, "can-wizard-page2-fonts.png");
  SetFixedTextMetrics(true);
}

}  // namespace
