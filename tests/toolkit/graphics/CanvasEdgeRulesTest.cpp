// Pixel probes for the device-context drawing rules.

#include "tests/toolkit/graphics/CanvasProbe.h"

using Rows = std::vector<std::string>;

TEST(CanvasEdges, OnePixelRectangleColoursExactlyItsBox) {
  auto b = WhiteBitmap(5, 5);
  TCanvas* c = b->Canvas();
  c->Pen()->SetColor(clRed);
  c->Brush()->SetColor(clBlue);
  c->Rectangle(0, 0, 3, 3);
  EXPECT_EQ(Mask(*b, clRed), (Rows{"###..", "#.#..", "###..", ".....", "....."}));
  EXPECT_EQ(Mask(*b, clBlue), (Rows{".....", ".#...", ".....", ".....", "....."}));
}

TEST(CanvasEdges, RectangleWithoutPenIsOnePixelSmaller) {
  auto b = WhiteBitmap(5, 5);
  TCanvas* c = b->Canvas();
  c->Pen()->SetStyle(psClear);
  c->Brush()->SetColor(clBlue);
  c->Rectangle(0, 0, 4, 4);
  EXPECT_EQ(Mask(*b, clBlue), (Rows{"###..", "###..", "###..", ".....", "....."}));
}

TEST(CanvasEdges, InsideFramePenStaysInTheBox) {
  auto b = WhiteBitmap(6, 6);
  TCanvas* c = b->Canvas();
  c->Pen()->SetStyle(psInsideFrame);
  c->Pen()->SetWidth(2);
  c->Pen()->SetColor(clRed);
  c->Brush()->SetColor(clBlue);
  c->Rectangle(0, 0, 5, 5);
  EXPECT_EQ(Mask(*b, clRed), (Rows{"#####.", "#####.", "##.##.", "#####.", "#####.", "......"}));
  EXPECT_EQ(CountColor(*b, clBlue), 1);
}

TEST(CanvasEdges, FillRectAndFrameRectExcludeRightAndBottom) {
  auto b = WhiteBitmap(5, 5);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clGreen);
  c->FillRect(Rect(1, 1, 3, 4));
  EXPECT_EQ(Mask(*b, clGreen), (Rows{".....", ".##..", ".##..", ".##..", "....."}));
  auto f = WhiteBitmap(5, 5);
  f->Canvas()->Brush()->SetColor(clGreen);
  f->Canvas()->FrameRect(Rect(0, 0, 4, 4));
  EXPECT_EQ(Mask(*f, clGreen), (Rows{"####.", "#..#.", "#..#.", "####.", "....."}));
}

TEST(CanvasEdges, ClearBrushFillsNothing) {
  auto b = WhiteBitmap(4, 4);
  b->Canvas()->Brush()->SetStyle(bsClear);
  b->Canvas()->FillRect(Rect(0, 0, 4, 4));
  b->Canvas()->FrameRect(Rect(0, 0, 4, 4));
  EXPECT_EQ(CountColor(*b, clWhite), 16);
}

TEST(CanvasEdges, LineToLeavesTheEndPointOut) {
  struct Case { TPoint from, to; Rows expected; };
  const Case cases[] = {
      {{0, 1}, {4, 1}, {".....", "####.", ".....", ".....", "....."}},
      {{4, 1}, {0, 1}, {".....", ".####", ".....", ".....", "....."}},
      {{2, 0}, {2, 3}, {"..#..", "..#..", "..#..", ".....", "....."}},
      {{0, 0}, {4, 4}, {"#....", ".#...", "..#..", "...#.", "....."}},
      {{1, 1}, {1, 1}, {".....", ".....", ".....", ".....", "....."}},
  };
  for (const Case& t : cases) {
    auto b = WhiteBitmap(5, 5);
    b->Canvas()->MoveTo(t.from.X, t.from.Y);
    b->Canvas()->LineTo(t.to.X, t.to.Y);
    EXPECT_EQ(Mask(*b, clBlack), t.expected) << t.from.X << "," << t.from.Y << " -> " << t.to.X << "," << t.to.Y;
    EXPECT_EQ(b->Canvas()->PenPos(), t.to);
  }
}

