// The serial and network update wizards as a user drives them: their pages,
// the argument texts their update buttons compose for every choice of
// options, the connection test on the virtual clock with a scripted pinger,
// and which of the two follows a change of language.
#include <gtest/gtest.h>

#include <deque>

#include "base/UComon.h"
#include "base/ULanguage.h"
#include "outputs/UBootSerForm.h"
#include "outputs/UBootTCP.h"
#include "outputs/UBootTCPForm.h"
#include "platform/net/Ping.h"
#include "platform/serial/SerialPorts.h"
#include "tests/base/TempFolder.h"
#include "toolkit/testing/TestDriver.h"

namespace {

// Answers each echo request from a script (then silence), taking the
// request's time-out on the virtual clock when there is no answer, and
// notes whether the wizard took input while it waited.
class ScriptedPinger : public platform::Pinger {
public:
  ScriptedPinger(TTestDriver& Driver, std::deque<platform::PingOutcome> Answers)
      : driver_(Driver), answers_(std::move(Answers)) {}
  platform::PingOutcome Ping(const std::string& Host, uint32_t TimeoutMs) override {
    hosts.push_back(Host);
    if (FBootTCP && FBootTCP->Btn_Ping->Enabled()) input_while_testing = true;
    platform::PingOutcome o = platform::PingOutcome::NotReached;
    if (!answers_.empty()) {
      o = answers_.front();
      answers_.pop_front();
    }
    driver_.Clock().Advance(o == platform::PingOutcome::Reached ? 5 : TimeoutMs);
    return o;
  }
  std::vector<std::string> hosts;
  bool input_while_testing = false;

private:
  TTestDriver& driver_;
  std::deque<platform::PingOutcome> answers_;
};

class UBootWizardsTest : public FormsTest {
protected:
  void SetUp() override {
    Reset_Comon();
    Load_Default_Lang();
    SW_Code = "CF21070";
    platform::SetSerialDeviceFolder(devices.Path());
  }
  void TearDown() override {
    platform::SetPinger(nullptr);
    platform::SetSerialDeviceFolder({});
    Lang_Strings.clear();
    Reset_Comon();
  }
  template <class F>
  F* Open(F*& Instance) {
    Application->CreateForm(Instance);
    Instance->Show();
    Driver.Pump();
    return Instance;
  }
  void Click(TControl* c) { Driver.Click(c, c->Width() / 2, c->Height() / 2); }
  static void Set_Options(TFBootWizard* W, int Bits) {
    TCheckBox* boxes[] = {W->CB_Firmware, W->CB_Read_Firm, W->CB_Conf, W->CB_Read_Conf};
    for (int i = 0; i < 4; ++i) boxes[i]->SetChecked((Bits >> (3 - i)) & 1);
  }
  // Head followed by the option codes of Bits (firmware the highest bit).
  static std::vector<std::string> Codes(std::vector<std::string> Head, int Bits) {
    const char* on[] = {"FW", "FR", "PW", "PR"};
    for (int i = 0; i < 4; ++i) Head.emplace_back(((Bits >> (3 - i)) & 1) ? on[i] : "NO");
    return Head;
  }
  // Runs the connection test with Answers and returns the time it took.
  uint32_t Test(std::deque<platform::PingOutcome> Answers) {
    pinger = std::make_unique<ScriptedPinger>(Driver, std::move(Answers));
    platform::SetPinger(pinger.get());
    uint32_t start = Driver.Clock().TickCount();
    Click(FBootTCP->Btn_Ping);
    return Driver.Clock().TickCount() - start;
  }

