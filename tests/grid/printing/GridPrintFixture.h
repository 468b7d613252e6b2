#pragma once
// A grid on a form with a recording printer of 254 dots per inch installed,
// so that one printed dot is one layout unit of 0.1 mm, and a folder of its
// own for the files a test writes.

#include <cstdlib>
#include <filesystem>

#include "grid/core/GridCoreFixture.h"
#include "toolkit/graphics/Printers.h"
#include "toolkit/rtl/FileUtils.h"

class GridPrintTest : public ExtGridTest {
protected:
  void SetUp() override {
    ExtGridTest::SetUp();
    std::string pattern = (std::filesystem::temp_directory_path() / "gridprint-XXXXXX").string();
    folder = mkdtemp(pattern.data());
    auto rec = std::make_unique<TRecordingPrinter>(254, 100, 80);
    recorder = rec.get();
    previous = SetPrinter(std::move(rec));
    TPrintSettings* s = grid->PrintSettings();
    s->SetCentered(false);
    s->SetLeftSize(100);
    s->SetRightSize(100);
    s->SetHeaderSize(50);
    s->SetFooterSize(50);
    s->SetNoAutoSize(true);
    s->SetUseDisplayFont(false);
  }
  void TearDown() override {
    SetPrinter(std::move(previous));
    std::filesystem::remove_all(folder);
    ExtGridTest::TearDown();
  }
  std::string Path(const std::string& Name) const { return (folder / Name).string(); }
  // Cols x Rows cells holding "c<col>r<row>", no fixed cells.
  void Fill(int Cols, int Rows) {
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows);
    for (int c = 0; c < Cols; ++c)
      for (int r = 0; r < Rows; ++r) grid->SetCells(c, r, "c" + std::to_string(c) + "r" + std::to_string(r));
  }

  std::filesystem::path folder;
  TRecordingPrinter* recorder = nullptr;
  std::unique_ptr<TPrinter> previous;
};
