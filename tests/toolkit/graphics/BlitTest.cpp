// Copies between canvases: raster operations, keys, alpha, gradients.

#include "tests/toolkit/graphics/CanvasProbe.h"

TEST(Blit, RasterOperationTable) {
  const TColor src = 0x0FF00F, dst = 0x3C3C3C, pat = 0x550055;
  struct Case { int32_t rop; TColor expected; };
  const Case cases[] = {
      {SRCCOPY, src},
      {SRCAND, src & dst},
      {SRCPAINT, src | dst},
      {SRCINVERT, src ^ dst},
      {NOTSRCCOPY, TColor(~src & 0xFFFFFF)},
      {SRCERASE, src & TColor(~dst & 0xFFFFFF)},
      {MERGEPAINT, TColor((~src | dst) & 0xFFFFFF)},
      {DSTINVERT, TColor(~dst & 0xFFFFFF)},
      {PATCOPY, pat},
      {PATINVERT, pat ^ dst},
      {MERGECOPY, pat & src},
      {BLACKNESS, clBlack},
      {WHITENESS, clWhite},
  };
  auto s = Filled(2, 2, src);
  for (const Case& t : cases) {
    auto d = Filled(4, 4, dst);
    d->Canvas()->Brush()->SetColor(pat);
    EXPECT_TRUE(d->Canvas()->BitBlt(1, 1, 2, 2, s->Canvas(), 0, 0, t.rop)) << std::hex << t.rop;
    EXPECT_EQ(d->Canvas()->Pixels(1, 1), t.expected) << std::hex << t.rop;
    EXPECT_EQ(d->Canvas()->Pixels(2, 2), t.expected) << std::hex << t.rop;
    EXPECT_EQ(d->Canvas()->Pixels(0, 0), dst) << std::hex << t.rop;
    EXPECT_EQ(d->Canvas()->Pixels(3, 3), dst) << std::hex << t.rop;
  }
}

TEST(Blit, StretchUsesNearestPixels) {
  auto s = WhiteBitmap(2, 1);
  s->Canvas()->SetPixels(0, 0, clRed);
  s->Canvas()->SetPixels(1, 0, clBlue);
  auto d = WhiteBitmap(4, 2);
  d->Canvas()->StretchBlt(0, 0, 4, 2, s->Canvas(), 0, 0, 2, 1, SRCCOPY);
  EXPECT_EQ(Mask(*d, clRed), (std::vector<std::string>{"##..", "##.."}));
  EXPECT_EQ(Mask(*d, clBlue), (std::vector<std::string>{"..##", "..##"}));
}

TEST(Blit, CopyRectHonoursClipAndCopyMode) {
  auto s = Filled(4, 4, clRed);
  auto d = WhiteBitmap(4, 4);
  d->Canvas()->IntersectClipRect(0, 0, 2, 4);
  d->Canvas()->CopyRect(Rect(0, 0, 4, 4), s->Canvas(), Rect(0, 0, 4, 4));
  EXPECT_EQ(CountColor(*d, clRed), 8);
  d->Canvas()->SetCopyMode(cmNotSrcCopy);
  d->Canvas()->CopyRect(Rect(0, 0, 4, 4), s->Canvas(), Rect(0, 0, 4, 4));
  EXPECT_EQ(CountColor(*d, TColor(0xFFFF00)), 8);
}

TEST(Blit, BlitWithinOneCanvasOverlapping) {
  auto b = WhiteBitmap(6, 1);
  for (int x = 0; x < 3; ++x) b->Canvas()->SetPixels(x, 0, RGB(uint8_t(x + 1), 0, 0));
  b->Canvas()->BitBlt(1, 0, 3, 1, b->Canvas(), 0, 0, SRCCOPY);
  EXPECT_EQ(b->Canvas()->Pixels(1, 0), RGB(1, 0, 0));
  EXPECT_EQ(b->Canvas()->Pixels(2, 0), RGB(2, 0, 0));
  EXPECT_EQ(b->Canvas()->Pixels(3, 0), RGB(3, 0, 0));
}

TEST(Blit, TransparentKeySkipsItsColour) {
  auto s = Filled(3, 1, clFuchsia);
  s->Canvas()->SetPixels(1, 0, clGreen);
  auto d = Filled(3, 1, clYellow);
  d->Canvas()->TransparentBlt(0, 0, 3, 1, s->Canvas(), 0, 0, 3, 1, clFuchsia);
  EXPECT_EQ(Mask(*d, clYellow)[0], "#.#");
  EXPECT_EQ(d->Canvas()->Pixels(1, 0), clGreen);
}

TEST(Blit, BrushCopyReplacesTheKeyWithTheBrush) {
  auto s = Filled(2, 1, clFuchsia);
  s->Canvas()->SetPixels(1, 0, clNavy);
  auto d = WhiteBitmap(2, 1);
  d->Canvas()->Brush()->SetColor(clTeal);
  d->Canvas()->BrushCopy(Rect(0, 0, 2, 1), s.get(), Rect(0, 0, 2, 1), clFuchsia);
  EXPECT_EQ(d->Canvas()->Pixels(0, 0), clTeal);
  EXPECT_EQ(d->Canvas()->Pixels(1, 0), clNavy);
}

