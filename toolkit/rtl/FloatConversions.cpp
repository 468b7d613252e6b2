#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/FloatDigits.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// For a number out of range: true when it is tiny rather than huge, judged
// by its exponent plus the digits before the point.
bool isUnderflow(const std::string& norm) {
  size_t e = norm.find('e');
  long exp = e == std::string::npos ? 0 : std::strtol(norm.c_str() + e + 1, nullptr, 10);
  size_t start = norm.find_first_not_of("+-0");
  size_t point = norm.find('.');
  long intDigits = 0;
  if (start != std::string::npos && start != point)
    intDigits = static_cast<long>((point == std::string::npos ? std::min(e, norm.size()) : point) - start);
  return exp + intDigits <= 0;
}

std::string specialValue(double v) {
  if (std::isnan(v)) return "NAN";
  return v < 0 ? "-INF" : "INF";
}

std::string padLeft(std::string s, int width, char fill) {
  if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), fill);
  return s;
}

std::string exponentText(int exp, int minDigits, bool plusSign) {
  std::string sign = exp < 0 ? "-" : plusSign ? "+" : "";
  return "E" + sign + padLeft(std::to_string(std::abs(exp)), minDigits, '0');
}

// d.ddd with Count significant digits; trailing zeros kept when Pad.
std::string mantissa(const TFloatDigits& d, int count, bool pad, char ds) {
  std::string digits = d.IsZero() ? "0" : d.Digits;
  if (pad) digits.resize(static_cast<size_t>(std::max(count, 1)), '0');
  std::string r(1, digits[0]);
  if (digits.size() > 1) r += ds + digits.substr(1);
  return r;
}

std::string general(TFloatDigits d, int precision, int expDigits, char ds) {
  RoundSignificant(d, precision);
  if (d.IsZero()) return "0";
  std::string sign = d.Negative ? "-" : "";
  if (d.PointPos > precision || d.PointPos < -3)
    return sign + mantissa(d, precision, false, ds) + exponentText(d.PointPos - 1, expDigits, false);
  int decimals = std::max(0, static_cast<int>(d.Digits.size()) - d.PointPos);
  std::string r = sign + IntegerDigits(d);
  if (decimals > 0) r += ds + FractionDigits(d, decimals);
  return r;
}

std::string fixed(TFloatDigits d, int precision, int decimals, char ds, char thousands) {
  RoundSignificant(d, precision);
  RoundDecimals(d, decimals);
  std::string ip = IntegerDigits(d);
  if (thousands) ip = GroupThousands(ip, thousands);
  std::string r = (d.Negative && !d.IsZero() ? "-" : "") + ip;
  if (decimals > 0) r += ds + FractionDigits(d, decimals);
  return r;
}

std::string currency(double v, int precision, int decimals, const TFormatSettings& fs) {
  std::string n = fixed(FloatDigits(std::fabs(v)), precision, decimals, fs.DecimalSeparator, fs.ThousandSeparator);
  bool negative = v < 0 && n.find_first_not_of("0.,") != std::string::npos;
  const std::string& c = fs.CurrencyString;
  std::string r;
  switch (fs.CurrencyFormat) {
    case 1: r = n + c; break;
    case 2: r = c + " " + n; break;
    case 3: r = n + " " + c; break;
    default: r = c + n; break;
  }
  return negative ? "-" + r : r;
}

}  // namespace

bool TryStrToFloat(std::string_view S, double& Value, const TFormatSettings& FS) {
  std::string t = Trim(S);
  std::string norm;
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) norm += t[i++];
  size_t digits = 0;
  for (; i < t.size() && isDigit(t[i]); ++i, ++digits) norm += t[i];
  if (i < t.size() && t[i] == FS.DecimalSeparator) {
    norm += '.';
    for (++i; i < t.size() && isDigit(t[i]); ++i, ++digits) norm += t[i];
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    norm += 'e';
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) norm += t[i++];
    size_t expDigits = 0;
    for (; i < t.size() && isDigit(t[i]); ++i, ++expDigits) norm += t[i];
    if (expDigits == 0) return false;
  }
  if (i != t.size()) return false;
  const char* first = norm.data() + (norm[0] == '+' ? 1 : 0);
  double v = 0;
  auto [ptr, ec] = std::from_chars(first, norm.data() + norm.size(), v);
  if (ptr != norm.data() + norm.size()) return false;
  if (ec == std::errc::result_out_of_range) {
    // Too small to hold is zero; too large is an error.
    if (!isUnderflow(norm)) return false;
    v = 0;
  } else if (ec != std::errc()) {
    return false;
  }
  Value = v;
  return true;
}

double StrToFloat(std::string_view S, const TFormatSettings& FS) {
  double v = 0;
  if (!TryStrToFloat(S, v, FS))
    throw EConvertError("'" + std::string(S) + "' is not a valid floating point value");
  return v;
}

double StrToFloatDef(std::string_view S, double Default, const TFormatSettings& FS) {
  double v = 0;
  return TryStrToFloat(S, v, FS) ? v : Default;
}

std::string FloatToStr(double Value, const TFormatSettings& FS) {
  return FloatToStrF(Value, ffGeneral, 15, 0, FS);
}

std::string FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits, const TFormatSettings& FS) {
  if (!std::isfinite(Value)) return specialValue(Value);
  Precision = std::clamp(Precision, 1, 18);
  Digits = std::clamp(Digits, 0, 18);
  char ds = FS.DecimalSeparator;
  TFloatDigits d = FloatDigits(Value);
  TFloatDigits probe = d;
  RoundSignificant(probe, Precision);
  bool tooLarge = probe.PointPos > Precision;
  switch (Format) {
    case ffExponent: {
      RoundSignificant(d, Precision);
      std::string sign = d.Negative && !d.IsZero() ? "-" : "";
      int exp = d.IsZero() ? 0 : d.PointPos - 1;
      return sign + mantissa(d, Precision, true, ds) + exponentText(exp, std::min(Digits, 4), true);
    }
    case ffFixed:
    case ffNumber:
      if (tooLarge) return general(d, Precision, 0, ds);
      return fixed(d, Precision, Digits, ds, Format == ffNumber ? FS.ThousandSeparator : '\0');
    case ffCurrency:
      if (tooLarge) return general(d, Precision, 0, ds);
      return currency(Value, Precision, Digits, FS);
    case ffGeneral:
    default:
      return general(d, Precision, Digits, ds);
  }
}
