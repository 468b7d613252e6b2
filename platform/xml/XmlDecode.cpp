#include "platform/kernel/TextCodec.h"
#include "platform/xml/XmlChars.h"
#include "platform/xml/XmlDocument.h"
#include "platform/xml/XmlInput.h"

#include <algorithm>
#include <cctype>

namespace platform::xml_detail {
namespace {

std::string FromUtf16(std::string_view bytes, bool bigEndian) {
  if (bytes.size() % 2 != 0) throw XmlError("UTF-16 text with an odd number of bytes");
  auto unit = [&](size_t i) -> char32_t {
    unsigned char a = static_cast<unsigned char>(bytes[i]);
    unsigned char b = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? (a << 8 | b) : (b << 8 | a);
  };
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); i += 2) {
    char32_t cp = unit(i);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 2 < bytes.size()) {
      char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    if (cp >= 0xD800 && cp <= 0xDFFF)
      throw XmlError("unpaired UTF-16 surrogate at byte " + std::to_string(i));
    AppendUtf8(out, cp);
  }
  return out;
}

std::string Lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
  return out;
}

// The encoding named by a leading "<?xml ... encoding='...' ?>", or "".
std::string DeclaredEncoding(std::string_view text) {
  if (text.substr(0, 5) != "<?xml" || text.size() < 6 || !std::isspace(static_cast<unsigned char>(text[5])))
    return "";
  std::string_view decl = text.substr(0, text.find("?>"));
  size_t at = decl.find("encoding");
  if (at == std::string_view::npos) return "";
  size_t eq = decl.find('=', at);
  if (eq == std::string_view::npos) return "";
  size_t open = decl.find_first_of("\"'", eq);
  if (open == std::string_view::npos) return "";
  size_t close = decl.find(decl[open], open + 1);
  if (close == std::string_view::npos) return "";
  return Lower(decl.substr(open + 1, close - open - 1));
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

}  // namespace

std::string DecodeToUtf8(std::string_view bytes) {
  if (StartsWith(bytes, "\xEF\xBB\xBF")) return std::string(bytes.substr(3));
  if (StartsWith(bytes, std::string_view("\0\0\xFE\xFF", 4)) || StartsWith(bytes, std::string_view("\xFF\xFE\0\0", 4)))
    throw XmlError("UTF-32 text is not supported");
  if (StartsWith(bytes, "\xFF\xFE")) return FromUtf16(bytes.substr(2), false);
  if (StartsWith(bytes, "\xFE\xFF")) return FromUtf16(bytes.substr(2), true);
  // UTF-16 without a BOM still shows itself by the zero byte beside the first '<'.
  if (StartsWith(bytes, std::string_view("<\0", 2))) return FromUtf16(bytes, false);
  if (StartsWith(bytes, std::string_view("\0<", 2))) return FromUtf16(bytes, true);

  std::string encoding = DeclaredEncoding(bytes);
  if (encoding.empty() || encoding == "utf-8" || encoding == "utf8" || encoding == "us-ascii" || encoding == "ascii")
    return std::string(bytes);
  // Files labelled Latin-1 are in practice Windows-1252 (the euro sign at 0x80), so both decode alike.
  static const char* const kWestern[] = {"iso-8859-1", "iso8859-1", "iso_8859-1", "latin1",  "latin-1",
                                         "l1",         "windows-1252", "cp1252",  "x-cp1252"};
  for (const char* name : kWestern)
    if (encoding == name) return Cp1252ToUtf8(bytes);
  throw XmlError("unsupported encoding \"" + encoding + "\"");
}

std::string DescribePosition(std::string_view utf8, size_t offset) {
  offset = std::min(offset, utf8.size());
  size_t line = 1, column = 1;
  for (size_t i = 0; i < offset; ++i) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c == '\n') {
      ++line;
      column = 1;
    } else if ((c & 0xC0) != 0x80) {
      ++column;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace platform::xml_detail
