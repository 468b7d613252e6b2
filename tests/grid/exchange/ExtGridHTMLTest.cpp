// HTML export of the grid, read back by html5lib and, as XHTML, by xmllint.

#include "grid/exchange/ExchangeFixture.h"
#include "grid/exchange/ExternalTool.h"
#include "toolkit/graphics/Bitmap.h"


namespace {

// Prints the text of every table cell, one per line, as html5lib parses the file.
const char* const kHtml5libCells = R"(
import sys, html5lib
doc = html5lib.parse(open(sys.argv[1], 'rb'), namespaceHTMLElements=False)
for td in doc.iter('td'):
    print(repr(''.join(td.itertext())))
)";

class ExtGridHTMLTest : public ExchangeTest {
protected:
  std::string Html() { return grid->SaveToHTMLString(folder.string()); }
  int Count(const std::string& Text, const std::string& What) {
    int n = 0;
    for (size_t p = Text.find(What); p != std::string::npos; p = Text.find(What, p + 1)) ++n;
    return n;
  }
  // The cell texts html5lib finds, as Python literals.
  std::vector<std::string> Html5libCells(const std::string& Name) {
    TToolRun run = RunTool({kSystemPython, "-c", kHtml5libCells, Path(Name)});
    EXPECT_EQ(run.ExitCode, 0) << run.Output;
    std::vector<std::string> cells;
    size_t pos = 0;
    for (size_t e; (e = run.Output.find('\n', pos)) != std::string::npos; pos = e + 1) cells.push_back(run.Output.substr(pos, e - pos));
    return cells;
  }
};

TEST_F(ExtGridHTMLTest, ATwoByTwoGridIsAStyleBlockAndATable) {
  Fill(2, 2, {{0, 0, "a"}, {1, 0, "b"}, {0, 1, "c"}, {1, 1, "d"}});
  const std::string html = Html();
  EXPECT_EQ(html.rfind("<style>\r\n.c0 {", 0), 0u) << "no prologue without XHTML";
  EXPECT_NE(html.find("</style>\r\n<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\" WIDTH=\"100%\">\r\n"), std::string::npos) << html;
  EXPECT_EQ(Count(html, "<TR>"), 2);
  EXPECT_EQ(Count(html, "<TD class=\"c"), 4);
  EXPECT_NE(html.find("<TR><TD class=\"c0\">a</td><TD class=\"c0\">b</td></TR>\r\n"), std::string::npos) << html;
  EXPECT_EQ(html.substr(html.size() - 10), "</TABLE>\r\n");
}

TEST_F(ExtGridHTMLTest, CellContentsAreEscapedOrMarkedUp) {
  struct {
    const char* name;
    std::string text;
    bool urlShow;
    std::string content;
  } cases[] = {
      {"empty", "", false, ">&nbsp;</td>"},
      {"special characters", "a<b & \"c\"", false, ">a&lt;b &amp; &quot;c&quot;</td>"},
      {"line break", "one\r\ntwo", false, ">one<br>two</td>"},
      {"link without scheme shown", "http://example.com/x", true, "><a href=\"http://example.com/x\">example.com/x</a></td>"},
      {"mail link", "mailto:a@b.c", true, "><a href=\"mailto:a@b.c\">a@b.c</a></td>"},
      {"link text escaped", "http://e.com/?a=1&b=<2>", true, "><a href=\"http://e.com/?a=1&amp;b=&lt;2&gt;\">e.com/?a=1&amp;b=&lt;2&gt;</a></td>"},
      {"HTML text kept", "<b>bold</b>", false, "><b>bold</b></td>"},
  };
  for (auto& c : cases) {
    grid->SetURLShow(c.urlShow);
    Fill(1, 1, {{0, 0, c.text}});
    EXPECT_NE(Html().find(c.content), std::string::npos) << c.name << "\n" << Html();
  }
}

TEST_F(ExtGridHTMLTest, MergedCellsSpanAndCoveredCellsAreLeftOut) {
  Fill(3, 1, {{0, 0, "wide"}, {2, 0, "z"}});
  grid->MergeCells(0, 0, 2, 1);
  const std::string html = Html();
  EXPECT_NE(html.find(" COLSPAN=\"2\""), std::string::npos) << html;
  EXPECT_EQ(Count(html, "<TD "), 2);
}

TEST_F(ExtGridHTMLTest, EqualStylesShareAClass) {
  Fill(3, 1, {{0, 0, "a"}, {1, 0, "b"}, {2, 0, "c"}});
  grid->SetFontStyles(2, 0, TFontStyles{fsBold});
  const std::string html = Html();
  EXPECT_EQ(Count(html, "class=\"c0\""), 2);
  const size_t c1 = html.find(".c1 {");
  ASSERT_NE(c1, std::string::npos) << html;
  const std::string style = html.substr(c1, html.find('}', c1) - c1);
  EXPECT_NE(style.find("font-weight: bold"), std::string::npos) << style;
  EXPECT_NE(html.find("class=\"c1\""), std::string::npos);
}

