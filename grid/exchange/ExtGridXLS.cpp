// Workbooks through the spreadsheet server ("excel.application"): the sheet
// list, a sheet's used range into the grid, the grid into a sheet.
//
// An import reads every value before the grid changes, so a damaged workbook
// leaves the grid as it was; an export that cannot create its workbook or
// save it raises instead of ending as if it had worked.

#include <cmath>

#include "grid/core/ExtGrid.h"
#include "grid/exchange/OfficeAddress.h"
#include "grid/exchange/OfficeSession.h"
#include "platform/office/CellAddress.h"
#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/ScopeGuard.h"
#include "toolkit/rtl/StringList.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

using namespace platform::automation;

const char* const kExcel = "excel.application";
const char* const kExcelNotFound = "Excel OLE server not found";

// No grid of this program comes near this many cells; a used range beyond it
// is two far-apart cells of a damaged or hostile workbook.
constexpr long long kMaxImportCells = 16'000'000;

std::string ValueText(const SheetValue& V) {
  switch (V.kind) {
    case SheetValue::Number: return V.isDate ? DateTimeToStr(V.number) : FloatToStr(V.number);
    case SheetValue::Boolean: return V.number != 0 ? "True" : "False";
    case SheetValue::Text: return V.text;
    default: return "";
  }
}

Workbook& OpenBook(SpreadsheetApplication* App, const std::string& Filename) {
  return OfficeCall("Excel workbook " + Filename + " cannot be opened", [&]() -> Workbook& { return App->OpenWorkbook(Filename); });
}

// The last sheet of that name, as the program's loop over all sheets finds it.
Worksheet* SheetNamed(Workbook& Book, const std::string& Name) {
  Worksheet* found = nullptr;
  const int count = Book.SheetsCount();
  for (int i = 1; i <= count; ++i) {
    Worksheet& sheet = Book.Sheets(i);
    if (sheet.Name() == Name) found = &sheet;
  }
  return found;
}

}  // namespace

std::unique_ptr<TStringList> TExtStringGrid::GetXLSSheets(const std::string& FileName) {
  THourGlass hourglass;
  TOfficeServer<SpreadsheetApplication> app(kExcel, false, kExcelNotFound);
  Workbook& book = OpenBook(app.operator->(), FileName);
  auto names = std::make_unique<TStringList>();
  OfficeCall("Incorrect XLS file", [&] {
    const int count = book.SheetsCount();
    for (int i = 1; i <= count; ++i) names->Add(book.Sheets(i).Name());
    book.SetSaved(true);
  });
  return names;
}

void TExtStringGrid::LoadFromXLS(const std::string& Filename) { loadXLSSheet(Filename, ""); }

void TExtStringGrid::LoadFromXLSSheet(const std::string& Filename, const std::string& SheetName) {
  loadXLSSheet(Filename, SheetName);
}

