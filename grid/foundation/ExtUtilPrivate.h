#pragma once
// Small string routines shared by the grid helper files and by nothing else.

#include <string>
#include <string_view>

// 1-based position of Sub in Text, 0 when absent (an empty Sub is absent).
inline int TextPos(std::string_view Sub, std::string_view Text) {
  if (Sub.empty()) return 0;
  size_t p = Text.find(Sub);
  return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

inline std::string AsciiUpper(std::string_view Text) {
  std::string out(Text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return out;
}

inline std::string ReplaceAll(std::string_view Text, std::string_view From, std::string_view To) {
  std::string out;
  size_t i = 0;
  while (i < Text.size()) {
    if (!From.empty() && Text.compare(i, From.size(), From) == 0) {
      out += To;
      i += From.size();
    } else {
      out += Text[i++];
    }
  }
  return out;
}

inline bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Leading and trailing blanks and control characters removed.
inline std::string_view TrimText(std::string_view t) {
  while (!t.empty() && IsBlankOrControl(t.front())) t.remove_prefix(1);
  while (!t.empty() && IsBlankOrControl(t.back())) t.remove_suffix(1);
  return t;
}

// The framework's integer reading: leading blanks, an optional sign, then
// decimal digits, or hexadecimal ones after "$" or "0x"; nothing may follow
// and the value must fit 32 bits.
bool TryReadInt(std::string_view Text, int& Value);
