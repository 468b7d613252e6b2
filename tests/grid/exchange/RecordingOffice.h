#pragma once
// Recording fakes of the automation servers: every call the grid makes of the
// spreadsheet, the word processor and the data-access objects lands in one
// log, in order, and the servers answer from state the test sets up.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/automation/OleServers.h"
#include "platform/office/CellAddress.h"

namespace fakeoffice {

using namespace platform::automation;
using Log = std::vector<std::string>;

inline std::pair<platform::office::CellRef, platform::office::CellRef> Range(const std::string& A) {
  size_t colon = A.find(':');
  auto first = platform::office::ParseCellRef(A.substr(0, colon));
  auto last = colon == std::string::npos ? first : platform::office::ParseCellRef(A.substr(colon + 1));
  if (!first || !last) throw AutomationError("bad address " + A);
  return {*first, *last};
}

struct SheetData {
  std::string name;
  std::string used = "$A$1";
  std::map<std::pair<int, int>, SheetValue> cells;  // (row, col)
  int activeRow = 1;
};

class FakeSheet : public Worksheet {
public:
  FakeSheet(Log& L, SheetData D) : log(L), data(std::move(D)) {}
  std::string Name() override { return log.push_back("Name"), data.name; }
  void SetName(const std::string& N) override {
    log.push_back("Name := " + N);
    data.name = N;
  }
  std::string UsedRangeAddress() override { return log.push_back("UsedRange.Address"), data.used; }
  SheetValue Cell(int R, int C) override {
    log.push_back("Rows.Cells(" + std::to_string(R) + "," + std::to_string(C) + ")");
    return data.cells[{R, C}];
  }
  SheetValues RangeValue(const std::string& A) override {
    log.push_back("Range(" + A + ").Value");
    if (failRead) throw AutomationError("read failed");
    auto [f, l] = Range(A);
    SheetValues v;
    for (int r = f.row; r <= l.row; ++r) {
      v.emplace_back();
      for (int c = f.col; c <= l.col; ++c) v.back().push_back(data.cells[{r, c}]);
    }
    return v;
  }
  void SetRangeValue(const std::string& A, const SheetTexts& T) override {
    log.push_back("Range(" + A + ").Value := " + std::to_string(T.size()) + "x" + std::to_string(T.empty() ? 0 : T[0].size()));
    auto [f, l] = Range(A);
    for (size_t r = 0; r < T.size(); ++r)
      for (size_t c = 0; c < T[r].size(); ++c) data.cells[{f.row + int(r), f.col + int(c)}] = {SheetValue::Text, T[r][c]};
  }
  Log& log;
  SheetData data;
  bool failRead = false;
};

class FakeBook : public Workbook {
public:
  FakeBook(Log& L, std::vector<SheetData> Sheets) : log(L) {
    for (auto& s : Sheets) sheets.push_back(std::make_unique<FakeSheet>(L, s));
  }
  int SheetsCount() override { return log.push_back("Sheets.Count"), int(sheets.size()); }
  Worksheet& Sheets(int I) override {
    log.push_back("Sheets(" + std::to_string(I) + ")");
    return *sheets.at(I - 1);
  }
  Worksheet& ActiveSheet() override { return log.push_back("ActiveSheet"), *sheets.at(active); }
  int ActiveCellRow() override { return log.push_back("ActiveCell.Row"), sheets.at(active)->data.activeRow; }
  Worksheet& AddWorksheet() override {
    log.push_back("WorkSheets.Add");
    sheets.push_back(std::make_unique<FakeSheet>(log, SheetData{"Sheet" + std::to_string(sheets.size() + 1), "$A$1", {}, 1}));
    active = int(sheets.size()) - 1;
    return *sheets.back();
  }
  void SetSaved(bool S) override { log.push_back(std::string("Saved := ") + (S ? "true" : "false")); }
  void Close(bool S) override { log.push_back(std::string("Close(") + (S ? "true" : "false") + ")"); }
  void Save() override {
    log.push_back("Save");
    if (failSave) throw AutomationError("disk full");
  }
  void SaveAs(const std::string& F) override {
    log.push_back("SaveAs(" + F + ")");
    if (failSave) throw AutomationError("disk full");
  }
  Log& log;
  std::vector<std::unique_ptr<FakeSheet>> sheets;
  int active = 0;
  bool failSave = false;
};

class FakeSpreadsheet : public SpreadsheetApplication {
public:
  int WorkbooksCount() override { return log.push_back("WorkBooks.Count"), int(books.size()); }
  Workbook& OpenWorkbook(const std::string& F) override {
    log.push_back("WorkBooks.Open(" + F + ")");
    auto it = files.find(F);
    if (it == files.end()) throw AutomationError("file not found");
    return add(it->second);
  }
  Workbook& AddWorkbook() override {
    log.push_back("WorkBooks.Add");
    if (failAdd) throw AutomationError("out of memory");
    return add({SheetData{"Sheet1", "$A$1", {}, 1}});
  }
  Workbook& ActiveWorkbook() override { return log.push_back("ActiveWorkBook"), *books.back(); }
  void Quit() override { log.push_back("Quit"); }
  FakeBook& add(std::vector<SheetData> Sheets) {
    books.push_back(std::make_unique<FakeBook>(log, std::move(Sheets)));
    books.back()->failSave = failSave;
    return *books.back();
  }
  FakeSheet& Sheet(int Book, int Index) { return *books.at(Book)->sheets.at(Index); }

