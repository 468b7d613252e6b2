// Clipping, origins, mapping modes, saved states and surface binding.

#include <cairo.h>

#include "tests/toolkit/graphics/CanvasProbe.h"

using Rows = std::vector<std::string>;

TEST(CanvasState, IntersectAndExcludeClip) {
  auto b = WhiteBitmap(6, 4);
  TCanvas* c = b->Canvas();
  c->IntersectClipRect(1, 0, 5, 3);
  c->ExcludeClipRect(2, 1, 4, 2);
  c->Brush()->SetColor(clRed);
  c->FillRect(Rect(0, 0, 6, 4));
  EXPECT_EQ(Mask(*b, clRed), (Rows{".####.", ".#..#.", ".####.", "......"}));
  TRect box;
  EXPECT_EQ(c->GetClipBox(box), COMPLEXREGION);
  EXPECT_EQ(box, Rect(1, 0, 5, 3));
  EXPECT_TRUE(c->PtVisible(1, 1));
  EXPECT_FALSE(c->PtVisible(2, 1));
  EXPECT_FALSE(c->RectVisible(Rect(2, 1, 4, 2)));
}

TEST(CanvasState, SelectClipRgnAndRemoveIt) {
  auto b = WhiteBitmap(4, 4);
  TCanvas* c = b->Canvas();
  TRegion rgn = CreateRectRgn(0, 0, 2, 2);
  c->SelectClipRgn(&rgn);
  c->Brush()->SetColor(clRed);
  c->FillRect(Rect(0, 0, 4, 4));
  EXPECT_EQ(CountColor(*b, clRed), 4);
  TRegion got;
  EXPECT_EQ(c->GetClipRgn(got), 1);
  EXPECT_TRUE(EqualRgn(got, rgn));
  c->SelectClipRgn(nullptr);
  EXPECT_EQ(c->GetClipRgn(got), 0);
  c->FillRect(Rect(0, 0, 4, 4));
  EXPECT_EQ(CountColor(*b, clRed), 16);
}

TEST(CanvasState, SaveAndRestoreBringBackClipAndOrigins) {
  auto b = WhiteBitmap(4, 4);
  TCanvas* c = b->Canvas();
  const int outer = c->SaveDC();
  c->IntersectClipRect(0, 0, 1, 1);
  c->SetViewportOrgEx(2, 2);
  c->SaveDC();
  c->SetViewportOrgEx(3, 3);
  EXPECT_TRUE(c->RestoreDC(-1));
  EXPECT_EQ(c->ViewportOrg(), (TPoint{2, 2}));
  EXPECT_TRUE(c->RestoreDC(outer));
  EXPECT_EQ(c->ViewportOrg(), (TPoint{0, 0}));
  EXPECT_FALSE(c->RestoreDC(1));  // nothing saved any more
  c->Brush()->SetColor(clRed);
  c->FillRect(Rect(0, 0, 4, 4));
  EXPECT_EQ(CountColor(*b, clRed), 16);
}

TEST(CanvasState, ViewportAndWindowOriginsShiftDrawing) {
  auto b = WhiteBitmap(8, 8);
  TCanvas* c = b->Canvas();
  TPoint old{-1, -1};
  c->SetViewportOrgEx(3, 2, &old);
  EXPECT_EQ(old, (TPoint{0, 0}));
  c->Brush()->SetColor(clRed);
  c->FillRect(Rect(0, 0, 2, 2));
  EXPECT_EQ(c->Pixels(0, 0), clRed);  // Pixels takes logical coordinates too
  c->SetViewportOrgEx(0, 0);
  EXPECT_EQ(Mask(*b, clRed)[2], "...##...");
  EXPECT_EQ(Mask(*b, clRed)[3], "...##...");
  c->SetWindowOrgEx(-1, -1);
  c->Brush()->SetColor(clBlue);
  c->FillRect(Rect(0, 0, 1, 1));
  c->SetWindowOrgEx(0, 0);
  EXPECT_EQ(c->Pixels(1, 1), clBlue);
  // The clip stays where it was put in device pixels when the origin moves.
  c->IntersectClipRect(0, 0, 2, 2);
  c->SetViewportOrgEx(5, 5);
  TRect box;
  c->GetClipBox(box);
  EXPECT_EQ(box, Rect(-5, -5, -3, -3));
}

