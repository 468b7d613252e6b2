#include "toolkit/graphics/codecs/IcoCodec.h"

#include "toolkit/graphics/codecs/BmpCodec.h"
#include "toolkit/graphics/codecs/ByteReader.h"
#include "toolkit/graphics/codecs/PngCodec.h"

namespace {

constexpr const char* kFormat = "ICO";
constexpr uint16_t kMaxEntries = 256;
constexpr uint32_t kDirHeaderSize = 6;
constexpr uint32_t kDirEntrySize = 16;

struct TDirEntry {
  int HotSpotX, HotSpotY;
  uint32_t Size, Offset;
};

TIcoEntry DecodeEntry(const TByteReader& file, const TDirEntry& d) {
  TByteReader r = file.Slice(d.Offset, d.Size);
  TIcoEntry e;
  if (IsPngData(r.Data(), r.Size())) {
    e.Image = DecodePng(r.Data(), r.Size());
    e.BitCount = 32;
  } else {
    TBmpInfo info;
    e.Image = DecodeDib(r, true, &info);
    e.BitCount = info.BitCount;
  }
  e.HotSpotX = d.HotSpotX;
  e.HotSpotY = d.HotSpotY;
  return e;
}

std::vector<uint8_t> EncodeDibEntry(const TPixelImage& img) {
  std::vector<uint8_t> out;
  PutU32LE(out, 40);
  PutU32LE(out, uint32_t(img.Width));
  PutU32LE(out, uint32_t(img.Height * 2));
  PutU16LE(out, 1);
  PutU16LE(out, 32);
  for (int i = 0; i < 6; ++i) PutU32LE(out, 0);
  for (int y = img.Height - 1; y >= 0; --y)
    for (int x = 0; x < img.Width; ++x) PutU32LE(out, img.At(x, y));
  const size_t maskStride = size_t((img.Width + 31) / 32) * 4;
  for (int y = img.Height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(maskStride, 0);
    for (int x = 0; x < img.Width; ++x)
      if (ArgbA(img.At(x, y)) == 0) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

int TIcoFile::BestIndex() const {
  int best = -1;
  for (size_t i = 0; i < Entries.size(); ++i) {
    const TIcoEntry& e = Entries[i];
    if (best < 0) { best = int(i); continue; }
    const TIcoEntry& b = Entries[size_t(best)];
    const int64_t area = int64_t(e.Image.Width) * e.Image.Height;
    const int64_t bestArea = int64_t(b.Image.Width) * b.Image.Height;
    if (area > bestArea || (area == bestArea && e.BitCount > b.BitCount)) best = int(i);
  }
  return best;
}

bool IsIcoData(const uint8_t* data, size_t size) {
  return size >= 6 && data[0] == 0 && data[1] == 0 && (data[2] == 1 || data[2] == 2) &&
         data[3] == 0 && (data[4] | data[5]) != 0;
}

TIcoFile DecodeIco(const uint8_t* data, size_t size) {
  TByteReader r(data, size, kFormat);
  if (!IsIcoData(data, size)) r.Fail("not an icon or cursor file");
  r.Skip(2);
  TIcoFile file;
  file.Cursor = r.U16LE() == 2;
  const uint16_t count = r.U16LE();
  if (count > kMaxEntries) r.Fail("too many images");
  std::vector<TDirEntry> dir;
  for (uint16_t i = 0; i < count; ++i) {
    r.Skip(4);  // width, height, colour count, reserved: the image header says it again
    TDirEntry d;
    d.HotSpotX = r.U16LE();
    d.HotSpotY = r.U16LE();
    d.Size = r.U32LE();
    d.Offset = r.U32LE();
    dir.push_back(d);
  }
  for (const TDirEntry& d : dir) file.Entries.push_back(DecodeEntry(r, d));
  return file;
}

std::vector<uint8_t> EncodeIco(const TIcoFile& file) {
  if (file.Entries.empty() || file.Entries.size() > kMaxEntries)
    RaiseInvalidGraphic(kFormat, "an icon needs 1 to 256 images");
  std::vector<std::vector<uint8_t>> images;
  for (const TIcoEntry& e : file.Entries) {
    CheckImageSize(e.Image.Width, e.Image.Height, kFormat);
    if (e.Image.Width > 256 || e.Image.Height > 256) RaiseInvalidGraphic(kFormat, "image larger than 256 pixels");
    const bool large = e.Image.Width == 256 || e.Image.Height == 256;
    images.push_back(large ? EncodePng(e.Image) : EncodeDibEntry(e.Image));
  }
  std::vector<uint8_t> out;
  PutU16LE(out, 0);
  PutU16LE(out, file.Cursor ? 2 : 1);
  PutU16LE(out, uint16_t(images.size()));
  uint32_t offset = kDirHeaderSize + kDirEntrySize * uint32_t(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    const TIcoEntry& e = file.Entries[i];
    out.push_back(uint8_t(e.Image.Width & 0xFF));  // 256 is written as 0
    out.push_back(uint8_t(e.Image.Height & 0xFF));
    out.push_back(0);
    out.push_back(0);
    PutU16LE(out, uint16_t(file.Cursor ? e.HotSpotX : 1));
    PutU16LE(out, uint16_t(file.Cursor ? e.HotSpotY : 32));
    PutU32LE(out, uint32_t(images[i].size()));
    PutU32LE(out, offset);
    offset += uint32_t(images[i].size());
  }
  for (const auto& img : images) out.insert(out.end(), img.begin(), img.end());
  return out;
}
