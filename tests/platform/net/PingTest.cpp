#include "platform/net/Ping.h"

#include <gtest/gtest.h>

namespace {

using platform::IcmpPinger;
using platform::PingOutcome;

TEST(Ping, LoopbackAnswers) {
  PingOutcome outcome = IcmpPinger().Ping("127.0.0.1", 2000);
  if (outcome == PingOutcome::NotPermitted) GTEST_SKIP() << "the kernel allows this process no ICMP socket";
  EXPECT_EQ(outcome, PingOutcome::Reached);
}

TEST(Ping, RepeatedPingsMatchTheirOwnReplies) {
  IcmpPinger pinger;
  if (pinger.Ping("127.0.0.1", 2000) == PingOutcome::NotPermitted) GTEST_SKIP();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(pinger.Ping("127.0.0.1", 2000), PingOutcome::Reached);
}

TEST(Ping, WhatIsNotAnIpv4AddressIsNotReached) {
  IcmpPinger pinger;
  for (const char* address : {"", "localhost", "127.1", "256.0.0.1", "::1", "1.2.3.4.5", "127.0.0.1 "})
    EXPECT_EQ(pinger.Ping(address, 100), PingOutcome::NotReached) << address;
}

TEST(Ping, FakePingerAnswersFromItsTable) {
  platform::FakePinger fake;
  fake.SetReachable("192.168.0.10", true);
  platform::SetPinger(&fake);
  EXPECT_TRUE(platform::Ping("192.168.0.10"));
  EXPECT_FALSE(platform::Ping("192.168.0.11"));
  platform::SetPinger(nullptr);
  EXPECT_EQ(fake.Requests(), (std::vector<std::string>{"192.168.0.10", "192.168.0.11"}));
}

}  // namespace
