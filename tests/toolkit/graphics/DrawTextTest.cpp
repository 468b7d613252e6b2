// DrawText and text measuring in the fixed-text-metrics mode: every character
// is 6 pixels wide and a line is 11 pixels high for the default font.

#include "tests/toolkit/graphics/CanvasProbe.h"
#include "toolkit/graphics/TextLayout.h"

namespace {

class FixedText : public ::testing::Test {
protected:
  void SetUp() override {
    SetFixedTextMetrics(true);
    bmp = WhiteBitmap(200, 100);
    c = bmp->Canvas();
  }
  void TearDown() override { SetFixedTextMetrics(false); }

  std::unique_ptr<TBitmap> bmp;
  TCanvas* c = nullptr;
};

}  // namespace

TEST_F(FixedText, MetricsFollowTheDocumentedFormula) {
  EXPECT_EQ(c->TextWidth("abc"), 18);
  EXPECT_EQ(c->TextWidth(""), 0);
  EXPECT_EQ(c->TextWidth("\xC3\xA4\xC3\xB6"), 12);  // two code points
  EXPECT_EQ(c->TextHeight("abc"), 11);
  EXPECT_EQ(c->TextExtent("abcd"), (TSize{24, 11}));
  TTextMetric tm;
  ASSERT_TRUE(c->GetTextMetrics(tm));
  EXPECT_EQ(tm.tmHeight, 11);
  EXPECT_EQ(tm.tmAscent, 9);
  EXPECT_EQ(tm.tmDescent, 2);
  EXPECT_EQ(tm.tmInternalLeading, 0);
  EXPECT_EQ(tm.tmAveCharWidth, 6);
  EXPECT_EQ(tm.tmMaxCharWidth, 6);
  c->Font()->SetHeight(-20);
  c->Font()->SetStyle({fsBold});
  EXPECT_EQ(c->TextWidth("ab"), 20);
  EXPECT_EQ(c->TextHeight("ab"), 20);
}

TEST_F(FixedText, CalcRectTable) {
  struct Case { const char* text; int width; uint32_t format; TRect expected; int height; };
  const Case cases[] = {
      {"hello", 100, DT_SINGLELINE, {0, 0, 30, 11}, 11},
      {"hello world", 40, DT_WORDBREAK, {0, 0, 30, 22}, 22},
      {"a\nbb\r\nccc", 100, 0, {0, 0, 18, 33}, 33},
      {"a\nbb", 100, DT_SINGLELINE, {0, 0, 24, 11}, 11},
      {"verylongword x", 30, DT_WORDBREAK, {0, 0, 72, 22}, 22},
      {"verylongword", 30, DT_WORDBREAK | DT_EDITCONTROL, {0, 0, 30, 33}, 33},
      {"&File", 100, DT_SINGLELINE, {0, 0, 24, 11}, 11},
      {"&File", 100, DT_SINGLELINE | DT_NOPREFIX, {0, 0, 30, 11}, 11},
      {"a&&b", 100, DT_SINGLELINE, {0, 0, 18, 11}, 11},
      {"", 100, DT_SINGLELINE, {0, 0, 0, 11}, 11},
      {"abcdefghij", 42, DT_SINGLELINE | DT_END_ELLIPSIS, {0, 0, 42, 11}, 11},
      {"a\tb", 200, DT_SINGLELINE | DT_EXPANDTABS, {0, 0, 54, 11}, 11},
      {"one two  three", 48, DT_WORDBREAK, {0, 0, 42, 22}, 22},
  };
  for (const Case& t : cases) {
    TRect r{0, 0, t.width, 50};
    EXPECT_EQ(c->DrawText(t.text, r, t.format | DT_CALCRECT), t.height) << t.text;
    EXPECT_EQ(r, t.expected) << t.text;
  }
}

TEST_F(FixedText, CalcRectDrawsNothing) {
  TRect r{0, 0, 100, 20};
  c->DrawText("xxxx", r, DT_CALCRECT);
  EXPECT_EQ(CountColor(*bmp, clWhite), 200 * 100);
}

TEST_F(FixedText, VerticalPlacementOnlyForSingleLines) {
  TRect r{0, 0, 100, 41};
  EXPECT_EQ(c->DrawText("x", r, DT_SINGLELINE | DT_VCENTER), 26);  // top at 15
  EXPECT_EQ(c->DrawText("x", r, DT_SINGLELINE | DT_BOTTOM), 41);
  EXPECT_EQ(c->DrawText("x", r, DT_VCENTER), 11);  // ignored without DT_SINGLELINE
}

