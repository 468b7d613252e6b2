#include "platform/net/Ping.h"

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr uint32_t kMaxTimeoutMs = 10000;

class Socket {
public:
  explicit Socket(int fd) : fd_(fd) {}
  ~Socket() {
    if (fd_ >= 0) close(fd_);
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  int Fd() const { return fd_; }

private:
  int fd_;
};

uint16_t Checksum(const void* data, size_t length) {
  const uint8_t* bytes = static_cast<const uint8_t*>(data);
  uint32_t sum = 0;
  for (size_t i = 0; i + 1 < length; i += 2) sum += (bytes[i] << 8) | bytes[i + 1];
  if (length % 2) sum += bytes[length - 1] << 8;
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return htons(static_cast<uint16_t>(~sum));
}

struct EchoRequest {
  icmphdr header;
  char payload[16];
};

// Whether a received packet is the reply to our request. A raw socket also
// sees the IP header and every other ICMP packet (our own request included on
// loopback); on a datagram socket the kernel chose the identifier itself.
bool IsOurReply(const uint8_t* packet, ssize_t length, bool raw, uint16_t id, uint16_t sequence,
                const sockaddr_in& from, const sockaddr_in& target) {
  if (raw) {
    if (length < static_cast<ssize_t>(sizeof(iphdr))) return false;
    size_t headerLength = (packet[0] & 0x0F) * 4u;
    if (length < static_cast<ssize_t>(headerLength + sizeof(icmphdr))) return false;
    packet += headerLength;
    length -= static_cast<ssize_t>(headerLength);
  }
  if (length < static_cast<ssize_t>(sizeof(icmphdr))) return false;
  icmphdr reply;
  std::memcpy(&reply, packet, sizeof reply);
  if (reply.type != ICMP_ECHOREPLY || ntohs(reply.un.echo.sequence) != sequence) return false;
  if (raw && ntohs(reply.un.echo.id) != id) return false;
  return from.sin_addr.s_addr == target.sin_addr.s_addr;
}

PingOutcome Exchange(int fd, bool raw, const sockaddr_in& target, uint32_t timeoutMs) {
  static std::atomic<uint16_t> nextSequence{1};
  const uint16_t id = static_cast<uint16_t>(getpid());
  const uint16_t sequence = nextSequence++;
  EchoRequest request{};
  request.header.type = ICMP_ECHO;
  request.header.un.echo.id = htons(id);
  request.header.un.echo.sequence = htons(sequence);
  std::memcpy(request.payload, "quelix-echo-0001", sizeof request.payload);
  request.header.checksum = Checksum(&request, sizeof request);
  if (sendto(fd, &request, sizeof request, 0, reinterpret_cast<const sockaddr*>(&target), sizeof target) < 0)
    return PingOutcome::NotReached;

  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return PingOutcome::NotReached;
    pollfd p{fd, POLLIN, 0};
    int ready = poll(&p, 1, static_cast<int>(left));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return PingOutcome::NotReached;
    uint8_t packet[1500];
    sockaddr_in from{};
    socklen_t fromLength = sizeof from;
    ssize_t n = recvfrom(fd, packet, sizeof packet, 0, reinterpret_cast<sockaddr*>(&from), &fromLength);
    if (n < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      return PingOutcome::NotReached;
    }
    if (IsOurReply(packet, n, raw, id, sequence, from, target)) return PingOutcome::Reached;
  }
}

IcmpPinger g_icmp;
std::atomic<Pinger*> g_pinger = nullptr;

}  // namespace

PingOutcome IcmpPinger::Ping(const std::string& ipv4, uint32_t timeoutMs) {
  sockaddr_in target{};
  target.sin_family = AF_INET;
  if (inet_pton(AF_INET, ipv4.c_str(), &target.sin_addr) != 1) return PingOutcome::NotReached;
  timeoutMs = std::clamp<uint32_t>(timeoutMs, 1, kMaxTimeoutMs);
  bool raw = false;
  int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
  if (fd < 0) {
    raw = true;
    fd = socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
  }
  if (fd < 0) return errno == EACCES || errno == EPERM ? PingOutcome::NotPermitted : PingOutcome::NotReached;
  Socket socket(fd);
  return Exchange(socket.Fd(), raw, target, timeoutMs);
}

Pinger& CurrentPinger() {
  Pinger* pinger = g_pinger.load();
  return pinger ? *pinger : g_icmp;
}

void SetPinger(Pinger* pinger) { g_pinger = pinger; }

bool Ping(const std::string& ipv4, uint32_t timeoutMs) {
  return CurrentPinger().Ping(ipv4, timeoutMs) == PingOutcome::Reached;
}

PingOutcome FakePinger::Ping(const std::string& ipv4, uint32_t) {
  std::lock_guard lock(mutex_);
  requests_.push_back(ipv4);
  auto it = reachable_.find(ipv4);
  return it != reachable_.end() && it->second ? PingOutcome::Reached : PingOutcome::NotReached;
}

void FakePinger::SetReachable(const std::string& ipv4, bool reachable) {
  std::lock_guard lock(mutex_);
  reachable_[ipv4] = reachable;
}

std::vector<std::string> FakePinger::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

}  // namespace platform
