// Writes small valid files per format into fuzz/corpus/fuzz_<format>/, so
// that a fuzzing run starts from real structure instead of random bytes; for
// PNG, one file of every colour type, bit depth and interlace.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "toolkit/graphics/codecs/BmpCodec.h"
#include "toolkit/graphics/codecs/GifCodec.h"
#include "toolkit/graphics/codecs/IcoCodec.h"
#include "toolkit/graphics/codecs/JpegCodec.h"
#include "toolkit/graphics/codecs/PngCodec.h"
#include "toolkit/testing/PngVariants.h"

namespace {

TPixelImage Sample(int w, int h, bool alpha) {
  TPixelImage img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      img.At(x, y) = MakeArgb(alpha ? uint8_t(x * 30) : 0xFF, uint8_t(x * 20), uint8_t(y * 20), uint8_t(x ^ y));
  return img;
}

void Write(const std::filesystem::path& dir, const std::string& name, const std::vector<uint8_t>& bytes) {
  std::filesystem::create_directories(dir);
  std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path out = argc > 1 ? argv[1] : "fuzz/corpus";
  const TPixelImage small = Sample(5, 3, false), translucent = Sample(9, 7, true);
  Write(out / "fuzz_bmp", "24.bmp", EncodeBmp(small, 24));
  Write(out / "fuzz_bmp", "32.bmp", EncodeBmp(translucent, 32));
  Write(out / "fuzz_png", "rgb.png", EncodePng(small));
  Write(out / "fuzz_png", "rgba.png", EncodePng(translucent));
  // Every colour type, bit depth, interlace and transparency, so the fuzzer
  // starts on every path of the decoder rather than only the encoder's own output.
  for (const pngvariants::TPngVariant& v : pngvariants::AllPngVariants())
    Write(out / "fuzz_png", v.Name() + ".png", pngvariants::WritePngVariant(v));
  Write(out / "fuzz_jpeg", "q50.jpg", EncodeJpeg(translucent, 50));
  Write(out / "fuzz_jpeg", "q95.jpg", EncodeJpeg(Sample(17, 16, false), 95));
  Write(out / "fuzz_gif", "one.gif", EncodeGif({{small, 10}}));
  Write(out / "fuzz_gif", "two.gif", EncodeGif({{translucent, 10}, {Sample(9, 7, false), 20}}, 3));
  TIcoFile ico;
  ico.Entries = {{small}, {translucent}};
  Write(out / "fuzz_ico", "two.ico", EncodeIco(ico));
  return 0;
}
