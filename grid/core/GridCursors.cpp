#include "grid/core/GridCursors.h"

#include <map>
#include <string>

#include "toolkit/forms/Forms.h"

TCursor GridResourceCursor(TCursor Number, TCursor Fallback) {
  static std::map<TCursor, bool> known;
  auto k = known.find(Number);
  if (k == known.end()) {
    HCURSOR h = LoadCursorFromResource(std::to_string(Number));
    if (h) Screen->SetCursors(Number, h);
    k = known.emplace(Number, h != nullptr).first;
  }
  return k->second ? Number : Fallback;
}
