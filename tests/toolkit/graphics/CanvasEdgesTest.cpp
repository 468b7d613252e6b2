// DrawEdge rings and DrawFrameControl in the fixed classic colours.

#include "tests/toolkit/graphics/CanvasProbe.h"

namespace {

const TColor kLight = ColorToRGB(cl3DLight), kDark = ColorToRGB(cl3DDkShadow), kHi = ColorToRGB(clBtnHighlight),
             kShadow = ColorToRGB(clBtnShadow), kFace = ColorToRGB(clBtnFace);

}  // namespace

TEST(DrawEdge, RaisedRingsAndCorners) {
  auto b = WhiteBitmap(6, 6);
  TRect r = Rect(0, 0, 6, 6);
  ASSERT_TRUE(b->Canvas()->DrawEdge(r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST));
  TCanvas* c = b->Canvas();
  // Outer ring: light top-left, dark bottom-right; the far corners belong to the dark sides.
  EXPECT_EQ(c->Pixels(0, 0), kLight);
  EXPECT_EQ(c->Pixels(4, 0), kLight);
  EXPECT_EQ(c->Pixels(5, 0), kDark);
  EXPECT_EQ(c->Pixels(0, 5), kDark);
  EXPECT_EQ(c->Pixels(5, 5), kDark);
  // Inner ring: highlight and shadow.
  EXPECT_EQ(c->Pixels(1, 1), kHi);
  EXPECT_EQ(c->Pixels(4, 1), kShadow);
  EXPECT_EQ(c->Pixels(1, 4), kShadow);
  // Middle filled with the face colour; BF_ADJUST leaves the inside.
  EXPECT_EQ(c->Pixels(2, 2), kFace);
  EXPECT_EQ(r, Rect(2, 2, 4, 4));
}

TEST(DrawEdge, KindsAndFlagsTable) {
  struct Case { uint32_t edge, flags; TColor topLeft, bottomRight, innerTopLeft; };
  const Case cases[] = {
      {EDGE_SUNKEN, BF_RECT, kShadow, kHi, kDark},
      {EDGE_ETCHED, BF_RECT, kShadow, kHi, kHi},
      {EDGE_BUMP, BF_RECT, kLight, kDark, kDark},
      {EDGE_RAISED, BF_RECT | BF_SOFT, kHi, kDark, kLight},
      {EDGE_SUNKEN, BF_RECT | BF_FLAT, kShadow, kShadow, kFace},
      {EDGE_SUNKEN, BF_RECT | BF_MONO, clBlack, clBlack, clWhite},
      {BDR_RAISEDINNER, BF_RECT, kHi, kShadow, clWhite},  // one ring only
  };
  for (const Case& t : cases) {
    auto b = Filled(8, 8, clWhite);
    TRect r = Rect(0, 0, 8, 8);
    b->Canvas()->DrawEdge(r, t.edge, t.flags);
    EXPECT_EQ(b->Canvas()->Pixels(0, 3), t.topLeft) << t.edge << "/" << t.flags;
    EXPECT_EQ(b->Canvas()->Pixels(7, 3), t.bottomRight) << t.edge << "/" << t.flags;
    EXPECT_EQ(b->Canvas()->Pixels(1, 3), t.innerTopLeft) << t.edge << "/" << t.flags;
    EXPECT_EQ(r, Rect(0, 0, 8, 8));  // no BF_ADJUST
  }
}

TEST(DrawEdge, OnlyTheChosenSides) {
  auto b = WhiteBitmap(5, 5);
  TRect r = Rect(0, 0, 5, 5);
  b->Canvas()->DrawEdge(r, BDR_SUNKENOUTER, BF_BOTTOM | BF_ADJUST);
  EXPECT_EQ(CountColor(*b, clWhite), 25);  // the highlight is white too
  EXPECT_EQ(r, Rect(0, 0, 5, 4));
  auto s = WhiteBitmap(5, 5);
  TRect l = Rect(0, 0, 5, 5);
  s->Canvas()->DrawEdge(l, BDR_SUNKENOUTER, BF_LEFT);
  EXPECT_EQ(Mask(*s, kShadow), (std::vector<std::string>{"#....", "#....", "#....", "#....", "#...."}));
}

TEST(DrawFrameControl, PushButtonAdjustsByItsBorder) {
  auto b = WhiteBitmap(20, 10);
  TRect r = Rect(0, 0, 20, 10);
  ASSERT_TRUE(b->Canvas()->DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT));
  EXPECT_EQ(r, Rect(2, 2, 18, 8));
  EXPECT_EQ(b->Canvas()->Pixels(10, 5), kFace);
  EXPECT_EQ(b->Canvas()->Pixels(19, 9), kDark);
  auto p = WhiteBitmap(20, 10);
  TRect q = Rect(0, 0, 20, 10);
  p->Canvas()->DrawFrameControl(q, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
  EXPECT_EQ(p->Canvas()->Pixels(0, 0), kShadow);
  EXPECT_EQ(q, Rect(0, 0, 20, 10));
}

