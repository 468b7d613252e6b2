#pragma once
// The communication parameters of a project as the Set Communication dialog
// edits them, ParGen.xml read into them and written from them, and their
// limits.

#include <string>

#include "outputs/USectionFiles.h"

inline constexpr int Can_Baud_Count = 9;       // 10K ... 1000K
inline constexpr int Can_Baud_Default = 5;     // 250K

struct TParGenValues {
  int Can_Baud = Can_Baud_Default;  // position in the bit-rate list
  std::string Can_TimeOut = "0";
  bool Can_Peer = false;
  bool Filter_FECA = false;
  std::string TimeOut_FECA = "0";
  std::string J1939_Device_ID = "1";
  std::string Profi_ID = "10";
  bool Profi_Module = false;
  bool Profi_Send_J1939 = false;
};

// Each value from its element, or its default when the element is missing
// or unreadable. A bit rate outside the list gives the default, so what is
// shown is what will be saved.
TParGenValues Read_Par_Gen_Values(const TParGenFile& File);

// Rewrites Path atomically: the root Par_Gen, the version comment, one
// element per parameter. Raises platform::XmlError when it cannot be written.
void Save_Par_Gen_File(const TParGenValues& Values, const std::string& Path);

struct TParGenCheck {
  int Message = 0;   // 0 when the values pass, else the string index (or Msg_Unsavable_Char)
  std::string Text;  // the text of the error box
  bool Passed() const { return Message == 0; }
};
// The limits in the dialog's order, then characters the file cannot carry.
TParGenCheck Check_Par_Gen(const TParGenValues& Values);
