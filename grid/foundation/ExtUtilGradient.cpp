// Gradients, cell backgrounds and rounded button faces.

#include "grid/foundation/ExtUtil.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "toolkit/graphics/Canvas.h"

namespace {

void SetPenAndBrush(TCanvas* Canvas, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  Canvas->Brush()->SetColor(Color);
}

void Line(TCanvas* Canvas, int x1, int y1, int x2, int y2) {
  Canvas->MoveTo(x1, y1);
  Canvas->LineTo(x2, y2);
}

// Two gradients over the halves of R, split across the gradient direction.
void MirrorGradient(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor Mirror,
                    TColor MirrorTo, int Steps, bool SplitVertically) {
  TRect first = R, second = R;
  if (SplitVertically) {
    first.Bottom = second.Top = R.Top + (R.Bottom - R.Top) / 2;
  } else {
    first.Right = second.Left = R.Left + (R.Right - R.Left) / 2;
  }
  GradientFillRect(Canvas, Color, ColorTo, Steps, first, !SplitVertically);
  GradientFillRect(Canvas, Mirror, MirrorTo, Steps, second, !SplitVertically);
}

}  // namespace

void FillRectColor(TCanvas* Canvas, const TRect& R, TColor Color) {
  Canvas->Brush()->SetColor(Color);
  Canvas->FillRect(R);
}

void GradientFillRect(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Horizontal) {
  if (R.Top == R.Bottom) return;
  if (R.Top > R.Bottom) std::swap(R.Top, R.Bottom);
  FromColor = ColorToRGB(FromColor);
  ToColor = ColorToRGB(ToColor);
  if (FromColor == clNone || ToColor == clNone) {
    TColor solid = FromColor == clNone ? ToColor : FromColor;
    if (solid == clNone) return;  // nothing to draw with
    SetPenAndBrush(Canvas, solid);
    Canvas->Rectangle(R);
    return;
  }
  const int span = Horizontal ? R.Right - R.Left - 1 : R.Bottom - R.Top - 1;
  Steps = std::max(1, std::min(Steps, span));
  const double stepSize = static_cast<double>(span) / Steps;
  const double dr = (GetRValue(ToColor) - GetRValue(FromColor)) / static_cast<double>(Steps);
  const double dg = (GetGValue(ToColor) - GetGValue(FromColor)) / static_cast<double>(Steps);
  const double db = (GetBValue(ToColor) - GetBValue(FromColor)) / static_cast<double>(Steps);
  const int bandLength = static_cast<int>(stepSize + 1);
  for (int i = 0; i <= Steps; ++i) {
    auto channel = [i](uint8_t from, double delta) {
      return static_cast<uint8_t>(std::clamp(from + std::nearbyint(i * delta), 0.0, 255.0));
    };
    SetPenAndBrush(Canvas, RGB(channel(GetRValue(FromColor), dr), channel(GetGValue(FromColor), dg),
                               channel(GetBValue(FromColor), db)));
    const int offset = static_cast<int>(i * stepSize);
    if (Horizontal) {
      Canvas->Rectangle(R.Left + offset, R.Top, std::min(R.Right, R.Left + offset + bandLength), R.Bottom);
    } else {
      Canvas->Rectangle(R.Left, R.Top + offset, R.Right, std::min(R.Bottom, R.Top + offset + bandLength));
    }
  }
}

