#pragma once
// The PROFIBUS device description (GSD file, revision 5) of the converter as
// configured: the general part from a fixed template, the data lengths and
// the module list computed from ParGen.xml and the two J1939 frame tables.

#include <cstdint>
#include <string>
#include <vector>

#include "outputs/USectionFiles.h"

inline constexpr int Msg_GSD_Overwrite = 713;
inline constexpr int Msg_GSD_No_ParGen = 714;

// The maker's identification, written into every GSD file.
inline constexpr unsigned GSD_Ident_Number = 0x2107;
extern const char* const GSD_Maker_Lines[7];

// Counts and lengths in 64 bits, so that no table makes them wrap.
struct TGSD_Data {
  bool Module_Flag = false;  // one module per J1939 frame
  bool Send_Flag = false;    // the bitmap of the transmitted frames is exchanged
  int64_t Rx_Rows = 0;
  int64_t Tx_Rows = 0;
  std::vector<int> Frame_Sizes;  // bytes of each received frame
  int64_t Input_Len = 0;
  int64_t Output_Len = 0;
  int64_t Bitmap_Len = 0;
  int64_t Input_Modules = 0;
  int64_t Output_Modules = 0;
};

TGSD_Data Compute_GSD_Data(const TParGenFile& ParGen, const TSectionTable& Receive, const TSectionTable& Transmit);
// From the open project's section files; raises ESectionFileError for a file
// that cannot be read.
TGSD_Data Read_GSD_Data();

// A module that cannot be described: its size is outside 1 to 64 bytes.
struct TGSD_Error {
  int Row = 0;   // receive row (from 1) of the frame; 0 for a bitmap module
  int64_t Size = 0;
  std::string Text() const;
};

// The whole file text, CR LF after every line. False, with Error set, when a
// module size is outside 1 to 64 bytes.
bool Build_GSD_Text(const TGSD_Data& Data, std::string& Text, TGSD_Error* Error = nullptr);

// 0 when the GSD step can start, else Msg_GSD_No_ParGen (no ParGen.xml).
int Check_GSD_Preconditions();
// The chosen name as typed when it ends with ".gsd" in any letter case, else
// with ".gsd" appended.
std::string GSD_File_Name(const std::string& Chosen);
// Reads the section files, builds the text and replaces FileName atomically.
// False with Error (file or module problem) when nothing was written.
bool Write_GSD_File(const std::string& FileName, std::string* Error = nullptr);
