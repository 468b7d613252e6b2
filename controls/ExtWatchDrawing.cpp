// The analog watch's geometry and painting.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "controls/ExtDropDownUtil.h"
#include "controls/ExtWatch.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Region.h"
#include "toolkit/rtl/DateUtils.h"
#include "toolkit/rtl/Math.h"

// ---- the toolkit canvas behind TWatchCanvas

void TCanvasWatchCanvas::SetPen(TColor Color, int Width) {
  FCanvas->Pen()->SetStyle(Color == clNone ? psClear : psSolid);
  if (Color != clNone) FCanvas->Pen()->SetColor(Color);
  FCanvas->Pen()->SetWidth(Width);
}

void TCanvasWatchCanvas::SetBrush(TColor Color) {
  FCanvas->Brush()->SetStyle(Color == clNone ? bsClear : bsSolid);
  if (Color != clNone) FCanvas->Brush()->SetColor(Color);
}

void TCanvasWatchCanvas::SetFont(const TFont* Font) { FCanvas->Font()->Assign(Font); }

void TCanvasWatchCanvas::Line(TPoint From, TPoint To) {
  FCanvas->MoveTo(From.X, From.Y);
  FCanvas->LineTo(To.X, To.Y);
}

void TCanvasWatchCanvas::Polygon(const std::vector<TPoint>& Points) { FCanvas->Polygon(Points); }
void TCanvasWatchCanvas::Ellipse(const TRect& R) { FCanvas->Ellipse(R); }
void TCanvasWatchCanvas::Rectangle(const TRect& R) { FCanvas->Rectangle(R); }
void TCanvasWatchCanvas::RoundRect(const TRect& R, int Corner) { FCanvas->RoundRect(R, Corner, Corner); }
void TCanvasWatchCanvas::Text(int X, int Y, const std::string& S) { FCanvas->TextOut(X, Y, S); }

