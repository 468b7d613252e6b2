// Spreadsheet addresses of the grid's office import and export.

#include "grid/exchange/OfficeAddress.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/office/CellAddress.h"

namespace {

// One half "$B$2": the column letters before the second "$" (none for whole
// rows), the row after it.
bool ParseHalf(std::string_view Half, int& Col, int& Row, int WholeRowCol) {
  if (Half.empty() || Half.front() != '$') return false;
  Half.remove_prefix(1);
  size_t dollar = Half.find('$');
  std::string_view letters = dollar == std::string_view::npos ? std::string_view() : Half.substr(0, dollar);
  std::string_view digits = dollar == std::string_view::npos ? Half : Half.substr(dollar + 1);
  auto ref = platform::office::ParseCellRef("A" + std::string(digits));
  if (!ref) return false;
  Row = ref->row;
  if (letters.empty()) {
    Col = WholeRowCol;
    return true;
  }
  auto col = platform::office::ColumnNumber(letters);
  if (!col) return false;
  Col = *col;
  return true;
}

}  // namespace

std::optional<TXLSRange> ParseUsedRange(const std::string& Address) {
  TXLSRange r;
  size_t colon = Address.find(':');
  if (colon != std::string::npos) {
    r.SingleCell = false;
    if (!ParseHalf(std::string_view(Address).substr(0, colon), r.FirstCol, r.FirstRow, 1) ||
        !ParseHalf(std::string_view(Address).substr(colon + 1), r.LastCol, r.LastRow, 256) || r.LastCol < r.FirstCol ||
        r.LastRow < r.FirstRow)
      return std::nullopt;
    return r;
  }
  if (Address.find('$') == std::string::npos) return r;  // counts as A1
  if (!ParseHalf(Address, r.FirstCol, r.FirstRow, 1)) return std::nullopt;
  r.LastCol = r.FirstCol;
  r.LastRow = r.FirstRow;
  return r;
}

std::string XLSWriteAddress(int StartRow, int Cols, int Rows) {
  return "A" + std::to_string(StartRow) + ":" + platform::office::ColumnLetters(Cols) + std::to_string(StartRow + Rows - 1);
}

TDroppedFileKind DroppedFileKind(const std::string& FileName) {
  std::string ext = std::filesystem::path(FileName).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  if (ext == ".CSV") return dfCSV;
  if (ext == ".XLS" || ext == ".XLSX" || ext == ".XLSM") return dfXLS;
  return dfOther;
}
