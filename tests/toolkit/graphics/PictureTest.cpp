#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/GifImage.h"
#include "toolkit/graphics/Icon.h"
#include "toolkit/graphics/JpegImage.h"
#include "toolkit/graphics/Picture.h"
#include "toolkit/graphics/PngImage.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/Streams.h"

namespace fs = std::filesystem;

namespace {

class PictureTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::string tmpl = testing::TempDir() + "picture-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  static TPixelImage Sample(int w, int h) {
    TPixelImage img(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) img.At(x, y) = MakeArgb(0xFF, uint8_t(x * 20), uint8_t(y * 20), 90);
    return img;
  }

  // Writes a picture of the given graphic class to a file.
  void Write(TRasterGraphic& g, const std::string& name, int w = 6, int h = 5) {
    g.Bitmap().SetPixelImage(Sample(w, h));
    g.SaveToFile(Path(name));
  }

  fs::path dir_;
};

}  // namespace

TEST_F(PictureTest, LoadFromFileChoosesTheKindByExtension) {
  TPngImage png;
  Write(png, "a.png");
  TJPEGImage jpg;
  Write(jpg, "b.JPG");
  TGIFImage gif;
  TBitmap frame;
  frame.SetPixelImage(Sample(6, 5));
  gif.AddFrame(frame, 50);
  gif.SaveToFile(Path("c.gif"));
  TBitmap bmp;
  bmp.SetPixelImage(Sample(6, 5));
  bmp.SaveToFile(Path("d.bmp"));
  {
    TIcoFile f;
    f.Entries.push_back({Sample(6, 5), 32, 0, 0});
    const auto bytes = EncodeIco(f);
    std::ofstream(Path("e.ico"), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
  }
  const std::pair<const char*, const char*> cases[] = {
      {"a.png", "TPngImage"}, {"b.JPG", "TJPEGImage"}, {"c.gif", "TGIFImage"}, {"d.bmp", "TBitmap"}, {"e.ico", "TIcon"}};
  for (auto [file, cls] : cases) {
    TPicture p;
    int changes = 0;
    p.OnChange = [&](TObject*) { ++changes; };
    p.LoadFromFile(Path(file));
    ASSERT_NE(p.Graphic(), nullptr) << file;
    EXPECT_EQ(p.Graphic()->ClassName(), cls);
    EXPECT_EQ(p.Width(), 6) << file;
    EXPECT_EQ(p.Height(), 5) << file;
    EXPECT_EQ(changes, 1) << file;
  }
}

TEST_F(PictureTest, FailedLoadsKeepThePicture) {
  TPngImage png;
  Write(png, "good.png");
  TPicture p;
  p.LoadFromFile(Path("good.png"));
  std::ofstream(Path("bad.png"), std::ios::binary) << "\x89PNG\r\n\x1a\nbroken";
  std::ofstream(Path("x.txt")) << "text";
  EXPECT_THROW(p.LoadFromFile(Path("bad.png")), EInvalidGraphic);
  EXPECT_THROW(p.LoadFromFile(Path("x.txt")), EInvalidGraphic);
  EXPECT_THROW(p.LoadFromFile(Path("missing.png")), EFOpenError);
  EXPECT_EQ(p.Graphic()->ClassName(), "TPngImage");
  EXPECT_EQ(p.Width(), 6);
}

TEST_F(PictureTest, LoadFromStreamRecognisesTheContent) {
  TJPEGImage jpg;
  Write(jpg, "photo.png");  // a JPEG under a misleading name
  TFileStream in(Path("photo.png"), fmOpenRead);
  TPicture p;
  p.LoadFromStream(in);
  EXPECT_EQ(p.Graphic()->ClassName(), "TJPEGImage");
  TStringStream junk("not a picture");
  EXPECT_THROW(p.LoadFromStream(junk), EInvalidGraphic);
  EXPECT_EQ(p.Graphic()->ClassName(), "TJPEGImage");
}

TEST_F(PictureTest, AssignCopiesDeeplyAndFiresNoEvent) {
  TPicture a;
  a.Bitmap()->SetPixelImage(Sample(3, 2));
  TPicture b;
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.Assign(&a);
  ASSERT_NE(b.Graphic(), nullptr);
  EXPECT_NE(b.Graphic(), a.Graphic());
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(changes, 0);
  a.Bitmap()->Canvas()->SetPixels(0, 0, clRed);
  EXPECT_NE(b.Bitmap()->Canvas()->Pixels(0, 0), clRed);
  TPngImage png;
  png.Bitmap().SetPixelImage(Sample(4, 4));
  b.Assign(&png);
  EXPECT_EQ(b.Graphic()->ClassName(), "TPngImage");
  b.Assign(nullptr);
  EXPECT_EQ(b.Graphic(), nullptr);
  TPersistent other;
  EXPECT_THROW(b.Assign(&other), EConvertError);
}

TEST_F(PictureTest, GraphicChangesReachThePicture) {
  TPicture p;
  int changes = 0;
  p.OnChange = [&](TObject*) { ++changes; };
  TBitmap* b = p.Bitmap();
  EXPECT_EQ(changes, 1);
  b->SetSize(4, 4);
  EXPECT_GE(changes, 2);
  EXPECT_EQ(p.Bitmap(), b);  // already a bitmap: kept
  p.SetGraphic(nullptr);
  EXPECT_THROW(p.SaveToFile(Path("empty.bmp")), EInvalidGraphicOperation);
}

TEST(GraphicFormats, JpegFromBitmapWithQuality) {
  TBitmap src;
  TPixelImage img(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) img.At(x, y) = MakeArgb(0xFF, uint8_t(x * 8), uint8_t(y * 8), 128);
  src.SetPixelImage(img);
  TJPEGImage jpg;
  jpg.Assign(&src);
  EXPECT_EQ(jpg.Width(), 32);
  jpg.SetCompressionQuality(500);
  EXPECT_EQ(jpg.CompressionQuality(), 100);
  TMemoryStream fine, coarse;
  jpg.SaveToStream(fine);
  jpg.SetCompressionQuality(5);
  jpg.SaveToStream(coarse);
  EXPECT_LT(coarse.Size(), fine.Size());
  fine.SetPosition(0);
  TJPEGImage back;
  back.LoadFromStream(fine);
  TBitmap decoded;
  decoded.Assign(&back);  // a TBitmap takes the pixels of any raster graphic
  const TPixelImage out = decoded.GetPixelImage();
  ASSERT_EQ(out.Width, 32);
  for (size_t i = 0; i < out.Pixels.size(); ++i)
    for (int s = 0; s < 24; s += 8)
      ASSERT_NEAR(int((out.Pixels[i] >> s) & 0xFF), int((img.Pixels[i] >> s) & 0xFF), 10) << i;
}

TEST(GraphicFormats, PngKeepsAlpha) {
  TPngImage png;
  TPixelImage img(2, 2, 0x80FF0000);
  img.At(1, 1) = 0x00000000;
  png.Bitmap().SetPixelImage(img);
  TMemoryStream s;
  png.SaveToStream(s);
  s.SetPosition(0);
  TPngImage back;
  back.LoadFromStream(s);
  const TPixelImage out = back.Bitmap().GetPixelImage();
  EXPECT_EQ(out.At(0, 0) >> 24, 0x80u);
  EXPECT_NEAR(int((out.At(0, 0) >> 16) & 0xFF), 0xFF, 2);
  EXPECT_EQ(out.At(1, 1) >> 24, 0u);
}

TEST(GraphicFormats, GifFramesRoundTrip) {
  TGIFImage gif;
  for (int i = 0; i < 3; ++i) {
    TBitmap frame(4, 4);
    frame.Canvas()->SetPixels(i, i, clRed);
    gif.AddFrame(frame, 100 + 10 * i);
  }
  TBitmap wrong(5, 4);
  EXPECT_THROW(gif.AddFrame(wrong, 10), EInvalidGraphicOperation);
  TMemoryStream s;
  gif.SaveToStream(s);
  s.SetPosition(0);
  TGIFImage back;
  back.LoadFromStream(s);
  ASSERT_EQ(back.FrameCount(), 3);
  EXPECT_EQ(back.FrameDelay(2), 120);
  back.SetCurrentFrame(2);
  EXPECT_EQ(back.Bitmap().Canvas()->Pixels(2, 2), clRed);
  EXPECT_EQ(back.Bitmap().Canvas()->Pixels(1, 1), clWhite);
  TBitmap f1;
  back.GetFrame(1, f1);
  EXPECT_EQ(f1.Canvas()->Pixels(1, 1), clRed);
  EXPECT_THROW(back.SetCurrentFrame(3), EInvalidGraphicOperation);
  EXPECT_THROW(back.FrameDelay(-1), EInvalidGraphicOperation);
  EXPECT_THROW(back.SetWidth(10), EInvalidGraphicOperation);
}

TEST(GraphicFormats, IconShowsItsLargestImageAndSavesAll) {
  TIcoFile f;
  f.Entries.push_back({TPixelImage(16, 16, 0xFF00FF00), 32, 0, 0});
  f.Entries.push_back({TPixelImage(32, 32, 0xFF0000FF), 32, 0, 0});
  const auto bytes = EncodeIco(f);
  TMemoryStream in;
  in.WriteBuffer(bytes.data(), int64_t(bytes.size()));
  in.SetPosition(0);
  TIcon icon;
  icon.LoadFromStream(in);
  EXPECT_EQ(icon.Width(), 32);
  EXPECT_THROW(icon.SetHeight(8), EInvalidGraphicOperation);
  TMemoryStream out;
  icon.SaveToStream(out);
  EXPECT_EQ(DecodeIco(out.Memory(), static_cast<size_t>(out.Size())).Entries.size(), 2u);
  TStringStream junk("junk");
  EXPECT_THROW(icon.LoadFromStream(junk), EInvalidGraphic);
  EXPECT_EQ(icon.Images().Entries.size(), 2u);
}
