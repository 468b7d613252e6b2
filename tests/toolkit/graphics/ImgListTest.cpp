#include <gtest/gtest.h>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImgList.h"
#include "toolkit/rtl/Exceptions.h"

namespace {

// A strip of n cells of 4 x 4: cell i has a fuchsia (mask colour) left column
// and colour[i] elsewhere.
std::unique_ptr<TBitmap> Strip(const std::vector<TColor>& colors) {
  auto b = std::make_unique<TBitmap>(4 * int(colors.size()), 4);
  for (size_t i = 0; i < colors.size(); ++i)
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x) b->Canvas()->SetPixels(int(4 * i) + x, y, x == 0 ? clFuchsia : colors[i]);
  return b;
}

std::unique_ptr<TBitmap> WhiteCanvas() {
  auto b = std::make_unique<TBitmap>(8, 8);
  b->Canvas()->Brush()->SetColor(clWhite);
  b->Canvas()->FillRect(Rect(0, 0, 8, 8));
  return b;
}

}  // namespace

TEST(ImageList, AddCutsStripsIntoCells) {
  TImageList list(nullptr, 4, 4);
  int changes = 0;
  list.OnChange = [&](TObject*) { ++changes; };
  EXPECT_EQ(list.Add(Strip({clRed, clLime, clBlue}).get()), 0);
  EXPECT_EQ(list.Add(Strip({clYellow}).get()), 3);
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(list.Image(1).At(2, 2), 0xFF00FF00u);
  list.Delete(0);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Image(0).At(2, 2), 0xFF00FF00u);
  EXPECT_THROW(list.Delete(3), EInvalidOperation);
  EXPECT_THROW(list.Delete(-1), EInvalidOperation);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(ImageList, ChangingTheSizeEmptiesTheList) {
  TImageList list(nullptr, 4, 4);
  list.Add(Strip({clRed}).get());
  list.SetHeight(8);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Height(), 8);
}

TEST(ImageList, MaskColourAndMaskBitmapMakePixelsTransparent) {
  TImageList list(nullptr, 4, 4);
  auto strip = Strip({clRed});
  list.AddMasked(strip.get(), clFuchsia);
  list.AddMasked(strip.get(), clDefault);  // bottom-left pixel: fuchsia as well
  list.AddMasked(strip.get(), clNone);
  TBitmap mask(4, 4);
  mask.Canvas()->Brush()->SetColor(clBlack);
  mask.Canvas()->FillRect(Rect(0, 0, 4, 4));
  mask.Canvas()->SetPixels(3, 3, clWhite);
  list.Add(strip.get(), &mask);
  EXPECT_EQ(list.Image(0).At(0, 1) >> 24, 0u);
  EXPECT_EQ(list.Image(0).At(1, 1), 0xFFFF0000u);
  EXPECT_EQ(list.Image(1).At(0, 1) >> 24, 0u);
  EXPECT_EQ(list.Image(2).At(0, 1), 0xFFFF00FFu);
  EXPECT_EQ(list.Image(3).At(0, 1), 0xFFFF00FFu);
  EXPECT_EQ(list.Image(3).At(3, 3) >> 24, 0u);
}

TEST(ImageList, DrawsTransparentPixelsAsBackground) {
  TImageList list(nullptr, 4, 4);
  list.AddMasked(Strip({clRed}).get(), clFuchsia);
  auto target = WhiteCanvas();
  list.Draw(target->Canvas(), 2, 2, 0);
  EXPECT_EQ(target->Canvas()->Pixels(2, 3), clWhite);   // masked column
  EXPECT_EQ(target->Canvas()->Pixels(3, 3), clRed);
  EXPECT_EQ(target->Canvas()->Pixels(6, 6), clWhite);   // outside the picture
  list.Draw(target->Canvas(), 0, 0, 5);                 // no such picture: nothing drawn
  EXPECT_EQ(target->Canvas()->Pixels(1, 1), clWhite);
}

TEST(ImageList, DisabledDrawingIsGrey) {
  TImageList list(nullptr, 4, 4);
  list.AddMasked(Strip({clRed}).get(), clFuchsia);
  auto target = WhiteCanvas();
  list.Draw(target->Canvas(), 0, 0, 0, false);
  // (255 + 0 + 0) / 3 / 2 + 96 = 138 in every channel.
  EXPECT_EQ(target->Canvas()->Pixels(2, 2), TColor(0x8A8A8A));
  EXPECT_EQ(target->Canvas()->Pixels(0, 2), clWhite);
  EXPECT_EQ(DisabledImage(TPixelImage(1, 1, 0x80FFFFFF)).At(0, 0), 0x80DFDFDFu);
}

TEST(ImageList, GetBitmapCopiesOnePicture) {
  TImageList list(nullptr, 4, 4);
  list.Add(Strip({clRed, clBlue}).get());
  TBitmap out;
  EXPECT_TRUE(list.GetBitmap(1, &out));
  EXPECT_EQ(out.Width(), 4);
  EXPECT_EQ(out.Canvas()->Pixels(2, 2), clBlue);
  EXPECT_FALSE(list.GetBitmap(2, &out));
  EXPECT_FALSE(list.GetBitmap(0, nullptr));
  EXPECT_THROW(list.Add(nullptr), EInvalidOperation);
}
