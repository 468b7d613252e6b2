// Flat XML of the export range: a list element, one record element per row,
// one field element per cell.
//
// The writer escapes "&" as "&amp;" so that any XML reader gets the cell's
// text, writes its file in the encoding its declaration names (characters
// the encoding cannot carry as character references), and refuses texts and
// names XML cannot carry before anything is written. The reader takes the
// parser's text as it is: entities are decoded once, by the parser.

#include "grid/core/ExtGrid.h"
#include "platform/xml/XmlChars.h"
#include "platform/xml/XmlDocument.h"
#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/StringList.h"
#include "toolkit/rtl/SysUtils.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

// ---- writing ----

enum class TXmlCharset { Utf8, Latin1, Ascii };

TXmlCharset CharsetOf(const std::string& Encoding) {
  const std::string e = UpperCase(Encoding);
  if (e == "ISO-8859-1" || e == "LATIN1" || e == "ISO_8859-1") return TXmlCharset::Latin1;
  if (e == "US-ASCII" || e == "ASCII") return TXmlCharset::Ascii;
  return TXmlCharset::Utf8;
}

// The declared name: the grid's when the writer can produce that encoding, else UTF-8.
std::string DeclaredEncoding(const std::string& Encoding) {
  return CharsetOf(Encoding) == TXmlCharset::Utf8 ? "UTF-8" : Encoding;
}

// UTF-8 text as bytes of the charset; characters it cannot carry (and the
// C1 controls, which readers take for Windows-1252) as character references.
std::string EncodeXmlBytes(std::string_view Text, TXmlCharset Charset) {
  if (Charset == TXmlCharset::Utf8) return std::string(Text);
  const char32_t top = Charset == TXmlCharset::Latin1 ? 0xFF : 0x7F;
  std::string out;
  for (size_t i = 0; i < Text.size();) {
    const char32_t cp = DecodeUtf8Char(Text, i);
    if (cp < 0x80 || (cp <= top && cp >= 0xA0)) out += static_cast<char>(cp);
    else out += "&#" + std::to_string(static_cast<uint32_t>(cp)) + ";";
  }
  return out;
}

// A reader turns a CR or CR LF in text into LF and may drop text that is
// only blanks: a CR and the blanks of a blank-only text go as character
// references, which every reader takes as they are.
std::string EscapeXmlText(std::string_view Text) {
  const bool blankOnly = !Text.empty() && Text.find_first_not_of(" \t\n") == std::string_view::npos;
  std::string out;
  for (char ch : Text) {
    switch (ch) {
      case '&': out += "&amp;"; break;
      case '>': out += "&gt;"; break;
      case '<': out += "&lt;"; break;
      case '"': out += "&quot;"; break;
      case '\r': out += "&#13;"; break;
      case ' ': out += blankOnly ? "&#32;" : " "; break;
      case '\t': out += blankOnly ? "&#9;" : "\t"; break;
      case '\n': out += blankOnly ? "&#10;" : "\n"; break;
      default: out += ch;
    }
  }
  return out;
}

// Names cannot take character references: they must be names in the file's charset.
void CheckXmlName(const std::string& Name, const std::string& What, TXmlCharset Charset) {
  if (!platform::xml_detail::IsXmlName(Name) || EncodeXmlBytes(Name, Charset).find("&#") != std::string::npos)
    throw EExtGridError("\"" + Name + "\" cannot be the name of the XML " + What + " element");
}

void CheckXmlText(const std::string& Text, int ACol, int ARow) {
  char32_t bad = 0;
  if (platform::xml_detail::FindBadChar(Text, bad) != std::string_view::npos)
    throw EExtGridError("Cell " + std::to_string(ACol) + "," + std::to_string(ARow) + " holds " +
                        platform::xml_detail::DescribeChar(bad) + ", which XML cannot carry");
}

// ---- reading ----

