#pragma once
// The checks a document passes before pugixml sees it: bytes in any accepted
// encoding become UTF-8, and the text is screened for what pugixml would let
// through silently (characters XML forbids, undefined entities, DTDs).

#include <cstddef>
#include <string>
#include <string_view>

namespace platform::xml_detail {

// A fault in the UTF-8 text at a byte offset; the caller turns the offset into
// a line and a column.
struct InputFault {
  std::string message;
  size_t offset;
};

// Converts the file's bytes to UTF-8 (BOM removed). Raises XmlError for an
// unsupported or inconsistent encoding.
std::string DecodeToUtf8(std::string_view bytes);

// Raises InputFault for a character XML 1.0 cannot carry, a document type
// declaration, or an entity reference other than the predefined ones and
// character references.
void ScreenText(std::string_view utf8);

// 1-based line and column (in characters) of a byte offset.
std::string DescribePosition(std::string_view utf8, size_t offset);

}  // namespace platform::xml_detail
