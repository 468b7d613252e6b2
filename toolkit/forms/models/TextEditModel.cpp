#include "toolkit/forms/models/TextEditModel.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

int CodePoints(const std::string& s) {
  int n = 0;
  for (unsigned char c : s) n += IsContinuation(c) ? 0 : 1;
  return n;
}

// The longest prefix of s holding at most count code points.
std::string TakeCodePoints(const std::string& s, int count) {
  size_t i = 0;
  int n = 0;
  while (i < s.size()) {
    if (!IsContinuation(static_cast<unsigned char>(s[i]))) {
      if (n == count) break;
      ++n;
    }
    ++i;
  }
  return s.substr(0, i);
}

bool IsWordByte(unsigned char c) { return std::isalnum(c) || c == '_' || c >= 0x80; }
bool IsBreakByte(char c) { return c == '\r' || c == '\n'; }

}  // namespace

std::string ApplyCharCase(const std::string& s, TEditCharCase charCase) {
  if (charCase == ecNormal) return s;
  std::string out = s;
  for (char& c : out) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x80) c = static_cast<char>(charCase == ecUpperCase ? std::toupper(u) : std::tolower(u));
  }
  return out;
}

int TTextEditModel::Clamp(int pos) const {
  return std::clamp(pos, 0, static_cast<int>(text_.size()));
}

// Moves a position off a UTF-8 continuation byte and out of a "\r\n" pair.
int TTextEditModel::SnapToBoundary(int pos) const {
  pos = Clamp(pos);
  while (pos > 0 && pos < static_cast<int>(text_.size()) &&
         IsContinuation(static_cast<unsigned char>(text_[pos])))
    --pos;
  if (pos > 0 && pos < static_cast<int>(text_.size()) && text_[pos - 1] == '\r' && text_[pos] == '\n')
    --pos;
  return pos;
}

int TTextEditModel::NextPos(int pos) const {
  int n = static_cast<int>(text_.size());
  if (pos >= n) return n;
  if (text_[pos] == '\r' && pos + 1 < n && text_[pos + 1] == '\n') return pos + 2;
  ++pos;
  while (pos < n && IsContinuation(static_cast<unsigned char>(text_[pos]))) ++pos;
  return pos;
}

int TTextEditModel::PrevPos(int pos) const {
  if (pos <= 0) return 0;
  if (pos >= 2 && text_[pos - 1] == '\n' && text_[pos - 2] == '\r') return pos - 2;
  --pos;
  while (pos > 0 && IsContinuation(static_cast<unsigned char>(text_[pos]))) --pos;
  return pos;
}

// Ctrl+Left: to the start of the word before the caret.
int TTextEditModel::WordLeft(int pos) const {
  pos = Clamp(pos);
  while (pos > 0 && !IsWordByte(static_cast<unsigned char>(text_[pos - 1]))) {
    if (IsBreakByte(text_[pos - 1])) return PrevPos(pos);
    --pos;
  }
  while (pos > 0 && IsWordByte(static_cast<unsigned char>(text_[pos - 1]))) --pos;
  return SnapToBoundary(pos);
}

// Ctrl+Right: past the current word and the blanks after it.
int TTextEditModel::WordRight(int pos) const {
  int n = static_cast<int>(text_.size());
  pos = Clamp(pos);
  if (pos < n && IsBreakByte(text_[pos])) return NextPos(pos);
  while (pos < n && IsWordByte(static_cast<unsigned char>(text_[pos]))) ++pos;
  while (pos < n && !IsWordByte(static_cast<unsigned char>(text_[pos])) && !IsBreakByte(text_[pos])) ++pos;
  return pos;
}

void TTextEditModel::SetText(const std::string& value) {
  std::string v = multiLine_ ? Filter(value) : ApplyCharCase(value, charCase_);
  bool changed = v != text_;
  text_ = v;
  anchor_ = caret_ = 0;
  ClearUndo();
  if (changed) Changed();
}

void TTextEditModel::SetCharCase(TEditCharCase value) {
  charCase_ = value;
  std::string v = ApplyCharCase(text_, value);
  if (v != text_) { text_ = v; Changed(); }
}

void TTextEditModel::SetSelStart(int value) {
  anchor_ = caret_ = SnapToBoundary(value);
  typing_ = false;
  desiredColumn_ = -1;
}

void TTextEditModel::SetSelLength(int value) {
  int start = SelStart();
  anchor_ = start;
  caret_ = SnapToBoundary(start + std::max(0, value));
  typing_ = false;
}

void TTextEditModel::SetSel(int start, int end) {
  if (start < 0) { anchor_ = caret_; return; }
  if (end < 0) end = static_cast<int>(text_.size());
  anchor_ = SnapToBoundary(start);
  caret_ = SnapToBoundary(end);
  typing_ = false;
  desiredColumn_ = -1;
}

void TTextEditModel::SelectAll() { SetSel(0, -1); }

void TTextEditModel::MoveCaretTo(int pos, bool extend) {
  caret_ = SnapToBoundary(pos);
  if (!extend) anchor_ = caret_;
  typing_ = false;
}

std::string TTextEditModel::Filter(const std::string& s) const {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (!multiLine_ && IsBreakByte(c)) break;  // a single line keeps the first line only
    if (multiLine_ && IsBreakByte(c)) {
      // Every kind of break ("\r\n", "\n", "\r") becomes the text's own.
      if (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
      out += lineBreak_;
      continue;
    }
    out += c;
  }
  return ApplyCharCase(out, charCase_);
}

