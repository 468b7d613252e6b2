#include "platform/xml/XmlDocument.h"

#include <gtest/gtest.h>

using platform::XmlDocument;
using platform::XmlError;
using platform::XmlNode;
using platform::XmlNodeKind;

namespace {

TEST(XmlDocument, StartsEmpty) {
  XmlDocument doc;
  EXPECT_EQ(doc.NodeCount(), 0);
  EXPECT_TRUE(doc.FirstNode().IsNull());
  EXPECT_THROW(doc.Node(0), XmlError);
}

TEST(XmlDocument, TopLevelNodesIncludeDeclarationAndComments) {
  XmlDocument doc;
  doc.LoadFromBytes("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!--before-->\n<Conf_Settings/>\n<!--after-->\n");
  ASSERT_EQ(doc.NodeCount(), 4);
  XmlNode first = doc.FirstNode();
  EXPECT_EQ(first.Kind(), XmlNodeKind::ProcessingInstruction);
  EXPECT_EQ(first.Name(), "xml");
  EXPECT_EQ(first.Value(), "version=\"1.0\" encoding=\"UTF-8\"");
  EXPECT_EQ(doc.Node(1).Kind(), XmlNodeKind::Comment);
  EXPECT_EQ(doc.Node(1).Value(), "before");
  EXPECT_EQ(doc.Node(2).Name(), "Conf_Settings");
  EXPECT_EQ(doc.TopLevelElement("Conf_Settings"), doc.Node(2));
  EXPECT_TRUE(doc.TopLevelElement("conf_settings").IsNull());
}

TEST(XmlDocument, ChildrenOfEveryKindCountButBlankTextDoesNot) {
  XmlDocument doc;
  doc.LoadFromBytes("<r>\n  <a/>\n  <!--c-->\n  <?pi data?>\n  <![CDATA[cd]]>\n  text\n  <b/>\n</r>");
  XmlNode root = doc.FirstNode();
  ASSERT_EQ(root.ChildCount(), 6);
  const XmlNodeKind kinds[] = {XmlNodeKind::Element, XmlNodeKind::Comment, XmlNodeKind::ProcessingInstruction,
                               XmlNodeKind::CData,   XmlNodeKind::Text,    XmlNodeKind::Element};
  const char* names[] = {"a", "#comment", "pi", "#cdata-section", "#text", "b"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(root.Child(i).Kind(), kinds[i]) << i;
    EXPECT_EQ(root.Child(i).Name(), names[i]) << i;
  }
  EXPECT_EQ(root.Child(4).Value(), "\n  text\n  ");
  EXPECT_THROW(root.Child(6), XmlError);
  EXPECT_THROW(root.Child(-1), XmlError);
}

TEST(XmlDocument, ChildrenByPositionInAnyOrder) {
  XmlDocument doc;
  XmlNode root = doc.AddRoot("r");
  for (int i = 0; i < 50; ++i) root.AddChild(std::string("c").append(std::to_string(i)));
  EXPECT_EQ(root.ChildCount(), 50);
  for (int i : {0, 1, 2, 49, 10, 11, 3, 48, 0})
    EXPECT_EQ(root.Child(i).Name(), std::string("c").append(std::to_string(i)));
  root.AddChild("late");
  EXPECT_EQ(root.ChildCount(), 51);
  EXPECT_EQ(root.Child(50).Name(), "late");
}

TEST(XmlDocument, ChildElementFindsTheFirstElementWithTheName) {
  XmlDocument doc;
  doc.LoadFromBytes("<r><!--x--><x a=\"1\"/><x a=\"2\"/></r>");
  XmlNode root = doc.FirstNode();
  EXPECT_EQ(root.ChildElement("x").Attribute("a"), "1");
  EXPECT_TRUE(root.ChildElement("y").IsNull());
  EXPECT_TRUE(root.ChildElement("#comment").IsNull());
}

struct TextCase {
  const char* xml;
  const char* text;  // nullptr: Text() raises
};

class XmlElementText : public testing::TestWithParam<TextCase> {};

TEST_P(XmlElementText, FollowsTheChildren) {
  XmlDocument doc;
  doc.LoadFromBytes(GetParam().xml);
  XmlNode root = doc.FirstNode();
  if (GetParam().text) EXPECT_EQ(root.Text(), GetParam().text);
  else EXPECT_THROW(root.Text(), XmlError);
}

INSTANTIATE_TEST_SUITE_P(Cases, XmlElementText,
                         testing::Values(TextCase{"<r/>", ""}, TextCase{"<r></r>", ""}, TextCase{"<r>  </r>", ""},
                                         TextCase{"<r>a &amp; b</r>", "a & b"},
                                         TextCase{"<r><![CDATA[<x>]]></r>", "<x>"},
                                         TextCase{"<r> 12 </r>", " 12 "}, TextCase{"<r><a/></r>", nullptr},
                                         TextCase{"<r>a<b/>c</r>", nullptr}, TextCase{"<r><!--c--></r>", nullptr}));

TEST(XmlDocument, AbsentAttributeDiffersFromEmpty) {
  XmlDocument doc;
  doc.LoadFromBytes("<r empty=\"\" full='v'/>");
  XmlNode root = doc.FirstNode();
  EXPECT_EQ(root.Attribute("empty"), std::optional<std::string>(""));
  EXPECT_EQ(root.Attribute("full"), std::optional<std::string>("v"));
  EXPECT_EQ(root.Attribute("missing"), std::nullopt);
  EXPECT_EQ(root.Attribute("FULL"), std::nullopt);
}

TEST(XmlDocument, SetAttributeKeepsInsertionOrderAndReplacesInPlace) {
  XmlDocument doc;
  XmlNode root = doc.AddRoot("r");
  root.SetAttribute("b", "1");
  root.SetAttribute("a", "2");
  root.SetAttribute("b", "3");
  using Pairs = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(root.Attributes(), (Pairs{{"b", "3"}, {"a", "2"}}));
}

TEST(XmlDocument, SetTextReplacesAllChildren) {
  XmlDocument doc;
  XmlNode root = doc.AddRoot("r");
  XmlNode child = root.AddChild("c");
  root.SetText("v");
  EXPECT_EQ(root.ChildCount(), 1);
  EXPECT_EQ(root.Text(), "v");
  EXPECT_THROW(child.Name(), XmlError);  // the child is gone; its handle says so
  root.SetText("w");
  EXPECT_EQ(root.Text(), "w");
  root.SetText("");
  EXPECT_EQ(root.ChildCount(), 0);
  EXPECT_EQ(root.Text(), "");
}

TEST(XmlDocument, HandlesStayValidWhileTextChanges) {
  XmlDocument doc;
  XmlNode root = doc.AddRoot("Par_Gen");
  XmlNode a = root.AddChild("A");
  a.SetText("1");
  a.SetText("2");
  XmlNode b = root.AddChild("B");
  b.SetText("3");
  EXPECT_EQ(root.ChildElement("A").Text(), "2");
  EXPECT_EQ(b.Text(), "3");
}

TEST(XmlDocument, ClearAndLoadInvalidateOldHandles) {
  XmlDocument doc;
  XmlNode root = doc.AddRoot("r");
  doc.Clear();
  EXPECT_EQ(doc.NodeCount(), 0);
  EXPECT_THROW(root.AddChild("x"), XmlError);
  XmlNode again = doc.AddRoot("s");
  doc.LoadFromBytes("<t/>");
  EXPECT_THROW(again.Name(), XmlError);
  EXPECT_EQ(doc.FirstNode().Name(), "t");
}

TEST(XmlDocument, HandlesOutliveTheDocumentSafely) {
  XmlNode root;
  {
    XmlDocument doc;
    root = doc.AddRoot("r");
  }
  EXPECT_EQ(root.Name(), "r");
}

TEST(XmlDocument, NullHandleRaises) {
  XmlNode none;
  EXPECT_TRUE(none.IsNull());
  EXPECT_THROW(none.Name(), XmlError);
  EXPECT_THROW(none.ChildCount(), XmlError);
}

TEST(XmlDocument, OneRootOnly) {
  XmlDocument doc;
  doc.AddRoot("r");
  EXPECT_THROW(doc.AddRoot("s"), XmlError);
  doc.AddComment("SW_VERSION = 1.000");
  ASSERT_EQ(doc.NodeCount(), 2);
  EXPECT_EQ(doc.Node(1).Value(), "SW_VERSION = 1.000");
}

TEST(XmlDocument, InvalidNamesAreRefused) {
  XmlDocument doc;
  for (const char* name : {"", "a b", "1a", "-a", "a<b", "a\"b", "a&b"}) {
    EXPECT_THROW(doc.AddRoot(name), XmlError) << name;
  }
  XmlNode root = doc.AddRoot("r");
  EXPECT_THROW(root.AddChild("x y"), XmlError);
  EXPECT_THROW(root.SetAttribute("=", "v"), XmlError);
  EXPECT_NO_THROW(root.AddChild("Größe_1.a-b"));
}

}  // namespace
