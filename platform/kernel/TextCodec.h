#pragma once
// Text conversions the platform services need at their edges (clipboard and
// drag-and-drop blocks hold UTF-16 or Windows-1252 text; the program's text is
// UTF-8). The toolkit's Encoding.h builds on these.

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

constexpr char32_t kInvalidUtf8 = 0xFFFFFFFF;

// Decodes the code point at pos and advances past it; kInvalidUtf8 (advancing
// one byte) for a malformed, overlong, surrogate or out-of-range sequence.
char32_t NextUtf8(std::string_view text, size_t& pos);
// A surrogate or a value past U+10FFFF is written as U+FFFD.
void AppendUtf8(std::string& out, char32_t cp);

// Malformed UTF-8 and unpaired surrogates become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// Windows-1252; its five undefined bytes keep their C1 code points.
char32_t Cp1252ToUnicode(uint8_t byte);
std::string Cp1252ToUtf8(std::string_view bytes);
// Characters Windows-1252 lacks become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// UTF-16 little-endian bytes, as clipboard and drag blocks carry them.
std::string Utf16ToBytes(std::u16string_view text);
std::u16string BytesToUtf16(std::string_view bytes);  // an odd last byte is dropped

}  // namespace platform
