// The one place where the grid library reads the locale. Every other routine
// asks these functions at each call, so a changed locale applies at once.

#include "grid/foundation/ExtUtil.h"

#include "toolkit/rtl/SysUtils.h"

char LocaleTimeSeparator() { return FormatSettings.TimeSeparator; }
char LocaleDateSeparator() { return FormatSettings.DateSeparator; }
char LocaleThousandSeparator() { return FormatSettings.ThousandSeparator; }
char LocaleDecimalSeparator() { return FormatSettings.DecimalSeparator; }
std::string LocaleShortDateFormat() { return FormatSettings.ShortDateFormat; }
