// Reading and writing the subset of RTF that rich text needs: fonts,
// colours, bold/italic/underline/strike, size, alignment, paragraphs, tabs,
// hex and Unicode characters. Everything else is skipped; the reader works
// on an explicit group stack and never trusts a number from the input.

#include "toolkit/forms/models/RichText.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>

#include "toolkit/rtl/Encoding.h"

namespace {

enum TDestination { dText, dFontTable, dColorTable, dSkip };

struct TGroupState {
  TRichCharFormat Format;
  TDestination Dest = dText;
  int FontIndex = 0;
  int UnicodeSkip = 1;
};

// Destinations whose content is not document text.
bool IsSkippedDestination(const std::string& word) {
  static const char* const kSkip[] = {
      "stylesheet", "info", "pict", "object", "header", "footer", "headerl", "headerr", "headerf",
      "footerl", "footerr", "footerf", "listtable", "listoverridetable", "rsidtbl", "generator",
      "xmlnstbl", "themedata", "colorschememapping", "latentstyles", "datastore", "fldinst",
      "filetbl", "revtbl", "footnote", "annotation", "bkmkstart", "bkmkend", "nonshppict", "shp"};
  for (const char* s : kSkip)
    if (word == s) return true;
  return false;
}

class TRtfReader {
public:
  TRtfReader(const std::string& data, TRichText& doc) : in_(data), doc_(doc) {}
  void Run();

private:
  static constexpr size_t kMaxDepth = 4096;
  TGroupState& State() { return stack_.back(); }
  void ControlWord(const std::string& word, bool hasParam, int param);
  void ControlSymbol(char c);
  void Emit(const std::string& utf8);
  void EmitByte(unsigned char b);
  void EmitUnicode(int code);
  void EndFontName();
  void SkipAfterUnicode();

  const std::string& in_;
  size_t i_ = 0;
  TRichText& doc_;
  std::vector<TGroupState> stack_{TGroupState()};
  std::map<int, std::string> fonts_;
  std::vector<int32_t> colors_;
  std::string fontName_;
  int red_ = 0, green_ = 0, blue_ = 0;
  char16_t highSurrogate_ = 0;
  int skippedGroupDepth_ = 0;  // groups nested inside a skipped one
};

void TRtfReader::Run() {
  while (i_ < in_.size()) {
    char c = in_[i_++];
    if (c == '{') {
      if (stack_.size() >= kMaxDepth) { ++skippedGroupDepth_; continue; }
      stack_.push_back(State());
    } else if (c == '}') {
      if (skippedGroupDepth_ > 0) { --skippedGroupDepth_; continue; }
      if (State().Dest == dFontTable) EndFontName();
      if (stack_.size() > 1) stack_.pop_back();
    } else if (c == '\\') {
      if (i_ >= in_.size()) break;
      if (std::isalpha(static_cast<unsigned char>(in_[i_]))) {
        std::string word;
        while (i_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[i_])) && word.size() < 32) word += in_[i_++];
        bool neg = i_ < in_.size() && in_[i_] == '-';
        if (neg) ++i_;
        bool hasParam = false;
        long long param = 0;
        while (i_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[i_]))) {
          hasParam = true;
          if (param < 10000000) param = param * 10 + (in_[i_] - '0');
          ++i_;
        }
        if (i_ < in_.size() && in_[i_] == ' ') ++i_;
        ControlWord(word, hasParam, static_cast<int>(neg ? -param : param));
      } else {
        ControlSymbol(in_[i_++]);
      }
    } else if (c == '\r' || c == '\n') {
      continue;
    } else {
      EmitByte(static_cast<unsigned char>(c));
    }
  }
  if (State().Dest == dFontTable) EndFontName();
}

void TRtfReader::ControlSymbol(char c) {
  switch (c) {
    case '\\': case '{': case '}': EmitByte(static_cast<unsigned char>(c)); break;
    case '~': Emit("\xC2\xA0"); break;
    case '*': State().Dest = dSkip; break;
    case '\'': {
      int value = 0, digits = 0;
      while (digits < 2 && i_ < in_.size() && std::isxdigit(static_cast<unsigned char>(in_[i_]))) {
        char h = in_[i_++];
        value = value * 16 + (std::isdigit(static_cast<unsigned char>(h)) ? h - '0' : std::tolower(h) - 'a' + 10);
        ++digits;
      }
      if (digits > 0) EmitByte(static_cast<unsigned char>(value));
      break;
    }
    default: break;  // optional hyphen, formula character and the like
  }
}

