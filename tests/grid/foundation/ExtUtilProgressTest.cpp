#include "grid/foundation/ExtUtil.h"

#include <gtest/gtest.h>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/TextMetrics.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

constexpr TColor kWhite = RGB(255, 255, 255);
constexpr TColor kRed = RGB(255, 0, 0);
constexpr TColor kBlue = RGB(0, 0, 255);
constexpr TColor kGreen = RGB(0, 255, 0);
constexpr TColor kBlack = RGB(0, 0, 0);

struct TFormatCase {
  const char* Format;
  double Value;
  bool Integer;
  const char* Text;
};

TEST(GridProgressText, OwnFormatter) {
  ResetFormatSettings();
  const TFormatCase cases[] = {
      {"%.1f done", 75.4, true, "75.0 done"},  // "d" in the text: integer formatting
      {"%d%%", 42.6, true, "43%"},
      {"%u", 7.5, true, "8"},                  // ties to even
      {"%s items", 3, true, "3 items"},
      {"%f", 2.5, false, "2.50"},
      {"%.3f", 2.5, false, "2.500"},
      {"%5d %x %n", 1, true, "%5d %x %n"},     // unknown specifiers stay as written
      {"100%", 1, true, "100%"},
      {"%", 1, true, "%"},
      {"%s%s", 2, true, "22"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatProgressText(c.Format, c.Value, c.Integer), c.Text) << c.Format;
  FormatSettings.DecimalSeparator = ',';
  EXPECT_EQ(FormatProgressText("%.1f", 2.25, false), "2,2");
  ResetFormatSettings();
}

class GridProgress : public ::testing::Test {
protected:
  GridProgress() : bmp(110, 30) {
    SetFixedTextMetrics(true);
    FillRectColor(bmp.Canvas(), Rect(0, 0, 110, 30), kWhite);
  }
  ~GridProgress() override { SetFixedTextMetrics(false); }
  TColor Pixel(int x, int y) { return bmp.Canvas()->Pixels(x, y); }
  TCanvas* Canvas() { return bmp.Canvas(); }
  TBitmap bmp;
};

TEST_F(GridProgress, BarBeyondTheRangeIsFull) {
  Canvas()->Brush()->SetColor(kGreen);
  DrawProgressBar(Canvas(), Rect(0, 0, 60, 20), kRed, kWhite, kBlue, kBlack, 150, 2, 2, 0, 100, "", kBlack, false);
  EXPECT_EQ(Pixel(3, 3), kRed);
  EXPECT_EQ(Pixel(56, 16), kRed);
  EXPECT_EQ(Pixel(1, 1), kBlack);  // the border
  EXPECT_EQ(Pixel(0, 0), kGreen);  // the outer frame in the brush colour at entry
  DrawProgressBar(Canvas(), Rect(0, 0, 60, 20), kRed, kWhite, kBlue, kBlack, -5, 2, 2, 0, 100, "", clNone, false);
  EXPECT_EQ(Pixel(3, 3), kBlue);
  DrawProgressBar(Canvas(), Rect(0, 0, 60, 20), kRed, kWhite, kBlue, kBlack, 1e30, 2, 2, 0, 100, "", clNone, false);
  EXPECT_EQ(Pixel(3, 3), kRed);  // a runaway position is simply full
}

TEST_F(GridProgress, FormatUsesTheRange) {
  DrawProgressBar(Canvas(), Rect(0, 0, 60, 20), kRed, kWhite, kBlue, kBlack, 100, 2, 2, 0, 200, "%d", clNone, true);
  EXPECT_EQ(Pixel(4, 3), kRed);
  EXPECT_EQ(Pixel(55, 3), kBlue);
  // An empty range does not divide by zero.
  DrawProgressBar(Canvas(), Rect(0, 0, 60, 20), kRed, kWhite, kBlue, kBlack, 5, 2, 2, 5, 5, "%d", clNone, false);
  EXPECT_EQ(Pixel(55, 3), kRed);
}

TLevelProgressAppearance Levels() {
  TLevelProgressAppearance a;
  a.Level0Color = RGB(0, 0, 10);
  a.Level1Color = RGB(0, 0, 11);
  a.Level2Color = RGB(0, 0, 12);
  a.Level3Color = RGB(0, 0, 13);
  a.Level1Perc = 70;
  a.Level2Perc = 90;
  a.UnCompleteColor = kWhite;
  a.CompletionSmooth = true;
  return a;
}

TEST_F(GridProgress, LevelByPercent) {
  const TLevelProgressAppearance a = Levels();
  const std::pair<int, TColor> cases[] = {
      {69, a.Level0Color}, {70, a.Level1Color}, {90, a.Level2Color}, {100, a.Level3Color}};
  for (auto [percent, color] : cases) {
    DrawLevelProgressBar(Canvas(), Rect(0, 0, 102, 12), percent, a);  // Size 100
    EXPECT_EQ(Pixel(5, 5), color) << percent;
    EXPECT_EQ(Pixel(percent, 5), color) << percent;
    if (percent < 100) {
      EXPECT_EQ(Pixel(percent + 1, 5), kWhite) << percent;
    }
  }
}

TEST_F(GridProgress, StackedPartsFillTheBar) {
  TLevelProgressAppearance a = Levels();
  a.Stacked = true;
  DrawLevelProgressBar(Canvas(), Rect(0, 0, 102, 12), 100, a);
  EXPECT_EQ(Pixel(1, 5), a.Level0Color);
  EXPECT_EQ(Pixel(70, 5), a.Level0Color);
  EXPECT_EQ(Pixel(71, 5), a.Level1Color);
  EXPECT_EQ(Pixel(90, 5), a.Level1Color);
  EXPECT_EQ(Pixel(91, 5), a.Level3Color);
  EXPECT_EQ(Pixel(100, 5), a.Level3Color);
}

TEST_F(GridProgress, Blocks) {
  TLevelProgressAppearance a = Levels();
  a.CompletionSmooth = false;
  DrawLevelProgressBar(Canvas(), Rect(0, 0, 102, 12), 20, a);  // n = 20
  EXPECT_EQ(Pixel(2, 5), a.Level0Color);
  EXPECT_EQ(Pixel(8, 5), a.Level0Color);
  EXPECT_EQ(Pixel(9, 5), kWhite);  // the gap
  EXPECT_EQ(Pixel(17, 5), a.Level0Color);
  EXPECT_EQ(Pixel(20, 5), kWhite);  // r = 2: no last block
  DrawLevelProgressBar(Canvas(), Rect(0, 0, 102, 12), 21, a);
  EXPECT_EQ(Pixel(20, 5), a.Level0Color);
  EXPECT_EQ(Pixel(21, 5), a.Level0Color);
  EXPECT_EQ(Pixel(22, 5), kWhite);
  EXPECT_EQ(Pixel(20, 1), kWhite);  // blocks keep 2 pixels from the long sides
}

TEST_F(GridProgress, Pie) {
  Canvas()->Brush()->SetColor(kWhite);
  DrawProgressPie(Canvas(), Rect(0, 0, 21, 21), kRed, 0, false);
  EXPECT_EQ(Pixel(14, 10), kWhite);  // nothing filled
  EXPECT_EQ(Pixel(10, 5), RGB(0x80, 0x80, 0x80));  // the radius to 12 o'clock
  Canvas()->Brush()->SetColor(kWhite);
  DrawProgressPie(Canvas(), Rect(30, 0, 51, 21), kRed, 50, false);
  EXPECT_EQ(Pixel(45, 10), kRed);   // the right half
  EXPECT_EQ(Pixel(35, 10), kWhite);
}

TEST_F(GridProgress, SignedBar) {
  DrawSignedBar(Canvas(), Rect(0, 0, 44, 10), 50, 10, false, kRed, kBlue);  // shrunk (2, 2, 42, 8)
  EXPECT_EQ(Pixel(41, 5), kBlue);
  EXPECT_EQ(Pixel(22, 5), kBlue);
  EXPECT_EQ(Pixel(21, 5), kWhite);
  EXPECT_EQ(Pixel(42, 5), kWhite);
  DrawSignedBar(Canvas(), Rect(0, 10, 44, 20), -5, 10, false, kRed, kBlue);
  EXPECT_EQ(Pixel(12, 15), kRed);
  EXPECT_EQ(Pixel(11, 15), kWhite);
  DrawSignedBar(Canvas(), Rect(50, 0, 94, 10), 5, 0, true, kRed, kBlue);  // no maximum: nothing filled
  EXPECT_EQ(Pixel(80, 3), kWhite);
}

}  // namespace
