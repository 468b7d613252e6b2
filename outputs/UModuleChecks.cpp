#include "outputs/UModuleChecks.h"

#include "base/UComon.h"
#include "base/UFixedTexts.h"
#include "base/ULanguage.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

TModuleCheck Fail(int message, int row = 0, std::string file = {}) { return {message, row, std::move(file)}; }

// The image carries 30 frames per direction; more would be described in the
// GSD file but missing from the device.
TModuleCheck Check_Frame_Rows(const TSectionTable& table) {
  if (table.Rows.size() <= static_cast<size_t>(Max_Frame_Rows)) return {};
  return Fail(Msg_Too_Many_Frames, Max_Frame_Rows + 1, ExtractFileName(table.Path));
}

}  // namespace

TModuleCheck Check_Modules(const TParGenFile& ParGen, const TSectionTable& Receive, const TSectionTable& Transmit) {
  for (const TSectionTable* table : {&Receive, &Transmit})
    if (TModuleCheck c = Check_Frame_Rows(*table); !c.Passed()) return c;
  TProfiChoices choices = Read_Profi_Choices(ParGen);
  // Counts and sums in 64 bits: no table can make them wrap past a limit.
  const int64_t rx = static_cast<int64_t>(Receive.Rows.size());
  const int64_t tx = static_cast<int64_t>(Transmit.Rows.size());
  if (choices.Profi_Module) {
    for (size_t i = 0; i < Receive.Rows.size(); ++i)
      if (Receive_Frame_Size(Receive.Rows[i]) > Max_Module_Bytes) return Fail(Msg_Module_Too_Big, static_cast<int>(i) + 1);
    // One module per frame plus the two bitmap modules.
    if (choices.Profi_Send_J1939 && rx + tx + 2 > Max_Modules) return Fail(Msg_Too_Many_Modules);
  }
  if (choices.Profi_Send_J1939 && Bitmap_Bytes(tx) > 0) {
    int64_t total = Bitmap_Bytes(tx);
    for (const TSectionRow& row : Receive.Rows) total += Receive_Frame_Size(row);
    if (total > Max_Data_Bytes) return Fail(Msg_Too_Many_Bytes);
  }
  return {};
}

TModuleCheck Check_Modules_Creation() {
  return Check_Modules(Load_Par_Gen_File(Path_ParGen), Load_Section_Table(Path_J1939_Receive, Receive_Number_Fields),
                       Load_Section_Table(Path_J1939_Transmit, Transmit_Number_Fields));
}

std::string Module_Check_Text(const TModuleCheck& Check) {
  if (Check.Message == Msg_Too_Many_Frames)
    return Too_Many_Frames_Text(Check.File, Max_Frame_Rows, Check.Row);
  return Lang_Text(Check.Message);
}
