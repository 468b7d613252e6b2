// The base string grid's hot paths: filling a million cells, paging through a
// 100,000-row grid with painting, and CellRect/MouseToCell over random points.

#include <benchmark/benchmark.h>

#include "HeadlessSession.h"

#include <random>

#include "platform/display/headless/HeadlessHost.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/WindowManager.h"
#include "toolkit/graphics/TextMetrics.h"
#include "toolkit/grids/Grids.h"

namespace {

using Session = HeadlessSession;

TStringGrid* shownGrid(int Rows, int Cols) {
  auto* form = new TForm(Application);
  form->SetBounds(0, 0, 800, 600);
  auto* grid = new TStringGrid(form);
  grid->SetParent(form);
  grid->SetAlign(alClient);
  grid->SetRowCount(Rows);
  grid->SetColCount(Cols);
  form->Show();
  wm::PaintAll();
  return grid;
}

void BM_SetMillionCells(benchmark::State& state) {
  Session session;
  for (auto _ : state) {
    TStringGrid grid(nullptr);
    grid.SetColCount(10);
    grid.SetRowCount(100000);
    for (int r = 0; r < 100000; ++r)
      for (int c = 0; c < 10; ++c) grid.SetCells(c, r, "cell");
    benchmark::DoNotOptimize(grid.Store().FilledCount());
  }
  state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_SetMillionCells)->Unit(benchmark::kMillisecond);

void BM_PageThrough100000RowsPainting(benchmark::State& state) {
  Session session;
  TStringGrid* grid = shownGrid(100000, 8);
  for (int r = 0; r < 100000; r += 7) grid->SetCells(1, r, "row " + std::to_string(r));
  for (auto _ : state) {
    grid->SetTopRow(1);
    int pages = 0;
    while (grid->TopRow() < grid->CalcMaxTopLeft().Y && pages < 2000) {
      grid->Perform(WM_VSCROLL, SB_PAGEDOWN);
      wm::PaintAll();
      ++pages;
    }
    benchmark::DoNotOptimize(pages);
  }
}
BENCHMARK(BM_PageThrough100000RowsPainting)->Unit(benchmark::kMillisecond);

void BM_MouseToCellAndCellRect(benchmark::State& state) {
  Session session;
  TStringGrid* grid = shownGrid(1000, 20);
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> x(0, grid->ClientWidth() - 1), y(0, grid->ClientHeight() - 1);
  std::vector<TPoint> points(10000);
  for (TPoint& p : points) p = {x(rng), y(rng)};
  for (auto _ : state) {
    long sum = 0;
    for (const TPoint& p : points) {
      int c = 0, r = 0;
      grid->MouseToCell(p.X, p.Y, c, r);
      sum += grid->CellRect(c, r).Left;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_MouseToCellAndCellRect)->Unit(benchmark::kMillisecond);

}  // namespace
