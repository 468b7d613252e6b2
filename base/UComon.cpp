#include "base/UComon.h"

#include <filesystem>
#include <system_error>

std::string Project_Name;
std::string Project_Folder;
std::string Projects_Folder;
std::string Exe_Folder;
std::string Master_Folder;
std::string Language_Folder;
std::string Window_Title;
std::string SW_Code;
std::string SW_Description;
std::string Device_IP;
std::string Language_Name;
bool Internet_Enabled = false;
bool Update_Enabled = false;

std::string Path_ParGen;
std::string Path_J1939_Receive;
std::string Path_Define_J1939_Rec;
std::string Path_J1939_Transmit;
std::string Path_Define_J1939_Tra;
std::string Path_Modbus_Write_Req;
std::string Path_Modbus_Read_Req;
std::string Path_CANopen_TPDO;
std::string Path_CANopen_RPDO;
std::string Path_CANopen_Define_Server_SDO_Read;
std::string Path_CANopen_Define_Server_SDO_Write;
std::string Path_CANopen_Define_Client_SDO;
std::string Path_CANopen_Define_NodeGuard;
std::string Path_CANopen_Define_NG_J1939_Frames;
std::string Path_CAN_Define_Receive;
std::string Path_CAN_Define_Transmit;

const std::array<TSectionFile, 16> Section_Files = {{
    {&Path_ParGen, "ParGen.xml"},
    {&Path_J1939_Receive, "J1939_Receive.xml"},
    {&Path_Define_J1939_Rec, "Define_J1939_Rec.xml"},
    {&Path_J1939_Transmit, "J1939_Transmit.xml"},
    {&Path_Define_J1939_Tra, "Define_J1939_Tra.xml"},
    {&Path_Modbus_Write_Req, "Modbus_Write_Req.xml"},
    {&Path_Modbus_Read_Req, "Modbus_Read_Req.xml"},
    {&Path_CANopen_TPDO, "CANopen_TPDO.xml"},
    {&Path_CANopen_RPDO, "CANopen_RPDO.xml"},
    {&Path_CANopen_Define_Server_SDO_Read, "CANopen_Define_Server_SDO_Read.xml"},
    {&Path_CANopen_Define_Server_SDO_Write, "CANopen_Define_Server_SDO_Write.xml"},
    {&Path_CANopen_Define_Client_SDO, "CANopen_Define_Client_SDO.xml"},
    {&Path_CANopen_Define_NodeGuard, "CANopen_Define_NodeGuard.xml"},
    {&Path_CANopen_Define_NG_J1939_Frames, "CANopen_Define_NG_J1939_Frames.xml"},
    {&Path_CAN_Define_Receive, "CAN_Define_Receive.xml"},
    {&Path_CAN_Define_Transmit, "CAN_Define_Transmit.xml"},
}};

std::string Join_Path(const std::string& Folder, const std::string& Name) {
  return (std::filesystem::path(Folder) / Name).string();
}

void Set_Files() {
  // With no project open a bare file name would point into the current
  // directory; an empty path cannot be mistaken for a real file.
  for (const TSectionFile& f : Section_Files)
    *f.Path = Project_Folder.empty() ? std::string() : Join_Path(Project_Folder, f.FileName);
}

namespace {

std::string Make_Folder(const std::string& Name) {
  std::string folder = Join_Path(Exe_Folder, Name);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  return folder;
}

}  // namespace

void Init_Working_Folders(const std::string& ExeFolder) {
  std::filesystem::path exe(ExeFolder);
  if (!exe.has_filename() && exe.has_parent_path() && exe != exe.root_path()) exe = exe.parent_path();
  Exe_Folder = exe.string();
  Master_Folder = Make_Folder(Master_Folder_Name);
  Projects_Folder = Make_Folder(Projects_Folder_Name);
  Language_Folder = Make_Folder(Language_Folder_Name);
}

int Check_Project_Open() { return Project_Folder.empty() ? Msg_Project_Not_Valid : 0; }

void Reset_Comon() {
  for (std::string* s : {&Project_Name, &Project_Folder, &Projects_Folder, &Exe_Folder, &Master_Folder,
                         &Language_Folder, &Window_Title, &SW_Code, &SW_Description, &Device_IP,
                         &Language_Name})
    s->clear();
  Internet_Enabled = false;
  Update_Enabled = false;
  for (const TSectionFile& f : Section_Files) f.Path->clear();
}
