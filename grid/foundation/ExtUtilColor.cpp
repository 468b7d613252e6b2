// Colour arithmetic on red, green and blue bytes.

#include "grid/foundation/ExtUtil.h"

#include <algorithm>
#include <cmath>

namespace {

uint8_t ClampByte(double v) { return static_cast<uint8_t>(std::clamp(v, 0.0, 255.0)); }

// Rounds to the nearest integer, ties to even, as the colour steps expect.
double Nearest(double v) { return std::nearbyint(v); }

}  // namespace

TColor HalveColor(TColor Color) {
  TColor c = ColorToRGB(Color);
  return RGB(GetRValue(c) / 2, GetGValue(c) / 2, GetBValue(c) / 2);
}

TColor ChangeColorPercent(TColor Color, int Percent) {
  TColor c = ColorToRGB(Color);
  auto change = [Percent](uint8_t b) { return ClampByte(b + Nearest(b * Percent / 100.0)); };
  return RGB(change(GetRValue(c)), change(GetGValue(c)), change(GetBValue(c)));
}

TColor InterpolateColor(TColor FromColor, TColor ToColor, int RangeStart, int RangeEnd, int Position) {
  if (ToColor == clNone || RangeEnd == RangeStart) return FromColor;
  TColor f = ColorToRGB(FromColor), t = ColorToRGB(ToColor);
  const double fraction = static_cast<double>(Position) / (RangeEnd - RangeStart);
  auto mix = [fraction](uint8_t from, uint8_t to) { return ClampByte(from + Nearest((to - from) * fraction)); };
  return RGB(mix(GetRValue(f), GetRValue(t)), mix(GetGValue(f), GetGValue(t)), mix(GetBValue(f), GetBValue(t)));
}

TColor MixChannels(TColor A, TColor B, double Weight) {
  TColor a = ColorToRGB(A), b = ColorToRGB(B);
  auto mix = [Weight](uint8_t x, uint8_t y) { return ClampByte(Nearest(Weight * x + (1.0 - Weight) * y)); };
  return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

TColor BlendColors(TColor A, TColor B, int Percent) {
  if (Percent >= 100) return A;
  if (Percent < 1 || A == clNone) return B;
  if (B == clNone) return A;
  return MixChannels(A, B, Percent / 100.0);
}
