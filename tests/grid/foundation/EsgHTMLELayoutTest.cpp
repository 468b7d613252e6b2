// Layout relations of HTML text in the fixed text metrics: a font of Height
// -11 gives lines of 11 pixels and characters 6 pixels wide.
#include <gtest/gtest.h>

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/PictureContainer.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/graphics/TextMetrics.h"
#include "toolkit/graphics/codecs/PngCodec.h"

namespace {

constexpr int kLine = 11;
constexpr int kChar = 6;

class HTMLLayout : public ::testing::Test {
protected:
  HTMLLayout() : bmp(300, 200) {
    SetFixedTextMetrics(true);
    Canvas()->Brush()->SetColor(clWhite);
    Canvas()->FillRect(TRect(0, 0, 300, 200));
    Canvas()->Font()->SetHeight(-11);
    Canvas()->Font()->SetColor(clBlack);
  }
  ~HTMLLayout() override { SetFixedTextMetrics(false); }
  TCanvas* Canvas() { return bmp.Canvas(); }

  THTMLTextCall Measure(const std::string& text, int width = 300, int height = 200) {
    THTMLTextCall call;
    call.MeasureOnly = true;
    DrawHTMLText(Canvas(), text, TRect(0, 0, width, height), call);
    return call;
  }
  THTMLTextCall HitTest(const std::string& text, int x, int y, int width = 300) {
    THTMLTextCall call;
    call.HitTestOnly = true;
    call.HitX = x;
    call.HitY = y;
    call.HitHref = "before";
    DrawHTMLText(Canvas(), text, TRect(0, 0, width, 200), call);
    return call;
  }
  // Pixels near pure red: glyph edges are blended with the background.
  int CountReddish(const TRect& r) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) {
        const TColor c = Canvas()->Pixels(x, y);
        n += GetRValue(c) > 180 && GetGValue(c) < 120 && GetBValue(c) < 120;
      }
    return n;
  }
  int CountPixels(TColor color, const TRect& r) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += Canvas()->Pixels(x, y) == color;
    return n;
  }
  TBitmap bmp;
};

struct TSizeCase {
  const char* Text;
  int Width;      // of the call's rectangle
  int MaxWidth;   // expected
  int Lines;
};

TEST_F(HTMLLayout, BreaksAndSizes) {
  const TSizeCase cases[] = {
      {"", 300, 0, 1},                          // an empty text is one "gh" high
      {"hello world", 300, 11 * kChar, 1},
      {"aaa bbb ccc", 40, 3 * kChar, 3},         // breaks at spaces; trailing space not counted
      {"verylongword b", 30, 12 * kChar, 2},    // a word wider than the line stays whole
      {"a verylongword b", 30, 14 * kChar, 2},  // and, being wider than the line, joins the text before it
      {"a<BR>b", 300, kChar, 2},
      {"a\rb", 300, kChar, 2},
      {"a\nb", 300, 2 * kChar, 1},              // a lone line feed joins the lines
      {"<B>bold</B> and <I>it</I>", 300, 11 * kChar, 1},
      {"x<HR>y", 300, kChar, 2},
      {"<LI>one<LI>two", 300, 3 * kChar, 2},  // a second item on the line starts a new one
      {"<UL><LI>one</LI><LI>two</LI></UL>", 300, 12 + 3 * kChar, 4},  // UL and each closing LI end lines
      {"a<Z>hidden</Z>b", 300, 2 * kChar, 1},
      {"a<IND x=\"100\">b", 300, 100 + kChar - 1, 1},  // from the rectangle's left; lines start 1 pixel in
      {"&lt;tag&gt;", 300, 5 * kChar, 1},
  };
  for (const auto& c : cases) {
    const THTMLTextCall m = Measure(c.Text, c.Width);
    EXPECT_EQ(m.MaxWidth, c.MaxWidth) << c.Text;
    EXPECT_EQ(m.TotalHeight, c.Lines * kLine) << c.Text;
  }
}

