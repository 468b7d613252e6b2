#pragma once
// The byte layouts of the standard clipboard and drag-and-drop blocks, built
// from and read into the program's UTF-8 text. Readers never trust a length
// or offset inside a block: whatever points outside it ends the reading.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// CF_TEXT: Windows-1252 with a terminating zero; characters it lacks become '?'.
std::string MakeTextBlock(std::string_view utf8);
std::string ReadTextBlock(std::string_view block);  // up to the first zero

// CF_UNICODETEXT: UTF-16LE with a terminating zero character.
std::string MakeUnicodeTextBlock(std::string_view utf8);
std::string ReadUnicodeTextBlock(std::string_view block);  // up to the first zero character

// CF_HDROP: a 20-byte header (offset of the name list, drop point, a flag
// saying the names are wide), the names each zero-terminated, an empty name last.
std::string MakeFileDropBlock(const std::vector<std::string>& utf8Paths);
std::vector<std::string> ReadFileDropBlock(std::string_view block);

// "HTML Format": the header with byte offsets around an HTML fragment (UTF-8).
std::string MakeHtmlBlock(std::string_view fragment);
// The fragment between StartFragment and EndFragment; "" when the header is unusable.
std::string ReadHtmlBlock(std::string_view block);

}  // namespace platform
