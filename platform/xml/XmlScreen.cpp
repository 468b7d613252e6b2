// pugixml is lenient where XML is strict: it passes control characters and
// undefined entity references through as text. A document that would be
// silently altered is refused here instead, before parsing.

#include "platform/xml/XmlChars.h"
#include "platform/xml/XmlInput.h"

#include <cctype>
#include <cstdlib>

namespace platform::xml_detail {
namespace {

bool StartsAt(std::string_view text, size_t pos, std::string_view what) {
  return text.substr(pos, what.size()) == what;
}

// Position just after the terminator, or the end when it is missing (the parser reports that).
size_t SkipPast(std::string_view text, size_t pos, std::string_view terminator) {
  size_t at = text.find(terminator, pos);
  return at == std::string_view::npos ? text.size() : at + terminator.size();
}

bool IsDigits(std::string_view s, int base) {
  if (s.empty() || s.size() > 8) return false;
  for (char c : s) {
    bool ok = base == 16 ? std::isxdigit(static_cast<unsigned char>(c)) : std::isdigit(static_cast<unsigned char>(c));
    if (!ok) return false;
  }
  return true;
}

// Checks the reference starting with '&' at pos; returns the position after it.
size_t CheckReference(std::string_view text, size_t pos) {
  size_t semi = text.find(';', pos);
  if (semi == std::string_view::npos || semi - pos > 12)
    throw InputFault{"'&' that does not start an entity or character reference", pos};
  std::string_view name = text.substr(pos + 1, semi - pos - 1);
  if (name == "lt" || name == "gt" || name == "amp" || name == "quot" || name == "apos") return semi + 1;
  if (!name.empty() && name[0] == '#') {
    bool hex = name.size() > 1 && name[1] == 'x';
    std::string_view digits = name.substr(hex ? 2 : 1);
    if (!IsDigits(digits, hex ? 16 : 10)) throw InputFault{"malformed character reference", pos};
    char32_t cp = static_cast<char32_t>(std::strtoul(std::string(digits).c_str(), nullptr, hex ? 16 : 10));
    if (!IsXmlChar(cp)) throw InputFault{"character reference to " + DescribeChar(cp) + ", which XML 1.0 does not allow", pos};
    return semi + 1;
  }
  throw InputFault{"undefined entity \"&" + std::string(name) + ";\"", pos};
}

// Inside a tag: references in attribute values are checked, '<' there is refused.
size_t ScreenTag(std::string_view text, size_t pos) {
  char quote = 0;
  for (++pos; pos < text.size(); ++pos) {
    char c = text[pos];
    if (quote) {
      if (c == quote) quote = 0;
      else if (c == '&') pos = CheckReference(text, pos) - 1;
      else if (c == '<') throw InputFault{"'<' in an attribute value", pos};
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return pos + 1;
    }
  }
  return pos;
}

}  // namespace

void ScreenText(std::string_view utf8) {
  char32_t bad;
  size_t badAt = FindBadChar(utf8, bad);
  if (badAt != std::string_view::npos)
    throw InputFault{DescribeChar(bad) + ", which XML 1.0 does not allow", badAt};

  size_t pos = 0;
  while (pos < utf8.size()) {
    char c = utf8[pos];
    if (c == '&') {
      pos = CheckReference(utf8, pos);
    } else if (c != '<') {
      ++pos;
    } else if (StartsAt(utf8, pos, "<!--")) {
      pos = SkipPast(utf8, pos + 4, "-->");
    } else if (StartsAt(utf8, pos, "<![CDATA[")) {
      pos = SkipPast(utf8, pos + 9, "]]>");
    } else if (StartsAt(utf8, pos, "<?")) {
      pos = SkipPast(utf8, pos + 2, "?>");
    } else if (StartsAt(utf8, pos, "<!DOCTYPE")) {
      throw InputFault{"document type declarations are not accepted", pos};
    } else {
      pos = ScreenTag(utf8, pos);
    }
  }
}

}  // namespace platform::xml_detail
