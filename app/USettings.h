#pragma once
// The settings file Tessimator.xml beside the program: the last project, the
// device's IP address, the language and the two internet choices.

#include <string>

// Exe_Folder joined with the settings file's name.
std::string Settings_Path();

// Sets Project_Name, Device_IP, Language_Name, Internet_Enabled and
// Update_Enabled from the file. Every value is read by itself and takes its
// default when it is missing or unreadable; a missing or unparsable file gives
// all defaults. The root is the first element among the top-level nodes, so a
// leading declaration or comment does not hide the settings. A project name
// that is not a valid project name is not taken (no project).
void Read_Setting(const std::string& Path);

// Writes the file from the globals, replacing it atomically. False, with the
// old file untouched and Error saying why, when it cannot be written; closing
// the program must not depend on it.
bool Save_Setting(const std::string& Path, std::string* Error = nullptr);
