#include "grid/core/GridCursors.h"

#include <map>
#include <string>

#include "toolkit/forms/Forms.h"

// The pictures are loaded once for the program; the screen (which a test
// may replace) is given them whenever it lacks one.
TCursor GridResourceCursor(TCursor Number, TCursor Fallback) {
  static std::map<TCursor, HCURSOR> loaded;
  auto k = loaded.find(Number);
  if (k == loaded.end()) k = loaded.emplace(Number, LoadCursorFromResource(std::to_string(Number))).first;
  if (!k->second) return Fallback;
  if (Screen->Cursors(Number) != k->second) Screen->SetCursors(Number, k->second);
  return Number;
}