void DrawCellBackground(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor MirrorColor,
                        TColor MirrorColorTo, bool Vertical, TColor BorderColor, bool SideLinesOnly, bool Fill) {
  if (Fill && Color != clNone) {
    if (MirrorColor == clNone && ColorTo == clNone) {
      SetPenAndBrush(Canvas, Color);
      Canvas->Brush()->SetStyle(bsSolid);
      Canvas->Pen()->SetStyle(psSolid);
      Canvas->Pen()->SetWidth(1);
      Canvas->Rectangle(R.Left, R.Top, R.Right, R.Bottom + 1);
    } else if (MirrorColor == clNone) {
      GradientFillRect(Canvas, Color, ColorTo, 128, R, !Vertical);
    } else {
      MirrorGradient(Canvas, R, Color, ColorTo, MirrorColor, MirrorColorTo, 128, Vertical);
    }
  }
  if (BorderColor == clNone) return;
  if (SideLinesOnly) {
    Canvas->Pen()->SetColor(BorderColor);
    Line(Canvas, R.Left, R.Top, R.Left, R.Bottom);
    Line(Canvas, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
  } else {
    Canvas->Brush()->SetColor(BorderColor);
    Canvas->FrameRect(R);
  }
}

void DrawRoundedGradientFace(TCanvas* Canvas, TColor Color, TColor ColorTo, TColor MirrorColor,
                             TColor MirrorColorTo, TColor UpperLineColor, TColor LowerLineColor,
                             TColor BorderColor, TColor CornerColor, TColor BackgroundColor, const TRect& Rect,
                             int Kind) {
  const TRect R{Rect.Left, Rect.Top, Rect.Right - 1, Rect.Bottom - 2};
  // Rounded ends need room for their corner pixels; a tiny face is square.
  const bool roomy = R.Width() >= 5 && R.Height() >= 5;
  const bool roundLeft = roomy && (Kind == 0 || Kind == 1);
  const bool roundRight = roomy && (Kind == 0 || Kind == 2);
  const int mid = R.Top + (R.Bottom - R.Top) / 2;

  Canvas->Pen()->SetColor(UpperLineColor);
  Line(Canvas, R.Left, R.Top + 1, R.Right, R.Top + 1);
  if (roundLeft) Line(Canvas, R.Left + 1, R.Top + 1, R.Left + 1, mid);
  if (roundRight) Line(Canvas, R.Right - 2, R.Top + 1, R.Right - 2, mid);

  Canvas->Pen()->SetColor(LowerLineColor);
  Line(Canvas, R.Left, R.Bottom - 1, R.Right, R.Bottom - 1);
  if (roundLeft) Line(Canvas, R.Left + 1, mid, R.Left + 1, R.Bottom - 1);
  if (roundRight) Line(Canvas, R.Right - 2, mid, R.Right - 2, R.Bottom - 1);

  const int leftInset = roundLeft ? 2 : 0;
  const int rightInset = roundRight ? 2 : 0;
  Canvas->Pen()->SetColor(BorderColor);
  Line(Canvas, R.Left + leftInset, R.Top, R.Right - rightInset, R.Top);
  Line(Canvas, R.Left + leftInset, R.Bottom, R.Right - rightInset, R.Bottom);
  if (roundRight) Line(Canvas, R.Right - 1, R.Top + 2, R.Right - 1, R.Bottom - 1);
  if (roundLeft) Line(Canvas, R.Left, R.Top + 2, R.Left, R.Bottom - 1);

  auto corners = [&](int inner, int outer) {
    for (auto [x, y] : {std::pair{inner, R.Top}, {inner, R.Top + 1}, {outer, R.Top + 1}, {inner, R.Bottom},
                        {inner, R.Bottom - 1}, {outer, R.Bottom - 1}})
      Canvas->SetPixels(x, y, CornerColor);
    Canvas->SetPixels(outer, R.Top, BackgroundColor);
    Canvas->SetPixels(outer, R.Bottom, BackgroundColor);
  };
  if (roundLeft) corners(R.Left + 1, R.Left);
  if (roundRight) corners(R.Right - 2, R.Right - 1);

  const TRect inside{R.Left + leftInset, R.Top + 2, R.Right - rightInset, R.Bottom - 1};
  if (ColorTo == clNone) {
    SetPenAndBrush(Canvas, Color);
    Canvas->FillRect(inside);
  } else if (MirrorColor == clNone) {
    GradientFillRect(Canvas, Color, ColorTo, 16, inside, false);
  } else {
    MirrorGradient(Canvas, inside, Color, ColorTo, MirrorColor, MirrorColorTo, 16, true);
  }
}
