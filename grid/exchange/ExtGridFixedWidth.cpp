// Plain-text layouts in columns of characters: the ASCII layout for people
// (every column as wide as its longest line plus one blank, aligned like
// the cells, multi-line cells continued under their column) and fixed-width
// fields for programs.
//
// A line break inside a field would start a new record for the program
// reading it, so fixed-width fields carry it as a blank; the computed
// widths measure the field as written, so nothing is cut. The reader checks
// its positions and reads the whole file before the grid changes.

#include "grid/core/ExtGrid.h"
#include "grid/exchange/ExchangeFiles.h"
#include "grid/exchange/TextColumns.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/rtl/Encoding.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/ScopeGuard.h"
#include "toolkit/rtl/SysUtils.h"

#include <algorithm>
#include <filesystem>

namespace {

std::vector<std::string> MeasuredLines(const std::string& Text, bool MultiLine) {
  std::vector<std::string> lines = CellTextLines(Text);
  if (!MultiLine) lines.resize(1);
  return lines;
}

// Pads Line with blanks to Length characters.
void PadTo(std::string& Line, size_t Length) {
  const size_t n = CharLength(Line);
  if (n < Length) Line.append(Length - n, ' ');
}

std::string EncodeASCIIFile(const std::string& Text, bool Unicode) {
  return Unicode ? EncodeText(Text, TTextEncoding::Utf16LE) : EncodeEightBitFile(Text);
}

// The positions of a fixed-width read: at least a start and an end, each a
// character position from 1; sorted ascending.
std::vector<int> ReadPositions(TIntList* Positions) {
  if (!Positions || Positions->Count() < 2)
    throw EExtGridError("Fixed-width reading needs at least two positions (the first field's start and the last field's end)");
  std::vector<int> p;
  for (int i = 0; i < Positions->Count(); ++i) {
    if (Positions->GetInteger(i) < 1) throw EExtGridError("Fixed-width positions start at 1");
    p.push_back(Positions->GetInteger(i));
  }
  std::sort(p.begin(), p.end());
  return p;
}

template <typename F>
void WithHourglass(F Work) {
  const TCursor previous = Screen->Cursor();
  Screen->SetCursor(crHourGlass);
  auto restore = MakeScopeGuard([&] { Screen->SetCursor(previous); });
  Work();
}

}  // namespace

int TExtStringGrid::MaxColumnTextLength(int ARealCol) {
  size_t longest = 0;
  for (int r = 0; r < RowCount(); ++r)
    for (const std::string& line : MeasuredLines(ExportCellText(ARealCol, r), FMultilinecells))
      longest = std::max(longest, CharLength(line));
  return static_cast<int>(longest);
}

std::string TExtStringGrid::asciiLayout() {
  const int firstCol = FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
  const int firstRow = FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();
  const int lastCol = ColCount() - 1 + (FSaveHiddenCells ? FNumHidden : 0);
  struct TLayoutColumn {
    int Data;
    size_t Width, Offset;
  };
  std::vector<TLayoutColumn> cols;
  size_t offset = 0;
  for (int c = firstCol; c <= lastCol; ++c) {
    const int d = FSaveHiddenCells ? c : DisplToRealColumn(c);
    const size_t w = static_cast<size_t>(MaxColumnTextLength(d));
    cols.push_back({d, w, offset});
    offset += w + 1;
  }

  std::string out;
  ExportNotification(esExportStart, firstRow);
  for (int r = firstRow; r < RowCount(); ++r) {
    ExportNotification(esExportNextRow, r);
    std::string main;
    std::vector<std::string> extra;
    for (const TLayoutColumn& col : cols) {
      TAlignment ha = taLeftJustify;
      TVAlignment va = vtaTop;
      GetCellAlignment(col.Data, r, ha, va);
      const std::vector<std::string> pieces = MeasuredLines(ExportCellText(col.Data, r), FMultilinecells);
      for (size_t k = 1; k < pieces.size(); ++k) {
        if (extra.size() < k) extra.resize(k);
        PadTo(extra[k - 1], col.Offset);
        extra[k - 1] += AlignToWidth(pieces[k], col.Width, ha);
      }
      std::string piece = AlignToWidth(pieces[0], col.Width, ha);
      PadTo(piece, col.Width + 1);
      main += piece;
    }
    out += main + "\r\n";
    for (const std::string& line : extra) out += line + "\r\n";
  }
  ExportNotification(esExportDone, -1);
  return out;
}

