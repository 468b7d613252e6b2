#include "outputs/UUpdateDevice.h"

#include "base/UComon.h"
#include "base/UFixedTexts.h"
#include "base/ULanguage.h"
#include "outputs/UProfibus_GSD.h"
#include "outputs/Usavebincc.h"

std::string TOutputResult::Message() const {
  switch (Step) {
    case osReady: return {};
    case osNoProject: return Lang_Text(Msg_Project_Not_Valid);
    case osCheckFailed: return Module_Check_Text(Check);
    case osNoParGen: return Lang_Text(Msg_GSD_No_ParGen);
    case osUpdateNoParGen: return Update_No_ParGen_Text();
    case osBuildFailed:
    case osWriteFailed: return Error;
  }
  return Error;
}

TOutputResult Prepare_GSD() {
  TOutputResult r;
  if (Check_Project_Open() != 0) return {osNoProject, {}, {}};
  try {
    r.Check = Check_Modules_Creation();
  } catch (const ESectionFileError& e) {
    return {osBuildFailed, {}, e.Message()};
  }
  if (!r.Check.Passed()) r.Step = osCheckFailed;
  else if (Check_GSD_Preconditions() != 0) r.Step = osNoParGen;
  return r;
}

TOutputResult Prepare_Update_Device() {
  TOutputResult r = Prepare_GSD();
  if (r.Step == osNoParGen) r.Step = osUpdateNoParGen;
  if (!r.Ready()) return r;
  if (!Create_Bin(&r.Error)) r.Step = osBuildFailed;
  else if (!Write_Bin(&r.Error)) r.Step = osWriteFailed;
  return r;
}