TEST_F(FixedText, TextLandsWhereTheLayoutSays) {
  c->Brush()->SetStyle(bsClear);
  TRect r{10, 10, 70, 40};
  c->DrawText("WW", r, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
  // Glyphs sit in the cells x 58..70, y 29..40.
  int inside = 0, outside = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) {
      if (c->Pixels(x, y) == clWhite) continue;
      (x >= 58 && x < 70 && y >= 29 && y < 40 ? inside : outside)++;
    }
  EXPECT_GT(inside, 4);
  EXPECT_EQ(outside, 0);
}

TEST_F(FixedText, DrawTextClipsUnlessNoClip) {
  c->Brush()->SetStyle(bsClear);
  TRect r{0, 0, 6, 11};
  c->DrawText("WWWW", r, DT_SINGLELINE);
  for (int y = 0; y < 100; ++y)
    for (int x = 6; x < 200; ++x) ASSERT_EQ(c->Pixels(x, y), clWhite) << x << "," << y;
  c->DrawText("WWWW", r, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_LT(CountColor(*bmp, clWhite), 200 * 100 - 10);
}

TEST_F(FixedText, PrefixUnderlinesItsCharacter) {
  c->Brush()->SetStyle(bsClear);
  TRect r{0, 0, 100, 20};
  c->DrawText("a&bc", r, DT_SINGLELINE);
  // The underline runs under the second cell, one pixel below the baseline.
  for (int x = 6; x < 12; ++x) EXPECT_EQ(c->Pixels(x, 10), clBlack) << x;
  auto hidden = WhiteBitmap(100, 20);
  hidden->Canvas()->Brush()->SetStyle(bsClear);
  hidden->Canvas()->DrawText("a&bc", r, DT_SINGLELINE | DT_HIDEPREFIX);
  int underline = 0;
  for (int x = 6; x < 12; ++x) underline += hidden->Canvas()->Pixels(x, 10) == clBlack;
  EXPECT_LT(underline, 6);
}

TEST_F(FixedText, OpaqueBackgroundCoversTheTextCells) {
  c->Brush()->SetColor(clYellow);
  TRect r{0, 0, 100, 20};
  c->DrawText("ab", r, DT_SINGLELINE);
  EXPECT_EQ(c->Pixels(0, 0), clYellow);
  EXPECT_EQ(c->Pixels(11, 10), clYellow);
  EXPECT_EQ(c->Pixels(12, 0), clWhite);
  c->Brush()->SetStyle(bsClear);
  c->DrawText("ab", r, DT_SINGLELINE);  // transparent leaves the rest alone
  EXPECT_EQ(c->Pixels(12, 0), clWhite);
}

TEST_F(FixedText, TextOutMovesThePenAndHonoursBkMode) {
  c->Brush()->SetColor(clAqua);
  c->SetBkMode(TRANSPARENT);
  c->TextOut(5, 5, "abc");
  EXPECT_EQ(c->PenPos(), (TPoint{23, 5}));
  EXPECT_EQ(CountColor(*bmp, clAqua), 0);
  c->Brush()->SetColor(clLime);  // a new brush brings the opaque mode back
  c->TextOut(5, 50, "abc");
  EXPECT_EQ(c->Pixels(5, 50), clLime);
  EXPECT_EQ(c->Pixels(22, 60), clLime);
  EXPECT_EQ(c->Pixels(23, 50), clWhite);
}

TEST_F(FixedText, TextRectFillsAndClips) {
  c->Brush()->SetColor(clYellow);
  c->TextRect(Rect(10, 10, 30, 25), 12, 12, "WWWWWWWW");
  EXPECT_EQ(c->Pixels(10, 10), clYellow);
  EXPECT_EQ(c->Pixels(29, 24), clYellow);
  for (int x = 30; x < 100; ++x) EXPECT_EQ(c->Pixels(x, 15), clWhite) << x;
  TTextStyle style;
  style.Alignment = taRightJustify;
  style.Layout = tlCenter;
  style.SingleLine = true;
  TRect calc{0, 0, 60, 31};
  auto b2 = WhiteBitmap(60, 31);
  b2->Canvas()->Brush()->SetStyle(bsClear);
  b2->Canvas()->TextRect(calc, 0, 0, "WW", style);
  EXPECT_EQ(b2->Canvas()->Pixels(40, 15), clWhite);  // nothing left of the last two cells
  int right = 0;
  for (int y = 10; y < 21; ++y)
    for (int x = 48; x < 60; ++x) right += b2->Canvas()->Pixels(x, y) != clWhite;
  EXPECT_GT(right, 4);
}

TEST(TextLayout, Prefixes) {
  size_t u = 0;
  EXPECT_EQ(StripPrefixes("&File", &u), "File");
  EXPECT_EQ(u, 0u);
  EXPECT_EQ(StripPrefixes("Save &As", &u), "Save As");
  EXPECT_EQ(u, 5u);
  EXPECT_EQ(StripPrefixes("A && B", &u), "A & B");
  EXPECT_EQ(u, std::string::npos);
  EXPECT_EQ(StripPrefixes("end&", &u), "end");
}

TEST(TextLayout, Ellipses) {
  TTextMeasurer m;
  m.Width = [](std::string_view s) { return int(s.size()) * 10; };
  struct Case { std::string text; int width; std::string end, path, word; };
  const Case cases[] = {
      {"short", 100, "short", "short", "short"},
      {"abcdefghij", 60, "abc...", "abc...", "abc..."},
      {"C:\\dir\\sub\\file.txt", 160, "C:\\dir\\sub\\fi...", "C:\\d...\\file.txt", "C:\\dir\\sub\\fi..."},
      {"one two three", 90, "one tw...", "one tw...", "one..."},
      {"abc", 20, "...", "...", "..."},
  };
  for (const Case& t : cases) {
    EXPECT_EQ(EndEllipsis(m, t.text, t.width, false), t.end) << t.text;
    EXPECT_EQ(PathEllipsis(m, t.text, t.width, false), t.path) << t.text;
    EXPECT_EQ(WordEllipsis(m, t.text, t.width, false), t.word) << t.text;
  }
}

TEST(TextLayout, WordBreakLines) {
  TTextMeasurer m;
  m.Width = [](std::string_view s) { return int(s.size()); };
  auto texts = [&](const std::string& s, int w, uint32_t f) {
    std::vector<std::string> out;
    for (const TLaidLine& l : LayoutText(m, s, w, f)) out.push_back(l.Text);
    return out;
  };
  using V = std::vector<std::string>;
  EXPECT_EQ(texts("aaa bbb ccc", 7, DT_WORDBREAK), (V{"aaa bbb", "ccc"}));
  EXPECT_EQ(texts("aaa bbb ccc", 6, DT_WORDBREAK), (V{"aaa", "bbb", "ccc"}));
  EXPECT_EQ(texts("  lead x", 6, DT_WORDBREAK), (V{"  lead", "x"}));
  EXPECT_EQ(texts("abcdefgh", 3, DT_WORDBREAK), (V{"abcdefgh"}));
  EXPECT_EQ(texts("abcdefgh", 3, DT_WORDBREAK | DT_EDITCONTROL), (V{"abc", "def", "gh"}));
  EXPECT_EQ(texts("a\n\nb\n", 10, 0), (V{"a", "", "b"}));
  EXPECT_EQ(texts("x &y z", 3, DT_WORDBREAK), (V{"x y", "z"}));
  EXPECT_EQ(LayoutText(m, "x &y z", 3, DT_WORDBREAK)[0].UnderlineAt, 2u);
}

TEST_F(FixedText, TextRectWithAFormatSet) {
  EXPECT_EQ(TextFormatFlags({tfSingleLine, tfVerticalCenter, tfEndEllipsis}), DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  EXPECT_EQ(TextFormatFlags({}), 0u);
  TRect r{0, 0, 100, 100};
  std::string text = "abc\ndefg";
  c->TextRect(r, text, {tfCalcRect});
  EXPECT_EQ(r, (TRect{0, 0, 24, 22}));
}

TEST_F(FixedText, TabStopTakesTheTabLengthFromTheFormat) {
  TRect r{0, 0, 200, 50};
  // Default stops are 8 cells apart; DT_TABSTOP with 3 puts them 18 pixels apart. Its length sits
  // where DT_CALCRECT would be, so that case is checked by drawing.
  TRect calc = r;
  EXPECT_EQ(c->DrawText("a\tb", calc, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS), 11);
  EXPECT_EQ(calc.Right, 54);
  c->Brush()->SetStyle(bsClear);
  c->DrawText("\tW", r, DT_SINGLELINE | DT_EXPANDTABS | DT_TABSTOP | (3 << 8));
  int before = 0, inCell = 0;
  for (int y = 0; y < 11; ++y)
    for (int x = 0; x < 30; ++x) (x < 18 ? before : inCell) += c->Pixels(x, y) != clWhite;
  EXPECT_EQ(before, 0);
  EXPECT_GT(inCell, 4);
}
