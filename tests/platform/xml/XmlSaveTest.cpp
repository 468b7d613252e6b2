#include "platform/xml/XmlDocument.h"
#include "platform/support/TempFolder.h"

#include <gtest/gtest.h>

using platform::XmlDocument;
using platform::XmlError;
using platform::XmlNode;
using testsupport::TempFolder;

namespace {

// The shape every table editor writes: root, rows with string attributes, comment after the root.
TEST(XmlSave, SectionFileHasTheAgreedByteForm) {
  XmlDocument doc;
  XmlNode root = doc.AddRoot("DefineRecJ1939");
  XmlNode row = root.AddChild("row");
  row.SetAttribute("PGN", "65262");
  row.SetAttribute("Enable", "Y");
  row.SetAttribute("Mnemonic", "");
  root.AddChild("row").SetAttribute("PGN", "1");
  doc.AddComment("SW_VERSION = 1.000");
  EXPECT_EQ(doc.SaveToString(),
            "<DefineRecJ1939>\n"
            "  <row PGN=\"65262\" Enable=\"Y\" Mnemonic=\"\"/>\n"
            "  <row PGN=\"1\"/>\n"
            "</DefineRecJ1939>\n"
            "<!--SW_VERSION = 1.000-->\n");
}

TEST(XmlSave, ElementTextStaysOnItsLine) {
  XmlDocument doc;
  XmlNode root = doc.AddRoot("Par_Gen");
  root.AddChild("Baud").SetText("500");
  root.AddChild("Empty");
  EXPECT_EQ(doc.SaveToString(), "<Par_Gen>\n  <Baud>500</Baud>\n  <Empty/>\n</Par_Gen>\n");
}

TEST(XmlSave, AttributesEscapeMarkupAndLineBreaks) {
  XmlDocument doc;
  doc.AddRoot("r").SetAttribute("a", "x&y<z>\"q\" 'p'\tT\nL\rC");
  EXPECT_EQ(doc.SaveToString(), "<r a=\"x&amp;y&lt;z&gt;&quot;q&quot; 'p'&#9;T&#10;L&#13;C\"/>\n");
}

TEST(XmlSave, TextEscapesMarkupAndCarriageReturn) {
  XmlDocument doc;
  doc.AddRoot("r").SetText("a<b & c>d\r\ne\t\"'");
  EXPECT_EQ(doc.SaveToString(), "<r>a&lt;b &amp; c&gt;d&#13;\ne\t\"'</r>\n");
}

TEST(XmlSave, WhitespaceOnlyTextIsWrittenAsReferences) {
  XmlDocument doc;
  doc.AddRoot("r").SetText(" \t");
  EXPECT_EQ(doc.SaveToString(), "<r>&#32;&#9;</r>\n");
}

struct ByteExactCase {
  const char* name;
  const char* content;
};

// Files in the saved form must come back identical after load and save.
class XmlRoundTrip : public testing::TestWithParam<ByteExactCase> {};

TEST_P(XmlRoundTrip, LoadThenSaveIsByteForByte) {
  TempFolder folder;
  auto file = folder.Write("in.xml", GetParam().content);
  XmlDocument doc;
  doc.Load(file);
  auto out = folder / "out.xml";
  doc.Save(out);
  EXPECT_EQ(TempFolder::Read(out), GetParam().content);
}

INSTANTIATE_TEST_SUITE_P(
    SectionFiles, XmlRoundTrip,
    testing::Values(
        ByteExactCase{"table",
                      "<ReceiveNMEA2000>\n  <row PGN=\"65262\" SourceAddress=\"0\" Enable=\"Y\"/>\n"
                      "  <row PGN=\"61444\" SourceAddress=\"255\" Enable=\"N\"/>\n</ReceiveNMEA2000>\n"
                      "<!--SW_VERSION = 1.000-->\n"},
        ByteExactCase{"nonAsciiNames",
                      "<Größe>\n  <Zeile Wert=\"Überdruck\" Ωmega=\"日本語\"/>\n</Größe>\n"},
        ByteExactCase{"quotesAndAmpersands",
                      "<r>\n  <row Mnemonic=\"&quot;Oil&quot; &amp; 'water' &lt;1&gt;\" Unit=\"\"/>\n</r>\n"},
        ByteExactCase{"emptyAttributes", "<r a=\"\" b=\"\">\n  <row c=\"\"/>\n</r>\n"},
        ByteExactCase{"breaksInAttributes", "<r a=\"1&#9;2&#10;3&#13;4\"/>\n"},
        ByteExactCase{"elementText",
                      "<Par_Gen>\n  <Name>A &amp; B &lt;x&gt;</Name>\n  <Empty/>\n  <Eins>1</Eins>\n</Par_Gen>\n"
                      "<!--SW_VERSION = 1.000-->\n"},
        ByteExactCase{"mixedContent", "<r>\n  <p>one <b>two</b> three&#13;</p>\n</r>\n"},
        ByteExactCase{"cdataAndInstruction",
                      "<?app mode?>\n<r>\n  <c><![CDATA[<raw> & ]]]]><![CDATA[>]]></c>\n  <!--note-->\n</r>\n"},
        ByteExactCase{"blankText", "<r>&#32;&#32;</r>\n"}),
    [](const testing::TestParamInfo<ByteExactCase>& info) { return info.param.name; });

TEST(XmlSave, DeclarationReadFromAFileIsNotWrittenBack) {
  XmlDocument doc;
  doc.LoadFromBytes("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<r/>");
  EXPECT_EQ(doc.SaveToString(), "<r/>\n");
}

struct RefusedCase {
  const char* name;
  std::function<void(XmlDocument&)> build;
  const char* messagePart;
};

class XmlSaveRefuses : public testing::TestWithParam<RefusedCase> {};

TEST_P(XmlSaveRefuses, WithAClearErrorAndLeavesTheFileAlone) {
  TempFolder folder;
  auto file = folder.Write("keep.xml", "<old/>\n");
  XmlDocument doc;
  GetParam().build(doc);
  try {
    doc.Save(file);
    FAIL() << "saved";
  } catch (const XmlError& e) {
    EXPECT_NE(std::string(e.what()).find(GetParam().messagePart), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("keep.xml"), std::string::npos) << e.what();
  }
  EXPECT_EQ(TempFolder::Read(file), "<old/>\n");
  EXPECT_EQ(folder.EntryCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Content, XmlSaveRefuses,
    testing::Values(
        RefusedCase{"controlInAttribute", [](XmlDocument& d) { d.AddRoot("r").SetAttribute("a", "x\x01y"); },
                    "attribute \"a\" of element \"r\" contains character U+0001"},
        RefusedCase{"controlInText", [](XmlDocument& d) { d.AddRoot("r").AddChild("t").SetText("\x1b[0m"); },
                    "text of element \"t\" contains character U+001B"},
        RefusedCase{"invalidUtf8", [](XmlDocument& d) { d.AddRoot("r").SetText("caf\xE9"); },
                    "invalid UTF-8"},
        RefusedCase{"doubleHyphenComment", [](XmlDocument& d) { d.AddRoot("r"); d.AddComment("a--b"); }, "--"},
        RefusedCase{"controlInComment", [](XmlDocument& d) { d.AddRoot("r"); d.AddComment("\x02"); }, "comment"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST(XmlSave, ReplacesAnExistingFileAndLeavesNoTemporaryFile) {
  TempFolder folder;
  auto file = folder.Write("a.xml", "<old/>\n");
  XmlDocument doc;
  doc.AddRoot("new");
  doc.Save(file);
  EXPECT_EQ(TempFolder::Read(file), "<new/>\n");
  EXPECT_EQ(folder.EntryCount(), 1);
}

TEST(XmlSave, MissingFolderIsAnErrorNamingThePath) {
  TempFolder folder;
  XmlDocument doc;
  doc.AddRoot("r");
  auto file = folder / "missing" / "a.xml";
  try {
    doc.Save(file);
    FAIL();
  } catch (const XmlError& e) {
    EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos) << e.what();
  }
}

TEST(XmlSave, NulInAValueIsRefusedWhenSet) {
  XmlDocument doc;
  XmlNode root = doc.AddRoot("r");
  EXPECT_THROW(root.SetAttribute("a", std::string("x\0y", 3)), XmlError);
  EXPECT_THROW(root.SetText(std::string("x\0y", 3)), XmlError);
  EXPECT_FALSE(root.Attribute("a"));
}

}  // namespace
