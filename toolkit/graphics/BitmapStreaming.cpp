// TBitmap's file format: BMP through the BMP codec, plus loading from the
// embedded resources. (Kept apart from Bitmap.cpp: it belongs with the codecs.)

#include <string>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/codecs/BmpCodec.h"
#include "toolkit/graphics/codecs/PngCodec.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/Streams.h"

void TBitmap::LoadFromStream(TStream& stream) {
  const std::vector<uint8_t> bytes = stream.ReadAll();
  // Decoding finishes before anything changes, so bad data leaves the bitmap as it was.
  const TPixelImage image = DecodeBmp(bytes.data(), bytes.size());
  SetPixelImage(image);
}

void TBitmap::SaveToStream(TStream& stream) {
  const std::vector<uint8_t> bytes = EncodeBmp(GetPixelImage(), PixelFormat() == pf32bit ? 32 : 24);
  stream.WriteBuffer(bytes.data(), int64_t(bytes.size()));
}

void TBitmap::LoadFromResourceName(const std::string& name) {
  TResourceStream stream(name);
  const uint8_t* data = stream.Memory();
  const size_t size = size_t(stream.Size());
  if (IsPngData(data, size)) SetPixelImage(DecodePng(data, size));
  else SetPixelImage(DecodeBmp(data, size));
}
