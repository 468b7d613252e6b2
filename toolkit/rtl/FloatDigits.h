#pragma once
// The decimal digits of a double, rounded the framework's way (half away
// from zero on the exact binary value). Shared by the float conversions.

#include <string>

struct TFloatDigits {
  std::string Digits;    // significant digits, no leading or trailing zeros; empty for zero
  int PointPos = 0;      // digits before the decimal point (may be <= 0 or past Digits)
  bool Negative = false;
  bool IsZero() const { return Digits.empty(); }
};

// Digits of |Value| with Sign; Value must be finite.
TFloatDigits FloatDigits(double Value);
// Keeps Count significant digits.
void RoundSignificant(TFloatDigits& d, int Count);
// Keeps Decimals digits after the decimal point.
void RoundDecimals(TFloatDigits& d, int Decimals);
// Integer part ("0" when none) and Decimals fraction digits, zero padded.
std::string IntegerDigits(const TFloatDigits& d);
std::string FractionDigits(const TFloatDigits& d, int Decimals);
// Groups an integer digit string by three with Sep.
std::string GroupThousands(const std::string& Digits, char Sep);