TEST_F(HTMLLayout, VisibleTextHasLineBreaksAndHiddenText) {
  EXPECT_EQ(Measure("a<BR>b<Z>c</Z>").VisibleText, "a\rbc");
  THTMLTextCall draw;
  DrawHTMLText(Canvas(), "ab", TRect(0, 0, 300, 200), draw);
  EXPECT_EQ(draw.VisibleText, "abab");  // measured, then drawn
}

TEST_F(HTMLLayout, SizesGrowWithContent) {
  const int small = Measure("x").TotalHeight;
  EXPECT_GT(Measure("<FONT size=\"5\">x</FONT>").TotalHeight, small);
  EXPECT_EQ(Measure("<FONT size=\"5\">x</FONT><BR>y").TotalHeight, Measure("<FONT size=\"5\">x</FONT>").TotalHeight + kLine);
  EXPECT_GT(Measure("x<SUB>2</SUB>").TotalHeight, small);
  EXPECT_GT(Measure("x<SUP>2</SUP>").TotalHeight, small);
  EXPECT_LT(Measure("one two three four five six", 300).TotalHeight,
            Measure("one two three four five six", 60).TotalHeight);
}

TEST_F(HTMLLayout, MeasureOnlyMeasuresBelowTheRectangleDrawingStops) {
  const std::string text = "a<BR>b<BR>c<BR>d";
  EXPECT_EQ(Measure(text, 300, 15).TotalHeight, 4 * kLine);
  THTMLTextCall draw;
  DrawHTMLText(Canvas(), text, TRect(0, 0, 300, 15), draw);
  EXPECT_LT(draw.TotalHeight, 4 * kLine);
}

TEST_F(HTMLLayout, WithoutWrappingALongRunStaysOnOneLine) {
  THTMLTextCall call;
  call.MeasureOnly = true;
  call.WrapWords = false;
  DrawHTMLText(Canvas(), "aaa bbb ccc ddd", TRect(0, 0, 40, 200), call);
  EXPECT_EQ(call.TotalHeight, kLine);
}

TEST_F(HTMLLayout, AnchorsAreCountedAndHit) {
  const std::string text = "xx <A href=\"Go\" title=\"Tip\">link</A> yy <A href=\"b\">two</A>";
  EXPECT_EQ(Measure(text).AnchorCount, 2);
  // "xx " is 18 pixels; lines start one pixel in.
  const THTMLTextCall hit = HitTest(text, 1 + 3 * kChar + 10, 5);
  EXPECT_TRUE(hit.Result);
  EXPECT_EQ(hit.HitHref, "Go");  // the reference keeps its case
  EXPECT_EQ(hit.HitTitle, "Tip");
  EXPECT_EQ(hit.HoverAnchorOut, 1);
  EXPECT_EQ(hit.HoverRect.Left, 1 + 3 * kChar);
  EXPECT_EQ(hit.HoverRect.Right, 1 + 7 * kChar);

  const THTMLTextCall second = HitTest(text, 1 + 12 * kChar + 3, 5);
  EXPECT_EQ(second.HitHref, "b");
  EXPECT_EQ(second.HoverAnchorOut, 2);

  const THTMLTextCall miss = HitTest(text, 2, 5);
  EXPECT_FALSE(miss.Result);
  EXPECT_EQ(miss.HitHref, "before");  // left as the caller passed it
  EXPECT_EQ(miss.HoverAnchorOut, -1);
}

TEST_F(HTMLLayout, AnchorOverTwoLinesHoversOnItsLastLine) {
  const std::string text = "<A href=\"x\">aaa bbb</A>";
  const THTMLTextCall hit = HitTest(text, 1 + 5, kLine + 5, 40);
  EXPECT_TRUE(hit.Result);
  EXPECT_EQ(hit.HoverRect.Top, kLine);
}

