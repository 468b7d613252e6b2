#include "toolkit/rtl/FloatDigits.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

void roundAt(TFloatDigits& d, int keep) {
  if (keep >= static_cast<int>(d.Digits.size())) return;
  if (keep < 0) {
    d.Digits.clear();
    return;
  }
  bool up = d.Digits[static_cast<size_t>(keep)] >= '5';
  d.Digits.resize(static_cast<size_t>(keep));
  for (int i = keep - 1; up && i >= 0; --i) {
    char& c = d.Digits[static_cast<size_t>(i)];
    if (c == '9') {
      c = '0';
    } else {
      ++c;
      up = false;
    }
  }
  if (up) {  // 999 became 1000
    d.Digits.insert(d.Digits.begin(), '1');
    ++d.PointPos;
  }
  while (!d.Digits.empty() && d.Digits.back() == '0') d.Digits.pop_back();
}

}  // namespace

TFloatDigits FloatDigits(double Value) {
  TFloatDigits d;
  d.Negative = std::signbit(Value);
  if (Value == 0) return d;
  // 40 digits after the first hold the exact value far enough for any
  // rounding a double can need.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.40e", std::fabs(Value));
  std::string s(buf);
  size_t e = s.find('e');
  d.Digits = s.substr(0, 1) + s.substr(2, e - 2);
  d.PointPos = std::atoi(s.c_str() + e + 1) + 1;
  while (!d.Digits.empty() && d.Digits.back() == '0') d.Digits.pop_back();
  return d;
}

void RoundSignificant(TFloatDigits& d, int Count) { roundAt(d, Count); }
void RoundDecimals(TFloatDigits& d, int Decimals) { roundAt(d, d.PointPos + Decimals); }

std::string IntegerDigits(const TFloatDigits& d) {
  if (d.PointPos <= 0 || d.IsZero()) return "0";
  std::string r = d.Digits.substr(0, static_cast<size_t>(d.PointPos));
  r.resize(static_cast<size_t>(d.PointPos), '0');
  return r;
}

std::string FractionDigits(const TFloatDigits& d, int Decimals) {
  std::string r;
  for (int i = 0; i < Decimals; ++i) {
    int at = d.PointPos + i;
    r += at >= 0 && at < static_cast<int>(d.Digits.size()) ? d.Digits[static_cast<size_t>(at)] : '0';
  }
  return r;
}

std::string GroupThousands(const std::string& Digits, char Sep) {
  std::string r;
  size_t n = Digits.size();
  for (size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) r += Sep;
    r += Digits[i];
  }
  return r;
}
