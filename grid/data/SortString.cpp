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
  parsed.Direction = Value.find('u') != std::string::npos ? sdAscending : sdDescending;
  // -1 is what an unsorted grid writes; nothing below it is a column.
  int column = 0;
  if (TryStrToInt(Value.substr(1), column) && column >= -1) parsed.Column = column;
  return parsed;
}
