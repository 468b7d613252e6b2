// Positions, counts, CSV fields and line breaks.

#include "grid/foundation/ExtUtil.h"

#include "toolkit/rtl/StringList.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char VT = '\v';

}  // namespace

int CharPos(char Ch, std::string_view Text) {
  size_t p = Text.find(Ch);
  return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

int FindCharPos(char Ch, std::string_view Text, int& Pos) {
  int p = CharPos(Ch, Text);
  if (p > 0) Pos = p;
  return p;
}

int VarPos(std::string_view SubText, std::string_view Text, int& Pos) {
  Pos = ::Pos(SubText, Text);
  return Pos;
}

int PosInUpperCase(std::string_view SubText, std::string_view Text) {
  return Pos(SubText, UpperCase(Text));
}

int CountChar(char Ch, std::string_view Text) {
  int n = 0;
  for (char c : Text) n += c == Ch;
  return n;
}

int CountLines(std::string_view Text, bool MultiLine) {
  return MultiLine ? 1 + CountChar(CR, Text) : 1;
}

std::string DoubleQuoteChars(std::string_view Text) {
  return StringReplace(Text, "\"", "\"\"", {rfReplaceAll});
}

std::string UndoubleChar(char Ch, std::string_view Text) {
  const char pair[2] = {Ch, Ch};
  return StringReplace(Text, std::string_view(pair, 2), std::string_view(pair, 1), {rfReplaceAll});
}

void QuoteMultiLineField(std::string& Text) {
  Text = std::string(1, '"').append(StringReplace(Text, "\r\n", std::string(1, VT), {rfReplaceAll})).append(1, '"');
}

void VTToCRLF(std::string& Text) {
  // Most texts hold none; they are left untouched without a copy.
  if (Text.find(VT) == std::string::npos) return;
  Text = StringReplace(Text, std::string(1, VT), "\r\n", {rfReplaceAll});
}

std::string CutBeforeDelimiter(std::string& Source, std::string_view Delimiter) {
  int p = Pos(Delimiter, Source);
  if (p == 0) return {};
  std::string before = Source.substr(0, p - 1);
  Source.erase(0, p);  // the text and the one-character delimiter
  return before;
}

int FindUnpairedChar(char Ch, std::string_view Text, int& Pos) {
  Pos = 0;
  int run = 0;
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == Ch) {
      ++run;
      if (i + 1 == Text.size()) { Pos = static_cast<int>(i) + 1; break; }
      continue;
    }
    if (run % 2 == 1) { Pos = static_cast<int>(i); break; }  // the run's last Ch
    run = 0;
  }
  return Pos;
}

int CountUnpairedChars(char Ch, std::string_view Text) {
  int n = 0;
  int pos = 0;
  while (FindUnpairedChar(Ch, Text, pos) > 0) {
    ++n;
    Text.remove_prefix(pos);
  }
  return n;
}

std::string EscapedNToCR(std::string_view Text) { return StringReplace(Text, "\\n", "\r", {rfReplaceAll}); }

std::string CRToEscapedN(std::string_view Text) {
  std::string out;
  for (char c : Text) {
    if (c == CR) out += "\\n";
    else if (c != LF) out += c;
  }
  return out;
}

void CRLFToLF(std::string& Text) { Text = StringReplace(Text, "\r\n", "\n", {rfReplaceAll}); }

std::string RemoveCR(std::string_view Text) {
  std::string out;
  for (char c : Text)
    if (c != CR) out += c;
  return out;
}

std::string CRToLF(std::string_view Text) {
  std::string out(Text);
  for (char& c : out)
    if (c == CR) c = LF;
  return out;
}

void LineBreaksToTilde(std::string& Text) {
  std::string out;
  for (char c : Text) {
    if (c == CR) out += '~';
    else if (c != LF) out += c;
  }
  Text = out;
}

void TildeToLineBreaks(std::string& Text) {
  if (Text == "^") { Text.clear(); return; }
  Text = StringReplace(Text, "~", "\r\n", {rfReplaceAll});
}

void CutFirstLine(std::string& Source, bool KeepRest, std::string& Line) {
  size_t p = Source.find(CR);
  if (p == std::string::npos) {
    Line = Source;
    Source.clear();
    return;
  }
  Line = Source.substr(0, p);
  size_t rest = p + 1;
  if (rest < Source.size() && Source[rest] == LF) ++rest;
  if (KeepRest) Source.erase(0, rest);
  else Source.clear();
}

std::string ConcatStrings(const TStrings& Lines) {
  std::string out;
  for (int i = 0; i < Lines.Count(); ++i) out += Lines.Strings(i);
  return out;
}

void FillStringChars(std::string& Text, char Ch) {
  for (char& c : Text) c = Ch;
}

bool ParseRCReference(std::string_view Text, TPoint& Cell) {
  std::string up = UpperCase(Text);
  if (up.size() < 4 || up[0] != 'R') return false;
  size_t c = up.find('C', 1);
  if (c == std::string::npos) return false;
  int row = 0, col = 0;
  if (!TryStrToInt(std::string_view(up).substr(1, c - 1), row)) return false;
  if (!TryStrToInt(std::string_view(up).substr(c + 1), col)) return false;
  Cell = {col, row};
  return true;
}
