#pragma once
// The serial update wizard: page 1 tells how to put the device into its boot
// mode and picks the serial port, page 2 the four options. No updater for a
// serial connection comes with this build: Update composes the arguments
// only and stays disabled, with the reason in its hint. Its texts are those
// of start-up: a change of language leaves them.

#include <array>
#include <string>
#include <vector>

#include "outputs/UBootWizard.h"

class TFBootSer : public TFBootWizard {
public:
  explicit TFBootSer(TComponent* AOwner);
  ~TFBootSer() override;
  std::string ClassName() const override { return "TFBootSer"; }

  std::array<TLabel*, 5> L_Steps{};  // L_Steps1 to L_Steps5
  TComboBox* CB_Com;
  TLbButton* Btn_COM_List;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Btn_COM_ListClick(TObject* Sender);
  void Btn_NextClick(TObject* Sender);
  void Btn_UpdateClick(TObject* Sender);
  void Set_Lang();
  void update_ComPort() { Fill_Port_List(CB_Com); }

  // "\\.\COM3 FW FR PW PR " from the port and the options.
  std::vector<std::string> Update_Arguments() const;
  const std::vector<std::string>& Last_Arguments() const { return lastArguments_; }

private:
  std::vector<std::string> lastArguments_;
};

extern TFBootSer* FBootSer;
