#pragma once
// The project store: project names, the list of project folders, and
// creating and opening a project (the work behind the new-project and
// open-project dialogs, without the dialogs).

#include <string>
#include <vector>

// String-table indices of the new-project dialog's messages.
inline constexpr int Msg_Name_Not_Valid = 29;
inline constexpr int Msg_Name_Exists = 30;
inline constexpr int Msg_Name_Empty = 31;
// Not a string-table entry: the projects folder itself cannot take a new
// project; Projects_Folder_Problem says why.
inline constexpr int Msg_Projects_Folder_Unusable = -1;

// 0 when Name can be a project folder's name; otherwise the string index of
// the message: 31 for an empty name, 29 for "." or "..", a name holding
// / \ < > : " | ? * or a control character, beginning or ending with a blank,
// or ending with ".". The name is taken exactly as typed (no trimming).
int Check_Project_Name(const std::string& Name);
inline bool Is_Valid_Project_Name(const std::string& Name) { return Check_Project_Name(Name) == 0; }

// The folders of Projects_Folder, sorted ignoring letter case.
std::vector<std::string> Load_Existing_Configuration();
// Index of Name in List, compared ignoring letter case; -1 when absent.
int Search_Open_Conf(const std::vector<std::string>& List, const std::string& Name);
// The open project's folder name (the part of Project_Folder after
// Projects_Folder), empty when no project is open.
std::string Current_Project_Name();
// The entry the open dialog preselects: the open project when listed, else
// the first entry; -1 for an empty list.
int Preselected_Project(const std::vector<std::string>& List);

// Creates the project Name with its bin folder and makes it the open project
// (globals and section-file paths). Returns 0, or the string index of the
// message to show: 31 empty, 29 not valid or not creatable, 30 when a folder
// of that name exists in any letter case. Nothing changes on failure.
int Create_Project(const std::string& Name);
// Why Projects_Folder cannot take a new folder (missing, a dangling link, a
// file, not writable), empty when it can.
std::string Projects_Folder_Problem();
// The text of the new-project dialog's error box for a result of Create_Project.
std::string Create_Project_Text(int Result);

// A folder name that is not valid UTF-8 cannot be a project (its name could
// not be kept in the settings file): it is listed with replacement
// characters and refused when chosen.
std::string Project_Display_Name(const std::string& Folder_Name);
bool Can_Open_Project(const std::string& Folder_Name);

// Makes the listed project named Name_Conf the open project, with the
// folder's own spelling. An empty name, or one no longer among the project
// folders, leaves no project open. Set_Files runs in every case. True when a
// project is open afterwards.
bool Open_Project_Named(const std::string& Name_Conf);

// Start-up: the project remembered in Project_Name becomes the open one when
// its name is valid and its folder exists; otherwise no project is open and
// Project_Name keeps the remembered name, so that it is written back.
void Restore_Last_Project();
