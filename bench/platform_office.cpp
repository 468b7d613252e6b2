// The office readers under the grid's workbook and document exchange, on
// the crafted files of HostileFiles.h: reading one sheet of the workbook
// bomb, listing its sheets, opening the document bomb. Each reports the
// process's peak resident memory; run one per process for its own peak.

#include <benchmark/benchmark.h>

#include <string>

#include "HostileFiles.h"

namespace {

using namespace platform::office;

const std::string& Bomb() {
  static const std::string bytes = platform::ReadFileGuarded(hostile::WorkbookBombFile());
  return bytes;
}

void Report(benchmark::State& state, const std::string& Bytes) {
  state.counters["file_KB"] = static_cast<double>(Bytes.size()) / 1024.0;
  state.counters["peak_MB"] = hostile::PeakMB();
}

void BM_XlsxReadOneBombSheet(benchmark::State& state) {
  Bomb();
  for (auto _ : state) {
    XlsxWorkbook wb = XlsxWorkbook::FromBytes(Bomb());
    benchmark::DoNotOptimize(wb.Cells(wb.ActiveSheet()).size());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 4'000'000);
  Report(state, Bomb());
}

void BM_XlsxListBombSheets(benchmark::State& state) {
  Bomb();
  for (auto _ : state) {
    XlsxWorkbook wb = XlsxWorkbook::FromBytes(Bomb());
    for (int i = 0; i < wb.SheetCount(); ++i) benchmark::DoNotOptimize(wb.SheetName(i).size());
  }
  Report(state, Bomb());
}

void BM_DocxOpenBomb(benchmark::State& state) {
  static const std::string bytes = platform::ReadFileGuarded(hostile::DocumentBombFile());
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(DocxDocument::FromBytes(bytes).BlockCount());
    } catch (const OfficeFileError& e) {
      state.SetLabel(std::string("refused: ") + e.what());
    }
  }
  Report(state, bytes);
}

BENCHMARK(BM_XlsxReadOneBombSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XlsxListBombSheets)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DocxOpenBomb)->Unit(benchmark::kMillisecond);

}  // namespace
