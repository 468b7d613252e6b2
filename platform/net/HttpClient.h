#pragma once
// HTTP GET for the update check: HTTP/1.0, no cookies, bounded in time and
// size. Any failure (no connection, time-out, an error status, a scheme other
// than http or https) reads as an empty reply, which callers treat as "no
// answer". The client in force is replaceable for tests.

#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace platform {

struct HttpLimits {
  long connectTimeoutMs = 5000;
  long totalTimeoutMs = 15000;
  size_t maxBodyBytes = 64 * 1024;  // a longer body is cut to this length
  int maxRedirects = 5;             // followed between http and https only
};

class HttpClient {
public:
  virtual ~HttpClient() = default;
  // The body of a 2xx reply, or "" on any failure.
  virtual std::string Get(const std::string& url) = 0;
};

// The real client on libcurl.
class CurlHttpClient : public HttpClient {
public:
  explicit CurlHttpClient(HttpLimits limits = {}) : limits_(limits) {}
  std::string Get(const std::string& url) override;

private:
  HttpLimits limits_;
};

HttpClient& CurrentHttpClient();
void SetHttpClient(HttpClient* client);  // not owned; nullptr restores the real one
std::string HttpGet(const std::string& url);

// Replies from a table; unknown URLs read as failures. Records every request.
class FakeHttpClient : public HttpClient {
public:
  std::string Get(const std::string& url) override;
  void SetReply(const std::string& url, const std::string& body);
  std::vector<std::string> Requests() const;

private:
  mutable std::mutex mutex_;
  std::map<std::string, std::string> replies_;
  std::vector<std::string> requests_;
};

}  // namespace platform
