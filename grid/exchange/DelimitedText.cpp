// Reading and quoting of delimiter-separated text.

#include "grid/exchange/DelimitedText.h"

#include "grid/core/ExtGridTypes.h"
#include "grid/foundation/ExtUtil.h"

#include <algorithm>

namespace {

class TDelimitedReader {
public:
  TDelimitedReader(std::string_view Text, const TDelimitedSyntax& Syntax) : text_(Text), syntax_(Syntax) {
    stops_[0] = Syntax.Delimiter;
  }

  void Read(const TDelimitedFieldVisitor& Visit) {
    if (text_.empty()) return;
    size_t row = 0, col = 0;
    for (;;) {
      if (!Visit(row, col, readField())) return;
      if (pos_ >= text_.size()) return;
      if (text_[pos_] == syntax_.Delimiter) {
        ++pos_;
        ++col;
        continue;
      }
      skipLineEnd();
      if (pos_ >= text_.size()) return;
      ++row;
      col = 0;
    }
  }

private:
  // The field's text; a view into the text, or into scratch_ for a quoted field.
  std::string_view readField() {
    if (syntax_.TrimLeadingBlanks)
      while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '"' && readQuoted()) return scratch_;
    return readPlain();
  }

  std::string_view readPlain() {
    const size_t start = pos_;
    pos_ = std::min(text_.find_first_of(std::string_view(stops_, 3), pos_), text_.size());
    return text_.substr(start, pos_ - start);
  }

  // False (pos_ unchanged) for an unclosed quote in lenient mode.
  bool readQuoted() {
    scratch_.clear();
    size_t j = pos_ + 1;
    for (;;) {
      size_t q = text_.find('"', j);
      if (q == std::string_view::npos) {
        if (syntax_.StrictQuotes)
          throw EExtGridError("Unclosed quote in line " + std::to_string(line_) + " of the text");
        return false;
      }
      scratch_.append(text_.substr(j, q - j));
      line_ += static_cast<int>(std::count(text_.begin() + j, text_.begin() + q, '\n'));
      if (q + 1 < text_.size() && text_[q + 1] == '"') {
        scratch_ += '"';
        j = q + 2;
        continue;
      }
      pos_ = q + 1;
      scratch_.append(readPlain());
      return true;
    }
  }

  void skipLineEnd() {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
  }

  std::string_view text_;
  TDelimitedSyntax syntax_;
  char stops_[3] = {'\0', '\r', '\n'};
  std::string scratch_;
  size_t pos_ = 0;
  int line_ = 1;
};

constexpr char kDelimiterCandidates[] = {',', ';', '#', '\t', '|', '@', '*', '-', '+', '&'};

int CountChar(std::string_view Text, char Ch) { return static_cast<int>(std::count(Text.begin(), Text.end(), Ch)); }

// Picks the candidate with the strictly highest score; '\0' when none scores.
template <typename Score>
char BestCandidate(Score score) {
  char best = '\0';
  int bestScore = 0;
  for (char c : kDelimiterCandidates) {
    int s = score(c);
    if (s > bestScore) { best = c; bestScore = s; }
  }
  return best;
}

}  // namespace

void ForEachDelimitedField(std::string_view Text, const TDelimitedSyntax& Syntax, const TDelimitedFieldVisitor& Visit) {
  TDelimitedReader(Text, Syntax).Read(Visit);
}

TDelimitedRows ParseDelimitedText(std::string_view Text, const TDelimitedSyntax& Syntax) {
  TDelimitedRows rows;
  ForEachDelimitedField(Text, Syntax, [&](size_t Row, size_t, std::string_view Field) {
    if (Row == rows.size()) rows.emplace_back();
    rows.back().emplace_back(Field);
    return true;
  });
  return rows;
}

std::string QuoteField(std::string_view Text) {
  std::string quoted(1, '"');
  quoted += DoubleQuoteChars(Text);
  quoted += '"';
  return quoted;
}

char DetectDelimiter(std::string_view FirstLine, std::string_view SecondLine) {
  char d = BestCandidate([&](char c) {
    int n = CountUnpairedChars(c, FirstLine);
    return n == CountUnpairedChars(c, SecondLine) ? n : 0;
  });
  if (d == '\0') d = BestCandidate([&](char c) {
    int n = CountChar(FirstLine, c);
    return n == CountChar(SecondLine, c) ? n : 0;
  });
  if (d == '\0') d = BestCandidate([&](char c) { return std::max(CountChar(FirstLine, c), CountChar(SecondLine, c)); });
  return d;
}

std::string_view FirstTextLine(std::string_view Text, std::string_view* Rest) {
  size_t e = Text.find_first_of("\r\n");
  std::string_view line = Text.substr(0, e);
  if (Rest) {
    if (e == std::string_view::npos) *Rest = {};
    else *Rest = Text.substr(e + ((Text[e] == '\r' && e + 1 < Text.size() && Text[e + 1] == '\n') ? 2 : 1));
  }
  return line;
}
