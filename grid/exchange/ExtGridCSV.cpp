// CSV files of the export range.
//
// The reader follows RFC 4180: a quoted field runs across delimiters and
// line breaks to its closing quote, so whatever the writer quotes reads back.
// The whole text is parsed before the grid changes; an unclosed quote
// raises EExtGridError and leaves the grid as it was.

#include "grid/core/ExtGrid.h"
#include "grid/exchange/DelimitedText.h"
#include "grid/exchange/ExchangeFiles.h"
#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/Streams.h"
#include "toolkit/rtl/SysUtils.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool NeedsCSVQuotes(std::string_view Text, char D) {
  return Text.find_first_of(std::string{D, '"', '\r', '\n', '\x0b'}) != std::string_view::npos ||
         (!Text.empty() && Text.front() == ' ');
}

std::string DecodeBytes(const std::vector<uint8_t>& Raw) {
  return DecodeText(std::string_view(reinterpret_cast<const char*>(Raw.data()), Raw.size()));
}

}  // namespace

std::string TExtStringGrid::csvField(std::string Text, char D) {
  if (FOemConvert) StringToOem(Text);
  if (FJavaCSV) {
    if (Text.empty()) return "^";
    LineBreaksToTilde(Text);
  } else {
    if (Text.empty()) return FQuoteEmptyCells || FAlwaysQuotes ? "\"\"" : "";
    Text = StringReplace(Text, "\r\n", "\x0b", {rfReplaceAll});
  }
  return FAlwaysQuotes || NeedsCSVQuotes(Text, D) ? QuoteField(Text) : Text;
}

std::string TExtStringGrid::csvLines() {
  const char d = FDelimiter ? FDelimiter : ',';
  std::string out;
  int last = -1;
  ExportNotification(esExportStart, SaveStartRow());
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    for (int c = SaveStartCol(); c <= exportLastCol(); ++c) {
      if (c != SaveStartCol()) out += d;
      out += csvField(exportText(c, r), d);
    }
    out += "\r\n";
    fileProgress(static_cast<int>(std::lround(100.0 * r / std::max(1, RowCount() - 1))), last);
  }
  ExportNotification(esExportDone, -1);
  return out;
}

void TExtStringGrid::SaveToCSV(const std::string& FileName, bool Unicode) {
  const std::string text = csvLines();
  WriteFileAtomic(FileName, Unicode ? EncodeText(text, TTextEncoding::Utf8Bom) : EncodeEightBitFile(text));
}

void TExtStringGrid::AppendToCSV(const std::string& FileName, bool Unicode) {
  std::string text = DecodeText(ReadFileBytes(FileName));
  if (!text.empty() && text.back() != '\n') text += "\r\n";
  text += csvLines();
  WriteFileAtomic(FileName, Unicode ? EncodeText(text, TTextEncoding::Utf8Bom) : EncodeEightBitFile(text));
}

// Two passes over the text, holding no copy of its fields: the first finds
// the size (and any unclosed quote) before the grid changes, the second
// writes each field straight into the grid.
void TExtStringGrid::readCSV(const std::string& Text, int MaxRows, bool Insert) {
  if (Text.empty()) throw Exception("File is empty");
  char d = FDelimiter;
  if (d == '\0') {
    std::string_view rest;
    std::string_view first = FirstTextLine(Text, &rest);
    d = DetectDelimiter(first, FirstTextLine(rest));
  }
  const TDelimitedSyntax syntax{d, true, true};
  size_t total = 0, width = 0;
  long long cells = 0;
  const size_t skip = FLoadFirstRow ? 0 : 1;
  const size_t limit = MaxRows > 0 ? static_cast<size_t>(MaxRows) : std::numeric_limits<size_t>::max();
  // Per row read, the columns up to its last filled field: each row of the
  // grid is then sized once, not grown cell by cell.
  std::vector<uint32_t> filled;
  ForEachDelimitedField(Text, syntax, [&](size_t Row, size_t Col, std::string_view Field) {
    total = Row + 1;
    if (Row >= skip && Row - skip < limit) {
      width = std::max(width, Col + 1);
      if (++cells > kMaxImportCells)
        throw EExtGridError("The file holds more than " + std::to_string(kMaxImportCells) + " cells, more than the grid takes");
      if (filled.size() <= Row - skip) filled.resize(Row - skip + 1);
      if (!Field.empty()) filled[Row - skip] = static_cast<uint32_t>(Col + 1);
    }
    return true;
  });
  const size_t from = std::min(skip, total);
  const size_t to = std::min(total, from + std::min(limit, total));

  const bool footer = Insert && FloatingFooter()->Visible() && RowCount() > 0;
  const int startCol = SaveStartCol();
  const int startRow = footer ? RowCount() - 1 : Insert ? RowCount() : SaveStartRow();
  std::vector<std::string> footerTexts;
  if (footer)
    for (int c = 0; c < ColCount(); ++c) footerTexts.push_back(GetGridCell(c, startRow));
  const int hidden = FSaveHiddenCells ? FNumHidden : 0;
  if (startCol + static_cast<int>(width) > ColCount() + hidden) SetColCount(startCol + static_cast<int>(width) - hidden);
  const int lines = static_cast<int>(to - from);
  SetRowCount(startRow + lines + FFixedFooters + (footer ? 1 : 0));

  int last = -1, fields = 0;
  // A row is done when the next one starts or the text ends.
  auto rowDone = [&](int I) {
    if (footer)
      for (int c2 = startCol + fields; c2 < ColCount(); ++c2) SetGridCell(c2, startRow + I, "");
    fileProgress(static_cast<int>(std::lround(100.0 * (I + 1) / lines)), last);
  };
  std::string field;
  ForEachDelimitedField(Text, syntax, [&](size_t Row, size_t Col, std::string_view Field) {
    if (Row < from) return true;
    if (Row >= to) return false;
    const int i = static_cast<int>(Row - from);
    if (Col == 0 && i > 0) rowDone(i - 1);
    if (Col == 0 && filled[i] > 0) Store().ReserveRow(startRow + i, startCol + static_cast<int>(filled[i]));
    fields = static_cast<int>(Col) + 1;
    field.assign(Field);
    if (FOemConvert) OemToString(field);
    if (FJavaCSV) TildeToLineBreaks(field);
    else VTToCRLF(field);
    ImportCellText(startCol + static_cast<int>(Col), startRow + i, field);
    return true;
  });
  if (lines > 0) rowDone(lines - 1);
  if (footer)
    for (int c = 0; c < static_cast<int>(footerTexts.size()); ++c) SetGridCell(c, RowCount() - 1, footerTexts[c]);
  CellsChanged(TRect{0, 0, ColCount(), RowCount()});
  AllFootersChanged();
}

// The file's bytes become its text without a second copy where they can.
void TExtStringGrid::LoadFromCSV(const std::string& FileName, int MaxRows) {
  std::string bytes = ReadFileBytes(FileName);
  if (!bytes.empty()) readCSV(DecodeOwnedText(std::move(bytes)), MaxRows, false);
}

void TExtStringGrid::InsertFromCSV(const std::string& FileName, int MaxRows) {
  std::string bytes = ReadFileBytes(FileName);
  if (!bytes.empty()) readCSV(DecodeOwnedText(std::move(bytes)), MaxRows, true);
}

void TExtStringGrid::LoadFromCSVStream(TStream* AStream, int MaxRows) { readCSV(DecodeBytes(AStream->ReadAll()), MaxRows, false); }