TEST_F(HTMLLayout, ControlsTakeRoomAndAreHit) {
  const std::string edit = "a<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"v\" WIDTH=\"50\">b";
  const THTMLTextCall m = Measure(edit);
  EXPECT_EQ(m.MaxWidth, 2 * kChar + 50);
  EXPECT_EQ(m.TotalHeight, 23);
  EXPECT_EQ(Measure("a<CONTROL TYPE=\"EDIT\" ID=\"e\">b").MaxWidth, 2 * kChar);  // no WIDTH: no room
  EXPECT_EQ(Measure("<CONTROL TYPE=\"CHECK\" ID=\"c\" WIDTH=\"50\">").MaxWidth, 16);

  THTMLTextCall hit = HitTest(edit, 1 + kChar + 20, 10);
  EXPECT_TRUE(hit.Result);
  EXPECT_EQ(hit.HitHref, "ctrl");
  EXPECT_EQ(hit.ControlID, "e1");
  EXPECT_EQ(hit.ControlValue, "v");
  EXPECT_EQ(hit.ControlType, "EDIT");
  EXPECT_EQ(hit.ControlRect.Left, 1 + kChar);
  EXPECT_EQ(hit.ControlRect.Right, 1 + kChar + 50);

  THTMLTextCall byId;
  byId.HitTestOnly = true;
  byId.ControlID = "e1";
  DrawHTMLText(Canvas(), edit, TRect(0, 0, 300, 200), byId);
  EXPECT_EQ(byId.ControlValue, "v");  // reported wherever the point is

  EXPECT_FALSE(HitTest("a<CONTROL TYPE=\"EDIT\" ID=\"e\">b", 8, 5).Result);
}

// Numbers beyond any sensible size are limited before they are added up;
// a size no font has leaves the size as it was.
TEST_F(HTMLLayout, OutOfRangeNumbersAreLimited) {
  const char* const texts[] = {
      "a<IND x=\"2147483647\">b",          "<P INDENT=\"2147483647\">a</P>",
      "<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"2147483647\" HEIGHT=\"2147483647\">",
      "<IND x=\"-2147483648\">a",          "<FONT SIZE=\"99999999\">a</FONT>",
  };
  for (const char* t : texts) {
    const THTMLTextCall m = Measure(t);
    EXPECT_GE(m.MaxWidth, 0) << t;
    EXPECT_LE(m.MaxWidth, 2 * 32767 + 300) << t;
  }
  EXPECT_EQ(Measure("<FONT SIZE=\"-5\">x</FONT>").TotalHeight, Measure("x").TotalHeight);
  EXPECT_EQ(Measure("<FONT SIZE=\"0\">x</FONT>").TotalHeight, Measure("x").TotalHeight);
}

TEST_F(HTMLLayout, ControlWiderThanTheRestWaitsForTheNextLine) {
  const THTMLTextCall m = Measure("aaaa<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"50\">", 60);
  EXPECT_EQ(m.MaxWidth, 50);
  // The control's line height is set before the fit test, so both lines are 23 high.
  EXPECT_EQ(m.TotalHeight, 2 * 23);
}

TPixelImage Solid(int w, int h, uint32_t argb) { return TPixelImage(w, h, argb); }

TEST_F(HTMLLayout, ImagesFromTheContainerAndTheList) {
  TPictureContainer pictures(nullptr);
  TPictureItem* item = pictures.Items()->Add();
  item->SetName("Logo");
  const std::vector<uint8_t> png = EncodePng(Solid(20, 30, 0xFFFF0000u));
  item->Picture()->LoadFromBytes(png);
  ASSERT_FALSE(item->Picture()->Empty());

  THTMLTextCall call;
  call.MeasureOnly = true;
  call.Pictures = &pictures;
  DrawHTMLText(Canvas(), "a<IMG src=\"logo\">b", TRect(0, 0, 300, 200), call);
  EXPECT_EQ(call.MaxWidth, 2 * kChar + 20);
  EXPECT_EQ(call.TotalHeight, 30);

  DrawHTMLText(Canvas(), "<IMG src=\"logo\" width=\"10\">", TRect(0, 0, 300, 200), call);
  EXPECT_EQ(call.MaxWidth, 10);
  EXPECT_EQ(call.TotalHeight, 15);  // the aspect ratio is kept

  DrawHTMLText(Canvas(), "<IMG src=\"nothere\">x", TRect(0, 0, 300, 200), call);
  EXPECT_EQ(call.MaxWidth, kChar);

  TImageList list(nullptr, 16, 16);
  TBitmap glyph(16, 16);
  list.Add(&glyph);
  call.Images = &list;
  DrawHTMLText(Canvas(), "<IMG src=\"idx:0\">", TRect(0, 0, 300, 200), call);
  EXPECT_EQ(call.MaxWidth, 16);
  DrawHTMLText(Canvas(), "<IMG src=\"idx:5\">", TRect(0, 0, 300, 200), call);
  EXPECT_EQ(call.MaxWidth, 0);  // past the end: no room

  // Drawing puts the picture's red on the canvas.
  THTMLTextCall draw;
  draw.Pictures = &pictures;
  DrawHTMLText(Canvas(), "<IMG src=\"logo\">", TRect(0, 0, 300, 200), draw);
  EXPECT_EQ(CountPixels(RGB(255, 0, 0), TRect(0, 0, 40, 40)), 20 * 30);
}

