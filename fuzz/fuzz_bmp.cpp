// libFuzzer target: the Bmp decoder must either decode or raise EInvalidGraphic,
// never read out of bounds, crash or leak.
#include <cstddef>
#include <cstdint>

#include "toolkit/graphics/codecs/BmpCodec.h"
#include "toolkit/rtl/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    DecodeBmp(data, size);
  } catch (const EInvalidGraphic&) {
  }
  return 0;
}
