#pragma once
// The non-visual part of the CAN update wizard: the port names, the bit-rate
// choices, the updater's command line and the program it starts.

#include <functional>
#include <string>
#include <vector>

#include "base/UStartProgram.h"

inline constexpr int Msg_No_Com_Port = 188;
// The bit-rate list: entry 0 asks the updater to search, 1 to 11 are rates.
inline constexpr int Baud_Choice_First_String = 168;
inline constexpr int Baud_Choice_Count = 12;

// The four options, all on when the wizard is created.
struct TUpdateOptions {
  bool Firmware = true;    // write the firmware
  bool Read_Firm = true;   // read the firmware back after writing
  bool Conf = true;        // write the configuration
  bool Read_Conf = true;   // read the configuration back after writing
};

// Numbers of the serial ports present (opened, or refused as in use), from
// COM1 to COM256 in increasing order.
std::vector<int> EnumPorts();
// The entries of the port list: "COM" + number for every port present.
std::vector<std::string> Com_Port_List();

// "COM" followed by the port number.
std::string Com_Port_Name(int Number);
std::vector<std::string> Com_Port_Names(const std::vector<int>& Numbers);

// 0 when Next may go on to the options page, else Msg_No_Com_Port.
int Check_Com_Choice(const std::string& ComText);

// The firmware image in Master_Folder and the configuration image in the
// project's bin folder.
std::string Firmware_Image_Path();
std::string Config_Image_Path();
// The updater program beside the configurator.
std::string Updater_Program_Path();

// Head followed by the four option codes: "FW" or "NO", "FR" or "NO", "PW" or
// "NO", "PR" or "NO".
std::vector<std::string> With_Option_Codes(std::vector<std::string> Head, const TUpdateOptions& Options);

// The updater's arguments: the port, the bit-rate position, the four option
// codes (FW/FR/PW/PR or NO each) and the two image paths, "COM3", "8", "FW",
// "NO", "PW", "PR", "<firmware image>", "<configuration image>". Each is one
// argument as it stands, whatever blanks or quotes a folder name holds.
std::vector<std::string> Updater_Arguments(const std::string& Port, int BaudPosition, const TUpdateOptions& Options);

// Starts the updater beside the configurator with the arguments above
// (window shown) and waits for it; see Start_Program for the outcomes.
TProgramResult Run_Updater(const std::string& Port, int BaudPosition, const TUpdateOptions& Options,
                           const std::function<void()>& Between_Polls = {});
