#pragma once
// A spreadsheet workbook in the Office Open XML format (.xlsx), held in
// memory: its worksheets' names, values, active sheet and active cell are
// read; texts are written into a sheet and sheets are added or renamed while
// every other part of the package (styles, other sheets, pictures) is kept as
// it was.
//
// Reading trusts nothing in the file: cell references, shared-string indexes
// and numbers are checked, and a file that breaks any of them raises
// OfficeFileError.

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
  int ActiveCellRow(int Sheet) const { return sheets_.at(Sheet).activeRow; }

  // The first and last cell that hold a value; nullopt for an empty sheet.
  std::optional<std::pair<CellRef, CellRef>> UsedRange(int Sheet) const;
  SheetValue Value(int Sheet, CellRef Ref) const;
  // Texts[r][c] into the cell TopLeft + (r, c); an empty text empties the cell.
  void SetTexts(int Sheet, CellRef TopLeft, const std::vector<std::vector<std::string>>& Texts);

private:
  struct SheetPart {
    std::string name, part;
    XmlPart doc;
    std::map<std::pair<int, int>, SheetValue> values;  // (row, col)
    int activeRow = 1;
    bool changed = false;
  };
  static XlsxWorkbook FromPackage(ZipPackage Package);
  void readSheets();
  std::vector<std::string> readSharedStrings() const;
  std::vector<bool> readDateStyles() const;
  void readSheet(SheetPart& S, const std::vector<std::string>& Strings, const std::vector<bool>& DateStyles);
  void checkName(const std::string& Name, int Except) const;
  void dropCalcChain();

  ZipPackage package_;
  std::string workbookPart_;
  XmlPart workbook_, rels_, types_;
  std::vector<SheetPart> sheets_;
  int active_ = 0;
  bool structureChanged_ = false;
};

}  // namespace platform::office