TEST_F(ExtGridHTMLTest, FilesCarryEveryCharacterAndHtml5libReadsThem) {
  if (!PythonHas("html5lib")) GTEST_SKIP() << "python3-html5lib is not installed; scripts/setup installs it";
  Fill(2, 2, {{0, 0, "caf\xC3\xA9"}, {1, 0, "\xE4\xB8\xAD"}, {0, 1, "a<b&c"}, {1, 1, "\"q\""}});
  for (bool unicode : {false, true}) {
    grid->SaveToHTML(Path("g.html"), false, unicode);
    if (!unicode) {
      EXPECT_NE(Read("g.html").find("caf&#233;"), std::string::npos) << "no ? for characters above 127";
    }
    EXPECT_EQ(Html5libCells("g.html"),
              (std::vector<std::string>{"'café'", "'中'", "'a<b&c'", "'\"q\"'"}))
        << "unicode " << unicode;
  }
}

TEST_F(ExtGridHTMLTest, XHTMLIsWellFormedXML) {
  if (!ToolPresent("xmllint")) GTEST_SKIP() << "xmllint (libxml2-utils) is not installed; scripts/setup installs it";
  grid->HTMLSettings()->SetXHTML(true);
  grid->HTMLSettings()->SetSummary("sum \"1\" & <2>");
  grid->SetURLShow(true);
  Fill(3, 2, {{0, 0, "caf\xC3\xA9"}, {1, 0, "a\r\nb"}, {2, 0, "<b>x<br>y</b>"}, {0, 1, "http://e.com/?a&b"}});
  grid->HTMLSettings()->SetNonBreakingText(true);
  for (bool unicode : {false, true}) {
    grid->SaveToHTML(Path("g.xhtml"), false, unicode);
    const std::string xhtml = Read("g.xhtml");
    EXPECT_EQ(xhtml.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<!DOCTYPE html PUBLIC", 0), 0u);
    for (const char* part : {"<html xmlns=\"http://www.w3.org/1999/xhtml\"", "<head>", "</head>\r\n<body>", "</body>\r\n</html>", "<br />", "<table border=\"1\""})
      EXPECT_NE(xhtml.find(part), std::string::npos) << part;
    TToolRun run = RunTool({"xmllint", "--noout", "--nonet", Path("g.xhtml")});
    EXPECT_EQ(run.ExitCode, 0) << run.Output << xhtml;
    run = RunTool({"xmllint", "--nonet", "--xpath", "string(//*[local-name()='td'][1])", Path("g.xhtml")});
    EXPECT_NE(run.Output.find("caf\xC3\xA9"), std::string::npos) << run.Output;
  }
}

// An HTML cell's entities are written once, not escaped a second time.
TEST_F(ExtGridHTMLTest, XHTMLKeepsTheTextOfAnHTMLCell) {
  grid->HTMLSettings()->SetXHTML(true);
  grid->SetEnableHTML(true);
  Fill(2, 1, {{0, 0, "<b>&amp; &lt;x&gt;</b>"}, {1, 0, "<i>a&quot;b</i>"}});
  const std::string xhtml = Html();
  EXPECT_NE(xhtml.find(">&amp; &lt;x&gt;</td>"), std::string::npos) << xhtml;
  EXPECT_NE(xhtml.find(">a&quot;b</td>"), std::string::npos) << xhtml;
  EXPECT_EQ(xhtml.find("&amp;amp;"), std::string::npos) << xhtml;
}

TEST_F(ExtGridHTMLTest, PicturesAreJPEGFilesLinkedByAbsoluteURLs) {
  Fill(2, 1, {{0, 0, "pic"}});
  TBitmap* bmp = grid->CreateBitmap(0, 0, false, haLeft, vaTop);
  bmp->SetSize(4, 3);
  const std::string html = Html();
  EXPECT_TRUE(std::filesystem::exists(folder / "images" / "img0.jpg"));
  EXPECT_NE(html.find(">pic<img src=\"file://" + (folder / "images" / "img0.jpg").string() + "\"></td>"), std::string::npos) << html;

  const std::string clip = grid->HTMLClipboardDocument();
  const size_t src = clip.find("src=\"file:///");
  ASSERT_NE(src, std::string::npos) << clip;
  const std::string image = clip.substr(src + 12, clip.find('"', src + 5) - src - 12);
  EXPECT_NE(image.find("gridclip-"), std::string::npos) << image;
  EXPECT_TRUE(std::filesystem::exists(image)) << image;
  std::filesystem::remove_all(std::filesystem::path(image).parent_path().parent_path());

  grid->HTMLSettings()->SetExportImages(false);
  EXPECT_EQ(Html().find("<img"), std::string::npos);
}

TEST_F(ExtGridHTMLTest, HeaderAndFooterFilesFrameTheDocumentAndAppendKeepsTheFile) {
  Fill(1, 1, {{0, 0, "x"}});
  Write("head.html", "<html><body>\r\n");
  Write("foot.html", "</body></html>\r\n");
  grid->HTMLSettings()->SetHeaderFile(Path("head.html"));
  grid->HTMLSettings()->SetFooterFile(Path("foot.html"));
  grid->SaveToHTML(Path("g.html"));
  const std::string once = Read("g.html");
  EXPECT_EQ(once.rfind("<html><body>\r\n<style>", 0), 0u) << once;
  EXPECT_EQ(once.substr(once.size() - 16), "</body></html>\r\n");
  grid->AppendToHTML(Path("g.html"));
  EXPECT_EQ(Read("g.html"), once + once);

  grid->HTMLSettings()->SetHeaderFile(Path("missing.html"));
  EXPECT_THROW(grid->SaveToHTML(Path("g.html")), Exception);
  EXPECT_EQ(Read("g.html"), once + once) << "nothing written";
}

}  // namespace
