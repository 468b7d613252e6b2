// Fuzz target over the reader of TAB-separated clipboard text (and, with a
// comma and strict quotes, of CSV). It must split any text without reading
// outside it, fail only with EExtGridError in strict mode, and what it
// returns, quoted again by the writer's rule, must read back the same.

#include "grid/core/ExtGridTypes.h"
#include "grid/exchange/DelimitedText.h"
#include "toolkit/rtl/EmbeddedResource.h"

#include <cstdint>
#include <cstdlib>
#include <string>

// Built without the resources: nothing here reads one.
const EmbeddedResource g_EmbeddedResources[] = {{nullptr, nullptr, 0}};

namespace {

std::string Write(const TDelimitedRows& Rows, char Delimiter) {
  std::string out;
  for (const auto& row : Rows) {
    for (size_t i = 0; i < row.size(); ++i) {
      if (i) out += Delimiter;
      out += QuoteField(row[i]);  // every field quoted: the reader must take quotes off whatever they hold
    }
    out += "\r\n";
  }
  return out;
}

void Check(std::string_view Text, TDelimitedSyntax Syntax) {
  TDelimitedRows rows;
  try {
    rows = ParseDelimitedText(Text, Syntax);
  } catch (const EExtGridError&) {
    if (!Syntax.StrictQuotes) std::abort();
    return;
  }
  Syntax.TrimLeadingBlanks = false;  // quoted fields keep their blanks
  if (ParseDelimitedText(Write(rows, Syntax.Delimiter), Syntax) != rows) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Check(text, TDelimitedSyntax{'\t', false, false});
  Check(text, TDelimitedSyntax{',', true, true});
  return 0;
}
