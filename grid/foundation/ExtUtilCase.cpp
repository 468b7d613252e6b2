// Letter case: the grid's case mapping and mixed-case capitalisation.

#include "grid/foundation/ExtUtil.h"

#include "grid/foundation/ExtUtilPrivate.h"

namespace {

// Upper and lower case ranges that differ by a fixed offset.
struct TCaseRange {
  char32_t LowFirst, LowLast, Upper;
};
constexpr TCaseRange kRanges[] = {
    {U'a', U'z', U'A'},           {0x00E0, 0x00F6, 0x00C0}, {0x00F8, 0x00FE, 0x00D8},
    {0x03B1, 0x03C1, 0x0391},     {0x03C3, 0x03C9, 0x03A3}, {0x0430, 0x044F, 0x0410},
    {0x0450, 0x045F, 0x0400},
};

// Latin Extended-A pairs an upper letter at an even code point with the lower
// one after it, except in two runs where the upper letter is odd.
bool LatinExtPair(char32_t c) {
  if (c < 0x0100 || c > 0x017F || c == 0x0130 || c == 0x0131 || c == 0x0138 || c == 0x0149 || c == 0x017F)
    return false;
  return true;
}
bool LatinExtUpperIsOdd(char32_t c) {
  return (c >= 0x0139 && c <= 0x0148) || (c >= 0x0179 && c <= 0x017E);
}

char32_t ToUpperChar(char32_t c) {
  for (const auto& r : kRanges)
    if (c >= r.LowFirst && c <= r.LowLast) return c - r.LowFirst + r.Upper;
  if (c == 0x00FF) return 0x0178;
  if (LatinExtPair(c)) {
    bool odd = c % 2 == 1;
    if (odd != LatinExtUpperIsOdd(c)) return c - 1;
  }
  return c;
}

char32_t ToLowerChar(char32_t c) {
  for (const auto& r : kRanges) {
    char32_t last = r.Upper + (r.LowLast - r.LowFirst);
    if (c >= r.Upper && c <= last) return c - r.Upper + r.LowFirst;
  }
  if (c == 0x0178) return 0x00FF;
  if (LatinExtPair(c) && c != 0x017E && c != 0x0148) {
    bool odd = c % 2 == 1;
    if (odd == LatinExtUpperIsOdd(c)) return c + 1;
  }
  return c;
}

// Malformed bytes are kept as they are, so mapping never loses text.
std::u32string Decode(std::string_view s) {
  std::u32string out;
  for (size_t i = 0; i < s.size();) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    bool ok = len > 0 && i + len <= s.size();
    char32_t cp = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    for (int k = 1; ok && k < len; ++k) {
      unsigned char cb = static_cast<unsigned char>(s[i + k]);
      ok = (cb & 0xC0) == 0x80;
      cp = (cp << 6) | (cb & 0x3F);
    }
    if (!ok) { out += 0x80000000u | b; ++i; continue; }  // raw byte, marked
    out += cp;
    i += len;
  }
  return out;
}

std::string Encode(const std::u32string& t) {
  std::string out;
  for (char32_t c : t) {
    if (c & 0x80000000u) { out += static_cast<char>(c & 0xFF); continue; }
    if (c < 0x80) { out += static_cast<char>(c); continue; }
    if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

template <typename F>
std::string MapChars(std::string_view Text, F map) {
  std::u32string t = Decode(Text);
  for (char32_t& c : t) c = map(c);
  return Encode(t);
}

bool EndsWith(const std::u32string& t, size_t i, std::u32string_view tail) {
  return i + 1 >= tail.size() && t.compare(i + 1 - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::string GridUpperCase(std::string_view Text) { return MapChars(Text, ToUpperChar); }
std::string GridLowerCase(std::string_view Text) { return MapChars(Text, ToLowerChar); }

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
      t[i] = capital ? ToUpperChar(t[i]) : ToLowerChar(t[i]);
      capital = false;
    }
    // Name prefixes and trailing roman numerals keep their capitals.
    if (i == 1 && EndsWith(t, i, U"Mc")) capital = true;
    if (EndsWith(t, i, U" Mc") && t.find(U" Mc") == i - 2) capital = true;
    if (i + 3 >= n && (EndsWith(t, i, U" I") || EndsWith(t, i, U" II"))) capital = true;
  }
  return Encode(t);
}
