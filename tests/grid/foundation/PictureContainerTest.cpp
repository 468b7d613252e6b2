#include "grid/foundation/PictureContainer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "toolkit/graphics/codecs/GifCodec.h"
#include "toolkit/graphics/codecs/PngCodec.h"
#include "toolkit/rtl/EmbeddedResource.h"
#include "toolkit/rtl/Exceptions.h"

namespace {

// Three full-screen frames of 4x3 pixels, 10, 20 and 30 hundredths of a second.
std::vector<uint8_t> ThreeFrameGif() {
  std::vector<TGifFrameSource> frames;
  const uint32_t colours[] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu};
  for (int i = 0; i < 3; ++i) frames.push_back({TPixelImage(4, 3, colours[i]), (i + 1) * 100});
  return EncodeGif(frames);
}

TEST(HTMLPicture, GifFramesDelaysAndStepping) {
  THTMLPicture pic;
  pic.LoadFromBytes(ThreeFrameGif());
  EXPECT_TRUE(pic.IsGIF());
  EXPECT_FALSE(pic.Empty());
  EXPECT_EQ(pic.FrameCount(), 3);
  EXPECT_EQ(pic.GetFrameTime(1), 10);
  EXPECT_EQ(pic.GetFrameTime(3), 30);
  EXPECT_EQ(pic.GetFrameTime(4), -1);
  EXPECT_EQ(pic.GetFrameTime(0), -1);
  EXPECT_EQ(pic.Width(), 4);
  EXPECT_EQ(pic.MaxWidth(), 4);
  EXPECT_EQ(pic.MaxHeight(), 3);

  int changes = 0;
  pic.OnFrameChange = [&](TObject*) { ++changes; };
  pic.SetFrame(2);
  EXPECT_EQ(pic.Frame(), 2);
  EXPECT_EQ(changes, 1);
  pic.FrameNext();
  EXPECT_EQ(pic.Frame(), 3);
  pic.FrameNext();
  EXPECT_EQ(pic.Frame(), 1);  // past the last frame: the first
  pic.FramePrev();
  EXPECT_EQ(pic.Frame(), 3);
  pic.SetFrame(1);

  // Each step is a tenth of a second; the count starts one step behind.
  std::vector<bool> steps;
  for (int i = 0; i < 5; ++i) steps.push_back(pic.Step());
  EXPECT_EQ(steps, (std::vector<bool>{false, false, true, false, true}));
  EXPECT_EQ(pic.Frame(), 3);
}

TEST(HTMLPicture, OneFrameGifNeverSteps) {
  THTMLPicture pic;
  pic.LoadFromBytes(EncodeGif({{TPixelImage(2, 2, 0xFF000000u), 100}}));
  EXPECT_EQ(pic.FrameCount(), 1);
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(pic.Step());
}

TEST(HTMLPicture, NonGifPictures) {
  THTMLPicture pic;
  pic.LoadFromBytes(EncodePng(TPixelImage(5, 7, 0xFF102030u)));
  EXPECT_FALSE(pic.IsGIF());
  EXPECT_EQ(pic.FrameCount(), -1);
  EXPECT_EQ(pic.GetFrameTime(1), -1);
  EXPECT_EQ(pic.MaxWidth(), pic.Width());
  EXPECT_EQ(pic.Width(), 5);
  EXPECT_EQ(pic.Height(), 7);

  THTMLPicture copy;
  copy.Assign(&pic);
  EXPECT_EQ(copy.Width(), 5);
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
}

TEST(HTMLPicture, BadDataIsAnErrorFromStreamsAndEmptyFromFiles) {
  THTMLPicture pic;
  EXPECT_THROW(pic.LoadFromBytes({'G', 'I', 'F', '8'}), EInvalidGraphic);  // 4 bytes are not GIF
  EXPECT_TRUE(pic.Empty());
  EXPECT_FALSE(pic.IsGIF());

  const std::string path = testing::TempDir() + "/not_a_picture.txt";
  std::ofstream(path) << "just some text";
  EXPECT_NO_THROW(pic.LoadFromFile(path));
  EXPECT_TRUE(pic.Empty());
  EXPECT_NO_THROW(pic.LoadFromFile(testing::TempDir() + "/missing.gif"));
  EXPECT_TRUE(pic.Empty());

  // A truncated GIF: the frame scan stops short of the end instead of reading past it.
  std::vector<uint8_t> gif = ThreeFrameGif();
  for (size_t cut = 0; cut < gif.size(); cut += 3) {
    std::vector<uint8_t> head(gif.begin(), gif.begin() + long(cut));
    EXPECT_LE(ScanGifFrames(head.data(), head.size()).size(), 3u);
  }
}

TEST(HTMLPicture, References) {
  THTMLPicture file;
  const std::string path = testing::TempDir() + "/pic.png";
  {
    const auto png = EncodePng(TPixelImage(3, 3, 0xFFFFFFFFu));
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(png.data()), long(png.size()));
  }
  file.LoadFromURL("file://" + path);
  EXPECT_EQ(file.ID(), "file://" + path);  // taken as written
  EXPECT_EQ(file.Width(), 3);

  THTMLPicture res;
  const std::string name = g_EmbeddedResources[0].Name;
  res.LoadFromURL("res://" + name);
  EXPECT_EQ(res.ID(), "res://" + name);

  THTMLPicture remote;
  remote.LoadFromURL("http://example.invalid/a.png");
  EXPECT_TRUE(remote.Busy());
  EXPECT_TRUE(remote.Empty());
  EXPECT_EQ(remote.URL(), "http://example.invalid/a.png");

  THTMLPicture sync;
  sync.SetAsynch(false);
  sync.LoadFromURL("http://example.invalid/b.png");
  EXPECT_FALSE(sync.Busy());
  EXPECT_EQ(sync.ID(), "http://example.invalid/b.png");
}

TEST(PictureHolders, ContainerAndCache) {
  TPictureContainer container(nullptr);
  TPictureItem* logo = container.Items()->Add();
  logo->SetName("Logo");
  logo->Picture()->LoadFromBytes(EncodePng(TPixelImage(2, 2, 0xFF000000u)));
  TPictureItem* second = container.Items()->Add();
  second->SetName("LOGO");
  EXPECT_EQ(container.FindPicture("logo"), logo->Picture());
  EXPECT_EQ(container.FindPicture("LOGO"), logo->Picture());  // the first of two
  EXPECT_EQ(container.FindPicture("none"), nullptr);

  TPictureContainer other(nullptr);
  other.SetItems(container.Items());  // a copy: each keeps its own items
  ASSERT_EQ(other.Items()->Count(), 2);
  EXPECT_NE(other.FindPicture("logo"), logo->Picture());
  EXPECT_EQ(other.FindPicture("logo")->Width(), 2);

  THTMLPictureCache cache;
  EXPECT_FALSE(cache.Animate());
  THTMLPicture* still = cache.AddPicture();
  still->SetID("RES://LOGO");
  still->LoadFromBytes(EncodePng(TPixelImage(2, 2, 0xFF000000u)));
  THTMLPicture* anim = cache.AddPicture();
  anim->LoadFromBytes(ThreeFrameGif());
  EXPECT_EQ(cache.FindPicture("RES://LOGO"), still);
  EXPECT_EQ(cache.FindPicture("res://logo"), nullptr);
  EXPECT_FALSE(cache.Animate());
  EXPECT_FALSE(cache.Animate());
  EXPECT_TRUE(cache.Animate());  // the GIF changed its frame
  cache.ClearPictures();
  EXPECT_EQ(cache.Count(), 0);
  cache.ClearPictures();
}

}  // namespace
