// Fuzz target over the word-processor document reader. The input is the
// document part (an input starting "PK" is taken as a whole archive). A
// document that opens must take a table at its caret and at a bookmark,
// typed text, and be written out to bytes that open again; anything else
// must be refused with OfficeFileError.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/office/DocxDocument.h"

namespace {

using namespace platform::office;

std::string DocumentOf(std::string_view Part) {
  static const std::string empty = DocxDocument::New().ToBytes();
  ZipPackage p = ZipPackage::FromBytes(empty);
  p.SetPart("word/document.xml", std::string(Part));
  return p.ToBytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  DocxDocument doc;
  try {
    doc = DocxDocument::FromBytes(input.starts_with("PK") ? std::string(input) : DocumentOf(input));
  } catch (const OfficeFileError&) {
    return 0;
  }
  const int blocks = doc.BlockCount();
  if (blocks < 0) std::abort();
  if (auto at = doc.BookmarkPosition("Table"); at && (*at < 0 || *at > blocks)) std::abort();
  doc.TypeText("a\tb\r\nc");
  doc.TypeParagraph();
  doc.CaretToLastParagraph();
  DocxTable t = doc.InsertTable(doc.CaretPosition(), 2, 2);
  t.AppendText(2, 2, "x");
  t.SetAlignment(1, 1, ParagraphAlignment::Right);
  const std::string bytes = doc.ToBytes();
  DocxDocument again = DocxDocument::FromBytes(bytes);  // an exception here aborts the run: the writer made a bad file
  if (again.BlockCount() < blocks + 1) std::abort();
  return 0;
}
