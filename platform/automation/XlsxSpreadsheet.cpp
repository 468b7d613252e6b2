// The spreadsheet server on .xlsx workbooks: WorkBooks.Open reads a file
// whole, Save and SaveAs replace it whole through the atomic writer.

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "platform/automation/OfficeServers.h"
#include "platform/kernel/AtomicFile.h"
#include "platform/kernel/GuardedRead.h"
#include "platform/office/XlsxWorkbook.h"

namespace platform::automation {
namespace {

using office::CellRef;
using office::XlsxWorkbook;

// A range read at once stays below this many cells; more would be a sheet
// with two far-apart cells, not data.
constexpr long long kMaxRangeCells = 16'000'000;

std::pair<CellRef, CellRef> ParseRange(const std::string& Address) {
  std::string plain;
  for (char c : Address)
    if (c != '$') plain += c;
  size_t colon = plain.find(':');
  auto first = office::ParseCellRef(std::string_view(plain).substr(0, colon));
  auto last = colon == std::string::npos ? first : office::ParseCellRef(std::string_view(plain).substr(colon + 1));
  if (!first || !last || last->row < first->row || last->col < first->col)
    throw AutomationError("Invalid range address " + Address);
  return {*first, *last};
}

std::string Absolute(CellRef R) {
  std::string ref(1, '$');
  ref += office::ColumnLetters(R.col);
  ref += '$';
  ref += std::to_string(R.row);
  return ref;
}

class XlsxBook;

class XlsxSheet : public Worksheet {
public:
  XlsxSheet(XlsxWorkbook& Book, int Index) : book_(Book), index_(Index) {}
  std::string Name() override { return book_.SheetName(index_); }
  void SetName(const std::string& Name) override { book_.RenameSheet(index_, Name); }
  std::string UsedRangeAddress() override {
    auto used = book_.UsedRange(index_);
    if (!used) return "$A$1";
    if (used->first.row == used->second.row && used->first.col == used->second.col) return Absolute(used->first);
    return Absolute(used->first) + ":" + Absolute(used->second);
  }
  SheetValue Cell(int Row, int Column) override {
    if (Row < 1 || Column < 1 || Row > office::kMaxSheetRow || Column > office::kMaxSheetCol)
      throw AutomationError("Cell (" + std::to_string(Row) + ", " + std::to_string(Column) + ") lies outside the sheet");
    return book_.Value(index_, {Row, Column});
  }
  SheetValues RangeValue(const std::string& Address) override {
    auto [first, last] = ParseRange(Address);
    const long long rows = last.row - first.row + 1, cols = last.col - first.col + 1;
    if (rows * cols > kMaxRangeCells) throw AutomationError("The range " + Address + " is too large");
    SheetValues values(static_cast<size_t>(rows), std::vector<SheetValue>(static_cast<size_t>(cols)));
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) values[r][c] = book_.Value(index_, {first.row + r, first.col + c});
    return values;
  }
  void VisitRangeValues(const std::string& Address, const std::function<void(int, int, const SheetValue&)>& Visit) override {
    auto [first, last] = ParseRange(Address);
    const auto& cells = book_.Cells(index_);
    auto before = [](const XlsxWorkbook::Cell& C, int Row) { return C.row < Row; };
    for (auto it = std::lower_bound(cells.begin(), cells.end(), first.row, before); it != cells.end() && it->row <= last.row; ++it)
      if (it->col >= first.col && it->col <= last.col && it->value.kind != SheetValue::Empty)
        Visit(it->row - first.row, it->col - first.col, it->value);
  }
  void SetRangeValue(const std::string& Address, const SheetTexts& Values) override {
    auto [first, last] = ParseRange(Address);
    if (static_cast<size_t>(last.row - first.row + 1) != Values.size())
      throw AutomationError("The values do not fit the range " + Address);
    book_.SetTexts(index_, first, Values);
  }

private:
  XlsxWorkbook& book_;
  int index_;
};

class XlsxBook : public Workbook {
public:
  XlsxBook(XlsxWorkbook Book, std::string Path, std::function<void(XlsxBook*)> OnClose)
      : book_(std::move(Book)), path_(std::move(Path)), onClose_(std::move(OnClose)) {
    syncSheets();
    active_ = book_.ActiveSheet();
  }
  int SheetsCount() override { return book_.SheetCount(); }
  Worksheet& Sheets(int Index) override {
    if (Index < 1 || Index > SheetsCount()) throw AutomationError("Sheet index " + std::to_string(Index) + " is out of range");
    return *sheets_[Index - 1];
  }
  Worksheet& ActiveSheet() override { return *sheets_.at(active_); }
  int ActiveCellRow() override { return book_.ActiveCellRow(active_); }
  Worksheet& AddWorksheet() override {
    active_ = book_.AddSheet();
    syncSheets();
    return *sheets_[active_];
  }
  void SetSaved(bool) override {}
  void Close(bool SaveChanges) override {
    if (SaveChanges) Save();
    onClose_(this);  // this object is gone after the call
  }
  void Save() override {
    if (path_.empty()) throw AutomationError("The workbook has not been saved as a file yet");
    platform::WriteFileAtomic(path_, book_.ToBytes());
  }
  void SaveAs(const std::string& FileName) override {
    platform::WriteFileAtomic(FileName, book_.ToBytes());
    path_ = FileName;
  }

private:
  void syncSheets() {
    while (static_cast<int>(sheets_.size()) < book_.SheetCount())
      sheets_.push_back(std::make_unique<XlsxSheet>(book_, static_cast<int>(sheets_.size())));
  }
  XlsxWorkbook book_;
  std::string path_;
  std::function<void(XlsxBook*)> onClose_;
  std::vector<std::unique_ptr<XlsxSheet>> sheets_;
  int active_ = 0;
};

class XlsxSpreadsheet : public SpreadsheetApplication {
public:
  int WorkbooksCount() override { return static_cast<int>(books_.size()); }
  Workbook& OpenWorkbook(const std::string& FileName) override {
    return add(XlsxWorkbook::FromBytes(platform::ReadFileGuarded(FileName)), FileName);
  }
  Workbook& AddWorkbook() override { return add(XlsxWorkbook::New(), ""); }
  Workbook& ActiveWorkbook() override {
    if (books_.empty()) throw AutomationError("No workbook is open");
    return *books_.back();
  }
  void Quit() override { books_.clear(); }

private:
  Workbook& add(XlsxWorkbook Book, std::string Path) {
    books_.push_back(std::make_unique<XlsxBook>(std::move(Book), std::move(Path), [this](XlsxBook* B) {
      std::erase_if(books_, [B](const std::unique_ptr<XlsxBook>& P) { return P.get() == B; });
    }));
    return *books_.back();
  }
  // The last one opened or added is the active one.
  std::vector<std::unique_ptr<XlsxBook>> books_;
};

}  // namespace

std::shared_ptr<AutomationObject> NewXlsxSpreadsheet() { return std::make_shared<XlsxSpreadsheet>(); }

}  // namespace platform::automation
