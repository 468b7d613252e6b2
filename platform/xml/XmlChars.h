#pragma once
// Character rules shared by the XML reader and writer: UTF-8 decoding and
// encoding, and what XML 1.0 allows in text and names.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/kernel/TextCodec.h"

namespace platform::xml_detail {

// Char ::= #x9 | #xA | #xD | [#x20-#xD7FF] | [#xE000-#xFFFD] | [#x10000-#x10FFFF]
bool IsXmlChar(char32_t cp);

// Offset of the first character XML 1.0 cannot carry (or of invalid UTF-8), or npos.
size_t FindBadChar(std::string_view text, char32_t& found);

// A name the writer may emit and the reader will read back: ASCII letters,
// digits, '_', ':', '-', '.' and any non-ASCII character, not starting with a
// digit, '-' or '.'.
bool IsXmlName(std::string_view name);

// "U+0001" or "an invalid UTF-8 byte" for messages.
std::string DescribeChar(char32_t cp);

}  // namespace platform::xml_detail
