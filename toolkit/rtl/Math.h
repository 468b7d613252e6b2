#pragma once
// The framework's rounding and range helpers, where they differ from the
// C++ library: Round goes to the even neighbour on a tie, MulDiv rounds its
// exact quotient.

#include <cmath>
#include <cstdint>

// Half-way values go to the even integer: Round(2.5) = 2, Round(3.5) = 4.
inline int64_t Round(double X) { return static_cast<int64_t>(std::nearbyint(X)); }
inline int64_t Trunc(double X) { return static_cast<int64_t>(std::trunc(X)); }
inline double Frac(double X) { return X - std::trunc(X); }
inline int64_t Ceil(double X) { return static_cast<int64_t>(std::ceil(X)); }
inline int64_t Floor(double X) { return static_cast<int64_t>(std::floor(X)); }

// Number * Numerator / Denominator with a 64-bit intermediate, rounded half
// away from zero; -1 when Denominator is 0 or the result does not fit, as
// the system's own MulDiv answers.
int MulDiv(int Number, int Numerator, int Denominator);

template <typename T>
constexpr bool InRange(T Value, T Min, T Max) { return Value >= Min && Value <= Max; }
template <typename T>
constexpr T EnsureRange(T Value, T Min, T Max) { return Value < Min ? Min : Value > Max ? Max : Value; }
template <typename T>
constexpr int Sign(T Value) { return (Value > T{}) - (Value < T{}); }

// Equal within Epsilon; 0 picks a tolerance relative to the operands.
bool SameValue(double A, double B, double Epsilon = 0);
bool IsZero(double A, double Epsilon = 0);
