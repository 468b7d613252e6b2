#include "platform/net/HttpClient.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <curl/curl.h>
#include <memory>

namespace platform {
namespace {

struct Body {
  std::string data;
  size_t limit;
};

// Keeps at most `limit` bytes; everything after is read and dropped so that
// the transfer ends normally instead of as a write error.
size_t Collect(char* data, size_t size, size_t count, void* user) {
  Body* body = static_cast<Body*>(user);
  size_t bytes = size * count;
  if (body->data.size() < body->limit) body->data.append(data, std::min(bytes, body->limit - body->data.size()));
  return bytes;
}

void InitOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// The proxy settings of the environment apply, but never to the machine itself.
std::string NoProxyList() {
  const char* env = std::getenv("no_proxy");
  if (!env) env = std::getenv("NO_PROXY");
  std::string list = env ? env : "";
  if (!list.empty()) list += ',';
  return list + "localhost,127.0.0.1,::1";
}

CurlHttpClient g_curl;
std::atomic<HttpClient*> g_client = nullptr;

}  // namespace

std::string CurlHttpClient::Get(const std::string& url) {
  InitOnce();
  std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), curl_easy_cleanup);
  if (!curl) return "";
  Body body{"", limits_.maxBodyBytes};
  CURL* h = curl.get();
  std::string noProxy = NoProxyList();
  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  curl_easy_setopt(h, CURLOPT_NOPROXY, noProxy.c_str());
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(h, CURLOPT_MAXREDIRS, static_cast<long>(limits_.maxRedirects));
  curl_easy_setopt(h, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
  curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, limits_.connectTimeoutMs);
  curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, limits_.totalTimeoutMs);
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);  // time-outs without signals, safe in threads
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, Collect);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &body);
  if (curl_easy_perform(h) != CURLE_OK) return "";
  long status = 0;
  curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
  return status >= 200 && status < 300 ? body.data : "";
}

HttpClient& CurrentHttpClient() {
  HttpClient* client = g_client.load();
  return client ? *client : g_curl;
}

void SetHttpClient(HttpClient* client) { g_client = client; }

std::string HttpGet(const std::string& url) { return CurrentHttpClient().Get(url); }

std::string FakeHttpClient::Get(const std::string& url) {
  std::lock_guard lock(mutex_);
  requests_.push_back(url);
  auto it = replies_.find(url);
  return it == replies_.end() ? "" : it->second;
}

void FakeHttpClient::SetReply(const std::string& url, const std::string& body) {
  std::lock_guard lock(mutex_);
  replies_[url] = body;
}

std::vector<std::string> FakeHttpClient::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

}  // namespace platform
