#pragma once
// The work of start-up and shutdown that touches no window: folders,
// settings, codes, texts and the remembered project; and the state the main
// window shows from it.

#include <string>
#include <utility>

// In order: the working folders beside ExeFolder, the settings file, the
// title and codes, the language (which may fall back to English), the
// remembered project when its folder still exists, and the section-file
// paths. The main window then applies its texts and switches the update
// timer by Update_Check_Wanted(). Returns why the language file could not
// be read ("" when it could), for the window to show.
std::string Start_Up(const std::string& ExeFolder);

// Writes the settings file; false with Error when it cannot be written (the
// program closes all the same).
bool Shut_Down(std::string* Error = nullptr);

// The two project labels of the main window: string 10 and the project name
// while a project is open, strings 8 and 9 otherwise.
std::pair<std::string, std::string> Project_Label_Texts();
