#include "grid/output/RotatedText.h"

#include <cmath>
#include <cstdlib>

namespace {

int Quadrant(int Angle) {
  if (Angle <= 90) return 1;
  if (Angle <= 180) return 2;
  if (Angle > 270) return 4;
  return 3;
}

int Left(int q, TAlignment h, const TRect& R, const TRotatedExtent& e) {
  const int W = R.Right - R.Left;
  const int C = e.C, D = e.D;
  switch (h) {
    case taRightJustify: {
      const int fromRight[] = {D + C, C, 0, D};
      return R.Right - fromRight[q - 1];
    }
    case taCenter: {
      const int left[] = {R.Left + (W - C - D) / 2, R.Right - (C + W - D) / 2, R.Right - (W - C - D) / 2,
                          R.Left + (C + W - D) / 2};
      return left[q - 1];
    }
    default: {
      const int shift[] = {0, D, C + D, C};
      return R.Left + shift[q - 1];
    }
  }
}

int Top(int q, TVAlignment v, const TRect& R, const TRotatedExtent& e) {
  const int H = R.Bottom - R.Top;
  const int A = e.A, B = e.B;
  const int centre = (A + B - H) / 2;
  switch (v) {
    case vtaBottom: {
      const int fromBottom[] = {A, 0, B, A + B};
      return R.Bottom - fromBottom[q - 1];
    }
    case vtaCenter: {
      const int shift[] = {B, A + B, A, 0};
      return R.Top + shift[q - 1] - centre;
    }
    default: {
      const int shift[] = {B, A + B, A, 0};
      return R.Top + shift[q - 1];
    }
  }
}

}  // namespace

TRotatedExtent RotatedExtent(int X, int Y, int Angle) {
  const double a = Angle * M_PI / 180.0;
  auto term = [](double v) { return std::abs(int(std::trunc(v))); };
  return {term(X * std::cos(a)), term(Y * std::sin(a)), term(X * std::sin(a)), term(Y * std::cos(a))};
}

void LayoutRotatedText(TRect& R, TAlignment HAlign, TVAlignment VAlign, int Angle, const TRotatedExtent& E) {
  const int q = Quadrant(Angle);
  const int left = Left(q, HAlign, R, E);
  const int top = Top(q, VAlign, R, E);
  R.Left = left;
  R.Top = top;
}

TPoint RotatedTextSize(int X, int Y, int Angle) {
  const TRotatedExtent e = RotatedExtent(X, Y, Angle);
  return {e.D + e.C + 12, e.A + e.B + 12};
}
