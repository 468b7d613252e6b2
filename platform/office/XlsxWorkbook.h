#pragma once
// A spreadsheet workbook in the Office Open XML format (.xlsx), held in
// memory: its worksheets' names, values, active sheet and active cell are
// read; texts are written into a sheet and sheets are added or renamed while
// every other part of the package (styles, other sheets, pictures) is kept as
// it was.
//
// Opening reads the sheet names only. A sheet's cells are read when the sheet
// is first asked about, in one forward pass over its part, and kept as a
// sorted list of the cells that hold a value, so a sheet of two far-apart
// cells costs two cells. A sheet is parsed into a tree only to be written.
//
// Reading trusts nothing in the file: cell references, shared-string indexes
// and numbers are checked, and a file that breaks any of them, or a sheet of
// more than kMaxReadCells values, raises OfficeFileError.

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/office/CellAddress.h"
#include "platform/office/OpenXmlParts.h"
#include "platform/office/SheetValue.h"

namespace platform::office {

class XlsxWorkbook {
public:
  // The values one sheet may hold to be read: beyond this a sheet is a bomb
  // or a data set for other tools, and is refused before memory runs out.
  static constexpr size_t kMaxReadCells = 5'000'000;

  // A new workbook of one empty sheet "Sheet1".
  static XlsxWorkbook New();
  static XlsxWorkbook FromBytes(const std::string& Bytes);
  std::string ToBytes();

  int SheetCount() const { return static_cast<int>(sheets_.size()); }
  // Sheets count from 0 here.
  const std::string& SheetName(int Sheet) const { return sheets_.at(Sheet).name; }
  // Raises OfficeFileError for a name a workbook cannot carry or one that another sheet has.
  void RenameSheet(int Sheet, const std::string& Name);
  // A new empty sheet behind the others, named "SheetN" with the first free N.
  int AddSheet();
  int ActiveSheet() const { return active_; }
  // The row of the sheet's active cell; 1 when it names none.
  int ActiveCellRow(int Sheet) { return loaded(Sheet).activeRow; }

  // The first and last cell that hold a value; nullopt for an empty sheet.
  std::optional<std::pair<CellRef, CellRef>> UsedRange(int Sheet);
  SheetValue Value(int Sheet, CellRef Ref);
  struct Cell {
    int row = 0, col = 0;
    SheetValue value;
  };
  // The cells that hold a value, by row and then column.
  const std::vector<Cell>& Cells(int Sheet) { return loaded(Sheet).values; }
  // Texts[r][c] into the cell TopLeft + (r, c); an empty text empties the cell.
  void SetTexts(int Sheet, CellRef TopLeft, const std::vector<std::vector<std::string>>& Texts);

private:
  struct SheetPart {
    std::string name, part;
    XmlPart doc;               // parsed when the sheet is first written
    std::vector<Cell> values;  // by (row, col), once read
    bool read = false;
    int activeRow = 1;
    bool changed = false;
  };
  // The shared-string table as one text with the end of each string.
  struct SharedStrings {
    std::string text;
    std::vector<size_t> ends;
    size_t size() const { return ends.size(); }
    std::string at(size_t I) const { return text.substr(I ? ends[I - 1] : 0, ends[I] - (I ? ends[I - 1] : 0)); }
  };
  static XlsxWorkbook FromPackage(ZipPackage Package);
  void readSheets();
  void readSharedStrings();
  void readDateStyles();
  SheetPart& loaded(int Sheet);
  void readSheet(SheetPart& S);
  pugi::xml_document& sheetDoc(SheetPart& S);
  void checkName(const std::string& Name, int Except) const;
  void dropCalcChain();

  ZipPackage package_;
  std::string workbookPart_;
  XmlPart workbook_, rels_, types_;
  std::vector<SheetPart> sheets_;
  int active_ = 0;
  bool structureChanged_ = false;
  bool stylesRead_ = false;
  SharedStrings strings_;
  std::vector<bool> dateStyles_;
};

}  // namespace platform::office
