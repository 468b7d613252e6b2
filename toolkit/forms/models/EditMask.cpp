#include "toolkit/forms/models/EditMask.h"

#include <algorithm>
#include <cctype>

const char* const SMaskEditErr = "Invalid input value.  Use escape key to abandon changes";

namespace {

// Splits "picture;save;blank" at the unescaped separators.
std::vector<std::string> SplitFields(const std::string& mask) {
  std::vector<std::string> fields(1);
  for (size_t i = 0; i < mask.size(); ++i) {
    char c = mask[i];
    if (fields.size() == 1 && c == '\\' && i + 1 < mask.size()) {
      fields.back() += c;
      fields.back() += mask[++i];
    } else if (c == ';' && fields.size() < 3) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

TEditMask::TSlot Input(TEditMask::TKind kind, bool required, TEditMask::TCase c) {
  TEditMask::TSlot s;
  s.Kind = kind;
  s.Required = required;
  s.Case = c;
  return s;
}

TEditMask::TSlot Literal(char c) {
  TEditMask::TSlot s;
  s.Literal = c;
  return s;
}

}  // namespace

TEditMask::TEditMask(const std::string& mask, char dateSeparator, char timeSeparator) {
  std::vector<std::string> fields = SplitFields(mask);
  if (fields.size() > 1 && !fields[1].empty()) saveLiterals_ = fields[1][0] != '0';
  if (fields.size() > 2 && !fields[2].empty()) blank_ = fields[2][0];
  const std::string& picture = fields[0];
  TCase kase = mcNone;
  for (size_t i = 0; i < picture.size(); ++i) {
    char c = picture[i];
    bool pairNext = i + 1 < picture.size();
    switch (c) {
      case '!': reverse_ = true; break;
      case '>':
        if (pairNext && picture[i + 1] == '<') { kase = mcNone; ++i; } else kase = mcUpper;
        break;
      case '<':
        if (pairNext && picture[i + 1] == '>') { kase = mcNone; ++i; } else kase = mcLower;
        break;
      case '\\': if (pairNext) slots_.push_back(Literal(picture[++i])); break;
      case 'L': case 'l': slots_.push_back(Input(mkLetter, c == 'L', kase)); break;
      case 'A': case 'a': slots_.push_back(Input(mkAlnum, c == 'A', kase)); break;
      case 'C': case 'c': slots_.push_back(Input(mkAny, c == 'C', kase)); break;
      case '0': case '9': slots_.push_back(Input(mkDigit, c == '0', kase)); break;
      case '#': slots_.push_back(Input(mkDigitOrSign, false, kase)); break;
      case ':': slots_.push_back(Literal(timeSeparator)); break;
      case '/': slots_.push_back(Literal(dateSeparator)); break;
      case '_': slots_.push_back(Literal(' ')); break;
      default: slots_.push_back(Literal(c)); break;
    }
  }
}

std::string TEditMask::EmptyEditText() const {
  std::string out;
  for (const TSlot& s : slots_) out += s.Kind == mkLiteral ? s.Literal : blank_;
  return out;
}

std::string TEditMask::Normalise(const std::string& editText) const {
  std::string out = EmptyEditText();
  for (int i = 0; i < Length() && i < static_cast<int>(editText.size()); ++i)
    if (!IsLiteral(i)) out[i] = editText[i];
  return out;
}

bool TEditMask::Accepts(int pos, char c, char& out) const {
  if (pos < 0 || pos >= Length()) return false;
  const TSlot& s = slots_[pos];
  unsigned char u = static_cast<unsigned char>(c);
  bool ok = false;
  switch (s.Kind) {
    case mkLiteral: return false;
    case mkLetter: ok = std::isalpha(u); break;
    case mkAlnum: ok = std::isalnum(u); break;
    case mkAny: ok = u >= 0x20 && u < 0x7F; break;
    case mkDigit: ok = std::isdigit(u); break;
    case mkDigitOrSign: ok = std::isdigit(u) || c == '+' || c == '-'; break;
  }
  if (!ok) return false;
  out = s.Case == mcUpper ? static_cast<char>(std::toupper(u))
      : s.Case == mcLower ? static_cast<char>(std::tolower(u)) : c;
  return true;
}

int TEditMask::NextInput(int pos) const {
  if (pos < 0) pos = 0;
  while (pos < Length() && IsLiteral(pos)) ++pos;
  return pos < Length() ? pos : Length();
}

int TEditMask::PrevInput(int pos) const {
  --pos;
  if (pos >= Length()) pos = Length() - 1;
  while (pos >= 0 && IsLiteral(pos)) --pos;
  return pos;
}

std::string TEditMask::TextFromEditText(const std::string& editText) const {
  std::string et = Normalise(editText);
  std::string out;
  for (int i = 0; i < Length(); ++i) {
    if (IsLiteral(i)) {
      if (saveLiterals_) out += et[i];
    } else {
      out += et[i] == blank_ ? ' ' : et[i];
    }
  }
  if (saveLiterals_) return out;
  // Without literals only the entered characters matter: unfilled optional
  // positions (trailing, or leading with "!") are not part of the value.
  if (reverse_) {
    size_t first = out.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : out.substr(first);
  }
  size_t last = out.find_last_not_of(' ');
  return last == std::string::npos ? std::string() : out.substr(0, last + 1);
}

// Characters go into the input positions in order, from the end with "!";
// when the text carries the literals, a matching literal is stepped over.
std::string TEditMask::EditTextFromText(const std::string& text) const {
  std::string out = EmptyEditText();
  int n = Length();
  int len = static_cast<int>(text.size());
  int j = 0;
  for (int k = 0; k < n; ++k) {
    int pos = reverse_ ? n - 1 - k : k;
    auto next = [&] { return text[reverse_ ? len - 1 - j : j]; };
    if (IsLiteral(pos)) {
      if (saveLiterals_ && j < len && next() == slots_[pos].Literal) ++j;
      continue;
    }
    if (j >= len) continue;
    char c = next();
    ++j;
    char accepted;
    if (c != ' ' && c != blank_ && Accepts(pos, c, accepted)) out[pos] = accepted;
  }
  return out;
}

int TEditMask::FirstInvalid(const std::string& editText) const {
  std::string et = Normalise(editText);
  for (int i = 0; i < Length(); ++i) {
    if (IsLiteral(i)) continue;
    char c = et[i];
    char accepted;
    bool empty = c == blank_ || c == ' ';
    if (empty ? slots_[i].Required : !Accepts(i, c, accepted)) return i;
  }
  return -1;
}

void TEditMask::Validate(const std::string& editText) const {
  int bad = FirstInvalid(editText);
  if (bad >= 0) throw EDBEditError(SMaskEditErr, bad);
}

void TEditMask::ClearRange(std::string& editText, int start, int length) const {
  editText = Normalise(editText);
  for (int i = std::max(0, start); i < start + length && i < Length(); ++i)
    if (!IsLiteral(i)) editText[i] = blank_;
}

bool TEditMask::TypeChar(std::string& editText, int& selStart, int& selLength, char c) const {
  editText = Normalise(editText);
  std::string before = editText;
  if (selLength > 0) ClearRange(editText, selStart, selLength);
  int pos = NextInput(selStart);
  char accepted;
  if (pos < Length() && Accepts(pos, c, accepted)) {
    editText[pos] = accepted;
    selStart = NextInput(pos + 1);
    selLength = 0;
    return true;
  }
  // Typing the separator that ends the current field jumps to the next
  // field, past optional positions left empty.
  for (int i = selStart; i < Length(); ++i) {
    if (IsLiteral(i) && slots_[i].Literal == c) {
      selStart = NextInput(i + 1);
      selLength = 0;
      return true;
    }
    if (IsLiteral(i) || slots_[i].Required) break;
  }
  editText = before;
  return false;
}

bool TEditMask::Backspace(std::string& editText, int& selStart, int& selLength) const {
  editText = Normalise(editText);
  if (selLength > 0) {
    ClearRange(editText, selStart, selLength);
    selLength = 0;
    return true;
  }
  int pos = PrevInput(selStart);
  if (pos < 0) return false;
  editText[pos] = blank_;
  selStart = pos;
  return true;
}

bool TEditMask::Delete(std::string& editText, int& selStart, int& selLength) const {
  editText = Normalise(editText);
  if (selLength > 0) {
    ClearRange(editText, selStart, selLength);
    selLength = 0;
    return true;
  }
  int pos = NextInput(selStart);
  if (pos >= Length()) return false;
  editText[pos] = blank_;
  selStart = pos;
  return true;
}

bool TEditMask::Paste(std::string& editText, int& selStart, int& selLength, const std::string& s) const {
  bool any = false;
  for (char c : s) any = TypeChar(editText, selStart, selLength, c) || any;
  return any;
}
