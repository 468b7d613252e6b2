// Encodings and line splitting of the grid's files.

#include "grid/exchange/ExchangeFiles.h"

#include "toolkit/rtl/Encoding.h"

#include <algorithm>

std::string EncodeEightBitFile(std::string_view Utf8) {
  std::string bytes = Utf8ToWindows1252(Utf8);
  const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) return bytes;
  if (Windows1252ToUtf8(bytes) == Utf8 && !IsValidUtf8(bytes)) return bytes;
  return EncodeText(Utf8, TTextEncoding::Utf8Bom);
}

std::vector<std::string_view> SplitFileLines(std::string_view Text) {
  const std::string_view end = Text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
  std::vector<std::string_view> lines;
  size_t pos = 0;
  while (pos < Text.size()) {
    size_t e = Text.find(end, pos);
    if (e == std::string_view::npos) e = Text.size();
    lines.push_back(Text.substr(pos, e - pos));
    pos = e + end.size();
  }
  return lines;
}
