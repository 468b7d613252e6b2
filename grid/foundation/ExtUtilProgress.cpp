// Progress bars, level bars, pies and signed bars in grid cells.

#include "grid/foundation/ExtUtil.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "toolkit/graphics/Canvas.h"

namespace {

// Rounds ties to even; values beyond the int range (a runaway position) are
// held at its ends instead of overflowing.
int Nearest(double v) {
  if (!(v == v)) return 0;  // NaN
  return static_cast<int>(std::clamp(std::nearbyint(v), -2147483648.0, 2147483647.0));
}

void SetPenAndBrush(TCanvas* Canvas, TColor Color) {
  Canvas->Pen()->SetColor(Color);
  Canvas->Brush()->SetColor(Color);
}

void Frame(TCanvas* Canvas, const TRect& R, TColor Color) {
  Canvas->Brush()->SetColor(Color);
  Canvas->FrameRect(R);
}

// One filled part of a level bar: a gradient mirrored across the bar's
// thickness, or the level's colour.
void LevelFace(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo, const TLevelProgressAppearance& A) {
  if (R.IsEmpty()) return;
  if (!A.ShowGradient) {
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(R);
    return;
  }
  TRect first = R, second = R;
  if (A.Vertical) first.Right = second.Left = R.Left + R.Width() / 2;
  else first.Bottom = second.Top = R.Top + R.Height() / 2;
  GradientFillRect(Canvas, ColorTo, Color, A.Steps, first, A.Vertical);
  GradientFillRect(Canvas, Color, ColorTo, A.Steps, second, A.Vertical);
}

// A horizontal part that starts `from` pixels into the bar; a vertical one
// whose bottom edge lies `from` pixels above the bar's bottom edge.
TRect BarPart(const TRect& R, const TLevelProgressAppearance& A, int from, int length) {
  if (A.Vertical) return {R.Left + 1, R.Bottom - from - length, R.Right - 1, R.Bottom - from};
  return {R.Left + 1 + from, R.Top + 1, R.Left + 1 + from + length, R.Bottom - 1};
}

void LevelColors(const TLevelProgressAppearance& A, int level, TColor& c, TColor& to) {
  const TColor colors[4][2] = {{A.Level0Color, A.Level0ColorTo}, {A.Level1Color, A.Level1ColorTo},
                               {A.Level2Color, A.Level2ColorTo}, {A.Level3Color, A.Level3ColorTo}};
  c = colors[level][0];
  to = colors[level][1];
}

void StackedParts(TCanvas* Canvas, const TRect& R, int Percent, int Size, const TLevelProgressAppearance& A) {
  TColor c, to;
  const int p = std::min(Percent, 100);
  int len0 = Nearest((p < A.Level1Perc ? p : A.Level1Perc) / 100.0 * Size);
  LevelColors(A, 0, c, to);
  TRect part0 = BarPart(R, A, 0, len0);
  if (A.Vertical) part0.Bottom = R.Bottom - 1;  // the bar's outline stays free
  LevelFace(Canvas, part0, c, to, A);
  if (p < A.Level1Perc) return;
  int len1 = Nearest(Size * ((p < A.Level2Perc ? p : A.Level2Perc) - A.Level1Perc) / 100.0);
  LevelColors(A, 1, c, to);
  LevelFace(Canvas, BarPart(R, A, len0, len1), c, to, A);
  if (p < A.Level2Perc) return;
  int len2 = p == 100 ? Size - len0 - len1 : Nearest(Size * (p - A.Level2Perc) / 100.0);
  LevelColors(A, 3, c, to);
  LevelFace(Canvas, BarPart(R, A, len0 + len1 + (A.Vertical ? 1 : 0), len2), c, to, A);
}

void BlockParts(TCanvas* Canvas, const TRect& R, int n, TColor c, TColor to, const TLevelProgressAppearance& A) {
  auto block = [&](int from, int length) {
    TRect b = A.Vertical ? TRect{R.Left + 2, R.Bottom - 2 - from - length, R.Right - 2, R.Bottom - 2 - from}
                         : TRect{R.Left + 2 + from, R.Top + 2, R.Left + 2 + from + length, R.Bottom - 2};
    LevelFace(Canvas, b, c, to, A);
  };
  if (n > 9) {
    const int blocks = n / 9;
    for (int k = 0; k < blocks; ++k) block(k * 9, 7);
    if (n % 9 > 2) block(blocks * 9, n % 9 - 1);
  } else if (n > 1) {
    block(0, n);
  }
}

void PercentageText(TCanvas* Canvas, const TRect& R, int Percent, const TLevelProgressAppearance& A) {
  TFont* font = Canvas->Font();
  if (A.Font) {
    font->SetName(A.Font->Name());
    font->SetSize(A.Font->Size());
    font->SetStyle(A.Font->Style());
  }
  font->SetColor(A.CompleteFontColor);
  font->SetOrientation(A.Vertical ? 900 : 0);
  const std::string text = std::to_string(Percent) + "%";
  const int tw = Canvas->TextWidth(text), th = Canvas->TextHeight(text);
  const int oldMode = Canvas->SetBkMode(TRANSPARENT);
  const int cx = R.Left + (R.Right - R.Left) / 2, cy = R.Top + (R.Bottom - R.Top) / 2;
  if (A.Vertical) Canvas->TextOut(cx - th / 2, cy + tw / 2, text);
  else Canvas->TextOut(cx - tw / 2, cy - th / 2, text);
  Canvas->SetBkMode(oldMode);
  font->SetOrientation(0);
}

}  // namespace

