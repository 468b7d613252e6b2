// The word-processor server on .docx documents; SaveAs replaces the file
// whole through the atomic writer.

#include <memory>
#include <vector>

#include "platform/automation/OfficeServers.h"
#include "platform/kernel/AtomicFile.h"
#include "platform/kernel/GuardedRead.h"
#include "platform/office/DocxDocument.h"

namespace platform::automation {
namespace {

using office::DocxDocument;

class DocxTableObject : public WordTable {
public:
  explicit DocxTableObject(office::DocxTable Table) : table_(Table) {}
  void InsertAfter(int Row, int Column, const std::string& Text) override { table_.AppendText(Row, Column, Text); }
  void SetAlignment(int Row, int Column, WordAlignment Alignment) override {
    static const office::ParagraphAlignment kAlign[] = {office::ParagraphAlignment::Left, office::ParagraphAlignment::Center,
                                                        office::ParagraphAlignment::Right, office::ParagraphAlignment::Justify};
    if (Alignment < wdAlignLeft || Alignment > wdAlignJustify) throw AutomationError("Invalid paragraph alignment");
    table_.SetAlignment(Row, Column, kAlign[Alignment]);
  }

private:
  office::DocxTable table_;
};

class DocxDocumentObject : public WordDocument {
public:
  explicit DocxDocumentObject(DocxDocument Doc) : doc_(std::move(Doc)) {}
  DocxDocument& Model() { return doc_; }
  void SetShowSpellingErrors(bool) override {}  // a view setting; the file keeps the reader's own
  bool BookmarkExists(const std::string& Name) override { return doc_.BookmarkPosition(Name).has_value(); }
  WordRange GotoBookmark(const std::string& Name) override {
    auto at = doc_.BookmarkPosition(Name);
    if (!at) throw AutomationError("The document has no bookmark " + Name);
    return {*at, *at};
  }
  void AddParagraph() override { doc_.AddParagraph(); }
  WordRange Range(int Start, int End) override {
    if (Start < 0 || End < Start || End > doc_.BlockCount()) throw AutomationError("Invalid range");
    return {Start, End};
  }
  WordTable& AddTable(const WordRange& At, int Rows, int Columns) override {
    tables_.push_back(std::make_unique<DocxTableObject>(doc_.InsertTable(At.Start, Rows, Columns)));
    return *tables_.back();
  }
  void SaveAs(const std::string& FileName) override { platform::WriteFileAtomic(FileName, doc_.ToBytes()); }

private:
  DocxDocument doc_;
  std::vector<std::unique_ptr<DocxTableObject>> tables_;
};

class DocxWordProcessor : public WordApplication {
public:
  int DocumentsCount() override { return static_cast<int>(docs_.size()); }
  WordDocument& OpenDocument(const std::string& FileName) override {
    return add(DocxDocument::FromBytes(platform::ReadFileGuarded(FileName)));
  }
  WordDocument& AddDocument() override { return add(DocxDocument::New()); }
  WordDocument& ActiveDocument() override { return active(); }
  void SelectionTypeText(const std::string& Text) override { active().Model().TypeText(Text); }
  void SelectionTypeParagraph() override { active().Model().TypeParagraph(); }
  void SelectionGotoLastLine() override { active().Model().CaretToLastParagraph(); }
  int SelectionEnd() override { return active().Model().CaretPosition(); }
  void Quit() override { docs_.clear(); }

private:
  DocxDocumentObject& add(DocxDocument Doc) {
    docs_.push_back(std::make_unique<DocxDocumentObject>(std::move(Doc)));
    return *docs_.back();
  }
  DocxDocumentObject& active() {
    if (docs_.empty()) throw AutomationError("No document is open");
    return *docs_.back();
  }
  std::vector<std::unique_ptr<DocxDocumentObject>> docs_;
};

}  // namespace

std::shared_ptr<AutomationObject> NewDocxWordProcessor() { return std::make_shared<DocxWordProcessor>(); }

}  // namespace platform::automation
