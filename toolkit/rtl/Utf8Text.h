#pragma once
// Counting and cutting UTF-8 text by characters, so that a limit or a cut
// never splits a character's bytes.

#include <cstddef>
#include <string>
#include <string_view>

inline bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The characters of Text (a stray continuation byte counts as none).
inline size_t Utf8CharCount(std::string_view Text) {
  size_t n = 0;
  for (char c : Text) n += IsUtf8Continuation(c) ? 0 : 1;
  return n;
}

// The start of the character that holds byte Pos (Pos itself when it starts one).
inline size_t Utf8CharStart(std::string_view Text, size_t Pos) {
  if (Pos >= Text.size()) return Text.size();
  while (Pos > 0 && IsUtf8Continuation(Text[Pos])) --Pos;
  return Pos;
}

// The first Chars characters of Text.
inline std::string Utf8Left(std::string_view Text, size_t Chars) {
  size_t seen = 0;
  for (size_t i = 0; i < Text.size(); ++i)
    if (!IsUtf8Continuation(Text[i]) && seen++ == Chars) return std::string(Text.substr(0, i));
  return std::string(Text);
}
