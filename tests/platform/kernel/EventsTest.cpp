#include "platform/kernel/Clock.h"
#include "platform/kernel/Events.h"

#include <gtest/gtest.h>

#include <future>

namespace {

using platform::CreateEvent;
using platform::Event;

// Installs a virtual clock for the test and removes it again.
class VirtualTime : public testing::Test {
protected:
  VirtualTime() { platform::SetClock(&clock_); }
  ~VirtualTime() override { platform::SetClock(nullptr); }

  // True when the future has no result yet. A wrong early result is caught
  // here or at the latest by the final get(); nothing waits on real time.
  template <class T>
  static bool Pending(std::future<T>& f) {
    return f.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
  }

  // Returns once `count` threads are blocked in their waits (their time-outs have started).
  static void AwaitWaiters(int count) {
    while (platform::WaitingThreads() < count) std::this_thread::yield();
  }

  platform::VirtualClock clock_;
};

TEST(Events, StateAfterSetAndReset) {
  Event manual(true, false), automatic(false, true);
  EXPECT_FALSE(manual.IsSet());
  EXPECT_EQ(manual.Wait(0), WAIT_TIMEOUT);
  manual.Set();
  EXPECT_EQ(manual.Wait(0), WAIT_OBJECT_0);
  EXPECT_EQ(manual.Wait(0), WAIT_OBJECT_0);  // stays set
  manual.Reset();
  EXPECT_EQ(manual.Wait(0), WAIT_TIMEOUT);
  EXPECT_EQ(automatic.Wait(0), WAIT_OBJECT_0);
  EXPECT_EQ(automatic.Wait(0), WAIT_TIMEOUT);  // consumed by the first wait
}

TEST(Events, RealClockTimeOutEnds) {
  Event e(false, false);
  EXPECT_EQ(e.Wait(1), WAIT_TIMEOUT);
}

TEST_F(VirtualTime, TimeOutIsMeasuredOnTheVirtualClock) {
  Event e(true, false);
  auto waiter = std::async(std::launch::async, [&] { return e.Wait(1000); });
  AwaitWaiters(1);
  clock_.Advance(999);
  EXPECT_TRUE(Pending(waiter));
  clock_.Advance(1);
  EXPECT_EQ(waiter.get(), WAIT_TIMEOUT);
}

TEST_F(VirtualTime, SetReleasesAWaiterBeforeItsTimeOut) {
  Event e(true, false);
  auto waiter = std::async(std::launch::async, [&] { return e.Wait(INFINITE); });
  EXPECT_TRUE(Pending(waiter));
  e.Set();
  EXPECT_EQ(waiter.get(), WAIT_OBJECT_0);
}

TEST_F(VirtualTime, AutoResetReleasesOneWaiterPerSet) {
  Event e(false, false);
  auto first = std::async(std::launch::async, [&] { return e.Wait(INFINITE); });
  auto second = std::async(std::launch::async, [&] { return e.Wait(INFINITE); });
  e.Set();
  // Exactly one of them gets through; the other needs a second Set.
  while (Pending(first) && Pending(second)) std::this_thread::yield();
  EXPECT_TRUE(Pending(first) != Pending(second));
  EXPECT_FALSE(e.IsSet());
  e.Set();
  EXPECT_EQ(first.get(), WAIT_OBJECT_0);
  EXPECT_EQ(second.get(), WAIT_OBJECT_0);
  EXPECT_FALSE(e.IsSet());
}

TEST_F(VirtualTime, WaitForAnyReportsTheSignalledIndex) {
  Event a(false, false), b(false, false);
  auto waiter = std::async(std::launch::async, [&] { return platform::WaitForEvents({&a, &b}, false, 500); });
  b.Set();
  EXPECT_EQ(waiter.get(), WAIT_OBJECT_0 + 1);
  EXPECT_FALSE(b.IsSet());
  auto timesOut = std::async(std::launch::async, [&] { return platform::WaitForEvents({&a, &b}, false, 500); });
  AwaitWaiters(1);
  clock_.Advance(500);
  EXPECT_EQ(timesOut.get(), WAIT_TIMEOUT);
}

TEST_F(VirtualTime, WaitForAllNeedsEveryEvent) {
  Event a(false, false), b(true, false);
  a.Set();
  EXPECT_EQ(platform::WaitForEvents({&a, &b}, true, 0), WAIT_TIMEOUT);
  EXPECT_TRUE(a.IsSet());  // nothing consumed while not all were set
  b.Set();
  EXPECT_EQ(platform::WaitForEvents({&a, &b}, true, 0), WAIT_OBJECT_0);
  EXPECT_FALSE(a.IsSet());
  EXPECT_TRUE(b.IsSet());  // manual reset stays set
}

TEST(Events, NamedEventsAreSharedWhileAlive) {
  bool existed = true;
  auto first = CreateEvent(true, false, "quelix-test-event", &existed);
  EXPECT_FALSE(existed);
  auto second = CreateEvent(false, true, "quelix-test-event", &existed);
  EXPECT_TRUE(existed);
  EXPECT_EQ(first, second);
  EXPECT_TRUE(second->ManualReset());  // the existing event keeps its kind
  EXPECT_EQ(platform::OpenEvent("quelix-test-event"), first);
  EXPECT_EQ(platform::OpenEvent("Quelix-Test-Event"), nullptr);
  first.reset();
  second.reset();
  EXPECT_EQ(platform::OpenEvent("quelix-test-event"), nullptr);
  auto unnamed1 = CreateEvent(true, false), unnamed2 = CreateEvent(true, false);
  EXPECT_NE(unnamed1, unnamed2);
}

}  // namespace