TEST(DrawFrameControl, CheckBoxShowsItsMarkOnlyWhenChecked) {
  auto on = WhiteBitmap(13, 13), off = WhiteBitmap(13, 13), grey = WhiteBitmap(13, 13);
  TRect r = Rect(0, 0, 13, 13);
  on->Canvas()->DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
  off->Canvas()->DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONCHECK);
  grey->Canvas()->DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE);
  EXPECT_GT(CountColor(*on, clBlack), 10);
  EXPECT_EQ(CountColor(*off, clBlack), 0);
  EXPECT_EQ(off->Canvas()->Pixels(6, 6), clWhite);  // window-coloured inside
  EXPECT_EQ(grey->Canvas()->Pixels(2, 2), kFace);   // an inactive box is face-coloured
  const TColor gray = ColorToRGB(clGrayText);
  EXPECT_GT(CountColor(*grey, gray), CountColor(*off, gray) + 10);
}

TEST(DrawFrameControl, RadioAndScrollArrows) {
  auto radio = WhiteBitmap(13, 13);
  TRect r = Rect(0, 0, 13, 13);
  radio->Canvas()->DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
  EXPECT_EQ(radio->Canvas()->Pixels(6, 6), clBlack);
  EXPECT_EQ(radio->Canvas()->Pixels(0, 0), clWhite);  // corners stay outside the circle
  for (uint32_t kind : {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT, DFCS_SCROLLCOMBOBOX}) {
    auto b = WhiteBitmap(17, 17);
    TRect a = Rect(0, 0, 17, 17);
    b->Canvas()->DrawFrameControl(a, DFC_SCROLL, kind);
    EXPECT_GT(CountColor(*b, clBlack), 5) << kind;
    auto g = WhiteBitmap(17, 17);
    g->Canvas()->DrawFrameControl(a, DFC_SCROLL, kind | DFCS_INACTIVE);
    EXPECT_EQ(CountColor(*g, clBlack), 0) << kind;
    EXPECT_GT(CountColor(*g, ColorToRGB(clGrayText)), CountColor(*b, ColorToRGB(clGrayText)) + 5) << kind;
  }
  TRect none = Rect(0, 0, 5, 5);
  auto b = WhiteBitmap(5, 5);
  EXPECT_FALSE(b->Canvas()->DrawFrameControl(none, DFC_CAPTION, 0));
}

TEST(DrawEdge, DiagonalRunsCornerToCorner) {
  auto b = Filled(5, 5, clBlack);
  TRect r = Rect(0, 0, 5, 5);
  b->Canvas()->DrawEdge(r, BDR_SUNKENOUTER, BF_DIAGONAL | BF_BOTTOM | BF_RIGHT);
  EXPECT_EQ(Mask(*b, kHi), (std::vector<std::string>{"#....", ".#...", "..#..", "...#.", "....#"}));
  auto t = WhiteBitmap(5, 5);
  t->Canvas()->DrawEdge(r, BDR_SUNKENOUTER, BF_DIAGONAL | BF_TOP | BF_RIGHT);
  EXPECT_EQ(Mask(*t, kShadow), (std::vector<std::string>{"....#", "...#.", "..#..", ".#...", "#...."}));
  EXPECT_EQ(r, Rect(0, 0, 5, 5));
}

TEST(DrawFrameControl, SizeGripAndTransparentCheckBox) {
  auto g = WhiteBitmap(16, 16);
  TRect r = Rect(0, 0, 16, 16);
  ASSERT_TRUE(g->Canvas()->DrawFrameControl(r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP));
  EXPECT_EQ(g->Canvas()->Pixels(0, 0), kFace);
  EXPECT_EQ(g->Canvas()->Pixels(15, 13), kHi);     // the outer line of the first group
  EXPECT_EQ(g->Canvas()->Pixels(15, 14), kShadow);
  EXPECT_GT(CountColor(*g, kShadow), 10);
  auto t = Filled(13, 13, clRed);
  TRect c = Rect(0, 0, 13, 13);
  t->Canvas()->DrawFrameControl(c, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_TRANSPARENT);
  EXPECT_EQ(t->Canvas()->Pixels(6, 6), clRed);  // the inside is left as it was
}

TEST(DrawFrameControl, TinyControlsLeaveTheCanvasUsable) {
  auto b = WhiteBitmap(4, 4);
  for (int s = 1; s <= 4; ++s) {
    TRect r = Rect(0, 0, s, s);
    b->Canvas()->DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
    b->Canvas()->DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    b->Canvas()->DrawFrameControl(r, DFC_SCROLL, DFCS_SCROLLUP);
  }
  b->Canvas()->Brush()->SetColor(clRed);
  b->Canvas()->FillRect(Rect(0, 0, 4, 4));
  EXPECT_EQ(CountColor(*b, clRed), 16);
}