void DrawProgressBar(TCanvas* Canvas, TRect R, TColor CompleteColor, TColor CompleteFontColor,
                     TColor UnCompleteColor, TColor UnCompleteFontColor, double Position, int MarginX,
                     int MarginY, int Min, int Max, std::string_view Format, TColor BorderColor, bool TextBelow) {
  const TColor entryBrush = Canvas->Brush()->Color();
  SetPenAndBrush(Canvas, CompleteColor);
  Canvas->Font()->SetColor(CompleteFontColor);

  std::string text;
  int percent = 0;
  if (Format.empty()) {
    percent = Nearest(Position);
    text = std::to_string(percent) + "%";
  } else {
    const bool integer = Format.find('d') != std::string_view::npos || Format.find('u') != std::string_view::npos;
    text = FormatProgressText(Format, Position, integer);
    // An empty range is complete once the position reaches it.
    percent = Max != Min ? Nearest((Position - Min) * 100.0 / (Max - Min)) : (Position >= Max ? 100 : 0);
  }
  percent = std::clamp(percent, 0, 100);

  R.Left += MarginX;
  R.Right -= MarginX;
  R.Top += MarginY;
  R.Bottom -= MarginY;
  const int width = R.Width(), height = R.Height();
  const TRect done{R.Left, R.Top, R.Left + Nearest(percent * width / 100.0), R.Bottom};
  const int tw = Canvas->TextWidth(text), th = Canvas->TextHeight(text);
  const int x = R.Left + (width - tw) / 2;
  const int y = TextBelow ? R.Top + (height + th) / 2 : R.Top + (height - th) / 2;

  Canvas->FillRect(done);
  Canvas->TextRect(done, x, y, text);
  SetPenAndBrush(Canvas, UnCompleteColor);
  Canvas->Font()->SetColor(UnCompleteFontColor);
  const TRect rest{done.Right, R.Top, R.Right, R.Bottom};
  Canvas->FillRect(rest);
  Canvas->TextRect(rest, x, y, text);

  InflateRect(R, 1, 1);
  if (BorderColor != clNone) Frame(Canvas, R, BorderColor);
  InflateRect(R, 1, 1);
  Frame(Canvas, R, entryBrush);
}

