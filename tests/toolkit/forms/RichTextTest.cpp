#include "toolkit/forms/models/RichLayout.h"
#include "toolkit/forms/models/RichText.h"

#include <gtest/gtest.h>

namespace {

TRichMeasure FixedMeasure() {
  TRichMeasure m;
  m.TextWidth = [](const TRichCharFormat&, const std::string& s) { return static_cast<int>(s.size()) * 10; };
  m.LineHeight = [](const TRichCharFormat& f) { return f.Size * 2; };
  m.TabWidth = 40;
  return m;
}

TEST(RichText, ParagraphsAndPlainText) {
  TRichText t;
  t.SetPlainText("one\r\ntwo\nthree");
  EXPECT_EQ(t.Text(), "one\rtwo\rthree");
  EXPECT_EQ(t.PlainText(), "one\r\ntwo\r\nthree");
  EXPECT_EQ(t.ParagraphCount(), 3);
  EXPECT_EQ(t.ParagraphStart(2), 8);
  EXPECT_EQ(t.ParagraphLength(1), 3);
  EXPECT_EQ(t.ParagraphFromChar(4), 1);
  t.Delete(3, 1);  // join the first two paragraphs
  EXPECT_EQ(t.ParagraphCount(), 2);
  EXPECT_EQ(t.Text(), "onetwo\rthree");
}

TEST(RichText, FormatsApplyToRangesAndFormRuns) {
  TRichText t;
  t.SetPlainText("plain bold");
  t.ModifyFormat(6, 4, [](TRichCharFormat& f) { f.Bold = true; });
  std::vector<TRichRun> runs = t.Runs(0);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[1].Start, 6);
  EXPECT_TRUE(runs[1].Format.Bold);
  EXPECT_FALSE(t.FormatAt(0).Bold);
  EXPECT_TRUE(t.FormatAt(10).Bold);  // the end reads the last character
}

TEST(RichText, ReadsTheRtfSubset) {
  TRichText t;
  t.LoadRtf(
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier New;}}"
      "{\\colortbl ;\\red255\\green0\\blue0;}"
      "{\\*\\generator Something;}{\\info{\\title x}}"
      "\\pard\\qc\\f1\\fs28 Title\\par\n"
      "\\pard\\f0\\fs20 a{\\b bold}\\cf1 red\\cf0\\tab {\\i it}{\\ul u}\\ulnone{\\strike s}"
      " caf\\'e9 \\u8364? \\unknownword x}");
  ASSERT_EQ(t.ParagraphCount(), 2);
  EXPECT_EQ(t.Paragraph(0).Alignment, raCenter);
  EXPECT_EQ(t.Paragraph(1).Alignment, raLeft);
  // The blank after a control word ends the word and is not text.
  EXPECT_EQ(t.Text(), "Title\raboldred\titus caf\xC3\xA9 \xE2\x82\xAC x");
  EXPECT_EQ(t.FormatAt(0).FontName, "Courier New");
  EXPECT_EQ(t.FormatAt(0).Size, 14);
  int b = static_cast<int>(t.Text().find("bold"));
  EXPECT_TRUE(t.FormatAt(b).Bold);
  EXPECT_FALSE(t.FormatAt(b + 4).Bold);
  EXPECT_EQ(t.FormatAt(static_cast<int>(t.Text().find("red"))).Color, 0x0000FF);
  int it = static_cast<int>(t.Text().find("\tit")) + 1;
  EXPECT_TRUE(t.FormatAt(it).Italic);
  EXPECT_TRUE(t.FormatAt(it + 2).Underline);
  EXPECT_FALSE(t.FormatAt(it + 3).Underline);
  EXPECT_TRUE(t.FormatAt(it + 3).StrikeOut);
}

TEST(RichText, WritesWhatItReads) {
  TRichText t;
  t.SetPlainText("Left {brace} \\ tab\there\r\ncentre \xE2\x82\xAC");
  t.ModifyFormat(0, 4, [](TRichCharFormat& f) { f.Bold = true; f.Color = 0x00FF00; f.Size = 16; });
  t.ModifyFormat(5, 7, [](TRichCharFormat& f) { f.Italic = true; f.Underline = true; f.FontName = "Courier"; });
  t.SetParagraph(1, {raCenter});
  TRichText back;
  back.LoadRtf(t.SaveRtf());
  EXPECT_EQ(back.Text(), t.Text());
  for (int i = 0; i < t.Length(); ++i) EXPECT_EQ(back.FormatAt(i), t.FormatAt(i)) << i;
  EXPECT_EQ(back.Paragraph(1).Alignment, raCenter);
}

