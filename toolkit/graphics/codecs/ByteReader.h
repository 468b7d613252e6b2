#pragma once
// A reader over a byte range that never reads past its end: every read checks
// the remaining length and raises EInvalidGraphic when the data runs short.

#include <cstddef>
#include <cstdint>
#include <string>

class TByteReader {
public:
  TByteReader(const uint8_t* data, size_t size, const char* format)
      : data_(data), size_(size), format_(format) {}

  size_t Position() const { return pos_; }
  size_t Size() const { return size_; }
  size_t Remaining() const { return size_ - pos_; }
  const uint8_t* Data() const { return data_; }

  void Seek(size_t pos);
  void Skip(size_t n);
  uint8_t U8();
  uint16_t U16LE();
  uint32_t U32LE();
  int32_t I32LE() { return static_cast<int32_t>(U32LE()); }
  // A pointer to the next n bytes, which the caller may read; advances past them.
  const uint8_t* Take(size_t n);
  // A sub-reader over n bytes starting at an absolute offset.
  TByteReader Slice(size_t offset, size_t n) const;

  [[noreturn]] void Fail(const std::string& what) const;

private:
  void Need(size_t n) const;

  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  const char* format_;
};

// Raises EInvalidGraphic with "<format> image: <what>".
[[noreturn]] void RaiseInvalidGraphic(const char* format, const std::string& what);
