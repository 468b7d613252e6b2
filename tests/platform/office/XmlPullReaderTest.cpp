// The forward-only reader of office XML parts: events, decoding, and the
// malformed texts it refuses.

#include <gtest/gtest.h>

#include "platform/office/OfficeFileError.h"
#include "platform/office/XmlPullReader.h"

namespace {

using namespace platform::office;

// Every event as "<name", ">name" or "'text'".
std::string Events(std::string_view Xml) {
  XmlPullReader x(Xml, "p.xml");
  std::string out;
  for (XmlPullReader::Event e; (e = x.Next()) != XmlPullReader::End;) {
    if (e == XmlPullReader::StartElement) out += "<" + std::string(x.Name());
    else if (e == XmlPullReader::EndElement) out += ">" + std::string(x.Name());
    else out += "'" + x.TextValue() + "'";
  }
  return out;
}

TEST(XmlPullReaderTest, EventsByLocalNameWithTextDecoded) {
  EXPECT_EQ(Events("\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n<!-- c --><x:a><b/>t&amp;&lt;&#65;&#x20AC;&unknown;<![CDATA[<c>]]>\r\n</x:a>\n"),
            "<a<b>b't&<A\xE2\x82\xAC&unknown;''<c>''\n'>a");
}

TEST(XmlPullReaderTest, AttributesAreFoundByLocalNameAndDecoded) {
  XmlPullReader x("<a xmlns:r=\"ns\" r:id='r&quot;1' t = \"a\tb\" empty=\"\"/>", "p.xml");
  ASSERT_EQ(x.Next(), XmlPullReader::StartElement);
  EXPECT_EQ(x.Attribute("id"), "r\"1");
  EXPECT_EQ(x.Attribute("t"), "a b");
  EXPECT_EQ(x.Attribute("empty"), "");
  EXPECT_EQ(x.Attribute("r"), std::nullopt);  // a namespace declaration is no attribute
  EXPECT_EQ(x.Next(), XmlPullReader::EndElement);
  EXPECT_EQ(x.Next(), XmlPullReader::End);
}

TEST(XmlPullReaderTest, MalformedTextsRaiseNamingThePart) {
  std::string nested;
  for (int i = 0; i < 300; ++i) nested += "<a>";
  for (const std::string& xml : {std::string(""), std::string("   "), std::string("<!DOCTYPE a><a/>"), std::string("<a>"),
                                std::string("<a></b>"), std::string("<a/><b/>"), std::string("<a/>text"), std::string("<a b=\"1"),
                                std::string("<a>&#0;</a>"), std::string("<a>&#xD800;</a>"), std::string("<a><!-- open</a>"),
                                std::string("<a><![CDATA[x</a>"), std::string("</a>"), std::string("<>"), nested}) {
    try {
      Events(xml);
      ADD_FAILURE() << "accepted: " << xml.substr(0, 40);
    } catch (const OfficeFileError& e) {
      EXPECT_NE(std::string(e.what()).find("Part p.xml"), std::string::npos) << e.what();
    }
  }
}

TEST(XmlPullReaderTest, SkipReadsToTheEndOfTheElementAndCollectsItsText) {
  XmlPullReader x("<a><b>1<c>2</c><d/>3</b><e/></a>", "p.xml");
  x.Next();
  x.Next();
  EXPECT_EQ(x.Skip(true), "123");
  EXPECT_EQ(x.Next(), XmlPullReader::StartElement);
  EXPECT_EQ(x.Name(), "e");
}

}  // namespace
