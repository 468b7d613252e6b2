#include <gtest/gtest.h>

#include "grid/foundation/EsgHTMLE.h"

namespace {

struct TPrepareCase {
  const char* Text;
  const char* Prepared;
};

TEST(HTMLMarkup, PreparesEntitiesLiteralsAndLineEnds) {
  const TPrepareCase cases[] = {
      {"a &amp; b", "a && b"},                      // drawn as one ampersand by the prefix rule
      {"&AMP;x", "&&x"},                            // found regardless of case
      {"&quot;q&quot;", "\"q\""},
      {"&sect;&permil;&reg;&copy;&para;&trade;&euro;", "§‰®©¶™€"},
      {"&eacute;", "&eacute;"},                     // not one of the nine
      {"<#1>", "#1"},                               // shown as text without the brackets
      {"x<#tag>y", "x#tagy"},
      {"a\rb", "a<BR>b"},
      {"a\nb", "ab"},                               // a lone line feed joins the lines
      {"a\r\nb", "a<BR>b"},
      {"plain", "plain"},
  };
  for (const auto& c : cases) EXPECT_EQ(PrepareHTMLText(c.Text), c.Prepared) << c.Text;
}

TEST(HTMLMarkup, RunEntitiesOnlyWhileWrittenInLowerCase) {
  const TPrepareCase cases[] = {
      {"a&nbsp;b", "a b"},
      {"&lt;tag&gt;", "<tag>"},
      {"&NBSP;", "&NBSP;"},            // no lower-case one in the run
      {"&NBSP;&nbsp;", "  "},          // each replacement takes the first one found in any case
      {"&amp;lt;", "&amp;lt;"},
  };
  for (const auto& c : cases) EXPECT_EQ(ReplaceRunEntities(c.Text), c.Prepared) << c.Text;
}

struct TColorCase {
  const char* Value;
  TColor Color;
};

TEST(HTMLMarkup, ColourValues) {
  const TColorCase cases[] = {
      {"#FF0000", RGB(255, 0, 0)},   {"#00FF00", RGB(0, 255, 0)}, {"#0000FF", RGB(0, 0, 255)},
      {"#123456", RGB(0x12, 0x34, 0x56)}, {"#12", RGB(0x12, 0, 0)},
      {"clred", RGB(255, 0, 0)},      {"CLRED", RGB(255, 0, 0)},  {"clNavy", RGB(0, 0, 128)},
      {"red", 0},                     {"clunknown", 0},
      {"clwindow", TColor(0xFF000005u)}, {"clinfobk", TColor(0xFF000018u)},
      {"clhighlight", TColor(0xFF00000Du)}, {"cl3ddkshadow", TColor(0xFF000015u)},
  };
  for (const auto& c : cases) EXPECT_EQ(HTMLColorValue(c.Value), c.Color) << c.Value;
}

struct TAttrCase {
  const char* Tag;
  const char* Name;
  bool KeepCase;
  const char* Value;
};

TEST(HTMLMarkup, AttributesBetweenTheFirstTwoQuotesAfterTheName) {
  const TAttrCase cases[] = {
      {"<A href=\"Go.html\" title=\"Hi\">", "HREF", true, "Go.html"},
      {"<A href=\"Go.html\" title=\"Hi\">", "TITLE", true, "Hi"},
      {"<A href=\"Go.html\">", "HREF", false, "GO.HTML"},
      {"<FONT size=3>", "SIZE", false, ""},                      // no quotes: empty
      {"<FONT bgcolor=\"#FF0000\" color=\"clblue\">", " COLOR", false, "CLBLUE"},
      {"<FONT bgcolor=\"#FF0000\">", " COLOR", false, ""},        // BGCOLOR does not match " COLOR"
      {"<IMG src=\"x\" width=\"12", "WIDTH", false, ""},          // one quote only
  };
  for (const auto& c : cases) {
    std::string up = c.Tag;
    for (char& ch : up)
      if (ch >= 'a' && ch <= 'z') ch = char(ch - 32);
    EXPECT_EQ(HTMLTagAttribute(c.Tag, up, c.Name, c.KeepCase), c.Value) << c.Tag << " " << c.Name;
  }
}

struct TNumberCase {
  const char* Text;
  int Value;
  bool Valid;
};

TEST(HTMLMarkup, Numbers) {
  const TNumberCase cases[] = {
      {"12", 12, true},   {"  -7", -7, true}, {"$1F", 31, true}, {"x10", 16, true}, {"0x10", 16, true},
      {"12px", 12, false}, {"abc", 0, false}, {"", 0, false},     {"+3", 3, true},
      {"99999999999", INT32_MAX, true},
  };
  for (const auto& c : cases) {
    bool valid = !c.Valid;
    EXPECT_EQ(ParseHTMLNumber(c.Text, &valid), c.Value) << c.Text;
    EXPECT_EQ(valid, c.Valid) << c.Text;
  }
}

}  // namespace
