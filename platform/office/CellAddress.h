#pragma once
// A1-style cell references of spreadsheets: column letters are bijective base
// 26 (A..Z, AA..ZZ, AAA.. without end), rows count from 1.

#include <optional>
#include <string>
#include <string_view>

namespace platform::office {

// Highest column and row a workbook may address.
inline constexpr int kMaxSheetCol = 16384;
inline constexpr int kMaxSheetRow = 1048576;

// "A" for 1, "Z" for 26, "AA" for 27, "AZ" for 52, "BA" for 53, "AAA" for 703.
std::string ColumnLetters(int Column);
// The column of the letters (case-insensitive); nullopt for no letters, other
// characters or a column past kMaxSheetCol.
std::optional<int> ColumnNumber(std::string_view Letters);

struct CellRef {
  int row = 0, col = 0;  // 1-based
};
// "B5" (without "$"); nullopt unless both parts are there and in range.
std::optional<CellRef> ParseCellRef(std::string_view Text);
std::string CellRefText(CellRef Ref);

}  // namespace platform::office
