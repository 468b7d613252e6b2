#include "toolkit/forms/models/RichLayout.h"

#include <algorithm>

namespace {

int CharLength(const std::string& text, int pos) {
  unsigned char c = static_cast<unsigned char>(text[pos]);
  int len = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
  return std::min(len, static_cast<int>(text.size()) - pos);
}

class TLineBuilder {
public:
  TLineBuilder(const TRichText& doc, int width, const TRichMeasure& m) : doc_(doc), width_(width), m_(m) {}

  // The end of the line that starts at `start` in a paragraph ending at `end`.
  int Break(int start, int end) const {
    int x = 0, lastBreak = -1;
    int j = start;
    while (j < end) {
      int len = CharLength(doc_.Text(), j);
      int w = Advance(j, len, x);
      if (x + w > width_ && j > start) return lastBreak > start ? lastBreak : j;
      x += w;
      j += len;
      if (doc_.Text()[j - 1] == ' ') lastBreak = j;
    }
    return end;
  }

  TRichLine Build(int start, int end, int paragraph) const {
    TRichLine line;
    line.Start = start;
    line.End = end;
    line.Paragraph = paragraph;
    int x = 0;
    for (int i = start; i < end;) {
      TRichCharFormat f = doc_.FormatAt(i);
      int j = i;
      // A fragment holds one format and no tab; a tab is a fragment of its own.
      if (doc_.Text()[i] == '\t') j = i + 1;
      else while (j < end && doc_.Text()[j] != '\t' && doc_.FormatAt(j) == f) ++j;
      int w = doc_.Text()[i] == '\t' ? Advance(i, 1, x) : m_.TextWidth(f, doc_.Text().substr(i, j - i));
      line.Fragments.push_back({i, j - i, x, f});
      line.Height = std::max(line.Height, m_.LineHeight(f));
      x += w;
      i = j;
    }
    if (line.Fragments.empty()) line.Height = m_.LineHeight(doc_.FormatAt(start));
    Align(line, x, paragraph);
    return line;
  }

  int LineWidth(const TRichLine& line) const {
    if (line.Fragments.empty()) return 0;
    const TRichFragment& last = line.Fragments.back();
    return last.X + m_.TextWidth(last.Format, doc_.Text().substr(last.Start, last.Length));
  }

private:
  int Advance(int pos, int len, int x) const {
    if (doc_.Text()[pos] == '\t') {
      int tab = std::max(1, m_.TabWidth);
      return (x / tab + 1) * tab - x;
    }
    return m_.TextWidth(doc_.FormatAt(pos), doc_.Text().substr(pos, len));
  }

  void Align(TRichLine& line, int x, int paragraph) const {
    TRichAlignment a = doc_.Paragraph(paragraph).Alignment;
    if (a == raLeft || line.Fragments.empty()) return;
    // Trailing blanks do not count when a line is centred or right-aligned.
    int trailing = 0;
    for (int i = line.End - 1; i >= line.Start && doc_.Text()[i] == ' '; --i)
      trailing += m_.TextWidth(doc_.FormatAt(i), " ");
    int room = std::max(0, width_ - (x - trailing));
    int shift = a == raRight ? room : room / 2;
    for (TRichFragment& f : line.Fragments) f.X += shift;
  }

  const TRichText& doc_;
  int width_;
  const TRichMeasure& m_;
};

}  // namespace

TRichLayoutResult LayoutRichText(const TRichText& doc, int from, int width, int maxHeight,
                                 const TRichMeasure& measure) {
  TRichLayoutResult r;
  TLineBuilder builder(doc, width, measure);
  from = std::clamp(from, 0, doc.Length());
  r.FirstNotFitting = doc.Length();
  for (int p = doc.ParagraphFromChar(from); p < doc.ParagraphCount(); ++p) {
    int start = p == doc.ParagraphFromChar(from) ? from : doc.ParagraphStart(p);
    int end = doc.ParagraphStart(p) + doc.ParagraphLength(p);
    do {
      int stop = builder.Break(start, end);
      TRichLine line = builder.Build(start, stop, p);
      if (maxHeight > 0 && r.Height + line.Height > maxHeight && !r.Lines.empty()) {
        r.FirstNotFitting = start;
        return r;
      }
      line.Top = r.Height;
      r.Height += line.Height;
      r.Width = std::max(r.Width, builder.LineWidth(line));
      r.Lines.push_back(std::move(line));
      start = stop;
    } while (start < end);
  }
  return r;
}
