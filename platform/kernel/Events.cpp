#include "platform/kernel/Events.h"

#include "platform/kernel/Clock.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>

namespace platform {
namespace {

// One lock and one condition for every event: waiting for several events and
// waking waiters when the clock moves are then simple, and events are few.
std::mutex g_lock;
std::condition_variable g_changed;
std::map<std::string, std::weak_ptr<Event>, std::less<>> g_named;  // guarded by g_lock
int g_waiting = 0;                                                  // guarded by g_lock

constexpr uint32_t kRecheckMs = 50;

// Runs `ready` under the lock until it returns true or the time-out passes on the current clock.
template <class Ready>
bool WaitUntil(std::unique_lock<std::mutex>& lock, uint32_t timeoutMs, Ready ready) {
  const uint32_t start = CurrentClock().TickCount();
  if (ready()) return true;
  if (timeoutMs == 0) return false;
  ++g_waiting;
  struct Leave {
    ~Leave() { --g_waiting; }
  } leave;
  for (;;) {
    if (ready()) return true;
    if (timeoutMs == INFINITE) {
      g_changed.wait(lock);
      continue;
    }
    uint32_t elapsed = CurrentClock().TickCount() - start;
    if (elapsed >= timeoutMs) return false;
    g_changed.wait_for(lock, std::chrono::milliseconds(std::min(timeoutMs - elapsed, kRecheckMs)));
  }
}

}  // namespace

ScopedWaiting::ScopedWaiting() {
  std::lock_guard lock(g_lock);
  ++g_waiting;
}

ScopedWaiting::~ScopedWaiting() {
  std::lock_guard lock(g_lock);
  --g_waiting;
}

int WaitingThreads() {
  std::lock_guard lock(g_lock);
  return g_waiting;
}

void NotifyClockMoved() {
  std::lock_guard lock(g_lock);
  g_changed.notify_all();
}

void Event::Set() {
  std::lock_guard lock(g_lock);
  signaled_ = true;
  g_changed.notify_all();
}

void Event::Reset() {
  std::lock_guard lock(g_lock);
  signaled_ = false;
}

bool Event::IsSet() const {
  std::lock_guard lock(g_lock);
  return signaled_;
}

uint32_t Event::Wait(uint32_t timeoutMs) { return WaitForEvents({this}, false, timeoutMs); }

uint32_t WaitForEvents(const std::vector<Event*>& events, bool waitAll, uint32_t timeoutMs) {
  std::unique_lock lock(g_lock);
  size_t found = 0;
  auto ready = [&] {
    if (waitAll) return std::all_of(events.begin(), events.end(), [](Event* e) { return e->signaled_; });
    for (found = 0; found < events.size(); ++found)
      if (events[found]->signaled_) return true;
    return false;
  };
  if (events.empty() || !WaitUntil(lock, timeoutMs, ready)) return WAIT_TIMEOUT;
  auto consume = [](Event* e) {
    if (!e->manualReset_) e->signaled_ = false;
  };
  if (waitAll) std::for_each(events.begin(), events.end(), consume);
  else consume(events[found]);
  return WAIT_OBJECT_0 + (waitAll ? 0 : static_cast<uint32_t>(found));
}

EventHandle CreateEvent(bool manualReset, bool initialState, std::string_view name, bool* alreadyExisted) {
  if (alreadyExisted) *alreadyExisted = false;
  if (name.empty()) return std::make_shared<Event>(manualReset, initialState);
  std::lock_guard lock(g_lock);
  auto it = g_named.find(name);
  if (it != g_named.end()) {
    if (EventHandle existing = it->second.lock()) {
      if (alreadyExisted) *alreadyExisted = true;
      return existing;
    }
  }
  std::erase_if(g_named, [](const auto& entry) { return entry.second.expired(); });
  auto created = std::make_shared<Event>(manualReset, initialState);
  g_named[std::string(name)] = created;
  return created;
}

EventHandle OpenEvent(std::string_view name) {
  std::lock_guard lock(g_lock);
  auto it = g_named.find(name);
  return it == g_named.end() ? nullptr : it->second.lock();
}

}  // namespace platform
