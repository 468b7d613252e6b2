// Large and crafted files through the grid's imports (HostileFiles.h): time
// and peak resident memory of loading the workbook bomb's active sheet,
// listing its sheet names, appending to the document bomb, and loading a CSV
// of 5,000,000 short cells (about 29 MB).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "HeadlessSession.h"
#include "HostileFiles.h"
#include "grid/core/ExtGrid.h"
#include "toolkit/rtl/FileUtils.h"
#include "toolkit/rtl/StringList.h"

namespace {

HeadlessSession& Session() {
  static HeadlessSession s;
  return s;
}

std::string TempPath(const std::string& Name) { return (std::filesystem::temp_directory_path() / Name).string(); }

const std::string& WorkbookBomb() {
  static const std::string path = hostile::WorkbookBombFile();
  return path;
}

void Report(benchmark::State& state, const std::string& File) {
  state.counters["file_KB"] = static_cast<double>(std::filesystem::file_size(File)) / 1024.0;
  state.counters["peak_MB"] = hostile::PeakMB();
}

void BM_LoadXLSBomb(benchmark::State& state) {
  Session();
  const std::string& file = WorkbookBomb();
  for (auto _ : state) {
    auto g = std::make_unique<TExtStringGrid>(nullptr);
    try {
      g->LoadFromXLS(file);
      state.counters["cells"] = static_cast<double>(g->ColCount()) * g->RowCount();
    } catch (const std::exception& e) {
      state.SetLabel(std::string("refused: ") + e.what());
    }
  }
  Report(state, file);
}

void BM_GetXLSSheetsBomb(benchmark::State& state) {
  Session();
  const std::string& file = WorkbookBomb();
  auto g = std::make_unique<TExtStringGrid>(nullptr);
  for (auto _ : state) benchmark::DoNotOptimize(g->GetXLSSheets(file)->Count());
  Report(state, file);
}

void BM_AppendToDocBomb(benchmark::State& state) {
  Session();
  static const std::string file = hostile::DocumentBombFile();
  auto g = std::make_unique<TExtStringGrid>(nullptr);
  g->SetColCount(3);
  g->SetRowCount(3);
  for (auto _ : state) {
    try {
      g->AppendToDoc(file, "");
    } catch (const std::exception& e) {
      state.SetLabel(std::string("refused: ") + e.what());
    }
  }
  Report(state, file);
}

// 5,000,000 short cells: Arg 0 the case the limit was set for (numbers of
// four to six digits, 29 MB), Arg 1 cells of one to three digits (15 MB).
void BM_LoadCSVShortCells(benchmark::State& state) {
  Session();
  const bool tiny = state.range(0) == 1;
  const std::string file = TempPath(tiny ? "quelix_bench_short3.csv" : "quelix_bench_short29.csv");
  if (!std::filesystem::exists(file)) {
    const std::string row = tiny ? "1,22,333,4,55,666,7,88,999,0\r\n" : "100000,22222,33333,44444,55555,66666,7777,8888,9999,1234\r\n";
    std::string text;
    text.reserve(row.size() * 500000);
    for (int r = 0; r < 500000; ++r) text += row;
    WriteFileAtomic(file, text);
  }
  for (auto _ : state) {
    auto g = std::make_unique<TExtStringGrid>(nullptr);
    g->LoadFromCSV(file);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 5'000'000);
  Report(state, file);
}

BENCHMARK(BM_LoadXLSBomb)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_GetXLSSheetsBomb)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendToDocBomb)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LoadCSVShortCells)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
