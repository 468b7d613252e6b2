// Text with real fonts (Pango and the installed DejaVu faces) and the text
// placement rules that do not depend on the metrics mode.

#include "tests/toolkit/graphics/CanvasProbe.h"
#include "toolkit/graphics/CanvasText.h"
#include "toolkit/graphics/TextMetrics.h"

namespace {

// The smallest rectangle around pixels that are not white.
TRect InkBox(TBitmap& b) {
  TRect box{b.Width(), b.Height(), 0, 0};
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.Canvas()->Pixels(x, y) != clWhite) {
        box.Left = std::min(box.Left, x);
        box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x + 1);
        box.Bottom = std::max(box.Bottom, y + 1);
      }
  return box;
}

// How many pixels are not white.
int InkCount(TBitmap& b) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) n += b.Canvas()->Pixels(x, y) != clWhite;
  return n;
}

int InkOf(const char* Face, int Height, TFontStyles Style) {
  auto b = WhiteBitmap(300, 60);
  b->Canvas()->Font()->SetName(Face);
  b->Canvas()->Font()->SetHeight(Height);
  b->Canvas()->Font()->SetStyle(Style);
  b->Canvas()->TextOut(2, 2, "Step CF21070");
  return InkCount(*b);
}

}  // namespace

TEST(CanvasText, NamedFacesResolveToInstalledFonts) {
  TCanvas c;
  c.Font()->SetName("Courier New");
  EXPECT_EQ(c.TextWidth("iiii"), c.TextWidth("WWWW"));  // monospaced
  c.Font()->SetName("Tahoma");
  EXPECT_LT(c.TextWidth("iiii"), c.TextWidth("WWWW"));
  for (const char* face : {"Verdana", "Segoe UI", "MS Sans Serif", "Arial", "Symbol", "No Such Face"}) {
    c.Font()->SetName(face);
    EXPECT_GT(c.TextWidth("Hello"), 10) << face;
  }
}

// The face a window asks for is the face Pango loads: Tahoma (from
// fonts-wine) for itself and for Verdana, which the windows use and which is
// not installed; other faces their DejaVu stand-in. Never a silent fallback
// behind a family name that was not found.
TEST(CanvasText, EachFaceNameLoadsTheFamilyItMapsTo) {
  struct Case { const char* face; TFontPitch pitch; const char* family; };
  const Case cases[] = {
      {"Tahoma", fpDefault, "Tahoma"},        {"tahoma", fpDefault, "Tahoma"},
      {"Verdana", fpDefault, "Tahoma"},  {"Courier New", fpDefault, "DejaVu Sans Mono"},
      {"Tahoma", fpFixed, "DejaVu Sans Mono"}, {"Times New Roman", fpDefault, "DejaVu Serif"},
      {"No Such Face", fpDefault, "DejaVu Sans"}, {"Arial", fpDefault, "DejaVu Sans"},
  };
  for (const Case& t : cases) {
    TFont font;
    font.SetName(t.face);
    font.SetPitch(t.pitch);
    for (TFontStyles style : {TFontStyles{}, TFontStyles{fsBold}}) {
      font.SetStyle(style);
      const TFontSpec wanted = MakeFontSpec(font, 1);
      EXPECT_EQ(wanted.Family, t.family) << t.face;
      EXPECT_EQ(ResolvedFontFamily(wanted), t.family) << t.face << (style.Contains(fsBold) ? " bold" : "");
    }
  }
}

// Bold text is heavier than plain at every size, also where the bold face
// has no bitmaps of its own.
TEST(CanvasText, BoldIsHeavierAtEverySize) {
  for (int height : {-8, -11, -13, -16, -24, -32})
    EXPECT_GT(InkOf("Tahoma", height, {fsBold}), InkOf("Tahoma", height, {}) * 6 / 5) << height;
}

namespace {

// The longest unbroken run of ink on any one row.
int LongestInkRow(TBitmap& b) {
  int longest = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0, run = 0; x < b.Width(); ++x) {
      run = b.Canvas()->Pixels(x, y) != clWhite ? run + 1 : 0;
      longest = std::max(longest, run);
    }
  return longest;
}

}  // namespace

// A bar across the whole text, on a canvas drawn without anti-aliasing too.
TEST(CanvasText, StrikeOutCrossesTheText) {
  for (bool fixed : {false, true}) {
    SetFixedTextMetrics(fixed);
    for (int height : {-8, -11, -16, -24}) {
      for (bool strike : {false, true}) {
        auto b = WhiteBitmap(300, 60);
        b->Canvas()->Font()->SetHeight(height);
        if (strike) b->Canvas()->Font()->SetStyle({fsStrikeOut});
        b->Canvas()->TextOut(2, 2, "Step CF21070");
        const int width = b->Canvas()->TextWidth("Step CF21070");
        if (strike)
          EXPECT_GE(LongestInkRow(*b), width * 9 / 10) << height << " fixed " << fixed;
        else
          EXPECT_LT(LongestInkRow(*b), width / 2) << height << " fixed " << fixed;
      }
    }
  }
  SetFixedTextMetrics(false);
}

