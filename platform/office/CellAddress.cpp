// A1-style cell references.

#include "platform/office/CellAddress.h"

#include <algorithm>
#include <cctype>

namespace platform::office {

std::string ColumnLetters(int Column) {
  std::string letters;
  for (; Column > 0; Column = (Column - 1) / 26) letters += static_cast<char>('A' + (Column - 1) % 26);
  std::reverse(letters.begin(), letters.end());
  return letters;
}

std::optional<int> ColumnNumber(std::string_view Letters) {
  if (Letters.empty()) return std::nullopt;
  int col = 0;
  for (char ch : Letters) {
    if (!std::isalpha(static_cast<unsigned char>(ch))) return std::nullopt;
    col = col * 26 + (std::toupper(static_cast<unsigned char>(ch)) - 'A' + 1);
    if (col > kMaxSheetCol) return std::nullopt;
  }
  return col;
}

std::optional<CellRef> ParseCellRef(std::string_view Text) {
  size_t digits = 0;
  while (digits < Text.size() && std::isalpha(static_cast<unsigned char>(Text[digits]))) ++digits;
  auto col = ColumnNumber(Text.substr(0, digits));
  std::string_view rowText = Text.substr(digits);
  if (!col || rowText.empty() || rowText.size() > 7 || rowText[0] == '0') return std::nullopt;
  int row = 0;
  for (char ch : rowText) {
    if (!std::isdigit(static_cast<unsigned char>(ch))) return std::nullopt;
    row = row * 10 + (ch - '0');
  }
  if (row > kMaxSheetRow) return std::nullopt;
  return CellRef{row, *col};
}

std::string CellRefText(CellRef Ref) { return ColumnLetters(Ref.col) + std::to_string(Ref.row); }

}  // namespace platform::office
