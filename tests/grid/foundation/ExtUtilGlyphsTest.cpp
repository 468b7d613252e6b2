#include "grid/foundation/ExtUtilGlyphs.h"

#include <gtest/gtest.h>

#include "grid/foundation/ExtXPVS.h"
#include "platform/theme/Theme.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/TextMetrics.h"

namespace {

class CellGlyphs : public ::testing::Test {
protected:
  CellGlyphs() : bmp(60, 30) {
    SetFixedTextMetrics(true);
    Clear();
    tones.Background = {RGB(10, 200, 10), RGB(0, 0, 255), RGB(255, 0, 0)};
    tones.Hover = {RGB(200, 10, 10), clNone, clNone};
    RegisterThemeModule();
    BindThemeLibrary();
  }
  ~CellGlyphs() override {
    ReleaseThemeLibrary();
    SetThemeActive(true);
    SetFixedTextMetrics(false);
  }
  void Clear() {
    bmp.Canvas()->Brush()->SetColor(clWhite);
    bmp.Canvas()->FillRect(TRect(0, 0, 60, 30));
  }
  TColor Px(int x, int y) { return bmp.Canvas()->Pixels(x, y); }
  std::vector<TColor> Row(int y) {
    std::vector<TColor> r;
    for (int x = 0; x < 60; ++x) r.push_back(Px(x, y));
    return r;
  }
  TBitmap bmp;
  TColorTones tones;
};

TEST_F(CellGlyphs, OfficeComboButtonSpansFourteenPixelsAtTheRight) {
  DrawComboButton(bmp.Canvas(), nullptr, TRect(0, 0, 20, 20), 3, 0, tones);
  int green = 0;
  for (int x = 0; x < 20; ++x) green += Px(x, 5) == RGB(10, 200, 10);
  EXPECT_GE(green, 11);
  EXPECT_LE(green, 14);
  EXPECT_EQ(Px(0, 5), clWhite);
  EXPECT_EQ(Px(2, 5), clWhite);  // 20 - 17 - 2 + 3 = 4 is where it starts
  Clear();
  DrawComboButton(bmp.Canvas(), nullptr, TRect(0, 0, 20, 20), 3, 1, tones);
  EXPECT_EQ(Px(10, 4), RGB(200, 10, 10));  // the hover tone
}

TEST_F(CellGlyphs, ThemedComboLooksTheSameHotDownAndNormal) {
  SetThemeActive(true);
  DrawComboButton(bmp.Canvas(), nullptr, TRect(0, 0, 40, 22), 0, 0, tones);
  const auto normal = Row(10);
  for (uint8_t state : {1, 2}) {
    Clear();
    DrawComboButton(bmp.Canvas(), nullptr, TRect(0, 0, 40, 22), 0, state, tones);
    EXPECT_EQ(Row(10), normal) << int(state);
  }
  EXPECT_EQ(OpenThemeCount(), 0);
  Clear();
  DrawComboButton(bmp.Canvas(), nullptr, TRect(0, 0, 40, 22), 0, 3, tones);
  EXPECT_NE(Row(10), normal);
}

TEST_F(CellGlyphs, ClassicAndOfficeButtonsDraw) {
  DrawPushButton(bmp.Canvas(), nullptr, TRect(0, 0, 30, 20), 1, 2, tones);
  EXPECT_NE(Px(15, 10), clWhite);
  Clear();
  DrawSpinButtons(bmp.Canvas(), nullptr, TRect(0, 0, 40, 20), 3, 0, tones);
  EXPECT_EQ(Px(31, 3), clBlack);  // inside the upper arrow
  EXPECT_EQ(Px(5, 5), clWhite);
  Clear();
  DrawSmallDownArrow(bmp.Canvas(), 10, 10, clRed);
  EXPECT_EQ(Px(10, 11), RGB(255, 0, 0));
}

TEST_F(CellGlyphs, TransparentBitmapShowsTheBackColour) {
  TBitmap glyph(6, 6);
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(TRect(0, 0, 6, 6));
  glyph.Canvas()->Brush()->SetColor(clBlue);
  glyph.Canvas()->FillRect(TRect(2, 2, 4, 4));
  DrawTransparentBitmap(bmp.Canvas(), &glyph, clYellow, TRect(10, 10, 20, 20));
  EXPECT_EQ(Px(10, 10), clYellow);
  EXPECT_EQ(Px(12, 12), clBlue);
  EXPECT_EQ(Px(9, 9), clWhite);
}

TEST_F(CellGlyphs, ErrorUnderlineAfterTheTextAndLayeredCallsWithoutPlatform) {
  bmp.Canvas()->Font()->SetHeight(-10);
  DrawErrorUnderline(nullptr, bmp.Canvas(), "abc", TRect(0, 0, 60, 20), 8, 5, 2);
  int red = 0;
  for (int x = 0; x < 60; ++x)
    for (int y = 0; y < 30; ++y) red += Px(x, y) == RGB(255, 0, 0);
  EXPECT_GT(red, 3);
  EXPECT_FALSE(CallSetLayeredWindowAttributes(nullptr, clNone, 255, 2));
  EXPECT_FALSE(CallUpdateLayeredWindow(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, clNone, nullptr, 0));
}

}  // namespace
