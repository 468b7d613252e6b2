// libFuzzer target: the GIF frame scan of the grid's pictures reads only
// inside the data, whatever the bytes claim.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "grid/foundation/PictureContainer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A copy of exactly size bytes, so that the sanitizer sees any read past the end.
  std::vector<uint8_t> bytes(data, data + size);
  ScanGifFrames(bytes.data(), bytes.size());
  return 0;
}
