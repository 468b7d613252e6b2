#include "app/UProject.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include <unistd.h>

#include "base/UComon.h"
#include "base/UFixedTexts.h"
#include "base/ULanguage.h"
#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

bool Has_Forbidden_Char(const std::string& name) {
  for (unsigned char c : name)
    if (c < 0x20 || c == 0x7F || std::strchr("/\\<>:\"|?*", c)) return true;
  return false;
}

void Close_Project() {
  Project_Name.clear();
  Project_Folder.clear();
}

}  // namespace

int Check_Project_Name(const std::string& Name) {
  if (Name.empty()) return Msg_Name_Empty;
  if (Name == "." || Name == ".." || Has_Forbidden_Char(Name) || Name.front() == ' ' || Name.back() == ' ' ||
      Name.back() == '.')
    return Msg_Name_Not_Valid;
  return 0;
}

std::vector<std::string> Load_Existing_Configuration() {
  if (Projects_Folder.empty()) return {};
  return ListFolder(Projects_Folder, "*", fekFolders);
}

int Search_Open_Conf(const std::vector<std::string>& List, const std::string& Name) {
  for (size_t i = 0; i < List.size(); ++i)
    if (SameText(List[i], Name)) return static_cast<int>(i);
  return -1;
}

std::string Current_Project_Name() {
  if (Project_Folder.empty()) return {};
  return std::filesystem::path(Project_Folder).filename().string();
}

int Preselected_Project(const std::vector<std::string>& List) {
  if (List.empty()) return -1;
  int found = Search_Open_Conf(List, Current_Project_Name());
  return found >= 0 ? found : 0;
}

int Create_Project(const std::string& Name) {
  int check = Check_Project_Name(Name);
  if (check != 0) return check;
  if (!FindNameNoCase(Projects_Folder, Name).empty()) return Msg_Name_Exists;
  if (!Projects_Folder_Problem().empty()) return Msg_Projects_Folder_Unusable;
  std::string folder = Join_Path(Projects_Folder, Name);
  std::error_code ec;
  if (!std::filesystem::create_directory(folder, ec)) return Msg_Name_Not_Valid;
  // A project without its bin folder still opens; the image writer makes it.
  std::filesystem::create_directories(Join_Path(folder, Bin_Folder_Name), ec);
  Project_Name = Name;
  Project_Folder = folder;
  Set_Files();
  return 0;
}

bool Open_Project_Named(const std::string& Name_Conf) {
  std::vector<std::string> list = Load_Existing_Configuration();
  int index = Name_Conf.empty() ? -1 : Search_Open_Conf(list, Name_Conf);
  if (index < 0) {
    Close_Project();
  } else {
    Project_Name = list[static_cast<size_t>(index)];
    Project_Folder = Join_Path(Projects_Folder, Project_Name);
  }
  Set_Files();
  return index >= 0;
}

void Restore_Last_Project() {
  Project_Folder.clear();
  if (!Is_Valid_Project_Name(Project_Name) || Projects_Folder.empty()) return;
  std::string found = FindNameNoCase(Projects_Folder, Project_Name);
  if (!found.empty() && DirectoryExists(Join_Path(Projects_Folder, found)))
    Project_Folder = Join_Path(Projects_Folder, found);
}

std::string Projects_Folder_Problem() {
  namespace fs = std::filesystem;
  if (Projects_Folder.empty()) return Projects_Folder_Text("", "it is not set");
  std::error_code ec;
  fs::file_status link = fs::symlink_status(Projects_Folder, ec);
  fs::file_status target = fs::status(Projects_Folder, ec);
  if (!fs::exists(link)) return Projects_Folder_Text(Projects_Folder, "it does not exist");
  if (!fs::exists(target)) return Projects_Folder_Text(Projects_Folder, "it is a link to nothing");
  if (!fs::is_directory(target)) return Projects_Folder_Text(Projects_Folder, "it is a file, not a folder");
  if (access(Projects_Folder.c_str(), W_OK | X_OK) != 0)
    return Projects_Folder_Text(Projects_Folder, "it is read-only");
  return {};
}

std::string Create_Project_Text(int Result) {
  return Result == Msg_Projects_Folder_Unusable ? Projects_Folder_Problem() : Lang_Text(Result);
}

std::string Project_Display_Name(const std::string& Folder_Name) {
  std::string shown;
  for (size_t i = 0; i < Folder_Name.size();) AppendUtf8(shown, DecodeUtf8Char(Folder_Name, i));
  return shown;
}

bool Can_Open_Project(const std::string& Folder_Name) { return IsValidUtf8(Folder_Name); }
