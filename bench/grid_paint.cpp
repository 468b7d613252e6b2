// A full repaint of a 1920 x 1080 page of a 20-column grid with text, numbers
// and check boxes, against a plain FillRect + DrawText loop over the same
// cells on the same canvas. Real font metrics, as on a desktop.

#include <benchmark/benchmark.h>

#include <type_traits>

#include "HeadlessSession.h"

#include "grid/core/ExtCGrid.h"
#include "grid/foundation/BaseGrid.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WindowManager.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/TextMetrics.h"

namespace {

constexpr int kCols = 20;
constexpr int kRows = 80;

// The same grid painting its visible cells with nothing but a fill and a text.
template <class TGrid>
class TPlainLoop : public TGrid {
public:
  using TGrid::TGrid;
  bool Plain = false;

protected:
  void Paint() override {
    if (!Plain) return TGrid::Paint();
    TCanvas* c = this->Canvas();
    c->Brush()->SetColor(clWindow);
    for (int r = 0; r <= this->TopRow() + this->VisibleRowCount() && r < this->RowCount(); ++r)
      for (int col = 0; col < this->ColCount(); ++col) {
        TRect cell = this->CellRect(col, r);
        if (cell.IsEmpty()) continue;
        c->FillRect(cell);
        TRect text = cell;
        c->DrawText(this->Cells(col, r), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
      }
  }
};

template <class TGrid>
TPlainLoop<TGrid>* shownGrid() {
  auto* form = new TForm(Application);
  form->SetBounds(0, 0, 1920, 1080);
  auto* grid = new TPlainLoop<TGrid>(form);
  grid->SetParent(form);
  grid->SetAlign(alClient);
  if constexpr (std::is_base_of_v<TExtColumnGrid, TGrid>) {
    for (int c = 0; c < kCols; ++c) {
      TGridColumnItem* column = grid->Columns()->Add();
      if (c % 3 == 2) column->SetEditor(edDataCheckBox);
      if (c % 3 == 1) column->SetAlignment(taRightJustify);
    }
  }
  grid->SetColCount(kCols);
  grid->SetRowCount(kRows);
  grid->SetFixedCols(1);
  grid->SetFixedRows(1);
  for (int c = 1; c < kCols; ++c) grid->SetCells(c, 0, "Column " + std::to_string(c));
  for (int r = 1; r < kRows; ++r) {
    grid->SetCells(0, r, std::to_string(r));
    for (int c = 1; c < kCols; ++c) {
      switch (c % 3) {
        case 0: grid->SetCells(c, r, "Frame " + std::to_string(r * c)); break;
        case 1: grid->SetCells(c, r, std::to_string(r * 1000 + c)); break;
        default: grid->SetCells(c, r, r % 2 ? "Y" : "N"); break;
      }
    }
  }
  form->Show();
  wm::PaintAll();
  return grid;
}

template <class TGrid>
void repaint(benchmark::State& state, bool plain) {
  HeadlessSession session;
  SetFixedTextMetrics(false);
  auto* grid = shownGrid<TGrid>();
  grid->Plain = plain;
  for (auto _ : state) {
    grid->Invalidate();
    wm::PaintAll();
  }
}

void BM_ColumnGridRepaint(benchmark::State& state) { repaint<TExtColumnGrid>(state, false); }
void BM_BaseGridRepaint(benchmark::State& state) { repaint<TBaseGrid>(state, false); }
void BM_PlainLoopRepaint(benchmark::State& state) { repaint<TExtColumnGrid>(state, true); }
BENCHMARK(BM_ColumnGridRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaseGridRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainLoopRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
