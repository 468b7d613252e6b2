// libFuzzer target: any HTML text laid out, measured, hit-tested and drawn
// into a small bitmap, with and without word wrapping, never reads out of
// bounds, overflows a number or crashes, and reports sizes that are not
// negative.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "grid/foundation/EsgHTMLE.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/TextMetrics.h"
#include "toolkit/rtl/EmbeddedResource.h"

// Built without the resources: an HTML text names none that exist.
const EmbeddedResource g_EmbeddedResources[] = {{nullptr, nullptr, 0}};

namespace {

void Run(TCanvas* Canvas, const std::string& Text, bool Wrap, bool Measure, bool HitTest, int X, int Y) {
  THTMLTextCall call;
  call.WrapWords = Wrap;
  call.MeasureOnly = Measure;
  call.HitTestOnly = HitTest;
  call.HitX = X;
  call.HitY = Y;
  call.HoverAnchor = 0;
  call.FocusAnchor = 0;
  DrawHTMLText(Canvas, Text, TRect(2, 2, 98, 62), call);
  if (call.MaxWidth < 0 || call.TotalHeight < 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;  // layout is per character: longer texts only slow the search
  static bool ready = [] {
    SetFixedTextMetrics(true);
    return true;
  }();
  (void)ready;
  const std::string text(reinterpret_cast<const char*>(data), size);
  static TBitmap bitmap(100, 64);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Font()->SetHeight(-11);
  canvas->Font()->SetName("Tahoma");
  canvas->Font()->SetStyle({});
  for (bool wrap : {true, false}) {
    Run(canvas, text, wrap, true, false, -1, -1);
    Run(canvas, text, wrap, false, false, -1, -1);
    Run(canvas, text, wrap, false, true, 20, 8);
  }
  return 0;
}
