#include "toolkit/rtl/Math.h"

#include <algorithm>
#include <limits>

int MulDiv(int Number, int Numerator, int Denominator) {
  if (Denominator == 0) return -1;
  int64_t p = static_cast<int64_t>(Number) * Numerator;
  int64_t d = Denominator;
  bool negative = (p < 0) != (d < 0);
  uint64_t ap = p < 0 ? 0ull - static_cast<uint64_t>(p) : static_cast<uint64_t>(p);
  uint64_t ad = d < 0 ? 0ull - static_cast<uint64_t>(d) : static_cast<uint64_t>(d);
  uint64_t q = (ap + ad / 2) / ad;
  if (q > static_cast<uint64_t>(std::numeric_limits<int>::max()) + (negative ? 1 : 0)) return -1;
  return negative ? static_cast<int>(-static_cast<int64_t>(q)) : static_cast<int>(q);
}

namespace {
constexpr double kResolution = 1e-12;  // relative tolerance for an Epsilon of 0
}

bool SameValue(double A, double B, double Epsilon) {
  if (Epsilon == 0) Epsilon = std::max(std::min(std::fabs(A), std::fabs(B)) * kResolution, kResolution);
  return std::fabs(A - B) <= Epsilon;
}

bool IsZero(double A, double Epsilon) { return std::fabs(A) <= (Epsilon == 0 ? kResolution : Epsilon); }