void TTextEditModel::RememberForUndo(bool typingRun) {
  if (!(typingRun && typing_ && hasUndo_)) undo_ = Take();
  hasUndo_ = true;
  typing_ = typingRun;
}

void TTextEditModel::Replace(int from, int to, const std::string& with) {
  text_.replace(from, to - from, with);
  anchor_ = caret_ = from + static_cast<int>(with.size());
  desiredColumn_ = -1;
  modified_ = true;
  Changed();
}

void TTextEditModel::Changed() {
  if (OnChange) OnChange();
}

bool TTextEditModel::InsertText(const std::string& s) {
  if (readOnly_) return false;
  std::string add = Filter(s);
  if (maxLength_ > 0) {
    int room = maxLength_ - (CodePoints(text_) - CodePoints(SelText()));
    add = TakeCodePoints(add, std::max(0, room));
  }
  if (add.empty() && SelLength() == 0) return false;
  RememberForUndo(add.size() == 1 && SelLength() == 0);
  Replace(SelStart(), SelStart() + SelLength(), add);
  return true;
}

void TTextEditModel::SetSelText(const std::string& s) {
  RememberForUndo(false);
  Replace(SelStart(), SelStart() + SelLength(), Filter(s));
}

bool TTextEditModel::ClearSelection() {
  if (readOnly_ || SelLength() == 0) return false;
  RememberForUndo(false);
  Replace(SelStart(), SelStart() + SelLength(), "");
  return true;
}

bool TTextEditModel::Backspace(bool word) {
  if (readOnly_) return false;
  if (SelLength() > 0) return ClearSelection();
  int from = word ? WordLeft(caret_) : PrevPos(caret_);
  if (from == caret_) return false;
  RememberForUndo(false);
  Replace(from, caret_, "");
  return true;
}

bool TTextEditModel::DeleteForward(bool word) {
  if (readOnly_) return false;
  if (SelLength() > 0) return ClearSelection();
  int to = word ? WordRight(caret_) : NextPos(caret_);
  if (to == caret_) return false;
  RememberForUndo(false);
  Replace(caret_, to, "");
  return true;
}

void TTextEditModel::MoveLeft(bool extend, bool word) {
  // Without Shift a selection collapses to its left end first.
  if (!extend && !word && SelLength() > 0) { MoveCaretTo(SelStart(), false); return; }
  MoveCaretTo(word ? WordLeft(caret_) : PrevPos(caret_), extend);
  desiredColumn_ = -1;
}

void TTextEditModel::MoveRight(bool extend, bool word) {
  if (!extend && !word && SelLength() > 0) { MoveCaretTo(SelStart() + SelLength(), false); return; }
  MoveCaretTo(word ? WordRight(caret_) : NextPos(caret_), extend);
  desiredColumn_ = -1;
}

void TTextEditModel::MoveHome(bool extend, bool wholeText) {
  MoveCaretTo(wholeText ? 0 : LineIndex(LineFromChar(caret_)), extend);
  desiredColumn_ = -1;
}

void TTextEditModel::MoveEnd(bool extend, bool wholeText) {
  int line = LineFromChar(caret_);
  MoveCaretTo(wholeText ? static_cast<int>(text_.size()) : LineIndex(line) + LineLength(line), extend);
  desiredColumn_ = -1;
}

void TTextEditModel::MoveLines(int delta, bool extend) {
  int line = LineFromChar(caret_);
  if (desiredColumn_ < 0) desiredColumn_ = caret_ - LineIndex(line);
  int target = std::clamp(line + delta, 0, LineCount() - 1);
  int col = std::min(desiredColumn_, LineLength(target));
  int keep = desiredColumn_;
  MoveCaretTo(LineIndex(target) + col, extend);
  desiredColumn_ = keep;
}

bool TTextEditModel::Undo() {
  if (!hasUndo_) return false;
  Snapshot now = Take();
  text_ = undo_.text;
  anchor_ = undo_.anchor;
  caret_ = undo_.caret;
  undo_ = now;
  typing_ = false;
  modified_ = true;
  Changed();
  return true;
}

int TTextEditModel::LineCount() const {
  int count = 1;
  for (size_t i = 0; i < text_.size(); ++i) {
    if (text_[i] == '\n' || (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n'))) ++count;
  }
  return count;
}

int TTextEditModel::LineIndex(int line) const {
  if (line < 0) return -1;
  int current = 0;
  for (size_t i = 0; i < text_.size() && current < line; ++i) {
    if (text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') ++i;
    if (IsBreakByte(text_[i])) {
      ++current;
      if (current == line) return static_cast<int>(i) + 1;
    }
  }
  return current == line ? 0 : -1;
}

int TTextEditModel::LineFromChar(int pos) const {
  pos = Clamp(pos);
  int line = 0;
  for (int i = 0; i < pos; ++i) {
    if (text_[i] == '\r' && i + 1 < static_cast<int>(text_.size()) && text_[i + 1] == '\n') {
      if (i + 1 < pos) { ++line; ++i; }
      continue;
    }
    if (IsBreakByte(text_[i])) ++line;
  }
  return line;
}

int TTextEditModel::LineLength(int line) const {
  int start = LineIndex(line);
  if (start < 0) return 0;
  int end = start;
  while (end < static_cast<int>(text_.size()) && !IsBreakByte(text_[end])) ++end;
  return end - start;
}

std::string TTextEditModel::Line(int line) const {
  int start = LineIndex(line);
  return start < 0 ? std::string() : text_.substr(start, LineLength(line));
}
