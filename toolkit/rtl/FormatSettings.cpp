#include "toolkit/rtl/SysUtils.h"

TFormatSettings FormatSettings;

void ResetFormatSettings() { FormatSettings = TFormatSettings{}; }
