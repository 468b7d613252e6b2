// A filter condition prepared once: plain wildcard patterns are matched
// without the general parser, which filtering a large grid would otherwise
// run for every row.

#include "grid/foundation/ExtUtil.h"

#include "toolkit/rtl/SysUtils.h"

namespace {

// Characters with a meaning to the condition parser besides the wildcards.
bool IsPlainPattern(std::string_view p) {
  if (p.empty()) return false;
  for (char c : p)
    if (std::string_view("!\"<>&|^;()= ").find(c) != std::string_view::npos) return false;
  return true;
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// "*" any run, "?" one byte; on a mismatch after a star the star takes one
// byte more (the classic linear glob walk).
bool Glob(std::string_view p, std::string_view v, bool foldCase) {
  size_t pi = 0, vi = 0, star = std::string_view::npos, mark = 0;
  while (vi < v.size()) {
    if (pi < p.size() && (p[pi] == '?' || p[pi] == (foldCase ? Upper(v[vi]) : v[vi]))) {
      ++pi;
      ++vi;
    } else if (pi < p.size() && p[pi] == '*') {
      star = pi++;
      mark = vi;
    } else if (star != std::string_view::npos) {
      pi = star + 1;
      vi = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

bool IsAscii(std::string_view v) {
  for (char c : v)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

TFilterCondition::TFilterCondition(std::string_view Condition, bool CaseSensitive)
    : FCondition(Condition), FCaseSensitive(CaseSensitive) {
  std::string p = RemoveUnquotedSpaces(Trim(Condition));
  if (!p.empty() && p.front() == '=') p.erase(0, 1);
  FPlain = IsPlainPattern(p);
  FPattern = CaseSensitive ? p : AnsiUpperCase(p);
}

bool TFilterCondition::Match(std::string_view Value) const {
  if (!FPlain) return MatchFilterCondition(FCondition, Value, FCaseSensitive);
  if (FCaseSensitive) return Glob(FPattern, Value, false);
  if (IsAscii(Value)) return Glob(FPattern, Value, true);
  return Glob(FPattern, AnsiUpperCase(Value), false);
}