TEST(CanvasState, LoMetricHasYUpAndTenthsOfAMillimetre) {
  auto b = WhiteBitmap(200, 200);
  TCanvas* c = b->Canvas();
  EXPECT_EQ(c->SetMapMode(MM_LOMETRIC), MM_TEXT);
  EXPECT_EQ(c->GetMapMode(), MM_LOMETRIC);
  c->SetViewportOrgEx(0, 200);  // logical (0,0) at the bottom-left
  TPoint pts[] = {{0, 0}, {254, 254}, {127, -254}};
  ASSERT_TRUE(c->LPtoDP(pts, 3));
  EXPECT_EQ(pts[0], (TPoint{0, 200}));
  EXPECT_EQ(pts[1], (TPoint{96, 104}));  // one inch = 96 pixels, upwards
  EXPECT_EQ(pts[2], (TPoint{48, 296}));
  TPoint back[] = {{96, 104}};
  c->DPtoLP(back, 1);
  EXPECT_EQ(back[0], (TPoint{254, 254}));
  // A 1 cm square above the origin.
  c->Brush()->SetColor(clRed);
  c->FillRect(Rect(0, 100, 100, 0));
  EXPECT_EQ(c->Pixels(0, 5), clRed);  // logical (0,5) is just above the origin
  c->SetMapMode(MM_TEXT);
  c->SetViewportOrgEx(0, 0);
  EXPECT_EQ(CountColor(*b, clRed), 38 * 38);
  EXPECT_EQ(c->Pixels(0, 199), clRed);
  EXPECT_EQ(c->Pixels(0, 161), clWhite);
}

TEST(CanvasState, LoMetricTextIsUprightAndScaled) {
  SetFixedTextMetrics(true);
  auto b = WhiteBitmap(100, 100);
  TCanvas* c = b->Canvas();
  c->SetMapMode(MM_LOMETRIC);
  c->Font()->SetHeight(-50);  // 5 mm
  EXPECT_EQ(c->TextHeight("x"), 50);
  EXPECT_NEAR(c->TextWidth("xx"), 50, 3);  // 25 per cell, rounded to device pixels
  SetFixedTextMetrics(false);
}