TEST(RichText, NonRtfLoadsAsPlainText) {
  TRichText t;
  t.LoadRtf("just {text}");
  EXPECT_EQ(t.Text(), "just {text}");
}

TEST(RichText, MalformedRtfNeverFails) {
  const char* inputs[] = {
      "{\\rtf1 unclosed {\\b group",
      "{\\rtf1 }}}}} extra closers",
      "{\\rtf1 \\",
      "{\\rtf1 \\'",
      "{\\rtf1 \\'4",
      "{\\rtf1 \\u",
      "{\\rtf1 \\u-99999999999999999999 x}",
      "{\\rtf1 \\fs-5 \\fs99999999999 \\cf77 \\f9 x}",
      "{\\rtf1 {\\fonttbl{\\f0 Arial",
      "{\\rtf1 {\\colortbl \\red999;}\\cf1 x}",
      "{\\rtf1 \\ud800 \\udc00 \\udc00 lone}",
  };
  for (const char* in : inputs) {
    TRichText t;
    EXPECT_NO_THROW(t.LoadRtf(in)) << in;
    EXPECT_EQ(t.ParagraphCount(), static_cast<int>(std::count(t.Text().begin(), t.Text().end(), '\r')) + 1);
  }
  std::string deep = "{\\rtf1 " + std::string(100000, '{') + "x" + std::string(100000, '}');
  TRichText t;
  t.LoadRtf(deep);
  EXPECT_EQ(t.Text(), "x");
}

TEST(RichLayout, WrapsAtSpacesAndBreaksLongWords) {
  TRichText t;
  t.SetPlainText("aaa bbb ccccccccccccc");
  TRichLayoutResult r = LayoutRichText(t, 0, 80, 0, FixedMeasure());
  ASSERT_EQ(r.Lines.size(), 3u);
  EXPECT_EQ(r.Lines[0].End, 8);  // "aaa bbb " fits in 80
  EXPECT_EQ(r.Lines[1].End, 16);
  EXPECT_EQ(r.Lines[2].End, 21);
  EXPECT_EQ(r.FirstNotFitting, t.Length());
}

TEST(RichLayout, FormatRangeReturnsTheFirstCharacterThatDidNotFit) {
  TRichText t;
  t.SetPlainText("line one\r\nline two\r\nline three");  // each line 20 high at size 10
  TRichLayoutResult r = LayoutRichText(t, 0, 1000, 45, FixedMeasure());
  EXPECT_EQ(r.Lines.size(), 2u);
  EXPECT_EQ(r.FirstNotFitting, t.ParagraphStart(2));
  // The next page starts there and takes the rest.
  TRichLayoutResult next = LayoutRichText(t, r.FirstNotFitting, 1000, 45, FixedMeasure());
  EXPECT_EQ(next.FirstNotFitting, t.Length());
  // A page too small for one line still places one, so printing advances.
  EXPECT_EQ(LayoutRichText(t, 0, 1000, 5, FixedMeasure()).Lines.size(), 1u);
}

TEST(RichLayout, AlignmentTabsAndFragments) {
  TRichText t;
  t.SetPlainText("ab\tc");
  t.ModifyFormat(1, 1, [](TRichCharFormat& f) { f.Bold = true; f.Size = 20; });
  TRichLayoutResult r = LayoutRichText(t, 0, 200, 0, FixedMeasure());
  ASSERT_EQ(r.Lines[0].Fragments.size(), 4u);
  EXPECT_EQ(r.Lines[0].Fragments[3].X, 40);  // after the tab stop
  EXPECT_EQ(r.Lines[0].Height, 40);          // the tallest format
  EXPECT_EQ(r.Width, 50);
  t.SetParagraph(0, {raRight});
  EXPECT_EQ(LayoutRichText(t, 0, 200, 0, FixedMeasure()).Lines[0].Fragments[0].X, 150);
  t.SetParagraph(0, {raCenter});
  EXPECT_EQ(LayoutRichText(t, 0, 200, 0, FixedMeasure()).Lines[0].Fragments[0].X, 75);
}

}  // namespace
