#include "toolkit/graphics/Bitmap.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/toolkit/graphics/CanvasProbe.h"
#include "toolkit/graphics/codecs/PixelImage.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/Streams.h"

TEST(Bitmap, ScanLine24IsBlueGreenRed) {
  auto b = WhiteBitmap(3, 2);
  b->Canvas()->SetPixels(1, 1, RGB(10, 20, 30));
  const uint8_t* row = b->ScanLine(1);
  EXPECT_EQ(row[3], 30);  // B
  EXPECT_EQ(row[4], 20);  // G
  EXPECT_EQ(row[5], 10);  // R
  EXPECT_EQ(b->ScanLineStride(), 12);  // 9 bytes padded to 4
  uint8_t* top = b->ScanLine(0);
  top[0] = 0xFF;  // B
  top[1] = 0;
  top[2] = 0;
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), clBlue);
}

TEST(Bitmap, ScanLine32IsBlueGreenRedAlpha) {
  TBitmap b;
  b.SetPixelFormat(pf32bit);
  b.SetSize(2, 2);
  b.Canvas()->Brush()->SetColor(RGB(1, 2, 3));
  b.Canvas()->FillRect(Rect(0, 0, 2, 2));
  const uint8_t* row = b.ScanLine(1);
  EXPECT_EQ(row[4], 3);
  EXPECT_EQ(row[5], 2);
  EXPECT_EQ(row[6], 1);
  EXPECT_EQ(row[7], 255);
  EXPECT_EQ(b.ScanLineStride(), 8);
}

TEST(Bitmap, ScanLineOutsideRaises) {
  TBitmap b(2, 2);
  EXPECT_THROW(b.ScanLine(2), EInvalidGraphicOperation);
  EXPECT_THROW(b.ScanLine(-1), EInvalidGraphicOperation);
}

TEST(Bitmap, NewBitmapIsWhiteAndResizeKeepsPixels) {
  TBitmap b;
  EXPECT_TRUE(b.Empty());
  b.SetSize(2, 2);
  EXPECT_EQ(b.Canvas()->Pixels(1, 1), clWhite);
  b.Canvas()->SetPixels(1, 1, clRed);
  b.SetWidth(4);
  EXPECT_EQ(b.Width(), 4);
  EXPECT_EQ(b.Canvas()->Pixels(1, 1), clRed);
  EXPECT_EQ(b.Canvas()->Pixels(3, 1), clWhite);
  b.SetPixelFormat(pf32bit);
  EXPECT_EQ(b.Canvas()->Pixels(1, 1), clRed);
  b.SetPixelFormat(pf24bit);
  EXPECT_EQ(b.Canvas()->Pixels(1, 1), clRed);
  EXPECT_THROW(b.SetSize(100000, 100000), EOutOfResources);
  EXPECT_EQ(b.Width(), 4);
}

TEST(Bitmap, AssignIsADeepCopy) {
  auto a = WhiteBitmap(3, 3);
  a->Canvas()->SetPixels(2, 2, clRed);
  a->SetTransparent(true);
  TBitmap b;
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.Assign(a.get());
  EXPECT_EQ(changes, 0);  // Assign copies quietly
  EXPECT_EQ(b.Width(), 3);
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.Canvas()->Pixels(2, 2), clRed);
  a->Canvas()->SetPixels(2, 2, clBlue);
  EXPECT_EQ(b.Canvas()->Pixels(2, 2), clRed);
  TFont f;
  EXPECT_THROW(b.Assign(&f), EConvertError);
}

TEST(Bitmap, TransparentColourAutoIsBottomLeft) {
  auto b = WhiteBitmap(3, 3);
  b->Canvas()->SetPixels(0, 2, clFuchsia);
  EXPECT_EQ(b->TransparentMode(), tmAuto);
  EXPECT_EQ(b->TransparentColor(), clFuchsia);
  b->SetTransparentColor(clLime);
  EXPECT_EQ(b->TransparentMode(), tmFixed);
  EXPECT_EQ(b->TransparentColor(), clLime);
  b->SetTransparentMode(tmAuto);
  EXPECT_EQ(b->TransparentColor(), clFuchsia);
}

