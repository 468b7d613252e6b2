// Distinct texts of the column calculations.

#include "grid/data/GridCalc.h"

#include "toolkit/rtl/SysUtils.h"

void TDistinctTexts::Add(const std::string& Text) { FSeen.insert(AnsiUpperCase(Text)); }
