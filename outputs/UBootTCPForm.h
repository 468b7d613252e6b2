#pragma once
// The network update wizard: page 1 takes the device's IP address and tests
// the connection with echo requests, page 2 the four options. Next needs a
// test passed since the wizard was shown. The test has bounded time (two
// good tries, or 10 s; the last try decides) and the wizard takes no input
// while it runs. No updater for a network connection comes with this build:
// Update composes the arguments only and stays disabled, with the
// reason in its hint.

#include <array>
#include <string>
#include <vector>

#include "outputs/UBootWizard.h"
#include "toolkit/forms/std/Edit.h"

class TFBootTCP : public TFBootWizard {
public:
  explicit TFBootTCP(TComponent* AOwner);
  ~TFBootTCP() override;
  std::string ClassName() const override { return "TFBootTCP"; }

  TLabel* L_IP_Address;
  std::array<TEdit*, 4> E_IP{};  // E_IP1 to E_IP4
  std::array<TLabel*, 3> Dots{};  // Label2 to Label4
  TLabel* L_Ping;
  TLbButton* Btn_Ping;
  TLabel* LPing;

  int ping_ = 0;  // the last echo: 0 none yet, 1 answered, 2 not answered
  bool Esegui_Ping = false;  // the last connection test passed

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void E_IPKeyPress(int Edit, char& Key);
  void PingReply(bool Answered);
  void LbButton1Click(TObject* Sender);  // Ping
  void LbButton2Click(TObject* Sender);  // Next
  void LbButton4Click(TObject* Sender);  // Update
  void Set_Lang();

  // The four edit texts joined with ".".
  std::string Host() const;
  // "192.168.2.205 2007 FW FR PW PR " from the edits and the options.
  std::vector<std::string> Update_Arguments() const;
  const std::vector<std::string>& Last_Arguments() const { return lastArguments_; }
  bool Testing() const { return testing_; }

private:
  void Show_Ping_Result(int Message, TColor Color);
  // Echo requests until two are answered or 10 s have passed.
  void Run_Ping_Test(const std::string& Host);
  std::vector<std::string> lastArguments_;
  bool testing_ = false;
};

extern TFBootTCP* FBootTCP;
