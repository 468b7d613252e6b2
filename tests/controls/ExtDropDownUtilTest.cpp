#include "controls/ExtDropDownUtil.h"

#include <gtest/gtest.h>

#include "grid/foundation/ExtUtil.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/TextMetrics.h"
#include "toolkit/rtl/Exceptions.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

constexpr TColor kWhite = RGB(255, 255, 255);
constexpr TColor kBlack = RGB(0, 0, 0);

TEST(DropDownColors, MixAndScale) {
  EXPECT_EQ(MixColors(kWhite, kBlack, 50), RGB(128, 128, 128));  // 127.5 to even
  EXPECT_EQ(MixColors(kWhite, kBlack, 100), kWhite);
  EXPECT_EQ(MixColors(kWhite, kBlack, 0), kBlack);
  EXPECT_EQ(MixColors(RGB(200, 0, 0), RGB(0, 0, 100), 25), RGB(50, 0, 75));
  EXPECT_EQ(ScaleColorChannels(TColor(0xF5F0E1), -10, -10, 0), TColor(0xF5D8CA));
  EXPECT_EQ(ScaleColorChannels(TColor(0xF9D2B2), -10, -10, 0), TColor(0xF9BDA0));
  EXPECT_EQ(ScaleColorChannels(RGB(100, 0, 50), 20, 30, -50), RGB(100, 30, 25));  // growth only on zeros
  EXPECT_EQ(ScaleColorChannels(RGB(100, 0, 50), 0, 0, -200), RGB(100, 0, 0));   // never wraps round
}

TEST(DropDownColors, GradientBands) {
  TBitmap bmp(40, 10);
  FillRectColor(bmp.Canvas(), TRect(0, 0, 40, 10), RGB(1, 2, 3));
  DrawGradient(bmp.Canvas(), kBlack, kWhite, 0, TRect(0, 0, 40, 10), true);
  EXPECT_EQ(bmp.Canvas()->Pixels(0, 5), kBlack);
  EXPECT_EQ(bmp.Canvas()->Pixels(39, 5), kBlack);  // the band's overlap reaches the last column
  DrawGradient(bmp.Canvas(), kBlack, kWhite, 4, TRect(0, 0, 40, 10), false);
  EXPECT_EQ(bmp.Canvas()->Pixels(10, 0), kBlack);
  EXPECT_EQ(bmp.Canvas()->Pixels(10, 8), RGB(191, 191, 191));  // band 3 of 4
}

TEST(DropDownColors, GradientBoxBorder) {
  TBitmap bmp(20, 20);
  DrawGradientBox(bmp.Canvas(), TRect(0, 0, 20, 20), RGB(0, 255, 0), clNone, RGB(255, 0, 0), 1, gdVertical);
  EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(bmp.Canvas()->Pixels(10, 10), RGB(0, 255, 0));
  DrawGradientBox(nullptr, TRect(0, 0, 20, 20), kWhite, kBlack, kBlack, 1, gdVertical);  // nothing happens
}

struct TNumberCase {
  const char* Text;
  int Kind;
};

// Sets the separators for one test and puts the process-wide ones back.
class TSeparators {
public:
  TSeparators(char Thousand, char Decimal) : saved_(FormatSettings) {
    FormatSettings.ThousandSeparator = Thousand;
    FormatSettings.DecimalSeparator = Decimal;
  }
  ~TSeparators() { FormatSettings = saved_; }

private:
  TFormatSettings saved_;
};

class DropDownNumberKind : public ::testing::TestWithParam<TNumberCase> {};

TEST_P(DropDownNumberKind, ByCharacters) {
  TSeparators separators(',', '.');
  EXPECT_EQ(NumberKind(GetParam().Text), GetParam().Kind) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(Texts, DropDownNumberKind,
                         ::testing::Values(TNumberCase{"123", 0}, TNumberCase{"-", 0}, TNumberCase{"1-2", 0},
                                           TNumberCase{"--1", 2}, TNumberCase{"1.5", 1},
                                           TNumberCase{"1,234.5", 1}, TNumberCase{"1.2.3", 2},
                                           TNumberCase{",123", 2}, TNumberCase{"1,2,345", 2}, TNumberCase{"1,23,456", 1},
                                           TNumberCase{"1F", 5}, TNumberCase{"abc", 5},
                                           TNumberCase{"xyz", 2}, TNumberCase{"", 2}));

TEST(DropDownText, HexAndCase) {
  EXPECT_EQ(HexToInt("1g"), 16);
  EXPECT_EQ(HexToInt("FF"), 255);
  EXPECT_EQ(HexToInt("FFFFFFFF"), -1);
  EXPECT_EQ(HexToInt("100000000"), 0);  // wraps in 32 bits
  EXPECT_EQ(HexDigitValue('b'), 11);
  EXPECT_EQ(HexDigitValue('?'), 0);
  EXPECT_TRUE(IsRangeDelimiter(';'));
  EXPECT_FALSE(IsRangeDelimiter('.'));
  TSeparators separators('.', ',');
  EXPECT_EQ(RemoveThousandSeparators("1.234.567"), "1234567");
  EXPECT_EQ(UpperCaseUnless("abc", true), "abc");
  EXPECT_EQ(UpperCaseUnless("abc", false), "ABC");
}

TEST(DropDownText, EllipsisAndSize) {
  SetFixedTextMetrics(true);
  TBitmap bmp(10, 10);
  TCanvas* c = bmp.Canvas();
  c->Font()->SetHeight(-10);  // 5 pixels a character
  std::string out;
  EllipsisText(c, "abcdefgh", 39, out, true);
  EXPECT_EQ(out, "abcd...");  // 35 < 39
  EllipsisText(c, "abcdefgh", 39, out, false);
  EXPECT_EQ(out, "abcdefg");
  EllipsisText(c, "abcdefgh", 10, out, true);
  EXPECT_EQ(out, "abcdefgh");  // not even "..." fits
  EllipsisText(c, "abcdefgh", 40, out, true);
  EXPECT_EQ(out, "abcdefgh");  // exactly as wide as allowed
  // Characters of several bytes come off whole.
  EllipsisText(c, "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 39, out, true);
  EXPECT_EQ(out, "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9...");
  TSize size;
  GetTextSize(c, "", size);
  EXPECT_EQ(size, (TSize{0, 0}));
  GetTextSize(c, "abcd", size);
  EXPECT_EQ(size, (TSize{20, 10}));
  SetFixedTextMetrics(false);
}

TEST(DropDownLists, BoundsTested) {
  TDbgList list;
  int a = 1, b = 2;
  list.Add(&a);
  EXPECT_EQ(list.GetItemsEx(0), &a);
  list.SetItemsEx(0, &b);
  EXPECT_EQ(list.GetItemsEx(0), &b);
  try {
    list.GetItemsEx(1);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Index out of bounds in list read access");
  }
  try {
    list.SetItemsEx(1, &a);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Index out of bounds in list write access");
  }
  EXPECT_THROW(list.GetItemsEx(-1), EListError);
  TDbgList copy;
  copy.Add(&a);
  copy.AssignList(list);
  EXPECT_EQ(copy.Count(), 1);
  EXPECT_EQ(copy.GetItemsEx(0), &b);
}

}  // namespace
