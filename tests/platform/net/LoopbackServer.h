#pragma once
// A tiny HTTP server on 127.0.0.1 for the client tests: one thread, one
// connection at a time, the reply made by a handler from the raw request.
// Everything it waits on is bounded, and the destructor stops it.

#include <arpa/inet.h>
#include <functional>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace testsupport {

class LoopbackServer {
public:
  // The handler gets the request head and returns the raw response bytes.
  explicit LoopbackServer(std::function<std::string(const std::string&)> handler) : handler_(std::move(handler)) {
    listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    listen(listener_, 4);
    if (pipe(stop_) != 0) stop_[0] = stop_[1] = -1;
    thread_ = std::thread([this] { Run(); });
  }

  ~LoopbackServer() {
    if (write(stop_[1], "x", 1) < 0) {
    }
    thread_.join();
    close(listener_);
    close(stop_[0]);
    close(stop_[1]);
  }

  std::string Url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }
  int Port() const { return port_; }

  std::vector<std::string> Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
  }

  static std::string Response(int status, const std::string& body) {
    return "HTTP/1.0 " + std::to_string(status) + " X\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nSet-Cookie: session=1\r\n\r\n" + body;
  }

private:
  // Waits for the socket or the stop signal; false on stop or after five seconds.
  bool Ready(int fd) {
    pollfd fds[2] = {{fd, POLLIN, 0}, {stop_[0], POLLIN, 0}};
    return poll(fds, 2, 5000) > 0 && !(fds[1].revents & POLLIN) && (fds[0].revents & POLLIN);
  }

  void Run() {
    for (;;) {
      if (!Ready(listener_)) {
        pollfd stop{stop_[0], POLLIN, 0};
        if (poll(&stop, 1, 0) > 0) return;
        continue;
      }
      int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      if (client < 0) continue;
      Serve(client);
      close(client);
    }
  }

  void Serve(int client) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 16384) {
      if (!Ready(client)) return;
      ssize_t n = read(client, buffer, sizeof buffer);
      if (n <= 0) return;
      request.append(buffer, static_cast<size_t>(n));
    }
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(request);
    }
    std::string response = handler_(request);
    for (size_t sent = 0; sent < response.size();) {
      ssize_t n = send(client, response.data() + sent, response.size() - sent, MSG_NOSIGNAL);
      if (n <= 0) return;
      sent += static_cast<size_t>(n);
    }
  }

  std::function<std::string(const std::string&)> handler_;
  int listener_ = -1;
  int port_ = 0;
  int stop_[2] = {-1, -1};
  std::thread thread_;
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
};

}  // namespace testsupport
