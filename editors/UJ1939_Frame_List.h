#pragma once
// The J1939 frames of J1939_Receive.xml or J1939_Transmit.xml as the CANopen
// and mapping editors offer them: by position, with the texts as stored and
// the number of data bytes that may be mapped.

#include <string>
#include <vector>

struct TJ1939_Frame_Info {
  std::string Priority;  // empty when not read
  std::string Data_Page;
  std::string PGN;
  std::string Source_Address;
  int Num_Byte = 8;
};

struct TJ1939_Frame_Read {
  std::vector<TJ1939_Frame_Info> Frames;  // the frames read before any error
  std::string Error;                      // empty when the whole file was read
};

// The frame-side attributes each reader needs.
struct TJ1939_Frame_Needs {
  std::vector<std::string> Required;  // of DataPage, PGN, SourceAddress, Priority, TransportProtocol
  // A frame whose TransportProtocol is set offers NumBytes bytes (which is
  // then required; 0 when it is no number, at most a long message's 1785).
  bool Long_Messages = false;
};

// A missing file gives no frames and no error. A frame without a needed
// attribute ends the reading there.
TJ1939_Frame_Read Read_J1939_Frames(const std::string& Path, const TJ1939_Frame_Needs& Needs);
