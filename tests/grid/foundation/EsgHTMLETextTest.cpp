#include <gtest/gtest.h>

#include "grid/foundation/EsgHTMLE.h"

namespace {

struct TCase {
  const char* In;
  const char* Out;
};

TEST(HTMLTextRoutines, StripTags) {
  const TCase cases[] = {
      {"a<BR>b", "a\r\nb"},       {"a<br>b<hr>c", "a\r\nb\r\nc"}, {"<B>bold</B> text", "bold text"},
      {"x < y", "x < y"},          {"a<b>c<d", "ac<d"},           {"&amp;<i>", "&amp;"},
      // A ">" before a tag is text; the tag ends at the first ">" after it.
      {"x > y <b>z</b>", "x > y z"}, {"a>b<c>d", "a>bd"},
  };
  for (const auto& c : cases) EXPECT_EQ(StripHTMLTags(c.In), c.Out) << c.In;
}

TEST(HTMLTextRoutines, HighlightMarksEveryMatchAdjacentOnesToo) {
  EXPECT_EQ(HighlightInHTMLText("hello world", "world", "HI", true), "hello <HI>world</HI>");
  EXPECT_EQ(HighlightInHTMLText("<B>abc</B>", "b", "HI", false), "<B>a<HI>b</HI>c</B>");
  // Adjacent matches: both marked.
  EXPECT_EQ(HighlightInHTMLText("aaaa", "aa", "HI", true), "<HI>aa</HI><HI>aa</HI>");
  EXPECT_EQ(HighlightInHTMLText("Abc", "a", "HI", true), "Abc");
  EXPECT_EQ(HighlightInHTMLText("Abc", "a", "HI", false), "<HI>A</HI>bc");
  // Tag before the match's end: the closing tag comes before it.
  EXPECT_EQ(HighlightInHTMLText("ab<I>cd</I>", "ab", "HI", true), "<HI>ab</HI><I>cd</I>");
  EXPECT_EQ(HighlightInHTMLText("abc", "", "HI", true), "abc");
}

// Entities are one character each: a match never starts or ends inside one.
TEST(HTMLTextRoutines, HighlightMarksTextNeverInsideAnEntityOrTag) {
  const TCase cases[] = {
      {"a &amp; b", "<HI>a</HI> &amp; b"},
      {"<B>amp</B> &amp;", "<B><HI>amp</HI></B> &amp;"},
      {"x &lt;a&gt;", "x &lt;<HI>a</HI>&gt;"},
      {"<A href=\"a\">b</A>", "<A href=\"a\">b</A>"},
  };
  for (const auto& c : cases) {
    const std::string search = std::string(c.In).find("amp</B>") != std::string::npos ? "amp" : "a";
    EXPECT_EQ(HighlightInHTMLText(c.In, search, "HI", true), c.Out) << c.In;
  }
  // A search for the character an entity stands for marks the whole entity.
  EXPECT_EQ(HighlightInHTMLText("a &amp; b", "&", "HI", true), "a <HI>&amp;</HI> b");
  EXPECT_EQ(HighlightInHTMLText("1 &lt; 2", "< 2", "HI", true), "1 <HI>&lt; 2</HI>");
}

TEST(HTMLTextRoutines, RemoveTagPairs) {
  EXPECT_EQ(RemoveHTMLTagPairs("a<hi>b</HI>c &lt;x&gt;", "hi"), "abc <x>");
  EXPECT_EQ(RemoveHTMLTagPairs("<hi x>b</hi>", "HI"), "<hi x>b");
}

TEST(HTMLTextRoutines, DecodeInOnePass) {
  const TCase plain[] = {
      {"&lt;b&gt;", "<b>"},   {"&amp;lt;", "&lt;"},   {"&amp;amp;", "&amp;"}, {"&QUOT;x&quot;", "\"x\""},
      {"&eacute;", "&eacute;"}, {"&", "&"},          {"a&b", "a&b"},
  };
  for (const auto& c : plain) EXPECT_EQ(DecodeHTMLEntities(c.In, false), c.Out) << c.In;
  const TCase named[] = {{"caf&eacute;", "café"}, {"&Eacute;t&eacute;", "Été"}, {"&laquo;x&raquo;", "«x»"},
                         {"&copy;&reg;&euro;", "©®€"}};
  for (const auto& c : named) EXPECT_EQ(DecodeHTMLEntities(c.In, true), c.Out) << c.In;
}

TEST(HTMLTextRoutines, EncodeDirectly) {
  EXPECT_EQ(EncodeHTMLEntities("\"&<>", false), "&quot;&amp;&lt;&gt;");
  EXPECT_EQ(EncodeHTMLEntities("*amp;", false), "*amp;");  // a literal stays literal
  EXPECT_EQ(EncodeHTMLEntities("café «x»", true), "caf&eacute; &laquo;x&raquo;");
  EXPECT_EQ(EncodeHTMLEntities("café", false), "café");
  for (const char* s : {"a&b<c>\"d", "Été à Noël ©", "&amp;lt;"})
    EXPECT_EQ(DecodeHTMLEntities(EncodeHTMLEntities(s, true), true), s) << s;
  EXPECT_EQ(SpacesToNbsp("a b  c"), "a&nbsp;b&nbsp;&nbsp;c");
}

const char* kForm =
    "Name <CONTROL TYPE=\"edit\" ID=\"n\" VALUE=\"Jo &amp; Al\" WIDTH=\"80\" HEIGHT=\"30\" MAXLEN=\"12\"> "
    "<control type=\"CHECK\" id=\"c\" value=\"TRUE\" width=\"16\"> "
    "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"16\"> "
    "<CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"FALSE\" WIDTH=\"16\"> "
    "<CONTROL TYPE=\"COMBO\" ID=\"k\" VALUE=\"x\" WIDTH=\"60\" PROP=\"a&quot;b\">";

TEST(HTMLTextRoutines, ControlTags) {
  std::string type, id, value, width, height, prop, maxLen;
  ParseControlTag("<CONTROL type=\"edit\" ID=\"n\" VALUE=\"&lt;x&gt;\" WIDTH=\"80\" HEIGHT=\"30\" PROP=\"p\" MAXLEN=\"5\">",
                  type, id, value, width, height, prop, maxLen);
  EXPECT_EQ(type, "EDIT");
  EXPECT_EQ(id, "n");
  EXPECT_EQ(value, "<x>");
  EXPECT_EQ(width, "80");
  EXPECT_EQ(height, "30");
  EXPECT_EQ(prop, "p");
  EXPECT_EQ(maxLen, "5");

  EXPECT_TRUE(HasControlTag(kForm));
  EXPECT_FALSE(HasControlTag("no controls"));
  std::string v = "unchanged";
  EXPECT_TRUE(GetControlValue(kForm, "n", v));
  EXPECT_EQ(v, "Jo & Al");
  EXPECT_FALSE(GetControlValue(kForm, "missing", v));
  EXPECT_EQ(v, "Jo & Al");
  EXPECT_EQ(GetControlProp(kForm, "k"), "a\"b");
  EXPECT_EQ(GetControlProp(kForm, "n"), "");
  EXPECT_EQ(GetControlMaxLen(kForm, "n"), 12);
  EXPECT_EQ(GetControlMaxLen(kForm, "k"), 0);
  EXPECT_EQ(NextEditControlID(kForm, ""), "n");
  EXPECT_EQ(NextEditControlID(kForm, "n"), "k");
  EXPECT_EQ(NextEditControlID(kForm, "k"), "");  // the last editable control
}

TEST(HTMLTextRoutines, SetControlValueKeepsEveryAttribute) {
  std::string text = kForm;
  EXPECT_TRUE(SetControlValue(text, "n", "say \"hi\""));
  std::string type, id, value, width, height, prop, maxLen;
  const size_t at = text.find("<CONTROL ID=\"n\"");
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(text.substr(0, 5), "Name ");
  ParseControlTag(text.substr(at, text.find('>', at) - at + 1), type, id, value, width, height, prop, maxLen);
  EXPECT_EQ(value, "say \"hi\"");
  EXPECT_EQ(height, "30");  // kept
  EXPECT_EQ(width, "80");
  EXPECT_EQ(type, "EDIT");
  EXPECT_EQ(maxLen, "12");
  EXPECT_NE(text.find("VALUE=\"say &quot;hi&quot;\""), std::string::npos);
  EXPECT_TRUE(SetControlValue(text, "k", "y"));
  EXPECT_EQ(GetControlProp(text, "k"), "a\"b");

  std::string same = kForm;
  EXPECT_FALSE(SetControlValue(same, "nope", "v"));
  EXPECT_EQ(same, kForm);
}

TEST(HTMLTextRoutines, ClearRadios) {
  const std::string text = ClearRadioControls(kForm);
  std::string v;
  ASSERT_TRUE(GetControlValue(text, "r1", v));
  EXPECT_EQ(v, "FALSE");
  ASSERT_TRUE(GetControlValue(text, "c", v));
  EXPECT_EQ(v, "TRUE");  // check boxes untouched
}

// A quoted value may hold ">" or look like another attribute.
TEST(HTMLTextRoutines, ControlAttributesAreReadOutsideQuotedValues) {
  const std::string text = "a<CONTROL VALUE=\"ID=x\" ID=\"c1\" TYPE=\"EDIT\" WIDTH=\"40\">b";
  std::string value;
  ASSERT_TRUE(GetControlValue(text, "c1", value));
  EXPECT_EQ(value, "ID=x");
  EXPECT_FALSE(GetControlValue(text, "x", value));

  std::string edited = text;
  ASSERT_TRUE(SetControlValue(edited, "c1", "1 > 0 <b>"));
  ASSERT_TRUE(GetControlValue(edited, "c1", value));
  EXPECT_EQ(value, "1 > 0 <b>");
  EXPECT_EQ(edited.substr(edited.size() - 2), ">b");  // the text after the tag is kept
  ASSERT_TRUE(SetControlValue(edited, "c1", "again"));
  ASSERT_TRUE(GetControlValue(edited, "c1", value));
  EXPECT_EQ(value, "again");
  EXPECT_EQ(edited.substr(edited.size() - 2), ">b");
}

}  // namespace
