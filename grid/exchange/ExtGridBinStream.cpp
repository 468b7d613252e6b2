// The grid's binary cell stream: a rectangle of cells with their
// properties and graphics, to files, streams, the clipboard and drags.
//
// A block is checked whole before the grid changes, so a malformed or cut
// block leaves every cell as it was.

#include "grid/core/ExtGrid.h"
#include "grid/exchange/GridCellStream.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/Streams.h"

#include <algorithm>
#include <cmath>

namespace {

// The bytes from the stream's position to its end: seen in place in a
// memory stream, read into Buffer from any other.
std::string_view StreamRest(TStream& Stream, std::string& Buffer) {
  const int64_t start = Stream.Position();
  if (auto* memory = dynamic_cast<TCustomMemoryStream*>(&Stream)) {
    const int64_t size = memory->Size();
    if (start >= size) return {};
    return std::string_view(reinterpret_cast<const char*>(memory->Memory()) + start, static_cast<size_t>(size - start));
  }
  const std::vector<uint8_t> bytes = Stream.ReadAll();
  Buffer.assign(bytes.begin(), bytes.end());
  return Buffer;
}

}  // namespace

int64_t TExtStringGrid::cellStreamID() {
  return HandleAllocated() ? static_cast<int64_t>(reinterpret_cast<intptr_t>(Handle())) : 0;
}

bool TExtStringGrid::coversWholeGrid(const TGridRect& R) const {
  const int cols = R.Right - R.Left + 1, rows = R.Bottom - R.Top + 1;
  if (SaveFixedCells()) return cols == ColCount() && rows == RowCount();
  return cols == ColCount() - FixedCols() && rows == RowCount() - FixedRows();
}

void TExtStringGrid::writeCellBlock(const TGridRect& R, const std::function<void(std::string_view Piece)>& Sink) {
  if (R.Right > MaxStreamCellIndex || R.Bottom > MaxStreamCellIndex)
    throw EExtGridError("Cells beyond column or row " + std::to_string(MaxStreamCellIndex) +
                        " cannot be stored in the binary cell format");
  TGridStreamHeader header;
  header.ColCount = std::max(0, R.Right - R.Left + 1);
  header.RowCount = std::max(0, R.Bottom - R.Top + 1);
  header.FullGrid = coversWholeGrid(R);
  header.ID = cellStreamID();
  for (int c = R.Left; c <= R.Right; ++c) header.ColWidths.push_back(ColWidths(c));
  for (int r = R.Top; r <= R.Bottom; ++r) header.RowHeights.push_back(RowHeights(r));
  // Handed on in pieces, so that a large block is never held twice.
  constexpr size_t kPiece = 64 * 1024;
  std::string out;
  out.reserve(2 * kPiece);
  WriteStreamHeader(out, header);
  ExportNotification(esExportStart, R.Top);
  int last = -1;
  for (int r = R.Top; r <= R.Bottom; ++r) {
    ExportNotification(esExportNextRow, r);
    for (int c = R.Left; c <= R.Right; ++c) {
      const int real = DisplToRealColumn(c);
      const TCellProperties* props = HasCellProperties(real, r) ? GetCellProperties(real, r) : nullptr;
      WriteStreamCell(out, c, r, GetCellEx(real, r), props, props ? GetCellGraphic(real, r) : nullptr);
    }
    if (out.size() >= kPiece) {
      Sink(out);
      out.clear();
    }
    fileProgress(static_cast<int>(std::lround(100.0 * (r - R.Top) / std::max(1, R.Bottom - R.Top))), last);
  }
  if (!out.empty()) Sink(out);
  ExportNotification(esExportDone, -1);
}

std::string TExtStringGrid::cellBlock(const TGridRect& R) {
  std::string all;
  writeCellBlock(R, [&all](std::string_view Piece) { all += Piece; });
  return all;
}

void TExtStringGrid::SaveRectToBinStream(const TGridRect& R, TStream* Stream) {
  writeCellBlock(R, [Stream](std::string_view Piece) {
    Stream->WriteBuffer(Piece.data(), static_cast<int64_t>(Piece.size()));
  });
}