TEST(Bitmap, DrawTransparentSkipsTheKey) {
  auto src = WhiteBitmap(2, 2);
  src->Canvas()->SetPixels(0, 0, clRed);
  src->Canvas()->SetPixels(0, 1, clFuchsia);  // bottom-left: the key
  src->SetTransparent(true);
  auto dst = WhiteBitmap(4, 4);
  dst->Canvas()->Brush()->SetColor(clGreen);
  dst->Canvas()->FillRect(Rect(0, 0, 4, 4));
  dst->Canvas()->Draw(1, 1, src.get());
  EXPECT_EQ(dst->Canvas()->Pixels(1, 1), clRed);
  EXPECT_EQ(dst->Canvas()->Pixels(1, 2), clGreen);
  EXPECT_EQ(dst->Canvas()->Pixels(2, 2), clWhite);
  dst->Canvas()->StretchDraw(Rect(0, 0, 4, 4), src.get());
  EXPECT_EQ(dst->Canvas()->Pixels(1, 1), clRed);
  EXPECT_EQ(dst->Canvas()->Pixels(0, 3), clGreen);
}

TEST(Bitmap, PixelImageRoundTripKeepsStraightAlpha) {
  TPixelImage img(2, 1);
  img.At(0, 0) = 0xFF102030;
  img.At(1, 0) = 0x80FF0000;  // half-transparent red
  TBitmap b;
  b.SetPixelImage(img);
  EXPECT_EQ(b.PixelFormat(), pf32bit);
  EXPECT_EQ(b.AlphaFormat(), afPremultiplied);
  const TPixelImage back = b.GetPixelImage();
  EXPECT_EQ(back.At(0, 0), 0xFF102030u);
  EXPECT_EQ(back.At(1, 0), 0x80FF0000u);
  TPixelImage opaque(1, 1, 0xFF00FF00);
  b.SetPixelImage(opaque);
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), clLime);
}

TEST(Bitmap, StreamRoundTripAsBmp) {
  auto a = WhiteBitmap(5, 3);
  a->Canvas()->SetPixels(4, 2, clNavy);
  TMemoryStream ms;
  a->SaveToStream(ms);
  ASSERT_GT(ms.Size(), 54);
  EXPECT_EQ(ms.Bytes()[0], 'B');
  ms.SetPosition(0);
  TBitmap b;
  b.LoadFromStream(ms);
  EXPECT_EQ(b.Width(), 5);
  EXPECT_EQ(b.Height(), 3);
  EXPECT_EQ(b.Canvas()->Pixels(4, 2), clNavy);
}

TEST(Bitmap, BadStreamLeavesTheBitmapAlone) {
  auto a = WhiteBitmap(2, 2);
  TStringStream junk("BM this is not a bitmap");
  EXPECT_THROW(a->LoadFromStream(junk), EInvalidGraphic);
  EXPECT_EQ(a->Width(), 2);
  EXPECT_EQ(a->Canvas()->Pixels(0, 0), clWhite);
}

TEST(Bitmap, FileRoundTrip) {
  const std::string path = testing::TempDir() + "/canvas_bitmap_roundtrip.bmp";
  auto a = WhiteBitmap(4, 4);
  a->Canvas()->SetPixels(3, 0, clMaroon);
  a->SaveToFile(path);
  TBitmap b;
  b.LoadFromFile(path);
  EXPECT_EQ(b.Canvas()->Pixels(3, 0), clMaroon);
  std::filesystem::remove(path);
  EXPECT_THROW(b.LoadFromFile(path), EFOpenError);
  EXPECT_EQ(b.Width(), 4);
}

TEST(Bitmap, CanvasDrawingFiresOnChange) {
  TBitmap b(2, 2);
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.Canvas()->FillRect(Rect(0, 0, 1, 1));
  EXPECT_EQ(changes, 1);
}

TEST(Bitmap, BrushBitmapTilesAPattern) {
  TBitmap pattern(2, 1);
  pattern.Canvas()->SetPixels(0, 0, clRed);
  pattern.Canvas()->SetPixels(1, 0, clBlue);
  auto b = WhiteBitmap(4, 1);
  b->Canvas()->Brush()->SetBitmap(&pattern);
  b->Canvas()->FillRect(Rect(0, 0, 4, 1));
  EXPECT_EQ(Mask(*b, clRed)[0], "#.#.");
  EXPECT_EQ(Mask(*b, clBlue)[0], ".#.#");
}
