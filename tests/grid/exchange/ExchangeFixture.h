#pragma once
// A grid without fixed cells on a form, and a folder of its own for files.

#include "grid/core/GridCoreFixture.h"
#include "toolkit/rtl/FileUtils.h"

#include <cstdlib>
#include <filesystem>

class ExchangeTest : public ExtGridTest {
protected:
  void SetUp() override {
    ExtGridTest::SetUp();
    std::string pattern = (std::filesystem::temp_directory_path() / "gridfiles-XXXXXX").string();
    folder = mkdtemp(pattern.data());
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
  }
  void TearDown() override {
    std::filesystem::remove_all(folder);
    ExtGridTest::TearDown();
  }
  std::string Path(const std::string& Name) const { return (folder / Name).string(); }
  std::string Read(const std::string& Name) const { return ReadFileBytes(Path(Name)); }
  void Write(const std::string& Name, const std::string& Bytes) const { WriteFileAtomic(Path(Name), Bytes); }
  void Fill(int Cols, int Rows, std::initializer_list<std::tuple<int, int, std::string>> Cells) {
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows);
    for (auto& [c, r, t] : Cells) grid->SetCells(c, r, t);
  }

  std::filesystem::path folder;
};
