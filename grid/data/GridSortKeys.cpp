// Reading a cell once into a sort key, and comparing two keys.

#include <charconv>
#include <cmath>

#include "grid/data/GridSortEngine.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

template <typename T>
int Sign(T a, T b) { return a < b ? -1 : a > b ? 1 : 0; }

// Optional blanks, optional sign, digits with an optional "." fraction and
// exponent, nothing after.
bool ReadPlainFloat(std::string_view s, double& v) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty() || s.front() == '+') return false;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
  // "nan" and "inf" are words here: a NaN would break the order.
  return ec == std::errc() && end == s.data() + s.size() && std::isfinite(v);
}

void EraseFirst(std::string& text, const std::string& part) {
  if (part.empty()) return;
  size_t p = text.find(part);
  if (p != std::string::npos) text.erase(p, part.size());
}

// The separator stands at position 2 or 3 with a digit on both sides.
bool SeparatorInDateWindow(const std::string& text, char sep) {
  size_t p = text.find(sep);
  if (p == std::string::npos || p < 1 || p > 2 || p + 1 >= text.size()) return false;
  return IsNumberChar(text[p - 1]) && IsNumberChar(text[p + 1]);
}

TSortKey Keyed(TSortKeyKind kind, double value, std::string text = {}) {
  TSortKey k;
  k.Kind = kind;
  k.Value = value;
  k.Text = std::move(text);
  return k;
}

TSortKey TextKey(const std::string& text, bool ignoreCase) {
  return Keyed(TSortKeyKind::Text, 0, ignoreCase ? UpperCase(text) : text);
}

// A number, a date, a time or a word, decided by the cell's own text.
TSortKey AutomaticKey(const std::string& text, bool ignoreCase) {
  if (text.empty()) return Keyed(TSortKeyKind::Blank, 0);
  double v = 0;
  if (GetNumberTextKind(text) != 2 && ReadPlainFloat(NormalizeNumberText(text), v))
    return Keyed(TSortKeyKind::Number, v);
  const char dateSep = LocaleDateSeparator(), timeSep = LocaleTimeSeparator();
  if (SeparatorInDateWindow(text, dateSep)) {
    const bool withTime = text.find(timeSep) != std::string::npos;
    if (withTime ? TryStrToDateTime(text, v) : TryStrToDate(text, v)) return Keyed(TSortKeyKind::Date, v);
  } else if (SeparatorInDateWindow(text, timeSep) && TryStrToTime(text, v)) {
    return Keyed(TSortKeyKind::Time, v);
  }
  return TextKey(text, ignoreCase);
}

// Both numbers: by value; otherwise as words.
TSortKey AlphaNumericKey(const std::string& text, bool noCase) {
  double v = 0;
  if (GetNumberTextKind(text) != 2 && ReadPlainFloat(NormalizeNumberText(text), v))
    return Keyed(TSortKeyKind::Number, v);
  return TextKey(text, noCase);
}

// A text that is not a number ranks after the numbers; an empty one is 0.
TSortKey NumericKey(const std::string& text, const std::string& prefix, const std::string& suffix, bool financial) {
  double v = 0;
  if (SortTextToNumber(text, prefix, suffix, financial, v)) return Keyed(TSortKeyKind::Number, v);
  if (text.empty()) return Keyed(TSortKeyKind::Number, 0);
  return Keyed(TSortKeyKind::Text, 0, text);
}

TSortKey DateKey(const std::string& text, TSortStyle style) {
  double v = 0;
  switch (style) {
    case ssTime: if (!TryStrToTime(text, v)) v = 0; break;
    case ssShortDateEU: v = ShortDateEUToDate(text); break;
    case ssShortDateUS: v = ShortDateUSToDate(text); break;
    default: if (text.empty() || !TryStrToDateTime(text, v)) v = 0; break;
  }
  return Keyed(TSortKeyKind::Date, v);
}

}  // namespace

bool SortTextToNumber(std::string Text, const std::string& Prefix, const std::string& Suffix, bool Financial,
                      double& Value) {
  EraseFirst(Text, Prefix);
  EraseFirst(Text, Suffix);
  if (Financial) {
    const char thousand = LocaleThousandSeparator();
    std::erase(Text, thousand);
  }
  const char decimal = LocaleDecimalSeparator();
  if (decimal != '.') {
    size_t p = Text.find(decimal);
    if (p != std::string::npos) Text[p] = '.';
  }
  return ReadPlainFloat(Text, Value);
}

TSortKey MakeSortKey(TSortCellSource& Source, int ACol, int ARow, const std::string& Text, TSortStyle Style,
                     const std::string& Prefix, const std::string& Suffix, bool IgnoreCase) {
  TSortKey key;
  switch (Style) {
    case ssAutomatic:
      key = Source.SortCellIsCheckBox(ACol, ARow) ? Keyed(TSortKeyKind::Check, Source.SortCellChecked(ACol, ARow))
                                                  : AutomaticKey(Text, IgnoreCase);
      break;
    case ssAlphaNumeric: key = AlphaNumericKey(Text, false); break;
    case ssAlphaNumericNoCase: key = AlphaNumericKey(Text, true); break;
    case ssAlphaNoCase: key = TextKey(Text, true); break;
    case ssAnsiAlphaCase: key = Keyed(TSortKeyKind::AnsiText, 0, Text); break;
    case ssAnsiAlphaNoCase: key = Keyed(TSortKeyKind::AnsiTextNoCase, 0, Text); break;
    case ssHTML: key = TextKey(Source.SortCellStrippedText(ACol, ARow), false); break;
    case ssNumeric: case ssFinancial: key = NumericKey(Text, Prefix, Suffix, Style == ssFinancial); break;
    case ssDate: case ssDateTime: case ssTime: case ssShortDateEU: case ssShortDateUS:
      key = DateKey(Text, Style);
      break;
    case ssImages: key = Keyed(TSortKeyKind::Number, Source.SortCellImageKey(ACol, ARow)); break;
    case ssCheckBox: key = Keyed(TSortKeyKind::Check, Source.SortCellChecked(ACol, ARow)); break;
    case ssCustom: case ssRaw: key = Keyed(TSortKeyKind::Event, 0, Text); break;
    default: key = TextKey(Text, false); break;
  }
  key.Empty = Text.empty();
  return key;
}

int CompareSortKeys(const TSortKey& A, const TSortKey& B) {
  if (A.Kind != B.Kind) return Sign(static_cast<int>(A.Kind), static_cast<int>(B.Kind));
  switch (A.Kind) {
    case TSortKeyKind::Blank: case TSortKeyKind::Event: return 0;
    case TSortKeyKind::Text: return Sign(A.Text.compare(B.Text), 0);
    case TSortKeyKind::AnsiText: return AnsiCompareStr(A.Text, B.Text);
    case TSortKeyKind::AnsiTextNoCase: return AnsiCompareText(A.Text, B.Text);
    default: return Sign(A.Value, B.Value);
  }
}
