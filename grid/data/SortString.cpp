// Reading the text form of the sort state.

#include "grid/data/SortString.h"

#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/SysUtils.h"

namespace {
[[noreturn]] void InvalidSpecifier() { throw Exception("Invalid sort settings specifier"); }
}  // namespace

std::optional<TSortSpecifier> ParseSortSpecifier(const std::string& Value) {
  if (Value.empty()) return std::nullopt;
  if (Value.size() < 2) InvalidSpecifier();
  TSortSpecifier parsed;
  if (Value.compare(0, 2, "i;") == 0) {
    parsed.Indexed = true;
    parsed.IndexText = Value.substr(2);
    return parsed;
  }
  const char letter = Value[0];
  if (letter != 'u' && letter != 'd') InvalidSpecifier();
  parsed.Direction = letter == 'u' ? sdAscending : sdDescending;
  // -1 is what an unsorted grid writes; nothing below it is a column.
  if (!TryStrToInt(Value.substr(1), parsed.Column) || parsed.Column < -1) InvalidSpecifier();
  return parsed;
}
