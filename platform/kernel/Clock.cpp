#include "platform/kernel/Clock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace platform {
namespace {

class RealClock : public Clock {
public:
  uint32_t TickCount() override {
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
  }
  void Sleep(uint32_t ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

RealClock g_realClock;
std::atomic<Clock*> g_clock = nullptr;

}  // namespace

Clock& CurrentClock() {
  Clock* clock = g_clock.load();
  return clock ? *clock : g_realClock;
}

void SetClock(Clock* clock) {
  g_clock = clock;
  NotifyClockMoved();
}

}  // namespace platform

uint32_t GetTickCount() { return platform::CurrentClock().TickCount(); }
void Sleep(uint32_t ms) { platform::CurrentClock().Sleep(ms); }
