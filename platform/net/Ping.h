#pragma once
// ICMP echo ("ping") to an IPv4 address, as the network wizard tests the
// device's address. Uses a datagram ICMP socket where the kernel allows it
// (net.ipv4.ping_group_range), a raw socket otherwise; the wait for the reply
// is bounded and measured in real time, since the network runs in real time.
// The pinger in force is replaceable for tests.

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace platform {

enum class PingOutcome {
  Reached,       // an echo reply came back in time
  NotReached,    // no reply in time, unreachable, or not an IPv4 address
  NotPermitted,  // this process may open neither kind of ICMP socket
};

class Pinger {
public:
  virtual ~Pinger() = default;
  // timeoutMs is clamped to 1..10000.
  virtual PingOutcome Ping(const std::string& ipv4, uint32_t timeoutMs) = 0;
};

class IcmpPinger : public Pinger {
public:
  PingOutcome Ping(const std::string& ipv4, uint32_t timeoutMs) override;
};

Pinger& CurrentPinger();
void SetPinger(Pinger* pinger);  // not owned; nullptr restores the real one

// True when the address answered within the time-out.
bool Ping(const std::string& ipv4, uint32_t timeoutMs = 1000);

// Answers from a table (addresses not in it are not reached); records every request.
class FakePinger : public Pinger {
public:
  PingOutcome Ping(const std::string& ipv4, uint32_t timeoutMs) override;
  void SetReachable(const std::string& ipv4, bool reachable);
  std::vector<std::string> Requests() const;

private:
  mutable std::mutex mutex_;
  std::map<std::string, bool> reachable_;
  std::vector<std::string> requests_;
};

}  // namespace platform
