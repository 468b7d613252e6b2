// Word-processor documents opened from crafted archives.

#include <gtest/gtest.h>

#include "platform/office/DocxDocument.h"

namespace {

using namespace platform::office;

// A small archive whose document part holds more paragraphs than a tree may
// take is refused before the tree is built, naming the budget.
TEST(DocxDocumentTest, ADocumentOfMoreElementsThanTheBudgetIsRefused) {
  ZipPackage p = ZipPackage::FromBytes(DocxDocument::New().ToBytes());
  std::string body;
  body.reserve(6 * (kMaxPartItems + 1) + 200);
  body = "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>";
  for (size_t i = 0; i < kMaxPartItems; ++i) body += "<w:p/>";
  body += "</w:body></w:document>";
  p.SetPart("word/document.xml", body);
  const std::string bomb = p.ToBytes();
  EXPECT_LT(bomb.size(), 200'000u);
  try {
    DocxDocument::FromBytes(bomb);
    FAIL() << "no refusal";
  } catch (const OfficeFileError& e) {
    EXPECT_NE(std::string(e.what()).find("more than 4000000 elements"), std::string::npos) << e.what();
  }
}

}  // namespace