TEST_F(HTMLLayout, LinkedImageIsHit) {
  TPictureContainer pictures(nullptr);
  TPictureItem* item = pictures.Items()->Add();
  item->SetName("pic");
  item->Picture()->LoadFromBytes(EncodePng(Solid(20, 20, 0xFF00FF00u)));
  THTMLTextCall call;
  call.HitTestOnly = true;
  call.Pictures = &pictures;
  call.HitX = 10;
  call.HitY = 10;
  DrawHTMLText(Canvas(), "<A href=\"img\"><IMG src=\"pic\"></A>", TRect(0, 0, 300, 200), call);
  EXPECT_TRUE(call.Result);
  EXPECT_EQ(call.HitHref, "img");
}

TEST_F(HTMLLayout, ColoursOfFontsAndFixedColours) {
  THTMLTextCall draw;
  DrawHTMLText(Canvas(), "<FONT color=\"#FF0000\">XXXXXXXX</FONT>", TRect(0, 0, 300, 20), draw);
  EXPECT_GT(CountReddish(TRect(0, 0, 60, 20)), 0);
  Canvas()->FillRect(TRect(0, 0, 300, 200));
  draw.FixedColors = true;
  DrawHTMLText(Canvas(), "<FONT color=\"#FF0000\">XXXXXXXX</FONT>", TRect(0, 0, 300, 20), draw);
  EXPECT_EQ(CountReddish(TRect(0, 0, 60, 20)), 0);
}

TEST_F(HTMLLayout, ErrorMarkIsARedZigZag) {
  THTMLTextCall draw;
  DrawHTMLText(Canvas(), "<E>abcdef</E>", TRect(0, 0, 300, 20), draw);
  EXPECT_GT(CountPixels(RGB(255, 0, 0), TRect(0, 8, 40, 14)), 6);
}

TEST_F(HTMLLayout, CanvasToolsComeBackEvenFromAnOpenRotation) {
  Canvas()->Pen()->SetColor(clLime);
  Canvas()->Brush()->SetColor(clAqua);
  THTMLTextCall draw;
  DrawHTMLText(Canvas(), "<R a=\"90\">up <B><FONT size=\"5\" color=\"clred\">x", TRect(0, 0, 300, 100), draw);
  EXPECT_EQ(Canvas()->Font()->Orientation(), 0);
  EXPECT_FALSE(Canvas()->Font()->Style().Contains(fsBold));
  EXPECT_EQ(Canvas()->Font()->Height(), -11);
  EXPECT_EQ(Canvas()->Font()->Color(), clBlack);
  EXPECT_EQ(Canvas()->Pen()->Color(), clLime);
  EXPECT_EQ(Canvas()->Brush()->Color(), clAqua);
  EXPECT_EQ(Canvas()->Brush()->Style(), bsSolid);
}