void TExtStringGrid::SaveToBinStream(TStream* Stream) {
  SaveRectToBinStream({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, Stream);
}

void TExtStringGrid::SaveToBinFile(const std::string& FileName) {
  // Gathered in a memory stream, whose room grows without copying, then
  // written whole: a refused block leaves the file as it was.
  TMemoryStream block;
  SaveToBinStream(&block);
  WriteFileAtomic(FileName, block.Bytes());
}

void TExtStringGrid::LoadAtPointFromBinStream(const TPoint& Point, TStream* Stream) {
  const int64_t start = Stream->Position();
  std::string buffer;
  const std::string_view bytes = StreamRest(*Stream, buffer);
  TGridCellBlock block(bytes);
  placeCellBlock(Point, block);
  Stream->SetPosition(start + static_cast<int64_t>(bytes.size()));
}

void TExtStringGrid::placeCellBlock(const TPoint& Point, TGridCellBlock& Block) {
  const TGridStreamHeader& h = Block.Header;
  TPoint origin{0, 0};
  if (!h.FullGrid && !Block.Empty()) origin = {Block.FirstCol, Block.FirstRow};
  if (h.FullGrid) sizeForFullBlock(Point, Block);
  int last = -1, lastRow = -1;
  Block.ForEachCell([&](const TGridStreamCell& cell) {
    const int col = Point.X + cell.Col - origin.X, row = Point.Y + cell.Row - origin.Y;
    // A block larger than the grid keeps only what fits; the paste grows the grid first when it may.
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return;
    const bool rowStarts = row != lastRow;
    if (rowStarts) {
      // The row's texts up to its last filled one get their room at once.
      const int filledTo = Point.X + Block.FilledTo(cell.Row) - 1 - origin.X;
      if (Block.FilledTo(cell.Row) > 0 && filledTo >= 0 && filledTo < ColCount())
        Store().ReserveRow(row, DisplToRealColumn(filledTo) + 1);
    }
    const int real = DisplToRealColumn(col);
    SetCellEx(real, row, cell.Text);
    if (rowStarts) {
      lastRow = row;
      fileProgress(static_cast<int>(std::lround(100.0 * row / std::max(1, RowCount()))), last);
    }
    if (!cell.HasProp) return;
    ApplyStreamedProperties(cell.Properties, *GetCellProperties(real, row), real, row, AllColCount(), RowCount());
    if (cell.Graphic) placeCellGraphic(real, row, *cell.Graphic);
  });
}

void TExtStringGrid::sizeForFullBlock(const TPoint& Point, const TGridCellBlock& Block) {
  const TGridStreamHeader& h = Block.Header;
  Clear();
  // The block's cells keep the indexes they had; a grid saved without its
  // fixed cells still needs room for all of them.
  const int rows = Block.Empty() ? h.RowCount : std::max(h.RowCount, Point.Y + Block.LastRow + 1);
  const int cols = Block.Empty() ? h.ColCount : std::max(h.ColCount, Point.X + Block.LastCol + 1);
  if (rows > 0) SetRowCount(rows);
  if (cols > 0) SetColCount(cols);
  for (size_t c = 0; c < h.ColWidths.size() && static_cast<int>(c) < ColCount(); ++c)
    SetColWidths(static_cast<int>(c), h.ColWidths[c]);
  for (size_t r = 0; r < h.RowHeights.size() && static_cast<int>(r) < RowCount(); ++r)
    SetRowHeights(static_cast<int>(r), h.RowHeights[r]);
}

void TExtStringGrid::placeCellGraphic(int ARealCol, int ARow, const TCellGraphic& Source) {
  TCellGraphic* g = CreateCellGraphic(ARealCol, ARow);
  g->Assign(&Source);
  if (Source.CellType != ctImages || !Source.IntList()) return;
  // A list of this cell's own, which tells the grid when its images change.
  const TIntList* images = Source.IntList();
  g->SetMultiImage(ARealCol, ARow, Source.CellBoolean ? 0 : 1, Source.CellHAlign, Source.CellVAlign,
                   [this](TObject*, int c, int r) { MultiImageChanged(c, r); });
  for (int i = 0; i < images->Count(); ++i) g->IntList()->Insert(i, images->GetInteger(i));
}

void TExtStringGrid::LoadFromBinStream(TStream* Stream) {
  LoadAtPointFromBinStream({0, 0}, Stream);
  recountNodes();
}

void TExtStringGrid::LoadFromBinFile(const std::string& FileName) {
  const std::string bytes = ReadFileBytes(FileName);
  TGridCellBlock block(bytes);
  placeCellBlock({0, 0}, block);
  recountNodes();
}

void TExtStringGrid::recountNodes() {
  int nodes = 0;
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (GetCellType(0, r) == ctNode) ++nodes;
  FNumNodes = nodes;
  if (nodes > 0) RepaintCol(0);
}
