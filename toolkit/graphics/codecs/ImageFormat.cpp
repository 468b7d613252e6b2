#include "toolkit/graphics/codecs/ImageFormat.h"

#include "toolkit/graphics/codecs/BmpCodec.h"
#include "toolkit/graphics/codecs/GifCodec.h"
#include "toolkit/graphics/codecs/IcoCodec.h"
#include "toolkit/graphics/codecs/JpegCodec.h"
#include "toolkit/graphics/codecs/PngCodec.h"

TImageFormat DetectImageFormat(const uint8_t* data, size_t size) {
  if (IsBmpData(data, size)) return ifBmp;
  if (IsPngData(data, size)) return ifPng;
  if (IsJpegData(data, size)) return ifJpeg;
  if (IsGifData(data, size)) return ifGif;
  if (IsIcoData(data, size)) return ifIco;
  return ifUnknown;
}
