#include "platform/shell/OpenLink.h"
#include "platform/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using platform::RecordingLinkOpener;

struct LinkCase {
  const char* link;
  bool openable;
};

class LinkPolicy : public testing::TestWithParam<LinkCase> {};

TEST_P(LinkPolicy, OnlyWebAndMailLinksAreOpened) {
  EXPECT_EQ(platform::IsOpenableLink(GetParam().link), GetParam().openable) << GetParam().link;
}

INSTANTIATE_TEST_SUITE_P(
    Links, LinkPolicy,
    testing::Values(LinkCase{"http://example.com/x?a=1", true}, LinkCase{"HTTPS://Example.com", true},
                    LinkCase{"mailto:support@example.com?subject=Hello there", true},
                    LinkCase{"http://", false}, LinkCase{"https:///etc/passwd", false}, LinkCase{"mailto:", false},
                    LinkCase{"file:///etc/passwd", false}, LinkCase{"/usr/bin/xterm", false},
                    LinkCase{"javascript:alert(1)", false}, LinkCase{"ftp://example.com", false},
                    LinkCase{"--help", false}, LinkCase{"", false}, LinkCase{"http://a\nb", false},
                    LinkCase{"http://a\"b", false}, LinkCase{" http://a", false}));

class RecordedLinks : public testing::Test {
protected:
  RecordedLinks() { platform::SetLinkOpener(&opener_); }
  ~RecordedLinks() override { platform::SetLinkOpener(nullptr); }
  RecordingLinkOpener opener_;
};

TEST_F(RecordedLinks, OpenedLinksAreRecordedAndRefusedOnesReported) {
  EXPECT_TRUE(platform::OpenLink("https://example.com/update"));
  auto refused = platform::OpenLink("file:///tmp/x.exe");
  EXPECT_FALSE(refused);
  EXPECT_NE(refused.failure.find("file:///tmp/x.exe"), std::string::npos) << refused.failure;
  EXPECT_EQ(opener_.Opened(), std::vector<std::string>{"https://example.com/update"});
}

// The real backend, with a stand-in xdg-open early on PATH that passes its argument back through a FIFO.
TEST(XdgOpen, ReceivesTheLinkAsOneArgument) {
  testsupport::TempFolder folder;
  auto fifo = folder / "seen";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  auto script = folder.Write("xdg-open", "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" + fifo.string() + "'\n");
  chmod(script.c_str(), 0755);
  std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
  setenv("PATH", (folder.Path().string() + ":" + oldPath).c_str(), 1);
  auto result = platform::OpenLink("mailto:a@example.com?subject=two words");
  setenv("PATH", oldPath.c_str(), 1);
  ASSERT_TRUE(result) << result.failure;
  EXPECT_EQ(testsupport::TempFolder::Read(fifo), "1|mailto:a@example.com?subject=two words");
}

// A missing opener and one that cannot start are reported naming xdg-open
// once (the message box adds only the link).
TEST(XdgOpen, FailuresNameTheOpenerOnce) {
  struct Case {
    const char* what;
    const char* script;  // the stand-in on PATH; nullptr: none
  };
  for (const Case& c : {Case{"missing", nullptr}, Case{"not a program", "\x7f" "ELF garbage"}}) {
    SCOPED_TRACE(c.what);
    testsupport::TempFolder folder;
    if (c.script) chmod(folder.Write("xdg-open", c.script).c_str(), 0755);
    std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", folder.Path().c_str(), 1);
    auto result = platform::OpenLink("http://example.com");
    setenv("PATH", oldPath.c_str(), 1);
    EXPECT_FALSE(result);
    size_t first = result.failure.find("xdg-open");
    ASSERT_NE(first, std::string::npos) << result.failure;
    EXPECT_EQ(result.failure.find("xdg-open", first + 1), std::string::npos) << result.failure;
  }
}

}  // namespace
