// XML files of the grid, read back by the grid and by xmllint.

#include "grid/exchange/ExchangeFixture.h"
#include "grid/exchange/ExternalTool.h"
#include "toolkit/rtl/StringList.h"

namespace {

class ExtGridXMLTest : public ExchangeTest {
protected:
  // xmllint's verdict on a written file: "" when it is well-formed.
  std::string XmlLint(const std::string& Name) {
    TToolRun run = RunTool({"xmllint", "--noout", "--nonet", Path(Name)});
    return run.ExitCode == 0 ? "" : run.Output.empty() ? "xmllint failed" : run.Output;
  }
  void RequireXmlLint() {
    if (!ToolPresent("xmllint")) GTEST_SKIP() << "xmllint (libxml2-utils) is not installed; scripts/setup installs it";
  }
};

TEST_F(ExtGridXMLTest, WritesTheListWithEscapedTextsAndReadsItBack) {
  Fill(2, 1, {{0, 0, "a&b"}, {1, 0, "x<y"}});
  grid->SaveToXML(Path("g.xml"), "list", "row", nullptr);
  EXPECT_EQ(Read("g.xml"),
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<list>\r\n<row>\r\n"
            "<FIELD0>a&amp;b</FIELD0>\r\n<FIELD1>x&lt;y</FIELD1>\r\n</row>\r\n</list>\r\n");
  Fill(2, 1, {{0, 0, ""}, {1, 0, ""}});
  grid->LoadFromXML(Path("g.xml"));
  EXPECT_EQ(grid->Cells(0, 0), "a&b");
  EXPECT_EQ(grid->Cells(1, 0), "x<y");
}

TEST_F(ExtGridXMLTest, FieldNamesComeFromTheListThenNumbered) {
  Fill(3, 1, {{0, 0, "1"}, {1, 0, "ann"}, {2, 0, "z"}});
  TStringList names;
  names.Add("id");
  names.Add("name");
  grid->SaveToXML(Path("g.xml"), "list", "row", &names);
  const std::string xml = Read("g.xml");
  EXPECT_NE(xml.find("<id>1</id>\r\n<name>ann</name>\r\n<FIELD2>z</FIELD2>"), std::string::npos) << xml;
}

TEST_F(ExtGridXMLTest, EmptyCellsAreSkippedOrQuoted) {
  Fill(2, 1, {{0, 0, "a"}});
  grid->SaveToXML(Path("g.xml"), "list", "row", nullptr, false);
  EXPECT_EQ(Read("g.xml").find("FIELD1"), std::string::npos);
  grid->SaveToXML(Path("g.xml"), "list", "row", nullptr, true);
  EXPECT_NE(Read("g.xml").find("<FIELD1>&quot;&quot;</FIELD1>"), std::string::npos);
  Fill(2, 1, {{0, 0, "x"}, {1, 0, "x"}});
  grid->LoadFromXML(Path("g.xml"));
  EXPECT_EQ(grid->Cells(1, 0), "");
}

TEST_F(ExtGridXMLTest, TheDeclaredEncodingIsTheFilesOwn) {
  RequireXmlLint();
  const std::string texts[] = {"caf\xC3\xA9", "\xE4\xB8\xAD\xE6\x96\x87", "\xE2\x82\xAC 5", "q\"uote'"};
  for (const char* encoding : {"ISO-8859-1", "UTF-8", "US-ASCII"}) {
    grid->SetXMLEncoding(encoding);
    grid->SetColCount(4);
    grid->SetRowCount(1);
    for (int c = 0; c < 4; ++c) grid->SetCells(c, 0, texts[c]);
    grid->SaveToXML(Path("g.xml"), "list", "row", nullptr);
    EXPECT_EQ(XmlLint("g.xml"), "") << encoding;
    TToolRun run = RunTool({"xmllint", "--nonet", "--xpath", "string(/list/row/FIELD1)", Path("g.xml")});
    EXPECT_NE(run.Output.find(texts[1]), std::string::npos) << encoding << ": " << run.Output;
    grid->ClearRect(0, 0, 3, 0);
    grid->LoadFromXML(Path("g.xml"));
    for (int c = 0; c < 4; ++c) EXPECT_EQ(grid->Cells(c, 0), texts[c]) << encoding;
  }
  grid->SetXMLEncoding("ISO-8859-1");
  grid->SaveToXML(Path("g.xml"), "list", "row", nullptr);
  EXPECT_NE(Read("g.xml").find("caf\xE9"), std::string::npos) << "Latin characters as their byte";
  EXPECT_NE(Read("g.xml").find("&#20013;&#25991;"), std::string::npos) << "others as character references";
}

TEST_F(ExtGridXMLTest, WhatXMLCannotCarryIsRefusedBeforeWriting) {
  Write("g.xml", "old");
  Fill(1, 1, {{0, 0, "bell\x07"}});
  EXPECT_THROW(grid->SaveToXML(Path("g.xml"), "list", "row", nullptr), EExtGridError);
  Fill(1, 1, {{0, 0, "fine"}});
  for (const char* name : {"1list", "a b", "", "x<y"})
    EXPECT_THROW(grid->SaveToXML(Path("g.xml"), name, "row", nullptr), EExtGridError) << name;
  TStringList names;
  names.Add("bad name");
  EXPECT_THROW(grid->SaveToXML(Path("g.xml"), "list", "row", &names), EExtGridError);
  EXPECT_EQ(Read("g.xml"), "old");
}

TEST_F(ExtGridXMLTest, TheReaderTakesTheParsersTextAsItIs) {
  Write("g.xml", "<list><r><a>&amp;lt;</a><b>$amp;</b><c>&#233;</c></r></list>");
  grid->LoadFromXML(Path("g.xml"));
  EXPECT_EQ(grid->Cells(0, 0), "&lt;");
  EXPECT_EQ(grid->Cells(1, 0), "$amp;");
  EXPECT_EQ(grid->Cells(2, 0), "\xC3\xA9");
}

TEST_F(ExtGridXMLTest, AttributesBecomeCellsAndHeaderNames) {
  grid->SetFixedRows(0);
  grid->SetRowCount(3);
  grid->SetFixedRows(1);
  Write("g.xml", "<list><rec a=\"1\" b=\"2\"/></list>");
  grid->LoadFromXML(Path("g.xml"), false, true);
  EXPECT_EQ(grid->Cells(0, 0), "a");
  EXPECT_EQ(grid->Cells(1, 0), "b");
  EXPECT_EQ(grid->Cells(0, 1), "1");
  EXPECT_EQ(grid->Cells(1, 1), "2");
  EXPECT_EQ(grid->RowCount(), 2);
}

TEST_F(ExtGridXMLTest, LevelToRowPutsEachNestingLevelOnANewRow) {
  Write("g.xml", "<list><rec><x>1</x><y>2</y><sub><p>3</p><q>4</q></sub></rec></list>");
  grid->LoadFromXML(Path("g.xml"), true, false);
  EXPECT_EQ(grid->Cells(0, 0), "1");
  EXPECT_EQ(grid->Cells(1, 0), "2");
  EXPECT_EQ(grid->Cells(0, 1), "3");
  EXPECT_EQ(grid->Cells(1, 1), "4");
  EXPECT_EQ(grid->RowCount(), 2);
}

TEST_F(ExtGridXMLTest, BadDocumentsRaiseAndLeaveTheGrid) {
  Fill(2, 2, {{0, 0, "keep"}});
  Write("g.xml", "<list>\n<row>\n<a>1</b>\n</row></list>");
  try {
    grid->LoadFromXML(Path("g.xml"));
    ADD_FAILURE() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message().rfind("XMLDOM Parsing error", 0), 0u) << e.Message();
    EXPECT_NE(e.Message().find("on line 3"), std::string::npos) << e.Message();
  }
  EXPECT_THROW(grid->LoadFromXML(Path("missing.xml")), Exception);
  EXPECT_EQ(grid->Cells(0, 0), "keep");
  EXPECT_EQ(grid->RowCount(), 2);
}

}  // namespace
