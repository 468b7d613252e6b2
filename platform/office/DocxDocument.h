#pragma once
// A word-processor document in the Office Open XML format (.docx), held in
// memory: paragraphs typed at a caret, tables inserted at a position of the
// body, bookmarks found; every other part of the package is kept as it was.
//
// Positions count the blocks of the body (paragraphs and tables): position p
// lies before block p, BlockCount() after the last one. The caret sits in a
// paragraph, behind the text typed there since it came.

#include <optional>
#include <string>

#include "platform/office/OpenXmlParts.h"

namespace platform::office {

enum class ParagraphAlignment { Left, Center, Right, Justify };

// A table of the document; rows and columns count from 1.
class DocxTable {
public:
  explicit DocxTable(pugi::xml_node Table) : table_(Table) {}
  int Rows() const;
  int Cols() const;
  // Appends Text to the cell; line breaks start new paragraphs, TABs are tab stops.
  void AppendText(int Row, int Col, const std::string& Text);
  void SetAlignment(int Row, int Col, ParagraphAlignment Align);

private:
  pugi::xml_node cell(int Row, int Col) const;
  pugi::xml_node table_;
};

class DocxDocument {
public:
  // A new document of one empty paragraph, the caret in it.
  static DocxDocument New();
  static DocxDocument FromBytes(const std::string& Bytes);
  std::string ToBytes();

  int BlockCount() const;
  // Where a table for the bookmark goes: before the paragraph holding it when
  // no text stands before the bookmark there, else after that paragraph.
  std::optional<int> BookmarkPosition(const std::string& Name) const;

  // Typing at the caret; a paragraph break moves the caret into the paragraph after it.
  void TypeText(const std::string& Text);
  void TypeParagraph();
  // An empty paragraph at the end of the body.
  void AddParagraph();
  // The caret to the start of the last paragraph of the body.
  void CaretToLastParagraph();
  int CaretPosition() const { return caretBlock_; }

  // A Rows x Cols table with a single-line grid, put before block Position.
  DocxTable InsertTable(int Position, int Rows, int Cols);

private:
  static DocxDocument FromPackage(ZipPackage Package);
  pugi::xml_node body() const;
  pugi::xml_node block(int Position) const;  // null past the last
  pugi::xml_node caretParagraph();

  ZipPackage package_;
  std::string documentPart_;
  XmlPart doc_;
  int caretBlock_ = 0;
  int typedRuns_ = 0;
};

}  // namespace platform::office
