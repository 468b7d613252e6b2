#pragma once
// The CAN update wizard: page 1 picks the serial port of the USB-to-CAN
// converter and the bit rate, page 2 the four options and runs the updater.
// While the updater runs, the wizard repaints but takes no input and its
// Update button stays disabled, so a second updater can never start on the
// same port. An updater still running after the wait's time-out is watched
// by a timer, and Update stays disabled until it has ended.

#include <string>

#include "app/UFormLook.h"
#include "outputs/UBootCAN.h"
#include "toolkit/forms/std/Button.h"
#include "toolkit/forms/Timer.h"
#include "toolkit/forms/std/ComboBox.h"

class TFBootCAN : public TForm {
public:
  explicit TFBootCAN(TComponent* AOwner);
  ~TFBootCAN() override;
  std::string ClassName() const override { return "TFBootCAN"; }

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TLabel* L_COM_List;
  TComboBox* CB_Com;
  TLbButton* Btn_COM_List;
  TLabel* L_Baud;
  TComboBox* CB_CAN_Search;
  TLabel* L_Options;
  TCheckBox* CB_Firmware;
  TCheckBox* CB_Read_Firm;
  TCheckBox* CB_Conf;
  TCheckBox* CB_Read_Conf;
  TPanel* P_Button;
  TLbButton* Btn_Cancel;
  TLbButton* Btn_Next;
  TLbButton* Btn_Update;
  TTimer* Timer_Updater;  // watches an updater that outlived the wait

  // ---- handlers ----
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Btn_COM_ListClick(TObject* Sender);
  void Btn_NextClick(TObject* Sender);
  void Btn_UpdateClick(TObject* Sender);

  // ---- operations ----
  void Set_Lang();
  // Scans the ports again and selects the first one found.
  void update_ComPort();
  // 1: port and bit rate; 2: options and Update.
  void Show_Page(int Page);
  int Page() const { return page_; }

  // The choices as the command line takes them.
  TUpdateOptions Options() const;
  std::string Command_Line() const;
  bool Updater_Running() const { return running_ || lastResult_.Process != nullptr; }
  // How the last updater run ended (poNotStarted before the first run).
  const TProgramResult& Last_Result() const { return lastResult_; }

private:
  void Create_Controls();
  void Timer_UpdaterTimer(TObject* Sender);
  TCheckBox* Make_Option(int Left, int Top);
  int page_ = 1;
  bool running_ = false;
  TProgramResult lastResult_;
};

extern TFBootCAN* FBootCAN;
