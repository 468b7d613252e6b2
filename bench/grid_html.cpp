// DrawHTMLText: measuring and drawing 10,000 short marked-up cells, and one
// 200-character paragraph with 20 tags, on a bitmap with real fonts.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "grid/foundation/EsgHTMLE.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

namespace {

std::vector<std::string> ShortCells() {
  std::vector<std::string> cells;
  cells.reserve(10000);
  for (int i = 0; i < 10000; ++i)
    cells.push_back("<B>" + std::to_string(i) + "</B> <FONT color=\"clred\">item</FONT> <I>x</I>");
  return cells;
}

std::string Paragraph() {
  std::string p;
  for (int i = 0; i < 10; ++i) p += "<B>word" + std::to_string(i) + "</B> some text here ";
  return p;  // 20 tags, about 200 visible characters
}

void CellsMeasureAndDraw(benchmark::State& state) {
  const auto cells = ShortCells();
  TBitmap bmp(200, 20);
  for (auto _ : state) {
    for (const auto& cell : cells) {
      THTMLTextCall measure;
      measure.MeasureOnly = true;
      DrawHTMLText(bmp.Canvas(), cell, TRect(0, 0, 200, 20), measure);
      THTMLTextCall draw;
      DrawHTMLText(bmp.Canvas(), cell, TRect(0, 0, 200, 20), draw);
      benchmark::DoNotOptimize(measure.MaxWidth);
    }
  }
  state.SetItemsProcessed(state.iterations() * int64_t(cells.size()));
}
BENCHMARK(CellsMeasureAndDraw)->Unit(benchmark::kMillisecond);

void ParagraphDraw(benchmark::State& state) {
  const std::string text = Paragraph();
  TBitmap bmp(300, 200);
  for (auto _ : state) {
    THTMLTextCall draw;
    DrawHTMLText(bmp.Canvas(), text, TRect(0, 0, 300, 200), draw);
    benchmark::DoNotOptimize(draw.TotalHeight);
  }
}
BENCHMARK(ParagraphDraw)->Unit(benchmark::kMicrosecond);

}  // namespace
