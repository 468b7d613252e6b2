#include "toolkit/forms/std/Memo.h"

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner), lines_(std::make_unique<TMemoStrings>(this)) {
  SetAutoSize(false);
  SetMultiLine(true);
  SetWordWrap(true);
  SetAutoSelect(false);
  SetBounds(Left(), Top(), 185, 89);
}

TPoint TCustomMemo::CaretPos() {
  int line = Model().LineFromChar(Model().Caret());
  return {Model().Caret() - Model().LineIndex(line), line};
}

void TCustomMemo::SetCaretPos(TPoint p) {
  int start = Model().LineIndex(std::max(0, p.Y));
  if (start < 0) start = static_cast<int>(Model().Text().size());
  SetSelStart(start + std::clamp(p.X, 0, Model().LineLength(Model().LineFromChar(start))));
}

// A text that ends with a line break has no empty last line in Lines.
std::vector<std::string> TMemoStrings::lines() const {
  TTextEditModel& m = memo_->Model();
  std::vector<std::string> out;
  if (m.Text().empty()) return out;
  for (int i = 0; i < m.LineCount(); ++i) out.push_back(m.Line(i));
  if (out.size() > 1 && out.back().empty()) out.pop_back();
  return out;
}

void TMemoStrings::store(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\r\n";
  memo_->SetText(text);
}

int TMemoStrings::Count() const { return static_cast<int>(lines().size()); }

std::string TMemoStrings::Get(int Index) const {
  std::vector<std::string> l = lines();
  if (Index < 0 || Index >= static_cast<int>(l.size())) IndexError(Index);
  return l[Index];
}

void TMemoStrings::Put(int Index, const std::string& S) {
  std::vector<std::string> l = lines();
  if (Index < 0 || Index >= static_cast<int>(l.size())) IndexError(Index);
  l[Index] = S;
  store(l);
}

void TMemoStrings::Clear() { memo_->SetText(""); }

void TMemoStrings::Delete(int Index) {
  std::vector<std::string> l = lines();
  if (Index < 0 || Index >= static_cast<int>(l.size())) IndexError(Index);
  l.erase(l.begin() + Index);
  store(l);
}

void TMemoStrings::Insert(int Index, const std::string& S) {
  std::vector<std::string> l = lines();
  if (Index < 0 || Index > static_cast<int>(l.size())) IndexError(Index);
  l.insert(l.begin() + Index, S);
  store(l);
}

void TMemoStrings::SetText(const std::string& Value) { memo_->SetText(Value); }
