#include "toolkit/forms/models/RichText.h"

#include <algorithm>

uint16_t TRichText::Intern(const TRichCharFormat& f) {
  for (size_t i = 0; i < formats_.size(); ++i)
    if (formats_[i] == f) return static_cast<uint16_t>(i);
  // The table only grows with distinct formats; past its limit the last
  // slot is reused rather than overflowing the index.
  if (formats_.size() >= 0xFFFF) { formats_.back() = f; return 0xFFFE; }
  formats_.push_back(f);
  return static_cast<uint16_t>(formats_.size() - 1);
}

std::string TRichText::PlainText() const {
  std::string out;
  out.reserve(text_.size() + paras_.size());
  for (char c : text_) {
    if (c == '\r') out += "\r\n"; else out += c;
  }
  return out;
}

void TRichText::Clear() {
  text_.clear();
  formatOf_.clear();
  formats_.assign(1, TRichCharFormat());
  paras_.assign(1, TRichParaFormat());
}

void TRichText::SetPlainText(const std::string& s) {
  Clear();
  Insert(0, s, default_);
}

void TRichText::Insert(int pos, const std::string& s, const TRichCharFormat& format) {
  pos = std::clamp(pos, 0, Length());
  std::string add;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
    add += s[i] == '\n' ? '\r' : s[i];
  }
  uint16_t f = Intern(format);
  int para = ParagraphFromChar(pos);
  int breaks = static_cast<int>(std::count(add.begin(), add.end(), '\r'));
  paras_.insert(paras_.begin() + para + 1, breaks, paras_[para]);
  text_.insert(pos, add);
  formatOf_.insert(formatOf_.begin() + pos, add.size(), f);
}

void TRichText::Delete(int pos, int length) {
  pos = std::clamp(pos, 0, Length());
  length = std::clamp(length, 0, Length() - pos);
  int para = ParagraphFromChar(pos);
  int breaks = static_cast<int>(std::count(text_.begin() + pos, text_.begin() + pos + length, '\r'));
  // Joined paragraphs keep the first one's format.
  paras_.erase(paras_.begin() + para + 1, paras_.begin() + para + 1 + breaks);
  text_.erase(pos, length);
  formatOf_.erase(formatOf_.begin() + pos, formatOf_.begin() + pos + length);
}

TRichCharFormat TRichText::FormatAt(int pos) const {
  if (text_.empty()) return default_;
  pos = std::clamp(pos, 0, Length() - 1);
  if (text_[pos] == '\r' && pos > 0 && text_[pos - 1] != '\r') --pos;
  return formats_[formatOf_[pos]];
}

int TRichText::ParagraphFromChar(int pos) const {
  pos = std::clamp(pos, 0, Length());
  return static_cast<int>(std::count(text_.begin(), text_.begin() + pos, '\r'));
}

int TRichText::ParagraphStart(int index) const {
  if (index <= 0) return 0;
  int seen = 0;
  for (int i = 0; i < Length(); ++i)
    if (text_[i] == '\r' && ++seen == index) return i + 1;
  return Length();
}

int TRichText::ParagraphLength(int index) const {
  int start = ParagraphStart(index);
  size_t end = text_.find('\r', start);
  return static_cast<int>((end == std::string::npos ? text_.size() : end) - start);
}

std::vector<TRichRun> TRichText::Runs(int paragraph) const {
  std::vector<TRichRun> runs;
  int start = ParagraphStart(paragraph);
  int end = start + ParagraphLength(paragraph);
  for (int i = start; i < end;) {
    int j = i;
    while (j < end && formatOf_[j] == formatOf_[i]) ++j;
    runs.push_back({i, j - i, formats_[formatOf_[i]]});
    i = j;
  }
  return runs;
}
