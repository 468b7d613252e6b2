// The filter-condition matcher: conditions such as ">=10&<20", "A*|B*",
// "(A*|B*)&*E" or "!*test*", evaluated strictly left to right.

#include "grid/foundation/ExtUtil.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

bool IsDelimiter(char c) { return c == '(' || c == ';' || c == '^' || c == '&' || c == '|'; }

void Combine(bool& result, bool piece, char pendingOperator) {
  switch (pendingOperator) {
    case '\0': result = piece; break;
    case '&': result = result && piece; break;
    case ';': case '^': case '|': result = result || piece; break;
    default: break;  // after a group: the piece has no effect
  }
}

// Optional sign, digits with an optional fraction, optional exponent.
bool ReadDecimal(std::string_view text, double& v) {
  const std::string trimmed = Trim(text);
  std::string_view s = trimmed;
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  size_t i = 0, digits = 0;
  if (i < s.size() && s[i] == '-') ++i;
  while (i < s.size() && IsNumberChar(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsNumberChar(s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < s.size() && IsNumberChar(s[i])) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  if (i != s.size()) return false;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  return ec == std::errc() && end == s.data() + s.size();
}

bool ReadNumber(std::string_view text, double& v) {
  double date = 0;
  if (ParseDateTimeText(text, date)) return false;
  return ReadDecimal(NormalizeNumberText(text), v);
}

template <typename T>
int Sign(T a, T b) { return a < b ? -1 : a > b ? 1 : 0; }

// Numbers compare as numbers, dates as dates, anything else by character codes.
int CompareValues(std::string_view value, std::string_view text) {
  double a = 0, b = 0;
  if (ReadNumber(value, a) && ReadNumber(text, b)) return Sign(a, b);
  if (ParseDateTimeText(value, a) && ParseDateTimeText(text, b)) return Sign(a, b);
  int c = value.compare(text);  // char_traits<char> compares as unsigned char
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

// The text a ">" or "<" compares with: after the operator and an optional
// "=", blanks skipped, up to a blank, "&" or "|" outside double quotes.
std::string_view ComparisonText(std::string_view operand, size_t from) {
  while (from < operand.size() && operand[from] == ' ') ++from;
  size_t i = from;
  bool quoted = false;
  for (; i < operand.size(); ++i) {
    char c = operand[i];
    if (c == '"') quoted = !quoted;
    else if (!quoted && (c == ' ' || c == '&' || c == '|')) break;
  }
  std::string_view t = operand.substr(from, i - from);
  while (!t.empty() && t.front() == '"') t.remove_prefix(1);
  if (!t.empty() && t.back() == '"') t.remove_suffix(1);
  return t;
}

struct TComparison {
  bool Evaluated = false;
  bool Result = false;
};

TComparison Compare(std::string_view operand, std::string_view value, char op) {
  size_t p = operand.find(op);
  if (p == std::string_view::npos) return {};
  bool inclusive = p + 1 < operand.size() && operand[p + 1] == '=';
  int c = CompareValues(value, ComparisonText(operand, p + 1 + inclusive));
  bool r = op == '>' ? c > 0 : c < 0;
  return {true, r || (inclusive && c == 0)};
}

// Operand rules on suffixes of one operand and one value. Every "*" tries
// each suffix of the value; results are remembered per pair of positions so
// that patterns with many stars stay polynomial.
class TFilterPattern {
public:
  TFilterPattern(std::string_view op, std::string_view val) : op_(op), val_(val) {}

  bool Match(size_t pi, size_t vi) {
    if (memo_.empty()) return compute(pi, vi);
    signed char& m = memo_[pi * (val_.size() + 1) + vi];
    if (m < 0) m = compute(pi, vi) ? 1 : 0;
    return m == 1;
  }

private:
  bool compute(size_t pi, size_t vi) {
    std::string_view operand = op_.substr(pi);
    std::string_view value = val_.substr(vi);
    const bool negated = operand.find('!') != std::string_view::npos;
    TComparison gt = Compare(operand, value, '>');
    TComparison lt = Compare(operand, value, '<');
    // "!" counts as both comparisons being present; one not made counts as true.
    if (negated && !gt.Evaluated) gt = {true, true};
    if (negated && !lt.Evaluated) lt = {true, true};
    if (operand.find('^') != std::string_view::npos && (gt.Evaluated || lt.Evaluated))
      return gt.Result || lt.Result;
    if (operand.find('&') != std::string_view::npos && gt.Evaluated && lt.Evaluated)
      return gt.Result && lt.Result;
    if (operand.find('>') != std::string_view::npos && gt.Result) return true;
    if (operand.find('<') != std::string_view::npos && lt.Result) return true;
    return wildcards(pi, vi);
  }

  bool wildcards(size_t p, size_t v) {
    bool negate = false;
    bool ok = true;
    while (p < op_.size()) {
      char c = op_[p];
      if (c == '!') { negate = true; ++p; continue; }
      if (c == '"') { ++p; continue; }
      if (c == '*') {
        while (p < op_.size() && op_[p] == '*') ++p;
        ok = matchSomeSuffix(p, v);
        return ok != negate;
      }
      if (v >= val_.size() || (c != '?' && c != val_[v])) { ok = false; break; }
      ++p;
      ++v;
    }
    if (ok) ok = v == val_.size();
    return ok != negate;
  }

  // The shortest suffix first, as the user's pattern expects.
  bool matchSomeSuffix(size_t p, size_t v) {
    if (memo_.empty()) memo_.assign((op_.size() + 1) * (val_.size() + 1), -1);
    for (size_t s = val_.size() + 1; s-- > v;)
      if (Match(p, s)) return true;
    return false;
  }

  std::string_view op_;
  std::string_view val_;
  std::vector<signed char> memo_;
};

}  // namespace

std::string RemoveUnquotedSpaces(std::string_view Text) {
  std::string out;
  bool quoted = false;
  for (char c : Text) {
    if (c == '"') quoted = !quoted;
    if (c == ' ' && !quoted) continue;
    out += c;
  }
  return out;
}

int FindFirstDelimiter(std::string_view Text, char& Delimiter) {
  bool quoted = false;
  for (size_t i = 0; i < Text.size(); ++i) {
    char c = Text[i];
    if (c == '"') quoted = !quoted;
    else if (!quoted && IsDelimiter(c)) {
      Delimiter = c;
      return static_cast<int>(i) + 1;
    }
  }
  return 0;
}

int FindClosingParenthesis(std::string_view Text) {
  int open = 0, close = 0;
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == '(') ++open;
    if (Text[i] == ')' && ++close == open) return static_cast<int>(i) + 1;
  }
  return 0;
}

