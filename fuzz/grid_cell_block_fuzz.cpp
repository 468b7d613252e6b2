// Fuzz target over the grid's binary cell stream reader, the way a pasted,
// dropped or opened block reaches it. A block either lands or raises
// EExtGridError; a refused block leaves every cell as it was.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzDisplay.h"
#include "grid/core/ExtGrid.h"
#include "toolkit/rtl/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TFuzzDisplay display;
  TExtStringGrid grid(nullptr);
  grid.SetColCount(4);
  grid.SetRowCount(4);
  grid.SetCells(1, 1, "before");
  TMemoryStream stream;
  if (size) stream.WriteBuffer(data, static_cast<int64_t>(size));
  stream.SetPosition(0);
  try {
    grid.LoadAtPointFromBinStream({1, 1}, &stream);
  } catch (const EExtGridError&) {
    if (grid.Cells(1, 1) != "before" || grid.ColCount() != 4 || grid.RowCount() != 4) std::abort();
  }
  grid.SetCells(0, 0, "still usable");
  return 0;
}