// The concatenated text below a node, as the document object reports it.
std::string NodeText(const platform::XmlNode& Node) {
  if (Node.Kind() != platform::XmlNodeKind::Element) return Node.Value();
  std::string out;
  for (int i = 0; i < Node.ChildCount(); ++i) out += NodeText(Node.Child(i));
  return out;
}

// Element, text and CDATA children: comments and instructions hold no cells.
std::vector<platform::XmlNode> ContentChildren(const platform::XmlNode& Node) {
  std::vector<platform::XmlNode> out;
  if (Node.Kind() != platform::XmlNodeKind::Element) return out;
  for (int i = 0; i < Node.ChildCount(); ++i) {
    platform::XmlNode c = Node.Child(i);
    if (c.Kind() == platform::XmlNodeKind::Element || c.Kind() == platform::XmlNodeKind::Text ||
        c.Kind() == platform::XmlNodeKind::CData)
      out.push_back(c);
  }
  return out;
}

// The parser names the place as "line N, column M".
std::string ParseErrorMessage(const std::string& Reason) {
  std::string msg = "XMLDOM Parsing error (" + Reason + ")";
  const size_t at = Reason.rfind("line ");
  if (at == std::string::npos) return msg;
  const size_t digits = Reason.find_first_not_of("0123456789", at + 5);
  const std::string line = Reason.substr(at + 5, digits == std::string::npos ? digits : digits - at - 5);
  return line.empty() ? msg : msg + " on line " + line;
}

// Walks records into cells: one record per row, or one row per nesting level.
class TXmlCellWalk {
public:
  TXmlCellWalk(TExtStringGrid& Grid, bool LevelToRow, bool LoadFieldDescr) : G(Grid), LevelToRow(LevelToRow) {
    HeaderNames = Grid.SaveFixedCells() || Grid.SaveFixedRows();
    FieldNames = HeaderNames && LoadFieldDescr;
    ColOff = Grid.SaveStartCol();
    RowOff = !HeaderNames || LoadFieldDescr ? Grid.FixedRows() : 0;
    MaxCol = ColOff;
    MaxRow = RowOff;
  }

  void Records(const platform::XmlNode& Root) {
    bool first = true;
    for (const platform::XmlNode& rec : ContentChildren(Root)) {
      if (rec.Kind() != platform::XmlNodeKind::Element) continue;
      Col = 0;
      Level = 1;
      if (LevelToRow && first && rec.Attributes().empty()) Row = -1;
      first = false;
      Walk(rec);
      if (!LevelToRow) ++Row;
    }
    G.SetColCount(std::max(MaxCol + 1, G.FixedCols() + 1));
    G.SetRowCount(std::max(MaxRow + 1, G.FixedRows() + 1));
    G.CellsChanged(TRect{0, 0, G.ColCount(), G.RowCount()});
    G.AllFootersChanged();
  }

private:
  int TargetCol() const { return ColOff + Col; }
  int TargetRow() const { return RowOff + Row; }

  // Stores Text at the target cell, growing the grid; a header name goes to
  // row 0 of the column when that is still empty.
  void Store(const std::string& Name, bool WithName, const std::string& Text) {
    const int c = TargetCol(), r = TargetRow();
    if (r >= 0) {
      if (c >= G.ColCount()) G.SetColCount(c + 1);
      if (r >= G.RowCount()) G.SetRowCount(r + 1);
      if (WithName && G.Cells(c, 0).empty()) G.SetCells(c, 0, Name);
      G.ImportCellText(c, r, Text);
      MaxCol = std::max(MaxCol, c);
      MaxRow = std::max(MaxRow, r);
    }
    ++Col;
  }

