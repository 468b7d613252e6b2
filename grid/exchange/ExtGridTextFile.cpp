// The grid's own text file: "cols,rows", then "cw col,width" per column,
// then "col,row,text" per non-empty cell, the text escaped to one line.
//
// A load reads and checks the whole file before the grid changes: a size
// line that gives no cells raises, an empty or malformed line is skipped,
// widths of columns the file does not create are ignored.

#include "grid/core/ExtGrid.h"
#include "grid/exchange/ExchangeFiles.h"
#include "grid/foundation/ExtUtil.h"
#include "platform/kernel/TextCodec.h"
#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/Streams.h"
#include "toolkit/rtl/SysUtils.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>

namespace {

// No grid this program builds comes near these; a larger size line is a
// damaged file, not a request for gigabytes of rows.
constexpr int kMaxFileCols = 65535;
constexpr int kMaxFileRows = 10'000'000;
constexpr int kMaxColWidth = 65535;

struct TTextCell {
  int Col, Row;
  std::string Text;
};

struct TTextFile {
  int Cols = 0, Rows = 0;  // the bounds of cell positions
  int WidthCols = 0;       // the bound of width lines' columns
  std::vector<std::pair<int, int>> Widths;
  std::vector<TTextCell> Cells;
  size_t Consumed = 0;  // lines taken (streams stop at the first foreign line)
};

std::optional<std::pair<int, int>> IntPair(std::string_view Text) {
  size_t comma = Text.find(',');
  int a = 0, b = 0;
  if (comma == std::string_view::npos || !TryStrToInt(Text.substr(0, comma), a) ||
      !TryStrToInt(Text.substr(comma + 1), b))
    return std::nullopt;
  return std::make_pair(a, b);
}

// The size line plus the offsets; the grid's own size when the line is
// missing or empty. Raises Error for a size no grid of this program has.
std::pair<int, int> GridSize(const std::vector<std::string_view>& Lines, std::pair<int, int> Current,
                             std::pair<int, int> Offset, const std::string& Error) {
  if (Lines.empty() || Lines[0].empty()) return Current;
  auto size = IntPair(Lines[0]);
  if (!size || size->first < 0 || size->second < 0 || size->first > kMaxFileCols || size->second > kMaxFileRows)
    throw EExtGridError(Error);
  return {Offset.first + size->first, Offset.second + size->second};
}

std::optional<TTextCell> CellLine(std::string_view Line, bool MultiLine) {
  size_t c1 = Line.find(',');
  size_t c2 = c1 == std::string_view::npos ? c1 : Line.find(',', c1 + 1);
  if (c2 == std::string_view::npos) return std::nullopt;
  auto pos = IntPair(Line.substr(0, c2));
  if (!pos || pos->first < 0 || pos->second < 0) return std::nullopt;
  return TTextCell{pos->first, pos->second, UnescapeLineBreaksFromFile(Line.substr(c2 + 1), MultiLine)};
}

// Width and cell lines after the size line; Strict stops at the first line
// that is neither (streams), otherwise such lines are skipped (files).
void ReadBody(const std::vector<std::string_view>& Lines, TTextFile& F, bool MultiLine, bool Strict) {
  for (; F.Consumed < Lines.size(); ++F.Consumed) {
    std::string_view line = Lines[F.Consumed];
    if (line.starts_with("cw")) {
      auto w = IntPair(line.substr(std::min<size_t>(3, line.size())));
      if (w) {
        if (w->first >= 0 && w->first < F.WidthCols && w->second >= 0 && w->second <= kMaxColWidth) F.Widths.push_back(*w);
        continue;
      }
    } else if (auto cell = CellLine(line, MultiLine)) {
      if (cell->Col < F.Cols && cell->Row < F.Rows) {
        if (static_cast<long long>(F.Cells.size()) >= kMaxImportCells)
          throw EExtGridError("The text holds more than " + std::to_string(kMaxImportCells) + " cells, more than the grid takes");
        F.Cells.push_back(std::move(*cell));
      }
      continue;
    }
    if (Strict) return;
  }
}

std::string SizeLine(int Cols, int Rows) { return std::to_string(Cols) + "," + std::to_string(Rows) + "\r\n"; }

std::string WidthLine(int Col, int Width) { return "cw " + std::to_string(Col) + "," + std::to_string(Width) + "\r\n"; }

}  // namespace

int TExtStringGrid::exportLastCol() const { return SaveEndCol() + (FSaveHiddenCells ? FNumHidden : 0); }

std::string TExtStringGrid::exportText(int ACol, int ARow) {
  return ExportCellText(FSaveHiddenCells ? ACol : DisplToRealColumn(ACol), ARow);
}

void TExtStringGrid::fileProgress(int Percent, int& Last) {
  Percent = std::clamp(Percent, 0, 100);
  if (!OnFileProgress || Percent == Last) return;
  Last = Percent;
  OnFileProgress(this, static_cast<int16_t>(Percent));
}