std::string NormalizeNumberText(std::string_view Text) {
  const char decimal = LocaleDecimalSeparator();
  const char thousand = LocaleThousandSeparator();
  std::string out;
  for (char c : Text) {
    if (c == decimal) out += '.';
    else if (c != thousand) out += c;
  }
  return out;
}

bool MatchFilterCondition(std::string_view Condition, std::string_view Value, bool CaseSensitive) {
  std::string rest = RemoveUnquotedSpaces(Trim(Condition));
  if (!rest.empty() && rest.front() == '=') rest.erase(0, 1);
  bool result = true;
  char pending = '\0';
  char delimiter = '\0';
  while (int pos = FindFirstDelimiter(rest, delimiter)) {
    bool piece = false;
    if (rest.front() == '(') {
      // An opening parenthesis without its closing one takes the rest.
      int close = FindClosingParenthesis(rest);
      size_t end = close > 0 ? static_cast<size_t>(close) : rest.size() + 1;
      piece = MatchFilterCondition(std::string_view(rest).substr(1, end - 2), Value, CaseSensitive);
      rest.erase(0, std::min(end, rest.size()));
      delimiter = '(';
    } else {
      piece = MatchFilterOperand(std::string_view(rest).substr(0, pos - 1), Value, CaseSensitive);
      rest.erase(0, pos);
    }
    Combine(result, piece, pending);
    pending = delimiter;
  }
  Combine(result, MatchFilterOperand(rest, Value, CaseSensitive), pending);
  return result;
}

