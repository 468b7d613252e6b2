// Escaping of cell texts for the grid's one-line-per-cell text file.
//
// The escaped form keeps the long-standing mapping CR -> 9, LF -> 8, NUL -> 1,
// so that files holding CR LF texts read as before. To make the form
// reversible, the characters 1, 2, 8 and 9 of the text itself are written as
// character 2 followed by a letter, and a text that produced no LF (the
// reader's trigger) ends with the marker 2, 8.

#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/SysUtils.h"


namespace {

constexpr char kEsc = '\x02';
constexpr char kLFMark = '\x08';

struct TLiteral {
  char Raw;
  char Letter;
};
constexpr TLiteral kLiterals[] = {{'\x01', 'A'}, {'\x02', 'B'}, {'\x08', 'H'}, {'\x09', 'I'}};

bool NeedsEscape(std::string_view Text) {
  return Text.find('\r') != std::string_view::npos || Text.find(kLFMark) != std::string_view::npos;
}

}  // namespace

std::string EscapeLineBreaksForFile(std::string_view Text) {
  if (!NeedsEscape(Text)) return std::string(Text);
  std::string out;
  bool hasMark = false;
  for (char c : Text) {
    switch (c) {
      case '\r': out += '\x09'; continue;
      case '\n': out += kLFMark; hasMark = true; continue;
      case '\0': out += '\x01'; continue;
      default: break;
    }
    bool literal = false;
    for (const TLiteral& l : kLiterals)
      if (c == l.Raw) { out += kEsc; out += l.Letter; literal = true; }
    if (!literal) out += c;
  }
  if (!hasMark) { out += kEsc; out += kLFMark; }
  return out;
}

std::string UnescapeLineBreaksFromFile(std::string_view Text, bool MultiLine) {
  std::string out;
  if (Text.find(kLFMark) == std::string_view::npos) {
    out = Text;
  } else {
    for (size_t i = 0; i < Text.size(); ++i) {
      char c = Text[i];
      if (c == kEsc && i + 1 < Text.size()) {
        char next = Text[i + 1];
        if (next == kLFMark) { ++i; continue; }
        bool literal = false;
        for (const TLiteral& l : kLiterals)
          if (next == l.Letter) { out += l.Raw; literal = true; }
        if (literal) { ++i; continue; }
      }
      switch (c) {
        case '\x09': out += '\r'; break;
        case kLFMark: out += '\n'; break;
        case '\x01': out += '\0'; break;
        default: out += c;
      }
    }
  }
  if (MultiLine) return out;
  std::string line;
  CutFirstLine(out, false, line);
  return line;
}