TEST_F(HTMLLayout, ThirtyNineParameterEntry) {
  std::string href = "keep", visible, focusHref, title, id, value, type;
  int maxW = -1, total = -1, anchors = -1, hover = 0;
  TRect hoverRect(1, 2, 3, 4), ctlRect(5, 6, 7, 8);
  const bool r = DrawHTMLText(Canvas(), "<A href=\"h\">ab</A>", TRect(0, 0, 300, 100), nullptr, 5, 5, 0, -1, 1,
                              true, false, false, false, true, false, true, false, 1.0, clBlue, clNone, clNone,
                              clGray, href, visible, focusHref, title, maxW, total, anchors, hover, hoverRect,
                              ctlRect, id, value, type, nullptr, nullptr, nullptr, 0);
  EXPECT_TRUE(r);
  EXPECT_EQ(href, "h");
  EXPECT_EQ(maxW, 2 * kChar);
  EXPECT_EQ(total, kLine);
  EXPECT_EQ(anchors, 1);
  EXPECT_EQ(hover, 1);
  EXPECT_EQ(ctlRect, TRect(0, 0, 0, 0));
}

}  // namespace

namespace {

// Random markup of tags, entities, words and broken pieces: every mode ends
// and leaves the canvas as it found it.
TEST_F(HTMLLayout, RandomMarkupAlwaysEnds) {
  const char* const pieces[] = {"<B>", "</B>", "<I>", "<A href=\"x\">", "</A>", "<BR>", "<LI>", "<UL>", "</UL>",
                                "<FONT size=\"7\" color=\"#FF00\">", "</FONT>", "<P align=\"right\">", "</P>",
                                "<IMG src=\"idx:1\">", "<CONTROL TYPE=\"EDIT\" ID=\"a\" WIDTH=\"400\">", "<SUB>",
                                "</SUB>", "<Z>", "</Z>", "&amp;", "&nbsp;", "&lt;", "<", ">", "<#", " ", "word ",
                                "longerwordthanthebox", "<R a=\"45\">", "<IND x=\"500\">", "<HR>", "<E>", "<SHAD>",
                                "\r", "\n", "<BODY bgcolor=\"clred\">", "<HI>", "</HI>", "<BL>"};
  uint32_t seed = 12345;
  auto next = [&] { return (seed = seed * 1103515245u + 12345u) >> 16; };
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const int n = int(next() % 25);
    for (int i = 0; i < n; ++i) text += pieces[next() % std::size(pieces)];
    for (int mode = 0; mode < 3; ++mode) {
      THTMLTextCall call;
      call.MeasureOnly = mode == 0;
      call.HitTestOnly = mode == 2;
      call.WrapWords = round % 2 == 0;
      call.HitX = int(next() % 100);
      call.HitY = int(next() % 40);
      DrawHTMLText(Canvas(), text, TRect(0, 0, 1 + int(next() % 120), 1 + int(next() % 60)), call);
      EXPECT_GE(call.TotalHeight, 0);
      EXPECT_EQ(Canvas()->Font()->Height(), -11) << text;
      EXPECT_EQ(Canvas()->Font()->Orientation(), 0) << text;
    }
  }
}

TEST_F(HTMLLayout, HoverOnlyUnderlinesTheHoveredAnchorAndFocusFindsItsReference) {
  THTMLTextCall call;
  call.FocusAnchor = 1;
  DrawHTMLText(Canvas(), "<A href=\"one\">a</A> <A href=\"two\">b</A>", TRect(0, 0, 300, 100), call);
  EXPECT_EQ(call.FocusHref, "two");
  EXPECT_EQ(call.AnchorCount, 2);
}

}  // namespace

