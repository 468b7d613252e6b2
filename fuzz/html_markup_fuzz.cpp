// libFuzzer target: the HTML text routines take any text without reading out
// of bounds, looping forever or crashing, and decoding what they encoded
// gives the text back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "grid/foundation/EsgHTMLE.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  PrepareHTMLText(text);
  ReplaceRunEntities(text);
  StripHTMLTags(text);
  RemoveHTMLTagPairs(text, "HI");
  HTMLColorValue(text);
  ParseHTMLNumber(text);
  const std::string upper = text;
  HTMLTagAttribute(text, upper, "SRC", true);
  const size_t half = size / 2;
  HighlightInHTMLText(text.substr(0, half), text.substr(half, 3), "HI", size % 2 == 0);
  for (bool named : {false, true})
    if (DecodeHTMLEntities(EncodeHTMLEntities(text, named), named) != text) std::abort();
  std::string edited = text;
  if (HasControlTag(text)) {
    std::string value;
    const std::string id = NextEditControlID(text, "");
    GetControlValue(text, id, value);
    GetControlProp(text, id);
    GetControlMaxLen(text, id);
    SetControlValue(edited, id, value + "\"&<>");
    ClearRadioControls(edited);
  }
  return 0;
}
