#include "toolkit/graphics/codecs/ByteReader.h"

#include "toolkit/graphics/codecs/PixelImage.h"
#include "toolkit/rtl/Exceptions.h"

void RaiseInvalidGraphic(const char* format, const std::string& what) {
  throw EInvalidGraphic(std::string(format) + " image: " + what);
}

void CheckImageSize(int64_t width, int64_t height, const char* format) {
  if (width <= 0 || height <= 0) RaiseInvalidGraphic(format, "empty or negative size");
  if (width > kMaxImageSide || height > kMaxImageSide || width * height > kMaxImagePixels)
    RaiseInvalidGraphic(format, "size too large");
}

void TByteReader::Fail(const std::string& what) const { RaiseInvalidGraphic(format_, what); }

void TByteReader::Need(size_t n) const {
  if (n > size_ - pos_) Fail("unexpected end of data");
}

void TByteReader::Seek(size_t pos) {
  if (pos > size_) Fail("offset beyond end of data");
  pos_ = pos;
}

void TByteReader::Skip(size_t n) {
  Need(n);
  pos_ += n;
}

uint8_t TByteReader::U8() {
  Need(1);
  return data_[pos_++];
}

uint16_t TByteReader::U16LE() {
  Need(2);
  uint16_t v = uint16_t(data_[pos_] | (data_[pos_ + 1] << 8));
  pos_ += 2;
  return v;
}

uint32_t TByteReader::U32LE() {
  Need(4);
  uint32_t v = uint32_t(data_[pos_]) | (uint32_t(data_[pos_ + 1]) << 8) |
               (uint32_t(data_[pos_ + 2]) << 16) | (uint32_t(data_[pos_ + 3]) << 24);
  pos_ += 4;
  return v;
}

const uint8_t* TByteReader::Take(size_t n) {
  Need(n);
  const uint8_t* p = data_ + pos_;
  pos_ += n;
  return p;
}

TByteReader TByteReader::Slice(size_t offset, size_t n) const {
  if (offset > size_ || n > size_ - offset) Fail("block beyond end of data");
  return TByteReader(data_ + offset, n, format_);
}
