#pragma once
// Reading the section files that the device outputs build on (ParGen.xml,
// J1939_Receive.xml, J1939_Transmit.xml), and the one reading of their flags
// that the image, the module checks and the GSD writer share, so that the
// three always describe the same data.

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/rtl/Exceptions.h"

// A section file that exists but cannot be used (not XML, unreadable, or a
// row without an attribute the output needs); the message names the file.
QUELIX_EXCEPTION(ESectionFileError, Exception)

// Y/N flags of the frame tables: on when the text, trimmed and upper-cased,
// is "Y". A missing attribute is off.
bool Flag_Y(const std::optional<std::string>& Text);
// "1"/"0" flags of ParGen.xml: on only for the exact text "1".
bool Flag_One(const std::optional<std::string>& Text);

// One row of a frame table: its attributes by name.
struct TSectionRow {
  std::map<std::string, std::string> Attributes;
  std::optional<std::string> Attr(const std::string& Name) const;
};

// A frame table: the element children of the file's root, in order.
struct TSectionTable {
  bool Exists = false;
  std::string Path;
  std::vector<TSectionRow> Rows;

  // The attribute of a row that the reader cannot do without: raises
  // ESectionFileError naming the file, the row (from 1) and the attribute.
  std::string Required(size_t Row, const std::string& Name) const;
};

// ParGen.xml: the text of each child element of the root, looked up by name
// (the first of that name). An element holding anything but text is absent.
struct TParGenFile {
  bool Exists = false;
  std::map<std::string, std::string> Values;
  std::optional<std::string> Value(const std::string& Name) const;
};

// A missing file (or an empty path) gives Exists false and no rows; a file
// that cannot be read or parsed raises ESectionFileError. The root is the
// first element among the top-level nodes.
TSectionTable Load_Section_Table(const std::string& Path);
TParGenFile Load_Par_Gen_File(const std::string& Path);

// The two PROFIBUS choices of ParGen.xml (off when the file is missing).
struct TProfiChoices {
  bool Profi_Module = false;      // one PROFIBUS module per J1939 frame
  bool Profi_Send_J1939 = false;  // a bitmap of the transmitted frames is sent
};
TProfiChoices Read_Profi_Choices(const TParGenFile& ParGen);

// Bytes a received frame contributes: NumBytes (0 when not a number) with the
// transport protocol, else 8.
int Receive_Frame_Size(const TSectionRow& Row);
// One bit per transmitted frame, in whole bytes.
inline int Bitmap_Bytes(int TransmitRows) { return (TransmitRows + 7) / 8; }
