// The string grid's hot paths: cells written and read through the grid,
// the fill of the peer benchmark's 100,000 x 5 cells into a grid on a shown
// form and into one without a parent, hiding and restoring half of 100,000
// rows, the real/displayed mappings with many hidden rows and columns, the
// invalidation of a cell out of view, moving and permuting rows, and the
// memory of a million short cells.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <numeric>
#include <string>
#include <vector>

#include "HeadlessSession.h"
#include "PeerData.h"

#include "grid/core/ExtGrid.h"

namespace {

using Session = HeadlessSession;

constexpr int kPeerRows = 100000;
constexpr int kPeerCols = 5;

void peerFill(TExtStringGrid& Grid) {
  TPeerData data;
  Grid.SetColCount(kPeerCols);
  Grid.SetRowCount(kPeerRows);
  for (int r = 0; r < kPeerRows; ++r)
    for (int c = 0; c < kPeerCols; ++c) Grid.SetCells(c, r, data.cell(c));
}

// Filling the peer's cells: on a shown form (arg 1) and without a parent.
void BM_PeerFill(benchmark::State& state) {
  Session session;
  const bool shown = state.range(0) != 0;
  TForm* form = nullptr;
  if (shown) {
    form = new TForm(Application);
    form->SetBounds(0, 0, 800, 600);
    form->Show();
  }
  for (auto _ : state) {
    TExtStringGrid grid(nullptr);
    if (form) {
      grid.SetParent(form);
      grid.SetBounds(0, 0, 780, 580);
    }
    peerFill(grid);
    benchmark::DoNotOptimize(grid.Store().FilledCount());
    grid.SetParent(nullptr);
  }
  state.SetItemsProcessed(state.iterations() * kPeerRows * kPeerCols);
  delete form;
}
BENCHMARK(BM_PeerFill)->Arg(0)->Arg(1)->ArgNames({"shown"})->Unit(benchmark::kMillisecond);

constexpr int kCols = 10;
constexpr int kRows = 100000;

void BM_WriteReadMillionCells(benchmark::State& state) {
  Session session;
  TExtStringGrid grid(nullptr);
  grid.SetColCount(kCols);
  grid.SetRowCount(kRows);
  for (auto _ : state) {
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) grid.SetCells(c, r, "cell");
    size_t total = 0;
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) total += grid.Cells(c, r).size();
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * 2 * kCols * kRows);
}
BENCHMARK(BM_WriteReadMillionCells)->Unit(benchmark::kMillisecond);

// Heap bytes per cell of what Fill puts into a new grid.
template <typename Fill>
void heapPerCell(benchmark::State& state, int Cells, Fill F) {
  Session session;
  double perCell = 0;
  for (auto _ : state) {
    size_t before = mallinfo2().uordblks;
    TExtStringGrid grid(nullptr);
    F(grid);
    perCell = double(mallinfo2().uordblks - before) / Cells;
  }
  state.counters["bytes_per_cell"] = perCell;
}

void BM_MillionShortCellsMemory(benchmark::State& state) {
  heapPerCell(state, kCols * kRows, [](TExtStringGrid& grid) {
    grid.SetColCount(kCols);
    grid.SetRowCount(kRows);
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) grid.SetCells(c, r, "cell");
  });
}
BENCHMARK(BM_MillionShortCellsMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// The peer's 500,000 cells, beside the peer's model measured with a heap
// profiler (bench/README.md).
void BM_PeerFillMemory(benchmark::State& state) { heapPerCell(state, kPeerRows * kPeerCols, peerFill); }
BENCHMARK(BM_PeerFillMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

void filledRows(TExtStringGrid& Grid, int Rows) {
  Grid.SetColCount(kPeerCols);
  Grid.SetRowCount(Rows);
  for (int r = 0; r < Rows; ++r) Grid.SetCells(1, r, std::to_string(r));
}

// Hides every other row of 100,000 as one filter level, then restores them.
void BM_HideUnhideHalfOfRows(benchmark::State& state) {
  Session session;
  TExtStringGrid grid(nullptr);
  filledRows(grid, kRows);
  TIntList half(0, 0);
  for (int r = 1; r < kRows; r += 2) half.Add(r);
  for (auto _ : state) {
    grid.HideRowList(&half);
    grid.UnHideRowList();
    grid.SetFilterLevel(0);
  }
  state.SetItemsProcessed(state.iterations() * kRows / 2);
}
BENCHMARK(BM_HideUnhideHalfOfRows)->Unit(benchmark::kMillisecond);

void BM_RowIndexMapping(benchmark::State& state) {
  Session session;
  TExtStringGrid grid(nullptr);
  filledRows(grid, kRows);
  TIntList half(0, 0);
  for (int r = 1; r < kRows; r += 2) half.Add(r);
  grid.HideRowList(&half);
  for (auto _ : state) {
    long sum = 0;
    for (int d = 0; d < grid.RowCount(); ++d) sum += grid.RealRowIndex(d);
    for (int r = 0; r < kRows; ++r) sum += grid.DisplRowIndex(r);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * (kRows + kRows / 2));
}
BENCHMARK(BM_RowIndexMapping)->Unit(benchmark::kMillisecond);

void BM_ColIndexMapping(benchmark::State& state) {
  Session session;
  TExtStringGrid grid(nullptr);
  grid.SetColCount(400);
  for (int c = 10; c < 210; c += 2) grid.HideColumn(c);
  for (auto _ : state) {
    long sum = 0;
    for (int d = 0; d < grid.ColCount(); ++d) sum += grid.RealColIndex(d);
    for (int r = 0; r < grid.AllColCount(); ++r) sum += grid.DisplColIndex(r);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * (grid.ColCount() + grid.AllColCount()));
}
BENCHMARK(BM_ColIndexMapping);

// One cell far below the view invalidated: the same cost for 1,000 and
// 1,000,000 rows.
void BM_InvalidateOutOfView(benchmark::State& state) {
  Session session;
  auto* form = new TForm(Application);
  form->SetBounds(0, 0, 800, 600);
  form->Show();
  auto* grid = new TExtStringGrid(form);
  grid->SetParent(form);
  grid->SetBounds(0, 0, 780, 580);
  grid->SetRowCount(static_cast<int>(state.range(0)));
  int row = grid->RowCount() - 2;
  for (auto _ : state) grid->InvalidateCell(2, row);
  delete form;
}
BENCHMARK(BM_InvalidateOutOfView)->Arg(1000)->Arg(1000000)->ArgNames({"rows"});

// Moving the first of 100,000 rows to the end moves row pointers, not cells.
void BM_MoveRowToEnd(benchmark::State& state) {
  Session session;
  TExtStringGrid grid(nullptr);
  filledRows(grid, kRows);
  for (auto _ : state) grid.MoveRow(1, kRows - 1);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MoveRowToEnd)->Unit(benchmark::kMicrosecond);

// Reversing 100,000 rows through a permutation, as a sort would apply one.
void BM_PermuteRows(benchmark::State& state) {
  Session session;
  TExtStringGrid grid(nullptr);
  grid.SetColCount(kPeerCols);
  grid.SetRowCount(kRows);
  TPeerData data;
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kPeerCols; ++c) grid.SetCells(c, r, data.cell(c));
  std::vector<int> order(kRows);
  std::iota(order.rbegin(), order.rend(), 0);
  for (auto _ : state) grid.Store().PermuteRows(0, order);
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_PermuteRows)->Unit(benchmark::kMillisecond);

}  // namespace
