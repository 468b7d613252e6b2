// The steps of the main window that need an open project. Btn_Click has
// already refused them with string 22 when no project is open. The editor
// windows and the output wizards are shown from here once they exist; until
// then a step does nothing, and the output steps stop at their checks.
#include "app/ULanguage.h"
#include "app/UTessimatoreFirmWare.h"
#include "editors/UParGen.h"
#include "outputs/UOutputSteps.h"

void TFTessimatoreFirmWare::Show_ParGen() {
  if (FParGen) FParGen->ShowModal();
}

void TFTessimatoreFirmWare::Show_Receive_J1939() {}

void TFTessimatoreFirmWare::Show_Transmit_J1939() {}

void TFTessimatoreFirmWare::Check_Create_GSD() { Run_GSD_Step(); }

void TFTessimatoreFirmWare::Update_Device() { Run_Update_Device_Step(); }
