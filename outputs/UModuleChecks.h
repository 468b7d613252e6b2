#pragma once
// The checks run before the configuration image or the GSD file is made:
// that the exchange data of the J1939 frames can be cut into PROFIBUS DP
// modules within the converter's limits (at most 61 modules of at most 64
// bytes, at most 244 bytes), and that no frame table holds more frames than
// the image can carry.

#include <string>

#include "outputs/USectionFiles.h"

inline constexpr int Msg_Module_Too_Big = 717;
inline constexpr int Msg_Too_Many_Modules = 718;
inline constexpr int Msg_Too_Many_Bytes = 719;
// Not a string-table entry: the message is built by Module_Check_Text.
inline constexpr int Msg_Too_Many_Frames = -1;

inline constexpr int Max_Frame_Rows = 30;
inline constexpr int Max_Modules = 61;
inline constexpr int Max_Module_Bytes = 64;
inline constexpr int Max_Data_Bytes = 244;

struct TModuleCheck {
  int Message = 0;   // 0 when the checks pass, else one of the Msg_ values above
  int Row = 0;       // the row (from 1) that failed, for Msg_Module_Too_Big and Msg_Too_Many_Frames
  std::string File;  // the frame table's file name, for Msg_Too_Many_Frames
  bool Passed() const { return Message == 0; }
};

// The checks on loaded files; the first failing one is returned.
TModuleCheck Check_Modules(const TParGenFile& ParGen, const TSectionTable& Receive, const TSectionTable& Transmit);
// The same on the open project's section files. Raises ESectionFileError for
// a file that cannot be read.
TModuleCheck Check_Modules_Creation();
// The text of the error box for a failed check.
std::string Module_Check_Text(const TModuleCheck& Check);
