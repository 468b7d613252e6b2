#include "toolkit/graphics/GdiApi.h"

#include "tests/toolkit/graphics/CanvasProbe.h"

TEST(GdiApi, HandleCallsReachTheCanvas) {
  auto b = WhiteBitmap(6, 6);
  HDC dc = b->Canvas()->Handle();
  FillRect(dc, Rect(0, 0, 2, 2), GetSysColorBrush(COLOR_BTNFACE));
  EXPECT_EQ(GetPixel(dc, 1, 1), ColorToRGB(clBtnFace));
  EXPECT_EQ(b->Canvas()->Brush()->Color(), clWhite);  // the canvas brush is left alone
  FrameRect(dc, Rect(2, 2, 6, 6), CreateSolidBrush(clRed));
  EXPECT_EQ(GetPixel(dc, 2, 5), clRed);
  EXPECT_EQ(GetPixel(dc, 3, 3), clWhite);
  TPoint old;
  MoveToEx(dc, 0, 5, &old);
  LineTo(dc, 2, 5);
  EXPECT_EQ(GetPixel(dc, 1, 5), clBlack);
  EXPECT_EQ(SetROP2(dc, R2_XORPEN), R2_COPYPEN);
  EXPECT_EQ(b->Canvas()->Pen()->Mode(), pmXor);
  EXPECT_EQ(GetROP2(dc), R2_XORPEN);
}

TEST(GdiApi, PatBltAndFillRgn) {
  auto b = WhiteBitmap(4, 4);
  HDC dc = b->Canvas()->Handle();
  EXPECT_TRUE(PatBlt(dc, 0, 0, 2, 2, DSTINVERT));
  EXPECT_EQ(CountColor(*b, clBlack), 4);
  EXPECT_FALSE(BitBlt(dc, 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));  // needs a source
  FillRgn(dc, CreateRectRgn(2, 2, 4, 4), CreateSolidBrush(clBlue));
  EXPECT_EQ(CountColor(*b, clBlue), 4);
}

TEST(GdiApi, ExtTextOutOpaqueAndClipped) {
  SetFixedTextMetrics(true);
  auto b = WhiteBitmap(40, 20);
  HDC dc = b->Canvas()->Handle();
  SetBkColor(dc, clYellow);
  const TRect r{0, 0, 10, 11};
  ExtTextOut(dc, 0, 0, ETO_OPAQUE | ETO_CLIPPED, &r, "WWWW");
  EXPECT_EQ(GetPixel(dc, 0, 0), clYellow);
  for (int y = 0; y < 20; ++y)
    for (int x = 10; x < 40; ++x) ASSERT_EQ(GetPixel(dc, x, y), clWhite) << x << "," << y;
  TSize sz;
  GetTextExtentPoint32(dc, "abcdef", 3, sz);
  EXPECT_EQ(sz, (TSize{18, 11}));
  TRect calc{0, 0, 100, 100};
  EXPECT_EQ(DrawText(dc, "ab\ncd", -1, calc, DT_CALCRECT), 22);
  EXPECT_EQ(calc.Right, 12);
  SetFixedTextMetrics(false);
}

TEST(GdiApi, ExplicitColoursLastUntilTheToolChanges) {
  auto b = WhiteBitmap(2, 2);
  HDC dc = b->Canvas()->Handle();
  EXPECT_EQ(GetBkMode(dc), OPAQUE);  // a solid brush
  SetBkMode(dc, TRANSPARENT);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  b->Canvas()->Brush()->SetColor(clRed);
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetBkColor(dc), clRed);
  SetTextColor(dc, clGreen);
  EXPECT_EQ(GetTextColor(dc), clGreen);
  b->Canvas()->Font()->SetColor(clBlue);
  EXPECT_EQ(GetTextColor(dc), clBlue);
  b->Canvas()->Brush()->SetStyle(bsCross);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
}
