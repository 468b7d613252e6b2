// The window system's hot paths: dispatching messages to a control, and
// repainting a form of 200 child controls into its picture.

#include <benchmark/benchmark.h>

#include "HeadlessSession.h"

#include "platform/display/headless/HeadlessHost.h"
#include "toolkit/forms/Forms.h"
#include "toolkit/forms/WinApi.h"
#include "toolkit/forms/WindowManager.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/TextMetrics.h"

namespace {

class TCounter : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  long Count = 0;

protected:
  void Dispatch(TMessage& m) override {
    if (m.Msg == WM_USER + 1) {
      ++Count;
      m.Result = 1;
      return;
    }
    TCustomControl::Dispatch(m);
  }
  void Paint() override {
    Canvas()->Brush()->SetColor(clWindow);
    Canvas()->FillRect(ClientRect());
    Canvas()->TextOut(2, 2, "Cell");
  }
};

using Session = HeadlessSession;

void BM_DispatchMillionMessages(benchmark::State& state) {
  Session session;
  auto* form = new TForm(Application);
  auto* c = new TCounter(form);
  c->SetParent(form);
  HWND h = c->Handle();
  for (auto _ : state) {
    for (int i = 0; i < 1000000; ++i) SendMessage(h, WM_USER + 1, static_cast<WPARAM>(i), 0);
    benchmark::DoNotOptimize(c->Count);
  }
  state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_DispatchMillionMessages)->Unit(benchmark::kMillisecond);

void BM_RepaintFormWith200Controls(benchmark::State& state) {
  Session session;
  auto* form = new TForm(Application);
  form->SetBounds(0, 0, 1000, 600);
  for (int i = 0; i < 200; ++i) {
    auto* c = new TCounter(form);
    c->SetBounds(5 + (i % 20) * 49, 5 + (i / 20) * 55, 45, 50);
    c->SetParent(form);
  }
  form->Show();
  wm::PaintAll();
  for (auto _ : state) {
    form->Invalidate();
    wm::PaintAll();
  }
}
BENCHMARK(BM_RepaintFormWith200Controls)->Unit(benchmark::kMillisecond);

}  // namespace
