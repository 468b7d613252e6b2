// Saving and loading 100,000 rows x 10 columns of the peer's cells as CSV,
// to and from a file in the temporary folder, and as the grid's binary cell
// stream to and from memory. The stream keeps cell positions in 16 bits, so
// it holds rows 0 to 65535 at most: its benchmarks use those 65,536 rows.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "HeadlessSession.h"
#include "PeerData.h"
#include "grid/core/ExtGrid.h"
#include "grid/exchange/GridCellStream.h"
#include "toolkit/rtl/Streams.h"

namespace {

constexpr int kRows = 100000;
constexpr int kStreamRows = MaxStreamCellIndex + 1;
constexpr int kCols = 10;

HeadlessSession& Session() {
  static HeadlessSession s;
  return s;
}

std::unique_ptr<TExtStringGrid> MakeGrid(bool Filled, int Rows = kRows) {
  auto g = std::make_unique<TExtStringGrid>(nullptr);
  g->SetFixedRows(0);
  g->SetFixedCols(0);
  g->SetColCount(kCols);
  g->SetRowCount(Rows);
  if (!Filled) return g;
  TPeerData data;
  for (int r = 0; r < Rows; ++r)
    for (int c = 0; c < kCols; ++c) g->SetGridCell(c, r, data.cell(c % 5));
  return g;
}

std::string CsvPath() { return (std::filesystem::temp_directory_path() / "quelix_bench_grid.csv").string(); }

// Cells per second, comparable between the stream's rows and CSV's.
void CountCells(benchmark::State& state, int Rows) {
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * Rows * kCols);
}

void BM_SaveBinStream(benchmark::State& state) {
  Session();
  auto g = MakeGrid(true, kStreamRows);
  for (auto _ : state) {
    TMemoryStream s;
    g->SaveToBinStream(&s);
    state.counters["MB"] = static_cast<double>(s.Size()) / 1e6;
  }
  CountCells(state, kStreamRows);
}

void BM_LoadBinStream(benchmark::State& state) {
  Session();
  auto g = MakeGrid(true, kStreamRows);
  TMemoryStream s;
  g->SaveToBinStream(&s);
  auto target = MakeGrid(false, kStreamRows);
  for (auto _ : state) {
    s.SetPosition(0);
    target->LoadFromBinStream(&s);
  }
  CountCells(state, kStreamRows);
}

void BM_SaveCSV(benchmark::State& state) {
  Session();
  auto g = MakeGrid(true);
  for (auto _ : state) g->SaveToCSV(CsvPath());
  CountCells(state, kRows);
  std::filesystem::remove(CsvPath());
}

void BM_LoadCSV(benchmark::State& state) {
  Session();
  auto g = MakeGrid(true);
  g->SaveToCSV(CsvPath());
  auto target = MakeGrid(false);
  for (auto _ : state) target->LoadFromCSV(CsvPath());
  CountCells(state, kRows);
  std::filesystem::remove(CsvPath());
}

BENCHMARK(BM_SaveBinStream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBinStream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveCSV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadCSV)->Unit(benchmark::kMillisecond);

}  // namespace
