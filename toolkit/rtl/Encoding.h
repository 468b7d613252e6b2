#pragma once
// Conversions between the program's UTF-8 text and the encodings found in
// files from other tools: UTF-16 (either byte order) and Windows-1252.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class TTextEncoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Windows1252 };

bool IsValidUtf8(std::string_view s);
// Every byte below 128.
bool IsSevenBitText(std::string_view s);

// Decodes the code point at s[i] and moves i past it. A malformed sequence
// yields U+FFFD and moves one byte, so that every input makes progress.
char32_t DecodeUtf8Char(std::string_view s, size_t& i);
void AppendUtf8(std::string& out, char32_t cp);

// Malformed input becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view s);
std::string Utf16ToUtf8(std::u16string_view s);

std::string Windows1252ToUtf8(std::string_view s);
// Characters Windows-1252 cannot hold become '?'.
std::string Utf8ToWindows1252(std::string_view s);

// The text-file rule: a byte-order mark selects UTF-8, UTF-16LE or UTF-16BE;
// without one, valid UTF-8 is taken as is and anything else is Windows-1252.
// Returns UTF-8 without the mark; Detected (optional) tells what was found.
std::string DecodeText(std::string_view bytes, TTextEncoding* Detected = nullptr);
// The same, taking the bytes over: UTF-8 text (the usual case) is returned
// without a copy, so a large file is held once.
std::string DecodeOwnedText(std::string bytes, TTextEncoding* Detected = nullptr);
// UTF-8 text to file bytes, with a byte-order mark for Utf8Bom and UTF-16.
std::string EncodeText(std::string_view utf8, TTextEncoding Encoding);
