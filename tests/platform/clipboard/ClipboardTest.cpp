#include "platform/clipboard/Clipboard.h"
#include "platform/clipboard/DataBlocks.h"

#include <gtest/gtest.h>

namespace {

using platform::Clipboard;

TEST(ClipboardFormats, OneNumberPerNameFromC000) {
  uint32_t cells = RegisterClipboardFormat("TExtStringGrid Cells");
  EXPECT_GE(cells, 0xC000u);
  EXPECT_EQ(RegisterClipboardFormat("TExtStringGrid Cells"), cells);
  EXPECT_EQ(RegisterClipboardFormat("textstringgrid cells"), cells);
  uint32_t column = RegisterClipboardFormat("Grid Column");
  EXPECT_NE(column, cells);
  EXPECT_EQ(GetClipboardFormatName(cells), "TExtStringGrid Cells");
  EXPECT_EQ(GetClipboardFormatName(CF_TEXT), "");
  EXPECT_EQ(GetClipboardFormatName(0xFFFF), "");
  EXPECT_EQ(RegisterClipboardFormat(""), 0u);
}

class ClipboardTest : public testing::Test {
protected:
  Clipboard clipboard_;
};

TEST_F(ClipboardTest, WritingNeedsTheClipboardOpen) {
  EXPECT_FALSE(clipboard_.SetData(CF_TEXT, "x"));
  EXPECT_FALSE(clipboard_.Empty());
  ASSERT_TRUE(clipboard_.Open());
  EXPECT_FALSE(clipboard_.Open());  // once at a time
  EXPECT_FALSE(clipboard_.SetText("busy"));
  uint32_t before = clipboard_.SequenceNumber();
  EXPECT_TRUE(clipboard_.SetData(RegisterClipboardFormat("Grid Column"), std::string("\x02\0\0\0", 4)));
  EXPECT_NE(clipboard_.SequenceNumber(), before);
  clipboard_.Close();
  EXPECT_FALSE(clipboard_.IsOpen());
  EXPECT_EQ(clipboard_.GetData(RegisterClipboardFormat("grid column")), std::string("\x02\0\0\0", 4));
  EXPECT_FALSE(clipboard_.HasFormat(CF_TEXT));
}

TEST_F(ClipboardTest, EmptyRemovesEveryFormat) {
  clipboard_.SetText("a");
  ASSERT_TRUE(clipboard_.Open());
  clipboard_.Empty();
  clipboard_.Close();
  EXPECT_TRUE(clipboard_.Formats().empty());
  EXPECT_EQ(clipboard_.Text(), "");
}

TEST_F(ClipboardTest, TextFormatsStandInForEachOther) {
  ASSERT_TRUE(clipboard_.Open());
  clipboard_.SetData(CF_TEXT, std::string("Pre\x80is\0junk", 10));
  clipboard_.Close();
  EXPECT_TRUE(clipboard_.HasFormat(CF_UNICODETEXT));
  EXPECT_EQ(clipboard_.Text(), "Pre\xE2\x82\xAC" "is");
  EXPECT_EQ(clipboard_.Formats(), std::vector<uint32_t>{CF_TEXT});

  clipboard_.SetText("Öl 日本");
  EXPECT_EQ(clipboard_.GetData(CF_TEXT), std::string("\xD6l ??\0", 6));
  EXPECT_EQ(clipboard_.GetData(CF_UNICODETEXT), std::string("\xD6\0l\0 \0\xE5\x65\x2C\x67\0\0", 12));
  EXPECT_EQ(clipboard_.Text(), "Öl 日本");
}

TEST_F(ClipboardTest, HtmlAndFiles) {
  clipboard_.SetHtml("<b>x &amp; y</b>", "x & y");
  EXPECT_EQ(clipboard_.HtmlFragment(), "<b>x &amp; y</b>");
  EXPECT_EQ(clipboard_.Text(), "x & y");
  clipboard_.SetFiles({"/tmp/a b.txt", "/home/ü/c"});
  EXPECT_EQ(clipboard_.Files(), (std::vector<std::string>{"/tmp/a b.txt", "/home/ü/c"}));
  EXPECT_FALSE(clipboard_.HasFormat(CF_UNICODETEXT));  // setting files emptied the rest
}

class RecordingHost : public platform::ClipboardHost {
public:
  void Publish(const std::optional<std::string>& text, const std::optional<std::string>& html) override {
    published.push_back({text, html});
  }
  std::optional<platform::ExternalClipboard> Fetch() override { return offer; }

