#include "outputs/UBootCAN.h"

#include "app/UComon.h"
#include "toolkit/rtl/SysUtils.h"

std::string Com_Port_Name(int Number) { return "COM" + IntToStr(Number); }

std::vector<std::string> Com_Port_Names(const std::vector<int>& Numbers) {
  std::vector<std::string> names;
  for (int n : Numbers) names.push_back(Com_Port_Name(n));
  return names;
}

int Check_Com_Choice(const std::string& ComText) { return ComText.empty() ? Msg_No_Com_Port : 0; }

std::string Firmware_Image_Path() { return Join_Path(Master_Folder, Firmware_File_Name); }

std::string Config_Image_Path() { return Join_Path(Join_Path(Project_Folder, Bin_Folder_Name), Bin_File_Name); }

std::string Updater_Program_Path() { return Join_Path(Exe_Folder, Updater_File_Name); }

std::string Updater_Command_Line(const std::string& Port, int BaudPosition, const TUpdateOptions& Options) {
  std::string line = Port + " " + IntToStr(BaudPosition) + " ";
  line += Options.Firmware ? "FW " : "NO ";
  line += Options.Read_Firm ? "FR " : "NO ";
  line += Options.Conf ? "PW " : "NO ";
  line += Options.Read_Conf ? "PR " : "NO ";
  return line + "\"" + Firmware_Image_Path() + "\" \"" + Config_Image_Path() + "\"";
}
