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
