#include <gtest/gtest.h>

#include "platform/kernel/Modules.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ThemePainting.h"

namespace {

class ThemeModuleTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterThemeModule();
    SetThemeActive(true);
    module_ = LoadLibrary("UXTHEME.DLL");
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override {
    FreeLibrary(module_);
    SetThemeActive(true);
  }
  HMODULE module_ = nullptr;
};

}  // namespace

TEST_F(ThemeModuleTest, EveryConventionalEntryIsBound) {
  for (const char* name : kThemeEntryNames) EXPECT_NE(GetProcAddress(module_, name), nullptr) << name;
  EXPECT_NE(GetProcAddress(module_, "GetThemePartSize"), nullptr);
  auto stub = GetProcAddressAs<TThemeStubProc>(module_, "GetThemeColor");
  ASSERT_NE(stub, nullptr);
  EXPECT_EQ(stub(), E_NOTIMPL);
  RegisterThemeModule();  // again: nothing changes
  EXPECT_EQ(GetProcAddressAs<TThemeStubProc>(module_, "GetThemeColor"), stub);
}

TEST_F(ThemeModuleTest, DrawsThroughTheTableAtLogicalCoordinates) {
  auto open = GetProcAddressAs<TOpenThemeDataProc>(module_, "OpenThemeData");
  auto draw = GetProcAddressAs<TDrawThemeBackgroundProc>(module_, "DrawThemeBackground");
  auto close = GetProcAddressAs<TCloseThemeDataProc>(module_, "CloseThemeData");
  ASSERT_TRUE(open && draw && close);
  TBitmap bmp(40, 30);
  bmp.Canvas()->Brush()->SetColor(clWhite);
  bmp.Canvas()->FillRect(Rect(0, 0, 40, 30));
  bmp.Canvas()->SetViewportOrgEx(10, 5);
  const HTHEME theme = open(nullptr, "button");
  ASSERT_NE(theme, 0u);
  const TRect r = Rect(0, 0, 13, 13);
  EXPECT_EQ(draw(theme, bmp.Canvas()->Handle(), BP_CHECKBOX, CBS_CHECKEDNORMAL, &r, nullptr), S_OK);
  EXPECT_EQ(close(theme), S_OK);
  EXPECT_EQ(bmp.Canvas()->Pixels(-10, -5), clWhite);  // surface (0, 0)
  EXPECT_NE(bmp.Canvas()->Pixels(1, 1), clWhite);     // inside the box, surface (11, 6)
  EXPECT_EQ(bmp.Canvas()->Pixels(14, 14), clWhite);
}

TEST_F(ThemeModuleTest, StateQueriesThroughTheTable) {
  auto active = GetProcAddressAs<TIsThemeActiveProc>(module_, "IsThemeActive");
  auto name = GetProcAddressAs<TGetCurrentThemeNameProc>(module_, "GetCurrentThemeName");
  ASSERT_TRUE(active && name);
  EXPECT_TRUE(active());
  char file[6], color[64], size[64];
  EXPECT_EQ(name(file, sizeof file, color, sizeof color, size, sizeof size), S_OK);
  EXPECT_EQ(std::string(file).size(), 5u);  // cut to the buffer
  EXPECT_STREQ(color, "NormalColor");
  SetThemeActive(false);
  EXPECT_FALSE(active());
  EXPECT_EQ(name(file, sizeof file, color, sizeof color, size, sizeof size), E_FAIL);
}

TEST(ThemePainting, PartSizeAndContentRectOnADeviceContext) {
  const HTHEME theme = OpenThemeData(nullptr, "button");
  TSize s;
  EXPECT_EQ(GetThemePartSize(theme, nullptr, BP_RADIOBUTTON, RBS_CHECKEDNORMAL, nullptr, TS_TRUE, &s), S_OK);
  EXPECT_EQ(s.cx, 13);
  const TRect b = Rect(0, 0, 50, 20);
  TRect c;
  EXPECT_EQ(GetThemeBackgroundContentRect(theme, nullptr, BP_PUSHBUTTON, PBS_NORMAL, &b, &c), S_OK);
  EXPECT_EQ(c, Rect(3, 3, 47, 17));
  CloseThemeData(theme);
  TBitmap bmp(10, 10);
  EXPECT_EQ(DrawThemeBackground(theme, bmp.Canvas(), BP_PUSHBUTTON, PBS_NORMAL, &b, nullptr), E_HANDLE);
}
