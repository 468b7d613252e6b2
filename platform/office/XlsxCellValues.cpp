// The cells of workbook sheets: values read with every reference and index
// checked, texts written in place.

#include "platform/office/XlsxWorkbook.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace platform::office {
namespace {

// The text of a shared or inline string: its runs joined, phonetic hints left out.
std::string StringItemText(const pugi::xml_node& Item) {
  std::string text;
  for (pugi::xml_node n : Item.children()) {
    if (LocalName(n) == "t") text += n.text().get();
    else if (LocalName(n) == "r") text += ChildByLocalName(n, "t").text().get();
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

double ParseNumber(const char* Text, const std::string& Where) {
  errno = 0;
  char* end = nullptr;
  double v = std::strtod(Text, &end);
  if (end == Text || *end != '\0' || errno == ERANGE || !std::isfinite(v))
    throw OfficeFileError("Cell " + Where + " holds no valid number");
  return v;
}

// A row or cell position: the "r" attribute when present and valid, else the
// one after the previous; anything else is a damaged sheet.
int Position(const pugi::xml_node& Node, int Next, int Max, const std::string& Sheet) {
  pugi::xml_attribute r = Node.attribute("r");
  if (!r) return Next;
  std::string_view text = r.value();
  int v = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c)) || v > Max) { v = -1; break; }
    v = v * 10 + (c - '0');
  }
  if (text.empty() || v < 1 || v > Max) throw OfficeFileError("Sheet " + Sheet + " has an invalid row number");
  return v;
}

pugi::xml_node SheetData(const pugi::xml_document& Doc, const std::string& Sheet) {
  pugi::xml_node data = ChildByLocalName(Doc.document_element(), "sheetData");
  if (!data) throw OfficeFileError("Sheet " + Sheet + " has no cell data");
  return data;
}

}  // namespace

std::vector<std::string> XlsxWorkbook::readSharedStrings() const {
  std::vector<std::string> strings;
  const std::string part = RelatedPart(package_, workbookPart_, "/sharedStrings");
  if (part.empty()) return strings;
  XmlPart doc = ParsePart(package_, part);
  for (pugi::xml_node si : doc->document_element().children())
    if (LocalName(si) == "si") strings.push_back(StringItemText(si));
  return strings;
}

std::vector<bool> XlsxWorkbook::readDateStyles() const {
  std::vector<bool> dates;
  const std::string part = RelatedPart(package_, workbookPart_, "/styles");
  if (part.empty()) return dates;
  XmlPart doc = ParsePart(package_, part);
  pugi::xml_node root = doc->document_element();
  std::vector<unsigned> customDates;
  for (pugi::xml_node f : ChildByLocalName(root, "numFmts").children())
    if (DateFormatCode(f.attribute("formatCode").value())) customDates.push_back(f.attribute("numFmtId").as_uint());
  for (pugi::xml_node xf : ChildByLocalName(root, "cellXfs").children()) {
    unsigned id = xf.attribute("numFmtId").as_uint();
    dates.push_back(BuiltInDateFormat(id) || std::find(customDates.begin(), customDates.end(), id) != customDates.end());
  }
  return dates;
}