TEST(Blit, AlphaBlendConstantAlpha) {
  auto s = Filled(2, 2, RGB(200, 0, 100));
  auto d = Filled(2, 2, RGB(0, 100, 100));
  TBlendFunction bf;
  bf.SourceConstantAlpha = 128;
  ASSERT_TRUE(d->Canvas()->AlphaBlend(0, 0, 2, 2, s->Canvas(), 0, 0, 2, 2, bf));
  const TColor p = d->Canvas()->Pixels(1, 1);
  EXPECT_NEAR(GetRValue(p), 100, 1);
  EXPECT_NEAR(GetGValue(p), 50, 1);
  EXPECT_NEAR(GetBValue(p), 100, 1);
}

TEST(Blit, AlphaBlendPerPixelPremultiplied) {
  TBitmap s;
  s.SetPixelFormat(pf32bit);
  s.SetSize(2, 1);
  uint8_t* row = s.ScanLine(0);
  // Pixel 0: opaque blue. Pixel 1: half-transparent red, premultiplied.
  const uint8_t bytes[] = {255, 0, 0, 255, 0, 0, 128, 128};
  std::copy(std::begin(bytes), std::end(bytes), row);
  auto d = Filled(2, 1, clWhite);
  TBlendFunction bf;
  bf.AlphaFormat = AC_SRC_ALPHA;
  ASSERT_TRUE(d->Canvas()->AlphaBlend(0, 0, 2, 1, s.Canvas(), 0, 0, 2, 1, bf));
  EXPECT_EQ(d->Canvas()->Pixels(0, 0), clBlue);
  const TColor p = d->Canvas()->Pixels(1, 0);
  EXPECT_NEAR(GetRValue(p), 255, 1);
  EXPECT_NEAR(GetGValue(p), 127, 1);
  EXPECT_NEAR(GetBValue(p), 127, 1);
}

TEST(Blit, GradientKeepsBothEnds) {
  auto d = WhiteBitmap(5, 3);
  d->Canvas()->GradientFill(Rect(0, 0, 5, 3), clBlack, RGB(200, 100, 40), false);
  EXPECT_EQ(d->Canvas()->Pixels(0, 1), clBlack);
  EXPECT_EQ(d->Canvas()->Pixels(4, 1), RGB(200, 100, 40));
  EXPECT_EQ(d->Canvas()->Pixels(2, 2), RGB(100, 50, 20));
  TTriVertex v[2];
  v[0].x = 0; v[0].y = 0; v[0].Red = 0xFF00;
  v[1].x = 5; v[1].y = 3; v[1].Blue = 0xFF00;
  TGradientRect gr{0, 1};
  EXPECT_TRUE(d->Canvas()->GradientFill(v, 2, &gr, 1, GRADIENT_FILL_RECT_V));
  EXPECT_EQ(d->Canvas()->Pixels(3, 0), clRed);
  EXPECT_EQ(d->Canvas()->Pixels(3, 2), clBlue);
  TGradientRect bad{0, 7};
  EXPECT_FALSE(d->Canvas()->GradientFill(v, 2, &bad, 1, GRADIENT_FILL_RECT_V));
}

TEST(Blit, StretchDIBitsReadsBottomUpRows) {
  // 2x2, 24 bits, rows padded to 8 bytes; the first row in memory is the bottom one.
  const uint8_t bits[] = {0, 0, 255, 0, 255, 0, 0, 0,    // bottom: red, green
                          255, 0, 0, 255, 255, 255, 0, 0};  // top: blue, white
  auto d = WhiteBitmap(2, 2);
  EXPECT_EQ(d->Canvas()->StretchDIBits(0, 0, 2, 2, 0, 0, 2, 2, bits, 2, 2, 24, SRCCOPY), 2);
  EXPECT_EQ(d->Canvas()->Pixels(0, 0), clBlue);
  EXPECT_EQ(d->Canvas()->Pixels(1, 0), clWhite);
  EXPECT_EQ(d->Canvas()->Pixels(0, 1), clRed);
  EXPECT_EQ(d->Canvas()->Pixels(1, 1), clLime);
  EXPECT_EQ(d->Canvas()->StretchDIBits(0, 0, 2, 2, 0, 0, 2, 2, bits, 2, 2, 16, SRCCOPY), 0);
}

// A negative extent counts from its start pixel: (2, -3) covers pixels 2, 1, 0.
TEST(Blit, ExtentsOfOppositeSignMirror) {
  auto s = WhiteBitmap(3, 1);
  s->Canvas()->SetPixels(0, 0, clRed);
  auto d = WhiteBitmap(3, 2);
  d->Canvas()->StretchBlt(2, 0, -3, 1, s->Canvas(), 0, 0, 3, 1, SRCCOPY);
  EXPECT_EQ(Mask(*d, clRed)[0], "..#");
  d->Canvas()->StretchBlt(0, 1, 3, 1, s->Canvas(), 2, 0, -3, 1, SRCCOPY);
  EXPECT_EQ(Mask(*d, clRed)[1], "..#");
  // Both negative: no mirror.
  auto e = WhiteBitmap(3, 1);
  e->Canvas()->StretchBlt(2, 0, -3, 1, s->Canvas(), 2, 0, -3, 1, SRCCOPY);
  EXPECT_EQ(Mask(*e, clRed)[0], "#..");
  // StretchDraw into a rectangle given right to left mirrors too (from its start pixel).
  auto f = WhiteBitmap(3, 1);
  f->Canvas()->StretchDraw(Rect(2, 0, -1, 1), s.get());
  EXPECT_EQ(Mask(*f, clRed)[0], "..#");
}
