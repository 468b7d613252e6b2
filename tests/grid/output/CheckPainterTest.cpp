#include "grid/output/CheckPainter.h"

#include <gtest/gtest.h>

#include <vector>

#include "grid/foundation/ExtUtil.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/rtl/StringList.h"

namespace {

struct TGlyphCase {
  TCellControlStyle Style;
  bool Checked, Enabled;
  const char* Box;
  const char* Radio;
};

class CheckGlyphs : public ::testing::TestWithParam<TGlyphCase> {};

TEST_P(CheckGlyphs, ByStyleAndState) {
  const TGlyphCase& c = GetParam();
  EXPECT_EQ(CheckBoxGlyphName(c.Style, c.Checked, c.Enabled), c.Box);
  EXPECT_EQ(RadioGlyphName(c.Style, c.Checked, c.Enabled), c.Radio);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, CheckGlyphs,
    ::testing::Values(TGlyphCase{csWinXP, true, true, "ESGCHK05", "ESGRAD05"},
                      TGlyphCase{csWinXP, false, true, "ESGCHK06", "ESGRAD06"},
                      TGlyphCase{csWinXP, true, false, "ESGCHK07", "ESGRAD07"},
                      TGlyphCase{csWinXP, false, false, "ESGCHK08", "ESGRAD08"},
                      TGlyphCase{csQGS, true, true, "ESGCHK01", "ESGRAD01"},
                      TGlyphCase{csQGS, false, false, "ESGCHK04", "ESGRAD04"},
                      TGlyphCase{csClassic, true, true, "", ""}, TGlyphCase{csTheme, true, true, "", ""},
                      TGlyphCase{csGlyph, true, true, "", ""}, TGlyphCase{csBorland, false, true, "", ""}));

TEST(CheckStyles, ThemeFallsBackToClassic) {
  EXPECT_EQ(EffectiveControlStyle(csTheme, true), csTheme);
  EXPECT_EQ(EffectiveControlStyle(csTheme, false), csClassic);
  EXPECT_EQ(EffectiveControlStyle(csWinXP, false), csWinXP);
}

// A box's pixels in a fresh 40 x 40 picture.
std::vector<TColor> BoxPixels(bool Checked, bool Grayed, TCellControlStyle Style, bool ThemesActive) {
  TBitmap bmp(40, 40);
  FillRectColor(bmp.Canvas(), TRect(0, 0, 40, 40), RGB(250, 240, 230));
  TControlLook look;
  PaintCheckBox(bmp.Canvas(), TRect(10, 10, 30, 30), Checked, true, Grayed, Style, look, ThemesActive);
  std::vector<TColor> v;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) v.push_back(bmp.Canvas()->Pixels(x, y));
  return v;
}

struct TGrayedCase {
  TCellControlStyle Style;
  bool OwnLook;  // false: a grayed box looks unchecked
};

class GrayedBox : public ::testing::TestWithParam<TGrayedCase> {};

