#include "platform/xml/XmlDocument.h"
#include "platform/support/TempFolder.h"

#include <gtest/gtest.h>

using platform::XmlDocument;
using platform::XmlError;
using testsupport::TempFolder;

namespace {

std::string Utf16(const std::u16string& text, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t c : text) {
    char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
  }
  return out;
}

struct EncodingCase {
  const char* name;
  std::string bytes;
};

class XmlEncodings : public testing::TestWithParam<EncodingCase> {};

// Each form carries the same text: "Öl €" in attribute v.
TEST_P(XmlEncodings, DecodeToTheSameText) {
  XmlDocument doc;
  doc.LoadFromBytes(GetParam().bytes);
  EXPECT_EQ(doc.TopLevelElement("r").Attribute("v"), "\xC3\x96l \xE2\x82\xAC");
}

INSTANTIATE_TEST_SUITE_P(
    Forms, XmlEncodings,
    testing::Values(
        EncodingCase{"utf8", "<r v=\"\xC3\x96l \xE2\x82\xAC\"/>"},
        EncodingCase{"utf8Bom", "\xEF\xBB\xBF<r v=\"\xC3\x96l \xE2\x82\xAC\"/>"},
        EncodingCase{"utf16le", Utf16(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><r v=\"\u00D6l \u20AC\"/>", false)},
        EncodingCase{"utf16be", Utf16(u"<r v=\"\u00D6l \u20AC\"/>", true)},
        EncodingCase{"latin1", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r v=\"\xD6l \x80\"/>"},
        EncodingCase{"cp1252", "<?xml version='1.0' encoding='windows-1252'?>\n<r v=\"\xD6l \x80\"/>"}),
    [](const testing::TestParamInfo<EncodingCase>& info) { return info.param.name; });

struct BadCase {
  const char* name;
  std::string bytes;
  const char* messagePart;
};

class XmlLoadRefuses : public testing::TestWithParam<BadCase> {};

TEST_P(XmlLoadRefuses, WithPathAndReasonAndKeepsTheOldContent) {
  TempFolder folder;
  auto file = folder.Write("bad.xml", GetParam().bytes);
  XmlDocument doc;
  doc.AddRoot("kept");
  try {
    doc.Load(file);
    FAIL() << "loaded";
  } catch (const XmlError& e) {
    std::string message = e.what();
    EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    EXPECT_NE(message.find(GetParam().messagePart), std::string::npos) << message;
  }
  ASSERT_EQ(doc.NodeCount(), 1);
  EXPECT_EQ(doc.FirstNode().Name(), "kept");
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, XmlLoadRefuses,
    testing::Values(
        BadCase{"empty", "", "no root element"},
        BadCase{"mismatchedTags", "<r>\n<a></b></r>", "line 2"},
        BadCase{"truncated", "<r><row a=\"1\"", "line 1"},
        BadCase{"twoRoots", "<a/><b/>", "more than one root"},
        BadCase{"textOutsideRoot", "<a/>text", "text outside"},
        BadCase{"duplicateAttribute", "<a x=\"1\" x=\"2\"/>", "given twice"},
        BadCase{"undefinedEntity", "<a>&nbsp;</a>", "undefined entity \"&nbsp;\""},
        BadCase{"bareAmpersand", "<a t=\"x & y\"/>", "'&'"},
        BadCase{"externalEntity",
                "<!DOCTYPE a [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>\n<a>&e;</a>", "document type"},
        BadCase{"externalDtd", "<!DOCTYPE a SYSTEM \"http://example.invalid/a.dtd\"><a/>", "document type"},
        BadCase{"controlCharacter", "<a>\x01</a>", "U+0001"},
        BadCase{"controlReference", "<a>&#1;</a>", "U+0001"},
        BadCase{"invalidUtf8", "<a>\xC3(</a>", "invalid UTF-8"},
        BadCase{"unknownEncoding", "<?xml version=\"1.0\" encoding=\"EBCDIC-US\"?><a/>", "unsupported encoding"},
        BadCase{"ltInAttribute", "<a x=\"<\"/>", "'<'"},
        BadCase{"oddUtf16", "\xFF\xFE<\0a\0/", "odd number"}),
    [](const testing::TestParamInfo<BadCase>& info) { return info.param.name; });

TEST(XmlLoad, MissingFileNamesThePath) {
  TempFolder folder;
  XmlDocument doc;
  try {
    doc.Load(folder / "none.xml");
    FAIL();
  } catch (const XmlError& e) {
    EXPECT_NE(std::string(e.what()).find("none.xml"), std::string::npos);
  }
}

TEST(XmlLoad, ReferencesInMarkupFreeZonesAreNotChecked) {
  XmlDocument doc;
  doc.LoadFromBytes("<!-- &bogus; <!DOCTYPE --><r><![CDATA[&x;]]><?p &y;?></r>");
  EXPECT_EQ(doc.TopLevelElement("r").Child(0).Value(), "&x;");
}

TEST(XmlLoad, LineBreaksInAttributesFollowTheXmlRules) {
  XmlDocument doc;
  doc.LoadFromBytes("<r a=\"1\r\n2\t3\" b=\"1&#10;2&#13;3&#9;\"/>");
  EXPECT_EQ(doc.FirstNode().Attribute("a"), "1 2 3");
  EXPECT_EQ(doc.FirstNode().Attribute("b"), "1\n2\r3\t");
}

TEST(XmlLoad, CrLfInTextBecomesLf) {
  XmlDocument doc;
  doc.LoadFromBytes("<r>a\r\nb&#13;</r>");
  EXPECT_EQ(doc.FirstNode().Text(), "a\nb\r");
}

std::string Nested(int depth) {
  std::string xml;
  for (int i = 0; i < depth; ++i) xml += "<a>";
  for (int i = 0; i < depth; ++i) xml += "</a>";
  return xml;
}

TEST(XmlLoad, NestingIsBounded) {
  XmlDocument doc;
  doc.LoadFromBytes(Nested(256));
  std::string saved = doc.SaveToString();
  XmlDocument again;
  again.LoadFromBytes(saved);
  EXPECT_EQ(again.SaveToString(), saved);
  EXPECT_THROW(doc.LoadFromBytes(Nested(257)), XmlError);
  EXPECT_THROW(doc.LoadFromBytes(Nested(100000)), XmlError);
}

TEST(XmlSave, NestingIsBounded) {
  XmlDocument doc;
  platform::XmlNode node = doc.AddRoot("a");
  for (int i = 1; i < 257; ++i) node = node.AddChild("a");
  EXPECT_THROW(doc.SaveToString(), XmlError);
}

}  // namespace