namespace {

struct TFillCase {
  const char* Text;
  TColor Expected;  // colour of the background at (2, 2)
};

TEST_F(HTMLLayout, BackgroundsOfBodyParagraphHighlightAndHover) {
  SetHighlightColors(RGB(0, 0, 200), clWhite);
  const TFillCase cases[] = {
      {"<BODY bgcolor=\"clyellow\">x", RGB(255, 255, 0)},
      {"<BODY bgcolor=\"#00FF00\">x", RGB(0, 255, 0)},
      {"<P bgcolor=\"#FF0000\">xxxx</P>", RGB(255, 0, 0)},
      {"<HI>xxxx</HI>", RGB(0, 0, 200)},
      {"<FONT bgcolor=\"#00FFFF\">xxxx</FONT>", RGB(0, 255, 255)},
      {"plain", RGB(255, 255, 255)},
  };
  for (const auto& c : cases) {
    Canvas()->Brush()->SetColor(clWhite);
    Canvas()->FillRect(TRect(0, 0, 300, 200));
    THTMLTextCall call;
    DrawHTMLText(Canvas(), c.Text, TRect(0, 0, 100, 40), call);
    EXPECT_EQ(Canvas()->Pixels(2, 2), c.Expected) << c.Text;
  }
  SetHighlightColors(SystemColor(13), SystemColor(14));

  Canvas()->FillRect(TRect(0, 0, 300, 200));
  THTMLTextCall hover;
  hover.HoverAnchor = 1;
  hover.HoverOnly = true;
  hover.HoverBackColor = RGB(255, 0, 255);
  DrawHTMLText(Canvas(), "<A href=\"a\">xxxx</A>", TRect(0, 0, 100, 40), hover);
  EXPECT_EQ(Canvas()->Pixels(3, 2), RGB(255, 0, 255));
}

}  // namespace

namespace {

TEST_F(HTMLLayout, AltPictureShowsWhileThePointIsOnALinkedImage) {
  TPictureContainer pictures(nullptr);
  TPictureItem* plain = pictures.Items()->Add();
  plain->SetName("plain");
  plain->Picture()->LoadFromBytes(EncodePng(TPixelImage(20, 20, 0xFF0000FFu)));
  TPictureItem* hot = pictures.Items()->Add();
  hot->SetName("hot");
  hot->Picture()->LoadFromBytes(EncodePng(TPixelImage(20, 20, 0xFF00FF00u)));
  const std::string text = "<A href=\"go\"><IMG src=\"plain\" alt=\"hot\"></A>";
  for (bool over : {false, true}) {
    THTMLTextCall call;
    call.Pictures = &pictures;
    call.HitX = over ? 10 : 200;
    call.HitY = over ? 10 : 100;
    DrawHTMLText(Canvas(), text, TRect(0, 0, 300, 100), call);
    EXPECT_EQ(Canvas()->Pixels(10, 10), over ? RGB(0, 255, 0) : RGB(0, 0, 255)) << over;
    EXPECT_EQ(call.Result, over);
  }
}

TEST_F(HTMLLayout, ScaledListImagesAndTheContainerPictureOfTheSameNumber) {
  TImageList list(nullptr, 10, 10);
  TBitmap glyph(10, 10);
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(TRect(0, 0, 10, 10));
  list.Add(&glyph);
  THTMLTextCall call;
  call.Images = &list;
  call.ScaleImages = true;
  call.ImageScale = 2.0;
  DrawHTMLText(Canvas(), "<IMG src=\"idx:0\">", TRect(0, 0, 300, 100), call);
  EXPECT_EQ(Canvas()->Pixels(15, 15), RGB(255, 0, 0));  // stretched to 20 x 20

  TPictureContainer pictures(nullptr);
  TPictureItem* item = pictures.Items()->Add();
  item->SetName("0");
  item->Picture()->LoadFromBytes(EncodePng(TPixelImage(30, 12, 0xFF00FF00u)));
  THTMLTextCall both;
  both.MeasureOnly = true;
  both.Images = &list;
  both.Pictures = &pictures;
  DrawHTMLText(Canvas(), "<IMG src=\"idx:0\">", TRect(0, 0, 300, 100), both);
  EXPECT_EQ(both.MaxWidth, 30);  // the container's picture named "0" takes the room
}

}  // namespace

