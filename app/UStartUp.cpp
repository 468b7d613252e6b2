#include "app/UStartUp.h"

#include "app/UProject.h"
#include "app/USettings.h"
#include "base/UComon.h"
#include "base/ULanguage.h"

std::string Start_Up(const std::string& ExeFolder) {
  Init_Working_Folders(ExeFolder);
  Project_Name.clear();
  Read_Setting(Settings_Path());
  Window_Title = Window_Title_Default;
  SW_Code = SW_Code_Default;
  SW_Description = SW_Description_Default;
  std::string languageError = Load_Language();
  Restore_Last_Project();
  Set_Files();
  return languageError;
}

bool Shut_Down(std::string* Error) { return Save_Setting(Settings_Path(), Error); }

std::pair<std::string, std::string> Project_Label_Texts() {
  if (!Project_Folder.empty()) return {Lang_Text(10), Project_Name};
  return {Lang_Text(8), Lang_Text(9)};
}
