#include "toolkit/rtl/Encoding.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Windows-1252 0x80..0x9F; the five holes map to the C1 control of the same
// value, as the system's own conversion does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isCont(unsigned char c) { return (c & 0xC0) == 0x80; }

int cp1252Byte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int i = 0; i < 32; ++i)
    if (kCp1252High[i] == cp) return 0x80 + i;
  return '?';
}

}  // namespace

char32_t DecodeUtf8Char(std::string_view s, size_t& i) {
  auto c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) { ++i; return c; }
  int len = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
  if (c >= 0xF5) len = 0;
  if (len == 0 || i + len > s.size()) { ++i; return kReplacement; }
  char32_t cp = c & (0xFF >> (len + 1));
  for (int k = 1; k < len; ++k) {
    auto d = static_cast<unsigned char>(s[i + k]);
    if (!isCont(d)) { ++i; return kReplacement; }
    cp = (cp << 6) | (d & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not text.
  bool overlong = (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000);
  if (overlong || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) { ++i; return kReplacement; }
  i += len;
  return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsValidUtf8(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    size_t at = i;
    char32_t cp = DecodeUtf8Char(s, i);
    // A genuine U+FFFD is three bytes long; a replacement for bad input is one.
    if (cp == kReplacement && i - at == 1) return false;
  }
  return true;
}

std::u16string Utf8ToUtf16(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    char32_t cp = DecodeUtf8Char(s, i);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    }
    AppendUtf8(out, c);  // a lone surrogate becomes U+FFFD there
  }
  return out;
}

std::string Windows1252ToUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char ch : s) {
    auto c = static_cast<unsigned char>(ch);
    AppendUtf8(out, c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : c);
  }
  return out;
}

std::string Utf8ToWindows1252(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) out += static_cast<char>(cp1252Byte(DecodeUtf8Char(s, i)));
  return out;
}

namespace {

std::string decodeUtf16(std::string_view b, bool bigEndian) {
  std::u16string u;
  u.reserve(b.size() / 2);
  for (size_t i = 0; i + 1 < b.size(); i += 2) {
    auto lo = static_cast<unsigned char>(b[i + (bigEndian ? 1 : 0)]);
    auto hi = static_cast<unsigned char>(b[i + (bigEndian ? 0 : 1)]);
    u += static_cast<char16_t>(lo | (hi << 8));
  }
  std::string out = Utf16ToUtf8(u);
  if (b.size() % 2) AppendUtf8(out, kReplacement);  // a cut-off last unit is not silently dropped
  return out;
}

}  // namespace

std::string DecodeText(std::string_view b, TTextEncoding* Detected) {
  auto set = [&](TTextEncoding e) { if (Detected) *Detected = e; };
  if (b.size() >= 3 && b.substr(0, 3) == "\xEF\xBB\xBF") {
    set(TTextEncoding::Utf8Bom);
    return std::string(b.substr(3));
  }
  if (b.size() >= 2 && b.substr(0, 2) == "\xFF\xFE") {
    set(TTextEncoding::Utf16LE);
    return decodeUtf16(b.substr(2), false);
  }
  if (b.size() >= 2 && b.substr(0, 2) == "\xFE\xFF") {
    set(TTextEncoding::Utf16BE);
    return decodeUtf16(b.substr(2), true);
  }
  if (IsValidUtf8(b)) {
    set(TTextEncoding::Utf8);
    return std::string(b);
  }
  set(TTextEncoding::Windows1252);
  return Windows1252ToUtf8(b);
}

std::string EncodeText(std::string_view utf8, TTextEncoding Encoding) {
  switch (Encoding) {
    case TTextEncoding::Utf8: return std::string(utf8);
    case TTextEncoding::Utf8Bom: return "\xEF\xBB\xBF" + std::string(utf8);
    case TTextEncoding::Windows1252: return Utf8ToWindows1252(utf8);
    case TTextEncoding::Utf16LE:
    case TTextEncoding::Utf16BE: {
      bool be = Encoding == TTextEncoding::Utf16BE;
      std::string out = be ? "\xFE\xFF" : "\xFF\xFE";
      for (char16_t c : Utf8ToUtf16(utf8)) {
        char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
        out += be ? hi : lo;
        out += be ? lo : hi;
      }
      return out;
    }
  }
  return std::string(utf8);
}