void XlsxWorkbook::readSheet(SheetPart& S, const std::vector<std::string>& Strings, const std::vector<bool>& DateStyles) {
  S.doc = ParsePart(package_, S.part);
  pugi::xml_node data = SheetData(*S.doc, S.name);
  int row = 0;
  for (pugi::xml_node r : data.children()) {
    if (LocalName(r) != "row") continue;
    row = Position(r, row + 1, kMaxSheetRow, S.name);
    int col = 0;
    for (pugi::xml_node c : r.children()) {
      if (LocalName(c) != "c") continue;
      if (pugi::xml_attribute ref = c.attribute("r")) {
        auto cell = ParseCellRef(ref.value());
        if (!cell || cell->row != row) throw OfficeFileError("Sheet " + S.name + " has an invalid cell reference");
        col = cell->col;
      } else if (++col > kMaxSheetCol) {
        throw OfficeFileError("Sheet " + S.name + " has too many cells in a row");
      }
      const std::string where = S.name + "!" + CellRefText({row, col});
      std::string_view type = c.attribute("t").value();
      pugi::xml_node v = ChildByLocalName(c, "v");
      SheetValue value;
      if (type == "inlineStr") {
        value = {SheetValue::Text, StringItemText(ChildByLocalName(c, "is"))};
      } else if (!v || (!*v.text().get() && type != "str")) {
        continue;  // a formatted cell, or a formula never calculated
      } else if (type == "s") {
        unsigned long long index = 0;
        std::string_view t = v.text().get();
        if (t.empty() || t.size() > 9 || !std::all_of(t.begin(), t.end(), [](char ch) { return std::isdigit(static_cast<unsigned char>(ch)); }) ||
            (index = std::stoull(std::string(t))) >= Strings.size())
          throw OfficeFileError("Cell " + where + " refers to a shared string that does not exist");
        value = {SheetValue::Text, Strings[index]};
      } else if (type == "str" || type == "d") {
        value = {SheetValue::Text, v.text().get()};
      } else if (type == "b") {
        value = {SheetValue::Boolean, "", ParseNumber(v.text().get(), where) != 0 ? 1.0 : 0.0};
      } else if (type == "e") {
        value = {SheetValue::Error, v.text().get()};
      } else if (type.empty() || type == "n") {
        unsigned style = c.attribute("s").as_uint();
        value = {SheetValue::Number, "", ParseNumber(v.text().get(), where), style < DateStyles.size() && DateStyles[style]};
      } else {
        throw OfficeFileError("Cell " + where + " has an unknown type");
      }
      S.values[{row, col}] = std::move(value);
    }
  }
  pugi::xml_node view = ChildByLocalName(ChildByLocalName(S.doc->document_element(), "sheetViews"), "sheetView");
  for (pugi::xml_node sel : view.children())
    if (LocalName(sel) == "selection")
      if (auto cell = ParseCellRef(sel.attribute("activeCell").value())) S.activeRow = cell->row;
}

std::optional<std::pair<CellRef, CellRef>> XlsxWorkbook::UsedRange(int Sheet) const {
  const auto& values = sheets_.at(Sheet).values;
  if (values.empty()) return std::nullopt;
  CellRef first{values.begin()->first.first, kMaxSheetCol}, last{values.rbegin()->first.first, 1};
  for (auto& [pos, v] : values) {
    first.col = std::min(first.col, pos.second);
    last.col = std::max(last.col, pos.second);
  }
  return std::make_pair(first, last);
}

SheetValue XlsxWorkbook::Value(int Sheet, CellRef Ref) const {
  const auto& values = sheets_.at(Sheet).values;
  auto it = values.find({Ref.row, Ref.col});
  return it == values.end() ? SheetValue{} : it->second;
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
  pugi::xml_node data = SheetData(*s.doc, s.name);
  RowIndex index = IndexRows(data);
  for (size_t r = 0; r < Texts.size(); ++r) {
    const int row = TopLeft.row + static_cast<int>(r);
    pugi::xml_node rowNode = InsertOrdered(data, index.rows, row, SameNamespaceName(data, "row"));
    if (!rowNode.attribute("r")) rowNode.append_attribute("r") = row;
    for (size_t c = 0; c < Texts[r].size(); ++c) {
      const int col = TopLeft.col + static_cast<int>(c);
      pugi::xml_node cell = InsertOrdered(rowNode, index.cells[row], col, SameNamespaceName(data, "c"));
      if (!cell.attribute("r")) cell.append_attribute("r") = CellRefText({row, col}).c_str();
      WriteText(cell, Texts[r][c]);
      if (Texts[r][c].empty()) s.values.erase({row, col});
      else if (IsLosslessNumber(Texts[r][c])) s.values[{row, col}] = {SheetValue::Number, "", ParseNumber(Texts[r][c].c_str(), "")};
      else s.values[{row, col}] = {SheetValue::Text, Texts[r][c]};
    }
  }
  // The stated dimension follows the cells.
  if (pugi::xml_node dim = ChildByLocalName(s.doc->document_element(), "dimension")) {
    auto used = UsedRange(Sheet);
    std::string ref = used ? CellRefText(used->first) + ":" + CellRefText(used->second) : "A1";
    dim.attribute("ref") ? dim.attribute("ref").set_value(ref.c_str()) : dim.append_attribute("ref").set_value(ref.c_str());
  }
  s.changed = true;
}

}  // namespace platform::office
