#include "grid/foundation/ExtUtil.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

struct TKindCase {
  std::string Text;
  bool HTMLEnabled;
  int Kind;
};

TEST(GridTextKind, Table) {
  const TKindCase cases[] = {
      {"", true, 0},
      {"a", true, 0},
      {"=", true, 3},
      {"=A1+B1", false, 3},
      {"{\\rtf1", true, 2},
      {"<b>x</b>", true, 1},  // holds "</"
      {"<b>x", true, 0},      // lower-case tag alone
      {"<B>x", true, 1},
      {"<B>x", false, 0},
      {"a<Cb", true, 1},
      {"a<I", true, 1},
      {EncodeWideText(u"=A"), true, 3},
      {EncodeWideText(u"="), true, 3},        // the first unit is "="
      {EncodeWideText(u"\u4E3D"), true, 5},   // low byte "=", high byte not 0
      {EncodeWideText(u"A="), true, 5},
      {"|\\"s, true, 5},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GetTextKind(c.Text, c.HTMLEnabled), c.Kind) << testing::PrintToString(c.Text);
}

TEST(GridWideText, EncodeAndDecode) {
  EXPECT_EQ(EncodeWideText(u"\u4E2D"), "|\\\x4E\x2D");
  EXPECT_EQ(DecodeWideText("|\\\x4E\x2D"), u"\u4E2D");
  EXPECT_EQ(EncodeWideText(u""), "|\\");
  EXPECT_EQ(DecodeWideText("|\\"), u"");
  EXPECT_EQ(DecodeWideText("|\\\x00\x41\x42"s), u"A");  // an odd last character is dropped
  EXPECT_EQ(DecodeWideText("plain"), u"plain");
  EXPECT_EQ(DecodeWideText("\xc3\xa9t\xc3\xa9"), u"\u00E9t\u00E9");
  const std::u16string all = u"A\u00FF\u0100\uFFFF\0z"s;
  EXPECT_EQ(EncodeWideText(all).size(), 2 + 2 * all.size());
  EXPECT_EQ(DecodeWideText(EncodeWideText(all)), all);
}

TEST(GridWideText, WidePos) {
  EXPECT_EQ(WidePos(u"c", u"abc"), 3);
  EXPECT_EQ(WidePos(u"x", u"abc"), 0);
  EXPECT_EQ(WidePos(u"", u"abc"), 0);
}

TEST(GridHtmlText, ClipboardFrame) {
  std::string f;
  BuildCFHTML(f);
  EXPECT_EQ(f.substr(0, 97),
            "Version:1.0\r\nStartHTML:00000097\r\nEndHTML:00000306\r\n"
            "StartFragment:00000274\r\nEndFragment:00000274\r\n");
  EXPECT_EQ(f.size(), 306u);
  EXPECT_EQ(f.find("<!DOCTYPE"), 97u);

  std::string g = "<b>x</b>";
  BuildCFHTML(g);
  EXPECT_NE(g.find("EndHTML:00000314"), std::string::npos);
  EXPECT_NE(g.find("EndFragment:00000282"), std::string::npos);
  EXPECT_EQ(g.substr(274, 8), "<b>x</b>");
  EXPECT_EQ(g.substr(282), "<!--EndFragment--></body></html>");
}

TEST(GridHtmlText, Links) {
  EXPECT_TRUE(IsURL("see http://x"));
  EXPECT_TRUE(IsURL("mailto:a@b"));
  EXPECT_FALSE(IsURL("MAILTO:a@b"));
  const std::pair<std::string, std::string> strips[] = {
      {"http://a://b", "a://b"},     // only up to the first "://"
      {"mailto:x http://y", "y"},    // "://" wins over "mailto:"
      {"mailto:a@b", "a@b"},
      {"plain", "plain"},
  };
  for (auto [text, stripped] : strips) {
    StripURLProtocol(text);
    EXPECT_EQ(text, stripped);
  }

  std::string dest = "untouched";
  EXPECT_FALSE(HyperlinkURLInText("no link", "FTP://", dest));
  EXPECT_EQ(dest, "untouched");
  ASSERT_TRUE(HyperlinkURLInText("get ftp://host/file?x=1 <now>", "FTP://", dest));
  EXPECT_EQ(dest, "get <a href=\"ftp://host/file\">ftp://host/file</a>?x=1 &lt;now&gt;");
  ASSERT_TRUE(HyperlinkURLInText("www.x.org", "WWW.", dest));
  EXPECT_EQ(dest, "<a href=\"www.x.org\">www.x.org</a>");
}

TEST(GridHtmlText, BreaksAndColours) {
  EXPECT_EQ(CRToBreakTags("a\r\nb"), "a<br>\nb");
  EXPECT_EQ(CRToBreakTags("a\nb"), "a\nb");
  EXPECT_EQ(ColorToHexRGB(0x00336699), "996633");
  EXPECT_EQ(ColorToHexRGB(0x000000FF), "FF0000");
}

}  // namespace
