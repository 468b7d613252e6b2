#pragma once
// The one clock of the program. Everything that waits or measures time reads
// it through here, so that the test driver can replace it with a virtual clock.

#include <atomic>
#include <cstdint>
#include <functional>

namespace platform {

class Clock {
public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start; wraps like a 32-bit tick count.
  virtual uint32_t TickCount() = 0;
  // Blocks (or, on a virtual clock, advances) for the given time.
  virtual void Sleep(uint32_t ms) = 0;
};

// The clock in force; the real monotonic clock unless a test installed another.
Clock& CurrentClock();
// Installs a clock (not owned); nullptr restores the real one.
void SetClock(Clock* clock);

// Wakes the threads that wait with a time-out (platform/kernel/Events.h) so
// that they read the clock again. A clock that moves by other means than real
// time calls it whenever it moves.
void NotifyClockMoved();

// A clock that only moves when told: Sleep advances it at once. Other threads
// may read it (a waiting thread measures its time-out on it).
class VirtualClock : public Clock {
public:
  uint32_t TickCount() override { return now_; }
  void Sleep(uint32_t ms) override { Advance(ms); }
  void Advance(uint32_t ms) {
    now_ += ms;
    NotifyClockMoved();
  }
  void Set(uint32_t now) {
    now_ = now;
    NotifyClockMoved();
  }

private:
  std::atomic<uint32_t> now_{0};
};

}  // namespace platform

uint32_t GetTickCount();
void Sleep(uint32_t ms);
