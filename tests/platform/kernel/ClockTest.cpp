#include "platform/kernel/Clock.h"

#include <gtest/gtest.h>

TEST(Clock, VirtualClockReplacesTheRealOneUntilRemoved) {
  platform::VirtualClock clock;
  clock.Set(1000);
  platform::SetClock(&clock);
  EXPECT_EQ(GetTickCount(), 1000u);
  Sleep(250);
  EXPECT_EQ(GetTickCount(), 1250u);
  platform::SetClock(nullptr);
  EXPECT_NE(&platform::CurrentClock(), &clock);
}
