#include "outputs/UBootCAN.h"

#include "base/UComon.h"
#include "platform/serial/SerialPorts.h"
#include "toolkit/rtl/SysUtils.h"

std::vector<int> EnumPorts() {
  std::vector<int> present;
  for (int n = 1; n <= platform::kMaxComPort; ++n)
    if (platform::SerialPortExists(Com_Port_Name(n))) present.push_back(n);
  return present;
}

std::vector<std::string> Com_Port_List() { return Com_Port_Names(EnumPorts()); }

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

std::vector<std::string> With_Option_Codes(std::vector<std::string> Head, const TUpdateOptions& Options) {
  for (const char* code : {Options.Firmware ? "FW" : "NO", Options.Read_Firm ? "FR" : "NO", Options.Conf ? "PW" : "NO",
                           Options.Read_Conf ? "PR" : "NO"})
    Head.emplace_back(code);
  return Head;
}

std::vector<std::string> Updater_Arguments(const std::string& Port, int BaudPosition, const TUpdateOptions& Options) {
  std::vector<std::string> arguments = With_Option_Codes({Port, IntToStr(BaudPosition)}, Options);
  arguments.push_back(Firmware_Image_Path());
  arguments.push_back(Config_Image_Path());
  return arguments;
}

TProgramResult Run_Updater(const std::string& Port, int BaudPosition, const TUpdateOptions& Options,
                           const std::function<void()>& Between_Polls) {
  return Start_Program(Updater_Program_Path(), Updater_Arguments(Port, BaudPosition, Options), false,
                       Between_Polls);
}
