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
  // Empty when the text after the letter is no column: the direction still
  // counts, the column and the order stay as they are.
  std::optional<int> Column;
  std::string IndexText;  // the index list of the "i;" form
};

// Raises Exception "Invalid sort settings specifier" for a text shorter
// than two characters; an empty text gives nothing. A "u" anywhere in the
// column form means ascending, anything else descending.
std::optional<TSortSpecifier> ParseSortSpecifier(const std::string& Value);