TEST(CanvasEdges, PolylineDrawsEveryVertexButTheLast) {
  auto b = WhiteBitmap(5, 5);
  b->Canvas()->Polyline({{0, 0}, {3, 0}, {3, 3}});
  EXPECT_EQ(Mask(*b, clBlack), (Rows{"####.", "...#.", "...#.", ".....", "....."}));
}

TEST(CanvasEdges, PolygonClosesItsOutline) {
  auto b = WhiteBitmap(5, 5);
  b->Canvas()->Brush()->SetColor(clBlue);
  b->Canvas()->Polygon({{0, 0}, {3, 0}, {3, 3}, {0, 3}});
  EXPECT_EQ(Mask(*b, clBlack), (Rows{"####.", "#..#.", "#..#.", "####.", "....."}));
  EXPECT_EQ(Mask(*b, clBlue), (Rows{".....", ".##..", ".##..", ".....", "....."}));
}

TEST(CanvasEdges, DashedLineFollowsItsPatternWithOpaqueGaps) {
  auto b = WhiteBitmap(30, 1);
  TCanvas* c = b->Canvas();
  c->Pen()->SetStyle(psDot);
  c->Brush()->SetColor(clYellow);  // solid brush: gaps take the background colour
  c->MoveTo(0, 0);
  c->LineTo(12, 0);
  EXPECT_EQ(Mask(*b, clBlack)[0].substr(0, 13), "###...###....");
  EXPECT_EQ(Mask(*b, clYellow)[0].substr(0, 13), "...###...###.");
  auto t = WhiteBitmap(30, 1);
  t->Canvas()->Pen()->SetStyle(psDash);
  t->Canvas()->Brush()->SetStyle(bsClear);
  t->Canvas()->MoveTo(0, 0);
  t->Canvas()->LineTo(30, 0);
  EXPECT_EQ(Mask(*t, clBlack)[0], std::string(18, '#').append("......######"));
}

TEST(CanvasEdges, EllipseStaysInsideItsBox) {
  auto b = WhiteBitmap(12, 12);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clBlue);
  c->Ellipse(1, 1, 11, 9);
  const Rows black = Mask(*b, clBlack);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x)
      if (black[y][x] == '#') {
        EXPECT_GE(x, 1);
        EXPECT_LT(x, 11);
        EXPECT_GE(y, 1);
        EXPECT_LT(y, 9);
      }
  EXPECT_EQ(c->Pixels(6, 5), clBlue);
  EXPECT_EQ(c->Pixels(1, 1), clWhite);
  EXPECT_EQ(c->Pixels(1, 5), clBlack);
}

TEST(CanvasEdges, ShapesAreNotAntiAliased) {
  auto b = WhiteBitmap(20, 20);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clRed);
  c->Pen()->SetColor(clBlack);
  c->Ellipse(0, 0, 20, 20);
  c->RoundRect(2, 2, 18, 18, 6, 6);
  c->Pie(0, 0, 20, 20, 20, 10, 10, 0);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      const TColor p = c->Pixels(x, y);
      EXPECT_TRUE(p == clWhite || p == clRed || p == clBlack) << x << "," << y << " " << std::hex << p;
    }
}

TEST(CanvasEdges, XorPenTwiceRestoresThePicture) {
  auto b = WhiteBitmap(8, 8);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clGreen);
  c->FillRect(Rect(0, 0, 4, 8));
  c->Pen()->SetMode(pmXor);
  c->Pen()->SetColor(clWhite);
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(1, 1, 7, 7);
  EXPECT_EQ(c->Pixels(1, 1), TColor(0xFFFFFF ^ clGreen));
  EXPECT_EQ(c->Pixels(6, 1), clBlack);
  c->Rectangle(1, 1, 7, 7);
  EXPECT_EQ(CountColor(*b, clGreen), 32);
  EXPECT_EQ(CountColor(*b, clWhite), 32);
}

