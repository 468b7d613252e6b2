#pragma once
// The one clock of the program. Everything that waits or measures time reads
// it through here, so that the test driver can replace it with a virtual clock.

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

// A clock that only moves when told: Sleep advances it at once.
class VirtualClock : public Clock {
public:
  uint32_t TickCount() override { return now_; }
  void Sleep(uint32_t ms) override { now_ += ms; }
  void Advance(uint32_t ms) { now_ += ms; }
  void Set(uint32_t now) { now_ = now; }

private:
  uint32_t now_ = 0;
};

}  // namespace platform

uint32_t GetTickCount();
void Sleep(uint32_t ms);
