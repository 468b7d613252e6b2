#pragma once
// The non-visual part of the serial and network update wizards, which no step
// of this build opens: the device address check and the arguments their
// update buttons compose (they start no program).

#include <array>
#include <string>
#include <vector>

#include "outputs/UBootCAN.h"

inline constexpr int Msg_No_Serial_Port = 702;
inline constexpr int Msg_Device_Found = 314;
inline constexpr int Msg_Device_Not_Found = 315;
inline constexpr int Msg_Ping_Error = 316;
inline constexpr int Msg_No_Ping = 317;

// True when IP is a dotted address of four integers 0 to 255 (blanks around
// the parts allowed); Parts then holds the four trimmed parts.
bool Valid_IP(const std::string& IP, std::array<std::string, 4>& Parts);

// "\\.\COM3", "FW", "FR", "PW", "PR" for the serial wizard.
std::vector<std::string> Serial_Update_Arguments(const std::string& Port, const TUpdateOptions& Options);
// "192.168.2.205", "2007", "FW", "FR", "PW", "PR" for the network wizard; the
// edit texts are joined with "." as typed.
std::vector<std::string> Network_Update_Arguments(const std::array<std::string, 4>& Edits,
                                                  const TUpdateOptions& Options);
// The four edit texts joined with "." (what Next stores in Device_IP).
std::string Join_IP(const std::array<std::string, 4>& Edits);

// Why the update buttons of the serial and network wizards cannot act.
std::string No_Updater_Reason_Text();
