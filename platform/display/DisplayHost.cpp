#include "platform/display/DisplayHost.h"

#include <cstdlib>

#include "platform/display/headless/HeadlessHost.h"
#include "platform/display/x11/X11Host.h"

namespace platform {
namespace {

PlatformFacts g_facts;
DisplayHost* g_display = nullptr;
std::unique_ptr<DisplayHost> g_default;

}  // namespace

PlatformFacts& Facts() { return g_facts; }
void ResetFacts() { g_facts = PlatformFacts{}; }

DisplayHost& CurrentDisplay() {
  if (g_display) return *g_display;
  if (!g_default) g_default = CreateDefaultDisplay();
  return *g_default;
}

void SetDisplay(DisplayHost* Host) { g_display = Host; }

std::unique_ptr<DisplayHost> CreateDefaultDisplay() {
  const char* display = std::getenv("DISPLAY");
  if (display && *display) {
    if (auto x11 = X11Host::Open()) return x11;
  }
  return std::make_unique<HeadlessHost>();
}

bool DoubleClickDetector::Press(HostWindowId Window, int Button, int X, int Y, uint32_t Time) {
  const PlatformFacts& f = Facts();
  bool isDouble = has_ && Window == window_ && Button == button_ && Time - time_ <= f.DoubleClickTime &&
                  std::abs(X - x_) <= f.DoubleClickWidth / 2 && std::abs(Y - y_) <= f.DoubleClickHeight / 2;
  if (isDouble) {
    // A third press starts a new pair rather than making a triple click.
    has_ = false;
    return true;
  }
  has_ = true;
  window_ = Window;
  button_ = Button;
  x_ = X;
  y_ = Y;
  time_ = Time;
  return false;
}

}  // namespace platform