  TTempFolder devices;
  std::unique_ptr<ScriptedPinger> pinger;
};

using platform::PingOutcome;
constexpr PingOutcome Yes = PingOutcome::Reached;
constexpr PingOutcome No = PingOutcome::NotReached;

TEST_F(UBootWizardsTest, SerialPagesAndArguments) {
  auto* w = Open(FBootSer);
  EXPECT_EQ(w->Caption(), "Update Device by Serial");
  EXPECT_EQ(w->L_Steps[4]->Caption(), "4 - Turn ON the Device");
  EXPECT_EQ(w->Page(), 1);
  EXPECT_TRUE(w->CB_Com->Text().empty());
  Driver.ExpectMessage("Error! Select the COM port to use for the Update", mrOk);
  Click(w->Btn_Next);
  EXPECT_EQ(w->Page(), 1);
  devices.Write("ttyUSB0", "");
  Click(w->Btn_COM_List);
  ASSERT_FALSE(w->CB_Com->Text().empty());
  Click(w->Btn_Next);
  EXPECT_EQ(w->Page(), 2);
  EXPECT_FALSE(w->Btn_Update->Enabled());
  EXPECT_EQ(w->Btn_Update->Hint(), No_Updater_Reason_Text());
  Driver.Screenshot(w, "boot-serial.png");
  EXPECT_EQ(w->Update_Arguments(), Codes({"\\\\.\\" + w->CB_Com->Text()}, 15)) << "every option starts ticked";
  for (int bits = 0; bits < 16; ++bits) {
    Set_Options(w, bits);
    EXPECT_EQ(w->Update_Arguments(), Codes({"\\\\.\\" + w->CB_Com->Text()}, bits)) << bits;
  }
  w->Btn_UpdateClick(w->Btn_Update);
  EXPECT_EQ(w->Last_Arguments(), Codes({"\\\\.\\" + w->CB_Com->Text()}, 15));
}

TEST_F(UBootWizardsTest, NetworkShowFillsTheAddressOnlyWhenValid) {
  Device_IP = "192.168.2.205";
  auto* w = Open(FBootTCP);
  EXPECT_EQ(w->Caption(), "Update Firmware from Etherner (UDP)");
  EXPECT_EQ(w->L_SW_Desc->Caption(), "Update Device from Ethernet (UDP)");
  EXPECT_EQ(w->L_IP_Address->Caption(), "Insert the IP Address of GW21040");
  EXPECT_EQ(w->Host(), "192.168.2.205");
  for (const char* bad : {"10.0.0", "10.0.0.1.5", "10.0.0.256"}) {
    Device_IP = bad;
    w->Hide();
    w->Show();
    Driver.Pump();
    EXPECT_EQ(w->Host(), "192.168.2.205") << bad;
  }
  Device_IP = "10 . 0 . 0 . 1";
  w->Hide();
  w->Show();
  Driver.Pump();
  EXPECT_EQ(w->Host(), "10.0.0.1");
  Driver.Screenshot(w, "boot-network.png");
}

TEST_F(UBootWizardsTest, DotMovesToTheNextEditButTheLastTakesIt) {
  Device_IP = "";
  auto* w = Open(FBootTCP);
  for (TEdit* e : w->E_IP) e->SetText("");
  Driver.Focus(w->E_IP[0]);
  Driver.Type("10.0.0.1.");
  EXPECT_EQ(w->Host(), "10.0.0.1.");
  EXPECT_EQ(w->E_IP[3]->Text(), "1.");
}

// The last try decides; the test ends after two good tries or 10 s.
TEST_F(UBootWizardsTest, ConnectionTestOnTheVirtualClock) {
  Device_IP = "10.0.0.9";
  auto* w = Open(FBootTCP);
  struct Case {
    const char* Name;
    std::deque<PingOutcome> Answers;
    bool Found;
    size_t Tries;
  };
  for (const Case& c : std::vector<Case>{{"always", {Yes, Yes, Yes}, true, 2},
                                         {"first_only", {Yes}, false, 0},
                                         {"second_and_third", {No, Yes, Yes}, true, 3},
                                         {"never", {}, false, 0}}) {
    SCOPED_TRACE(c.Name);
    uint32_t took = Test(c.Answers);
    EXPECT_EQ(w->Esegui_Ping, c.Found);
    EXPECT_EQ(w->LPing->Caption(), c.Found ? "Device Found!" : "Device Not Found!");
    EXPECT_EQ(w->LPing->Font()->Color(), c.Found ? clGreen : clRed);
    if (c.Tries) {
      EXPECT_EQ(pinger->hosts.size(), c.Tries);
    }
    if (!c.Found) {
      EXPECT_GT(took, 10000u);
    }
    EXPECT_LT(took, 10000u + 500u);
    EXPECT_EQ(pinger->hosts.front(), "10.0.0.9");
    EXPECT_FALSE(pinger->input_while_testing);
    EXPECT_TRUE(w->Btn_Ping->Enabled());
    EXPECT_FALSE(w->Testing());
  }
  Test({PingOutcome::NotPermitted});
  EXPECT_EQ(w->LPing->Caption(), "Error!!! Check the Ip Address");
  EXPECT_FALSE(w->Esegui_Ping);
  w->E_IP[3]->SetText("x");
  Test({Yes, Yes});
  EXPECT_EQ(w->LPing->Caption(), "Error!!! Check the Ip Address");
  EXPECT_TRUE(pinger->hosts.empty());
}

TEST_F(UBootWizardsTest, NextNeedsAPassedTestAndKeepsTheAddress) {
  Device_IP = "10.0.0.9";
  auto* w = Open(FBootTCP);
  Driver.ExpectMessage("Device not found in network", mrOk);
  Click(w->Btn_Next);
  EXPECT_EQ(w->Page(), 1);
  w->E_IP[0]->SetText(" 10");
  Test({Yes, Yes});
  Click(w->Btn_Next);
  EXPECT_EQ(w->Page(), 2);
  EXPECT_EQ(Device_IP, " 10.0.0.9");
  EXPECT_FALSE(w->Btn_Update->Enabled());
  for (int bits = 0; bits < 16; ++bits) {
    Set_Options(w, bits);
    EXPECT_EQ(w->Update_Arguments(), Codes({" 10.0.0.9", "2007"}, bits)) << bits;
  }
  // A new showing needs a new test.
  w->Hide();
  w->Show();
  Driver.Pump();
  EXPECT_EQ(w->Page(), 1);
  EXPECT_FALSE(w->Esegui_Ping);
}

}  // namespace
