#pragma once
// The GSD File and Update Device steps up to the point where a window takes
// over: the project test, the module checks, the parameter file, and for the
// update the image built and written. The windows show Message() in an error
// box when a step stops.

#include <string>

#include "outputs/UModuleChecks.h"

enum TOutputStep {
  osReady,         // go on: ask for the GSD file name / show the CAN wizard
  osNoProject,     // string 22
  osCheckFailed,   // Check holds the failed module check
  osNoParGen,      // string 714
  osUpdateNoParGen,  // the same for the update: Update_No_ParGen_Text
  osBuildFailed,   // a section file cannot be used; Error says which
  osWriteFailed,   // bank.bin cannot be written; Error names it
};

struct TOutputResult {
  TOutputStep Step = osReady;
  TModuleCheck Check;
  std::string Error;
  bool Ready() const { return Step == osReady; }
  std::string Message() const;
};

// Check_Create_GSD before the save dialog.
TOutputResult Prepare_GSD();
// Update_Device before the CAN wizard: checks, ParGen.xml required, then
// Create_Bin and Write_Bin. The wizard may be shown only when Ready().
TOutputResult Prepare_Update_Device();
