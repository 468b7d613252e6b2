#include "platform/xml/XmlChars.h"

#include <cstdio>

namespace platform::xml_detail {
namespace {

// Length of a UTF-8 sequence from its lead byte, 0 for a byte that cannot lead.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

char32_t NextCodePoint(std::string_view text, size_t& pos) {
  unsigned char lead = static_cast<unsigned char>(text[pos]);
  int len = SequenceLength(lead);
  if (len == 0 || pos + len > text.size()) {
    ++pos;
    return kInvalidUtf8;
  }
  if (len == 1) {
    ++pos;
    return lead;
  }
  char32_t cp = lead & (0x7F >> len);
  for (int i = 1; i < len; ++i) {
    unsigned char c = static_cast<unsigned char>(text[pos + i]);
    if ((c & 0xC0) != 0x80) {
      ++pos;
      return kInvalidUtf8;
    }
    cp = (cp << 6) | (c & 0x3F);
  }
  static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMinimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++pos;
    return kInvalidUtf8;
  }
  pos += len;
  return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
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
    cp = NextCodePoint(text, pos);
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
