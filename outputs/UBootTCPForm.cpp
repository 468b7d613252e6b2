#include "outputs/UBootTCPForm.h"

#include "base/UComon.h"
#include "base/ULanguage.h"
#include "outputs/UBootTCP.h"
#include "platform/kernel/Clock.h"
#include "platform/net/Ping.h"
#include "toolkit/forms/Dialogs.h"
#include "toolkit/rtl/Exceptions.h"

TFBootTCP* FBootTCP = nullptr;

namespace {

constexpr uint32_t Reply_Timeout_Ms = 400;
constexpr uint32_t Test_Limit_Ms = 10000;
constexpr uint32_t Pause_Ms = 10;
constexpr int Good_Tries = 2;
const std::string Device_Name = "GW21040";

// The controls of the wizard take no input while the test runs, and take it
// again however the test ends.
class TTestGuard {
public:
  TTestGuard(TFBootTCP* Form, bool& Testing) : form_(Form), testing_(Testing) {
    testing_ = true;
    Enable(false);
  }
  ~TTestGuard() {
    Enable(true);
    testing_ = false;
  }
  TTestGuard(const TTestGuard&) = delete;
  TTestGuard& operator=(const TTestGuard&) = delete;

private:
  void Enable(bool On) {
    for (TEdit* e : form_->E_IP) e->SetEnabled(On);
    for (TControl* c : std::initializer_list<TControl*>{form_->Btn_Ping, form_->Btn_Next, form_->Btn_Cancel})
      c->SetEnabled(On);
  }
  TFBootTCP* form_;
  bool& testing_;
};

}  // namespace

TFBootTCP::TFBootTCP(TComponent* AOwner) : TFBootWizard(AOwner) {
  FBootTCP = this;
  L_IP_Address = Make_Label(this, this, 16, 75);
  const int lefts[] = {35, 91, 147, 203};
  for (size_t i = 0; i < E_IP.size(); ++i) {
    E_IP[i] = new TEdit(this);
    E_IP[i]->SetParent(this);
    E_IP[i]->SetBounds(lefts[i], 97, 41, 21);
    E_IP[i]->SetText("0");
    int edit = int(i);
    E_IP[i]->OnKeyPress = [this, edit](TObject*, char& Key) { E_IPKeyPress(edit, Key); };
  }
  const int dots[] = {83, 139, 195};
  for (size_t i = 0; i < Dots.size(); ++i) Dots[i] = Make_Label(this, this, dots[i], 105, ".");
  L_Ping = Make_Label(this, this, 16, 136);
  Btn_Ping = Make_Button(this, this, 35, 155, 100, 30, agCheck);
  Btn_Ping->OnClick = [this](TObject* Sender) { LbButton1Click(Sender); };
  LPing = Make_Label(this, this, 151, 163);
  Btn_Next->OnClick = [this](TObject* Sender) { LbButton2Click(Sender); };
  Btn_Update->OnClick = [this](TObject* Sender) { LbButton4Click(Sender); };
  Btn_Update->SetEnabled(false);
  Btn_Update->SetShowHint(true);
  Btn_Update->SetHint(No_Updater_Reason_Text());
  Set_Page_One({L_IP_Address, E_IP[0], E_IP[1], E_IP[2], E_IP[3], Dots[0], Dots[1], Dots[2], L_Ping, Btn_Ping, LPing});
  Show_Page(1);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

// The instance name must not outlive the window.
TFBootTCP::~TFBootTCP() {
  if (FBootTCP == this) FBootTCP = nullptr;
}

void TFBootTCP::FormCreate(TObject*) {
  Prepare_Wizard();
  Set_Lang();
}

void TFBootTCP::FormShow(TObject*) {
  Show_Page(1);
  LPing->SetCaption("");
  std::array<std::string, 4> parts;
  if (!Device_IP.empty() && Valid_IP(Device_IP, parts))
    for (size_t i = 0; i < E_IP.size(); ++i) E_IP[i]->SetText(parts[i]);
  L_IP_Address->SetCaption(Lang_Text(303) + Device_Name);
  Esegui_Ping = false;
}

void TFBootTCP::Set_Lang() {
  SetCaption(Lang_Text(302));
  L_SW_Desc->SetCaption("Update Device from Ethernet (UDP)");
  L_IP_Address->SetCaption(Lang_Text(303) + Device_Name);
  L_Ping->SetCaption(Lang_Text(304));
  Btn_Ping->SetCaption(Lang_Text(305));
  Set_Wizard_Texts({308, 306, 307, 313});
}

// "." in the first three edits moves on to the next one; the fourth takes it.
void TFBootTCP::E_IPKeyPress(int Edit, char& Key) {
  if (Key != '.' || Edit >= 3) return;
  Key = 0;
  TEdit* next = E_IP[size_t(Edit + 1)];
  if (next->CanFocus()) next->SetFocus();
}

std::string TFBootTCP::Host() const {
  return Join_IP({E_IP[0]->Text(), E_IP[1]->Text(), E_IP[2]->Text(), E_IP[3]->Text()});
}

void TFBootTCP::PingReply(bool Answered) { ping_ = Answered ? 1 : 2; }

void TFBootTCP::Run_Ping_Test(const std::string& Host) {
  uint32_t start = GetTickCount();
  ping_ = 0;
  int good = 0;
  do {
    uint32_t try_start = GetTickCount();
    platform::PingOutcome outcome = platform::CurrentPinger().Ping(Host, Reply_Timeout_Ms);
    if (outcome == platform::PingOutcome::NotPermitted) throw Exception("no ICMP socket may be opened");
    PingReply(outcome == platform::PingOutcome::Reached);
    do {
      Sleep(Pause_Ms);
      Application->ProcessMessages();
    } while (ping_ == 0 && GetTickCount() - try_start <= Reply_Timeout_Ms);
    if (ping_ == 1) ++good;
  } while (good < Good_Tries && GetTickCount() - start <= Test_Limit_Ms);
}

void TFBootTCP::Show_Ping_Result(int Message, TColor Color) {
  LPing->Font()->SetColor(Color);
  LPing->SetCaption(Lang_Text(Message));
}

void TFBootTCP::LbButton1Click(TObject*) {
  if (testing_) return;
  Esegui_Ping = false;
  std::string host = Host();
  std::array<std::string, 4> parts;
  // An address that is none cannot be resolved.
  if (!Valid_IP(host, parts)) return Show_Ping_Result(Msg_Ping_Error, clRed);
  try {
    TTestGuard guard(this, testing_);
    Run_Ping_Test(host);
  } catch (const Exception&) {
    return Show_Ping_Result(Msg_Ping_Error, clRed);
  }
  Esegui_Ping = ping_ == 1;
  Show_Ping_Result(Esegui_Ping ? Msg_Device_Found : Msg_Device_Not_Found, Esegui_Ping ? clGreen : clRed);
}

void TFBootTCP::LbButton2Click(TObject*) {
  if (!Esegui_Ping) {
    MessageDlg(Lang_Text(Msg_No_Ping), mtError, {mbOK});
    return;
  }
  Show_Page(2);
  Device_IP = Host();
}

std::vector<std::string> TFBootTCP::Update_Arguments() const {
  return Network_Update_Arguments({E_IP[0]->Text(), E_IP[1]->Text(), E_IP[2]->Text(), E_IP[3]->Text()}, Options());
}

void TFBootTCP::LbButton4Click(TObject*) { lastArguments_ = Update_Arguments(); }
