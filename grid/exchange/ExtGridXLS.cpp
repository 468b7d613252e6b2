// Workbooks through the spreadsheet server ("excel.application"): the sheet
// list, a sheet's used range into the grid, the grid into a sheet.
//
// An import reads every value before the grid changes, so a damaged workbook
// leaves the grid as it was; an export that cannot create its workbook or
// save it raises instead of ending as if it had worked.

#include <cmath>

#include "grid/core/ExtGrid.h"
#include "grid/exchange/ExchangeFiles.h"
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

  const int colOffset = FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
  const int rowOffset = FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();
  const int fixedCols = FixedCols(), fixedRows = FixedRows();
  // The grid takes the range's size once the server has read it, so that a
  // damaged workbook leaves the grid as it was.
  bool sized = false;
  auto size = [&] {
    if (sized) return;
    sized = true;
    SetColCount(static_cast<int>(cols) + colOffset);
    SetRowCount(static_cast<int>(rows) + rowOffset);
    if (fixedCols < ColCount()) SetFixedCols(fixedCols);
    if (fixedRows < RowCount()) SetFixedRows(fixedRows);
  };
  int last = -1;
  // Cells the server does not visit are empty in the sheet: they are taken
  // as empty texts in the same row-major sweep, so the reading holds only the
  // cells that have values whatever the range spans.
  long long next = 0;
  // A null Text leaves the cell (an error value).
  auto takeText = [&](long long Index, const std::string* Text) {
    const int row = static_cast<int>(Index / cols), col = static_cast<int>(Index % cols);
    if (Text) ImportCellText(colOffset + col, rowOffset + row, *Text);
    if (col == cols - 1) fileProgress(static_cast<int>(std::lround(100.0 * static_cast<double>(row + 1) / static_cast<double>(rows))), last);
  };
  const std::string empty;
  auto emptyUpTo = [&](long long End) {
    for (; next < End; ++next) takeText(next, &empty);
  };
  // The server's offsets are not trusted to lie within the range asked for, or to come in order.
  auto import = [&](int Row, int Col, const SheetValue& Value) {
    size();
    if (Row < 0 || Col < 0 || Row >= rows || Col >= cols) return;
    const long long index = static_cast<long long>(Row) * cols + Col;
    if (index < next) return;
    emptyUpTo(index);
    next = index + 1;
    const std::string text = ValueText(Value);
    takeText(index, Value.kind == SheetValue::Error ? nullptr : &text);
  };
  OfficeCall("Incorrect XLS file", [&] {
    if (range->SingleCell) import(0, 0, sheet->Cell(range->FirstRow, range->FirstCol));
    else
      sheet->VisitRangeValues(platform::office::CellRefText({range->FirstRow, range->FirstCol}) + ":" +
                                  platform::office::CellRefText({range->LastRow, range->LastCol}),
                              import);
  }, false);
  size();
  emptyUpTo(rows * cols);
  close.Dismiss();
  book.Close(false);
  CellsChanged(TRect{0, 0, ColCount(), RowCount()});
  AllFootersChanged();
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
