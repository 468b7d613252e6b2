// Fuzz target over the workbook reader. The input is a worksheet part and,
// after a NUL byte, a shared-string table (an input starting "PK" is taken
// as a whole archive instead). Every sheet's cells are read: the reader must
// return them sorted by row and column within the sheet's limits, or refuse
// the workbook with OfficeFileError; it never reads outside its data and
// never holds more than its budget of cells.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <tuple>

#include "platform/office/XlsxWorkbook.h"
#include "tests/platform/support/WorkbookParts.h"

namespace {

using namespace platform::office;

std::string BookOf(std::string_view Sheet, std::string_view Strings) {
  static const std::string empty = XlsxWorkbook::New().ToBytes();
  ZipPackage p = ZipPackage::FromBytes(empty);
  p.SetPart("xl/worksheets/sheet1.xml", std::string(Sheet));
  PutSharedStrings(p, std::string(Strings));
  return p.ToBytes();
}

void CheckSheet(XlsxWorkbook& Book, int Sheet) {
  const auto& cells = Book.Cells(Sheet);
  if (cells.size() > XlsxWorkbook::kMaxReadCells) std::abort();
  for (size_t i = 0; i < cells.size(); ++i) {
    const auto& c = cells[i];
    if (c.row < 1 || c.row > kMaxSheetRow || c.col < 1 || c.col > kMaxSheetCol) std::abort();
    if (i && std::tie(cells[i - 1].row, cells[i - 1].col) >= std::tie(c.row, c.col)) std::abort();
    if (Book.Value(Sheet, {c.row, c.col}).kind != c.value.kind) std::abort();
  }
  auto used = Book.UsedRange(Sheet);
  if (used.has_value() == cells.empty()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  try {
    std::string bytes;
    if (input.starts_with("PK")) {
      bytes = std::string(input);
    } else {
      const size_t nul = input.find('\0');
      bytes = BookOf(input.substr(0, nul), nul == std::string_view::npos ? "<sst/>" : input.substr(nul + 1));
    }
    XlsxWorkbook book = XlsxWorkbook::FromBytes(bytes);
    for (int s = 0; s < book.SheetCount(); ++s) CheckSheet(book, s);
  } catch (const OfficeFileError&) {
  }
  return 0;
}