  void Walk(const platform::XmlNode& Node) {
    bool advanced = false;
    if (Node.Kind() == platform::XmlNodeKind::Element) {
      const auto attributes = Node.Attributes();
      for (const auto& [name, value] : attributes) Store(name, HeaderNames, value);
      if (LevelToRow && !attributes.empty()) {
        ++Row;
        Col = Level;
        advanced = true;
      }
    }
    const std::vector<platform::XmlNode> children = ContentChildren(Node);
    if (children.size() > 1) {
      if (LevelToRow && !advanced) {
        ++Row;
        Col = 0;
      }
      ++Level;
      for (const platform::XmlNode& c : children) Walk(c);
    } else if (children.empty()) {
      if (Node.Kind() == platform::XmlNodeKind::Element) {
        if (TargetCol() < G.ColCount() && TargetRow() >= 0 && TargetRow() < G.RowCount()) G.ImportCellText(TargetCol(), TargetRow(), "");
        ++Col;
      } else {
        Store("", false, Node.Value());
      }
    } else {
      std::string text = NodeText(Node);
      if (G.QuoteEmptyCells() && text == "\"\"") text.clear();
      Store(Node.Name(), FieldNames, text);
    }
  }

  TExtStringGrid& G;
  bool LevelToRow, HeaderNames = false, FieldNames = false;
  int ColOff = 0, RowOff = 0, MaxCol = 0, MaxRow = 0;
  int Row = 0, Col = 0, Level = 1;
};

}  // namespace

void TExtStringGrid::SaveToXML(const std::string& FileName, const std::string& ListDescr, const std::string& RecordDescr,
                               TStrings* FieldDescr, bool ExportEmptyCells) {
  const TXmlCharset charset = CharsetOf(FXMLEncoding);
  CheckXmlName(ListDescr, "list", charset);
  CheckXmlName(RecordDescr, "record", charset);
  const int first = SaveStartCol(), last = exportLastCol();
  auto fieldName = [&](int ACol) {
    const int k = ACol - first;
    return FieldDescr && k < FieldDescr->Count() ? FieldDescr->Strings(k) : "FIELD" + std::to_string(k);
  };
  for (int c = first; c <= last; ++c) CheckXmlName(fieldName(c), "field", charset);

  std::string out = "<?xml version=\"1.0\" encoding=\"" + DeclaredEncoding(FXMLEncoding) + "\" ?>\r\n";
  out += "<" + ListDescr + ">\r\n";
  int progress = -1;
  ExportNotification(esExportStart, SaveStartRow());
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    out += "<" + RecordDescr + ">\r\n";
    for (int c = first; c <= last; ++c) {
      if (IsMergedNonBaseCell(DisplToRealColumn(c), r)) continue;
      std::string text = exportText(c, r);
      if (text.empty() && !ExportEmptyCells) continue;
      CheckXmlText(text, c, r);
      if (text.empty() && FQuoteEmptyCells) text = "\"\"";
      const std::string name = fieldName(c);
      out += "<" + name + ">" + EscapeXmlText(text) + "</" + name + ">\r\n";
    }
    out += "</" + RecordDescr + ">\r\n";
    fileProgress(static_cast<int>(std::lround(100.0 * r / std::max(1, SaveEndRow() - SaveStartRow()))), progress);
  }
  out += "</" + ListDescr + ">\r\n";
  ExportNotification(esExportDone, -1);
  try {
    WriteFileAtomic(FileName, EncodeXmlBytes(out, charset));
  } catch (const Exception& e) {
    throw EExtGridError("Cannot Create file " + FileName + " (" + e.Message() + ")");
  }
}

void TExtStringGrid::LoadFromXML(const std::string& FileName, bool LevelToRow, bool LoadFieldDescr) {
  // A folder or a FIFO is not "not found": the guarded read says what it is.
  if (!PathExists(FileName)) throw Exception("XML file not found");
  platform::XmlDocument doc;
  try {
    doc.LoadFromBytes(ReadFileBytes(FileName), FileName);
  } catch (const platform::XmlError& e) {
    throw Exception(ParseErrorMessage(e.what()));
  }
  platform::XmlNode root;
  for (int i = 0; i < doc.NodeCount() && !root; ++i)
    if (doc.Node(i).Kind() == platform::XmlNodeKind::Element) root = doc.Node(i);
  if (!root) throw Exception("XMLDOM Parsing error (no root element)");
  TXmlCellWalk(*this, LevelToRow, LoadFieldDescr).Records(root);
}
