#include "toolkit/graphics/TextLayout.h"

#include "toolkit/graphics/CanvasTypes.h"

namespace {

constexpr size_t npos = std::string::npos;

bool IsLead(unsigned char c) { return (c & 0xC0) != 0x80; }

// Byte length of the code point starting at i.
size_t CharLen(std::string_view s, size_t i) {
  size_t n = 1;
  while (i + n < s.size() && !IsLead(static_cast<unsigned char>(s[i + n]))) ++n;
  return n;
}

// Start of the code point before byte i.
size_t PrevChar(std::string_view s, size_t i) {
  if (i == 0) return 0;
  --i;
  while (i > 0 && !IsLead(static_cast<unsigned char>(s[i]))) --i;
  return i;
}

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

std::string TrimRightSpaces(std::string s) {
  while (!s.empty() && IsSpace(s.back())) s.pop_back();
  return s;
}

// A paragraph piece: a word and the spaces after it.
struct TToken {
  size_t Start, WordEnd, End;
};

std::vector<TToken> Tokenize(std::string_view p) {
  std::vector<TToken> out;
  size_t i = 0;
  while (i < p.size()) {
    TToken t{i, i, i};
    while (i < p.size() && !IsSpace(p[i])) ++i;
    t.WordEnd = i;
    while (i < p.size() && IsSpace(p[i])) ++i;
    t.End = i;
    out.push_back(t);
  }
  return out;
}

struct TPiece {
  size_t Start;  // byte offset in the stripped text
  std::string Text;
};

// Breaks one paragraph into lines no wider than width, at spaces; a word
// wider than a line is split by characters only for edit-control layout.
void WrapParagraph(const TTextMeasurer& m, std::string_view p, size_t base, int width, bool expandTabs,
                   bool breakWords, std::vector<TPiece>& out) {
  if (p.empty()) {
    out.push_back({base, ""});
    return;
  }
  size_t lineStart = 0;
  size_t lineEnd = 0;  // end of the last word on the line (exclusive)
  bool hasWord = false;
  auto emit = [&](size_t from, size_t to) { out.push_back({base + from, std::string(p.substr(from, to - from))}); };

  for (const TToken& t : Tokenize(p)) {
    if (t.WordEnd == t.Start) continue;  // leading spaces stay with the first word
    const size_t tryEnd = t.WordEnd;
    const bool fits = MeasureText(m, p.substr(lineStart, tryEnd - lineStart), expandTabs) <= width;
    if (hasWord && !fits) {
      emit(lineStart, lineEnd);
      lineStart = t.Start;
      hasWord = false;
    }
    // A word alone on a line that still does not fit.
    if (breakWords && MeasureText(m, p.substr(lineStart, t.WordEnd - lineStart), expandTabs) > width) {
      size_t i = lineStart;
      size_t cut = lineStart;
      while (i < t.WordEnd) {
        const size_t next = i + CharLen(p, i);
        if (MeasureText(m, p.substr(lineStart, next - lineStart), expandTabs) > width && cut > lineStart) {
          emit(lineStart, cut);
          lineStart = cut;
        }
        cut = next;
        i = next;
      }
    }
    lineEnd = t.WordEnd;
    hasWord = true;
  }
  emit(lineStart, hasWord ? lineEnd : p.size());
}

}  // namespace

int CodePointCount(std::string_view s) {
  int n = 0;
  for (char c : s)
    if (IsLead(static_cast<unsigned char>(c))) ++n;
  return n;
}

std::string StripPrefixes(const std::string& text, size_t* underlineAt) {
  std::string out;
  size_t mark = npos;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      out += text[i];
      continue;
    }
    if (i + 1 >= text.size()) break;
    if (text[i + 1] == '&') {
      out += '&';
      ++i;
      continue;
    }
    mark = out.size();
  }
  if (underlineAt) *underlineAt = mark;
  return out;
}

int MeasureText(const TTextMeasurer& m, std::string_view text, bool expandTabs) {
  if (!expandTabs || text.find('\t') == std::string_view::npos) return m.Width(text);
  const int tab = m.TabWidth > 0 ? m.TabWidth : 1;
  int x = 0;
  size_t start = 0;
  for (;;) {
    const size_t t = text.find('\t', start);
    x += m.Width(text.substr(start, t == std::string_view::npos ? npos : t - start));
    if (t == std::string_view::npos) return x;
    x = (x / tab + 1) * tab;
    start = t + 1;
  }
}

