#include "grid/output/CellFormat.h"

#include <cctype>

#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

// Skips "index:", "-", width and ".precision" of the conversion at i (after
// the percent sign) and returns the position of its type character.
size_t TypeCharAt(std::string_view f, size_t i) {
  auto digitsOrStar = [&](size_t& j) {
    if (j < f.size() && f[j] == '*') ++j;
    else while (j < f.size() && std::isdigit(static_cast<unsigned char>(f[j]))) ++j;
  };
  size_t j = i;
  digitsOrStar(j);
  if (j < f.size() && f[j] == ':') ++j;
  else j = i;
  if (j < f.size() && f[j] == '-') ++j;
  digitsOrStar(j);
  if (j < f.size() && f[j] == '.') {
    ++j;
    digitsOrStar(j);
  }
  return j;
}

}  // namespace

TNumberFormatKind NumberFormatKind(std::string_view Format) {
  TNumberFormatKind kind = nfkNone;
  int conversions = 0;
  for (size_t i = 0; i < Format.size(); ++i) {
    if (Format[i] != '%') continue;
    if (i + 1 < Format.size() && Format[i + 1] == '%') {
      ++i;
      continue;
    }
    const size_t t = TypeCharAt(Format, i + 1);
    if (t >= Format.size()) return nfkNone;
    if (Format.substr(i + 1, t - i - 1).find('*') != std::string_view::npos) return nfkNone;
    ++conversions;
    switch (std::tolower(static_cast<unsigned char>(Format[t]))) {
      case 'd': case 'u': case 'x': kind = nfkInteger; break;
      case 'f': case 'g': case 'e': case 'n': kind = nfkFloat; break;
      default: return nfkNone;
    }
    i = t;
  }
  return conversions == 1 ? kind : nfkNone;
}

bool ApplyNumberFormat(std::string_view Format, long long IntValue, double FloatValue, std::string& Text) {
  try {
    switch (NumberFormatKind(Format)) {
      case nfkInteger: Text = FormatArgs(Format, {TFormatArg(IntValue)}); return true;
      case nfkFloat: Text = FormatArgs(Format, {TFormatArg(FloatValue)}); return true;
      case nfkNone: return false;
    }
  } catch (const EConvertError&) {
  }
  return false;
}
