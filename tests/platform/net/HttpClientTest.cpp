#include "platform/net/HttpClient.h"
#include "platform/net/LoopbackServer.h"

#include <gtest/gtest.h>

#include <future>

namespace {

using platform::CurlHttpClient;
using testsupport::LoopbackServer;

TEST(HttpGet, ReturnsTheBodyOfASuccessfulReply) {
  LoopbackServer server([](const std::string&) { return LoopbackServer::Response(200, "1.2.3\r\nnotes"); });
  CurlHttpClient client;
  EXPECT_EQ(client.Get(server.Url("/version.txt")), "1.2.3\r\nnotes");
  auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].rfind("GET /version.txt HTTP/1.0\r\n", 0), 0u) << requests[0];
}

TEST(HttpGet, SendsNoCookiesBack) {
  LoopbackServer server([](const std::string&) { return LoopbackServer::Response(200, "x"); });
  CurlHttpClient client;
  client.Get(server.Url("/a"));
  client.Get(server.Url("/b"));
  for (const std::string& request : server.Requests())
    EXPECT_EQ(request.find("Cookie:"), std::string::npos) << request;
}

TEST(HttpGet, ErrorStatusReadsAsEmpty) {
  for (int status : {404, 500, 301}) {
    LoopbackServer server([status](const std::string&) { return LoopbackServer::Response(status, "error page"); });
    EXPECT_EQ(CurlHttpClient().Get(server.Url("/x")), "") << status;
  }
}

TEST(HttpGet, FollowsARedirectToTheSameServer) {
  LoopbackServer* self = nullptr;
  LoopbackServer server([&self](const std::string& request) {
    if (request.rfind("GET /old", 0) == 0)
      return "HTTP/1.0 302 Moved\r\nLocation: " + self->Url("/new") + "\r\nContent-Length: 0\r\n\r\n";
    return LoopbackServer::Response(200, "moved here");
  });
  self = &server;
  EXPECT_EQ(CurlHttpClient().Get(server.Url("/old")), "moved here");
}

TEST(HttpGet, BodyIsCutAtTheLimit) {
  std::string big(200 * 1024, 'a');
  big[65535] = 'z';
  LoopbackServer server([&big](const std::string&) { return LoopbackServer::Response(200, big); });
  std::string body = CurlHttpClient().Get(server.Url("/big"));
  ASSERT_EQ(body.size(), 64u * 1024u);
  EXPECT_EQ(body.back(), 'z');
}

TEST(HttpGet, RefusedConnectionReadsAsEmpty) {
  int port;
  {
    LoopbackServer server([](const std::string&) { return std::string(); });
    port = server.Port();
  }  // nobody listens there any more
  EXPECT_EQ(CurlHttpClient().Get("http://127.0.0.1:" + std::to_string(port) + "/"), "");
}

TEST(HttpGet, TruncatedReplyReadsAsEmpty) {
  LoopbackServer server([](const std::string&) { return std::string("HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\npartial"); });
  EXPECT_EQ(CurlHttpClient().Get(server.Url("/short")), "");
}

TEST(HttpGet, ServerThatNeverAnswersEndsAtTheTotalTimeOut) {
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  LoopbackServer server([released](const std::string&) {
    released.wait_for(std::chrono::seconds(5));  // holds the connection open without answering
    return std::string();
  });
  platform::HttpLimits limits;
  limits.totalTimeoutMs = 200;
  EXPECT_EQ(CurlHttpClient(limits).Get(server.Url("/slow")), "");
  release.set_value();
}

TEST(HttpGet, OtherSchemesAreRefused) {
  CurlHttpClient client;
  for (const char* url : {"file:///etc/hostname", "ftp://127.0.0.1/", "gopher://127.0.0.1/", "not a url", ""})
    EXPECT_EQ(client.Get(url), "") << url;
}

TEST(HttpGet, FakeClientAnswersFromItsTableAndRecords) {
  platform::FakeHttpClient fake;
  fake.SetReply("http://example.com/v", "2.0");
  platform::SetHttpClient(&fake);
  EXPECT_EQ(platform::HttpGet("http://example.com/v"), "2.0");
  EXPECT_EQ(platform::HttpGet("http://example.com/other"), "");
  platform::SetHttpClient(nullptr);
  EXPECT_EQ(fake.Requests(), (std::vector<std::string>{"http://example.com/v", "http://example.com/other"}));
}

}  // namespace
