#include "grid/editing/EditFilters.h"

#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

constexpr uint32_t Backspace = 8, Tab = 9, Enter = 13, Esc = 27;

bool isDigit(uint32_t c) { return c >= '0' && c <= '9'; }
bool isEditKey(uint32_t c) { return c == Backspace || c == Tab || c == Enter || c == Esc; }

bool selectionHas(const TEditCharContext& x, char c) {
  if (x.SelLength <= 0) return false;
  std::string_view sel = x.Text.substr(std::min<size_t>(x.SelStart, x.Text.size()), x.SelLength);
  return sel.find(c) != std::string_view::npos;
}

// A minus goes only in front, and only once; typing over a selection that
// holds the minus replaces it.
bool minusAllowed(const TEditCharContext& x) {
  return (x.SelStart == 0 && x.Text.find('-') == std::string_view::npos) || selectionHas(x, '-');
}

std::string convertCase(uint32_t ch, bool upper) {
  std::string s;
  AppendUtf8(s, ch);
  return upper ? AnsiUpperCase(s) : AnsiLowerCase(s);
}

uint32_t firstCodePoint(const std::string& s) {
  size_t i = 0;
  return s.empty() ? 0 : static_cast<uint32_t>(DecodeUtf8Char(s, i));
}

bool validChar(uint32_t c, std::string_view ValidChars, const TValidCharSet* ValidCharSet) {
  if (!ValidChars.empty()) {
    std::string s;
    AppendUtf8(s, c);
    return ValidChars.find(s) != std::string_view::npos;
  }
  return c <= 255 && ValidCharSet && ValidCharSet->test(c);
}

TCharFilterResult accept(uint32_t c) { return {TCharVerdict::Accept, c}; }
TCharFilterResult beep() { return {TCharVerdict::Beep, 0}; }
TCharFilterResult ignore() { return {TCharVerdict::Ignore, 0}; }

TCharFilterResult filterFloat(const TEditCharContext& x, uint32_t c) {
  if (isEditKey(c) || isDigit(c)) return accept(c);
  if (c == '-') {
    if (x.Kind == edPositiveFloat) return beep();
    return minusAllowed(x) ? accept(c) : beep();
  }
  if (c == static_cast<unsigned char>(x.ThousandSeparator)) return ignore();
  if (c == static_cast<unsigned char>(x.DecimalSeparator)) {
    bool hasOne = x.Text.find(x.DecimalSeparator) != std::string_view::npos;
    return !hasOne || selectionHas(x, x.DecimalSeparator) ? accept(c) : ignore();
  }
  if (c == ',' || c == '.') return accept(c);
  return x.Ctrl ? accept(c) : ignore();
}

}  // namespace

bool IsNormalTextEditor(TEditorType Kind) {
  switch (Kind) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edValidChars:
    case edPositiveFloat: return true;
    default: return false;
  }
}

TCharFilterResult FilterEditChar(const TEditCharContext& x, uint32_t c) {
  bool full = x.LengthLimit > 0 && static_cast<int>(x.Text.size()) >= x.LengthLimit && x.SelLength == 0;
  if (full && c != Backspace && c != Esc && c != Enter) return ignore();
  switch (x.Kind) {
    case edNumeric:
      if (isEditKey(c) || isDigit(c)) return accept(c);
      return c == '-' && minusAllowed(x) ? accept(c) : beep();
    case edPositiveNumeric: return isEditKey(c) || isDigit(c) ? accept(c) : beep();
    case edFloat:
    case edPositiveFloat: return filterFloat(x, c);
    case edCapital:
    case edUpperCase: return c < 32 ? accept(c) : accept(firstCodePoint(convertCase(c, true)));
    case edLowerCase: return c < 32 ? accept(c) : accept(firstCodePoint(convertCase(c, false)));
    case edValidChars:
      if (c == Backspace || c == Enter) return accept(c);
      return validChar(c, x.ValidChars, x.ValidCharSet) ? accept(c) : beep();
    default: return accept(c);
  }
}

std::string ComposePaste(std::string_view Text, int SelStart, int SelLength, std::string Clip, int& PasteStart,
                         int& PasteLength) {
  size_t crlf = Clip.find("\r\n");
  if (crlf != std::string::npos && crlf + 2 == Clip.size()) Clip.resize(crlf);
  size_t start = std::min<size_t>(std::max(0, SelStart), Text.size());
  size_t len = std::min<size_t>(std::max(0, SelLength), Text.size() - start);
  std::string out(Text.substr(0, start));
  out += Clip;
  out += Text.substr(start + len);
  PasteStart = static_cast<int>(start);
  PasteLength = static_cast<int>(Clip.size());
  return out;
}

bool AcceptPastedText(TEditorType Kind, std::string& NewText, std::string_view ValidChars,
                      const TValidCharSet* ValidCharSet) {
  bool noMinus = NewText.find('-') == std::string::npos;
  int kind = GetNumberTextKind(NewText);
  switch (Kind) {
    case edNumeric: return kind == 0;
    case edPositiveNumeric: return kind == 0 && noMinus;
    case edFloat: return kind == 0 || kind == 1;
    case edPositiveFloat: return (kind == 0 || kind == 1) && noMinus;
    case edValidChars: {
      for (size_t i = 0; i < NewText.size();)
        if (!validChar(static_cast<uint32_t>(DecodeUtf8Char(NewText, i)), ValidChars, ValidCharSet)) return false;
      return true;
    }
    case edMixedCase: NewText = ToMixedCase(NewText); return true;
    case edLowerCase: NewText = AnsiLowerCase(NewText); return true;
    case edUpperCase: NewText = AnsiUpperCase(NewText); return true;
    default: return true;
  }
}

bool CompleteFromItems(const TStrings* Items, std::string_view Text, int Caret, bool CaseSensitive,
                       std::string& Completed, int& Index) {
  Index = -1;
  Caret = std::min<int>(Caret, static_cast<int>(Text.size()));
  if (!Items || Caret <= 0) return false;
  auto key = [&](std::string_view s) { return CaseSensitive ? std::string(s) : AnsiUpperCase(s); };
  std::string typed = key(Text.substr(0, Caret));
  for (int i = 0; i < Items->Count(); ++i) {
    std::string item = Items->Strings(i);
    if (key(item).compare(0, typed.size(), typed) != 0) continue;
    Completed = std::string(Text.substr(0, Caret)) + (item.size() > typed.size() ? item.substr(typed.size(), 255) : "");
    Index = i;
    return true;
  }
  return false;
}
