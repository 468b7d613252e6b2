#pragma once
// The program-wide state that every window reads and writes directly: the
// working folders, the open project, the product codes, the remembered
// settings and the paths of the project's section files.

#include <array>
#include <string>

// Folders and the open project. Project_Folder is empty while no project is
// open; every step that needs a project tests it.
extern std::string Project_Name;
extern std::string Project_Folder;
extern std::string Projects_Folder;
extern std::string Exe_Folder;
extern std::string Master_Folder;
extern std::string Language_Folder;

extern std::string Window_Title;
extern std::string SW_Code;
extern std::string SW_Description;

// Remembered in the settings file.
extern std::string Device_IP;
extern std::string Language_Name;
extern bool Internet_Enabled;
extern bool Update_Enabled;

// The sixteen section files of the open project (empty with no project open).
extern std::string Path_ParGen;
extern std::string Path_J1939_Receive;
extern std::string Path_Define_J1939_Rec;
extern std::string Path_J1939_Transmit;
extern std::string Path_Define_J1939_Tra;
extern std::string Path_Modbus_Write_Req;
extern std::string Path_Modbus_Read_Req;
extern std::string Path_CANopen_TPDO;
extern std::string Path_CANopen_RPDO;
extern std::string Path_CANopen_Define_Server_SDO_Read;
extern std::string Path_CANopen_Define_Server_SDO_Write;
extern std::string Path_CANopen_Define_Client_SDO;
extern std::string Path_CANopen_Define_NodeGuard;
extern std::string Path_CANopen_Define_NG_J1939_Frames;
extern std::string Path_CAN_Define_Receive;
extern std::string Path_CAN_Define_Transmit;

inline const std::string SW_Code_Default = "CF21070";
inline const std::string SW_Description_Default = "J1939 / PROFIBUS Slave - Converter";
inline const std::string SW_Version_Code = "CF21070";
// The program's own version, compared with the published one.
inline const std::string SW_Version = "1.000";
inline constexpr int Position_Count = 2000;

inline const std::string Window_Title_Default = "Quelix - Configurator CF21070 - J1939 / PROFIBUS Slave ";
inline const std::string Device_IP_Default = "192.168.2.205";
inline const std::string Language_Default = "English";

// The maker's web host: the version query and every link go there.
inline const std::string Web_Host = "www.quelix.example";

// Names of the things kept beside the program and inside a project.
inline const std::string Settings_File_Name = "Tessimator.xml";
inline const std::string Master_Folder_Name = "MASTER";
inline const std::string Projects_Folder_Name = "PROJECTS";
inline const std::string Language_Folder_Name = "LANGUAGE";
inline const std::string Bin_Folder_Name = "bin";
inline const std::string Bin_File_Name = "bank.bin";
inline const std::string Firmware_File_Name = "sim21070.sim";
inline const std::string Updater_File_Name = "CAN_21070_Update.exe";

// One section file: the global holding its path and the file's name.
struct TSectionFile {
  std::string* Path;
  const char* FileName;
};
extern const std::array<TSectionFile, 16> Section_Files;

// Joins folder and name with the platform separator.
std::string Join_Path(const std::string& Folder, const std::string& Name);

// Rebuilds the sixteen section-file paths from Project_Folder; all of them
// are empty while no project is open. Touches no file.
void Set_Files();

// Sets Exe_Folder (without a trailing separator) and the three working
// folders beside it, creating those that are missing. A folder that cannot be
// created is not reported: the steps that need it fail later in their own way.
void Init_Working_Folders(const std::string& ExeFolder);

// The string shown when a step that needs a project runs with none open.
inline constexpr int Msg_Project_Not_Valid = 22;
// 0 when a step that needs a project may run, else Msg_Project_Not_Valid.
int Check_Project_Open();

// Back to the state before start-up (every text empty, flags off); for tests.
void Reset_Comon();
