#pragma once
// The automation object models through which the grid exchanges data with a
// spreadsheet program, a word processor and desktop databases: the calls a
// client makes of them, object by object, in the order it makes them. The
// servers behind them are started by name (OleServers.h); this platform's
// servers work on .xlsx workbooks, .docx documents and ODBC databases, and
// tests put recording fakes behind the same names.
//
// Indexes follow the object models: sheets, rows, columns and table cells
// count from 1, record-set fields from 0. Servers raise std::runtime_error
// descendants whose message says what failed.

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/office/SheetValue.h"

namespace platform::automation {

class AutomationError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Every object a server hands out by name.
class AutomationObject {
public:
  virtual ~AutomationObject() = default;
};

using office::SheetValue;
using SheetValues = std::vector<std::vector<SheetValue>>;  // [row][column] of a range
using SheetTexts = std::vector<std::vector<std::string>>;

// ---- spreadsheet ("excel.application") ----

class Worksheet {
public:
  virtual ~Worksheet() = default;
  virtual std::string Name() = 0;
  virtual void SetName(const std::string& Name) = 0;
  // UsedRange.Address: "$B$2:$E$40", or "$A$1" for a single cell or an empty sheet.
  virtual std::string UsedRangeAddress() = 0;
  // Rows.Cells(Row, Column).
  virtual SheetValue Cell(int Row, int Column) = 0;
  // Range(Address).Value for an A1-style range "B2:E40".
  virtual SheetValues RangeValue(const std::string& Address) = 0;
  // The cells of Range(Address).Value that hold something, by row and then
  // column, as offsets into the range; a server that holds its cells
  // sparsely builds no empty ones. Raises before the first visit, never
  // after it.
  virtual void VisitRangeValues(const std::string& Address, const std::function<void(int Row, int Col, const SheetValue&)>& Visit) {
    const SheetValues values = RangeValue(Address);
    for (size_t r = 0; r < values.size(); ++r)
      for (size_t c = 0; c < values[r].size(); ++c)
        if (values[r][c].kind != SheetValue::Empty) Visit(static_cast<int>(r), static_cast<int>(c), values[r][c]);
  }
  virtual void SetRangeValue(const std::string& Address, const SheetTexts& Values) = 0;
};

class Workbook {
public:
  virtual ~Workbook() = default;
  // Sheets.Count and Sheets(Index) (WorkSheets likewise).
  virtual int SheetsCount() = 0;
  virtual Worksheet& Sheets(int Index) = 0;
  virtual Worksheet& ActiveSheet() = 0;
  // ActiveCell.Row of the active sheet.
  virtual int ActiveCellRow() = 0;
  // WorkSheets.Add: a new sheet, which becomes the active one.
  virtual Worksheet& AddWorksheet() = 0;
  virtual void SetSaved(bool Saved) = 0;
  virtual void Close(bool SaveChanges) = 0;
  virtual void Save() = 0;
  virtual void SaveAs(const std::string& FileName) = 0;
};

class SpreadsheetApplication : public AutomationObject {
public:
  virtual int WorkbooksCount() = 0;
  virtual Workbook& OpenWorkbook(const std::string& FileName) = 0;  // WorkBooks.Open
  virtual Workbook& AddWorkbook() = 0;                              // WorkBooks.Add
  virtual Workbook& ActiveWorkbook() = 0;
  virtual void Quit() = 0;
};

// ---- word processor ("word.application") ----

// Wd alignment values of a paragraph.
enum WordAlignment { wdAlignLeft = 0, wdAlignCenter = 1, wdAlignRight = 2, wdAlignJustify = 3 };

struct WordRange {
  int Start = 0, End = 0;
};

class WordTable {
public:
  virtual ~WordTable() = default;
  // Cell(Row, Column).Range.InsertAfter(Text).
  virtual void InsertAfter(int Row, int Column, const std::string& Text) = 0;
  // Cell(Row, Column).Range.ParagraphFormat.Alignment.
  virtual void SetAlignment(int Row, int Column, WordAlignment Alignment) = 0;
};

class WordDocument {
public:
  virtual ~WordDocument() = default;
  virtual void SetShowSpellingErrors(bool Show) = 0;
  virtual bool BookmarkExists(const std::string& Name) = 0;
  // Goto(What := -1 (bookmark), Name := Name).
  virtual WordRange GotoBookmark(const std::string& Name) = 0;
  virtual void AddParagraph() = 0;  // Paragraphs.Add
  virtual WordRange Range(int Start, int End) = 0;
  virtual WordTable& AddTable(const WordRange& At, int Rows, int Columns) = 0;  // Tables.Add
  virtual void SaveAs(const std::string& FileName) = 0;
};

class WordApplication : public AutomationObject {
public:
  virtual int DocumentsCount() = 0;
  virtual WordDocument& OpenDocument(const std::string& FileName) = 0;  // Documents.Open
  virtual WordDocument& AddDocument() = 0;                              // Documents.Add
  virtual WordDocument& ActiveDocument() = 0;
  // The selection of the active document.
  virtual void SelectionTypeText(const std::string& Text) = 0;
  virtual void SelectionTypeParagraph() = 0;
  virtual void SelectionGotoLastLine() = 0;  // Selection.Goto(What := 3 (line), Which := -1 (last))
  virtual int SelectionEnd() = 0;
  virtual void Quit() = 0;
};

// ---- database ("ADODB.Connection", "ADODB.RecordSet") ----

class DbConnection : public AutomationObject {
public:
  virtual void Open(const std::string& ConnectionString) = 0;
  virtual void Close() = 0;
};

class DbRecordset : public AutomationObject {
public:
  virtual void SetActiveConnection(DbConnection& Connection) = 0;
  virtual void Open(const std::string& Sql) = 0;
  virtual int FieldsCount() = 0;
  virtual std::string FieldName(int Index) = 0;
  // -1 when the server cannot tell before the records are read.
  virtual int RecordCount() = 0;
  virtual bool Eof() = 0;
  virtual int FieldActualSize(int Index) = 0;
  virtual std::string FieldValue(int Index) = 0;
  virtual void MoveNext() = 0;
  virtual void Close() = 0;
};

}  // namespace platform::automation
