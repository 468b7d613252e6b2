#pragma once
// The GSD File and Update Device steps of the main window, from their checks
// to the file written or the CAN wizard shown. Every stop is shown in an
// error box; nothing is written after a failed check.

#include <string>

// The save dialog's file types.
inline constexpr const char* GSD_Dialog_Filter = "Generic Station Description (*.gsd)|*.gsd";

// The GSD File step: module checks, ParGen.xml required (string 714), then
// Create_GSD_File.
void Run_GSD_Step();
// After the checks: the save dialog in the project folder, ".gsd" added when
// missing, the overwrite question (string 713), the file written in one piece.
void Create_GSD_File();
// The EDS File step (no module checks): the save dialog in the project
// folder, ".eds" added when missing, the overwrite question (string 713),
// the file written in one piece; a file that cannot be made is shown.
void Create_EDS();

// The Update Device step: module checks, ParGen.xml required (said for the update),
// the image built and written to bin/bank.bin, then the CAN wizard shown
// modally. A stale image never reaches the updater: when bank.bin cannot be
// written the step stops with an error box naming the file.
void Run_Update_Device_Step();

// The text of an error box for a file that was not written: the file's name,
// then why.
std::string File_Not_Written_Text(const std::string& FileName, const std::string& Why);
