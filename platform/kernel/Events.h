#pragma once
// Event objects (manual and auto reset, named and unnamed) that threads wait
// on with a time-out.
//
// Time-outs are measured on the current clock (Clock.h), not on real time:
// under a VirtualClock a wait with a time-out ends only when the test advances
// the clock past it (or the event is set), never because real time passed.
// The waiting itself blocks on a real condition variable; moving the virtual
// clock wakes the waiters (NotifyClockMoved), which then read the clock again.
// A waiter also re-reads the clock at least every 50 ms of real time, so a
// clock that forgets to notify delays a time-out but never loses it.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

constexpr uint32_t INFINITE = 0xFFFFFFFFu;
constexpr uint32_t WAIT_OBJECT_0 = 0;
constexpr uint32_t WAIT_TIMEOUT = 258;

namespace platform {

class Event {
public:
  Event(bool manualReset, bool initialState) : manualReset_(manualReset), signaled_(initialState) {}
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;

  // Signals the event: a manual-reset event releases every waiter until Reset,
  // an auto-reset event releases exactly one waiter and clears itself.
  void Set();
  void Reset();
  bool IsSet() const;
  bool ManualReset() const { return manualReset_; }

  // WAIT_OBJECT_0 when signalled (an auto-reset event is consumed), WAIT_TIMEOUT
  // when timeoutMs passed on the current clock first. 0 tests without waiting;
  // INFINITE waits until signalled.
  uint32_t Wait(uint32_t timeoutMs);

private:
  friend uint32_t WaitForEvents(const std::vector<Event*>& events, bool waitAll, uint32_t timeoutMs);
  const bool manualReset_;
  bool signaled_;  // guarded by the kernel's wait lock
};

using EventHandle = std::shared_ptr<Event>;

// An unnamed event, or the named one: when an event of that name is still
// alive, it is returned as it is (manualReset and initialState are ignored)
// and *alreadyExisted is set. Names are case-sensitive.
EventHandle CreateEvent(bool manualReset, bool initialState, std::string_view name = {},
                        bool* alreadyExisted = nullptr);
// The named event while some handle keeps it alive, otherwise nullptr.
EventHandle OpenEvent(std::string_view name);

// Waits for any (waitAll false: returns WAIT_OBJECT_0 + index of the first
// signalled) or all of the events (consumed together); WAIT_TIMEOUT as above.
uint32_t WaitForEvents(const std::vector<Event*>& events, bool waitAll, uint32_t timeoutMs);

// The number of threads blocked in a wait at this moment. A test that drives
// waits with a virtual clock waits for this to rise before it moves the clock,
// since a time-out starts when the wait begins.
int WaitingThreads();

// Counts the calling thread in WaitingThreads() for its lifetime; other waits
// with a time-out on the current clock (a process handle's) use it too.
class ScopedWaiting {
public:
  ScopedWaiting();
  ~ScopedWaiting();
  ScopedWaiting(const ScopedWaiting&) = delete;
  ScopedWaiting& operator=(const ScopedWaiting&) = delete;
};

}  // namespace platform
