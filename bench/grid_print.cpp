// Printing a grid of 10,000 rows by 10 columns to a PDF file: counting pass,
// printing pass with headers, footers and borders, and the file written.
// Real font metrics, as on a desktop.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "HeadlessSession.h"

#include "grid/core/ExtGrid.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/graphics/Printers.h"
#include "toolkit/graphics/TextMetrics.h"

namespace {

void BM_PrintGridToPdf(benchmark::State& state) {
  HeadlessSession session;
  SetFixedTextMetrics(false);
  const int rows = int(state.range(0));
  auto* form = new TForm(Application);
  form->SetBounds(0, 0, 800, 600);
  auto* grid = new TExtStringGrid(form);
  grid->SetParent(form);
  grid->SetColCount(10);
  grid->SetRowCount(rows + 1);
  for (int c = 0; c < 10; ++c) grid->SetCells(c, 0, "Column " + std::to_string(c));
  for (int r = 1; r <= rows; ++r)
    for (int c = 0; c < 10; ++c) grid->SetCells(c, r, c % 2 ? std::to_string(r * 31 + c) : "Cell " + std::to_string(r));
  TPrintSettings* s = grid->PrintSettings();
  s->SetRepeatFixedRows(true);
  s->SetPageNr(ppBottomRight);
  s->SetTitle(ppTopCenter);
  s->SetTitleText("Benchmark");
  s->SetJobName("Benchmark");
  const std::string path = (std::filesystem::temp_directory_path() / "quelix-bench-print.pdf").string();
  Printer()->SetOutputFileName(path);
  for (auto _ : state) grid->Print();
  state.counters["pages"] = grid->PrintNrOfPages;
  state.counters["bytes"] = double(std::filesystem::file_size(path));
  state.SetItemsProcessed(int64_t(state.iterations()) * rows * 10);
  std::filesystem::remove(path);
  delete form;
}
BENCHMARK(BM_PrintGridToPdf)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