void TRtfReader::ControlWord(const std::string& w, bool hasParam, int param) {
  TGroupState& s = State();
  bool on = !hasParam || param != 0;
  if (s.Dest == dSkip) return;
  if (w == "fonttbl") { s.Dest = dFontTable; return; }
  if (w == "colortbl") { s.Dest = dColorTable; return; }
  if (IsSkippedDestination(w)) { s.Dest = dSkip; return; }
  if (s.Dest == dFontTable) {
    if (w == "f") { EndFontName(); s.FontIndex = param; }
    return;
  }
  if (s.Dest == dColorTable) {
    int v = std::clamp(param, 0, 255);
    if (w == "red") red_ = v; else if (w == "green") green_ = v; else if (w == "blue") blue_ = v;
    return;
  }
  TRichCharFormat& f = s.Format;
  if (w == "par" || w == "line" || w == "sect") Emit("\r");
  else if (w == "tab") Emit("\t");
  else if (w == "pard") doc_.SetParagraph(doc_.ParagraphCount() - 1, TRichParaFormat());
  else if (w == "ql" || w == "qj" || w == "qr" || w == "qc") {
    TRichParaFormat p = doc_.Paragraph(doc_.ParagraphCount() - 1);
    p.Alignment = w == "qr" ? raRight : w == "qc" ? raCenter : raLeft;
    doc_.SetParagraph(doc_.ParagraphCount() - 1, p);
  }
  else if (w == "plain") f = doc_.DefaultFormat();
  else if (w == "b") f.Bold = on;
  else if (w == "i") f.Italic = on;
  else if (w == "ul") f.Underline = on;
  else if (w == "ulnone") f.Underline = false;
  else if (w == "strike") f.StrikeOut = on;
  // \up and \dn count half-points (10 twips each); 6 without a number.
  else if (w == "up") f.Offset = (hasParam ? param : 6) * 10;
  else if (w == "dn") f.Offset = -(hasParam ? param : 6) * 10;
  else if (w == "fs" && hasParam && param > 0) f.Size = std::clamp(param / 2, 1, 1638);
  else if (w == "f" && hasParam) { auto it = fonts_.find(param); if (it != fonts_.end()) f.FontName = it->second; }
  else if (w == "cf" && hasParam) {
    f.Color = param > 0 && param < static_cast<int>(colors_.size()) ? colors_[param] : doc_.DefaultFormat().Color;
  }
  else if (w == "uc" && hasParam) s.UnicodeSkip = std::clamp(param, 0, 8);
  else if (w == "u" && hasParam) { EmitUnicode(param < 0 ? param + 65536 : param); SkipAfterUnicode(); }
}

// After \uN come that many fallback characters for old readers.
void TRtfReader::SkipAfterUnicode() {
  for (int n = State().UnicodeSkip; n > 0 && i_ < in_.size(); --n) {
    if (in_[i_] == '{' || in_[i_] == '}') return;
    if (in_[i_] == '\\') {
      if (i_ + 1 < in_.size() && in_[i_ + 1] == '\'') i_ = std::min(in_.size(), i_ + 4);
      else return;  // a control word ends the fallback
    } else {
      ++i_;
    }
  }
}

void TRtfReader::EmitUnicode(int code) {
  std::string out;
  if (code >= 0xD800 && code < 0xDC00) { highSurrogate_ = static_cast<char16_t>(code); return; }
  if (code >= 0xDC00 && code < 0xE000) {
    if (highSurrogate_ == 0) return;
    code = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (code - 0xDC00);
  }
  highSurrogate_ = 0;
  AppendUtf8(out, static_cast<char32_t>(code));
  Emit(out);
}

