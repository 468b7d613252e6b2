// Column layout text and permutations.

#include "grid/core/ColumnLayout.h"

#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/SysUtils.h"

#include <algorithm>
#include <numeric>

namespace {

// No grid of this program has more columns; a larger count is a damaged text.
constexpr int kMaxColumns = 65535;

std::vector<std::string> Split(const std::string& Text, char Sep) {
  std::vector<std::string> out;
  size_t pos = 0;
  for (;;) {
    const size_t e = Text.find(Sep, pos);
    out.push_back(Text.substr(pos, e == std::string::npos ? e : e - pos));
    if (e == std::string::npos) return out;
    pos = e + 1;
  }
}

std::vector<int> IntList(const std::string& Text, const char* What, int Count) {
  std::vector<int> out;
  for (const std::string& item : Split(Text, ',')) {
    int v = 0;
    if (!TryStrToInt(item, v)) throw EConvertError("Column layout: '" + item + "' in the " + What + " is not a number");
    out.push_back(v);
  }
  if (static_cast<int>(out.size()) != Count)
    throw EConvertError(std::string("Column layout: the ") + What + " lists " + std::to_string(out.size()) +
                        " columns instead of " + std::to_string(Count));
  return out;
}

std::string Join(const std::vector<int>& Values) {
  std::string out;
  for (size_t i = 0; i < Values.size(); ++i) out += (i ? "," : "") + std::to_string(Values[i]);
  return out;
}

}  // namespace

bool ParseColumnStates(const std::string& Text, TColumnStates& States) {
  if (Text.find('#') == std::string::npos) return false;
  const std::vector<std::string> fields = Split(Text, '#');
  if (fields.size() != 4) throw EConvertError("Column layout: '" + Text + "' does not have four fields");
  TColumnStates s;
  if (!TryStrToInt(fields[0], s.Count) || s.Count < 1 || s.Count > kMaxColumns)
    throw EConvertError("Column layout: '" + fields[0] + "' is not a column count");
  s.Widths = IntList(fields[1], "widths", s.Count);
  if (std::any_of(s.Widths.begin(), s.Widths.end(), [](int w) { return w < 0; }))
    throw EConvertError("Column layout: a column width is negative");
  if (!fields[2].empty()) {
    s.Order = IntList(fields[2], "order", s.Count);
    if (!IsPermutation(s.Order)) throw EConvertError("Column layout: the order does not name every column once");
  }
  for (int v : IntList(fields[3], "visibility", s.Count)) {
    if (v != 0 && v != 1) throw EConvertError("Column layout: visibility flags are 0 or 1");
    s.Visible.push_back(v == 1);
  }
  States = std::move(s);
  return true;
}

std::string FormatColumnStates(const TColumnStates& S) {
  std::vector<int> flags(S.Visible.begin(), S.Visible.end());
  return std::to_string(S.Count) + "#" + Join(S.Widths) + "#" + Join(S.Order) + "#" + Join(flags);
}

bool IsPermutation(const std::vector<int>& Values) {
  std::vector<bool> seen(Values.size(), false);
  for (int v : Values) {
    if (v < 0 || v >= static_cast<int>(Values.size()) || seen[static_cast<size_t>(v)]) return false;
    seen[static_cast<size_t>(v)] = true;
  }
  return true;
}

std::vector<int> InversePermutation(const std::vector<int>& Values) {
  std::vector<int> inv(Values.size());
  for (size_t k = 0; k < Values.size(); ++k) inv[static_cast<size_t>(Values[k])] = static_cast<int>(k);
  return inv;
}

std::vector<int> Ranks(const std::vector<int>& Values) {
  std::vector<int> idx(Values.size());
  std::iota(idx.begin(), idx.end(), 0);
  std::stable_sort(idx.begin(), idx.end(), [&](int a, int b) { return Values[static_cast<size_t>(a)] < Values[static_cast<size_t>(b)]; });
  std::vector<int> rank(Values.size());
  for (size_t r = 0; r < idx.size(); ++r) rank[static_cast<size_t>(idx[r])] = static_cast<int>(r);
  return rank;
}