  std::vector<platform::ExternalClipboard> published;
  std::optional<platform::ExternalClipboard> offer;
};

TEST_F(ClipboardTest, HostGetsTextAndHtmlOfAChangedClipboard) {
  RecordingHost host;
  clipboard_.SetHost(&host);
  clipboard_.SetHtml("<i>a</i>", "a");
  ASSERT_EQ(host.published.size(), 1u);
  EXPECT_EQ(host.published[0].text, "a");
  EXPECT_EQ(host.published[0].html, "<i>a</i>");
  clipboard_.Text();  // reading publishes nothing
  EXPECT_EQ(host.published.size(), 1u);
  ASSERT_TRUE(clipboard_.Open());
  clipboard_.Empty();
  clipboard_.SetData(RegisterClipboardFormat("TExtStringGrid Cells"), "private");
  clipboard_.Close();
  ASSERT_EQ(host.published.size(), 2u);  // named formats stay inside: nothing to offer
  EXPECT_FALSE(host.published[1].text);
  EXPECT_FALSE(host.published[1].html);
  clipboard_.SetHost(nullptr);
}

TEST_F(ClipboardTest, AnotherProgramsOfferReplacesTheContentOnOpen) {
  RecordingHost host;
  clipboard_.SetText("ours");
  clipboard_.SetHost(&host);
  host.offer = platform::ExternalClipboard{"theirs", "<p>theirs</p>"};
  EXPECT_EQ(clipboard_.Text(), "theirs");
  EXPECT_EQ(clipboard_.HtmlFragment(), "<p>theirs</p>");
  EXPECT_EQ(clipboard_.GetData(CF_TEXT), std::string("theirs\0", 7));
  host.offer.reset();
  clipboard_.SetHost(nullptr);
}

// A fragment past about 100 MB needs offsets of more than 8 digits; they must
// be the real ones, not cut to fit a width counted with zeros.
TEST(DataBlocks, HtmlHeaderOffsetsPointAtTheParts) {
  for (const std::string& fragment : {std::string("<td>1 € </td>"), std::string(100'000'000, 'x')}) {
    const std::string block = platform::MakeHtmlBlock(fragment);
    auto number = [&](const std::string& name) {
      size_t at = block.find(name + ":") + name.size() + 1;
      return std::stoul(block.substr(at, block.find('\r', at) - at));
    };
    EXPECT_EQ(block.rfind("Version:0.9\r\nStartHTML:", 0), 0u);
    EXPECT_EQ(block.substr(number("StartHTML"), 6), "<html>");
    EXPECT_EQ(number("EndHTML"), block.size());
    const size_t start = number("StartFragment"), end = number("EndFragment");
    EXPECT_TRUE(block.compare(start, end - start, fragment) == 0) << "fragment of " << fragment.size() << " bytes";
    EXPECT_TRUE(platform::ReadHtmlBlock(block) == fragment) << "fragment of " << fragment.size() << " bytes";
    const bool big = fragment.size() > 99'999'999;
    EXPECT_EQ(block.substr(0, 32), big ? "Version:0.9\r\nStartHTML:000000101" : "Version:0.9\r\nStartHTML:00000097\r");
  }
}

TEST(DataBlocks, BadHtmlHeadersGiveNothing) {
  for (const char* block : {"", "Version:0.9\r\n", "StartFragment:00000010\r\nEndFragment:00000005\r\n",
                            "StartFragment:00000000\r\nEndFragment:99999999\r\n", "StartFragment:x\r\nEndFragment:1\r\n"})
    EXPECT_EQ(platform::ReadHtmlBlock(block), "") << block;
}

TEST(DataBlocks, FileDropLayoutAndBadBlocks) {
  std::string block = platform::MakeFileDropBlock({"/a", "/b"});
  EXPECT_EQ(block.substr(0, 4), std::string("\x14\0\0\0", 4));
  EXPECT_EQ(block.substr(16, 4), std::string("\x01\0\0\0", 4));
  EXPECT_EQ(block.substr(20), std::string("/\0a\0\0\0/\0b\0\0\0\0\0", 14));
  std::string narrow = std::string("\x14\0\0\0", 4) + std::string(16, '\0') + std::string("/x\xE9\0/y\0\0", 8);
  EXPECT_EQ(platform::ReadFileDropBlock(narrow), (std::vector<std::string>{"/x\xC3\xA9", "/y"}));
  EXPECT_TRUE(platform::ReadFileDropBlock("short").empty());
  std::string pastEnd = block;
  pastEnd[0] = '\x7F';
  EXPECT_TRUE(platform::ReadFileDropBlock(pastEnd).empty());
  std::string unterminated = block.substr(0, 24);  // "/a" without its zero
  EXPECT_TRUE(platform::ReadFileDropBlock(unterminated).empty());
}

TEST(DataBlocks, TextBlocksStopAtTheFirstZero) {
  EXPECT_EQ(platform::ReadTextBlock(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(platform::ReadTextBlock("no zero"), "no zero");
  EXPECT_EQ(platform::ReadUnicodeTextBlock(std::string("a\0b\0\0\0c\0", 8)), "ab");
  EXPECT_EQ(platform::ReadUnicodeTextBlock(std::string("a\0b", 3)), "a");  // odd byte dropped
}

}  // namespace
