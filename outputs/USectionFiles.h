#pragma once
// Reading the section files that the device outputs build on (ParGen.xml,
// J1939_Receive.xml, J1939_Transmit.xml), and the one reading of their flags
// that the image, the module checks and the GSD writer share, so that the
// three always describe the same data.

#include <cstdint>
#include <map>
#include <optional>
#include <span>
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

// A number of a section file and the range of the field that carries it
// into the image or the GSD file. A value outside the range is refused when
// the file is read, so that no step cuts, wraps or sums it into something
// else. Needs names the flag under which the value counts (transport
// protocol for the byte range, on request for its time, ...): with that flag
// off the value is not looked at, and one outside the range is dropped
// instead of refused, as the editors do not check it either.
struct TNumberField {
  const char* Name;
  int64_t Min;
  int64_t Max;
  const char* Needs = nullptr;
};

// The numbers of J1939_Receive.xml, J1939_Transmit.xml and ParGen.xml.
extern const std::vector<TNumberField> Receive_Number_Fields;
extern const std::vector<TNumberField> Transmit_Number_Fields;
extern const std::vector<TNumberField> Par_Gen_Number_Fields;

// One row of a frame table: its attributes by name, and its numbers as read.
struct TSectionRow {
  std::map<std::string, std::string> Attributes;
  std::map<std::string, int64_t> Numbers;
  std::optional<std::string> Attr(const std::string& Name) const;
  // The value of a number field; none when the attribute is missing, is no
  // number, or lies outside the range while its flag is off.
  std::optional<int64_t> Number(const std::string& Name) const;
  int64_t Number_Or(const std::string& Name, int64_t Fallback) const { return Number(Name).value_or(Fallback); }
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
  std::map<std::string, int64_t> Numbers;  // the elements of Par_Gen_Number_Fields, as for rows
  std::optional<std::string> Value(const std::string& Name) const;
  int64_t Number_Or(const std::string& Name, int64_t Fallback) const;
};

// A missing file (or an empty path) gives Exists false and no rows; a file
// that cannot be read or parsed, or that holds a number outside its field's
// range, raises ESectionFileError naming the file, the row (or element) and
// the attribute. The root is the first element among the top-level nodes.
// Without Numbers (the editors, which show the texts as written and check
// them on OK) no number is read.
// With Root_Name the root is the top-level element of that name, and a file
// without one has no rows.
TSectionTable Load_Section_Table(const std::string& Path, std::span<const TNumberField> Numbers = {},
                                 const std::string& Root_Name = "");
TParGenFile Load_Par_Gen_File(const std::string& Path,
                               std::span<const TNumberField> Numbers = Par_Gen_Number_Fields);

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
inline int64_t Bitmap_Bytes(int64_t TransmitRows) { return (TransmitRows + 7) / 8; }
