#include "app/UTextConv.h"

#include <algorithm>

namespace {

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

int Hex_Digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = Upper(c);
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<int32_t> Str_To_Int(std::string_view Text) {
  size_t i = 0;
  while (i < Text.size() && Text[i] == ' ') ++i;
  bool negative = false;
  if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) negative = Text[i++] == '-';
  bool hex = false;
  if (i < Text.size() && Text[i] == '$') {
    hex = true, ++i;
  } else if (i < Text.size() && Upper(Text[i]) == 'X') {
    hex = true, ++i;
  } else if (i + 1 < Text.size() && Text[i] == '0' && Upper(Text[i + 1]) == 'X') {
    hex = true, i += 2;
  }
  if (i >= Text.size()) return std::nullopt;
  uint64_t value = 0;
  const uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  for (; i < Text.size(); ++i) {
    int d = hex ? Hex_Digit(Text[i]) : ((Text[i] >= '0' && Text[i] <= '9') ? Text[i] - '0' : -1);
    if (d < 0) return std::nullopt;
    value = value * (hex ? 16 : 10) + static_cast<uint64_t>(d);
    if (value > limit) return std::nullopt;
  }
  uint32_t bits = static_cast<uint32_t>(value);
  if (negative) bits = 0u - bits;
  return static_cast<int32_t>(bits);
}

int32_t Str_To_Int_Def(std::string_view Text, int32_t Fallback) {
  return Str_To_Int(Text).value_or(Fallback);
}

std::string Trim_Text(std::string_view Text) {
  size_t b = 0, e = Text.size();
  while (b < e && static_cast<unsigned char>(Text[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(Text[e - 1]) <= ' ') --e;
  return std::string(Text.substr(b, e - b));
}

std::string Upper_Ascii(std::string_view Text) {
  std::string s(Text);
  std::transform(s.begin(), s.end(), s.begin(), Upper);
  return s;
}

bool Same_Text(std::string_view A, std::string_view B) {
  return A.size() == B.size() && Upper_Ascii(A) == Upper_Ascii(B);
}

bool Less_Text(std::string_view A, std::string_view B) {
  std::string a = Upper_Ascii(A), b = Upper_Ascii(B);
  if (a != b) return a < b;
  return A < B;
}