TEST(CanvasText, MetricsAreConsistent) {
  TCanvas c;
  c.Font()->SetHeight(-20);
  TTextMetric tm;
  ASSERT_TRUE(c.GetTextMetrics(tm));
  EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
  EXPECT_GE(tm.tmHeight, 20);
  EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight - 20);
  EXPECT_GT(tm.tmAveCharWidth, 4);
  EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
  EXPECT_EQ(c.TextHeight("x"), tm.tmHeight);
  // A positive height is the whole cell.
  c.Font()->SetHeight(tm.tmHeight);
  TTextMetric cell;
  c.GetTextMetrics(cell);
  EXPECT_NEAR(cell.tmHeight, tm.tmHeight, 1);
  c.Font()->SetHeight(-20);
  const int plain = c.TextWidth("Bold text");
  c.Font()->SetStyle({fsBold});
  EXPECT_GT(c.TextWidth("Bold text"), plain);
}

TEST(CanvasText, TextOutDrawsInsideItsExtent) {
  auto b = WhiteBitmap(200, 60);
  TCanvas* c = b->Canvas();
  c->Brush()->SetStyle(bsClear);
  c->Font()->SetHeight(-16);
  c->TextOut(20, 10, "Hello");
  const TSize ext = c->TextExtent("Hello");
  const TRect ink = InkBox(*b);
  EXPECT_GE(ink.Left, 19);
  EXPECT_LE(ink.Right, 20 + ext.cx + 1);
  EXPECT_GE(ink.Top, 10);
  EXPECT_LE(ink.Bottom, 10 + ext.cy);
  EXPECT_GT(ink.Width(), ext.cx / 2);
}

TEST(CanvasText, AlignmentMovesTheReferencePoint) {
  SetFixedTextMetrics(true);
  struct Case { int align; TRect ink; };
  // "WW" is 12 x 11 with the default font; the reference point is (50, 30).
  const Case cases[] = {
      {TA_LEFT | TA_TOP, {50, 30, 62, 41}},
      {TA_RIGHT | TA_TOP, {38, 30, 50, 41}},
      {TA_CENTER | TA_TOP, {44, 30, 56, 41}},
      {TA_LEFT | TA_BOTTOM, {50, 19, 62, 30}},
      {TA_LEFT | TA_BASELINE, {50, 21, 62, 32}},
  };
  for (const Case& t : cases) {
    auto b = WhiteBitmap(100, 60);
    b->Canvas()->Brush()->SetStyle(bsClear);
    b->Canvas()->SetTextAlign(t.align);
    b->Canvas()->TextOut(50, 30, "WW");
    const TRect ink = InkBox(*b);
    EXPECT_GE(ink.Left, t.ink.Left) << t.align;
    EXPECT_LE(ink.Right, t.ink.Right) << t.align;
    EXPECT_GE(ink.Top, t.ink.Top) << t.align;
    EXPECT_LE(ink.Bottom, t.ink.Bottom) << t.align;
  }
  SetFixedTextMetrics(false);
}

TEST(CanvasText, OrientationRotatesCounterClockwise) {
  SetFixedTextMetrics(true);
  auto b = WhiteBitmap(60, 100);
  TCanvas* c = b->Canvas();
  c->Brush()->SetStyle(bsClear);
  c->Font()->SetOrientation(900);
  c->TextOut(20, 80, "WWWWWW");  // 36 pixels long, running upwards from (20, 80)
  const TRect ink = InkBox(*b);
  EXPECT_GT(ink.Height(), 25);
  EXPECT_LT(ink.Width(), 14);
  EXPECT_LE(ink.Bottom, 81);
  EXPECT_GE(ink.Top, 80 - 37);
  EXPECT_GE(ink.Left, 20 - 1);
  EXPECT_LE(ink.Right, 20 + 12);
  SetFixedTextMetrics(false);
}

TEST(CanvasText, DrawTextExMarginsAndTabs) {
  SetFixedTextMetrics(true);
  TCanvas c;
  TDrawTextParams p;
  p.iLeftMargin = 5;
  p.iRightMargin = 7;
  p.iTabLength = 2;
  TRect r{0, 0, 100, 50};
  EXPECT_EQ(c.DrawTextEx("a\tb", r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS, &p), 11);
  EXPECT_EQ(r.Right, 5 + 12 + 6 + 7);  // tab stops every 2 cells
  EXPECT_EQ(p.uiLengthDrawn, 3u);
  SetFixedTextMetrics(false);
}

TEST(CanvasText, WordBreakUsesRealWidths) {
  TCanvas c;
  const int w = c.TextWidth("alpha beta");
  TRect r{0, 0, w, 100};
  const int one = c.DrawText("alpha beta", r, DT_CALCRECT | DT_WORDBREAK);
  TRect narrow{0, 0, w - 1, 100};
  const int two = c.DrawText("alpha beta", narrow, DT_CALCRECT | DT_WORDBREAK);
  EXPECT_EQ(two, 2 * one);
  EXPECT_LT(narrow.Right, w);
}
