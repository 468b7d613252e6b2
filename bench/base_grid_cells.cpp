// The base grid's hot paths: Cells read and written over a million cells,
// plain and with a property record in every cell (each read then resolves
// its record), and painting a 50 x 1000 grid through the paint frame, page
// by page, with and without merged ranges.

#include <benchmark/benchmark.h>

#include "HeadlessSession.h"

#include "grid/foundation/BaseGrid.h"
#include "platform/display/headless/HeadlessHost.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/WindowManager.h"
#include "toolkit/graphics/TextMetrics.h"

namespace {

using Session = HeadlessSession;

constexpr int kCols = 10;
constexpr int kRows = 100000;

void fill(TBaseGrid& Grid, bool WithProps) {
  Grid.SetColCount(kCols);
  Grid.SetRowCount(kRows);
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c) {
      Grid.SetCells(c, r, "cell");
      if (WithProps) Grid.GetCellProperties(c, r);
    }
}

void BM_WriteMillionCells(benchmark::State& state) {
  Session session;
  const bool props = state.range(0) != 0;
  for (auto _ : state) {
    TBaseGrid grid(nullptr);
    fill(grid, props);
    benchmark::DoNotOptimize(grid.Store().FilledCount());
  }
  state.SetItemsProcessed(state.iterations() * kCols * kRows);
}
BENCHMARK(BM_WriteMillionCells)->Arg(0)->Arg(1)->ArgNames({"props"})->Unit(benchmark::kMillisecond);

void BM_ReadMillionCells(benchmark::State& state) {
  Session session;
  TBaseGrid grid(nullptr);
  fill(grid, state.range(0) != 0);
  for (auto _ : state) {
    size_t total = 0;
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) total += grid.Cells(c, r).size();
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * kCols * kRows);
}
BENCHMARK(BM_ReadMillionCells)->Arg(0)->Arg(1)->ArgNames({"props"})->Unit(benchmark::kMillisecond);

// Rewrites every cell of a grid whose cells all have records (the redirect,
// the change hook and the repaint request of each write).
void BM_RewriteMillionCellsWithProps(benchmark::State& state) {
  Session session;
  TBaseGrid grid(nullptr);
  fill(grid, true);
  for (auto _ : state) {
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) grid.SetCells(c, r, "again");
  }
  state.SetItemsProcessed(state.iterations() * kCols * kRows);
}
BENCHMARK(BM_RewriteMillionCellsWithProps)->Unit(benchmark::kMillisecond);

TBaseGrid* shownGrid(bool Merged) {
  auto* form = new TForm(Application);
  form->SetBounds(0, 0, 800, 600);
  auto* grid = new TBaseGrid(form);
  grid->SetParent(form);
  grid->SetAlign(alClient);
  grid->SetColCount(50);
  grid->SetRowCount(1000);
  for (int r = 1; r < 1000; ++r) grid->SetCells(1 + r % 40, r, "row " + std::to_string(r));
  if (Merged)
    for (int r = 1; r + 1 < 1000; r += 4) grid->MergeCells(2 + r % 10, r, 3, 2);
  form->Show();
  wm::PaintAll();
  return grid;
}

void BM_Paint50x1000Frame(benchmark::State& state) {
  Session session;
  TBaseGrid* grid = shownGrid(state.range(0) != 0);
  for (auto _ : state) {
    grid->SetTopRow(1);
    int pages = 0;
    while (grid->TopRow() < grid->CalcMaxTopLeft().Y && pages < 200) {
      grid->Perform(WM_VSCROLL, SB_PAGEDOWN);
      wm::PaintAll();
      ++pages;
    }
    benchmark::DoNotOptimize(pages);
  }
}
BENCHMARK(BM_Paint50x1000Frame)->Arg(0)->Arg(1)->ArgNames({"merged"})->Unit(benchmark::kMillisecond);

}  // namespace