void TExtStringGrid::loadXLSSheet(const std::string& Filename, const std::string& SheetName) {
  THourGlass hourglass;
  TOfficeServer<SpreadsheetApplication> app(kExcel, false, kExcelNotFound);
  Workbook& book = OpenBook(app.operator->(), Filename);
  auto close = MakeScopeGuard([&] { book.Close(false); });

  Worksheet* sheet = OfficeCall("Incorrect XLS file", [&] { return SheetName.empty() ? &book.ActiveSheet() : SheetNamed(book, SheetName); });
  if (!sheet) throw EExtGridError("Excel worksheet " + SheetName + " not found");
  const std::string address = OfficeCall("Incorrect XLS file", [&] { return sheet->UsedRangeAddress(); });
  const std::optional<TXLSRange> range = ParseUsedRange(address);
  if (!range) throw EExtGridError("Incorrect XLS file: the used range " + address + " cannot be read");
  const long long cols = range->LastCol - range->FirstCol + 1, rows = range->LastRow - range->FirstRow + 1;
  if (cols * rows > kMaxImportCells) throw EExtGridError("Incorrect XLS file: the used range " + address + " is too large");

  SheetValues values = OfficeCall("Incorrect XLS file", [&] {
    if (range->SingleCell) return SheetValues{{sheet->Cell(range->FirstRow, range->FirstCol)}};
    return sheet->RangeValue(platform::office::CellRefText({range->FirstRow, range->FirstCol}) + ":" +
                             platform::office::CellRefText({range->LastRow, range->LastCol}));
  }, false);
  close.Dismiss();
  book.Close(false);

  const int colOffset = FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
  const int rowOffset = FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();
  const int fixedCols = FixedCols(), fixedRows = FixedRows();
  SetColCount(static_cast<int>(cols) + colOffset);
  SetRowCount(static_cast<int>(rows) + rowOffset);
  if (fixedCols < ColCount()) SetFixedCols(fixedCols);
  if (fixedRows < RowCount()) SetFixedRows(fixedRows);

  // The server's array is not trusted to have the size asked for.
  int last = -1;
  const size_t height = std::min(values.size(), static_cast<size_t>(rows));
  for (size_t r = 0; r < height; ++r) {
    const size_t width = std::min(values[r].size(), static_cast<size_t>(cols));
    for (size_t c = 0; c < width; ++c)
      if (values[r][c].kind != SheetValue::Error)
        ImportCellText(colOffset + static_cast<int>(c), rowOffset + static_cast<int>(r), ValueText(values[r][c]));
    fileProgress(static_cast<int>(std::lround(100.0 * static_cast<double>(r + 1) / static_cast<double>(height))), last);
  }
  CellsChanged(TRect{0, 0, ColCount(), RowCount()});
  RecalcFooters();
}

void TExtStringGrid::SaveToXLS(const std::string& Filename, bool CreateNewSheet) { writeXLSSheet(Filename, "", CreateNewSheet); }

void TExtStringGrid::SaveToXLSSheet(const std::string& Filename, const std::string& SheetName) {
  writeXLSSheet(Filename, SheetName, false);
}

void TExtStringGrid::writeXLSSheet(const std::string& Filename, const std::string& SheetName, bool CreateNewSheet) {
  THourGlass hourglass;
  TOfficeServer<SpreadsheetApplication> app(kExcel, true, kExcelNotFound);
  auto addBook = [&]() -> Workbook& {
    return OfficeCall("Excel workbook could not be created", [&]() -> Workbook& { return app->AddWorkbook(); });
  };
  Workbook* book = nullptr;
  Worksheet* sheet = nullptr;
  bool opened = false;
  int startRow = 1;
  OfficeCall("Excel worksheet could not be prepared", [&] {
    if (!SheetName.empty()) {
      opened = FileExists(Filename);
      book = opened ? &OpenBook(app.operator->(), Filename) : &addBook();
      sheet = SheetNamed(*book, SheetName);
      if (!sheet) {
        sheet = &book->AddWorksheet();
        sheet->SetName(SheetName);
      }
    } else if (CreateNewSheet || app->WorkbooksCount() == 0) {
      book = &addBook();
      sheet = &book->Sheets(1);
    } else {
      book = &app->ActiveWorkbook();
      sheet = &book->ActiveSheet();
      startRow = book->ActiveCellRow();
    }
  });

  const int rows = RowCount() - SaveStartRow(), cols = ColCount() - SaveStartCol();
  SheetTexts texts(static_cast<size_t>(std::max(0, rows)), std::vector<std::string>(static_cast<size_t>(std::max(0, cols))));
  int last = -1;
  ExportNotification(esExportStart, SaveStartRow());
  for (int r = SaveStartRow(); r < RowCount(); ++r) {
    ExportNotification(esExportNextRow, r);
    for (int c = SaveStartCol(); c < ColCount(); ++c)
      texts[r - SaveStartRow()][c - SaveStartCol()] = StringReplace(exportText(c, r), "\r", "", {rfReplaceAll});
    fileProgress(static_cast<int>(std::lround(100.0 * (r - SaveStartRow() + 1) / rows)), last);
  }
  ExportNotification(esExportDone, -1);

  if (rows > 0 && cols > 0)
    OfficeCall("Excel worksheet could not be written", [&] { sheet->SetRangeValue(XLSWriteAddress(startRow, cols, rows), texts); });
  OfficeCall("Excel workbook could not be saved as " + Filename, [&] { opened ? book->Save() : book->SaveAs(Filename); });
}
