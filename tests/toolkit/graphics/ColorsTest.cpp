#include "toolkit/graphics/Colors.h"

#include "toolkit/rtl/Exceptions.h"

TEST(Colors, RgbPacksRedInTheLowByte) {
  EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x563412);
  EXPECT_EQ(GetRValue(0x563412), 0x12);
  EXPECT_EQ(GetGValue(0x563412), 0x34);
  EXPECT_EQ(GetBValue(0x563412), 0x56);
  EXPECT_EQ(clRed, RGB(255, 0, 0));
  EXPECT_EQ(clBlue, RGB(0, 0, 255));
}

TEST(Colors, SystemColoursResolveThroughTheFixedTable) {
  struct Case { TColor sys; TColor rgb; };
  const Case cases[] = {
      {clBtnFace, RGB(212, 208, 200)}, {clBtnShadow, RGB(128, 128, 128)}, {clBtnHighlight, RGB(255, 255, 255)},
      {clWindow, RGB(255, 255, 255)},  {clWindowText, RGB(0, 0, 0)},      {clHighlight, RGB(10, 36, 106)},
      {clHighlightText, clWhite},      {clInfoBk, RGB(255, 255, 225)},    {cl3DDkShadow, RGB(64, 64, 64)},
      {clGrayText, RGB(128, 128, 128)}, {clMenuBar, RGB(212, 208, 200)},
  };
  for (const Case& c : cases) EXPECT_EQ(ColorToRGB(c.sys), c.rgb) << ColorToString(c.sys);
}

TEST(Colors, PlainAndSpecialValuesPassUnchanged) {
  EXPECT_EQ(clBtnFace, TColor(0xFF00000F));
  EXPECT_EQ(ColorToRGB(clMoneyGreen), clMoneyGreen);
  EXPECT_EQ(ColorToRGB(clNone), 0x1FFFFFFF);
  EXPECT_EQ(ColorToRGB(clDefault), 0x20000000);
}

TEST(Colors, NamesRoundTrip) {
  EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
  EXPECT_EQ(ColorToString(clSkyBlue), "clSkyBlue");
  EXPECT_EQ(ColorToString(0x123456), "$00123456");
  EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);
  EXPECT_EQ(StringToColor("$00FF0000"), clBlue);
  EXPECT_EQ(StringToColor("255"), clRed);
  EXPECT_THROW(StringToColor("clNoSuchColour"), EConvertError);
  EXPECT_THROW(StringToColor("$12G"), EConvertError);
  EXPECT_THROW(StringToColor(""), EConvertError);
}