namespace {

// Where red glyphs start and end on the canvas, -1 when there are none.
struct TInk {
  int Left = -1, Right = -1;
};

class HTMLPlacement : public HTMLLayout {
protected:
  TInk RedInk(const TRect& r) {
    TInk ink;
    for (int x = r.Left; x < r.Right; ++x)
      if (CountReddish(TRect(x, r.Top, x + 1, r.Bottom)) > 0) {
        if (ink.Left < 0) ink.Left = x;
        ink.Right = x + 1;
      }
    return ink;
  }
  void Clear() {
    Canvas()->Brush()->SetColor(clWhite);
    Canvas()->FillRect(TRect(0, 0, 300, 200));
  }
  TInk DrawRed(const std::string& text, int width) {
    Clear();
    THTMLTextCall call;
    DrawHTMLText(Canvas(), text, TRect(0, 0, width, 200), call);
    return RedInk(TRect(0, 0, 300, 200));
  }
};

struct TPlaceCase {
  const char* Text;
  int Width;  // of the call's rectangle
  int From;   // the red text starts in [From, From + one character)
};

// Positions are the measured ones, whether the line is drawn, aligned or
// indented; an indented line wraps and aligns inside the rectangle.
TEST_F(HTMLPlacement, DrawnTextStandsWhereItWasMeasured) {
  const char* red = "<FONT color=\"#FF0000\">";
  const TPlaceCase cases[] = {
      {"abc<IND x=\"60\">%sd", 300, 60},
      {"a<IND x=\"30\">b<IND x=\"90\">%sd", 300, 90},
      {"abc<IND x=\"10\">%sd", 300, 1 + 3 * kChar},  // a position already passed is ignored
      // 2 characters, the gap to 60 and 2 more make 71 pixels, centred in 299
      {"<P align=\"center\">ab<IND x=\"60\">%scd", 300, 1 + (299 - 71) / 2 + 59},
      {"<P indent=\"30\">%sabc", 300, 31},
      {"<P align=\"right\" indent=\"30\">%sabc", 100, 100 - 3 * kChar},
      {"<P align=\"center\" indent=\"30\">%sab", 100, 31 + (69 - 2 * kChar) / 2},
  };
  for (const auto& c : cases) {
    char text[160];
    std::snprintf(text, sizeof text, c.Text, red);
    const TInk ink = DrawRed(text, c.Width);
    EXPECT_GE(ink.Left, c.From) << text;
    EXPECT_LT(ink.Left, c.From + kChar) << text;
    EXPECT_LE(ink.Right, c.Width) << text;
  }
}

TEST_F(HTMLPlacement, IndentedParagraphWrapsInsideTheRectangle) {
  const std::string text = "<P indent=\"30\"><FONT color=\"#FF0000\">aaa bbb ccc ddd</FONT></P>";
  const THTMLTextCall m = Measure(text, 100);
  EXPECT_EQ(m.TotalHeight, 2 * kLine);  // 69 pixels are left: "aaa bbb" and "ccc ddd"
  EXPECT_EQ(m.MaxWidth, 30 + 7 * kChar);  // the indent is room the text needs
  const TInk ink = DrawRed(text, 100);
  EXPECT_LE(ink.Right, 100);
  EXPECT_EQ(RedInk(TRect(0, kLine, 300, 2 * kLine)).Left / kChar, 31 / kChar);  // the second line is indented too
}

TEST_F(HTMLPlacement, ParagraphBackgroundBandsEveryLineAndARuleSpansTheText) {
  Clear();
  THTMLTextCall call;
  DrawHTMLText(Canvas(), "<P bgcolor=\"#FF0000\">x</P><P align=\"right\">y<HR>", TRect(0, 0, 100, 200), call);
  EXPECT_EQ(Canvas()->Pixels(90, 2), RGB(255, 0, 0));  // the first line's band, beyond its text
  EXPECT_EQ(Canvas()->Pixels(5, 2 * kLine + 1), clBlack);  // the rule starts at the left, the text at the right
  EXPECT_EQ(Canvas()->Pixels(95, 2 * kLine + 1), clBlack);
}

TEST_F(HTMLPlacement, WithoutWrappingAnOverflowAfterASpaceEndsTheText) {
  struct TCase {
    const char* Text;
    int Lines;
    bool NextShown;
  };
  const TCase cases[] = {
      {"ab <B>cdef</B><BR>next", 1, false},  // nothing after the cut run, not even after a break
      {"ab<B>cdef</B><BR>next", 2, true},    // glued to the text before: the text goes on
  };
  for (const auto& c : cases) {
    THTMLTextCall call;
    call.MeasureOnly = true;
    call.WrapWords = false;
    DrawHTMLText(Canvas(), c.Text, TRect(0, 0, 40, 200), call);
    EXPECT_EQ(call.TotalHeight, c.Lines * kLine) << c.Text;
    EXPECT_EQ(call.VisibleText.find("next") != std::string::npos, c.NextShown) << c.Text;
  }
}

// The focus frame of an anchor that wraps is drawn on each of its lines.
TEST_F(HTMLPlacement, FocusFrameFollowsAnAnchorOverTwoLines) {
  const std::string text = "<A href=\"x\">aaa bbb</A>";
  auto draw = [&](int focus) {
    Clear();
    THTMLTextCall call;
    call.FocusAnchor = focus;
    DrawHTMLText(Canvas(), text, TRect(0, 0, 40, 200), call);
    return call.FocusHref;
  };
  draw(-1);
  const int plainFirst = CountPixels(clWhite, TRect(0, 0, 40, kLine));
  const int plainSecond = CountPixels(clWhite, TRect(0, kLine, 40, 2 * kLine + 1));
  EXPECT_EQ(draw(0), "x");
  EXPECT_LT(CountPixels(clWhite, TRect(0, 0, 40, kLine)), plainFirst);
  EXPECT_LT(CountPixels(clWhite, TRect(0, kLine, 40, 2 * kLine + 1)), plainSecond);
}

// Closing a blink, a body or (being told apart by its second letter only) a
// break returns the text to the base colour.
TEST_F(HTMLPlacement, ClosingBlinkBodyOrBreakRestoresTheTextColour) {
  for (const char* close : {"</BL>", "</BODY>", "</BR>"}) {
    const TInk ink = DrawRed(std::string("<FONT color=\"#FF0000\">ab") + close + "cd", 300);
    EXPECT_GE(ink.Left, 1) << close;
    EXPECT_LE(ink.Right, 1 + 2 * kChar) << close;
  }
}

// Sizes 1 to 5 are steps; any other number is the point size itself.
TEST_F(HTMLPlacement, FontSizeStepsAndPointSizes) {
  const std::pair<const char*, int> cases[] = {{"1", 8}, {"3", 12}, {"5", 16}, {"7", 7}, {"20", 20}};
  for (const auto& [size, points] : cases) {
    const int width = Measure(std::string("<FONT size=\"") + size + "\">xxxxxxxx</FONT>").MaxWidth;
    Canvas()->Font()->SetSize(points);
    EXPECT_EQ(width, Measure("xxxxxxxx").MaxWidth) << size;
    Canvas()->Font()->SetHeight(-11);
  }
}

// What a tag does depends on its first one or two letters only.
TEST_F(HTMLPlacement, TagsAreKnownByTheirFirstLetters) {
  struct TCase {
    const char* Text;
    int MaxWidth;
    int Lines;
    const char* Visible;
  };
  const TCase cases[] = {
      {"a<BL>b", 2 * kChar, 1, "ab"},          // blink, body and break differ in the second letter
      {"a<BODY>b", 2 * kChar, 1, "ab"},
      {"a<BR>b", kChar, 2, "a\rb"},
      {"a<CITE>b", 2 * kChar, 1, "ab"},        // taken for a control without a width: no room
      {"a&amp;b", 3 * kChar, 1, "a&&b"},       // drawn as one ampersand
      {"a&b", 2 * kChar, 1, "a&b"},            // a lone ampersand underlines the next letter
      // The renderer knows no other entity; the ampersand hides itself.
      {"&eacute;", 7 * kChar, 1, "&eacute;"},
      {"&NBSP;", 5 * kChar, 1, "&NBSP;"},      // only while written in lower case
      {"<#1>", 2 * kChar, 1, "#1"},
  };
  for (const auto& c : cases) {
    const THTMLTextCall m = Measure(c.Text);
    EXPECT_EQ(m.MaxWidth, c.MaxWidth) << c.Text;
    EXPECT_EQ(m.TotalHeight, c.Lines * kLine) << c.Text;
    EXPECT_EQ(m.VisibleText, c.Visible) << c.Text;
  }
}

}  // namespace
