#include "app/UVersionCheck.h"

#include <gtest/gtest.h>

#include "base/UComon.h"
#include "platform/net/HttpClient.h"

TEST(UVersionCheckTest, ConvVersion) {
  struct Case { const char* text; int value; } cases[] = {
      {"1.000", 1000},     {"Ver. 1.002", 1002}, {"VER. 0.999", 999},  {"VER.  2.345 ", 2345},
      {"VER. 10.05", -1},  {"VER. 1.0025", -1},  {"VER. 1.00", -1},   {"VER. a.bcd", -1},
      {"VER. 1,002", -1},  {"VER. -.123", -1},   {"", -1},            {"VER.", -1},
      {"VER. 1.0x2", -1},  {"1.2345", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(Conv_Version(c.text), c.value) << c.text;
}

TEST(UVersionCheckTest, Replies) {
  struct Case { const char* reply; bool newer; } cases[] = {
      {"Ver. 1.001", true}, {"VER. 1.000", false}, {"VER. 0.999", false}, {"VER. 0.000", false},
      {" ver. 0.000 \r\n", false}, {"", false}, {"VER. 9.999\n", true}, {"<html>error</html>", false},
      {"VER. 10.05", false},
  };
  for (const Case& c : cases) EXPECT_EQ(Is_Newer_Version(c.reply), c.newer) << c.reply;
}

TEST(UVersionCheckTest, CheckAsksTheServiceAndTreatsFailureAsNoVersion) {
  std::string asked;
  EXPECT_TRUE(Check_Version([&](const std::string& url) {
    asked = url;
    return std::optional<std::string>("VER. 1.001");
  }));
  EXPECT_EQ(asked, "http://www.quelix.example/home/download/GetversionSW.asp?nomesw=CF21070");
  EXPECT_FALSE(Check_Version([](const std::string&) { return std::optional<std::string>(); }));
  EXPECT_FALSE(Check_Version(nullptr));
}

TEST(UVersionCheckTest, Links) {
  EXPECT_EQ(Download_Page_Url(), "http://www.quelix.example/Home/download/download.asp#GW21070");
  EXPECT_EQ(Home_Page_Url(), "http://www.quelix.example/HOME/default.asp?frompg=CF21070");
  EXPECT_EQ(Download_Link_Anchor("New"),
            "<a href=\"http://www.quelix.example/Home/download/download.asp#GW21070\">New</a>");
}

TEST(UVersionCheckTest, TimerWantsBothChoices) {
  Reset_Comon();
  EXPECT_FALSE(Update_Check_Wanted());
  Internet_Enabled = true;
  EXPECT_FALSE(Update_Check_Wanted());
  Update_Enabled = true;
  EXPECT_TRUE(Update_Check_Wanted());
  Internet_Enabled = false;
  EXPECT_FALSE(Update_Check_Wanted());
  Reset_Comon();
}

TEST(UVersionCheckTest, ThroughThePlatformClient) {
  platform::FakeHttpClient http;
  platform::SetHttpClient(&http);
  EXPECT_FALSE(Check_Version());  // unknown URL: a failure
  http.SetReply(Version_Query_Url(), "VER. 1.001\r\n");
  EXPECT_TRUE(Check_Version());
  http.SetReply(Version_Query_Url(), "VER. 0.000");
  EXPECT_FALSE(Check_Version());
  platform::SetHttpClient(nullptr);
  EXPECT_EQ(http.Requests().size(), 3u);
}