TEST(CanvasEdges, PenModesCombinePenAndDestination) {
  struct Case { TPenMode mode; TColor expected; };
  const TColor dest = 0x00F0F0, pen = 0x0F00FF;
  const Case cases[] = {
      {pmCopy, pen}, {pmNotCopy, TColor(~pen & 0xFFFFFF)}, {pmNot, TColor(~dest & 0xFFFFFF)},
      {pmMask, pen & dest}, {pmMerge, pen | dest}, {pmXor, pen ^ dest},
      {pmNotXor, TColor(~(pen ^ dest) & 0xFFFFFF)}, {pmBlack, clBlack}, {pmWhite, clWhite}, {pmNop, dest},
  };
  for (const Case& t : cases) {
    auto b = WhiteBitmap(3, 1);
    TCanvas* c = b->Canvas();
    c->Brush()->SetColor(dest);
    c->FillRect(Rect(0, 0, 3, 1));
    c->Pen()->SetColor(pen);
    c->Pen()->SetMode(t.mode);
    c->MoveTo(0, 0);
    c->LineTo(2, 0);
    EXPECT_EQ(c->Pixels(1, 0), t.expected) << t.mode;
    EXPECT_EQ(c->Pixels(2, 0), dest) << t.mode;
  }
}

TEST(CanvasEdges, FocusRectIsDottedAndErasesItself) {
  auto b = WhiteBitmap(6, 4);
  TCanvas* c = b->Canvas();
  c->DrawFocusRect(Rect(0, 0, 6, 4));
  EXPECT_EQ(Mask(*b, clBlack), (Rows{"#.#.#.", ".....#", "#.....", ".#.#.#"}));
  c->DrawFocusRect(Rect(0, 0, 6, 4));
  EXPECT_EQ(CountColor(*b, clWhite), 24);
}

TEST(CanvasEdges, FloodFillSurfaceAndBorder) {
  auto b = WhiteBitmap(6, 6);
  TCanvas* c = b->Canvas();
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(0, 0, 5, 5);
  c->Brush()->SetColor(clLime);
  c->FloodFill(2, 2, clWhite, fsSurface);
  EXPECT_EQ(Mask(*b, clLime), (Rows{"......", ".###..", ".###..", ".###..", "......", "......"}));
  c->Brush()->SetColor(clRed);
  c->FloodFill(5, 5, clBlack, fsBorder);  // everything outside the black frame
  EXPECT_EQ(CountColor(*b, clRed), 11);
}

TEST(CanvasEdges, HatchBrushDrawsLinesOnly) {
  auto b = WhiteBitmap(16, 16);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clRed);
  c->Brush()->SetStyle(bsHorizontal);
  c->FillRect(Rect(0, 0, 16, 16));
  EXPECT_EQ(CountColor(*b, clRed), 32);  // two lines of 16
  EXPECT_EQ(c->Pixels(3, 0), clRed);
  EXPECT_EQ(c->Pixels(3, 1), clWhite);
}

TEST(CanvasEdges, PixelsReadAndWrite) {
  auto b = WhiteBitmap(3, 3);
  TCanvas* c = b->Canvas();
  c->SetPixels(1, 2, clPurple);
  EXPECT_EQ(c->Pixels(1, 2), clPurple);
  c->SetPixels(0, 0, clBtnFace);  // system colours resolve when drawn
  EXPECT_EQ(c->Pixels(0, 0), ColorToRGB(clBtnFace));
  EXPECT_EQ(c->Pixels(3, 0), CLR_INVALID);
  EXPECT_EQ(c->Pixels(-1, 0), CLR_INVALID);
}

TEST(CanvasEdges, FarAwayLinesAreCutToTheSurface) {
  auto b = WhiteBitmap(10, 10);
  TCanvas* c = b->Canvas();
  c->MoveTo(-2000000000, 5);
  c->LineTo(2000000000, 5);  // would take seconds pixel by pixel
  EXPECT_EQ(Mask(*b, clBlack)[5], "##########");
  c->Pen()->SetColor(clRed);
  c->MoveTo(-1000000, -1000000);
  c->LineTo(1000000, 1000000);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(c->Pixels(i, i), clRed) << i;
}