TEST_P(GrayedBox, LooksUncheckedOrShowsTheThreeStateLook) {
  const TGrayedCase& c = GetParam();
  const auto grayed = BoxPixels(false, true, c.Style, true);
  const auto unchecked = BoxPixels(false, false, c.Style, true);
  const auto checked = BoxPixels(true, false, c.Style, true);
  ASSERT_NE(checked, unchecked);
  if (c.OwnLook) {
    EXPECT_NE(grayed, unchecked);
    EXPECT_NE(grayed, checked);
  } else {
    EXPECT_EQ(grayed, unchecked);
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, GrayedBox,
                         ::testing::Values(TGrayedCase{csWinXP, false}, TGrayedCase{csQGS, false},
                                           TGrayedCase{csClassic, true}, TGrayedCase{csFlat, true}));

TEST(CheckStyles, ThemeWithoutVisualStylesDrawsTheClassicBox) {
  for (bool checked : {false, true}) {
    EXPECT_EQ(BoxPixels(checked, false, csTheme, false), BoxPixels(checked, false, csClassic, false)) << checked;
  }
}

class CheckPaint : public ::testing::Test {
protected:
  CheckPaint() : bmp(40, 40) { FillRectColor(bmp.Canvas(), TRect(0, 0, 40, 40), kBack); }
  static constexpr TColor kBack = RGB(250, 240, 230);
  TColor At(int x, int y) { return bmp.Canvas()->Pixels(x, y); }
  bool Drawn(const TRect& r) {
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (At(x, y) != kBack) return true;
    return false;
  }
  TBitmap bmp;
  TControlLook look;
};

TEST_F(CheckPaint, XPGlyphKeepsTheBackgroundAroundTheBox) {
  PaintCheckBox(bmp.Canvas(), TRect(10, 10, 25, 25), true, true, false, csWinXP, look, true);
  EXPECT_EQ(At(10, 10), kBack);  // the glyph's corner is see-through
  EXPECT_NE(At(17, 17), kBack);
  EXPECT_FALSE(Drawn(TRect(27, 0, 40, 40)));
}

TEST_F(CheckPaint, GlyphStyleWithoutGlyphsDrawsNothing) {
  PaintCheckBox(bmp.Canvas(), TRect(10, 10, 25, 25), true, true, false, csGlyph, look, true);
  EXPECT_FALSE(Drawn(TRect(0, 0, 40, 40)));
}

TEST_F(CheckPaint, ClassicBoxCentredAndCheckedDiffers) {
  PaintCheckBox(bmp.Canvas(), TRect(0, 0, 40, 40), false, true, false, csClassic, look, false);
  EXPECT_TRUE(Drawn(TRect(12, 12, 28, 28)));
  EXPECT_FALSE(Drawn(TRect(0, 0, 12, 40)));
  TBitmap checked(40, 40);
  FillRectColor(checked.Canvas(), TRect(0, 0, 40, 40), kBack);
  PaintCheckBox(checked.Canvas(), TRect(0, 0, 40, 40), true, true, false, csClassic, look, false);
  bool differs = false;
  for (int y = 12; y < 28; ++y)
    for (int x = 12; x < 28; ++x) differs |= checked.Canvas()->Pixels(x, y) != At(x, y);
  EXPECT_TRUE(differs);
}

TEST_F(CheckPaint, BorlandTickInLookColour) {
  look.SetColor(RGB(255, 0, 0));
  PaintCheckBox(bmp.Canvas(), TRect(10, 10, 25, 25), true, true, false, csBorland, look, false);
  EXPECT_EQ(At(12, 22), RGB(255, 0, 0));  // the tick's left stroke
  look.SetCheckAlwaysActive(false);
  PaintCheckBox(bmp.Canvas(), TRect(10, 10, 25, 25), true, false, false, csBorland, look, false);
  // The disabled tick shows on the disabled face.
  EXPECT_EQ(ColorToRGB(At(12, 22)), ColorToRGB(clBtnFace));
  EXPECT_NE(ColorToRGB(At(12, 22)), ColorToRGB(At(11, 11)));
}

TEST_F(CheckPaint, RadioGroupByCellText) {
  TStringList items;
  items.Add("one");
  items.Add("two");
  TRadioGroupPaint g;
  g.Count = 2;
  g.Index = -1;
  g.Items = &items;
  g.CellText = "two";
  TBitmap first(40, 40), second(40, 40);
  // The second item is on: its glyph equals an "on" glyph drawn alone.
  DrawRadioButtons(bmp.Canvas(), TRect(0, 0, 40, 40), g, csWinXP, look, true);
  FillRectColor(first.Canvas(), TRect(0, 0, 40, 40), kBack);
  FillRectColor(second.Canvas(), TRect(0, 0, 40, 40), kBack);
  TRadioGroupPaint onAlone;
  onAlone.Count = 1;
  onAlone.Index = 0;
  DrawRadioButtons(first.Canvas(), TRect(0, 0, 40, 40), onAlone, csWinXP, look, true);
  onAlone.Index = 5;  // off
  DrawRadioButtons(second.Canvas(), TRect(0, 0, 40, 40), onAlone, csWinXP, look, true);
  const int h = bmp.Canvas()->TextHeight("gh");
  const int top2 = std::max(16, h) + 2;
  // Items with texts start at the left; a lone item without text is centred.
  for (int d = 0; d < 16; ++d) {
    EXPECT_EQ(At(2 + d, top2 + 8), first.Canvas()->Pixels(12 + d, 10)) << d;  // second item: on
    EXPECT_EQ(At(2 + d, 10), second.Canvas()->Pixels(12 + d, 10)) << d;       // first item: off
  }
}

}  // namespace
