// Simple shapes shown in cells instead of text: status lights, ratings, trends.

#include "grid/foundation/ExtUtil.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "toolkit/graphics/Canvas.h"

namespace {

int Nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

// Point k of the ten-pointed star around (cx, cy): outer points at even k,
// inner points at a third of the radius at odd k, clockwise from 12 o'clock.
TPoint StarPoint(int k, int cx, int cy, int w2, int h2) {
  const double angle = k * 36 * std::numbers::pi / 180;
  const double rx = k % 2 == 0 ? w2 : w2 / 3.0;
  const double ry = k % 2 == 0 ? h2 : h2 / 3.0;
  return {cx + Nearest(std::sin(angle) * rx), cy - Nearest(std::cos(angle) * ry)};
}

}  // namespace

void DrawCellShape(TCanvas* Canvas, int X, int Y, int Width, int Height, uint8_t Shape, TColor BrushColor,
                   TColor PenColor) {
  Canvas->Brush()->SetColor(BrushColor);
  Canvas->Pen()->SetColor(PenColor);
  if (Shape > csHalfStar) return;
  const auto shape = static_cast<TCellShape>(Shape);
  if (shape == csCircle || shape == csSquare || shape == csRoundSquare) Width = Height = std::min(Width, Height);

  const int W = Width, H = Height, W2 = W / 2, H2 = H / 2;
  const int We = W - W % 2, Wq = We / 4, Wt = 3 * Wq;
  const int He = H - H % 2, Hq = He / 4, Ht = 3 * Hq;
  auto poly = [Canvas](std::vector<TPoint> points) { Canvas->Polygon(points); };
  auto star = [&](std::initializer_list<int> ks) {
    std::vector<TPoint> points;
    for (int k : ks) points.push_back(StarPoint(k, X + W2, Y + H2, W2, H2));
    Canvas->Polygon(points);
  };

  switch (shape) {
    case csRectangle:
    case csSquare: Canvas->Rectangle(X + 1, Y + 1, X + W - 1, Y + H - 1); break;
    case csCircle:
    case csEllips: Canvas->Ellipse(X, Y, X + W, Y + H); break;
    case csTriangleLeft: poly({{X + W, Y}, {X + W, Y + H}, {X, Y + H2}}); break;
    case csTriangleRight: poly({{X, Y}, {X, Y + H}, {X + W, Y + H2}}); break;
    case csTriangleUp: poly({{X, Y + H}, {X + W, Y + H}, {X + W2, Y}}); break;
    case csTriangleDown: poly({{X, Y}, {X + W, Y}, {X + W2, Y + H}}); break;
    case csDiamond: poly({{X, Y + H2}, {X + W2, Y}, {X + 2 * W2, Y + H2}, {X + W2, Y + 2 * H2}}); break;
    case csLineVert: Canvas->Rectangle(X + W2, Y, X + W2 + 1, Y + H); break;
    case csLineHorz: Canvas->Rectangle(X, Y + H2, X + W, Y + H2 + 1); break;
    case csRoundRect:
    case csRoundSquare: Canvas->RoundRect(X, Y, X + W, Y + H, 10, 10); break;
    case csStar: star({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}); break;
    case csHalfStar: star({0, 5, 6, 7, 8, 9}); break;
    case csArrowUp:
      poly({{X, Y + H2}, {X + We / 2, Y}, {X + We, Y + H2}, {X + Wt, Y + H2}, {X + Wt, Y + H}, {X + Wq, Y + H},
            {X + Wq, Y + H2}});
      break;
    case csArrowDown:
      poly({{X, Y + H2}, {X + We / 2, Y + H}, {X + We, Y + H2}, {X + Wt, Y + H2}, {X + Wt, Y}, {X + Wq, Y},
            {X + Wq, Y + H2}});
      break;
    case csArrowLeft:
      poly({{X, Y + He / 2}, {X + W2, Y}, {X + W2, Y + Hq}, {X + W, Y + Hq}, {X + W, Y + Ht}, {X + W2, Y + Ht},
            {X + W2, Y + He}});
      break;
    case csArrowRight:
      poly({{X + W, Y + He / 2}, {X + W2, Y}, {X + W2, Y + Hq}, {X, Y + Hq}, {X, Y + Ht}, {X + W2, Y + Ht},
            {X + W2, Y + He}});
      break;
  }
}