TEST(CanvasState, DeviceCaps) {
  auto b = WhiteBitmap(640, 480);
  TCanvas* c = b->Canvas();
  EXPECT_EQ(c->GetDeviceCaps(LOGPIXELSX), 96);
  EXPECT_EQ(c->GetDeviceCaps(LOGPIXELSY), 96);
  EXPECT_EQ(c->GetDeviceCaps(HORZRES), 640);
  EXPECT_EQ(c->GetDeviceCaps(VERTRES), 480);
  EXPECT_EQ(c->GetDeviceCaps(PHYSICALWIDTH), 640);
  EXPECT_EQ(c->GetDeviceCaps(PHYSICALOFFSETX), 0);
  TDeviceCaps printer;
  printer.Technology = DT_RASPRINTER;
  printer.LogPixelsX = printer.LogPixelsY = 300;
  printer.HorzRes = 2400;
  printer.VertRes = 3300;
  printer.PhysicalWidth = 2480;
  printer.PhysicalHeight = 3508;
  printer.PhysicalOffsetX = 40;
  printer.PhysicalOffsetY = 104;
  c->SetDeviceCaps(printer);
  EXPECT_EQ(c->GetDeviceCaps(LOGPIXELSY), 300);
  EXPECT_EQ(c->GetDeviceCaps(HORZRES), 2400);
  EXPECT_EQ(c->GetDeviceCaps(PHYSICALHEIGHT), 3508);
  EXPECT_EQ(c->GetDeviceCaps(PHYSICALOFFSETY), 104);
  EXPECT_EQ(c->GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
  c->SetMapMode(MM_LOMETRIC);
  TPoint p[] = {{254, 0}};
  c->LPtoDP(p, 1);
  EXPECT_EQ(p[0].X, 300);
}

TEST(CanvasState, BoundSurfaceWithOriginAndClipKeepsAControlInside) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 10, 10);
  TCanvas c;
  c.BindSurface(s, {2, 3}, Rect(2, 3, 6, 6));
  c.Brush()->SetColor(clWhite);
  c.FillRect(Rect(-100, -100, 100, 100));
  TRect box;
  c.GetClipBox(box);
  EXPECT_EQ(box, Rect(0, 0, 4, 3));
  TRegion everything = CreateRectRgn(-100, -100, 100, 100);
  c.SelectClipRgn(&everything);  // the control's own clip cannot widen the area
  c.Brush()->SetColor(clRed);
  c.FillRect(Rect(-100, -100, 100, 100));
  TCanvas whole;
  whole.SetSurface(s);
  int red = 0;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) red += whole.Pixels(x, y) == clRed;
  EXPECT_EQ(red, 12);
  EXPECT_EQ(whole.Pixels(2, 3), clRed);
  EXPECT_EQ(c.Pixels(0, 0), clRed);
  EXPECT_EQ(c.Pixels(4, 0), CLR_INVALID);
  c.SetSurface(nullptr);
  whole.SetSurface(nullptr);
  cairo_surface_destroy(s);
}

TEST(CanvasState, UnboundCanvasIgnoresDrawingAndStillMeasures) {
  TCanvas c;
  EXPECT_FALSE(c.HandleAllocated());
  c.FillRect(Rect(0, 0, 10, 10));
  c.LineTo(5, 5);
  c.TextOut(0, 0, "x");
  EXPECT_EQ(c.Pixels(0, 0), CLR_INVALID);
  EXPECT_GT(c.TextWidth("hello"), 0);
}

TEST(CanvasState, ChangeEventsBracketDrawing) {
  auto b = WhiteBitmap(4, 4);
  TCanvas* c = b->Canvas();
  std::string log;
  c->OnChanging = [&](TObject*) { log += "<"; };
  c->OnChange = [&](TObject*) { log += ">"; };
  c->FillRect(Rect(0, 0, 2, 2));
  c->LineTo(3, 3);
  EXPECT_EQ(log, "<><>");
  c->Lock();
  EXPECT_EQ(c->LockCount(), 1);
  c->Unlock();
  EXPECT_EQ(c->LockCount(), 0);
}

TEST(CanvasState, AnisotropicAndIsotropicScaling) {
  auto b = WhiteBitmap(100, 100);
  TCanvas* c = b->Canvas();
  c->SetMapMode(MM_ANISOTROPIC);
  c->SetWindowExtEx(10, 10);
  c->SetViewportExtEx(100, 50);
  TPoint p[] = {{5, 5}};
  c->LPtoDP(p, 1);
  EXPECT_EQ(p[0], (TPoint{50, 25}));
  c->SetMapMode(MM_ISOTROPIC);
  c->SetWindowExtEx(10, 10);
  c->SetViewportExtEx(100, -50);  // y up; the x axis is held to the y scale
  TPoint q[] = {{10, 10}};
  c->LPtoDP(q, 1);
  EXPECT_EQ(q[0], (TPoint{50, -50}));
  c->SetMapMode(MM_TEXT);
  TPoint r[] = {{7, 8}};
  c->LPtoDP(r, 1);
  EXPECT_EQ(r[0], (TPoint{7, 8}));
  EXPECT_FALSE(c->SetMapMode(0));
}