TEST(CanvasEdges, ArcPieChordAndBezierStayInTheirBoxes) {
  auto b = WhiteBitmap(30, 30);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clBlue);
  c->Pie(5, 5, 25, 25, 25, 15, 15, 5);  // the upper-right quarter
  EXPECT_EQ(c->Pixels(18, 11), clBlue);
  EXPECT_EQ(c->Pixels(11, 18), clWhite);
  EXPECT_EQ(c->Pixels(11, 11), clWhite);
  auto a = WhiteBitmap(30, 30);
  a->Canvas()->Arc(5, 5, 25, 25, 25, 15, 5, 15);  // the upper half, outline only
  EXPECT_GT(CountColor(*a, clBlack), 20);
  for (int y = 17; y < 30; ++y)
    for (int x = 0; x < 30; ++x) EXPECT_EQ(a->Canvas()->Pixels(x, y), clWhite) << x << "," << y;
  auto z = WhiteBitmap(30, 30);
  z->Canvas()->PolyBezier({{0, 0}, {10, 29}, {20, 29}, {29, 0}});
  EXPECT_EQ(z->Canvas()->Pixels(0, 0), clBlack);
  EXPECT_EQ(z->Canvas()->Pixels(15, 5), clWhite);
  EXPECT_GT(CountColor(*z, clBlack), 30);
}

TEST(CanvasEdges, ClearPenDrawsNoOutline) {
  auto b = WhiteBitmap(10, 10);
  TCanvas* c = b->Canvas();
  c->Pen()->SetStyle(psClear);
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(0, 0, 10, 10);
  c->Ellipse(0, 0, 10, 10);
  c->RoundRect(0, 0, 10, 10, 4, 4);
  c->MoveTo(0, 0);
  c->LineTo(9, 9);
  c->Polygon({{0, 0}, {9, 0}, {9, 9}});
  EXPECT_EQ(CountColor(*b, clWhite), 100);
}

TEST(CanvasEdges, RoundRectCornersAreCut) {
  auto b = WhiteBitmap(20, 20);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clBlue);
  c->RoundRect(0, 0, 20, 20, 10, 10);
  EXPECT_EQ(c->Pixels(0, 0), clWhite);
  EXPECT_EQ(c->Pixels(10, 0), clBlack);
  EXPECT_EQ(c->Pixels(0, 10), clBlack);
  EXPECT_EQ(c->Pixels(19, 10), clBlack);
  EXPECT_EQ(c->Pixels(10, 19), clBlack);
  EXPECT_EQ(c->Pixels(10, 10), clBlue);
  EXPECT_EQ(c->Pixels(20, 10), CLR_INVALID);
}

TEST(CanvasEdges, DashedCurvesLeaveGaps) {
  auto solid = WhiteBitmap(40, 40), dashed = WhiteBitmap(40, 40), opaque = WhiteBitmap(40, 40);
  for (TBitmap* b : {solid.get(), dashed.get(), opaque.get()}) b->Canvas()->Brush()->SetStyle(bsClear);
  dashed->Canvas()->Pen()->SetStyle(psDot);
  opaque->Canvas()->Pen()->SetStyle(psDot);
  opaque->Canvas()->Brush()->SetColor(clYellow);  // solid again: gaps in yellow
  opaque->Canvas()->FillRect(Rect(0, 0, 0, 0));
  for (TBitmap* b : {solid.get(), dashed.get(), opaque.get()}) b->Canvas()->Ellipse(2, 2, 38, 38);
  const int full = CountColor(*solid, clBlack);
  const int dots = CountColor(*dashed, clBlack);
  EXPECT_GT(full, 80);
  EXPECT_GT(dots, full / 4);
  EXPECT_LT(dots, full * 3 / 4);
  EXPECT_GT(CountColor(*opaque, clYellow), full / 4);
  // The dashes stay inside the ellipse's box.
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      if (dashed->Canvas()->Pixels(x, y) != clBlack) continue;
      EXPECT_TRUE(x >= 2 && x < 38 && y >= 2 && y < 38) << x << "," << y;
    }
}

TEST(CanvasEdges, InvertedRectanglesFillNothingButShapesNormalise) {
  auto b = WhiteBitmap(6, 6);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clRed);
  c->FillRect(Rect(4, 1, 1, 4));   // right before left
  c->FillRect(Rect(1, 4, 4, 1));   // bottom before top
  c->FrameRect(Rect(4, 4, 1, 1));
  c->DrawFocusRect(Rect(4, 4, 1, 1));
  TRect e = Rect(4, 4, 1, 1);
  c->DrawEdge(e, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  EXPECT_EQ(CountColor(*b, clWhite), 36);
  c->Rectangle(3, 3, 0, 0);  // shapes take their corners in any order
  EXPECT_EQ(CountColor(*b, clBlack), 8);
}