void DrawLevelProgressBar(TCanvas* Canvas, const TRect& R, int Percent, const TLevelProgressAppearance& A) {
  const int Size = (A.Vertical ? R.Height() : R.Width()) - 2;
  const TColor outline = A.ShowBorder ? A.BorderColor : A.UnCompleteColor;
  Canvas->Brush()->SetColor(A.UnCompleteColor);
  Canvas->Pen()->SetColor(outline);
  Canvas->Rectangle(R);

  if (Percent > 0 && A.Stacked) {
    StackedParts(Canvas, R, Percent, Size, A);
  } else if (Percent > 0) {
    const int level = Percent < A.Level1Perc ? 0 : Percent < A.Level2Perc ? 1 : Percent >= 100 ? 3 : 2;
    TColor c, to;
    LevelColors(A, level, c, to);
    const int n = std::min(Nearest(std::min(Percent, 100) / 100.0 * Size), Size);
    if (A.CompletionSmooth) {
      TRect part = A.Vertical ? TRect{R.Left + 1, R.Bottom - n - 1, R.Right - 1, R.Bottom - 1}
                              : TRect{R.Left + 1, R.Top + 1, R.Left + 1 + n, R.Bottom - 1};
      LevelFace(Canvas, part, c, to, A);
    } else {
      BlockParts(Canvas, R, n, c, to, A);
    }
  }

  if (A.ShowPercentage) PercentageText(Canvas, R, Percent, A);

  Canvas->Pen()->SetColor(outline);
  const TBrushStyle oldStyle = Canvas->Brush()->Style();
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->Rectangle(R);
  Canvas->Brush()->SetStyle(oldStyle);
}

void DrawProgressPie(TCanvas* Canvas, const TRect& R, TColor Color, int Percent, bool FillAbove) {
  const int w = R.Width(), h = R.Height();
  const int cx = R.Left + w / 2, cy = R.Top + h / 2;
  const TColor grey = RGB(0x80, 0x80, 0x80);
  Canvas->Pen()->SetColor(grey);
  Canvas->Pen()->SetWidth(1);
  Canvas->Ellipse(R);
  const double a = Percent / 100.0 * 2 * std::numbers::pi;
  Canvas->MoveTo(cx, R.Top);
  Canvas->LineTo(cx, cy);
  Canvas->LineTo(cx + Nearest((w + 1) * 0.5 * std::sin(a)), cy - Nearest((h + 1) * 0.5 * std::cos(a)));
  Canvas->Brush()->SetColor(Color);
  if (Percent != 0) Canvas->FloodFill(cx + 1, FillAbove ? R.Top - 2 : R.Top + 2, grey, fsBorder);
}

void DrawSignedBar(TCanvas* Canvas, TRect R, double Value, double Maximum, bool ShowValue, TColor NegativeColor,
                   TColor PositiveColor) {
  InflateRect(R, -2, -2);
  const int half = R.Width() / 2;
  // Without a positive maximum there is no scale: nothing is filled.
  const int x = Maximum > 0 ? Nearest(half * std::clamp(Value, -Maximum, Maximum) / Maximum) : 0;
  if (x < 0) {
    SetPenAndBrush(Canvas, NegativeColor);
    Canvas->Rectangle(R.Left + half + x, R.Top, R.Left + half, R.Bottom);
  } else if (x > 0) {
    SetPenAndBrush(Canvas, PositiveColor);
    Canvas->Rectangle(R.Left + half, R.Top, R.Left + half + x, R.Bottom);
  }
  if (!ShowValue) return;
  // The value is centred in the cell over the bar.
  const std::string text = FormatProgressText("%s", Value, std::nearbyint(Value) == Value);
  const int oldMode = Canvas->SetBkMode(TRANSPARENT);
  Canvas->TextOut(R.Left + (R.Width() - Canvas->TextWidth(text)) / 2,
                  R.Top + (R.Height() - Canvas->TextHeight(text)) / 2, text);
  Canvas->SetBkMode(oldMode);
}