void TCanvasWatchCanvas::CentredText(const TRect& R, const std::string& S) {
  TRect r = R;
  FCanvas->DrawText(S, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

TSize TCanvasWatchCanvas::TextExtent(const std::string& S) {
  TRect r = Rect(0, 0, 200, 200);
  FCanvas->DrawText(S, r, DT_SINGLELINE | DT_CALCRECT);
  return {r.Width(), r.Height()};
}

// ---- geometry

namespace {

constexpr double kDegree = std::numbers::pi / 180;

int nearest(double X) { return int(Round(X)); }

// The point at distance D on the dial angle A (degrees clockwise from 12).
TPoint onDial(TPoint C, double D, double A) {
  return {nearest(C.X + D * std::sin(A * kDegree)), nearest(C.Y - D * std::cos(A * kDegree))};
}

// The point at distance D behind the centre, opposite dial angle A.
TPoint behind(TPoint C, double D, double A) {
  return {nearest(C.X - D * std::sin(A * kDegree)), nearest(C.Y + D * std::cos(A * kDegree))};
}

// The point at distance D on angle B (degrees clockwise from 3 o'clock).
TPoint fromThree(TPoint C, double D, double B) {
  return {nearest(C.X + D * std::cos(B * kDegree)), nearest(C.Y + D * std::sin(B * kDegree))};
}

TPoint moved(TPoint P, int DX, int DY) { return {P.X + DX, P.Y + DY}; }

}  // namespace

TWatchGeometry TExtWatch::Geometry() const {
  const TRect c = ClientRect();
  const int w = c.Width(), h = c.Height();
  const int size = FAppearance->Size();
  const int s = size > 0 ? std::min(std::min(size, w), h) : std::min(w, h) - 20;
  TWatchGeometry g;
  g.Face = Rect(c.Left + (w - s) / 2, c.Top + (h - s) / 2, c.Left + (w - s) / 2 + s, c.Top + (h - s) / 2 + s);
  g.Centre = {g.Face.Left + s / 2, g.Face.Top + s / 2};
  g.R = s / 2;
  g.Rout = g.R - FAppearance->BorderWidth() / 2;
  return g;
}

// ---- background, marks, numbers, AM/PM box

void TExtWatch::drawBackground(TCanvas* Canvas) const {
  const TWatchAppearance& a = *FAppearance;
  const TRect c = ClientRect();
  const TWatchGeometry g = Geometry();
  const TRect f = a.Shape() == wsCircle ? g.Face : c;
  const int saved = Canvas->SaveDC();
  if (a.Shape() == wsCircle) {
    const TRegion clip = CreateEllipticRgn(f.Left - 1, f.Top - 1, f.Right + 2, f.Bottom + 2);
    Canvas->SelectClipRgn(&clip);
  } else if (a.Shape() == wsRoundRect) {
    const TRegion clip = CreateRoundRectRgn(f.Left - 1, f.Top - 1, f.Right + 2, f.Bottom + 2, 20, 20);
    Canvas->SelectClipRgn(&clip);
  }
  if (a.BackgroundColor() != clNone && a.BackgroundColorTo() != clNone) {
    DrawGradient(Canvas, a.BackgroundColor(), a.BackgroundColorTo(), 80, f, a.BackgroundGradient() == wgRadial);
  } else if (a.BackgroundColor() != clNone) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(a.BackgroundColor());
    Canvas->FillRect(f);
  }
  if (a.BorderColor() != clNone && a.BorderWidth() > 0) {
    TCanvasWatchCanvas w(Canvas);
    w.SetPen(a.BorderColor(), a.BorderWidth());
    w.SetBrush(clNone);
    if (a.Shape() == wsCircle) w.Ellipse(f);
    else if (a.Shape() == wsRect) w.Rectangle(c);
    else w.RoundRect(c, 20);
  }
  Canvas->RestoreDC(saved);
  TGraphic* picture = a.Picture()->Graphic();
  if (picture != nullptr && !picture->Empty()) {
    // Drawn on a client-sized bitmap whose bottom-left colour is transparent.
    TBitmap layer;
    layer.SetSize(c.Width(), c.Height());
    layer.Canvas()->Draw(0, 0, picture);
    layer.SetTransparent(true);
    Canvas->StretchDraw(c, &layer);
  }
}

void TExtWatch::DrawMarks(TWatchCanvas& Canvas) const {
  const TWatchAppearance& a = *FAppearance;
  if (a.TickMarks() == tmNone) return;
  const TWatchGeometry g = Geometry();
  const TPoint c = g.Centre;
  const double r1 = a.HourMarkLength() != 0 ? g.Rout - a.HourMarkLength() : g.Rout * 0.9;
  Canvas.SetPen(a.HourColor(), a.HourMarkWidth());
  for (int i = 0; i < 4; ++i) {
    const TPoint from = fromThree(c, r1, i * 90), to = fromThree(c, g.Rout, i * 90);
    if (a.HourMarkStyle() == hmsLine) {
      Canvas.Line(from, to);
    } else {
      // Doubled: 3 and 9 o'clock shift up and down, 6 and 12 left and right.
      const int dx = i % 2 == 0 ? 0 : 2, dy = i % 2 == 0 ? 2 : 0;
      Canvas.Line(moved(from, -dx, -dy), moved(to, -dx, -dy));
      Canvas.Line(moved(from, dx, dy), moved(to, dx, dy));
    }
  }
  if (a.TickMarks() == tmAll || a.TickMarks() == tmHours) {
    for (int i = 0; i < 12; ++i)
      if (i % 3 != 0) Canvas.Line(fromThree(c, r1, i * 30), fromThree(c, g.Rout, i * 30));
  }
  if (a.TickMarks() != tmAll) return;
  const double r2 = a.MinuteMarkLength() != 0 ? g.Rout - a.MinuteMarkLength() : g.Rout * 0.95;
  Canvas.SetPen(a.MinuteColor(), a.MinuteMarkWidth());
  for (int i = 0; i < 60; ++i)
    if (i % 5 != 0) Canvas.Line(fromThree(c, r2, i * 6), fromThree(c, g.Rout, i * 6));
}

void TExtWatch::DrawNumbers(TWatchCanvas& Canvas) const {
  const TWatchAppearance& a = *FAppearance;
  if (!FShowNumbers || a.TickMarks() == tmNone || a.TickMarks() == tmHours) return;
  const TWatchGeometry g = Geometry();
  Canvas.SetFont(a.HourFont());
  Canvas.SetBrush(clNone);
  const int l = a.HourMarkLength() != 0 ? a.HourMarkLength() : nearest(g.Rout - g.Rout * 0.9) + 2;
  const double p = g.Rout - (l + 2) - l + l / 2;
  for (int i = 1; i <= 12; ++i) {
    if (a.TickMarks() == tmQuartHours && i % 3 != 0) continue;
    const std::string text = std::to_string(i);
    const TSize e = Canvas.TextExtent(text);
    // The two-digit numbers near the top stand a little further in.
    const int d = i == 10 ? nearest(e.cy * 0.2) : i == 11 ? nearest(e.cy * 0.15) : 0;
    const double angle = i * 30 * kDegree;
    const int x = g.Centre.X + nearest(std::sin(angle) * (p - d));
    const int y = g.Centre.Y - nearest(std::cos(angle) * (p - d));
    Canvas.Text(x - e.cx / 2, y - e.cy / 2, text);
  }
}

TRect TExtWatch::AMPMRect(TWatchCanvas& Canvas) const {
  if (!FShowAMPM) return Rect(-1, -1, -1, -1);
  const TWatchGeometry g = Geometry();
  Canvas.SetFont(FAppearance->AMPMFont());
  const TSize e = Canvas.TextExtent("AM");
  const int bw = e.cx + 8, bh = e.cy;
  const int left = g.Centre.X - bw / 2, top = g.Centre.Y + nearest((g.R - bh) / 3);
  return Rect(left, top, left + bw, top + bh);
}

TRect TExtWatch::AMPMRect() {
  TCanvasWatchCanvas c(Canvas());
  return AMPMRect(c);
}

void TExtWatch::DrawAMPM(TWatchCanvas& Canvas) const {
  const TRect r = AMPMRect(Canvas);
  if (!FShowAMPM) return;
  const TWatchAppearance& a = *FAppearance;
  Canvas.SetBrush(a.AMPMColor());
  Canvas.SetPen(a.AMPMBorderColor(), 1);
  if (a.AMPMColor() != clNone || a.AMPMBorderColor() != clNone) {
    if (a.AMPMFrame() == apRect) Canvas.Rectangle(r);
    else Canvas.RoundRect(r, 5);
  }
  Canvas.SetBrush(clNone);
  Canvas.SetFont(a.AMPMFont());
  Canvas.CentredText(r, FAM ? "AM" : "PM");
}

// ---- hands and centre point

void TExtWatch::DrawHands(TWatchCanvas& Canvas) {
  const TWatchAppearance& a = *FAppearance;
  const TWatchGeometry g = Geometry();
  const TPoint c = g.Centre;
  const double R = g.R;
  uint16_t h = 0, m = 0, s = 0, ms = 0;
  DecodeTime(CurrentTime(), h, m, s, ms);
  if (FSettings->Auto()) {
    FInternalSet = true;
    setAM(h < 12);
    FInternalSet = false;
  }
  h %= 12;
  const double ah = h * 30 + m / 12.0 * 6, am = m * 6, as = s * 6;
  const bool seconds = FSettings->Auto() && FSettings->Second();
  auto secondHand = [&] {
    if (!seconds) return;
    Canvas.SetPen(a.SecondPointer(), a.SecondPointerSize());
    Canvas.Line(behind(c, R * 0.2, as), onDial(c, R * 0.9, as));
  };
  if (a.PointerStyle() == psLine) {
    if (a.HourPointerShadow() != clNone) {
      Canvas.SetPen(a.HourPointerShadow(), a.HourPointerSize());
      Canvas.Line(moved(behind(c, R * 0.1, ah), -1, 3), moved(onDial(c, R * 0.46, ah), -1, 3));
    }
    if (a.MinutePointerShadow() != clNone) {
      Canvas.SetPen(a.MinutePointerShadow(), a.MinutePointerSize());
      Canvas.Line(moved(behind(c, R * 0.1, am), 0, 3), moved(onDial(c, R * 0.65, am), 0, 3));
    }
    Canvas.SetPen(a.HourPointer(), a.HourPointerSize());
    Canvas.Line(behind(c, R * 0.1, ah), onDial(c, R * 0.5, ah));
    Canvas.SetPen(a.MinutePointer(), a.MinutePointerSize());
    Canvas.Line(behind(c, R * 0.1, am), onDial(c, R * 0.7, am));
    secondHand();
  } else if (a.PointerStyle() == psPointer) {
    auto pointer = [&](double Angle, double Length, TColor Color, int DX, int DY) {
      Canvas.SetBrush(Color);
      Canvas.SetPen(Color, 1);
      Canvas.Polygon({moved(behind(c, R * 0.1, Angle), DX, DY), moved(behind(c, R * 0.05, Angle + 90), DX, DY),
                      moved(onDial(c, R * Length, Angle), DX, DY), moved(behind(c, R * 0.05, Angle - 90), DX, DY)});
    };
    if (a.HourPointerShadow() != clNone) pointer(ah, 0.5, a.HourPointerShadow(), 1, 3);
    pointer(ah, 0.5, a.HourPointer(), 0, 0);
    if (a.MinutePointerShadow() != clNone) pointer(am, 0.7, a.MinutePointerShadow(), 1, 3);
    pointer(am, 0.7, a.MinutePointer(), 0, 0);
    secondHand();
  }
  drawCentrePoint(Canvas);
}

void TExtWatch::drawCentrePoint(TWatchCanvas& Canvas) const {
  const TWatchAppearance& a = *FAppearance;
  const int c = a.CenterPointSize();
  if (c == 0) return;
  const TPoint ctr = Geometry().Centre;
  const int x0 = nearest(ctr.X - c / 2.0), y0 = nearest(ctr.Y - c / 2.0);
  if (a.CenterPointColor() != clNone) {
    Canvas.SetBrush(a.CenterPointColor());
    Canvas.SetPen(a.CenterPointColor(), 1);
    Canvas.Ellipse(Rect(x0, y0, x0 + c, y0 + c));
  }
  int w = 0;
  if (a.CenterPointOuterBorderColor() != clNone) {
    w = nearest(c * 0.2);
    Canvas.SetBrush(clNone);
    Canvas.SetPen(a.CenterPointOuterBorderColor(), w);
    Canvas.Ellipse(Rect(x0, y0, x0 + c, y0 + c));
  }
  if (a.CenterPointBorderColor() != clNone) {
    const int x1 = nearest(ctr.X - (c - w) / 2.0), y1 = nearest(ctr.Y - (c - w) / 2.0);
    Canvas.SetBrush(clNone);
    Canvas.SetPen(a.CenterPointBorderColor(), nearest(c * 0.1));
    Canvas.Ellipse(Rect(x1, y1, x1 + c - w, y1 + c - w));
  }
}

// ---- paint

void TExtWatch::Paint() {
  FPainting = true;
  const TRect c = ClientRect();
  if (!FCacheValid || FBKGCache->Width() != c.Width() || FBKGCache->Height() != c.Height()) {
    FBKGCache->SetSize(c.Width(), c.Height());
    TCanvas* cache = FBKGCache->Canvas();
    // What the face leaves uncovered shows the control's own background.
    cache->Brush()->SetStyle(bsSolid);
    cache->Brush()->SetColor(Color());
    cache->FillRect(c);
    drawBackground(cache);
    TCanvasWatchCanvas w(cache);
    DrawMarks(w);
    DrawNumbers(w);
    DrawAMPM(w);
    FCacheValid = true;
  }
  Canvas()->Draw(0, 0, FBKGCache.get());
  if (FRollStrip) drawRollFrame(Canvas());
  TCanvasWatchCanvas w(Canvas());
  DrawHands(w);
  FPainting = false;
}

void TExtWatch::drawRollFrame(TCanvas* Canvas) {
  const TWatchAppearance& a = *FAppearance;
  const TRect box = AMPMRect();
  TRect inner = box;
  InflateRect(inner, -1, -1);
  Canvas->CopyRect(inner, FRollStrip->Canvas(), Rect(0, FRollOffset, inner.Width(), FRollOffset + inner.Height()));
  TCanvasWatchCanvas w(Canvas);
  w.SetPen(a.AMPMBorderColor(), 1);
  w.SetBrush(clNone);
  if (a.AMPMFrame() == apRect) w.Rectangle(box);
  else w.RoundRect(box, 5);
}
