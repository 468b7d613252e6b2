#pragma once
// The records of the grid's binary cell stream: a header record for a
// rectangle of cells, then per cell its text record, optionally its
// properties record, its graphic record and the graphic's typed record
// (bitmap, icon, picture, file picture or string list). Each record is one
// object of the framework's object-stream form (toolkit/rtl/ObjectStream.h).
//
// Reading checks a whole block first, so that a caller can refuse it before
// a single cell of the grid changes, and then walks it again to place the
// cells: the check keeps nothing per plain cell.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "grid/core/CellGraphic.h"
#include "toolkit/rtl/ObjectStream.h"

class TCellProperties;

// Col and Row of a cell record are 16-bit.
constexpr int MaxStreamCellIndex = 65535;

struct TGridStreamHeader {
  int ColCount = 0;
  int RowCount = 0;
  std::vector<int> ColWidths;
  std::vector<int> RowHeights;
  bool FullGrid = false;
  int64_t ID = 0;
};

struct TGridStreamCell {
  int Col = 0;
  int Row = 0;
  std::string Text;
  // The stored properties of the cell, checked; applied with ApplyStreamedProperties.
  bool HasProp = false;
  std::vector<TStreamProperty> Properties;
  // The cell's graphic with its objects, owned here; nullptr when none.
  std::unique_ptr<TCellGraphic> Graphic;
};

// A block checked whole. Cells with properties are kept as read; plain cells
// (a text and nothing else) are read again in place when the block is walked,
// and the few others read again by the full reader.
struct TGridCellBlock {
  // Raises EExtGridError for anything malformed: a missing or cut record, a
  // value of the wrong type, a count that the data does not hold. A single
  // byte after the last record is ignored. Bytes must outlive the block.
  explicit TGridCellBlock(std::string_view Bytes);

  TGridStreamHeader Header;
  // Col and Row of the first cell record, and the largest of any.
  int FirstCol = 0, FirstRow = 0;
  int LastCol = -1, LastRow = -1;
  bool Empty() const { return FCount == 0; }
  // One past the column of the last cell with a text in row ARow of the
  // writing grid; 0 when the row has none.
  int FilledTo(int ARow) const;
  // Every cell in stream order; the cell handed on lives for the call only.
  void ForEachCell(const std::function<void(const TGridStreamCell& Cell)>& Visit) const;

private:
  struct TKeptCell {
    size_t Begin = 0, End = 0;  // where its records lie in the bytes
    TGridStreamCell Cell;       // as read when it has properties
  };
  void note(int Col, int Row, bool HasText);
  std::string_view FBytes;
  size_t FCellsFrom = 0;
  size_t FCount = 0;
  std::vector<TKeptCell> FKept;
  std::vector<uint32_t> FFilledTo;
};

void WriteStreamHeader(std::string& Out, const TGridStreamHeader& Header);
// Props and Graphic may be null; a graphic that refers to an object the
// grid does not own is not written.
void WriteStreamCell(std::string& Out, int Col, int Row, const std::string& Text, const TCellProperties* Props,
                     const TCellGraphic* Graphic);

// Overwrites Props with the stored values (the others stay); OwnerCol and
// OwnerRow become (ACol, ARow), and a merge span is limited to a grid of
// ColCount x RowCount.
void ApplyStreamedProperties(const std::vector<TStreamProperty>& Stored, TCellProperties& Props, int ACol,
                             int ARow, int ColCount, int RowCount);
