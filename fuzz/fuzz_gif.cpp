// libFuzzer target: the Gif decoder must either decode or raise EInvalidGraphic,
// never read out of bounds, crash or leak.
#include <cstddef>
#include <cstdint>

#include "toolkit/graphics/codecs/GifCodec.h"
#include "toolkit/rtl/Exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const TGifAnimation gif = DecodeGif(data, size);
    CompositeGifFrame(gif, int(gif.Frames.size()) - 1);
  } catch (const EInvalidGraphic&) {
  }
  return 0;
}
