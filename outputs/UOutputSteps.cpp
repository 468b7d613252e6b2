#include "outputs/UOutputSteps.h"

#include "base/UComon.h"
#include "base/ULanguage.h"
#include "outputs/UBootCANForm.h"
#include "outputs/UEDS.h"
#include "outputs/UProfibus_GSD.h"
#include "outputs/UUpdateDevice.h"
#include "outputs/Usavebincc.h"
#include "toolkit/forms/Dialogs.h"
#include "toolkit/forms/dialogs/FileDialogs.h"
#include "toolkit/rtl/FileUtils.h"

namespace {

void Show_Error(const std::string& Text) { MessageDlg(Text, mtError, {mbOK}); }

// Shows why an output step stopped; true when it may go on.
bool Step_Ready(const TOutputResult& Result) {
  if (Result.Ready()) return true;
  if (Result.Step == osWriteFailed) Show_Error(File_Not_Written_Text(Bin_File_Path(), Result.Error));
  else Show_Error(Result.Message());
  return false;
}

// The save dialog in the project folder, the output's extension added when
// missing, the overwrite question (string 713), the file written in one piece.
void Save_Text_Output(const char* Filter, std::string (*Name_Of)(const std::string&),
                      bool (*Write)(const std::string&, std::string*)) {
  TSaveDialog dialog(nullptr);
  dialog.SetInitialDir(Project_Folder);
  dialog.SetFilter(Filter);
  if (!dialog.Execute()) return;
  const std::string name = Name_Of(dialog.FileName());
  if (FileExists(name) && MessageDlg(Lang_Text(Msg_GSD_Overwrite), mtConfirmation, {mbYes, mbNo}) != mrYes) return;
  std::string why;
  if (!Write(name, &why)) Show_Error(File_Not_Written_Text(name, why));
}

}  // namespace

std::string File_Not_Written_Text(const std::string& FileName, const std::string& Why) {
  std::string text = "The file \"" + FileName + "\" was not written.";
  if (!Why.empty()) text += "\n" + Why;
  return text;
}

void Run_GSD_Step() {
  if (Step_Ready(Prepare_GSD())) Create_GSD_File();
}

void Create_GSD_File() {
  if (int msg = Check_GSD_Preconditions(); msg != 0) {
    Show_Error(Lang_Text(msg));
    return;
  }
  Save_Text_Output(GSD_Dialog_Filter, GSD_File_Name, Write_GSD_File);
}

void Create_EDS() { Save_Text_Output(EDS_Dialog_Filter, EDS_File_Name, Create_EDS_File); }

void Run_Update_Device_Step() {
  if (!Step_Ready(Prepare_Update_Device())) return;
  if (!FBootCAN) Application->CreateForm(FBootCAN);
  FBootCAN->ShowModal();
}
