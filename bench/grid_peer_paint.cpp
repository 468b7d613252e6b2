// The peer benchmark's paint mode on our side: the peer's 100,000 x 5 cells
// (same generator) in a string grid on a 1920 x 1080 form, with a header row
// and a column of row numbers as the peer's table view shows them, at the
// peer's default sizes (columns 104 pixels, rows 31, header row 25, number
// column 75). One full repaint of the page per iteration; real font
// metrics, as the peer draws with real fonts.

#include <benchmark/benchmark.h>

#include <string>

#include "HeadlessSession.h"
#include "PeerData.h"

#include "grid/core/ExtGrid.h"
#include "toolkit/forms/WindowManager.h"
#include "toolkit/graphics/TextMetrics.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 5;

TExtStringGrid* peerPage() {
  auto* form = new TForm(Application);
  form->SetBounds(0, 0, 1920, 1080);
  auto* grid = new TExtStringGrid(form);
  grid->SetParent(form);
  grid->SetAlign(alClient);
  grid->SetColCount(kCols + 1);
  grid->SetRowCount(kRows + 1);
  grid->SetFixedCols(1);
  grid->SetFixedRows(1);
  grid->SetDefaultRowHeight(31);
  grid->SetRowHeights(0, 25);
  grid->SetColWidths(0, 75);
  for (int c = 1; c <= kCols; ++c) {
    grid->SetColWidths(c, 104);
    grid->SetCells(c, 0, std::to_string(c));
  }
  TPeerData data;
  for (int r = 1; r <= kRows; ++r) {
    grid->SetCells(0, r, std::to_string(r));
    for (int c = 1; c <= kCols; ++c) grid->SetCells(c, r, data.cell(c - 1));
  }
  form->Show();
  wm::PaintAll();
  return grid;
}

void BM_PeerPagePaint(benchmark::State& state) {
  HeadlessSession session;
  SetFixedTextMetrics(false);
  TExtStringGrid* grid = peerPage();
  for (auto _ : state) {
    grid->Invalidate();
    wm::PaintAll();
  }
}
BENCHMARK(BM_PeerPagePaint)->Unit(benchmark::kMillisecond);

}  // namespace
