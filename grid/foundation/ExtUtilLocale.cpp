// The one place where the grid library reads the locale. Every other routine
// asks these functions at each call, so a changed locale applies at once.

#include "grid/foundation/ExtUtil.h"

namespace {

// Stand-in values until the run-time library's format settings are wired in.
struct TGridLocale {
  char TimeSeparator = ':';
  char DateSeparator = '/';
  char ThousandSeparator = ',';
  char DecimalSeparator = '.';
  const char* ShortDateFormat = "M/d/yyyy";
};

const TGridLocale& Current() {
  static const TGridLocale locale;
  return locale;
}

}  // namespace

char LocaleTimeSeparator() { return Current().TimeSeparator; }
char LocaleDateSeparator() { return Current().DateSeparator; }
char LocaleThousandSeparator() { return Current().ThousandSeparator; }
char LocaleDecimalSeparator() { return Current().DecimalSeparator; }
std::string LocaleShortDateFormat() { return Current().ShortDateFormat; }
