#pragma once
// The few texts the configurator shows that have no index in the language
// string table (so they cannot be translated yet). They are kept here, and
// only here, so that a translation or a new table entry has one place to
// start from.

#include <cstdint>
#include <string>

// The external program (the device updater) could not be started, failed or hung.
std::string Program_Not_Started_Text(const std::string& Program, const std::string& Why);
std::string Program_Failed_Text(const std::string& Program, uint32_t Exit_Code);
std::string Program_Timed_Out_Text(const std::string& Program, uint32_t Seconds);
// Said for Why when the platform gives no reason.
std::string Unknown_Reason_Text();

// A frame table holds more rows than the configuration image can carry.
std::string Too_Many_Frames_Text(const std::string& File, int Max_Rows, int Row);
// A PROFIBUS module of Size bytes: Row is the receive row (from 1), 0 for the bitmap module.
std::string GSD_Module_Size_Text(int Row, int Size);
