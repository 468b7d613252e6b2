// Fuzz target over XmlDocument loading. Beyond not crashing, whatever loads
// must save, and what is saved must load back and save to the same bytes.

#include "platform/xml/XmlDocument.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::XmlDocument doc;
  try {
    doc.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const platform::XmlError&) {
    return 0;
  }
  std::string saved;
  try {
    saved = doc.SaveToString();
  } catch (const platform::XmlError&) {
    return 0;  // content XML 1.0 cannot carry is refused on save by design
  }
  platform::XmlDocument again;
  again.LoadFromBytes(saved);  // an exception here aborts the run: the writer produced bad XML
  if (again.SaveToString() != saved) std::abort();
  return 0;
}
