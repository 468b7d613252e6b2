// Word-processor documents: body blocks, caret, bookmarks, tables.

#include "platform/office/DocxDocument.h"

#include <algorithm>

namespace platform::office {
namespace {

constexpr const char* kNewDocument =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
    "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body><w:p/>"
    "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:top=\"1440\" w:right=\"1440\" w:bottom=\"1440\" "
    "w:left=\"1440\" w:header=\"708\" w:footer=\"708\" w:gutter=\"0\"/></w:sectPr></w:body></w:document>";

ZipPackage NewPackage() {
  ZipPackage p;
  p.SetPart("[Content_Types].xml",
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
            "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
            "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
            "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
            "<Override PartName=\"/word/document.xml\" "
            "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
            "</Types>");
  p.SetPart("_rels/.rels",
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
            "officeDocument\" Target=\"word/document.xml\"/></Relationships>");
  p.SetPart("word/document.xml", kNewDocument);
  return p;
}

bool IsBlock(const pugi::xml_node& N) {
  std::string_view n = LocalName(N);
  return N.type() == pugi::node_element && (n == "p" || n == "tbl" || n == "sdt" || n == "customXml" || n == "altChunk");
}

// An element in the namespace of Near, with its attributes likewise ("w:val").
pugi::xml_node Add(pugi::xml_node Parent, std::string_view Local, std::initializer_list<std::pair<const char*, std::string>> Attrs = {}) {
  pugi::xml_node n = Parent.append_child(SameNamespaceName(Parent, Local).c_str());
  for (auto& [name, value] : Attrs) n.append_attribute(SameNamespaceName(Parent, name).c_str()) = value.c_str();
  return n;
}

// A run of Text: TABs become tab stops, CR LF, CR or LF line breaks.
void FillRun(pugi::xml_node Run, const std::string& Text) {
  CheckPartText(Text, "a document text");
  std::string piece;
  auto flush = [&] {
    if (piece.empty()) return;
    pugi::xml_node t = Add(Run, "t");
    t.append_attribute("xml:space") = "preserve";
    t.text().set(piece.c_str());
    piece.clear();
  };
  for (size_t i = 0; i < Text.size(); ++i) {
    char c = Text[i];
    if (c == '\t' || c == '\r' || c == '\n') {
      flush();
      Add(Run, c == '\t' ? "tab" : "br");
      if (c == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
    } else {
      piece += c;
    }
  }
  flush();
}

// The paragraph's first element that is not its properties.
pugi::xml_node AfterProperties(pugi::xml_node Paragraph, int Skip) {
  pugi::xml_node n = Paragraph.first_child();
  if (n && LocalName(n) == "pPr") n = n.next_sibling();
  for (; n && Skip > 0; --Skip) n = n.next_sibling();
  return n;
}

bool TextBefore(pugi::xml_node Block, pugi::xml_node Mark) {
  bool found = false, text = false;
  struct Walker : pugi::xml_tree_walker {
    pugi::xml_node mark;
    bool* found;
    bool* text;
    bool for_each(pugi::xml_node& n) override {
      if (n == mark) { *found = true; return false; }
      if (LocalName(n) == "t" && *n.text().get()) *text = true;
      return true;
    }
  } w;
  w.mark = Mark;
  w.found = &found;
  w.text = &text;
  Block.traverse(w);
  return found && text;
}

}  // namespace

DocxDocument DocxDocument::New() { return FromPackage(NewPackage()); }

DocxDocument DocxDocument::FromBytes(const std::string& Bytes) { return FromPackage(ZipPackage::FromBytes(Bytes)); }

DocxDocument DocxDocument::FromPackage(ZipPackage Package) {
  DocxDocument d;
  d.package_ = std::move(Package);
  d.documentPart_ = RelatedPart(d.package_, "", "/officeDocument");
  if (d.documentPart_.empty() || !d.package_.Has(d.documentPart_)) throw OfficeFileError("Not a document: no main document part");
  d.doc_ = ParsePart(d.package_, d.documentPart_);
  if (LocalName(d.doc_->document_element()) != "document" || !d.body()) throw OfficeFileError("Not a document: no document body");
  return d;
}

std::string DocxDocument::ToBytes() {
  package_.SetPart(documentPart_, PartText(*doc_));
  return package_.ToBytes();
}

pugi::xml_node DocxDocument::body() const { return ChildByLocalName(doc_->document_element(), "body"); }

int DocxDocument::BlockCount() const {
  int n = 0;
  for (pugi::xml_node c : body().children()) n += IsBlock(c);
  return n;
}

pugi::xml_node DocxDocument::block(int Position) const {
  for (pugi::xml_node c : body().children())
    if (IsBlock(c) && Position-- == 0) return c;
  return {};
}

std::optional<int> DocxDocument::BookmarkPosition(const std::string& Name) const {
  int position = 0;
  for (pugi::xml_node c : body().children()) {
    pugi::xml_node mark;
    if (LocalName(c) == "bookmarkStart") mark = c;
    else
      mark = c.find_node([&](pugi::xml_node n) { return LocalName(n) == "bookmarkStart" && Name == AttributeByLocalName(n, "name").value(); });
    if (mark && Name == AttributeByLocalName(mark, "name").value()) {
      if (!IsBlock(c)) return position;
      return LocalName(c) == "p" && !TextBefore(c, mark) ? position : position + 1;
    }
    position += IsBlock(c);
  }
  return std::nullopt;
}

pugi::xml_node DocxDocument::caretParagraph() {
  pugi::xml_node p = block(caretBlock_);
  if (p && LocalName(p) == "p") return p;
  pugi::xml_node b = body();
  pugi::xml_node next = p ? p : ChildByLocalName(b, "sectPr");
  typedRuns_ = 0;
  return next ? b.insert_child_before(SameNamespaceName(b, "p").c_str(), next) : Add(b, "p");
}

void DocxDocument::TypeText(const std::string& Text) {
  if (Text.empty()) return;
  pugi::xml_node p = caretParagraph();
  pugi::xml_node at = AfterProperties(p, typedRuns_);
  pugi::xml_node run = at ? p.insert_child_before(SameNamespaceName(p, "r").c_str(), at) : Add(p, "r");
  FillRun(run, Text);
  ++typedRuns_;
}

// Splits the caret's paragraph at the caret: what was typed there goes into a
// new paragraph before it, and the caret stays at the start of the rest.
void DocxDocument::TypeParagraph() {
  pugi::xml_node p = caretParagraph();
  pugi::xml_node before = body().insert_child_before(p.name(), p);
  if (pugi::xml_node props = ChildByLocalName(p, "pPr")) before.append_copy(props);
  for (; typedRuns_ > 0; --typedRuns_) before.append_move(AfterProperties(p, 0));
  ++caretBlock_;
}

void DocxDocument::AddParagraph() {
  pugi::xml_node b = body();
  pugi::xml_node sect = ChildByLocalName(b, "sectPr");
  sect ? b.insert_child_before(SameNamespaceName(b, "p").c_str(), sect) : Add(b, "p");
}

void DocxDocument::CaretToLastParagraph() {
  int last = -1, position = 0;
  for (pugi::xml_node c : body().children()) {
    if (!IsBlock(c)) continue;
    if (LocalName(c) == "p") last = position;
    ++position;
  }
  caretBlock_ = last < 0 ? position : last;
  typedRuns_ = 0;
}

DocxTable DocxDocument::InsertTable(int Position, int Rows, int Cols) {
  if (Rows < 1 || Cols < 1 || Cols > 63) throw OfficeFileError("A table of " + std::to_string(Rows) + " rows and " +
                                                               std::to_string(Cols) + " columns cannot be made");
  pugi::xml_node b = body();
  pugi::xml_node next = block(std::clamp(Position, 0, BlockCount()));
  if (!next) next = ChildByLocalName(b, "sectPr");
  pugi::xml_node tbl = next ? b.insert_child_before(SameNamespaceName(b, "tbl").c_str(), next) : Add(b, "tbl");
  pugi::xml_node props = Add(tbl, "tblPr");
  Add(props, "tblW", {{"w", "0"}, {"type", "auto"}});
  pugi::xml_node borders = Add(props, "tblBorders");
  for (const char* edge : {"top", "left", "bottom", "right", "insideH", "insideV"})
    Add(borders, edge, {{"val", "single"}, {"sz", "4"}, {"space", "0"}, {"color", "auto"}});
  const std::string width = std::to_string(9000 / Cols);
  pugi::xml_node grid = Add(tbl, "tblGrid");
  for (int c = 0; c < Cols; ++c) Add(grid, "gridCol", {{"w", width}});
  for (int r = 0; r < Rows; ++r) {
    pugi::xml_node tr = Add(tbl, "tr");
    for (int c = 0; c < Cols; ++c) {
      pugi::xml_node tc = Add(tr, "tc");
      Add(Add(tc, "tcPr"), "tcW", {{"w", width}, {"type", "dxa"}});
      Add(tc, "p");
    }
  }
  if (Position <= caretBlock_) ++caretBlock_;
  return DocxTable(tbl);
}

int DocxTable::Rows() const {
  int n = 0;
  for (pugi::xml_node r : table_.children()) n += LocalName(r) == "tr";
  return n;
}

int DocxTable::Cols() const {
  int n = 0;
  for (pugi::xml_node c : ChildByLocalName(table_, "tblGrid").children()) n += LocalName(c) == "gridCol";
  return n;
}

pugi::xml_node DocxTable::cell(int Row, int Col) const {
  int r = 0;
  for (pugi::xml_node tr : table_.children()) {
    if (LocalName(tr) != "tr" || ++r != Row) continue;
    int c = 0;
    for (pugi::xml_node tc : tr.children())
      if (LocalName(tc) == "tc" && ++c == Col) return tc;
  }
  throw OfficeFileError("The table has no cell (" + std::to_string(Row) + ", " + std::to_string(Col) + ")");
}

void DocxTable::AppendText(int Row, int Col, const std::string& Text) {
  if (Text.empty()) return;
  pugi::xml_node p = ChildByLocalName(cell(Row, Col), "p");
  FillRun(Add(p, "r"), Text);
}

void DocxTable::SetAlignment(int Row, int Col, ParagraphAlignment Align) {
  static const char* const kValues[] = {"left", "center", "right", "both"};
  for (pugi::xml_node p : cell(Row, Col).children()) {
    if (LocalName(p) != "p") continue;
    pugi::xml_node props = ChildByLocalName(p, "pPr");
    if (!props) props = p.prepend_child(SameNamespaceName(p, "pPr").c_str());
    pugi::xml_node jc = ChildByLocalName(props, "jc");
    if (!jc) jc = Add(props, "jc", {{"val", ""}});
    AttributeByLocalName(jc, "val").set_value(kValues[static_cast<int>(Align)]);
  }
}

}  // namespace platform::office