void TRtfReader::EmitByte(unsigned char b) {
  TGroupState& s = State();
  if (s.Dest == dFontTable) {
    if (b == ';') EndFontName(); else fontName_ += static_cast<char>(b);
    return;
  }
  if (s.Dest == dColorTable) {
    if (b == ';') {
      colors_.push_back(red_ | (green_ << 8) | (blue_ << 16));
      red_ = green_ = blue_ = 0;
    }
    return;
  }
  if (s.Dest == dSkip || b == 0) return;
  // Bytes of the document are in the ANSI code page.
  Emit(b < 0x80 ? std::string(1, static_cast<char>(b)) : Windows1252ToUtf8(std::string(1, static_cast<char>(b))));
}

void TRtfReader::Emit(const std::string& utf8) {
  if (State().Dest != dText) return;
  doc_.Insert(doc_.Length(), utf8, State().Format);
}

void TRtfReader::EndFontName() {
  size_t first = fontName_.find_first_not_of(' ');
  if (first != std::string::npos) fonts_[State().FontIndex] = fontName_.substr(first);
  fontName_.clear();
}

std::string ColorWord(int32_t c) {
  return "\\red" + std::to_string(c & 0xFF) + "\\green" + std::to_string((c >> 8) & 0xFF) + "\\blue" +
         std::to_string((c >> 16) & 0xFF) + ";";
}

template <typename T>
int IndexIn(std::vector<T>& table, const T& v) {
  for (size_t i = 0; i < table.size(); ++i)
    if (table[i] == v) return static_cast<int>(i);
  table.push_back(v);
  return static_cast<int>(table.size() - 1);
}

void AppendEscaped(std::string& out, const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\\' || c == '{' || c == '}') { out += '\\'; out += static_cast<char>(c); ++i; }
    else if (c == '\t') { out += "\\tab "; ++i; }
    else if (c >= 0x20 && c < 0x80) { out += static_cast<char>(c); ++i; }
    else if (c < 0x20) { ++i; }
    else {
      char32_t cp = DecodeUtf8Char(text, i);
      std::string one;
      AppendUtf8(one, cp);
      for (char16_t u : Utf8ToUtf16(one)) out += "\\u" + std::to_string(static_cast<int16_t>(u)) + "?";
    }
  }
}

}  // namespace

void TRichText::LoadRtf(const std::string& data) {
  Clear();
  if (data.rfind("{\\rtf", 0) != 0) {
    SetPlainText(data);
    return;
  }
  TRtfReader(data, *this).Run();
}

std::string TRichText::SaveRtf() const {
  std::vector<std::string> fonts;
  std::vector<int32_t> colors;
  std::string body;
  for (int p = 0; p < ParagraphCount(); ++p) {
    TRichAlignment a = Paragraph(p).Alignment;
    body += "\\pard";
    body += a == raCenter ? "\\qc" : a == raRight ? "\\qr" : "\\ql";
    for (const TRichRun& run : Runs(p)) {
      const TRichCharFormat& f = run.Format;
      body += "\\plain\\f" + std::to_string(IndexIn(fonts, f.FontName)) + "\\fs" + std::to_string(f.Size * 2) +
              "\\cf" + std::to_string(IndexIn(colors, f.Color) + 1);
      if (f.Bold) body += "\\b";
      if (f.Italic) body += "\\i";
      if (f.Underline) body += "\\ul";
      if (f.StrikeOut) body += "\\strike";
      if (f.Offset > 0) body += "\\up" + std::to_string(f.Offset / 10);
      if (f.Offset < 0) body += "\\dn" + std::to_string(-f.Offset / 10);
      body += ' ';
      AppendEscaped(body, text_.substr(run.Start, run.Length));
    }
    if (p + 1 < ParagraphCount()) body += "\\par\n";
  }
  if (fonts.empty()) fonts.push_back(default_.FontName);
  std::string out = "{\\rtf1\\ansi\\deff0{\\fonttbl";
  for (size_t i = 0; i < fonts.size(); ++i) {
    out += "{\\f" + std::to_string(i) + "\\fnil ";
    AppendEscaped(out, fonts[i]);
    out += ";}";
  }
  out += "}\n{\\colortbl ;";
  for (int32_t c : colors) out += ColorWord(c);
  out += "}\n" + body + "}\n";
  return out;
}
