// The string grid's input paths over large grids: auto-sizing 20 columns of
// 100,000 rows, proportional thumbs over 100,000 rows of mixed heights while
// scrolling, paging down by key with painting, and mouse moves over HTML cells.

#include <benchmark/benchmark.h>

#include "HeadlessSession.h"

#include <random>

#include "grid/core/ExtGrid.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/WindowManager.h"

namespace {

TExtStringGrid* shownGrid(int Rows, int Cols) {
  auto* form = new TForm(Application);
  form->SetBounds(0, 0, 800, 600);
  auto* grid = new TExtStringGrid(form);
  grid->SetParent(form);
  grid->SetAlign(alClient);
  grid->SetColCount(Cols);
  grid->SetRowCount(Rows);
  form->Show();
  wm::PaintAll();
  return grid;
}

void BM_AutoSize20ColumnsOf100000Rows(benchmark::State& state) {
  HeadlessSession session;
  TExtStringGrid* grid = shownGrid(100000, 21);
  for (int r = 1; r < 100000; ++r)
    for (int c = 1; c < 21; ++c) grid->SetCells(c, r, std::string(1 + (r * 7 + c) % 23, 'x'));
  for (auto _ : state) {
    grid->AutoSizeColumns(false, 0);
    benchmark::DoNotOptimize(grid->ColWidths(20));
  }
  state.SetItemsProcessed(state.iterations() * 20 * 100000);
}
BENCHMARK(BM_AutoSize20ColumnsOf100000Rows)->Unit(benchmark::kMillisecond);

// Every scroll step brings the thumb up to date from the running totals; the
// totals are summed once after the heights changed, not once per step.
void BM_ProportionalThumb100000MixedRows(benchmark::State& state) {
  HeadlessSession session;
  TExtStringGrid* grid = shownGrid(100000, 5);
  {
    TGridUpdateLock lock(*grid);
    for (int r = 1; r < 100000; r += 3) grid->SetRowHeights(r, 18 + r % 29);
  }
  grid->SetScrollProportional(true);
  grid->UpdateVScrollProportional();
  std::mt19937 rnd(7);
  std::uniform_int_distribution<int> top(1, 99000);
  for (auto _ : state) {
    grid->SetTopRow(top(rnd));
    grid->UpdateVScrollProportional();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ProportionalThumb100000MixedRows)->Unit(benchmark::kMicrosecond);

void BM_PageDown100000RowsPainting(benchmark::State& state) {
  HeadlessSession session;
  TExtStringGrid* grid = shownGrid(100000, 8);
  for (int r = 1; r < 100000; r += 7) grid->SetCells(1, r, "row " + std::to_string(r));
  grid->SetFocus();
  int pages = 0;
  for (auto _ : state) {
    grid->MoveColRow(1, 1, true, true);
    pages = 0;
    while (grid->Row() < 99999 && pages < 10000) {
      grid->Perform(WM_KEYDOWN, VK_NEXT);
      wm::PaintAll();
      ++pages;
    }
    benchmark::DoNotOptimize(pages);
  }
  state.SetItemsProcessed(state.iterations() * pages);
}
BENCHMARK(BM_PageDown100000RowsPainting)->Unit(benchmark::kMillisecond);

// One page's paint on the same grid without moving: the yardstick of a
// page-down, which should cost no more than this.
void BM_RepaintOnePageOf100000Rows(benchmark::State& state) {
  HeadlessSession session;
  TExtStringGrid* grid = shownGrid(100000, 8);
  for (int r = 1; r < 100000; r += 7) grid->SetCells(1, r, "row " + std::to_string(r));
  grid->SetFocus();
  grid->MoveColRow(1, 50000, true, true);
  wm::PaintAll();
  for (auto _ : state) {
    grid->Invalidate();
    wm::PaintAll();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RepaintOnePageOf100000Rows)->Unit(benchmark::kMillisecond);

void BM_MouseMoves1000OverHTMLCells(benchmark::State& state) {
  HeadlessSession session;
  TExtStringGrid* grid = shownGrid(50, 8);
  grid->SetURLShow(true);
  for (int r = 1; r < 50; ++r)
    for (int c = 1; c < 8; ++c)
      grid->SetCells(c, r, "<b>" + std::to_string(r) + "</b> <a href=\"https://example.org/" + std::to_string(c) +
                               "\">link</a> <i>text</i>");
  std::mt19937 rnd(3);
  std::uniform_int_distribution<int> x(0, 700), y(0, 500);
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) grid->Perform(WM_MOUSEMOVE, 0, (y(rnd) << 16) | x(rnd));
    wm::PaintAll();
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_MouseMoves1000OverHTMLCells)->Unit(benchmark::kMillisecond);

}  // namespace
