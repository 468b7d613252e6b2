#include "platform/xml/XmlChars.h"

#include <cstdio>

namespace platform::xml_detail {

bool IsXmlChar(char32_t cp) {
  if (cp < 0x20) return cp == 0x9 || cp == 0xA || cp == 0xD;
  if (cp <= 0xD7FF) return true;
  if (cp >= 0xE000 && cp <= 0xFFFD) return true;
  return cp >= 0x10000 && cp <= 0x10FFFF;
}

size_t FindBadChar(std::string_view text, char32_t& found) {
  size_t pos = 0;
  while (pos < text.size()) {
    size_t start = pos;
    unsigned char c = static_cast<unsigned char>(text[pos]);
    char32_t cp;
    if (c >= 0x20 && c < 0x80) {  // the common case, without decoding
      ++pos;
      continue;
    }
    cp = NextUtf8(text, pos);
    if (cp == kInvalidUtf8 || !IsXmlChar(cp)) {
      found = cp;
      return start;
    }
  }
  return std::string_view::npos;
}

bool IsXmlName(std::string_view name) {
  if (name.empty()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(name[i]);
    bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80;
    bool other = (c >= '0' && c <= '9') || c == '-' || c == '.';
    if (!letter && !(other && i > 0)) return false;
  }
  char32_t bad;
  return FindBadChar(name, bad) == std::string_view::npos;
}

std::string DescribeChar(char32_t cp) {
  if (cp == kInvalidUtf8) return "an invalid UTF-8 byte";
  char buf[16];
  std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
  return std::string("character ") + buf;
}

}  // namespace platform::xml_detail