std::string EndEllipsis(const TTextMeasurer& m, const std::string& text, int width, bool expandTabs) {
  if (MeasureText(m, text, expandTabs) <= width) return text;
  size_t end = text.size();
  while (end > 0) {
    end = PrevChar(text, end);
    std::string candidate = text.substr(0, end) + "...";
    if (MeasureText(m, candidate, expandTabs) <= width) return candidate;
  }
  return "...";
}

std::string WordEllipsis(const TTextMeasurer& m, const std::string& text, int width, bool expandTabs) {
  if (MeasureText(m, text, expandTabs) <= width) return text;
  size_t end = text.size();
  while (end > 0) {
    end = text.find_last_of(' ', end - 1);
    if (end == npos) break;
    std::string candidate = TrimRightSpaces(text.substr(0, end)) + "...";
    if (MeasureText(m, candidate, expandTabs) <= width) return candidate;
    if (end == 0) break;
  }
  return EndEllipsis(m, text, width, expandTabs);
}

std::string PathEllipsis(const TTextMeasurer& m, const std::string& text, int width, bool expandTabs) {
  if (MeasureText(m, text, expandTabs) <= width) return text;
  const size_t sep = text.find_last_of("\\/");
  if (sep == npos) return EndEllipsis(m, text, width, expandTabs);
  const std::string tail = text.substr(sep);
  size_t end = sep;
  while (end > 0) {
    end = PrevChar(text, end);
    std::string candidate = text.substr(0, end) + "..." + tail;
    if (MeasureText(m, candidate, expandTabs) <= width) return candidate;
  }
  // Not even the last component fits: keep its end visible.
  return EndEllipsis(m, "..." + tail, width, expandTabs);
}

std::vector<TLaidLine> LayoutText(const TTextMeasurer& m, const std::string& text, int width, uint32_t format) {
  const bool expandTabs = format & DT_EXPANDTABS;
  const bool single = format & DT_SINGLELINE;
  size_t underline = npos;
  std::string plain = (format & DT_NOPREFIX) ? text : StripPrefixes(text, &underline);

  std::vector<TPiece> pieces;
  if (single) {
    // Line ends do not break a single line; they show as spaces.
    for (char& c : plain)
      if (c == '\r' || c == '\n') c = ' ';
    pieces.push_back({0, plain});
  } else {
    size_t start = 0;
    for (;;) {
      size_t eol = plain.find_first_of("\r\n", start);
      const std::string_view para = std::string_view(plain).substr(start, eol == npos ? npos : eol - start);
      if (format & DT_WORDBREAK)
        WrapParagraph(m, para, start, width, expandTabs, format & DT_EDITCONTROL, pieces);
      else
        pieces.push_back({start, std::string(para)});
      if (eol == npos) break;
      if (plain[eol] == '\r' && eol + 1 < plain.size() && plain[eol + 1] == '\n') ++eol;
      start = eol + 1;
      if (start >= plain.size()) break;  // a final line end opens no new line
    }
  }

  std::vector<TLaidLine> lines;
  for (TPiece& p : pieces) {
    TLaidLine line;
    line.Text = std::move(p.Text);
    if (underline != npos && underline >= p.Start && underline < p.Start + line.Text.size())
      line.UnderlineAt = underline - p.Start;
    const size_t before = line.Text.size();
    if (format & DT_PATH_ELLIPSIS) line.Text = PathEllipsis(m, line.Text, width, expandTabs);
    else if (format & DT_END_ELLIPSIS) line.Text = EndEllipsis(m, line.Text, width, expandTabs);
    else if (format & DT_WORD_ELLIPSIS) line.Text = WordEllipsis(m, line.Text, width, expandTabs);
    // An ellipsis keeps the underline only when the marked character survived in place.
    if (line.Text.size() != before && line.UnderlineAt != npos &&
        (line.UnderlineAt + 3 >= line.Text.size() || (format & DT_PATH_ELLIPSIS)))
      line.UnderlineAt = npos;
    line.Width = MeasureText(m, line.Text, expandTabs);
    lines.push_back(std::move(line));
  }
  return lines;
}
