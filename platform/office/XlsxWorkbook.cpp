// The package side of workbooks: parts, sheets, names, saving.

#include "platform/office/XlsxWorkbook.h"

#include <algorithm>
#include <cctype>

namespace platform::office {
namespace {

constexpr const char* kRelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kWorksheetType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
constexpr const char* kWorksheetContent = "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml";
constexpr const char* kEmptySheet =
    "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheetData/></worksheet>";

ZipPackage NewPackage() {
  ZipPackage p;
  p.SetPart("[Content_Types].xml",
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
            "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
            "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
            "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
            "<Override PartName=\"/xl/workbook.xml\" "
            "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
            "<Override PartName=\"/xl/styles.xml\" "
            "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
            "</Types>");
  p.SetPart("_rels/.rels",
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
            "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>");
  p.SetPart("xl/workbook.xml",
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
            "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
            "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
            "<bookViews><workbookView activeTab=\"0\"/></bookViews><sheets/></workbook>");
  p.SetPart("xl/_rels/workbook.xml.rels",
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
            "styles\" Target=\"styles.xml\"/></Relationships>");
  p.SetPart("xl/styles.xml",
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
            "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
            "<fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
            "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
            "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
            "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
            "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
            "<cellXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/></cellXfs>"
            "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
            "</styleSheet>");
  return p;
}

std::string Lower(std::string_view S) {
  std::string out(S);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// The prefix the root gives the relationships namespace, declared when missing.
std::string RelPrefix(pugi::xml_node Root) {
  for (pugi::xml_attribute a = Root.first_attribute(); a; a = a.next_attribute())
    if (std::string_view(a.name()).starts_with("xmlns:") && std::string_view(a.value()) == kRelNs)
      return std::string(a.name() + 6);
  Root.append_attribute("xmlns:qxr") = kRelNs;
  return "qxr";
}

std::string FreeRelId(const pugi::xml_node& Rels) {
  for (int n = 1;; ++n) {
    std::string id = "rId" + std::to_string(n);
    if (!Rels.find_child_by_attribute("Id", id.c_str())) return id;
  }
}

}  // namespace

XlsxWorkbook XlsxWorkbook::New() {
  XlsxWorkbook wb = FromPackage(NewPackage());
  wb.AddSheet();
  return wb;
}

XlsxWorkbook XlsxWorkbook::FromBytes(const std::string& Bytes) { return FromPackage(ZipPackage::FromBytes(Bytes)); }

XlsxWorkbook XlsxWorkbook::FromPackage(ZipPackage Package) {
  XlsxWorkbook wb;
  wb.package_ = std::move(Package);
  wb.workbookPart_ = RelatedPart(wb.package_, "", "/officeDocument");
  if (wb.workbookPart_.empty() || !wb.package_.Has(wb.workbookPart_)) throw OfficeFileError("Not a workbook: no workbook part");
  wb.workbook_ = ParsePart(wb.package_, wb.workbookPart_);
  wb.rels_ = ParsePart(wb.package_, RelationshipsPartOf(wb.workbookPart_));
  wb.types_ = ParsePart(wb.package_, "[Content_Types].xml");
  wb.readSheets();
  return wb;
}

void XlsxWorkbook::readSheets() {
  pugi::xml_node root = workbook_->document_element();
  pugi::xml_node list = ChildByLocalName(root, "sheets");
  if (!list) throw OfficeFileError("Not a workbook: no sheet list");
  pugi::xml_node rels = rels_->document_element();
  int position = 0, activeTab = 0;
  if (pugi::xml_node view = ChildByLocalName(ChildByLocalName(root, "bookViews"), "workbookView"))
    activeTab = view.attribute("activeTab").as_int(0);
  for (pugi::xml_node s = list.first_child(); s; s = s.next_sibling(), ++position) {
    if (LocalName(s) != "sheet") continue;
    pugi::xml_node rel = rels.find_child_by_attribute("Id", AttributeByLocalName(s, "id").value());
    // Chart sheets and dialog sheets hold no cells: they stay in the file, untouched.
    if (!rel || std::string_view(rel.attribute("Type").value()) != kWorksheetType) continue;
    if (position == activeTab) active_ = SheetCount();
    SheetPart sheet;
    sheet.name = s.attribute("name").value();
    sheet.part = ResolveTarget(workbookPart_, rel.attribute("Target").value());
    sheets_.push_back(std::move(sheet));
  }
}

void XlsxWorkbook::checkName(const std::string& Name, int Except) const {
  if (Name.empty() || Name.size() > 31 || Name.find_first_of(":\\/?*[]") != std::string::npos ||
      Name.front() == '\'' || Name.back() == '\'')
    throw OfficeFileError("\"" + Name + "\" is not a valid worksheet name");
  for (int i = 0; i < SheetCount(); ++i)
    if (i != Except && Lower(sheets_[i].name) == Lower(Name))
      throw OfficeFileError("The workbook already has a worksheet named \"" + Name + "\"");
}

void XlsxWorkbook::RenameSheet(int Sheet, const std::string& Name) {
  checkName(Name, Sheet);
  pugi::xml_node list = ChildByLocalName(workbook_->document_element(), "sheets");
  for (pugi::xml_node s : list.children())
    if (sheets_.at(Sheet).name == s.attribute("name").value()) s.attribute("name").set_value(Name.c_str());
  sheets_[Sheet].name = Name;
  structureChanged_ = true;
}

int XlsxWorkbook::AddSheet() {
  int n = 1;
  while (std::any_of(sheets_.begin(), sheets_.end(), [&](const SheetPart& s) { return Lower(s.name) == "sheet" + std::to_string(n); }))
    ++n;
  int file = 1;
  while (package_.Has("xl/worksheets/sheet" + std::to_string(file) + ".xml")) ++file;
  SheetPart sheet;
  sheet.name = "Sheet" + std::to_string(n);
  sheet.part = "xl/worksheets/sheet" + std::to_string(file) + ".xml";
  package_.SetPart(sheet.part, kEmptySheet);
  sheet.doc = ParsePart(package_, sheet.part);
  sheet.read = true;
  sheet.changed = true;

  pugi::xml_node rels = rels_->document_element();
  const std::string id = FreeRelId(rels);
  pugi::xml_node rel = rels.append_child(SameNamespaceName(rels, "Relationship").c_str());
  rel.append_attribute("Id") = id.c_str();
  rel.append_attribute("Type") = kWorksheetType;
  rel.append_attribute("Target") = ("/" + sheet.part).c_str();

  pugi::xml_node root = workbook_->document_element();
  pugi::xml_node list = ChildByLocalName(root, "sheets");
  unsigned sheetId = 0;
  for (pugi::xml_node s : list.children()) sheetId = std::max(sheetId, s.attribute("sheetId").as_uint());
  pugi::xml_node entry = list.append_child(SameNamespaceName(list, "sheet").c_str());
  entry.append_attribute("name") = sheet.name.c_str();
  entry.append_attribute("sheetId") = sheetId + 1;
  entry.append_attribute((RelPrefix(root) + ":id").c_str()) = id.c_str();

  pugi::xml_node types = types_->document_element();
  pugi::xml_node over = types.append_child(SameNamespaceName(types, "Override").c_str());
  over.append_attribute("PartName") = ("/" + sheet.part).c_str();
  over.append_attribute("ContentType") = kWorksheetContent;

  sheets_.push_back(std::move(sheet));
  structureChanged_ = true;
  return SheetCount() - 1;
}

// The calculation chain lists formula cells; a written cell may have held one,
// so the chain goes and the spreadsheet program builds it anew.
void XlsxWorkbook::dropCalcChain() {
  const std::string chain = RelatedPart(package_, workbookPart_, "/calcChain");
  if (chain.empty()) return;
  package_.RemovePart(chain);
  pugi::xml_node rels = rels_->document_element();
  for (pugi::xml_node r = rels.first_child(); r;) {
    pugi::xml_node next = r.next_sibling();
    if (std::string_view(r.attribute("Type").value()).ends_with("/calcChain")) rels.remove_child(r);
    r = next;
  }
  pugi::xml_node types = types_->document_element();
  for (pugi::xml_node t = types.first_child(); t;) {
    pugi::xml_node next = t.next_sibling();
    if (std::string_view(t.attribute("PartName").value()) == "/" + chain) types.remove_child(t);
    t = next;
  }
  structureChanged_ = true;
}

std::string XlsxWorkbook::ToBytes() {
  if (std::any_of(sheets_.begin(), sheets_.end(), [](const SheetPart& s) { return s.changed; })) dropCalcChain();
  for (SheetPart& s : sheets_)
    if (s.changed) package_.SetPart(s.part, PartText(*s.doc));
  if (structureChanged_) {
    package_.SetPart(workbookPart_, PartText(*workbook_));
    package_.SetPart(RelationshipsPartOf(workbookPart_), PartText(*rels_));
    package_.SetPart("[Content_Types].xml", PartText(*types_));
  }
  return package_.ToBytes();
}

}  // namespace platform::office
