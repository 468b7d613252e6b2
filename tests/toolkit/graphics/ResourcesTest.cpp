#include <gtest/gtest.h>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Icon.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/graphics/Resources.h"
#include "toolkit/rtl/Exceptions.h"

TEST(Resources, FoundByPathFileNameOrBareNameWithoutRegardToCase) {
  for (const char* name : {"glyphs/ESGCHK01.png", "GLYPHS/esgchk01.PNG", "ESGCHK01.png", "esgchk01", "#ESGCHK01"})
    EXPECT_STREQ(FindResource(name, rkBitmap).Name, "glyphs/ESGCHK01.png") << name;
}

TEST(Resources, KindNarrowsTheSearch) {
  EXPECT_STREQ(FindResource("QGS_POINTER", rkCursor).Name, "cursors/QGS_POINTER.cur");
  EXPECT_STREQ(FindResource("QGS_POINTER", rkRawData).Name, "cursors/QGS_POINTER.cur");
  EXPECT_THROW(FindResource("QGS_POINTER", rkBitmap), EResNotFound);
  EXPECT_THROW(FindResource("ESGFILT", rkCursor), EResNotFound);
  EXPECT_EQ(FindResourceOrNull("ESGFILT", rkIcon), nullptr);
}

TEST(Resources, MissingNamesAndNumbersRaise) {
  try {
    FindResource("NO_SUCH_GLYPH", rkBitmap);
    FAIL();
  } catch (const EResNotFound& e) {
    EXPECT_NE(e.Message().find("NO_SUCH_GLYPH"), std::string::npos);
  }
  EXPECT_THROW(FindResource(4711, rkBitmap), EResNotFound);
  EXPECT_THROW(FindResource("", rkRawData), EResNotFound);
  EXPECT_THROW(FindResource("#", rkRawData), EResNotFound);
}

TEST(Resources, GlyphsHaveTheirSizesAndAKeyColourCorner) {
  struct Case { const char* name; int w, h; bool keyed; };
  const Case cases[] = {
      {"ESGCHK01", 20, 20, true}, {"ESGCHK04", 20, 20, true},  {"ESGCHK05", 16, 16, true},
      {"ESGCHK08", 16, 16, true}, {"ESGRAD01", 16, 16, true},  {"ESGRAD08", 16, 16, true},
      {"ESGFILT", 16, 16, true},  {"ESGCLOSE", 14, 14, true},  {"ESGCLOSEH", 14, 14, true},
      {"XPNODEC", 9, 9, true},    {"XPNODEO", 9, 9, true},     {"ESGLEAFOPEN", 16, 16, true},
      {"EsgSpinUp", 9, 5, true},  {"EsgSpinDown", 9, 5, true}, {"ESGARDOWND", 16, 16, true},
      {"LBOK", 36, 18, true},     {"CHECK_ON_HOT", 16, 16, true}, {"RADIO_OFF_DISABLED", 16, 16, true},
      {"CALENDAR", 16, 16, true}, {"QGS_SPECTRUM", 128, 128, false},
  };
  for (const Case& c : cases) {
    const TPixelImage img = LoadResourceImage(c.name);
    EXPECT_EQ(img.Width, c.w) << c.name;
    EXPECT_EQ(img.Height, c.h) << c.name;
    if (c.keyed) {
      EXPECT_EQ(img.At(0, img.Height - 1), 0xFFFF00FFu) << c.name;
    }
    EXPECT_FALSE(img.HasAlpha()) << c.name;
  }
}

TEST(Resources, SpectrumRunsFromWhiteThroughHueToBlack) {
  const TPixelImage img = LoadResourceImage("QGS_SPECTRUM");
  EXPECT_EQ(img.At(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(img.At(64, 127), 0xFF000000u);
  const uint32_t red = img.At(0, 64);  // mid-height, left edge: the pure hue
  EXPECT_GE(ArgbR(red), 250);
  EXPECT_LE(ArgbG(red), 5);
  EXPECT_LE(ArgbB(red), 5);
}

TEST(Resources, BitmapAndPictureLoadByName) {
  TBitmap b;
  b.LoadFromResourceName("ESGFILT");
  EXPECT_EQ(b.Width(), 16);
  EXPECT_EQ(b.TransparentColor(), clFuchsia);
  TPicture p;
  int changes = 0;
  p.OnChange = [&](TObject*) { ++changes; };
  p.LoadFromResourceName("esgclose");
  ASSERT_NE(dynamic_cast<TBitmap*>(p.Graphic()), nullptr);
  EXPECT_EQ(p.Width(), 14);
  EXPECT_EQ(changes, 1);
  EXPECT_THROW(p.LoadFromResourceName("QGS_POINTER"), EResNotFound);
  EXPECT_EQ(p.Width(), 14);
}

TEST(Resources, CursorLoadsAsIcon) {
  const TIcoFile cur = LoadResourceIcon("QGS_POINTER");
  ASSERT_EQ(cur.Entries.size(), 1u);
  EXPECT_TRUE(cur.Cursor);
  EXPECT_EQ(cur.Entries[0].HotSpotX, 1);
  TIcon icon;
  icon.LoadFromResourceName("QGS_POINTER");
  EXPECT_EQ(icon.Width(), 32);
}

TEST(Resources, KeyedGlyphsDrawOnlyTheirPicture) {
  // The glyphs are drawn with their bottom-left colour as the transparent key.
  TBitmap glyph;
  glyph.LoadFromResourceName("ESGCHK05");
  glyph.SetTransparent(true);
  TBitmap cell(20, 20);
  cell.Canvas()->Brush()->SetColor(clYellow);
  cell.Canvas()->FillRect(Rect(0, 0, 20, 20));
  cell.Canvas()->Draw(2, 2, &glyph);
  EXPECT_EQ(cell.Canvas()->Pixels(2, 17), clYellow);  // the key corner
  EXPECT_EQ(cell.Canvas()->Pixels(0, 0), clYellow);
  EXPECT_NE(cell.Canvas()->Pixels(9, 9), clYellow);   // inside the checked box
  EXPECT_NE(cell.Canvas()->Pixels(9, 9), clFuchsia);
}
