// The text of a progress bar. The format comes from the grid's settings, so
// it is read here and never handed to a printf-style formatter.

#include "grid/foundation/ExtUtil.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "toolkit/rtl/SysUtils.h"

namespace {

std::string Fixed(double v, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  std::string out = buf;
  for (char& c : out)
    if (c == '.') c = FormatSettings.DecimalSeparator;
  return out;
}

}  // namespace

std::string FormatProgressText(std::string_view Format, double Value, bool Integer) {
  const double v = Integer ? std::nearbyint(Value) : Value;
  const long long whole = std::llround(std::clamp(v, -9.0e18, 9.0e18));
  std::string out;
  size_t i = 0;
  while (i < Format.size()) {
    char c = Format[i];
    if (c != '%' || i + 1 >= Format.size()) { out += c; ++i; continue; }
    char next = Format[i + 1];
    if (next == '%') { out += '%'; i += 2; continue; }
    if (next == 'd' || next == 'u') { out += std::to_string(whole); i += 2; continue; }
    if (next == 's') { out += Integer ? std::to_string(whole) : FloatToStr(v); i += 2; continue; }
    // %f or %.nf with a precision of at most two digits.
    size_t j = i + 1;
    int decimals = 2;
    if (Format[j] == '.') {
      size_t k = j + 1;
      int n = 0, digits = 0;
      while (k < Format.size() && digits < 2 && Format[k] >= '0' && Format[k] <= '9') n = n * 10 + (Format[k++] - '0'), ++digits;
      if (digits > 0) { decimals = n; j = k; }
    }
    if (j < Format.size() && Format[j] == 'f') {
      out += Fixed(v, decimals);
      i = j + 1;
      continue;
    }
    out += c;  // not a specifier this formatter knows: drawn as written
    ++i;
  }
  return out;
}
