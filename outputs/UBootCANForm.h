#pragma once
// The CAN update wizard: page 1 picks the serial port of the USB-to-CAN
// converter and the bit rate, page 2 the four options and runs the updater.
// While the updater runs, the wizard repaints but takes no input and its
// Update button stays disabled, so a second updater can never start on the
// same port. An updater still running after the wait's time-out is watched
// by a timer, and Update stays disabled until it has ended.

#include <string>

#include "outputs/UBootWizard.h"
#include "toolkit/forms/Timer.h"

class TFBootCAN : public TFBootWizard {
public:
  explicit TFBootCAN(TComponent* AOwner);
  ~TFBootCAN() override;
  std::string ClassName() const override { return "TFBootCAN"; }

  TLabel* L_COM_List;
  TComboBox* CB_Com;
  TLbButton* Btn_COM_List;
  TLabel* L_Baud;
  TComboBox* CB_CAN_Search;
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
  bool Updater_Running() const { return running_ || lastResult_.Process != nullptr; }
  // How the last updater run ended (poNotStarted before the first run).
  const TProgramResult& Last_Result() const { return lastResult_; }

private:
  void Create_Controls();
  void Timer_UpdaterTimer(TObject* Sender);
  bool running_ = false;
  TProgramResult lastResult_;
};

extern TFBootCAN* FBootCAN;