bool MatchFilterOperand(std::string_view Operand, std::string_view Value, bool CaseSensitive) {
  if (CaseSensitive) return MatchFilterPattern(Operand, Value);
  return MatchFilterPattern(AnsiUpperCase(Operand), AnsiUpperCase(Value));
}

bool MatchFilterPattern(std::string_view Operand, std::string_view Value) {
  return TFilterPattern(Operand, Value).Match(0, 0);
}

namespace {

// Hour, minutes and optional seconds, separated by the locale's separator.
bool ParseTimeText(std::string_view t, double& fraction) {
  const char sep = LocaleTimeSeparator();
  size_t p1 = t.find(sep);
  if (p1 == std::string_view::npos) return false;
  size_t p2 = t.find(sep, p1 + 1);
  int h = 0, m = 0, s = 0;
  if (!TryStrToInt(Trim(t.substr(0, p1)), h)) return false;
  std::string_view minutes = p2 == std::string_view::npos ? t.substr(p1 + 1) : t.substr(p1 + 1, p2 - p1 - 1);
  if (!TryStrToInt(Trim(minutes), m)) return false;
  if (p2 != std::string_view::npos && !TryStrToInt(Trim(t.substr(p2 + 1)), s)) return false;
  if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) return false;
  fraction = (h * 3600 + m * 60 + s) / 86400.0;
  return true;
}

// Field order of the short date format, e.g. {1, 0, 2} for month/day/year:
// index 0 tells which field holds the day, 1 the month, 2 the year.
void DateFieldOrder(int order[3]) {
  std::string fmt = UpperCase(LocaleShortDateFormat());
  const char letters[3] = {'D', 'M', 'Y'};
  size_t pos[3];
  for (int k = 0; k < 3; ++k) {
    size_t p = fmt.find(letters[k]);
    pos[k] = p == std::string::npos ? fmt.size() + k : p;
  }
  for (int k = 0; k < 3; ++k) {
    order[k] = 0;
    for (int j = 0; j < 3; ++j) order[k] += pos[j] < pos[k];
  }
}

}  // namespace

bool ParseDateTimeText(std::string_view Text, double& Value) {
  const char sep = LocaleDateSeparator();
  size_t p1 = Text.find(sep);
  if (p1 == std::string_view::npos) return false;
  std::string_view rest = Text.substr(p1 + 1);
  size_t p2 = rest.find(sep);
  if (p2 == std::string_view::npos) return false;
  const std::string remainderText = Trim(rest.substr(p2 + 1));
  std::string_view remainder = remainderText;
  size_t blank = remainder.find(' ');
  std::string_view fieldText[3] = {Text.substr(0, p1), rest.substr(0, p2), remainder.substr(0, blank)};
  std::string_view timeText = blank == std::string_view::npos ? std::string_view() : remainder.substr(blank);
  int fields[3];
  for (int k = 0; k < 3; ++k)
    if (!TryStrToInt(fieldText[k], fields[k])) return false;
  int order[3];
  DateFieldOrder(order);
  int day = fields[order[0]], month = fields[order[1]], year = fields[order[2]];
  double date = 0;
  if (day > 31 || month > 12 || !TryEncodeDate(year, month, day, date)) return false;
  double time = 0;
  if (!timeText.empty() && !ParseTimeText(timeText, time)) return false;
  Value = date + time;
  return true;
}

void SplitFilterEntry(const std::string& Entry, std::string& Name, std::string& Condition) {
  const size_t eq = Entry.find('=');
  Name = eq == std::string::npos ? Entry : Entry.substr(0, eq);
  Condition = eq == std::string::npos ? Entry : Entry.substr(eq + 1);
}