std::string TExtStringGrid::textFileLines(bool ForStream) {
  const int offCol = ForStream ? SaveStartCol() : 0, offRow = ForStream ? SaveStartRow() : 0;
  const int lastCol = ForStream ? SaveEndCol() : exportLastCol();
  std::string out = SizeLine(SaveColCount() + (ForStream ? 0 : lastCol - SaveEndCol()), SaveRowCount());
  for (int c = ForStream ? 0 : SaveStartCol(); c <= (ForStream ? ColCount() - 1 : lastCol); ++c)
    if (c < ColCount()) out += WidthLine(c, ColWidths(c));
  int last = -1;
  ExportNotification(esExportStart, SaveStartRow());
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    for (int c = SaveStartCol(); c <= lastCol; ++c) {
      std::string text = exportText(c, r);
      if (!text.empty())
        out += std::to_string(c - offCol) + "," + std::to_string(r - offRow) + "," + EscapeLineBreaksForFile(text) + "\r\n";
    }
    if (!ForStream) fileProgress(static_cast<int>(std::lround(100.0 * r / std::max(1, SaveRowCount() - 1))), last);
  }
  ExportNotification(esExportDone, -1);
  return out;
}

void TExtStringGrid::SaveToFile(const std::string& FileName, bool Unicode) {
  const std::string text = textFileLines(false);
  WriteFileAtomic(FileName, Unicode ? EncodeText(text, TTextEncoding::Utf16LE) : EncodeEightBitFile(text));
}

void TExtStringGrid::LoadFromFile(const std::string& FileName) {
  const std::string text = DecodeOwnedText(ReadFileBytes(FileName));
  const std::vector<std::string_view> lines = SplitFileLines(text);
  const int offCol = FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
  const int offRow = FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();
  const std::string error = "File contains no data or corrupt file " + FileName;
  TTextFile f;
  std::tie(f.Cols, f.Rows) = GridSize(lines, {ColCount(), RowCount()}, {offCol, offRow}, error);
  if (f.Cols <= 0 || f.Rows <= 0) throw EExtGridError(error);
  f.WidthCols = f.Cols;
  f.Consumed = 1;
  ReadBody(lines, f, FMultilinecells, false);

  SetColCount(f.Cols);
  SetRowCount(f.Rows);
  for (auto [c, w] : f.Widths) SetColWidths(c, w);
  int last = -1;
  for (const TTextCell& cell : f.Cells) {
    ImportCellText(cell.Col, cell.Row, cell.Text);
    fileProgress(static_cast<int>(std::lround(100.0 * cell.Row / std::max(1, f.Rows - 1))), last);
  }
  CellsChanged(TRect{0, 0, ColCount(), RowCount()});
  AllFootersChanged();
}

void TExtStringGrid::SaveToStream(TStream* Stream) {
  const std::string units = EncodeText(textFileLines(true), TTextEncoding::Utf16LE);
  Stream->WriteString(units.substr(2));  // no byte-order mark in a stream
}

void TExtStringGrid::LoadFromStream(TStream* Stream) {
  const int64_t start = Stream->Position();
  const std::vector<uint8_t> raw = Stream->ReadAll();
  const std::u16string units = platform::BytesToUtf16(std::string_view(reinterpret_cast<const char*>(raw.data()), raw.size()));
  std::vector<std::string> texts;
  std::vector<int64_t> lineStart;  // byte offset of each line
  for (size_t pos = 0; pos < units.size();) {
    size_t e = units.find(u'\r', pos);
    if (e == std::u16string::npos) e = units.size();
    lineStart.push_back(static_cast<int64_t>(pos) * 2);
    texts.push_back(Utf16ToUtf8(units.substr(pos, e - pos)));
    pos = e + 2;  // the CR and the LF after it
  }
  lineStart.push_back(static_cast<int64_t>(raw.size()));
  std::vector<std::string_view> lines(texts.begin(), texts.end());

  TTextFile f;
  std::tie(f.Cols, f.Rows) =
      GridSize(lines, {ColCount(), RowCount()}, {SaveStartCol(), SaveStartRow()}, "Stream holds no grid data");
  f.Consumed = lines.empty() ? 0 : 1;
  // Cell positions are relative to the export range: check them against the grid's size shifted by it.
  f.WidthCols = f.Cols;
  f.Cols -= SaveStartCol();
  f.Rows -= SaveStartRow();
  ReadBody(lines, f, FMultilinecells, true);
  Stream->SetPosition(start + lineStart[std::min(f.Consumed, lines.size())]);

  const int startCol = SaveStartCol(), startRow = SaveStartRow();
  SetColCount(f.Cols + startCol);
  SetRowCount(f.Rows + startRow);
  for (auto [c, w] : f.Widths) SetColWidths(c, w);
  for (const TTextCell& cell : f.Cells) ImportCellText(cell.Col + startCol, cell.Row + startRow, cell.Text);
  CellsChanged(TRect{0, 0, ColCount(), RowCount()});
  AllFootersChanged();
}
