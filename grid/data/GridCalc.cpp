// Numbers and distinct texts of the column calculations.

#include "grid/data/GridCalc.h"

#include "grid/foundation/EsgHTMLE.h"
#include "toolkit/rtl/SysUtils.h"

void TDistinctTexts::Add(const std::string& Text) { FSeen.insert(AnsiUpperCase(Text)); }

bool CellTextNumber(const std::string& Text, double& Value) {
  const std::string t = Trim(StripHTMLTags(Text));
  return !t.empty() && TryStrToFloat(t, Value);
}
