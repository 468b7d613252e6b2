#pragma once
// The text form of the grid's sort state: "u" or "d" followed by the column,
// or "i;" followed by the sort index list ("u1;d4").

#include <optional>
#include <string>

#include "grid/data/ExtGridDataTypes.h"

// A sort string read but not yet applied.
struct TSortSpecifier {
  bool Indexed = false;
  TSortDirection Direction = sdAscending;
  int Column = -1;
  std::string IndexText;  // the index list of the "i;" form
};

// Raises Exception "Invalid sort settings specifier" for a text that is
// not a sort string; an empty text gives nothing.
std::optional<TSortSpecifier> ParseSortSpecifier(const std::string& Value);
