#pragma once
// The records of the grid's binary cell stream: a header record for a
// rectangle of cells, then per cell its text record, optionally its
// properties record, its graphic record and the graphic's typed record
// (bitmap, icon, picture, file picture or string list). Each record is one
// object of the framework's object-stream form (toolkit/rtl/ObjectStream.h).
//
// Reading decodes a whole block into memory first, so that a caller can
// check it completely before a single cell of the grid changes.

#include <cstdint>
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

struct TGridCellBlock {
  TGridStreamHeader Header;
  std::vector<TGridStreamCell> Cells;
};

void WriteStreamHeader(std::string& Out, const TGridStreamHeader& Header);
// Props and Graphic may be null; a graphic that refers to an object the
// grid does not own is not written.
void WriteStreamCell(std::string& Out, int Col, int Row, const std::string& Text, const TCellProperties* Props,
                     const TCellGraphic* Graphic);

// Decodes a whole block. Raises EExtGridError for anything malformed: a
// missing or cut record, a value of the wrong type, a count that the data
// does not hold. A single byte after the last record is ignored.
TGridCellBlock ReadGridCellBlock(std::string_view Bytes);

// Overwrites Props with the stored values (the others stay); OwnerCol and
// OwnerRow become (ACol, ARow), and a merge span is limited to a grid of
// ColCount x RowCount.
void ApplyStreamedProperties(const std::vector<TStreamProperty>& Stored, TCellProperties& Props, int ACol,
                             int ARow, int ColCount, int RowCount);
