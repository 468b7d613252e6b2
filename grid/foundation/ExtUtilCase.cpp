// Mixed-case capitalisation for the mixed-case editors.

#include "grid/foundation/ExtUtil.h"

#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

// The run-time library's case mapping, applied to one character.
char32_t MapChar(char32_t c, bool upper) {
  std::string one;
  AppendUtf8(one, c);
  std::string mapped = upper ? AnsiUpperCase(one) : AnsiLowerCase(one);
  size_t i = 0;
  return DecodeUtf8Char(mapped, i);
}

std::u32string Decode(std::string_view s) {
  std::u32string out;
  for (size_t i = 0; i < s.size();) out += DecodeUtf8Char(s, i);
  return out;
}

bool EndsWith(const std::u32string& t, size_t i, std::u32string_view tail) {
  return i + 1 >= tail.size() && t.compare(i + 1 - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

bool IsWordBreakChar(char32_t Ch) {
  return Ch == U' ' || Ch == U'\'' || Ch == U',' || Ch == U'-' || Ch == U'.';
}

std::string ToMixedCase(std::string_view Text) {
  std::u32string t = Decode(Text);
  const size_t n = t.size();
  bool capital = true;
  for (size_t i = 0; i < n; ++i) {
    if (IsWordBreakChar(t[i])) {
      capital = true;
    } else {
      t[i] = MapChar(t[i], capital);
      capital = false;
    }
    // Name prefixes and trailing roman numerals keep their capitals.
    if (i == 1 && EndsWith(t, i, U"Mc")) capital = true;
    if (EndsWith(t, i, U" Mc") && t.find(U" Mc") == i - 2) capital = true;
    if (i + 3 >= n && (EndsWith(t, i, U" I") || EndsWith(t, i, U" II"))) capital = true;
  }
  std::string out;
  for (char32_t c : t) AppendUtf8(out, c);
  return out;
}
