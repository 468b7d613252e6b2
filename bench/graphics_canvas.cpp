// Canvas throughput on a full-HD bitmap: rectangle fills and DrawText, with
// real font metrics and in the fixed-metrics mode the tests use.

#include <benchmark/benchmark.h>

#include <string>

#include "toolkit/graphics/Bitmap.h"

namespace {

TBitmap& Screen() {
  static TBitmap bitmap(1920, 1080);
  return bitmap;
}

void BM_FillRectCells(benchmark::State& state) {
  TCanvas* c = Screen().Canvas();
  const int size = int(state.range(0));
  int i = 0;
  for (auto _ : state) {
    const int x = (i * 37) % (1920 - size), y = (i * 53) % (1080 - size);
    c->Brush()->SetColor(TColor((i * 2654435761u) & 0xFFFFFF));
    c->FillRect(Bounds(x, y, size, size));
    ++i;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FillRectCells)->Arg(16)->Arg(64)->Arg(256);

void BM_FillRectFullScreen(benchmark::State& state) {
  TCanvas* c = Screen().Canvas();
  for (auto _ : state) c->FillRect(Rect(0, 0, 1920, 1080));
  state.SetBytesProcessed(state.iterations() * 1920 * 1080 * 4);
}
BENCHMARK(BM_FillRectFullScreen);

void DrawTextCells(benchmark::State& state, bool fixed, uint32_t format) {
  SetFixedTextMetrics(fixed);
  TCanvas* c = Screen().Canvas();
  c->Brush()->SetStyle(bsClear);
  int i = 0;
  for (auto _ : state) {
    TRect r = Bounds((i * 97) % 1800, (i * 31) % 1060, 120, 18);
    const std::string text = "Cell " + std::to_string(i) + " text value";
    benchmark::DoNotOptimize(c->DrawText(text, r, format));
    ++i;
  }
  c->Brush()->SetStyle(bsSolid);
  SetFixedTextMetrics(false);
  state.SetItemsProcessed(state.iterations());
}

void BM_DrawTextSingleLine(benchmark::State& state) {
  DrawTextCells(state, false, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}
BENCHMARK(BM_DrawTextSingleLine);

void BM_DrawTextWordBreak(benchmark::State& state) { DrawTextCells(state, false, DT_WORDBREAK | DT_EDITCONTROL); }
BENCHMARK(BM_DrawTextWordBreak);

void BM_DrawTextFixedMetrics(benchmark::State& state) {
  DrawTextCells(state, true, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}
BENCHMARK(BM_DrawTextFixedMetrics);

void BM_TextWidth(benchmark::State& state) {
  TCanvas* c = Screen().Canvas();
  int i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(c->TextWidth("Measure " + std::to_string(i++)));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TextWidth);

}  // namespace
