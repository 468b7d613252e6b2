// Fuzz target over the grid's file imports: the first byte of the input
// picks the XML, fixed-width, text-file or CSV import, the rest is the file.
// An import either fills the grid or raises one of the toolkit's exceptions
// with the grid left usable; the grid's size stays within the import limits.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "FuzzDisplay.h"
#include "grid/core/ExtGrid.h"
#include "grid/foundation/ExtObj.h"
#include "toolkit/rtl/FileUtils.h"

namespace {

const std::string& FilePath() {
  static const std::string path =
      (std::filesystem::temp_directory_path() / ("grid_imports_fuzz." + std::to_string(getpid()))).string();
  return path;
}

void Import(TExtStringGrid& Grid, uint8_t Which) {
  switch (Which % 4) {
    case 0: Grid.LoadFromXML(FilePath(), Which & 4, Which & 8); break;
    case 1: {
      TIntList positions(0, 0);
      for (int p : {1, 3, 4, 9}) positions.Add(p);
      Grid.LoadFromFixed(FilePath(), &positions, Which & 4, (Which & 8) ? 3 : -1);
      break;
    }
    case 2: Grid.LoadFromFile(FilePath()); break;
    default: Grid.LoadFromCSV(FilePath(), (Which & 8) ? 2 : 0); break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TFuzzDisplay display;
  if (size == 0) return 0;
  WriteFileAtomic(FilePath(), std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  TExtStringGrid grid(nullptr);
  try {
    Import(grid, data[0]);
  } catch (const Exception&) {
  }
  if (grid.ColCount() < 0 || grid.RowCount() < 0 || static_cast<long long>(grid.ColCount()) > 70000) std::abort();
  grid.SetCells(0, 0, "still usable");
  return 0;
}