  Log log;
  std::map<std::string, std::vector<SheetData>> files;
  std::vector<std::unique_ptr<FakeBook>> books;
  bool failAdd = false, failSave = false;
};

class FakeTable : public WordTable {
public:
  explicit FakeTable(Log& L) : log(L) {}
  void InsertAfter(int R, int C, const std::string& T) override {
    log.push_back("Cell(" + std::to_string(R) + "," + std::to_string(C) + ").InsertAfter(" + T + ")");
  }
  void SetAlignment(int R, int C, WordAlignment A) override {
    log.push_back("Cell(" + std::to_string(R) + "," + std::to_string(C) + ").Alignment := " + std::to_string(A));
  }
  Log& log;
};

class FakeDocument : public WordDocument {
public:
  explicit FakeDocument(Log& L) : log(L), table(L) {}
  void SetShowSpellingErrors(bool S) override { log.push_back(std::string("ShowSpellingErrors := ") + (S ? "true" : "false")); }
  bool BookmarkExists(const std::string& N) override {
    log.push_back("Bookmarks.Exists(" + N + ")");
    return bookmarks.count(N) != 0;
  }
  WordRange GotoBookmark(const std::string& N) override {
    log.push_back("Goto(-1, " + N + ")");
    return {bookmarks.at(N), bookmarks.at(N)};
  }
  void AddParagraph() override { log.push_back("Paragraphs.Add"); }
  WordRange Range(int S, int E) override {
    log.push_back("Range(" + std::to_string(S) + "," + std::to_string(E) + ")");
    return {S, E};
  }
  WordTable& AddTable(const WordRange& At, int R, int C) override {
    log.push_back("Tables.Add(" + std::to_string(At.Start) + ", " + std::to_string(R) + ", " + std::to_string(C) + ")");
    return table;
  }
  void SaveAs(const std::string& F) override {
    log.push_back("SaveAs(" + F + ")");
    if (failSave) throw AutomationError("read-only folder");
  }
  Log& log;
  FakeTable table;
  std::map<std::string, int> bookmarks;
  bool failSave = false;
};

class FakeWord : public WordApplication {
public:
  int DocumentsCount() override { return log.push_back("Documents.Count"), int(docs.size()); }
  WordDocument& OpenDocument(const std::string& F) override { return log.push_back("Documents.Open(" + F + ")"), add(); }
  WordDocument& AddDocument() override { return log.push_back("Documents.Add"), add(); }
  WordDocument& ActiveDocument() override { return log.push_back("ActiveDocument"), *docs.back(); }
  void SelectionTypeText(const std::string& T) override { log.push_back("Selection.TypeText(" + T + ")"); }
  void SelectionTypeParagraph() override { log.push_back("Selection.TypeParagraph"); }
  void SelectionGotoLastLine() override { log.push_back("Selection.Goto(3, -1)"); }
  int SelectionEnd() override { return log.push_back("Selection.End"), 7; }
  void Quit() override { log.push_back("Quit"); }
  FakeDocument& add() {
    docs.push_back(std::make_unique<FakeDocument>(log));
    docs.back()->bookmarks = bookmarks;
    docs.back()->failSave = failSave;
    return *docs.back();
  }
  Log log;
  std::vector<std::unique_ptr<FakeDocument>> docs;
  std::map<std::string, int> bookmarks;
  bool failSave = false;
};

class FakeConnection : public DbConnection {
public:
  explicit FakeConnection(Log& L) : log(L) {}
  void Open(const std::string& C) override { log.push_back("Connection.Open(" + C + ")"); }
  void Close() override { log.push_back("Connection.Close"); }
  Log& log;
};

class FakeRecordset : public DbRecordset {
public:
  FakeRecordset(Log& L, std::vector<std::string> N, std::vector<std::vector<std::string>> R, int Count)
      : log(L), names(std::move(N)), rows(std::move(R)), count(Count) {}
  void SetActiveConnection(DbConnection&) override { log.push_back("ActiveConnection"); }
  void Open(const std::string& S) override {
    log.push_back("RecordSet.Open(" + S + ")");
    if (failOpen) throw AutomationError("[42S02] no such table");
  }
  int FieldsCount() override { return log.push_back("Fields.Count"), int(names.size()); }
  std::string FieldName(int I) override { return log.push_back("Fields(" + std::to_string(I) + ").Name"), names.at(I); }
  int RecordCount() override { return log.push_back("RecordCount"), count; }
  bool Eof() override { return log.push_back("Eof"), row >= rows.size(); }
  int FieldActualSize(int I) override { return log.push_back("ActualSize(" + std::to_string(I) + ")"), int(rows[row].at(I).size()); }
  std::string FieldValue(int I) override { return log.push_back("Value(" + std::to_string(I) + ")"), rows[row].at(I); }
  void MoveNext() override {
    log.push_back("MoveNext");
    if (failAt == int(++row)) throw AutomationError("[HY000] disk I/O error");
  }
  void Close() override { log.push_back("RecordSet.Close"); }
  Log& log;
  std::vector<std::string> names;
  std::vector<std::vector<std::string>> rows;
  int count;
  size_t row = 0;
  bool failOpen = false;
  int failAt = -1;
};

}  // namespace fakeoffice