void TExtStringGrid::SaveToASCII(const std::string& FileName, bool Unicode) {
  WithHourglass([&] { WriteFileAtomic(FileName, EncodeASCIIFile(asciiLayout(), Unicode)); });
}

void TExtStringGrid::AppendToASCII(const std::string& FileName, bool Unicode) {
  WithHourglass([&] {
    std::string text = std::filesystem::exists(FileName) ? ReadTextFile(FileName) : std::string();
    if (!text.empty() && text.back() != '\n') text += "\r\n";
    text += asciiLayout();
    WriteFileAtomic(FileName, EncodeASCIIFile(text, Unicode));
  });
}

std::string TExtStringGrid::fixedField(int ACol, int ARow) { return LineBreaksToBlanks(exportText(ACol, ARow)); }

void TExtStringGrid::SaveToFixed(const std::string& FileName, TIntList* Positions) {
  if (!Positions) throw EExtGridError("Fixed-width writing needs a list of field widths");
  const int first = SaveStartCol(), last = exportLastCol();
  for (int i = 0; i < Positions->Count(); ++i)
    if (Positions->GetInteger(i) < 0) throw EExtGridError("A fixed-width field cannot be narrower than 0 characters");
  for (int c = first + Positions->Count(); c <= last; ++c) {
    size_t longest = 0;
    for (int r = 0; r < RowCount(); ++r) longest = std::max(longest, CharLength(fixedField(c, r)));
    Positions->Add(static_cast<int>(longest) + 1);
  }

  std::string out;
  ExportNotification(esExportStart, SaveStartRow());
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    for (int c = first; c <= last; ++c) out += FitToWidth(fixedField(c, r), static_cast<size_t>(Positions->GetInteger(c - first)));
    out += "\r\n";
  }
  ExportNotification(esExportDone, -1);
  try {
    WriteFileAtomic(FileName, EncodeEightBitFile(out));
  } catch (const Exception& e) {
    throw EExtGridError("Cannot Create file " + FileName + " (" + e.Message() + ")");
  }
}

// The fields go straight from the text into the grid, no copy of them held.
void TExtStringGrid::LoadFromFixed(const std::string& FileName, TIntList* Positions, bool DoTrim, int MaxRows) {
  const std::vector<int> pos = ReadPositions(Positions);
  // A folder or a FIFO is not "not found": the guarded read says what it is.
  if (!PathExists(FileName)) throw EExtGridError("File " + FileName + " not found");
  const std::string text = ReadTextFile(FileName);
  std::vector<std::string_view> lines = SplitFileLines(text);
  const size_t wanted = MaxRows == -1 ? lines.size() : static_cast<size_t>(std::max(1, MaxRows));
  if (lines.size() > wanted) lines.resize(wanted);
  const size_t fields = pos.size() - 1;
  if (static_cast<long long>(lines.size()) * static_cast<long long>(fields) > kMaxImportCells)
    throw EExtGridError("The file " + FileName + " holds more than " + std::to_string(kMaxImportCells) + " cells, more than the grid takes");

  for (int i = 0; i < Positions->Count(); ++i) Positions->SetInteger(i, pos[static_cast<size_t>(i)]);
  const int startCol = SaveStartCol(), startRow = SaveStartRow();
  SetColCount(std::max(FixedCols(), startCol) + static_cast<int>(fields));
  const int needRows = startRow + static_cast<int>(lines.size());
  if (needRows > RowCount()) SetRowCount(needRows);
  for (size_t i = 0; i < lines.size(); ++i)
    for (size_t k = 0; k < fields; ++k) {
      std::string f = CharSlice(lines[i], static_cast<size_t>(pos[k] - 1), static_cast<size_t>(pos[k + 1] - pos[k]));
      ImportCellText(startCol + static_cast<int>(k), startRow + static_cast<int>(i), DoTrim ? Trim(f) : f);
    }
  CellsChanged(TRect{0, 0, ColCount(), RowCount()});
  AllFootersChanged();
}
