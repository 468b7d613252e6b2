// Saving and loading 100,000 rows x 10 columns of the peer's cells as the
// grid's binary cell stream and as CSV: the stream to and from memory, CSV
// to and from a file in the temporary folder.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "HeadlessSession.h"
#include "PeerData.h"
#include "grid/core/ExtGrid.h"
#include "toolkit/rtl/Streams.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;

HeadlessSession& Session() {
  static HeadlessSession s;
  return s;
}

std::unique_ptr<TExtStringGrid> MakeGrid(bool Filled) {
  auto g = std::make_unique<TExtStringGrid>(nullptr);
  g->SetFixedRows(0);
  g->SetFixedCols(0);
  g->SetColCount(kCols);
  g->SetRowCount(kRows);
  if (!Filled) return g;
  TPeerData data;
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c) g->SetGridCell(c, r, data.cell(c % 5));
  return g;
}

std::string CsvPath() { return (std::filesystem::temp_directory_path() / "quelix_bench_grid.csv").string(); }

void BM_SaveBinStream(benchmark::State& state) {
  Session();
  auto g = MakeGrid(true);
  for (auto _ : state) {
    TMemoryStream s;
    g->SaveToBinStream(&s);
    state.counters["MB"] = static_cast<double>(s.Size()) / 1e6;
  }
}

void BM_LoadBinStream(benchmark::State& state) {
  Session();
  auto g = MakeGrid(true);
  TMemoryStream s;
  g->SaveToBinStream(&s);
  auto target = MakeGrid(false);
  for (auto _ : state) {
    s.SetPosition(0);
    target->LoadFromBinStream(&s);
  }
}

void BM_SaveCSV(benchmark::State& state) {
  Session();
  auto g = MakeGrid(true);
  for (auto _ : state) g->SaveToCSV(CsvPath());
  std::filesystem::remove(CsvPath());
}

void BM_LoadCSV(benchmark::State& state) {
  Session();
  auto g = MakeGrid(true);
  g->SaveToCSV(CsvPath());
  auto target = MakeGrid(false);
  for (auto _ : state) target->LoadFromCSV(CsvPath());
  std::filesystem::remove(CsvPath());
}

BENCHMARK(BM_SaveBinStream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBinStream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveCSV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadCSV)->Unit(benchmark::kMillisecond);

}  // namespace
