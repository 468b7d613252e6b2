// The cells of workbook sheets: values read with every reference and index
// checked, texts written in place.

#include "platform/office/XlsxWorkbook.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <tuple>

#include "platform/office/XmlPullReader.h"

namespace platform::office {
namespace {

// The text of a shared or inline string item just started: its runs
// joined, phonetic hints left out.
std::string StringItemText(XmlPullReader& X) {
  std::string text;
  const size_t item = X.Depth();
  for (XmlPullReader::Event e; (e = X.Next()) != XmlPullReader::End;) {
    if (e == XmlPullReader::EndElement && X.Depth() < item) break;
    if (e != XmlPullReader::StartElement) continue;
    if (X.Name() == "t" && X.Depth() <= item + 2) text += X.Skip(true);
    else if (X.Name() != "r") X.Skip();
  }
  return text;
}

// Built-in number formats 14..22 and 45..47 show dates and times.
bool BuiltInDateFormat(unsigned Id) { return (Id >= 14 && Id <= 22) || (Id >= 45 && Id <= 47); }

// A format code shows a date or time when a d, m, y, h or s stands outside
// quotes, brackets and escapes ("[Red]0.00" and "0\h" do not).
bool DateFormatCode(std::string_view Code) {
  bool quoted = false, bracket = false;
  for (size_t i = 0; i < Code.size(); ++i) {
    char c = static_cast<char>(std::tolower(static_cast<unsigned char>(Code[i])));
    if (quoted) quoted = c != '"';
    else if (bracket) bracket = c != ']';
    else if (c == '"') quoted = true;
    else if (c == '[') bracket = true;
    else if (c == '\\' || c == '_' || c == '*') ++i;
    else if (c == 'd' || c == 'm' || c == 'y' || c == 'h' || c == 's') return true;
  }
  return false;
}

// The cell's name is made only for a message: most cells never need it.
template <class WhereF>
double ParseNumber(const char* Text, WhereF Where) {
  errno = 0;
  char* end = nullptr;
  double v = std::strtod(Text, &end);
  if (end == Text || *end != '\0' || errno == ERANGE || !std::isfinite(v))
    throw OfficeFileError("Cell " + Where() + " holds no valid number");
  return v;
}

// A row position: the "r" attribute when present and valid, else the one
// after the previous; anything else is a damaged sheet.
int RowPosition(const std::optional<std::string>& R, int Next, const std::string& Sheet) {
  if (!R) return Next;
  int v = 0;
  for (char c : *R) {
    if (!std::isdigit(static_cast<unsigned char>(c)) || v > kMaxSheetRow) { v = -1; break; }
    v = v * 10 + (c - '0');
  }
  if (R->empty() || v < 1 || v > kMaxSheetRow) throw OfficeFileError("Sheet " + Sheet + " has an invalid row number");
  return v;
}

pugi::xml_node SheetData(const pugi::xml_document& Doc, const std::string& Sheet) {
  pugi::xml_node data = ChildByLocalName(Doc.document_element(), "sheetData");
  if (!data) throw OfficeFileError("Sheet " + Sheet + " has no cell data");
  return data;
}

}  // namespace

void XlsxWorkbook::readSharedStrings() {
  const std::string part = RelatedPart(package_, workbookPart_, "/sharedStrings");
  if (part.empty()) return;
  const std::string bytes = package_.ReadPart(part);
  XmlPullReader x(bytes, part);
  for (XmlPullReader::Event e; (e = x.Next()) != XmlPullReader::End;) {
    if (e != XmlPullReader::StartElement || x.Depth() != 2) continue;
    if (x.Name() == "si") {
      if (strings_.size() >= kMaxReadCells) x.Fail("holds more shared strings than a sheet can read");
      strings_.text += StringItemText(x);
      strings_.ends.push_back(strings_.text.size());
    } else {
      x.Skip();
    }
  }
}

void XlsxWorkbook::readDateStyles() {
  const std::string part = RelatedPart(package_, workbookPart_, "/styles");
  if (part.empty()) return;
  const std::string bytes = package_.ReadPart(part);
  XmlPullReader x(bytes, part);
  std::vector<unsigned> customDates;
  auto id = [&](const char* Name) {
    const std::string v = x.Attribute(Name).value_or("");
    char* end = nullptr;
    const unsigned long n = std::strtoul(v.c_str(), &end, 10);
    return v.empty() || *end || n > 0xFFFFFFFFul ? 0u : static_cast<unsigned>(n);
  };
  std::string_view list;
  for (XmlPullReader::Event e; (e = x.Next()) != XmlPullReader::End;) {
    if (e == XmlPullReader::EndElement && x.Depth() == 1) list = {};
    if (e != XmlPullReader::StartElement) continue;
    if (x.Depth() == 2) list = x.Name() == "numFmts" || x.Name() == "cellXfs" ? x.Name() : std::string_view();
    if (x.Depth() != 3) continue;
    if (list == "numFmts" && x.Name() == "numFmt" && DateFormatCode(x.Attribute("formatCode").value_or(""))) {
      customDates.push_back(id("numFmtId"));
    } else if (list == "cellXfs" && x.Name() == "xf") {
      if (dateStyles_.size() >= kMaxReadCells) x.Fail("holds more cell formats than can be read");
      const unsigned format = id("numFmtId");
      dateStyles_.push_back(BuiltInDateFormat(format) || std::find(customDates.begin(), customDates.end(), format) != customDates.end());
    }
  }
}

XlsxWorkbook::SheetPart& XlsxWorkbook::loaded(int Sheet) {
  SheetPart& s = sheets_.at(Sheet);
  if (s.read) return s;
  if (!stylesRead_) {
    readSharedStrings();
    readDateStyles();
    stylesRead_ = true;
  }
  readSheet(s);
  s.read = true;
  return s;
}

namespace {

// Reads the cell just started into Value; false for a cell without one
// (a formatted cell, or a formula never calculated).
struct CellReading {
  const std::string& sheet;
  const std::function<std::string(size_t)>& sharedString;
  size_t sharedCount;
  const std::vector<bool>& dateStyles;
};

bool ReadCell(XmlPullReader& X, const CellReading& R, CellRef At, SheetValue& Value) {
  const std::string type = X.Attribute("t").value_or("");
  const std::string style = X.Attribute("s").value_or("");
  std::optional<std::string> v;
  std::optional<std::string> inlineText;
  const size_t cell = X.Depth();
  for (XmlPullReader::Event e; (e = X.Next()) != XmlPullReader::End;) {
    if (e == XmlPullReader::EndElement && X.Depth() < cell) break;
    if (e != XmlPullReader::StartElement) continue;
    if (X.Name() == "v" && X.Depth() == cell + 1) v = X.Skip(true);
    else if (X.Name() == "is" && X.Depth() == cell + 1) inlineText = StringItemText(X);
    else X.Skip();
  }
  auto where = [&] { return R.sheet + "!" + CellRefText(At); };
  if (type == "inlineStr") {
    Value = {SheetValue::Text, inlineText.value_or("")};
  } else if (!v || (v->empty() && type != "str")) {
    return false;
  } else if (type == "s") {
    const std::string& t = *v;
    unsigned long long index = 0;
    if (t.empty() || t.size() > 9 || !std::all_of(t.begin(), t.end(), [](char ch) { return std::isdigit(static_cast<unsigned char>(ch)); }) ||
        (index = std::stoull(t)) >= R.sharedCount)
      throw OfficeFileError("Cell " + where() + " refers to a shared string that does not exist");
    Value = {SheetValue::Text, R.sharedString(index)};
  } else if (type == "str" || type == "d") {
    Value = {SheetValue::Text, *v};
  } else if (type == "b") {
    Value = {SheetValue::Boolean, "", ParseNumber(v->c_str(), where) != 0 ? 1.0 : 0.0};
  } else if (type == "e") {
    Value = {SheetValue::Error, *v};
  } else if (type.empty() || type == "n") {
    const unsigned long s = style.empty() ? 0 : std::strtoul(style.c_str(), nullptr, 10);
    Value = {SheetValue::Number, "", ParseNumber(v->c_str(), where), s < R.dateStyles.size() && R.dateStyles[s]};
  } else {
    throw OfficeFileError("Cell " + where() + " has an unknown type");
  }
  return true;
}

// Sheets are written in order; one that is not is sorted, the last of a cell
// written twice winning.
void SortCells(std::vector<XlsxWorkbook::Cell>& Cells) {
  auto before = [](const XlsxWorkbook::Cell& A, const XlsxWorkbook::Cell& B) { return std::tie(A.row, A.col) < std::tie(B.row, B.col); };
  if (std::adjacent_find(Cells.begin(), Cells.end(), [&](auto& A, auto& B) { return !before(A, B); }) == Cells.end()) return;
  std::stable_sort(Cells.begin(), Cells.end(), before);
  std::vector<XlsxWorkbook::Cell> unique;
  for (size_t i = 0; i < Cells.size(); ++i)
    if (i + 1 == Cells.size() || before(Cells[i], Cells[i + 1])) unique.push_back(std::move(Cells[i]));
  Cells = std::move(unique);
}

}  // namespace

void XlsxWorkbook::readSheet(SheetPart& S) {
  const std::string bytes = package_.ReadPart(S.part);
  XmlPullReader x(bytes, S.part);
  const std::function<std::string(size_t)> shared = [this](size_t I) { return strings_.at(I); };
  const CellReading reading{S.name, shared, strings_.size(), dateStyles_};
  bool data = false, view = false;
  std::string_view section;  // the root's child being read
  int row = 0, col = 0;
  for (XmlPullReader::Event e; (e = x.Next()) != XmlPullReader::End;) {
    if (e != XmlPullReader::StartElement) continue;
    const size_t depth = x.Depth();
    if (depth == 1) continue;  // the worksheet
    if (depth == 2) {
      section = x.Name() == "sheetData" && !data ? "data" : x.Name() == "sheetViews" ? "views" : "";
      data = data || section == "data";
      if (section.empty()) x.Skip();
    } else if (section == "views") {
      if (depth == 3 && x.Name() == "sheetView" && !view) view = true;  // the first view is the one shown
      else if (depth == 4 && x.Name() == "selection") {
        if (auto cell = ParseCellRef(x.Attribute("activeCell").value_or(""))) S.activeRow = cell->row;
      } else x.Skip();
    } else if (depth == 3 && x.Name() == "row") {
      row = RowPosition(x.Attribute("r"), row + 1, S.name);
      col = 0;
    } else if (depth == 4 && x.Name() == "c") {
      if (std::optional<std::string> ref = x.Attribute("r")) {
        auto cell = ParseCellRef(*ref);
        if (!cell || cell->row != row) throw OfficeFileError("Sheet " + S.name + " has an invalid cell reference");
        col = cell->col;
      } else if (++col > kMaxSheetCol) {
        throw OfficeFileError("Sheet " + S.name + " has too many cells in a row");
      }
      SheetValue value;
      if (!ReadCell(x, reading, {row, col}, value)) continue;
      if (S.values.size() >= kMaxReadCells)
        throw OfficeFileError("Sheet " + S.name + " holds more than " + std::to_string(kMaxReadCells) + " cells, more than can be read");
      S.values.push_back({row, col, std::move(value)});
    } else {
      x.Skip();
    }
  }
  if (!data) throw OfficeFileError("Sheet " + S.name + " has no cell data");
  SortCells(S.values);
}

pugi::xml_document& XlsxWorkbook::sheetDoc(SheetPart& S) {
  if (!S.doc) S.doc = ParsePart(package_, S.part);
  return *S.doc;
}

std::optional<std::pair<CellRef, CellRef>> XlsxWorkbook::UsedRange(int Sheet) {
  const auto& values = loaded(Sheet).values;
  if (values.empty()) return std::nullopt;
  CellRef first{values.front().row, kMaxSheetCol}, last{values.back().row, 1};
  for (const Cell& c : values) {
    first.col = std::min(first.col, c.col);
    last.col = std::max(last.col, c.col);
  }
  return std::make_pair(first, last);
}

SheetValue XlsxWorkbook::Value(int Sheet, CellRef Ref) {
  const auto& values = loaded(Sheet).values;
  auto it = std::lower_bound(values.begin(), values.end(), Ref,
                             [](const Cell& C, CellRef R) { return std::tie(C.row, C.col) < std::tie(R.row, R.col); });
  return it != values.end() && it->row == Ref.row && it->col == Ref.col ? it->value : SheetValue{};
}

namespace {

// The rows of the sheet by number, each with its cells by column; elements
// without "r" get theirs so that new ones can be put in order.
struct RowIndex {
  std::map<int, pugi::xml_node> rows;
  std::map<int, std::map<int, pugi::xml_node>> cells;
};

RowIndex IndexRows(pugi::xml_node Data) {
  RowIndex index;
  int row = 0;
  for (pugi::xml_node r : Data.children()) {
    if (LocalName(r) != "row") continue;
    row = r.attribute("r") ? r.attribute("r").as_int() : row + 1;
    if (!r.attribute("r")) r.append_attribute("r") = row;
    index.rows[row] = r;
    int col = 0;
    for (pugi::xml_node c : r.children()) {
      if (LocalName(c) != "c") continue;
      col = c.attribute("r") ? ParseCellRef(c.attribute("r").value())->col : col + 1;
      if (!c.attribute("r")) c.append_attribute("r") = CellRefText({row, col}).c_str();
      index.cells[row][col] = c;
    }
  }
  return index;
}

// Inserts a child named Name into Parent before the entry after Key in Map, keeping the order.
pugi::xml_node InsertOrdered(pugi::xml_node Parent, std::map<int, pugi::xml_node>& Map, int Key, const std::string& Name) {
  auto it = Map.find(Key);
  if (it != Map.end()) return it->second;
  auto next = Map.upper_bound(Key);
  pugi::xml_node n = next == Map.end() ? Parent.append_child(Name.c_str()) : Parent.insert_child_before(Name.c_str(), next->second);
  Map[Key] = n;
  return n;
}

// Written (by row and column, an empty value for an emptied cell) merged into
// Cells in one pass.
void MergeCells(std::vector<XlsxWorkbook::Cell>& Cells, std::vector<XlsxWorkbook::Cell> Written) {
  std::vector<XlsxWorkbook::Cell> merged;
  merged.reserve(Cells.size() + Written.size());
  auto key = [](const XlsxWorkbook::Cell& C) { return std::make_pair(C.row, C.col); };
  size_t i = 0, j = 0;
  while (i < Cells.size() || j < Written.size()) {
    if (j == Written.size() || (i < Cells.size() && key(Cells[i]) < key(Written[j]))) {
      merged.push_back(std::move(Cells[i++]));
      continue;
    }
    if (i < Cells.size() && key(Cells[i]) == key(Written[j])) ++i;
    if (Written[j].value.kind != SheetValue::Empty) merged.push_back(std::move(Written[j]));
    ++j;
  }
  Cells = std::move(merged);
}

// A typed entry the spreadsheet would take as a number and show back as the
// very same text: a plain decimal without leading zeros, trailing decimal
// zeros, sign on zero, exponent or blanks, within the 15 digits a number cell
// keeps. Anything else ("007", "-0", "1.50", long codes, "=..") stays text,
// so that nothing the grid held changes on the way.
bool IsLosslessNumber(std::string_view Text) {
  size_t i = Text.size() > 1 && Text.front() == '-' ? 1 : 0;
  const std::string_view digits = Text.substr(i);
  const size_t point = digits.find('.');
  const std::string_view whole = digits.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view() : digits.substr(point + 1);
  auto allDigits = [](std::string_view d) {
    return !d.empty() && d.find_first_not_of("0123456789") == std::string_view::npos;
  };
  if (!allDigits(whole) || (whole.size() > 1 && whole.front() == '0')) return false;
  if (point != std::string_view::npos && (!allDigits(fraction) || fraction.back() == '0')) return false;
  if (i == 1 && whole == "0" && fraction.empty()) return false;
  const size_t significant = (whole == "0" ? 0 : whole.size()) + fraction.size();
  return significant <= 15;
}

void WriteText(pugi::xml_node Cell, const std::string& Text) {
  CheckPartText(Text, "cell " + std::string(Cell.attribute("r").value()));
  pugi::xml_node keep = Cell;
  while (pugi::xml_node child = keep.first_child()) keep.remove_child(child);
  keep.remove_attribute("t");
  if (Text.empty()) return;
  if (IsLosslessNumber(Text)) {
    Cell.append_child(SameNamespaceName(Cell, "v").c_str()).text().set(Text.c_str());
    return;
  }
  keep.append_attribute("t") = "inlineStr";
  pugi::xml_node t = Cell.append_child(SameNamespaceName(Cell, "is").c_str()).append_child(SameNamespaceName(Cell, "t").c_str());
  if (Text.front() == ' ' || Text.back() == ' ' || Text.find_first_of("\r\n\t") != std::string::npos)
    t.append_attribute("xml:space") = "preserve";
  t.text().set(Text.c_str());
}

}  // namespace

void XlsxWorkbook::SetTexts(int Sheet, CellRef TopLeft, const std::vector<std::vector<std::string>>& Texts) {
  SheetPart& s = sheets_.at(Sheet);
  size_t width = 0;
  for (auto& row : Texts) width = std::max(width, row.size());
  if (TopLeft.row < 1 || TopLeft.col < 1 || static_cast<long long>(TopLeft.row) + static_cast<long long>(Texts.size()) - 1 > kMaxSheetRow ||
      static_cast<long long>(TopLeft.col) + static_cast<long long>(width) - 1 > kMaxSheetCol)
    throw OfficeFileError("The range does not fit into a worksheet");
  loaded(Sheet);
  pugi::xml_node data = SheetData(sheetDoc(s), s.name);
  RowIndex index = IndexRows(data);
  std::vector<Cell> written;
  for (size_t r = 0; r < Texts.size(); ++r) {
    const int row = TopLeft.row + static_cast<int>(r);
    pugi::xml_node rowNode = InsertOrdered(data, index.rows, row, SameNamespaceName(data, "row"));
    if (!rowNode.attribute("r")) rowNode.append_attribute("r") = row;
    for (size_t c = 0; c < Texts[r].size(); ++c) {
      const int col = TopLeft.col + static_cast<int>(c);
      pugi::xml_node cell = InsertOrdered(rowNode, index.cells[row], col, SameNamespaceName(data, "c"));
      if (!cell.attribute("r")) cell.append_attribute("r") = CellRefText({row, col}).c_str();
      WriteText(cell, Texts[r][c]);
      const std::string& text = Texts[r][c];
      SheetValue value;
      if (IsLosslessNumber(text)) value = {SheetValue::Number, "", ParseNumber(text.c_str(), [] { return std::string(); })};
      else if (!text.empty()) value = {SheetValue::Text, text};
      written.push_back({row, col, std::move(value)});
    }
  }
  MergeCells(s.values, std::move(written));
  // The stated dimension follows the cells.
  if (pugi::xml_node dim = ChildByLocalName(sheetDoc(s).document_element(), "dimension")) {
    auto used = UsedRange(Sheet);
    std::string ref = used ? CellRefText(used->first) + ":" + CellRefText(used->second) : "A1";
    dim.attribute("ref") ? dim.attribute("ref").set_value(ref.c_str()) : dim.append_attribute("ref").set_value(ref.c_str());
  }
  s.changed = true;
}

}  // namespace platform::office
