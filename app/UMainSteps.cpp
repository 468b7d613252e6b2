// The steps of the main window that need an open project. Btn_Click has
// already refused them with string 22 when no project is open. The editor
// windows and the output wizards are shown from here once they exist; until
// then a step does nothing, and the output steps stop at their checks.
#include "app/ULanguage.h"
#include "app/UTessimatoreFirmWare.h"
#include "outputs/UUpdateDevice.h"
#include "toolkit/forms/Dialogs.h"

namespace {

// Shows why an output step stopped; true when it may go on.
bool Output_Step_Ready(const TOutputResult& Result) {
  if (Result.Ready()) return true;
  MessageDlg(Result.Message(), mtError, {mbOK});
  return false;
}

}  // namespace

void TFTessimatoreFirmWare::Show_ParGen() {}

void TFTessimatoreFirmWare::Show_Receive_J1939() {}

void TFTessimatoreFirmWare::Show_Transmit_J1939() {}

void TFTessimatoreFirmWare::Check_Create_GSD() {
  if (!Output_Step_Ready(Prepare_GSD())) return;
}

void TFTessimatoreFirmWare::Update_Device() {
  if (!Output_Step_Ready(Prepare_Update_Device())) return;
}
