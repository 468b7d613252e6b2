// Data operations of the string grid on 100,000 rows x 5 columns, filled
// exactly as ../shared/peers/qt_grid_bench.cpp fills its model (same
// generator, same words), so the figures can be set beside the peer's:
// sort by the text column, the wildcard filter on column 3, removing the
// checked rows; also a 3-key indexed sort of 100,000 x 10, typing a filter
// of 5 characters and taking it back, recalculating 5 column sums, grouping
// into 1,000 groups and the floating footer's row over 5 columns.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "HeadlessSession.h"
#include "PeerData.h"
#include "grid/core/ExtGrid.h"

namespace {

constexpr int kRows = 100000;

// One fixed row above the data, as the editors' grids have.
std::unique_ptr<TExtStringGrid> MakeGrid(int Cols) {
  auto g = std::make_unique<TExtStringGrid>(nullptr);
  g->SetColCount(Cols);
  g->SetRowCount(kRows + 1);
  g->SetFixedRows(1);
  TPeerData data;
  for (int r = 1; r <= kRows; ++r)
    for (int c = 0; c < Cols; ++c) g->SetGridCell(c, r, data.cell(c % 5));
  return g;
}

HeadlessSession& Session() {
  static HeadlessSession s;
  return s;
}

void BM_SortTextColumn(benchmark::State& state) {
  Session();
  auto g = MakeGrid(5);
  for (auto _ : state) {
    g->Sort(0, sdAscending);
    state.PauseTiming();
    g->QUnSort();
    state.ResumeTiming();
  }
}

void BM_FilterWildcardColumn3(benchmark::State& state) {
  Session();
  auto g = MakeGrid(5);
  TFilterData* d = g->Filter()->ColumnFilter(3);
  d->SetCondition("*ta*");
  for (auto _ : state) {
    g->SetFilterActive(true);
    state.PauseTiming();
    benchmark::DoNotOptimize(g->RowCount());
    g->SetFilterActive(false);
    state.ResumeTiming();
  }
}

void BM_RemoveCheckedRows(benchmark::State& state) {
  Session();
  for (auto _ : state) {
    state.PauseTiming();
    auto g = MakeGrid(5);
    state.ResumeTiming();
    g->RemoveRowsWhere([&](int r) { return g->GetGridCell(4, r) == "1"; });
    state.PauseTiming();
    g.reset();
    state.ResumeTiming();
  }
}

void BM_IndexedSort3Keys10Columns(benchmark::State& state) {
  Session();
  auto g = MakeGrid(10);
  g->SortIndexes()->AddIndex(3, true);
  g->SortIndexes()->AddIndex(1, false);
  g->SortIndexes()->AddIndex(7, true);
  for (auto _ : state) {
    g->QSortIndexed();
    state.PauseTiming();
    g->QUnSort();
    state.ResumeTiming();
  }
}

void BM_NarrowDownFiveCharactersAndBack(benchmark::State& state) {
  Session();
  auto g = MakeGrid(5);
  const std::string typed = "delta";
  for (auto _ : state) {
    for (size_t n = 1; n <= typed.size(); ++n) g->NarrowDown(typed.substr(0, n), 0);
    for (size_t n = typed.size(); n-- > 0;) g->NarrowDown(typed.substr(0, n), 0);
  }
}

void BM_FooterSumsOf5Columns(benchmark::State& state) {
  Session();
  auto g = MakeGrid(5);
  for (auto _ : state)
    for (int c = 0; c < 5; ++c) benchmark::DoNotOptimize(g->ColumnSum(c, -1, -1));
}

// A sixth column of 1,000 keys spread over the rows; Group sorts by it,
// inserts the 1,000 headers in one block and removes the column.
void BM_Group1000Groups(benchmark::State& state) {
  Session();
  auto g = MakeGrid(5);
  g->SetColCount(6);
  for (int r = 1; r <= kRows; ++r) g->SetGridCell(5, r, "g" + std::to_string(r * 7919 % 1000));
  for (auto _ : state) {
    g->Group(5);
    state.PauseTiming();
    g->UnGroup();
    state.ResumeTiming();
  }
}

// The floating footer's row over 5 columns: sums, average, extremes, count.
void BM_FloatingFooterRecalc5Columns(benchmark::State& state) {
  Session();
  auto g = MakeGrid(5);
  g->SetRowCount(kRows + 2);
  g->FloatingFooter()->SetVisible(true);
  const TColumnCalcType calcs[] = {acSUM, acAVG, acMIN, acMAX, acCOUNT};
  for (int c = 0; c < 5; ++c) g->SetColumnCalc(c, calcs[c]);
  for (auto _ : state) g->CalcFooter(-1);
}

}  // namespace

BENCHMARK(BM_SortTextColumn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterWildcardColumn3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveCheckedRows)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_IndexedSort3Keys10Columns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NarrowDownFiveCharactersAndBack)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FooterSumsOf5Columns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Group1000Groups)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FloatingFooterRecalc5Columns)->Unit(benchmark::kMillisecond);
